// The fit check: every window of the program, loaded and fitted as the program does it at
// five screen sizes, shows every caption whole: no label, button, option button, check box,
// frame caption or list-view column header whose text needs more room than its control
// gives it in its own font.
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "keying/entry_window_link.h"
#include "keying/windows/BlindFrm.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmCodePractice.h"
#include "keying/windows/frmWinKey.h"
#include "logstore/log_file_format.h"
#include "logstore/log_store.h"
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
#include "startup/file_reports.h"
#include "startup/notices.h"
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
#include "tests/qt_fit/placement_check.h"
#include "tests/support/files.h"

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

// A main window with what it shows on demand: post-contest mode on and the Edit and Delete
// buttons shown (a contact of the log selected).
template <forms::Form& (*Open)(FitBench&)>
forms::Form& WithEntryExtrasShown(FitBench& bench) {
  LogRecord contact;
  contact.LogCall = "K3XYZ";
  contact.LogCounty = "York";
  contact.LogSerialSent = "001";
  contact.LogSerialReceived = "42";
  contact.LogDate = "2026/10/10";
  contact.LogTime = "16:00:00";
  contact.LogMode = "CW";
  contact.LogBand = "20";
  contact.LogPoints = 1;
  WriteBytes(bench.work() / "log.txt", FormatLogLine(contact));
  auto& window = static_cast<MainWindow&>(Open(bench));
  window.mnuPostContest.ChooseBy();
  window.ListView1.ClickItemBy(1);
  return window;
}

// That, with the DX area open below the rest of the window, which is squeezed to make room:
// the spot list or the band map, as the spotting window's Done opens it.
template <forms::Form& (*Open)(FitBench&), bool kList>
forms::Form& WithDXAreaShown(FitBench& bench) {
  auto& window = static_cast<MainWindow&>(WithEntryExtrasShown<Open>(bench));
  PacketSpotfrm& spots = bench.app().Get<PacketSpotfrm>();
  spots.List1.SetListIndex(2);  // "Telnet"
  (kList ? spots.OptList : spots.OptBand).SetValue(true);
  window.PacketResize();
  window.Show();
  return window;
}

// A main window with the rig's notice after a message of the entry line: after the starting
// hint; after the warning of a partial duplicate with the label shortened for post-contest
// entry; after the longest warning of a duplicate (a rover's, with a long call) in the plain
// entry layout.
template <forms::Form& (*Open)(FitBench&)>
forms::Form& WithRigNoticeAfterHint(FitBench& bench) {
  auto& window = static_cast<MainWindow&>(Open(bench));
  bench.app().State<Notices>().Set(kRigNoticeSource, RigControlfrm::kSilenceNotice);
  return window;
}

template <forms::Form& (*Open)(FitBench&)>
forms::Form& WithRigNoticeInPostContestEntry(FitBench& bench) {
  auto& window = static_cast<MainWindow&>(WithEntryExtrasShown<Open>(bench));
  window.lblDialog.SetCaption("Possible Duplicate!");
  bench.app().State<Notices>().Set(kRigNoticeSource, RigControlfrm::kSilenceNotice);
  return window;
}

template <forms::Form& (*Open)(FitBench&)>
forms::Form& WithRigNoticeAfterDuplicate(FitBench& bench) {
  auto& window = static_cast<MainWindow&>(Open(bench));
  window.lblDialog.SetCaption("Dupe if not rover!  KP4/W3XYZ  10/12  15:00:00   Rec#  1234");
  bench.app().State<Notices>().Set(kRigNoticeSource, RigControlfrm::kSilenceNotice);
  return window;
}

// A main window with the longest notices of the log's (unread, and contacts held in memory
// only), of the settings file's (the rig's are checked above) and of the keyers' after a
// message of the entry line: in the plain entry layout after the longest warning of a
// duplicate, in the post-contest layout after the warning of a partial duplicate.
const struct {
  const char* source;
  std::string text;
} kFileNotices[] = {{kLogNoticeSource, kLogUnreadNotice},
                    {kPrefFileName, SettingsNotSavedNotice(kPrefFileName)},
                    {kLogNoticeSource, LogBehindNotice(99999)},
                    {kCWNoticeSource, CWFrm::kSpeedNotice},
                    {kVoiceNoticeSource, PhoneFrm::kNotPlayedNotice}};

template <forms::Form& (*Open)(FitBench&), int kNotice>
forms::Form& WithFileNoticeAfterDuplicate(FitBench& bench) {
  auto& window = static_cast<MainWindow&>(Open(bench));
  window.lblDialog.SetCaption("Dupe if not rover!  KP4/W3XYZ  10/12  15:00:00   Rec#  1234");
  bench.app().State<Notices>().Set(kFileNotices[kNotice].source, kFileNotices[kNotice].text);
  return window;
}

