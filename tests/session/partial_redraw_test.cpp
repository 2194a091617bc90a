// After a stroke or an Esc the session paints only the part of the picture
// that changed; the picture must be the one a full render gives. Seeded
// strokes of every kind over a crowded drawing, with zooms between them,
// each checked against a full render of the same view (the back gesture
// twice returns to the view and renders it whole).

#include "mixed_drawing.h"
#include "session_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace orvik::test {
namespace {

using session::Key;

TEST_F(SessionTest, PartialRedrawsGiveTheFullRendersPixels) {
  session::EditSession &s = Start(render::MixedDrawing(5, 2500), 640, 480);
  const std::size_t drawn_before =
      s.Model().Lines.Count() + s.Model().Arcs.Count();
  std::mt19937 rng(17);
  const auto pixel = [&rng] {
    return QPoint(static_cast<int>(rng() % 640), static_cast<int>(rng() % 480));
  };
  const auto full_render = [&] {
    s.ChooseMode(session::kScreenMode);
    for (int i = 0; i < 2; ++i)
      Drag({400, 200}, {300, 300}); // left and down: back
  };
  for (int step = 0; step < 40; ++step) {
    const int kind = static_cast<int>(rng() % 5);
    s.ChooseMode(kind == 1 ? session::kArcMode : session::kLineMode);
    s.ChooseColour(static_cast<int>(rng() % 9));
    if (kind == 0) {
      Drag(pixel(), pixel());
    } else if (kind == 1) { // one curved stroke
      const QPoint c = pixel();
      const double r = 20 + rng() % 150, a0 = rng() % 360;
      s.PointerPressed({c.x() + static_cast<int>(r), c.y(),
                        session::kLeftButton, session::kLeftButton});
      for (double a = 0; a <= a0; a += 10)
        s.PointerMoved(c.x() + static_cast<int>(r * std::cos(a / 57.3)),
                       c.y() + static_cast<int>(r * std::sin(a / 57.3)));
      s.PointerReleased(c.x() + static_cast<int>(r * std::cos(a0 / 57.3)),
                        c.y() + static_cast<int>(r * std::sin(a0 / 57.3)));
    } else if (kind == 2) {
      s.KeyPressed(Key::Esc, false);
      s.EscapeReleased();
    } else if (kind == 3) {
      const QPoint at = pixel();
      s.WheelTurned(rng() % 2 ? 120 : -120, at.x(), at.y());
      continue;
    } else {
      const QPoint at = pixel(); // a click: a line of no length beeps
      Drag(at, at);
    }
    const QImage partial = ViewPicture();
    ASSERT_TRUE(Area() == partial) << "step " << step;
    full_render();
    ASSERT_TRUE(ViewPicture() == partial)
        << "step " << step << " kind " << kind;
  }
  // The strokes did draw: the partial redraws were exercised.
  EXPECT_GT(s.Model().Lines.Count() + s.Model().Arcs.Count(), drawn_before + 5);
}

} // namespace
} // namespace orvik::test
