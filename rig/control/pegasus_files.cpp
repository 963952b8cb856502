#include "rig/control/pegasus_files.h"

#include "platform/io/environment.h"
#include "platform/io/settings_store.h"
#include "platform/vb/number_text.h"
#include "platform/vb/text.h"

namespace ks::rig {

std::filesystem::path PegasusFolder(const io::SettingsStore& store, const io::Environment& env) {
  const std::string fallback = (std::filesystem::path(env.GetOrEmpty("HOME")) / ".wine/drive_c/Pegasus").string();
  return store.GetSetting("Keystone", "Pegasus", "Folder", fallback);
}

std::string FormatPegasusIn(float frequency, const std::string& mode) {
  return vb::Replace(vb::FormatSingle(frequency), " ", "") + "\r\n" + vb::Replace(mode, " ", "") + "\r\n";
}

}  // namespace ks::rig
