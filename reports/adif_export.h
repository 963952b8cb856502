#pragma once
// The ADIF export of the log: the DXCC table it reads (ADIFCnt.txt), the text of each record,
// and WriteADIFFile, which asks for a power and a comment, lets the operator choose the file
// and writes it whole.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logstore/log_store.h"

namespace ks::forms {
class Application;
}

namespace ks {

inline constexpr const char* kDxccTableFileName = "ADIFCnt.txt";
inline constexpr std::size_t kMaxDxccRecords = 1000;

// Country names with their DXCC entity numbers, in file order.
struct DxccTable {
  std::vector<std::string> names;
  std::vector<std::int16_t> numbers;
};

// Reads the table: records of a quoted name and a whole number that fits 16 bits, one per
// line. Nothing, with `error` set, for a record that does not read or more than 1000 records.
std::optional<DxccTable> ParseDxccTable(const std::string& bytes, std::string& error);

// The state a US station's exchange stands for: a section becomes its state ("EPA" -> "PA"),
// another three-character exchange none, a one- or two-character one itself.
std::string StateOfSection(const std::string& spc);

struct AdifOptions {
  std::string power;    // empty: no Tx_Pwr field
  std::string comment;  // empty: no Comment field
  std::string party_state = "PA";
  std::string program_version;
  std::string export_date;  // the short date of the header
};

std::string AdifHeader(const AdifOptions& options);
// One record: its fields, "<eor>" and an empty line.
std::string AdifRecord(const LogRecord& record, const AdifOptions& options, const DxccTable& table);
// The whole file: header and records 1 to count.
std::string AdifFile(const std::vector<LogRecord>& records, long count, const AdifOptions& options,
                     const DxccTable& table);

// Exports every contact of the log to an ADIF file that the operator chooses.
void WriteADIFFile(forms::Application& app);

}  // namespace ks
