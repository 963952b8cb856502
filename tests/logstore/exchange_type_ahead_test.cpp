// The exchange type-ahead as an operator types into an exchange box: codes stay codes, a
// fourth character starts a country name, Space accepts what the box shows.
#include <gtest/gtest.h>

#include <string>

#include "logstore/exchange_type_ahead.h"
#include "logstore/prefix_table.h"
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "tests/logstore/log_fixture.h"

namespace ks::testing {
namespace {

// An exchange box on a window; Space that moves on is counted instead of moving the focus.
class ExchangeBoxForm : public forms::Form {
 public:
  explicit ExchangeBoxForm(forms::Application& app) : forms::Form(app, "ExchangeBoxForm") {
    box.KeyPress = [this](int& k) {
      const ExchangeKeyOutcome outcome = ExchangeTypeAhead(box, App().State<PrefixTable>(), k);
      if (outcome.move_on) ++moved_on;
      if (outcome.country != nullptr) proposed = outcome.country->PrefixCode;
    };
  }
  forms::TextBox box{*this, "box"};
  int moved_on = 0;
  std::string proposed;
};

class ExchangeTypeAheadTest : public LogFixture {
 protected:
  ExchangeTypeAheadTest() {
    // In the prefix file's order: the search runs from the last entry up.
    const struct {
      const char* prefix;
      const char* country;
    } rows[] = {
        {"ZP", "Paraguay"}, {"XX9", "Macao"}, {"YB", "Indonesia"}, {"ZS", "South Africa"}, {"E5", "South Cook Islands"},
    };
    PrefixTable& table = app().State<PrefixTable>();
    for (const auto& row : rows) {
      table.Entries.push_back(PrefixEntry{.PrefixCode = row.prefix, .PrefixCountry = row.country, .PrefixContinent = ""});
    }
    table.PrefixCount = static_cast<int>(table.Entries.size()) - 1;
  }
  ExchangeBoxForm& Box(const std::string& text, int caret) {
    auto& form = app().Get<ExchangeBoxForm>();
    form.box.SetText(text);
    form.box.SetFocus();
    form.box.SetSelStart(caret);
    form.box.SetSelLength(0);
    form.moved_on = 0;
    form.proposed.clear();
    return form;
  }
};

TEST_F(ExchangeTypeAheadTest, CodesStayCodesAndNamesComplete) {
  const struct {
    const char* start;  // the box's text
    int caret;          // where the caret stands in it
    const char* typed;
    const char* text;
    const char* selected;
    const char* proposed;  // the prefix of the entry proposed last
    int moved_on;
  } cases[] = {
      {"", 0, "pa", "PA", "", "", 0},
      {"WMA", 0, "in", "IN", "", "", 0},
      {"", 0, "ma ", "MA", "", "", 1},
      {"", 0, "epa ", "EPA", "", "", 1},
      {"", 0, "para", "Paraguay", "guay", "ZP", 0},
      {"", 0, "para ", "Paraguay", "guay", "ZP", 1},
      {"", 0, "mac", "MAC", "", "", 0},
      {"", 0, "maca", "Macao", "o", "XX9", 0},
      {"", 0, "xyzw", "Xyzw", "", "", 0},
      {"", 0, "south ", "South Cook Islands", "Cook Islands", "E5", 0},
      {"Paraguay", 0, " ", "Paraguay", "", "", 1},
      {"IND", 3, "o", "Indonesia", "nesia", "YB", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " <- " + c.typed);
    auto& form = Box(c.start, c.caret);
    form.TypeText(c.typed);
    EXPECT_EQ(form.box.Text(), c.text);
    EXPECT_EQ(form.box.SelText(), c.selected);
    EXPECT_EQ(form.proposed, c.proposed);
    EXPECT_EQ(form.moved_on, c.moved_on);
  }
}

}  // namespace
}  // namespace ks::testing
