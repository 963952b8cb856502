#pragma once
// The county picker: every county of the party state with its abbreviation. A click on a
// county puts its full name into the county box txtSec of the open main window and closes
// the picker.
#include "platform/forms/form.h"
#include "platform/forms/listview.h"

namespace ks {

class frmCountyList : public forms::Form {
 public:
  explicit frmCountyList(forms::Application& app);

  forms::ListView ListView1{*this, "ListView1"};

  void Form_Load() override;
  void ListView1_Click();

 private:
  void Design();
  void FillCounties();
};

// Puts `county` into the county box txtSec of the main window that is open: Outfrm for a
// station outside the state, Infrm otherwise. No handler of the main window runs but the
// box's Change; nothing happens when that window or its box is not there.
void PutCountyIntoMainWindow(forms::Application& app, const std::string& county);

}  // namespace ks
