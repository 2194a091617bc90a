// The pixel rules of the QImage canvas, with expected pixels worked out by
// hand. Each case runs batched and unbatched.

#include "pixel_support.h"

#include "orvik/render/image_canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace orvik::render {
namespace {

using test::InkBox;
using test::IsWhite;
using test::PixelAt;
using test::WhiteImage;

constexpr Colour32 kBlack = 0x000000;
constexpr Colour32 kRed = MakeColour(255, 0, 0);
constexpr Colour32 kBlue = MakeColour(0, 0, 255);

class CanvasPixels : public ::testing::TestWithParam<bool> {
protected:
  bool batched() const { return GetParam(); }
};

TEST_P(CanvasPixels, PixelLineLightsBothEnds) {
  QImage image = WhiteImage(20, 12);
  {
    ImageCanvas c(image, batched());
    c.SetPen(kBlack, PenStyle::Solid, 0);
    c.MoveTo(2, 3);
    c.LineTo(12, 3);
    c.SetPixel(12, 3, kBlack);
    c.MoveTo(2, 5);
    c.LineTo(7, 10);
    c.SetPixel(7, 10, kBlack);
  }
  for (int x = 2; x <= 12; ++x)
    EXPECT_EQ(PixelAt(image, x, 3), kBlack) << x;
  EXPECT_TRUE(IsWhite(image, 1, 3));
  EXPECT_TRUE(IsWhite(image, 13, 3));
  for (int i = 0; i <= 5; ++i)
    EXPECT_EQ(PixelAt(image, 2 + i, 5 + i), kBlack) << i;
  EXPECT_EQ(InkBox(image).count, 11 + 6);
}

TEST_P(CanvasPixels, ColoursAreRedInTheLowByte) {
  QImage image = WhiteImage(4, 4);
  {
    ImageCanvas c(image, batched());
    c.SetPen(0xFF0000, PenStyle::Solid, 0); // blue
    c.MoveTo(1, 1);
    c.LineTo(1, 1);
    c.SetPixel(1, 1, 0xFF0000);
    c.SetPixel(2, 2, 0x0000FF); // red
  }
  EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(2, 2), qRgb(255, 0, 0));
}

// XOR combines the pen with the pixels bit by bit; SetPixel writes.
TEST_P(CanvasPixels, XorLinesAndDirectPixels) {
  QImage image = WhiteImage(12, 8);
  {
    ImageCanvas c(image, batched());
    c.SetPenMode(PenMode::Xor);
    c.SetPen(kBlue, PenStyle::Solid, 0);
    c.MoveTo(2, 5);
    c.LineTo(8, 5);
    c.SetPixel(8, 5, kRed);
    c.Flush();
    // White xor blue is yellow along the line, the end pixel red.
    EXPECT_EQ(PixelAt(image, 2, 5), MakeColour(255, 255, 0));
    EXPECT_EQ(PixelAt(image, 7, 5), MakeColour(255, 255, 0));
    EXPECT_EQ(PixelAt(image, 8, 5), kRed);
    // The same line again restores white, and turns red into magenta.
    c.MoveTo(2, 5);
    c.LineTo(8, 5);
  }
  EXPECT_TRUE(IsWhite(image, 2, 5));
  EXPECT_TRUE(IsWhite(image, 7, 5));
  EXPECT_EQ(PixelAt(image, 8, 5), MakeColour(255, 0, 255));
}

// The box's right and bottom edges are exclusive.
TEST_P(CanvasPixels, RectangleFillsItsBox) {
  QImage image = WhiteImage(12, 10);
  {
    ImageCanvas c(image, batched());
    c.SetPen(kBlack, PenStyle::Solid, 0);
    c.SetBrush(kRed, BrushStyle::Solid);
    c.Rectangle(2, 2, 8, 6);
  }
  const test::PixelBox box = InkBox(image);
  EXPECT_EQ(box.min_x, 2);
  EXPECT_EQ(box.max_x, 7);
  EXPECT_EQ(box.min_y, 2);
  EXPECT_EQ(box.max_y, 5);
  EXPECT_EQ(PixelAt(image, 2, 4), kBlack);
  EXPECT_EQ(PixelAt(image, 7, 5), kBlack);
  EXPECT_EQ(PixelAt(image, 4, 3), kRed);
  EXPECT_EQ(PixelAt(image, 6, 4), kRed);
}

