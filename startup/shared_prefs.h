#pragma once
// SharedUserPreferences.xml in the shared folder: a declaration line and one
// "<KEY>value</KEY>" line per key, for the company's other programs. This program writes it
// and never reads a value back.
#include <filesystem>
#include <string>

namespace ks::forms {
class Application;
}

namespace ks {

// app.State<SharedPrefs>()
struct SharedPrefs {
  std::string SharedPrefsText;              // the whole text, without the final line end
  std::filesystem::path SharedPrefsPath;    // where the last load or save was
};

inline constexpr const char* kSharedPrefsDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";
inline constexpr const char* kSharedPrefsFileName = "SharedUserPreferences.xml";

void LoadSharedPrefs(forms::Application& app, const std::filesystem::path& path);
void SaveSharedPrefs(forms::Application& app, const std::filesystem::path& path);
// Sets one key (upper-cased, in the caller's variable too) to `value` without its "<" and
// ">"; saves when `save` is 1.
void SetSharedPref(forms::Application& app, std::string& key, const std::string& value, int save);

}  // namespace ks
