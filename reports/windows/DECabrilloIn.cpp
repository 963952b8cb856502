#include "reports/windows/DECabrilloIn.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "logstore/county_table.h"
#include "logstore/key_filters.h"
#include "logstore/log_store.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/io/settings_store.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "reports/bonuses.h"
#include "reports/qso_line.h"
#include "startup/file_reports.h"
#include "startup/shared_prefs.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr const char* kSettingsApp = "Corvane_Software";
constexpr const char* kSettingsSection = "Settings";

// The entrant's details: the box, its per-user setting and its shared-preference key.
struct Kept {
  forms::TextBox DECabrilloIn::*box;
  const char* setting;
  const char* shared_key;
};
constexpr Kept kKept[] = {{&DECabrilloIn::Text5, "UserAddressName", "OWN_ADDRESS_NAME"},
                          {&DECabrilloIn::Text6, "UserAddressLine1", "OWN_ADDRESS_Line1"},
                          {&DECabrilloIn::Text7, "UserAddressLine2", "OWN_ADDRESS_Line2"},
                          {&DECabrilloIn::Text8, "UserEMail", "OWN_EMAIL"},
                          {&DECabrilloIn::Text2, "UserClubName", "OWN_CLUB_NAME"}};

void Place(forms::Control& c, float left, float top, float width, float height) { c.Move(left, top, width, height); }

}  // namespace

DECabrilloIn::DECabrilloIn(forms::Application& app) : forms::Form(app, "DECabrilloIn") {
  Design();
  Wire();
}

void DECabrilloIn::Design() {
  SetCaption("Summary Sheet Information");
  SetClientSize(9225, 4290);
  DesignOptions();
  DesignBoxes();
  Place(Command4, 2400, 1200, 1455, 375);
  Command4.SetCaption("Write Cabrillo File");
  Command4.SetVisible(false);
  Place(Command1, 1200, 3840, 1695, 375);
  Command1.SetCaption("Write Log File");
  Place(cmdWriteDupe, 3240, 3840, 1935, 375);
  cmdWriteDupe.SetCaption("Write Dupe File");
  Place(cmdWriteSum, 5520, 3840, 1695, 375);
  cmdWriteSum.SetCaption("Write Sum File");
  Place(Command3, 8280, 3840, 735, 375);
  Command3.SetCaption("Done");
  SetTabOrder();
}

void DECabrilloIn::DesignOptions() {
  Place(Frame1, 240, 240, 4575, 975);
  Frame1.SetCaption("Category");
  Place(Option6, 240, 240, 1215, 195);
  Option6.SetCaption("Single Op");
  Place(Option5, 1560, 240, 1455, 195);
  Option5.SetCaption("Multi Single");
  Place(Option8, 3000, 240, 1190, 195);
  Option8.SetCaption("Multi Multi");
  Place(Option9, 240, 600, 1695, 195);
  Option9.SetCaption("Novice / Tech");
  Place(Option17, 2040, 600, 2175, 195);
  Option17.SetCaption("CW Only SO <150 W");
  Place(Frame5, 4920, 240, 2535, 975);
  Frame5.SetCaption("Station");
  Place(Option18, 120, 240, 1455, 195);
  Option18.SetCaption("Home Station");
  Place(Option2, 1560, 240, 855, 195);
  Option2.SetCaption("Mobile");
  Place(Option16, 120, 600, 975, 195);
  Option16.SetCaption("Rover");
  Place(Option7, 1320, 600, 1095, 195);
  Option7.SetCaption("Portable");
  Place(Frame2, 7560, 240, 1455, 975);
  Frame2.SetCaption("Power");
  Place(Option4, 120, 240, 855, 195);
  Option4.SetCaption("High");
  Place(Option3, 120, 480, 1300, 195);
  Option3.SetCaption("Low (150W)");
  Place(Option1, 120, 720, 1215, 195);
  Option1.SetCaption("QRP (5W)");
  Place(Frame3, 8760, 1800, 1215, 975);
  Frame3.SetCaption("Mode");
  Place(Frame4, 8880, 1680, 1455, 975);
  Frame4.SetCaption("License Class");
  const struct {
    forms::OptionButton& option;
    const char* caption;
    float top;
  } hidden[] = {{Option12, "CW", 240},     {Option11, "SSB", 480},  {Option10, "Mixed", 720},
                {Option15, "Novice", 240}, {Option14, "Tech", 480}, {Option13, "Other", 720}};
  for (const auto& h : hidden) {
    Place(h.option, 120, h.top, 1095, 195);
    h.option.SetCaption(h.caption);
  }
  Frame3.SetVisible(false);
  Frame4.SetVisible(false);
  Option6.SetValue(true);
  Option18.SetValue(true);
  Option3.SetValue(true);
  Option10.SetValue(true);
  Option13.SetValue(true);
}

