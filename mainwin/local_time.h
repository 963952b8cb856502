#pragma once
// The application clock's local time as the toolkit's date and time (to the second).
#include "platform/vb/datetime.h"

namespace ks::forms {
class Application;
}

namespace ks {

vb::DateTime LocalNow(forms::Application& app);

// The moment `local` shifted by `utc_offset_hours`, to the nearest whole minute.
vb::DateTime ShiftByUtcOffset(const vb::DateTime& local, float utc_offset_hours);

}  // namespace ks
