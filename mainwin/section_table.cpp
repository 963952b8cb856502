#include "mainwin/section_table.h"

#include "platform/forms/application.h"
#include "platform/vb/text.h"

namespace ks {

void FillSectionTable(forms::Application& app) {
  auto& table = app.State<SectionTable>();
  for (int i = 1; i <= kSectionRows; ++i) {
    table.SectionAbbrev[i] = SectionRows()[i - 1].abbrev;
    table.SectionName[i] = SectionRows()[i - 1].name;
  }
  table.SectionCount = kSectionRows;
}

int FindSection(forms::Application& app, const std::string& text) {
  const auto& table = app.State<SectionTable>();
  const int count = static_cast<int>(table.SectionCount);
  for (int i = 1; i <= count && i < kSectionSlots; ++i)
    if (vb::EqualsNoCase(table.SectionAbbrev[i], text)) return i;
  return 0;
}

}  // namespace ks
