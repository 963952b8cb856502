#include "reports/windows/DEEditOut.h"

namespace ks {

DEEditOut::DEEditOut(forms::Application& app) : forms::Form(app, "DEEditOut") {
  SetCaption("Edit Contact Entry");
}

}  // namespace ks
