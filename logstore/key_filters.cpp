#include "logstore/key_filters.h"

namespace ks {

void CapitalizeKey(int& key_ascii) {
  if (key_ascii >= 'a' && key_ascii <= 'z') key_ascii = key_ascii - 'a' + 'A';
}

void FilterDigitKey(int& key_ascii) {
  if (key_ascii == 8) return;
  if (key_ascii < '0' || key_ascii > '9') key_ascii = 0;
}

}  // namespace ks
