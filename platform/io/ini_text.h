#pragma once
// The text of a per-user settings file, as the settings store reads and writes it.
#include <map>
#include <string>
#include <string_view>

namespace ks::io {

// The values of one store file: by section, then key.
using IniSections = std::map<std::string, std::map<std::string, std::string>>;

// "[section]" lines and "key=value" lines below them, "\n" or "\r\n" ends, blanks around a
// line and a key dropped, ";" comment lines and lines without "=" passed over; a value before
// any section belongs to the section of no name. A UTF-8 byte-order mark at the head of the
// text is passed over.
IniSections ParseIniText(std::string_view text);
// The text that ParseIniText reads back as `sections`.
std::string FormatIniText(const IniSections& sections);

}  // namespace ks::io
