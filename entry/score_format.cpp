#include "entry/score_format.h"

#include <locale>
#include <stdexcept>

#include "platform/forms/application.h"
#include "platform/vb/format.h"

namespace ks {
namespace {

constexpr char kNoBreakSpace = '\xA0';

char Displayable(char c) { return static_cast<unsigned char>(c) < 0x80 ? c : kNoBreakSpace; }

std::string Localised(std::string text, const NumberSeparators& separators) {
  for (char& c : text) {
    if (c == ',') {
      c = separators.group;
    } else if (c == '.') {
      c = separators.point;
    }
  }
  return text;
}

}  // namespace

NumberSeparators SystemNumberSeparators() {
  NumberSeparators separators;
  separators.known = true;
  try {
    const std::locale system("");
    const auto& punct = std::use_facet<std::numpunct<char>>(system);
    if (!punct.grouping().empty()) {
      separators.group = Displayable(punct.thousands_sep());
      separators.point = Displayable(punct.decimal_point());
    }
  } catch (const std::runtime_error&) {
    // An environment naming a locale the system lacks: keep "," and ".".
  }
  return separators;
}

const NumberSeparators& DisplaySeparators(forms::Application& app) {
  NumberSeparators& separators = app.State<NumberSeparators>();
  if (!separators.known) separators = SystemNumberSeparators();
  return separators;
}

std::string FormatScore(double value, std::string_view pattern, const NumberSeparators& separators) {
  return Localised(vb::Format(value, pattern), separators);
}

}  // namespace ks
