// The rig's notice beside the message of the main window's message label: shown after it,
// and taken back leaving the message as the entry line wrote it.
#include <gtest/gtest.h>

#include <string>

#include "mainwin/message_notices.h"

namespace ks {
namespace {

constexpr const char* kNotice = "No frequency from the rig!";

struct NoticeCase {
  std::string caption;  // what the entry line wrote
  std::string shown;    // with the notice
  std::string back;     // the notice taken back
};

TEST(RigNotice, StandsAfterTheMessageAndGoesWithoutTakingIt) {
  const NoticeCase cases[] = {
      {"", kNotice, ""},
      {" ", kNotice, ""},  // the blank a logged-on call box leaves
      {"Possible Duplicate!", "Possible Duplicate!  No frequency from the rig!", "Possible Duplicate!"},
      {"Duplicate K3XYZ 10/12 15:00:00  Rec#  2 ",
       "Duplicate K3XYZ 10/12 15:00:00  Rec#  2  No frequency from the rig!",
       "Duplicate K3XYZ 10/12 15:00:00  Rec#  2"},
      {"Possible Duplicate!  No frequency from the rig!", "Possible Duplicate!  No frequency from the rig!",
       "Possible Duplicate!"},
  };
  for (const NoticeCase& c : cases) {
    EXPECT_EQ(WithNotice(c.caption, kNotice), c.shown) << c.caption;
    EXPECT_EQ(WithoutNotice(c.shown, kNotice), c.back) << c.caption;
  }
  EXPECT_EQ(WithNotice("Possible Duplicate!", ""), "Possible Duplicate!");
  EXPECT_EQ(WithoutNotice("Possible Duplicate!", kNotice), "Possible Duplicate!");
}

}  // namespace
}  // namespace ks
