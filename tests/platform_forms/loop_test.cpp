// Timers and posted events on virtual time, DoEvents, waits that let nothing run, and the
// modal display with a scripted operator.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/headless.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

using forms::Headless;

TEST(Timers, FireInOrderOfTheirDueTimes) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  std::vector<std::string> ticks;
  f.Timer1.Tick = [&] { ticks.push_back("T1@" + std::to_string(h.clock().TickMs())); };
  f.Timer2.Tick = [&] { ticks.push_back("T2@" + std::to_string(h.clock().TickMs())); };
  f.Timer1.SetInterval(300);
  f.Timer1.SetEnabled(true);
  f.Timer2.SetInterval(500);
  f.Timer2.SetEnabled(true);
  h.Advance(1000);
  const std::vector<std::string> expected{"T1@300", "T2@500", "T1@600", "T1@900", "T2@1000"};
  EXPECT_EQ(ticks, expected);
}

TEST(Timers, SettingTheIntervalRestartsTheCountAndDisablingStops) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  int ticks = 0;
  f.Timer1.Tick = [&] { ++ticks; };
  f.Timer1.SetInterval(1000);
  f.Timer1.SetEnabled(true);
  h.Advance(900);
  f.Timer1.SetInterval(1000);  // counts afresh from here
  h.Advance(900);
  EXPECT_EQ(ticks, 0);
  h.Advance(100);
  EXPECT_EQ(ticks, 1);
  f.Timer1.SetEnabled(false);
  h.Advance(5000);
  EXPECT_EQ(ticks, 1);
}

TEST(Timers, AnUnloadedWindowsTimersStop) {
  Headless h;
  int ticks = 0;
  {
    auto& f = h.app().Get<frmTest>();
    f.Timer1.Tick = [&] { ++ticks; };
    f.Timer1.SetInterval(100);
    f.Timer1.SetEnabled(true);
    f.Unload();
  }
  h.Advance(1000);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(h.loop().ActiveTimers(), 0u);
}

TEST(Loop, PostedEventsRunAfterTheHandlerAndDoEventsRunsThem) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  std::vector<std::string> order;
  f.Command1.Click = [&] {
    h.app().Loop().Post([&] { order.push_back("posted"); });
    order.push_back("handler");
  };
  f.Command1.ClickBy();
  h.loop().RunPosted();
  std::vector<std::string> expected{"handler", "posted"};
  EXPECT_EQ(order, expected);

  order.clear();
  f.Command1.Click = [&] {
    h.app().Loop().Post([&] { order.push_back("posted"); });
    h.app().DoEvents();
    order.push_back("handler");
  };
  f.Command1.ClickBy();
  expected = {"posted", "handler"};
  EXPECT_EQ(order, expected);
}

TEST(Loop, SleepLetsNoEventRun) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  int ticks = 0;
  f.Timer1.Tick = [&] { ++ticks; };
  f.Timer1.SetInterval(100);
  f.Timer1.SetEnabled(true);
  h.clock().Sleep(3000);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(h.clock().TickMs(), 3000);
  h.app().DoEvents();
  EXPECT_EQ(ticks, 1) << "a late timer fires once, not once for each interval missed";
}

// Whether the running code was started by a timer's tick: the tick's own code is, and so is
// code the tick calls; what a DoEvents or a modal window lets run meanwhile is not (a click
// there is the operator's), and a tick that a click's DoEvents lets run is.
TEST(Loop, ATicksOwnCodeKnowsItRunsFromATimer) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  std::vector<std::string> seen;
  auto note = [&](const std::string& who) { seen.push_back(who + (h.app().InTimerEvent() ? " timer" : " operator")); };
  f.Command1.Click = [&] { note("click"); };
  f.Timer2.Tick = [&] {
    f.Timer2.SetEnabled(false);
    note("nested tick");
  };
  const struct {
    const char* name;
    std::function<void()> tick;  // what Timer1's tick does
    std::function<void()> act;   // then, the operator
    std::vector<std::string> seen;
  } cases[] = {
      {"a tick", [&] { note("tick"); }, [] {}, {"tick timer"}},
      {"a click", [] {}, [&] { f.Command1.ClickBy(); }, {"click operator"}},
      {"a click in the tick's DoEvents",
       [&] {
         h.app().Loop().Post([&] { f.Command1.ClickBy(); });
         h.app().DoEvents();
         note("tick after DoEvents");
       },
       [] {}, {"click operator", "tick after DoEvents timer"}},
      {"a tick in a click's DoEvents",
       [] {},
       [&] {
         f.Command1.Click = [&] {
           f.Timer2.SetInterval(10);
           f.Timer2.SetEnabled(true);
           h.clock().Sleep(10);
           h.app().DoEvents();
           note("click after DoEvents");
         };
         f.Command1.ClickBy();
       },
       {"nested tick timer", "click after DoEvents operator"}},
  };
  for (const auto& c : cases) {
    seen.clear();
    f.Timer1.Tick = [&] {
      f.Timer1.SetEnabled(false);
      c.tick();
    };
    f.Timer1.SetInterval(100);
    f.Timer1.SetEnabled(true);
    h.Advance(100);
    c.act();
    EXPECT_EQ(seen, c.seen) << c.name;
    EXPECT_FALSE(h.app().InTimerEvent()) << c.name;
  }
}

// A dialog window that closes itself on its timer, or by its Done button.
class frmDialog : public forms::Form {
 public:
  explicit frmDialog(forms::Application& app) : forms::Form(app, "frmDialog") {
    cmdDone.Click = [this] { Hide(); };
    tmrClose.Tick = [this] { Unload(); };
  }
  forms::TextBox Text1{*this, "Text1"};
  forms::CommandButton cmdDone{*this, "cmdDone"};
  forms::Timer tmrClose{*this, "tmrClose", 0, false};
};

TEST(Modal, TheScriptedOperatorActsWhileTheWindowIsUp) {
  Headless h;
  h.loop().ScriptModal("frmDialog", [](forms::Form& form) {
    auto& d = static_cast<frmDialog&>(form);
    EXPECT_TRUE(d.Visible());
    EXPECT_TRUE(d.IsModal());
    d.Text1.SetFocus();
    d.TypeText("Adams");
    d.cmdDone.ClickBy();
  });
  auto& d = h.app().Get<frmDialog>();
  d.ShowModal();
  EXPECT_FALSE(d.Visible());
  EXPECT_TRUE(d.IsLoaded()) << "hidden, not unloaded";
  EXPECT_EQ(d.Text1.Text(), "Adams");
}

TEST(Modal, AWindowThatClosesOnItsTimerRunsOnVirtualTime) {
  Headless h;
  auto& d = h.app().Get<frmDialog>();
  d.tmrClose.SetInterval(1900);
  d.tmrClose.SetEnabled(true);
  d.ShowModal();
  EXPECT_FALSE(h.app().IsLoaded<frmDialog>());
  EXPECT_EQ(h.clock().TickMs(), 1900);
}

TEST(Modal, AnUnattendedWindowWithoutTimersIsClosed) {
  Headless h;
  auto& d = h.app().Get<frmDialog>();
  d.ShowModal();
  EXPECT_FALSE(d.Visible());
}

}  // namespace
}  // namespace ks::testing
