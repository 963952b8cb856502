// The QSO-rate graph: rate steps, gap filling and smoothing against hand-worked figures, the
// band strip's colours, the axis labels, and logs the graph cannot spread over time.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "reports/rate_graph.h"
#include "reports/windows/GraphQSO.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/pointer_watch.h"

namespace ks::testing {
namespace {

using forms::Color;
namespace colors = forms::colors;

constexpr Color kOther = forms::Rgb(255, 255, 0);
const std::array<Color, 7> kColors = {colors::kWhite,         colors::kBlue,           colors::kRed, colors::kGreen,
                                      forms::Rgb(128, 255, 255), forms::Rgb(255, 0, 255), kOther};

// A log of contacts at the given seconds after 2013/10/12 10:00:00, on 20 m unless given.
std::vector<LogRecord> LogAt(const std::vector<long long>& seconds, const std::vector<std::string>& bands = {}) {
  std::vector<LogRecord> log(1);
  for (std::size_t i = 0; i < seconds.size(); ++i) {
    const vb::DateTime t = *vb::AddSeconds({2013, 10, 12, 10, 0, 0}, seconds[i]);
    LogRecord r;
    r.LogCall = "K" + std::to_string(i) + "AA";
    r.LogDate = vb::Format(t, "yyyy/mm/dd");
    r.LogTime = vb::Format(t, "hh:nn:ss");
    r.LogBand = i < bands.size() ? bands[i] : "20";
    log.push_back(r);
  }
  return log;
}

RateGraph Graph(const std::vector<LogRecord>& log, Color background = colors::kBlack) {
  return ComputeRateGraph(log, static_cast<long>(log.size()) - 1, kColors, background);
}

// Six contacts a minute apart, then one 20 minutes later: 1500 s, one second per step.
const std::vector<long long> kSmallLog = {0, 60, 120, 180, 240, 300, 1500};

TEST(RateGraph, RawRatesAreSixTimesTheContactsOfTheLastTenMinutes) {
  const RateGraph g = Graph(LogAt(kSmallLog));
  ASSERT_TRUE(g.drawable);
  EXPECT_FLOAT_EQ(g.StepRate[1], 6);
  EXPECT_FLOAT_EQ(g.StepRate[60], 12);
  EXPECT_FLOAT_EQ(g.StepRate[240], 30);
  EXPECT_FLOAT_EQ(g.StepRate[300], 36);
  EXPECT_FLOAT_EQ(g.StepRate[1500], 6) << "the contacts 20 minutes before do not count";
}

TEST(RateGraph, GapsOfUpToFifteenStepsRampAndTheCurveIsSmoothedOverSevenSteps) {
  const RateGraph g = Graph(LogAt(kSmallLog));
  // The ramp to step 60 starts at step 45 from the 0 before it: 12 / 15 per step.
  EXPECT_FLOAT_EQ(g.StepRate[44], 0);
  EXPECT_FLOAT_EQ(g.StepRate[45], 0);
  EXPECT_NEAR(g.StepRate[46], 0.8, 1e-5);
  EXPECT_NEAR(g.StepRate[59], 11.2, 1e-4);
  EXPECT_FLOAT_EQ(g.StepRate[30], 0) << "more than 15 steps from a rate stays empty";
  // Shown: the mean of the positive rates of the step and the six before it.
  EXPECT_NEAR(g.StepRateShown[50], 2.4, 1e-4);
  EXPECT_NEAR(g.StepRateShown[60], 9.6, 1e-4);
  EXPECT_NEAR(g.StepRateShown[303], 32.4, 1e-4);
  EXPECT_FLOAT_EQ(g.StepRateShown[307], 0) << "seven empty steps keep the value they had";
  EXPECT_FLOAT_EQ(g.StepRateShown[1], 6) << "the first steps are not smoothed";
  EXPECT_FLOAT_EQ(g.RateMin, 0);
  EXPECT_FLOAT_EQ(g.RateMax, 36);
  EXPECT_EQ(g.rate_labels[0], "0.0");
  EXPECT_EQ(g.rate_labels[1], "2.3");
  EXPECT_EQ(g.rate_labels[8], "18.0");
  EXPECT_EQ(g.rate_labels[16], "36.0");
}

TEST(RateGraph, TenContactsInFiveMinutesAfterAQuietQuarterHourRateSixty) {
  std::vector<long long> seconds = {0};
  for (int k = 0; k < 10; ++k) seconds.push_back(900 + 30 * k);
  const RateGraph g = Graph(LogAt(seconds));
  const double seconds_per_step = 1170.0 / kRateSteps;
  EXPECT_FLOAT_EQ(g.StepRate[static_cast<std::size_t>(std::lround(1170 / seconds_per_step))], 60);
}

TEST(RateGraph, TimeLabelsSpreadTheLogOverFourteenIntervals) {
  const RateGraph g = Graph(LogAt({0, 600, 1200, 1800, 2400, 3000, 3600}));
  EXPECT_EQ(g.time_labels[0], "10:00");
  EXPECT_EQ(g.time_labels[1], "10:04") << "3600 / 14 s is 4 min 17 s";
  EXPECT_EQ(g.time_labels[7], "10:30");
  EXPECT_EQ(g.time_labels[14], "11:00");
  EXPECT_EQ(g.date_labels[14], "10/12");
}

TEST(RateGraph, OnlyTheSixLegendBandsHaveAColourOfTheirOwn) {
  const RateGraph g = Graph(LogAt(kSmallLog, {"160", "6", "40", "2", "20 ", "10", "80"}));
  EXPECT_EQ(g.StepColor[60], kOther) << "6 m";
  EXPECT_EQ(g.StepColor[120], colors::kRed);
  EXPECT_EQ(g.StepColor[180], kOther) << "2 m";
  EXPECT_EQ(g.StepColor[240], kOther) << "band texts are compared exactly";
  EXPECT_EQ(g.StepColor[1500], colors::kBlue);
  EXPECT_EQ(g.StepColor[59], colors::kBlack) << "a ramp out of nothing carries the background";
  EXPECT_EQ(g.StepColor[61], kOther) << "the smoothed tail carries the colour of its step";
}

TEST(RateGraph, OnWhiteA160MetreStepTakesTheColourCarriedFromBefore) {
  // A hundred contacts a second apart: the steps between them are all filled.
  std::vector<long long> seconds;
  std::vector<std::string> bands = {"40"};
  for (int k = 0; k < 100; ++k) seconds.push_back(k);
  bands.resize(100, "160");
  const RateGraph g = Graph(LogAt(seconds, bands), colors::kWhite);
  int shown = 0;
  for (std::size_t k = 1; k <= kRateSteps; ++k) {
    if (g.StepRateShown[k] <= 0) continue;
    ++shown;
    EXPECT_EQ(g.StepColor[k], colors::kRed) << k;
  }
  EXPECT_GT(shown, 1400);
}

TEST(RateGraph, LogsItCannotSpreadOverTimeGiveNoCurveAndNoFault) {
  // All at one second: no span.
  const RateGraph still = Graph(LogAt({0, 0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(still.drawable);
  EXPECT_EQ(still.time_labels[14], "10:00");
  // The last contact before the first: the span is negative.
  EXPECT_FALSE(Graph(LogAt({600, 0, 60, 120, 180, 240, 0})).drawable);
  // A contact out of order (a day before the first) and one that does not read are left out.
  std::vector<LogRecord> log = LogAt(kSmallLog);
  log[3].LogDate = "2013/10/11";
  log[4].LogTime = "nonsense";
  const RateGraph g = Graph(log);
  ASSERT_TRUE(g.drawable);
  EXPECT_FLOAT_EQ(g.StepRate[300], 12) << "the count stops at the contact a day before";
  EXPECT_FLOAT_EQ(g.StepRate[60], 12);
}

class GraphWindow : public ::testing::Test {
 protected:
  void Load(const std::vector<long long>& seconds) {
    LogStore& log = bench.app().State<LogStore>();
    log.Records = LogAt(seconds);
    log.QSOCount = static_cast<long>(seconds.size());
  }
  MainWindowBench bench;
};

TEST_F(GraphWindow, SixContactsShowTheMessageAndTheDesignCaptions) {
  Load({0, 60, 120, 180, 240, 300});
  GraphQSO& graph = bench.app().Get<GraphQSO>();
  ASSERT_EQ(bench.CountMessages("Not Enough Contacts to Graph."), 1);
  EXPECT_EQ(graph.lblTime(0).Caption(), "00:00");
  EXPECT_TRUE(graph.picGraph.Drawing().empty());
}

TEST_F(GraphWindow, DrawsTheCurveAndStripOnItsSurfaceAndRedrawsOnWhite) {
  Load(kSmallLog);
  GraphQSO& graph = bench.app().Get<GraphQSO>();
  EXPECT_EQ(bench.CountMessages("Not Enough Contacts to Graph."), 0);
  EXPECT_EQ(graph.lblY(16).Caption(), "36.0");
  EXPECT_EQ(graph.lblTime(14).Caption(), "10:25");
  const forms::Raster& black = graph.picGraph.Surface();
  int blue = 0, green = 0;
  for (Color c : black.Pixels()) {
    blue += c == colors::kBlue ? 1 : 0;
    green += c == colors::kGreen ? 1 : 0;
  }
  EXPECT_GT(blue, 100) << "the rate curve";
  EXPECT_GT(green, 10) << "the 20 m strip";

  graph.Command1.ClickBy();
  EXPECT_EQ(graph.Command1.Caption(), "White Background");
  EXPECT_EQ(graph.BackColor(), colors::kWhite);
  EXPECT_EQ(graph.lblDate(3).ForeColor(), colors::kBlack);
  EXPECT_EQ(graph.Line1.BorderColor, colors::kBlack);
  EXPECT_EQ(graph.lblBnd(2).ForeColor(), colors::kRed) << "the legend keeps its colours";
  EXPECT_EQ(graph.picGraph.Point(10, 10), colors::kWhite);
  graph.Command1.ClickBy();
  EXPECT_EQ(graph.Command1.Caption(), "Black Background");
  EXPECT_EQ(graph.picGraph.Point(10, 10), colors::kBlack);
}

TEST_F(GraphWindow, TheHourglassShowsWhileTheGraphIsDrawn) {
  Load(kSmallLog);
  PointerWatch watch(bench.app());
  watch.only = true;  // the drawing on the surface
  GraphQSO& graph = bench.app().Get<GraphQSO>();
  for (int redraw = 0; redraw < 2; ++redraw) {
    SCOPED_TRACE(redraw == 0 ? "drawn by the load" : "drawn again on white");
    ASSERT_GT(watch.changes.size(), 1000u);
    EXPECT_EQ(std::count(watch.changes.begin(), watch.changes.end(), forms::MousePointer::Hourglass),
              static_cast<long>(watch.changes.size()));
    EXPECT_EQ(watch.pointers, (std::vector{forms::MousePointer::Hourglass, forms::MousePointer::Default}));
    watch.Clear();
    if (redraw == 0) graph.Command1.ClickBy();
  }
  // The message of a log too small to graph stands over the arrow.
  graph.Unload();
  Load({0, 60});
  bench.app().Get<GraphQSO>();
  EXPECT_EQ(bench.CountMessages("Not Enough Contacts to Graph."), 1);
  EXPECT_TRUE(watch.pointers.empty());
}

}  // namespace
}  // namespace ks::testing
