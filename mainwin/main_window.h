#pragma once
// What the twin main windows share: the load, the layout and screen fitting, the clocks and
// operating time, the form-size commands, band and mode selection, the keyboard, the
// log-file commands and the tool-window menus. Outfrm and Infrm derive from it and keep
// what differs between them (hooks below) in their own classes.
//
// Where each area's members are defined:
//   mainwin/main_window.cpp         construction and the wiring of the events of this file
//   mainwin/main_window_load.cpp    the load and the question about the existing log
//   mainwin/layout.cpp              the shared design and the fitting to the screen
//   mainwin/form_size.cpp           form size, full-size layout, list heights, Appearance
//   mainwin/clocks.cpp              clocks, Log "Time On" / "Time Off", operating time
//   mainwin/band_mode.cpp           band and mode selection
//   mainwin/key_dispatch.cpp        keyboard dispatch
//   mainwin/file_commands.cpp       New, Archive, Restore, Exit and the close of the window
//   mainwin/menu_commands.cpp       the menu items that open tool windows
//   mainwin/entry_services.cpp      least forms of the in-state window's entry services
//   mainwin/message_notices.cpp     the notices in the message label
//   entry/main_window_list.cpp      the recent-contacts list's commands, the serial macro,
//                                   Clear and the partial-duplicate switch (both windows)
//   entry/outfrm_*.cpp              the out-of-state window's entry, checks and scoring
//   spots/main_window_dx_area.cpp   the DX area: spot list, band map and its layout
#include <array>
#include <functional>
#include <string>

#include "keying/entry_window_link.h"
#include "mainwin/main_window_controls.h"

namespace ks {

struct LogRecord;

class MainWindow : public MainWindowControls, public EntryWindowLink {
 public:
  MainWindow(forms::Application& app, std::string name, MainWindowKind kind);

  // ---- Load (main_window_load.cpp) ----
  void Form_Load() override;

  // ---- Form size and full-size layout (form_size.cpp) ----
  void ApplyFormSize();
  void ApplyFullSizeLayout();
  // Stretches the multiplier lists down to Line3.
  virtual void FitCountyListHeights();
  void mnuFormSize_Click();
  void mnuTaskbar_Click();
  void Form_Activate() override;
  // The mouse moved over the window's own background (not over a control).
  void Form_MouseMove(int button, int shift, float x, float y) override;

  // ---- Clocks and operating time (clocks.cpp) ----
  void Timer2_Timer();
  void cmdLogOn_Click();
  void ShowOperatingTime();

  // ---- Band and mode selection (band_mode.cpp) ----
  void mnuBand160Ch_Click();
  void mnuBand80Ch_Click();
  void mnuBand40Ch_Click();
  void mnuBand20Ch_Click();
  void mnuBand15Ch_Click();
  void mnuBand10Ch_Click();
  void mnuBand6Ch_Click();
  void mnu160_Click();
  void mnuSSB_Click();
  void mnuDigital_Click();
  void mnuPSK_Click();
  void BandFreqConversion(float& frequencyValue);
  void ModeSelection(std::string& strMode);

  // ---- Keyboard dispatch (key_dispatch.cpp) ----
  void Form_KeyDown(int& KeyCode, int Shift) override;
  void Form_KeyPress(int& KeyAscii) override;

  // ---- Log-file commands and shut-down (file_commands.cpp) ----
  void Form_QueryUnload(int& Cancel, forms::UnloadMode mode) override;
  void Form_Unload(int& Cancel) override;

  // ---- DX area (spots/main_window_dx_area*.cpp) ----
  void PacketResize();
  void BandMapSpots(std::string& qDXSpotCall, std::string& qDXSpotFreq, std::string& qDXSpotRecord);
  void DisplayBandMapLabels();
  void txtDX_Click();
  void txtDX_DblClick();
  void lblDX_Click();
  void lblDX_DblClick();
  void lblDXSpot_MouseDown(int Index, int Button);
  void lblDXSpot_MouseMove(int Index);

