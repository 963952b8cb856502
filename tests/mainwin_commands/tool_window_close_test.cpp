// The tool windows that stay loaded for the run (CW, voice keyer, WinKeyer, spotting), closed
// by their close box and opened again as the operator opens them from the main window: each
// shows what it held, the function keys still send, and the main window's close still
// unloads each of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "keying/keying_devices.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmWinKey.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/vb/constants.h"
#include "spots/windows/PacketSpotfrm.h"
#include "tests/keying/keying_fixture.h"
#include "tests/mainwin_commands/main_window_fixture.h"

namespace ks::testing {
namespace {

using namespace ks::vb;

using WhileShown = std::function<void(forms::Form&)>;

class ToolWindowCloseTest : public MainWindowTest {
 protected:
  CWFrm& cw() { return app().Get<CWFrm>(); }
  PhoneFrm& phone() { return app().Get<PhoneFrm>(); }
  frmWinKey& winkey() { return app().Get<frmWinKey>(); }
  PacketSpotfrm& spotting() { return app().Get<PacketSpotfrm>(); }
  // A tool window opened by its Ctrl key on the main window; the operator then acts on it.
  std::function<void(MainWindow&, const WhileShown&)> ByHotKey(char key, std::function<forms::Form&()> window) {
    return [key, window](MainWindow& w, const WhileShown& act) {
      w.PressKey(key, vbCtrlMask);
      act(window());
    };
  }
  // The WinKeyer window, shown modally by the CW window's "Configure Winkey" once the
  // WinKey option is chosen.
  void OpenWinKey(MainWindow& w, const WhileShown& act) {
    w.PressKey('S', vbCtrlMask);
    ASSERT_TRUE(cw().Option5.ClickBy());
    h.loop().ScriptModal("frmWinKey", act);
    ASSERT_TRUE(cw().cmdConfWinkey.ClickBy());
    EXPECT_FALSE(winkey().IsModal());
  }
};

TEST_F(ToolWindowCloseTest, EachWindowClosedByItsCloseBoxOpensAgainWithWhatItHeld) {
  Outfrm& w = Open<Outfrm>();
  const struct {
    const char* name;
    std::function<void(MainWindow&, const WhileShown&)> open;
    std::function<void()> set;  // the operator's values, none of them the window's starting one
    std::function<std::vector<std::string>()> values;
  } cases[] = {
      {"CWFrm", ByHotKey('S', [this]() -> forms::Form& { return cw(); }),
       [this] {
         cw().Text1.SetText("CQ PA DE K3ABC");
         cw().Text13.SetText("TU 73");
         cw().Text11.SetText("28");
         cw().Text10.SetText("3");
         cw().Option3.ClickBy();
         cw().Check1.SetValue(0);
       },
       [this] {
         return std::vector<std::string>{cw().Text1.Text(), cw().Text13.Text(), cw().Text11.Text(), cw().Text10.Text(),
                                         std::to_string(cw().Option3.Value()), std::to_string(cw().Check1.Value()),
                                         std::to_string(app().State<KeyingState>().CWKeying)};
       }},
      {"PhoneFrm", ByHotKey('P', [this]() -> forms::Form& { return phone(); }),
       [this] {
         phone().Text1.SetText("/home/k3abc/cq.wav");
         phone().txtPHLoop.SetText("5");
         phone().Option2.ClickBy();
       },
       [this] {
         return std::vector<std::string>{phone().Text1.Text(), phone().txtPHLoop.Text(),
                                         std::to_string(phone().Option2.Value())};
       }},
      {"frmWinKey", [this](MainWindow& m, const WhileShown& act) { OpenWinKey(m, act); },
       [this] {
         winkey().txtWeight.SetText("45");
         winkey().optBug.ClickBy();
       },
       [this] {
         return std::vector<std::string>{winkey().txtWeight.Text(), std::to_string(winkey().optBug.Value()),
                                         std::to_string(app().State<KeyingState>().WinKeyMode)};
       }},
      {"PacketSpotfrm", ByHotKey('D', [this]() -> forms::Form& { return spotting(); }),
       [this] {
         spotting().List1.SelectBy(2);  // "Telnet"
         spotting().txtTelnetHost.SetText("dx.example.org");
         spotting().txtTelnetPort.SetText("7300");
         spotting().OptList.ClickBy();
       },
       [this] {
         return std::vector<std::string>{spotting().SpotSource, spotting().txtTelnetHost.Text(),
                                         spotting().txtTelnetPort.Text(), std::to_string(spotting().OptList.Value())};
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> held;
    forms::Form* closed = nullptr;
    c.open(w, [&](forms::Form& f) {
      c.set();
      held = c.values();
      EXPECT_TRUE(f.CloseBy());
      closed = &f;
    });
    ASSERT_NE(closed, nullptr);
    EXPECT_FALSE(closed->Visible());
    EXPECT_EQ(app().FindForm(c.name), closed) << "still loaded";
    c.open(w, [&](forms::Form& f) {
      EXPECT_EQ(&f, closed);
      EXPECT_TRUE(f.Visible());
      EXPECT_EQ(c.values(), held);
    });
  }
  view.events.clear();
  w.CloseBy();
  ASSERT_TRUE(app().Ended());
  for (const char* name : {"PhoneFrm", "CWFrm", "PacketSpotfrm", "frmWinKey"}) {
    EXPECT_NE(std::find(view.events.begin(), view.events.end(), std::string("unload ") + name), view.events.end())
        << name << " is unloaded at the program's end";
  }
}

// The CW window closed by its close box keeps the messages and the keying line: F1 on the
// main window still sends its message.
TEST_F(ToolWindowCloseTest, FirstKeyStillSendsAfterTheCWWindowsCloseBox) {
  auto owned = std::make_unique<RecordingDevices>(app(), h.clock());
  RecordingDevices& devices = *owned;
  UseKeyingDevices(app(), std::move(owned));
  Outfrm& w = app().Get<Outfrm>();
  w.PressKey('S', vbCtrlMask);
  cw().Text1.SetText("E");
  cw().Text11.SetText("12");  // 100 ms units
  cw().Option3.ClickBy();     // the parallel port
  ASSERT_TRUE(cw().CloseBy());
  w.PressKey(vbKeyF1);
  ASSERT_EQ(devices.transitions.size(), 2u);
  EXPECT_TRUE(devices.transitions[0].down);
  EXPECT_FALSE(devices.transitions[1].down);
  EXPECT_DOUBLE_EQ(devices.transitions[1].at_ms - devices.transitions[0].at_ms, 100.0);
}

}  // namespace
}  // namespace ks::testing
