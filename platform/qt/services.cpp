#include "platform/qt/services.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/cp1252.h"
#include "platform/qt/event_loop.h"
#include "platform/vb/constants.h"

namespace ks::qt {
namespace {

// The message text with the toolkit's CR LF line ends as Qt's.
QString MessageText(const std::string& text) {
  QString s = FromCp1252(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

struct ButtonChoice {
  QMessageBox::StandardButton button;
  int answer;
};

std::vector<ButtonChoice> ButtonsOf(int style) {
  using B = QMessageBox;
  switch (style & vb::kMsgBoxButtonsMask) {
    case vb::vbOKCancel: return {{B::Ok, vb::vbOK}, {B::Cancel, vb::vbCancel}};
    case vb::vbAbortRetryIgnore: return {{B::Abort, vb::vbAbort}, {B::Retry, vb::vbRetry}, {B::Ignore, vb::vbIgnore}};
    case vb::vbYesNoCancel: return {{B::Yes, vb::vbYes}, {B::No, vb::vbNo}, {B::Cancel, vb::vbCancel}};
    case vb::vbYesNo: return {{B::Yes, vb::vbYes}, {B::No, vb::vbNo}};
    case vb::vbRetryCancel: return {{B::Retry, vb::vbRetry}, {B::Cancel, vb::vbCancel}};
    default: return {{B::Ok, vb::vbOK}};
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (style & vb::kMsgBoxIconMask) {
    case vb::vbCritical: return QMessageBox::Critical;
    case vb::vbQuestion: return QMessageBox::Question;
    case vb::vbExclamation: return QMessageBox::Warning;
    case vb::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// A description's own "(*.txt)" is dropped; the patterns are given once, in Qt's form.
QString NameFilter(QString description, QString patterns) {
  description = description.trimmed();
  if (description.endsWith(')')) {
    const qsizetype open = description.lastIndexOf('(');
    if (open >= 0) description = description.left(open).trimmed();
  }
  patterns.replace(';', ' ');
  return description + QStringLiteral(" (") + patterns.simplified() + QStringLiteral(")");
}

}  // namespace

QStringList NameFiltersOf(const std::string& filter) {
  const QStringList parts = FromCp1252(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << NameFilter(parts[i], parts[i + 1]);
  return filters;
}

int QtServices::MessageBox(const forms::MessageBoxRequest& request) {
  if (OnDialog) OnDialog("MsgBox " + request.title);
  QMessageBox box(IconOf(request.buttons), FromCp1252(request.title), MessageText(request.text));
  box.setTextFormat(Qt::PlainText);
  const std::vector<ButtonChoice> choices = ButtonsOf(request.buttons);
  std::vector<QAbstractButton*> buttons;
  for (const ButtonChoice& c : choices) buttons.push_back(box.addButton(c.button));
  const std::size_t default_index = static_cast<std::size_t>((request.buttons & vb::kMsgBoxDefaultButtonMask) / 256);
  if (default_index < buttons.size()) box.setDefaultButton(static_cast<QPushButton*>(buttons[default_index]));
  // Esc answers Cancel where there is one, and OK when OK is the only button.
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (choices[i].answer == vb::vbCancel || choices.size() == 1) box.setEscapeButton(buttons[i]);
  loop_.ExecDialog(box);
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (box.clickedButton() == buttons[i]) return choices[i].answer;
  return choices.size() == 1 ? vb::vbOK : vb::vbCancel;
}

std::optional<std::string> QtServices::InputBox(const forms::InputBoxRequest& request) {
  if (OnDialog) OnDialog("InputBox " + request.title);
  QInputDialog dialog;
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(FromCp1252(request.title));
  dialog.setLabelText(MessageText(request.prompt));
  dialog.setTextValue(FromCp1252(request.default_text));
  if (auto* editor = dialog.findChild<QLineEdit*>()) editor->setValidator(new Cp1252Validator(editor));
  if (loop_.ExecDialog(dialog) != QDialog::Accepted) return std::nullopt;
  return ToCp1252(dialog.textValue());
}

forms::FileDialogResult QtServices::FileDialog(const forms::FileDialogRequest& request) {
  QFileDialog dialog(nullptr, FromCp1252(request.title), QFile::decodeName(request.init_dir.c_str()));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  const bool must_exist = !request.save && (request.flags & 0x1000) != 0;
  dialog.setFileMode(must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (request.save && (request.flags & 2) == 0) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = NameFiltersOf(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (request.filter_index >= 1 && request.filter_index <= filters.size())
      dialog.selectNameFilter(filters[request.filter_index - 1]);
  }
  if (!request.default_ext.empty()) dialog.setDefaultSuffix(FromCp1252(request.default_ext));
  if (!request.file_name.empty()) dialog.selectFile(QFile::decodeName(request.file_name.c_str()));
  forms::FileDialogResult result;
  if (loop_.ExecDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
  result.accepted = true;
  result.file_name = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  result.filter_index = chosen >= 0 ? static_cast<int>(chosen) + 1 : request.filter_index;
  return result;
}

forms::ColorDialogResult QtServices::ColorDialog(const forms::ColorDialogRequest& request) {
  const forms::Color c = request.initial;
  QColorDialog dialog(QColor(forms::RedOf(c), forms::GreenOf(c), forms::BlueOf(c)));
  forms::ColorDialogResult result;
  if (loop_.ExecDialog(dialog) != QDialog::Accepted) return result;
  const QColor chosen = dialog.selectedColor();
  result.accepted = true;
  result.color = forms::Rgb(chosen.red(), chosen.green(), chosen.blue());
  return result;
}

void QtServices::SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(FromCp1252(text)); }

// A text that Windows-1252 cannot hold whole is refused: nothing is pasted.
std::string QtServices::ClipboardText() {
  const QString text = QGuiApplication::clipboard()->text();
  if (HoldsInCp1252(text)) return ToCp1252(text);
  Beep();
  return {};
}

void QtServices::Beep() { QApplication::beep(); }

}  // namespace ks::qt
