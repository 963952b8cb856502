#include "entry/entry_line_rules.h"

#include "platform/forms/controls.h"
#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"

namespace ks {

void SelectAllText(forms::TextBox& box) {
  box.SetSelStart(0);
  box.SetSelLength(static_cast<int>(box.Text().size()));
}

bool CallHandsOnDigit(std::string_view call, int key_ascii, int caret) {
  if (call.size() <= 2 || key_ascii < '0' || key_ascii > '9') return false;
  if (caret != static_cast<int>(call.size())) return false;
  std::size_t last_digit = 0;
  bool any_digit = false;
  for (std::size_t i = 1; i < call.size(); ++i) {
    const char c = call[i];
    if (c < '0') return false;
    if (c <= '9') {
      any_digit = true;
      last_digit = i;
    }
  }
  return any_digit && last_digit != call.size() - 1;
}

std::optional<std::string> PointsForMode(std::string_view mode) {
  if (vb::EqualsNoCase(mode, "PH")) return "1";
  if (vb::EqualsNoCase(mode, "CW") || vb::EqualsNoCase(mode, "RY") || vb::EqualsNoCase(mode, "PK")) return "2";
  return std::nullopt;
}

std::optional<std::string> PostContestTime(std::string_view typed) {
  std::string text(typed);
  if ((text.size() == 3 || text.size() == 4) && vb::IsNumeric(text)) text.insert(text.size() - 2, ":");
  const std::optional<vb::DateTime> moment = vb::CDate(text);
  // A date alone is no time of day.
  if (!moment || text.find(':') == std::string::npos) return std::nullopt;
  return vb::Format(*moment, "hh:mm");
}

std::optional<std::string> PostContestDate(std::string_view typed) {
  const std::optional<vb::DateTime> moment = vb::CDate(typed);
  if (!moment || std::string_view(typed).find('/') == std::string_view::npos) return std::nullopt;
  return vb::Format(*moment, "yyyy/mm/dd");
}

float ScreenScaledFontSize(float points, float screen_width_twips, float form_size_percent) {
  return screen_width_twips * points / 9600.0f * form_size_percent / 100.0f;
}

float PartialDupeFontSize(float screen_width_twips, float form_size_percent) {
  return ScreenScaledFontSize(9.0f, screen_width_twips, form_size_percent);
}

}  // namespace ks
