// The tool windows that stay loaded for the run, closed by the close box of their Qt window
// and opened again by the keys typed into the main window: each comes back with its boxes
// as the operator left them and F1 still keys; a speed typed there that the engine does not
// key; and the main window closed while F1's message is being sent, which ends the program
// with the keying line up.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "keying/keying_devices.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmWinKey.h"
#include "mainwin/windows/Infrm.h"
#include "platform/qt/event_loop.h"
#include "platform/qt/form_window.h"
#include "spots/windows/PacketSpotfrm.h"
#include "station/station_settings.h"
#include "tests/keying/keying_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"

namespace ks::testing {
namespace {

class TypedToolWindows : public ::testing::Test {
 protected:
  TypedToolWindows() : bench(1366, 768) {
    // The program's DoEvents lets Qt deliver what waits in its queue, as the real loop does.
    bench.headless().loop().AlsoRunInDoEvents([this] { bench.qt_loop().DoEvents(); });
    StationSettings& s = bench.app().State<StationSettings>();
    s.Rover = 0;
    s.CurrentMode = "CW";
    auto owned = std::make_unique<RecordingDevices>(bench.app(), bench.headless().clock());
    devices = owned.get();
    UseKeyingDevices(bench.app(), std::move(owned));
    main_ = &bench.app().Get<Infrm>();
    main().Show();
    main().txtCall.SetFocus();
    keys.Settle();
  }
  Infrm& main() { return *main_; }
  CWFrm& cw() { return bench.app().Get<CWFrm>(); }
  // Ctrl and a letter typed into the main window.
  void Ctrl(char letter) {
    keys.Key(main(), Qt::Key_A + (letter - 'A'), QString(QChar(letter - 'A' + 1)), Qt::ControlModifier);
  }
  // The close box of the window's title bar, as the window system delivers it.
  bool CloseBox(const forms::Form& form) {
    qt::FormWindow* window = bench.view().WindowOf(form);
    if (window == nullptr) return false;
    const bool closed = window->close();
    keys.Settle();
    return closed;
  }
  bool OnScreen(const forms::Form& form) {
    const qt::FormWindow* window = bench.view().WindowOf(form);
    return window != nullptr && window->isVisible();
  }
  QString Shown(const forms::TextBox& box) {
    auto* edit = dynamic_cast<QLineEdit*>(bench.view().WidgetOf(box));
    return edit != nullptr ? edit->text() : QString("(no box)");
  }
  // A click near the left end of the control: on an option button's circle.
  void Click(const forms::Control& control) {
    QWidget* widget = bench.view().WidgetOf(control);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    keys.Settle();
  }
  // The F1 message "E" on the parallel port, typed into the CW window opened by Ctrl+S.
  void TypeTheFirstMessage(const std::string& text) {
    Ctrl('S');
    ASSERT_TRUE(OnScreen(cw()));
    ASSERT_EQ(keys.Focused(cw()), bench.view().WidgetOf(cw().Text1));
    keys.Type(cw(), text);
    Click(cw().Option3);
    ASSERT_EQ(bench.app().State<KeyingState>().CWKeying, kKeyingParallel);
  }
  std::string MessageShown() {
    bench.view().Flush();
    return dynamic_cast<QLabel*>(bench.view().WidgetOf(main().lblDialog))->text().toStdString();
  }
  int KeyDowns() const {
    return static_cast<int>(std::count_if(devices->transitions.begin(), devices->transitions.end(),
                                          [](const Transition& t) { return t.down; }));
  }

