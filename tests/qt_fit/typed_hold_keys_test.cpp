// The keys an operator types during the hold after a call refused as the call box is left,
// typed into the Qt view: the rest of the refused line goes with it, and Esc, a function key,
// an arrow or a menu's access key, pressed on hearing "dupe", starts the next contact, which
// is stored. In-state and rover windows; virtual time, a recording Morse keying line.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "keying/keying_devices.h"
#include "keying/morse_table.h"
#include "keying/windows/CWFrm.h"
#include "logstore/log_file_format.h"
#include "mainwin/windows/Infrm.h"
#include "station/station_settings.h"
#include "station/windows/frmCountyChangeRover.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/keying/keying_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

constexpr double kUnitMs = 100;  // the Morse unit at 12 words per minute

struct HoldCase {
  const char* name;
  bool rover;
  std::string during_hold;  // characters, "\r" Enter, {Esc}, {F4}, {Up}, {Alt+C}
  std::vector<std::string> log;  // each line of log.txt: call/serial/exchange/own county/points
  std::string morse;             // what the keying line sent
  std::string wpm;               // the Morse speed afterwards
  friend void PrintTo(const HoldCase& c, std::ostream* os) { *os << c.name; }
};

class HoldKeys : public ::testing::Test {
 protected:
  HoldKeys() : bench(1366, 768) {
    UseEntryStation(bench);
    auto owned = std::make_unique<RecordingDevices>(bench.app(), bench.headless().clock());
    devices = owned.get();
    UseKeyingDevices(bench.app(), std::move(owned));
    CWFrm& cw = bench.app().Get<CWFrm>();
    cw.Option3.SetValue(true);  // the parallel port's keying line
    cw.Text11.SetText("12");
    cw.Text4.SetText("QRZ");
  }

  // The in-state window over a log that holds W1AAA worked from Centre, focus in the call
  // box; a rover's county line is Centre and Clinton.
  void Open(bool rover) {
    bench.app().State<StationSettings>().Rover = rover ? 1 : 0;
    if (rover) {
      frmCountyChangeRover& line = bench.app().Get<frmCountyChangeRover>();
      line.List1.AddItem("Clinton");
      line.List1.AddItem("Centre");
    }
    WriteBytes(bench.work() / "log.txt", FormatLogLine(InStateContact("W1AAA", "ME")));
    window = &bench.app().Get<Infrm>();
    window->Show();
    window->txtCall.SetFocus();
    keys.Settle();
  }

  // Into Qt's queue, all before any is delivered.
  void Queue(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '{') {
        keys.Queue(*window, std::string(1, text[i]));
        continue;
      }
      const std::size_t close = text.find('}', i);
      const std::string name = text.substr(i + 1, close - i - 1);
      if (name == "Esc") keys.Queue(*window, Qt::Key_Escape, QString(QChar(27)));
      if (name == "F4") keys.Queue(*window, Qt::Key_F4);
      if (name == "Up") keys.Queue(*window, Qt::Key_Up);
      if (name == "Alt+C") keys.QueueWithAlt(*window, Qt::Key_C, "c");
      i = close;
    }
  }

  std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    for (const LogRecord& r : ContactsInLogFile(bench)) {
      lines.push_back(r.LogCall + "/" + r.LogSerialReceived + "/" + r.LogSPC + "/" + r.LogCountySent + "/" +
                      std::to_string(static_cast<int>(r.LogPoints)));
    }
    return lines;
  }

  static std::string MorseOf(const std::string& text) {
    std::string elements;
    for (const char c : text) elements += CharacterElements(c, 0);
    return elements;
  }

  FitBench bench;
  TypedKeys keys{bench};
  RecordingDevices* devices = nullptr;
  Infrm* window = nullptr;
};

class TypedHold : public HoldKeys, public ::testing::WithParamInterface<HoldCase> {};

