#include "mainwin/windows/Infrm.h"

namespace ks {

Infrm::Infrm(forms::Application& app) : forms::Form(app, "Infrm") {}

}  // namespace ks
