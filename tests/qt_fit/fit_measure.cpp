#include "tests/qt_fit/fit_measure.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTreeWidget>

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/qt/view.h"

namespace ks::testing {
namespace {

// The text as drawn: an access key's "&" takes no room.
QString Drawn(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QChar('&'));
  text.replace(QChar('\x01'), QChar('&'));
  return text;
}

std::string NameOf(const forms::Control& control) {
  return control.Index() < 0 ? control.Name() : control.Name() + "(" + std::to_string(control.Index()) + ")";
}

// One line or more of plain text in `room`, wrapped at words when `wrap`.
void CheckText(const std::string& name, const QString& text, const QFont& font, const QRect& room, bool wrap,
               std::vector<Overflow>& out) {
  if (text.trimmed().isEmpty()) return;
  const QFontMetrics metrics(font);
  QSize need;
  if (wrap) {
    need = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).size();
  } else {
    const QStringList lines = text.split(QChar('\n'));
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    need = QSize(width, metrics.height() * static_cast<int>(lines.size()));
  }
  if (need.width() <= room.width() && need.height() <= room.height()) return;
  out.push_back({name, text.toStdString(), need.width(), need.height(), room.width(), room.height()});
}

template <typename Button>
QRect ContentsOf(Button& button, QStyle::SubElement element) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  return button.style()->subElementRect(element, &option, &button);
}

void CheckGroupBox(const std::string& name, QGroupBox& box, std::vector<Overflow>& out) {
  if (box.title().isEmpty()) return;
  QStyleOptionGroupBox option;
  option.initFrom(&box);
  option.text = box.title();
  option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  const QRect label = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
  const QRect frame = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, &box);
  // The caption stands on the frame's top edge, between its corners.
  const QRect room(label.left(), label.top(), frame.right() - label.left() - 2, std::max(label.height(), 0) + 1);
  CheckText(name, Drawn(box.title()), box.font(), room, false, out);
}

void CheckHeaders(const std::string& name, QTreeWidget& tree, std::vector<Overflow>& out) {
  if (tree.isHeaderHidden()) return;
  QHeaderView& header = *tree.header();
  const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
  for (int i = 0; i < tree.columnCount(); ++i) {
    const int width = header.sectionSize(i);
    if (width <= 0) continue;  // a column kept out of sight on purpose
    const QRect room(0, 0, width - 2 * margin, header.height());
    CheckText(name + " column " + std::to_string(i + 1), tree.headerItem()->text(i), header.font(), room, false, out);
  }
}

void CheckControl(const forms::Control& control, QWidget& widget, std::vector<Overflow>& out) {
  const std::string name = NameOf(control);
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    CheckText(name, label->text(), label->font(), label->contentsRect(), label->wordWrap(), out);
  } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
    CheckText(name, Drawn(button->text()), button->font(), ContentsOf(*button, QStyle::SE_PushButtonContents), false, out);
  } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
    CheckText(name, Drawn(check->text()), check->font(), ContentsOf(*check, QStyle::SE_CheckBoxContents), false, out);
  } else if (auto* option = qobject_cast<QRadioButton*>(&widget)) {
    CheckText(name, Drawn(option->text()), option->font(), ContentsOf(*option, QStyle::SE_RadioButtonContents), false, out);
  } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
    CheckGroupBox(name, *frame, out);
  } else if (auto* tree = qobject_cast<QTreeWidget*>(&widget)) {
    CheckHeaders(name, *tree, out);
  }
}

}  // namespace

std::vector<Overflow> OverflowsOf(const forms::Form& form, qt::QtView& view) {
  std::vector<Overflow> out;
  const QWidget* window = view.WindowOf(form);
  if (window == nullptr) return out;
  for (const forms::Control* control : form.Controls()) {
    QWidget* widget = view.WidgetOf(*control);
    if (widget != nullptr && widget->isVisibleTo(window)) CheckControl(*control, *widget, out);
  }
  return out;
}

std::string Describe(const Overflow& o) {
  return o.control + " \"" + o.text + "\" needs " + std::to_string(o.need_width) + " x " +
         std::to_string(o.need_height) + " px, has " + std::to_string(o.room_width) + " x " +
         std::to_string(o.room_height);
}

}  // namespace ks::testing
