#include "entry/contact_clock.h"

#include <cmath>

#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/vb/format.h"
#include "station/station_settings.h"

namespace ks {

vb::DateTime StationUtcNow(forms::Application& app) {
  const io::CivilTime now = app.Clock().LocalNow();
  const vb::DateTime local{now.year, now.month, now.day, now.hour, now.minute, now.second};
  const double offset_minutes = static_cast<double>(app.State<StationSettings>().UTCOffset) * 60.0;
  const auto minutes = static_cast<long long>(std::nearbyint(offset_minutes));  // to even on .5
  return vb::AddMinutes(local, minutes).value_or(local);
}

ContactStamp StampOf(const vb::DateTime& moment) {
  return {vb::Format(moment, "yyyy/mm/dd"), vb::Format(moment, "hh:mm:ss")};
}

}  // namespace ks
