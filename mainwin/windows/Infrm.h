#pragma once
// The main window of a station inside the party state: entry line of call, received serial,
// section / country and county; the section grid; three lists (DX countries worked, counties
// worked, counties still to work); for a rover the "County Sent" column and "Cha&nge County".
// Everything it shares with the out-of-state window is in MainWindow.
#include "mainwin/main_window.h"

namespace ks {

class Infrm : public MainWindow {
 public:
  explicit Infrm(forms::Application& app);

  // ---- Contact entry and scoring (least forms in mainwin/entry_services.cpp) ----
  void Mains() override;
  void ReloadLog() override;
  void UpdateQSORates() override;
  void ListRecentContacts() override;

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
  // The in-state contact editor (least form in mainwin/entry_services.cpp).
  void ShowContactEditor() override;

  // ---- Menus only this window offers (windows/Infrm_commands.cpp) ----
  void mnuColors_Click();
  void mnuChangeCounty_Click();
  void WireInStateMenus();

 private:
  // ---- Design (windows/Infrm.cpp and windows/Infrm_grid.cpp) ----
  void DesignOwnControls();
  void DesignEntryLine();
  void DesignLists();
  void DesignBottomRow();
  void DesignSectionGrid();
};

}  // namespace ks
