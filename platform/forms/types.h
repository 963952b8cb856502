#pragma once
// Small value types of the window runtime: colours, fonts, the screen, and the names of the
// properties whose changes a view is told about.
#include <cstdint>
#include <string>

namespace ks::forms {

// A colour as the toolkit writes it: red + 256 * green + 65536 * blue. Values with the top
// bit set name a system colour by its index in the low byte.
using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(Color c) { return (c & 0x80000000u) != 0; }

namespace colors {
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kGreen = Rgb(0, 255, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kYellow = Rgb(255, 255, 0);
constexpr Color kButtonFace = 0x8000000Fu;     // system colour of buttons and window backgrounds
constexpr Color kButtonText = 0x80000012u;
constexpr Color kWindowBackground = 0x80000005u;
constexpr Color kWindowText = 0x80000008u;
}  // namespace colors

struct Font {
  std::string name = "MS Sans Serif";
  float size = 8.0f;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// The screen as the program sees it, in twips.
struct Screen {
  float width = 9600;   // 640 pixels
  float height = 7200;  // 480 pixels
  float twips_per_pixel_x = 15;
  float twips_per_pixel_y = 15;
  // The desktop work area: the screen less the task bar.
  float work_left = 0, work_top = 0, work_width = 9600, work_height = 6750;

  static Screen FromPixels(int width_px, int height_px, int taskbar_px = 30) {
    Screen s;
    s.width = static_cast<float>(width_px) * 15;
    s.height = static_cast<float>(height_px) * 15;
    s.work_width = s.width;
    s.work_height = static_cast<float>(height_px - taskbar_px) * 15;
    return s;
  }
};

// What changed on a control or form, for the view.
enum class Property {
  Geometry, Text, Caption, Visible, Enabled, Font, Colors, ToolTip, Value, Items, Selection,
  Columns, Picture, Drawing, Checked, Shortcut, ZOrder, WindowState, MousePointer, Other
};

// Mouse buttons and shift states as the toolkit passes them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// The key codes and characters the window runtime acts on itself. Backspace, Tab and Enter
// are both a key code and the character the key types.
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShiftKey = 16;
constexpr int kCtrlKey = 17;
constexpr int kAltKey = 18;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kInsert = 45;
constexpr int kDelete = 46;
constexpr int kKeyA = 65;
constexpr int kCtrlC = 3;  // the characters of Ctrl with a letter
constexpr int kCtrlV = 22;
constexpr int kCtrlX = 24;
constexpr int kDeleteChar = 127;  // the character some keyboards type with Delete

// Alignment of labels, text boxes and list-view columns.
enum class Alignment { Left = 0, Right = 1, Center = 2 };

}  // namespace ks::forms
