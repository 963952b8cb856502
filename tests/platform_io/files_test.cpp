// Files found without regard to case, whole replacement through a temporary file, appends
// on the disk before they return, and the per-user settings store.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/io/clock.h"
#include "platform/io/environment.h"
#include "platform/io/files.h"
#include "platform/io/settings_store.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks::io {
namespace {

using ks::testing::TempDir;

void Put(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

std::string Get(const fs::path& p) { return ks::testing::ReadBytes(p); }

TEST(Files, NamesAreFoundWithoutRegardToCase) {
  TempDir dir;
  Put(dir / "Log.txt", "x");
  EXPECT_EQ(FindNoCase(dir.path(), "log.txt"), dir / "Log.txt");
  EXPECT_EQ(ResolveNoCase(dir.path(), "LOG.TXT"), dir / "Log.txt");
  EXPECT_EQ(ResolveNoCase(dir.path(), "new.txt"), dir / "new.txt");
  EXPECT_FALSE(FindNoCase(dir.path(), "log.tx").has_value());
  EXPECT_FALSE(FindNoCase(dir / "missing", "log.txt").has_value());
  std::filesystem::create_directories(dir / "BACKUP" / "Old");
  EXPECT_EQ(ResolvePathNoCase(dir.path(), "backup/old"), dir / "BACKUP" / "Old");
}

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  TempDir dir;
  const auto file = dir / "log.txt";
  Put(file, "old contents that are longer");
  ASSERT_TRUE(WriteFileAtomic(file, "new\r\n").ok());
  EXPECT_EQ(Get(file), "new\r\n");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(Files, AFailedWriteKeepsTheOldFileAndSaysWhy) {
  TempDir dir;
  const auto file = dir / "missing-folder" / "log.txt";
  const auto result = WriteFileAtomic(file, "x");
  EXPECT_FALSE(result.ok());
  EXPECT_FALSE(result.error.empty());
  std::filesystem::create_directories(dir / "log.txt");  // a folder where the file should be
  EXPECT_FALSE(WriteFileAtomic(dir / "log.txt", "x").ok());
  EXPECT_TRUE(std::filesystem::is_directory(dir / "log.txt"));
}

TEST(Files, AppendAddsToTheEnd) {
  TempDir dir;
  const auto file = dir / "log.txt";
  ASSERT_TRUE(AppendFileDurable(file, "one\r\n").ok());
  ASSERT_TRUE(AppendFileDurable(file, "two\r\n").ok());
  EXPECT_EQ(Get(file), "one\r\ntwo\r\n");
  EXPECT_FALSE(AppendFileDurable(dir / "nope" / "x", "a").ok());
}

TEST(Files, CopyAndFolders) {
  TempDir dir;
  Put(dir / "a", "bytes\r\n\x80");
  ASSERT_TRUE(CopyFileReplacing(dir / "a", dir / "b", 8).ok());
  EXPECT_EQ(Get(dir / "b"), "bytes\r\n\x80");
  EXPECT_EQ(CopyFileReplacing(dir / "a", dir / "c", 7).error, kFileTooLarge);
  EXPECT_FALSE(std::filesystem::exists(dir / "c"));
  EXPECT_TRUE(MakeFolder(dir / "f").ok());
  EXPECT_TRUE(MakeFolder(dir / "f").ok()) << "an existing folder is fine";
  EXPECT_FALSE(MakeFolder(dir / "x" / "y").ok()) << "the parent must exist";
  EXPECT_FALSE(ReadFile(dir / "f", *std::make_unique<std::string>(), kSettingsFileMaxBytes).ok());
}

// A named pipe or a device in place of a data file fails at once, as an unreadable file does,
// instead of waiting in the open for a writer that never comes.
TEST(Files, OnlyARegularFileIsReadOrAppendedTo) {
  TempDir dir;
  const auto pipe = dir / "log.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  const struct {
    const char* what;
    fs::path path;
    const char* reason;
  } cases[] = {
      {"named pipe", pipe, kNotARegularFile},
      {"device", "/dev/null", kNotARegularFile},
      {"folder", dir.path(), "Is a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string bytes = "left over";
    const FileResult read = ReadFile(c.path, bytes, kSettingsFileMaxBytes);
    EXPECT_EQ(read.error, c.reason);
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(AppendFileDurable(c.path, "one\r\n").ok());
  }
  // A pipe with a reader at its far end still takes no append.
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(AppendFileDurable(pipe, "one\r\n").error, kNotARegularFile);
  char byte = 0;
  EXPECT_LE(::read(reader, &byte, 1), 0) << "nothing reached the pipe";
  ::close(reader);
}

// A device is not even opened (opening a serial port raises its modem lines): the pipe that
// stands in for it here sees no open at all, from a read or from an append.
TEST(Files, WhatIsNoRegularFileIsNeverOpened) {
  TempDir dir;
  const auto pipe = dir / "cw.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, pipe.c_str(), IN_OPEN), 0);
  std::string bytes;
  EXPECT_EQ(ReadFile(pipe, bytes, kSettingsFileMaxBytes).error, kNotARegularFile);
  EXPECT_EQ(AppendFileDurable(pipe, "one\r\n").error, kNotARegularFile);
  alignas(inotify_event) char events[4096];
  EXPECT_LT(::read(watch, events, sizeof events), 0) << "the pipe was opened";
  ::close(watch);
}

// A reader that names its limit gets a file of that size whole, and nothing of a larger one.
TEST(Files, AReadStopsAtItsLimit) {
  TempDir dir;
  Put(dir / "a.wav", std::string(100, 'x'));
  std::string bytes = "left over";
  EXPECT_TRUE(ReadFile(dir / "a.wav", bytes, 100).ok());
  EXPECT_EQ(bytes.size(), 100u);
  EXPECT_EQ(ReadFile(dir / "a.wav", bytes, 99).error, kFileTooLarge);
  EXPECT_EQ(bytes, "");
}

TEST(Files, AReplacedFileKeepsItsOwnerAndPermissions) {
  TempDir dir;
  const auto file = dir / "QSOpref.txt";
  Put(file, "old");
  ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
  const bool superuser = ::geteuid() == 0;
  if (superuser) {
    ASSERT_EQ(::chown(file.c_str(), 1234, 5678), 0);
  }
  ASSERT_TRUE(WriteFileAtomic(file, "new").ok());
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  if (superuser) {
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 5678u);
  }
  EXPECT_EQ(Get(file), "new");
}

TEST(Files, AWriteThroughASymbolicLinkReplacesItsTarget) {
  TempDir dir;
  fs::create_directories(dir / "real");
  Put(dir / "real" / "log.txt", "old");
  fs::create_symlink("real/log.txt", dir / "log.txt");         // relative
  fs::create_symlink(dir / "log.txt", dir / "chain.txt");      // a link to a link
  fs::create_symlink(dir / "real" / "new.txt", dir / "dangling.txt");
  ASSERT_TRUE(WriteFileAtomic(dir / "chain.txt", "new").ok());
  EXPECT_TRUE(fs::is_symlink(dir / "log.txt"));
  EXPECT_TRUE(fs::is_symlink(dir / "chain.txt"));
  EXPECT_EQ(Get(dir / "real" / "log.txt"), "new");
  ASSERT_TRUE(WriteFileAtomic(dir / "dangling.txt", "made").ok());
  EXPECT_TRUE(fs::is_symlink(dir / "dangling.txt"));
  EXPECT_EQ(Get(dir / "real" / "new.txt"), "made");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 2)
      << "no temporary file left beside the target";

