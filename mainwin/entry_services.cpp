// Least forms of the in-state window's contact-entry services, until its entry and scoring
// are built: the reload reads log.txt without recounting, the rest do nothing. The
// out-of-state window's are in entry/.
#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "reports/windows/DEEditInfrm.h"

namespace ks {

void Infrm::Mains() {}
void Infrm::ReloadLog() { LoadLogFile(App()); }
void Infrm::UpdateQSORates() {}
void Infrm::ListRecentContacts() {}

void Infrm::ShowContactEditor() {
  App().Get<DEEditInfrm>().ShowModal();
  if (auto* editor = App().IfLoaded<DEEditInfrm>()) editor->Unload();
}

void MainWindow::Timer1_Timer() { UpdateQSORates(); }

}  // namespace ks
