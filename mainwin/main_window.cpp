#include "mainwin/main_window.h"

namespace ks {

MainWindowControls::MainWindowControls(forms::Application& app, std::string name, MainWindowKind kind)
    : forms::Form(app, std::move(name)), kind_(kind) {}

std::unique_ptr<forms::Menu> MainWindowControls::MakeInStateMenu(const char* name, forms::Menu* parent,
                                                                 const char* caption) {
  if (kind_ != MainWindowKind::InState) return nullptr;
  return std::make_unique<forms::Menu>(*this, name, parent, caption);
}

MainWindow::MainWindow(forms::Application& app, std::string name, MainWindowKind kind)
    : MainWindowControls(app, std::move(name), kind) {
  KeyPreview = true;
  DesignSharedControls();
  WireLoadAndLayout();
  WireClocks();
  WireBandAndMode();
  WireKeyboard();
  WireFileCommands();
  WireMenuCommands();
  WireDXArea();
  WireRecentContacts();
  WireSharedEntry();
  WireNotices();
}

}  // namespace ks
