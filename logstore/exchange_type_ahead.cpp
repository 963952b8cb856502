#include "logstore/exchange_type_ahead.h"

#include <string>

#include "logstore/key_filters.h"
#include "logstore/prefix_table.h"
#include "platform/forms/controls.h"
#include "platform/vb/constants.h"
#include "platform/vb/text.h"

namespace ks {
namespace {

// Characters that stay a code: until the caret passes them nothing is completed.
constexpr int kCodeLength = 3;

ExchangeKeyOutcome MoveOn(int& key_ascii) {
  key_ascii = 0;
  return {.country = nullptr, .move_on = true};
}

}  // namespace

ExchangeKeyOutcome ExchangeTypeAhead(forms::TextBox& box, const PrefixTable& table, int& key_ascii) {
  if (key_ascii == vb::vbKeySpace && box.SelStart() <= kCodeLength) return MoveOn(key_ascii);
  const bool typing = key_ascii != 0 && key_ascii != vb::vbKeySpace;
  if (typing && box.SelStart() == 0) box.SetText("");
  if (key_ascii != 0 && (box.Text().empty() || box.SelStart() < kCodeLength)) CapitalizeKey(key_ascii);
  if (typing && box.SelStart() == kCodeLength) {
    const std::string& text = box.Text();
    box.SetText(text.substr(0, 1) + vb::LCase(text.substr(1, 2)) + text.substr(kCodeLength));
    box.SetSelStart(kCodeLength);
  }
  if (static_cast<int>(box.Text().size()) < kCodeLength || key_ascii == 0) return {};
  const auto caret = static_cast<std::size_t>(box.SelStart());
  const std::string typed = box.Text().substr(0, caret) + static_cast<char>(key_ascii);
  if (const PrefixEntry* country = table.LastCountryStartingWith(typed)) {
    box.SetText(typed + country->PrefixCountry.substr(typed.size()));
    box.SetSelStart(static_cast<int>(typed.size()));
    box.SetSelLength(static_cast<int>(country->PrefixCountry.size() - typed.size()));
    key_ascii = 0;
    return {.country = country, .move_on = false};
  }
  if (key_ascii == vb::vbKeySpace) return MoveOn(key_ascii);
  return {};
}

}  // namespace ks
