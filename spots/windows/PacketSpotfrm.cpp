#include "spots/windows/PacketSpotfrm.h"

namespace ks {

PacketSpotfrm::PacketSpotfrm(forms::Application& app) : forms::Form(app, "PacketSpotfrm") {
  SetCaption("DX Spotting");
}

}  // namespace ks
