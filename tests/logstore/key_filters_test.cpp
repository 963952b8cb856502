#include "logstore/key_filters.h"

#include <gtest/gtest.h>

namespace ks {
namespace {

TEST(KeyFilters, CapitalizeKeyRaisesLettersOnly) {
  const struct {
    int in, out;
  } cases[] = {{'a', 'A'}, {'z', 'Z'}, {'m', 'M'}, {'A', 'A'}, {'5', '5'}, {'-', '-'},
               {' ', ' '}, {9, 9},     {8, 8},     {13, 13},   {0xE9, 0xE9}, {0, 0}};
  for (const auto& c : cases) {
    int key = c.in;
    CapitalizeKey(key);
    EXPECT_EQ(key, c.out) << c.in;
  }
}

TEST(KeyFilters, FilterDigitKeyPassesDigitsAndBackspace) {
  const struct {
    int in, out;
  } cases[] = {{'0', '0'}, {'9', '9'}, {8, 8}, {'a', 0}, {'A', 0}, {' ', 0}, {'-', 0}, {'.', 0}, {13, 0}, {'/', 0}};
  for (const auto& c : cases) {
    int key = c.in;
    FilterDigitKey(key);
    EXPECT_EQ(key, c.out) << c.in;
  }
}

}  // namespace
}  // namespace ks
