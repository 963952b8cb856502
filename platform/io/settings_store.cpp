#include "platform/io/settings_store.h"

#include "platform/io/environment.h"
#include "platform/io/files.h"
#include "platform/io/ini_text.h"
#include "platform/io/text_encoding.h"

namespace ks::io {
namespace {

std::string TrimBlanks(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

// Keeps a value on one line of the file.
std::string OneLine(const std::string& s) {
  std::string out;
  for (char c : s) out += (c == '\n' || c == '\r') ? ' ' : c;
  return out;
}

}  // namespace

std::filesystem::path IniSettingsStore::DefaultFolder(const Environment& env) {
  const std::string xdg = env.GetOrEmpty("XDG_CONFIG_HOME");
  if (!xdg.empty()) return std::filesystem::path(xdg) / "keystone";
  return std::filesystem::path(env.GetOrEmpty("HOME")) / ".config" / "keystone";
}

std::filesystem::path IniSettingsStore::Location(const std::string& app) const {
  std::string name;
  for (char c : app) name += (c == '/' || c == '\\') ? '_' : c;
  return folder_ / (name + ".ini");
}

IniSections ParseIniText(std::string_view text) {
  text = WithoutByteOrderMark(text);
  IniSections sections;
  std::string section;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = TrimBlanks(std::string(text.substr(start, end - start)));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    sections[section][TrimBlanks(line.substr(0, eq))] = line.substr(eq + 1);
  }
  return sections;
}

std::string FormatIniText(const IniSections& sections) {
  std::string text;
  for (const auto& [name, values] : sections) {
    text += "[" + name + "]\n";
    for (const auto& [k, v] : values) text += k + "=" + v + "\n";
  }
  return text;
}

IniSettingsStore::Sections IniSettingsStore::Load(const std::string& app) const {
  std::string bytes;
  if (!ReadFile(Location(app), bytes, kSettingsFileMaxBytes)) return {};
  return ParseIniText(bytes);
}

std::string IniSettingsStore::GetSetting(const std::string& app, const std::string& section,
                                         const std::string& key, const std::string& fallback) const {
  const Sections sections = Load(app);
  auto s = sections.find(section);
  if (s == sections.end()) return fallback;
  auto k = s->second.find(key);
  return k == s->second.end() ? fallback : k->second;
}

FileResult IniSettingsStore::SaveSetting(const std::string& app, const std::string& section,
                                         const std::string& key, const std::string& value) {
  Sections sections = Load(app);
  sections[section][OneLine(key)] = OneLine(value);
  const std::string text = FormatIniText(sections);
  // A folder that cannot be made shows in the write's own failure.
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  return WriteFileAtomic(Location(app), text);
}

}  // namespace ks::io
