#include "logstore/log_store.h"

#include <algorithm>

#include "logstore/log_file_format.h"
#include "logstore/log_write_errors.h"
#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/vb/constants.h"
#include "startup/file_reports.h"
#include "startup/notices.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

constexpr const char* kLoadErrorText = "Error opening file.";
constexpr const char* kLoadErrorTitle = "File Error";

void ResetTallies(forms::Application& app) {
  LogStore& store = app.State<LogStore>();
  store.QSOCount = 0;
  store.TotalPoints = 0;
  InStateTallies& tallies = app.State<InStateTallies>();
  for (int i = 1; i <= 7; ++i) tallies.DXCountryCount[i] = 0;
  tallies.MultWorkedCount = 0;
  for (int slot = 1; slot <= 8; ++slot)
    for (int index = 1; index <= 100; ++index) tallies.MultWorkedFlags[slot][index] = 0;
}

// The bytes of the last load, and the records a load from a timer is read into before they
// replace the log in memory (those such a load replaced, so that each reuses what they hold).
struct LogReadBuffer {
  std::string bytes;
  std::vector<LogRecord> records;
};

// Tells what is wrong with the file, and where, so the operator can mend it; then ends. A
// reload that a timer made (the rig's band change) does not end the program under the
// operator's typing: the log in memory stays as it was, the notice says that log.txt was
// not read, and the operator's next reload meets the fault again.
void FailLoad(forms::Application& app, const FileReport& report) {
  if (app.InTimerEvent()) {
    app.State<Notices>().Set(kLogNoticeSource, kLogUnreadNotice);
    return;
  }
  app.MsgBox(DescribeFileReport(kLoadErrorText, report), vb::vbOKOnly, kLoadErrorTitle);
  app.End();
}

// How a failed write is told: in a message box (or, from a timer, a notice) with the file and
// the reason, or only by the notice of the contacts held in memory.
enum class Telling { Box, NoticeOnly };

// Records the outcome of a write of the whole log or of one line. While the file is behind
// memory the log's notice says so, whatever else told the failure.
bool Settle(forms::Application& app, const io::FileResult& result, LogWriteKind kind, Telling telling) {
  LogStore& store = app.State<LogStore>();
  if (result) {
    if (kind == LogWriteKind::Rewrite) store.FileBehind = false;
    if (!store.FileBehind) {
      store.FileQSOCount = store.QSOCount;
      app.State<Notices>().Set(kLogNoticeSource, "");
    }
    return true;
  }
  store.FileBehind = true;
  const fs::path log = WorkingFile(app, kLogFileName);
  if (telling == Telling::Box) ReportLogWriteFailure(app, kind, log, result.error);
  app.State<Notices>().Set(kLogNoticeSource, LogBehindNotice(UnwrittenContacts(store)),
                           log.string() + " could not be written (" + result.error +
                               ").  The whole log is written again with the next contact, and before the program ends.");
  return false;
}

io::FileResult WriteWhole(forms::Application& app) {
  const LogStore& store = app.State<LogStore>();
  return io::WriteFileAtomic(WorkingFile(app, kLogFileName), FormatLogText(store.Records, store.QSOCount));
}

}  // namespace

LogRecord& LogStore::Record(long slot) {
  const std::size_t index = static_cast<std::size_t>(std::max(slot, 0L));
  if (index >= Records.size()) Records.resize(index + 1);
  return Records[index];
}

void LoadLogFile(forms::Application& app) {
  LogStore& store = app.State<LogStore>();
  if (store.FileBehind) {
    // Memory holds changes that the file never took; they go with this load.
    ReportLogWriteFailure(app, LogWriteKind::Reload, WorkingFile(app, kLogFileName), "");
    store.FileBehind = false;
  }
  LogReadBuffer& buffer = app.State<LogReadBuffer>();
  FileReport report = ReadWholeFile(WorkingFile(app, kLogFileName), buffer.bytes, kLogFileMaxBytes);
  if (!report) return FailLoad(app, report);
  // From a timer a fault must leave the log in memory whole: the file is read into the spare
  // records, which take the log's place once all of it has been read. The operator's own
  // reload reads in place, since a fault there ends the program.
  const bool keep_until_read = app.InTimerEvent();
  const LogParseResult parsed = ParseLogText(buffer.bytes, keep_until_read ? buffer.records : store.Records);
  if (!parsed.ok) {
    report.Add(parsed.line, parsed.reason);
    return FailLoad(app, report);
  }
  ResetTallies(app);
  if (keep_until_read) {
    std::swap(store.Records, buffer.records);
    store.Records[0] = LogRecord{};
  }
  store.QSOCount = parsed.count;
  store.FileQSOCount = parsed.count;
  store.Records.resize(static_cast<std::size_t>(parsed.count) + 1);
  app.State<Notices>().Set(kLogNoticeSource, "");
  if (store.QSOCountAtLoad == 0) store.QSOCountAtLoad = static_cast<float>(store.QSOCount);
}

bool AppendLogRecord(forms::Application& app) {
  LogStore& store = app.State<LogStore>();
  if (store.QSOCount < 1) return true;  // no record to add
  // After a failed write the file lacks more than this one record: write it all. So is a file
  // that ends in an old DOS editor's end-of-file mark, which a line after it would leave
  // inside the log; the log in memory is the file's records, and the mark goes.
  const fs::path log = WorkingFile(app, kLogFileName);
  if (store.FileBehind || io::LastByte(log) == '\x1A')
    return Settle(app, WriteWhole(app), LogWriteKind::Rewrite, Telling::NoticeOnly);
  const std::string line = FormatLogLine(store.Record(store.QSOCount));
  return Settle(app, io::AppendLineDurable(log, line), LogWriteKind::Append, Telling::NoticeOnly);
}

bool RewriteLogFile(forms::Application& app) {
  return Settle(app, WriteWhole(app), LogWriteKind::Rewrite, Telling::Box);
}

bool WriteWholeLog(forms::Application& app, std::string& error) {
  const io::FileResult written = WriteWhole(app);
  error = written.error;
  return Settle(app, written, LogWriteKind::Rewrite, Telling::NoticeOnly);
}

long UnwrittenContacts(const LogStore& store) {
  return store.FileBehind ? std::max(store.QSOCount - store.FileQSOCount, 0L) : 0;
}

std::string LogBehindNotice(long unwritten) {
  if (unwritten <= 0) return LogWriteFailureNotice(LogWriteKind::Rewrite);
  return std::to_string(unwritten) + (unwritten == 1 ? " QSO" : " QSOs") + " in memory only!";
}

bool DeleteLogRecord(forms::Application& app, long n) {
  LogStore& store = app.State<LogStore>();
  if (n < 1 || n > store.QSOCount || static_cast<std::size_t>(n) >= store.Records.size()) return true;
  store.Records.erase(store.Records.begin() + n);
  --store.QSOCount;
  return RewriteLogFile(app);
}

}  // namespace ks
