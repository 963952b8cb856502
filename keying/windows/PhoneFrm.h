#pragma once
// The voice-keyer window: the sound files of F1 to F9, played with push-to-talk on a serial
// line (DTR or RTS) or the parallel port, and the F1 repeat. It is loaded hidden at
// start-up, filled from wave2.txt, and stays loaded for the function keys.
//
//   windows/PhoneFrm.cpp       construction, layout, wiring, load, unload, Done, Browse, boxes
//   windows/PhoneFrm_keys.cpp  FKeyPhone, the end-of-play watch, the repeat and the port
#include <memory>
#include <string>
#include <vector>

#include "keying/key_line.h"
#include "keying/push_to_talk.h"
#include "keying/static_labels.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/io/sound.h"

namespace ks {

class PhoneFrm : public forms::Form {
 public:
  explicit PhoneFrm(forms::Application& app);
  ~PhoneFrm() override;

  // ---- Playing (PhoneFrm_keys.cpp) ----
  // Plays the voice message of F1 to F9 (codes 112 to 120) with push-to-talk.
  void FKeyPhone(int& KeyCode);
  void OpenPhonePort();
  void Timer1_Timer();
  void tmrRepeat_Timer();
  // The player (MMControl1): playing or not, and "Stop".
  bool Playing();
  void StopPlaying();

  // ---- Window events (PhoneFrm.cpp) ----
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;
  void Command1_Click();  // Done
  // Browse: the nine buttons differ only in the message box they fill.
  void Browse_Click(forms::TextBox& box);
  void Command2_Click() { Browse_Click(Text1); }
  void Command3_Click() { Browse_Click(Text2); }
  void Command4_Click() { Browse_Click(Text3); }
  void Command5_Click() { Browse_Click(Text4); }
  void Command6_Click() { Browse_Click(Text5); }
  void Command7_Click() { Browse_Click(Text6); }
  void Command8_Click() { Browse_Click(Text7); }
  void Command9_Click() { Browse_Click(Text8); }
  void Command10_Click() { Browse_Click(Text9); }
  void Command11_Click();  // Test
  void Text10_GotFocus();
  void Text10_LostFocus();
  void Text11_KeyPress(int& KeyAscii);
  void txtPHLoop_KeyPress(int& KeyAscii);
  void txtPHLoop_LostFocus();

  // The sound files of F1 to F9.
  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text2{*this, "Text2"};
  forms::TextBox Text3{*this, "Text3"};
  forms::TextBox Text4{*this, "Text4"};
  forms::TextBox Text5{*this, "Text5"};
  forms::TextBox Text6{*this, "Text6"};
  forms::TextBox Text7{*this, "Text7"};
  forms::TextBox Text8{*this, "Text8"};
  forms::TextBox Text9{*this, "Text9"};
  // The push-to-talk serial port ("0" for none) and line.
  forms::TextBox Text10{*this, "Text10"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option1{*this, "Option1", &Frame1};
  forms::OptionButton Option2{*this, "Option2", &Frame1};
  forms::OptionButton Option3{*this, "Option3", &Frame1};
  // The F1 repeat interval in seconds and the parallel-port address.
  forms::TextBox txtPHLoop{*this, "txtPHLoop"};
  forms::TextBox Text11{*this, "Text11"};
  // Browse buttons of F1 to F9, Done and Test.
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton Command5{*this, "Command5"};
  forms::CommandButton Command6{*this, "Command6"};
  forms::CommandButton Command7{*this, "Command7"};
  forms::CommandButton Command8{*this, "Command8"};
  forms::CommandButton Command9{*this, "Command9"};
  forms::CommandButton Command10{*this, "Command10"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command11{*this, "Command11"};
  // Why the last message was not played, until Test is pressed again or a message plays;
  // the main window's message label holds the short notice below meanwhile.
  forms::Label lblNotice{*this, "lblNotice"};
  static constexpr const char* kNotPlayedNotice = "Voice message not played!";
  static constexpr const char* kPortLostNotice = "Push-to-talk port lost!";
  forms::CommonDialog cdbFile{*this, "cdbFile"};
  // The end-of-play watch and the repeat delay.
  forms::Timer Timer1{*this, "Timer1", 40, false};
  forms::Timer tmrRepeat{*this, "tmrRepeat", 0, false};

 private:
  void LayOut();
  void LayOutHelp(float top);
  void WireHandlers();
  io::SoundPlayer& Player();
  KeyLine* SerialLine();
  KeyLine* ParallelLine();
  // Push-to-talk off and the watch stopped: every failure of a message ends here.
  void EndMessage();
  // A message not played: the repeat ends, and the operator is told why in lblNotice and the
  // main window's message label, without a window that waits (a timer may be playing it).
  void TellNotPlayed(const std::string& text, const char* notice = kNotPlayedNotice);
  // True when the serial port that push-to-talk holds raised went away (a USB adapter
  // pulled, the far end closed), asked without moving a line; the port has closed itself.
  bool PushToTalkLost();
  // Releases `line` before it is replaced; one still down is kept until a Drop releases it.
  void RetireLine(std::unique_ptr<KeyLine>& line);

  StaticLabels captions_{*this};
  std::unique_ptr<io::SoundPlayer> player_;
  std::unique_ptr<KeyLine> serial_line_;
  bool serial_line_dtr_ = false;
  std::unique_ptr<KeyLine> parallel_line_;
  int parallel_address_ = -1;
  // Lines of an earlier port address or signal whose key-up has not yet succeeded.
  std::vector<std::unique_ptr<KeyLine>> retired_lines_;
  // Why the push-to-talk port last failed to open or went away; empty once it opened.
  std::string port_failure_;
  // Set while the push-to-talk port, lost while a message played, has not opened again: the
  // messages played meanwhile try it again and tell a failure in the notices, with no window
  // that takes the keys of the contact being typed.
  bool port_lost_ = false;
  // The key of the message playing ("F1" to "F9").
  std::string playing_key_;
  // Declared last so that it drops the lines above before they go.
  PushToTalk ptt_;
};

}  // namespace ks
