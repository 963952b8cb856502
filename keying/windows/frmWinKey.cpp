#include "keying/windows/frmWinKey.h"

namespace ks {

frmWinKey::frmWinKey(forms::Application& app) : forms::Form(app, "frmWinKey") {
  SetCaption(" WinKey Setup");
}

}  // namespace ks
