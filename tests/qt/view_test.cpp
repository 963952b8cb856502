// The Qt view on the offscreen platform: what the operator types and clicks reaches the
// model's handlers, and the widgets show what the model then holds.
#include <memory>
#include <stdexcept>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTest>

#include <array>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/listview.h"
#include "platform/io/clock.h"
#include "platform/io/environment.h"
#include "platform/io/settings_store.h"
#include "platform/qt/runtime.h"
#include "platform/qt/view.h"
#include "platform/vb/constants.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

// A small window with the kinds of boxes the program's windows have.
class EntryForm : public forms::Form {
 public:
  explicit EntryForm(forms::Application& app) : forms::Form(app, "EntryForm") {
    SetCaption("Entry");
    Move(0, 0, 6000, 4500);
    txtCall.Move(240, 240, 2400, 315);
    txtSerial.Move(240, 720, 2400, 315);
    lblName.Move(240, 1200, 2400, 315);
    cmdLog.Move(240, 1680, 1215, 495);
    cmdLog.SetCaption("&Log");
    List1.Move(3000, 240, 2400, 2400);
    imgLogo.Move(240, 2400, 1200, 900);
    lvwLog.Move(1800, 2700, 4000, 1500);
    lvwLog.AddColumn("Call", 1500);
    lvwLog.AddColumn("Serial", 900, forms::Alignment::Right);
    lvwLog.ItemClick = [this](int item) { clicked_items.push_back(item); };
    imgLogo.Click = [this] { ++logo_clicks; };
    KeyPreview = true;
    // The call box upper-cases what is typed; the serial box takes digits only.
    txtCall.KeyPress = [this](int& k) {
      call_keys.push_back(k);
      if (k >= 'a' && k <= 'z') k -= 32;
    };
    txtSerial.KeyPress = [](int& k) {
      if (k != vb::vbKeyBack && (k < '0' || k > '9')) k = 0;
    };
    cmdLog.Click = [this] { ++log_clicks; };
    List1.Click = [this] { ++list_clicks; };
    mnuClear.Click = [this] { txtCall.SetText(""); };
    Frame1.Move(3000, 2700, 1500, 900);
    Frame1.SetCaption("Mode");
    optCW.Move(120, 240, 1200, 255);
    optCW.SetCaption("CW");
    optPH.Move(120, 540, 1200, 255);
    optPH.SetCaption("PH");
    optCW.SetValue(true);
    cmdFail.Move(1500, 1680, 1215, 495);
    cmdFail.SetCaption("Fail");
    cmdFail.Click = [] { throw std::runtime_error("The log file is locked."); };
    cboBand.Move(3000, 3700, 1500, 315);
    for (const char* band : {"20", "40", "80"}) cboBand.AddItem(band);
  }
  void Form_KeyDown(int& key_code, int) override { form_keys.push_back(key_code); }
  void Form_MouseMove(int button, int, float x, float y) override {
    background_moves.push_back({button, static_cast<int>(x), static_cast<int>(y)});
  }
  void Form_QueryUnload(int& cancel, forms::UnloadMode) override { cancel = keep_open ? 1 : 0; }

