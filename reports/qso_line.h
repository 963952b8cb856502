#pragma once
// The fixed-column text of the files for the sponsor: lines with items placed at columns, and
// the QSO line that the Cabrillo log and the plain log share.
#include <optional>
#include <string>
#include <vector>

#include "logstore/county_table.h"
#include "logstore/log_store.h"

namespace ks {

// A line built item by item. An item placed at a column (counted from 1) starts there, the
// gap filled with spaces; when the line already reaches that column, the line ends and the
// item starts at that column of the next line.
class ColumnText {
 public:
  // `wrap` false keeps everything on one line: an item whose column is passed follows what
  // stands before it after one space.
  explicit ColumnText(bool wrap = true) : wrap_(wrap) {}
  ColumnText& At(int column, const std::string& item);
  ColumnText& Add(const std::string& item);
  // A number written as an item of its own: a space before it and one after.
  ColumnText& Number(double value);
  // The text so far, every line but the last ended by CR LF, the last not yet ended.
  const std::string& Text() const { return text_; }

 private:
  bool wrap_;
  std::string text_;
  std::size_t line_start_ = 0;
};

// The plain shortest decimal form of a number: no exponent, no trailing zeros.
std::string PlainNumber(double value);

struct QsoLineOptions {
  std::string own_call;
  bool out_of_state = false;
  // What an out-of-state station sends: its state for the Cabrillo log, its section for the
  // plain log, and the caption of its box in the station setup. An in-state station sends the
  // county it logged from.
  std::string own_exchange;
  std::string own_exchange_name;
  // The county of the station setup, which an in-state station's contacts send.
  std::string own_county;
  bool county_abbreviations = false;
  const CountyTable* counties = nullptr;
};

// The five-character frequency of a band ("20" -> "14000"), empty for a band not listed.
std::string BandFrequencyField(const std::string& band);

// The mode as log checkers read it: the log's mode in capitals, with PSK ("PK") written as
// the digital mode "DG".
std::string QsoLineMode(const std::string& mode);

// The station-setup field that every QSO line sends and that is blank (the own call, an
// out-of-state station's exchange) or holds a blank (the own call), as the reason no line can
// be written; nothing when none is.
std::optional<std::string> MissingSetupField(const QsoLineOptions& options);

// How a fault of the county a contact sent begins (an in-state station's contact).
inline constexpr const char* kCountySentName = "the county sent";

// One QSO line (without its line end): eleven fields separated by blanks. A serial too long
// for its room is kept on the line, one space after what stands before it. An exchange the
// score counts as a DX country is written "DX", the exchange DX stations send. Nothing, with
// `faults` saying why (every reason, one sentence each), when a field cannot be written: the
// date does not read as a date or the time as a time, the band is none of the table's, or a
// field would be empty or hold a blank (either would leave the line other than eleven fields
// for a log checker), the setup's own call or exchange included.
std::optional<std::string> QsoLine(const LogRecord& record, const QsoLineOptions& options,
                                   std::vector<std::string>& faults);
// The same, with the faults joined into one sentence.
std::optional<std::string> QsoLine(const LogRecord& record, const QsoLineOptions& options,
                                   std::string* fault = nullptr);

// Sentences of faults as one: "the call is empty; the mode is empty."
std::string JoinFaults(const std::vector<std::string>& faults);

}  // namespace ks
