#pragma once
// The per-user settings store: values by application, section and key, kept in a small
// INI-style file per application under the user's configuration folder.
#include <filesystem>
#include <map>
#include <string>

#include "platform/io/files.h"

namespace ks::io {

class Environment;

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                 const std::string& fallback) const = 0;
  // Keeps one value; the old values stay as they were when it cannot be written.
  virtual FileResult SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                 const std::string& value) = 0;
  // Where the values of `app` are kept, for a message that names it.
  virtual std::filesystem::path Location(const std::string& app) const = 0;
};

// Keeps `<folder>/<app>.ini`; the file is read at each look-up and rewritten at each save.
class IniSettingsStore final : public SettingsStore {
 public:
  explicit IniSettingsStore(std::filesystem::path folder) : folder_(std::move(folder)) {}
  // $XDG_CONFIG_HOME/keystone, else $HOME/.config/keystone.
  static std::filesystem::path DefaultFolder(const Environment& env);

  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& fallback) const override;
  FileResult SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& value) override;
  std::filesystem::path Location(const std::string& app) const override;

 private:
  using Sections = std::map<std::string, std::map<std::string, std::string>>;
  Sections Load(const std::string& app) const;
  std::filesystem::path folder_;
};

}  // namespace ks::io
