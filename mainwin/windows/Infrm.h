#pragma once
// The In-state main window (a stand-in until the main windows are built).
#include "platform/forms/form.h"

namespace ks {

class Infrm : public forms::Form {
 public:
  explicit Infrm(forms::Application& app);
};

}  // namespace ks
