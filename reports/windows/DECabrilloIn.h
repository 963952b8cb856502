#pragma once
// The submission-file window (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class DECabrilloIn : public forms::Form {
 public:
  explicit DECabrilloIn(forms::Application& app);
};

}  // namespace ks
