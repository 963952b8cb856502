#include "station/windows/frmStationID.h"

namespace ks {

frmStationID::frmStationID(forms::Application& app) : forms::Form(app, "frmStationID") {
  SetCaption(" Setup Information");
}

}  // namespace ks
