#include "station/station_settings.h"

#include <cmath>

#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/io/files.h"
#include "platform/vb/constants.h"
#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "platform/vb/line_format.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "startup/file_reports.h"
#include "startup/user_folders.h"

namespace ks {

std::optional<float> ReadUTCOffset(const std::string& text) {
  const std::optional<float> hours = vb::CSng(text);
  if (!hours || !std::isfinite(*hours) || std::fabs(*hours) > kMaxUTCOffsetHours) return std::nullopt;
  return hours;
}

std::string UTCOffsetRefusal(const std::string& text) {
  return ShownValue(text) + " is not a UTC offset: the hours added to local time to give UTC are a number from -24 to 24.";
}

StationSettings StartupSettings() {
  StationSettings s;
  s.CurrentMode = "CW";
  s.CurrentBand = "20";
  s.UTCOffset = 5;
  s.FormSizePercent = 100;
  s.MultWorkedColor = 40960;  // green
  s.MultRemainingColor = 255;  // red
  s.PartyState = "PA";
  s.OutOfState = 1;
  s.RigName = "None";
  return s;
}

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
  return WriteSettingsFile(app, WorkingFile(app, kPrefFileName), out);
}

namespace {

// Reads QSOpref.txt line by line, each line's first value into its setting. A value that
// cannot be read, or a line the file lacks, gives the setting its start-up value and is noted
// in the report; the lines after it are read as usual, so one bad line costs one value.
class PrefLines {
 public:
  PrefLines(vb::LineReader& in, FileReport& report) : in_(in), report_(report) {}

  void Text(std::string& target, const std::string& fallback) {
    const std::optional<std::string> raw = Next();
    target = raw ? *raw : fallback;
  }
  void Single(float& target, float fallback) {
    Take(target, fallback, [](const std::string& raw) { return vb::CSng(raw); }, "a number", vb::CStr(fallback));
  }
  void Offset(float& target, float fallback) {
    Take(target, fallback, [](const std::string& raw) { return ReadUTCOffset(raw); },
         "a UTC offset of -24 to 24 hours", vb::CStr(fallback));
  }
  void Byte(std::uint8_t& target, std::uint8_t fallback) {
    Take(target, fallback, [](const std::string& raw) { return Whole<std::uint8_t>(raw, vb::CByte); },
         "a whole number from 0 to 255", std::to_string(fallback));
  }
  void Long(std::int32_t& target, std::int32_t fallback) {
    Take(target, fallback, [](const std::string& raw) { return Whole<std::int32_t>(raw, vb::CLng); },
         "a whole number", std::to_string(fallback));
  }

 private:
  template <typename T, typename Convert>
  static std::optional<T> Whole(const std::string& raw, Convert convert) {
    const std::optional<double> number = vb::CDbl(raw);
    return number ? convert(*number) : std::nullopt;
  }

  template <typename T, typename Convert>
  void Take(T& target, T fallback, Convert convert, const char* kind, const std::string& shown) {
    const std::size_t line = line_ + 1;
    const std::optional<std::string> raw = Next();
    target = fallback;
    if (!raw) return;
    if (const auto value = convert(*raw)) {
      target = *value;
      return;
    }
    report_.Add(line, ShownValue(*raw) + " is not " + kind + "; " + shown + " is used instead.");
  }

  // The first value of the next line; nothing (noted once) when the file has ended.
  std::optional<std::string> Next() {
    ++line_;
    if (in_.AtEnd()) {
      if (!ended_) report_.Add(line_, "the file ends here; this line and the ones after it take their start-up values.");
      ended_ = true;
      return std::nullopt;
    }
    std::optional<std::string> raw = in_.ReadText();
    in_.SkipRestOfLine();
    return raw;
  }

  vb::LineReader& in_;
  FileReport& report_;
  std::size_t line_ = 0;
  bool ended_ = false;
};

}  // namespace

FileReport ReadPrefFile(forms::Application& app) {
  std::string bytes;
  FileReport report = ReadWholeFile(WorkingFile(app, kPrefFileName), bytes, io::kSettingsFileMaxBytes);
  if (!report) return report;
  vb::LineReader in(std::move(bytes));
  PrefLines lines(in, report);
  StationSettings& s = app.State<StationSettings>();
  const StationSettings d = StartupSettings();
  lines.Text(s.OwnCall, d.OwnCall);
  lines.Text(s.OwnSPC, d.OwnSPC);
  lines.Text(s.OwnCountry, d.OwnCountry);
  lines.Text(s.OwnARRLSection, d.OwnARRLSection);
  lines.Text(s.OwnName, d.OwnName);
  lines.Text(s.OwnCategory, d.OwnCategory);
  lines.Text(s.OwnCounty, d.OwnCounty);
  lines.Text(s.OwnCity, d.OwnCity);
  lines.Text(s.CurrentMode, d.CurrentMode);
  lines.Text(s.CurrentBand, d.CurrentBand);
  lines.Offset(s.UTCOffset, d.UTCOffset);
  lines.Single(s.OwnLongitude, d.OwnLongitude);
  lines.Single(s.OwnLatitude, d.OwnLatitude);
  lines.Text(s.OwnContinent, d.OwnContinent);
  lines.Byte(s.FormSizePercent, d.FormSizePercent);
  lines.Long(s.MultWorkedColor, d.MultWorkedColor);
  lines.Long(s.MultRemainingColor, d.MultRemainingColor);
  lines.Single(s.TimeOnTotal, d.TimeOnTotal);
  lines.Text(s.PartyState, d.PartyState);
  lines.Byte(s.OutOfState, d.OutOfState);
  lines.Byte(s.Rover, d.Rover);
  lines.Byte(s.VoiceNavLevel, d.VoiceNavLevel);
  lines.Text(s.RigName, d.RigName);
  lines.Byte(s.TaskbarMode, d.TaskbarMode);
  lines.Byte(s.ListPrevious, d.ListPrevious);
  return report;
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
  if (!vb::CSng(answer)) return;
  const std::optional<float> typed = ReadUTCOffset(answer);
  if (!typed) {
    app.MsgBox(UTCOffsetRefusal(answer) + "\r\n\r\nThe offset stays " + vb::CStr(s.UTCOffset) + ".", vb::vbOKOnly,
               kUTCCheckTitle);
    return;
  }
  s.UTCOffset = *typed;
  WritePrefFile(app);
}

void DropQuoteKey(int& key_ascii) {
  if (key_ascii == '"') key_ascii = 0;
}

}  // namespace ks
