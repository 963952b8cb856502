// The user folders beneath the documents folder, the shared-preferences text and the file
// stem made from a call.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/forms/headless.h"
#include "platform/io/files.h"
#include "startup/shared_prefs.h"
#include "startup/user_folders.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

using forms::Headless;
using ks::testing::TempDir;

TEST(UserFolders, MadeBeneathTheDocumentsFolderOfTheHome) {
  TempDir home;
  Headless h;
  h.env().Set("HOME", home.path());
  const auto company = GetUserDataFolder(h.app(), kCompanyFolder, kDataSubFolder);
  EXPECT_EQ(company, home / "Documents" / "Corvane Software");
  EXPECT_TRUE(std::filesystem::is_directory(company / "Pennsylvania"));
  EXPECT_EQ(GetUserDataFolder(h.app(), kCompanyFolder, kSharedSubFolder), company);
  EXPECT_TRUE(std::filesystem::is_directory(company / "Shared"));
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
}

TEST(UserFolders, AnExplicitProfileOrDocumentsFolderWins) {
  TempDir home, profile, docs;
  Headless h;
  h.env().Set("HOME", home.path());
  h.env().Set("USERPROFILE", profile.path());
  EXPECT_EQ(GetUserDataFolder(h.app(), kCompanyFolder, kSharedSubFolder), profile / "Documents" / "Corvane Software");
  h.env().Set("XDG_DOCUMENTS_DIR", docs.path());
  EXPECT_EQ(GetUserDataFolder(h.app(), kCompanyFolder, kSharedSubFolder), docs / "Corvane Software");
}

TEST(UserFolders, TheUserDirsFileNamesTheDocumentsFolder) {
  TempDir home;
  std::filesystem::create_directories(home / ".config");
  std::ofstream(home / ".config" / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                       "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
  Headless h;
  h.env().Set("HOME", home.path());
  EXPECT_EQ(GetUserDataFolder(h.app(), kCompanyFolder, kDataSubFolder), home / "Dokumente" / "Corvane Software");
}

TEST(UserFolders, FallsBackToTheDataFolderWhenNoDocumentsFolderCanBeMade) {
  TempDir home;
  std::ofstream(home / "Documents") << "a file in the way";
  Headless h;
  h.env().Set("HOME", home.path());
  EXPECT_EQ(GetUserDataFolder(h.app(), kCompanyFolder, kDataSubFolder),
            home / ".local" / "share" / "Corvane Software");
  EXPECT_TRUE(std::filesystem::is_directory(home / ".local" / "share" / "Corvane Software" / "Pennsylvania"));
}

// The start-up asks for the company folder with each of its sub-folders, three times in all;
// a folder that cannot be made is told once, with its path.
TEST(UserFolders, AFolderThatCannotBeMadeIsToldOnceWithItsPath) {
  TempDir home;
  std::filesystem::create_directories(home / "Documents");
  const auto company = home / "Documents" / "Corvane Software";
  std::ofstream(company) << "a file in the way";
  Headless h;
  h.env().Set("HOME", home.path());
  for (const char* sub : {kSharedSubFolder, kDataSubFolder, kSharedSubFolder})
    EXPECT_EQ(GetUserDataFolder(h.app(), kCompanyFolder, sub), company);
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "User Access Directory Error");
  EXPECT_EQ(h.dialogs().message_boxes[0].text, io::ErrorText(EEXIST) + "\r\n\r\n" + company.string() +
                                                   "\r\nA file of this name stands where the folder belongs.");

  std::filesystem::remove(company);  // mended: the folders are made, and nothing more is said
  EXPECT_EQ(GetUserDataFolder(h.app(), kCompanyFolder, kDataSubFolder), company);
  EXPECT_TRUE(std::filesystem::is_directory(company / "Pennsylvania"));
  EXPECT_EQ(h.dialogs().message_boxes.size(), 1u);
}

TEST(UserFolders, AnExistingFolderInOtherLetterCaseIsUsed) {
  TempDir home;
  std::filesystem::create_directories(home / "Documents" / "corvane software" / "shared");
  Headless h;
  h.env().Set("HOME", home.path());
  EXPECT_EQ(GetUserDataFolder(h.app(), kCompanyFolder, kSharedSubFolder), home / "Documents" / "corvane software");
  EXPECT_FALSE(std::filesystem::exists(home / "Documents" / "Corvane Software"));
}

TEST(CreateFolder, ReportsOnlyWhenAsked) {
  TempDir dir;
  Headless h;
  CreateFolder(h.app(), "", 0);
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].text, "Invalid Path");
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Unable to Create Directory");
  CreateFolder(h.app(), dir / "no" / "parent", 0);
  EXPECT_EQ(h.dialogs().message_boxes.size(), 1u);
  CreateFolder(h.app(), dir / "no" / "parent", 1);
  ASSERT_EQ(h.dialogs().message_boxes.size(), 2u);
  EXPECT_EQ(h.dialogs().message_boxes[1].text,
            io::ErrorText(ENOENT) + "  " + (dir / "no" / "parent").string());
  EXPECT_EQ(h.dialogs().message_boxes[1].title, "Unable to create directory.");
  CreateFolder(h.app(), dir / "BACKUP", 1);
  CreateFolder(h.app(), dir / "backup", 1);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "BACKUP"));
  EXPECT_FALSE(std::filesystem::exists(dir / "backup")) << "the same folder in other letter case";
}

