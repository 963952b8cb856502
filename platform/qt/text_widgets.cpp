// Text boxes, labels, buttons, check and option buttons, frames.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextBlock>

#include "platform/forms/controls.h"
#include "platform/qt/appearance.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/cp1252.h"
#include "platform/qt/input_filter.h"

namespace ks::qt {
namespace {

using forms::ControlKind;
using forms::Property;

Qt::Alignment AlignmentOf(forms::Alignment a) {
  switch (a) {
    case forms::Alignment::Right: return Qt::AlignRight;
    case forms::Alignment::Center: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

// A label's caption as Qt shows it: "&&" is one ampersand, a single "&" marks the access key.
QString LabelText(const std::string& caption) {
  QString out;
  const QString in = FromCp1252(caption);
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == '&' && i + 1 < in.size()) ++i;
    out.append(in[i]);
  }
  return out;
}

// The editor of a text box, single-line or multi-line: text and selection from the model.
void SyncTextBox(forms::TextBox& box, QWidget& widget, Property what) {
  // The caret the operator is moving was told to the model by the widget itself.
  if (what == Property::Selection && widget.property(kOperatorInputProperty).toBool()) return;
  const QString text = FromCp1252(box.Text());
  const int start = box.SelStart();
  const int length = box.SelLength();
  if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
    const QSignalBlocker block(line);
    if (what == Property::Text && line->text() != text) line->setText(text);
    if (what == Property::Text || what == Property::Selection) {
      if (length > 0) {
        line->setSelection(start, length);
      } else {
        line->setCursorPosition(start);
      }
    }
    // No length limit of Qt's: the model limits typing, and code may set longer texts.
    line->setAlignment(AlignmentOf(box.TextAlign) | Qt::AlignVCenter);
    line->setReadOnly(box.Locked);
    return;
  }
  if (auto* editor = qobject_cast<QPlainTextEdit*>(&widget)) {
    const QSignalBlocker block(editor);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (what == Property::Text && editor->toPlainText() != shown) editor->setPlainText(shown);
    if (what == Property::Text || what == Property::Selection) {
      // Each CR LF of the model is one line break of the editor.
      auto editor_position = [&](int model_pos) {
        const int crlf_before = static_cast<int>(FromCp1252(box.Text().substr(0, static_cast<std::size_t>(model_pos))).count(QStringLiteral("\r\n")));
        return model_pos - crlf_before;
      };
      QTextCursor cursor = editor->textCursor();
      cursor.setPosition(editor_position(start));
      if (length > 0) cursor.setPosition(editor_position(start + length), QTextCursor::KeepAnchor);
      editor->setTextCursor(cursor);
    }
    editor->setReadOnly(box.Locked);
  }
}

// Only what the operator does with the caret goes back to the model: the editor's own
// changes (the selection dropped when the focus leaves) do not.
bool OperatorActing(const QWidget* widget) { return widget->property(kOperatorInputProperty).toBool(); }

// The model counts CR LF as two characters; the multi-line editor has one line break.
int ModelPosition(const QPlainTextEdit& editor, int editor_pos) {
  return editor_pos + static_cast<int>(editor.toPlainText().left(editor_pos).count(QChar('\n')));
}

void ReportCaret(QPlainTextEdit* editor, OperatorInput& input) {
  if (!OperatorActing(editor)) return;
  const QTextCursor cursor = editor->textCursor();
  const int start = ModelPosition(*editor, cursor.selectionStart());
  const int end = ModelPosition(*editor, cursor.selectionEnd());
  input.Act(editor, [start, end](forms::Control& c) {
    auto& b = static_cast<forms::TextBox&>(c);
    b.SetSelStart(start);
    b.SetSelLength(end - start);
  });
}

void ReportCaret(QLineEdit* line, OperatorInput& input) {
  if (!OperatorActing(line)) return;
  const int start = line->hasSelectedText() ? static_cast<int>(line->selectionStart()) : line->cursorPosition();
  const int length = static_cast<int>(line->selectedText().size());
  input.Act(line, [start, length](forms::Control& c) {
    auto& b = static_cast<forms::TextBox&>(c);
    b.SetSelStart(start);
    b.SetSelLength(length);
  });
}

QWidget* MakeTextBox(forms::TextBox& box, QWidget* parent, OperatorInput& input) {
  QWidget* widget = nullptr;
  if (box.MultiLine) {
    auto* editor = new QPlainTextEdit(parent);
    editor->setTabChangesFocus(false);
    input.AddPart(editor->viewport(), editor);
    QObject::connect(editor, &QPlainTextEdit::cursorPositionChanged, editor, [editor, &input] { ReportCaret(editor, input); });
    QObject::connect(editor, &QPlainTextEdit::selectionChanged, editor, [editor, &input] { ReportCaret(editor, input); });
    widget = editor;
  } else {
    auto* line = new QLineEdit(parent);
    line->setFrame(true);
    line->setAlignment(AlignmentOf(box.TextAlign) | Qt::AlignVCenter);
    line->setDragEnabled(false);
    QObject::connect(line, &QLineEdit::selectionChanged, line, [line, &input] { ReportCaret(line, input); });
    QObject::connect(line, &QLineEdit::cursorPositionChanged, line, [line, &input] { ReportCaret(line, input); });
    widget = line;
  }
  widget->setAcceptDrops(false);
  widget->setContextMenuPolicy(Qt::NoContextMenu);
  widget->setAttribute(Qt::WA_InputMethodEnabled, false);
  return widget;
}

template <typename Button>
void ConnectClick(Button* button, OperatorInput& input) {
  QObject::connect(button, &Button::clicked, button, [button, &input] {
    input.Act(button, [](forms::Control& c) { c.ClickBy(); });
  });
}

}  // namespace

