#pragma once
// Small helpers and constants of the main windows' design.
#include <string>

#include "mainwin/message_colors.h"
#include "platform/forms/controls.h"

namespace ks {

inline constexpr float kLabelFontSize = 8.25f;
inline constexpr float kHeadingFontSize = 9.75f;
inline constexpr float kValueFontSize = 9.75f;
inline constexpr float kEntryFontSize = 9.75f;

inline void SetDesignFont(forms::Control& c, float size, bool bold) {
  c.SetFont(forms::Font{"Arial", size, bold});
}

inline void SetCaptionAt(forms::Label& label, const std::string& caption, float left, float top, float width,
                         float height) {
  label.SetCaption(caption);
  label.Move(left, top, width, height);
}

}  // namespace ks
