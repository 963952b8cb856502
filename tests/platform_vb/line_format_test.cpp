#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/vb/line_format.h"

namespace ks::vb {
namespace {

struct WriteCase {
  std::string actual;
  const char* expected;
};

TEST(LineWriter, WritesEachKindInTheFileForm) {
  const WriteCase cases[] = {
      {LineWriter().Text("W3ABC").Line(), "\"W3ABC\"\r\n"},
      {LineWriter().Text("").Line(), "\"\"\r\n"},
      {LineWriter().Text("a, b").Line(), "\"a, b\"\r\n"},
      {LineWriter().Single(5).Line(), "5\r\n"},
      {LineWriter().Single(-4.5f).Line(), "-4.5\r\n"},
      {LineWriter().Single(0.5f).Line(), ".5\r\n"},
      {LineWriter().Single(40.123456f).Line(), "40.12346\r\n"},
      {LineWriter().Single(12345678.0f).Line(), "1.234568E+07\r\n"},
      {LineWriter().Double(0.00001).Line(), "1E-05\r\n"},
      {LineWriter().Int(0).Line(), "0\r\n"},
      {LineWriter().Int(-16711936).Line(), "-16711936\r\n"},
      {LineWriter().Bool(true).Bool(false).Line(), "#TRUE#,#FALSE#\r\n"},
      {LineWriter().Int(1).Empty().Text("a").Empty().Line(), "1,,\"a\",\r\n"},
      {LineWriter().Line(), "\r\n"},
      {LineWriter().Text("say \"hi\"").Int(2).Line(), "\"say hi\",2\r\n"},
      {LineWriter().Text("caf\xe9").Line(), "\"caf\xe9\"\r\n"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].expected);
    EXPECT_EQ(cases[i].actual, cases[i].expected);
  }
}

// Every value of the buffer read as text until the first failure.
std::vector<std::string> ReadAllTexts(std::string data) {
  LineReader reader(std::move(data));
  std::vector<std::string> values;
  while (auto value = reader.ReadText()) values.push_back(*value);
  return values;
}

struct ReadCase {
  const char* name;
  std::string data;
  std::vector<std::string> expected;
};

TEST(LineReader, SplitsValuesByTheReadingRules) {
  const ReadCase cases[] = {
      {"one per line", "\"a\"\r\n\"b\"\r\n", {"a", "b"}},
      {"several on a line", "\"a\",\"b\"\r\n\"c\"\r\n", {"a", "b", "c"}},
      {"any line end", "1,2\n3\r4", {"1", "2", "3", "4"}},
      {"no final line end", "a,b", {"a", "b"}},
      {"blanks around bare values", "  abc   ,\t def  \r\n", {"abc", "def"}},
      {"comma inside quotes", "\"a,b\",c\r\n", {"a,b", "c"}},
      {"junk after closing quote", "  \"a\"  junk ,b\r\n", {"a", "b"}},
      {"inner quote ends the text", "\"a\"b\"c\",d\r\n", {"a", "d"}},
      {"empty values", ",,x\r\n", {"", "", "x"}},
      {"blank line gives an empty value", "x\r\n\r\n", {"x", ""}},
      {"empty buffer", "", {}},
      {"only blanks", "   ", {}},
      {"lone quote", "\"", {""}},
      {"unclosed quote ends at its line", "\"broken\r\nnext\r\n", {"broken", "next"}},
      {"unclosed quote at the end", "x,\"tail", {"x", "tail"}},
      {"control and high bytes", std::string("\x01\xff\0z,q", 6), {std::string("\x01\xff\0z", 4), "q"}},
      // An editor saving a file puts a UTF-8 byte-order mark before its text.
      {"byte-order mark before a text", "\xEF\xBB\xBF\"K1ABC\"\r\n5\r\n", {"K1ABC", "5"}},
      {"byte-order mark before a bare value", "\xEF\xBB\xBF" "5,x", {"5", "x"}},
      {"byte-order mark alone", "\xEF\xBB\xBF", {}},
      {"byte-order mark after the start is text", "x,\xEF\xBB\xBF" "y", {"x", "\xEF\xBB\xBF" "y"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadAllTexts(c.data), c.expected);
  }
}

// The settings files skip what follows a closing quote; the scanner tells it, so that the
// log's reader can refuse a record it would otherwise cut short.
TEST(LineScanner, TellsWhatStoodAfterAClosingQuote) {
  const struct {
    const char* bytes;
    const char* value;
    const char* after;
  } cases[] = {
      {"\"K1\"A\"UHA\",\"\"", "K1", "A\"UHA\""},
      {"\"Erie\" Co\r\n", "Erie", " Co"},
      {"\"York\"  ,x", "York", ""},
      {"\"York\"", "York", ""},
      {"\"cut\r\n", "cut", ""},
      {"bare \" quote,x", "bare \" quote", ""},
  };
  for (const auto& c : cases) {
    LineScanner scanner(c.bytes);
    std::string_view value;
    ASSERT_TRUE(scanner.Next(value)) << c.bytes;
    EXPECT_EQ(value, c.value) << c.bytes;
    EXPECT_EQ(scanner.LastTextAfterQuote(), c.after) << c.bytes;
  }
}

TEST(LineReader, ConvertsTypedValuesAndFailsOnBadOnes) {
  LineReader reader("5,-4.5,.5,1E-05,255,256,-12,2.5,#TRUE#,#false#,1,abc,\"7\",\r\n");
  EXPECT_EQ(reader.ReadSingle(), 5.0f);
  EXPECT_EQ(reader.ReadSingle(), -4.5f);
  EXPECT_EQ(reader.ReadNumber(), 0.5);
  EXPECT_EQ(reader.ReadNumber(), 0.00001);
  EXPECT_EQ(reader.ReadByte(), 255);
  EXPECT_EQ(reader.ReadByte(), std::nullopt);
  EXPECT_EQ(reader.ReadLong(), -12);
  EXPECT_EQ(reader.ReadInteger(), 2);
  EXPECT_EQ(reader.ReadBool(), true);
  EXPECT_EQ(reader.ReadBool(), false);
  EXPECT_EQ(reader.ReadBool(), std::nullopt);
  EXPECT_EQ(reader.ReadNumber(), std::nullopt);
  EXPECT_EQ(reader.ReadLong(), 7);
  EXPECT_EQ(reader.ReadNumber(), std::nullopt);  // the empty last value
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadText(), std::nullopt);
}

TEST(LineReader, ReadAnyGivesTextForQuotedAndNumbersForBareValues) {
  LineReader reader("\"5\",5,,#FALSE#,abc,&H378\r\n");
  EXPECT_EQ(reader.ReadAny(), AnyValue{std::string("5")});
  EXPECT_EQ(reader.ReadAny(), AnyValue{5.0});
  EXPECT_EQ(reader.ReadAny(), AnyValue{std::monostate{}});
  EXPECT_EQ(reader.ReadAny(), AnyValue{false});
  EXPECT_EQ(reader.ReadAny(), AnyValue{std::string("abc")});
  EXPECT_EQ(reader.ReadAny(), AnyValue{888.0});
  EXPECT_EQ(reader.ReadAny(), std::nullopt);
}

TEST(LineReader, EndIsReachedOnlyAtTheLastByte) {
  LineReader reader("\"a\"\r\n\r\n  \r\n");
  EXPECT_EQ(reader.ReadText(), "a");
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.LineNumber(), 2u);
  reader.SkipBlankLines();
  EXPECT_TRUE(reader.AtEnd());

