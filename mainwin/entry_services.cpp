// Least form of the in-state window's Mains, until its entry is built.
#include "mainwin/windows/Infrm.h"

namespace ks {

void Infrm::Mains() {}

}  // namespace ks
