// The setup window driven as an operator drives it: typing, choosing, Done.
#include <gtest/gtest.h>

#include <string>

#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "logstore/prefix_table.h"
#include "logstore/state_table.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/vb/constants.h"
#include "tests/station_setup/setup_run.h"

namespace ks::setup_test {
namespace {

using forms::TextBox;

TextBox& Box(frmStationID& setup, const std::string& name) {
  return static_cast<TextBox&>(*setup.FindControl(name));
}

// The operator selects the whole text of a box and types over it.
void Retype(frmStationID& setup, TextBox& box, const std::string& keys) {
  box.SetFocus();
  box.SetSelStart(0);
  box.SetSelLength(static_cast<int>(box.Text().size()));
  setup.TypeText(keys);
}

constexpr const char* kSmallPrefixTable =
    "\"CE\",\"Chile\",\"SA\",70.67,-33.45,14,12,-4\r\n"
    "\"CM\",\"Cuba\",\"NA\",82.37,23.13,8,11,5\r\n"
    "\"K\",\"USA\",\"NA\",98,38,5,8,5\r\n"
    "\"VE\",\"Canada\",\"NA\",97,55,4,9,5\r\n";

TEST(SetupWindow, ShowsTheStartingSettingsWithTheKeyerWindowsLoadedHidden) {
  SetupRun run;
  run.CopyStartingFiles();
  frmStationID& setup = run.OpenSetup();
  EXPECT_TRUE(run.dialogs().message_boxes.empty());
  EXPECT_TRUE(run.dialogs().input_boxes.empty());
  EXPECT_TRUE(setup.Visible());
  EXPECT_EQ(setup.Caption(), " Setup Information");
  EXPECT_EQ(setup.ActiveControl(), &setup.Text1);
  EXPECT_EQ(setup.Text1.Text(), "");
  EXPECT_EQ(setup.Text6.Text(), "5");
  EXPECT_EQ(setup.Text3.Text(), "0");
  // The starting file is for a station outside the state, so there is no rover choice.
  EXPECT_TRUE(setup.Option2.Value());
  EXPECT_TRUE(setup.Option3.Value());
  EXPECT_FALSE(setup.Frame3.Enabled());
  EXPECT_FALSE(setup.Option4.Enabled());
  for (auto& [index, button] : setup.optState) {
    EXPECT_EQ(button->Value(), index == 37) << index;
    EXPECT_EQ(button->FontBold(), index == 37) << index;
  }
  EXPECT_EQ(setup.optState(37).Caption(), "PA");
  EXPECT_EQ(fs::path(setup.Image1.Picture()).filename(), "setup.jpg");
  EXPECT_GT(run.app().State<PrefixTable>().PrefixCount, 0);
  EXPECT_EQ(run.app().State<StateTable>().Entries.size(), 51u);

  PhoneFrm* phone = run.app().IfLoaded<PhoneFrm>();
  CWFrm* cw = run.app().IfLoaded<CWFrm>();
  ASSERT_NE(phone, nullptr);
  ASSERT_NE(cw, nullptr);
  EXPECT_FALSE(phone->Visible());
  EXPECT_FALSE(cw->Visible());
  EXPECT_EQ(phone->Caption(), "Phone Wave Selections");
  EXPECT_TRUE(phone->Option1.Value());
  EXPECT_EQ(cw->Caption(), "CW String Selections");
  EXPECT_EQ(cw->Text1.Text(), "CQ PA MYCALL MYCALL TEST");
  EXPECT_EQ(cw->Text11.Text(), "20");
  EXPECT_TRUE(cw->Option4.Value());
}

TEST(SetupWindow, EachBoxTakesTheKeysItsRuleAllows) {
  SetupRun run;
  run.CopyStartingFiles();
  frmStationID& setup = run.OpenSetup();
  struct Case {
    const char* box;
    const char* keys;
    const char* expected;
  };
  const Case cases[] = {
      {"Text1", "w3\"abc", "W3ABC"},
      {"Text5", "pa", "PA"},
      {"Text6", "-4.5x", "-4.5"},
      {"Text6", "-12.34567", "-12.345"},  // at most seven characters
      {"Text3", "7/5.5abc", "7/5.5"},
      {"Text4", "40,1e", "401"},
      {"Text7", "na", "NA"},
      {"Text8", "lehigh valley", "Lehigh Valley"},
      {"Text8", "mc\"kean", "Mckean"},
      {"Text9", "epa", "EPA"},
      {"Text10", "joe", "JOE"},
      {"Text11", "single op", "SINGLE OP"},
      {"Text12", "state \"college\"", "STATE COLLEGE"},
  };
  for (const Case& c : cases) {
    TextBox& box = Box(setup, c.box);
    Retype(setup, box, c.keys);
    EXPECT_EQ(box.Text(), c.expected) << c.box << " " << c.keys;
  }
  EXPECT_TRUE(run.app().IsLoaded<frmStationID>());
}

TEST(SetupWindow, TheCountryBoxCompletesFromThePrefixTable) {
  SetupRun run;
  run.CopyStartingFiles();
  run.WriteWorking("arrlpre2.txt", kSmallPrefixTable);
  frmStationID& setup = run.OpenSetup();
  setup.Text2.SetFocus();
  setup.TypeText("c");
  // The last country of the table that begins with "C", its rest selected.
  EXPECT_EQ(setup.Text2.Text(), "Canada");
  EXPECT_EQ(setup.Text2.SelStart(), 1);
  EXPECT_EQ(setup.Text2.SelLength(), 5);
  EXPECT_EQ(setup.Text3.Text(), "97");
  EXPECT_EQ(setup.Text4.Text(), "55");
  EXPECT_EQ(setup.Text7.Text(), "NA");

  setup.TypeText("u");
  EXPECT_EQ(setup.Text2.Text(), "Cuba");
  EXPECT_EQ(setup.Text2.SelStart(), 2);
  EXPECT_EQ(setup.Text3.Text(), "82.37");
  EXPECT_EQ(setup.Text4.Text(), "23.13");

  // No country goes on so: the key replaces the suggestion as typed.
  setup.TypeText("x\"");
  EXPECT_EQ(setup.Text2.Text(), "Cux");

  // Enter is no Done here.
  setup.PressKey(vb::vbKeyReturn);
  EXPECT_TRUE(run.app().IsLoaded<frmStationID>());
  EXPECT_FALSE(run.app().IsLoaded<Outfrm>());
}

TEST(SetupWindow, EnterInAnyOtherBoxIsDone) {
  for (const char* name : {"Text1", "Text5", "Text8", "Text6", "Text3", "Text4", "Text7", "Text9", "Text10", "Text11",
                           "Text12"}) {
    SetupRun run;
    run.CopyStartingFiles();
    frmStationID& setup = run.OpenSetup();
    Box(setup, name).SetFocus();
    setup.PressKey(vb::vbKeyReturn);
    EXPECT_FALSE(run.app().IsLoaded<frmStationID>()) << name;
    Outfrm* main = run.app().IfLoaded<Outfrm>();
    ASSERT_NE(main, nullptr) << name;
    EXPECT_TRUE(main->Visible());
  }
}

TEST(SetupWindow, LeavingTheOffsetBoxNeedsANumber) {
  SetupRun run;
  run.CopyStartingFiles();
  frmStationID& setup = run.OpenSetup();
  Retype(setup, setup.Text6, "-");
  setup.TabBy();
  EXPECT_EQ(run.dialogs().beeps, 1);
  EXPECT_EQ(setup.ActiveControl(), &setup.Text6);
  setup.TypeText("5.5");
  setup.TabBy();
  EXPECT_EQ(run.dialogs().beeps, 1);
  EXPECT_EQ(setup.ActiveControl(), &setup.Text2);
}

// No clock is a day or more from UTC: such an offset is refused with a message that names it
// when the box is left and again at Done, which then stores nothing and opens no main window.
TEST(SetupWindow, AnOffsetBeyondADayIsRefusedWhereItIsTyped) {
  const struct {
    const char* typed;
    bool refused;
  } cases[] = {{"9999999", true}, {"-25", true}, {"24.01", true}, {"24", false}, {"-24", false}, {"-9.5", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    SetupRun run;
    run.CopyStartingFiles();
    frmStationID& setup = run.OpenSetup();
    const std::string stored = run.ReadWorking("QSOpref.txt");
    Retype(setup, setup.Text6, c.typed);
    setup.TabBy();
    const std::string refusal = std::string("\"") + c.typed +
                                "\" is not a UTC offset: the hours added to local time to give UTC are a number "
                                "from -24 to 24.";
    if (c.refused) {
      ASSERT_EQ(run.dialogs().message_boxes.size(), 1u);
      EXPECT_EQ(run.dialogs().message_boxes[0].text, refusal);
      EXPECT_EQ(run.dialogs().message_boxes[0].title, "Hours added for UTC");
      EXPECT_EQ(setup.ActiveControl(), &setup.Text6);
    } else {
      EXPECT_TRUE(run.dialogs().message_boxes.empty());
    }
    // A click on Done leaves the box first, and is told once; Enter in the box is told too.
    setup.Command1.ClickBy();
    if (c.refused) {
      EXPECT_EQ(run.dialogs().message_boxes.size(), 2u);
      setup.PressKey(vb::vbKeyReturn);
      EXPECT_EQ(run.dialogs().message_boxes.size(), 3u);
      EXPECT_EQ(run.dialogs().message_boxes.back().text, refusal);
      EXPECT_EQ(run.ReadWorking("QSOpref.txt"), stored);
      EXPECT_EQ(run.app().State<StationSettings>().UTCOffset, 5.0f);
      EXPECT_FALSE(run.app().IsLoaded<Outfrm>() || run.app().IsLoaded<Infrm>());
      EXPECT_TRUE(run.app().IsLoaded<frmStationID>());
    } else {
      EXPECT_EQ(run.app().State<StationSettings>().UTCOffset, std::stof(c.typed));
      EXPECT_TRUE(run.app().IsLoaded<Outfrm>() || run.app().IsLoaded<Infrm>());
    }
  }
}

TEST(SetupWindow, TheRoverChoiceExistsOnlyInsideTheState) {
  SetupRun run;
  run.CopyStartingFiles();
  frmStationID& setup = run.OpenSetup();
  EXPECT_FALSE(setup.Option4.ClickBy());

  setup.Option1.ClickBy();
  EXPECT_TRUE(setup.Frame3.Enabled());
  EXPECT_TRUE(setup.Option3.Enabled());
  ASSERT_TRUE(setup.Option4.ClickBy());
  EXPECT_TRUE(setup.Option4.Value());

  setup.Option2.ClickBy();
  EXPECT_TRUE(setup.Option3.Value());
  EXPECT_FALSE(setup.Frame3.Enabled());
  EXPECT_FALSE(setup.Option3.Enabled());
  EXPECT_FALSE(setup.Option4.Enabled());

  setup.Command1.ClickBy();
  const StationSettings& s = run.app().State<StationSettings>();
  EXPECT_EQ(s.OutOfState, 1);
  EXPECT_EQ(s.Rover, 0);
  ASSERT_TRUE(run.app().IsLoaded<Outfrm>());
  EXPECT_FALSE(run.app().IsLoaded<Infrm>());
}

TEST(SetupWindow, TheStateChoiceIsMarkedButThePartyStaysPennsylvania) {
  SetupRun run;
  run.CopyStartingFiles();
  frmStationID& setup = run.OpenSetup();
  setup.optState(4).ClickBy();
  EXPECT_TRUE(setup.optState(4).Value());
  EXPECT_TRUE(setup.optState(4).FontBold());
  EXPECT_FALSE(setup.optState(37).Value());
  EXPECT_FALSE(setup.optState(37).FontBold());
  setup.Command1.ClickBy();
  EXPECT_EQ(run.app().State<StationSettings>().PartyState, "PA");
}

TEST(SetupWindow, DoneStoresTheDetailsAndOpensTheMainWindow) {
  SetupRun run;
  run.CopyStartingFiles();
  run.WriteWorking("arrlpre2.txt", kSmallPrefixTable);
  frmStationID& setup = run.OpenSetup();
  Retype(setup, setup.Text1, "w3abc");
  Retype(setup, setup.Text5, "pa");
  Retype(setup, setup.Text8, "lehigh");
  Retype(setup, setup.Text2, "u");
  Retype(setup, setup.Text3, "75.5");
  Retype(setup, setup.Text4, "40.6");
  Retype(setup, setup.Text9, "epa");
  Retype(setup, setup.Text10, "joe");
  Retype(setup, setup.Text11, "single op");
  Retype(setup, setup.Text12, "allentown");
  setup.Option1.ClickBy();
  setup.Option4.ClickBy();
  setup.Command1.ClickBy();

  EXPECT_EQ(run.ReadWorking("QSOpref.txt"),
            "\"W3ABC\"\r\n\"PA\"\r\n\"USA\"\r\n\"EPA\"\r\n\"JOE\"\r\n\"SINGLE OP\"\r\n\"Lehigh\"\r\n\"ALLENTOWN\"\r\n"
            "\"CW\"\r\n\"20\"\r\n5\r\n75.5\r\n40.6\r\n\"NA\"\r\n100\r\n40960\r\n255\r\n0\r\n"
            "\"PA\"\r\n0\r\n1\r\n0\r\n\"None\"\r\n0\r\n0\r\n");
  EXPECT_EQ(run.SharedPrefsFile(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<OWN_CALL>W3ABC</OWN_CALL>\r\n<OWN_SPC>PA</OWN_SPC>\r\n"
            "<OWN_UTC>5</OWN_UTC>\r\n<OWN_COUNTY>Lehigh</OWN_COUNTY>\r\n<OWN_COUNTRY>USA</OWN_COUNTRY>\r\n"
            "<OWN_LONGITUDE>75.5</OWN_LONGITUDE>\r\n<OWN_LATITUDE>40.6</OWN_LATITUDE>\r\n"
            "<OWN_CONTINENT>NA</OWN_CONTINENT>\r\n<OWN_ARRL_SECTION>EPA</OWN_ARRL_SECTION>\r\n");
  EXPECT_FALSE(run.app().IsLoaded<frmStationID>());
  Infrm* main = run.app().IfLoaded<Infrm>();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->Visible());
  EXPECT_FALSE(run.app().IsLoaded<Outfrm>());

  // The next run shows what this one stored.
  SetupRun next;
  next.CopyStartingFiles();
  next.WriteWorking("QSOpref.txt", run.ReadWorking("QSOpref.txt"));
  frmStationID& again = next.OpenSetup();
  const std::pair<const TextBox*, const char*> shown[] = {
      {&again.Text1, "W3ABC"}, {&again.Text5, "PA"},   {&again.Text8, "Lehigh"},  {&again.Text6, "5"},
      {&again.Text2, "USA"},   {&again.Text3, "75.5"}, {&again.Text4, "40.6"},    {&again.Text7, "NA"},
      {&again.Text9, "EPA"},   {&again.Text10, "JOE"}, {&again.Text11, "SINGLE OP"}, {&again.Text12, "ALLENTOWN"}};
  for (const auto& [box, text] : shown) EXPECT_EQ(box->Text(), text) << box->Name();
  EXPECT_TRUE(again.Option1.Value());
  EXPECT_TRUE(again.Option4.Value());
}

TEST(SetupWindow, DoneStoresZeroForAnOffsetOrPositionThatIsNoNumber) {
  SetupRun run;
  run.CopyStartingFiles();
  frmStationID& setup = run.OpenSetup();
  Retype(setup, setup.Text3, "1/2");
  Retype(setup, setup.Text4, "99999999999999999999999999999999999999999");  // beyond a Single
  Retype(setup, setup.Text6, "");
  setup.PressKey(vb::vbKeyBack);
  setup.PressKey(vb::vbKeyReturn);
  const StationSettings& s = run.app().State<StationSettings>();
  EXPECT_EQ(s.UTCOffset, 0.0f);
  EXPECT_EQ(s.OwnLongitude, 0.0f);
  EXPECT_EQ(s.OwnLatitude, 0.0f);
  const std::string prefs = run.SharedPrefsFile();
  EXPECT_NE(prefs.find("<OWN_UTC>0</OWN_UTC>"), std::string::npos);
  EXPECT_NE(prefs.find("<OWN_LONGITUDE>0</OWN_LONGITUDE>"), std::string::npos);
  EXPECT_NE(prefs.find("<OWN_LATITUDE>0</OWN_LATITUDE>"), std::string::npos);
}

}  // namespace
}  // namespace ks::setup_test