  // ---- Contact entry and scoring: each window has its own ----
  void Mains() override = 0;
  // What the keyers use of the window.
  forms::TextBox& CallBox() override { return txtCall; }
  forms::Label& DialogLabel() override { return lblDialog; }
  virtual void ReloadLog() = 0;
  // The QSO rates of the last 60 and 20 minutes; the same in both windows
  // (entry/main_window_rates.cpp).
  void UpdateQSORates();
  virtual void ListRecentContacts() = 0;
  // Empties the entry line (mainwin/clear_entry_fields.cpp).
  void ClearEntryFields();

  // ---- Recent-contacts list, both windows (entry/main_window_list.cpp) ----
  // Public: the contact editors' "Delete Dupe" button calls it.
  void cmdDelete_Click();

  // ---- The notices in the message label (mainwin/message_notices.cpp) ----
  // Shows the newest notice of any source after the label's message (startup/notices.h).
  void ShowNotices();

 protected:
  // ---- Hooks: where the two windows differ in the load ----
  // The message label's starting hint.
  virtual std::string StartingHint() const = 0;
  // The columns of the recent-contacts list (and, in the in-state window, the rover's
  // column or the greyed "Cha&nge County").
  virtual void AddRecentContactColumns() = 0;
  // Steps of the load that only the in-state window has (check mark, section table).
  virtual void LoadSectionTable() {}
  // The own exchange and the own call in the bottom row.
  virtual void ShowOwnStation() = 0;

  // ---- Load steps (main_window_load.cpp) ----
  void AskContinueLog();
  void ShowStoredMode();
  void ShowStoredBand();
  void LoadCountyTableOrTell();
  void StartRigPolling();

  // ---- Layout (layout.cpp) ----
  void DesignSharedControls();
  // The score block's captions and value labels, one row every `pitch` twips.
  void DesignScoreBlock(const std::array<const char*, 7>& captions, float first_top, float pitch);
  // Fits the window and its controls from the 9600 x 7200 design to the screen.
  void FitToScreen();
  void AddSpotListColumns();
  // Adds a list-view column whose width is the window's width / 9600 x the design width.
  void AddScaledColumn(forms::ListView& list, const char* header, float design_width,
                       forms::Alignment alignment = forms::Alignment::Left);

  // ---- Clocks (clocks.cpp) ----
  static std::string OperatingTimeText(float seconds);

  // ---- Band and mode (band_mode.cpp) ----
  void mnuBand2Ch_Click();
  void Label24_Click();
  void Label30_Click();
  void RefreshAfterBandChange();
  // The command of one band or mode item (index into kBandCodes / kModeCodes).
  void RunBandCommand(int band_index);
  void RunModeCommand(int mode_index);

  // ---- Log-file commands (file_commands.cpp) ----
  void mnuNew_Click();
  void mnuArchive_Click();
  void mnuRestore_Click();
  void mnuExit_Click();
  // The window is finally discarded at the end of a close.
  void Form_Terminate();

  // ---- Menus that open tool windows (menu_commands.cpp) ----
  void mnuWriteSumm_Click();
  void mnuexportADIF_Click();
  void mnuCW_Click();
  void mnuVoice_Click();
  void mnuRigInterface_Click();
  void mnuDXSpotting_Click();
  void mnuSpectrumMap_Click();
  void mnuBlind_Click();
  void mnuPrivileges_Click();
  void mnuMap_Click();
  void mnuGraph_Click();
  void mnuCountyList_Click();
  void mnuHelp_Click();

  // ---- DX area (spots/main_window_dx_area.cpp) ----
  void SetBandMapScale();
  void RedrawBandMap();

  // ---- Contact entry and scoring: the QSO-rate timer ----
  void Timer1_Timer();

  // ---- Recent-contacts list and entry commands, both windows (entry/main_window_list.cpp) ----
  void cmdList_Click();
  void cmdEdit_Click();
  void ListView1_Click();
  void ListView1_LostFocus();
  void ListView1_MouseUp(int button, int shift, float x, float y);
  void ListView1_ColumnClick(int column);
  void mnuCopyListtoClipboard_Click();
  void mnuListPrevious_Click();
  void cmdDup_Click();
  void Label1_Change();
  void mnuClear_Click();
  // Shows this window's contact editor modally on record EditIndex and unloads it after.
  virtual void ShowContactEditor() = 0;
  // Shows or hides "Edit Contact" and "Delete Contact".
  void ShowEditButtons(bool visible);

