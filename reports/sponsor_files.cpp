#include "reports/sponsor_files.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/vb/text.h"

namespace ks {
namespace {

constexpr const char* kEndOfLog = "END-OF-LOG:";

bool IsCallCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The contact as the operator finds it in the log: its number, call, date and time.
std::string ContactName(long number, const LogRecord& r) {
  std::string known;
  for (const std::string* field : {&r.LogCall, &r.LogDate, &r.LogTime}) {
    if (vb::Trim(*field).empty()) continue;
    known += (known.empty() ? "" : ", ") + *field;
  }
  return "Contact " + std::to_string(number) + (known.empty() ? "" : " (" + known + ")");
}

// Numbers in ascending order as runs: "3, 5 to 9, 12".
std::string NumberRuns(const std::vector<long>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size();) {
    std::size_t last = i;
    while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) ++last;
    text += (text.empty() ? "" : ", ") + std::to_string(numbers[i]);
    if (last > i) text += (last == i + 1 ? ", " : " to ") + std::to_string(numbers[last]);
    i = last + 1;
  }
  return text;
}

// An in-state station whose setup county is blank logs every contact without a county sent:
// that is told once, of the setup, with the contacts it left so.
std::string BlankSetupCounty(const std::vector<long>& contacts) {
  return "\"Your County\" is blank in the station setup, so " +
         std::string(contacts.size() == 1 ? "contact " : "contacts ") + NumberRuns(contacts) +
         (contacts.size() == 1 ? " was" : " were") + " logged with no county sent.";
}

// The QSO lines of records 1 to count, or, when any cannot be written, every reason in one
// message: a blank setup field once, not as a fault of each contact, then each contact that
// cannot be written, with all that is wrong with it.
SponsorText QsoLines(const std::vector<LogRecord>& records, long count, const QsoLineOptions& options) {
  if (count >= 1 && records.size() > 1) {
    if (auto missing = MissingSetupField(options)) return {"", *missing};
  }
  const bool setup_county_blank = !options.out_of_state && vb::Trim(options.own_county).empty();
  SponsorText out;
  std::vector<long> without_county;
  std::string contact_faults;
  std::vector<std::string> faults;
  for (long i = 1; i <= count && i < static_cast<long>(records.size()); ++i) {
    const LogRecord& r = records[static_cast<std::size_t>(i)];
    if (const std::optional<std::string> line = QsoLine(r, options, faults)) {
      out.text += *line + "\r\n";
      continue;
    }
    const auto county_sent = std::find(faults.begin(), faults.end(), std::string(kCountySentName) + " is empty.");
    if (setup_county_blank && county_sent != faults.end()) {
      without_county.push_back(i);
      faults.erase(county_sent);
    }
    if (!faults.empty()) contact_faults += "\r\n" + ContactName(i, r) + ": " + JoinFaults(faults);
  }
  if (without_county.empty() && contact_faults.empty()) return out;
  const std::string setup = without_county.empty() ? "" : BlankSetupCounty(without_county);
  return {"", setup.empty() ? contact_faults.substr(2) : setup + contact_faults};
}

// The call and `extension` for a call of 1 to 10 letters and digits, `otherwise` else.
std::string CallFileName(const std::string& own_call, const char* extension, const char* otherwise) {
  const bool plain = !own_call.empty() && own_call.size() <= 10 &&
                     std::all_of(own_call.begin(), own_call.end(), IsCallCharacter);
  return plain ? own_call + extension : otherwise;
}

struct DupeEntry {
  std::string key, received, sent;
};

// Each band of `bands` and, within it, each mode of `modes`: the records of that band and
// mode sorted by their call's key (a call worked twice stands on consecutive lines), handed
// to `write` when there are any.
template <std::size_t B, std::size_t M, typename Write>
void ForEachDupeGroup(const std::vector<LogRecord>& records, long count, const std::array<const char*, B>& bands,
                      const std::array<const char*, M>& modes, Write write) {
  for (const char* band : bands) {
    for (const char* mode : modes) {
      std::vector<DupeEntry> group;
      for (long i = 1; i <= count && i < static_cast<long>(records.size()); ++i) {
        const LogRecord& r = records[static_cast<std::size_t>(i)];
        if (vb::EqualsNoCase(r.LogBand, band) && vb::EqualsNoCase(r.LogMode, mode))
          group.push_back({DupeSortKey(r.LogCall), r.LogCounty, r.LogCountySent});
      }
      if (group.empty()) continue;
      std::stable_sort(group.begin(), group.end(),
                       [](const DupeEntry& a, const DupeEntry& b) { return vb::UCase(a.key) < vb::UCase(b.key); });
      write(std::string(band) + "  " + mode, group);
    }
  }
}

