// The canvas collects lines and pixels into batches; the picture must be
// the one drawing every call at once gives, pixel for pixel.

#include "pixel_support.h"

#include "exchange_support.h"
#include "orvik/render/image_canvas.h"
#include "orvik/render/scene.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace orvik::render {
namespace {

using geometry::ViewState;

// Every element kind, every line type and pen, solids with their own
// colours, markers of every code, in a 200 x 150 mm area.
std::string MixedDrawing(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> x(0, 200), y(0, 150), r(0.1, 30),
      angle(0, 360);
  std::uniform_int_distribution<int> pen(1, 9), type(1, 9), code(-8, 12);
  auto n = [](double v) { return std::to_string(v); };
  std::string f;
  for (int i = 0; i < 400; ++i) {
    f += "lc" + std::to_string(pen(rng)) + "\r\nlt" +
         std::to_string(type(rng)) + "\r\n";
    switch (i % 9) {
    case 0:
      f += "ci " + n(x(rng)) + " " + n(y(rng)) + " " + n(r(rng)) + "\r\n";
      break;
    case 1:
      f += "ci " + n(x(rng)) + " " + n(y(rng)) + " " + n(r(rng)) + " " +
           n(angle(rng)) + " " + n(angle(rng)) + " 0.5 " + n(angle(rng)) +
           "\r\n";
      break;
    case 2:
      f += "pt " + n(x(rng)) + " " + n(y(rng)) + " 2 " + n(angle(rng)) + " " +
           std::to_string(code(rng)) + "\r\n";
      break;
    case 3:
      f += "lc10 " + std::to_string(static_cast<int>(r(rng) * 500000)) +
           "\r\nsl " + n(x(rng)) + " " + n(y(rng)) + " " + n(x(rng)) + " " +
           n(y(rng)) + " " + n(x(rng)) + " " + n(y(rng)) + "\r\n";
      break;
    case 4:
      f += "sc " + n(x(rng)) + " " + n(y(rng)) + " " + n(r(rng)) +
           " 1 0 0.5 2 " + std::to_string(i % 2 ? 0 : 100) + "\r\n";
      break;
    case 5:
      f += "pt " + n(x(rng)) + " " + n(y(rng)) + "\r\n";
      break;
    case 6:
      f += "ch " + n(x(rng)) + " " + n(y(rng)) + " 1 0 \"^@BMa,10,5\r\n";
      break;
    default:
      f += n(x(rng)) + " " + n(y(rng)) + " " + n(x(rng)) + " " + n(y(rng)) +
           "\r\n";
    }
  }
  return f;
}

QImage Paint(const exchange::DrawingModel &m, const ViewState &v,
             bool batched) {
  QImage image = test::WhiteImage(v.ViewWidth, v.ViewHeight);
  const attributes::TgraAttribute pens;
  ImageCanvas canvas(image, batched);
  GridSettings grid;
  grid.on = true;
  grid.spacing = 10;
  PaintScene(canvas, m, pens, v, grid, nullptr);
  return image;
}

TEST(Batching, SamePixelsAsDrawingEachCallAtOnce) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const exchange::DrawingModel m = test::Read(MixedDrawing(seed));
    ViewState v;
    for (double scale : {3.5, 0.7, 11.0}) {
      FitView(v, ComputeExtents(m, {}), 640, 480);
      v.CentreWindow((v.ViewLeft + v.ViewRight) / 2 + 7.3,
                     (v.ViewBottom + v.ViewTop) / 2, scale);
      const QImage batched = Paint(m, v, true);
      const QImage direct = Paint(m, v, false);
      EXPECT_GT(test::InkBox(batched).count, 1000);
      EXPECT_TRUE(batched == direct) << "seed " << seed << " scale " << scale;
    }
  }
}

} // namespace
} // namespace orvik::render
