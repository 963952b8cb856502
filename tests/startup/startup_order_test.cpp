// The start-up order: the logo window first, then the folders and the shared preferences,
// then the setup window; the start-up window itself is never shown.
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "entry/contact_clock.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/headless.h"
#include "platform/forms/view.h"
#include "startup/shared_prefs.h"
#include "startup/user_folders.h"
#include "startup/windows/frmCorvaneLogo.h"
#include "startup/windows/frmSplash.h"
#include "station/station_settings.h"
#include "station/windows/frmStationID.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

namespace fs = std::filesystem;

// Records, for each window shown, whether the user folders existed at that moment.
class ShowRecorder final : public forms::View {
 public:
  struct Shown {
    std::string form;
    bool modal;
    bool shared_folder;
    bool data_folder;
    bool backup_folder;
  };
  explicit ShowRecorder(fs::path company) : company_(std::move(company)) {}
  void FormShown(forms::Form& form, bool modal) override {
    shown.push_back({form.Name(), modal, fs::is_directory(company_ / kSharedSubFolder),
                     fs::is_directory(company_ / kDataSubFolder), fs::is_directory(company_ / kDataSubFolder / "BACKUP")});
  }
  void FormHidden(forms::Form&) override {}
  void FormUnloaded(forms::Form&) override {}
  void FormChanged(forms::Form&, forms::Property) override {}
  void ControlChanged(forms::Control&, forms::Property) override {}
  void ControlAdded(forms::Control&) override {}
  void ControlRemoved(forms::Control&) override {}
  void FocusChanged(forms::Form&, forms::Control*) override {}
  std::vector<Shown> shown;

 private:
  fs::path company_;
};

class StartUp : public ::testing::Test {
 protected:
  StartUp() {
    h.env().Set("HOME", home.path().string());
    h.app().SetStartDirectory(work.path());
    for (const char* name : {"QSOpref.txt", "states.txt", "wave2.txt", "cw.txt", "arrlpre2.txt", "log.txt"})
      testing::CopySupplied(name, work.path());
    h.app().SetView(&recorder);
  }
  ~StartUp() override { h.app().SetView(nullptr); }
  fs::path Company() const { return home.path() / "Documents" / kCompanyFolder; }

  testing::TempDir home;
  testing::TempDir work;
  forms::Headless h{forms::Screen::FromPixels(1920, 1080)};
  ShowRecorder recorder{Company()};
};

TEST_F(StartUp, FirstRunMakesTheFoldersInOrderAndOpensTheSetupWindow) {
  h.app().Get<frmSplash>();

  ASSERT_GE(recorder.shown.size(), 2u);
  const ShowRecorder::Shown& logo = recorder.shown[0];
  EXPECT_EQ(logo.form, "frmCorvaneLogo");
  EXPECT_TRUE(logo.modal);
  EXPECT_TRUE(logo.shared_folder);
  EXPECT_FALSE(logo.data_folder);
  const ShowRecorder::Shown& setup = recorder.shown.back();
  EXPECT_EQ(setup.form, "frmStationID");
  EXPECT_FALSE(setup.modal);
  EXPECT_TRUE(setup.data_folder);
  EXPECT_TRUE(setup.backup_folder);

  EXPECT_EQ(h.clock().TickMs(), 1900) << "the start-up waits for the logo window's own close";
  EXPECT_EQ(h.app().IfLoaded<frmSplash>(), nullptr);
  EXPECT_EQ(h.app().IfLoaded<frmCorvaneLogo>(), nullptr);
  ASSERT_NE(h.app().IfLoaded<frmStationID>(), nullptr);
  EXPECT_TRUE(h.app().IfLoaded<frmStationID>()->Visible());

  const Folders& folders = h.app().State<Folders>();
  EXPECT_EQ(folders.WorkingDir, work.path());
  EXPECT_EQ(folders.SharedFolder, Company() / kSharedSubFolder);
  EXPECT_EQ(folders.DataFolder, Company() / kDataSubFolder);
  EXPECT_EQ(h.app().State<SharedPrefs>().SharedPrefsPath, Company() / kSharedSubFolder / kSharedPrefsFileName);
  EXPECT_EQ(h.app().State<RunState>().ProgramVersion, "2.3");
}

TEST_F(StartUp, ClickOnTheLogoGoesOnAtOnceWithTheStoredSharedPreferences) {
  fs::create_directories(Company() / kSharedSubFolder);
  std::ofstream(Company() / kSharedSubFolder / kSharedPrefsFileName, std::ios::binary)
      << kSharedPrefsDeclaration << "\r\n<OWN_CALL>K3ABC</OWN_CALL>\r\n";
  h.loop().ScriptModal("frmCorvaneLogo", [](forms::Form& f) { static_cast<frmCorvaneLogo&>(f).Image1.ClickBy(); });

  h.app().Get<frmSplash>();

  EXPECT_EQ(h.clock().TickMs(), 0);
  ASSERT_NE(h.app().IfLoaded<frmStationID>(), nullptr);
  EXPECT_EQ(h.app().State<SharedPrefs>().SharedPrefsText,
            std::string(kSharedPrefsDeclaration) + "\r\n<OWN_CALL>K3ABC</OWN_CALL>");
}

