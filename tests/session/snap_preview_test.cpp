// The snap preview: what the overlay shows over the drawing area while the
// pointer hovers, and that the area's own picture never changes for it.

#include "session_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace orvik::test {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels where `shown` differs from `under`, each of them `ink`.
Pixels Changed(const QImage &shown, const QImage &under, QRgb ink) {
  Pixels changed;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) != under.pixel(x, y)) {
        EXPECT_EQ(shown.pixel(x, y), ink) << x << ", " << y;
        changed.insert({x, y});
      }
  return changed;
}

// The grid node's cross: 3 pixels to each side of (x, y).
Pixels Cross(int x, int y) {
  Pixels cross;
  for (int d = -3; d <= 3; ++d)
    cross.insert({{x + d, y}, {x, y + d}});
  return cross;
}

class SnapPreviewTest : public SessionTest {
protected:
  session::EditSession &StartBlack() {
    session::EditSession &s = Start(kTwoPoints);
    s.ChooseColour(2); // pen 2: black
    return s;
  }
  Pixels Preview() {
    return Changed(surface_->surface.Shown(), Area(), qRgb(0, 0, 0));
  }
};

// Hovering 2 px right of and 3 px above the point (0, 0) at pixel (50, 800)
// shows PickPoint's square around it (its corner pixel (45, 795) among
// them); the grid does not change that. Away from elements, with the grid
// of 10 mm (100 px) on, (148, 303) = (9.8, 49.7) rounds to the node
// (10, 50) at (150, 300): a cross there. With the grid off, or in the
// screen-operation mode, nothing.
TEST_F(SnapPreviewTest, OverlayShowsWhereAStrokeWouldLand) {
  session::EditSession &s = StartBlack();
  s.ChooseMode(session::kLineMode);
  // PickPoint's square for a stroke from there, as the area shows it
  // during the pause after the stroke.
  Pixels square;
  services_.during_pause = [&] {
    square = Changed(Area(), ViewPicture(), qRgb(0, 0, 0));
  };
  Drag({52, 797}, {600, 100});
  std::erase_if(square, [](auto p) { return p.first > 100; }); // the trace
  ASSERT_TRUE(square.count({45, 795}));
  s.KeyPressed(session::Key::Esc, false);

  const QImage before = Area();
  const struct {
    int mode;
    bool grid;
    QPoint at;
    Pixels shown;
  } rows[] = {
      {session::kLineMode, false, {52, 797}, square},
      {session::kArcMode, true, {52, 797}, square},
      {session::kGridOriginMode, true, {148, 303}, Cross(150, 300)},
      {session::kLineMode, false, {148, 303}, {}},
      {session::kScreenMode, true, {52, 797}, {}},
  };
  for (const auto &row : rows) {
    s.ChooseMode(row.mode);
    s.SpacingEdited("10");
    s.SetGridOn(row.grid);
    s.PointerMoved(row.at.x(), row.at.y());
    EXPECT_EQ(Preview(), row.shown) << row.mode << " " << row.at.x();
  }
  s.SetGridOn(false);
  // The area's picture, and the picture kept of it, stay as they were.
  EXPECT_EQ(Area(), before);
  EXPECT_EQ(ViewPicture(), before);
}

// During a stroke the preview follows the pen for the end point beside
// the trace; it goes when the pointer leaves the area.
TEST_F(SnapPreviewTest, PreviewFollowsAStrokeAndGoesWhenThePointerLeaves) {
  session::EditSession &s = StartBlack();
  s.ChooseMode(session::kLineMode);
  s.SetGridOn(true); // spacing 10 mm: the node (10, 50) is pixel (150, 300)
  s.PointerPressed({400, 400, session::kLeftButton, session::kLeftButton});
  s.PointerMoved(144, 306); // its trace dot clear of the cross
  EXPECT_EQ(Preview(), Cross(150, 300));
  s.PointerReleased(144, 306);
  s.PointerMoved(700, 700); // the node (70, 10)
  EXPECT_EQ(Preview(), Cross(750, 700));
  s.PointerLeft();
  EXPECT_EQ(Preview(), Pixels());
  s.KeyPressed(session::Key::Home, false); // the redraw brings none back
  EXPECT_EQ(Preview(), Pixels());
}

} // namespace
} // namespace orvik::test
