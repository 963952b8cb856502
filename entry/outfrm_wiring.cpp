// The events of the out-of-state window's entry line, county lists and entry menus.
#include "mainwin/windows/Outfrm.h"

namespace ks {

void Outfrm::WireEntry() {
  List1.Click = [this] { List1_Click(); };
  List2.Click = [this] { List2_Click(); };
  txtCall.KeyPress = [this](int& key) { txtCall_KeyPress(key); };
  txtCall.Change = [this] { txtCall_Change(); };
  txtCall.GotFocus = [this] { txtCall_GotFocus(); };
  txtCall.LostFocus = [this] { txtCall_LostFocus(); };
  txtRSTR.KeyPress = [this](int& key) { txtRSTR_KeyPress(key); };
  txtRSTR.GotFocus = [this] { PlayFieldPrompt("SerNum", 2); };
  txtRSTR.LostFocus = [this] { txtRSTR_LostFocus(); };
  txtSec.KeyPress = [this](int& key) { txtSec_KeyPress(key); };
  txtSec.GotFocus = [this] { PlayFieldPrompt("County", 2); };
}

}  // namespace ks
