#pragma once
// A WinKeyer on a serial port, spoken to in the keyer's own serial protocol (1200 baud, 8
// data bits, no parity, 2 stop bits). The host sends admin commands (0x00 then a code: open,
// close, echo test) and immediate commands (one code byte, then its values); the keyer sends
// back single bytes told apart by their high bits: 11xxxxxx a status byte, 10xxxxxx the speed
// pot, 0xxxxxxx the echo of a character it has sent. Every byte the keyer sends is untrusted:
// what is not a status byte is passed over.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ks::io {

class SerialPort;

// The results of Open, as the window shows them.
inline constexpr int kWinKeySuccess = 0;
inline constexpr int kWinKeyNoEchoResponse = -1;
inline constexpr int kWinKeyEchoMismatch = -2;
inline constexpr int kWinKeyNoOpenResponse = -3;
inline constexpr int kWinKeyComOpenFailed = -4;
inline constexpr int kWinKeyGetComFailed = -5;
inline constexpr int kWinKeySetComFailed = -6;
inline constexpr int kWinKeyAlreadyOpen = -8;
inline constexpr int kWinKeyNotOpen = -9;

// GetStatus: 0 while the keyer is idle, 1 while it still sends what it was given, and
// kWinKeyFull (5) while its buffer is nearly full and takes no more characters.
inline constexpr int kWinKeyFull = 5;

namespace winkey {
// The bytes of each command.
std::string HostOpen();
std::string HostClose();
std::string EchoTest(std::uint8_t value);
std::string Speed(std::uint8_t wpm);
std::string Weight(std::uint8_t weight);
std::string LeadTail(std::uint8_t lead_in, std::uint8_t tail);  // units of 10 ms
std::string Ratio(std::uint8_t ratio);
std::string PinConfig(std::uint8_t config);
std::string Mode(std::uint8_t mode);
std::string ClearBuffer();
std::string Backspace();
// Two letters sent as one sign, without the space between them: a prosign.
std::string MergeLetters(char first, char second);

// What the keyer's bytes say, folded into the state they describe.
struct KeyerState {
  bool busy = false;      // sending Morse
  bool full = false;      // buffer more than two thirds full (XOFF)
  int statuses = 0;       // status bytes seen
  int echoes = 0;         // characters echoed back
};
// Takes every byte of `bytes`; never fails, never reads outside them.
void Decode(std::string_view bytes, KeyerState& state);

// Whether a character goes to the keyer: the letters, digits, blank and the punctuation it
// sends as Morse. Control codes and command bytes never do.
bool IsKeyable(char c);

// The bytes that send a character of a message: the character itself when it is keyable,
// the merged letters of the prosign keys "[" (AR), "]" (SK) and the backslash (CL), and nothing
// for any other character.
std::string CharacterBytes(char c);
}  // namespace winkey

class WinKeyer {
 public:
  // `reply_timeout_ms`: how long Open waits for each answer of the keyer.
  explicit WinKeyer(std::unique_ptr<SerialPort> port, int reply_timeout_ms = 500);
  ~WinKeyer();
  WinKeyer(const WinKeyer&) = delete;
  WinKeyer& operator=(const WinKeyer&) = delete;

  // Opens port `port_number` at 1200 8N2, checks the keyer with an echo test and opens the
  // host session; `version` is the keyer's version, left 0 when no keyer answered.
  int Open(std::uint8_t& version, int port_number);
  void Close();
  bool IsOpen() const;

  // Queues one character (CharacterBytes); one the keyer cannot send as Morse is dropped.
  void Char(char c);
  // Reads what the keyer has sent and gives 0, 1 or kWinKeyFull (above).
  int GetStatus();
  void ClearBuffer();
  void Backspace();
  void Wpm(std::uint8_t wpm);
  void Weight(std::uint8_t weight);
  void LeadTail(std::uint8_t lead_in, std::uint8_t tail);
  void Ratio(std::uint8_t ratio);
  void PinConfig(std::uint8_t config);
  void SetMode(std::uint8_t mode);

  // Why the port failed (unplugged, closed at the far end); empty while it works.
  const std::string& Failure() const { return failure_; }
  // Status bytes received so far: a caller that waits can see whether the keyer answers.
  int StatusesSeen() const { return state_.statuses; }

 private:
  void Send(std::string_view bytes);
  void Poll();
  // Waits up to the reply timeout for one byte that is not a status or pot byte.
  bool AwaitReply(std::uint8_t& byte);

  std::unique_ptr<SerialPort> port_;
  int reply_timeout_ms_;
  bool open_ = false;
  // Characters handed over since the keyer last reported idle after being busy.
  bool handed_over_ = false;
  bool saw_busy_ = false;
  winkey::KeyerState state_;
  std::string failure_;
};

}  // namespace ks::io
