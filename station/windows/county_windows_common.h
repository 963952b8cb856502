#pragma once
// What the own-county window, the rover-county window and the county picker share: how they
// fit themselves to the screen, the "   Invalid!" marker and the county check of a box.
#include <functional>
#include <string>

#include "platform/forms/form_resize.h"

namespace ks::forms {
class Form;
class Label;
class TextBox;
}  // namespace ks::forms

namespace ks {

// The design-size rule, centred both across and down, the window's own font times its new
// width / 9600, and control fonts by `control_font`.
void FitByNewWidth(forms::Form& form, forms::FitRule::FontRatio control_font);

// The marker beside a county box: "   Invalid!" in white on dark red, hidden.
void DesignInvalidMarker(forms::Label& marker);

// On focus the whole text of the box is selected from the caret on.
void SelectToEnd(forms::TextBox& box);

// The check of a county box: hides the marker, puts the county's name in place of a county
// code, then sets InvalidCountyFlag to 0 when the box names a county of the table (without
// regard to case) that `refused`, when given, does not refuse, and to 1 otherwise; when it is 1
// the system beep sounds, the marker shows and the focus goes back to the box. A name keeps the
// letter case it was typed in.
void CheckCountyBox(forms::TextBox& box, forms::Label& marker,
                    const std::function<bool(const std::string&)>& refused = {});

}  // namespace ks
