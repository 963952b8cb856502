// The fit check itself: it sees a caption that its control clips, and the faces of the
// windows' design come out as the installed faces with their metrics.
#include <QFontInfo>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "platform/qt/appearance.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/fit_measure.h"

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
