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
  // The keyer library: the status (above 0 while the keyer still sends), discarding the
  // queued characters, removing the last queued one.
  int wk_getstatus() { return 0; }
  void wk_clearbuf() {}
  void wk_backspace() {}
  // Closes the keyer; WinKeyVersion becomes 0.
  void cmdCloseWinkey_Click();
};

}  // namespace ks
