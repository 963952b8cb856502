#pragma once
// The band-privileges chart: for the chosen licence class, one bar per band with the
// class's CW and phone segments in place, all read from BandPlan.txt at each opening.
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "rig/band_plan.h"

namespace ks {

class frmBandPlan : public forms::Form {
 public:
  explicit frmBandPlan(forms::Application& app);
  ~frmBandPlan() override;

  void Form_Load() override;
  void DrawPrivilegeChart(const std::string& license_class);
  void Command7_Click();

  // The rows of BandPlan.txt, every class, in file order.
  std::vector<rig::BandPlanRow> ChartRows;

  // In tab order: "Done" first.
  forms::CommandButton Command7{*this, "Command7"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton Command5{*this, "Command5"};
  forms::CommandButton Command6{*this, "Command6"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label4{*this, "Label4"};
  forms::Line Line1{*this, "Line1", 0, 1020, 9480, 1020};

 private:
  void Design();
  void MakeChartLabels();
  void ClearChart();
  // The chart label of that name, shown; null past the chart's limits.
  forms::Label* ChartLabel(const std::string& name);

  float font_factor_ = 1;
  std::vector<std::unique_ptr<forms::Label>> chart_labels_;
};

}  // namespace ks
