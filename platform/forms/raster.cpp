#include "platform/forms/raster.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace ks::forms {

Raster::Raster(int width, int height, Color fill)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

std::optional<Color> Raster::Pixel(int x, int y) const {
  if (!Contains(x, y)) return std::nullopt;
  return pixels_[At(x, y)];
}

void Raster::SetPixel(int x, int y, Color c) {
  if (Contains(x, y)) pixels_[At(x, y)] = c;
}

void Raster::Fill(Color c) { std::fill(pixels_.begin(), pixels_.end(), c); }

namespace {

// Cuts the line to the box [lo, hi] on both axes (Liang-Barsky); false when it misses it.
bool ClipLine(double& x1, double& y1, double& x2, double& y2, double lo_x, double lo_y, double hi_x, double hi_y) {
  double t0 = 0, t1 = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - lo_x, hi_x - x1, y1 - lo_y, hi_y - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  if (t0 > t1) return false;
  const double ox = x1, oy = y1;
  x1 = ox + t0 * dx;
  y1 = oy + t0 * dy;
  x2 = ox + t1 * dx;
  y2 = oy + t1 * dy;
  return true;
}

}  // namespace

void Raster::DrawLine(int ax, int ay, int bx, int by, Color c) {
  // Only the part over the grid is walked, so far-off ends cost nothing.
  double fx1 = ax, fy1 = ay, fx2 = bx, fy2 = by;
  if (!ClipLine(fx1, fy1, fx2, fy2, -1, -1, width_, height_)) return;
  int x1 = static_cast<int>(std::lround(fx1)), y1 = static_cast<int>(std::lround(fy1));
  const int x2 = static_cast<int>(std::lround(fx2)), y2 = static_cast<int>(std::lround(fy2));
  const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
  const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  // Far ends are clipped by SetPixel; the walk is bounded by the longer side.
  for (long steps = static_cast<long>(std::max(dx, -dy)) + 1; steps > 0; --steps) {
    SetPixel(x1, y1, c);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x1 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y1 += sy;
    }
  }
}

void Raster::DrawRect(int x1, int y1, int x2, int y2, Color c, bool filled) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (!filled) {
    DrawLine(x1, y1, x2, y1, c);
    DrawLine(x1, y2, x2, y2, c);
    DrawLine(x1, y1, x1, y2, c);
    DrawLine(x2, y1, x2, y2, c);
    return;
  }
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, width_ - 1);
  y2 = std::min(y2, height_ - 1);
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) pixels_[At(x, y)] = c;
}

void Raster::FloodFill(int x, int y, Color c) {
  if (!Contains(x, y)) return;
  const Color target = pixels_[At(x, y)];
  if (target == c) return;
  // Scan-line fill: each run of the target colour is filled whole, and the rows above and
  // below are searched along it.
  std::vector<std::pair<int, int>> todo{{x, y}};
  while (!todo.empty()) {
    const auto [px, py] = todo.back();
    todo.pop_back();
    if (pixels_[At(px, py)] != target) continue;
    int left = px;
    while (left > 0 && pixels_[At(left - 1, py)] == target) --left;
    int right = px;
    while (right + 1 < width_ && pixels_[At(right + 1, py)] == target) ++right;
    for (int i = left; i <= right; ++i) pixels_[At(i, py)] = c;
    for (const int ny : {py - 1, py + 1}) {
      if (ny < 0 || ny >= height_) continue;
      bool in_run = false;
      for (int i = left; i <= right; ++i) {
        const bool match = pixels_[At(i, ny)] == target;
        if (match && !in_run) todo.emplace_back(i, ny);
        in_run = match;
      }
    }
  }
}

void Raster::Paste(const Raster& source) {
  const int w = std::min(width_, source.width_);
  const int h = std::min(height_, source.height_);
  for (int y = 0; y < h; ++y)
    std::copy_n(source.pixels_.begin() + static_cast<std::ptrdiff_t>(source.At(0, y)), w,
                pixels_.begin() + static_cast<std::ptrdiff_t>(At(0, y)));
}

namespace {

std::uint32_t U32(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}
void Put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

}  // namespace

std::optional<Raster> DecodeBmp(std::string_view b) {
  if (b.size() < kFileHeader + kInfoHeader || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const std::uint32_t data_at = U32(b, 10);
  const std::uint32_t header_size = U32(b, 14);
  if (header_size < kInfoHeader || kFileHeader + header_size > b.size()) return std::nullopt;
  const auto width = static_cast<std::int32_t>(U32(b, 18));
  const auto raw_height = static_cast<std::int32_t>(U32(b, 22));
  const std::uint16_t planes = U16(b, 26);
  const std::uint16_t bits = U16(b, 28);
  const std::uint32_t compression = U32(b, 30);
  // 0: no compression; 3 (bit fields) is accepted for 32 bits when the masks are the usual.
  const bool plain = compression == 0 || (compression == 3 && bits == 32);
  if (planes != 1 || (bits != 24 && bits != 32) || !plain) return std::nullopt;
  if (raw_height == INT32_MIN) return std::nullopt;
  const bool top_down = raw_height < 0;
  const int height = top_down ? -raw_height : raw_height;
  if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide) return std::nullopt;
  const std::size_t bytes_per_pixel = bits / 8;
  const std::size_t stride = (static_cast<std::size_t>(width) * bytes_per_pixel + 3) / 4 * 4;
  if (data_at > b.size() || (b.size() - data_at) / stride < static_cast<std::size_t>(height)) return std::nullopt;
  Raster out(width, height, 0);
  for (int row = 0; row < height; ++row) {
    const int y = top_down ? row : height - 1 - row;
    const std::size_t line = data_at + static_cast<std::size_t>(row) * stride;
    for (int x = 0; x < width; ++x) {
      const std::size_t p = line + static_cast<std::size_t>(x) * bytes_per_pixel;
      const auto blue = static_cast<unsigned char>(b[p]);
      const auto green = static_cast<unsigned char>(b[p + 1]);
      const auto red = static_cast<unsigned char>(b[p + 2]);
      out.SetPixel(x, y, Rgb(red, green, blue));
    }
  }
  return out;
}

std::string EncodeBmp(const Raster& raster) {
  const std::size_t stride = (static_cast<std::size_t>(raster.Width()) * 3 + 3) / 4 * 4;
  const std::size_t image = stride * static_cast<std::size_t>(raster.Height());
  std::string out;
  out.reserve(kFileHeader + kInfoHeader + image);
  out += "BM";
  Put32(out, static_cast<std::uint32_t>(kFileHeader + kInfoHeader + image));
  Put32(out, 0);
  Put32(out, kFileHeader + kInfoHeader);
  Put32(out, kInfoHeader);
  Put32(out, static_cast<std::uint32_t>(raster.Width()));
  Put32(out, static_cast<std::uint32_t>(raster.Height()));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(image));
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = raster.Height() - 1; y >= 0; --y) {
    std::size_t written = 0;
    for (int x = 0; x < raster.Width(); ++x, written += 3) {
      Color c = *raster.Pixel(x, y);
      if (IsSystemColor(c)) c = colors::kBlack;
      out.push_back(static_cast<char>(BlueOf(c)));
      out.push_back(static_cast<char>(GreenOf(c)));
      out.push_back(static_cast<char>(RedOf(c)));
    }
    out.append(stride - written, '\0');
  }
  return out;
}

}  // namespace ks::forms
