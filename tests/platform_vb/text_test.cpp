#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vb/text.h"

namespace ks::vb {
namespace {

TEST(Text, CaseMappingTouchesAsciiLettersOnly) {
  EXPECT_EQ(UCase("k3abc/p ñ\xe9"), "K3ABC/P ñ\xe9");
  EXPECT_EQ(LCase("W3ABC \xC9"), "w3abc \xC9");
  EXPECT_TRUE(EqualsNoCase("Not Found", "NOT FOUND"));
  EXPECT_FALSE(EqualsNoCase("PA", "PAX"));
  EXPECT_FALSE(EqualsNoCase("\xe9", "\xc9"));
}

TEST(Text, TrimRemovesBlanksOnly) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim("  a "), "  a");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
}

struct SliceCase {
  std::string actual;
  const char* expected;
};

TEST(Text, SlicesAreOneBasedAndSafeOutOfRange) {
  const SliceCase cases[] = {
      {Left("W3ABC", 2), "W3"},      {Left("W3", 10), "W3"},       {Left("W3", -1), ""},
      {Right("W3ABC", 3), "ABC"},    {Right("W3", 10), "W3"},      {Right("W3", -5), ""},
      {Mid("W3ABC", 3), "ABC"},      {Mid("W3ABC", 2, 2), "3A"},   {Mid("W3ABC", 5, 99), "C"},
      {Mid("W3ABC", 6), ""},         {Mid("W3ABC", 0), ""},        {Mid("W3ABC", -3, 2), ""},
      {Mid("W3ABC", 2, -1), ""},     {Mid("", 1, 1), ""},          {Space(3), "   "},
      {Space(-2), ""},               {Replace("a,b,,c", ",", ";"), "a;b;;c"},
      {Replace("aaa", "aa", "b"), "ba"}, {Replace("abc", "", "x"), "abc"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cases[i].actual, cases[i].expected);
  }
}

TEST(Text, InStrGivesOneBasedPositionOrZero) {
  EXPECT_EQ(InStr("W3ABC/P", "/"), 6);
  EXPECT_EQ(InStr("W3ABC", "X"), 0);
  EXPECT_EQ(InStr(3, "abab", "ab"), 3);
  EXPECT_EQ(InStr(4, "abab", "ab"), 0);
  EXPECT_EQ(InStr(99, "abab", "ab"), 0);
  EXPECT_EQ(InStr(0, "abab", "ab"), 0);
  EXPECT_EQ(InStr("abc", ""), 1);
}

TEST(Text, SplitKeepsEmptyPieces) {
  EXPECT_EQ(Split("a,,b,", ","), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(Split("a--b", "--"), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(Split("", ",").empty());
  EXPECT_EQ(Split("a,b", ""), (std::vector<std::string>{"a,b"}));
}

}  // namespace
}  // namespace ks::vb
