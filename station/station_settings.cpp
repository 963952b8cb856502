#include "station/station_settings.h"

#include <cmath>

#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/io/files.h"
#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "platform/vb/line_format.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "startup/user_folders.h"

namespace ks {

bool WritePrefFile(forms::Application& app) {
  const StationSettings& s = app.State<StationSettings>();
  std::string out;
  auto text = [&](const std::string& v) { out += vb::LineWriter().Text(v).Line(); };
  auto single = [&](float v) { out += vb::LineWriter().Single(v).Line(); };
  auto integer = [&](long long v) { out += vb::LineWriter().Int(v).Line(); };
  text(s.OwnCall);
  text(s.OwnSPC);
  text(s.OwnCountry);
  text(s.OwnARRLSection);
  text(s.OwnName);
  text(s.OwnCategory);
  text(s.OwnCounty);
  text(s.OwnCity);
  text(s.CurrentMode);
  text(s.CurrentBand);
  single(s.UTCOffset);
  single(s.OwnLongitude);
  single(s.OwnLatitude);
  text(s.OwnContinent);
  integer(s.FormSizePercent);
  integer(s.MultWorkedColor);
  integer(s.MultRemainingColor);
  single(s.TimeOnTotal);
  text(s.PartyState);
  integer(s.OutOfState);
  integer(s.Rover);
  integer(s.VoiceNavLevel);
  text(s.RigName);
  integer(s.TaskbarMode);
  integer(s.ListPrevious);
  // The file is replaced whole or not at all, so a failed write never leaves it short.
  return io::WriteFileAtomic(WorkingFile(app, kPrefFileName), out).ok();
}

namespace {

// Stores a value read by `read` into `target`; false when it could not be read.
template <typename T, typename Read>
bool ReadInto(T& target, Read read) {
  auto value = read();
  if (value) target = static_cast<T>(*value);
  return value.has_value();
}

}  // namespace

bool ReadPrefFile(forms::Application& app) {
  std::string bytes;
  if (!io::ReadFile(WorkingFile(app, kPrefFileName), bytes)) return false;
  vb::LineReader in(std::move(bytes));
  StationSettings& s = app.State<StationSettings>();
  auto text = [&](std::string& v) { return ReadInto(v, [&] { return in.ReadText(); }); };
  auto single = [&](float& v) { return ReadInto(v, [&] { return in.ReadSingle(); }); };
  auto byte = [&](std::uint8_t& v) { return ReadInto(v, [&] { return in.ReadByte(); }); };
  auto color = [&](std::int32_t& v) { return ReadInto(v, [&] { return in.ReadLong(); }); };
  // Values are taken in file order; the first that cannot be read stops the reading.
  return text(s.OwnCall) && text(s.OwnSPC) && text(s.OwnCountry) && text(s.OwnARRLSection) && text(s.OwnName) &&
         text(s.OwnCategory) && text(s.OwnCounty) && text(s.OwnCity) && text(s.CurrentMode) &&
         text(s.CurrentBand) && single(s.UTCOffset) && single(s.OwnLongitude) && single(s.OwnLatitude) &&
         text(s.OwnContinent) && byte(s.FormSizePercent) && color(s.MultWorkedColor) &&
         color(s.MultRemainingColor) && single(s.TimeOnTotal) && text(s.PartyState) && byte(s.OutOfState) &&
         byte(s.Rover) && byte(s.VoiceNavLevel) && text(s.RigName) && byte(s.TaskbarMode) && byte(s.ListPrevious);
}

namespace {

constexpr const char* kUTCCheckTitle = "Update the Local Time / UTC Offset?";
constexpr const char* kPromptGap = "\r\n\r\n";

vb::DateTime ToDateTime(const io::CivilTime& t) { return {t.year, t.month, t.day, t.hour, t.minute, t.second}; }

std::string HoursAndMinutes(const io::CivilTime& t) { return vb::Format(ToDateTime(t), "hh:nn"); }

// Hours from local time to UTC, to the hundredth. The two readings are taken a moment apart,
// so their difference is rounded to the whole minute rather than each being cut to it.
float ClockUTCOffset(const io::CivilTime& local, const io::CivilTime& utc) {
  const double minutes = std::round(static_cast<double>(io::ToEpochMs(utc) - io::ToEpochMs(local)) / 60000.0);
  return static_cast<float>(vb::RoundHalfEven(minutes / 60.0, 2));
}

std::string UTCCheckPrompt(const io::CivilTime& local, const io::CivilTime& utc, float current,
                           float recommended) {
  std::string prompt = "Would you like to adjust the UTC offset for your local time setting?";
  prompt += kPromptGap + std::string("Current System Time: ") + HoursAndMinutes(utc);
  prompt += kPromptGap + std::string("Current Local Time: ") + HoursAndMinutes(local);
  prompt += kPromptGap + std::string("Current Offset: ") + vb::CStr(current);
  prompt += kPromptGap + std::string("Recommended Offset: ") + vb::CStr(recommended);
  prompt += kPromptGap +
            std::string("Please click OK to accept the recommended change or Cancel to keep the current setting.");
  return prompt;
}

}  // namespace

void CheckUTCOffset(forms::Application& app) {
  StationSettings& s = app.State<StationSettings>();
  const io::CivilTime utc = app.Clock().UtcNow();
  const io::CivilTime local = app.Clock().LocalNow();
  const float recommended = ClockUTCOffset(local, utc);
  if (s.UTCOffset == recommended) return;
  const std::string answer =
      app.InputBox(UTCCheckPrompt(local, utc, s.UTCOffset, recommended), kUTCCheckTitle, vb::CStr(recommended));
  // Cancel gives the empty answer; it and any other text that is no number keep the offset.
  const std::optional<float> typed = vb::CSng(answer);
  if (!typed) return;
  s.UTCOffset = *typed;
  WritePrefFile(app);
}

void DropQuoteKey(int& key_ascii) {
  if (key_ascii == '"') key_ascii = 0;
}

}  // namespace ks
