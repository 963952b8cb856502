// Numbers in the sponsor's files: the plain decimal form, with a point whatever the
// process's locale (the Qt view takes the operator's, which may write a comma).
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "reports/qso_line.h"

namespace ks {
namespace {

struct PlainCase {
  double value;
  const char* text;
};

TEST(PlainNumber, IsTheShortestDecimalWithoutAnExponent) {
  const PlainCase cases[] = {{0, "0"},           {-0.0, "0"},      {1.5, "1.5"},       {14.25, "14.25"},
                             {27588, "27588"},    {-3.75, "-3.75"}, {0.1 + 0.2, "0.3"}, {1e20, "100000000000000000000"},
                             {1.5e-5, "0.000015"}, {1e-9, "0"},     {-1.5e20, "-150000000000000000000"}};
  for (const PlainCase& c : cases) EXPECT_EQ(PlainNumber(c.value), c.text) << c.value;
}

TEST(PlainNumber, WritesAPointUnderALocaleWithADecimalComma) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale installed";
  const std::string small = PlainNumber(1.5);
  const std::string tiny = PlainNumber(2.5e-5);
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(small, "1.5");
  EXPECT_EQ(tiny, "0.000025");
}

}  // namespace
}  // namespace ks
