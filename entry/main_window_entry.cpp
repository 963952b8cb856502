// What the entry lines of both main windows do alike: the points box, the field prompts,
// Recall, the post-contest date and time boxes, the county check, the sent serial of a
// county-line station logged again, and the duplicate message's colours.
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>

#include "entry/contact_clock.h"
#include "entry/duplicate_checks.h"
#include "entry/entry_line_rules.h"
#include "entry/entry_state.h"
#include "entry/store_contact.h"
#include "keying/keyer_services.h"
#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "mainwin/main_window_state.h"
#include "mainwin/main_window.h"
#include "mainwin/message_colors.h"
#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/vb/constants.h"
#include "platform/vb/format.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr int kEnter = 13;
constexpr int kSpace = 32;

}  // namespace

void MainWindow::WireSharedEntry() {
  txtPts.KeyPress = [this](int& key) { txtPts_KeyPress(key); };
  txtPts.GotFocus = [this] { txtPts_GotFocus(); };
  txtPostConTime.KeyPress = [this](int& key) { PostContestKeyPress(key, ':'); };
  txtPostConTime.GotFocus = [this] { txtPostConTime_GotFocus(); };
  txtPostConDate.KeyPress = [this](int& key) { PostContestKeyPress(key, '/'); };
  txtPostConDate.GotFocus = [this] { txtPostConDate_GotFocus(); };
  mnuPostContest.Click = [this] { mnuPostContest_Click(); };
  mnuRecall.Click = [this] { mnuRecall_Click(); };
}

void MainWindow::PlayFieldPrompt(const char* name, int from_level) {
  if (App().State<StationSettings>().VoiceNavLevel >= from_level) Keyers(App()).BlindKeyPhone(name);
}

void MainWindow::txtPts_GotFocus() {
  SelectAllText(txtPts);
  PlayFieldPrompt("Points", 2);
}

// Space moves to the next box as Tab does; Enter logs the contact.
void MainWindow::TabOnSpaceLogOnEnter(int& KeyAscii) {
  if (KeyAscii == kSpace) {
    KeyAscii = 0;
    App().SendTab();
  } else if (KeyAscii == kEnter) {
    KeyAscii = 0;
    Mains();
  }
}

void MainWindow::txtPts_KeyPress(int& KeyAscii) {
  TabOnSpaceLogOnEnter(KeyAscii);
  if (KeyAscii != vb::vbKeyBack && (KeyAscii < '.' || KeyAscii > '9')) KeyAscii = 0;
}

void MainWindow::mnuRecall_Click() {
  const LogStore& store = App().State<LogStore>();
  if (store.QSOCount < 1 || static_cast<std::size_t>(store.QSOCount) >= store.Records.size()) return;
  const LogRecord& last = store.Records[static_cast<std::size_t>(store.QSOCount)];
  txtCall.SetText(last.LogCall);
  txtSec.SetFocus();
  SelectAllText(txtSec);
  if (vb::IsNumeric(last.LogSerialReceived)) txtRSTR.SetText(last.LogSerialReceived);
}

bool MainWindow::CheckPostContestEntry() {
  const std::optional<std::string> date = PostContestDate(txtPostConDate.Text());
  if (!date) {
    lblDialog.SetCaption("Invalid date format!");
    App().Beep();
    return false;
  }
  txtPostConDate.SetText(*date);
  const std::optional<std::string> time = PostContestTime(txtPostConTime.Text());
  if (!time) {
    lblDialog.SetCaption("Invalid time format!");
    App().Beep();
    return false;
  }
  txtPostConTime.SetText(*time);
  return true;
}

// The focus in a box that is being hidden goes to the call box, where the next call is typed.
void MainWindow::mnuPostContest_Click() {
  const bool shown = !mnuPostContest.Checked();
  const bool focus_in_boxes = txtPostConTime.HasFocus() || txtPostConDate.HasFocus();
  mnuPostContest.SetChecked(shown);
  for (forms::Control* c : std::initializer_list<forms::Control*>{&lblPostConTime, &txtPostConTime, &lblPostConDate,
                                                                   &txtPostConDate})
    c->SetVisible(shown);
  // The message label ends above the row while it is shown, so that nothing of the row
  // stands under it, and reaches down to the row's foot again once it is hidden.
  const float row_top = lblPostConTime.Top();
  lblDialog.SetHeight(std::max(0.0f, (shown ? row_top : row_top + lblPostConTime.Height()) - lblDialog.Top()));
  if (!shown && focus_in_boxes) txtCall.SetFocus();
}

void MainWindow::txtPostConDate_GotFocus() {
  if (txtPostConDate.Text().empty()) {
    const io::CivilTime now = App().Clock().LocalNow();
    txtPostConDate.SetText(vb::Format(vb::DateTime{now.year, now.month, now.day, 0, 0, 0}, "yyyy/mm/dd"));
    SelectAllText(txtPostConDate);
  }
}

void MainWindow::txtPostConTime_GotFocus() { SelectAllText(txtPostConTime); }

