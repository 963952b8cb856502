// The fit check itself: it sees a caption that its control clips, a caption that another
// control hides, a window that passes the screen's available area and a control that passes
// its window, and the faces of the windows' design come out as the installed faces with their
// metrics.
#include <QApplication>
#include <QFontInfo>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "platform/qt/appearance.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/cover_check.h"
#include "tests/qt_fit/fit_measure.h"
#include "tests/qt_fit/placement_check.h"

namespace ks::testing {
namespace {

class Crowded : public forms::Form {
 public:
  explicit Crowded(forms::Application& app) : forms::Form(app, "Crowded") {
    Move(0, 0, 6000, 3000);
    lblRoomy.Move(120, 120, 4000, 300);
    lblRoomy.SetCaption("Counties Worked");
    lblNarrow.Move(120, 600, 600, 300);
    lblNarrow.SetCaption("Counties Worked");
    cmdShort.Move(120, 1200, 1215, 200);
    cmdShort.SetCaption("Done");
    optLong.Move(120, 1800, 900, 255);
    optLong.SetCaption("Are you operating as a Rover?");
  }
  forms::Label lblRoomy{*this, "lblRoomy"};
  forms::Label lblNarrow{*this, "lblNarrow"};
  forms::CommandButton cmdShort{*this, "cmdShort"};
  forms::OptionButton optLong{*this, "optLong"};
};

TEST(FitCheckItself, ReportsEachClippedCaptionByItsControl) {
  FitBench bench(640, 480);
  Crowded& form = bench.app().Get<Crowded>();
  form.Show();
  bench.view().Flush();
  std::vector<std::string> clipped;
  for (const Overflow& o : OverflowsOf(form, bench.view())) clipped.push_back(o.control);
  EXPECT_EQ(clipped, (std::vector<std::string>{"lblNarrow", "cmdShort", "optLong"}));

  form.lblNarrow.SetVisible(false);
  form.cmdShort.SetHeight(495);
  form.optLong.SetWidth(4000);
  EXPECT_TRUE(OverflowsOf(form, bench.view()).empty());
}

// A message label over the lower part of which a caption and its box were placed.
class Covered : public forms::Form {
 public:
  explicit Covered(forms::Application& app) : forms::Form(app, "Covered") {
    SetCaption("Covered");
    Move(0, 0, 6000, 3000);
    lblTime.Move(120, 900, 600, 285);
    lblTime.SetCaption("Time");
    txtTime.Move(840, 900, 900, 285);
    lblMessage.Move(0, 300, 4000, 1200);
    lblMessage.SetBackColor(forms::Rgb(0, 192, 192));
    lblMessage.SetCaption("Invalid time format!");
  }
  forms::Label lblTime{*this, "lblTime"};
  forms::TextBox txtTime{*this, "txtTime"};
  forms::Label lblMessage{*this, "lblMessage"};
};

std::vector<std::string> Shown(forms::Form& form, FitBench& bench, std::vector<std::string> (*check)(const forms::Form&, qt::QtView&)) {
  bench.view().Flush();
  QApplication::processEvents();
  return check(form, bench.view());
}

TEST(FitCheckItself, ReportsACaptionUnderAnOpaqueLabel) {
  FitBench bench(640, 480);
  Covered& form = bench.app().Get<Covered>();
  form.Show();
  EXPECT_EQ(Shown(form, bench, HiddenControlsOf), (std::vector<std::string>{"lblTime under lblMessage"}));
  form.lblMessage.SetHeight(600);  // ends above the caption
  EXPECT_TRUE(Shown(form, bench, HiddenControlsOf).empty());
}

TEST(FitCheckItself, ReportsAWindowPastTheAvailableAreaAndAControlPastItsContainer) {
  FitBench bench(640, 480);  // a task bar of 30 pixels under an area of 640 x 450
  Covered& form = bench.app().Get<Covered>();
  form.Show();
  EXPECT_TRUE(Shown(form, bench, PlacementFaultsOf).empty());
  form.Move(-300, 4200, 6000, 3000);  // past the left edge and into the task bar
  form.txtTime.SetLeft(5400);          // past the window's right edge
  const std::vector<std::string> faults = Shown(form, bench, PlacementFaultsOf);
  ASSERT_EQ(faults.size(), 2u);
  EXPECT_EQ(faults[0].rfind("frame -20,280 ", 0), 0u) << faults[0];
  EXPECT_EQ(faults[1].rfind("txtTime 360,60 ", 0), 0u) << faults[1];
  form.Move(0, 3750, 6000, 3000);  // the lowest place inside the area
  form.txtTime.SetLeft(840);
  EXPECT_TRUE(Shown(form, bench, PlacementFaultsOf).empty());
}

TEST(FitCheckItself, TheDesignFacesAreTheInstalledFacesOfTheirMetrics) {
  QWidget widget;
  const struct {
    const char* design;
    const char* installed;
  } faces[] = {{"Arial", "Liberation Sans"},          {"MS Sans Serif", "Liberation Sans"},
               {"Times New Roman", "Liberation Serif"}, {"MS Serif", "Liberation Serif"},
               {"Courier New", "Liberation Mono"},      {"Arial Narrow", "Liberation Sans Narrow"}};
  for (const auto& face : faces) {
    const QFontInfo info(qt::QFontOf(forms::Font{face.design, 8.25f}, widget));
    EXPECT_EQ(info.family().toStdString(), face.installed) << face.design;
  }
}

}  // namespace
}  // namespace ks::testing
