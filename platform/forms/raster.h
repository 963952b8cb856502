#pragma once
// A grid of pixels, each a Color: the persistent surface of a picture box, kept in the model
// so that what a window draws and fills can be read back (the toolkit's Point) and tested
// without a view. Pictures come from uncompressed BMP files.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/types.h"

namespace ks::forms {

class Raster {
 public:
  Raster() = default;
  Raster(int width, int height, Color fill);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // The colour at (x, y); nothing outside the grid.
  std::optional<Color> Pixel(int x, int y) const;
  // Points outside the grid are left alone by every drawing operation.
  void SetPixel(int x, int y, Color c);
  void Fill(Color c);
  // A straight line from one end to the other, both ends included.
  void DrawLine(int x1, int y1, int x2, int y2, Color c);
  // A rectangle between two corners (both included): outline or filled.
  void DrawRect(int x1, int y1, int x2, int y2, Color c, bool filled);
  // Fills the four-connected area around (x, y) that has the colour found at (x, y).
  void FloodFill(int x, int y, Color c);
  // Copies `source` with its top-left corner at (0, 0), clipped to this grid.
  void Paste(const Raster& source);
  const std::vector<Color>& Pixels() const { return pixels_; }

  friend bool operator==(const Raster&, const Raster&) = default;

 private:
  std::size_t At(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

// The largest picture a BMP may describe (either side), so a hostile header cannot ask for
// gigabytes.
inline constexpr int kMaxBmpSide = 8192;

// Decodes an uncompressed BMP of 24 or 32 bits per pixel (rows bottom-up or top-down).
// Nothing when the bytes are not such a picture or are cut short.
std::optional<Raster> DecodeBmp(std::string_view bytes);
// A 24-bit BMP of the raster (system colours are written black).
std::string EncodeBmp(const Raster& raster);

}  // namespace ks::forms
