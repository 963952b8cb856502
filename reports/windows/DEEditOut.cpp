#include "reports/windows/DEEditOut.h"

#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"

namespace ks {

DEEditOut::DEEditOut(forms::Application& app) : ContactEditor(app, "DEEditOut", false) {}

MainWindow& DEEditOut::Opener() { return App().Get<Outfrm>(); }

}  // namespace ks
