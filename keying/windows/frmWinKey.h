#pragma once
// The WinKeyer window (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class frmWinKey : public forms::Form {
 public:
  explicit frmWinKey(forms::Application& app);
};

}  // namespace ks
