// Least forms of the contact-entry services the main windows call, until contact entry and
// scoring are built: the reload reads log.txt without recounting, the rest do nothing.
#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"

namespace ks {

void Outfrm::Mains() {}
void Outfrm::ReloadLog() { LoadLogFile(App()); }
void Outfrm::UpdateQSORates() {}
void Outfrm::ListRecentContacts() {}

void Infrm::Mains() {}
void Infrm::ReloadLog() { LoadLogFile(App()); }
void Infrm::UpdateQSORates() {}
void Infrm::ListRecentContacts() {}

void MainWindow::Timer1_Timer() { UpdateQSORates(); }

}  // namespace ks
