#include "reports/windows/DECabrilloIn.h"

namespace ks {

DECabrilloIn::DECabrilloIn(forms::Application& app) : forms::Form(app, "DECabrilloIn") {
  SetCaption("Summary Sheet Information");
}

}  // namespace ks
