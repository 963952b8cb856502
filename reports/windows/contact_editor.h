#pragma once
// The contact editor's one design, which the in-state editor (DEEditInfrm) and the
// out-of-state editor (DEEditOut) share: it edits record EditIndex of the log in place and
// hides itself when the record is stored; the main window that opened it then rewrites
// log.txt and reloads. What differs between the two is named by `InState`: the in-state
// editor has a county box and an exchange box (SPC) of its own and the county sent; the
// out-of-state editor keeps the county in txtEditPre and has neither of the others.
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class MainWindow;
struct LogRecord;

class ContactEditor : public forms::Form {
 public:
  ContactEditor(forms::Application& app, std::string name, bool in_state);

  // The boxes in tab order, then Done, then the points box.
  forms::TextBox txtEditCall{*this, "txtEditCall"};
  forms::TextBox txtEditCk{*this, "txtEditCk"};
  forms::TextBox txtEditSec{*this, "txtEditSec"};
  forms::TextBox txtEditPre{*this, "txtEditPre"};
  forms::TextBox txtEditNum{*this, "txtEditNum"};
  forms::TextBox txtEditDate{*this, "txtEditDate"};
  forms::TextBox txtEditTime{*this, "txtEditTime"};
  forms::TextBox txtEditBnd{*this, "txtEditBnd"};
  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text3{*this, "Text3"};
  forms::CommandButton cmdDone{*this, "cmdDone"};
  forms::TextBox Text2{*this, "Text2"};
  forms::CommandButton cmdDeleteDupe{*this, "cmdDeleteDupe"};
  forms::Label lblTitle{*this, "lblTitle"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label6{*this, "Label6"};
  forms::Label Label7{*this, "Label7"};
  forms::Label Label9{*this, "Label9"};

  void Form_Load() override;
  void cmdDone_Click();
  void cmdDeleteDupe_Click();
  static void Cap2(int& KeyAscii);
  static void number(int& KeyAscii);

  void txtEditCall_KeyPress(int& KeyAscii);
  void txtEditCk_KeyPress(int& KeyAscii);
  void txtEditSec_KeyPress(int& KeyAscii);
  void txtEditSec_LostFocus();
  void txtEditPre_KeyPress(int& KeyAscii);
  void txtEditPre_LostFocus();
  void txtEditNum_KeyPress(int& KeyAscii);
  void txtEditDate_KeyPress(int& KeyAscii);
  void txtEditDate_LostFocus();
  void txtEditTime_KeyPress(int& KeyAscii);
  void txtEditTime_LostFocus();
  void txtEditBnd_KeyPress(int& KeyAscii);
  void txtEditBnd_LostFocus();
  void Text1_KeyPress(int& KeyAscii);
  void Text1_LostFocus();
  void Text2_KeyPress(int& KeyAscii);
  void Text2_LostFocus();
  void Text3_KeyPress(int& KeyAscii);
  void Text3_LostFocus();

 protected:
  const bool InState;
  // The main window whose Delete command removes a duplicate.
  virtual MainWindow& Opener() = 0;

 private:
  void Design();
  void Wire();
  // The double quote is dropped and Enter runs Done; true when the key is still to be handled.
  bool QuoteAndEnter(int& KeyAscii);
  void CountyKeyPress(forms::TextBox& box, int& KeyAscii);
  void ExchangeKeyPress(int& KeyAscii);
  // Each check beeps, shows the box's mark and puts the focus back on failure.
  bool CheckListed(forms::TextBox& box, forms::Label& mark, bool listed);
  // A county code in the box is first replaced by its county's name.
  bool CheckCounty(forms::TextBox& box, forms::Label& mark, bool empty_allowed);
  bool CheckDate();
  bool CheckTime();
  // Whether a box's check should run now: only while the operator works in the window.
  bool Active() const;
  // Every box checked as when it is left; false at the first that fails.
  bool CheckEveryBox();
  // Done's checks and the store; true when the record was stored.
  bool Done();
  bool IsDuplicate();
  void Store(LogRecord& r) const;

  // Set while Done runs, so that moving the focus to a box that failed runs no other check.
  bool in_done_ = false;
  // The caption beside each shown box.
  std::vector<std::unique_ptr<forms::Label>> captions_;
};

}  // namespace ks
