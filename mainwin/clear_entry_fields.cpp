// Emptying the entry line (the Esc key, the "&Clear" menu).
#include "mainwin/main_window.h"
#include "mainwin/message_colors.h"

namespace ks {

void MainWindow::ClearEntryFields() {
  for (forms::TextBox* box : {&txtRSTS, &txtCntry, &txtCall, &txtRSTR, &txtSec, &txtPts}) box->SetText("");
  lblDupe.SetBackColor(forms::colors::kButtonFace);
  lblDialog.SetBackColor(kDialogNormalColor);
  for (forms::Label* label : {&lblDupe, &lblDialog, &Label19, &Label22, &Label23}) label->SetCaption("");
  // The in-state window's "County" caption comes back when the exchange names the state.
  if (IsInState() && lblStation.Exists(4)) lblStation(4).SetEnabled(false);
  txtCall.SetFocus();
}

}  // namespace ks
