#include "platform/qt/form_window.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include "platform/qt/access_keys.h"
#include "platform/qt/appearance.h"
#include "platform/qt/cp1252.h"
#include "platform/qt/keys.h"

namespace ks::qt {
namespace {

std::vector<forms::Menu*> ChildMenus(const forms::Form& form, const forms::Menu* parent) {
  std::vector<forms::Menu*> items;
  for (forms::Control* c : form.Controls())
    if (c->Kind() == forms::ControlKind::Menu && static_cast<forms::Menu*>(c)->ParentMenu() == parent)
      items.push_back(static_cast<forms::Menu*>(c));
  return items;
}

}  // namespace

FormWindow::FormWindow(forms::Form& form, WindowEvents& events)
    : QMainWindow(nullptr), form_(form), events_(&events), canvas_(new QWidget(this)) {
  setCentralWidget(canvas_);
  canvas_->setFocusPolicy(Qt::StrongFocus);
  // Moves over the background are the window's own mouse events, with or without a button.
  canvas_->setMouseTracking(true);
  canvas_->installEventFilter(this);
  setAttribute(Qt::WA_DeleteOnClose, false);
  SyncCaption();
  SyncFont();
  SyncColors();
}

bool FormWindow::Frameless() const { return form_.Caption().empty() && !form_.ControlBox; }

void FormWindow::SyncFlags(bool modal) {
  if (isVisible()) return;
  Qt::WindowFlags flags = Qt::Window;
  if (Frameless()) {
    flags |= Qt::FramelessWindowHint;
  } else if (!form_.ControlBox) {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  } else if (!form_.Resizable || !form_.MinButton || !form_.MaxButton) {
    // A window of fixed size offers no maximize button; any window may go without either box.
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (form_.MinButton) flags |= Qt::WindowMinimizeButtonHint;
    if (form_.MaxButton && form_.Resizable) flags |= Qt::WindowMaximizeButtonHint;
  }
  if (!form_.ShowInTaskbar) flags |= Qt::Tool;
  setWindowFlags(flags);
  setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
}

int FormWindow::MenuBarHeight() {
  QMenuBar* bar = qobject_cast<QMenuBar*>(menuWidget());
  return bar != nullptr && !bar->isHidden() ? bar->sizeHint().height() : 0;
}

void FormWindow::SyncGeometry() {
  const bool frameless = Frameless();
  const int width = Px(frameless ? form_.Width() : form_.ScaleWidth());
  const int height = Px(frameless ? form_.Height() : form_.ScaleHeight()) + MenuBarHeight();
  syncing_ = true;
  if (form_.Resizable) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(width, height);
  } else {
    setFixedSize(width, height);
  }
  PlaceFrame(QPoint(Px(form_.Left()), Px(form_.Top())));
  syncing_ = false;
}

// The model's left and top are those of the frame: the title bar and borders stay where the
// window was placed (on the work area), whatever the window manager's frame measures. A
// window not shown yet takes its place before it is mapped, so the window manager places it
// there rather than by its own rule; a shown one that already stands there is left alone, so
// a move the operator made is not requested again.
void FormWindow::PlaceFrame(QPoint frame_at) {
  if (isVisible() && pos() == frame_at && !placing_) return;
  placing_ = frame_at;
  placing_since_.start();
  if (QWindow* handle = windowHandle()) {
    handle->setFramePosition(frame_at);
  } else {
    move(frame_at);
  }
}

// Whether a move the window system reports is a step of the window manager's placing rather
// than the operator's: any report before the frame stands where it was put, within the time
// a window manager takes to place it.
bool FormWindow::IsPlacementStep(QPoint frame_at) {
  constexpr qint64 kPlacingMs = 1500;
  if (!placing_) return false;
  const bool arrived = frame_at == *placing_;
  if (arrived || placing_since_.elapsed() > kPlacingMs) placing_.reset();
  return arrived || placing_.has_value();
}

QMargins FormWindow::FrameMargins() const {
  if (Frameless()) return {};
  const int border = Px(forms::Form::kBorderWidth);
  const QMargins allowed(border, Px(forms::Form::kCaptionHeight) + border, border, border);
  const QWindow* handle = windowHandle();
  if (handle == nullptr) return allowed;
  const QMargins real = handle->frameMargins();
  return {std::max(real.left(), allowed.left()), std::max(real.top(), allowed.top()),
          std::max(real.right(), allowed.right()), std::max(real.bottom(), allowed.bottom())};
}

void FormWindow::SyncCaption() { setWindowTitle(FromCp1252(form_.Caption())); }

void FormWindow::SyncFont() { canvas_->setFont(QFontOf(form_.GetFont(), *canvas_)); }

void FormWindow::SyncColors() {
  ApplyColors(*canvas_, forms::colors::kWindowText, form_.BackColor(), true);
}

void FormWindow::SyncWindowState() {
  if (!isVisible()) return;
  syncing_ = true;
  switch (form_.GetWindowState()) {
    case forms::WindowState::Minimized: showMinimized(); break;
    case forms::WindowState::Maximized:
      setMinimumSize(0, 0);
      setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      showMaximized();
      break;
    case forms::WindowState::Normal:
      showNormal();
      SyncGeometry();
      break;
  }
  syncing_ = false;
}

