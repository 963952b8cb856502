// A radio that stops answering (cable pulled, radio off) while the operator types a contact
// through the Qt view's own widgets: no window opens to take the keys, the notice shows in the
// main window's message label, the contact is stored whole on the band last read, and the
// radio's next answer is taken at the next poll.
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <string>

#include "logstore/log_store.h"
#include "mainwin/main_window_state.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/io/settings_store.h"
#include "rig/windows/RigControlfrm.h"
#include "station/station_settings.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/rig/rig_settings_text.h"
#include "tests/rig/simulated_radio.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

class TypedSilentRig : public ::testing::Test {
 protected:
  // A Kenwood on 40 m CW on port 1, polled every 500 ms; the out-of-state window loads, which
  // starts the poll, and takes the radio's first answer.
  TypedSilentRig() : bench(1366, 768), radio(SimulatedRadio::Kind::kKenwood) {
    bench.app().Settings().SaveSetting("Keystone", "SerialPorts", "Port1", radio.line().SlavePath());
    WriteBytes(bench.work() / "RigCntrl.txt", RigSettingsText("Kenwood", "FA;", "MD;"));
    StationSettings& s = bench.app().State<StationSettings>();
    s.OutOfState = 1;
    s.Rover = 0;
    s.RigName = "Kenwood";
    radio.hertz = 7040000;
    radio.kenwood_mode = 3;
    window().Show();
    radio.Serve();
    bench.headless().Advance(250);
    keys.Settle();
  }
  Outfrm& window() { return bench.app().Get<Outfrm>(); }
  // The send tick, the radio's answer (if it gives one), the read tick.
  void PollCycle() {
    bench.headless().Advance(250);
    radio.Serve();
    bench.headless().Advance(250);
    keys.Settle();
  }
  std::string MessageShown() {
    return dynamic_cast<QLabel*>(bench.view().WidgetOf(window().lblDialog))->text().toStdString();
  }
  bool NoticeShown() { return MessageShown().find(RigControlfrm::kSilenceNotice) != std::string::npos; }

  FitBench bench;
  SimulatedRadio radio;
  TypedKeys keys{bench};
};

TEST_F(TypedSilentRig, AContactTypedAsTheRadioFallsSilentIsStoredWholeAndTheRadiosReturnIsTakenAtOnce) {
  ASSERT_EQ(bench.app().State<StationSettings>().CurrentBand, "40");
  const size_t boxes = bench.headless().dialogs().message_boxes.size();  // the load's question
  window().txtCall.SetFocus();
  keys.Settle();
  radio.silent = true;
  // A key every poll cycle while the radio says nothing for five seconds.
  const std::string call = "k3xyz";
  for (size_t i = 0; i < 10; ++i) {
    if (i < call.size()) keys.Type(window(), call.substr(i, 1));
    PollCycle();
  }
  EXPECT_TRUE(NoticeShown()) << MessageShown();
  EXPECT_EQ(bench.headless().dialogs().message_boxes.size(), boxes) << "a message box took the keys";
  EXPECT_EQ(keys.Focused(window()), bench.view().WidgetOf(window().txtCall));

  keys.Type(window(), " 42 y ");  // the serial, and "y" completes to York
  PollCycle();
  keys.Key(window(), Qt::Key_Return, "\r");
  const LogStore& store = bench.app().State<LogStore>();
  ASSERT_GE(store.QSOCount, 1);
  const LogRecord& contact = store.Records[static_cast<std::size_t>(store.QSOCount)];
  EXPECT_EQ(contact.LogCall, "K3XYZ");
  EXPECT_EQ(contact.LogSerialReceived, "42");
  EXPECT_EQ(contact.LogCounty, "York");
  EXPECT_EQ(contact.LogBand, "40");
  EXPECT_EQ(contact.LogFrequency, "7.040");
  EXPECT_EQ(bench.headless().dialogs().message_boxes.size(), boxes);
  EXPECT_TRUE(NoticeShown()) << "the emptied line keeps the notice: " << MessageShown();

  radio.silent = false;  // the radio is back, on 20 m
  radio.hertz = 14250000;
  PollCycle();
  EXPECT_EQ(bench.app().State<StationSettings>().CurrentBand, "20");
  EXPECT_EQ(bench.app().State<MainWindowState>().NextQSOFrequency, "14.250");
  EXPECT_FALSE(NoticeShown()) << MessageShown();
}

}  // namespace
}  // namespace ks::testing
