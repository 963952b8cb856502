#pragma once
// The rig-interface window (a stand-in until rig control is built): loaded hidden by the
// main window when a rig is configured, whose "Test" operation starts polling.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class RigControlfrm : public forms::Form {
 public:
  explicit RigControlfrm(forms::Application& app);

  // "Test": opens the rig's port and starts polling. Does nothing yet.
  void Command1_Click();
  // Tunes the radio to a frequency in MHz while polling runs. The value may be rewritten
  // for some radios, so callers pass a copy. Does nothing yet.
  void ChangeFrequency(float& qChangeFreq);

  forms::CommandButton Command1{*this, "Command1"};
};

}  // namespace ks