  LineReader record("\"b\"\r\n \r\n\"c\"");
  EXPECT_EQ(record.ReadText(), "b");
  record.SkipBlankLines();
  EXPECT_FALSE(record.AtEnd());
  EXPECT_EQ(record.LineNumber(), 3u);
  EXPECT_EQ(record.ReadText(), "c");
}

TEST(LineFormat, SettingsWrittenOneValuePerLineReadBackUnchanged) {
  std::string file;
  file += LineWriter().Text("W3ABC").Line();
  file += LineWriter().Text("").Line();
  file += LineWriter().Text("Bob \"the\" op").Line();
  file += LineWriter().Text("PH").Line();
  file += LineWriter().Single(-4.5f).Line();
  file += LineWriter().Single(-0.25f).Double(0.00001).Line();
  file += LineWriter().Single(40.123456f).Line();
  file += LineWriter().Int(100).Line();
  file += LineWriter().Int(16711680).Line();
  file += LineWriter().Single(12345678.0f).Line();
  file += LineWriter().Int(1).Line();
  EXPECT_EQ(file.substr(0, 27), "\"W3ABC\"\r\n\"\"\r\n\"Bob the op\"\r\n");

  LineReader reader(file);
  EXPECT_EQ(reader.ReadText(), "W3ABC");
  EXPECT_EQ(reader.ReadText(), "");
  EXPECT_EQ(reader.ReadText(), "Bob the op");
  EXPECT_EQ(reader.ReadText(), "PH");
  EXPECT_EQ(reader.ReadSingle(), -4.5f);
  EXPECT_EQ(reader.ReadSingle(), -0.25f);
  EXPECT_EQ(reader.ReadNumber(), 0.00001);
  EXPECT_EQ(reader.ReadSingle(), 40.12346f);
  EXPECT_EQ(reader.ReadByte(), 100);
  EXPECT_EQ(reader.ReadLong(), 16711680);
  EXPECT_EQ(reader.ReadSingle(), 12345680.0f);
  EXPECT_EQ(reader.ReadByte(), 1);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadByte(), std::nullopt);
}

TEST(LineFormat, QuoteInATextNoLongerShiftsTheRecord) {
  const std::string line = LineWriter().Text("K3\"X\", 5").Int(59).Text("PA").Line();
  LineReader reader(line);
  EXPECT_EQ(reader.ReadText(), "K3X, 5");
  EXPECT_EQ(reader.ReadLong(), 59);
  EXPECT_EQ(reader.ReadText(), "PA");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(LineReader, AnyBytesEndInBoundedReads) {
  std::mt19937 random(20260101);
  using namespace std::string_literals;
  const std::string alphabet = "\",\r\n #TRUE&H0123456789.-abc\xe9\0"s;
  for (int round = 0; round < 500; ++round) {
    std::string data(random() % 200, ' ');
    for (char& c : data) c = alphabet[random() % alphabet.size()];
    LineReader reader(data);
    size_t reads = 0;
    while (reader.ReadAny()) ASSERT_LE(++reads, data.size()) << "round " << round;
    EXPECT_TRUE(reader.AtEnd()) << "round " << round;
  }
}

TEST(LineReader, HugeLineIsReadWhole) {
  const std::string big(1 << 20, 'x');
  LineReader reader("\"" + big + "\"," + big + ",1");
  EXPECT_EQ(reader.ReadText()->size(), big.size());
  EXPECT_EQ(reader.ReadText()->size(), big.size());
  EXPECT_EQ(reader.ReadByte(), 1);
}

}  // namespace
}  // namespace ks::vb
