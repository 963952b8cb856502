#pragma once
// The program's folders: the working directory (where the settings, tables and log live)
// and, beneath the user's documents folder, the company folder with the data folder
// ("Pennsylvania", holding BACKUP) and the shared folder ("Shared").
//
// Linux mapping: the user profile is $USERPROFILE when set, else $HOME; a profile's
// documents folder is the XDG documents folder ($XDG_DOCUMENTS_DIR, else the user-dirs
// file's XDG_DOCUMENTS_DIR, else $HOME/Documents); the last resort is the XDG data folder
// ($XDG_DATA_HOME, else $HOME/.local/share) where the original used the roaming profile.
#include <filesystem>
#include <string>

namespace ks::forms {
class Application;
}

namespace ks {

namespace fs = std::filesystem;

// app.State<Folders>()
struct Folders {
  fs::path WorkingDir;
  fs::path DataFolder;
  fs::path SharedFolder;
};

inline constexpr const char* kCompanyFolder = "Corvane Software";
inline constexpr const char* kDataSubFolder = "Pennsylvania";
inline constexpr const char* kSharedSubFolder = "Shared";

// The file `name` of the working directory, found without regard to case (the name as
// given when no such file exists yet).
fs::path WorkingFile(forms::Application& app, const std::string& name);

// Returns base/company and makes base/company and base/company/sub when missing.
fs::path GetUserDataFolder(forms::Application& app, const std::string& company, const std::string& sub);

// Makes one folder (its parent must exist) when it is missing; reports a failure with a
// message box when `show_error` is 1, silently otherwise.
void CreateFolder(forms::Application& app, const fs::path& path, int show_error);

// A folder counts as present when a look-up of its last component in its parent finds a
// folder of that name without regard to case.
bool FolderPresent(const fs::path& path);

// The stem for file names made from a call: its leading run of "A"-"Z" and "0"-"9",
// or "YourCall" when that run is empty.
std::string MakeCallFileStem(const std::string& call);

}  // namespace ks