  forms::TextBox txtCall{*this, "txtCall"};
  forms::TextBox txtSerial{*this, "txtSerial"};
  forms::Label lblName{*this, "lblName"};
  forms::CommandButton cmdLog{*this, "cmdLog"};
  forms::ListBox List1{*this, "List1"};
  forms::Image imgLogo{*this, "imgLogo"};
  forms::ListView lvwLog{*this, "lvwLog"};
  forms::Menu mnuEdit{*this, "mnuEdit", nullptr, "&Edit"};
  forms::Menu mnuClear{*this, "mnuClear", &mnuEdit, "&Clear Call"};
  forms::Menu mnuBar{*this, "mnuBar", &mnuEdit, "-"};
  forms::Menu mnuUndo{*this, "mnuUndo", &mnuEdit, "&Undo"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton optCW{*this, "optCW", &Frame1};
  forms::OptionButton optPH{*this, "optPH", &Frame1};
  forms::CommandButton cmdFail{*this, "cmdFail"};
  forms::ControlArray<forms::Label> lblSpot{*this, "lblSpot"};
  forms::ComboBox cboBand{*this, "cboBand"};

  std::vector<int> call_keys;
  std::vector<int> form_keys;
  int log_clicks = 0;
  int list_clicks = 0;
  int logo_clicks = 0;
  std::vector<int> clicked_items;
  std::vector<std::array<int, 3>> background_moves;
  bool keep_open = false;
};

class QtView : public ::testing::Test {
 protected:
  QtView()
      : runtime(std::make_unique<io::VirtualClock>(), std::make_unique<io::MapEnvironment>(),
                std::make_unique<io::IniSettingsStore>(settings.path())) {
    form().Show();
    runtime.view().Flush();
    QApplication::processEvents();  // the window becomes the active one
  }
  EntryForm& form() { return runtime.app().Get<EntryForm>(); }
  template <typename W>
  W* WidgetOf(const forms::Control& c) {
    return dynamic_cast<W*>(runtime.view().WidgetOf(c));
  }
  // A key as the keyboard sends it: its code, the text it types and the modifiers.
  static void Press(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(widget, &release);
  }

  // Lets Qt run what the program posted until no typed key waits (a paste's characters are
  // typed one per event after the paste key).
  void TypeWaitingKeys() {
    for (int i = 0; i < 100 && runtime.app().Keys().Waiting(form()) > 0; ++i) QApplication::processEvents();
  }

  testing::TempDir settings;
  qt::QtRuntime runtime;
};

TEST_F(QtView, TypedKeysGoThroughTheHandlersAndTheBoxShowsWhatTheyLeft) {
  auto* call = WidgetOf<QLineEdit>(form().txtCall);
  ASSERT_NE(call, nullptr);
  form().txtCall.SetFocus();
  Press(call, Qt::Key_K, "k");
  Press(call, Qt::Key_3, "3");
  Press(call, Qt::Key_A, "a");
  EXPECT_EQ(form().call_keys, (std::vector<int>{'k', '3', 'a'}));
  EXPECT_EQ(form().txtCall.Text(), "K3A");
  EXPECT_EQ(call->text(), "K3A");
  EXPECT_EQ(form().form_keys, (std::vector<int>{'K', '3', 'A'}));

  Press(call, Qt::Key_Backspace, "\b");
  EXPECT_EQ(call->text(), "K3");
}

// The edit control's own keys: arrows move the caret and select, Delete deletes; what is
// typed next goes where the operator put the caret.
// Labels of a control array loaded while the window is shown (the band map's spots) reach
// the view whole: each gets a label widget with the caption it was given.
TEST_F(QtView, ControlArrayElementsLoadedAtRunTimeGetTheirOwnWidgets) {
  form().lblSpot.Design(0).Move(240, 3600, 1200, 255);
  for (int i = 1; i <= 3; ++i) {
    forms::Label& spot = form().lblSpot.Load(i);
    spot.SetCaption("K" + std::to_string(i) + "ABC");
    spot.SetVisible(true);
  }
  runtime.view().Flush();
  for (int i = 1; i <= 3; ++i) {
    auto* label = WidgetOf<QLabel>(form().lblSpot(i));
    ASSERT_NE(label, nullptr) << i;
    EXPECT_EQ(label->text().toStdString(), "K" + std::to_string(i) + "ABC");
  }
  form().lblSpot.Unload(2);
  EXPECT_EQ(runtime.view().WidgetOf(form().lblSpot(1)) != nullptr, true);
}

// A label made see-through after it is shown stops painting its background at once (a map's
// hot spots are white name boxes until the window loads).
TEST_F(QtView, ALabelMadeTransparentWhileShownStopsFillingItsBackground) {
  form().lblName.SetBackColor(forms::colors::kWhite);
  runtime.view().Flush();
  auto* label = WidgetOf<QLabel>(form().lblName);
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->autoFillBackground());
  form().lblName.SetTransparent(true);
  runtime.view().Flush();
  EXPECT_FALSE(label->autoFillBackground());
}

