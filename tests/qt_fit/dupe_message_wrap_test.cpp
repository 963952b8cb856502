// The in-state window's duplicate messages as the Qt view shows them, at every screen size of
// the fit check: the message label wraps them at word breaks, but never between "Rec#" and
// the record's number, and the whole message stands in the label. Calls of every length
// from 3 to 12 characters are typed and refused (or warned of) as the call box is left.
#include <QLabel>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logstore/log_file_format.h"
#include "mainwin/windows/Infrm.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

// The lines of `label`'s text as it wraps them at word breaks in its width.
std::vector<QString> WrappedLines(const QLabel& label, int& height) {
  const QString text = label.text();
  QTextLayout layout(text, label.font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  std::vector<QString> lines;
  qreal bottom = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label.contentsRect().width());
    lines.push_back(text.mid(line.textStart(), line.textLength()));
    bottom += line.height();
  }
  layout.endLayout();
  height = static_cast<int>(bottom + 0.5);
  return lines;
}

// A call of `length` characters: the prefix, then `letter` repeated.
std::string CallOf(const char* prefix, char letter, std::size_t length) {
  std::string call(prefix);
  call.resize(length, letter);
  return call;
}

TEST(DupeMessageWrap, RecAndItsNumberStayOnOneLineAndTheMessageStandsWhole) {
  for (const FitScreen& screen : kFitScreens) {
    FitBench bench(screen.width, screen.height);
    UseEntryStation(bench);
    TypedKeys keys(bench);
    // A station of another state is a duplicate; one of the party state only a warning.
    std::vector<std::string> calls;
    std::string log;
    for (std::size_t length = 3; length <= 12; ++length) {
      calls.push_back(CallOf("W1", 'A', length));
      log += FormatLogLine(InStateContact(calls.back(), "ME"));
      calls.push_back(CallOf("K3", 'B', length));
      log += FormatLogLine(InStateContact(calls.back(), "PA", "York"));
    }
    WriteBytes(bench.work() / "log.txt", log);
    Infrm& w = bench.app().Get<Infrm>();
    w.Show();
    w.txtCall.SetFocus();
    keys.Settle();
    const auto* label = dynamic_cast<QLabel*>(bench.view().WidgetOf(w.lblDialog));
    ASSERT_NE(label, nullptr);
    for (std::size_t i = 0; i < calls.size(); ++i) {
      keys.Type(w, calls[i] + " ");
      const std::string where = std::to_string(screen.width) + " x " + std::to_string(screen.height) + ", " + calls[i];
      const QString number = QString::number(i + 1);
      ASSERT_TRUE(label->text().endsWith("Rec#\u00A0\u00A0" + number)) << where << ": " << label->text().toStdString();
      int height = 0;
      for (const QString& line : WrappedLines(*label, height)) {
        if (line.contains("Rec#")) {
          EXPECT_TRUE(line.trimmed().endsWith(number)) << where << ": " << line.toStdString();
        }
      }
      EXPECT_LE(height, label->contentsRect().height()) << where;
      keys.Key(w, Qt::Key_Escape, QString(QChar(27)));  // a clear line for the next call
    }
  }
}

}  // namespace
}  // namespace ks::testing
