// The in-state window's call, serial, points and sent-report boxes.
#include "keying/keying_state.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"

namespace ks {

// The call is published for the Morse macros and looked up as it is typed.
void Infrm::txtCall_Change() {
  App().State<KeyingState>().MacroCall = txtCall.Text();
  LookupCallPrefix();
}

}  // namespace ks
