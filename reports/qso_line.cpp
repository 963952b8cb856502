#include "reports/qso_line.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "entry/instate_multipliers.h"
#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace ks {

ColumnText& ColumnText::At(int column, const std::string& item) {
  const std::size_t want = static_cast<std::size_t>(std::max(1, column) - 1);
  if (text_.size() - line_start_ > want) {
    if (!wrap_) {
      text_ += " " + item;
      return *this;
    }
    text_ += "\r\n";
    line_start_ = text_.size();
  }
  text_.append(want - (text_.size() - line_start_), ' ');
  text_ += item;
  return *this;
}

ColumnText& ColumnText::Add(const std::string& item) {
  text_ += item;
  return *this;
}

ColumnText& ColumnText::Number(double value) { return Add(" " + PlainNumber(value) + " "); }

std::string PlainNumber(double value) {
  if (!std::isfinite(value)) return "0";
  // std::to_chars ignores the process's locale, which the view sets to the operator's: a
  // decimal comma must never reach the sponsor's files.
  char buffer[400];  // room for the fixed form of the largest double
  auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, written.ptr);
  if (text.find('e') == std::string::npos) return text == "-0" ? "0" : text;
  written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  text.assign(buffer, written.ptr);  // large or tiny: fixed, zeros dropped
  while (text.ends_with('0')) text.pop_back();
  if (text.ends_with('.')) text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string BandFrequencyField(const std::string& band) {
  static constexpr std::array<std::pair<const char*, const char*>, 8> kBands = {{{"160", " 1800"},
                                                                                 {"80", " 3500"},
                                                                                 {"40", " 7000"},
                                                                                 {"20", "14000"},
                                                                                 {"15", "21000"},
                                                                                 {"10", "28000"},
                                                                                 {"6", "   50"},
                                                                                 {"2", "  144"}}};
  for (const auto& [name, field] : kBands)
    if (vb::EqualsNoCase(band, name)) return field;
  return {};
}

namespace {

// The abbreviation of the first county named `name` (case ignored), or nothing.
std::optional<std::string> AbbreviationOf(const CountyTable* table, const std::string& name) {
  if (table == nullptr) return std::nullopt;
  for (int i = 1; i <= table->CountyCount && i < static_cast<int>(table->CountyName.size()); ++i)
    if (vb::EqualsNoCase(table->CountyName[static_cast<std::size_t>(i)], name))
      return table->CountyAbbrev[static_cast<std::size_t>(i)];
  return std::nullopt;
}

std::string SentExchange(const LogRecord& r, const QsoLineOptions& o) {
  if (o.out_of_state) return o.own_exchange;
  if (o.county_abbreviations)
    if (auto abbreviation = AbbreviationOf(o.counties, r.LogCountySent)) return *abbreviation;
  return r.LogCountySent;
}

std::string ReceivedExchange(const LogRecord& r, const QsoLineOptions& o) {
  std::string exchange = r.LogCounty.empty() ? vb::Trim(r.LogSPC) : vb::Trim(r.LogCounty);
  if (r.LogCounty.empty() && CountsAsDXCountry(exchange)) return "DX";
  if (o.county_abbreviations)
    if (auto abbreviation = AbbreviationOf(o.counties, r.LogCounty)) exchange = vb::Trim(*abbreviation);
  return exchange;
}

// A name as one blank-free field: "Mc Kean" gives "McKean".
std::string WithoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

// A serial whose last character stands in `last_column`.
void RightAligned(ColumnText& line, int last_column, const std::string& serial) {
  line.At(last_column + 1 - static_cast<int>(serial.size()), serial);
}

}  // namespace

std::string QsoLineMode(const std::string& mode) {
  const std::string upper = vb::UCase(mode);
  return upper == "PK" ? "DG" : upper;
}

namespace {

// Log checkers split a QSO line at its blanks, so a field that holds one would make two.
bool HoldsBlank(const std::string& value) { return value.find_first_of(" \t") != std::string::npos; }

}  // namespace

std::optional<std::string> MissingSetupField(const QsoLineOptions& o) {
  const std::string call = o.own_call.substr(0, 9);
  const auto blank = [](const std::string& value) { return vb::Trim(value.substr(0, 9)).empty(); };
  const char* missing = blank(o.own_call)                         ? "Your Call Sign"
                        : o.out_of_state && blank(o.own_exchange) ? o.own_exchange_name.c_str()
                                                                  : nullptr;
  if (missing != nullptr)
    return "\"" + std::string(missing) + "\" is blank in the station setup, and every QSO line sends it.";
  if (HoldsBlank(call))
    return "\"Your Call Sign\" of the station setup, \"" + call + "\", holds a blank, and every QSO line sends it.";
  return std::nullopt;
}

std::optional<std::string> QsoLine(const LogRecord& r, const QsoLineOptions& o, std::vector<std::string>& faults) {
  faults.clear();
  const std::optional<vb::DateTime> date = vb::CDate(r.LogDate);
  const std::optional<vb::DateTime> time = vb::CDate(r.LogTime);
  if (!date) faults.push_back("the date \"" + r.LogDate + "\" is not a date.");
  if (!time) faults.push_back("the time \"" + r.LogTime + "\" is not a time.");
  if (auto missing = MissingSetupField(o)) faults.push_back(*missing);
  const std::string frequency = BandFrequencyField(r.LogBand);
  if (frequency.empty()) faults.push_back("the band \"" + r.LogBand + "\" is not one of the contest's bands.");
  // An empty field would shift those after it, and a county written in full with a blank in
  // its name ("Mc Kean") would make two: the blanks of a name are dropped, those of any other
  // field refuse the line.
  const std::string sent = WithoutBlanks(SentExchange(r, o)).substr(0, 9);
  const std::string received = WithoutBlanks(ReceivedExchange(r, o));
  const std::pair<const std::string*, const char*> fields[] = {
      {&r.LogMode, "the mode"},
      {&r.LogSerialSent, "the serial number sent"},
      {&sent, kCountySentName},
      {&r.LogCall, "the call"},
      {&r.LogSerialReceived, "the serial number received"},
      {&received, "the exchange received (county, section, state or country)"}};
  for (const auto& [value, name] : fields) {
    if (vb::Trim(*value).empty()) {
      faults.push_back(std::string(name) + " is empty.");
    } else if (HoldsBlank(*value)) {
      faults.push_back(std::string(name) + " \"" + *value + "\" holds a blank.");
    }
  }
  if (!faults.empty()) return std::nullopt;
  ColumnText line(false);
  line.At(1, "QSO:").At(6, frequency).At(12, QsoLineMode(r.LogMode));
  line.At(15, vb::Format(*date, "yyyy-mm-dd")).At(26, vb::Format(*time, "hhnn")).At(31, o.own_call.substr(0, 9));
  RightAligned(line, 44, r.LogSerialSent);
  line.At(46, sent).At(56, r.LogCall.substr(0, 9));
  RightAligned(line, 69, r.LogSerialReceived);
  line.At(71, received);
  return line.Text();
}

std::optional<std::string> QsoLine(const LogRecord& r, const QsoLineOptions& o, std::string* fault) {
  std::vector<std::string> faults;
  std::optional<std::string> line = QsoLine(r, o, faults);
  if (fault != nullptr) *fault = JoinFaults(faults);
  return line;
}

std::string JoinFaults(const std::vector<std::string>& faults) {
  std::string joined;
  for (const std::string& fault : faults) {
    if (!joined.empty()) joined.back() = ';', joined += ' ';
    joined += fault;
  }
  return joined;
}

}  // namespace ks
