#pragma once
// The WinKeyer window (its keyer is not driven yet: WKTransmit drops what waits).
#include <cstdint>

#include "platform/forms/form.h"

namespace ks {

class frmWinKey : public forms::Form {
 public:
  explicit frmWinKey(forms::Application& app);
  // Hands the characters of CWBuffer to the keyer one at a time.
  void WKTransmit();
  void wk_wpm(std::uint8_t wpm);
};

}  // namespace ks
