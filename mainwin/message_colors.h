#pragma once
// The backgrounds of the main windows' message label lblDialog.
#include "platform/forms/types.h"

namespace ks {

inline constexpr forms::Color kDialogNormalColor = forms::Rgb(0, 192, 192);      // teal
inline constexpr forms::Color kDialogAlertColor = forms::Rgb(255, 0, 0);         // a duplicate
inline constexpr forms::Color kDialogKeyboardCWColor = forms::Rgb(255, 255, 192);  // light yellow

}  // namespace ks
