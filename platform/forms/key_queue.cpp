#include "platform/forms/key_queue.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/forms/application.h"
#include "platform/forms/types.h"

namespace ks::forms {
namespace {

// Shift, Ctrl or Alt pressed on its own, before the key it is held for.
bool IsModifierKey(const KeyQueue::Key& key) {
  return key.key_code == kShiftKey || key.key_code == kCtrlKey || key.key_code == kAltKey;
}

bool WithCtrlOrAlt(const KeyQueue::Key& key) { return (key.shift & (kCtrlMask | kAltMask)) != 0; }

bool EndsLine(const KeyQueue::Key& key) { return !WithCtrlOrAlt(key) && key.key_ascii == kEnter; }

// A character (Space included), Tab or Backspace: a key that goes on typing a line.
bool TypesIntoLine(const KeyQueue::Key& key) {
  if (WithCtrlOrAlt(key)) return false;
  return key.key_ascii == kBackspace || key.key_ascii == kTab || (key.key_ascii >= ' ' && key.key_ascii != kDeleteChar);
}

}  // namespace

KeyHold::KeyHold(KeyQueue& queue, Form& form) : queue_(&queue), form_(&form) { queue_->Hold(*form_); }

KeyHold::KeyHold(KeyHold&& other) noexcept : queue_(std::exchange(other.queue_, nullptr)), form_(other.form_) {}

KeyHold::~KeyHold() {
  if (queue_ != nullptr) queue_->Release(*form_);
}

void KeyQueue::Hold(Form& form) { ++holds_[&form]; }

void KeyQueue::Release(Form& form) {
  auto it = holds_.find(&form);
  if (it == holds_.end()) return;  // forgotten with its window
  if (--it->second == 0) holds_.erase(it);
  ScheduleIfDeliverable();
}

bool KeyQueue::Held(const Form& form) const { return holds_.count(&form) != 0; }

std::size_t KeyQueue::Waiting(const Form& form) const {
  return static_cast<std::size_t>(std::count_if(waiting_.begin(), waiting_.end(), [&](const Key& k) { return k.form == &form; }));
}

void KeyQueue::Strike(Key& key) {
  striking_.push_back(&key);
  struct Done {
    std::vector<const Key*>& striking;
    ~Done() { striking.pop_back(); }
  } done{striking_};
  key.strike();
}

bool KeyQueue::Deliverable(const Key& key) const { return key.sent || !Held(*key.form); }

bool KeyQueue::MustWait(const Form& form) const { return Held(form) || Waiting(form) != 0; }

void KeyQueue::Take(Key key) {
  if (key.form == nullptr) return;
  if (!MustWait(*key.form)) {
    Strike(key);
    return;
  }
  waiting_.push_back(std::move(key));
  ScheduleIfDeliverable();
}

void KeyQueue::TakeAll(std::vector<Key> keys, bool ahead) {
  if (keys.empty() || keys.front().form == nullptr) return;
  const Form* form = keys.front().form;
  const auto at = ahead ? std::find_if(waiting_.begin(), waiting_.end(), [&](const Key& k) { return k.form == form; })
                        : waiting_.end();
  waiting_.insert(at, std::make_move_iterator(keys.begin()), std::make_move_iterator(keys.end()));
  ScheduleIfDeliverable();
}

void KeyQueue::Send(Key key) {
  if (key.form == nullptr) return;
  key.sent = true;
  auto first_typed = std::find_if(waiting_.begin(), waiting_.end(), [&](const Key& k) { return k.form == key.form && !k.sent; });
  waiting_.insert(first_typed, std::move(key));
  ScheduleIfDeliverable();
}

std::size_t KeyQueue::DropRestOfLine(const Form& form) {
  std::size_t scanned = 0;  // the form's keys looked at, in order
  std::size_t line = 0;     // how many of them type the refused line
  for (const Key& key : waiting_) {
    if (key.form != &form || key.sent) continue;
    if (IsModifierKey(key)) {
      ++scanned;  // goes with the key it is pressed for
      continue;
    }
    if (EndsLine(key)) {
      line = ++scanned;
      break;
    }
    if (!TypesIntoLine(key)) break;
    line = ++scanned;
  }
  std::size_t left = line;
  for (auto it = waiting_.begin(); it != waiting_.end() && left != 0;) {
    if (it->form == &form && !it->sent) {
      it = waiting_.erase(it);
      --left;
    } else {
      ++it;
    }
  }
  return line;
}

void KeyQueue::Forget(const Form& form) {
  std::erase_if(waiting_, [&](const Key& k) { return k.form == &form; });
  holds_.erase(&form);
}

void KeyQueue::ScheduleIfDeliverable() {
  if (scheduled_) return;
  const bool deliverable = std::any_of(waiting_.begin(), waiting_.end(), [&](const Key& k) { return Deliverable(k); });
  if (!deliverable) return;
  scheduled_ = true;
  app_.Loop().Post([this] { StrikeNext(); });
}

// One key per event: a key that holds its window (Enter logging the line) keeps the rest
// waiting until it is done, and a key's own posted work (a Tab sent by Space) comes first.
void KeyQueue::StrikeNext() {
  scheduled_ = false;
  auto next = std::find_if(waiting_.begin(), waiting_.end(), [&](const Key& k) { return Deliverable(k); });
  if (next == waiting_.end()) return;
  Key key = std::move(*next);
  waiting_.erase(next);
  struct Then {
    KeyQueue& queue;
    ~Then() { queue.ScheduleIfDeliverable(); }
  } then{*this};
  Strike(key);
}

}  // namespace ks::forms
