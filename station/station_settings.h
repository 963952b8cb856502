#pragma once
// The station's settings (QSOpref.txt, 25 values in this order) and the small pieces of run
// state that several windows share.
#include <cstdint>
#include <string>

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

// app.State<RunState>(): what the windows of one run share besides the settings.
struct RunState {
  std::string ProgramVersion;
  bool LoggedOn = false;       // Log "Time On"
  float TimeOnCurrent = 0;     // operating seconds of the log so far
  int InvalidCountyFlag = 0;   // set by every county check
};

// Writes the 25 values to QSOpref.txt in the working directory, one per line. Returns false
// (and leaves the old file as it was) when the file cannot be written; nothing is shown.
bool WritePrefFile(forms::Application& app);

// Reads QSOpref.txt into StationSettings; false (with the values read so far kept) when the
// file is missing or a value cannot be read.
bool ReadPrefFile(forms::Application& app);

// Compares UTCOffset with the offset the system clock gives (local time to UTC, in hours to
// the hundredth) and, when they differ, offers the clock's offset in an input box. A number
// typed there becomes UTCOffset and the settings are written; anything else keeps the offset.
void CheckUTCOffset(forms::Application& app);

// The settings files and the log cannot hold a double quote inside a text (it would end the
// text on reading), so every box whose text is stored drops the key that types one.
void DropQuoteKey(int& key_ascii);

}  // namespace ks
