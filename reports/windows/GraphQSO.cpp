#include "reports/windows/GraphQSO.h"

#include <algorithm>
#include <array>
#include <string>

#include "logstore/log_store.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "reports/rate_graph.h"

namespace ks {
namespace {

// The window's inner area at design, which the drawing surface covers.
constexpr float kInnerWidth = 9465;
constexpr float kInnerHeight = 6825;
constexpr forms::Color kGridGrey = forms::Rgb(128, 128, 128);
constexpr forms::Color kCurveBlue = forms::Rgb(0, 0, 255);
constexpr const char* kBlackBackground = "Black Background";
constexpr const char* kWhiteBackground = "White Background";

constexpr std::array<float, 15> kTimeLefts = {120, 750, 1380, 1995, 2625, 3255, 3885, 4515,
                                              5130, 5760, 6390, 7020, 7650, 8280, 8895};
constexpr std::array<float, 15> kDateLefts = {135, 765, 1395, 2010, 2640, 3270, 3900, 4515,
                                              5145, 5775, 6390, 7020, 7650, 8280, 8895};
struct Band {
  const char* caption;
  forms::Color color;
};
constexpr std::array<Band, 7> kBands = {{{"160", forms::Rgb(255, 255, 255)},
                                         {"80", forms::Rgb(0, 0, 255)},
                                         {"40", forms::Rgb(255, 0, 0)},
                                         {"20", forms::Rgb(0, 255, 0)},
                                         {"15", forms::Rgb(128, 255, 255)},
                                         {"10", forms::Rgb(255, 0, 255)},
                                         {"Other", forms::Rgb(255, 255, 0)}}};

// A time or date label, 615 wide, centred under its point of the time axis; the last one,
// whose full width would pass the window's right edge, is narrowed about the same centre.
void PlaceAxisLabel(forms::Label& label, float left, float top) {
  constexpr float kWidth = 615;
  const float centre = left + kWidth / 2;
  const float width = std::min(kWidth, 2 * (kInnerWidth - centre));
  label.Move(centre - width / 2, top, width, 195);
}

}  // namespace

GraphQSO::GraphQSO(forms::Application& app) : forms::Form(app, "GraphQSO") {
  Design();
  Command1.Click = [this] { Command1_Click(); };
}

void GraphQSO::Design() {
  SetCaption(" Activity Graph - QSOs per Hour Rate   (# QSOs over 10 minutes X 6)");
  SetClientSize(kInnerWidth, kInnerHeight);
  SetBackColor(forms::colors::kBlack);
  picGraph.Move(0, 0, kInnerWidth, kInnerHeight);
  picGraph.SetBackColor(forms::colors::kBlack);
  const char* grid_names[] = {"Line7", "Line6", "Line5", "Line10", "Line11", "Line12", "Line13", "Line14",
                              "Line15", "Line16", "Line17", "Line18", "Line19", "Line20", "Line21"};
  for (int g = 0; g < 15; ++g) {
    const float y = 480 + 360.0f * static_cast<float>(g);
    const float right = g < 3 ? 9240 : 9220;
    GridLines.push_back(std::make_unique<forms::Line>(*this, grid_names[g], 500, y, right, y));
    GridLines.back()->BorderColor = kGridGrey;
  }
  for (forms::Line* line : {&Line1, &Line2, &Line3, &Line4}) line->BorderColor = forms::colors::kWhite;
  Line8.SetVisible(false);
  Line9.SetVisible(false);
  DesignLabels();
  // Clear of the bottom edge, which comes closer on a screen smaller than the design's: the
  // frame keeps its size while the window shrinks.
  Command1.Move(8160, 6560, 1215, 220);
  Command1.SetCaption(kBlackBackground);
  Command1.SetFont(forms::Font{"Arial", 6.75f});
  // Lines and labels are drawn on the window itself, under any windowed control: they stand
  // inside the drawing surface, which covers the window, so they show above the curve.
  for (forms::Line* line : AllLines()) line->SetContainer(&picGraph);
  for (auto* array : {&lblY, &lblTime, &lblDate, &lblBnd})
    for (auto& [k, label] : *array) label->SetContainer(&picGraph);
  Label1.SetContainer(&picGraph);
}

void GraphQSO::DesignLabels() {
  const forms::Font small{"Arial", 6.75f};
  for (int k = 0; k <= 16; ++k) {
    forms::Label& y = lblY.Design(k);
    y.Move(0, k == 0 ? 5740 : 5790 - 360.0f * static_cast<float>(k), 450, 195);
    y.TextAlign = forms::Alignment::Right;
    y.SetFont(small);
    y.SetCaption("0");
  }
  for (int k = 0; k < 15; ++k) {
    forms::Label& t = lblTime.Design(k);
    PlaceAxisLabel(t, kTimeLefts[static_cast<std::size_t>(k)], 6080);
    t.SetFont(small);
    t.SetCaption("00:00");
    forms::Label& d = lblDate.Design(k);
    PlaceAxisLabel(d, kDateLefts[static_cast<std::size_t>(k)], 6290);
    d.SetFont(small);
    d.SetCaption("MM/DD");
  }
  for (int b = 0; b < 7; ++b) {
    forms::Label& band = lblBnd.Design(b);
    band.Move(2880 + 600.0f * static_cast<float>(b), 6495, 555, 225);
    band.SetFont(forms::Font{"Arial", 8.25f, true});
    band.SetForeColor(kBands[static_cast<std::size_t>(b)].color);
    band.SetCaption(kBands[static_cast<std::size_t>(b)].caption);
  }
  Label1.Move(0, 5880, 480, 195);
  Label1.SetFont(small);
  Label1.SetCaption("Band ");
  for (auto* array : {&lblY, &lblTime, &lblDate, &lblBnd})
    for (auto& [k, label] : *array) {
      label->Transparent = true;
      if (array != &lblY) label->TextAlign = forms::Alignment::Center;
    }
  Label1.Transparent = true;
  ShowBackground(forms::colors::kBlack, forms::colors::kWhite);
}

std::vector<forms::Line*> GraphQSO::AllLines() {
  std::vector<forms::Line*> lines = {&Line1, &Line2, &Line3, &Line4, &Line8, &Line9};
  for (auto& grid : GridLines) lines.push_back(grid.get());
  return lines;
}

void GraphQSO::ShowBackground(forms::Color background, forms::Color text) {
  SetBackColor(background);
  picGraph.SetBackColor(background);
  for (auto* array : {&lblY, &lblTime, &lblDate})
    for (auto& [k, label] : *array) label->SetForeColor(text);
  Label1.SetForeColor(text);
}

void GraphQSO::Form_Load() {
  const forms::Screen& screen = App().GetScreen();
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::NewWidth;
  rule.control_font = forms::FitRule::FontRatio::WidthCapped;
  rule.target_width = screen.work_width;
  rule.target_height = screen.work_height;
  forms::FitFormToScreen(*this, rule);
  // The fitting leaves picture boxes alone; the surface covers the fitted window.
  picGraph.Move(0, 0, ScaleWidth(), ScaleHeight());
  DrawRateGraph();
}

void GraphQSO::DrawRateGraph() {
  const LogStore& log = App().State<LogStore>();
  if (log.QSOCount < kRateGraphMinimumQsos) {
    App().MsgBox(
        "The graph will not display with less than 7 contacts.  The graph becomes more meaningful as several hours "
        "of contest logging are accumulated.",
        0, "Not Enough Contacts to Graph.");
    return;
  }
  const forms::BusyPointer busy(*this);
  std::array<forms::Color, 7> band_colors{};
  for (int b = 0; b < 7; ++b) band_colors[static_cast<std::size_t>(b)] = lblBnd(b).ForeColor();
  const RateGraph g = ComputeRateGraph(log.Records, log.QSOCount, band_colors, BackColor());
  for (int k = 0; k < 15; ++k) {
    if (g.time_labels[static_cast<std::size_t>(k)].empty()) continue;
    lblTime(k).SetCaption(g.time_labels[static_cast<std::size_t>(k)]);
    lblDate(k).SetCaption(g.date_labels[static_cast<std::size_t>(k)]);
  }
  for (int k = 0; k <= 16; ++k)
    if (!g.rate_labels[static_cast<std::size_t>(k)].empty()) lblY(k).SetCaption(g.rate_labels[static_cast<std::size_t>(k)]);
  picGraph.Cls();
  if (!g.drawable) return;
  const float step_width = (Line3.X1() - Line4.X1()) / kRateSteps;
  const float height = Line2.Y1() - Line1.Y1();
  const float scale = height / (g.RateMax - g.RateMin) * 0.995f;
  auto x_of = [&](int k) { return Line4.X1() + 10 + static_cast<float>(k - 2) * step_width; };
  auto y_of = [&](float v) { return Line2.Y1() - (v - g.RateMin) * scale - 0.0025f * height; };
  for (int i = 1; i <= kRateSteps; ++i) {
    const float shown = g.StepRateShown[static_cast<std::size_t>(i)];
    const float before = g.StepRateShown[static_cast<std::size_t>(i - 1)];
    picGraph.DrawLine(x_of(i), y_of(shown), x_of(i - 1), y_of(before), kCurveBlue);
    if (shown > 0 || before > 0)
      picGraph.DrawBox(x_of(i), Line8.Y1(), x_of(i - 1), Line9.Y1(), g.StepColor[static_cast<std::size_t>(i)], true);
  }
}

void GraphQSO::Command1_Click() {
  const bool to_white = Command1.Caption() == kBlackBackground;
  Command1.SetCaption(to_white ? kWhiteBackground : kBlackBackground);
  const forms::Color background = to_white ? forms::colors::kWhite : forms::colors::kBlack;
  const forms::Color ink = to_white ? forms::colors::kBlack : forms::colors::kWhite;
  ShowBackground(background, ink);
  for (forms::Line* line : AllLines()) {
    line->BorderColor = ink;
    // The colour is a plain field; setting the ends in place tells the view to redraw it.
    line->SetEnds(line->X1(), line->Y1(), line->X2(), line->Y2());
  }
  DrawRateGraph();
}

}  // namespace ks
