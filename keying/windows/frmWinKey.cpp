#include "keying/windows/frmWinKey.h"

#include "keying/keying_state.h"
#include "platform/forms/application.h"

namespace ks {

frmWinKey::frmWinKey(forms::Application& app) : forms::Form(app, "frmWinKey") { SetCaption(" WinKey Setup"); }

void frmWinKey::WKTransmit() { App().State<KeyingState>().CWBuffer.clear(); }

void frmWinKey::wk_wpm(std::uint8_t) {}

}  // namespace ks

namespace ks {

void frmWinKey::cmdCloseWinkey_Click() { App().State<KeyingState>().WinKeyVersion = 0; }

}  // namespace ks
