#pragma once
// Rules of the entry line that both main windows apply to their boxes.
#include <optional>
#include <string>
#include <string_view>

namespace ks::forms {
class TextBox;
}

namespace ks {

// Selects the whole text of a box, so that the next key replaces it.
void SelectAllText(forms::TextBox& box);

// Whether a digit typed into the call box goes on to the serial box: the call has more
// than 2 characters, a digit from its second character on, letters after its last digit
// (K1ABC), no character below "0" from the second on ("/", "-"), and the caret at its end.
bool CallHandsOnDigit(std::string_view call, int key_ascii, int caret);

// The points a contact gets when the call box is left, by mode: "1" in "PH", "2" in "CW",
// "RY" and "PK"; nothing for another mode (the box keeps its text).
std::optional<std::string> PointsForMode(std::string_view mode);

// The post-contest time box's text as stored: "915" becomes "09:15", "1405" "14:05"; nothing
// when it does not read as a time of day.
std::optional<std::string> PostContestTime(std::string_view typed);

// The post-contest date box's text as stored ("yyyy/mm/dd"); nothing when it does not read
// as a date.
std::optional<std::string> PostContestDate(std::string_view typed);

// A label's font size that is `points` on a screen 9600 twips wide at the full form size and
// grows with the screen's width and the form size.
float ScreenScaledFontSize(float points, float screen_width_twips, float form_size_percent);

// The font size of the partial-duplicate list for a screen `screen_width_twips` wide.
float PartialDupeFontSize(float screen_width_twips, float form_size_percent);

}  // namespace ks
