#pragma once
// One Qt widget per control: made by kind, drawn from the model property by property.
// Widgets never change what they show on their own: what the operator does goes back into
// the model through OperatorInput, and the widget is drawn again from the model.
#include <functional>
#include <vector>

#include "platform/forms/control.h"

class QObject;
class QWidget;

namespace ks::qt {

class OperatorInput {
 public:
  virtual ~OperatorInput() = default;
  // Runs `action` on the control that `source` shows (when it still shows one), as one event
  // of the operator's, then draws the control's state again.
  virtual void Act(QObject* source, const std::function<void(forms::Control&)>& action) = 0;
  // Another object (a viewport, an inner editor) that stands for the same control.
  virtual void AddPart(QObject* part, QWidget* widget) = 0;
};

// The widget of a control, a child of `parent`; null for kinds without one (timers,
// common dialogs, menus).
QWidget* CreateControlWidget(forms::Control& control, QWidget* parent, OperatorInput& input);

// Draws one property of the control on its widget.
void SyncControl(forms::Control& control, QWidget& widget, forms::Property what);
// Draws everything.
void SyncAllOf(forms::Control& control, QWidget& widget);
// Draws what the operator's action may have changed (text, value, selection).
void SyncState(forms::Control& control, QWidget& widget);
// The controls that share the control's container, from the bottom of the stack to the top.
std::vector<forms::Control*> SiblingsBottomUp(const forms::Control& control);
// Properties whose drawing waits for the next pass of the event loop, so that a list filled
// item by item is drawn once.
bool IsDeferred(forms::ControlKind kind, forms::Property what);

// Per kind (in their own files).
QWidget* CreateTextWidget(forms::Control& control, QWidget* parent, OperatorInput& input);
bool SyncTextWidget(forms::Control& control, QWidget& widget, forms::Property what);
QWidget* CreateListWidget(forms::Control& control, QWidget* parent, OperatorInput& input);
bool SyncListWidget(forms::Control& control, QWidget& widget, forms::Property what);
// Arrow, Home, End and page keys move a list's selection through the model; false for other
// keys and kinds.
bool NavigateByKey(forms::Control& control, QWidget& widget, int key_code);
QWidget* CreatePictureWidget(forms::Control& control, QWidget* parent, OperatorInput& input);
bool SyncPictureWidget(forms::Control& control, QWidget& widget, forms::Property what);

}  // namespace ks::qt
