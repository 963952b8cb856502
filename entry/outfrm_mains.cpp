// Logging a contact in the out-of-state window.
#include "mainwin/windows/Outfrm.h"

namespace ks {

void Outfrm::Mains() {}

}  // namespace ks
