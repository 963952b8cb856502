#pragma once
// The HF spectrum map (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class SpectrumMap : public forms::Form {
 public:
  explicit SpectrumMap(forms::Application& app);
};

}  // namespace ks
