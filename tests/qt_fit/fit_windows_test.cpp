// The fit check: every window of the program, loaded and fitted as the program does it at
// five screen sizes, shows every caption whole: no label, button, option button, check box,
// frame caption or list-view column header whose text needs more room than its control
// gives it in its own font.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "keying/windows/BlindFrm.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmCodePractice.h"
#include "keying/windows/frmWinKey.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "reports/windows/CountyMapPA.h"
#include "reports/windows/DECabrilloIn.h"
#include "reports/windows/DEEditInfrm.h"
#include "reports/windows/DEEditOut.h"
#include "reports/windows/GraphQSO.h"
#include "spots/windows/PacketSpotfrm.h"
#include "spots/windows/SpectrumMap.h"
#include "rig/windows/RigControlfrm.h"
#include "rig/windows/frmBandPlan.h"
#include "rig/windows/frmFrequencyTest.h"
#include "rig/windows/frmRigTune.h"
#include "startup/windows/frmCorvaneLogo.h"
#include "station/station_settings.h"
#include "station/windows/Form5.h"
#include "station/windows/Form6.h"
#include "station/windows/frmCountyChange.h"
#include "station/windows/frmCountyChangeRover.h"
#include "station/windows/frmCountyList.h"
#include "station/windows/frmStationID.h"
#include "tests/qt_fit/cover_check.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/fit_measure.h"

namespace ks::testing {
namespace {

// Opens a window as the program does and returns it, shown.
using Opener = forms::Form& (*)(FitBench&);

struct FitWindow {
  const char* name;
  Opener open;
};

// A window that the program loads and shows (modal or not; the layout is the same).
template <typename F>
forms::Form& Shown(FitBench& bench) {
  F& window = bench.app().Get<F>();
  window.Show();
  return window;
}

// The main window of a station outside the state; the bench's station is inside the state,
// and its load shows the window.
forms::Form& OutOfStateMain(FitBench& bench) {
  bench.app().State<StationSettings>().OutOfState = 1;
  bench.app().State<StationSettings>().Rover = 0;
  return bench.app().Get<Outfrm>();
}

forms::Form& InStateMain(FitBench& bench) { return bench.app().Get<Infrm>(); }

// Every window of the program. A window joins the fit check with one line here:
//   {"Name", Shown<Name>},            for a window that is loaded and shown, or
//   {"Name", OpenName},               a function (FitBench&) -> forms::Form& above that sets
//                                     up what the window's load needs and returns it shown.
const FitWindow kWindows[] = {
    {"frmCorvaneLogo", Shown<frmCorvaneLogo>},
    {"frmStationID", Shown<frmStationID>},
    {"Outfrm", OutOfStateMain},
    {"Infrm", InStateMain},
    {"Form5", Shown<Form5>},
    {"Form6", Shown<Form6>},
    {"frmCountyChange", Shown<frmCountyChange>},
    {"frmCountyChangeRover", Shown<frmCountyChangeRover>},
    {"frmCountyList", Shown<frmCountyList>},
    {"GraphQSO", Shown<GraphQSO>},
    {"CountyMapPA", Shown<CountyMapPA>},
    {"PacketSpotfrm", Shown<PacketSpotfrm>},
    {"SpectrumMap", Shown<SpectrumMap>},
    {"RigControlfrm", Shown<RigControlfrm>},
    {"frmRigTune", Shown<frmRigTune>},
    {"frmFrequencyTest", Shown<frmFrequencyTest>},
    {"frmBandPlan", Shown<frmBandPlan>},
    {"CWFrm", Shown<CWFrm>},
    {"PhoneFrm", Shown<PhoneFrm>},
    {"BlindFrm", Shown<BlindFrm>},
    {"frmCodePractice", Shown<frmCodePractice>},
    {"frmWinKey", Shown<frmWinKey>},
    {"DECabrilloIn", Shown<DECabrilloIn>},
    {"DEEditInfrm", Shown<DEEditInfrm>},
    {"DEEditOut", Shown<DEEditOut>},
};

struct ScreenSize {
  int width, height;
};
constexpr ScreenSize kScreens[] = {{640, 480}, {1280, 1024}, {1366, 768}, {1920, 1080}, {2560, 1440}};

class FitCheck : public ::testing::TestWithParam<FitWindow> {};

TEST_P(FitCheck, EveryCaptionFitsItsControlAtEveryScreenSize) {
  for (const ScreenSize& screen : kScreens) {
    FitBench bench(screen.width, screen.height);
    forms::Form& window = GetParam().open(bench);
    // A second on, so that the clocks show the time instead of their design captions.
    bench.headless().Advance(1000);
    bench.view().Flush();
    ASSERT_NE(bench.view().WindowOf(window), nullptr) << GetParam().name << " is not shown";
    for (const Overflow& overflow : OverflowsOf(window, bench.view()))
      ADD_FAILURE() << GetParam().name << " at " << screen.width << " x " << screen.height << ": " << Describe(overflow);
  }
}

TEST_P(FitCheck, NoCaptionOrLineIsHiddenUnderAnotherControl) {
  FitBench bench(1920, 1080);
  forms::Form& window = GetParam().open(bench);
  bench.headless().Advance(1000);
  bench.view().Flush();
  ASSERT_NE(bench.view().WindowOf(window), nullptr) << GetParam().name << " is not shown";
  for (const std::string& hidden : HiddenControlsOf(window, bench.view()))
    ADD_FAILURE() << GetParam().name << ": " << hidden;
}

INSTANTIATE_TEST_SUITE_P(Windows, FitCheck, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<FitWindow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ks::testing
