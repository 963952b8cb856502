#include "keying/windows/BlindFrm.h"

namespace ks {

BlindFrm::BlindFrm(forms::Application& app) : forms::Form(app, "BlindFrm") {
  SetCaption("Voice Navigation Settings");
}

}  // namespace ks
