// The voice-keyer window's operation that the main window's function keys start (a
// stand-in until the voice keyer is built).
#include "keying/windows/PhoneFrm.h"

namespace ks {

void PhoneFrm::FKeyPhone(int& /*KeyCode*/) {}

}  // namespace ks
