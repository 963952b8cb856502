#pragma once
// The files through which the Pegasus radio's control program is reached: PEGASUS.OUT,
// which it keeps current with the radio's frequency and mode (read by ParsePegasusOut of
// rig/protocol/parsers.h), and PEGASUS.IN, which tells it the frequency to go to.
//
// Their folder is the settings store's value app "Keystone", section "Pegasus", key
// "Folder"; by default the folder the Windows program's c:\Pegasus is under Wine,
// $HOME/.wine/drive_c/Pegasus.
#include <filesystem>
#include <string>

namespace ks::io {
class Environment;
class SettingsStore;
}  // namespace ks::io

namespace ks::rig {

std::filesystem::path PegasusFolder(const io::SettingsStore& store, const io::Environment& env);

// The two lines of PEGASUS.IN: the frequency in MHz and the mode, without blanks.
std::string FormatPegasusIn(float frequency, const std::string& mode);

}  // namespace ks::rig
