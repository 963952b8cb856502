#pragma once
// The sections an in-state station may log as the received exchange: US states, ARRL
// sections and Canadian provinces, with their full names and the places of their labels on
// the in-state window's grid. The order fixes each section's index (1 to 84), which is also
// the index of its grid label and of its multiplier flags.
#include <array>
#include <string>

namespace ks::forms {
class Application;
}

namespace ks {

inline constexpr int kSectionSlots = 101;  // slots 0 to 100; 1 to 84 are used
inline constexpr int kSectionRows = 84;

// app.State<SectionTable>(): empty (count 0) until the in-state window loads.
struct SectionTable {
  std::array<std::string, kSectionSlots> SectionAbbrev;
  std::array<std::string, kSectionSlots> SectionName;
  float SectionCount = 0;
};

// One row of the table with its grid label's design geometry in twips.
struct SectionRow {
  const char* abbrev;
  const char* name;
  float left, top, width, height;
};

// One call-area heading above a column of the grid.
struct SectionHeading {
  const char* control;
  const char* caption;
  float left, top, width, height;
};

// Row i of the table is SectionRows()[i - 1].
const std::array<SectionRow, kSectionRows>& SectionRows();
const std::array<SectionHeading, 11>& SectionHeadings();

// Fills slots 1 to 84 and sets the count to 84.
void FillSectionTable(forms::Application& app);

// The index (1 to SectionCount) of the first section whose abbreviation equals `text`
// without regard to case; 0 when none does.
int FindSection(forms::Application& app, const std::string& text);

}  // namespace ks
