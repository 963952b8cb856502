#pragma once
// A radio at the far end of a real pseudo-terminal, answering the requests of its family
// as the real one does: Kenwood and Elecraft text commands (FA, MD, IF), Icom CI-V frames,
// the Yaesu five-byte commands and the Orion's text commands (?AF, ?RMM, *AF). The test
// calls Serve() when the radio has time to answer (between a poll's send tick and its read
// tick); Serve waits for bytes with a deadline, never by sleeping. A radio may be silent, its
// answers may pass through line noise on their way, or it may be slow: only the head of each
// answer comes in time, and the test sends the rest later with SendLate().
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "rig/protocol/hex.h"
#include "tests/support/pty_peer.h"

namespace ks::testing {

class SimulatedRadio {
 public:
  enum class Kind { kKenwood, kIcom, kYaesu, kOrion };
  explicit SimulatedRadio(Kind kind) : kind_(kind) {}

  PtyPeer& line() { return line_; }
  long long hertz = 14025000;
  int kenwood_mode = 3;  // 1 LSB, 2 USB, 3 CW
  int orion_mode = 2;    // 0 USB, 1 LSB, 2 and 3 CW
  bool silent = false;
  // What the line does to each answer on its way (nothing by default).
  std::function<std::string(const std::string&)> line_noise;
  // A slow radio: of each answer, only this many bytes go out when it is served (0: all).
  size_t answer_in_time = 0;
  // A link that delivers answers on its own schedule: when set, each answer (after the noise)
  // is handed to it instead of going onto the line, and the test writes it when it is due.
  std::function<void(const std::string&)> deliver;
  std::string received;  // every byte the radio was sent

  // The rest of the answers of a slow radio.
  void SendLate() {
    line_.Write(late_);
    late_.clear();
  }

  // Takes what has arrived (waiting up to `timeout_ms` for the first byte) and answers it.
  void Serve(int timeout_ms = 500) {
    std::string bytes = line_.ReadAtLeast(1, timeout_ms);
    received += bytes;
    pending_ += bytes;
    if (!silent) Answer();
  }

 private:
  void Answer() {
    if (kind_ == Kind::kKenwood) return AnswerKenwood();
    if (kind_ == Kind::kIcom) return AnswerIcom();
    if (kind_ == Kind::kOrion) return AnswerOrion();
    AnswerYaesu();
  }

  void Send(const std::string& answer) {
    std::string bytes = line_noise ? line_noise(answer) : answer;
    if (deliver) return deliver(bytes);
    if (answer_in_time > 0 && bytes.size() > answer_in_time) {
      late_ += bytes.substr(answer_in_time);
      bytes.resize(answer_in_time);
    }
    line_.Write(bytes);
  }

  void AnswerKenwood() {
    for (size_t end; (end = pending_.find(';')) != std::string::npos;) {
      const std::string command = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      char digits[24];
      std::snprintf(digits, sizeof digits, "%011lld", hertz);
      if (command == "FA") Send("FA" + std::string(digits) + ";");
      if (command == "MD") Send("MD" + std::to_string(kenwood_mode) + ";");
      if (command.size() == 13 && command.rfind("FA", 0) == 0) hertz = std::stoll(command.substr(2));
      if (command.size() == 3 && command.rfind("MD", 0) == 0) kenwood_mode = command[2] - '0';
    }
  }

  // Echoes each frame, as a CI-V bus does, and answers a frequency request with five BCD bytes.
  void AnswerIcom() {
    for (size_t end; (end = pending_.find('\xFD')) != std::string::npos;) {
      const std::string frame = pending_.substr(0, end + 1);
      pending_.erase(0, end + 1);
      Send(frame);
      if (frame.size() == 6 && frame[4] == '\x03') {
        char digits[24];
        std::snprintf(digits, sizeof digits, "%010lld", hertz);
        std::string bcd;
        for (int i = 8; i >= 0; i -= 2) bcd += std::string(digits + i, 2);
        Send(rig::HexToBytes("FEFEE0" + rig::BytesToHexDigits(frame.substr(2, 1)) + "03" + bcd + "FD"));
      }
    }
  }

  // The five-byte status answer to 00 00 00 00 03: frequency in tens of hertz, BCD, then mode.
  void AnswerYaesu() {
    while (pending_.size() >= 5) {
      const std::string command = pending_.substr(0, 5);
      pending_.erase(0, 5);
      if (command[4] == '\x03') {
        char digits[24];
        std::snprintf(digits, sizeof digits, "%08lld", hertz / 10);
        Send(rig::HexToBytes(std::string(digits) + "02"));
      }
    }
  }

  // Commands end with a carriage return. As Hamlib's Orion simulator (simulators/simorion.c)
  // does, the radio answers ?AF as "@AF%8d\r", so below 10 MHz a blank stands before the
  // seven digits, and ?RMM as "@RMM%d\r"; it reads "*AF" as whole hertz ("*AF%d"), taking
  // the digits up to the first other character, so "*AF7.04" would send it to 7 Hz.
  void AnswerOrion() {
    for (size_t end; (end = pending_.find('\r')) != std::string::npos;) {
      const std::string command = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      char answer[32];
      if (command == "?AF") {
        std::snprintf(answer, sizeof answer, "@AF%8lld\r", hertz);
        Send(answer);
      }
      if (command == "?RMM") Send("@RMM" + std::to_string(orion_mode) + "\r");
      if (command.rfind("*AF", 0) == 0) hertz = std::strtoll(command.c_str() + 3, nullptr, 10);
    }
  }

  Kind kind_;
  PtyPeer line_;
  std::string pending_;
  std::string late_;
};

}  // namespace ks::testing
