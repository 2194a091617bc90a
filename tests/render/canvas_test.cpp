// The pixel rules of the QImage canvas, with pixels worked out by hand,
// batched and unbatched, and short lines drawn from stamps as QPainter
// draws them (whole pictures batched or not: scene_painter_test.cpp).

#include "pixel_support.h"

#include "orvik/render/image_canvas.h"

#include <gtest/gtest.h>

#include <random>

namespace orvik::render {
namespace {

using test::InkBox;
using test::PixelAt;

constexpr Colour32 kRed = MakeColour(255, 0, 0), kBlue = MakeColour(0, 0, 255);

// draw(canvas, image) on a white image with a black one-pixel pen.
class CanvasPixels : public ::testing::TestWithParam<bool> {
protected:
  template <class Draw> QImage Paint(int w, int h, Draw draw) {
    QImage image = test::WhiteImage(w, h);
    {
      ImageCanvas c(image, GetParam());
      c.SetPen(0, PenStyle::Solid, 0);
      draw(c, image);
    }
    return image;
  }
};

// Lines from their first pixel to the end pixel set after them, the far
// ones clipped by the surface; colours with red in the low byte.
TEST_P(CanvasPixels, LinesAndPixels) {
  const QImage image = Paint(20, 12, [](ImageCanvas &c, QImage &) {
    c.MoveTo(2, 3);
    c.LineTo(12, 3);
    c.SetPixel(12, 3, 0);
    c.MoveTo(2, 5);
    c.LineTo(7, 10);
    c.SetPixel(7, 10, 0);
    c.MoveTo(-(1 << 30), 11);
    c.LineTo(1 << 30, 11);
    c.SetPixel(1, 1, 0xFF0000);
  });
  EXPECT_EQ(InkBox(image, 0, 3, 20, 4).count, 11);
  EXPECT_EQ(InkBox(image, 0, 3, 20, 4).Bounds(), (std::array{2, 3, 12, 3}));
  for (int i = 0; i <= 5; ++i)
    EXPECT_EQ(PixelAt(image, 2 + i, 5 + i), 0u) << i;
  EXPECT_EQ(InkBox(image, 0, 4, 20, 11).count, 6);
  EXPECT_EQ(InkBox(image, 0, 11, 20, 12).count, 20);
  EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 255));
}

// XOR combines the pen bit by bit, SetPixel writes: white xor blue is
// yellow; the same line again restores white and makes the red end
// magenta.
TEST_P(CanvasPixels, XorLinesAndDirectPixels) {
  const QImage image = Paint(12, 8, [](ImageCanvas &c, QImage &image) {
    c.SetPenMode(PenMode::Xor);
    c.SetPen(kBlue, PenStyle::Solid, 0);
    c.MoveTo(2, 5);
    c.LineTo(8, 5);
    c.SetPixel(8, 5, kRed);
    c.Flush();
    EXPECT_EQ(PixelAt(image, 2, 5), MakeColour(255, 255, 0));
    EXPECT_EQ(PixelAt(image, 7, 5), MakeColour(255, 255, 0));
    EXPECT_EQ(PixelAt(image, 8, 5), kRed);
    c.MoveTo(2, 5);
    c.LineTo(8, 5);
  });
  EXPECT_EQ(InkBox(image, 0, 0, 8, 8).count, 0);
  EXPECT_EQ(PixelAt(image, 8, 5), MakeColour(255, 0, 255));
}

// Boxes have exclusive right and bottom edges: Rectangle(2, 2, 8, 6) is
// pixels 2..7 by 2..5, outlined with the pen, filled with the brush;
// Ellipse(7, 7, 13, 13) (a marker of radius 3) is an outline in 7..12; a
// polyline lights its last point. Without a pen the fill covers one pixel
// less on the right and bottom: the "/" hatch in 16 x 16, lines where
// x + y = 7 (mod 8), lights 28 pixels of 0..14.
TEST_P(CanvasPixels, BoxesPolylinesAndHatches) {
  const QImage image = Paint(64, 20, [](ImageCanvas &c, QImage &) {
    c.SetBrush(kRed, BrushStyle::Solid);
    c.Rectangle(2, 2, 8, 6);
    c.SetBrush(0, BrushStyle::Clear);
    c.Ellipse(17, 7, 23, 13);
    const PixelPoint points[] = {{31, 1}, {38, 1}, {38, 8}};
    c.Polyline(points);
    c.SetPen(0, PenStyle::Clear, 0);
    c.SetBrush(kRed, BrushStyle::BackwardDiagonal);
    c.Rectangle(40, 0, 56, 16);
  });
  EXPECT_EQ(InkBox(image, 0, 0, 10, 20).Bounds(), (std::array{2, 2, 7, 5}));
  EXPECT_EQ(PixelAt(image, 2, 4), 0u);
  EXPECT_EQ(PixelAt(image, 7, 5), 0u);
  EXPECT_EQ(PixelAt(image, 4, 3), kRed);
  EXPECT_EQ(InkBox(image, 10, 0, 30, 20).Bounds(), (std::array{17, 7, 22, 12}));
  EXPECT_EQ(InkBox(image, 19, 9, 21, 11).count, 0);
  EXPECT_EQ(InkBox(image, 30, 0, 40, 20).count, 8 + 7);
  EXPECT_EQ(PixelAt(image, 38, 8), 0u);
  EXPECT_EQ(InkBox(image, 40, 0, 64, 20).count, 28);
  for (int y = 0; y < 16; ++y)
    for (int x = 40; x < 56; ++x)
      EXPECT_EQ(!test::IsWhite(image, x, y),
                (x + y) % 8 == 7 && x < 55 && y < 15);
}

INSTANTIATE_TEST_SUITE_P(BatchedAndNot, CanvasPixels, ::testing::Bool());

// Short lines of every solid width, in every direction, anywhere on the
// picture and across its edges: drawn from kept stamps (made by one canvas,
// used by the next) as QPainter draws them one by one.
TEST(Pictures, StampedLinesAreQPaintersLines) {
  std::mt19937 random(7);
  const auto draw = [&](ImageCanvas &canvas, unsigned seed) {
    random.seed(seed);
    std::uniform_int_distribution<int> at(-10, 130), step(-34, 34), width(0, 3);
    for (int i = 0; i < 400; ++i) {
      canvas.SetPen(static_cast<Colour32>(i % 3) * 0x404040u,
                    i % 50 == 0 ? PenStyle::Dash : PenStyle::Solid,
                    width(random));
      const int x = at(random), y = at(random);
      canvas.MoveTo(x, y);
      canvas.LineTo(x + step(random), y + step(random));
    }
    canvas.Flush();
  };
  LineStamps stamps;
  for (const unsigned seed : {1u, 2u, 3u}) {
    QImage plain = test::WhiteImage(120, 100), stamped = plain;
    {
      ImageCanvas canvas(plain, false);
      draw(canvas, seed);
    }
    {
      ImageCanvas::Options options;
      options.stamps = &stamps;
      ImageCanvas canvas(stamped, options);
      draw(canvas, seed);
    }
    EXPECT_GT(InkBox(plain).count, 2000);
    EXPECT_TRUE(plain == stamped) << seed;
  }
}

} // namespace
} // namespace orvik::render
