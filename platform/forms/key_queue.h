#pragma once
// The operator's keys in the order they were typed. A window holds its keys while one of its
// handlers does something that the next keys must not see half done (a contact checked and
// stored, a pause after a refusal); keys typed into it meanwhile wait, and once the last
// hold ends they are struck one after another, each as an event of its own, on whatever
// control has the focus then. A key typed while earlier keys of its window still wait goes
// behind them, so nothing overtakes.
#include <deque>
#include <functional>
#include <unordered_map>
#include <vector>

namespace ks::forms {

class Application;
class Form;
class KeyQueue;

// Holds the keys of one window for as long as it lives.
class [[nodiscard]] KeyHold {
 public:
  KeyHold(KeyQueue& queue, Form& form);
  ~KeyHold();
  KeyHold(KeyHold&& other) noexcept;
  KeyHold(const KeyHold&) = delete;
  KeyHold& operator=(const KeyHold&) = delete;
  KeyHold& operator=(KeyHold&&) = delete;

 private:
  KeyQueue* queue_;
  Form* form_;
};

class KeyQueue {
 public:
  struct Key {
    Form* form = nullptr;
    int key_code = 0;
    int key_ascii = 0;
    int shift = 0;
    std::function<void()> strike;  // what the key does, run when its turn comes
    bool sent = false;             // sent by the program, not typed (see Send)
  };

  explicit KeyQueue(Application& app) : app_(app) {}

  // Strikes the key now, or queues it behind the hold and the keys already waiting.
  void Take(Key key);
  // Keys that one act of the operator stands for (the characters of a paste), all of one
  // window, struck one per event from the next event on: ahead of that window's waiting
  // keys when the act is the key being struck (those were typed after it), else behind them.
  void TakeAll(std::vector<Key> keys, bool ahead);
  // A key that the program sends (a Tab for Space) once the handler that sends it is done:
  // ahead of the keys typed after, which wait for it, and whatever holds its window.
  void Send(Key key);
  bool Held(const Form& form) const;
  std::size_t Waiting(const Form& form) const;
  // The key whose handlers run now (the innermost one), or null between keys.
  const Key* Striking() const { return striking_.empty() ? nullptr : striking_.back(); }
  // After a line was refused while it was being typed: drops the waiting keys of `form` that
  // go on typing it (characters, Space included, Tab and Backspace) through the Enter that
  // ends them. The first waiting key that types nothing into a line (Esc, a function, arrow,
  // page or editing key, any Ctrl or Alt combination) ends the line instead: the typing keys
  // before it are dropped, and it, with the Shift, Ctrl or Alt pressed for it, and every key
  // after it stay. When neither comes, every waiting typing key goes with the line, so the
  // next line starts empty. Returns how many keys were dropped.
  std::size_t DropRestOfLine(const Form& form);
  // The window has gone: its waiting keys and holds go with it.
  void Forget(const Form& form);
  // A handler lets events run (DoEvents): the waiting keys of windows not held come in then,
  // as keys typed at that moment would (Esc stopping the Morse that an earlier key started).
  void LetWaitingKeysIn() { ScheduleIfDeliverable(); }

 private:
  friend class KeyHold;
  void Hold(Form& form);
  void Release(Form& form);
  bool MustWait(const Form& form) const;
  bool Deliverable(const Key& key) const;
  void ScheduleIfDeliverable();
  void StrikeNext();
  void Strike(Key& key);

  Application& app_;
  std::deque<Key> waiting_;
  std::unordered_map<const Form*, int> holds_;
  std::vector<const Key*> striking_;  // the keys being struck, innermost last
  bool scheduled_ = false;
};

}  // namespace ks::forms
