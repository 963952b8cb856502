#pragma once
// A run of the program for the fit check: the windows' logic on the headless platform
// (virtual time, scripted dialogs that take their first answer) drawn by the Qt view, on a
// screen of a given size, with a working folder that holds every supplied file, the user
// folders made, a station inside the state (a rover, so every optional control shows) and
// the county table loaded.
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/headless.h"
#include "platform/qt/event_loop.h"
#include "platform/qt/services.h"
#include "platform/qt/view.h"
#include "tests/support/temp_dir.h"

class QWidget;

namespace ks::testing {

// The screen sizes at which the fit check opens every window.
struct FitScreen {
  int width, height;
};
inline constexpr FitScreen kFitScreens[] = {{640, 480}, {1280, 1024}, {1366, 768}, {1920, 1080}, {2560, 1440}};

class FitBench {
 public:
  FitBench(int width_px, int height_px);
  ~FitBench();
  FitBench(const FitBench&) = delete;
  FitBench& operator=(const FitBench&) = delete;

  forms::Application& app() { return headless_.app(); }
  forms::Headless& headless() { return headless_; }
  qt::QtView& view() { return *view_; }
  // The view's loop: its DoEvents lets Qt deliver what waits and carries the program's end
  // out of a handler that ended it, as the program's own DoEvents does.
  qt::QtEventLoop& qt_loop() { return qt_loop_; }
  const std::filesystem::path& work() const { return work_.path(); }
  // The program copies to and pastes from the desktop's clipboard, as the real program does.
  void UseDesktopClipboard();
  // The message and input boxes are Qt's own, each shown in its nested loop as the program
  // shows them: once one is up, the operator's actions given for it run inside its loop,
  // and then the program's posted events run there one per event, as on the program's own
  // loop, while it stays up. A dialog that nothing answers fails the test and is cancelled.
  void UseDesktopDialogs();
  // What the operator does in the next desktop dialog once it is up.
  void OnNextDialog(std::function<void(QWidget& dialog)> operator_actions);
  // "MsgBox <title>" or "InputBox <title>" for each desktop dialog shown, in order.
  const std::vector<std::string>& DialogsShown() const { return dialogs_shown_; }

 private:
  qt::QtServices& Desktop();
  void WhileDialogUp(const std::string& what);

  TempDir work_;
  forms::Headless headless_;
  qt::QtEventLoop qt_loop_;
  std::unique_ptr<qt::QtView> view_;
  std::unique_ptr<qt::QtServices> desktop_;
  std::deque<std::function<void(QWidget&)>> dialog_actions_;
  std::vector<std::string> dialogs_shown_;
};

}  // namespace ks::testing
