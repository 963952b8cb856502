#pragma once
// The main window of a station outside the party state: entry line of call, received
// serial, county and points; the county lists "Counties Worked" (List2) and "Counties To Go"
// (List1). Everything it shares with the in-state window is in MainWindow.
#include "mainwin/main_window.h"

namespace ks {

class Outfrm : public MainWindow {
 public:
  explicit Outfrm(forms::Application& app);

  // ---- Contact entry and scoring (least forms in mainwin/entry_services.cpp) ----
  void Mains() override;
  void ReloadLog() override;
  void UpdateQSORates() override;
  void ListRecentContacts() override;

 protected:
  // ---- Load hooks (windows/Outfrm.cpp) ----
  std::string StartingHint() const override;
  void AddRecentContactColumns() override;
  void ShowOwnStation() override;

 private:
  // ---- Design (windows/Outfrm.cpp): the entry line, lists and bottom row of this window ----
  void DesignOwnControls();
  void DesignEntryLine();
  void DesignLists();
  void DesignBottomRow();
};

}  // namespace ks
