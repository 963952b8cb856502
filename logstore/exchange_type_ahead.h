#pragma once
// The type-ahead of a box that takes an in-state station's received exchange: a state,
// province or section code, the party state or one of its sections, or a DX country named
// from the prefix table. The main window's exchange box and the contact editor's share it,
// so that the same keys give the same exchange in both.
namespace ks::forms {
class TextBox;
}

namespace ks {

struct PrefixEntry;
struct PrefixTable;

struct ExchangeKeyOutcome {
  // The entry whose country name the box now proposes, its rest selected; null when the key
  // completed no name.
  const PrefixEntry* country = nullptr;
  // Space accepted what the box shows: the key was dropped and the focus is to go on.
  bool move_on = false;
};

// Run from the box's KeyPress on the typed code `key_ascii` (0 does nothing), after the box's
// own keys (the double quote, Enter). The first three characters are a code: they come out
// in capitals and no country is proposed for them, so "PA", "IN" or "EPA" stays as typed. A
// fourth character makes the first three the start of a name ("GER" becomes "Ger") and, from
// then on, the text before the caret with the key completes to the country latest in the
// table that begins with them, the rest selected and the key consumed. Space before the
// fourth character, or a Space that continues no name, is dropped and moves on; what the box
// shows is then the exchange. A key typed at the start replaces the whole text.
ExchangeKeyOutcome ExchangeTypeAhead(forms::TextBox& box, const PrefixTable& table, int& key_ascii);

}  // namespace ks
