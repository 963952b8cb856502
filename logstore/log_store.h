#pragma once
// The log: held in memory as records 1 to QSOCount (slot 0 is never a record) and on disk in
// log.txt in the working directory, one line per contact in the settings line format.
//
// The file is the operator's work of a whole weekend, so every write is checked: an append
// is on the disk before it returns, on a line of its own, a rewrite replaces the file only
// once the new one is complete, and a write that fails is told to the operator (a contact's
// append in the main window's message label, other writes with the file and the reason).
// After such a failure the next write puts the whole log on the disk again, and before the
// program ends the log is put on the disk whole (log_rescue.h).
#include <cstddef>
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
// The most log.txt may hold: a contact the entry windows log takes under 200 bytes, so this is
// room for over 300,000 of them, and for 100,000 with every field filled to 670 bytes by hand.
inline constexpr std::size_t kLogFileMaxBytes = std::size_t{64} << 20;
inline constexpr const char* kBackupFolderName = "BACKUP";

// app.State<LogStore>()
struct LogStore {
  // Records[0] is the empty slot 0; records are Records[1] .. Records[QSOCount]. There is no
  // limit on the number of records.
  std::vector<LogRecord> Records = std::vector<LogRecord>(1);
  long QSOCount = 0;
  float TotalPoints = 0;
  // QSOCount as found by the first load of the run that found records; 0 until then.
  float QSOCountAtLoad = 0;
  // Set when a write of log.txt failed, so that memory holds changes the file lacks; the
  // next append then writes the whole log instead of one line.
  bool FileBehind = false;
  // The records log.txt held after its last good read or write.
  long FileQSOCount = 0;

  LogRecord& Record(long slot);  // grows the slots as needed
};

// The tallies of the in-state window that a load resets before it recounts them.
struct InStateTallies {
  float DXCountryCount[8] = {};            // 1..7 used
  long MultWorkedCount = 0;
  int MultWorkedFlags[9][101] = {};        // slot 1..8, index 1..100 used
};

// Resets the tallies and reloads the whole log from log.txt. Blank lines are passed over. A
// missing file or a bad record shows "Error opening file." titled "File Error" and ends the
// program, leaving the file as it is. From a timer (the rig's band change) it leaves the log
// in memory and its tallies as they were and puts up the notice kLogUnreadNotice instead,
// which the log's next good read or write takes back.
void LoadLogFile(forms::Application& app);
inline constexpr const char* kLogUnreadNotice = "log.txt could not be read!";
// Appends record QSOCount to log.txt, flushed to the disk, on a line of its own; false when it
// failed, with the file as it was. The append is the entry line's, so a failure opens no
// window that would take the keys typed on: the notice of the contacts held in memory only
// (LogBehindNotice) tells it, and stays until the whole log is on the disk again.
bool AppendLogRecord(forms::Application& app);
// Writes records 1 to QSOCount to log.txt, replacing it whole; false (after telling the
// operator) when it failed, with the old file kept.
bool RewriteLogFile(forms::Application& app);
// Removes record n (1 to QSOCount; other numbers do nothing) from memory and file; false
// when the file could not be rewritten (the operator has been told).
bool DeleteLogRecord(forms::Application& app, long n);
// Asks for "YES"; on consent copies a non-empty log.txt to the BACKUP folder, then empties
// and reloads the log. When the copy cannot be made the log is not erased.
void StartNewLog(forms::Application& app);
// Copies log.txt into the BACKUP folder when the log has changed in size since the first
// load; silent when the copy cannot be made.
void BackupLogFile(forms::Application& app);

// The contacts in memory that log.txt lacks after a failed write (0 when it lacks none, or
// only an edit or a delete).
long UnwrittenContacts(const LogStore& store);
// The notice that stands while the file is behind memory: how many contacts are held in
// memory only, or that log.txt is not written when an edit or a delete is all it lacks.
std::string LogBehindNotice(long unwritten);

// Writes records 1 to QSOCount to log.txt, replacing it whole, and tells no one; on success
// the file is no longer behind memory.
bool WriteWholeLog(forms::Application& app, std::string& error);

// One record as its line of log.txt (CR LF included). Double quotes and line ends inside its
// texts are dropped, so the line reads back as one record whatever memory held.
std::string FormatLogLine(const LogRecord& record);

}  // namespace ks
