#pragma once
// The rover-county window: the counties of the county line a rover operates from. Enter adds
// a checked county to the sorted list (a county of the table not listed yet). A click on a
// listed county removes it, as does Enter on the county chosen with the keys, and the focus
// goes to Done; Delete removes the chosen county and chooses the next (or the last), so the
// keys go on in the list. Done puts the alphabetically first county into the own-county
// window's box. The window stays loaded for the run once opened: the in-state main window
// reads List1 and Check1 after every contact to enter the contact again for each further
// county.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class frmCountyChangeRover : public forms::Form {
 public:
  explicit frmCountyChangeRover(forms::Application& app);

  // In tab order.
  forms::TextBox Text1{*this, "Text1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label1{*this, "Label1"};
  forms::ListBox List1{*this, "List1"};
  forms::Label Label3{*this, "Label3"};
  forms::CheckBox Check1{*this, "Check1"};

  void Form_Load() override;
  void Command1_Click();
  void Check1_Click();
  void List1_Click();
  void List1_GotFocus();
  void List1_KeyDown(int& KeyCode, int Shift);
  void List1_KeyPress(int& KeyAscii);
  void Text1_GotFocus();
  void Text1_KeyPress(int& KeyAscii);
  void ValidateRoverCounty();
  void AddRoverCounty();

 private:
  void Design();
  // Removes the selected county and sends the focus to Done (a click, or Enter).
  void RemoveSelectedCounty();
  bool IsListed(const std::string& county) const;
};

}  // namespace ks