TEST_F(QtView, CaretKeysPlaceWhatIsTypedNext) {
  auto* call = WidgetOf<QLineEdit>(form().txtCall);
  form().txtCall.SetFocus();
  QTest::keyClicks(call, "k3abc");
  Press(call, Qt::Key_Left, "");
  Press(call, Qt::Key_Left, "");
  Press(call, Qt::Key_Left, "", Qt::ShiftModifier);
  EXPECT_EQ(form().txtCall.SelStart(), 2);
  EXPECT_EQ(form().txtCall.SelLength(), 1);
  Press(call, Qt::Key_X, "x");
  EXPECT_EQ(form().txtCall.Text(), "K3XBC");
  Press(call, Qt::Key_Delete, "");
  EXPECT_EQ(form().txtCall.Text(), "K3XC");
  EXPECT_EQ(call->text(), "K3XC");
  EXPECT_EQ(call->cursorPosition(), 3);
}

// A key the box's editor leaves alone (Up in a one-line box) does not travel on to the window
// and reach the program a second time; the caret keys it does use are no different.
TEST_F(QtView, EveryKeyInABoxReachesTheWindowOnce) {
  auto* call = WidgetOf<QLineEdit>(form().txtCall);
  form().txtCall.SetFocus();
  QTest::keyClicks(call, "k3abc");
  const std::vector<std::pair<int, int>> keys{
      {Qt::Key_Up, vb::vbKeyUp},       {Qt::Key_Down, vb::vbKeyDown}, {Qt::Key_PageUp, vb::vbKeyPageUp},
      {Qt::Key_PageDown, vb::vbKeyPageDown}, {Qt::Key_Left, vb::vbKeyLeft}, {Qt::Key_Home, vb::vbKeyHome},
      {Qt::Key_F5, vb::vbKeyF1 + 4},   {Qt::Key_Delete, vb::vbKeyDelete}};
  for (const auto& [qt_key, key_code] : keys) {
    form().form_keys.clear();
    Press(call, qt_key, "");
    EXPECT_EQ(form().form_keys, std::vector<int>{key_code}) << "Qt key " << qt_key;
  }
  EXPECT_EQ(form().txtCall.SelStart(), 0) << "Home moved the caret";
  EXPECT_EQ(form().txtCall.Text(), "3ABC");
}

// An editable combo box edits its own text from the keys and tells the model; its arrow keys
// choose the next item, once each.
TEST_F(QtView, AnEditableComboTakesTypedTextAndEachArrowOnce) {
  auto* combo = WidgetOf<QComboBox>(form().cboBand);
  ASSERT_NE(combo, nullptr);
  form().cboBand.SetFocus();
  QTest::keyClicks(combo, "17");
  EXPECT_EQ(form().cboBand.Text(), "17");
  form().cboBand.SetListIndex(0);
  form().form_keys.clear();
  Press(combo, Qt::Key_Down, "");
  EXPECT_EQ(form().cboBand.ListIndex(), 1);
  EXPECT_EQ(form().form_keys, std::vector<int>{vb::vbKeyDown});
}

TEST_F(QtView, DroppedKeyNeverReachesTheBox) {
  auto* serial = WidgetOf<QLineEdit>(form().txtSerial);
  form().txtSerial.SetFocus();
  Press(serial, Qt::Key_X, "x");
  Press(serial, Qt::Key_7, "7");
  Press(serial, Qt::Key_Q, "q");
  EXPECT_EQ(form().txtSerial.Text(), "7");
  EXPECT_EQ(serial->text(), "7");
}

TEST_F(QtView, WindowsCharactersTravelAsTheirBytes) {
  auto* call = WidgetOf<QLineEdit>(form().txtCall);
  form().txtCall.SetFocus();
  Press(call, 0, QString(QChar(0x00E9)));
  Press(call, 0, QString(QChar(0x20AC)));
  EXPECT_EQ(form().call_keys, (std::vector<int>{0xE9, 0x80}));
  EXPECT_EQ(form().txtCall.Text(), "\xE9\x80");
  EXPECT_EQ(call->text(), QString::fromUtf8("\xC3\xA9\xE2\x82\xAC"));

  form().lblName.SetCaption("Caf\xE9 && Bar");
  EXPECT_EQ(WidgetOf<QLabel>(form().lblName)->text(), QString::fromUtf8("Caf\xC3\xA9 & Bar"));
}

