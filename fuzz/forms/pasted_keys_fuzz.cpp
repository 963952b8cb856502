// The desktop's clipboard text as a paste types it: the first byte chooses a single-line or
// a multi-line box, the rest is the text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/forms/pasted_keys.h"
#include "platform/forms/types.h"

namespace {

bool IsControl(int c) { return c < ks::forms::kSpace || c == ks::forms::kDeleteChar; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool multi_line = (data[0] & 1) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const ks::forms::PastedKeys pasted = ks::forms::KeysOfPaste(text, multi_line);
  if (pasted.keys.size() > ks::forms::kMaxPastedKeys) std::abort();
  for (const ks::forms::TypedKey& k : pasted.keys) {
    if (!(ks::forms::KeyOfCharacter(static_cast<unsigned char>(k.key_ascii)) == k)) std::abort();
    // A single-line box is typed no key that moves on or logs: no Enter, no Tab, nothing else
    // below a blank. A multi-line one only its line ends and Tabs.
    const bool allowed = multi_line ? k.key_ascii == ks::forms::kEnter || k.key_ascii == ks::forms::kTab : false;
    if (IsControl(k.key_ascii) && !allowed) std::abort();
  }
  if (!multi_line && !pasted.keys.empty() &&
      (pasted.keys.front().key_ascii == ' ' || pasted.keys.back().key_ascii == ' '))
    std::abort();  // blanks at its ends are trimmed
  return 0;
}
