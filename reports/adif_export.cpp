#include "reports/adif_export.h"

#include <array>
#include <filesystem>
#include <utility>

#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/io/files.h"
#include "platform/vb/format.h"
#include "platform/vb/line_format.h"
#include "platform/vb/text.h"
#include "reports/submission_file.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace ks {
namespace {

// Sections and the state each lies in; Puerto Rico and the Virgin Islands are in none.
constexpr std::array<std::pair<const char*, const char*>, 29> kSectionStates = {{
    {"EMA", "MA"}, {"WMA", "MA"}, {"NNY", "NY"}, {"ENY", "NY"}, {"WNY", "NY"}, {"NLI", "NY"},
    {"NNJ", "NJ"}, {"SNJ", "NJ"}, {"EPA", "PA"}, {"WPA", "PA"}, {"NFL", "FL"}, {"WCF", "FL"},
    {"SFL", "FL"}, {"MDC", "MD"}, {"NTX", "TX"}, {"STX", "TX"}, {"WTX", "TX"}, {"EB", "CA"},
    {"LAX", "CA"}, {"ORG", "CA"}, {"SB", "CA"},  {"SCV", "CA"}, {"SDG", "CA"}, {"SJV", "CA"},
    {"SF", "CA"},  {"SV", "CA"},  {"PAC", "HI"}, {"PR", ""},   {"VI", ""},
}};
constexpr std::array<const char*, 4> kUsCallLetters = {"A", "K", "N", "W"};

// One field: "<Name:n>" and the value, n counting the value's characters.
std::string Field(const std::string& name, const std::string& value) {
  return "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

bool IsUsCall(const std::string& call) {
  for (const char* letter : kUsCallLetters)
    if (call.rfind(letter, 0) == 0) return true;
  return false;
}

std::string FourDigitTime(const std::string& log_time) {
  std::string t = vb::Trim(log_time);
  if (const auto colon = t.find(':'); colon != std::string::npos) t = t.substr(0, colon) + t.substr(colon + 1, 2);
  t = t.substr(0, 4);
  while (t.size() < 4) t = "0" + t;
  return t;
}

struct Place {
  std::string country, continent, state;
};

Place PlaceOf(const LogRecord& r, const std::string& party_state) {
  Place p;
  if (r.LogSPC.size() <= 3) {
    if (IsUsCall(r.LogCall)) {
      p.country = "USA";
      p.continent = "NA";
      p.state = StateOfSection(r.LogSPC);
      if (p.state == "HI") p.country = "Hawaii";
      if (p.state == "AK") p.country = "Alaska";
    } else {
      p.country = "Canada";
    }
  } else {
    p.country = r.LogSPC;
  }
  if (r.LogSPC.size() < 2) p.state = party_state;
  if (!r.LogCounty.empty()) {
    p.country = "USA";
    p.continent = "NA";
  }
  return p;
}

std::optional<int> DxccOf(const DxccTable& table, const std::string& country) {
  const std::string name = vb::Trim(country);
  for (std::size_t i = 0; i < table.names.size(); ++i)
    if (table.names[i] == name) return table.numbers[i] == 0 ? std::nullopt : std::optional<int>(table.numbers[i]);
  return std::nullopt;
}

// The mode as ADIF knows it: phone as SSB, the digital codes by their ADIF names.
std::string ModeFields(const std::string& log_mode) {
  const std::string mode = vb::UCase(log_mode);
  if (mode.empty()) return {};
  if (mode == "PH") return Field("Mode", "SSB");
  if (mode == "RY") return Field("Mode", "RTTY");
  if (mode == "PK") return Field("Mode", "PSK") + " " + Field("Submode", "PSK31");
  return Field("Mode", mode);
}

}  // namespace

std::optional<DxccTable> ParseDxccTable(const std::string& bytes, std::string& error) {
  DxccTable table;
  vb::LineReader reader(bytes);
  reader.SkipBlankLines();
  while (!reader.AtEnd()) {
    const std::size_t line = reader.LineNumber();
    if (table.names.size() == kMaxDxccRecords) {
      error = std::string(kDxccTableFileName) + " holds more than 1000 countries.";
      return std::nullopt;
    }
    std::optional<std::string> name = reader.ReadText();
    std::optional<std::int16_t> number = name ? reader.ReadInteger() : std::nullopt;
    if (!name || !number) {
      error = std::string(kDxccTableFileName) + ", line " + std::to_string(line) + ": not a country and its number.";
      return std::nullopt;
    }
    table.names.push_back(std::move(*name));
    table.numbers.push_back(*number);
    reader.SkipBlankLines();
  }
  return table;
}

std::string StateOfSection(const std::string& spc) {
  for (const auto& [section, state] : kSectionStates)
    if (spc == section) return state;
  return spc.size() < 3 ? spc : std::string();
}

std::string AdifHeader(const AdifOptions& o) {
  return "Exported from Corvane's Leddon Logging Program " + o.program_version +
         "\r\nKeystone, a contest logger for the Pennsylvania QSO Party\r\n"
         "Send comments and suggestions to the program's maintainers.\r\n"
         "Log exported on: " + o.export_date + "\r\n\r\n<EOH>\r\n\r\n";
}

std::string AdifRecord(const LogRecord& r, const AdifOptions& o, const DxccTable& table) {
  const Place place = PlaceOf(r, o.party_state);
  std::string out;
  if (!r.LogCall.empty()) out += Field("Call", r.LogCall) + " ";
  if (vb::IsDate(r.LogDate)) {
    const std::string date = vb::Format(*vb::CDate(r.LogDate), "yyyymmdd");
    out += "<Qso_Date:" + std::to_string(date.size()) + ":d>" + date + " ";
  }
  if (!r.LogBand.empty()) out += Field("Band", r.LogBand + "M") + " ";
  if (const std::string mode = ModeFields(r.LogMode); !mode.empty()) out += mode + "\r\n";
  if (const std::string power = vb::RTrim(o.power); !power.empty()) out += Field("Tx_Pwr", power) + " ";
  if (const std::string freq = vb::Trim(r.LogFrequency); !freq.empty()) out += Field("Freq", freq) + " ";
  if (const std::string time = FourDigitTime(r.LogTime); time >= "0000") out += Field("Time_On", time) + " ";
  if (const std::optional<int> dxcc = DxccOf(table, place.country)) out += Field("DXCC", std::to_string(*dxcc)) + " ";
  if (!place.state.empty()) out += Field("State", place.state) + " ";
  if (!r.LogCounty.empty()) out += Field("Cnty", place.state + "," + r.LogCounty) + " ";
  if (!place.continent.empty()) out += Field("Cont", place.continent) + " ";
  if (const std::string rst = vb::RTrim(r.LogRSTReceived); !rst.empty()) out += Field("RST_Rcvd", rst) + " ";
  if (const std::string rst = vb::RTrim(r.LogRSTSent); !rst.empty()) out += Field("RST_Sent", rst) + " ";
  if (!o.comment.empty()) out += Field("Comment", o.comment) + "\r\n";
  return out + "<eor>\r\n\r\n";
}

std::string AdifFile(const std::vector<LogRecord>& records, long count, const AdifOptions& options,
                     const DxccTable& table) {
  std::string out = AdifHeader(options);
  for (long i = 1; i <= count && i < static_cast<long>(records.size()); ++i)
    out += AdifRecord(records[static_cast<std::size_t>(i)], options, table);
  return out;
}

namespace {

// The table from the shared folder, else the data folder, else the working directory.
std::optional<DxccTable> ReadDxccTable(forms::Application& app, std::string& error) {
  const Folders& folders = app.State<Folders>();
  std::filesystem::path path;
  for (const std::filesystem::path& folder : {folders.SharedFolder, folders.DataFolder})
    if (auto found = io::FindNoCase(folder, kDxccTableFileName); found && io::IsFile(*found)) {
      path = *found;
      break;
    }
  if (path.empty()) path = WorkingFile(app, kDxccTableFileName);
  std::string bytes;
  if (const io::FileResult read = io::ReadFile(path, bytes, io::kTableFileMaxBytes); !read.ok()) {
    error = path.string() + ": " + read.error;
    return std::nullopt;
  }
  return ParseDxccTable(bytes, error);
}

}  // namespace

void WriteADIFFile(forms::Application& app) {
  const StationSettings& settings = app.State<StationSettings>();
  AdifOptions options;
  options.party_state = settings.PartyState;
  options.program_version = app.State<RunState>().ProgramVersion;
  options.power = app.InputBox(
      "Please enter the power value that you would like to record.  This is an optional value that will be "
      "included in each QSO record and displayed in Pellham's power output column.",
      "Please enter your transmitter output power.", "100");
  options.comment = app.InputBox(
      "Please enter a comment that you would like to appear on each QSO record.  This is an optional description "
      "that will be displayed in Pellham's Comments column.",
      "Please enter a comment.", settings.PartyState + " State QSO Party Contest");
  std::string error;
  const std::optional<DxccTable> table = ReadDxccTable(app, error);
  if (!table) {
    ReportUnableToWrite(app, error);
    return;
  }
  const std::optional<std::filesystem::path> path =
      AskSavePath(app, settings.PartyState + ".adi", "ADIF Files (*.adi) | *.adi");
  if (!path) return;
  const io::CivilTime today = app.Clock().LocalNow();
  options.export_date = vb::Format(vb::DateTime{today.year, today.month, today.day, 0, 0, 0}, "ddddd");
  const LogStore& log = app.State<LogStore>();
  if (!WriteWholeFile(app, *path, AdifFile(log.Records, log.QSOCount, options, *table))) return;
  app.MsgBox(WrittenText(*path, ""), 0, kFileWrittenTitle);
}

}  // namespace ks
