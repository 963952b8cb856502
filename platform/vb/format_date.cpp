#include <array>
#include <cmath>
#include <vector>

#include "platform/vb/ascii.h"
#include "platform/vb/format.h"

namespace ks::vb {
namespace {

enum class Kind {
  Literal, Year4, Year2, MonthName, MonthAbbr, Month2, Month1, DayName, DayAbbr, Day2, Day1,
  Hour2, Hour1, Minute2, Minute1, Second2, Second1, ShortDate, LongTime, DayHalf
};

struct Token {
  Kind kind = Kind::Literal;
  std::string text;  // the literal, or the day-half spelling as written
};

struct TokenSpelling {
  std::string_view spelling;
  Kind kind;
};

// Longest spellings first, so "dddd" wins over "dd".
constexpr std::array<TokenSpelling, 21> kSpellings{{
    {"ddddd", Kind::ShortDate}, {"ttttt", Kind::LongTime}, {"am/pm", Kind::DayHalf}, {"dddd", Kind::DayName},
    {"mmmm", Kind::MonthName},  {"yyyy", Kind::Year4},     {"ampm", Kind::DayHalf},  {"ddd", Kind::DayAbbr},
    {"mmm", Kind::MonthAbbr},   {"a/p", Kind::DayHalf},    {"dd", Kind::Day2},       {"mm", Kind::Month2},
    {"yy", Kind::Year2},        {"hh", Kind::Hour2},       {"nn", Kind::Minute2},    {"ss", Kind::Second2},
    {"d", Kind::Day1},          {"m", Kind::Month1},       {"h", Kind::Hour1},       {"n", Kind::Minute1},
    {"s", Kind::Second1},
}};

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view word) {
  if (word.empty() || at + word.size() > text.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (detail::AsciiLower(text[at + i]) != word[i]) return false;
  }
  return true;
}

void AppendLiteral(std::vector<Token>& tokens, std::string_view text) {
  if (tokens.empty() || tokens.back().kind != Kind::Literal) tokens.push_back({Kind::Literal, ""});
  tokens.back().text.append(text);
}

std::vector<Token> Tokenize(std::string_view pattern) {
  std::vector<Token> tokens;
  for (size_t i = 0; i < pattern.size();) {
    if (pattern[i] == '\\') {
      if (i + 1 < pattern.size()) AppendLiteral(tokens, pattern.substr(i + 1, 1));
      i += 2;
      continue;
    }
    if (pattern[i] == '"') {
      const size_t close = pattern.find('"', i + 1);
      const size_t end = close == std::string_view::npos ? pattern.size() : close;
      AppendLiteral(tokens, pattern.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    const TokenSpelling* match = nullptr;
    for (const auto& s : kSpellings) {
      if (StartsWithNoCase(pattern, i, s.spelling)) {
        match = &s;
        break;
      }
    }
    if (match == nullptr) {
      AppendLiteral(tokens, pattern.substr(i, 1));
      ++i;
      continue;
    }
    tokens.push_back({match->kind, std::string(pattern.substr(i, match->spelling.size()))});
    i += match->spelling.size();
  }
  return tokens;
}

const Token* NextNonLiteral(const std::vector<Token>& tokens, size_t from) {
  for (size_t i = from; i < tokens.size(); ++i) {
    if (tokens[i].kind != Kind::Literal) return &tokens[i];
  }
  return nullptr;
}

// "m" / "mm" after an hour or before a seconds token means minutes.
void ResolveMinutes(std::vector<Token>& tokens) {
  Kind previous = Kind::Literal;
  for (size_t i = 0; i < tokens.size(); ++i) {
    Token& t = tokens[i];
    if (t.kind == Kind::Month1 || t.kind == Kind::Month2) {
      const Token* next = NextNonLiteral(tokens, i + 1);
      const bool afterHour = previous == Kind::Hour1 || previous == Kind::Hour2;
      const bool beforeSecond = next && (next->kind == Kind::Second1 || next->kind == Kind::Second2);
      if (afterHour || beforeSecond) t.kind = t.kind == Kind::Month1 ? Kind::Minute1 : Kind::Minute2;
    }
    if (t.kind != Kind::Literal) previous = t.kind;
  }
}

std::string TwoDigits(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

std::string DayHalfText(const Token& t, int hour) {
  const bool afternoon = hour >= 12;
  if (t.text.size() == 4) return afternoon ? "PM" : "AM";  // AMPM: the system's designator
  const bool lower = t.text[0] >= 'a';
  if (t.text.size() == 3) return afternoon ? (lower ? "p" : "P") : (lower ? "a" : "A");
  return afternoon ? (lower ? "pm" : "PM") : (lower ? "am" : "AM");
}

int Hour12(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

int Weekday(const DateTime& v) {  // 0 = Sunday; serial day 0 was a Saturday
  const auto days = static_cast<long long>(std::trunc(ToSerial(v)));
  return static_cast<int>(((days + 6) % 7 + 7) % 7);
}

constexpr std::array<std::string_view, 12> kMonthNames{"January", "February", "March",     "April",
                                                       "May",     "June",     "July",      "August",
                                                       "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};

std::string MonthName(int month) { return month >= 1 && month <= 12 ? std::string(kMonthNames[month - 1]) : ""; }

std::string Render(const Token& t, const DateTime& v, bool twelveHour) {
  const int hour = twelveHour ? Hour12(v.hour) : v.hour;
  switch (t.kind) {
    case Kind::Literal: return t.text;
    case Kind::Year4: return std::to_string(v.year);
    case Kind::Year2: return TwoDigits(v.year % 100);
    case Kind::MonthName: return MonthName(v.month);
    case Kind::MonthAbbr: return MonthName(v.month).substr(0, 3);
    case Kind::Month2: return TwoDigits(v.month);
    case Kind::Month1: return std::to_string(v.month);
    case Kind::DayName: return std::string(kDayNames[Weekday(v)]);
    case Kind::DayAbbr: return std::string(kDayNames[Weekday(v)].substr(0, 3));
    case Kind::Day2: return TwoDigits(v.day);
    case Kind::Day1: return std::to_string(v.day);
    case Kind::Hour2: return TwoDigits(hour);
    case Kind::Hour1: return std::to_string(hour);
    case Kind::Minute2: return TwoDigits(v.minute);
    case Kind::Minute1: return std::to_string(v.minute);
    case Kind::Second2: return TwoDigits(v.second);
    case Kind::Second1: return std::to_string(v.second);
    case Kind::ShortDate: return Format(v, "m/d/yyyy");
    case Kind::LongTime: return Format(v, "h:nn:ss AMPM");
    case Kind::DayHalf: return DayHalfText(t, v.hour);
  }
  return {};
}

}  // namespace

std::string Format(const DateTime& value, std::string_view pattern) {
  std::vector<Token> tokens = Tokenize(pattern);
  ResolveMinutes(tokens);
  bool twelveHour = false;
  for (const auto& t : tokens) twelveHour = twelveHour || t.kind == Kind::DayHalf;
  std::string out;
  for (const auto& t : tokens) out += Render(t, value, twelveHour);
  return out;
}

}  // namespace ks::vb
