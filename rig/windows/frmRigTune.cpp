#include "rig/windows/frmRigTune.h"

namespace ks {

frmRigTune::frmRigTune(forms::Application& app) : forms::Form(app, "frmRigTune") {
  SetCaption(" Change Frequency and Mode (Ctrl G (Go))");
}

}  // namespace ks