// Space moves on, Enter logs; otherwise only digits, Backspace and the box's separator.
void MainWindow::PostContestKeyPress(int& KeyAscii, char separator) {
  TabOnSpaceLogOnEnter(KeyAscii);
  const bool allowed = KeyAscii == 8 || (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == separator;
  if (!allowed) KeyAscii = 0;
}

void MainWindow::CheckCountyValid() {
  int& flag = App().State<RunState>().InvalidCountyFlag;
  flag = IsCountyName(App().State<CountyTable>(), txtSec.Text()) ? 0 : 1;
  if (flag == 0) return;
  App().Beep();
  lblDialog.SetCaption(txtSec.Text() + " is not a valid county!");
  txtSec.SetFocus();
}

// A county-line station logged again with the same serial gets the same sent serial.
void MainWindow::TakeSerialOfSameStation() {
  const LogStore& store = App().State<LogStore>();
  if (store.QSOCount < 1 || static_cast<std::size_t>(store.QSOCount) >= store.Records.size()) return;
  const LogRecord& last = store.Records[static_cast<std::size_t>(store.QSOCount)];
  if (vb::EqualsNoCase(last.LogSerialReceived, txtRSTR.Text()) && vb::EqualsNoCase(last.LogCall, txtCall.Text()))
    Label1.SetCaption(last.LogSerialSent);
}

void MainWindow::ShowDupeMessage(const std::string& text) {
  lblDialog.SetCaption(text);
  lblDialog.SetBackColor(kDialogAlertColor);
  lblDupe.SetBackColor(forms::colors::kButtonFace);
}

LogRecord MainWindow::EntryLineRecord() {
  forms::Application& app = App();
  const StationSettings& settings = app.State<StationSettings>();
  const long n = app.State<LogStore>().QSOCount + 1;
  const ContactStamp stamp = StampOf(StationUtcNow(app));
  const bool post_contest = txtPostConDate.Visible();
  LogRecord r;
  r.LogSerialSent = vb::IsNumeric(Label1.Caption()) ? Label1.Caption() : std::to_string(n);
  r.LogCall = txtCall.Text();
  r.LogSerialReceived = txtRSTR.Text();
  r.LogCounty = txtSec.Text();
  r.LogDate = post_contest ? txtPostConDate.Text() : stamp.date;
  r.LogTime = post_contest ? txtPostConTime.Text() : stamp.time;
  r.LogMode = settings.CurrentMode;
  r.LogBand = settings.CurrentBand;
  r.LogPoints = vb::CDbl(txtPts.Text()).value_or(0);
  r.LogFrequency = app.State<MainWindowState>().NextQSOFrequency;
  return r;
}

bool MainWindow::StoreEntryLineContact(const LogRecord& record) {
  lblDialog.SetBackColor(kDialogNormalColor);
  lblDialog.SetCaption("");
  lblDupe.SetBackColor(forms::colors::kButtonFace);
  lblDupe.SetCaption("");
  return StoreContact(App(), record);
}

bool MainWindow::EntryLineEmpty() const {
  return txtCall.Text().empty() && txtRSTR.Text().empty() && txtCntry.Text().empty() && txtSec.Text().empty();
}

// The boxes whose Enter logs the line.
bool MainWindow::FocusInEntryLine() const {
  const forms::Control* focus = ActiveControl();
  for (const forms::TextBox* box : {&txtCall, &txtRSTR, &txtCntry, &txtSec, &txtPts, &txtPostConTime, &txtPostConDate,
                                    &txtRSTS})
    if (focus == box) return true;
  return false;
}

MainWindow::LineEntry::LineEntry(MainWindow& window)
    : hold_(window.HoldKeys()), under_way_(window.line_entry_under_way_), began_(!under_way_) {
  if (began_) under_way_ = true;
}

void MainWindow::LineEntry::ChecksDone() {
  if (!began_) return;
  began_ = false;
  under_way_ = false;
}

void MainWindow::ShowPartialDupeList(int key, const std::function<bool(const LogRecord&)>& listed) {
  forms::Application& app = App();
  const StationSettings& settings = app.State<StationSettings>();
  lblDialog.SetBackColor(kDialogNormalColor);
  lblDupe.SetBackColor(forms::colors::kButtonFace);
  lblDupe.SetCaption("");
  const std::string& text = txtCall.Text();
  std::string typed = text;
  if (key != 0) typed.push_back(static_cast<char>(key));
  const bool listed_key = key >= '.' && key <= 'Z';
  std::string list;
  if (app.State<MainWindowState>().PartialDupeDisplay == 1 && listed_key) {
    list = PartialDupeList(app.State<LogStore>(), typed, settings.CurrentBand, settings.CurrentMode, listed);
    lblDupe.SetBackColor(list.empty() ? forms::colors::kButtonFace : kDialogNormalColor);
    lblDupe.SetCaption(list);
  }
  if (text.size() > 2 && !list.empty()) {
    lblDialog.SetCaption("Possible Duplicate!");
  } else if (app.State<RunState>().LoggedOn) {
    lblDialog.SetCaption(" ");
  }
  if (typed.size() == 3 && listed_key) {
    if (CallStartHasDigit(typed)) {
      lblDialog.SetCaption(" ");
    } else {
      app.Beep();
      lblDialog.SetCaption("The second or third character is not numeric!");
    }
  }
}

}  // namespace ks
