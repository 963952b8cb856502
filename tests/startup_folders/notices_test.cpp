// Notices: one per source, replaced and taken back by it; the newest shows, and the one
// before it shows again when it is taken back. A failure is a message box when the
// operator asked, a notice when a timer did.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/headless.h"
#include "startup/notices.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

TEST(Notices, OnePerSourceAndTheNewestShows) {
  const struct {
    const char* source;
    const char* text;
    const char* newest;  // what the label shows after the change
  } steps[] = {
      {"rig", "No frequency from the rig!", "No frequency from the rig!"},
      {"log.txt", "log.txt not written!", "log.txt not written!"},
      {"QSOpref.txt", "", "log.txt not written!"},  // nothing to take back
      {"rig", "Rig port lost!", "Rig port lost!"},
      {"rig", "", "log.txt not written!"},
      {"log.txt", "log.txt not written!", "log.txt not written!"},  // told again: no change
      {"rig", "No frequency from the rig!", "No frequency from the rig!"},
      {"log.txt", "", "No frequency from the rig!"},
      {"rig", "", ""},
  };
  Notices notices;
  int changes = 0;
  notices.Changed = [&] { ++changes; };
  int expected_changes = 0;
  for (const auto& s : steps) {
    expected_changes += notices.Of(s.source) != s.text ? 1 : 0;
    notices.Set(s.source, s.text);
    EXPECT_EQ(notices.Newest(), s.newest) << s.source << " " << s.text;
    EXPECT_EQ(notices.Of(s.source), s.text);
    EXPECT_EQ(changes, expected_changes) << "told again without a change, or changed unseen";
  }
}

TEST(TellFailure, AMessageBoxForTheOperatorsActionANoticeForATimersTick) {
  forms::Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  const forms::MessageBoxRequest box{"The settings could not be saved.", 48, "Settings Not Saved"};
  auto tell = [&] { TellFailure(h.app(), box, "QSOpref.txt", "QSOpref.txt not saved!"); };
  f.Command1.Click = tell;
  f.Timer1.Tick = [&] {
    f.Timer1.SetEnabled(false);
    tell();
  };

  f.Command1.ClickBy();
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Settings Not Saved");
  EXPECT_EQ(h.dialogs().message_boxes[0].text, box.text);
  EXPECT_EQ(h.app().State<Notices>().Newest(), "");

  f.Timer1.SetInterval(100);
  f.Timer1.SetEnabled(true);
  h.Advance(100);
  EXPECT_EQ(h.dialogs().message_boxes.size(), 1u) << "a message box opened from a timer";
  EXPECT_EQ(h.app().State<Notices>().Of("QSOpref.txt"), "QSOpref.txt not saved!");
}

}  // namespace
}  // namespace ks::testing
