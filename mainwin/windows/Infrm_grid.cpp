// The in-state window's section grid: call-area headings and one small label per section.
#include <algorithm>

#include "mainwin/main_window_design.h"
#include "mainwin/section_table.h"
#include "mainwin/windows/Infrm.h"

namespace ks {

namespace {

// The rightmost column of the grid reaches past the window's inner width: its labels end
// at the window's edge, so that none stands partly outside it.
float WidthWithin(float left, float width, float inner_width) { return std::min(width, inner_width - left); }

}  // namespace

void Infrm::DesignSectionGrid() {
  // Right of the recent-contacts list, which would cover its start; in the regular face, so
  // that the whole heading fits the room left.
  SetCaptionAt(Label15, "States and Provinces Worked All Bands:", 6420, 2295, 3060, 225);
  SetDesignFont(Label15, kLabelFontSize, false);
  forms::Label* headings[] = {&lblSecOne, &lblSecTwo, &lblSecThre, &lblSecFour, &lblSecFive, &Label14,
                              &lblSecSix, &lblSecEight, &lblSecNine, &lblSecZero, &lblSecCA};
  int h = 0;
  for (const SectionHeading& heading : SectionHeadings()) {
    forms::Label& label = *headings[h++];
    SetCaptionAt(label, heading.caption, heading.left, heading.top, WidthWithin(heading.left, heading.width, ScaleWidth()),
                 heading.height);
    SetDesignFont(label, kLabelFontSize, true);
    label.Transparent = true;
  }
  int i = 1;
  for (const SectionRow& row : SectionRows()) {
    forms::Label& label = Label10.Design(i++);
    SetCaptionAt(label, "WWW", row.left, row.top, WidthWithin(row.left, row.width, ScaleWidth()), row.height);
    label.SetFont(forms::Font{"MS Serif", 6.0f, false});
    label.SetForeColor(forms::colors::kBlack);
    // The grid's labels overlap their neighbours' empty lower part.
    label.Transparent = true;
  }
}

}  // namespace ks
