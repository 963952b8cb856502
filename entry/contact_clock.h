#pragma once
// The station's UTC moment, as both main windows stamp a contact and count their QSO rates:
// the local time shifted by UTCOffset hours (to the nearest whole minute), to the second.
// One read of the clock gives both the date and the time of a contact, so a contact logged
// as midnight passes cannot take the old date with the new time.
#include <string>

#include "platform/vb/datetime.h"

namespace ks::forms {
class Application;
}

namespace ks {

// Reads the local clock once and shifts it by UTCOffset.
vb::DateTime StationUtcNow(forms::Application& app);

// A contact's date ("yyyy/mm/dd") and time ("hh:mm:ss") from one moment.
struct ContactStamp {
  std::string date;
  std::string time;
};
ContactStamp StampOf(const vb::DateTime& moment);

}  // namespace ks
