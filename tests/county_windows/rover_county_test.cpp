// The rover-county window: adding counties with Enter, the check on Enter, removing listed
// counties with a click, the tick box, Done, and a list that lasts for the run.
#include <gtest/gtest.h>

#include "platform/vb/constants.h"
#include "station/windows/frmCountyChange.h"
#include "station/windows/frmCountyChangeRover.h"
#include "tests/county_windows/window_fixture.h"

namespace ks::testing {
namespace {

using List = std::vector<std::string>;

class RoverCountyWindow : public WindowFixture {
 protected:
  void Show(const std::function<void(frmCountyChangeRover&)>& actions) {
    ShowModalWith<frmCountyChangeRover>("frmCountyChangeRover", actions);
  }
  static void Add(frmCountyChangeRover& r, const std::string& county) {
    r.Text1.SetFocus();
    r.Text1.SetSelStart(0);
    r.TypeText(county);
    r.PressKey(13);
  }
};

TEST_F(RoverCountyWindow, EnterAddsACheckedCountyInItsAlphabeticalPlace) {
  Show([&](frmCountyChangeRover& r) {
    EXPECT_EQ(r.Caption(), "County Change for Rovers");
    EXPECT_EQ(r.Text1.Text(), "Dauphin");
    EXPECT_TRUE(r.Text1.HasFocus());
    EXPECT_EQ(r.Check1.Value(), 0);
    Add(r, "york");
    EXPECT_EQ(r.Text1.Text(), "");
    Add(r, "adams");
    EXPECT_EQ(r.List1.Items(), (List{"Adams", "York"}));
  });
}

// A county outside the table, and one already in the line in any case, are marked and kept
// in the box; the list stays as it was.
TEST_F(RoverCountyWindow, ACountyOutsideTheTableOrAlreadyListedIsNotAdded) {
  for (const std::string typed : {"qq", "York", "YORK", "york"}) {
    SCOPED_TRACE(typed);
    const int beeps = dialogs().beeps;
    Show([&](frmCountyChangeRover& r) {
      if (r.List1.ListCount() == 0) Add(r, "york");
      r.Text1.SetFocus();
      r.Text1.SetText(typed);
      r.PressKey(13);
      EXPECT_EQ(dialogs().beeps, beeps + 1);
      EXPECT_TRUE(r.Label2.Visible());
      EXPECT_EQ(r.Text1.Text(), typed);
      EXPECT_TRUE(r.Text1.HasFocus());
      EXPECT_EQ(r.List1.Items(), (List{"York"}));
      r.Command1.ClickBy();
    });
  }
}

TEST_F(RoverCountyWindow, ACountyTypedInCapitalsIsListedAsTyped) {
  Show([&](frmCountyChangeRover& r) {
    Add(r, "qq");
    r.Text1.SetText("ADAMS");  // caps lock on: passes, listed as typed
    r.PressKey(13);
    EXPECT_FALSE(r.Label2.Visible());
    EXPECT_EQ(r.List1.Items(), (List{"ADAMS"}));
  });
}

TEST_F(RoverCountyWindow, AClickRemovesTheCountyAndTheNextBecomesFirst) {
  app().Get<frmCountyChange>();  // Done writes into the own-county window's box
  Show([&](frmCountyChangeRover& r) {
    Add(r, "york");
    Add(r, "bucks");
    Add(r, "adams");
    r.List1.SelectBy(0);
    EXPECT_EQ(r.List1.Items(), (List{"Bucks", "York"}));
    EXPECT_TRUE(r.Command1.HasFocus());
    r.Command1.ClickBy();
  });
  EXPECT_EQ(app().Get<frmCountyChange>().Text1.Text(), "Bucks");
}

// Without a mouse: the list takes the focus with its first county chosen, the arrow keys
// choose another without removing anything, and Enter removes the chosen county as a click
// does, sending the focus to Done; Delete removes it and chooses the next, the focus staying
// in the list.
TEST_F(RoverCountyWindow, DeleteOrEnterRemovesTheCountyChosenWithTheKeys) {
  struct Case {
    int key;
    bool focus_to_done;
    std::string chosen_after;
  };
  for (const Case& c : {Case{vb::vbKeyDelete, false, "Perry"}, Case{vb::vbKeyReturn, true, ""}}) {
    SCOPED_TRACE(c.key);
    Show([&](frmCountyChangeRover& r) {
      r.List1.Clear();
      for (const char* county : {"juniata", "mifflin", "perry"}) Add(r, county);
      r.PressKey(vb::vbKeyTab);
      r.PressKey(vb::vbKeyTab);
      ASSERT_TRUE(r.List1.HasFocus());
      EXPECT_EQ(r.List1.Text(), "Juniata");
      EXPECT_TRUE(r.List1.SelectByKey(1));
      EXPECT_EQ(r.List1.Items(), (List{"Juniata", "Mifflin", "Perry"}));
      r.PressKey(c.key);
      EXPECT_EQ(r.List1.Items(), (List{"Juniata", "Perry"}));
      EXPECT_EQ(r.Command1.HasFocus(), c.focus_to_done);
      EXPECT_EQ(r.List1.HasFocus(), !c.focus_to_done);
      EXPECT_EQ(r.List1.Text(), c.chosen_after);
      r.Command1.ClickBy();
    });
  }
}

TEST_F(RoverCountyWindow, DoneWithAnEmptyListLeavesTheOwnCountyBoxAlone) {
  auto& own = app().Get<frmCountyChange>();
  own.Text1.SetText("Erie");
  Show([&](frmCountyChangeRover& r) {
    Add(r, "york");
    r.List1.SelectBy(0);
    r.Command1.ClickBy();
  });
  EXPECT_EQ(own.Text1.Text(), "Erie");
}

TEST_F(RoverCountyWindow, TheTickBoxTicksAndSendsTheFocusToDone) {
  Show([&](frmCountyChangeRover& r) {
    r.Check1.ClickBy();
    EXPECT_EQ(r.Check1.Value(), 1);
    EXPECT_TRUE(r.Command1.HasFocus());
  });
}

TEST_F(RoverCountyWindow, DoneKeepsTheListForTheRunAndTheCloseBoxLosesIt) {
  Show([&](frmCountyChangeRover& r) {
    Add(r, "york");
    r.Check1.ClickBy();
    r.Command1.ClickBy();
  });
  settings().OwnCounty = "Erie";
  Show([&](frmCountyChangeRover& r) {
    EXPECT_EQ(r.List1.Items(), (List{"York"}));
    EXPECT_EQ(r.Check1.Value(), 1);
    EXPECT_EQ(r.Text1.Text(), "");  // a later showing does not refill the box
    r.CloseBy();
  });
  EXPECT_FALSE(app().IsLoaded<frmCountyChangeRover>());
  // The main window reading the list loads the window afresh, hidden.
  auto& fresh = app().Get<frmCountyChangeRover>();
  EXPECT_FALSE(fresh.Visible());
  EXPECT_EQ(fresh.List1.ListCount(), 0);
  EXPECT_EQ(fresh.Check1.Value(), 0);
  EXPECT_EQ(fresh.Text1.Text(), "Erie");
}

}  // namespace
}  // namespace ks::testing
