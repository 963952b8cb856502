#pragma once
// The contact editor of the out-of-state main window (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class DEEditOut : public forms::Form {
 public:
  explicit DEEditOut(forms::Application& app);
};

}  // namespace ks
