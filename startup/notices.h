#pragma once
// Notices: short texts that tell the operator what a timer or a device found, without a
// window that waits for an answer. The main window shows them in its message label, after
// whatever message the entry line writes there. Each source has at most one notice: a new
// one replaces it and an empty text takes it back. The label has room for one beside the
// longest message, so it shows the newest; when that is taken back, the one before it shows
// again. Each notice is kept short enough for that room (26 characters); what the system
// said of the failure (the reason a message box would have given) goes with it, and the
// label's tip shows it.
#include <functional>
#include <string>
#include <vector>

namespace ks::forms {
class Application;
struct MessageBoxRequest;
}  // namespace ks::forms

namespace ks {

// The sources that tell notices: the rig window's poll, its commands that move the radio,
// and the files written or read from a timer (each file by its name, so that one file
// written again takes back only its own notice).
inline constexpr const char* kRigNoticeSource = "rig";
inline constexpr const char* kRigCommandNoticeSource = "rig command";
inline constexpr const char* kLogNoticeSource = "log.txt";

class Notices {
 public:
  void Set(const std::string& source, const std::string& text, const std::string& reason = {});
  // The notice of `source`; empty when it has none.
  std::string Of(const std::string& source) const;
  // The notice told last of those not taken back; empty when none stands.
  std::string Newest() const;
  // The reason told with the newest notice; empty when none was.
  std::string NewestReason() const;
  // Runs after each change; the main window sets it to show the notices.
  std::function<void()> Changed;

 private:
  struct Notice {
    std::string source, text, reason;
  };
  std::vector<Notice> notices_;  // oldest first
};

// A failure the operator must hear of. Asked for by the operator's own action (a key, a
// click, a menu, a window's load), it is the message box `box`. Found by a timer's tick or a
// device event, no window may open: it would take the keys being typed into the entry line
// and hold the timers behind it; `notice` goes up under `source` instead.
void TellFailure(forms::Application& app, const forms::MessageBoxRequest& box, const std::string& source,
                 const std::string& notice);

}  // namespace ks