template <forms::Form& (*Open)(FitBench&), int kNotice>
forms::Form& WithFileNoticeInPostContestEntry(FitBench& bench) {
  auto& window = static_cast<MainWindow&>(WithEntryExtrasShown<Open>(bench));
  window.lblDialog.SetCaption("Possible Duplicate!");
  bench.app().State<Notices>().Set(kFileNotices[kNotice].source, kFileNotices[kNotice].text);
  return window;
}

// The tune window once its scan stopped by itself, with the longer of its notices.
forms::Form& TuneWithScanStopped(FitBench& bench) {
  frmRigTune& window = bench.app().Get<frmRigTune>();
  window.Show();
  const std::string port = frmRigTune::kPortErrorNotice, polled = frmRigTune::kNotPolledNotice;
  window.lblNotice.SetCaption(port.size() >= polled.size() ? port : polled);
  return window;
}

// The keyer windows with a message's stop in their notice label, as Test shows it: a
// keying or push-to-talk line that cannot be raised, a message of usual length, a file in
// the working folder.
template <typename Keyer>
forms::Form& KeyerWithNotice(FitBench& bench) {
  Keyer& window = bench.app().Get<Keyer>();
  window.Show();
  const std::string line = "the RTS line of port 3 cannot be raised: the port has no modem-control lines";
  if constexpr (std::is_same_v<Keyer, CWFrm>) {
    window.lblNotice.SetCaption("CW stopped, nothing keyed: " + line + ". Not sent: \"CQ PA K3ABC K3ABC TEST\"");
  } else {
    window.lblNotice.SetCaption("F1 voice message (CQ PA.wav) not played, push-to-talk cannot be keyed: " + line + ".");
  }
  return window;
}

// The frequency-command test window after a frequency that did not reach the radio.
forms::Form& FrequencyTestWithNotice(FitBench& bench) {
  frmFrequencyTest& window = bench.app().Get<frmFrequencyTest>();
  window.Show();
  window.lblNotice.SetCaption("Error Changing Frequency");
  return window;
}

// Every window of the program. A window joins the fit check with one line here:
//   {"Name", Shown<Name>},            for a window that is loaded and shown, or
//   {"Name", OpenName},               a function (FitBench&) -> forms::Form& above that sets
//                                     up what the window's load needs and returns it shown.
const FitWindow kWindows[] = {
    {"frmCorvaneLogo", Shown<frmCorvaneLogo>},
    {"frmStationID", Shown<frmStationID>},
    {"Outfrm", OutOfStateMain},
    {"Infrm", InStateMain},
    {"OutfrmWithEntryExtras", WithEntryExtrasShown<OutOfStateMain>},
    {"InfrmWithEntryExtras", WithEntryExtrasShown<InStateMain>},
    {"OutfrmWithSpotList", WithDXAreaShown<OutOfStateMain, true>},
    {"InfrmWithSpotList", WithDXAreaShown<InStateMain, true>},
    {"OutfrmWithBandMap", WithDXAreaShown<OutOfStateMain, false>},
    {"InfrmWithBandMap", WithDXAreaShown<InStateMain, false>},
    {"OutfrmWithRigNoticeAfterHint", WithRigNoticeAfterHint<OutOfStateMain>},
    {"InfrmWithRigNoticeAfterHint", WithRigNoticeAfterHint<InStateMain>},
    {"OutfrmWithRigNoticeInPostContestEntry", WithRigNoticeInPostContestEntry<OutOfStateMain>},
    {"InfrmWithRigNoticeInPostContestEntry", WithRigNoticeInPostContestEntry<InStateMain>},
    {"OutfrmWithRigNoticeAfterDuplicate", WithRigNoticeAfterDuplicate<OutOfStateMain>},
    {"InfrmWithRigNoticeAfterDuplicate", WithRigNoticeAfterDuplicate<InStateMain>},
    {"OutfrmWithLogUnreadAfterDuplicate", WithFileNoticeAfterDuplicate<OutOfStateMain, 0>},
    {"InfrmWithLogUnreadAfterDuplicate", WithFileNoticeAfterDuplicate<InStateMain, 0>},
    {"OutfrmWithSettingsUnsavedAfterDuplicate", WithFileNoticeAfterDuplicate<OutOfStateMain, 1>},
    {"InfrmWithSettingsUnsavedAfterDuplicate", WithFileNoticeAfterDuplicate<InStateMain, 1>},
    {"OutfrmWithCWNoticeAfterDuplicate", WithFileNoticeAfterDuplicate<OutOfStateMain, 3>},
    {"InfrmWithCWNoticeAfterDuplicate", WithFileNoticeAfterDuplicate<InStateMain, 3>},
    {"OutfrmWithVoiceNoticeAfterDuplicate", WithFileNoticeAfterDuplicate<OutOfStateMain, 4>},
    {"InfrmWithVoiceNoticeAfterDuplicate", WithFileNoticeAfterDuplicate<InStateMain, 4>},
    {"OutfrmWithLogUnreadInPostContestEntry", WithFileNoticeInPostContestEntry<OutOfStateMain, 0>},
    {"InfrmWithLogUnreadInPostContestEntry", WithFileNoticeInPostContestEntry<InStateMain, 0>},
    {"OutfrmWithSettingsUnsavedInPostContestEntry", WithFileNoticeInPostContestEntry<OutOfStateMain, 1>},
    {"InfrmWithSettingsUnsavedInPostContestEntry", WithFileNoticeInPostContestEntry<InStateMain, 1>},
    {"OutfrmWithContactsInMemoryAfterDuplicate", WithFileNoticeAfterDuplicate<OutOfStateMain, 2>},
    {"InfrmWithContactsInMemoryAfterDuplicate", WithFileNoticeAfterDuplicate<InStateMain, 2>},
    {"OutfrmWithContactsInMemoryInPostContestEntry", WithFileNoticeInPostContestEntry<OutOfStateMain, 2>},
    {"InfrmWithContactsInMemoryInPostContestEntry", WithFileNoticeInPostContestEntry<InStateMain, 2>},
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
    {"frmRigTuneWithScanStopped", TuneWithScanStopped},
    {"frmFrequencyTest", Shown<frmFrequencyTest>},
    {"frmFrequencyTestWithNotice", FrequencyTestWithNotice},
    {"frmBandPlan", Shown<frmBandPlan>},
    {"CWFrm", Shown<CWFrm>},
    {"CWFrmWithNotice", KeyerWithNotice<CWFrm>},
    {"PhoneFrm", Shown<PhoneFrm>},
    {"PhoneFrmWithNotice", KeyerWithNotice<PhoneFrm>},
    {"BlindFrm", Shown<BlindFrm>},
    {"frmCodePractice", Shown<frmCodePractice>},
    {"frmWinKey", Shown<frmWinKey>},
    {"DECabrilloIn", Shown<DECabrilloIn>},
    {"DEEditInfrm", Shown<DEEditInfrm>},
    {"DEEditOut", Shown<DEEditOut>},
};

