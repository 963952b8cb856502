// The contact editors' rules without a window: the date and time a box stores, and the keys
// the points, date and time boxes take.
#include <gtest/gtest.h>

#include "reports/contact_edit_rules.h"

namespace ks {
namespace {

TEST(ContactEditRules, DatesAndTimesAreStoredInTheLogsForms) {
  const struct {
    const char* typed;
    const char* date;  // "" when refused
    const char* time;
  } cases[] = {
      {"2013/10/12", "2013/10/12", ""},  {"10/12/2013", "2013/10/12", ""}, {"2013/2/30", "", ""},
      {"15:04", "", "15:04:00"},         {"9:05:07", "", "09:05:07"},      {"24:00", "", ""},
      {"", "", ""},                      {"12/", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LogDateOf(c.typed).value_or(""), c.date) << c.typed;
    EXPECT_EQ(LogTimeOf(c.typed).value_or(""), c.time) << c.typed;
  }
}

TEST(ContactEditRules, TheBoxesKeyFilters) {
  auto filtered = [](void (*filter)(int&), int key) {
    filter(key);
    return key;
  };
  EXPECT_EQ(filtered(FilterPointsKey, '.'), '.');
  EXPECT_EQ(filtered(FilterPointsKey, '/'), '/');
  EXPECT_EQ(filtered(FilterPointsKey, 'a'), 0);
  EXPECT_EQ(filtered(FilterPointsKey, 8), 8);
  EXPECT_EQ(filtered(FilterDateKey, '/'), '/');
  EXPECT_EQ(filtered(FilterDateKey, ':'), 0);
  EXPECT_EQ(filtered(FilterTimeKey, ':'), ':');
  EXPECT_EQ(filtered(FilterTimeKey, '/'), 0);
}

}  // namespace
}  // namespace ks
