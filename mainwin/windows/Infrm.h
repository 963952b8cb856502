#pragma once
// The main window of a station inside the party state: entry line of call, received serial,
// section / country and county; the section grid; three lists (DX countries worked, counties
// worked, counties still to work); for a rover the "County Sent" column and "Cha&nge County".
// Everything it shares with the out-of-state window is in MainWindow.
#include <cstdint>

#include "mainwin/main_window.h"

namespace ks {

struct LogRecord;

class Infrm : public MainWindow {
 public:
  explicit Infrm(forms::Application& app);

  // ---- Contact entry (entry/infrm_mains.cpp) ----
  void Mains() override;

  // ---- Multipliers, score and rates (entry/infrm_score.cpp) ----
  void ReloadLog() override;
  void MarkMultiplierWorked();
  void AddCountyWorked();
  void AddDXWorked();
  void ShowScore();
  void Command1_Click();
  // The section grid: a click puts the section into the exchange box; the mouse over a
  // section shows its name and how many contacts the log holds with it.
  void Label10_Click(int Index);
  void Label10_MouseMove(int Index, int Button, int Shift, float X, float Y);

  // ---- Recent-contacts list and the commands that recall earlier data (entry/infrm_list.cpp) ----
  void ListRecentContacts() override;
  void List1_Click();
  void List2_Click();
  void List3_Click();
  void Label25_Change();

  // ---- Call, serial, points and sent-report boxes (entry/infrm_call_box.cpp) ----
  void txtCall_Change();
  void txtCall_GotFocus();
  void txtCall_KeyPress(int& KeyAscii);
  void txtCall_LostFocus();
  void txtRSTR_GotFocus();
  void txtRSTR_KeyPress(int& KeyAscii);
  void txtRSTR_LostFocus();
  void txtRSTS_Change();

  // ---- Duplicate checks (entry/infrm_dupes.cpp) ----
  void DupCheckOnLog();
  void DupCheck2();
  void ShowPartialDupes(int KeyAscii);
  void ClearDupeFlag();
  // ClearDupeFlag with the window's keys held (entry/infrm_call_box.cpp).
  void HoldAfterDuplicate(bool refused_on_leaving);

  // ---- Call-prefix look-up (entry/infrm_lookup.cpp) ----
  void LookupCallPrefix();
  void ShowBearingDistance(float latitude, float longitude);

  // ---- Exchange and county boxes (entry/infrm_exchange_county.cpp) ----
  void txtCntry_Change();
  void txtCntry_GotFocus();
  void txtCntry_KeyPress(int& KeyAscii);
  void txtSec_GotFocus();
  void txtSec_KeyPress(int& KeyAscii);

  // ---- Form size: also stretches List3 ----
  void FitCountyListHeights() override;

  // ---- This window's own controls ----
  forms::ListBox List3{*this, "List3"};  // counties still to work
  forms::Label Label15{*this, "Label15"};  // "States and Provinces Worked All Bands:"
  // Call-area headings of the section grid (captions "1" to "9", "0", "Canada").
  forms::Label lblSecOne{*this, "lblSecOne"};
  forms::Label lblSecTwo{*this, "lblSecTwo"};
  forms::Label lblSecThre{*this, "lblSecThre"};
  forms::Label lblSecFour{*this, "lblSecFour"};
  forms::Label lblSecFive{*this, "lblSecFive"};
  forms::Label Label14{*this, "Label14"};
  forms::Label lblSecSix{*this, "lblSecSix"};
  forms::Label lblSecEight{*this, "lblSecEight"};
  forms::Label lblSecNine{*this, "lblSecNine"};
  forms::Label lblSecZero{*this, "lblSecZero"};
  forms::Label lblSecCA{*this, "lblSecCA"};
  // The section grid, one label per section, index 1 to 84.
  forms::ControlArray<forms::Label> Label10{*this, "Label10"};

 protected:
  // ---- Load hooks (windows/Infrm.cpp) ----
  std::string StartingHint() const override;
  void AddRecentContactColumns() override;
  void LoadSectionTable() override;
  void ShowOwnStation() override;
  // The in-state contact editor (entry/infrm_list.cpp).
  void ShowContactEditor() override;

  // ---- Menus only this window offers (windows/Infrm_commands.cpp) ----
  void mnuColors_Click();
  void mnuChangeCounty_Click();
  void WireInStateMenus();
  // Connects the entry line, the lists and the menu items of contact entry
  // (entry/infrm_wiring.cpp).
  void WireInStateEntry();

 private:
  // ---- Design (windows/Infrm.cpp and windows/Infrm_grid.cpp) ----
  void DesignOwnControls();
  void DesignEntryLine();
  void DesignLists();
  void DesignBottomRow();
  void DesignSectionGrid();

  // ---- Checks and store of Mains (entry/infrm_mains.cpp) ----
  bool CheckFieldsUnlessRefused();
  void CheckRequiredFields();
  void CheckSection();
  void StoreEntry();
  // Empties the entry line and puts the focus in the call box.
  void ClearEntryLine();

  // ---- Duplicate checks (entry/infrm_dupes.cpp) ----
  // Empty county and exchange boxes take the record's values.
  void FillEmptyBoxes(const LogRecord& record);

  // ---- Rover county lines (entry/infrm_rover.cpp) ----
  void LogRoverCounties();
  // Enters the last contact again from the own county of the moment, with no points, and the
  // last contact's serials or (`next_serial`) the next sent serial; false when it is refused.
  bool RelogLastContact(bool next_serial);
  // The position in the rover's county list being re-logged; 0 while none is.
  std::uint8_t RoverRelogIndex = 0;

  // ---- Steps of the recount (entry/infrm_score.cpp) ----
  void RebuildMultiplierFlags();
  void RebuildCountyLists();
  void CountMultipliersWorked();
  void RebuildDXList();
  void ShowCountyListCounts();
  void ShowDXCount();

  // ---- Contact entry helpers ----
  // Empties the continent, bearing and distance read-outs.
  void ClearPlaceReadouts();
  // Whether the exchange box names the party state or one of its two sections.
  bool ExchangeIsPartyState() const;
};

}  // namespace ks
