// The writers of the submission-file window: each works its file out from the log, lets the
// operator choose the place where the Part asks for it, writes the file whole and says so.
#include <cmath>
#include <filesystem>
#include <optional>
#include <string>

#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "platform/io/files.h"
#include "reports/other_state_summary.h"
#include "reports/qso_line.h"
#include "reports/sponsor_files.h"
#include "reports/submission_file.h"
#include "reports/summary_sheet.h"
#include "reports/windows/DECabrilloIn.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr const char* kContestAddress = "the log-submission address given in this year's contest rules";
constexpr const char* kMaintainers = "the program's maintainers";

// The whole part of a score caption such as "1,234.5"; nothing when it is not a number.
std::optional<long long> ScoreOf(const std::string& caption) {
  std::string digits;
  for (char c : caption)
    if (c != ',') digits += c;
  const std::optional<double> value = vb::CDbl(digits);
  if (!value) return std::nullopt;
  return static_cast<long long>(std::floor(*value));
}

}  // namespace

void DECabrilloIn::Command4_Click() {
  forms::Application& app = App();
  const std::string own_call = TrimOwnCall();
  const StationSettings& s = app.State<StationSettings>();
  CabrilloHeader h;
  h.program_version = app.State<RunState>().ProgramVersion;
  h.own_call = own_call;
  h.own_section = s.OwnARRLSection;
  h.party_state = s.PartyState;
  h.category = CategoryWord();
  h.power = PowerWord();
  h.club = Text2.Text();
  if (s.OutOfState == 0 || s.OutOfState == 1) {
    forms::Form* main = s.OutOfState == 1 ? static_cast<forms::Form*>(app.IfLoaded<Outfrm>())
                                          : static_cast<forms::Form*>(app.IfLoaded<Infrm>());
    const std::string caption = main ? static_cast<MainWindow*>(main)->lblTotScore.Caption() : std::string();
    h.claimed_score = ScoreOf(caption);
    if (!h.claimed_score) {
      ReportUnableToWrite(app, "The total score \"" + caption + "\" is not a number.");
      return;
    }
  }
  h.operators = Text1.Text();
  h.name = Text5.Text();
  h.address1 = Text6.Text();
  h.address2 = Text7.Text();
  h.email = Text8.Text();
  h.soapbox = Text11.Text();
  const LogStore& log = app.State<LogStore>();
  const SponsorText file = CabrilloLog(log.Records, log.QSOCount, h, LineOptions(false));
  if (!file.error.empty()) {
    ReportUnableToWrite(app, file.error);
    return;
  }
  const std::string name = CabrilloFileName(own_call);
  if (!WriteWholeFile(app, WorkingFile(app, name), file.text)) return;
  const std::string folder = app.State<Folders>().WorkingDir.string();
  std::string text;
  if (vb::EqualsNoCase(name, "ASCIICab.txt")) {
    text = "The file ASCIICab.txt has been written in your program's working directory " + folder +
           ".  Using Windows Explorer, navigate to this file and rename it as yourcall.log (ex: W3ABC.log).  "
           "Attach this file to an email addressed to " + std::string(kContestAddress) + ".";
  } else {
    text = "The file " + name + " has been written in your program's working directory " + folder +
           ".  Attach this file to an email addressed to " + std::string(kContestAddress) + ".";
  }
  text += "  If you wish to print this file, you can open it with a text editor such as Windows Notepad.";
  app.Beep();
  app.MsgBox(text, 0, "Cabrillo Log File Written Successfully!");
  app.Beep();
  app.MsgBox("Thanks for using this program.  I hope you enjoyed it.  I would love to hear any of your comments and "
             "suggestions for future enhancements.  Please send your thoughts to " + std::string(kMaintainers) + ".  ",
             0, "I hope you enjoyed this program.  If so, please tell a friend!");
  Command3.SetFocus();
}

void DECabrilloIn::Command1_Click() {
  forms::Application& app = App();
  const std::string own_call = TrimOwnCall();
  const auto path = AskSavePath(app, MakeCallFileStem(own_call) + "log.log", kLogFilesFilter);
  if (!path) return;
  const LogStore& log = app.State<LogStore>();
  const SponsorText file = PlainLog(log.Records, log.QSOCount, own_call, LineOptions(true));
  if (!file.error.empty()) {
    ReportUnableToWrite(app, file.error);
    return;
  }
  if (!WriteWholeFile(app, *path, file.text)) return;
  app.MsgBox(WrittenText(*path, kAttachAdvice), 0, kFileWrittenTitle);
  Command3.SetFocus();
}

void DECabrilloIn::cmdWriteDupe_Click() {
  forms::Application& app = App();
  const std::string own_call = TrimOwnCall();
  const auto path = AskSavePath(app, MakeCallFileStem(own_call) + "dup.log", kLogFilesFilter);
  if (!path) return;
  const LogStore& log = app.State<LogStore>();
  const bool out_of_state = app.State<StationSettings>().OutOfState != 0;
  if (!WriteWholeFile(app, *path, DupeSheet(log.Records, log.QSOCount, own_call, out_of_state))) return;
  app.Beep();
  app.MsgBox(WrittenText(*path, kAttachAdvice), 0, kFileWrittenTitle);
  Command3.SetFocus();
}

