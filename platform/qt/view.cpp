#include "platform/qt/view.h"

#include <algorithm>
#include <fstream>

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/qt/appearance.h"
#include "platform/qt/event_loop.h"

namespace ks::qt {
namespace {

using forms::Property;

unsigned Bit(Property p) { return 1u << static_cast<unsigned>(p); }

// The order in which waiting properties are drawn: columns, then items, then the rest (the
// selection among them) in the order of their names.
std::vector<Property> DeferredOrder() {
  std::vector<Property> order{Property::Columns, Property::Items};
  for (unsigned p = 0; p <= static_cast<unsigned>(Property::Other); ++p)
    if (p != static_cast<unsigned>(Property::Columns) && p != static_cast<unsigned>(Property::Items))
      order.push_back(static_cast<Property>(p));
  return order;
}

}  // namespace

QtView::QtView(forms::Application& app, QtEventLoop& loop)
    : app_(app), loop_(loop), filter_(new InputFilter(*this, this)) {}

QtView::~QtView() {
  filter_->enabled = false;
  bindings_.clear();
  for (auto& [form, window] : windows_) {
    if (window.isNull()) continue;
    window->Detach();
    delete window.data();
  }
}

void QtView::Run(const std::function<void()>& action) {
  loop_.RunFromQt([&] { loop_.Dispatch(action); });
}

void QtView::Trace(const std::string& line) const {
  if (trace_file_.empty()) return;
  std::ofstream out(trace_file_, std::ios::app);
  out << line << '\n';
}

forms::Screen QtView::ScreenOf(const QScreen* screen) {
  forms::Screen s;
  if (screen == nullptr) return s;
  const QRect full = screen->geometry();
  const QRect work = screen->availableGeometry();
  s.width = Twips(full.width());
  s.height = Twips(full.height());
  s.twips_per_pixel_x = s.twips_per_pixel_y = static_cast<float>(kTwipsPerPixel);
  s.work_left = Twips(work.left() - full.left());
  s.work_top = Twips(work.top() - full.top());
  s.work_width = Twips(work.width());
  s.work_height = Twips(work.height());
  return s;
}

// Windows.

FormWindow& QtView::WindowFor(forms::Form& form) {
  auto it = windows_.find(&form);
  if (it != windows_.end() && !it->second.isNull()) return *it->second;
  auto* window = new FormWindow(form, *this);
  window->installEventFilter(filter_);
  window->Canvas()->installEventFilter(filter_);
  controls_by_widget_[window] = nullptr;
  controls_by_widget_[window->Canvas()] = nullptr;
  windows_[&form] = window;
  return *window;
}

FormWindow* QtView::WindowOf(const forms::Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.data();
}

void QtView::FormShown(forms::Form& form, bool modal) {
  FormWindow& window = WindowFor(form);
  if (!window.isVisible()) {
    forms::Form* active = app_.ActiveForm();
    shown_from_[&form] = active != nullptr && active != &form ? WindowOf(*active) : nullptr;
  }
  Flush();
  // Modality is set while the window is hidden.
  if (window.isVisible() && modal != (window.windowModality() == Qt::ApplicationModal)) window.hide();
  window.SyncFlags(modal);
  window.SyncCaption();
  window.SyncGeometry();
  window.show();
  window.SyncWindowState();
  window.activateWindow();
  ShowFocus(form);
  Trace(form.Name());
}

void QtView::FormHidden(forms::Form& form) {
  if (FormWindow* window = WindowOf(form)) window->hide();
  loop_.FormGone(form);
}

void QtView::FormUnloaded(forms::Form& form) {
  SyncBusyPointer(form, false);
  for (forms::Control* c : form.Controls()) Unbind(*c);
  if (FormWindow* window = WindowOf(form)) {
    window->Detach();
    window->hide();
    controls_by_widget_.erase(window);
    controls_by_widget_.erase(window->Canvas());
    window->deleteLater();
  }
  windows_.erase(&form);
  shown_from_.erase(&form);
  std::erase(menus_to_build_, &form);
  loop_.FormGone(form);
  QTimer::singleShot(0, this, [this] { EndWhenNoWindowIsLoaded(); });
}

// The program ends when its last window has been unloaded, as the toolkit's does.
void QtView::EndWhenNoWindowIsLoaded() {
  if (app_.LoadedForms().empty() && !app_.Ended()) loop_.Quit();
}

// A window busy before it is first shown (drawing in its load) keeps the operator waiting as
// much as one on the screen, so the hourglass stands over every window of the program.
void QtView::SyncBusyPointer(const forms::Form& form, bool busy) {
  const bool was_busy = !busy_forms_.empty();
  std::erase(busy_forms_, &form);
  if (busy) busy_forms_.push_back(&form);
  if (!was_busy && busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  if (was_busy && busy_forms_.empty()) QGuiApplication::restoreOverrideCursor();
}

void QtView::FormChanged(forms::Form& form, forms::Property what) {
  if (what == Property::MousePointer) SyncBusyPointer(form, form.GetMousePointer() == forms::MousePointer::Hourglass);
  FormWindow* window = WindowOf(form);
  if (window == nullptr) return;
  switch (what) {
    case Property::Geometry: window->SyncGeometry(); break;
    case Property::Caption: window->SyncCaption(); break;
    case Property::Font: window->SyncFont(); break;
    case Property::Colors: window->SyncColors(); break;
    case Property::WindowState: window->SyncWindowState(); break;
    default: break;
  }
}

void QtView::ShowFocus(forms::Form& form) {
  FormWindow* window = WindowOf(form);
  if (window == nullptr || !window->isVisible()) return;
  forms::Control* active = form.ActiveControl();
  QWidget* widget = active != nullptr ? WidgetOf(*active) : nullptr;
  // The focus is always shown, in the style's own way (a focus frame, a highlighted edge),
  // whether it came by a key, a click or the program.
  window->setAttribute(Qt::WA_KeyboardFocusChange, true);
  (widget != nullptr ? widget : window->Canvas())->setFocus(Qt::OtherFocusReason);
}

void QtView::FocusChanged(forms::Form& form, forms::Control*) { ShowFocus(form); }

// Controls.

void QtView::ControlAdded(forms::Control& control) {
  WindowFor(control.ParentForm());
  Bind(control);
}

void QtView::Bind(forms::Control& control) {
  forms::Form& form = control.ParentForm();
  if (control.Kind() == forms::ControlKind::Menu) {
    if (std::find(menus_to_build_.begin(), menus_to_build_.end(), &form) == menus_to_build_.end())
      menus_to_build_.push_back(&form);
    ScheduleFlush();
    return;
  }
  QWidget* parent = WindowFor(form).Canvas();
  if (const forms::Control* container = control.Container()) {
    if (QWidget* holder = WidgetOf(*container)) parent = holder;
  }
  Binding& binding = bindings_[&control];
  binding.control = &control;
  QWidget* widget = CreateControlWidget(control, parent, *this);
  binding.widget = widget;
  if (widget == nullptr) return;
  controls_by_widget_[widget] = &control;
  widget->installEventFilter(filter_);
  widget->setFocusPolicy(control.CanTakeFocus() ? Qt::StrongFocus : Qt::NoFocus);
  SyncAllOf(control, *widget);
  Restack(control);
}

void QtView::Unbind(const forms::Control& control) {
  auto it = bindings_.find(&control);
  if (it == bindings_.end()) return;
  if (QWidget* widget = it->second.widget.data()) {
    controls_by_widget_.erase(widget);
    std::erase_if(parts_, [widget](const auto& part) { return part.second == widget; });
    widget->removeEventFilter(filter_);
    widget->hide();
    widget->deleteLater();
  }
  bindings_.erase(it);
  std::erase(dirty_, &control);
  std::erase(stacks_to_order_, &control);
}

void QtView::ControlRemoved(forms::Control& control) {
  if (control.Kind() == forms::ControlKind::Menu) {
    if (FormWindow* window = WindowOf(control.ParentForm())) window->ForgetMenu(&control);
    if (std::find(menus_to_build_.begin(), menus_to_build_.end(), &control.ParentForm()) == menus_to_build_.end())
      menus_to_build_.push_back(&control.ParentForm());
    ScheduleFlush();
  }
  Unbind(control);
}

void QtView::ControlChanged(forms::Control& control, forms::Property what) {
  if (control.Kind() == forms::ControlKind::Menu) {
    FormWindow* window = WindowOf(control.ParentForm());
    if (window != nullptr && !window->SyncMenu(static_cast<forms::Menu&>(control))) Bind(control);
    return;
  }
  auto it = bindings_.find(&control);
  if (it == bindings_.end() || it->second.widget.isNull()) return;
  Binding& binding = it->second;
  if (what == Property::ZOrder) {
    Restack(control);
    return;
  }
  // A list waiting to be drawn draws the rest with it, in order.
  if (IsDeferred(control.Kind(), what) || (binding.pending != 0 && IsDeferred(control.Kind(), Property::Items))) {
    Defer(binding, what);
    return;
  }
  SyncControl(control, *binding.widget, what);
}

// Restacking waits for the next pass, so a window's controls are ordered once, not once each.
void QtView::Restack(const forms::Control& control) {
  for (const forms::Control* other : stacks_to_order_)
    if (other->Container() == control.Container() && &other->ParentForm() == &control.ParentForm()) return;
  stacks_to_order_.push_back(&control);
  ScheduleFlush();
}

void QtView::RestackNow(const forms::Control& control) {
  for (forms::Control* sibling : SiblingsBottomUp(control))
    if (QWidget* widget = WidgetOf(*sibling)) widget->raise();
}

QWidget* QtView::WidgetOf(const forms::Control& control) const {
  auto it = bindings_.find(&control);
  return it == bindings_.end() ? nullptr : it->second.widget.data();
}

// Drawing that waits.

void QtView::Defer(Binding& binding, forms::Property what) {
  if (binding.pending == 0) dirty_.push_back(binding.control);
  binding.pending |= Bit(what);
  ScheduleFlush();
}

void QtView::ScheduleFlush() {
  if (flush_scheduled_) return;
  flush_scheduled_ = true;
  QTimer::singleShot(0, this, [this] { Flush(); });
}

void QtView::Flush() {
  flush_scheduled_ = false;
  const std::vector<const forms::Control*> dirty = std::move(dirty_);
  dirty_.clear();
  for (const forms::Control* control : dirty) {
    auto it = bindings_.find(control);
    if (it == bindings_.end()) continue;
    Binding& binding = it->second;
    const unsigned pending = binding.pending;
    binding.pending = 0;
    if (binding.widget.isNull()) continue;
    for (Property p : DeferredOrder())
      if ((pending & Bit(p)) != 0) SyncControl(*binding.control, *binding.widget, p);
  }
  const auto stacks = std::move(stacks_to_order_);
  stacks_to_order_.clear();
  for (const forms::Control* control : stacks)
    if (bindings_.count(control) != 0) RestackNow(*control);
  const std::vector<const forms::Form*> menus = std::move(menus_to_build_);
  menus_to_build_.clear();
  for (const forms::Form* form : menus)
    if (FormWindow* window = WindowOf(*form)) window->RebuildMenus();
}

// Every window is drawn at once, as it stands: a handler that then holds the program leaves
// on the screen what it showed.
void QtView::PaintNow() {
  Flush();
  for (auto& [form, window] : windows_)
    if (!window.isNull() && window->isVisible()) window->repaint();
}

// The operator.

void QtView::AddPart(QObject* part, QWidget* widget) {
  parts_[part] = widget;
  part->installEventFilter(filter_);
}

QWidget* QtView::MainWidgetOf(QObject* object) {
  auto part = parts_.find(object);
  if (part != parts_.end()) return part->second;
  return qobject_cast<QWidget*>(object);
}

forms::Control* QtView::ControlOf(QObject* object) {
  QWidget* widget = MainWidgetOf(object);
  auto it = controls_by_widget_.find(widget);
  if (it == controls_by_widget_.end() || it->second == nullptr) return nullptr;
  auto binding = bindings_.find(it->second);
  return binding == bindings_.end() ? nullptr : binding->second.control;
}

forms::Form* QtView::FormOf(QObject* object) {
  QWidget* widget = MainWidgetOf(object);
  if (controls_by_widget_.count(widget) == 0) return nullptr;
  if (forms::Control* control = ControlOf(object)) return &control->ParentForm();
  auto* window = dynamic_cast<FormWindow*>(widget);
  if (window == nullptr && widget != nullptr) window = dynamic_cast<FormWindow*>(widget->window());
  if (window == nullptr || WindowOf(window->form()) != window) return nullptr;
  return &window->form();
}

// Qt keeps the keys from every window below a modal one (other than the modal window's own
// transient windows).
QWindow* QtView::ModalWindowOver(const forms::Form& form) {
  QWindow* modal = QGuiApplication::modalWindow();
  const FormWindow* window = WindowOf(form);
  const QWindow* handle = window != nullptr ? window->windowHandle() : nullptr;
  if (modal == nullptr || handle == nullptr || modal == handle || modal->isAncestorOf(handle, QWindow::IncludeTransients))
    return nullptr;
  return modal;
}

QWidget* QtView::WindowShownFrom(const forms::Form& form) {
  auto it = shown_from_.find(&form);
  return it == shown_from_.end() ? nullptr : it->second.data();
}

QWidget* QtView::ActiveWindow() {
  const forms::Form* active = app_.ActiveForm();
  FormWindow* window = active != nullptr && active->Visible() ? WindowOf(*active) : nullptr;
  return window != nullptr && window->isVisible() ? window : nullptr;
}

void QtView::AfterEvent(std::function<void()> action) { app_.AfterEvent(std::move(action)); }

void QtView::Act(QObject* source, const std::function<void(forms::Control&)>& action) {
  forms::Control* control = ControlOf(source);
  if (control == nullptr) return;
  Run([&] { action(*control); });
  // Draw again what the action may have left differently from what the widget did.
  if (ControlOf(source) == control) {
    if (QWidget* widget = WidgetOf(*control)) SyncState(*control, *widget);
  }
}

bool QtView::CloseBy(forms::Form& form) {
  bool closed = false;
  loop_.RunFromQt([&] { closed = form.CloseBy(); });
  return closed;
}

void QtView::MouseOnBackgroundBy(forms::Form& form, QEvent::Type type, int button, int shift, QPoint at) {
  const float x = Twips(at.x());
  const float y = Twips(at.y());
  Run([&] {
    if (type == QEvent::MouseButtonPress) form.MouseDownBy(button, shift, x, y);
    else if (type == QEvent::MouseButtonRelease) form.MouseUpBy(button, shift, x, y);
    else form.MouseMoveBy(button, shift, x, y);
  });
}

void QtView::MovedBy(forms::Form& form, QPoint frame_position) {
  Run([&] { form.Move(Twips(frame_position.x()), Twips(frame_position.y()), form.Width(), form.Height()); });
}

void QtView::ResizedBy(forms::Form& form, QSize client) {
  Run([&] { form.SetClientSize(Twips(client.width()), Twips(client.height())); });
}

void QtView::StateChangedBy(forms::Form& form, forms::WindowState state) {
  Run([&] { form.SetWindowState(state); });
}

void QtView::ActivatedBy(forms::Form& form) {
  if (app_.ActiveForm() == &form || !form.Visible()) return;
  Run([&] { form.ActivateBy(); });
}

void QtView::MenuChosenBy(forms::Form& form, forms::Menu& menu) {
  loop_.RunFromQt([&] { menu.ChooseBy(); });
  if (FormWindow* window = WindowOf(form)) window->SyncMenu(menu);
}

}  // namespace ks::qt
