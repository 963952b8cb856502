// The county table from county2.txt, the abbreviation and CW look-ups, and the county
// type-ahead as an operator types into a county box.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <set>

#include "logstore/county_table.h"
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"
#include "tests/logstore/log_fixture.h"

namespace ks::testing {
namespace {

namespace fs = std::filesystem;

class CountyTableTest : public LogFixture {
 protected:
  CountyTableTest() { app().State<StationSettings>().PartyState = "PA"; }
  bool Load(const std::string& bytes) {
    WriteFile(work() / kCountyFileName, bytes);
    return LoadCountyTable(app()).ok();
  }
  const CountyTable& table() { return app().State<CountyTable>(); }
  std::vector<std::string> Names() { return {table().CountyName.begin() + 1, table().CountyName.end()}; }
};

TEST_F(CountyTableTest, TakesOnlyThePartyStatesRecordsInFileOrder) {
  ASSERT_TRUE(Load(
      "\"PAYork\",\"YOR\"\r\n\"NYAlbany\",\"ALB\"\r\n\"paErie\",\"ERI\"\r\n\"PAAdams\",\"ADA\"\r\n"
      "\"NYKings\",\"KIN\"\r\n\"PAMcKean\",\"MCK\"\r\n\r\n"));
  EXPECT_EQ(table().CountyCount, 3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"York", "Adams", "McKean"}));
  EXPECT_EQ(table().CountyAbbrev[3], "MCK");
}

TEST_F(CountyTableTest, TheSuppliedFileHoldsThe67CountiesWithUniqueAbbreviations) {
  const fs::path supplied = fs::path(KEYSTONE_SOURCE_DIR) / "data" / kCountyFileName;
  ASSERT_TRUE(Load(ReadBytes(supplied)));
  ASSERT_EQ(table().CountyCount, 67);
  EXPECT_EQ(table().CountyName[1], "Adams");
  EXPECT_EQ(table().CountyName[67], "York");
  std::set<std::string> abbreviations;
  for (int i = 1; i <= 67; ++i) {
    std::string typed = table().CountyAbbrev[i];
    EXPECT_EQ(ExpandCountyAbbrev(table(), typed), table().CountyName[i]) << typed;
    EXPECT_EQ(typed.size(), 3u) << "the sponsor's codes are three letters: " << typed;
    // CW sends the code, except for a name no longer than its code (Elk).
    const std::string& name = table().CountyName[i];
    EXPECT_EQ(ShortenCountyForCW(table(), vb::UCase(name)), name.size() > 3 ? typed : vb::UCase(name)) << name;
    abbreviations.insert(typed);
  }
  EXPECT_EQ(abbreviations.size(), 67u);
  // The codes that differ most from the names' first letters.
  for (auto [code, name] : {std::pair{"MGY", "Montgomery"}, {"MOE", "Monroe"}, {"MTR", "Montour"}, {"BUX", "Bucks"},
                            {"DCO", "Delaware"}, {"INN", "Indiana"}, {"NHA", "Northampton"}, {"CRN", "Cameron"}}) {
    std::string typed = code;
    EXPECT_EQ(ExpandCountyAbbrev(table(), typed), name);
  }
}

// A table that cannot be used is left empty, and the report says where and why, so that the
// main window can tell the operator.
TEST_F(CountyTableTest, ADamagedFileLeavesTheTableEmptyAndSaysWhereAndWhy) {
  const struct {
    const char* what;
    std::optional<std::string> bytes;  // nothing: a named pipe in place of the file
    std::size_t line;
    std::string reason;
  } cases[] = {
      {"a record without its abbreviation", "\"PAYork\",\"YOR\"\r\n\"PAAdams\"", 2,
       "the file ends in the middle of this record."},
      {"more counties than the table holds",
       [] {
         std::string many;
         for (int i = 0; i <= kMaxCounties; ++i) many += "\"PAC" + std::to_string(i) + "\",\"C\"\r\n";
         return many;
       }(),
       1001, "more than 1000 counties of PA."},
      {"no county of the party state", "\"NYAlbany\",\"ALB\"\r\n\"paErie\",\"ERI\"\r\n", 0,
       "it holds no county of PA."},
      {"an empty file", "", 0, "it holds no county of PA."},
      {"a named pipe", std::nullopt, 0, io::kNotARegularFile},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(work() / kCountyFileName);
    if (c.bytes) {
      WriteFile(work() / kCountyFileName, *c.bytes);
    } else {
      ASSERT_EQ(::mkfifo((work() / kCountyFileName).c_str(), 0644), 0);
    }
    const FileReport report = LoadCountyTable(app());
    EXPECT_EQ(report.path, work() / kCountyFileName);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].line, c.line);
    EXPECT_EQ(report.problems[0].reason, c.reason);
    EXPECT_EQ(table().CountyCount, 0);
  }
  fs::remove(work() / kCountyFileName);
  EXPECT_EQ(LoadCountyTable(app()).problems.at(0).reason, "No such file or directory");
}

