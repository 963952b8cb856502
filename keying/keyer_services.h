#pragma once
// The keyer operations that the main window's keys start: the function-key messages of the
// CW and voice-keyer windows, the Morse sender, the voice keyer's player and the WinKeyer
// library. The program reaches the keyer windows themselves; a test puts a recording
// double in their place with UseKeyerServices.
#include <memory>
#include <string>

namespace ks::forms {
class Application;
}

namespace ks {

class KeyerServices {
 public:
  virtual ~KeyerServices() = default;
  // CWFrm.FKeyCW: empties CWBuffer and sends the Morse message of a function key (codes
  // 112 to 120 for F1 to F9, 124 for the F10 message, 122 for F11).
  virtual void FKeyCW(int& KeyCode) = 0;
  // PhoneFrm.FKeyPhone: plays the voice message of F1 to F9.
  virtual void FKeyPhone(int& KeyCode) = 0;
  // CWFrm.LoopThroughCWBuffer: sends what CWBuffer holds.
  virtual void LoopThroughCWBuffer() = 0;
  // The voice keyer's player: true while a message plays; Stop ends it.
  virtual bool VoicePlaying() = 0;
  virtual void StopVoice() = 0;
  // The WinKeyer library: the status (greater than 0 while the keyer still has characters
  // to send), discarding the queued characters, removing the last queued one.
  virtual int wk_getstatus() = 0;
  virtual void wk_clearbuf() = 0;
  virtual void wk_backspace() = 0;
  // BlindFrm.BlindKeyPhone: starts the spoken prompt `name` (WorkingDir/name.wav) in the
  // background and returns at once; a prompt that cannot be played plays nothing.
  virtual void BlindKeyPhone(const std::string& name) = 0;
  // The prompt player (BlindFrm.MMControl1): true while a prompt plays.
  virtual bool PromptPlaying() = 0;
  // The length in milliseconds of the prompt last started, 0 when none plays; a wait for
  // the end of a prompt is bounded by it.
  virtual int PromptLengthMs() = 0;
};

// The services in use: the keyer windows' own unless a test has put others in place.
KeyerServices& Keyers(forms::Application& app);
void UseKeyerServices(forms::Application& app, std::unique_ptr<KeyerServices> services);

}  // namespace ks
