#pragma once
// The frequency-command test window (a stand-in until it is built).
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class frmFrequencyTest : public forms::Form {
 public:
  explicit frmFrequencyTest(forms::Application& app);
};

}  // namespace ks