  FitBench bench;
  TypedKeys keys{bench};
  RecordingDevices* devices = nullptr;
  Infrm* main_ = nullptr;
};

TEST_F(TypedToolWindows, TheCWWindowsCloseBoxHidesItAndItsMessageStillKeys) {
  TypeTheFirstMessage("e");
  EXPECT_TRUE(CloseBox(cw()));
  EXPECT_FALSE(OnScreen(cw()));
  ASSERT_NE(bench.app().IfLoaded<CWFrm>(), nullptr);
  Ctrl('S');
  ASSERT_TRUE(OnScreen(cw()));
  EXPECT_EQ(Shown(cw().Text1), "E");
  EXPECT_TRUE(dynamic_cast<QRadioButton*>(bench.view().WidgetOf(cw().Option3))->isChecked());
  EXPECT_TRUE(CloseBox(cw()));
  keys.Key(main(), Qt::Key_F1);
  EXPECT_EQ(KeyDowns(), 1);
  ASSERT_FALSE(devices->transitions.empty());
  EXPECT_FALSE(devices->transitions.back().down);
}

// The voice keyer, the spotting window and the WinKeyer window (shown modally by the CW
// window's "Configure Winkey") closed by their close box and opened again.
TEST_F(TypedToolWindows, EachWindowThatStaysLoadedComesBackFromItsCloseBoxAsItWasLeft) {
  PhoneFrm& phone = bench.app().Get<PhoneFrm>();
  PacketSpotfrm& spotting = bench.app().Get<PacketSpotfrm>();
  frmWinKey& winkey = bench.app().Get<frmWinKey>();
  using Act = std::function<void()>;
  const struct {
    forms::Form& window;
    forms::TextBox& box;
    std::function<void(const Act&)> open;  // opens the window as the operator does, then acts
  } cases[] = {
      {phone, phone.Text1, [this](const Act& act) { Ctrl('P'); act(); }},
      {spotting, spotting.txtTelnetHost, [this](const Act& act) { Ctrl('D'); act(); }},
      {winkey, winkey.txtWeight,
       [this](const Act& act) {
         Ctrl('S');
         Click(cw().Option5);
         bench.headless().loop().ScriptModal("frmWinKey", [&](forms::Form&) {
           keys.Settle();
           act();
         });
         Click(cw().cmdConfWinkey);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window.Name());
    bool closed = false;
    c.open([&] {
      ASSERT_TRUE(OnScreen(c.window));
      c.box.SetText("K3ABC 7");
      closed = CloseBox(c.window);
    });
    EXPECT_TRUE(closed);
    EXPECT_FALSE(OnScreen(c.window));
    ASSERT_EQ(bench.app().FindForm(c.window.Name()), &c.window) << "still loaded";
    c.open([&] {
      ASSERT_TRUE(OnScreen(c.window));
      EXPECT_EQ(Shown(c.box), "K3ABC 7");
      CloseBox(c.window);
    });
  }
}

// A speed typed into the CW window outside 5 to 99 WPM: F1 keys nothing, the main window's
// message label says why and keeps saying it while a call is typed; at 5 F1 keys.
TEST_F(TypedToolWindows, ASpeedTypedOutsideFiveToNinetyNineKeysNothingAndTheMainWindowSaysSo) {
  TypeTheFirstMessage("e");
  for (const std::string speed : {"4", "100", "5"}) {
    SCOPED_TRACE(speed);
    Click(cw().Text11);
    keys.Key(cw(), Qt::Key_End);
    for (int i = 0; i < 3; ++i) keys.Key(cw(), Qt::Key_Backspace, QString(QChar(8)));
    keys.Type(cw(), speed);
    ASSERT_EQ(Shown(cw().Text11), QString::fromStdString(speed));
    EXPECT_TRUE(CloseBox(cw()));
    devices->transitions.clear();
    main().txtCall.SetFocus();
    keys.Settle();
    keys.Key(main(), Qt::Key_F1);
    keys.Type(main(), "k3x");
    const std::string label = MessageShown();
    if (speed == "5") {
      EXPECT_EQ(KeyDowns(), 1);
      EXPECT_EQ(label.find(CWFrm::kSpeedNotice), std::string::npos) << label;
    } else {
      EXPECT_EQ(KeyDowns(), 0);
      EXPECT_NE(label.find(CWFrm::kSpeedNotice), std::string::npos) << label;
    }
    EXPECT_EQ(Shown(main().txtCall), "K3X");
    main().txtCall.SetText("");
    Ctrl('S');
  }
}

// The close comes between two characters of the message: the program ends there, with the
// line keyed up and the rest of the message unsent.
TEST_F(TypedToolWindows, TheMainWindowClosedWhileF1IsSentEndsTheProgramWithTheLineUp) {
  TypeTheFirstMessage("eeee");
  CloseBox(cw());
  // Waiting in Qt's queue, the close reaches the program at its first DoEvents.
  QMetaObject::invokeMethod(bench.view().WindowOf(*main_), "close", Qt::QueuedConnection);
  keys.Key(main(), Qt::Key_F1);
  EXPECT_TRUE(bench.app().Ended());
  EXPECT_EQ(KeyDowns(), 1);
  ASSERT_FALSE(devices->transitions.empty());
  EXPECT_FALSE(devices->transitions.back().down);
  EXPECT_EQ(bench.view().WindowOf(*main_), nullptr);
}

}  // namespace
}  // namespace ks::testing
