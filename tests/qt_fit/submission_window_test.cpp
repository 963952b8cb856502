// The submission-file window as the Qt view shows it.
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include "reports/windows/DECabrilloIn.h"
#include "tests/qt_fit/fit_bench.h"

namespace ks::testing {
namespace {

TEST(SubmissionWindowView, TheRoverBonusCaptionShowsItsAmpersand) {
  FitBench bench(1366, 768);
  DECabrilloIn& window = bench.app().Get<DECabrilloIn>();
  window.Show();
  bench.view().Flush();
  QApplication::processEvents();
  auto* label = dynamic_cast<QLabel*>(bench.view().WidgetOf(window.Label3));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Rover & Mobile add 500 points per county activated:");
}

}  // namespace
}  // namespace ks::testing
