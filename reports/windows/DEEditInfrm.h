#pragma once
// The contact editor of the in-state main window (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class DEEditInfrm : public forms::Form {
 public:
  explicit DEEditInfrm(forms::Application& app);
};

}  // namespace ks
