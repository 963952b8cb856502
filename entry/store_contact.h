#pragma once
// Storing one new contact, the same for both main windows: the record goes into the next
// slot of the log, its points and mode into the tallies, and its line onto the end of
// log.txt, flushed to the disk. When the append fails the log store has told the operator
// and keeps the contact in memory; the next write puts the whole log on the disk, so
// nothing is lost and the contact is never counted twice (entering it again is refused as
// a duplicate).
namespace ks::forms {
class Application;
}

namespace ks {

struct LogRecord;

// Returns false when log.txt could not be written.
bool StoreContact(forms::Application& app, const LogRecord& record);

}  // namespace ks
