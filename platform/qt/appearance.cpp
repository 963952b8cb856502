#include "platform/qt/appearance.h"

#include <cmath>

#include <QApplication>
#include <QWidget>

namespace ks::qt {
namespace {

// The palette role of a system colour, by its index in the low byte.
QPalette::ColorRole RoleOf(unsigned index) {
  switch (index) {
    case 1: case 12: case 16: return QPalette::Dark;         // desktop, workspace, button shadow
    case 2: case 13: return QPalette::Highlight;              // active caption, highlight
    case 5: return QPalette::Base;                            // window background
    case 6: case 21: return QPalette::Shadow;                 // frame, dark shadow
    case 7: case 8: return QPalette::Text;                    // menu text, window text
    case 9: case 14: return QPalette::HighlightedText;        // caption text, highlighted text
    case 17: return QPalette::PlaceholderText;                // grey text
    case 18: return QPalette::ButtonText;                     // button text
    case 20: return QPalette::Light;                          // button highlight
    case 22: return QPalette::Midlight;                       // 3D light
    case 23: return QPalette::ToolTipText;                    // info text
    case 24: return QPalette::ToolTipBase;                    // info background
    case 15: return QPalette::Button;                         // button face
    default: return QPalette::Window;
  }
}

// The faces the windows were laid out with, and the installed faces with the same metrics
// (Liberation: fonts-liberation2, and Sans Narrow from fonts-liberation; scripts/install-deps.sh
// installs both). A face not listed here is asked for by its own name, then by its generic kind.
struct FaceMatch {
  const char* windows;
  const char* installed;
  QFont::StyleHint kind;
};
constexpr FaceMatch kFaces[] = {
    {"ms sans serif", "Liberation Sans", QFont::SansSerif},
    {"microsoft sans serif", "Liberation Sans", QFont::SansSerif},
    {"arial", "Liberation Sans", QFont::SansSerif},
    {"system", "Liberation Sans", QFont::SansSerif},
    {"arial narrow", "Liberation Sans Narrow", QFont::SansSerif},
    {"times new roman", "Liberation Serif", QFont::Serif},
    {"ms serif", "Liberation Serif", QFont::Serif},
    {"courier new", "Liberation Mono", QFont::TypeWriter},
    {"courier", "Liberation Mono", QFont::TypeWriter},
};

const FaceMatch* MatchOf(const QString& family) {
  const QString lower = family.trimmed().toLower();
  for (const FaceMatch& face : kFaces)
    if (lower == QLatin1String(face.windows)) return &face;
  return nullptr;
}

QFont::StyleHint KindOf(const QString& family) {
  if (const FaceMatch* match = MatchOf(family)) return match->kind;
  const QString lower = family.toLower();
  for (const char* fixed : {"courier", "lucida console", "fixedsys", "terminal", "consolas", "mono"})
    if (lower.contains(QLatin1String(fixed))) return QFont::TypeWriter;
  for (const char* serif : {"times", "roman", "georgia", "serif"})
    if (lower.contains(QLatin1String(serif)) && !lower.contains(QLatin1String("sans"))) return QFont::Serif;
  return QFont::SansSerif;
}

const char* GenericOf(QFont::StyleHint kind) {
  return kind == QFont::TypeWriter ? "monospace" : kind == QFont::Serif ? "serif" : "sans-serif";
}

}  // namespace

int Px(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

float Twips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

QRect PixelRect(float left, float top, float width, float height) {
  const int x = Px(left);
  const int y = Px(top);
  // Edges are rounded, not sizes, so that neighbours meet without gaps.
  return QRect(x, y, Px(left + width) - x, Px(top + height) - y);
}

QColor QColorOf(forms::Color color, const QPalette& palette) {
  if (forms::IsSystemColor(color)) return palette.color(QPalette::Active, RoleOf(color & 0xFFu));
  return QColor(forms::RedOf(color), forms::GreenOf(color), forms::BlueOf(color));
}

QStringList FamiliesOf(const std::string& face) {
  const QString family = QString::fromStdString(face);
  QStringList families;
  if (const FaceMatch* match = MatchOf(family)) families << QString::fromLatin1(match->installed);
  families << family << QString::fromLatin1(GenericOf(KindOf(family)));
  return families;
}

QFont QFontOf(const forms::Font& font, const QWidget& widget) {
  QFont f = widget.font();
  f.setFamilies(FamiliesOf(font.name));
  f.setStyleHint(KindOf(QString::fromStdString(font.name)));
  f.setHintingPreference(QFont::PreferFullHinting);
  const int dpi = widget.logicalDpiY() > 0 ? widget.logicalDpiY() : 96;
  f.setPointSizeF(std::max(1.0, static_cast<double>(font.size) * 96.0 / dpi));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

void ApplyColors(QWidget& widget, forms::Color fore, forms::Color back, bool fill) {
  const QPalette base = QApplication::palette();
  QPalette palette = widget.palette();
  const QColor fore_color = QColorOf(fore, base);
  const QColor back_color = QColorOf(back, base);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(group, role, fore_color);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
      palette.setColor(group, role, back_color);
  }
  palette.setColor(QPalette::Disabled, QPalette::Window, back_color);
  widget.setPalette(palette);
  widget.setAutoFillBackground(fill);
}

}  // namespace ks::qt
