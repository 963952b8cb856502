#pragma once
// The macros of a CW message: "$" the call, "#" the serial, "*" the report and "^" the
// county, each replaced by its value without surrounding blanks, in that order of passes.
#include <functional>
#include <string>

namespace ks {

struct MacroValues {
  std::string call;
  std::string serial;
  // Becomes "5NN" at the first "*" when it is "599" or empty, and keeps it.
  std::string& rst;
  std::string county;
};

// `shorten_county` turns the county into its short form for CW (applied only when "^" occurs).
std::string ExpandMacros(const std::string& message, MacroValues values,
                         const std::function<std::string(const std::string&)>& shorten_county);

}  // namespace ks
