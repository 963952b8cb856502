#include "reports/windows/CountyMapPA.h"

namespace ks {

CountyMapPA::CountyMapPA(forms::Application& app) : forms::Form(app, "CountyMapPA") {
  SetCaption(" Pennsylvania County Map");
}

}  // namespace ks
