#include "tests/qt_fit/placement_check.h"

#include <QWidget>

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/qt/appearance.h"
#include "platform/qt/view.h"

namespace ks::testing {
namespace {

std::string NameOf(const forms::Control& control) {
  return control.Index() < 0 ? control.Name() : control.Name() + "(" + std::to_string(control.Index()) + ")";
}

std::string Describe(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + " x " +
         std::to_string(r.height()) + " px";
}

// The part of the screen that a window may take: the screen less the task bar, or the whole
// screen for one laid out over it on purpose.
QRect AvailableArea(const forms::Form& form) {
  const forms::Screen& screen = form.App().GetScreen();
  if (form.CoversTaskbar) return {0, 0, qt::Px(screen.width), qt::Px(screen.height)};
  return {qt::Px(screen.work_left), qt::Px(screen.work_top), qt::Px(screen.work_width), qt::Px(screen.work_height)};
}

// What a control takes of its container: a line its ends (its widget has room for the pen
// round them), where an end on the container's far edge is still inside.
QRect TakenBy(const forms::Control& control, const QWidget& widget) {
  if (control.Kind() != forms::ControlKind::Line) return widget.geometry();
  const auto& line = static_cast<const forms::Line&>(control);
  const QRect ends = QRect(QPoint(qt::Px(line.X1()), qt::Px(line.Y1())), QPoint(qt::Px(line.X2()), qt::Px(line.Y2())))
                         .normalized();
  return ends.adjusted(0, 0, -1, -1);
}

}  // namespace

std::vector<std::string> PlacementFaultsOf(const forms::Form& form, qt::QtView& view) {
  std::vector<std::string> faults;
  const qt::FormWindow* window = view.WindowOf(form);
  if (window == nullptr) return faults;
  // Where the frame stands, and the client area (menu bar included) with the frame round it.
  const QRect frame(window->frameGeometry().topLeft(), window->geometry().marginsAdded(window->FrameMargins()).size());
  const QRect available = AvailableArea(form);
  if (!available.contains(frame))
    faults.push_back("frame " + Describe(frame) + " passes the available area " + Describe(available));
  for (const forms::Control* control : form.Controls()) {
    const QWidget* widget = view.WidgetOf(*control);
    if (widget == nullptr || !widget->isVisibleTo(window) || widget->parentWidget() == nullptr) continue;
    const QRect room = widget->parentWidget()->rect();
    const QRect taken = TakenBy(*control, *widget);
    if (!room.contains(taken))
      faults.push_back(NameOf(*control) + " " + Describe(taken) + " passes its container " +
                       std::to_string(room.width()) + " x " + std::to_string(room.height()));
  }
  return faults;
}

}  // namespace ks::testing
