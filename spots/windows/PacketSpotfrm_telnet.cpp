// The Telnet cluster.
#include "spots/windows/PacketSpotfrm.h"

namespace ks {

void PacketSpotfrm::OpenTelnet() {}
void PacketSpotfrm::SendTelnetLine() {}
void PacketSpotfrm::CloseTelnet() {}

}  // namespace ks