void FormWindow::SyncAction(const forms::Menu& menu, QAction& action) {
  // A separator is drawn as a line, without its "-" caption.
  action.setSeparator(menu.IsSeparator() && action.menu() == nullptr);
  action.setText(menu.IsSeparator() ? QString() : FromCp1252(menu.Caption()));
  action.setVisible(menu.Visible());
  action.setEnabled(menu.Enabled());
  if (action.menu() == nullptr) {
    action.setCheckable(menu.Checked());
    action.setChecked(menu.Checked());
  }
  action.setShortcut(QKeySequence(QString::fromStdString(menu.Shortcut())));
}

QAction* FormWindow::AddMenuItem(QWidget* container, forms::Menu& menu) {
  auto* bar = qobject_cast<QMenuBar*>(container);
  auto* parent_menu = qobject_cast<QMenu*>(container);
  const std::vector<forms::Menu*> children = ChildMenus(form_, &menu);
  QAction* action = nullptr;
  if (!children.empty()) {
    auto* sub = new QMenu(container);
    action = sub->menuAction();
    if (bar != nullptr) bar->addMenu(sub); else parent_menu->addMenu(sub);
    // Opening a menu is its Click, as the toolkit raises it.
    connect(sub, &QMenu::aboutToShow, this, [this, m = &menu] {
      if (events_ != nullptr && actions_.count(m) != 0) events_->MenuChosenBy(form_, *m);
    });
    for (forms::Menu* child : children) AddMenuItem(sub, *child);
  } else {
    action = new QAction(container);
    container->addAction(action);
    connect(action, &QAction::triggered, this, [this, m = &menu] {
      if (events_ != nullptr && actions_.count(m) != 0) events_->MenuChosenBy(form_, *m);
    });
  }
  actions_[&menu] = action;
  SyncAction(menu, *action);
  return action;
}

void FormWindow::RebuildMenus() {
  const std::vector<forms::Menu*> top = ChildMenus(form_, nullptr);
  actions_.clear();
  if (top.empty()) {
    if (QWidget* old = menuWidget()) old->hide();
    return;
  }
  auto* bar = new QMenuBar(this);
  KeepKeysOutOfMenuBar(*bar);
  setMenuBar(bar);  // the old bar goes
  for (forms::Menu* m : top) AddMenuItem(bar, *m);
  bar->setVisible(form_.HasMenuBar());
  if (isVisible()) SyncGeometry();
}

bool FormWindow::SyncMenu(const forms::Menu& menu) {
  QAction* action = ActionOf(menu);
  if (action == nullptr) return false;
  SyncAction(menu, *action);
  if (menu.ParentMenu() == nullptr) {
    if (QWidget* bar = menuWidget()) {
      const bool shown = form_.HasMenuBar();
      if (bar->isHidden() == shown) {
        bar->setVisible(shown);
        if (isVisible()) SyncGeometry();
      }
    }
  }
  return true;
}

void FormWindow::ForgetMenu(const forms::Control* menu) { actions_.erase(menu); }

QAction* FormWindow::ActionOf(const forms::Menu& menu) const {
  auto it = actions_.find(&menu);
  return it == actions_.end() ? nullptr : it->second;
}

void FormWindow::Detach() {
  events_ = nullptr;
  actions_.clear();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (events_ == nullptr || events_->CloseBy(form_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (syncing_ || events_ == nullptr || !isVisible() || !event->spontaneous()) return;
  if (!IsPlacementStep(pos())) events_->MovedBy(form_, pos());
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!syncing_ && events_ != nullptr && isVisible() && event->spontaneous() && form_.Resizable)
    events_->ResizedBy(form_, canvas_->size());
}

void FormWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || syncing_ || events_ == nullptr || !event->spontaneous()) return;
  const Qt::WindowStates state = windowState();
  // A window manager that draws a minimize box on every window (or minimizes by a key) is
  // refused for a window that has none.
  if ((state & Qt::WindowMinimized) && !form_.MinButton) {
    QTimer::singleShot(0, this, [this] { showNormal(); });
    return;
  }
  events_->StateChangedBy(form_, state & Qt::WindowMinimized   ? forms::WindowState::Minimized
                                 : state & Qt::WindowMaximized ? forms::WindowState::Maximized
                                                               : forms::WindowState::Normal);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == canvas_ && events_ != nullptr &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseMove)) {
    const auto& mouse = static_cast<QMouseEvent&>(*event);
    // A control's own mouse events that it leaves unhandled reach the canvas too; only
    // those over no control are the window's.
    if (canvas_->childAt(mouse.position().toPoint()) != nullptr) return QMainWindow::eventFilter(watched, event);
    events_->MouseOnBackgroundBy(form_, type, ButtonsOf(type == QEvent::MouseMove ? mouse.buttons() : Qt::MouseButtons(mouse.button())),
                                 ShiftOf(mouse.modifiers()), mouse.position().toPoint());
  }
  return QMainWindow::eventFilter(watched, event);
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && events_ != nullptr) events_->ActivatedBy(form_);
  return QMainWindow::event(event);
}

}  // namespace ks::qt
