// The own-county window driven as a rover operator would: type-ahead in the box, the check
// when the box is left, Done by Enter or by the button, and the rover button.
#include <gtest/gtest.h>

#include "platform/io/files.h"
#include "station/windows/frmCountyChange.h"
#include "station/windows/frmCountyChangeRover.h"
#include "tests/county_windows/window_fixture.h"

namespace ks::testing {
namespace {

class OwnCountyWindow : public WindowFixture {
 protected:
  void Show(const std::function<void(frmCountyChange&)>& actions) {
    ShowModalWith<frmCountyChange>("frmCountyChange", actions);
  }
  std::string PrefLine(int line) {
    std::string bytes;
    io::ReadFile(work() / kPrefFileName, bytes, io::kSettingsFileMaxBytes);
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) - start);
  }
};

TEST_F(OwnCountyWindow, OpensWithTheOwnCountySelectedAndTypingReplacesIt) {
  Show([&](frmCountyChange& f) {
    EXPECT_EQ(f.Caption(), "County Change");
    EXPECT_TRUE(f.Text1.HasFocus());
    EXPECT_EQ(f.Text1.Text(), "Dauphin");
    EXPECT_EQ(f.Text1.SelLength(), 7);
    f.TypeText("york");
    EXPECT_EQ(f.Text1.Text(), "York");
    f.PressKey(13);
    EXPECT_FALSE(f.Visible());
  });
  EXPECT_EQ(settings().OwnCounty, "York");
  EXPECT_EQ(PrefLine(7), "\"York\"");
  EXPECT_EQ(dialogs().beeps, 0);
}

TEST_F(OwnCountyWindow, LeavingTheBoxWithNoCountyWarnsButDoneStillStoresIt) {
  Show([&](frmCountyChange& f) {
    f.TypeText("zz");
    EXPECT_EQ(f.Text1.Text(), "Zz");
    f.TabBy();
    EXPECT_EQ(dialogs().beeps, 1);
    EXPECT_TRUE(f.Label2.Visible());
    EXPECT_EQ(f.Label2.Caption(), "   Invalid!");
    EXPECT_TRUE(f.Text1.HasFocus());
    EXPECT_EQ(app().State<RunState>().InvalidCountyFlag, 1);
    f.PressKey(13);
  });
  EXPECT_EQ(settings().OwnCounty, "Zz");
}

TEST_F(OwnCountyWindow, ACountyInOtherCasePassesAndIsStoredAsTyped) {
  Show([&](frmCountyChange& f) {
    f.Text1.SetText("YORK");
    f.Command1.ClickBy();  // the click moves the focus first: the box is checked
    EXPECT_EQ(dialogs().beeps, 0);
    EXPECT_FALSE(f.Label2.Visible());
    EXPECT_EQ(app().State<RunState>().InvalidCountyFlag, 0);
  });
  EXPECT_EQ(settings().OwnCounty, "YORK");
}

TEST_F(OwnCountyWindow, TheCloseBoxKeepsTheOwnCounty) {
  Show([&](frmCountyChange& f) {
    f.TypeText("york");
    f.CloseBy();
  });
  EXPECT_EQ(settings().OwnCounty, "Dauphin");
  EXPECT_FALSE(app().IsLoaded<frmCountyChange>());
}

TEST_F(OwnCountyWindow, TheRoverButtonMakesTheFirstListedCountyTheOwnCounty) {
  WhenShown<frmCountyChangeRover>("frmCountyChangeRover", [&](frmCountyChangeRover& r) {
    r.TypeText("bucks");
    r.PressKey(13);
    r.TypeText("adams");
    r.PressKey(13);
    r.Command1.ClickBy();
  });
  Show([&](frmCountyChange& f) {
    f.cmdMultipleCounties.ClickBy();
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(f.Text1.Text(), "Adams");
  });
  EXPECT_EQ(settings().OwnCounty, "Adams");
  auto* rover = app().IfLoaded<frmCountyChangeRover>();
  ASSERT_NE(rover, nullptr);  // kept loaded, hidden, with its list
  EXPECT_FALSE(rover->Visible());
  EXPECT_EQ(rover->List1.Items(), (std::vector<std::string>{"Adams", "Bucks"}));
}

TEST_F(OwnCountyWindow, FitsItsOwnFontByItsNewWidthAndControlFontsUpToOneAndAHalf) {
  Show([&](frmCountyChange& f) {
    EXPECT_FLOAT_EQ(f.Width(), 5400 * 3.0f);  // 1920 x 1080: width ratio 3, height ratio 2.25
    EXPECT_FLOAT_EQ(f.Left(), (28800 - f.Width()) / 2);
    EXPECT_FLOAT_EQ(f.Top(), (16200 - f.Height()) / 2);
    EXPECT_FLOAT_EQ(f.FontSize(), 8 * f.Width() / 9600);
    EXPECT_FLOAT_EQ(f.Text1.FontSize(), 9.75f * 1.5f);
  });
}

}  // namespace
}  // namespace ks::testing
