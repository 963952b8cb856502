#pragma once
// The keyer state that the main windows and the keyer windows share.
#include <cstdint>
#include <string>

namespace ks {

// app.State<KeyingState>()
struct KeyingState {
  // The Morse keying interface, as cw.txt stores it.
  std::uint8_t CWKeying = 0;
  // The text waiting to be sent in Morse, and 1 while a sender is draining it.
  std::string CWBuffer;
  int CWSending = 0;
  int KeyboardCW = 0;
  // Set while the F1 message repeats on its timer.
  int CWRepeat = 0;
  int PhoneRepeat = 0;
  // Non-zero while a WinKeyer is open.
  int WinKeyVersion = 0;
  // The last status the WinKeyer library returned (greater than 0 while it still sends).
  int WinKeyStatus = 0;
  // The WinKeyer's serial port number, pin-5 configuration and keyer mode.
  std::uint8_t WinKeyPort = 0;
  std::uint8_t WinKeyPinConfig = 0;
  std::uint8_t WinKeyMode = 0;
  // What the CW message macros stand for: the call being entered, the next sent serial, the
  // sent report and the own county.
  std::string MacroCall;
  std::string MacroSerial;
  std::string MacroRST;
  std::string MacroCounty;
  // Set when the station setup's load failed before it reached cw.txt or wave2.txt: the
  // keyer windows then hold their design values, and their Done leaves the file alone
  // rather than overwrite the stored settings with them.
  bool CWFileSkipped = false;
  bool WaveFileSkipped = false;
};

// Values of CWKeying.
inline constexpr std::uint8_t kKeyingNone = 0;
inline constexpr std::uint8_t kKeyingRTS = 1;
inline constexpr std::uint8_t kKeyingDTR = 2;
inline constexpr std::uint8_t kKeyingParallel = 3;
inline constexpr std::uint8_t kKeyingWinKeyer = 5;

}  // namespace ks
