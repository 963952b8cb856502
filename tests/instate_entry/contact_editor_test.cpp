// The in-state contact editor: the exchange (SPC) rules on Done, the county sent in the
// duplicate key, and the stored record.
#include <gtest/gtest.h>

#include <functional>

#include "reports/windows/DEEditInfrm.h"
#include "tests/instate_entry/infrm_fixture.h"

namespace ks::testing {
namespace {

class InStateEditorTest : public InfrmTest {
 protected:
  // Opens the editor on the newest contact (list row 1) and lets `operate` work in it.
  void EditNewest(Infrm& w, const std::function<void(DEEditInfrm&)>& operate) {
    bool opened = false;
    h.loop().ScriptModal("DEEditInfrm", [&](forms::Form& form) {
      opened = true;
      operate(static_cast<DEEditInfrm&>(form));
    });
    w.ListView1.ClickItemBy(1, forms::kRightButton);
    EXPECT_TRUE(opened);
  }
};

TEST_F(InStateEditorTest, TheExchangeIsCheckedOnDone) {
  struct Case {
    const char* typed;  // typed key by key into the emptied box
    const char* set;    // or pasted
    bool stored;
    const char* expected;
  };
  const Case cases[] = {
      {"epa", nullptr, true, "EPA"},  {nullptr, "pa", true, "PA"},      {nullptr, "Germany", true, "Germany"},
      {nullptr, "XYZ", false, "NY"},  {nullptr, "", false, "NY"},
  };
  Infrm& w = OpenWith({InStateContact("W2XX", "NY")});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed ? c.typed : c.set);
    store().Record(1).LogSPC = "NY";
    EditNewest(w, [&](DEEditInfrm& e) {
      EXPECT_EQ(e.txtEditPre.Text(), "NY");
      EXPECT_TRUE(e.txtEditSec.Visible());
      EXPECT_EQ(e.Text3.Text(), "Centre");
      e.txtEditPre.SetFocus();
      if (c.typed) {
        e.txtEditPre.SetSelStart(0);
        e.TypeText(c.typed);
      } else {
        e.txtEditPre.SetText(c.set);
      }
      e.cmdDone.ClickBy();
      EXPECT_EQ(e.Label2.Visible(), !c.stored);
      if (e.Visible()) e.Hide();
    });
    EXPECT_EQ(store().Record(1).LogSPC, c.expected);
  }
}

TEST_F(InStateEditorTest, AnotherCountySentIsNoDuplicate) {
  LogRecord first = InStateContact("K3XX", "PA", "York");
  LogRecord second = first;
  second.LogCountySent = "Blair";
  Infrm& w = OpenWith({first, second});
  EditNewest(w, [&](DEEditInfrm& e) {
    e.cmdDone.ClickBy();
    EXPECT_FALSE(e.Label1.Visible());
    EXPECT_FALSE(e.Visible());
  });
  EXPECT_EQ(h.dialogs().beeps, 0);
  // The same county sent makes it one.
  EditNewest(w, [&](DEEditInfrm& e) {
    e.Text3.SetText("York");
    e.Text3.SetText("Centre");
    e.cmdDone.ClickBy();
    EXPECT_TRUE(e.Label1.Visible());
    EXPECT_TRUE(e.cmdDeleteDupe.Visible());
    e.Hide();
  });
  EXPECT_EQ(store().Record(2).LogCountySent, "Blair");
}

TEST_F(InStateEditorTest, AnEmptyCountyIsAcceptedButAnUnknownOneIsNot) {
  Infrm& w = OpenWith({InStateContact("DL1AB", "Germany", "")});
  EditNewest(w, [&](DEEditInfrm& e) {
    e.txtEditSec.SetFocus();
    e.TabBy();
    EXPECT_FALSE(e.Label7.Visible());
    e.txtEditSec.SetText("Atlantis");
    e.txtEditSec.SetFocus();
    e.TabBy();
    EXPECT_TRUE(e.Label7.Visible());
    EXPECT_EQ(e.ActiveControl(), &e.txtEditSec);
    e.txtEditSec.SetText("");
    e.cmdDone.ClickBy();
    EXPECT_FALSE(e.Visible());
  });
  EXPECT_EQ(store().Record(1).LogCounty, "");
}

}  // namespace
}  // namespace ks::testing
