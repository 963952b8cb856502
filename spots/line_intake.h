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
  // Appends a block as the source delivered it, keeping a spot whole that arrives after an
  // unfinished line (a cluster's or a TNC's prompt, "login: "): text that has waited without
  // a line end is ended as a line of its own when the block begins with "DX", and a "DX de "
  // that follows such a prompt on one line of the block (prompt and spot came in one read)
  // begins a line of its own. A line that itself begins with "DX" (the start of a spot
  // waiting for its rest) is never cut. Returns the text taken in: the block with those line
  // ends added, as the received-text box shows it.
  std::string AppendBlock(std::string_view block);
  // The next complete line, its line feed (and a carriage return before it) included.
  std::optional<std::string> NextLine();
  // The start of the next line, received so far.
  const std::string& Pending() const { return pending_; }
  void Clear() { pending_.clear(); }

 private:
  // The text after the last line feed: the line still waiting for its end.
  std::string_view UnfinishedLine() const;

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
