// The menu items that open tool windows, each in its own way: modal and then unloaded,
// modal and kept loaded, or beside the main window and kept loaded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "station/windows/frmCountyChange.h"
#include "tests/mainwin_commands/main_window_fixture.h"

namespace ks::testing {
namespace {

enum class Way { ModalThenUnloaded, ModalKept, Modeless };

class MenuCommandsTest : public MainWindowTest {};

TEST_F(MenuCommandsTest, EachItemOpensItsWindowInItsWay) {
  Outfrm& w = Open<Outfrm>();
  struct Case {
    forms::Menu* item;
    const char* window;
    Way way;
  };
  const Case cases[] = {
      {&w.mnuWriteSumm, "DECabrilloIn", Way::ModalThenUnloaded},
      {&w.mnuCW, "CWFrm", Way::ModalKept},
      {&w.mnuVoice, "PhoneFrm", Way::ModalKept},
      {&w.mnuRigInterface, "RigControlfrm", Way::Modeless},
      {&w.mnuDXSpotting, "PacketSpotfrm", Way::Modeless},
      {&w.mnuSpectrumMap, "SpectrumMap", Way::ModalThenUnloaded},
      {&w.mnuBlind, "BlindFrm", Way::Modeless},
      {&w.mnuPrivileges, "frmBandPlan", Way::ModalThenUnloaded},
      {&w.mnuMap, "CountyMapPA", Way::ModalThenUnloaded},
      {&w.mnuGraph, "GraphQSO", Way::ModalThenUnloaded},
      {&w.mnuCountyList, "frmCountyList", Way::ModalThenUnloaded},
      {&w.mnuHelp, "Form5", Way::ModalThenUnloaded},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    // Twice in a row: a window unloaded after the first opening is loaded afresh.
    for (int opening = 0; opening < 2; ++opening) {
      if (forms::Form* open = app().FindForm(c.window)) open->Hide();
      view.events.clear();
      ASSERT_TRUE(c.item->ChooseBy());
      ASSERT_FALSE(view.events.empty());
      const std::string shown = (c.way == Way::Modeless ? "show " : "modal ") + std::string(c.window);
      EXPECT_EQ(view.events.front(), shown);
      const forms::Form* after = app().FindForm(c.window);
      switch (c.way) {
        case Way::ModalThenUnloaded:
          EXPECT_EQ(after, nullptr);
          EXPECT_EQ(view.events.back(), "unload " + std::string(c.window));
          break;
        case Way::ModalKept:
          ASSERT_NE(after, nullptr);
          EXPECT_FALSE(after->Visible());
          break;
        case Way::Modeless:
          ASSERT_NE(after, nullptr);
          EXPECT_TRUE(after->Visible());
          EXPECT_FALSE(after->IsModal());
          break;
      }
    }
  }
}

TEST_F(MenuCommandsTest, ConfigureStoresTheSettingsEvenWithoutAChange) {
  Outfrm& w = Open<Outfrm>();
  fs::remove(pref_file());
  w.mnuDXSpotting.ChooseBy();
  EXPECT_TRUE(fs::exists(pref_file()));
  ASSERT_NE(app().FindForm("PacketSpotfrm"), nullptr);
}

TEST_F(MenuCommandsTest, AModalWindowClosedByTheOperatorIsUnloadedToo) {
  Outfrm& w = Open<Outfrm>();
  h.loop().ScriptModal("GraphQSO", [](forms::Form& graph) { graph.CloseBy(); });
  w.mnuGraph.ChooseBy();
  EXPECT_EQ(app().FindForm("GraphQSO"), nullptr);
  EXPECT_NE(app().FindForm("Outfrm"), nullptr);
}

constexpr int kOwnCountyLine = 7;  // OwnCounty's line in QSOpref.txt

class InStateMenusTest : public MainWindowTest {
 protected:
  InStateMenusTest() { settings().OutOfState = 0; }
};

TEST_F(InStateMenusTest, ColorsStoresTheSettingsAndRedrawsAfterTheWindowCloses) {
  Infrm& w = Open<Infrm>();
  fs::remove(pref_file());
  WriteBytes(work() / "log.txt", LogText(4));
  ASSERT_TRUE(w.mnuColors->ChooseBy());
  EXPECT_EQ(view.events.front(), "modal Form6");
  EXPECT_EQ(app().FindForm("Form6"), nullptr);
  EXPECT_TRUE(fs::exists(pref_file()));
  EXPECT_EQ(store().QSOCount, 4);
}

TEST_F(InStateMenusTest, ChangeCountyIsGreyedForAStationThatIsNotARover) {
  Infrm& w = Open<Infrm>();
  EXPECT_FALSE(w.mnuChangeCounty->ChooseBy());
  EXPECT_EQ(app().FindForm("frmCountyChange"), nullptr);
}

TEST_F(InStateMenusTest, ChangeCountyShowsTheNewOwnCountyAndStoresIt) {
  settings().Rover = 1;
  Infrm& w = Open<Infrm>();
  h.loop().ScriptModal("frmCountyChange", [](forms::Form& f) {
    auto& window = static_cast<frmCountyChange&>(f);
    window.Text1.SetText("Adams");
    window.Command1.ClickBy();
  });
  ASSERT_TRUE(w.mnuChangeCounty->ChooseBy());
  EXPECT_EQ(app().FindForm("frmCountyChange"), nullptr);
  EXPECT_EQ(w.Label25.Caption(), "Adams");
  EXPECT_EQ(PrefLine(kOwnCountyLine), "\"Adams\"");
}

TEST_F(InStateMenusTest, ChangeCountyClosedWithoutDoneStillStoresTheSettings) {
  settings().Rover = 1;
  Infrm& w = Open<Infrm>();
  fs::remove(pref_file());
  h.loop().ScriptModal("frmCountyChange", [](forms::Form& f) { f.CloseBy(); });
  w.mnuChangeCounty->ChooseBy();
  EXPECT_EQ(w.Label25.Caption(), "York");
  EXPECT_EQ(PrefLine(kOwnCountyLine), "\"York\"");
}

}  // namespace
}  // namespace ks::testing
