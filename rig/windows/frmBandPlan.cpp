#include "rig/windows/frmBandPlan.h"

namespace ks {

frmBandPlan::frmBandPlan(forms::Application& app) : forms::Form(app, "frmBandPlan") {
  SetCaption("Frequency Privileges");
}

}  // namespace ks
