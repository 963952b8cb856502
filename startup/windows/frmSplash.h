#pragma once
// The start-up window: loaded once at program start and never shown. Its load fixes the
// working directory, shows the logo window, finds or makes the user's data and shared
// folders, loads the shared preferences and hands over to the station-setup window.
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class frmSplash : public forms::Form {
 public:
  explicit frmSplash(forms::Application& app);

  forms::Image Image1{*this, "Image1"};
  forms::Label lblVersion1{*this, "lblVersion1"};
  forms::CommandButton cmdContinue{*this, "cmdContinue"};

  void Form_Load() override;
  // The continue step: records the version, shows the setup window and unloads this one.
  void cmdContinue_Click();
};

}  // namespace ks
