#pragma once
// The main window of a station outside the party state: entry line of call, received
// serial, county and points; the county lists "Counties Worked" (List2) and "Counties To Go"
// (List1). Everything it shares with the in-state window is in MainWindow.
#include "mainwin/main_window.h"

namespace ks {

class Outfrm : public MainWindow {
 public:
  explicit Outfrm(forms::Application& app);

  // ---- Contact entry (entry/outfrm_mains.cpp) ----
  void Mains() override;
  // ---- Duplicate warning on leaving the call box (entry/outfrm_dupes.cpp) ----
  void DupCheck2();

  // ---- Score, multipliers and QSO rates (entry/outfrm_score.cpp) ----
  void ReloadLog() override;
  void AddCountyWorked();
  void ShowScore();

  // ---- Recent-contacts list (entry/outfrm_score.cpp) ----
  void ListRecentContacts() override;

 protected:
  // ---- Load hooks (windows/Outfrm.cpp) ----
  std::string StartingHint() const override;
  void AddRecentContactColumns() override;
  void ShowOwnStation() override;
  void ShowContactEditor() override;

 private:
  // ---- Design (windows/Outfrm.cpp): the entry line, lists and bottom row of this window ----
  void DesignOwnControls();
  void DesignEntryLine();
  void DesignLists();
  void DesignBottomRow();

  // ---- Score (entry/outfrm_score.cpp) ----
  void RebuildCountyLists();
  void List1_Click();
  void List2_Click();
  // Connects the entry line, the county lists and the menu items of contact entry.
  void WireEntry();

  // ---- Logging a contact (entry/outfrm_mains.cpp) ----
  void CheckRequiredFields();
  void StoreEntry();
  void ClearEntryLine();

  // ---- Duplicate checks (entry/outfrm_dupes.cpp) ----
  void DupCheckOnLog();
  void ShowPartialDupes(int key);

  // ---- Entry-line fields (entry/outfrm_fields.cpp) ----
  void txtCall_KeyPress(int& KeyAscii);
  void txtCall_Change();
  void txtCall_GotFocus();
  void txtCall_LostFocus();
  void txtRSTR_KeyPress(int& KeyAscii);
  void txtRSTR_LostFocus();
  void txtSec_KeyPress(int& KeyAscii);
  void CountyKey(int& KeyAscii);
};

}  // namespace ks
