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
  List1.Click = [this] { List1_Click(); };
  List2.Click = [this] { List2_Click(); };
  List3.Click = [this] { List3_Click(); };
  Label25.Change = [this] { Label25_Change(); };
  Command1.Click = [this] { Command1_Click(); };
  mnuRecall.Click = [this] { mnuRecall_Click(); };
}

}  // namespace ks