  fs::create_symlink(dir / "loop2", dir / "loop1");
  fs::create_symlink(dir / "loop1", dir / "loop2");
  EXPECT_EQ(WriteFileAtomic(dir / "loop1", "x").error, ErrorText(ELOOP));
  EXPECT_TRUE(fs::is_symlink(dir / "loop1"));
}

TEST(SettingsStore, KeepsValuesByApplicationSectionAndKey) {
  TempDir dir;
  IniSettingsStore store(dir / "config");
  EXPECT_EQ(store.GetSetting("Corvane_Software", "Settings", "UserCWSelection", "1"), "1");
  store.SaveSetting("Corvane_Software", "Settings", "UserCWSelection", "3");
  store.SaveSetting("Corvane_Software", "Settings", "UserAddressName", "Jane = Doe");
  store.SaveSetting("Other", "Settings", "UserCWSelection", "9");
  IniSettingsStore reopened(dir / "config");
  EXPECT_EQ(reopened.GetSetting("Corvane_Software", "Settings", "UserCWSelection", "1"), "3");
  EXPECT_EQ(reopened.GetSetting("Corvane_Software", "Settings", "UserAddressName", ""), "Jane = Doe");
  EXPECT_EQ(reopened.GetSetting("Corvane_Software", "Other", "UserCWSelection", "d"), "d");
}

