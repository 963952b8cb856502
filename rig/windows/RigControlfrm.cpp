// The rig-interface window: its controls, their places and the wiring of their handlers.
// The poll cycle, the settings file and the set commands live in the files beside this one.
#include "rig/windows/RigControlfrm.h"

#include "platform/forms/application.h"
#include "platform/io/serial_port.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr const char* kLabel8 =
    "To use the Rig Control interface, select the appropriate parameters for your radio and click test.  Be sure "
    "to select the connection power option if your interface requires it.  From the main form, when changing "
    "bands on your radio the band on this program should automatically change.  If you need an interface for "
    "your rig, please check our website for hardware purchase options.";
constexpr const char* kLabel11 =
    "Please consider this rig interface section of code a beta version.  I have only been able to test it "
    "personally on a Kenwood radio.  I have received reports of success for all the listed rigs.  If you have a "
    "rig that isn't listed and would like to do some testing, you can click Other from the list above, send "
    "commands as detailed in your radio's manual and view the radio's response below.  Letting me know the "
    "commands for your radio and the format of the respose will be a huge help for supporting additional rigs.";
constexpr const char* kLabel12 =
    "I have added additional code so that by right clicking on a DX spot that is being displayed on the DX "
    "spotting band map, your radio will change to the spot frequency.  Most Elecrafts, Icoms, Kenwoods and "
    "Yaesus are now supported.  If you would like to help develop and test this feature for other rigs, please "
    "click the Change Frequency button.";
constexpr const char* kLabel10 =
    "Icom radio users will have to replace the 64 in the string with the ID for your particular radio.  Please "
    "check your Icom user's manual for details.";

// Places option buttons of one frame in rows of `rows`, column by column.
void PlaceOptions(std::initializer_list<forms::OptionButton*> options, int rows, float column_width) {
  int i = 0;
  for (auto* option : options) {
    option->Move(120 + static_cast<float>(i / rows) * column_width, 240 + static_cast<float>(i % rows) * 210,
                 column_width - 60, 210);
    ++i;
  }
}

void CaptionAll(std::initializer_list<std::pair<forms::OptionButton*, const char*>> options) {
  for (auto& [option, caption] : options) option->SetCaption(caption);
}

}  // namespace

RigControlfrm::RigControlfrm(forms::Application& app)
    : forms::Form(app, "RigControlfrm"), port_(io::MakePosixSerialPort(app.Settings())) {
  Design();
  WireHandlers();
}

RigControlfrm::~RigControlfrm() = default;

std::string& RigControlfrm::RigName() { return App().State<StationSettings>().RigName; }
const std::string& RigControlfrm::RigName() const { return App().State<StationSettings>().RigName; }

void RigControlfrm::Design() {
  SetCaption(" Rig Interface Setup");
  SetClientSize(9480, 6960);
  Label1.SetCaption("Select Rig:");
  Label1.Move(120, 120, 1680, 240);
  List1.Move(120, 360, 1680, 2040);
  DesignOptions();
  chkFrequency.SetCaption("Use Frequency");
  chkFrequency.Move(120, 3540, 1500, 255);
  chkFrequency.SetValue(1);
  chkConvToHex.SetCaption("Convert to Hex");
  chkConvToHex.Move(1740, 3540, 1560, 255);
  chkConvToHex.SetEnabled(false);
  ChkConvHex.SetCaption("Convert from Hex");
  ChkConvHex.Move(3420, 3540, 1980, 255);
  Label4.SetCaption("String to read frequency:");
  Label4.Move(120, 3930, 2100, 255);
  txtFreq.Move(2280, 3870, 3120, 315);
  Label3.SetCaption("String to read mode:");
  Label3.Move(120, 4290, 2100, 255);
  txtMode.Move(2280, 4230, 3120, 315);
  Label7.SetCaption("Frequency:");
  Label7.Move(120, 4680, 1000, 255);
  Label5.SetCaption("Mode:");
  Label5.Move(120, 5010, 1000, 255);
  for (auto* readout : {&lblFreq, &lblMode, &lblUnProcess}) {
    readout->SetForeColor(forms::colors::kRed);
    readout->SetBackColor(forms::colors::kBlack);
  }
  lblFreq.Move(1140, 4650, 1500, 285);
  lblMode.Move(1140, 4980, 700, 285);
  Label9.SetCaption("Should be PH or CW");
  Label9.Move(1980, 5010, 1800, 255);
  Label2.SetCaption("Polling Rig");
  Label2.SetForeColor(forms::colors::kWhite);
  Label2.SetBackColor(forms::colors::kBlue);
  Label2.Move(3960, 4650, 1440, 285);
  Label2.SetVisible(false);
  Label6.SetCaption("Unprocessed data returned:");
  Label6.Move(120, 5370, 2400, 255);
  lblUnProcess.Move(120, 5640, 5280, 285);
  Command1.SetCaption("Test");
  Command1.Move(120, 6030, 1200, 375);
  Command2.SetCaption("End Test");
  Command2.Move(1440, 6030, 1200, 375);
  Command2.SetEnabled(false);
  Command3.SetCaption("Change Frequency");
  Command3.Move(2760, 6030, 2640, 375);
  Command4.SetCaption("Copy unprocessed data to clipboard");
  Command4.Move(120, 6480, 3600, 375);
  cmdDone.SetCaption("&Done");
  cmdDone.Move(3840, 6480, 1560, 375);
  Line1.SetEnds(5490, 120, 5490, 6840);
  Label8.SetCaption(kLabel8);
  Label8.Move(5610, 120, 3750, 1740);
  Label11.SetCaption(kLabel11);
  Label11.Move(5610, 1920, 3750, 2460);
  Label12.SetCaption(kLabel12);
  Label12.Move(5610, 4440, 3750, 1740);
  Label10.SetCaption(kLabel10);
  Label10.Move(5610, 6240, 3750, 660);
  Label10.SetVisible(false);
  for (auto* paragraph : {&Label8, &Label11, &Label12, &Label10}) paragraph->WordWrap = true;
}

