#include "mainwin/windows/Outfrm.h"

namespace ks {

Outfrm::Outfrm(forms::Application& app) : MainWindow(app, "Outfrm", MainWindowKind::OutOfState) {
  DesignOwnControls();
}

void Outfrm::DesignOwnControls() {}

std::string Outfrm::StartingHint() const { return "Select a band and mode. Click Log \"Time On\" below!"; }

void Outfrm::AddRecentContactColumns() {}

void Outfrm::ShowOwnStation() {}

}  // namespace ks
