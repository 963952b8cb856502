#include "mainwin/local_time.h"

#include "platform/forms/application.h"
#include "platform/io/clock.h"

namespace ks {

vb::DateTime LocalNow(forms::Application& app) {
  const io::CivilTime t = app.Clock().LocalNow();
  return vb::DateTime{t.year, t.month, t.day, t.hour, t.minute, t.second};
}

vb::DateTime ShiftByUtcOffset(const vb::DateTime& local, float utc_offset_hours) {
  return vb::AddHoursToTheMinute(local, utc_offset_hours).value_or(local);
}

}  // namespace ks
