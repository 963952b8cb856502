// The packet engine.
#include "spots/windows/PacketSpotfrm.h"

namespace ks {

void PacketSpotfrm::OpenAGW() {}
void PacketSpotfrm::PollAGW() {}
void PacketSpotfrm::SendAGWLine() {}
void PacketSpotfrm::CloseAGW() {}
void PacketSpotfrm::CloseAGWOnUnload() {}

}  // namespace ks
