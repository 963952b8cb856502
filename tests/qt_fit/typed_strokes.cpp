#include "tests/qt_fit/typed_strokes.h"

#include <gtest/gtest.h>

namespace ks::testing {

std::vector<Stroke> Strokes(const std::string& keys) {
  std::vector<Stroke> strokes;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const char c = keys[i];
    if (c != '{') {
      if (c == '\r') strokes.push_back({Qt::Key_Return, "\r"});
      else if (c >= 'a' && c <= 'z') strokes.push_back({Qt::Key_A + (c - 'a'), QString(QChar(c))});
      else strokes.push_back({c, QString(QChar(c))});  // Qt's keys of digits, blanks and signs are their codes
      continue;
    }
    const std::size_t close = keys.find('}', i);
    const std::string name = keys.substr(i + 1, close - i - 1);
    i = close;
    if (name == "Enter") strokes.push_back({Qt::Key_Return, "\r"});
    else if (name == "Tab") strokes.push_back({Qt::Key_Tab, "\t"});
    else if (name == "BTab") strokes.push_back({Qt::Key_Backtab, {}, false, false, true});
    else if (name == "Bs") strokes.push_back({Qt::Key_Backspace, QString(QChar(8))});
    else if (name == "Del") strokes.push_back({Qt::Key_Delete, QString(QChar(127))});
    else if (name == "Esc") strokes.push_back({Qt::Key_Escape, QString(QChar(27))});
    else if (name == "Up") strokes.push_back({Qt::Key_Up, {}});
    else if (name == "Down") strokes.push_back({Qt::Key_Down, {}});
    else if (name == "Left") strokes.push_back({Qt::Key_Left, {}});
    else if (name == "Right") strokes.push_back({Qt::Key_Right, {}});
    else if (name == "Home") strokes.push_back({Qt::Key_Home, {}});
    else if (name == "End") strokes.push_back({Qt::Key_End, {}});
    else if (name == "Wait") strokes.push_back({0, {}, false, true});
    else if (name.rfind("Alt+", 0) == 0) {
      const char letter = static_cast<char>(name[4] - 'A' + 'a');
      strokes.push_back({Qt::Key_A + (name[4] - 'A'), QString(QChar(letter)), true});
    } else if (name[0] == 'F') {
      strokes.push_back({Qt::Key_F1 + std::stoi(name.substr(1)) - 1, {}});
    } else {
      ADD_FAILURE() << "no key named " << name;
    }
  }
  return strokes;
}

std::string Printable(std::string keys) {
  for (std::size_t at = keys.find('\r'); at != std::string::npos; at = keys.find('\r', at)) keys.replace(at, 1, "\\r");
  return keys;
}

void QueueStroke(TypedKeys& keys, const forms::Form& window, const Stroke& stroke) {
  if (stroke.alt) keys.QueueWithAlt(window, stroke.key, stroke.text);
  else keys.Queue(window, stroke.key, stroke.text, stroke.shift ? Qt::ShiftModifier : Qt::NoModifier);
}

}  // namespace ks::testing