QWidget* CreateTextWidget(forms::Control& control, QWidget* parent, OperatorInput& input) {
  switch (control.Kind()) {
    case ControlKind::TextBox: return MakeTextBox(static_cast<forms::TextBox&>(control), parent, input);
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setFocusPolicy(Qt::NoFocus);
      // A label's MouseMove runs as the mouse passes over it, buttons up or down.
      label->setMouseTracking(true);
      return label;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      ConnectClick(button, input);
      return button;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(parent);
      ConnectClick(box, input);
      return box;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);  // the model groups the options by container
      ConnectClick(option, input);
      return option;
    }
    case ControlKind::Frame: {
      auto* frame = new QGroupBox(parent);
      frame->setFocusPolicy(Qt::NoFocus);
      return frame;
    }
    default: return nullptr;
  }
}

bool SyncTextWidget(forms::Control& control, QWidget& widget, forms::Property what) {
  switch (control.Kind()) {
    case ControlKind::TextBox:
      SyncTextBox(static_cast<forms::TextBox&>(control), widget, what);
      return true;
    case ControlKind::Label: {
      auto& label = static_cast<forms::Label&>(control);
      auto& view = static_cast<QLabel&>(widget);
      if (what == Property::Caption) view.setText(LabelText(label.Caption()));
      view.setAlignment(AlignmentOf(label.TextAlign) | Qt::AlignTop);
      view.setWordWrap(true);
      view.setFrameStyle(label.Border ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
      return true;
    }
    case ControlKind::CommandButton:
      if (what == Property::Caption)
        static_cast<QPushButton&>(widget).setText(FromCp1252(static_cast<forms::CommandButton&>(control).Caption()));
      return true;
    case ControlKind::CheckBox: {
      auto& box = static_cast<forms::CheckBox&>(control);
      auto& view = static_cast<QCheckBox&>(widget);
      const QSignalBlocker block(&view);
      if (what == Property::Caption) view.setText(FromCp1252(box.Caption()));
      view.setTristate(box.Value() == 2);
      view.setCheckState(box.Value() == 1 ? Qt::Checked : box.Value() == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
      return true;
    }
    case ControlKind::OptionButton: {
      auto& option = static_cast<forms::OptionButton&>(control);
      auto& view = static_cast<QRadioButton&>(widget);
      const QSignalBlocker block(&view);
      if (what == Property::Caption) view.setText(FromCp1252(option.Caption()));
      view.setChecked(option.Value());
      return true;
    }
    case ControlKind::Frame:
      if (what == Property::Caption)
        static_cast<QGroupBox&>(widget).setTitle(FromCp1252(static_cast<forms::Frame&>(control).Caption()));
      return true;
    default: return false;
  }
}

}  // namespace ks::qt