class FitCheck : public ::testing::TestWithParam<FitWindow> {
 protected:
  // The window opened on `bench` as the program opens it, a second on, so that the clocks
  // show the time instead of their design captions; null (and a failure) when not shown.
  forms::Form* Opened(FitBench& bench) {
    forms::Form& window = GetParam().open(bench);
    bench.headless().Advance(1000);
    bench.view().Flush();
    if (bench.view().WindowOf(window) != nullptr) return &window;
    ADD_FAILURE() << GetParam().name << " is not shown";
    return nullptr;
  }
  // Runs `check` on the window at each screen size, with "Name at W x H" to report by.
  template <typename Check>
  void AtEveryScreenSize(const Check& check) {
    for (const FitScreen& screen : kFitScreens) {
      FitBench bench(screen.width, screen.height);
      if (forms::Form* window = Opened(bench))
        check(*window, bench.view(),
              std::string(GetParam().name) + " at " + std::to_string(screen.width) + " x " +
                  std::to_string(screen.height));
    }
  }
};

TEST_P(FitCheck, EveryCaptionFitsItsControlAtEveryScreenSize) {
  AtEveryScreenSize([](forms::Form& window, qt::QtView& view, const std::string& where) {
    for (const Overflow& overflow : OverflowsOf(window, view)) ADD_FAILURE() << where << ": " << Describe(overflow);
  });
}

TEST_P(FitCheck, EveryWindowStandsWholeInTheAvailableAreaAtEveryScreenSize) {
  AtEveryScreenSize([](forms::Form& window, qt::QtView& view, const std::string& where) {
    for (const std::string& fault : PlacementFaultsOf(window, view)) ADD_FAILURE() << where << ": " << fault;
  });
}

TEST_P(FitCheck, NoCaptionOrLineIsHiddenUnderAnotherControl) {
  FitBench bench(1920, 1080);
  if (forms::Form* window = Opened(bench))
    for (const std::string& hidden : HiddenControlsOf(*window, bench.view()))
      ADD_FAILURE() << GetParam().name << ": " << hidden;
}

INSTANTIATE_TEST_SUITE_P(Windows, FitCheck, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<FitWindow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ks::testing