// A store that cannot be written says why and keeps what it held: a full disk, and a folder
// in the place of its file.
TEST(SettingsStore, AFailedSaveSaysWhyAndKeepsTheOldValues) {
  TempDir dir;
  IniSettingsStore store(dir / "config");
  ASSERT_TRUE(store.SaveSetting("App", "Settings", "Kept", "old"));
  EXPECT_EQ(store.Location("App"), dir / "config" / "App.ini");
  {
    testing::FileSizeLimit disk_full(4);
    const FileResult saved = store.SaveSetting("App", "Settings", "Kept", "new");
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.error.empty());
  }
  EXPECT_EQ(IniSettingsStore(dir / "config").GetSetting("App", "Settings", "Kept", ""), "old");

  std::filesystem::create_directories(store.Location("Blocked"));
  EXPECT_FALSE(store.SaveSetting("Blocked", "Settings", "Kept", "new"));
}

// An editor may save a file with a UTF-8 byte-order mark before its text: it is no part of the
// text, and only the mark at the head of the file is passed over.
TEST(Files, ATextFileIsReadWithoutItsByteOrderMark) {
  TempDir dir;
  const struct {
    std::string on_disk;
    std::string read;
  } cases[] = {
      {"\xEF\xBB\xBF[SerialPorts]\r\n", "[SerialPorts]\r\n"},
      {"[SerialPorts]\r\n", "[SerialPorts]\r\n"},
      {"\xEF\xBB\xBF", ""},
      {"\xEF\xBB\xBF\xEF\xBB\xBFx", "\xEF\xBB\xBFx"},
      {"x\xEF\xBB\xBF", "x\xEF\xBB\xBF"},
      {"\xEF\xBBx", "\xEF\xBBx"},
  };
  for (const auto& c : cases) {
    ks::testing::WriteBytes(dir / "t.txt", c.on_disk);
    std::string bytes = "left over";
    ASSERT_TRUE(ReadTextFile(dir / "t.txt", bytes, 100));
    EXPECT_EQ(bytes, c.read);
  }
  std::string bytes;
  EXPECT_FALSE(ReadTextFile(dir / "missing.txt", bytes, 100));
}

// A settings file saved with a byte-order mark keeps its first section: its values are read,
// and a save keeps them under it rather than under a section of no name.
TEST(SettingsStore, AByteOrderMarkBeforeTheFirstSectionIsPassedOver) {
  for (const char* line_end : {"\n", "\r\n"}) {
    TempDir dir;
    IniSettingsStore store(dir / "config");
    std::filesystem::create_directories(dir / "config");
    const std::string le = line_end;
    ks::testing::WriteBytes(store.Location("Keystone"),
                            "\xEF\xBB\xBF[SerialPorts]" + le + "Port3=/dev/ttyUSB0" + le + "[Other]" + le + "A=1" + le);
    EXPECT_EQ(store.GetSetting("Keystone", "SerialPorts", "Port3", "/dev/ttyS2"), "/dev/ttyUSB0");
    ASSERT_TRUE(store.SaveSetting("Keystone", "SerialPorts", "Port4", "/dev/ttyUSB1"));
    EXPECT_EQ(Get(store.Location("Keystone")),
              "[Other]\nA=1\n[SerialPorts]\nPort3=/dev/ttyUSB0\nPort4=/dev/ttyUSB1\n");
  }
}

TEST(SettingsStore, DefaultFolderFollowsXdg) {
  MapEnvironment env;
  env.Set("HOME", "/home/op");
  EXPECT_EQ(IniSettingsStore::DefaultFolder(env), "/home/op/.config/keystone");
  env.Set("XDG_CONFIG_HOME", "/cfg");
  EXPECT_EQ(IniSettingsStore::DefaultFolder(env), "/cfg/keystone");
}

TEST(Clock, VirtualTimeMovesOnlyWhenTold) {
  VirtualClock clock;
  clock.SetUtc({2026, 5, 9, 23, 59, 30});
  clock.SetLocalOffsetMinutes(-240);
  clock.Advance(45000);
  EXPECT_EQ(clock.UtcNow(), (CivilTime{2026, 5, 10, 0, 0, 15, 0}));
  EXPECT_EQ(clock.LocalNow(), (CivilTime{2026, 5, 9, 20, 0, 15, 0}));
  EXPECT_EQ(clock.TickMs(), 45000);
}

TEST(Clock, CivilTimeRoundTrips) {
  for (const CivilTime t : {CivilTime{2024, 2, 29, 12, 0, 0, 0}, CivilTime{1999, 12, 31, 23, 59, 59, 999},
                            CivilTime{1970, 1, 1, 0, 0, 0, 0}}) {
    EXPECT_EQ(FromEpochMs(ToEpochMs(t)), t);
  }
}

}  // namespace
}  // namespace ks::io
