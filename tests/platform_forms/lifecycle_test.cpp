// One instance per window: made and loaded on first use, gone after its unload; the
// query-unload and unload events may refuse; End stops the program where it stands.
#include <gtest/gtest.h>

#include "platform/forms/headless.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

using forms::Headless;

TEST(Lifecycle, OneInstanceLoadedOnFirstUse) {
  Headless h;
  EXPECT_EQ(h.app().IfLoaded<frmTest>(), nullptr);
  auto& f = h.app().Get<frmTest>();
  auto& again = h.app().Get<frmTest>();
  EXPECT_EQ(&f, &again);
  EXPECT_EQ(f.loads, 1);
  EXPECT_FALSE(f.Visible()) << "loading does not show";
}

TEST(Lifecycle, UnloadRunsItsEventsAndTheNextUseStartsAfresh) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Text1.SetText("old");
  f.events.clear();
  EXPECT_TRUE(f.Unload());
  const std::vector<std::string> expected{"QueryUnload(code)", "Form_Unload"};
  EXPECT_EQ(f.events, expected);
  EXPECT_FALSE(h.app().IsLoaded<frmTest>());
  auto& fresh = h.app().Get<frmTest>();
  EXPECT_EQ(fresh.Text1.Text(), "");
  EXPECT_EQ(fresh.loads, 1);
}

TEST(Lifecycle, TheCloseBoxCanBeRefused) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.refuse_unload = true;
  EXPECT_FALSE(f.CloseBy());
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.events[f.events.size() - 2], "QueryUnload(close box)");
  f.refuse_unload = false;
  EXPECT_TRUE(f.CloseBy());
  EXPECT_FALSE(h.app().IsLoaded<frmTest>());
}

// A window that stays loaded for the run: its close box hides it, shown modelessly or
// modally, and it keeps what it holds; only Unload takes it away, with its events.
TEST(Lifecycle, TheCloseBoxHidesAWindowThatStaysLoaded) {
  for (const bool modal : {false, true}) {
    SCOPED_TRACE(modal ? "modal" : "modeless");
    Headless h;
    auto& f = h.app().Get<frmTest>();
    f.CloseBoxHides = true;
    f.Text1.SetText("kept");
    bool closed = false;
    auto close_box = [&] {
      f.events.clear();
      closed = f.CloseBy();
    };
    if (modal) {
      h.loop().ScriptModal("frmTest", [&](forms::Form&) { close_box(); });
      f.ShowModal();
      EXPECT_FALSE(f.IsModal()) << "the modal display ended";
    } else {
      f.Show();
      close_box();
    }
    EXPECT_TRUE(closed);
    EXPECT_FALSE(f.Visible());
    ASSERT_EQ(h.app().IfLoaded<frmTest>(), &f);
    EXPECT_EQ(f.Text1.Text(), "kept");
    EXPECT_EQ(f.events, std::vector<std::string>{}) << "neither query-unload nor unload ran";
    EXPECT_TRUE(f.Unload());
    EXPECT_EQ(f.events, (std::vector<std::string>{"QueryUnload(code)", "Form_Unload"}));
    EXPECT_FALSE(h.app().IsLoaded<frmTest>());
  }
}

TEST(Lifecycle, AWindowMayUnloadItselfInItsOwnHandler) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Command1.Click = [&] {
    f.Unload();
    f.Text1.SetText("still here until the handler returns");
  };
  f.Command1.ClickBy();
  EXPECT_FALSE(h.app().IsLoaded<frmTest>());
}

TEST(Lifecycle, EndStopsTheProgramAndUnloadsEveryWindow) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  bool after_end = false;
  f.Command1.Click = [&] {
    h.app().End();
    after_end = true;
  };
  f.Command1.ClickBy();
  EXPECT_FALSE(after_end);
  EXPECT_TRUE(h.app().Ended());
  EXPECT_TRUE(h.app().LoadedForms().empty());
  EXPECT_TRUE(h.loop().Quitting());
}

TEST(Lifecycle, SharedStateIsOnePerApplication) {
  struct Counter {
    int value = 0;
  };
  Headless a;
  Headless b;
  a.app().State<Counter>().value = 5;
  EXPECT_EQ(a.app().State<Counter>().value, 5);
  EXPECT_EQ(b.app().State<Counter>().value, 0);
}

TEST(Screen, SizesInTwips) {
  const auto s = forms::Screen::FromPixels(1920, 1080);
  EXPECT_EQ(s.width, 28800);
  EXPECT_EQ(s.height, 16200);
  EXPECT_LT(s.work_height, s.height);
}

}  // namespace
}  // namespace ks::testing
