// The logo window on virtual time: its two pictures, its timers, a splash picture of the
// operator's own and a click on the picture.
#include <fstream>

#include <gtest/gtest.h>

#include "platform/forms/headless.h"
#include "startup/user_folders.h"
#include "startup/windows/frmCorvaneLogo.h"
#include "startup/windows/supplied_files.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

class LogoWindow : public ::testing::Test {
 protected:
  LogoWindow() {
    h.env().Set("HOME", home.path().string());
    h.app().State<Folders>().WorkingDir = work.path();
  }
  frmCorvaneLogo* Logo() { return h.app().IfLoaded<frmCorvaneLogo>(); }
  std::filesystem::path SharedFolder() const { return home.path() / "Documents" / kCompanyFolder / kSharedSubFolder; }

  testing::TempDir home;
  testing::TempDir work;
  forms::Headless h{forms::Screen::FromPixels(1920, 1080)};
};

TEST_F(LogoWindow, ShowsTheBannerAtOnePointOneSecondsAndClosesAtOnePointNine) {
  h.app().Get<frmCorvaneLogo>().Show();
  ASSERT_NE(Logo(), nullptr);
  EXPECT_TRUE(Logo()->Image1.Visible());
  EXPECT_FALSE(Logo()->Image2.Visible());
  h.Advance(1099);
  EXPECT_FALSE(Logo()->Image2.Visible());
  h.Advance(1);
  EXPECT_TRUE(Logo()->Image2.Visible());
  h.Advance(799);
  ASSERT_NE(Logo(), nullptr);
  h.Advance(1);
  EXPECT_EQ(Logo(), nullptr);
}

TEST_F(LogoWindow, SplashPictureInTheSharedFolderShowsAloneForTwoPointSevenSeconds) {
  std::filesystem::create_directories(SharedFolder());
  const auto splash = SharedFolder() / "splash.jpg";
  std::ofstream(splash) << "picture";
  h.app().Get<frmCorvaneLogo>().Show();
  ASSERT_NE(Logo(), nullptr);
  EXPECT_EQ(Logo()->Image1.Picture(), splash.string());
  h.Advance(1900);
  ASSERT_NE(Logo(), nullptr);
  EXPECT_FALSE(Logo()->Image2.Visible());
  h.Advance(799);
  ASSERT_NE(Logo(), nullptr);
  EXPECT_FALSE(Logo()->Image2.Visible());
  h.Advance(1);
  EXPECT_EQ(Logo(), nullptr);
}

TEST_F(LogoWindow, ClickOnThePictureClosesItAtOnce) {
  h.app().Get<frmCorvaneLogo>().Show();
  h.Advance(500);
  ASSERT_NE(Logo(), nullptr);
  EXPECT_TRUE(Logo()->Image1.ClickBy());
  EXPECT_EQ(Logo(), nullptr);
}

TEST_F(LogoWindow, StandsCentredAcrossAndAboveTheMiddle) {
  frmCorvaneLogo& logo = h.app().Get<frmCorvaneLogo>();
  const forms::Screen& screen = h.app().GetScreen();
  EXPECT_FLOAT_EQ(logo.Left(), (screen.width - logo.Width()) / 2);
  EXPECT_FLOAT_EQ(logo.Top(), (screen.height - logo.Height()) / 2 - 170);
}

// The operator's copy in the working folder wins; the installed one is the fall-back.
TEST_F(LogoWindow, PicturesComeFromTheWorkingFolderFirstThenTheInstalledData) {
  const std::filesystem::path data = std::filesystem::path(KEYSTONE_SOURCE_DIR) / "data";
  h.app().State<SuppliedFiles>().Folder = data;
  std::ofstream(work.path() / "LOGO1.JPG") << "picture";
  frmCorvaneLogo& logo = h.app().Get<frmCorvaneLogo>();
  EXPECT_EQ(logo.Image1.Picture(), (work.path() / "LOGO1.JPG").string());
  EXPECT_EQ(logo.Image2.Picture(), (data / "logo2.jpg").string());
}

}  // namespace
}  // namespace ks
