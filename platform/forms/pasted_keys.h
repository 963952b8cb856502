#pragma once
// Text that the operator pastes is typed: each of its characters becomes the keystroke that
// types it on a US keyboard, and goes through the window's key handling as a typed key does,
// so the box's filters and handlers decide what it holds, as they do for typing. A paste is
// never more than a typist could enter: what it holds besides typeable characters is
// settled here, before any key is struck.
//
// - A single-line box takes one line: the first that holds anything but blanks (a line ends
//   at CR or LF). A Tab in it counts as a blank; other control characters are dropped; the
//   blanks at its two ends are trimmed, so a call copied with a blank after it is the call.
//   Blanks inside it are typed as Space, which does in the box what Space typed there does.
// - A multi-line box takes every line: a line end (CR LF, CR or LF) is typed as Enter, a Tab
//   as Tab, other control characters are dropped, nothing is trimmed.
// - Either way, no Enter reaches a single-line box from a paste (a paste never logs a
//   contact), and a paste types at most kMaxPastedKeys keys; the rest is dropped.
#include <cstddef>
#include <string_view>
#include <vector>

namespace ks::forms {

struct TypedKey {
  int key_code = 0;   // the key that types the character (0 for one without its own key)
  int key_ascii = 0;  // the character, a Windows-1252 byte
  int shift = 0;      // kShiftMask when the key is pressed with Shift
  bool operator==(const TypedKey&) const = default;
};

inline constexpr std::size_t kMaxPastedKeys = 1024;

// The keystroke that types `ch` (a Windows-1252 byte) on a US keyboard; Enter, Tab and
// Backspace for CR, Tab and BS.
TypedKey KeyOfCharacter(unsigned char ch);

struct PastedKeys {
  std::vector<TypedKey> keys;
  bool cut = false;  // the paste was longer than kMaxPastedKeys
};

PastedKeys KeysOfPaste(std::string_view text, bool multi_line);

}  // namespace ks::forms
