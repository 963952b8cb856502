#pragma once
// The log: held in memory as records 1 to QSOCount (slot 0 is never a record) and on disk in
// log.txt in the working directory, one line per contact in the settings line format.
#include <string>
#include <vector>

namespace ks::forms {
class Application;
}

namespace ks {

// One contact, its 20 fields in the order of a line of log.txt.
struct LogRecord {
  std::string LogCall;
  std::string LogRSTSent;
  std::string LogRSTReceived;
  std::string LogSPC;
  std::string LogCounty;
  std::string LogStateOverride;
  std::string LogCountySent;
  std::string LogSpare8;
  std::string LogSpare9;
  std::string LogSpare10;
  std::string LogSerialSent;
  std::string LogDate;
  std::string LogTime;
  std::string LogMode;
  std::string LogBand;
  double LogPoints = 0;
  std::string LogSpare17;
  std::string LogSpare18;
  std::string LogSerialReceived;
  std::string LogFrequency;
  friend bool operator==(const LogRecord&, const LogRecord&) = default;
};

inline constexpr const char* kLogFileName = "log.txt";

// app.State<LogStore>()
struct LogStore {
  // Records[0] is the empty slot 0; records are Records[1] .. Records[QSOCount].
  std::vector<LogRecord> Records = std::vector<LogRecord>(1);
  long QSOCount = 0;
  float TotalPoints = 0;
  float QSOCountAtLoad = 0;

  LogRecord& Record(long slot);  // grows the slots as needed
};

// The tallies of the in-state window that a load resets before it recounts them.
struct InStateTallies {
  float DXCountryCount[8] = {};            // 1..7 used
  long MultWorkedCount = 0;
  int MultWorkedFlags[9][101] = {};        // slot 1..8, index 1..100 used
};

// Resets the tallies and reloads the whole log from log.txt; a failure shows "Error opening
// file." titled "File Error" and ends the program.
void LoadLogFile(forms::Application& app);
// Appends record QSOCount to log.txt; false (after telling the operator) when it failed.
bool AppendLogRecord(forms::Application& app);
// Writes records 1 to QSOCount to log.txt, replacing it whole; false (after telling the
// operator) when it failed, with the old file kept.
bool RewriteLogFile(forms::Application& app);
// Removes record n (1 to QSOCount) from memory and file.
void DeleteLogRecord(forms::Application& app, long n);
// Asks for "YES"; on consent backs up, empties and reloads the log.
void StartNewLog(forms::Application& app);
// Copies log.txt into the BACKUP folder when the log has changed in size since the first load.
void BackupLogFile(forms::Application& app);

// One record as its line of log.txt (CR LF included).
std::string FormatLogLine(const LogRecord& record);

}  // namespace ks
