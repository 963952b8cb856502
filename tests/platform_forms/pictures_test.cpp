// Picture boxes keep their surface in the model: BMP pictures, drawing, flood fill and Point.
#include <gtest/gtest.h>

#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/headless.h"
#include "platform/forms/raster.h"
#include "tests/platform_forms/test_window.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks::testing {
namespace {

using forms::Color;
using forms::Headless;
using forms::Raster;
namespace colors = forms::colors;

// A 7 x 5 picture: white, with a black ring from (1,1) to (5,3) enclosing (2..4, 2).
Raster Ringed() {
  Raster r(7, 5, colors::kWhite);
  r.DrawRect(1, 1, 5, 3, colors::kBlack, false);
  return r;
}

TEST(Raster, BmpRoundTripKeepsEveryPixel) {
  Raster r = Ringed();
  r.SetPixel(6, 4, forms::Rgb(1, 2, 3));  // the last pixel of an odd-width, padded row
  const std::optional<Raster> back = forms::DecodeBmp(forms::EncodeBmp(r));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, r);
}

TEST(Raster, BmpDecoderRefusesWhatItCannotRead) {
  const std::string good = forms::EncodeBmp(Ringed());
  auto with = [&](std::size_t at, std::string bytes) {
    std::string b = good;
    b.replace(at, bytes.size(), bytes);
    return b;
  };
  const struct {
    const char* why;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"not a BMP", with(0, "XM")},
      {"cut short", good.substr(0, good.size() - 1)},
      {"8 bits per pixel", with(28, std::string("\x08\x00", 2))},
      {"compressed", with(30, std::string("\x01\x00\x00\x00", 4))},
      {"absurd width", with(18, std::string("\xff\xff\xff\x7f", 4))},
      {"pixels past the end", with(10, std::string("\xff\xff\x00\x00", 4))},
  };
  for (const auto& c : cases) EXPECT_FALSE(forms::DecodeBmp(c.bytes).has_value()) << c.why;
}

TEST(Raster, FloodFillStaysInsideItsBorder) {
  Raster r = Ringed();
  r.FloodFill(3, 2, colors::kRed);
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) {
      const bool inside = y == 2 && x >= 2 && x <= 4;
      const bool ring = !inside && x >= 1 && x <= 5 && y >= 1 && y <= 3;
      EXPECT_EQ(*r.Pixel(x, y), inside ? colors::kRed : ring ? colors::kBlack : colors::kWhite) << x << "," << y;
    }
}

TEST(Raster, LinesFarOffTheGridDrawOnlyTheirVisiblePart) {
  Raster r(10, 10, colors::kWhite);
  r.DrawLine(-1000000, 5, 1000000, 5, colors::kBlue);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(*r.Pixel(x, 5), colors::kBlue) << x;
  EXPECT_EQ(*r.Pixel(0, 4), colors::kWhite);
}

TEST(Pictures, TheModelReadsTheBmpPictureAndFillsOnItsPixels) {
  TempDir dir;
  WriteBytes(dir / "ring.bmp", forms::EncodeBmp(Ringed()));
  Headless h;
  auto& f = h.app().Get<frmTest>();
  forms::PictureBox pic{f, "Picture1"};
  pic.Move(0, 0, 7 * 15, 5 * 15);
  pic.SetPicture((dir / "ring.bmp").string());
  ASSERT_TRUE(pic.PictureDecoded());
  EXPECT_EQ(pic.Point(0, 0), colors::kWhite);
  EXPECT_EQ(pic.Point(1 * 15, 1 * 15), colors::kBlack);
  pic.FloodFill(3 * 15 + 7, 2 * 15, colors::kGreen);  // twips inside pixel (3, 2)
  EXPECT_EQ(pic.Point(2 * 15, 2 * 15), colors::kGreen);
  EXPECT_EQ(pic.Point(0, 2 * 15), colors::kWhite) << "the fill does not cross the ring";
  EXPECT_EQ(pic.Point(7 * 15, 0), std::nullopt) << "outside the box";
  pic.Cls();
  EXPECT_EQ(pic.Point(2 * 15, 2 * 15), colors::kWhite) << "Cls shows the picture again";
}

TEST(Pictures, DrawingLandsOnTheSurfaceOverTheBackColour) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  forms::PictureBox pic{f, "Picture1"};
  pic.Move(0, 0, 20 * 15, 20 * 15);
  pic.SetBackColor(colors::kBlack);
  EXPECT_FALSE(pic.PictureDecoded());
  pic.DrawLine(0, 150, 300, 150, colors::kBlue);
  pic.DrawBox(30, 30, 60, 60, colors::kRed, true);
  EXPECT_EQ(pic.Point(150, 150), colors::kBlue);
  EXPECT_EQ(pic.Point(45, 45), colors::kRed);
  EXPECT_EQ(pic.Point(250, 250), colors::kBlack);
  pic.SetBackColor(colors::kWhite);
  EXPECT_EQ(pic.Point(250, 250), colors::kWhite) << "a new back colour redraws the surface under the drawing";
  EXPECT_EQ(pic.Point(150, 150), colors::kBlue);
}

}  // namespace
}  // namespace ks::testing
