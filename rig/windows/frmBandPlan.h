#pragma once
// The band-privileges chart (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class frmBandPlan : public forms::Form {
 public:
  explicit frmBandPlan(forms::Application& app);
};

}  // namespace ks
