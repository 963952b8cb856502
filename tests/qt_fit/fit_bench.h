#pragma once
// A run of the program for the fit check: the windows' logic on the headless platform
// (virtual time, scripted dialogs that take their first answer) drawn by the Qt view, on a
// screen of a given size, with a working folder that holds every supplied file, the user
// folders made, a station inside the state (a rover, so every optional control shows) and
// the county table loaded.
#include <filesystem>
#include <memory>

#include "platform/forms/headless.h"
#include "platform/qt/event_loop.h"
#include "platform/qt/services.h"
#include "platform/qt/view.h"
#include "tests/support/temp_dir.h"

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

 private:
  TempDir work_;
  forms::Headless headless_;
  qt::QtEventLoop qt_loop_;
  std::unique_ptr<qt::QtView> view_;
  std::unique_ptr<qt::QtServices> desktop_;
};

}  // namespace ks::testing
