#pragma once
// The reply parsers of every radio family. Each reads an untrusted reply of any length and
// takes an answer only when it is well formed for its radio (its key, its length, digits
// where the radio sends digits, its end mark) and takes every form of it that the radio
// sends (a number field padded with leading zeros or blanks): a cut, merged or noisy answer
// is no answer and changes nothing, nor is a frequency of zero. Each returns true when it
// took an answer.
#include <string>
#include <string_view>

#include "rig/protocol/reading.h"

namespace ks::rig {

// Text replies.
bool ParseKenwoodFrequency(std::string_view reply, const RigRequests& requests, RigReading& reading);
bool ParseKenwoodMode(std::string_view reply, RigReading& reading);
bool ParseKenwood2Reply(std::string_view reply, RigReading& reading);
// The FTdx9000's two answers, looked for in every reply: "FA" and 8 digits, "MD0" and a mode code.
bool ParseFTdx9000Frequency(std::string_view reply, const RigRequests& requests, RigReading& reading);
bool ParseFTdx9000Mode(std::string_view reply, const RigRequests& requests, RigReading& reading);
bool ParseOrionFrequency(std::string_view reply, RigReading& reading);
bool ParseOrionMode(std::string_view reply, RigReading& reading);

// Binary replies.
bool ParseIcomFrequency(std::string_view reply, bool four_byte_frequency, RigReading& reading);
bool ParseIcomMode(std::string_view reply, RigReading& reading);
bool ParseYaesuReply(std::string_view reply, RigReading& reading);
bool ParseYaesu757Reply(std::string_view reply, RigReading& reading);
bool ParseYaesu890Reply(std::string_view reply, RigReading& reading);
bool ParseYaesu920Reply(std::string_view reply, RigReading& reading);
bool ParseYaesu990Reply(std::string_view reply, RigReading& reading);
bool ParseYaesu1000Reply(std::string_view reply, RigReading& reading);
bool ParseTenTecFrequency(std::string_view reply, RigReading& reading);
bool ParseTenTecMode(std::string_view reply, RigReading& reading);

// PEGASUS.OUT, which the Pegasus radio's control program keeps current: the frequency (MHz)
// and then the mode, each ended by a comma or a line end. The program rewrites the file in
// place, so it may be read half written: only what stands before the last line end is read,
// and a file without one gives nothing ("2" of a "21.03" on its way is no 2 MHz). A mode
// other than "CW" counts as phone ("PH"), an empty one stays empty. True when the frequency
// was read; the mode is then read when its line is whole.
bool ParsePegasusOut(std::string bytes, RigReading& reading);

// The decimal text of gathered frequency digits (leading zeros dropped as the radios'
// formats say); a lone point when there are none.
std::string FormatIcomFrequency(std::string_view digits);
std::string FormatYaesuFrequency(std::string_view digits);

// The mode of the sub-band that holds the frequency, or the mode as it was.
void ModeFromFrequency(float frequency, std::string& mode);

}  // namespace ks::rig
