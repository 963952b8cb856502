#include "station/windows/frmStationID.h"

#include <iterator>
#include <string>
#include <utility>

#include "keying/keyer_files.h"
#include "keying/keying_state.h"
#include "logstore/key_filters.h"
#include "logstore/prefix_table.h"
#include "logstore/state_table.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/io/files.h"
#include "platform/vb/constants.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "startup/shared_prefs.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr const char* kSetupPicture = "setup.jpg";
constexpr const char* kUTCOffsetTitle = "Hours added for UTC";
constexpr const char* kStateCodes[] = {
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "IA", "ID", "IL", "IN", "KS", "KY",
    "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY",
    "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI", "WV", "WY"};
constexpr int kStateButtons = 50;
static_assert(std::size(kStateCodes) == kStateButtons);

// A box's text holds a number that a Single can take.
bool HoldsSingle(const std::string& text) { return vb::CSng(text).has_value(); }

}  // namespace

frmStationID::frmStationID(forms::Application& app) : forms::Form(app, "frmStationID") {
  SetCaption(" Setup Information");
  LayOut();
  WireHandlers();
}

void frmStationID::LayOut() {
  Image1.Move(120, 120, 3600, 2700);
  Image1.Stretch = true;
  Frame2.Move(120, 2940, 3600, 615);
  Frame2.SetCaption("Are you in Pennsylvania?");
  Option1.Move(240, 270, 1200, 255);
  Option1.SetCaption("Yes");
  Option2.Move(1680, 270, 1200, 255);
  Option2.SetCaption("No");
  Frame3.Move(120, 3660, 3600, 615);
  Frame3.SetCaption("Are you operating as a Rover?");
  Option4.Move(240, 270, 1200, 255);
  Option4.SetCaption("Yes");
  Option3.Move(1680, 270, 1200, 255);
  Option3.SetCaption("No");
  LayOutBoxes();
  LayOutStateButtons();
  Command1.Move(7920, 6060, 1440, 405);
  Command1.SetCaption("Done");
  SetClientSize(9480, 6585);
}

void frmStationID::LayOutBoxes() {
  struct Row {
    forms::Label* label;
    const char* caption;
    forms::TextBox* box;
  };
  const Row rows[] = {
      {&Label1, "Please Enter your Call Sign:", &Text1}, {&Label5, "Your State / Province:", &Text5},
      {&Label8, "Your County:", &Text8},                 {&Label6, "Hours added for UTC:", &Text6},
      {&Label2, "Your Country:", &Text2},                {&Label3, "Your Longitude:", &Text3},
      {&Label4, "Your Latitude:", &Text4},               {&Label7, "Your Continent:", &Text7},
      {&Label9, "Your ARRL Section:", &Text9},           {&Label10, "Your Name:", &Text10},
      {&Label11, "Your Category:", &Text11},             {&Label12, "Your City:", &Text12},
  };
  float top = 120;
  for (const Row& row : rows) {
    row.label->Move(3960, top + 45, 2880, 255);
    row.label->SetCaption(row.caption);
    row.label->TextAlign = forms::Alignment::Right;
    row.box->Move(6960, top, 2400, 300);
    top += 345;
  }
  Text6.MaxLength = 7;
}

void frmStationID::LayOutStateButtons() {
  Frame1.Move(120, 4320, 9240, 1650);
  Frame1.SetCaption("Please select the state QSO party:");
  constexpr int kColumns = 10;
  for (int i = 0; i < kStateButtons; ++i) {
    forms::OptionButton& button = optState.Design(i);
    button.Move(240 + static_cast<float>(i % kColumns) * 890, 270 + static_cast<float>(i / kColumns) * 255, 840, 255);
    button.SetCaption(kStateCodes[i]);
  }
}

void frmStationID::WireHandlers() {
  Command1.Click = [this] { Command1_Click(); };
  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  for (auto& [index, button] : optState) {
    button->Click = [this, i = index] { optState_Click(i); };
  }
  for (forms::TextBox* box : {&Text1, &Text5, &Text7, &Text9, &Text10, &Text11, &Text12}) {
    box->KeyPress = [this](int& k) { CapitalBox_KeyPress(k); };
  }
  for (forms::TextBox* box : {&Text6, &Text3, &Text4}) {
    box->KeyPress = [this](int& k) { NumberBox_KeyPress(k); };
  }
  Text2.KeyPress = [this](int& k) { Text2_KeyPress(k); };
  Text8.KeyPress = [this](int& k) { Text8_KeyPress(k); };
  Text6.LostFocus = [this] { Text6_LostFocus(); };
}