TEST(SharedPrefs, KeysAreSetReplacedAndSavedWithTheDeclaration) {
  TempDir dir;
  Headless h;
  const auto path = dir / kSharedPrefsFileName;
  LoadSharedPrefs(h.app(), path);
  std::string key = "own_call";
  SetSharedPref(h.app(), key, "W3AA", 0);
  EXPECT_EQ(key, "OWN_CALL");
  std::string spc = "OWN_SPC";
  SetSharedPref(h.app(), spc, "PA", 0);
  SetSharedPref(h.app(), key, "K3ZZ", 1);
  const std::string expected =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<OWN_CALL>K3ZZ</OWN_CALL>\r\n<OWN_SPC>PA</OWN_SPC>\r\n";
  std::string on_disk;
  ASSERT_TRUE(io::ReadFile(path, on_disk, io::kSettingsFileMaxBytes).ok());
  EXPECT_EQ(on_disk, expected);

  Headless again;
  LoadSharedPrefs(again.app(), path);
  EXPECT_EQ(again.app().State<SharedPrefs>().SharedPrefsText, expected.substr(0, expected.size() - 2));
}

// A file saved by an editor with a byte-order mark: the mark is passed over on reading, and
// the next save writes the declaration first, as the program always does.
TEST(SharedPrefs, AByteOrderMarkBeforeTheDeclarationIsPassedOver) {
  TempDir dir;
  Headless h;
  const auto path = dir / kSharedPrefsFileName;
  const std::string text = std::string(kSharedPrefsDeclaration) + "\r\n<OWN_CALL>K3ABC</OWN_CALL>";
  ks::testing::WriteBytes(path, "\xEF\xBB\xBF" + text + "\r\n");
  LoadSharedPrefs(h.app(), path);
  EXPECT_EQ(h.app().State<SharedPrefs>().SharedPrefsText, text);
  std::string key = "OWN_SPC";
  SetSharedPref(h.app(), key, "PA", 1);
  EXPECT_EQ(ks::testing::ReadBytes(path), text + "\r\n<OWN_SPC>PA</OWN_SPC>\r\n");
}

TEST(SharedPrefs, AnOpeningTagWithoutItsCloseIsMendedOnItsLine) {
  Headless h;
  auto& text = h.app().State<SharedPrefs>().SharedPrefsText;
  text = std::string(kSharedPrefsDeclaration) + "\r\n<OWN_CALL>W3A\r\n<OWN_SPC>PA</OWN_SPC>";
  std::string key = "OWN_CALL";
  SetSharedPref(h.app(), key, "W3AA", 0);
  EXPECT_EQ(text, std::string(kSharedPrefsDeclaration) + "\r\n<OWN_CALL>W3AA</OWN_CALL>\r\n<OWN_SPC>PA</OWN_SPC>");
}

// A value that would close its own tag and open another key's cannot break the other keys.
TEST(SharedPrefs, TagMarksInAValueAreDroppedSoOtherKeysStayIntact) {
  TempDir dir;
  Headless h;
  const auto path = dir / kSharedPrefsFileName;
  LoadSharedPrefs(h.app(), path);
  std::string call = "OWN_CALL";
  std::string spc = "OWN_SPC";
  SetSharedPref(h.app(), call, "</OWN_CALL><OWN_SPC>X", 0);
  SetSharedPref(h.app(), spc, "PA", 0);
  SetSharedPref(h.app(), call, "W3A>B<", 0);
  SetSharedPref(h.app(), spc, "NJ", 1);
  EXPECT_EQ(h.app().State<SharedPrefs>().SharedPrefsText,
            std::string(kSharedPrefsDeclaration) + "\r\n<OWN_CALL>W3AB</OWN_CALL>\r\n<OWN_SPC>NJ</OWN_SPC>");
  std::string on_disk;
  ASSERT_TRUE(io::ReadFile(path, on_disk, io::kSettingsFileMaxBytes).ok());
  EXPECT_NE(on_disk.find("<OWN_SPC>NJ</OWN_SPC>\r\n"), std::string::npos);
}

TEST(MakeCallFileStem, LeadingCapitalsAndDigits) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"W3AA", "W3AA"}, {"W3AA/P", "W3AA"}, {"KP4/W3AA", "KP4"}, {"/W3AA", "YourCall"},
      {"w3aa", "YourCall"}, {"W3aa", "W3"}, {"", "YourCall"}, {"N3-X", "N3"}};
  for (const auto& [call, stem] : cases) EXPECT_EQ(MakeCallFileStem(call), stem) << call;
}

}  // namespace
}  // namespace ks