// The shared preferences are found whatever the letter case of their file name, and kept
// there: no second file appears beside them.
TEST_F(StartUp, TheSharedPreferencesAreFoundInAnyLetterCase) {
  const fs::path shared = Company() / kSharedSubFolder;
  fs::create_directories(shared);
  std::ofstream(shared / "sharedUSERpreferences.XML", std::ios::binary)
      << kSharedPrefsDeclaration << "\r\n<OWN_CALL>K3ABC</OWN_CALL>\r\n";

  h.app().Get<frmSplash>();

  EXPECT_EQ(h.app().State<SharedPrefs>().SharedPrefsText,
            std::string(kSharedPrefsDeclaration) + "\r\n<OWN_CALL>K3ABC</OWN_CALL>");
  std::string key = "OWN_SPC";
  SetSharedPref(h.app(), key, "PA", 1);
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(shared)) files.push_back(entry.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"sharedUSERpreferences.XML"});
}

// The setup window closed by its close box ends the program, as no main window will open;
// the keyer windows its load left loaded do not keep it running.
TEST_F(StartUp, ClosingTheSetupWindowByItsCloseBoxEndsTheProgram) {
  h.app().Get<frmSplash>();
  frmStationID* setup = h.app().IfLoaded<frmStationID>();
  ASSERT_NE(setup, nullptr);
  ASSERT_GT(h.app().LoadedForms().size(), 1u) << "the keyer windows are loaded, hidden";

  setup->CloseBy();

  EXPECT_TRUE(h.app().Ended());
  EXPECT_TRUE(h.loop().Quitting());
  EXPECT_TRUE(h.app().LoadedForms().empty());
}

// A profile where no folder can be made: the messages are shown and the start-up still
// reaches the setup window with its version.
TEST_F(StartUp, FoldersThatCannotBeMadeStillLeadToTheSetupWindow) {
  const fs::path not_a_folder = home.path() / "profile";
  std::ofstream(not_a_folder) << "a file";
  h.env().Set("HOME", not_a_folder.string());

  h.app().Get<frmSplash>();

  int folder_errors = 0;
  for (const auto& box : h.dialogs().message_boxes) folder_errors += box.title == "User Access Directory Error";
  EXPECT_EQ(folder_errors, 1) << "one message for the one folder that cannot be made";
  EXPECT_EQ(h.app().State<RunState>().ProgramVersion, "2.3");
  ASSERT_NE(h.app().IfLoaded<frmStationID>(), nullptr);
  EXPECT_TRUE(h.app().IfLoaded<frmStationID>()->Visible());
}

// An offset no clock can have, read from the settings file, is refused at its line and the
// start-up value is taken; the main window then opens and its clocks run. Should memory ever
// hold such an offset, the clocks show the time unshifted rather than overflow.
TEST_F(StartUp, AnOffsetBeyondADayInTheSettingsFileIsRefusedAndTheMainWindowRuns) {
  std::string prefs = testing::ReadBytes(work.path() / "QSOpref.txt");
  const std::size_t band = prefs.find("\"20\"\r\n");
  ASSERT_NE(band, std::string::npos);
  const std::size_t offset = band + 6;
  prefs.replace(offset, prefs.find("\r\n", offset) - offset, "1E30");
  testing::WriteBytes(work.path() / "QSOpref.txt", prefs);

  h.app().Get<frmSplash>();

  ASSERT_FALSE(h.dialogs().message_boxes.empty());
  EXPECT_NE(h.dialogs().message_boxes[0].text.find(
                "Line 11: \"1E30\" is not a UTC offset of -24 to 24 hours; 5 is used instead."),
            std::string::npos)
      << h.dialogs().message_boxes[0].text;
  frmStationID* setup = h.app().IfLoaded<frmStationID>();
  ASSERT_NE(setup, nullptr);
  setup->Command1.ClickBy();
  MainWindow* main = h.app().IfLoaded<Outfrm>();
  if (main == nullptr) main = h.app().IfLoaded<Infrm>();
  ASSERT_NE(main, nullptr);
  h.Advance(3000);
  // The start-up value, or the clock's offset that the start-up's question offered for it.
  EXPECT_LE(std::fabs(h.app().State<StationSettings>().UTCOffset), kMaxUTCOffsetHours);
  EXPECT_EQ(testing::ReadBytes(work.path() / "QSOpref.txt").find("1E30"), std::string::npos);

  for (const float beyond : {1e30f, -1e30f, 1e9f}) {
    h.app().State<StationSettings>().UTCOffset = beyond;
    h.Advance(2000);
    EXPECT_FALSE(main->lblutctime.Caption().empty()) << beyond;
    EXPECT_TRUE(vb::IsValid(StationUtcNow(h.app()))) << beyond;  // the stamp of a contact
  }
}

}  // namespace
}  // namespace ks
