// A device that fails under a timer or in the middle of a message while the operator types
// through the Qt view's own widgets: the voice keyer's F1 repeat finds its message's file
// gone, the tune window's scan finds the rig's port gone, and the CW keying port's far end
// closes while F1 is sent. No message box or window opens to take the keys typed meanwhile:
// the keys land where they were typed, the failure is told where the operator looks, and the
// contact typed into the main window's call box is stored whole.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "keying/keying_devices.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/io/settings_store.h"
#include "rig/windows/RigControlfrm.h"
#include "rig/windows/frmRigTune.h"
#include "station/station_settings.h"
#include "tests/keying/keying_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/rig/rig_settings_text.h"
#include "tests/rig/simulated_radio.h"
#include "tests/support/files.h"
#include "tests/support/pty_peer.h"

namespace ks::testing {
namespace {

class TypedTimerFailures : public ::testing::Test {
 protected:
  TypedTimerFailures() : bench(1366, 768) {
    bench.headless().loop().AlsoRunInDoEvents([this] { bench.qt_loop().DoEvents(); });
    StationSettings& s = bench.app().State<StationSettings>();
    s.OutOfState = 1;
    s.Rover = 0;
  }
  Outfrm& window() { return bench.app().Get<Outfrm>(); }
  std::string Shown(const forms::Label& label) {
    bench.view().Flush();
    return dynamic_cast<QLabel*>(bench.view().WidgetOf(label))->text().toStdString();
  }
  std::string Shown(const forms::TextBox& box) {
    return dynamic_cast<QLineEdit*>(bench.view().WidgetOf(box))->text().toStdString();
  }
  std::size_t Boxes() { return bench.headless().dialogs().message_boxes.size(); }
  // The serial 42 and York typed after the call K3XYZ, Enter: the contact is stored whole.
  const LogRecord& StoredWhole() {
    keys.Type(window(), " 42 y");
    keys.Key(window(), Qt::Key_Return, "\r");
    const LogStore& store = bench.app().State<LogStore>();
    const LogRecord& contact = store.Records.at(static_cast<std::size_t>(store.QSOCount));
    EXPECT_EQ(contact.LogCall, "K3XYZ");
    EXPECT_EQ(contact.LogSerialReceived, "42");
    EXPECT_EQ(contact.LogCounty, "York");
    return contact;
  }
  // A click near the left end of the control: on a check box's square.
  void Click(const forms::Control& control) {
    QWidget* widget = bench.view().WidgetOf(control);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    keys.Settle();
  }

