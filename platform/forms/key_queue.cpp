#include "platform/forms/key_queue.h"

#include <algorithm>
#include <utility>

#include "platform/forms/application.h"

namespace ks::forms {

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

bool KeyQueue::MustWait(const Form& form) const { return Held(form) || Waiting(form) != 0; }

void KeyQueue::Take(Key key) {
  if (key.form == nullptr) return;
  if (!MustWait(*key.form)) {
    key.strike();
    return;
  }
  waiting_.push_back(std::move(key));
  ScheduleIfDeliverable();
}

bool KeyQueue::DropThrough(const Form& form, int key_ascii) {
  auto end = std::find_if(waiting_.begin(), waiting_.end(),
                          [&](const Key& k) { return k.form == &form && k.key_ascii == key_ascii; });
  if (end == waiting_.end()) return false;
  ++end;
  waiting_.erase(std::remove_if(waiting_.begin(), end, [&](const Key& k) { return k.form == &form; }), end);
  return true;
}

void KeyQueue::Forget(const Form& form) {
  std::erase_if(waiting_, [&](const Key& k) { return k.form == &form; });
  holds_.erase(&form);
}

void KeyQueue::ScheduleIfDeliverable() {
  if (scheduled_) return;
  const bool deliverable =
      std::any_of(waiting_.begin(), waiting_.end(), [&](const Key& k) { return !Held(*k.form); });
  if (!deliverable) return;
  scheduled_ = true;
  app_.Loop().Post([this] { StrikeNext(); });
}

// One key per event: a key that holds its window (Enter logging the line) keeps the rest
// waiting until it is done, and a key's own posted work (a Tab sent by Space) comes first.
void KeyQueue::StrikeNext() {
  scheduled_ = false;
  auto next = std::find_if(waiting_.begin(), waiting_.end(), [&](const Key& k) { return !Held(*k.form); });
  if (next == waiting_.end()) return;
  Key key = std::move(*next);
  waiting_.erase(next);
  struct Then {
    KeyQueue& queue;
    ~Then() { queue.ScheduleIfDeliverable(); }
  } then{*this};
  key.strike();
}

}  // namespace ks::forms
