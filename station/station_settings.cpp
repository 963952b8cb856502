#include "station/station_settings.h"

#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/vb/line_format.h"
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
  // Nothing is shown on failure; the old file stays whole.
  return io::WriteFileAtomic(WorkingFile(app, kPrefFileName), out).ok();
}

bool ReadPrefFile(forms::Application& app) {
  std::string bytes;
  if (!io::ReadFile(WorkingFile(app, kPrefFileName), bytes)) return false;
  vb::LineReader in(std::move(bytes));
  StationSettings& s = app.State<StationSettings>();
  auto text = [&](std::string& v) {
    auto r = in.ReadText();
    if (r) v = *r;
    return r.has_value();
  };
  auto single = [&](float& v) {
    auto r = in.ReadSingle();
    if (r) v = *r;
    return r.has_value();
  };
  auto byte = [&](std::uint8_t& v) {
    auto r = in.ReadByte();
    if (r) v = *r;
    return r.has_value();
  };
  auto color = [&](std::int32_t& v) {
    auto r = in.ReadLong();
    if (r) v = *r;
    return r.has_value();
  };
  return text(s.OwnCall) && text(s.OwnSPC) && text(s.OwnCountry) && text(s.OwnARRLSection) && text(s.OwnName) &&
         text(s.OwnCategory) && text(s.OwnCounty) && text(s.OwnCity) && text(s.CurrentMode) &&
         text(s.CurrentBand) && single(s.UTCOffset) && single(s.OwnLongitude) && single(s.OwnLatitude) &&
         text(s.OwnContinent) && byte(s.FormSizePercent) && color(s.MultWorkedColor) &&
         color(s.MultRemainingColor) && single(s.TimeOnTotal) && text(s.PartyState) && byte(s.OutOfState) &&
         byte(s.Rover) && byte(s.VoiceNavLevel) && text(s.RigName) && byte(s.TaskbarMode) && byte(s.ListPrevious);
}

}  // namespace ks
