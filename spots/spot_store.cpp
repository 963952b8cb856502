#include "spots/spot_store.h"

#include "platform/vb/parse.h"
#include "platform/vb/text.h"

namespace ks {

void SpotStore::Add(const std::string& call, float mhz, const vb::DateTime& arrived) {
  for (int i = 1; i < kSpotSlots; ++i) {
    SpotCall[i - 1] = SpotCall[i];
    SpotFreq[i - 1] = SpotFreq[i];
    SpotTime[i - 1] = SpotTime[i];
    SpotLabel[i - 1] = MakeSpotLabel(SpotCall[i - 1]);
  }
  SpotCall[kNewestSpotSlot] = call;
  SpotFreq[kNewestSpotSlot] = mhz;
  SpotTime[kNewestSpotSlot] = arrived;
  SpotLabel[kNewestSpotSlot] = MakeSpotLabel(call);
  for (int i = kNewestSpotSlot - 1; i >= 1; --i) {
    if (vb::EqualsNoCase(SpotCall[i], call)) {
      SpotFreq[i] = 0;
      break;
    }
  }
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string MakeSpotLabel(std::string_view call) {
  const auto len = static_cast<long long>(call.size());
  if (len < 3) return "";
  long long slash = 0;
  long long last_digit = 0;
  for (long long i = 1; i <= len; ++i) {
    const char c = call[static_cast<std::size_t>(i - 1)];
    if (c == '/') slash = i;
    if (IsDigit(c)) last_digit = i;
  }
  const long long n = last_digit > 0 ? last_digit : len;
  if (slash == 0) return vb::Left(call, n);
  // The exact half: a slash at 5 in a call of 9 is still in the first half.
  if (static_cast<double>(slash) < static_cast<double>(len) / 2 + 1) return vb::Left(call, slash - 1);
  std::string tail = vb::Mid(call, slash + 1, n);
  if (!vb::IsNumeric(tail)) return tail;
  std::string head;
  for (char c : call) {
    if (IsDigit(c)) break;
    head += c;
  }
  return head + tail;
}

}  // namespace ks
