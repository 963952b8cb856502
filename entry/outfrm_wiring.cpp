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
  txtPts.KeyPress = [this](int& key) { txtPts_KeyPress(key); };
  txtPts.GotFocus = [this] { txtPts_GotFocus(); };
  txtPostConTime.KeyPress = [this](int& key) { PostContestKeyPress(key, ':'); };
  txtPostConTime.GotFocus = [this] { txtPostConTime_GotFocus(); };
  txtPostConDate.KeyPress = [this](int& key) { PostContestKeyPress(key, '/'); };
  txtPostConDate.GotFocus = [this] { txtPostConDate_GotFocus(); };
  mnuPostContest.Click = [this] { mnuPostContest_Click(); };
  mnuRecall.Click = [this] { mnuRecall_Click(); };
}

}  // namespace ks
