// The multiplier colours window: each button opens the colour dialog on black; a chosen
// colour is in effect at once, a cancelled dialog keeps the colour.
#include <gtest/gtest.h>

#include "station/windows/Form6.h"
#include "tests/county_windows/window_fixture.h"

namespace ks::testing {
namespace {

constexpr forms::Color kGreen = forms::Rgb(0, 128, 0);
constexpr forms::Color kBlue = forms::Rgb(0, 0, 255);

class ColoursWindow : public WindowFixture {
 protected:
  ColoursWindow() {
    settings().MultWorkedColor = static_cast<std::int32_t>(forms::Rgb(255, 0, 0));
    settings().MultRemainingColor = static_cast<std::int32_t>(forms::Rgb(0, 0, 128));
  }
  void Show(const std::function<void(Form6&)>& actions) { ShowModalWith<Form6>("Form6", actions); }
};

TEST_F(ColoursWindow, TheSamplesOpenInTheColoursSet) {
  Show([&](Form6& f) {
    EXPECT_EQ(f.Caption(), " Modify Multiplier Color Selections");
    EXPECT_EQ(f.Command1.Caption(), "Change \"Remaining\" Color");
    EXPECT_EQ(f.Command3.Caption(), "Change \"Worked\" Color");
    EXPECT_EQ(f.Label1.ForeColor(), forms::Rgb(255, 0, 0));
    EXPECT_EQ(f.Label2.ForeColor(), forms::Rgb(0, 0, 128));
  });
}

TEST_F(ColoursWindow, ChosenColoursTakeEffectAtOnceAndTheDialogOpensOnBlack) {
  dialogs().AnswerColorDialog({true, kGreen});
  dialogs().AnswerColorDialog({true, kBlue});
  Show([&](Form6& f) {
    f.Command1.ClickBy();
    EXPECT_EQ(f.Label2.ForeColor(), kGreen);
    f.Command3.ClickBy();
    EXPECT_EQ(f.Label1.ForeColor(), kBlue);
    f.Command6.ClickBy();
  });
  EXPECT_EQ(settings().MultRemainingColor, static_cast<std::int32_t>(kGreen));
  EXPECT_EQ(settings().MultWorkedColor, static_cast<std::int32_t>(kBlue));
  ASSERT_EQ(dialogs().color_dialogs.size(), 2u);
  for (const auto& request : dialogs().color_dialogs) {
    EXPECT_EQ(request.initial, forms::colors::kBlack);
    EXPECT_EQ(request.flags, forms::CommonDialog::kColorInit);
  }
}

TEST_F(ColoursWindow, ACancelledDialogKeepsTheColour) {
  dialogs().AnswerColorDialog({false, forms::colors::kBlack});
  Show([&](Form6& f) {
    f.Command3.ClickBy();
    EXPECT_EQ(f.Label1.ForeColor(), forms::Rgb(255, 0, 0));
  });
  EXPECT_EQ(settings().MultWorkedColor, static_cast<std::int32_t>(forms::Rgb(255, 0, 0)));
}

TEST_F(ColoursWindow, TheCloseBoxKeepsAChosenColour) {
  dialogs().AnswerColorDialog({true, kGreen});
  Show([&](Form6& f) {
    f.Command1.ClickBy();
    f.CloseBy();
  });
  EXPECT_FALSE(app().IsLoaded<Form6>());
  EXPECT_EQ(settings().MultRemainingColor, static_cast<std::int32_t>(kGreen));
}

TEST_F(ColoursWindow, FitsByTheWidthRatio) {
  Show([&](Form6& f) {
    EXPECT_FLOAT_EQ(f.Width(), 6000 * 3.0f);
    EXPECT_FLOAT_EQ(f.Top(), (16200 - f.Height()) / 2);
    EXPECT_FLOAT_EQ(f.FontSize(), 8 * 3.0f);
    EXPECT_FLOAT_EQ(f.Label1.FontSize(), 9.75f * 3.0f);
  });
}

}  // namespace
}  // namespace ks::testing
