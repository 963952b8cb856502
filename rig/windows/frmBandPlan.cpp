#include "rig/windows/frmBandPlan.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/io/files.h"
#include "platform/vb/constants.h"
#include "platform/vb/format.h"
#include "rig/control/privilege_chart.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

struct ClassButton {
  forms::CommandButton frmBandPlan::*button;
  const char* caption;
  const char* title;
  const char* letter;
};

constexpr ClassButton kClasses[] = {
    {&frmBandPlan::Command1, "Novice", "Novice Frequency Privileges", "N"},
    {&frmBandPlan::Command2, "Technician", "Technician Frequency Privileges", "T"},
    {&frmBandPlan::Command3, "Tech +", "Technician Plus Frequency Privileges", "P"},
    {&frmBandPlan::Command4, "General", "General Frequency Privileges", "G"},
    {&frmBandPlan::Command5, "Advanced", "Advanced Frequency Privileges", "A"},
    {&frmBandPlan::Command6, "Extra", "Extra Frequency Privileges", "E"},
};

constexpr forms::Color kNavy = forms::Rgb(0, 0, 128);

std::string Edges(float low, float high) { return vb::Format(low, "#,###.##0") + " - " + vb::Format(high, "#,###.##0"); }

}  // namespace

frmBandPlan::frmBandPlan(forms::Application& app) : forms::Form(app, "frmBandPlan") {
  Design();
  for (const auto& c : kClasses) {
    (this->*c.button).Click = [this, c] {
      Label2.SetCaption(c.title);
      DrawPrivilegeChart(c.letter);
    };
  }
  Command7.Click = [this] { Command7_Click(); };
  MakeChartLabels();
}

frmBandPlan::~frmBandPlan() = default;

void frmBandPlan::Design() {
  SetCaption("Frequency Privileges");
  SetClientSize(9480, 6690);
  int i = 0;
  for (const auto& c : kClasses) {
    auto& button = this->*c.button;
    button.SetCaption(c.caption);
    button.Move(120 + static_cast<float>(i++) * 1155, 120, 1095, 375);
  }
  Label1.SetCaption("Frequencies Effective");
  Label1.Move(120, 600, 4200, 285);
  Label1.SetFont({"Arial", 9});
  Label2.SetCaption("Privelages");
  Label2.Move(7140, 120, 2220, 375);
  Label2.SetFont({"Arial Narrow", 8.25f});
  for (auto* label : {&Label1, &Label2}) {
    label->SetForeColor(forms::colors::kWhite);
    label->SetBackColor(kNavy);
  }
  Label3.SetCaption("CW");
  Label3.Move(7140, 600, 1050, 285);
  Label4.SetCaption("Phone");
  Label4.Move(8310, 600, 1050, 285);
  Label3.SetForeColor(forms::colors::kWhite);
  Command7.SetCaption("Done");
  Command7.Move(4110, 6180, 1260, 375);
}

void frmBandPlan::Form_Load() {
  const auto& screen = App().GetScreen();
  // As large as the desktop work area, at its top left; the controls follow that ratio.
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::Width;
  rule.control_font = forms::FitRule::FontRatio::WidthCapped;
  rule.target_width = screen.work_width * forms::kDesignScreenWidth / std::max(Width(), 1.0f);
  rule.target_height = screen.work_height * forms::kDesignScreenHeight / std::max(Height(), 1.0f);
  forms::FitFormToScreen(*this, rule);
  Move(0, 0, screen.work_width, screen.work_height);
  font_factor_ = std::min(screen.width / forms::kDesignScreenWidth, 1.5f);
  Label4.SetBackColor(forms::colors::kGreen);
  Label3.SetBackColor(forms::colors::kBlue);

  std::string bytes;
  const bool read = io::ReadFile(WorkingFile(App(), "BandPlan.txt"), bytes, io::kTableFileMaxBytes).ok();
  const auto plan = rig::ParseBandPlan(read ? std::move(bytes) : std::string());
  if (read && (plan.complete || !plan.effective_date.empty())) {
    Label1.SetCaption("Frequencies Effective: " + plan.effective_date);
  }
  ChartRows = plan.rows;
  if (!read || !plan.complete) {
    App().MsgBox("Band data not available.", vb::vbOKOnly, "Band Data Not Available.");
    return;
  }
  Label2.SetCaption("Extra Frequency Privileges");
  DrawPrivilegeChart("E");
}