TEST_F(CountyTableTest, AnAbbreviationIsUpperCasedThenMatchedExactly) {
  ASSERT_TRUE(Load("\"PAAllegheny\",\"ALL\"\r\n\"PAErie\",\"eri\"\r\n"));
  std::string typed = "all";
  EXPECT_EQ(ExpandCountyAbbrev(table(), typed), "Allegheny");
  EXPECT_EQ(typed, "ALL");
  typed = "eri";
  EXPECT_EQ(ExpandCountyAbbrev(table(), typed), "");  // stored in lower case: never found
  typed = "XYZ";
  EXPECT_EQ(ExpandCountyAbbrev(table(), typed), "");
}

TEST_F(CountyTableTest, CWSendsTheShorterOfNameAndAbbreviation) {
  ASSERT_TRUE(Load("\"PANorthumberland\",\"NUM\"\r\n\"PAErie\",\"ERI\"\r\n\"PAElk\",\"ELK\"\r\n"
                   "\"PAPike\",\"\"\r\n"));
  const struct {
    const char* county;
    const char* sent;
  } cases[] = {{"Northumberland", "NUM"}, {"northumberland", "NUM"}, {"Erie", "ERI"}, {"Elk", "Elk"},
               {"Pike", "Pike"},           {"Ohio", "Ohio"},            {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(ShortenCountyForCW(table(), c.county), c.sent) << c.county;
}

// A county box on a window, its KeyPress running the type-ahead.
class CountyBoxForm : public forms::Form {
 public:
  explicit CountyBoxForm(forms::Application& app) : forms::Form(app, "CountyBoxForm") {
    box.KeyPress = [this](int& k) { CountyTypeAhead(box, App().State<CountyTable>(), k, rule); };
  }
  forms::TextBox box{*this, "box"};
  CountyTypeAheadRule rule;
};

class CountyTypeAheadTest : public CountyTableTest {
 protected:
  CountyBoxForm& Box(const std::string& text = "", int caret = 0) {
    auto& form = app().Get<CountyBoxForm>();
    form.box.SetText(text);
    form.box.SetFocus();
    form.box.SetSelStart(caret);
    return form;
  }
};

TEST_F(CountyTypeAheadTest, CompletesToTheLatestNameThatBeginsWithWhatWasTyped) {
  ASSERT_TRUE(Load("\"PAAdams\",\"ADA\"\r\n\"PAAllegheny\",\"ALL\"\r\n\"PAArmstrong\",\"ARM\"\r\n"));
  const struct {
    const char* typed;
    const char* text;
    int sel_start;
    int sel_length;
  } cases[] = {
      {"a", "Armstrong", 1, 8},  {"al", "Allegheny", 2, 7}, {"Ad", "Adams", 2, 3},
      {"adams", "Adams", 5, 0},  {"q", "Q", 1, 0},          {"aq", "Aq", 2, 0},
  };
  for (const auto& c : cases) {
    auto& form = Box();
    form.TypeText(c.typed);
    EXPECT_EQ(form.box.Text(), c.text) << c.typed;
    EXPECT_EQ(form.box.SelStart(), c.sel_start) << c.typed;
    EXPECT_EQ(form.box.SelLength(), c.sel_length) << c.typed;
  }
}

TEST_F(CountyTypeAheadTest, TypingAtTheStartReplacesTheWholeCounty) {
  ASSERT_TRUE(Load("\"PAAdams\",\"ADA\"\r\n\"PAYork\",\"YOR\"\r\n"));
  auto& form = Box("York", 0);
  form.TypeText("ad");
  EXPECT_EQ(form.box.Text(), "Adams");
  form.box.SetSelStart(0);
  form.PressKey(8);  // Backspace at the start empties the box too
  EXPECT_EQ(form.box.Text(), "");
}

TEST_F(CountyTypeAheadTest, EachWordOfANameStartsWithACapital) {
  ASSERT_TRUE(Load("\"PASan Juan\",\"SJ\"\r\n\"PASan Miguel\",\"SM\"\r\n"));
  auto& form = Box();
  form.TypeText("san j");
  EXPECT_EQ(form.box.Text(), "San Juan");
  EXPECT_EQ(form.box.SelStart(), 5);
}

TEST_F(CountyTypeAheadTest, BackspaceDeletesTheOfferedRest) {
  ASSERT_TRUE(Load("\"PAYork\",\"YOR\"\r\n"));
  auto& form = Box();
  form.TypeText("yo");
  ASSERT_EQ(form.box.Text(), "York");
  form.PressKey(8);
  EXPECT_EQ(form.box.Text(), "Yo");
}

TEST_F(CountyTypeAheadTest, ABoxMayKeepItsTextWhenSpaceIsTypedAtTheStart) {
  ASSERT_TRUE(Load("\"PAYork\",\"YOR\"\r\n"));
  auto& form = Box("York", 0);
  form.TypeText(" ");
  EXPECT_EQ(form.box.Text(), " ");  // every key at the start replaces the county
  form.rule.space_keeps_text_at_start = true;
  form.box.SetText("York");
  form.TypeText(" ");
  EXPECT_EQ(form.box.Text(), " York");
}

}  // namespace
}  // namespace ks::testing
