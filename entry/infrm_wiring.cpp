// Connects the in-state window's entry line, its lists and its entry menu items to their
// handlers.
#include "entry/entry_line_rules.h"
#include "mainwin/windows/Infrm.h"

namespace ks {

void Infrm::WireInStateEntry() {
  txtCall.Change = [this] { txtCall_Change(); };
  txtCall.GotFocus = [this] { txtCall_GotFocus(); };
  txtCall.KeyPress = [this](int& key) { txtCall_KeyPress(key); };
  txtCall.LostFocus = [this] { txtCall_LostFocus(); };
  txtRSTR.GotFocus = [this] { txtRSTR_GotFocus(); };
  txtRSTR.KeyPress = [this](int& key) { txtRSTR_KeyPress(key); };
  txtRSTR.LostFocus = [this] { txtRSTR_LostFocus(); };
  // Unlike the other window's, the date box selects its text on every visit.
  txtPostConDate.GotFocus = [this] {
    txtPostConDate_GotFocus();
    SelectAllText(txtPostConDate);
  };
  txtRSTS.Change = [this] { txtRSTS_Change(); };
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
  for (int i = Label10.LBound(); i <= Label10.UBound(); ++i) {
    Label10(i).Click = [this, i] { Label10_Click(i); };
    Label10(i).MouseMove = [this, i](int button, int shift, float x, float y) { Label10_MouseMove(i, button, shift, x, y); };
  }
}

}  // namespace ks
