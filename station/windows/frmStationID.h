#pragma once
// The station-setup window, shown once at start. Its load reads the station's settings, offers
// to correct the UTC offset, loads the prefix and state tables and the keyer windows'
// settings, and shows the stored details; Done stores what the operator confirmed and opens
// the main window for a station inside or outside the state.
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "startup/file_reports.h"

namespace ks {

class frmStationID : public forms::Form {
 public:
  explicit frmStationID(forms::Application& app);

  // The key filters of the boxes: a lower-case letter becomes its capital; and only
  // Backspace, "-", ".", "/" and the digits pass.
  static void Cap3(int& key_ascii);
  static void NumBerr(int& key_ascii);

  forms::Image Image1{*this, "Image1"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label5{*this, "Label5"};
  forms::Label Label8{*this, "Label8"};
  forms::Label Label6{*this, "Label6"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label4{*this, "Label4"};
  forms::Label Label7{*this, "Label7"};
  forms::Label Label9{*this, "Label9"};
  forms::Label Label10{*this, "Label10"};
  forms::Label Label11{*this, "Label11"};
  forms::Label Label12{*this, "Label12"};
  // The boxes, in tab order: call, state or province, county, UTC offset, country,
  // longitude, latitude, continent, ARRL section, name, category, city.
  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text5{*this, "Text5"};
  forms::TextBox Text8{*this, "Text8"};
  forms::TextBox Text6{*this, "Text6"};
  forms::TextBox Text2{*this, "Text2"};
  forms::TextBox Text3{*this, "Text3"};
  forms::TextBox Text4{*this, "Text4"};
  forms::TextBox Text7{*this, "Text7"};
  forms::TextBox Text9{*this, "Text9"};
  forms::TextBox Text10{*this, "Text10"};
  forms::TextBox Text11{*this, "Text11"};
  forms::TextBox Text12{*this, "Text12"};
  // "Are you in Pennsylvania?"
  forms::Frame Frame2{*this, "Frame2"};
  forms::OptionButton Option1{*this, "Option1", &Frame2};
  forms::OptionButton Option2{*this, "Option2", &Frame2};
  // "Are you operating as a Rover?"
  forms::Frame Frame3{*this, "Frame3"};
  forms::OptionButton Option4{*this, "Option4", &Frame3};
  forms::OptionButton Option3{*this, "Option3", &Frame3};
  // The party state, one button per state in alphabetical order of the postal codes.
  forms::Frame Frame1{*this, "Frame1"};
  forms::ControlArray<forms::OptionButton> optState{*this, "optState", &Frame1};
  forms::CommandButton Command1{*this, "Command1"};

  void Form_Load() override;
  // Closed by its close box, the window ends the program: no main window will come.
  void Form_QueryUnload(int& cancel, forms::UnloadMode mode) override;

 private:
  void LayOut();
  void LayOutBoxes();
  void LayOutStateButtons();
  void WireHandlers();

  // The load's reading of the files; each one that fails is told, naming the file, the line
  // and the reason.
  void LoadStationFiles();
  void TellIfFailed(const FileReport& report);
  // Shows StationSettings in the option groups and the boxes.
  void ShowStationSettings();

  void EnableRoverChoice(bool enabled);

  void Command1_Click();
  void Option1_Click();
  void Option2_Click();
  void optState_Click(int index);
  void Text2_KeyPress(int& key_ascii);
  void Text8_KeyPress(int& key_ascii);
  void Text6_LostFocus();
  void RefuseUTCOffset();
  bool offset_refused_on_leave_ = false;
  // The key handlers of the boxes that take capitals, and of the number boxes.
  void CapitalBox_KeyPress(int& key_ascii);
  void NumberBox_KeyPress(int& key_ascii);
  // Enter presses Done; true when it did.
  bool DoneOnEnter(int& key_ascii);
};

}  // namespace ks
