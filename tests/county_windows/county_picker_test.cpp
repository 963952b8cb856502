// The county picker: every county with its abbreviation, and a click that puts the full
// name into the county box of the open main window.
#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "station/windows/frmCountyList.h"
#include "tests/county_windows/window_fixture.h"

namespace ks::testing {
namespace {

// Stand-ins for the two main windows: only their county box matters here.
class FakeMainWindow : public forms::Form {
 public:
  FakeMainWindow(forms::Application& app, const char* name) : forms::Form(app, name) {
    txtSec.Change = [this] { ++changes; };
  }
  forms::TextBox txtCall{*this, "txtCall"};
  forms::TextBox txtSec{*this, "txtSec"};
  int changes = 0;
};
struct FakeOutfrm : FakeMainWindow {
  explicit FakeOutfrm(forms::Application& app) : FakeMainWindow(app, "Outfrm") {}
};
struct FakeInfrm : FakeMainWindow {
  explicit FakeInfrm(forms::Application& app) : FakeMainWindow(app, "Infrm") {}
};

class CountyPicker : public WindowFixture {
 protected:
  CountyPicker() {
    out_.txtSec.SetText("Yo");
    out_.txtCall.SetFocus();
    in_.txtSec.SetText("Erie");
  }
  void Show(const std::function<void(frmCountyList&)>& actions) {
    ShowModalWith<frmCountyList>("frmCountyList", actions);
  }

  FakeOutfrm& out_ = app().Get<FakeOutfrm>();
  FakeInfrm& in_ = app().Get<FakeInfrm>();
};

TEST_F(CountyPicker, ListsEveryCountyWithItsAbbreviationInTableOrder) {
  Show([&](frmCountyList& f) {
    EXPECT_EQ(f.Caption(), "County List");
    ASSERT_EQ(f.ListView1.ItemCount(), 67);
    EXPECT_EQ(f.ListView1.Item(3).text, "Armstrong");
    EXPECT_EQ(f.ListView1.Item(3).SubItem(1), "ARM");
    EXPECT_EQ(f.ListView1.Item(67).text, "York");
    ASSERT_EQ(f.ListView1.ColumnCount(), 2);
    EXPECT_EQ(f.ListView1.Column(1).text, "County");
    EXPECT_EQ(f.ListView1.Column(2).text, "Abbreviation");
    EXPECT_FLOAT_EQ(f.ListView1.Column(2).width, 1300 * 3.0f);  // 28800 / 9600
  });
}

TEST_F(CountyPicker, AClickPutsTheFullNameIntoTheOutOfStateWindow) {
  settings().OutOfState = 1;
  Show([&](frmCountyList& f) {
    f.ListView1.ClickItemBy(3);
    EXPECT_FALSE(f.Visible());
  });
  EXPECT_EQ(out_.txtSec.Text(), "Armstrong");  // replaced, not extended
  EXPECT_EQ(in_.txtSec.Text(), "Erie");
  EXPECT_TRUE(out_.txtCall.HasFocus());
}

TEST_F(CountyPicker, AClickPutsTheFullNameIntoTheInStateWindow) {
  settings().OutOfState = 0;
  Show([&](frmCountyList& f) { f.ListView1.ClickItemBy(67); });
  EXPECT_EQ(in_.txtSec.Text(), "York");
  EXPECT_EQ(out_.txtSec.Text(), "Yo");
}

TEST_F(CountyPicker, AClickOnNoRowAndTheCloseBoxLeaveTheBoxAlone) {
  settings().OutOfState = 1;
  Show([&](frmCountyList& f) {
    f.ListView1.ClickBy();
    EXPECT_TRUE(f.Visible());
    f.CloseBy();
  });
  EXPECT_EQ(out_.txtSec.Text(), "Yo");
  EXPECT_EQ(out_.changes, 1);  // only the fixture's own setting
}

TEST_F(CountyPicker, StandsInTheUpperPartOfTheScreen) {
  Show([&](frmCountyList& f) {
    EXPECT_FLOAT_EQ(f.Top(), (16200 - f.Height()) / 6);
    EXPECT_FLOAT_EQ(f.Left(), (28800 - f.Width()) / 2);
    EXPECT_FLOAT_EQ(f.FontSize(), 8 * f.Width() / 9600);
    EXPECT_FLOAT_EQ(f.ListView1.FontSize(), 8 * 1.5f);
    EXPECT_FLOAT_EQ(f.ListView1.Width(), f.ScaleWidth());
  });
}

}  // namespace
}  // namespace ks::testing
