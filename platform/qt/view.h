#pragma once
// The Qt view of the window runtime: one FormWindow per loaded form, one widget per control,
// drawn from the model's change notices and carrying the operator's actions back into it.
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <QObject>
#include <QPointer>

#include "platform/forms/view.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/form_window.h"
#include "platform/qt/input_filter.h"

class QMenu;
class QScreen;

namespace ks::forms {
class Application;
}

namespace ks::qt {

class QtEventLoop;

class QtView final : public QObject,
                     public forms::View,
                     private OperatorInput,
                     private InputRouter,
                     private WindowEvents {
 public:
  QtView(forms::Application& app, QtEventLoop& loop);
  ~QtView() override;

  void FormShown(forms::Form& form, bool modal) override;
  void FormHidden(forms::Form& form) override;
  void FormUnloaded(forms::Form& form) override;
  void FormChanged(forms::Form& form, forms::Property what) override;
  void ControlChanged(forms::Control& control, forms::Property what) override;
  void ControlAdded(forms::Control& control) override;
  void ControlRemoved(forms::Control& control) override;
  void FocusChanged(forms::Form& form, forms::Control* control) override;
  void PaintNow() override;

  // The widget that shows a control, the window of a form (null when there is none).
  QWidget* WidgetOf(const forms::Control& control) const;
  FormWindow* WindowOf(const forms::Form& form) const;
  // Draws every change that is still waiting.
  void Flush();
  // Appends a line for each window shown (its name) and each message or input box (its
  // kind and title) to `file`; empty: none.
  void SetTraceFile(std::filesystem::path file) { trace_file_ = std::move(file); }
  void Trace(const std::string& line) const;

  // The screen in twips, from Qt's primary screen.
  static forms::Screen ScreenOf(const QScreen* screen);

 private:
  struct Binding {
    forms::Control* control = nullptr;
    QPointer<QWidget> widget;
    unsigned pending = 0;  // properties waiting for the next pass of the loop
  };

  // OperatorInput
  void Act(QObject* source, const std::function<void(forms::Control&)>& action) override;
  void AddPart(QObject* part, QWidget* widget) override;
  // InputRouter
  forms::Form* FormOf(QObject* object) override;
  forms::Control* ControlOf(QObject* object) override;
  QWidget* MainWidgetOf(QObject* object) override;
  QWidget* WidgetOfControl(const forms::Control& control) override { return WidgetOf(control); }
  void ShowFocus(forms::Form& form) override;
  bool KeyToOpenMenu(forms::Form& form, QKeyEvent& key) override;
  void AccessKeyBy(forms::Form& form, char letter) override;
  QWindow* ModalWindowOver(const forms::Form& form) override;
  QWidget* WindowShownFrom(const forms::Form& form) override;
  QWidget* ActiveWindow() override;
  void AfterEvent(std::function<void()> action) override;
  QtEventLoop& Loop() override { return loop_; }
  // WindowEvents
  bool CloseBy(forms::Form& form) override;
  void MouseOnBackgroundBy(forms::Form& form, QEvent::Type type, int button, int shift, QPoint at) override;
  void MovedBy(forms::Form& form, QPoint frame_position) override;
  void ResizedBy(forms::Form& form, QSize client) override;
  void StateChangedBy(forms::Form& form, forms::WindowState state) override;
  void ActivatedBy(forms::Form& form) override;
  void MenuChosenBy(forms::Form& form, forms::Menu& menu) override;

  FormWindow& WindowFor(forms::Form& form);
  QMenu* OpenMenuOf(forms::Form& form);
  void Bind(forms::Control& control);
  void Unbind(const forms::Control& control);
  void Restack(const forms::Control& control);
  void RestackNow(const forms::Control& control);
  void Defer(Binding& binding, forms::Property what);
  void ScheduleFlush();
  void Run(const std::function<void()>& action);
  void EndWhenNoWindowIsLoaded();
  // The hourglass over the whole program while any window's pointer is the hourglass.
  void SyncBusyPointer(const forms::Form& form, bool busy);

  forms::Application& app_;
  QtEventLoop& loop_;
  InputFilter* filter_;
  std::unordered_map<const forms::Control*, Binding> bindings_;
  std::unordered_map<const QObject*, QWidget*> parts_;  // inner objects to their main widget
  std::unordered_map<const QObject*, const forms::Control*> controls_by_widget_;
  std::unordered_map<const forms::Form*, QPointer<FormWindow>> windows_;
  // The window that was active when each window was last shown.
  std::unordered_map<const forms::Form*, QPointer<FormWindow>> shown_from_;
  std::vector<const forms::Control*> dirty_;
  std::vector<const forms::Form*> menus_to_build_;
  std::vector<const forms::Control*> stacks_to_order_;  // one control of each container to restack
  bool flush_scheduled_ = false;
  std::vector<const forms::Form*> busy_forms_;
  std::filesystem::path trace_file_;
};

}  // namespace ks::qt
