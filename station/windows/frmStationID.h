#pragma once
// The station-setup window (a stand-in until the setup window is built).
#include "platform/forms/form.h"

namespace ks {

class frmStationID : public forms::Form {
 public:
  explicit frmStationID(forms::Application& app);
};

}  // namespace ks
