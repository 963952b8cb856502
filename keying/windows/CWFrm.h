#pragma once
// The CW window: the Morse messages of F1 to F11 and the keying settings, the Morse engine
// that keys the line and the sender that drains CWBuffer. It is loaded hidden at start-up,
// filled from cw.txt, and stays loaded for the function keys.
//
// Where its members are defined:
//   windows/CWFrm.cpp           construction, layout and the wiring of the events
//   windows/CWFrm_settings.cpp  load, Done and cw.txt, the boxes and buttons of the window
//   windows/CWFrm_engine.cpp    Transmit, CWSetup, the keying lines and the timing options
//   windows/CWFrm_keys.cpp      FKeyCW, LoopThroughCWBuffer, the speed steps and the repeat
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keying/key_line.h"
#include "keying/morse_engine.h"
#include "keying/static_labels.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class CWFrm : public forms::Form {
 public:
  explicit CWFrm(forms::Application& app);
  ~CWFrm() override;

  // ---- The sender (CWFrm_keys.cpp) ----
  // Empties CWBuffer and sends the message of a function key (124 is the F10 message).
  void FKeyCW(int& KeyCode);
  // Sends what CWBuffer holds, a character at a time, letting events run between them.
  void LoopThroughCWBuffer();
  // One word per minute more or less in the speed box Text11.
  void UpDown1_UpClick();
  void UpDown1_DownClick();
  void tmrRepeat_Timer();
  void Text11_Change();

  // ---- The Morse engine (CWFrm_engine.cpp) ----
  // Sends one character on the keying line; "!" logs the entry line instead.
  void Transmit(char CodeCharacter);
  // Opens the serial keying port of Text10 with DTR and RTS low (closes it for 0).
  void CWSetup();
  // Steps of the counting loop that take 60 ms (the Loop timing method).
  double LoopsPer60ms = 0;
  // Keys up every keying line that may still be down (a key-up that failed), those of a
  // parallel-port address the operator has since changed included; the end of each drain
  // of CWBuffer, the window's unload and its destruction call it.
  void ReleaseLines();

  // ---- Window events (CWFrm_settings.cpp) ----
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;
  void Command1_Click();  // Done
  void Command4_Click();  // Test
  void Command5_Click();  // Less word space
  void Command6_Click();  // More word space
  void Command7_Click();  // Send Code Practice
  void cmdConfWinkey_Click();
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Option5_Click();
  void optTimer_Click();
  void OptSleep_Click();
  void optLoop_Click();
  void txtLoop_Change();
  void cmdLoopFaster_Click();
  void cmdLoopSlower_Click();
  void Text10_LostFocus();
  void Text11_LostFocus();
  void txtSpace_Change();
  void txtSpace_LostFocus();
  void txtCWLoop_LostFocus();

  // The messages of F1 to F9, F10 and F11.
  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text2{*this, "Text2"};
  forms::TextBox Text3{*this, "Text3"};
  forms::TextBox Text4{*this, "Text4"};
  forms::TextBox Text5{*this, "Text5"};
  forms::TextBox Text6{*this, "Text6"};
  forms::TextBox Text7{*this, "Text7"};
  forms::TextBox Text8{*this, "Text8"};
  forms::TextBox Text9{*this, "Text9"};
  forms::TextBox Text12{*this, "Text12"};
  forms::TextBox Text13{*this, "Text13"};
  // The keying serial port ("0" for none), the speed in words per minute, the word-space
  // adjustment, the parallel-port address and the F1 repeat interval in seconds.
  forms::TextBox Text10{*this, "Text10"};
  forms::TextBox Text11{*this, "Text11"};
  forms::TextBox txtSpace{*this, "txtSpace"};
  forms::TextBox Text14{*this, "Text14"};
  forms::TextBox txtCWLoop{*this, "txtCWLoop"};
  forms::CheckBox Check1{*this, "Check1"};
  // The keying choice.
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option1{*this, "Option1", &Frame1};
  forms::OptionButton Option2{*this, "Option2", &Frame1};
  forms::OptionButton Option3{*this, "Option3", &Frame1};
  forms::OptionButton Option4{*this, "Option4", &Frame1};
  forms::OptionButton Option5{*this, "Option5", &Frame1};
  // The timing method and the loop count of the Loop method.
  forms::Frame Frame2{*this, "Frame2"};
  forms::OptionButton optTimer{*this, "optTimer", &Frame2};
  forms::OptionButton OptSleep{*this, "OptSleep", &Frame2};
  forms::OptionButton optLoop{*this, "optLoop", &Frame2};
  forms::Label lblLoop{*this, "lblLoop", &Frame2};
  forms::TextBox txtLoop{*this, "txtLoop", &Frame2};
  forms::CommandButton cmdLoopFaster{*this, "cmdLoopFaster", &Frame2};
  forms::CommandButton cmdLoopSlower{*this, "cmdLoopSlower", &Frame2};
  forms::Label lblTimerNote{*this, "lblTimerNote", &Frame2};
  // Buttons.
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton Command5{*this, "Command5"};
  forms::CommandButton Command6{*this, "Command6"};
  forms::CommandButton Command7{*this, "Command7"};
  forms::CommandButton cmdConfWinkey{*this, "cmdConfWinkey"};
  forms::Label Label23{*this, "Label23"};
  // Why the last message stopped unsent (its keying line could not be raised or was lost,
  // the speed is not one the engine keys, or the WinKeyer failed), until Test is pressed
  // again or the next message's sending ends without a stop; the main window's message
  // label holds the short notice below meanwhile.
  forms::Label lblNotice{*this, "lblNotice"};
  static constexpr const char* kLineNotice = "CW key line failed!";
  static constexpr const char* kPortLostNotice = "CW key port lost!";
  static constexpr const char* kSpeedNotice = "CW speed not 5 to 99 WPM!";
  static constexpr const char* kWinKeyerNotice = "WinKeyer not answering!";
  // Repeats the F1 message.
  forms::Timer tmrRepeat{*this, "tmrRepeat", 0, false};

 private:
  StaticLabels captions_{*this};
  void LayOut();
  void LayOutLabels(float top);
  void WireHandlers();
  void ChooseKeying(std::uint8_t keying);
  void EnableLoopControls(bool enabled);
  // The timing of the next element from the boxes; nothing when a box holds no number.
  std::optional<MorseTiming> CurrentTiming() const;
  // The line of the chosen keying option; null when none is chosen or it cannot be keyed.
  KeyLine* ChosenLine();
  KeyLine* SerialLine(bool dtr);
  KeyLine* ParallelLine();
  void EchoRemaining(const std::string& text);
  // Ends the drain of a message that cannot be keyed: `unsent` and the F1 repeat are
  // dropped, and the operator is told in lblNotice and the main window's message label.
  void StopUnkeyed(const std::string& unsent);
  // Why the character being sent was not keyed: the whole story and the short notice.
  struct KeyingFault {
    std::string text;
    const char* notice;
  };
  void Fault(std::string text, const char* notice) { keying_fault_ = KeyingFault{std::move(text), notice}; }
  // A keyable speed in the speed box, else the fault; a box that holds no number ends the
  // character silently, in KeyElements.
  bool SpeedKeyable();

  std::unique_ptr<KeyLine> dtr_line_;
  std::unique_ptr<KeyLine> rts_line_;
  std::unique_ptr<KeyLine> parallel_line_;
  int parallel_address_ = -1;
  // Lines of an earlier parallel-port address whose key-up has not yet succeeded.
  std::vector<std::unique_ptr<KeyLine>> retired_lines_;
  // Why the character being sent could not be keyed; set by Transmit.
  std::optional<KeyingFault> keying_fault_;
  // Set while the keying port, lost in the middle of a message, has not opened again: the
  // messages keyed meanwhile try it again and tell a failure in the notices, with no window
  // that takes the keys of the contact being typed.
  bool port_lost_ = false;
  int faults_ = 0;  // messages stopped by StopUnkeyed
};

}  // namespace ks
