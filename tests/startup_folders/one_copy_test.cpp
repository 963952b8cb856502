// The start-up's claim on the working folder: refused, with one message naming the folder,
// while another copy holds it; taken when free; gone on without when it cannot be locked.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/forms/headless.h"
#include "startup/one_copy.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

namespace fs = std::filesystem;
using State = io::FolderLock::State;

TEST(ClaimWorkingFolder, WhileAnotherCopyHoldsTheFolderTellsTheOperatorOnceAndTouchesNothing) {
  testing::TempDir work;
  std::ofstream(work / "log.txt", std::ios::binary) << "a contact\r\n";
  const io::FolderLock other_copy = io::FolderLock::Take(work.path());
  ASSERT_EQ(other_copy.state(), State::Held);
  forms::Headless h;
  h.app().SetStartDirectory(work.path());

  EXPECT_FALSE(ClaimWorkingFolder(h.app()).has_value());

  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  const auto& box = h.dialogs().message_boxes[0];
  EXPECT_EQ(box.title, kAlreadyRunningTitle);
  EXPECT_NE(box.text.find("Another copy of the program is already running"), std::string::npos) << box.text;
  EXPECT_NE(box.text.find("\r\n" + work.path().string() + "\r\n"), std::string::npos) << box.text;
  EXPECT_NE(box.text.find("write over the contacts"), std::string::npos) << box.text;
  EXPECT_TRUE(h.app().LoadedForms().empty());
  EXPECT_EQ(testing::ReadBytes(work / "log.txt"), "a contact\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(work.path()), fs::directory_iterator()), 1);
}

TEST(ClaimWorkingFolder, AFreeFolderIsHeldForTheRunAndOneThatCannotBeLockedIsGoneOnWithout) {
  testing::TempDir base;
  fs::create_directories(base / "free");
  const struct {
    fs::path folder;
    State state;
  } cases[] = {{base / "free", State::Held}, {base / "missing", State::NotLocked}};
  for (const auto& c : cases) {
    forms::Headless h;
    h.app().SetStartDirectory(c.folder);
    const std::optional<io::FolderLock> claim = ClaimWorkingFolder(h.app());
    ASSERT_TRUE(claim.has_value()) << c.folder;
    EXPECT_EQ(claim->state(), c.state) << c.folder;
    EXPECT_TRUE(h.dialogs().message_boxes.empty()) << c.folder;
  }
  // The claim is held while it is kept: a second start-up in the folder is refused.
  forms::Headless first, second;
  first.app().SetStartDirectory(base / "free");
  second.app().SetStartDirectory(base / "free");
  const auto kept = ClaimWorkingFolder(first.app());
  EXPECT_FALSE(ClaimWorkingFolder(second.app()).has_value());
}

}  // namespace
}  // namespace ks
