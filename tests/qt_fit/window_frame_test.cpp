// The frames the Qt view gives the program's windows, as the operator sees them.
#include <QWidget>
#include <gtest/gtest.h>

#include "spots/windows/SpectrumMap.h"
#include "tests/qt_fit/fit_bench.h"

namespace ks::testing {
namespace {

TEST(WindowFrame, TheSpectrumMapOffersItsCloseBoxAlone) {
  FitBench bench(1366, 768);
  SpectrumMap& map = bench.app().Get<SpectrumMap>();
  map.Show();
  bench.view().Flush();
  const QWidget* window = bench.view().WindowOf(map);
  ASSERT_NE(window, nullptr);
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

}  // namespace
}  // namespace ks::testing
