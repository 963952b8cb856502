#pragma once
// Key filters used by the key handlers of many entry boxes; a changed code is what the box
// receives, 0 drops the key.
namespace ks {

// A lower-case letter becomes its capital; every other code passes.
void CapitalizeKey(int& key_ascii);

// Backspace and the digits pass; every other code becomes 0.
void FilterDigitKey(int& key_ascii);

}  // namespace ks
