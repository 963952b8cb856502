#pragma once
// The submission-file window "Summary Sheet Information": the entry category, station, power,
// the entrant's details and the bonuses, and the writers of the plain log, the dupe sheet and
// the summary sheet (and of the Cabrillo log, whose button is never shown).
#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

struct QsoLineOptions;
struct SummaryEntry;

class DECabrilloIn : public forms::Form {
 public:
  explicit DECabrilloIn(forms::Application& app);

  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option6{*this, "Option6", &Frame1};
  forms::OptionButton Option5{*this, "Option5", &Frame1};
  forms::OptionButton Option8{*this, "Option8", &Frame1};
  forms::OptionButton Option9{*this, "Option9", &Frame1};
  forms::OptionButton Option17{*this, "Option17", &Frame1};
  forms::Frame Frame5{*this, "Frame5"};
  forms::OptionButton Option18{*this, "Option18", &Frame5};
  forms::OptionButton Option2{*this, "Option2", &Frame5};
  forms::OptionButton Option16{*this, "Option16", &Frame5};
  forms::OptionButton Option7{*this, "Option7", &Frame5};
  forms::Frame Frame2{*this, "Frame2"};
  forms::OptionButton Option4{*this, "Option4", &Frame2};
  forms::OptionButton Option3{*this, "Option3", &Frame2};
  forms::OptionButton Option1{*this, "Option1", &Frame2};
  // Two groups made hidden, which only the other state's summary reads.
  forms::Frame Frame3{*this, "Frame3"};
  forms::OptionButton Option12{*this, "Option12", &Frame3};
  forms::OptionButton Option11{*this, "Option11", &Frame3};
  forms::OptionButton Option10{*this, "Option10", &Frame3};
  forms::Frame Frame4{*this, "Frame4"};
  forms::OptionButton Option15{*this, "Option15", &Frame4};
  forms::OptionButton Option14{*this, "Option14", &Frame4};
  forms::OptionButton Option13{*this, "Option13", &Frame4};
  forms::Label Label6{*this, "Label6"};
  forms::TextBox Text5{*this, "Text5"};
  forms::Label Label9{*this, "Label9"};
  forms::TextBox Text6{*this, "Text6"};
  forms::Label Label8{*this, "Label8"};
  forms::TextBox Text7{*this, "Text7"};
  forms::Label Label7{*this, "Label7"};
  forms::TextBox Text8{*this, "Text8"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox Text2{*this, "Text2"};
  forms::Label Label1{*this, "Label1"};
  forms::TextBox Text1{*this, "Text1"};
  forms::Label Label12{*this, "Label12"};
  forms::TextBox Text11{*this, "Text11"};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox Text3{*this, "Text3"};
  forms::Label Label4{*this, "Label4"};
  forms::CommandButton Command8{*this, "Command8"};
  forms::TextBox Text4{*this, "Text4"};
  forms::CheckBox Check1{*this, "Check1"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton cmdWriteDupe{*this, "cmdWriteDupe"};
  forms::CommandButton cmdWriteSum{*this, "cmdWriteSum"};
  forms::CommandButton Command3{*this, "Command3"};
  // The rectangle around the upper part of the window; the buttons stand below it.
  forms::Line Line1{*this, "Line1", 40, 120, 9120, 120};
  forms::Line Line2{*this, "Line2", 9120, 120, 9120, 3720};
  forms::Line Line3{*this, "Line3", 40, 3720, 9120, 3720};
  forms::Line Line4{*this, "Line4", 40, 120, 40, 3720};

  void Form_Load() override;
  void Command8_Click();
  void Text1_KeyPress(int& KeyAscii);
  void Text3_LostFocus();
  void Text4_LostFocus();
  void Command3_Click();
  void Command4_Click();
  void Command1_Click();
  void cmdWriteDupe_Click();
  void cmdWriteSum_Click();
  // Two writers that no control calls: the dupe sheet in its plain layout, written to the
  // working folder without a dialog, and a summary sheet in the layout of another state's
  // QSO party, written beside `file_name` with "sum" in place of its last three characters.
  void WriteASCIIDupeSheet();
  void WriteOtherStateSummary(const std::string& file_name);

 private:
  void Design();
  void DesignOptions();
  void DesignBoxes();
  void Wire();
  void SetTabOrder();
  // Trims the own call in place and returns it.
  std::string TrimOwnCall();
  QsoLineOptions LineOptions(bool plain_log);
  std::string CategoryWord() const;
  std::string PowerWord() const;
  void KeepEntrantDetails();
  // The station's side and the multiplier counts of the main window in use.
  void CountMultipliers(SummaryEntry& entry);
};

}  // namespace ks
