#pragma once
// The QSO-rate graph: the hourly rate over the whole log, a strip under the time axis in the
// colour of the band in use, and the axis labels. It is drawn while the window loads, on a
// surface that keeps it (picGraph, under every other control), and again when the operator
// switches the background.
#include <memory>
#include <vector>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class GraphQSO : public forms::Form {
 public:
  explicit GraphQSO(forms::Application& app);

  forms::PictureBox picGraph{*this, "picGraph"};
  forms::Line Line1{*this, "Line1", 480, 120, 9240, 120};
  forms::Line Line2{*this, "Line2", 480, 5880, 9240, 5880};
  forms::Line Line3{*this, "Line3", 9240, 120, 9240, 5880};
  forms::Line Line4{*this, "Line4", 480, 120, 480, 5880};
  forms::Line Line8{*this, "Line8", 480, 5900, 9240, 5900};
  forms::Line Line9{*this, "Line9", 480, 6000, 9240, 6000};
  // The 15 grid lines, Line5 to Line7 and Line10 to Line21, from the top down.
  std::vector<std::unique_ptr<forms::Line>> GridLines;
  forms::ControlArray<forms::Label> lblY{*this, "lblY"};
  forms::ControlArray<forms::Label> lblTime{*this, "lblTime"};
  forms::ControlArray<forms::Label> lblDate{*this, "lblDate"};
  forms::ControlArray<forms::Label> lblBnd{*this, "lblBnd"};
  forms::Label Label1{*this, "Label1"};
  forms::CommandButton Command1{*this, "Command1"};

  void Form_Load() override;
  void DrawRateGraph();
  void Command1_Click();

 private:
  void Design();
  void DesignLabels();
  // The frame, grid and strip lines.
  std::vector<forms::Line*> AllLines();
  void ShowBackground(forms::Color background, forms::Color text);
};

}  // namespace ks
