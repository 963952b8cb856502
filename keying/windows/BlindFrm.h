#pragma once
// The voice-navigation window (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class BlindFrm : public forms::Form {
 public:
  explicit BlindFrm(forms::Application& app);
};

}  // namespace ks