TEST_F(QtView, TabAndClicksMoveTheModelsFocusAndRunTheHandlers) {
  auto* call = WidgetOf<QLineEdit>(form().txtCall);
  form().txtCall.SetFocus();
  Press(call, Qt::Key_Tab, "\t");
  EXPECT_EQ(form().ActiveControl(), &form().txtSerial);
  EXPECT_EQ(runtime.view().WindowOf(form())->focusWidget(), runtime.view().WidgetOf(form().txtSerial));

  QTest::mouseClick(runtime.view().WidgetOf(form().cmdLog), Qt::LeftButton);
  EXPECT_EQ(form().log_clicks, 1);
  EXPECT_EQ(form().ActiveControl(), &form().cmdLog);

  // A picture takes no focus; its click reaches the handler.
  QTest::mouseClick(runtime.view().WidgetOf(form().imgLogo), Qt::LeftButton);
  EXPECT_EQ(form().logo_clicks, 1);
  EXPECT_EQ(form().ActiveControl(), &form().cmdLog);
}

TEST_F(QtView, ListRefilledItemByItemIsDrawnOnceAndAClickChoosesThroughTheModel) {
  for (int i = 0; i < 300; ++i) form().List1.AddItem("item " + std::to_string(i));
  auto* list = WidgetOf<QListWidget>(form().List1);
  QApplication::processEvents();
  ASSERT_EQ(list->count(), 300);
  const QPoint row3 = list->visualItemRect(list->item(3)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row3);
  EXPECT_EQ(form().List1.ListIndex(), 3);
  EXPECT_EQ(form().list_clicks, 1);
  QApplication::processEvents();
  EXPECT_EQ(list->currentRow(), 3);
}

TEST_F(QtView, ListViewShowsItsColumnsAndItemsAndAClickPicksTheItem) {
  for (const char* call : {"K3ABC", "W3XYZ", "N3Q"}) {
    const int i = form().lvwLog.AddItem(call);
    form().lvwLog.UpdateItem(i, [i](forms::ListItem& item) { item.SetSubItem(1, std::to_string(i)); });
  }
  QApplication::processEvents();
  auto* tree = WidgetOf<QTreeWidget>(form().lvwLog);
  ASSERT_EQ(tree->topLevelItemCount(), 3);
  EXPECT_EQ(tree->headerItem()->text(1), "Serial");
  EXPECT_EQ(tree->columnWidth(0), 100);
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "W3XYZ");
  EXPECT_EQ(tree->topLevelItem(1)->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignRight);

  const QPoint second = tree->visualItemRect(tree->topLevelItem(1)).center();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, second);
  EXPECT_EQ(form().clicked_items, std::vector<int>{2});
  EXPECT_EQ(form().lvwLog.SelectedIndex(), 2);
  QApplication::processEvents();
  EXPECT_EQ(tree->currentItem(), tree->topLevelItem(1));
}

TEST_F(QtView, TheMouseOverTheBackgroundIsTheWindowsOwnMouseMove) {
  QWidget* canvas = runtime.view().WindowOf(form())->Canvas();
  auto move = [](QWidget* widget, QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  };
  move(canvas, QPoint(190, 150));
  ASSERT_FALSE(form().background_moves.empty());
  EXPECT_EQ(form().background_moves.back(), (std::array<int, 3>{0, 2850, 2250})) << "twips of the inner area";
  const std::size_t before = form().background_moves.size();
  std::vector<std::array<int, 3>> label_moves;
  form().lblName.MouseMove = [&](int button, int, float x, float y) {
    label_moves.push_back({button, static_cast<int>(x), static_cast<int>(y)});
  };
  QWidget* label = runtime.view().WidgetOf(form().lblName);
  EXPECT_TRUE(label->hasMouseTracking()) << "a label hears the mouse pass with no button down";
  move(label, QPoint(5, 5));
  EXPECT_EQ(form().background_moves.size(), before) << "over a control it is not the window's";
  EXPECT_EQ(label_moves, (std::vector<std::array<int, 3>>{{0, 75, 75}})) << "the label's own, in its twips";
  move(canvas, QPoint(250, 200));  // over the list view, as the canvas sees it
  EXPECT_EQ(form().background_moves.size(), before);
}