void frmStationID::Form_Load() {
  forms::ResizeForm(*this);
  const fs::path picture = WorkingFile(App(), kSetupPicture);
  if (io::IsFile(picture)) Image1.SetPicture(picture.string());
  LoadStationFiles();
  // Shown even after a failed load, so that Done stores what was read rather than blanks.
  ShowStationSettings();
}

void frmStationID::LoadStationFiles() {
  forms::Application& app = App();
  const FileReport settings = ReadPrefFile(app);
  TellIfFailed(settings);
  // The offer compares the stored offset with the clock's; without the file there is none.
  if (!settings.Unreadable()) CheckUTCOffset(app);
  // The tables and the keyer files do not depend on one another: a failed one is told and
  // the others are still read.
  TellIfFailed(LoadPrefixTable(app));
  TellIfFailed(LoadStateTable(app));
  TellIfFailed(LoadWaveSettings(app));
  LoadCWSettings(app);
}

void frmStationID::TellIfFailed(const FileReport& report) {
  if (report) return;
  App().MsgBox(DescribeFileReport("Error opening file", report), vb::vbOKOnly, "Error opeining file");
}

void frmStationID::ShowStationSettings() {
  const StationSettings& s = App().State<StationSettings>();
  for (auto& [index, button] : optState) {
    const bool party = vb::EqualsNoCase(button->Caption(), s.PartyState);
    button->SetValue(party);
    if (party) button->SetFontBold(true);
  }
  const bool inside = s.OutOfState == 0;
  (inside ? Option1 : Option2).SetValue(true);
  EnableRoverChoice(inside);
  (s.Rover == 1 ? Option4 : Option3).SetValue(true);
  Text1.SetText(s.OwnCall);
  Text5.SetText(s.OwnSPC);
  Text6.SetText(vb::CStr(s.UTCOffset));
  Text2.SetText(s.OwnCountry);
  Text3.SetText(vb::CStr(s.OwnLongitude));
  Text4.SetText(vb::CStr(s.OwnLatitude));
  Text7.SetText(s.OwnContinent);
  Text8.SetText(s.OwnCounty);
  Text9.SetText(s.OwnARRLSection);
  Text10.SetText(s.OwnName);
  Text11.SetText(s.OwnCategory);
  Text12.SetText(s.OwnCity);
}

void frmStationID::Cap3(int& key_ascii) { CapitalizeKey(key_ascii); }

void frmStationID::NumBerr(int& key_ascii) {
  if (key_ascii == vb::vbKeyBack) return;
  if (key_ascii < '-' || key_ascii > '9') key_ascii = 0;
}

bool frmStationID::DoneOnEnter(int& key_ascii) {
  if (key_ascii != vb::vbKeyReturn) return false;
  key_ascii = 0;
  Command1_Click();
  return true;
}

void frmStationID::CapitalBox_KeyPress(int& key_ascii) {
  if (DoneOnEnter(key_ascii)) return;
  DropQuoteKey(key_ascii);
  Cap3(key_ascii);
}

void frmStationID::NumberBox_KeyPress(int& key_ascii) {
  offset_refused_on_leave_ = false;
  if (DoneOnEnter(key_ascii)) return;
  NumBerr(key_ascii);
}

// The county box: a capital at the start of the box and of every word; Enter is Done.
void frmStationID::Text8_KeyPress(int& key_ascii) {
  DropQuoteKey(key_ascii);
  const std::string& text = Text8.Text();
  if (text.empty() || Text8.SelStart() == 0 || text.back() == ' ') CapitalizeKey(key_ascii);
  DoneOnEnter(key_ascii);
}

