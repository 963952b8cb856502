#include "platform/qt/control_widgets.h"

#include <algorithm>

#include <QWidget>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/qt/appearance.h"
#include "platform/qt/cp1252.h"

namespace ks::qt {
namespace {

using forms::ControlKind;
using forms::Property;

bool FillsBackground(ControlKind kind) {
  switch (kind) {
    case ControlKind::Image: case ControlKind::Line: return false;
    default: return true;
  }
}

// Lightweight kinds (labels, pictures, lines) lie beneath the windowed ones, as the toolkit
// draws them; within each layer the higher z-order is on top.
bool IsGraphical(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Line;
}

void SyncGeometry(forms::Control& control, QWidget& widget) {
  if (control.Kind() == ControlKind::Line) return;  // placed by its ends
  widget.setGeometry(PixelRect(control.Left(), control.Top(), control.Width(), control.Height()));
}

void SyncColors(forms::Control& control, QWidget& widget) {
  bool fill = FillsBackground(control.Kind());
  // Check and option buttons and frames in the default face colour show their container
  // through, so they sit on a frame or a coloured window as they do in the toolkit.
  const ControlKind kind = control.Kind();
  if ((kind == ControlKind::CheckBox || kind == ControlKind::OptionButton || kind == ControlKind::Frame) &&
      control.BackColor() == forms::colors::kButtonFace)
    fill = false;
  if (control.Kind() == ControlKind::Label && static_cast<forms::Label&>(control).Transparent) fill = false;
  ApplyColors(widget, control.ForeColor(), control.BackColor(), fill);
}

}  // namespace

QWidget* CreateControlWidget(forms::Control& control, QWidget* parent, OperatorInput& input) {
  if (QWidget* w = CreateTextWidget(control, parent, input)) return w;
  if (QWidget* w = CreateListWidget(control, parent, input)) return w;
  return CreatePictureWidget(control, parent, input);
}

void SyncControl(forms::Control& control, QWidget& widget, forms::Property what) {
  switch (what) {
    case Property::Geometry: SyncGeometry(control, widget); break;
    case Property::Visible: widget.setVisible(control.Visible()); return;
    case Property::Enabled: widget.setEnabled(control.Enabled()); return;
    case Property::Font: widget.setFont(QFontOf(control.GetFont(), widget)); break;
    case Property::Colors: SyncColors(control, widget); break;
    case Property::ToolTip: widget.setToolTip(FromCp1252(control.ToolTipText())); return;
    case Property::ZOrder: return;  // the view restacks the siblings
    default: break;
  }
  if (!SyncTextWidget(control, widget, what) && !SyncListWidget(control, widget, what))
    SyncPictureWidget(control, widget, what);
}

void SyncAllOf(forms::Control& control, QWidget& widget) {
  for (Property p : {Property::Font, Property::Colors, Property::Geometry, Property::ToolTip, Property::Enabled,
                     Property::Caption, Property::Text, Property::Value, Property::Columns, Property::Items,
                     Property::Selection, Property::Picture, Property::Drawing, Property::Visible})
    SyncControl(control, widget, p);
}

void SyncState(forms::Control& control, QWidget& widget) {
  for (Property p : {Property::Text, Property::Value, Property::Selection}) SyncControl(control, widget, p);
}

std::vector<forms::Control*> SiblingsBottomUp(const forms::Control& control) {
  std::vector<forms::Control*> siblings;
  for (forms::Control* c : control.ParentForm().Controls())
    if (c->Container() == control.Container()) siblings.push_back(c);
  std::stable_sort(siblings.begin(), siblings.end(), [](forms::Control* a, forms::Control* b) {
    const bool ga = IsGraphical(a->Kind());
    const bool gb = IsGraphical(b->Kind());
    if (ga != gb) return ga;
    return a->ZOrder() < b->ZOrder();
  });
  return siblings;
}

bool IsDeferred(forms::ControlKind kind, forms::Property what) {
  switch (kind) {
    case ControlKind::ListBox: case ControlKind::ComboBox: case ControlKind::ListView:
      return what == Property::Items || what == Property::Columns || what == Property::Selection;
    case ControlKind::PictureBox: return what == Property::Drawing;
    default: return false;
  }
}

}  // namespace ks::qt
