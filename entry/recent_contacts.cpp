#include "entry/recent_contacts.h"

#include <cmath>
#include <optional>
#include <vector>

#include "logstore/log_store.h"
#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"

namespace ks {
namespace {

std::string FormattedOr(const std::string& stored, std::string_view pattern) {
  const std::optional<vb::DateTime> moment = vb::CDate(stored);
  return moment ? vb::Format(*moment, pattern) : stored;
}

}  // namespace

std::string RecentDateTimeCell(const LogRecord& record) {
  return FormattedOr(record.LogDate, "mm/dd") + " " + FormattedOr(record.LogTime, "hh:nn");
}

std::string PointsCell(double points) { return vb::CStr(points); }

forms::ListItem OutOfStateRow(long number, const LogRecord& r) {
  forms::ListItem item;
  item.text = std::to_string(number);
  item.sub_items = {r.LogCall, r.LogSerialReceived, r.LogCounty,       r.LogSerialSent,
                    RecentDateTimeCell(r), r.LogMode, r.LogBand, PointsCell(r.LogPoints)};
  return item;
}

forms::ListItem InStateRow(long number, const LogRecord& r, bool rover) {
  forms::ListItem item;
  item.text = std::to_string(number);
  item.sub_items = {r.LogCall,  r.LogSerialReceived, r.LogSPC,  r.LogCounty, r.LogSerialSent,
                    RecentDateTimeCell(r), r.LogMode, r.LogBand, PointsCell(r.LogPoints)};
  if (rover) item.sub_items.push_back(r.LogCountySent);
  return item;
}

void RefillRecentContacts(forms::ListView& list, const LogStore& store, bool all, const RecentRowBuilder& row) {
  const long last = std::min<long>(store.QSOCount, static_cast<long>(store.Records.size()) - 1);
  const long first = (all || last < kRecentContactRows) ? 1 : last - (kRecentContactRows - 1);
  std::vector<forms::ListItem> rows;
  rows.reserve(static_cast<std::size_t>(std::max(0L, last - first + 1)));
  for (long i = last; i >= first; --i) rows.push_back(row(i, store.Records[static_cast<std::size_t>(i)]));
  list.SetItems(std::move(rows));
}

std::string NextSerialText(const LogStore& store) {
  std::string next;
  if (store.QSOCount <= 0 || static_cast<std::size_t>(store.QSOCount) >= store.Records.size()) {
    next = "1";
  } else if (const std::string& last = store.Records[static_cast<std::size_t>(store.QSOCount)].LogSerialSent;
             vb::IsNumeric(last)) {
    next = vb::CStr(vb::Val(last) + 1);
  } else {
    next = std::to_string(store.QSOCount + 1);
  }
  if (next.size() < 3) next = std::string(3 - next.size(), '0') + next;
  return next;
}

std::string SerialMacroText(const std::string& caption) {
  std::string text = vb::Trim(caption);
  if (vb::IsNumeric(text)) text = vb::CStr(static_cast<double>(std::trunc(vb::Val(text))));
  return text;
}

void SortRecentContacts(forms::ListView& list, int column) {
  list.SetSortOrder(0);
  list.SetSortKey(column - 1);
  list.SetSorted(true);
  list.SetSorted(false);
}

std::string RecentContactsCopyText(const forms::ListView& list) {
  std::string text;
  const int columns = list.ColumnCount();
  for (int c = 1; c <= columns; ++c) text.append(list.Column(c).text).append(c < columns ? "\t" : "\r\n");
  for (int row = list.ItemCount(); row >= 1; --row) {
    const forms::ListItem& item = list.Item(row);
    text.append(item.text).append("\t");
    for (int s = 1; s < columns; ++s) text.append(item.SubItem(s)).append(s < columns - 1 ? "\t" : "\r\n");
  }
  return text;
}

long RecordNumberOfRow(const forms::ListView& list, int row) {
  if (row < 1 || row > list.ItemCount()) return 0;
  return static_cast<long>(vb::Val(list.Item(row).text));
}

}  // namespace ks