// The country box completes a country of the prefix table as it is typed, and fills the
// position and continent from that entry.
void frmStationID::Text2_KeyPress(int& key_ascii) {
  DropQuoteKey(key_ascii);
  if (Text2.SelStart() == 0) Cap3(key_ascii);
  if (key_ascii <= 0) return;
  const std::string typed =
      Text2.Text().substr(0, static_cast<std::size_t>(Text2.SelStart())) + static_cast<char>(key_ascii);
  const PrefixEntry* hit = App().State<PrefixTable>().LastCountryStartingWith(typed);
  if (hit == nullptr) return;
  const std::string rest = hit->PrefixCountry.substr(typed.size());
  Text2.SetText(typed + rest);
  key_ascii = 0;
  Text2.SetSelStart(static_cast<int>(typed.size()));
  Text2.SetSelLength(static_cast<int>(rest.size()));
  Text3.SetText(vb::CStr(hit->PrefixLongitude));
  Text4.SetText(vb::CStr(hit->PrefixLatitude));
  Text7.SetText(hit->PrefixContinent);
}

void frmStationID::Text6_LostFocus() {
  if (!HoldsSingle(Text6.Text())) {
    App().Beep();
    Text6.SetFocus();
  } else if (!ReadUTCOffset(Text6.Text())) {
    RefuseUTCOffset();
    // A click on Done leaves the box first: its refusal is this one, not told twice.
    offset_refused_on_leave_ = true;
  }
}

// An offset beyond a day either way: told, and the focus goes back to the box to mend it.
void frmStationID::RefuseUTCOffset() {
  App().Beep();
  App().MsgBox(UTCOffsetRefusal(Text6.Text()), vb::vbOKOnly, kUTCOffsetTitle);
  Text6.SetFocus();
}

void frmStationID::EnableRoverChoice(bool enabled) {
  Frame3.SetEnabled(enabled);
  Option3.SetEnabled(enabled);
  Option4.SetEnabled(enabled);
}

void frmStationID::Option1_Click() { EnableRoverChoice(true); }

// Outside the state there is no rover.
void frmStationID::Option2_Click() {
  Option3.SetValue(true);
  EnableRoverChoice(false);
}

void frmStationID::optState_Click(int index) {
  for (auto& [i, button] : optState) button->SetFontBold(false);
  optState(index).SetFontBold(true);
}

// Done: stores the details, writes the settings file and the shared preferences, and opens
// the main window for the station's side of the state line.
void frmStationID::Command1_Click() {
  forms::Application& app = App();
  for (forms::TextBox* box : {&Text6, &Text3, &Text4}) {
    if (!HoldsSingle(box->Text())) box->SetText("0");
  }
  if (!ReadUTCOffset(Text6.Text())) {
    if (!std::exchange(offset_refused_on_leave_, false)) RefuseUTCOffset();
    return;
  }
  StationSettings& s = app.State<StationSettings>();
  s.PartyState = "PA";
  s.OutOfState = Option1.Value() ? 0 : 1;
  s.Rover = Option4.Value() ? 1 : 0;
  s.OwnCall = Text1.Text();
  s.OwnSPC = Text5.Text();
  s.UTCOffset = *vb::CSng(Text6.Text());
  s.OwnCountry = Text2.Text();
  s.OwnLongitude = *vb::CSng(Text3.Text());
  s.OwnLatitude = *vb::CSng(Text4.Text());
  s.OwnContinent = Text7.Text();
  s.OwnCounty = Text8.Text();
  s.OwnARRLSection = Text9.Text();
  s.OwnName = Text10.Text();
  s.OwnCategory = Text11.Text();
  s.OwnCity = Text12.Text();
  WritePrefFile(app);
  const std::pair<const char*, const forms::TextBox*> shared[] = {
      {"OWN_CALL", &Text1},      {"OWN_SPC", &Text5},       {"OWN_UTC", &Text6},
      {"OWN_COUNTY", &Text8},    {"OWN_COUNTRY", &Text2},   {"OWN_LONGITUDE", &Text3},
      {"OWN_LATITUDE", &Text4},  {"OWN_CONTINENT", &Text7}, {"OWN_ARRL_SECTION", &Text9}};
  for (const auto& [name, box] : shared) {
    std::string key = name;
    // The file is written once, with the last key.
    SetSharedPref(app, key, box->Text(), box == &Text9 ? 1 : 0);
  }
  if (s.OutOfState == 1) {
    app.Get<Outfrm>().Show();
  } else {
    app.Get<Infrm>().Show();
  }
  Unload();
}

// The keyer windows that the load left loaded would otherwise keep the program running with
// no window on screen.
void frmStationID::Form_QueryUnload(int& /*cancel*/, forms::UnloadMode mode) {
  if (mode == forms::UnloadMode::CloseBox) App().End();
}

}  // namespace ks
