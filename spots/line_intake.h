#pragma once
// Cutting received text into lines, the repeat filter of the received-text box and the
// limit of that box. Everything here is plain text handling, any bytes allowed.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ks {

// Collects text until a line feed ends a line. The text after the last complete line is
// kept, up to a bound: a source that never ends a line cannot grow it past `max_pending`
// characters; past the bound only the newest part is kept, as the shown text is trimmed.
class LineAssembler {
 public:
  static constexpr std::size_t kDefaultMaxPending = 10000;
  static constexpr std::size_t kKeptAfterOverflow = 9000;
  explicit LineAssembler(std::size_t max_pending = kDefaultMaxPending) : max_pending_(max_pending) {}

  void Append(std::string_view text);
  // Appends a block as the source delivered it, so that a spot is not glued to a cluster's or a
  // TNC's prompt ("login: ", "... dxspider >"), which comes without a line end: on a line that
  // does not itself begin with "DX", text before a "DX de " is ended as a line of its own, whether
  // it waited from earlier blocks or came in this one, and text that waited is ended so when the
  // block begins with "DX". The unfinished start of a spot line still waits for its rest, and a
  // line that begins with "DX" is never cut. Returns the block as it went into the lines (with
  // the line ends put in it), for showing.
  std::string AppendBlock(std::string_view block);
  // The next complete line, its line feed (and a carriage return before it) included.
  std::optional<std::string> NextLine();
  // The start of the next line, received so far.
  const std::string& Pending() const { return pending_; }
  void Clear() { pending_.clear(); }

 private:
  std::size_t max_pending_;
  std::string pending_;
};

// The line stands, compared ignoring case, within the last 801 characters of the shown text
// (anywhere in it, also as the end of a longer line).
bool IsRecentRepeat(std::string_view line, std::string_view shown);

// The shown text is cut to its last 9000 characters once it passes 10000.
inline constexpr std::size_t kShownTextLimit = 10000;
inline constexpr std::size_t kShownTextKept = 9000;
// True when it was cut.
bool TrimShownText(std::string& shown);

// The text without control characters other than carriage return and line feed (a packet
// engine's trailing NUL, bells, DEL), which a text box would show as boxes.
std::string WithoutControlCharacters(std::string_view text);

// The line without its line end (the carriage returns and line feeds at its end).
std::string_view WithoutLineEnd(std::string_view line);

}  // namespace ks
