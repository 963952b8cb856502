#include "mainwin/local_time.h"

#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/vb/rounding.h"

namespace ks {

vb::DateTime LocalNow(forms::Application& app) {
  const io::CivilTime t = app.Clock().LocalNow();
  return vb::DateTime{t.year, t.month, t.day, t.hour, t.minute, t.second};
}

vb::DateTime ShiftByUtcOffset(const vb::DateTime& local, float utc_offset_hours) {
  const auto minutes = vb::CLng(static_cast<double>(utc_offset_hours) * 60);
  if (!minutes) return local;
  return vb::AddMinutes(local, *minutes).value_or(local);
}

}  // namespace ks
