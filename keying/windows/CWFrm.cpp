#include "keying/windows/CWFrm.h"

#include "keying/keyer_files.h"

namespace ks {

CWFrm::CWFrm(forms::Application& app) : forms::Form(app, "CWFrm") {
  SetCaption("CW String Selections");
  LayOut();
  DropQuotesTypedIntoBoxes(*this);
}

void CWFrm::LayOut() {
  constexpr float kLeft = 600, kRow = 360, kBoxHeight = 315;
  forms::TextBox* const messages[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6,
                                      &Text7, &Text8, &Text9, &Text12, &Text13};
  float top = 120;
  for (forms::TextBox* box : messages) {
    box->Move(kLeft, top, 6360, kBoxHeight);
    top += kRow;
  }
  top += 120;
  Text10.Move(kLeft, top, 600, kBoxHeight);
  Text10.SetText("0");
  Text11.Move(1800, top, 600, kBoxHeight);
  Text11.SetText("13");
  txtSpace.Move(3000, top, 600, kBoxHeight);
  txtSpace.SetText("0");
  Text14.Move(4200, top, 900, kBoxHeight);
  Text14.SetText("&H378");
  txtCWLoop.Move(5700, top, 600, kBoxHeight);
  txtCWLoop.SetText("0");
  top += kRow + 120;
  Check1.Move(kLeft, top, 4800, 255);
  Check1.SetCaption("Display CW text on main form (NA for WinKey).");
  top += kRow;
  forms::OptionButton* const choices[] = {&Option1, &Option2, &Option3, &Option4, &Option5};
  const char* const captions[] = {"RTS", "DTR", "Printer", "None", "WinKey"};
  for (int i = 0; i < 5; ++i) {
    choices[i]->Move(kLeft + static_cast<float>(i) * 1200, top, 1100, 255);
    choices[i]->SetCaption(captions[i]);
  }
  SetClientSize(7080, top + 255 + 120);
}

}  // namespace ks
