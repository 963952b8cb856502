// A PA station types the other station's county as the contest's three-letter code, key by
// key into the in-state window's focused widgets, and the log holds the county's name.
#include <gtest/gtest.h>

#include <string>

#include "logstore/log_store.h"
#include "logstore/prefix_table.h"
#include "mainwin/windows/Infrm.h"
#include "station/station_settings.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"

namespace ks::testing {
namespace {

TEST(TypedCountyCodes, APennsylvaniaStationsCodeIsLoggedAsItsCounty) {
  FitBench bench(1366, 768);
  TypedKeys keys(bench);
  bench.app().State<StationSettings>().Rover = 0;
  LoadPrefixTable(bench.app());  // as the setup window does: a K3 call is then a USA station
  Infrm& window = bench.app().Get<Infrm>();
  window.Show();
  window.txtCall.SetFocus();
  keys.Settle();
  const struct {
    const char* keys;  // call, serial, Space to the exchange (PA), Space to the county, code
    const char* county;
  } contacts[] = {{"k3aaa5  MGY", "Montgomery"}, {"k3bbb6  MOE", "Monroe"}, {"k3ccc7  mtr", "Montour"}};
  const LogStore& log = bench.app().State<LogStore>();
  for (const auto& c : contacts) {
    keys.Type(window, c.keys);
    keys.Key(window, Qt::Key_Return, "\r");
    ASSERT_GE(log.QSOCount, 1) << c.keys << ": " << window.lblDialog.Caption();
    EXPECT_EQ(log.Records[static_cast<std::size_t>(log.QSOCount)].LogCounty, c.county) << c.keys;
  }
  EXPECT_EQ(log.QSOCount, 3);
}

}  // namespace
}  // namespace ks::testing
