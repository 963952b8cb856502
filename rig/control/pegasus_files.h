#pragma once
// The files through which the Pegasus radio's control program is reached: PEGASUS.OUT,
// which it keeps current with the radio's frequency and mode, and PEGASUS.IN, which tells
// it the frequency to go to.
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

// Reads the frequency (MHz) and then the mode from PEGASUS.OUT's bytes; a mode other than
// "CW" counts as phone ("PH"), an empty one stays empty. Values read before a failure stay.
// True when the frequency was read.
bool ParsePegasusOut(std::string bytes, float& frequency, std::string& mode);

// The two lines of PEGASUS.IN: the frequency in MHz and the mode, without blanks.
std::string FormatPegasusIn(float frequency, const std::string& mode);

}  // namespace ks::rig
