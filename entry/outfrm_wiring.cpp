// The events of the out-of-state window's entry line, county lists and entry menus.
#include "mainwin/windows/Outfrm.h"

namespace ks {

void Outfrm::WireEntry() {
  List1.Click = [this] { List1_Click(); };
  List2.Click = [this] { List2_Click(); };
}

}  // namespace ks
