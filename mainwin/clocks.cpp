// The clocks, Log "Time On" / "Time Off" and the operating time. The operating time counts
// between a Log "Time On" and the next press of the button, over every period and run, in
// TimeOnTotal; TimeOnCurrent adds the running period to it at each tick.
#include <cmath>
#include <exception>

#include "mainwin/local_time.h"
#include "mainwin/main_window.h"
#include "mainwin/main_window_state.h"
#include "platform/forms/application.h"
#include "platform/vb/format.h"
#include "platform/vb/number_text.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {

namespace {

// Two characters of one part of the operating time: "0" and the last digit below 10, else
// the last two characters of the number's text (so 100 hours and more wrap).
std::string TwoDigits(float value) {
  const std::string text = vb::FormatSingle(value);
  if (value < 10) return "0" + vb::Right(text, 1);
  return vb::Right(text, 2);
}

}  // namespace

void MainWindow::WireClocks() {
  Timer2.Tick = [this] { Timer2_Timer(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  cmdLogOn.Click = [this] { cmdLogOn_Click(); };
}

std::string MainWindow::OperatingTimeText(float seconds) {
  const float hours = std::floor(seconds / 3600.0f);
  const float minutes = std::floor(seconds / 60.0f - 60.0f * hours);
  const float secs = seconds - 60.0f * std::floor(seconds / 60.0f);
  return TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(secs);
}

void MainWindow::Timer2_Timer() {
  try {
    auto& settings = App().State<StationSettings>();
    auto& run = App().State<RunState>();
    const vb::DateTime now = LocalNow(App());
    const std::string local = vb::Format(now, "h:nn:ss AMPM");
    lblCurTime.SetCaption(vb::Left(local, static_cast<long long>(local.size()) - 3));
    Label16.SetCaption(vb::Format(now, "AMPM"));
    lblutctime.SetCaption(vb::Format(ShiftByUtcOffset(now, settings.UTCOffset), "hh:nn:ss"));
    if (run.LoggedOn) {
      const long long running = vb::DateDiffSeconds(App().State<MainWindowState>().TimeOnStart, now);
      run.TimeOnCurrent = std::fabs(static_cast<float>(settings.TimeOnTotal + static_cast<double>(running)));
      lblttrack.SetCaption(OperatingTimeText(run.TimeOnCurrent));
    }
  } catch (const std::exception&) {
  }
}

void MainWindow::ShowOperatingTime() {
  const float total = App().State<StationSettings>().TimeOnTotal;
  App().State<RunState>().TimeOnCurrent = total;
  lblttrack.SetCaption(OperatingTimeText(total));
}

// Logging off stores the operating time (to the latest tick); logging on starts a period.
void MainWindow::cmdLogOn_Click() {
  auto& settings = App().State<StationSettings>();
  auto& run = App().State<RunState>();
  const vb::DateTime now = LocalNow(App());
  if (run.LoggedOn) {
    run.LoggedOn = false;
    cmdLogOn.SetCaption("&Log \"Time On\"");
    settings.TimeOnTotal = run.TimeOnCurrent;
    const vb::DateTime utc = ShiftByUtcOffset(now, settings.UTCOffset);
    lblDialog.SetCaption("Logged Off at " + vb::Format(utc, "ddddd") + " " + vb::Format(utc, "hh:mm:ss"));
    WritePrefFile(App());
  } else {
    App().State<MainWindowState>().TimeOnStart = now;
    run.LoggedOn = true;
    cmdLogOn.SetCaption("&Log \"Time Off\"");
    lblDialog.SetCaption(" ");
  }
  if (txtCall.Usable()) txtCall.SetFocus();
}

}  // namespace ks
