#include "reports/windows/DEEditInfrm.h"

#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"

namespace ks {

DEEditInfrm::DEEditInfrm(forms::Application& app) : ContactEditor(app, "DEEditInfrm", true) {}

MainWindow& DEEditInfrm::Opener() { return App().Get<Infrm>(); }

}  // namespace ks
