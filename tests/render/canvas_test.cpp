// The pixel rules of the QImage canvas, with pixels worked out by hand,
// batched and unbatched, and the lines and polygons the canvas draws
// itself against QPainter's (whole pictures batched or not:
// scene_painter_test.cpp).

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
    c.SetPixel(-1, 5, 0); // off the picture: not the row's neighbours
    c.SetPixel(20, 5, 0);
    c.MoveTo(-(1 << 30), 11);
    c.LineTo(1 << 30, 11);
    c.SetPixel(0, 0, 0xFF0000);
  });
  EXPECT_EQ(InkBox(image, 0, 3, 20, 4).count, 11);
  EXPECT_EQ(InkBox(image, 0, 3, 20, 4).Bounds(), (std::array{2, 3, 12, 3}));
  for (int i = 0; i <= 5; ++i)
    EXPECT_EQ(PixelAt(image, 2 + i, 5 + i), 0u) << i;
  EXPECT_EQ(InkBox(image, 0, 4, 20, 11).count, 6);
  EXPECT_EQ(InkBox(image, 0, 11, 20, 12).count, 20);
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
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
// polyline lights its last point, a polygon of two points the line
// between them; a box without width or height draws nothing. Without a
// pen the fill covers one pixel less on the right and bottom: the "/"
// hatch in 16 x 16, lines where x + y = 7 (mod 8), lights 28 pixels of
// 0..14.
TEST_P(CanvasPixels, BoxesPolylinesAndHatches) {
  const QImage image = Paint(64, 20, [](ImageCanvas &c, QImage &) {
    c.SetBrush(kRed, BrushStyle::Solid);
    c.Rectangle(2, 2, 8, 6);
    c.SetBrush(0, BrushStyle::Clear);
    c.Ellipse(17, 7, 23, 13);
    const PixelPoint points[] = {{31, 1}, {38, 1}, {38, 8}};
    c.Polyline(points);
    c.Rectangle(60, 2, 60, 10);
    c.Ellipse(58, 12, 62, 12);
    c.Polygon(std::array<PixelPoint, 2>{{{58, 18}, {62, 18}}});
    c.SetPen(0, PenStyle::Clear, 0);
    c.SetBrush(kRed, BrushStyle::BackwardDiagonal);
    c.Rectangle(40, 0, 56, 16);
  });
  EXPECT_EQ(InkBox(image, 0, 0, 10, 20).Bounds(), (std::array{2, 2, 7, 5}));
  EXPECT_EQ(PixelAt(image, 2, 4) | PixelAt(image, 7, 5), 0u); // the outline
  EXPECT_EQ(PixelAt(image, 4, 3), kRed);
  EXPECT_EQ(InkBox(image, 10, 0, 30, 20).Bounds(), (std::array{17, 7, 22, 12}));
  EXPECT_EQ(InkBox(image, 19, 9, 21, 11).count, 0);
  EXPECT_EQ(InkBox(image, 30, 0, 40, 20).count, 8 + 7);
  EXPECT_EQ(InkBox(image, 57, 0, 64, 20).Bounds(),
            (std::array{58, 18, 62, 18}));
  EXPECT_EQ(PixelAt(image, 38, 8), 0u);
  EXPECT_EQ(InkBox(image, 40, 0, 57, 20).count, 28);
  for (int y = 0; y < 16; ++y)
    for (int x = 40; x < 56; ++x)
      EXPECT_EQ(!test::IsWhite(image, x, y),
                (x + y) % 8 == 7 && x < 55 && y < 15);
}

INSTANTIATE_TEST_SUITE_P(BatchedAndNot, CanvasPixels, ::testing::Bool());

// Seeded drawings of lines and polygons, anywhere on a 400 x 300 picture
// and across its edges, drawn call by call through QPainter and by a
// canvas that draws what it can itself (thin lines worked out, short lines
// and small one-colour polygons from stamps kept from one canvas to the
// next): the same pixels.
class DrawnWithoutQPainter : public ::testing::Test {
protected:
  template <class Draw> void Compare(Draw draw) {
    for (const unsigned seed : {1u, 2u, 3u}) {
      QImage plain = test::WhiteImage(400, 300), drawn = plain;
      {
        ImageCanvas canvas(plain, false);
        random_.seed(seed);
        draw(canvas);
      }
      {
        ImageCanvas::Options options;
        options.stamps = &line_stamps_;
        options.polygon_stamps = &polygon_stamps_;
        ImageCanvas canvas(drawn, options);
        random_.seed(seed);
        draw(canvas);
      }
      EXPECT_GT(InkBox(plain).count, 20000);
      EXPECT_TRUE(plain == drawn) << seed;
    }
  }
  int Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
  }

  std::mt19937 random_;
  LineStamps line_stamps_;
  PolygonStamps polygon_stamps_;
};

// Every style and width; a third of the lines long, a seventh diagonal.
TEST_F(DrawnWithoutQPainter, Lines) {
  Compare([this](ImageCanvas &canvas) {
    for (int i = 0; i < 1000; ++i) {
      const int reach = i % 3 == 0 ? 400 : 34;
      canvas.SetPen(static_cast<Colour32>(i % 3) * 0x404040u,
                    static_cast<PenStyle>(std::min(Uniform(0, 9), 4)),
                    Uniform(0, 3));
      const int x = Uniform(-10, 410), y = Uniform(-10, 310);
      const int dx = Uniform(-reach, reach);
      canvas.MoveTo(x, y);
      canvas.LineTo(x + dx, y + (i % 7 == 0 ? dx : Uniform(-reach, reach)));
    }
  });
}

// Up to 40 corners, many repeated, most within 4 pixels; some with a wide
// pen or a fill of another colour, which QPainter draws.
TEST_F(DrawnWithoutQPainter, Polygons) {
  Compare([this](ImageCanvas &canvas) {
    std::vector<PixelPoint> points;
    for (int i = 0; i < 4000; ++i) {
      const Colour32 colour = static_cast<Colour32>(i % 5) * 0x303030u;
      canvas.SetPen(colour, PenStyle::Solid, i % 23 == 0 ? 2 : 0);
      canvas.SetBrush(i % 17 == 0 ? kRed : colour, BrushStyle::Solid);
      const int low = i % 4 == 0 ? -30 : -4;
      points.assign(1, {Uniform(-5, 405), Uniform(-5, 305)});
      for (int k = Uniform(3, 40); k > 1; --k)
        points.push_back(Uniform(0, 9) < 4
                             ? points.back()
                             : PixelPoint{points[0].x + Uniform(low, 4),
                                          points[0].y + Uniform(low, 4)});
      canvas.Polygon(points);
    }
  });
}

} // namespace
} // namespace orvik::render
