#pragma once
// The top-level window of a form: its canvas (the client area, where the controls stand at
// their twip positions), its caption, size, place, window state and menu bar.
#include <functional>
#include <optional>
#include <unordered_map>

#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMargins>
#include <QPoint>
#include <QSize>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

class QAction;
class QMenu;

namespace ks::qt {

// What the operator does to a window, for the view to carry into the model.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual bool CloseBy(forms::Form& form) = 0;                  // true when the window went
  virtual void MovedBy(forms::Form& form, QPoint frame_position) = 0;
  virtual void ResizedBy(forms::Form& form, QSize client) = 0;
  virtual void StateChangedBy(forms::Form& form, forms::WindowState state) = 0;
  virtual void ActivatedBy(forms::Form& form) = 0;
  virtual void MenuChosenBy(forms::Form& form, forms::Menu& menu) = 0;
  // The mouse on the window's background: a press, a release or a move.
  virtual void MouseOnBackgroundBy(forms::Form& form, QEvent::Type type, int button, int shift, QPoint at) = 0;
};

class FormWindow final : public QMainWindow {
 public:
  FormWindow(forms::Form& form, WindowEvents& events);

  forms::Form& form() const { return form_; }
  QWidget* Canvas() const { return canvas_; }

  // Window flags follow the form's caption, control box and task-bar settings; they are set
  // while the window is hidden.
  void SyncFlags(bool modal);
  void SyncGeometry();
  void SyncCaption();
  void SyncFont();
  void SyncColors();
  void SyncWindowState();
  // The frame round the client area, each side the wider of the window manager's own (once
  // it has framed the window; a platform that draws none reports none or a token one) and
  // the caption and borders that the model's outer size allows for. A window without caption
  // and control box has none.
  QMargins FrameMargins() const;

  // Menus: the bar is rebuilt when items come or go, an item is redrawn in place otherwise.
  void RebuildMenus();
  bool SyncMenu(const forms::Menu& menu);
  void ForgetMenu(const forms::Control* menu);
  QAction* ActionOf(const forms::Menu& menu) const;
  // The window stays only until it is deleted; it tells the model nothing more.
  void Detach();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Frameless() const;
  int MenuBarHeight();
  void PlaceFrame(QPoint frame_at);
  bool IsPlacementStep(QPoint frame_at);
  QAction* AddMenuItem(QWidget* container, forms::Menu& menu);
  void SyncAction(const forms::Menu& menu, QAction& action);

  forms::Form& form_;
  WindowEvents* events_;
  QWidget* canvas_;
  bool syncing_ = false;
  // Where the view last put the frame, until the window manager reports it there: the moves
  // it reports meanwhile are its own steps (reparenting, placing) or late echoes of earlier
  // requests, not the operator's.
  std::optional<QPoint> placing_;
  QElapsedTimer placing_since_;
  std::unordered_map<const forms::Control*, QAction*> actions_;
};

}  // namespace ks::qt
