// The recent-contacts list's commands of both main windows (the "All" / "Last 20" switch,
// Edit, Delete, the sort, the copy to the clipboard, "&List Previous Contacts"), the serial
// label's macro, "&Clear" and the partial-duplicate switch.
#include "entry/entry_state.h"
#include "entry/recent_contacts.h"
#include "keying/keyer_services.h"
#include "keying/keying_state.h"
#include "logstore/log_store.h"
#include "mainwin/main_window.h"
#include "mainwin/main_window_state.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "station/station_settings.h"

namespace ks {

void MainWindow::WireRecentContacts() {
  cmdList.Click = [this] { cmdList_Click(); };
  cmdEdit.Click = [this] { cmdEdit_Click(); };
  cmdDelete.Click = [this] { cmdDelete_Click(); };
  ListView1.Click = [this] { ListView1_Click(); };
  ListView1.LostFocus = [this] { ListView1_LostFocus(); };
  ListView1.MouseUp = [this](int button, int shift, float x, float y) { ListView1_MouseUp(button, shift, x, y); };
  ListView1.ColumnClick = [this](int column) { ListView1_ColumnClick(column); };
  mnuCopyListtoClipboard.Click = [this] { mnuCopyListtoClipboard_Click(); };
  mnuListPrevious.Click = [this] { mnuListPrevious_Click(); };
  cmdDup.Click = [this] { cmdDup_Click(); };
  Label1.Change = [this] { Label1_Change(); };
  mnuClear.Click = [this] { mnuClear_Click(); };
}

void MainWindow::ShowEditButtons(bool visible) {
  cmdEdit.SetVisible(visible);
  cmdDelete.SetVisible(visible);
}

void MainWindow::cmdList_Click() {
  EntryState& entry = App().State<EntryState>();
  if (entry.ListAllContacts != 0) {
    cmdList.SetCaption("Last 20");
    entry.ListAllContacts = 0;
  } else {
    cmdList.SetCaption("All");
    entry.ListAllContacts = 1;
  }
  ListRecentContacts();
  txtCall.SetFocus();
}

// Edit opens the window's editor on the selected row's record, then writes the whole log
// and reloads it, however the editor was left. The operator then types the next call: the
// focus goes to the call box, never to the button that has just been hidden.
void MainWindow::cmdEdit_Click() {
  const long number = RecordNumberOfRow(ListView1, ListView1.SelectedIndex());
  if (number == 0) return;
  App().State<EntryState>().EditIndex = static_cast<float>(number);
  ShowContactEditor();
  ShowEditButtons(false);
  RewriteLogFile(App());
  ReloadLog();
  txtCall.SetFocus();
}

// Whatever the answer, the focus goes back to the call box for the next call.
void MainWindow::cmdDelete_Click() {
  const long number = RecordNumberOfRow(ListView1, ListView1.SelectedIndex());
  if (number == 0) return;
  const int answer = App().MsgBox("Are you sure?", vb::vbYesNo, "Are you sure?");
  ShowEditButtons(false);
  if (answer == vb::vbYes) {
    DeleteLogRecord(App(), number);
    ReloadLog();
    ShowEditButtons(false);
  }
  txtCall.SetFocus();
}

void MainWindow::ListView1_Click() {
  if (ListView1.ItemCount() > 0) ShowEditButtons(true);
}

void MainWindow::ListView1_LostFocus() {
  if (ListView1.ItemCount() > 0) ShowEditButtons(true);
}

void MainWindow::ListView1_MouseUp(int button, int, float, float) {
  if (button == forms::kRightButton && ListView1.ItemCount() > 0) cmdEdit_Click();
}

void MainWindow::ListView1_ColumnClick(int column) { SortRecentContacts(ListView1, column); }

void MainWindow::mnuCopyListtoClipboard_Click() {
  forms::Services& dialogs = App().Dialogs();
  dialogs.SetClipboardText("");
  dialogs.SetClipboardText(RecentContactsCopyText(ListView1));
}

void MainWindow::mnuListPrevious_Click() {
  StationSettings& settings = App().State<StationSettings>();
  const bool checked = !mnuListPrevious.Checked();
  mnuListPrevious.SetChecked(checked);
  settings.ListPrevious = checked ? 1 : 0;
  WritePrefFile(App());
}

void MainWindow::cmdDup_Click() {
  int& display = App().State<MainWindowState>().PartialDupeDisplay;
  lblDupe.SetBackColor(forms::colors::kButtonFace);
  if (display == 1) {
    display = 0;
    cmdDup.SetCaption("Off");
  } else {
    display = 1;
    cmdDup.SetCaption("On");
  }
  txtCall.SetFocus();
}

void MainWindow::Label1_Change() { App().State<KeyingState>().MacroSerial = SerialMacroText(Label1.Caption()); }

void MainWindow::mnuClear_Click() { ClearEntryFields(); }

}  // namespace ks
