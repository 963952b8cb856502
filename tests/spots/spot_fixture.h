#pragma once
// A main window with a small prefix table, spots handed over as the spotting window hands
// them, and the spotting window itself.
#include <string>

#include "logstore/prefix_table.h"
#include "mainwin/windows/Form1.h"
#include "spots/spot_store.h"
#include "spots/windows/PacketSpotfrm.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/spots/spot_lines.h"

namespace ks::testing {

class SpotBench : public MainWindowBench {
 public:
  SpotBench() {
    auto& table = app().State<PrefixTable>();
    for (const auto& [code, country] : std::initializer_list<std::pair<const char*, const char*>>{
             {"4X", "Israel"}, {"DL", "Germany"}, {"G", "England"}, {"K", "USA"}, {"KH6", "Hawaii"},
             {"VE", "Canada"}, {"VP9", "Bermuda"}, {"W", "USA"}}) {
      PrefixEntry e;
      e.PrefixCode = code;
      e.PrefixCountry = country;
      table.Entries.push_back(e);
    }
    table.PrefixCount = static_cast<std::int32_t>(table.Entries.size()) - 1;
  }

  SpotStore& store() { return app().State<SpotStore>(); }
  MainWindow& main() { return Open(); }

  // Opens the DX strip with the spot list or the band map, as Done with a source does.
  void OpenStrip(bool list) {
    PacketSpotfrm& spots = app().Get<PacketSpotfrm>();
    spots.List1.SetListIndex(2);  // "Telnet"
    (list ? spots.OptList : spots.OptBand).SetValue(true);
    main().PacketResize();
  }

  // Hands a spot line to the store as the spotting window's PostSpot does.
  void Spot(const std::string& call, const std::string& khz, const std::string& comment = "CW 599") {
    const std::string line = ClusterSpot("W3LPL", khz, call, comment) + "\r\n";
    app().Get<PacketSpotfrm>().PostSpot(khz, call, line);
  }
};

}  // namespace ks::testing
