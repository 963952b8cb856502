#pragma once
// The county map (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class CountyMapPA : public forms::Form {
 public:
  explicit CountyMapPA(forms::Application& app);
};

}  // namespace ks