void DECabrilloIn::DesignBoxes() {
  const forms::Font label_font{"Arial", 9.75f};
  const struct {
    forms::Label& label;
    const char* caption;
    float left, top, width, height;
  } labels[] = {{Label6, "Your Name:", 240, 1560, 1095, 255},
                {Label9, "Address Line 1:", 240, 1920, 1455, 255},
                {Label8, "Address Line 2:", 240, 2280, 1455, 255},
                {Label7, "Email Address:", 240, 2640, 1335, 255},
                {Label2, "Club Name:", 240, 3000, 1335, 255},
                {Label1, "If Multi Op, list all calls:", 4200, 1320, 2415, 255},
                {Label12, "Soapbox (Add any comments you would like to make about the contest):", 4200, 1680, 3855, 495},
                {Label3, "Rover && Mobile add 500 points per county activated:", 4200, 2685, 4335, 255},
                {Label4, "Bonus points for special event station.", 4200, 3045, 3375, 255}};
  for (const auto& l : labels) {
    Place(l.label, l.left, l.top, l.width, l.height);
    l.label.SetFont(label_font);
    l.label.SetCaption(l.caption);
  }
  Label12.WordWrap = true;
  Label3.SetFontSize(8.25f);
  Label4.SetFontSize(8.25f);
  Place(Text5, 1800, 1560, 2055, 285);
  Place(Text6, 1800, 1920, 2055, 285);
  Place(Text7, 1800, 2280, 2055, 285);
  Place(Text8, 1800, 2640, 2055, 285);
  Place(Text2, 1800, 3000, 2055, 285);
  Place(Text1, 6720, 1320, 2175, 285);
  Place(Text11, 4200, 2280, 3855, 285);
  Place(Text3, 8520, 2640, 495, 285);
  Text3.SetText("0");
  Place(Command8, 7560, 3000, 900, 255);
  Command8.SetCaption("Calculate");
  Place(Text4, 8520, 3000, 495, 285);
  Text4.SetText("0");
  Place(Check1, 4200, 3360, 3855, 255);
  Check1.SetCaption("Use county abbreviations in Cabrillo output.");
  Check1.SetValue(1);
}

void DECabrilloIn::SetTabOrder() {
  forms::Control* order[] = {&Option6, &Option5, &Option8, &Option9, &Option4, &Option3, &Option1,
                             &Text5,   &Text6,   &Text7,   &Text8,   &Text2,   &Text1,   &Text11,
                             &Command3, &Check1, &cmdWriteSum, &cmdWriteDupe, &Text3, &Text4, &Command8,
                             &Option17, &Option16, &Option2, &Option7, &Option18, &Command1};
  int index = 0;
  for (forms::Control* c : order) c->SetTabIndex(index++);
}

void DECabrilloIn::Wire() {
  Command8.Click = [this] { Command8_Click(); };
  Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
  Text3.LostFocus = [this] { Text3_LostFocus(); };
  Text4.LostFocus = [this] { Text4_LostFocus(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  cmdWriteDupe.Click = [this] { cmdWriteDupe_Click(); };
  cmdWriteSum.Click = [this] { cmdWriteSum_Click(); };
}

void DECabrilloIn::Form_Load() {
  forms::ResizeForm(*this);
  if (App().State<StationSettings>().Rover == 1) {
    const LogStore& log = App().State<LogStore>();
    Text3.SetText(std::to_string(RoverCountyBonus(log.Records, log.QSOCount)));
  }
  for (const Kept& k : kKept)
    (this->*k.box).SetText(App().Settings().GetSetting(kSettingsApp, kSettingsSection, k.setting, ""));
}

void DECabrilloIn::Command8_Click() {
  const std::string call = vb::UCase(App().InputBox("Please enter the call of the special event station for this year.",
                                                    "Enter Special Event Station Call."));
  const LogStore& log = App().State<LogStore>();
  Text4.SetText(std::to_string(SpecialEventBonus(log.Records, log.QSOCount, call)));
  Command3.SetFocus();
}

void DECabrilloIn::Text1_KeyPress(int& KeyAscii) { CapitalizeKey(KeyAscii); }

void DECabrilloIn::Text3_LostFocus() {
  if (!vb::IsNumeric(Text3.Text())) Text3.SetText("0");
}

void DECabrilloIn::Text4_LostFocus() {
  if (!vb::IsNumeric(Text4.Text())) Text4.SetText("0");
}

void DECabrilloIn::Command3_Click() { Hide(); }

std::string DECabrilloIn::TrimOwnCall() {
  std::string& call = App().State<StationSettings>().OwnCall;
  call = vb::Trim(call);
  return call;
}

QsoLineOptions DECabrilloIn::LineOptions(bool plain_log) {
  const StationSettings& s = App().State<StationSettings>();
  QsoLineOptions o;
  o.own_call = s.OwnCall;
  o.out_of_state = s.OutOfState != 0;
  o.own_exchange = plain_log ? s.OwnARRLSection : s.OwnSPC;
  o.own_exchange_name = plain_log ? "Your ARRL Section" : "Your State / Province";
  o.own_county = s.OwnCounty;
  o.county_abbreviations = Check1.Value() == 1;
  o.counties = &App().State<CountyTable>();
  return o;
}

std::string DECabrilloIn::CategoryWord() const {
  std::string word = "SINGLE-OP";
  const std::pair<const forms::OptionButton*, const char*> order[] = {
      {&Option5, "MULTI-SINGLE"}, {&Option2, "MOBILE"},       {&Option8, "MULTI-MULTI"},
      {&Option7, "MULTI-MULTI-PORTABLE"}, {&Option9, "NOVICE / TECH"}, {&Option16, "ROVER"}};
  for (const auto& [option, text] : order)
    if (option->Value()) word = text;
  return word;
}

std::string DECabrilloIn::PowerWord() const {
  if (Option1.Value()) return " QRP";
  if (Option3.Value()) return " LOW";
  return " HIGH";
}

// The per-user settings first, then the shared preferences, written to their file once.
void DECabrilloIn::KeepEntrantDetails() {
  std::vector<std::pair<std::string, std::string>> values;
  for (const Kept& k : kKept) values.emplace_back(k.setting, vb::Trim((this->*k.box).Text()));
  SaveUserSettings(App(), kSettingsApp, kSettingsSection, values);
  for (std::size_t i = 0; i < std::size(kKept); ++i) {
    std::string key = kKept[i].shared_key;
    SetSharedPref(App(), key, vb::Trim((this->*kKept[i].box).Text()), i + 1 == std::size(kKept) ? 1 : 0);
  }
}

}  // namespace ks
