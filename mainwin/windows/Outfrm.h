#pragma once
// The Out-of-state main window (a stand-in until the main windows are built).
#include "platform/forms/form.h"

namespace ks {

class Outfrm : public forms::Form {
 public:
  explicit Outfrm(forms::Application& app);
};

}  // namespace ks
