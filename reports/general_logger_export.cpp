#include "reports/general_logger_export.h"

#include "platform/forms/application.h"
#include "platform/vb/line_format.h"
#include "reports/submission_file.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace ks {
namespace {

bool BeginsWithUsLetter(const std::string& call) {
  return !call.empty() && (call[0] == 'A' || call[0] == 'K' || call[0] == 'N' || call[0] == 'W');
}

std::string ModeOf(const std::string& log_mode) {
  if (log_mode == "CW") return "CW";
  if (log_mode == "RY" || log_mode == "PK") return "DG";
  return "SSB";
}

}  // namespace

std::string GeneralLoggerLine(const LogRecord& r, const std::string& power, const std::string& party_state) {
  std::string state, country;
  if (r.LogSPC.size() < 4) {
    if (BeginsWithUsLetter(r.LogCall)) {
      state = r.LogSPC;
      country = "USA";
    } else {
      country = "Canada";
    }
  } else {
    country = r.LogSPC;
  }
  if (r.LogSPC.empty()) state = party_state;
  if (!r.LogStateOverride.empty()) state = r.LogStateOverride;
  if (state == "AK") country = "Alaska";
  if (state == "HI") country = "Hawaii";
  vb::LineWriter line;
  line.Text(r.LogCall).Text(r.LogDate).Text(r.LogBand).Text(ModeOf(r.LogMode)).Text(power).Text(r.LogTime);
  line.Text(r.LogRSTSent).Text(r.LogRSTReceived).Empty().Text(country).Text(state).Text(r.LogCounty);
  line.Empty().Empty().Empty().Text("QSO Party Contest");
  return line.Line();
}

void WriteLogExpFile(forms::Application& app) {
  const std::string power =
      app.InputBox("Please enter the power value you would like to record.", "Please enter the power value");
  const std::string& party_state = app.State<StationSettings>().PartyState;
  const LogStore& log = app.State<LogStore>();
  std::string text;
  for (long i = 1; i <= log.QSOCount && i < static_cast<long>(log.Records.size()); ++i)
    text += GeneralLoggerLine(log.Records[static_cast<std::size_t>(i)], power, party_state);
  if (!WriteWholeFile(app, WorkingFile(app, kGeneralLoggerFileName), text)) return;
  app.Beep();
  app.MsgBox("LogExp.txt has been written to this program's working directory " +
                 app.State<Folders>().WorkingDir.string() +
                 ".  Import these contacts into the Pellham program by clicking File, Import, and navigating to "
                 "this directory from the Pellham program.",
             0, "Export Successful!");
}

}  // namespace ks
