#include "keying/windows/PhoneFrm.h"

#include "keying/keyer_files.h"

namespace ks {

PhoneFrm::PhoneFrm(forms::Application& app) : forms::Form(app, "PhoneFrm") {
  SetCaption("Phone Wave Selections");
  LayOut();
  DropQuotesTypedIntoBoxes(*this);
}

void PhoneFrm::LayOut() {
  constexpr float kLeft = 600, kRow = 360, kBoxHeight = 315;
  forms::TextBox* const files[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9};
  float top = 120;
  for (forms::TextBox* box : files) {
    box->Move(kLeft, top, 6360, kBoxHeight);
    top += kRow;
  }
  top += 120;
  Text10.Move(kLeft, top, 600, kBoxHeight);
  Text10.SetText("0");
  forms::OptionButton* const lines[] = {&Option1, &Option2, &Option3};
  const char* const captions[] = {"RTS", "DTR", "Parallel"};
  for (int i = 0; i < 3; ++i) {
    lines[i]->Move(1440 + static_cast<float>(i) * 960, top + 30, 900, 255);
    lines[i]->SetCaption(captions[i]);
  }
  txtPHLoop.Move(4560, top, 600, kBoxHeight);
  txtPHLoop.SetText("0");
  Text11.Move(5400, top, 900, kBoxHeight);
  Text11.SetText("&H378");
  SetClientSize(7080, top + kBoxHeight + 120);
}

}  // namespace ks
