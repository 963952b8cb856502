#include "entry/contact_clock.h"

#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/vb/format.h"
#include "station/station_settings.h"

namespace ks {

vb::DateTime StationUtcNow(forms::Application& app) {
  const io::CivilTime now = app.Clock().LocalNow();
  const vb::DateTime local{now.year, now.month, now.day, now.hour, now.minute, now.second};
  return vb::AddHoursToTheMinute(local, app.State<StationSettings>().UTCOffset).value_or(local);
}

ContactStamp StampOf(const vb::DateTime& moment) {
  return {vb::Format(moment, "yyyy/mm/dd"), vb::Format(moment, "hh:mm:ss")};
}

}  // namespace ks
