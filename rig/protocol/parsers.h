#pragma once
// The reply parsers of every radio family. Each reads an untrusted reply of any length
// and stops silently at the first thing it cannot read, leaving what it has not yet
// written unchanged.
#include <string_view>

#include "rig/protocol/reading.h"

namespace ks::rig {

// Text replies.
void ParseKenwoodFrequency(std::string_view reply, const RigRequests& requests, RigReading& reading);
void ParseKenwoodMode(std::string_view reply, RigReading& reading);
void ParseKenwood2Reply(std::string_view reply, RigReading& reading);
void ParseFTdx9000Reply(std::string_view reply, const RigRequests& requests, RigReading& reading);
void ParseOrionFrequency(std::string_view reply, RigReading& reading);
void ParseOrionMode(std::string_view reply, RigReading& reading);

// Binary replies.
void ParseIcomFrequency(std::string_view reply, bool four_byte_frequency, RigReading& reading);
void ParseIcomMode(std::string_view reply, RigReading& reading);
void ParseYaesuReply(std::string_view reply, RigReading& reading);
void ParseYaesu757Reply(std::string_view reply, RigReading& reading);
void ParseYaesu890Reply(std::string_view reply, RigReading& reading);
void ParseYaesu920Reply(std::string_view reply, RigReading& reading);
void ParseYaesu990Reply(std::string_view reply, RigReading& reading);
void ParseYaesu1000Reply(std::string_view reply, RigReading& reading);
void ParseTenTecFrequency(std::string_view reply, RigReading& reading);
void ParseTenTecMode(std::string_view reply, RigReading& reading);

// The decimal text of gathered frequency digits (leading zeros dropped as the radios'
// formats say); a lone point when there are none.
std::string FormatIcomFrequency(std::string_view digits);
std::string FormatYaesuFrequency(std::string_view digits);

// The mode of the sub-band that holds the frequency, or the mode as it was.
void ModeFromFrequency(float frequency, std::string& mode);

}  // namespace ks::rig
