#include "mainwin/windows/Infrm.h"

namespace ks {

Infrm::Infrm(forms::Application& app) : MainWindow(app, "Infrm", MainWindowKind::InState) {
  DesignOwnControls();
  WireInStateMenus();
}

void Infrm::DesignOwnControls() { DesignSectionGrid(); }

void Infrm::DesignSectionGrid() {}

std::string Infrm::StartingHint() const { return "Select a band, mode and Click Log \"Time On\"!"; }

void Infrm::AddRecentContactColumns() {}

void Infrm::LoadSectionTable() {}

void Infrm::ShowOwnStation() {}

void Infrm::FitCountyListHeights() { MainWindow::FitCountyListHeights(); }

}  // namespace ks
