#include "startup/windows/frmCorvaneLogo.h"

#include "platform/io/files.h"
#include "startup/user_folders.h"
#include "startup/windows/supplied_files.h"

namespace ks {
namespace {
// The window is the first picture at its own size, 1000 x 563 pixels; the banner of
// 316 x 85 pixels sits in its lower right part, clear of the picture's frame.
constexpr float kLogoWidth = 15000;
constexpr float kLogoHeight = 8445;
constexpr float kBannerWidth = 4740;
constexpr float kBannerHeight = 1275;
constexpr float kBannerMargin = 540;
constexpr float kLift = 170;
constexpr int kSplashMs = 2700;
}  // namespace

frmCorvaneLogo::frmCorvaneLogo(forms::Application& app) : forms::Form(app, "frmCorvaneLogo") {
  // No caption and no control box: the window shows without a title bar.
  ControlBox = false;
  ShowInTaskbar = false;
  Move(0, 0, kLogoWidth, kLogoHeight);
  Image1.Move(0, 0, kLogoWidth, kLogoHeight);
  Image1.Stretch = true;
  Image1.SetPicture(SuppliedFile(app, "logo1.jpg").string());
  Image2.Move(kLogoWidth - kBannerWidth - kBannerMargin, kLogoHeight - kBannerHeight - kBannerMargin, kBannerWidth,
              kBannerHeight);
  Image2.SetPicture(SuppliedFile(app, "logo2.jpg").string());
  // At its own size here; stretched with the window on a screen too small for it.
  Image2.Stretch = true;
  Image2.SetVisible(false);
  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer2.Tick = [this] { Timer2_Timer(); };
  Image1.Click = [this] { Image1_Click(); };
}

void frmCorvaneLogo::Form_Load() {
  const forms::Screen& screen = App().GetScreen();
  Move((screen.width - Width()) / 2, (screen.height - Height()) / 2 - kLift, Width(), Height());
  // The first call of the run: the company and shared folders are made here.
  const std::filesystem::path company = GetUserDataFolder(App(), kCompanyFolder, kSharedSubFolder);
  const std::filesystem::path shared = io::ResolveNoCase(company, kSharedSubFolder);
  if (auto splash = io::FindNoCase(shared, "splash.jpg")) {
    Image1.SetPicture(splash->string());
    Timer1.SetEnabled(false);
    Timer1.SetInterval(kSplashMs);
    Timer1.SetEnabled(true);
    Timer2.SetEnabled(false);
  }
}

void frmCorvaneLogo::Timer1_Timer() { Unload(); }

// The timer keeps running; later ticks change nothing.
void frmCorvaneLogo::Timer2_Timer() { Image2.SetVisible(true); }

void frmCorvaneLogo::Image1_Click() { Unload(); }

}  // namespace ks
