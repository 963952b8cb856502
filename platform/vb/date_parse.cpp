#include "platform/vb/datetime.h"

#include <string_view>

#include "platform/vb/ascii.h"

namespace ks::vb {
namespace {

struct Number {
  int value = 0;
  int digits = 0;
};

// A left-to-right reader over the text being parsed.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  size_t Position() const { return pos_; }
  void Reset(size_t pos) { pos_ = pos; }

  // Skips blanks; returns how many there were.
  int SkipBlanks() {
    int count = 0;
    for (; !AtEnd() && detail::IsBlank(text_[pos_]); ++pos_) ++count;
    return count;
  }

  bool Take(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  // 1 to maxDigits decimal digits.
  std::optional<Number> TakeNumber(int maxDigits) {
    Number n;
    for (; !AtEnd() && n.digits < maxDigits && detail::IsDigit(text_[pos_]); ++pos_, ++n.digits) {
      n.value = n.value * 10 + (text_[pos_] - '0');
    }
    if (n.digits == 0) return std::nullopt;
    return n;
  }

  // "AM" or "PM", any case: 0 for AM, 12 for PM.
  std::optional<int> TakeDayHalf() {
    if (pos_ + 2 > text_.size()) return std::nullopt;
    const char first = detail::AsciiLower(text_[pos_]);
    const char second = detail::AsciiLower(text_[pos_ + 1]);
    if (second != 'm' || (first != 'a' && first != 'p')) return std::nullopt;
    pos_ += 2;
    return first == 'a' ? 0 : 12;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

int WidenTwoDigitYear(int year) { return year < 30 ? 2000 + year : 1900 + year; }

bool TakeDate(Cursor& in, DateTime& out) {
  const auto first = in.TakeNumber(4);
  if (!first) return false;
  const char separator = in.Take('/') ? '/' : in.Take('-') ? '-' : '\0';
  if (separator == '\0') return false;
  const auto second = in.TakeNumber(2);
  if (!second || !in.Take(separator)) return false;
  const auto third = in.TakeNumber(4);
  if (!third) return false;
  if (first->digits == 4) {
    if (third->digits > 2) return false;
    out.year = first->value;
    out.month = second->value;
    out.day = third->value;
    return true;
  }
  if (first->digits > 2 || third->digits == 3) return false;
  out.month = first->value;
  out.day = second->value;
  out.year = third->digits == 4 ? third->value : WidenTwoDigitYear(third->value);
  return true;
}

bool TakeTime(Cursor& in, DateTime& out) {
  const auto hour = in.TakeNumber(2);
  if (!hour) return false;
  out.hour = hour->value;
  bool hasMinutes = false;
  if (in.Take(':')) {
    const auto minute = in.TakeNumber(2);
    if (!minute) return false;
    out.minute = minute->value;
    hasMinutes = true;
    if (in.Take(':')) {
      const auto second = in.TakeNumber(2);
      if (!second) return false;
      out.second = second->value;
    }
  }
  const size_t beforeDayHalf = in.Position();
  in.SkipBlanks();
  const auto dayHalf = in.TakeDayHalf();
  if (!dayHalf) {
    in.Reset(beforeDayHalf);
    return hasMinutes;
  }
  if (out.hour > 12) return false;
  out.hour = out.hour % 12 + *dayHalf;
  return true;
}

}  // namespace

std::optional<DateTime> CDate(std::string_view text) {
  Cursor in(text);
  in.SkipBlanks();
  const size_t start = in.Position();
  DateTime value;
  if (TakeDate(in, value)) {
    const bool separated = in.SkipBlanks() > 0;
    if (!in.AtEnd() && (!separated || !TakeTime(in, value))) return std::nullopt;
  } else {
    in.Reset(start);
    value = DateTime{};
    if (!TakeTime(in, value)) return std::nullopt;
  }
  in.SkipBlanks();
  if (!in.AtEnd() || !IsValid(value)) return std::nullopt;
  return value;
}

bool IsDate(std::string_view text) { return CDate(text).has_value(); }

}  // namespace ks::vb