// The chart's labels are made with the window, hidden: a control made after the window has
// loaded would reach the view before it is whole. Clearing hides them and empties them.
void frmBandPlan::MakeChartLabels() {
  auto make = [this](const char* prefix, size_t count) {
    for (size_t n = 1; n <= count; ++n) {
      chart_labels_.push_back(std::make_unique<forms::Label>(*this, prefix + std::to_string(n)));
      auto& label = *chart_labels_.back();
      label.Border = true;
      label.TextAlign = forms::Alignment::Center;
      label.SetVisible(false);
    }
  };
  make("blbl", rig::kChartBars);
  make("bnlb", rig::kChartBars);
  make("priv", rig::kBandPlanRows);
}

void frmBandPlan::ClearChart() {
  for (auto& label : chart_labels_) {
    label->SetVisible(false);
    label->SetCaption("");
    label->SetToolTipText("");
  }
}

forms::Label* frmBandPlan::ChartLabel(const std::string& name) {
  for (auto& label : chart_labels_)
    if (label->Name() == name) {
      label->SetVisible(true);
      return label.get();
    }
  return nullptr;
}

void frmBandPlan::DrawPrivilegeChart(const std::string& license_class) {
  ClearChart();
  const auto chart = rig::BuildPrivilegeChart(ChartRows, license_class);
  if (chart.bars.empty()) return;
  const float w = ScaleWidth();
  const float h = ScaleHeight();
  const float y = Line1.Y1();
  const float pitch = 0.8f * (h - y) / static_cast<float>(chart.bars.size());
  std::vector<forms::Label*> bars;
  for (size_t k = 0; k < chart.bars.size(); ++k) {
    const auto& bar = chart.bars[k];
    const float top = y + static_cast<float>(k + 1) * pitch;
    forms::Label* bar_label = ChartLabel("blbl" + std::to_string(k + 1));
    forms::Label* tag_label = ChartLabel("bnlb" + std::to_string(k + 1));
    if (bar_label == nullptr || tag_label == nullptr) break;
    auto& label = *bar_label;
    label.Move(0.1f * w, top, 0.85f * w, 0.04f * h);
    label.SetCaption(bar.band);
    label.SetBackColor(forms::colors::kBlack);
    label.SetForeColor(forms::colors::kBlack);
    label.SetToolTipText(bar.band + "  " + Edges(bar.range_low, bar.range_high));
    bars.push_back(&label);
    auto& tag = *tag_label;
    tag.Move(0.04f * w, top, 0.05f * w, 0.04f * h);
    tag.SetCaption(bar.band);
    tag.SetToolTipText(bar.band);
    tag.SetBackColor(forms::colors::kYellow);
    tag.SetForeColor(forms::colors::kBlack);
    tag.SetFont({"ARIAL", 8 * font_factor_, true});
  }
  int s = 0;
  for (const auto& segment : chart.segments) {
    if (segment.bar >= bars.size()) continue;
    const forms::Label& bar = *bars[segment.bar];
    forms::Label* segment_label = ChartLabel("priv" + std::to_string(++s));
    if (segment_label == nullptr) break;  // no more segments than the file has rows
    auto& label = *segment_label;
    label.Move(bar.Left() + bar.Width() * segment.left_fraction, bar.Top(), bar.Width() * segment.width_fraction,
               bar.Height());
    // A segment too narrow for its edges shows them in its tooltip only.
    const std::string edges = Edges(segment.low, segment.high);
    const float points = 7 * font_factor_;
    if (label.Width() >= static_cast<float>(edges.size()) * points * 11 + 60) label.SetCaption(edges);
    label.SetToolTipText((segment.cw ? "CW  " : "PH  ") + edges);
    label.SetBackColor(segment.cw ? forms::colors::kBlue : forms::colors::kGreen);
    label.SetForeColor(segment.cw ? forms::colors::kWhite : forms::colors::kBlack);
    label.SetFont({"ARIAL NARROW", points});
    label.ZOrderTop();
  }
}

void frmBandPlan::Command7_Click() { Hide(); }

}  // namespace ks