TEST_F(QtView, MenuItemsFollowTheModelAndChoosingOneRunsItsHandler) {
  form().txtCall.SetText("K3ABC");
  QAction* clear = runtime.view().WindowOf(form())->ActionOf(form().mnuClear);
  ASSERT_NE(clear, nullptr);
  EXPECT_EQ(clear->text(), "&Clear Call");
  form().mnuClear.SetChecked(true);
  EXPECT_TRUE(clear->isChecked());
  clear->trigger();
  EXPECT_EQ(form().txtCall.Text(), "");
  EXPECT_EQ(WidgetOf<QLineEdit>(form().txtCall)->text(), "");
  EXPECT_TRUE(clear->isChecked()) << "the model keeps the check mark";
}

TEST_F(QtView, CloseBoxAsksTheWindowWhichMayRefuse) {
  EntryForm& f = form();
  f.keep_open = true;
  qt::FormWindow* window = runtime.view().WindowOf(f);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_NE(runtime.app().IfLoaded<EntryForm>(), nullptr);

  f.keep_open = false;
  EXPECT_TRUE(window->close());
  EXPECT_EQ(runtime.app().IfLoaded<EntryForm>(), nullptr);
  EXPECT_EQ(runtime.view().WindowOf(f), nullptr);
}

// A window at work shows the hourglass over the whole program, also before it is first shown
// (a window that draws in its load), and never leaves it behind.
TEST_F(QtView, AWindowsHourglassStandsOverTheProgramUntilItsArrowComesBack) {
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    const forms::BusyPointer busy(form());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  form().SetMousePointer(forms::MousePointer::Hourglass);
  form().Unload();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "unloaded while busy";
}

// The focus shows on every kind that takes it: a focused button is drawn differently.
TEST_F(QtView, TheFocusedButtonIsDrawnWithItsFocus) {
  QWidget* button = runtime.view().WidgetOf(form().cmdLog);
  form().txtCall.SetFocus();
  QApplication::processEvents();
  const QImage unfocused = button->grab().toImage();
  form().cmdLog.SetFocus();
  QApplication::processEvents();
  ASSERT_TRUE(button->hasFocus());
  EXPECT_NE(button->grab().toImage(), unfocused);
}

TEST_F(QtView, ArrowKeysChooseWithinAnOptionGroupAndTabSelectsABoxsText) {
  auto* cw = WidgetOf<QRadioButton>(form().optCW);
  auto* ph = WidgetOf<QRadioButton>(form().optPH);
  form().optCW.SetFocus();
  Press(cw, Qt::Key_Down, "");
  EXPECT_TRUE(form().optPH.Value());
  EXPECT_TRUE(ph->isChecked());
  EXPECT_FALSE(cw->isChecked());
  EXPECT_TRUE(ph->hasFocus());

  auto* call = WidgetOf<QLineEdit>(form().txtCall);
  auto* serial = WidgetOf<QLineEdit>(form().txtSerial);
  form().txtSerial.SetText("0");
  form().txtCall.SetFocus();
  Press(call, Qt::Key_Tab, "\t");
  EXPECT_EQ(serial->selectedText(), "0");
  Press(serial, Qt::Key_5, "5");
  EXPECT_EQ(form().txtSerial.Text(), "5");
  EXPECT_EQ(serial->text(), "5");
}

TEST_F(QtView, MenuSeparatorsAreLinesWithoutACaption) {
  QAction* bar = runtime.view().WindowOf(form())->ActionOf(form().mnuBar);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isSeparator());
  EXPECT_TRUE(bar->text().isEmpty());
}

