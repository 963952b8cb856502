#pragma once
// The band and mode codes of the main windows and the rules that map a polled frequency or
// mode, or a click on the band or mode label, to the band or mode to select.
#include <array>
#include <string>
#include <string_view>

namespace ks {

// The band codes in the order of the Band menu and of the band label's cycle.
inline constexpr std::array<const char*, 8> kBandCodes = {"160", "80", "40", "20", "15", "10", "6", "2"};
// The mode codes in the order of the Mode menu and of the mode label's cycle.
inline constexpr std::array<const char*, 4> kModeCodes = {"CW", "PH", "RY", "PK"};

// Position of a band or mode code among the codes above, compared without regard to case;
// -1 when the text is none of them.
int BandIndex(std::string_view band);
int ModeIndex(std::string_view mode);

// The band whose range holds a frequency in MHz, or -1. Each range's bounds are
// single-precision values, both exclusive, and the ranges leave out everything between
// the contest bands (30, 17 and 12 m) and above 2 m.
int BandIndexOfFrequency(float mhz);

// The frequency as the log keeps it: to the thousandth, three decimals always, no digit
// before the point below 1 MHz (0.5 gives ".500", 14.025 gives "14.025").
std::string FrequencyText(float mhz);

// The band or mode that one click on the band or mode label selects: the next one of the
// cycle, wrapping from the last to the first; -1 when the current code is none of them.
int NextBandIndex(std::string_view current_band);
int NextModeIndex(std::string_view current_mode);

// The mode that a polled mode text selects: only "PH" or "CW" that differs from the current
// mode (without regard to case); -1 for anything else ("AM", "FM", empty, the same mode).
int PolledModeIndex(std::string_view polled, std::string_view current_mode);

}  // namespace ks
