#pragma once
// Fitting windows designed for a 9600 x 7200 twip screen to the real one. Left edges and
// widths follow the width ratio, tops and heights the height ratio, lines follow by their
// end points and list-view columns by the width ratio; fonts follow the rule of each window.
#include <string>

namespace ks::forms {

class Form;

inline constexpr float kDesignScreenWidth = 9600;
inline constexpr float kDesignScreenHeight = 7200;

// How a window fits itself to the screen.
struct FitRule {
  // Height: the height ratio; Width: the width ratio; Smaller: the smaller of the two;
  // WidthCapped: the width ratio, at most 1.5; NewWidth: the window's new width / 9600.
  enum class FontRatio { Height, Width, Smaller, WidthCapped, NewWidth };
  bool lift = false;                     // 170 twips above the vertical middle
  FontRatio form_font = FontRatio::Height;
  FontRatio control_font = FontRatio::WidthCapped;
  bool scale_combo_height = false;
  float target_width = 0;                // 0: the screen's width
  float target_height = 0;               // 0: the screen's height
};

// The ratio a font follows under `rule`, given the two axis ratios and the window's new width.
float FontRatioOf(FitRule::FontRatio rule, float rx, float ry, float new_width);

// Fits `form` from the design screen by `rule`, centred on the screen. A failure (an overflow, say) stops it with
// the failure's description in a "Form Resize Error" message; what was changed stays.
void FitFormToScreen(Form& form, const FitRule& rule);

// The plain rule: centred across, 170 twips above the middle, the window's font by the
// height ratio, control fonts by the smaller ratio, combo boxes keep their height.
void ResizeForm(Form& form);

// Scales from a reference size to a target size, with ratios measured on the inner area.
void ResizeFormTo(Form& form, float target_width, float target_height, float reference_width,
                  float reference_height, int exact_size, float font_factor, const std::string& font_name);

// Keeps a window whole inside the part of the screen that it may take: the work area, or the
// whole screen for a window that covers the task bar on purpose. A window larger than that is
// scaled down about its centre by the one ratio that makes it fit, its font, its controls'
// places, sizes and fonts, its lines and list columns with it, as a smaller form size scales a
// main window; then it is moved in as far as it stands out. A window that stands inside is
// left as it is. The window runtime runs it whenever a window is shown.
void KeepWithinScreen(Form& form);

}  // namespace ks::forms