TEST_F(QtView, AFixedSizeWindowHasNoMaximizeButtonAndKeepsItsSize) {
  qt::FormWindow* window = runtime.view().WindowOf(form());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

// A window laid over the work area (as the Taskbar mode lays the main window) keeps its
// frame, title bar included, on the work area.
TEST_F(QtView, AWindowOverTheWorkAreaKeepsItsFrameOnIt) {
  const forms::Screen& screen = runtime.app().GetScreen();
  form().Move(screen.work_left, screen.work_top, screen.work_width, screen.work_height);
  QApplication::processEvents();
  qt::FormWindow* window = runtime.view().WindowOf(form());
  const QRect work = window->screen()->availableGeometry();
  EXPECT_TRUE(work.contains(window->frameGeometry())) << "frame " << window->frameGeometry().x() << ","
                                                      << window->frameGeometry().y();
  EXPECT_EQ(window->frameGeometry().topLeft(), work.topLeft());
}

// An error that escapes a handler is shown to the operator, titled with the program's name,
// and the program goes on.
TEST_F(QtView, AFailingHandlerIsShownInAMessageBoxAndTheProgramGoesOn) {
  QString title, text;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      title = box->windowTitle();
      text = box->text();
      box->accept();
    }
  });
  QTest::mouseClick(runtime.view().WidgetOf(form().cmdFail), Qt::LeftButton);
  EXPECT_EQ(title, "Keystone");
  EXPECT_TRUE(text.contains("EntryForm")) << text.toStdString();
  EXPECT_TRUE(text.contains("The log file is locked.")) << text.toStdString();

  QTest::mouseClick(runtime.view().WidgetOf(form().cmdLog), Qt::LeftButton);
  EXPECT_EQ(form().log_clicks, 1);
}

// What the operator sees in a box is what is stored: a character that Windows-1252 cannot
// hold is refused as it is typed, and a clipboard text holding one is not pasted.
TEST_F(QtView, CharactersWindows1252CannotHoldAreRefusedTypedOrPasted) {
  auto* call = WidgetOf<QLineEdit>(form().txtCall);
  form().txtCall.SetFocus();
  Press(call, Qt::Key_S, "s");
  Press(call, 0, QString(QChar(0x0142)));
  Press(call, 0, QString::fromUtf8("\xF0\x9F\x93\xBB"));
  EXPECT_EQ(form().txtCall.Text(), "S");
  EXPECT_EQ(call->text(), "S");

  QGuiApplication::clipboard()->setText(QString::fromUtf8("P5\xC5\x81"));
  Press(call, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
  TypeWaitingKeys();
  EXPECT_EQ(form().txtCall.Text(), "S");
  EXPECT_EQ(call->text(), "S");
  QGuiApplication::clipboard()->setText(QString::fromUtf8("P5\xC3\x9C"));
  Press(call, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
  TypeWaitingKeys();
  EXPECT_EQ(form().txtCall.Text(), "SP5\xDC");
  EXPECT_EQ(call->text(), QString::fromUtf8("SP5\xC3\x9C"));
}

// A window shown modally whose timer ends the program: the end leaves the nested loop and
// the program's loop, and nothing after the modal display runs.
class EndingForm : public forms::Form {
 public:
  explicit EndingForm(forms::Application& app) : forms::Form(app, "EndingForm") {
    Timer1.Tick = [this] { App().End(); };
  }
  forms::Timer Timer1{*this, "Timer1", 10, true};
};

TEST(QtLoop, EndInAModalWindowEndsTheProgramFromTheNestedLoop) {
  testing::TempDir settings;
  qt::QtRuntime runtime(std::make_unique<io::VirtualClock>(), std::make_unique<io::MapEnvironment>(),
                        std::make_unique<io::IniSettingsStore>(settings.path()));
  bool went_on = false;
  const int status = runtime.Run([&] {
    runtime.app().Get<EndingForm>().ShowModal();
    went_on = true;
  });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(runtime.app().Ended());
  EXPECT_FALSE(went_on);
  EXPECT_TRUE(runtime.app().LoadedForms().empty());
}

}  // namespace
}  // namespace ks
