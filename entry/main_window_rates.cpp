// The QSO rates of both main windows, refreshed by the recount, after every entry attempt and
// once a minute by Timer1.
#include "entry/contact_clock.h"
#include "entry/qso_rates.h"
#include "logstore/log_store.h"
#include "mainwin/main_window.h"
#include "platform/forms/application.h"

namespace ks {

void MainWindow::UpdateQSORates() {
  const std::optional<QsoRates> rates = CountQsoRates(App().State<LogStore>(), StationUtcNow(App()));
  if (!rates) return;  // a record without a readable moment: the labels keep their text
  lblAQSO60.SetCaption(std::to_string(rates->last60));
  lblAQSO20.SetCaption(std::to_string(rates->last20));
}

void MainWindow::Timer1_Timer() { UpdateQSORates(); }

}  // namespace ks