// A circle marker of radius 3 is the ellipse in a 6 x 6 pixel box.
TEST_P(CanvasPixels, EllipseStaysInItsBox) {
  QImage image = WhiteImage(20, 20);
  {
    ImageCanvas c(image, batched());
    c.SetPen(kBlack, PenStyle::Solid, 0);
    c.SetBrush(kBlack, BrushStyle::Clear);
    c.Ellipse(7, 7, 13, 13);
  }
  const test::PixelBox box = InkBox(image);
  EXPECT_EQ(box.min_x, 7);
  EXPECT_EQ(box.max_x, 12);
  EXPECT_EQ(box.min_y, 7);
  EXPECT_EQ(box.max_y, 12);
  EXPECT_TRUE(IsWhite(image, 9, 9)); // an outline only
}

TEST_P(CanvasPixels, PolylineLightsItsLastPoint) {
  QImage image = WhiteImage(12, 12);
  {
    ImageCanvas c(image, batched());
    c.SetPen(kBlack, PenStyle::Solid, 0);
    const PixelPoint points[] = {{1, 1}, {8, 1}, {8, 8}};
    c.Polyline(points);
  }
  EXPECT_EQ(PixelAt(image, 8, 8), kBlack);
  EXPECT_EQ(PixelAt(image, 1, 1), kBlack);
  EXPECT_EQ(InkBox(image).count, 8 + 7);
}

TEST_P(CanvasPixels, FarCoordinatesAreClippedByTheSurface) {
  QImage image = WhiteImage(16, 8);
  {
    ImageCanvas c(image, batched());
    c.SetPen(kBlack, PenStyle::Solid, 0);
    c.MoveTo(-(1 << 30), 4);
    c.LineTo(1 << 30, 4);
    c.SetPixel(1 << 30, 4, kBlack);
  }
  for (int x = 0; x < 16; ++x)
    EXPECT_EQ(PixelAt(image, x, 4), kBlack) << x;
  EXPECT_EQ(InkBox(image).count, 16);
}

INSTANTIATE_TEST_SUITE_P(BatchedAndNot, CanvasPixels, ::testing::Bool());

// Hatches repeat every 8 pixels; each lit pixel of a hatch lies on one of
// its line families: x+y for "/", x-y for "\".
std::set<std::pair<int, int>> HatchClasses(BrushStyle style) {
  QImage image = WhiteImage(32, 32);
  {
    ImageCanvas c(image);
    c.SetPen(kBlack, PenStyle::Clear, 0);
    c.SetBrush(kRed, style);
    c.Rectangle(0, 0, 32, 32);
  }
  std::set<std::pair<int, int>> classes;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (!IsWhite(image, x, y)) {
        switch (style) {
        case BrushStyle::BackwardDiagonal:
          classes.insert({(x + y) % 8, 0});
          break;
        case BrushStyle::ForwardDiagonal:
          classes.insert({(x - y + 64) % 8, 0});
          break;
        case BrushStyle::Horizontal:
          classes.insert({y % 8, 0});
          break;
        default:
          classes.insert({x % 8, 0});
        }
      }
  return classes;
}

TEST(CanvasHatches, EachHatchIsOneLineFamily) {
  for (BrushStyle style :
       {BrushStyle::BackwardDiagonal, BrushStyle::ForwardDiagonal,
        BrushStyle::Horizontal, BrushStyle::Vertical})
    EXPECT_EQ(HatchClasses(style).size(), 1u) << static_cast<int>(style);
}

// Without a pen the fill covers one pixel less on the right and bottom.
TEST(CanvasHatches, GapsStayTransparent) {
  QImage image = WhiteImage(16, 16);
  {
    ImageCanvas c(image);
    c.SetPen(kBlack, PenStyle::Clear, 0);
    c.SetBrush(kRed, BrushStyle::BackwardDiagonal);
    c.Rectangle(0, 0, 16, 16);
  }
  const test::PixelBox box = InkBox(image);
  EXPECT_EQ(box.max_x, 14);
  EXPECT_EQ(box.max_y, 14);
  // "/" lines where x + y = 7 (mod 8): 28 pixels in the 15 x 15 box.
  EXPECT_EQ(box.count, 28);
  EXPECT_EQ(PixelAt(image, 7, 0), kRed);
  EXPECT_EQ(PixelAt(image, 0, 7), kRed);
}

} // namespace
} // namespace orvik::render
