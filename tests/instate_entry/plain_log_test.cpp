// An in-state log typed into the window contact by contact (counties given by their codes,
// sections, DX stations, on every band and in every mode, PSK included), then written as the
// plain log: every QSO line is the eleven fields a log checker reads, with the contest's codes.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/vb/text.h"
#include "reports/windows/DECabrilloIn.h"
#include "tests/instate_entry/infrm_fixture.h"

namespace ks::testing {
namespace {

// The county codes of the sponsor's list.
const std::set<std::string> kSponsorCodes = {
    "ADA", "ALL", "ARM", "BEA", "BED", "BER", "BLA", "BRA", "BUX", "BUT", "CMB", "CRN", "CAR", "CEN",
    "CHE", "CLA", "CLE", "CLI", "COL", "CRA", "CUM", "DAU", "DCO", "ELK", "ERI", "FAY", "FOR", "FRA",
    "FUL", "GRE", "HUN", "INN", "JEF", "JUN", "LAC", "LAN", "LAW", "LEB", "LEH", "LUZ", "LYC", "MCK",
    "MER", "MIF", "MOE", "MGY", "MTR", "NHA", "NUM", "PER", "PHI", "PIK", "POT", "SCH", "SNY", "SOM",
    "SUL", "SUS", "TIO", "UNI", "VEN", "WAR", "WAS", "WAY", "WES", "WYO", "YOR"};

struct Line {
  std::string keys;      // typed into the entry line, Enter included
  std::string mode;      // what the QSO line shows
  std::string exchange;  // the exchange received the QSO line shows
};

// Contacts of three kinds in turn, each in the mode of the menu's item i % 4 (CW, PH, RY, PK);
// the codes in either letter case. The same seed gives the same log.
std::vector<Line> GeneratedLog(int count) {
  static const char* const kSections[] = {"ct", "epa", "oh", "nnj", "on", "wpa"};
  static const char* const kDx[] = {"dl", "ja", "g", "f", "ea", "sm"};
  std::vector<std::string> codes(kSponsorCodes.begin(), kSponsorCodes.end());
  std::mt19937 random(32);
  std::vector<Line> lines;
  for (int i = 0; i < count; ++i) {
    const std::string letters = {static_cast<char>('a' + i / 26 % 26), static_cast<char>('a' + i % 26), 'x'};
    static const char* const kShownModes[] = {"CW", "PH", "RY", "DG"};
    const std::string mode = kShownModes[i % 4];
    if (i % 3 == 0) {
      std::string code = codes[random() % codes.size()];
      if (random() % 2 == 0) code = vb::LCase(code);
      lines.push_back({"k3" + letters + "5  " + code + "\r", mode, vb::UCase(code)});
    } else if (i % 3 == 1) {
      const std::string section = kSections[random() % std::size(kSections)];
      lines.push_back({"w1" + letters + "5 " + section + " \r", mode, vb::UCase(section)});
    } else {
      lines.push_back({std::string(kDx[random() % std::size(kDx)]) + "1" + letters + "5  \r", mode, "DX"});
    }
  }
  return lines;
}

class PlainLogTest : public InfrmTest {};

TEST_F(PlainLogTest, EveryQsoLineOfAnInStateLogIsElevenFieldsWithTheContestsCodes) {
  Infrm& w = OpenLoggedOn();
  const std::vector<Line> lines = GeneratedLog(120);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    w.ModeItems[i % 4]->ChooseBy();
    w.BandItems[i / 4 % 8]->ChooseBy();
    w.txtCall.SetFocus();
    w.TypeText(lines[i].keys);
    ASSERT_EQ(store().QSOCount, static_cast<long>(i) + 1) << lines[i].keys << ": " << w.lblDialog.Caption();
  }
  const std::filesystem::path written = work() / "plain.log";
  h.dialogs().AnswerFileDialog({true, written.string(), 1});
  app().Get<DECabrilloIn>().Command1.ClickBy();

  std::istringstream file(ReadBytes(written));
  std::size_t n = 0;
  for (std::string text; std::getline(file, text);) {
    if (!text.starts_with("QSO:")) continue;
    ASSERT_LT(n, lines.size());
    std::istringstream words(text);
    const std::vector<std::string> fields{std::istream_iterator<std::string>(words), {}};
    ASSERT_EQ(fields.size(), 11u) << text;
    EXPECT_EQ(fields[2], lines[n].mode) << text;
    EXPECT_EQ(fields[7], "CEN") << "the own county, by its code: " << text;
    EXPECT_EQ(fields[10], lines[n].exchange) << text;
    if (lines[n].keys.starts_with("k3")) {
      EXPECT_TRUE(kSponsorCodes.count(fields[10])) << text;
    }
    ++n;
  }
  EXPECT_EQ(n, lines.size());
}

}  // namespace
}  // namespace ks::testing
