#pragma once
// A window: design geometry in twips, caption, font, visibility and window state, key
// preview, the ordered control collection, focus, and the load, unload, activate and
// query-unload events. Each window of the program derives from Form and holds its controls
// as members; its handlers are member functions wired to the controls' events.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/key_queue.h"
#include "platform/forms/types.h"

namespace ks::forms {

class Application;
class CommandButton;
class Menu;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// The mouse pointer over a window: the arrow, or the hourglass while the window is busy.
enum class MousePointer { Default = 0, Hourglass = 11 };

// Why a window is being unloaded (the toolkit's UnloadMode).
enum class UnloadMode { CloseBox = 0, Code = 1, AppEnding = 2 };

class Form {
 public:
  Form(Application& app, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& App() const { return app_; }
  const std::string& Name() const { return name_; }

  // Properties.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void SetLeft(float v);
  void SetTop(float v);
  void SetWidth(float v);
  void SetHeight(float v);
  void Move(float left, float top, float width, float height);
  // The inner (client) area, the outer size less the borders, caption and menu bar.
  float ScaleWidth() const;
  float ScaleHeight() const;
  // Sets the outer size so that the inner area has the given size.
  void SetClientSize(float width, float height);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  float FontSize() const { return font_.size; }
  void SetFontSize(float size);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  WindowState GetWindowState() const { return window_state_; }
  void SetWindowState(WindowState s);
  MousePointer GetMousePointer() const { return mouse_pointer_; }
  void SetMousePointer(MousePointer p);
  bool Visible() const { return visible_; }
  bool KeyPreview = false;
  bool ShowInTaskbar = true;
  bool ControlBox = true;
  bool Resizable = false;
  // The caption bar's minimize and maximize boxes; a window of fixed size offers no maximize
  // box whatever this says.
  bool MinButton = true;
  bool MaxButton = true;
  // Laid out over the whole screen on purpose, the window may stand over the task bar; every
  // other window is kept inside the work area whenever it is shown (KeepWithinScreen).
  bool CoversTaskbar = false;
  // A window that stays loaded for the whole run: its close box hides it as Hide does, and
  // everything it holds stays for its next showing. No query-unload or unload event runs;
  // Unload (by code, or at the program's end) still unloads it with its events.
  bool CloseBoxHides = false;
  bool HasMenuBar() const;
  // The menu of the menu bar whose access key is `letter` (upper case), shown and enabled;
  // null when there is none.
  Menu* MenuOfAccessKey(char letter) const;
  // The command button whose caption's access key is `letter` (upper case), shown and
  // enabled with its containers; null when there is none.
  CommandButton* ButtonOfAccessKey(char letter) const;
  // The frame that the outer size allows for, in twips: a 4-pixel border round the window,
  // an 18-pixel caption and, when it has a menu, a 20-pixel menu bar; a 9480 x 6510 inner
  // area with a menu bar makes a window of 9600 x 7200, the whole design screen.
  static constexpr float kBorderWidth = 60;
  static constexpr float kCaptionHeight = 270;
  static constexpr float kMenuBarHeight = 300;

  // The ordered control collection (nested controls included), in creation order.
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FindControl(const std::string& name, int index = -1) const;
  Control* ActiveControl() const { return active_; }

  // Display. Show loads the window when needed; ShowModal returns once the window is hidden
  // or unloaded. Hide ends a modal display.
  void Show();
  void ShowModal();
  void Hide();
  bool IsModal() const { return modal_depth_ > 0; }
  // Unloads the window (query-unload and unload events first; either may cancel).
  // Returns false when cancelled.
  bool Unload();
  bool IsLoaded() const { return loaded_; }

  // What the operator does to the window itself.
  // The close box: unloads the window (its events may refuse), or hides it when
  // CloseBoxHides is set. True when the window left the screen.
  bool CloseBy();
  void ActivateBy();
  // The mouse on the window's own background (not over a control); x, y in twips of the
  // inner area. A left press and release there is a click on the window.
  void MouseDownBy(int button, int shift = 0, float x = 0, float y = 0);
  void MouseUpBy(int button, int shift = 0, float x = 0, float y = 0);
  void MouseMoveBy(int button, int shift = 0, float x = 0, float y = 0);

  // Keys: the operator types on the focused control (or on the window when none has focus).
  // key_code is the key (vbKey...), key_ascii the character it types (0 for none). A key
  // typed while the window holds its keys waits its turn (key_queue.h).
  void TypeKey(int key_code, int key_ascii, int shift = 0);
  // A key the operator typed, as a view takes it: `strike` does the key (KeyStroke and what
  // the view's widget adds), now or when the key's turn comes.
  void TakeKey(int key_code, int key_ascii, int shift, std::function<void()> strike);
  // One keystroke now, in the toolkit's order, on the control that has the focus.
  void KeyStroke(int key_code, int key_ascii, int shift);
  // While the hold lives, the keys typed into this window wait.
  KeyHold HoldKeys();
  // Types the characters of `text` one keystroke at a time.
  void TypeText(const std::string& text);
  // Presses a key that types no character (F1, arrows ...), or Enter, Esc, Backspace.
  void PressKey(int key_code, int shift = 0);
  // The Tab key: the focus moves to the next (or, with shift, previous) tab stop.
  void TabBy(bool backwards = false);

  // Events.
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  virtual void Form_QueryUnload(int& cancel, UnloadMode mode) {}
  virtual void Form_Unload(int& cancel) {}
  virtual void Form_Resize() {}
  virtual void Form_KeyDown(int& key_code, int shift) {}
  virtual void Form_KeyPress(int& key_ascii) {}
  virtual void Form_KeyUp(int& key_code, int shift) {}
  virtual void Form_Click() {}
  virtual void Form_MouseDown(int button, int shift, float x, float y) {}
  virtual void Form_MouseUp(int button, int shift, float x, float y) {}
  virtual void Form_MouseMove(int button, int shift, float x, float y) {}

  // Runtime plumbing (used by the application, controls and views).
  void RegisterControl(Control* c);
  void UnregisterControl(Control* c);
  // By Tab (or Shift+Tab), a text box's whole text is selected as the focus arrives.
  void MoveFocusTo(Control* c, bool by_tab = false);
  void NotifyControl(Control& c, Property p);
  // Tells the view of the controls made since the window loaded.
  void AnnounceAddedControls();
  void Notify(Property p);
  int NextZOrder() { return ++z_counter_; }
  void MarkLoaded();
  void MarkUnloaded();
  CommandButton* DefaultButton() const;
  CommandButton* CancelButton() const;
  // The next control that can take the focus after `from` in tab order. An option group is
  // one stop: its chosen option, or its first when none is chosen.
  Control* NextTabStop(Control* from, bool backwards) const;

 private:
  Application& app_;
  std::string name_;
  std::string caption_;
  float left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  Font font_;
  Color back_color_ = colors::kButtonFace;
  WindowState window_state_ = WindowState::Normal;
  MousePointer mouse_pointer_ = MousePointer::Default;
  bool visible_ = false;
  bool loaded_ = false;
  int modal_depth_ = 0;
  std::vector<Control*> controls_;
  std::vector<Control*> added_;  // made while loaded, not yet shown to the view
  Control* active_ = nullptr;
  Control* arriving_ = nullptr;  // the control whose GotFocus is still to come
  int z_counter_ = 0;
  friend class Application;
};

// The hourglass over `form` while the holder lives; the pointer it found comes back on every
// way out.
class BusyPointer {
 public:
  explicit BusyPointer(Form& form) : form_(form), before_(form.GetMousePointer()) {
    form_.SetMousePointer(MousePointer::Hourglass);
  }
  ~BusyPointer() { form_.SetMousePointer(before_); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Form& form_;
  MousePointer before_;
};

}  // namespace ks::forms