// A group's total line and the empty lines after it.
std::string DupeGroupTotal(const std::string& band_and_mode, std::size_t entries) {
  return "\r\n" + ColumnText().Add(band_and_mode + " Total Contacts ").Number(static_cast<double>(entries)).Text() +
         "\r\n\r\n\r\n";
}

}  // namespace

std::string CabrilloFileName(const std::string& own_call) { return CallFileName(own_call, ".log", "ASCIICab.txt"); }

std::string AsciiDupeFileName(const std::string& own_call) { return CallFileName(own_call, ".dup", "ASCIIDup.txt"); }

SponsorText CabrilloLog(const std::vector<LogRecord>& records, long count, const CabrilloHeader& h,
                        const QsoLineOptions& lines) {
  SponsorText body = QsoLines(records, count, lines);
  if (!body.error.empty()) return body;
  std::string text = "START-OF-LOG: 2.0\r\nCREATED-BY: Corvane's Leddon Program " + h.program_version + "\r\n";
  text += "CALLSIGN: " + h.own_call + "\r\nARRL-SECTION: " + h.own_section + "\r\n";
  text += "CONTEST: State QSO Party - " + h.party_state + "\r\n";
  text += "CATEGORY: " + h.category + h.power + "\r\nCLUB-NAME: " + h.club + "\r\n";
  if (h.claimed_score) text += "CLAIMED-SCORE: " + ColumnText().Number(static_cast<double>(*h.claimed_score)).Text() + "\r\n";
  text += "OPERATORS: " + (h.operators.empty() ? h.own_call : h.operators) + "\r\n";
  text += "NAME: " + h.name + "\r\nADDRESS: " + h.address1 + "\r\nADDRESS: " + h.address2 + "\r\n";
  text += "ADDRESS: (e-mail) " + h.email + "\r\nSOAPBOX: " + h.soapbox + "\r\n";
  return {text + body.text + kEndOfLog + "\r\n", ""};
}

SponsorText PlainLog(const std::vector<LogRecord>& records, long count, const std::string& own_call,
                     const QsoLineOptions& lines) {
  SponsorText body = QsoLines(records, count, lines);
  if (!body.error.empty()) return body;
  return {"PA QSO Party Log for " + own_call + "\r\n\r\n" + body.text + kEndOfLog + "\r\n", ""};
}

std::string DupeSortKey(const std::string& call) {
  const auto digit = std::find_if(call.begin(), call.end(), [](char c) { return c >= '0' && c <= '9'; });
  return (digit == call.end() ? std::string(" ") : std::string(1, *digit)) + call;
}

std::string DupeSheet(const std::vector<LogRecord>& records, long count, const std::string& own_call,
                      bool out_of_state) {
  static constexpr std::array<const char*, 12> kBands = {"160", "80", "40", "20", "15", "10",
                                                         "6",   "2",  "222", "432", "902", "1.3 G"};
  static constexpr std::array<const char*, 4> kModes = {"CW", "PH", "RY", "PK"};
  std::string text = "PA QSO Party Dupe Sheet for " + own_call + "\r\n\r\n";
  text += out_of_state ? "Call               County Received" : "Call               County Received               County Sent";
  text += "\r\n\r\n";
  ForEachDupeGroup(records, count, kBands, kModes, [&](const std::string& band_and_mode, const auto& group) {
    text += band_and_mode + "\r\n";
    for (const DupeEntry& e : group) {
      ColumnText line;
      line.At(1, e.key.substr(1)).At(20, e.received);
      if (!out_of_state) line.At(50, e.sent);
      text += line.Text() + "\r\n";
    }
    text += DupeGroupTotal(band_and_mode, group.size());
  });
  return text;
}

std::string AsciiDupeSheet(const std::vector<LogRecord>& records, long count) {
  static constexpr std::array<const char*, 12> kBands = {"160", "80", "40", "20", "15", "10",
                                                         "6",   "2",  "1.25", "70", "33", "23"};
  static constexpr std::array<const char*, 3> kModes = {"CW", "DIG", "SSB"};
  std::string text;
  ForEachDupeGroup(records, count, kBands, kModes, [&](const std::string& band_and_mode, const auto& group) {
    text += band_and_mode + "\r\n";
    for (const DupeEntry& e : group) text += e.key.substr(1) + "\r\n";
    text += DupeGroupTotal(band_and_mode, group.size());
  });
  return text;
}

}  // namespace ks
