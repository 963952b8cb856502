// The county map: its picture's regions against the county boundaries it was made from, the
// label of each county inside that county, and the colouring of the worked counties.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "logstore/county_table.h"
#include "platform/forms/raster.h"
#include "reports/county_map.h"
#include "reports/county_map_labels.h"
#include "reports/windows/CountyMapPA.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

using forms::Raster;

constexpr int kTwips = 15;

struct Region {
  std::set<int> pixels;  // y * width + x
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

// The four-connected area of one colour around (x, y).
Region AreaAt(const Raster& r, int x, int y) {
  Region region;
  const forms::Color colour = *r.Pixel(x, y);
  std::vector<std::pair<int, int>> todo{{x, y}};
  while (!todo.empty()) {
    auto [px, py] = todo.back();
    todo.pop_back();
    if (r.Pixel(px, py) != colour || !region.pixels.insert(py * r.Width() + px).second) continue;
    region.left = std::min(region.left, px);
    region.right = std::max(region.right, px);
    region.top = std::min(region.top, py);
    region.bottom = std::max(region.bottom, py);
    todo.insert(todo.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
  }
  return region;
}

Raster MapPicture() {
  std::optional<Raster> map = forms::DecodeBmp(ReadBytes(SuppliedData() / kCountyMapPicture));
  EXPECT_TRUE(map.has_value());
  return map.value_or(Raster(613, 349, 0));
}

// The pixels of `surface` that differ from the picture, within the picture.
std::set<int> ChangedPixels(const Raster& picture, const Raster& surface) {
  std::set<int> changed;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.Pixel(x, y) != surface.Pixel(x, y)) changed.insert(y * picture.Width() + x);
  return changed;
}

int CentreX(const CountyMapLabel& l) { return (l.left + l.width / 2) / kTwips; }
int CentreY(const CountyMapLabel& l) { return (l.top + l.height / 2) / kTwips; }

TEST(CountyMapPicture, HasOneClosedRegionPerLabelWhereTheBoundariesPutIt) {
  const Raster map = MapPicture();
  ASSERT_EQ(map.Width(), 613);
  ASSERT_EQ(map.Height(), 349);
  // The regions as worked out from the boundaries, label by label.
  std::ifstream expected(std::string(KEYSTONE_SOURCE_DIR) + "/tests/reports/county_map_regions.txt");
  std::string line;
  std::size_t k = 0;
  std::set<int> claimed;
  while (std::getline(expected, line)) {
    if (line.empty() || line[0] == '#') continue;
    ASSERT_LT(k, kCountyMapLabels.size());
    const CountyMapLabel& label = kCountyMapLabels[k];
    std::istringstream fields(line);
    std::string name;
    std::size_t count = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    fields >> name >> count >> left >> top >> right >> bottom;
    for (char& c : name) c = c == '_' ? ' ' : c;
    EXPECT_EQ(name, label.name);
    const Region region = AreaAt(map, CentreX(label), CentreY(label));
    EXPECT_EQ(*map.Pixel(CentreX(label), CentreY(label)), forms::colors::kWhite) << name;
    EXPECT_EQ(region.pixels.size(), count) << name << ": the region under the label is its county's";
    EXPECT_EQ(region.left, left) << name;
    EXPECT_EQ(region.top, top) << name;
    EXPECT_EQ(region.right, right) << name;
    EXPECT_EQ(region.bottom, bottom) << name;
    EXPECT_GT(region.left, 0) << name << ": a region touching the edge is not closed";
    EXPECT_LT(region.right, map.Width() - 1) << name;
    // The whole label lies inside the county, and no other label shares the region.
    for (int y = label.top / kTwips; y < (label.top + label.height) / kTwips; ++y)
      for (int x = label.left / kTwips; x < (label.left + label.width) / kTwips; ++x)
        EXPECT_TRUE(region.pixels.count(y * map.Width() + x)) << name << " label pixel " << x << "," << y;
    for (int p : region.pixels) EXPECT_TRUE(claimed.insert(p).second) << name << " shares a region";
    ++k;
  }
  EXPECT_EQ(k, kCountyMapLabelCount);
}

class CountyMapWindow : public ::testing::Test {
 protected:
  CountyMapWindow() {
    CopySupplied(kCountyMapPicture, bench.dir().path());
    main = &bench.Open();
  }
  CountyMapPA& OpenMap() {
    CountyMapPA& map = bench.app().Get<CountyMapPA>();
    map.Show();
    bench.headless().loop().Advance(1);
    return map;
  }
  void Work(const std::vector<std::string>& counties) {
    main->List2.Clear();
    for (const std::string& c : counties) main->List2.AddItem(c);
  }
  MainWindowBench bench;
  MainWindow* main = nullptr;
};

TEST_F(CountyMapWindow, FillsExactlyTheWorkedCountiesRegions) {
  Work({"Erie", "philadelphia", "Centre", "Not A County"});
  const Raster before = MapPicture();
  CountyMapPA& map = OpenMap();
  const Raster& after = map.Picture1.Surface();
  ASSERT_GE(after.Width(), before.Width()) << "the picture box holds the whole picture";
  ASSERT_GE(after.Height(), before.Height());
  std::set<int> expected;
  for (const char* worked : {"Erie", "Philadelphia", "Centre"}) {
    for (const CountyMapLabel& l : kCountyMapLabels)
      if (std::string(l.name) == worked) {
        const Region r = AreaAt(before, CentreX(l), CentreY(l));
        expected.insert(r.pixels.begin(), r.pixels.end());
      }
  }
  const std::set<int> changed = ChangedPixels(before, after);
  EXPECT_EQ(changed.size(), expected.size());
  EXPECT_TRUE(changed == expected) << "only the worked counties change colour, all of their pixels";
  for (int p : changed) EXPECT_NE(after.Pixel(p % before.Width(), p / before.Width()), forms::colors::kWhite);
  EXPECT_FALSE(map.Timer1.Enabled()) << "the colouring runs once";
}

TEST_F(CountyMapWindow, LabelsBecomeTooltipsAndTheHintShowsOnlyForAnEmptyLog) {
  CountyMapPA& map = OpenMap();
  EXPECT_EQ(map.lblCounty(16).ToolTipText(), "Mc Kean");
  EXPECT_EQ(map.lblCounty(16).Caption(), "");
  EXPECT_TRUE(map.lblCounty(16).Transparent);
  EXPECT_FALSE(map.Label1.Visible()) << "the log holds contacts, even with no county worked";
  map.Unload();
  bench.app().State<LogStore>().QSOCount = 0;
  EXPECT_TRUE(OpenMap().Label1.Visible());
}

TEST_F(CountyMapWindow, NamesMatchOnlyAsTheLabelsSpellThemAndNoMoreThanTheLabelsAreSearched) {
  bench.app().State<CountyTable>().CountyCount = 70;  // a table longer than the map
  Work({"McKean", "Zzz"});
  EXPECT_TRUE(ChangedPixels(MapPicture(), OpenMap().Picture1.Surface()).empty()) << "McKean is not Mc Kean";
}

}  // namespace
}  // namespace ks::testing
