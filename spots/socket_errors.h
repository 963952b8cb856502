#pragma once
// The messages the spotting window shows for the errors of its cluster connection.
#include <string>

namespace ks {

// The message for a socket error number; "Error number " and the number for one not listed.
std::string SocketErrorMessage(int number);

}  // namespace ks
