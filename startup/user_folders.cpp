#include "startup/user_folders.h"

#include <cerrno>
#include <set>

#include "platform/forms/application.h"
#include "platform/io/environment.h"
#include "platform/io/files.h"

namespace ks {
namespace {

constexpr const char* kAccessErrorTitle = "User Access Directory Error";

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// XDG_DOCUMENTS_DIR from the user-dirs file, with $HOME expanded.
std::string DocumentsFromUserDirs(const io::Environment& env, const fs::path& home) {
  std::string config = env.GetOrEmpty("XDG_CONFIG_HOME");
  const fs::path file = (config.empty() ? home / ".config" : fs::path(config)) / "user-dirs.dirs";
  std::string bytes;
  if (!io::ReadTextFile(file, bytes, io::kSettingsFileMaxBytes)) return {};
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = Trim(bytes.substr(start, end - start));
    start = end + 1;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home.string() + value.substr(5);
    return value;
  }
  return {};
}

// The profile's documents folder, the counterpart of the profile's "My Documents".
fs::path DocumentsFolder(const io::Environment& env, const fs::path& profile) {
  const std::string explicit_dir = env.GetOrEmpty("XDG_DOCUMENTS_DIR");
  if (!explicit_dir.empty()) return explicit_dir;
  const std::string from_file = DocumentsFromUserDirs(env, profile);
  if (!from_file.empty()) return from_file;
  return profile / "Documents";
}

// The counterpart of the roaming application-data folder: the XDG data folder.
fs::path DataHome(const io::Environment& env, const fs::path& profile) {
  const std::string xdg = env.GetOrEmpty("XDG_DATA_HOME");
  if (!xdg.empty()) return xdg;
  return profile / ".local" / "share";
}

// The folders whose failure has been shown in this run: the start-up asks for the same
// folders several times, and one message for each is enough.
struct ReportedFolders {
  std::set<fs::path> paths;
};

// Makes the folder when missing; false when it is not there afterwards. The first failure
// for a folder is shown with the access-error title: the system's reason, then the folder.
bool MakeReported(forms::Application& app, const fs::path& path) {
  if (FolderPresent(path)) return true;
  const io::FileResult made = io::MakeFolder(path);
  if (made) return true;
  if (!app.State<ReportedFolders>().paths.insert(path).second) return false;
  std::string text = made.error + "\r\n\r\n" + path.string();
  if (io::IsFile(path)) text += "\r\nA file of this name stands where the folder belongs.";
  app.MsgBox(text, 0, kAccessErrorTitle);
  return false;
}

// The company folder and its sub-folder beneath `base`; returns base/company as it exists.
// Without the company folder its sub-folder cannot be made, so it is not tried.
fs::path MakeCompanyFolders(forms::Application& app, const fs::path& base, const std::string& company,
                            const std::string& sub) {
  const bool made = MakeReported(app, io::ResolveNoCase(base, company));
  const fs::path company_path = io::ResolveNoCase(base, company);
  if (made) MakeReported(app, io::ResolveNoCase(company_path, sub));
  return company_path;
}

}  // namespace

fs::path WorkingFile(forms::Application& app, const std::string& name) {
  fs::path folder = app.State<Folders>().WorkingDir;
  if (folder.empty()) folder = app.StartDirectory();
  return io::ResolveNoCase(folder, name);
}

bool FolderPresent(const fs::path& path) {
  const fs::path parent = path.parent_path();
  const std::string last = path.filename().string();
  if (last.empty()) return io::IsFolder(path);
  auto found = io::FindNoCase(parent.empty() ? fs::path(".") : parent, last);
  return found && io::IsFolder(*found);
}

void CreateFolder(forms::Application& app, const fs::path& path, int show_error) {
  if (path.empty()) {
    app.MsgBox("Invalid Path", 0, "Unable to Create Directory");
    return;
  }
  if (FolderPresent(path)) return;
  if (auto made = io::MakeFolder(path); !made && show_error == 1)
    app.MsgBox(made.error + "  " + path.string(), 0, "Unable to create directory.");
}

fs::path GetUserDataFolder(forms::Application& app, const std::string& company, const std::string& sub) {
  const io::Environment& env = app.Environment();
  std::string profile = env.GetOrEmpty("USERPROFILE");
  if (profile.empty()) profile = env.GetOrEmpty("HOME");
  if (profile.empty()) {
    // No profile at all: a documents folder of our own in the temporary folder.
    const fs::path base = fs::temp_directory_path() / "My Documents";
    CreateFolder(app, base, 1);
    return MakeCompanyFolders(app, base, company, sub);
  }
  const fs::path documents = DocumentsFolder(env, profile);
  if (!FolderPresent(documents)) {
    std::error_code ec;
    fs::create_directories(documents, ec);  // tried once, silently
  }
  if (FolderPresent(documents)) return MakeCompanyFolders(app, documents, company, sub);
  const fs::path data_home = DataHome(env, profile);
  std::error_code ec;
  fs::create_directories(data_home, ec);
  return MakeCompanyFolders(app, data_home, company, sub);
}

std::string MakeCallFileStem(const std::string& call) {
  std::string stem;
  for (char c : call) {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      stem += c;
    } else {
      break;
    }
  }
  return stem.empty() ? "YourCall" : stem;
}

}  // namespace ks
