#include "rig/windows/RigControlfrm.h"

namespace ks {

RigControlfrm::RigControlfrm(forms::Application& app) : forms::Form(app, "RigControlfrm") {
  SetCaption("Rig Interface");
  Command1.SetCaption("Test");
  Command1.Click = [this] { Command1_Click(); };
}

void RigControlfrm::Command1_Click() {}

void RigControlfrm::ChangeFrequency(float& qChangeFreq) { (void)qChangeFreq; }

}  // namespace ks
