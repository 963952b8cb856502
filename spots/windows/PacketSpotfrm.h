#pragma once
// The DX-spot window (a stand-in until DX spotting is built).
#include "platform/forms/form.h"

namespace ks {

class PacketSpotfrm : public forms::Form {
 public:
  explicit PacketSpotfrm(forms::Application& app);
};

}  // namespace ks
