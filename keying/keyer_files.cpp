#include "keying/keyer_files.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/vb/line_format.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"
#include "startup/file_reports.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

// The toolkit's largest timer interval.
constexpr long kMaxTimerIntervalMs = 65535;

// A value read without a fixed type, as a box shows it.
std::string AsText(const vb::AnyValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<double>(&value)) return vb::CStr(*number);
  if (const auto* truth = std::get_if<bool>(&value)) return vb::CStr(*truth);
  return "";
}

// A value read without a fixed type, as a number: an empty value counts as 0 and a truth
// value as -1 or 0; a text only when it reads as a number.
std::optional<double> AsNumber(const vb::AnyValue& value) {
  if (const auto* number = std::get_if<double>(&value)) return *number;
  if (const auto* text = std::get_if<std::string>(&value)) return vb::CDbl(*text);
  if (const auto* truth = std::get_if<bool>(&value)) return *truth ? -1.0 : 0.0;
  return 0.0;
}

// Seconds as a timer interval in milliseconds, when the timer can take it.
std::optional<int> RepeatIntervalMs(const vb::AnyValue& seconds) {
  const std::optional<double> number = AsNumber(seconds);
  if (!number) return std::nullopt;
  const std::optional<std::int32_t> ms = vb::CLng(*number * 1000);
  if (!ms || *ms < 0 || *ms > kMaxTimerIntervalMs) return std::nullopt;
  return static_cast<int>(*ms);
}

// Chooses the option button that stands for `value`, if any does.
struct Choice {
  double value;
  forms::OptionButton* button;
};
void ChooseByValue(std::optional<double> value, std::initializer_list<Choice> choices) {
  if (!value) return;
  for (const Choice& choice : choices) {
    if (choice.value == *value) {
      choice.button->SetValue(true);
      return;
    }
  }
}

// Reads the next values of `in` into the texts of `boxes`; false at the first that is missing.
bool ReadTexts(vb::LineReader& in, std::initializer_list<forms::TextBox*> boxes) {
  for (forms::TextBox* box : boxes) {
    const std::optional<vb::AnyValue> value = in.ReadAny();
    if (!value) return false;
    box->SetText(AsText(*value));
  }
  return true;
}

// The F1 repeat seconds into their box and the repeat timer; false when missing or unusable.
bool ReadRepeat(vb::LineReader& in, forms::TextBox& seconds_box, forms::Timer& timer) {
  const std::optional<vb::AnyValue> value = in.ReadAny();
  if (!value) return false;
  seconds_box.SetText(AsText(*value));
  const std::optional<int> interval = RepeatIntervalMs(*value);
  if (!interval) return false;
  timer.SetInterval(*interval);
  return true;
}

std::optional<vb::LineReader> OpenWorkingFile(forms::Application& app, const char* name) {
  std::string bytes;
  if (!io::ReadFile(WorkingFile(app, name), bytes, io::kSettingsFileMaxBytes)) return std::nullopt;
  return vb::LineReader(std::move(bytes));
}

}  // namespace

namespace {

// Notes in `report` where the reading of `in` stopped: the file ended, or the last value
// read could not be used.
FileReport& NoteStop(FileReport& report, const vb::LineReader& in, int values) {
  if (in.AtEnd()) {
    report.Add(in.LineNumber(), "the file ends before its " + std::to_string(values) + " values are read.");
  } else {
    report.Add(in.LastValueLine(), "this value cannot be used.");
  }
  return report;
}

}  // namespace

FileReport LoadWaveSettings(forms::Application& app) {
  constexpr int kWaveValues = 13;
  std::string bytes;
  FileReport report = ReadWholeFile(WorkingFile(app, kWaveFileName), bytes, io::kSettingsFileMaxBytes);
  if (!report) return report;
  vb::LineReader in(std::move(bytes));
  PhoneFrm& phone = app.Get<PhoneFrm>();
  if (!ReadTexts(in, {&phone.Text1, &phone.Text2, &phone.Text3, &phone.Text4, &phone.Text5, &phone.Text6,
                      &phone.Text7, &phone.Text8, &phone.Text9, &phone.Text10}))
    return NoteStop(report, in, kWaveValues);
  const std::optional<vb::AnyValue> line = in.ReadAny();
  if (!line) return NoteStop(report, in, kWaveValues);
  for (forms::OptionButton* button : {&phone.Option1, &phone.Option2, &phone.Option3}) button->SetValue(false);
  ChooseByValue(AsNumber(*line), {{0, &phone.Option1}, {1, &phone.Option2}, {2, &phone.Option3}});
  if (!ReadRepeat(in, phone.txtPHLoop, phone.tmrRepeat) || !ReadTexts(in, {&phone.Text11}))
    return NoteStop(report, in, kWaveValues);
  return report;
}

