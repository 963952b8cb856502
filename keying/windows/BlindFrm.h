#pragma once
// The voice-navigation window: how much the main windows speak as the focus moves through
// the entry line (off, the call box only, every field), and the prompt player.
#include <memory>
#include <string>

#include "keying/static_labels.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/io/sound.h"

namespace ks {

class BlindFrm : public forms::Form {
 public:
  explicit BlindFrm(forms::Application& app);
  ~BlindFrm() override;

  // Starts the prompt WorkingDir/name.wav and returns at once; a prompt that cannot be
  // played plays nothing, silently. Each prompt cuts off the one before.
  void BlindKeyPhone(const std::string& name);
  // The player (MMControl1): playing or not, and the length of the prompt last started.
  bool Playing();
  int PromptLengthMs() const { return prompt_length_ms_; }

  void Form_Load() override;
  void Form_Unload(int& Cancel) override;
  void Command1_Click();  // Done
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();

  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option1{*this, "Option1", &Frame1};
  forms::OptionButton Option2{*this, "Option2", &Frame1};
  forms::OptionButton Option3{*this, "Option3", &Frame1};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Label Label7{*this, "Label7"};

 private:
  void LayOut();
  // Waits, letting no event run, while a prompt plays; bounded by the prompt's own length.
  void WaitForPrompt();
  StaticLabels captions_{*this};
  std::unique_ptr<io::SoundPlayer> player_;
  int prompt_length_ms_ = 0;
};

}  // namespace ks
