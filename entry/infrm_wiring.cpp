// Connects the in-state window's entry line, its lists and its entry menu items to their
// handlers.
#include "mainwin/windows/Infrm.h"

namespace ks {

void Infrm::WireInStateEntry() {
  txtCall.Change = [this] { txtCall_Change(); };
  txtCntry.Change = [this] { txtCntry_Change(); };
  txtCntry.GotFocus = [this] { txtCntry_GotFocus(); };
  txtCntry.KeyPress = [this](int& key) { txtCntry_KeyPress(key); };
  txtSec.GotFocus = [this] { txtSec_GotFocus(); };
  txtSec.KeyPress = [this](int& key) { txtSec_KeyPress(key); };
}

}  // namespace ks