void RigControlfrm::DesignOptions() {
  fraPort.SetCaption("Comm Port:");
  fraPort.Move(1920, 120, 1680, 1380);
  for (int i = 0; i < 10; ++i) {
    auto& option = optComm.Design(i);
    option.SetCaption(std::to_string(i + 1));
    option.Move(120 + static_cast<float>(i / 5) * 780, 240 + static_cast<float>(i % 5) * 210, 720, 210);
  }
  optComm(0).SetValue(true);
  fraBaud.SetCaption("Baud Rate (k):");
  fraBaud.Move(3720, 120, 1680, 1380);
  CaptionAll({{&optBaud12, "1.2"}, {&optBaud24, "2.4"}, {&optBaud48, "4.8"}, {&optBaud96, "9.6"},
              {&optBaud144, "14.4"}, {&optBaud192, "19.2"}, {&optBaud288, "28.8"}, {&optBaud384, "38.4"},
              {&optBaud560, "56"}});
  PlaceOptions({&optBaud12, &optBaud24, &optBaud48, &optBaud96, &optBaud144, &optBaud192, &optBaud288, &optBaud384,
                &optBaud560}, 5, 780);
  optBaud560.SetValue(true);
  fraParity.SetCaption("Parity:");
  fraParity.Move(1920, 1560, 1080, 930);
  CaptionAll({{&optParityOdd, "Odd"}, {&optParityNone, "None"}, {&optParityEven, "Even"}});
  PlaceOptions({&optParityOdd, &optParityNone, &optParityEven}, 3, 900);
  optParityNone.SetValue(true);
  fraData.SetCaption("Data Bits:");
  fraData.Move(3060, 1560, 1140, 690);
  CaptionAll({{&optData7, "7"}, {&optData8, "8"}});
  PlaceOptions({&optData7, &optData8}, 2, 900);
  optData8.SetValue(true);
  fraStop.SetCaption("Stop Bits:");
  fraStop.Move(4260, 1560, 1140, 690);
  CaptionAll({{&optStop1, "1"}, {&optStop2, "2"}});
  PlaceOptions({&optStop1, &optStop2}, 2, 900);
  optStop1.SetValue(true);
  fraPower.SetCaption("Connection Power:");
  fraPower.Move(1920, 2550, 1740, 930);
  CaptionAll({{&optPowerNone, "None"}, {&optPowerRTS, "RTS"}, {&optPowerDTR, "DTR"}});
  PlaceOptions({&optPowerNone, &optPowerRTS, &optPowerDTR}, 3, 1500);
  optPowerNone.SetValue(true);
  fraPoll.SetCaption("Radio Polling Rate:");
  fraPoll.Move(3720, 2310, 1680, 1170);
  CaptionAll({{&optPollFast, "100 ms"}, {&optPollMed, "500 ms"}, {&optPollSlow, "2 Sec"}, {&optReallySlow, "10 Sec"}});
  PlaceOptions({&optPollFast, &optPollMed, &optPollSlow, &optReallySlow}, 4, 1440);
  optPollMed.SetValue(true);
  Frame1.SetCaption("Mode by:");
  Frame1.Move(120, 2490, 1740, 930);
  CaptionAll({{&OptRig, "Rig"}, {&OptFreq, "Frequency"}, {&OptDont, "Don't Use"}});
  PlaceOptions({&OptRig, &OptFreq, &OptDont}, 3, 1500);
  OptRig.SetValue(true);
}

}  // namespace ks
