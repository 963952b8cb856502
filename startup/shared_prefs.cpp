#include "startup/shared_prefs.h"

#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "startup/file_reports.h"

namespace ks {
namespace {
std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// A value stands between its two tags unescaped, so a "<" or ">" in it could close its own
// tag or open another key's; they are dropped, as double quotes are from the settings files.
std::string WithoutTagMarks(const std::string& value) {
  std::string kept;
  kept.reserve(value.size());
  for (char c : value)
    if (c != '<' && c != '>') kept += c;
  return kept;
}
}  // namespace

void LoadSharedPrefs(forms::Application& app, const std::filesystem::path& path) {
  auto& prefs = app.State<SharedPrefs>();
  prefs.SharedPrefsPath = path;
  std::string bytes;
  if (io::IsFile(path) && io::ReadTextFile(path, bytes, io::kSettingsFileMaxBytes)) {
    // The save ends the text with CR LF; a shorter file is taken as it stands.
    if (bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0) bytes.resize(bytes.size() - 2);
    prefs.SharedPrefsText = bytes;
    return;
  }
  prefs.SharedPrefsText = kSharedPrefsDeclaration;
}

void SaveSharedPrefs(forms::Application& app, const std::filesystem::path& path) {
  auto& prefs = app.State<SharedPrefs>();
  prefs.SharedPrefsPath = path;
  // Nothing of this program depends on the file; a failure to write it is told and the
  // program goes on.
  WriteSettingsFile(app, path, prefs.SharedPrefsText + "\r\n");
}

void SetSharedPref(forms::Application& app, std::string& key, const std::string& typed, int save) {
  const std::string value = WithoutTagMarks(typed);
  auto& prefs = app.State<SharedPrefs>();
  std::string& text = prefs.SharedPrefsText;
  key = Upper(key);
  const std::string open = "<" + key + ">";
  const std::string close = "</" + key + ">";
  const std::size_t a = text.find(open);
  const std::size_t f = a == std::string::npos ? std::string::npos : text.find(close, a + open.size());
  if (a != std::string::npos && f != std::string::npos) {
    text = text.substr(0, a + open.size()) + value + text.substr(f);
  } else if (a != std::string::npos) {
    // An opening tag without its closing one: the value runs to the end of that line.
    std::size_t end = text.find("\r\n", a);
    if (end == std::string::npos) end = text.size();
    text = text.substr(0, a) + open + value + close + text.substr(end);
  } else {
    text += "\r\n" + open + value + close;
  }
  if (save == 1) SaveSharedPrefs(app, prefs.SharedPrefsPath);
}

}  // namespace ks
