// The contest's three-letter county codes typed key by key into every box that takes a county:
// the county box of both main windows, the county boxes of both contact editors, the rover's
// county line and the own-county change. Each code, in any letter case, gives its own county;
// a name's first letters still complete by the type-ahead.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "logstore/county_table.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/vb/text.h"
#include "reports/windows/DEEditInfrm.h"
#include "reports/windows/DEEditOut.h"
#include "station/windows/frmCountyChange.h"
#include "station/windows/frmCountyChangeRover.h"
#include "tests/instate_entry/infrm_fixture.h"

namespace ks::testing {
namespace {

struct Typed {
  std::string keys;    // typed into the box, then Enter
  std::string county;  // the county it names
};

// The sponsor's list as the supplied table holds it, each code typed in lower case, in capitals
// and capitalised; then name beginnings that the type-ahead completes to the latest such name.
std::vector<Typed> EveryCodeInEveryCase(const CountyTable& table) {
  std::vector<Typed> cases;
  for (int i = 1; i <= table.CountyCount; ++i) {
    const std::string code = table.CountyAbbrev[static_cast<std::size_t>(i)];
    const std::string& name = table.CountyName[static_cast<std::size_t>(i)];
    const std::string lower = vb::LCase(code);
    cases.push_back({lower, name});
    cases.push_back({code, name});
    cases.push_back({code.substr(0, 1) + lower.substr(1), name});
  }
  for (const Typed& begun : {Typed{"Cen", "Centre"}, Typed{"Mont", "Montour"}, Typed{"Monr", "Monroe"}})
    cases.push_back(begun);
  return cases;
}

// A fresh call for each contact, so that no contact is a duplicate of another.
std::string CallNumber(std::size_t n) {
  std::string letters;
  for (int k = 0; k < 3; ++k, n /= 26) letters += static_cast<char>('a' + n % 26);
  return "k3" + letters;
}

class CountyCodesTest : public InfrmTest {
 protected:
  // The county windows read the table the main window loads; they are driven here without one.
  CountyCodesTest() { LoadCountyTable(app()); }
  // Types every case into one box through `county_of`, which returns what the box gave.
  void ExpectEveryCodeGivesItsCounty(const std::function<std::string(std::size_t, const std::string&)>& county_of) {
    const std::vector<Typed> cases = EveryCodeInEveryCase(app().State<CountyTable>());
    ASSERT_EQ(cases.size(), 67u * 3 + 3);
    for (std::size_t n = 0; n < cases.size(); ++n) {
      const std::string given = county_of(n, cases[n].keys);
      EXPECT_TRUE(vb::EqualsNoCase(given, cases[n].county)) << cases[n].keys << " gave \"" << given << "\"";
    }
  }
  std::string Newest() { return store().Record(store().QSOCount).LogCounty; }
  // What a field holds before a case, so that a case that stores nothing shows as such.
  static constexpr const char* kUnchanged = "(unchanged)";
  // The operator replaces the whole text of an editor's box by typing, and presses Enter.
  template <typename Editor>
  static void RetypeAndEnter(Editor& editor, forms::TextBox& box, const std::string& keys) {
    box.SetFocus();
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
    editor.TypeText(keys + "\r");
  }
  // Opens the editor named `name` from the main window's list, as a right click does.
  void EditNewest(MainWindow& w, const std::string& name, const std::function<void(forms::Form&)>& operate) {
    bool opened = false;
    h.loop().ScriptModal(name, [&](forms::Form& form) {
      opened = true;
      operate(form);
      if (form.Visible()) form.Hide();
    });
    w.ListView1.ClickItemBy(1, forms::kRightButton);
    ASSERT_TRUE(opened);
  }
};

TEST_F(CountyCodesTest, OutOfStateCountyBox) {
  settings().OutOfState = 1;
  Outfrm& w = Open<Outfrm>();
  w.Show();
  w.cmdLogOn.ClickBy();
  ExpectEveryCodeGivesItsCounty([&](std::size_t n, const std::string& keys) {
    w.txtCall.SetFocus();
    const long before = store().QSOCount;
    w.TypeText(CallNumber(n) + " 5 " + keys + "\r");  // Space moves on from the call and the serial
    return store().QSOCount == before + 1 ? Newest() : "(not logged: " + w.lblDialog.Caption() + ")";
  });
}

TEST_F(CountyCodesTest, InStateCountyBox) {
  Infrm& w = OpenLoggedOn();
  ExpectEveryCodeGivesItsCounty([&](std::size_t n, const std::string& keys) {
    w.txtCall.SetFocus();
    const long before = store().QSOCount;
    w.TypeText(CallNumber(n) + "5  " + keys + "\r");  // the serial, then PA, then the county
    return store().QSOCount == before + 1 ? Newest() : "(not logged: " + w.lblDialog.Caption() + ")";
  });
}

TEST_F(CountyCodesTest, OutOfStateEditorsCountyBox) {
  settings().OutOfState = 1;
  WriteBytes(work() / "log.txt", FormatLogLine(InStateContact("K3XYZ", "", "York")));
  Outfrm& w = Open<Outfrm>();
  ExpectEveryCodeGivesItsCounty([&](std::size_t, const std::string& keys) {
    store().Record(1).LogCounty = kUnchanged;
    EditNewest(w, "DEEditOut", [&](forms::Form& form) {
      auto& e = static_cast<DEEditOut&>(form);
      RetypeAndEnter(e, e.txtEditPre, keys);
    });
    return Newest();
  });
}

TEST_F(CountyCodesTest, InStateEditorsCountyAndCountySentBoxes) {
  Infrm& w = OpenWith({InStateContact("K3XYZ", "PA", "York")});
  for (auto box : {&DEEditInfrm::txtEditSec, &DEEditInfrm::Text3}) {
    const bool sent = box == &DEEditInfrm::Text3;
    SCOPED_TRACE(sent ? "county sent" : "county");
    ExpectEveryCodeGivesItsCounty([&](std::size_t, const std::string& keys) {
      (sent ? store().Record(1).LogCountySent : store().Record(1).LogCounty) = kUnchanged;
      EditNewest(w, "DEEditInfrm", [&](forms::Form& form) {
        auto& e = static_cast<DEEditInfrm&>(form);
        RetypeAndEnter(e, e.*box, keys);
      });
      return sent ? store().Record(1).LogCountySent : store().Record(1).LogCounty;
    });
  }
}

TEST_F(CountyCodesTest, OwnCountyChange) {
  ExpectEveryCodeGivesItsCounty([&](std::size_t, const std::string& keys) {
    settings().OwnCounty = kUnchanged;
    h.loop().ScriptModal("frmCountyChange", [&](forms::Form& form) {
      auto& f = static_cast<frmCountyChange&>(form);
      f.Text1.SetFocus();
      f.Text1.SetSelStart(0);
      f.TypeText(keys + "\r");  // Enter is Done
    });
    app().Get<frmCountyChange>().ShowModal();
    app().Get<frmCountyChange>().Unload();
    return settings().OwnCounty;
  });
}

TEST_F(CountyCodesTest, RoversCountyLine) {
  frmCountyChangeRover& f = app().Get<frmCountyChangeRover>();
  f.Show();
  ExpectEveryCodeGivesItsCounty([&](std::size_t, const std::string& keys) {
    f.Text1.SetFocus();
    f.Text1.SetSelStart(0);
    f.TypeText(keys + "\r");  // Enter checks the county and adds it to the line
    if (f.List1.ListCount() != 1) return std::string("(not added)");
    const std::string added = f.List1.List(0);
    f.List1.RemoveItem(0);
    return added;
  });
}

}  // namespace
}  // namespace ks::testing
