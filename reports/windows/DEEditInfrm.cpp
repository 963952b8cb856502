#include "reports/windows/DEEditInfrm.h"

namespace ks {

DEEditInfrm::DEEditInfrm(forms::Application& app) : forms::Form(app, "DEEditInfrm") {
  SetCaption("Edit Contact Entry");
}

}  // namespace ks
