#pragma once
// The station's settings (QSOpref.txt, 25 values in this order) and the small pieces of run
// state that several windows share.
#include <cstdint>
#include <optional>
#include <string>

#include "startup/file_reports.h"

namespace ks::forms {
class Application;
}

namespace ks {

// app.State<StationSettings>()
struct StationSettings {
  std::string OwnCall;
  std::string OwnSPC;
  std::string OwnCountry;
  std::string OwnARRLSection;
  std::string OwnName;
  std::string OwnCategory;
  std::string OwnCounty;
  std::string OwnCity;
  std::string CurrentMode;   // "CW", "PH", "RY", "PK"
  std::string CurrentBand;   // "160" ... "2"
  float UTCOffset = 0;       // hours added to local time to give UTC
  float OwnLongitude = 0;    // degrees, positive to the west
  float OwnLatitude = 0;
  std::string OwnContinent;
  std::uint8_t FormSizePercent = 100;
  std::int32_t MultWorkedColor = 0;
  std::int32_t MultRemainingColor = 0;
  float TimeOnTotal = 0;     // seconds
  std::string PartyState;
  std::uint8_t OutOfState = 1;  // as Done leaves it when nothing was chosen
  std::uint8_t Rover = 0;
  std::uint8_t VoiceNavLevel = 0;
  std::string RigName;
  std::uint8_t TaskbarMode = 0;
  std::uint8_t ListPrevious = 0;

  friend bool operator==(const StationSettings&, const StationSettings&) = default;
};

inline constexpr const char* kPrefFileName = "QSOpref.txt";

// The start-up values: those of the QSOpref.txt supplied with the program (mode "CW", band
// "20", colours green and red, party state "PA", rig "None" ...). A value of the file that
// cannot be read takes its start-up value.
StationSettings StartupSettings();

// app.State<RunState>(): what the windows of one run share besides the settings.
struct RunState {
  std::string ProgramVersion;
  bool LoggedOn = false;       // Log "Time On"
  float TimeOnCurrent = 0;     // operating seconds of the log so far
  int InvalidCountyFlag = 0;   // set by every county check
};

// Writes the 25 values to QSOpref.txt in the working directory, one per line. Returns false
// (and leaves the old file as it was) when the file cannot be written, after telling the
// operator the file and the reason.
bool WritePrefFile(forms::Application& app);

// Reads QSOpref.txt into StationSettings, one value per line. A value that cannot be read,
// and every line a short file lacks, takes its start-up value; the report names each such
// line. A file that cannot be read at all changes nothing (Unreadable() in the report).
FileReport ReadPrefFile(forms::Application& app);

// The hours a UTC offset may add: no clock on earth is a whole day or more from UTC.
inline constexpr float kMaxUTCOffsetHours = 24;

// `text` read as a UTC offset: a number of hours from -24 to 24; nothing otherwise.
std::optional<float> ReadUTCOffset(const std::string& text);
// Why `text` is no UTC offset, as the operator is told it.
std::string UTCOffsetRefusal(const std::string& text);

// Compares UTCOffset with the offset the system clock gives (local time to UTC, in hours to
// the hundredth) and, when they differ, offers the clock's offset in an input box. A number
// typed there becomes UTCOffset and the settings are written; anything else keeps the offset,
// and a number beyond a day either way is refused with a message.
void CheckUTCOffset(forms::Application& app);

// The settings files and the log cannot hold a double quote inside a text (it would end the
// text on reading), so every box whose text is stored drops the key that types one.
void DropQuoteKey(int& key_ascii);

}  // namespace ks