// W1AAA, worked from Centre on this band and mode, is typed and Space pressed: the call is
// refused as the call box is left, and the keys below come in during the hold that follows.
TEST_P(TypedHold, TheRestOfTheRefusedLineGoesAndTheNextContactIsStored) {
  const HoldCase& c = GetParam();
  Open(c.rover);
  keys.Type(*window, "w1aaa");
  Queue(" " + c.during_hold);
  keys.Settle();
  EXPECT_EQ(LogLines(), c.log);
  EXPECT_EQ(ElementsOf(devices->transitions, kUnitMs, devices->waits.now), MorseOf(c.morse));
  EXPECT_EQ(bench.app().Get<CWFrm>().Text11.Text(), c.wpm);
  EXPECT_EQ(window->txtCall.Text(), "");
  EXPECT_EQ(keys.Focused(*window), bench.view().WidgetOf(window->txtCall));
}

const std::string kWorked = "W1AAA/5/ME/Centre/2";
const std::string kNext = "K1QQQ/17/ME/Centre/2";
const std::string kNextFromClinton = "K1QQQ/17/ME/Clinton/0";

INSTANTIATE_TEST_SUITE_P(
    InStateAndRover, TypedHold,
    ::testing::Values(
        HoldCase{"rest_of_the_line", false, "17 me\r", {kWorked}, "", "12"},
        HoldCase{"esc_then_the_next", false, "{Esc}k1qqq 17 me\r", {kWorked, kNext}, "", "12"},
        HoldCase{"f4_then_the_next", false, "{F4}k1qqq 17 me\r", {kWorked, kNext}, "QRZ", "12"},
        HoldCase{"up_then_the_next", false, "{Up}k1qqq 17 me\r", {kWorked, kNext}, "", "13"},
        HoldCase{"alt_c_then_the_next", false, "{Alt+C}k1qqq 17 me\r", {kWorked, kNext}, "", "12"},
        HoldCase{"some_of_the_line_esc_then_the_next", false, "17 m{Esc}k1qqq 17 me\r", {kWorked, kNext}, "", "12"},
        HoldCase{"nothing", false, "", {kWorked}, "", "12"},
        HoldCase{"rover_rest_of_the_line", true, "17 me\r", {kWorked}, "", "12"},
        HoldCase{"rover_esc_then_the_next", true, "{Esc}k1qqq 17 me\r", {kWorked, kNext, kNextFromClinton}, "", "12"},
        HoldCase{"rover_f4_then_the_next", true, "{F4}k1qqq 17 me\r", {kWorked, kNext, kNextFromClinton}, "QRZ", "12"},
        HoldCase{"rover_up_then_the_next", true, "{Up}k1qqq 17 me\r", {kWorked, kNext, kNextFromClinton}, "", "13"},
        HoldCase{"rover_alt_c_then_the_next", true, "{Alt+C}k1qqq 17 me\r", {kWorked, kNext, kNextFromClinton}, "",
                 "12"},
        HoldCase{"rover_nothing", true, "", {kWorked}, "", "12"}),
    [](const auto& info) { return info.param.name; });

// Alt+C is the Clear menu's access key: it clears the line typed before it, and not the
// call typed after it, however fast they come.
TEST_F(HoldKeys, AltCClearsTheLineTypedBeforeItAndNotTheCallTypedAfter) {
  Open(false);
  Queue("n3abc 7{Alt+C}k1qqq");
  keys.Settle();
  EXPECT_EQ(window->txtCall.Text(), "K1QQQ");
  EXPECT_EQ(window->txtRSTR.Text(), "");
  EXPECT_EQ(keys.Focused(*window), bench.view().WidgetOf(window->txtCall));
}

// Alt with a letter that opens no menu types nothing into the box.
TEST_F(HoldKeys, AltWithALetterOfNoMenuTypesNothing) {
  Open(false);
  Queue("n3");
  keys.QueueWithAlt(*window, Qt::Key_Z, "z");
  Queue("abc");
  keys.Settle();
  EXPECT_EQ(window->txtCall.Text(), "N3ABC");
}

}  // namespace
}  // namespace ks::testing
