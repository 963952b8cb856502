// The menu items that only the in-state window offers.
#include "mainwin/windows/Infrm.h"

namespace ks {

void Infrm::WireInStateMenus() {}

void Infrm::mnuColors_Click() {}
void Infrm::mnuChangeCounty_Click() {}

}  // namespace ks