  // ---- Entry line, both windows alike (entry/main_window_entry.cpp) ----
  void txtPts_GotFocus();
  void txtPts_KeyPress(int& KeyAscii);
  // Space moves to the next box as Tab does; Enter logs the contact.
  void TabOnSpaceLogOnEnter(int& KeyAscii);
  // Plays a field's spoken prompt at voice navigation level `from_level` and above.
  void PlayFieldPrompt(const char* name, int from_level);
  void mnuRecall_Click();
  // Checks and rewrites the post-contest date and time boxes; false (told) when one is unreadable.
  bool CheckPostContestEntry();
  void mnuPostContest_Click();
  void txtPostConDate_GotFocus();
  void txtPostConTime_GotFocus();
  void PostContestKeyPress(int& KeyAscii, char separator);
  void CheckCountyValid();
  // A county-line station logged again with the same call and serial keeps its sent serial.
  void TakeSerialOfSameStation();
  // The duplicate messages: red message label, partial list emptied.
  void ShowDupeMessage(const std::string& text);
  // The contact on the entry line as both windows store it: call, serials, county, points,
  // the band, mode and polled frequency in use, and the date and time (the post-contest
  // boxes when they show, else one read of the clock). Each window adds what only it keeps.
  LogRecord EntryLineRecord();
  // The partial-duplicate list of the call box's text and `key` in the duplicate label, and
  // the hints of the dialog label; `listed` narrows the logged contacts that may be listed
  // (all when empty).
  void ShowPartialDupeList(int key, const std::function<bool(const LogRecord&)>& listed = {});
  // Clears the dialog and duplicate messages and stores the contact (StoreContact); false
  // when log.txt could not be written.
  bool StoreEntryLineContact(const LogRecord& record);
  // Whether call, serial, exchange and county are all empty: Enter has nothing to log.
  bool EntryLineEmpty() const;
  // One entry of the line at a time. While a contact is checked and stored, the keys typed
  // meanwhile wait for the cleared line, and an entry asked for meanwhile (a "!" of a Morse
  // message sent while the events run) does not start: this line is being entered already.
  class LineEntry {
   public:
    explicit LineEntry(MainWindow& window);
    ~LineEntry() { ChecksDone(); }
    LineEntry(const LineEntry&) = delete;
    LineEntry& operator=(const LineEntry&) = delete;
    // False when another entry is under way; the caller then does nothing.
    bool Began() const { return began_; }
    // The line is stored or refused and cleared: entries may start again (a rover's county
    // line enters the contact once more for each county), while the keys still wait.
    void ChecksDone();

   private:
    forms::KeyHold hold_;
    bool& under_way_;
    bool began_;
  };

  // Each area connects its own controls' events; called once by the constructor.
  void WireLoadAndLayout();
  void WireClocks();
  void WireBandAndMode();
  void WireKeyboard();
  void WireFileCommands();
  void WireMenuCommands();
  void WireDXArea();
  void WireRecentContacts();
  void WireSharedEntry();
  void WireNotices();

  // ---- Keyboard dispatch (key_dispatch.cpp) ----
  // Opens the tool window of a Ctrl hot key; false for a key that has none.
  bool OpenHotKeyWindow(int KeyCode);
  // Any key stops a repeating F1 message.
  void StopRepeats();
  // The function and arrow keys of the current mode.
  void KeyByMode(int& KeyCode);
  void SwitchKeyboardCW();

  // Set by a key pressed with Ctrl alone; the next character is then dropped.
  int SkipNextKeyPress = 0;
  // Whether Enter in the focused box would log the entry line.
  bool FocusInEntryLine() const;

 private:
  void lblDialog_Change();

  bool line_entry_under_way_ = false;
  std::string shown_notices_;  // the notice shown after lblDialog's message, empty when none
};

}  // namespace ks