namespace {

// The message of F9 goes out as "VVV DE " when none is stored.
bool ReadF9Message(vb::LineReader& in, forms::TextBox& box) {
  if (!ReadTexts(in, {&box})) return false;
  if (box.Text().empty()) box.SetText("VVV DE ");
  return true;
}

bool ReadKeying(vb::LineReader& in, std::uint8_t& keying) {
  const std::optional<vb::AnyValue> value = in.ReadAny();
  const std::optional<double> number = value ? AsNumber(*value) : std::nullopt;
  const std::optional<std::uint8_t> byte = number ? vb::CByte(*number) : std::nullopt;
  if (byte) keying = *byte;
  return byte.has_value();
}

bool ReadCheckState(vb::LineReader& in, forms::CheckBox& box) {
  const std::optional<vb::AnyValue> value = in.ReadAny();
  const std::optional<double> number = value ? AsNumber(*value) : std::nullopt;
  const std::optional<std::int16_t> state = number ? vb::CInt(*number) : std::nullopt;
  if (!state || *state < 0 || *state > 2) return false;
  box.SetValue(*state);
  return true;
}

}  // namespace

void LoadCWSettings(forms::Application& app) {
  std::optional<vb::LineReader> in = OpenWorkingFile(app, kCWFileName);
  if (!in) return;
  CWFrm& cw = app.Get<CWFrm>();
  std::uint8_t& keying = app.State<KeyingState>().CWKeying;
  const bool whole =
      ReadTexts(*in, {&cw.Text1, &cw.Text2, &cw.Text3, &cw.Text4, &cw.Text5, &cw.Text6, &cw.Text7, &cw.Text8}) &&
      ReadF9Message(*in, cw.Text9) && ReadTexts(*in, {&cw.Text10, &cw.Text11, &cw.Text12, &cw.Text13, &cw.txtSpace}) &&
      ReadKeying(*in, keying) && ReadTexts(*in, {&cw.Text14}) && ReadCheckState(*in, cw.Check1) &&
      ReadRepeat(*in, cw.txtCWLoop, cw.tmrRepeat);
  if (!whole) return;
  for (forms::OptionButton* button : {&cw.Option1, &cw.Option2, &cw.Option3}) button->SetValue(false);
  ChooseByValue(keying, {{kKeyingRTS, &cw.Option1},
                         {kKeyingDTR, &cw.Option2},
                         {kKeyingParallel, &cw.Option3},
                         {kKeyingNone, &cw.Option4},
                         {kKeyingWinKeyer, &cw.Option5}});
}

namespace {

void AddText(std::string& out, const std::string& text) { out += vb::LineWriter().Text(text).Line(); }
void AddNumber(std::string& out, long long number) { out += vb::LineWriter().Int(number).Line(); }

// True when `name` may be written: read at start-up, or not there to lose.
bool MayWrite(forms::Application& app, const char* name, bool skipped) {
  if (!skipped || !io::IsFile(WorkingFile(app, name))) return true;
  app.MsgBox(std::string(name) + " was not read when the program started, so it is left as it is.  "
                 "Correct the station setup files and start again to change these settings.",
             0, "Settings not saved");
  return false;
}

}  // namespace

bool SaveCWSettings(forms::Application& app) {
  if (!MayWrite(app, kCWFileName, app.State<KeyingState>().CWFileSkipped)) return false;
  const CWFrm& cw = app.Get<CWFrm>();
  std::string out;
  for (const forms::TextBox* box : {&cw.Text1, &cw.Text2, &cw.Text3, &cw.Text4, &cw.Text5, &cw.Text6, &cw.Text7,
                                    &cw.Text8, &cw.Text9, &cw.Text10, &cw.Text11, &cw.Text12, &cw.Text13, &cw.txtSpace}) {
    AddText(out, box->Text());
  }
  AddNumber(out, app.State<KeyingState>().CWKeying);
  AddText(out, cw.Text14.Text());
  AddNumber(out, cw.Check1.Value());
  AddText(out, cw.txtCWLoop.Text());
  return WriteSettingsFile(app, WorkingFile(app, kCWFileName), out);
}

bool SaveWaveSettings(forms::Application& app) {
  if (!MayWrite(app, kWaveFileName, app.State<KeyingState>().WaveFileSkipped)) return false;
  const PhoneFrm& phone = app.Get<PhoneFrm>();
  std::string out;
  for (const forms::TextBox* box : {&phone.Text1, &phone.Text2, &phone.Text3, &phone.Text4, &phone.Text5, &phone.Text6,
                                    &phone.Text7, &phone.Text8, &phone.Text9}) {
    AddText(out, vb::Trim(box->Text()));
  }
  AddText(out, phone.Text10.Text());
  AddNumber(out, phone.Option2.Value() ? 1 : phone.Option3.Value() ? 2 : 0);
  AddText(out, phone.txtPHLoop.Text());
  AddText(out, phone.Text11.Text());
  return WriteSettingsFile(app, WorkingFile(app, kWaveFileName), out);
}

void DropQuotesTypedIntoBoxes(forms::Form& window) {
  for (forms::Control* control : window.Controls()) {
    if (control->Kind() == forms::ControlKind::TextBox) control->KeyPress = [](int& key) { DropQuoteKey(key); };
  }
}

}  // namespace ks