void DECabrilloIn::cmdWriteSum_Click() {
  forms::Application& app = App();
  const std::string own_call = TrimOwnCall();
  const auto path = AskSavePath(app, MakeCallFileStem(own_call) + "sum.log", kLogFilesFilter);
  if (!path) return;
  const StationSettings& s = app.State<StationSettings>();
  SummaryEntry e;
  e.own_call = own_call;
  e.own_section = s.OwnARRLSection;
  e.own_county = s.OwnCounty;
  e.operators = Text1.Text();
  e.name = Text5.Text();
  e.club = Text2.Text();
  e.address1 = Text6.Text();
  e.address2 = Text7.Text();
  e.email = Text8.Text();
  e.soapbox = Text11.Text();
  e.category = Option6.Value()    ? "SINGLE-OP"
               : Option5.Value()  ? "MULTI-OP"
               : Option8.Value()  ? "MULTI-MULTI"
               : Option9.Value()  ? "NOVICE-TECH"
               : Option17.Value() ? "CW ONLY SINGLE-OP < 150 W"
                                  : "";
  e.station = Option7.Value()    ? "PORTABLE"
              : Option2.Value()  ? "MOBILE"
              : Option16.Value() ? "ROVER"
              : Option18.Value() ? "HOME STATION"
                                 : "";
  e.power = PowerWord();
  e.novice_tech = Option9.Value();
  e.qrp = Option1.Value();
  CountMultipliers(e);
  e.rover_bonus = Text3.Text();
  e.special_event_bonus = Text4.Text();
  const LogStore& log = app.State<LogStore>();
  const SummaryText sheet = SummarySheet(log.Records, log.QSOCount, e);
  if (!sheet.error.empty()) {
    ReportUnableToWrite(app, sheet.error);
    return;
  }
  if (!WriteWholeFile(app, *path, sheet.text)) return;
  app.MsgBox(WrittenText(*path, kAttachAdvice), 0, kFileWrittenTitle);
  app.MsgBox("Thanks for using this program.  I hope that you enjoyed it!  If so, please tell a friend!\r\n\r\n"
             "73, and good luck in the contest.\r\nThe Keystone maintainers",
             0, "  Thanks!");
  Command3.SetFocus();
  KeepEntrantDetails();
}

void DECabrilloIn::CountMultipliers(SummaryEntry& e) {
  forms::Application& app = App();
  e.out_of_state = app.State<StationSettings>().OutOfState != 0;
  if (e.out_of_state) {
    if (const Outfrm* out = app.IfLoaded<Outfrm>()) e.counties = out->List2.ListCount();
  } else if (const Infrm* in = app.IfLoaded<Infrm>()) {
    e.counties = in->List2.ListCount();
    e.any_dx = in->List1.ListCount() > 0;
    e.sections = app.State<InStateTallies>().MultWorkedCount;
  }
}

void DECabrilloIn::WriteASCIIDupeSheet() {
  forms::Application& app = App();
  const std::string own_call = TrimOwnCall();
  const std::string name = AsciiDupeFileName(own_call);
  const LogStore& log = app.State<LogStore>();
  if (!WriteWholeFile(app, WorkingFile(app, name), AsciiDupeSheet(log.Records, log.QSOCount))) return;
  const std::string folder = app.State<Folders>().WorkingDir.string();
  app.Beep();
  app.MsgBox(name + " has been successfully written to " + folder, 0, "File Successfully written.");
}

void DECabrilloIn::WriteOtherStateSummary(const std::string& file_name) {
  forms::Application& app = App();
  const StationSettings& s = app.State<StationSettings>();
  OtherStateEntry e;
  e.own_call = TrimOwnCall();
  e.own_state = s.OwnSPC;
  e.own_county = s.OwnCounty;
  e.operators = Text1.Text();
  e.category = CategoryWord();
  e.power = vb::Trim(PowerWord());
  e.mode = Option12.Value() ? "CW" : Option11.Value() ? "SSB" : "MIXED";
  e.license_class = Option15.Value() ? "NOVICE" : Option14.Value() ? "TECH" : "OTHER";
  // The multipliers of the sponsor's summary, and its QRP bonus as the power multiplier.
  SummaryEntry counts;
  CountMultipliers(counts);
  e.multipliers = TotalMultipliers(counts);
  e.power_multiplier = BonusMultiplier(false, Option1.Value());
  e.club = Text2.Text();
  e.name = Text5.Text();
  e.address1 = Text6.Text();
  e.address2 = Text7.Text();
  const LogStore& log = app.State<LogStore>();
  const std::filesystem::path path = OtherStateSummaryFileName(file_name);
  const io::FileResult written = io::WriteFileAtomic(path, OtherStateSummary(log.Records, log.QSOCount, e));
  if (written) return;
  app.MsgBox("There was an error writing the summary file.\r\n\r\n" + path.string() + "\r\n" + written.error, 0,
             "Error writing summary file.");
}

}  // namespace ks
