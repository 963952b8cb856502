#include "tests/qt_fit/cover_check.h"

#include <map>

#include <QLabel>
#include <QWidget>

#include "platform/forms/control.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/qt/view.h"

namespace ks::testing {
namespace {

std::string NameOf(const forms::Control& control) {
  return control.Index() < 0 ? control.Name() : control.Name() + "(" + std::to_string(control.Index()) + ")";
}

// A line or a label on the window's surface: what can be hidden.
bool IsDrawnOnContainer(forms::ControlKind kind) {
  return kind == forms::ControlKind::Line || kind == forms::ControlKind::Label;
}

// Whether a widget hides what lies under it: a label that does not fill its background and a
// line do not.
bool IsOpaque(const forms::Control& control, const QWidget& widget) {
  if (control.Kind() == forms::ControlKind::Line) return false;
  if (qobject_cast<const QLabel*>(&widget) != nullptr) return widget.autoFillBackground();
  return true;
}

bool Shows(const forms::Control& control, const QWidget& widget, const QWidget& window) {
  if (!widget.isVisibleTo(&window)) return false;
  if (control.Kind() == forms::ControlKind::Label) {
    const auto* label = qobject_cast<const QLabel*>(&widget);
    // A caption in its own background colour is not meant to be read (a chart's bars).
    const bool readable = static_cast<const forms::Label&>(control).Transparent ||
                          control.ForeColor() != control.BackColor();
    return label != nullptr && !label->text().isEmpty() && readable;
  }
  return true;
}

}  // namespace

std::vector<std::string> HiddenControlsOf(const forms::Form& form, qt::QtView& view) {
  std::vector<std::string> hidden;
  const QWidget* window = view.WindowOf(form);
  if (window == nullptr) return hidden;
  std::map<const QWidget*, const forms::Control*> control_of;
  for (const forms::Control* control : form.Controls())
    if (QWidget* widget = view.WidgetOf(*control)) control_of[widget] = control;
  for (const auto& [widget, control] : control_of) {
    if (!IsDrawnOnContainer(control->Kind()) || !Shows(*control, *widget, *window)) continue;
    const QWidget* parent = widget->parentWidget();
    if (parent == nullptr) continue;
    // Siblings later in the parent's list stand above.
    const QObjectList& siblings = parent->children();
    const QPoint centre = widget->geometry().center();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(widget)) + 1; i < siblings.size(); ++i) {
      const auto* above = qobject_cast<const QWidget*>(siblings[i]);
      auto it = control_of.find(above);
      if (it == control_of.end() || !above->isVisibleTo(window) || !IsOpaque(*it->second, *above)) continue;
      if (above->geometry().contains(centre)) {
        hidden.push_back(NameOf(*control) + " under " + NameOf(*it->second));
        break;
      }
    }
  }
  return hidden;
}

}  // namespace ks::testing
