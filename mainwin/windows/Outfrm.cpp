#include "mainwin/windows/Outfrm.h"

namespace ks {

Outfrm::Outfrm(forms::Application& app) : forms::Form(app, "Outfrm") {}

}  // namespace ks
