// Form size and the full-size layout: below 100 % the window covers that share of the screen
// (applied at load); at 100 % it fills the screen, or in taskbar mode the desktop work area.
#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "mainwin/main_window.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "station/station_settings.h"

namespace ks {

namespace {

using forms::ControlKind;

bool HasGeometry(ControlKind kind) {
  return kind != ControlKind::Menu && kind != ControlKind::Timer && kind != ControlKind::CommonDialog &&
         kind != ControlKind::Line;
}

// The kinds whose font and geometry the form size scales.
bool ScaledByFormSize(ControlKind kind) {
  return kind == ControlKind::ListBox || kind == ControlKind::ListView || kind == ControlKind::CommandButton ||
         kind == ControlKind::TextBox || kind == ControlKind::Label;
}

// value x p / 100, multiplied first, in single precision.
float Percent(float value, float p) {
  const float scaled = value * p / 100.0f;
  if (!std::isfinite(scaled)) throw std::overflow_error("Overflow");
  return scaled;
}

void ScaleLine(forms::Line& line, float p) {
  line.SetEnds(Percent(line.X1(), p), Percent(line.Y1(), p), Percent(line.X2(), p), Percent(line.Y2(), p));
}

void ScaleColumns(forms::ListView& list, float p) {
  for (int i = 1; i <= list.ColumnCount(); ++i) list.SetColumnWidth(i, Percent(list.Column(i).width, p));
}

}  // namespace

void MainWindow::FitCountyListHeights() {
  List1.SetHeight(std::max(0.0f, Line3.Y1() - List1.Top()));
  List2.SetHeight(List1.Height());
}

void MainWindow::ApplyFormSize() {
  auto& settings = App().State<StationSettings>();
  const float p = settings.FormSizePercent;
  try {
    Hide();
    const auto& screen = App().GetScreen();
    const float width = Percent(screen.width, p);
    const float height = Percent(screen.height, p);
    Move((screen.width - width) / 2, (screen.height - height) / 2, width, height);
    SetFontSize(Percent(FontSize(), p));
    for (forms::Control* c : Controls()) {
      if (ScaledByFormSize(c->Kind())) {
        c->SetFontSize(Percent(c->FontSize(), p));
        c->SetHeight(Percent(c->Height(), p));
        c->SetLeft(Percent(c->Left(), p));
        c->SetTop(Percent(c->Top(), p));
        c->SetWidth(Percent(c->Width(), p));
      } else if (c->Kind() == ControlKind::Line) {
        ScaleLine(static_cast<forms::Line&>(*c), p);
      }
    }
    FitCountyListHeights();
    ScaleColumns(ListView1, p);
    ScaleColumns(txtDX, p);
  } catch (const std::exception&) {
    // From the next start the window opens at full size.
    settings.FormSizePercent = 100;
    WritePrefFile(App());
  }
  Show();
}

void MainWindow::ApplyFullSizeLayout() {
  const auto& settings = App().State<StationSettings>();
  mnuTaskbar.SetChecked(settings.TaskbarMode != 0);
  if (settings.FormSizePercent != 100) return;
  Hide();
  const float h0 = Height();
  const float w0 = Width();
  const auto& screen = App().GetScreen();
  CoversTaskbar = settings.TaskbarMode != 1;
  if (settings.TaskbarMode == 1) {
    Move(0, 0, screen.work_width, screen.work_height);
  } else {
    Move(0, 0, screen.width, screen.height);
  }
  const float h = Height();
  const float w = Width();
  if (h0 > 0 && w0 > 0) {
    for (forms::Control* c : Controls()) {
      if (HasGeometry(c->Kind())) {
        c->SetHeight(c->Height() * h / h0);
        c->SetLeft(c->Left() * w / w0);
        c->SetTop(c->Top() * h / h0);
        c->SetWidth(c->Width() * w / w0);
      } else if (c->Kind() == ControlKind::Line) {
        auto& line = static_cast<forms::Line&>(*c);
        line.SetEnds(line.X1() * w / w0, line.Y1() * h / h0, line.X2() * w / w0, line.Y2() * h / h0);
      }
    }
    for (int i = 1; i <= txtDX.ColumnCount(); ++i) txtDX.SetColumnWidth(i, txtDX.Column(i).width * w / w0);
  }
  FitCountyListHeights();
  Show();
}

// The share of the screen for the next start, 30 to 100, rounded half to even.
void MainWindow::mnuFormSize_Click() {
  auto& settings = App().State<StationSettings>();
  const std::string answer = App().InputBox(
      "Enter the % of the screen you would like the form to cover.  Try between 90 and 100 for best results.  "
      "Values below 75 do not display well.",
      "Please enter screen percentage.", vb::CStr(static_cast<int>(settings.FormSizePercent)));
  const auto value = vb::CDbl(answer);
  if (!value) {
    App().MsgBox("Please enter only numeric values.", vb::vbOKOnly, "Numeric Values Required");
    return;
  }
  double percent = *value;
  if (percent > 100) percent = 100;
  if (percent < 30) percent = 30;
  settings.FormSizePercent = vb::CByte(percent).value_or(100);
  App().MsgBox("This program must be closed and restarted for this setting to take effect.", vb::vbOKOnly,
               "For this setting to take effect please restart this program.");
  WritePrefFile(App());
}

void MainWindow::mnuTaskbar_Click() {
  auto& settings = App().State<StationSettings>();
  if (settings.FormSizePercent != 100) {
    App().MsgBox("The form size must be set to 100% to use the taskbar display option.", vb::vbOKOnly,
                 "Please set your form size to 100% to use this option.");
    return;
  }
  settings.TaskbarMode = settings.TaskbarMode == 0 ? 1 : 0;
  WritePrefFile(App());
  ApplyFullSizeLayout();
}

void MainWindow::Form_Activate() { RedrawBandMap(); }

void MainWindow::Form_MouseMove(int button, int shift, float x, float y) {
  (void)button;
  (void)shift;
  (void)x;
  (void)y;
  lblDupe.SetCaption("");
}

}  // namespace ks