  FitBench bench;
  TypedKeys keys{bench};
};

// F1 calls CQ on phone every second; the file of its message is gone when the repeat plays
// it, as the operator starts typing the call of a station that answered.
TEST_F(TypedTimerFailures, TheVoiceRepeatFindsItsFileGoneWhileACallIsTyped) {
  bench.app().State<StationSettings>().CurrentMode = "PH";
  auto owned = std::make_unique<RecordingDevices>(bench.app(), bench.headless().clock());
  RecordingDevices& devices = *owned;
  UseKeyingDevices(bench.app(), std::move(owned));
  const std::filesystem::path cq = bench.work() / "cq.wav";
  WriteBytes(cq, SilentWav(1000));
  PhoneFrm& phone = bench.app().Get<PhoneFrm>();
  phone.Text1.SetText(cq.string());
  phone.Option3.SetValue(true);  // push-to-talk on the parallel port
  phone.txtPHLoop.SetText("1");
  phone.txtPHLoop.LostFocus();
  window().Show();
  window().txtCall.SetFocus();
  keys.Settle();
  const std::size_t boxes = Boxes();  // the load's question

  keys.Key(window(), Qt::Key_F1);
  bench.headless().Advance(1040);  // the message has played; the repeat waits a second
  ASSERT_TRUE(phone.tmrRepeat.Enabled());
  std::filesystem::remove(cq);
  keys.Queue(window(), "k3xyz");  // typed as the repeat comes due
  bench.headless().Advance(1000);
  EXPECT_EQ(Boxes(), boxes) << "a message box opened from the repeat";
  EXPECT_NE(Shown(window().lblDialog).find(PhoneFrm::kNotPlayedNotice), std::string::npos) << Shown(window().lblDialog);
  EXPECT_EQ(phone.lblNotice.Caption().rfind("F1 voice message not played, repeat stopped: " + cq.string(), 0), 0u)
      << phone.lblNotice.Caption();
  EXPECT_EQ(bench.app().State<KeyingState>().PhoneRepeat, 0);

  keys.Settle();
  EXPECT_EQ(Shown(window().txtCall), "K3XYZ");
  EXPECT_EQ(keys.Focused(window()), bench.view().WidgetOf(window().txtCall));
  EXPECT_EQ(StoredWhole().LogMode, "PH");
  EXPECT_EQ(Boxes(), boxes);
  EXPECT_EQ(devices.players.at(0)->played.size(), 1u) << "the repeat played";
  ASSERT_FALSE(devices.transitions.empty());
  EXPECT_FALSE(devices.transitions.back().down) << "push-to-talk left up";
}

// The operator scans 40 m through the tune window (Ctrl+G) when the radio is unplugged, and
// is typing into the scan's upper limit as the scan's next frequency meets the port gone;
// then closes the window and logs a contact.
TEST_F(TypedTimerFailures, TheScanFindsTheRigsPortGoneWhileALimitIsTyped) {
  SimulatedRadio radio(SimulatedRadio::Kind::kKenwood);
  bench.app().Settings().SaveSetting("Keystone", "SerialPorts", "Port1", radio.line().SlavePath());
  WriteBytes(bench.work() / "RigCntrl.txt", RigSettingsText("Kenwood", "FA;", "MD;", 1, "R"));
  bench.app().State<StationSettings>().RigName = "Kenwood";
  radio.hertz = 7040000;
  window().Show();  // its load starts polling: the request goes now, the reply is read 5 s on
  radio.Serve();
  bench.headless().Advance(5000);
  ASSERT_EQ(bench.app().State<StationSettings>().CurrentBand, "40");
  window().txtCall.SetFocus();
  keys.Settle();
  const std::size_t boxes = Boxes();  // the load's question

  bool scanned = false;
  bench.headless().loop().ScriptModal("frmRigTune", [&](forms::Form& form) {
    auto& tune = static_cast<frmRigTune&>(form);
    keys.Settle();
    tune.txtFrom.SetText("7");
    tune.txtTo.SetText("7.1");
    Click(tune.chkScan);
    ASSERT_EQ(tune.chkScan.Value(), 1);
    bench.headless().Advance(299);
    ASSERT_NE(radio.line().ReadAtLeast(14).find("FA00007000010;"), std::string::npos);
    Click(tune.txtTo);
    radio.line().Hangup();
    keys.Queue(tune, Qt::Key_End);
    keys.Queue(tune, "5");
    bench.headless().Advance(299);
    EXPECT_EQ(Boxes(), boxes) << "a message box opened from the scan";
    EXPECT_EQ(Shown(tune.lblNotice), frmRigTune::kPortErrorNotice);
    keys.Settle();
    EXPECT_EQ(Shown(tune.txtTo), "7.15");
    EXPECT_EQ(keys.Focused(tune), bench.view().WidgetOf(tune.txtTo));
    EXPECT_EQ(tune.chkScan.Value(), 0);
    Click(tune.cmdDone);
    scanned = true;
  });
  keys.Key(window(), Qt::Key_G, QString(QChar(7)), Qt::ControlModifier);
  ASSERT_TRUE(scanned) << "Ctrl+G showed no tune window";
  EXPECT_EQ(Boxes(), boxes);
  EXPECT_NE(Shown(window().lblDialog).find(RigControlfrm::kPortLostNotice), std::string::npos)
      << Shown(window().lblDialog);

  window().txtCall.SetFocus();
  keys.Settle();
  keys.Type(window(), "k3xyz");
  EXPECT_EQ(StoredWhole().LogBand, "40");
  EXPECT_EQ(Boxes(), boxes);
}

// F1 calls CQ in CW on the DTR line of port 3 (the recording line stands in for DTR, which a
// pseudo-terminal lacks) and a station answers: its call is typed while the message is sent,
// and the port's far end closes after the first character, as a USB adapter pulled does.
TEST_F(TypedTimerFailures, TheCWKeyingPortLostWhileF1IsSentAndACallIsTyped) {
  StationSettings& s = bench.app().State<StationSettings>();
  s.CurrentMode = "CW";
  auto owned = std::make_unique<RecordingDevices>(bench.app(), bench.headless().clock());
  RecordingDevices& devices = *owned;
  UseKeyingDevices(bench.app(), std::move(owned));
  PtyPeer port;
  bench.app().Settings().SaveSetting("Keystone", "SerialPorts", "Port3", port.SlavePath());
  CWFrm& cw = bench.app().Get<CWFrm>();
  cw.Text10.SetText("3");
  cw.Option2.SetValue(true);  // DTR
  cw.Text1.SetText("CQ PA TEST");
  window().Show();
  window().txtCall.SetFocus();
  keys.Settle();
  const std::size_t boxes = Boxes();  // the load's question

  keys.Queue(window(), "k3x");  // typed as F1 goes out
  bench.headless().loop().Post([&] { port.Hangup(); });
  keys.Key(window(), Qt::Key_F1);
  keys.Type(window(), "yz");
  EXPECT_EQ(Boxes(), boxes) << "a message box took the keys";
  EXPECT_FALSE(cw.Visible()) << "the CW window opened";
  EXPECT_EQ(Shown(window().txtCall), "K3XYZ");
  EXPECT_EQ(keys.Focused(window()), bench.view().WidgetOf(window().txtCall));
  EXPECT_NE(Shown(window().lblDialog).find(CWFrm::kPortLostNotice), std::string::npos) << Shown(window().lblDialog);
  EXPECT_EQ(cw.lblNotice.Caption().rfind("CW stopped: the DTR line of port 3 is lost", 0), 0u) << cw.lblNotice.Caption();
  EXPECT_EQ(window().lblDialog.ToolTipText(), cw.lblNotice.Caption()) << "the reason, in the label's tip";
  ASSERT_FALSE(devices.transitions.empty());
  EXPECT_FALSE(devices.transitions.back().down) << "the key left down";

  EXPECT_EQ(StoredWhole().LogMode, "CW");
  EXPECT_EQ(Boxes(), boxes);
  EXPECT_FALSE(cw.Visible());
  EXPECT_NE(Shown(window().lblDialog).find(CWFrm::kPortLostNotice), std::string::npos)
      << "the logged contact took the notice: " << Shown(window().lblDialog);
}

}  // namespace
}  // namespace ks::testing
