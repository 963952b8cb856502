#pragma once
// The tune-and-scan window (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class frmRigTune : public forms::Form {
 public:
  explicit frmRigTune(forms::Application& app);
};

}  // namespace ks
