#pragma once
// The model's measures, colours and fonts as Qt's: twips to pixels (15 twips to a pixel at
// 96 dots per inch; Qt applies the display's device-pixel ratio on top), the toolkit's
// colours (red in the low byte; system colours by palette role) and point-size fonts.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QStringList>

#include <string>

#include "platform/forms/types.h"

class QWidget;

namespace ks::qt {

inline constexpr double kTwipsPerPixel = 15.0;

int Px(float twips);
float Twips(int pixels);
QRect PixelRect(float left, float top, float width, float height);

// A toolkit colour; system colours take the colour of their role in `palette`.
QColor QColorOf(forms::Color color, const QPalette& palette);
// The families asked for a face of the windows' design: first the installed face with its
// metrics, then the face itself, then the generic family of its kind.
QStringList FamiliesOf(const std::string& face);
// A font whose pixel size is the one its point size has at 96 dots per inch, so text keeps
// its size against the twip layout whatever the screen's logical resolution.
QFont QFontOf(const forms::Font& font, const QWidget& widget);

// Sets the fore and back colours of the active and inactive states (the disabled state
// keeps the style's greyed look). `fill` paints the back colour behind the widget.
void ApplyColors(QWidget& widget, forms::Color fore, forms::Color back, bool fill);

}  // namespace ks::qt
