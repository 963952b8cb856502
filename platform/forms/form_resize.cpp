#include "platform/forms/form_resize.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/listview.h"

namespace ks::forms {
namespace {

// A run-time failure while resizing, carrying its description.
struct ResizeFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Single-precision arithmetic with the toolkit's failures.
float Checked(double value) {
  if (std::isnan(value) || std::isinf(value) || std::fabs(value) > 3.402823e38) throw ResizeFailure("Overflow");
  return static_cast<float>(value);
}

float Divide(float a, float b) {
  if (b == 0) throw ResizeFailure("Division by zero");
  return Checked(static_cast<double>(a) / b);
}

float Times(float a, float b) { return Checked(static_cast<double>(a) * b); }

bool IsSized(ControlKind k) {
  switch (k) {
    case ControlKind::ListBox: case ControlKind::CommandButton: case ControlKind::TextBox:
    case ControlKind::Label: case ControlKind::CheckBox: case ControlKind::OptionButton:
    case ControlKind::Frame: case ControlKind::ComboBox: case ControlKind::Image:
    case ControlKind::ListView:
      return true;
    default:
      return false;
  }
}

void ScaleLineAndColumns(Control& c, float rx, float ry) {
  if (c.Kind() == ControlKind::Line) {
    auto& line = static_cast<Line&>(c);
    const float x1 = Times(line.X1(), rx);
    const float x2 = Times(line.X2(), rx);
    line.SetEnds(x1, Times(line.Y1(), ry), x2, Times(line.Y2(), ry));
  }
  if (c.Kind() == ControlKind::ListView) {
    auto& list = static_cast<ListView&>(c);
    for (int i = 1; i <= list.ColumnCount(); ++i) list.SetColumnWidth(i, Times(list.Column(i).width, rx));
  }
}

void ScaleControl(Control& c, float rx, float ry, float font_ratio, bool scale_combo_height,
                  const std::string& font_name) {
  if (IsSized(c.Kind())) {
    if (c.Kind() != ControlKind::ComboBox || scale_combo_height) c.SetHeight(Times(c.Height(), ry));
    c.SetLeft(Times(c.Left(), rx));
    c.SetTop(Times(c.Top(), ry));
    c.SetWidth(Times(c.Width(), rx));
    if (c.Kind() != ControlKind::Image) {
      if (!font_name.empty()) c.SetFontName(font_name);
      c.SetFontSize(Times(c.FontSize(), font_ratio));
    }
  }
  ScaleLineAndColumns(c, rx, ry);
}

// Every control that stands somewhere on the window: what a window scaled as a whole scales.
bool HasPlace(ControlKind k) { return IsSized(k) || k == ControlKind::PictureBox; }

void ScaleWindowDown(Form& form, float p) {
  const float width = Times(form.Width(), p);
  const float height = Times(form.Height(), p);
  form.Move(form.Left() + (form.Width() - width) / 2, form.Top() + (form.Height() - height) / 2, width, height);
  form.SetFontSize(Times(form.FontSize(), p));
  const std::vector<Control*> controls = form.Controls();
  for (Control* c : controls) {
    if (HasPlace(c->Kind())) {
      c->Move(Times(c->Left(), p), Times(c->Top(), p), Times(c->Width(), p), Times(c->Height(), p));
      if (c->Kind() != ControlKind::Image) c->SetFontSize(Times(c->FontSize(), p));
    }
    ScaleLineAndColumns(*c, p, p);
  }
}

// `start` moved the least that puts [start, start + size] inside [low, low + room].
float MovedInto(float start, float size, float low, float room) {
  return std::max(low, std::min(start, low + room - size));
}

void ReportFailure(Form& form, const ResizeFailure& failure) {
  form.App().MsgBox(failure.what(), 0, "Form Resize Error");
}

}  // namespace

float FontRatioOf(FitRule::FontRatio rule, float rx, float ry, float new_width) {
  switch (rule) {
    case FitRule::FontRatio::NewWidth: return Divide(new_width, kDesignScreenWidth);
    case FitRule::FontRatio::Height: return ry;
    case FitRule::FontRatio::Width: return rx;
    case FitRule::FontRatio::Smaller: return std::min(rx, ry);
    case FitRule::FontRatio::WidthCapped: return std::min(rx, 1.5f);
  }
  return ry;
}

void FitFormToScreen(Form& form, const FitRule& rule) {
  try {
    const auto& screen = form.App().GetScreen();
    const float sw = rule.target_width > 0 ? rule.target_width : screen.width;
    const float sh = rule.target_height > 0 ? rule.target_height : screen.height;
    const float rx = Divide(sw, kDesignScreenWidth);
    const float ry = Divide(sh, kDesignScreenHeight);
    const float width = Times(Divide(form.Width(), kDesignScreenWidth), sw);
    const float height = Times(Divide(form.Height(), kDesignScreenHeight), sh);
    form.Move(form.Left(), form.Top(), width, height);
    const float left = Checked((static_cast<double>(sw) - width) / 2);
    float top = Checked((static_cast<double>(sh) - height) / 2);
    if (rule.lift) top -= 170;
    form.Move(left, top, width, height);
    form.SetFontSize(Times(form.FontSize(), FontRatioOf(rule.form_font, rx, ry, width)));
    const float control_font = FontRatioOf(rule.control_font, rx, ry, width);
    const std::vector<Control*> controls = form.Controls();
    for (Control* c : controls) ScaleControl(*c, rx, ry, control_font, rule.scale_combo_height, "");
  } catch (const ResizeFailure& failure) {
    ReportFailure(form, failure);
  }
}

void ResizeForm(Form& form) {
  FitRule rule;
  rule.lift = true;
  rule.form_font = FitRule::FontRatio::Height;
  rule.control_font = FitRule::FontRatio::Smaller;
  FitFormToScreen(form, rule);
}

void ResizeFormTo(Form& form, float target_width, float target_height, float reference_width,
                  float reference_height, int exact_size, float font_factor, const std::string& font_name) {
  try {
    const float inner_height_before = form.ScaleHeight();
    const float inner_width_before = form.ScaleWidth();
    float width = target_width;
    float height = target_height;
    if (exact_size != 1) {
      width = Times(Divide(form.Width(), reference_width), target_width);
      height = Times(Divide(form.Height(), reference_height), target_height);
    }
    form.Move(Checked((static_cast<double>(target_width) - width) / 2),
              Checked((static_cast<double>(target_height) - height) / 2), width, height);
    const float rh = Divide(form.ScaleHeight(), inner_height_before);
    const float rw = Divide(form.ScaleWidth(), inner_width_before);
    const float m = std::min(rw, rh);
    const float g = form.Height() > inner_height_before ? Checked(1 + (static_cast<double>(m) - 1) * font_factor) : m;
    Font font = form.GetFont();
    if (!font_name.empty()) font.name = font_name;
    font.size = Times(font.size, g);
    form.SetFont(font);
    const std::vector<Control*> controls = form.Controls();
    for (Control* c : controls) ScaleControl(*c, rw, rh, g, true, font_name);
  } catch (const ResizeFailure& failure) {
    ReportFailure(form, failure);
  }
}

void KeepWithinScreen(Form& form) {
  const Screen& screen = form.App().GetScreen();
  const bool whole_screen = form.CoversTaskbar;
  const float left = whole_screen ? 0 : screen.work_left;
  const float top = whole_screen ? 0 : screen.work_top;
  const float width = whole_screen ? screen.width : screen.work_width;
  const float height = whole_screen ? screen.height : screen.work_height;
  try {
    const float p = std::min({1.0f, Divide(width, form.Width()), Divide(height, form.Height())});
    if (p < 1) ScaleWindowDown(form, p);
    form.Move(MovedInto(form.Left(), form.Width(), left, width), MovedInto(form.Top(), form.Height(), top, height),
              form.Width(), form.Height());
  } catch (const ResizeFailure&) {
    // A window without a size has nothing to keep in.
  }
}

}  // namespace ks::forms
