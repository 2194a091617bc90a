// The fast ways of painting the scene give the pixels of one plain pass
// (unbatched, fonts kept): lines and pixels batched, fonts made anew, the
// elements outside the painted part passed over, the elements shared
// between two cores, and a part of a picture painted anew.

#include "mixed_drawing.h"
#include "pixel_support.h"

#include "orvik/render/image_canvas.h"
#include "orvik/render/scene_painter.h"

#include <gtest/gtest.h>

#include <random>

namespace orvik::render {
namespace {

TEST(ScenePainter, GivesThePixelsOfOnePlainPass) {
  const attributes::TgraAttribute pens;
  std::mt19937 rng(7);
  for (const unsigned seed : {1u, 2u}) {
    // More elements than one core is given alone.
    const exchange::DrawingModel m = test::Read(MixedDrawing(seed, 2500));
    ElementBoxes boxes;
    boxes.Sync(m, pens, nullptr);
    for (const double scale : {3.5, 0.7, 11.0}) {
      const geometry::ViewState v = test::ViewOf(640, 480, 107.3, 75, scale);
      const auto paint = [&](bool batched, bool cache) {
        QImage image = test::WhiteImage(640, 480);
        ImageCanvas canvas(image, ImageCanvas::Options{batched, cache});
        PaintScene(canvas, m, pens, v, {true, 10}, nullptr);
        canvas.Flush();
        return image;
      };
      const QImage plain = paint(false, true);
      EXPECT_GT(test::InkBox(plain).count, 1000);
      EXPECT_TRUE(paint(true, true) == plain) << seed << " " << scale;
      EXPECT_TRUE(paint(true, false) == plain) << seed << " " << scale;
      const SceneJob job{m, pens, v, {true, 10}, nullptr, &boxes};
      ScenePainter painter;
      QImage fast(640, 480, QImage::Format_RGB32);
      EXPECT_TRUE(painter.PaintAll(fast, job, nullptr));
      EXPECT_TRUE(fast == plain) << "seed " << seed << " scale " << scale;
      // Parts painted anew over a spoilt picture, one after another.
      for (int k = 0; k < 8; ++k) {
        const int x = static_cast<int>(rng() % 600),
                  y = static_cast<int>(rng() % 440);
        const QRect r(x, y, 1 + static_cast<int>(rng() % 200),
                      1 + static_cast<int>(rng() % 150));
        fast.fill(Qt::black);
        painter.PaintRect(fast, job, r);
        EXPECT_TRUE(fast.copy(r.intersected(fast.rect())) ==
                    plain.copy(r.intersected(fast.rect())))
            << "seed " << seed << " scale " << scale << " part " << k;
      }
    }
  }
}

TEST(ScenePainter, AStopReachesBothCores) {
  const attributes::TgraAttribute pens;
  const exchange::DrawingModel m = test::Read(MixedDrawing(3, 2500));
  const geometry::ViewState v = test::ViewOf(640, 480, 107.3, 75, 3.5);
  QImage image(640, 480, QImage::Format_RGB32);
  ScenePainter painter;
  test::StopAfter stop(3);
  EXPECT_FALSE(
      painter.PaintAll(image, {m, pens, v, {}, nullptr, nullptr}, &stop));
}

} // namespace
} // namespace orvik::render
