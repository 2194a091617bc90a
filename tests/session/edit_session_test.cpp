// What replay scripts cannot show of the editing session: the marks on the
// drawing area and their lifetime, the rubber boxes and the pan snapshot,
// Esc during long work, the writer's progress, and the session's life.
// Whole user sessions are replay cases (tests/cli/replay).

#include "session_fixture.h"

#include "orvik/session/ui_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace orvik::test {
namespace {

using session::Key;

int CountColour(const QImage &image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      n += image.pixel(x, y) == colour;
  return n;
}

TEST_F(SessionTest, MarksStayDuringThePauseAndGoWithTheRedraw) {
  session::EditSession &s = Start(kTwoPoints);
  s.ChooseMode(session::kLineMode);
  s.ChooseColour(2); // pen 2: black
  const QRgb ink = qRgb(0, 0, 0);
  const int before = CountColour(Area(), ink);
  int during = -1;
  services_.during_pause = [&] { during = CountColour(Area(), ink); };
  // Ends 2 px right and 3 px above the point (0, 0) at pixel (50, 800): it
  // snaps there, and a 10-pixel square of width 2 marks it.
  Drag({400, 400}, {52, 797});
  ASSERT_EQ(s.Model().Lines.Count(), 1u);
  EXPECT_EQ(s.Model().Lines[0].X2, 0);
  EXPECT_EQ(s.Model().Lines[0].Y2, 0);
  EXPECT_EQ(services_.paused_ms, 200);
  // The trace dot and the square's four sides were on screen meanwhile...
  EXPECT_GT(during, before + 4 * 10 * 2);
  // ...and the redraw replaced them by the line itself.
  EXPECT_EQ(Area(), ViewPicture());
  EXPECT_NE(Area().pixel(45, 795), ink); // a corner of the square
}

TEST_F(SessionTest, RubberBoxesAreDrawnInXorAndLeaveNoTrace) {
  session::EditSession &s = Start(kTwoPoints);
  const QImage before = Area();
  s.PointerPressed({500, 500, session::kLeftButton, session::kLeftButton});
  for (QPoint p : {QPoint(520, 530), QPoint(640, 610), QPoint(505, 490)})
    s.PointerMoved(p.x(), p.y());
  // Cyan XOR white is red, three pixels wide along the box's edge.
  EXPECT_EQ(Area().pixel(500, 495), qRgb(255, 0, 0));
  EXPECT_EQ(Area().pixel(501, 495), qRgb(255, 0, 0));
  s.PointerMoved(500, 500); // a box of no size draws nothing
  EXPECT_EQ(Area(), before);
}

// New elements go to the file's first layer group and layer with its first
// colour and line type (list positions 0), line width 0, and the z flags
// and pick number the reader was left with; the lists then choose colour
// 7 (also the point colour) and line type position 12, which is type 13.
TEST_F(SessionTest, NewElementsTakeTheFirstAttributesAndTheLists) {
  session::EditSession &s =
      Start("hq\r\nbz\r\nlg3\r\nly5\r\nlc4\r\nlt2\r\npt 0 0\r\nlg7\r\n"
            "ly1\r\nlc6\r\nlt5\r\npt 90 60\r\nhhp2\r\nz1\r\n");
  s.ChooseMode(session::kLineMode);
  Drag({300, 300}, {500, 400});
  s.ChooseColour(7);
  s.ChooseLineType(12);
  Drag({600, 300}, {700, 400});
  Drag({300, 600}, {300, 600}); // a click: a point
  const exchange::DrawingModel &m = s.Model();
  ASSERT_EQ(m.Lines.Count(), 2u);
  ASSERT_EQ(m.Points.Count(), 3u);
  const auto header = [](const exchange::TJwwEntAttr &a) {
    return std::array<int, 7>{a.Group,     a.Layer,  a.Colour, a.LineType,
                              a.LineWidth, a.ZFlags, a.PickNo};
  };
  EXPECT_EQ(header(m.Lines[0].Attr), (std::array{3, 5, 4, 2, 0, 1, 2}));
  EXPECT_EQ(header(m.Lines[1].Attr), (std::array{3, 5, 7, 13, 0, 1, 2}));
  EXPECT_EQ(header(m.Points[2].Attr), (std::array{3, 5, 7, 13, 0, 1, 2}));
}

TEST_F(SessionTest, PaintPutsTheLastPictureBack) {
  session::EditSession &s = Start(kTwoPoints);
  s.ChooseMode(session::kLineMode);
  s.PointerPressed({500, 500, session::kLeftButton, session::kLeftButton});
  s.PointerMoved(600, 600); // a trace dot
  ASSERT_NE(Area(), ViewPicture());
  s.Paint();
  EXPECT_EQ(Area(), ViewPicture());
  // A wider area: the picture at the top left over the background, and
  // the frame around the whole area (its right and bottom edges one pixel
  // in, as the rectangle's are exclusive).
  Area() = QImage(1100, 1000, QImage::Format_RGB32);
  Area().fill(Qt::black);
  s.Paint();
  EXPECT_EQ(Area().copy(0, 0, 1000, 1000), ViewPicture());
  EXPECT_EQ(Area().pixel(1098, 500), qRgb(0, 0, 255));
  EXPECT_EQ(Area().pixel(1050, 0), qRgb(0, 0, 255));
  EXPECT_EQ(Area().pixel(1050, 998), qRgb(0, 0, 255)); // the bottom edge
  EXPECT_EQ(Area().pixel(1050, 500), qRgb(255, 255, 255));
}

TEST_F(SessionTest, MiddleDragMovesTheSnapshotUntilTheRelease) {
  session::EditSession &s = Start(kTwoPoints);
  s.PointerPressed({400, 400, session::kMiddleButton, session::kMiddleButton});
  s.PointerMoved(430, 380);
  // The origin cross, at pixel (50, 800), shows 30 right and 20 up; the
  // view itself waits for the release.
  EXPECT_EQ(Area().pixel(80, 780), qRgb(255, 0, 0));
  EXPECT_EQ(Area().pixel(50, 800), qRgb(255, 255, 255));
  EXPECT_EQ(s.View().ViewLeft(), -5);
  s.PointerReleased(450, 350);
  EXPECT_EQ(s.View().ViewLeft(), -10);
  EXPECT_EQ(Area().pixel(100, 750), qRgb(255, 0, 0));
  EXPECT_FALSE(surface_->surface.Has(session::Picture::Pan));
}

TEST_F(SessionTest, EscHeldStopsALongRedrawAndIsNoDeletion) {
  // Many elements, so the renderer asks about Esc more than once.
  std::string image = "hq\r\nbz\r\n";
  for (int i = 0; i < 500; ++i)
    image += std::to_string(i) + " 0 " + std::to_string(i) + " 100\r\n";
  session::EditSession &s = Start(image);
  EXPECT_GT(services_.escape_queries, 10);
  services_.escape_held = true;
  const int asked = services_.escape_queries;
  s.KeyPressed(Key::Home, false);
  EXPECT_LT(services_.escape_queries - asked, 5);
  // The queued press of that same Esc is not a deletion request: nothing
  // of the user's is there, so a deletion would beep.
  services_.escape_held = false;
  s.KeyPressed(Key::Esc, false);
  EXPECT_EQ(services_.beeps, 0);
  s.EscapeReleased();
  s.KeyPressed(Key::Esc, false);
  EXPECT_EQ(services_.beeps, 1);
}

TEST_F(SessionTest, DeletionWaitsForEscToComeUpButNotForEver) {
  session::EditSession &s = Start(kTwoPoints);
  s.ChooseMode(session::kLineMode);
  Drag({300, 300}, {500, 400});
  const int paused = services_.paused_ms;
  services_.escape_held = true; // a key that never comes up
  s.KeyPressed(Key::Esc, false);
  EXPECT_EQ(s.Model().Lines.Count(), 0u);
  EXPECT_EQ(services_.paused_ms - paused, 10000);
}

TEST_F(SessionTest, WriterShowsItsProgressAndEscEmptiesItsOutput) {
  std::string image = kTwoPoints;
  for (int i = 0; i < 250; ++i)
    image += "10 10 20 20\r\n";
  // "処理中(ESC:中断)：" in Shift-JIS; then the next element, "／" and the
  // total, before elements 1, 101 and 201 of 253.
  const std::string working =
      "\x8F\x88\x97\x9D\x92\x86(ESC:\x92\x86\x92\x66)\x81\x46";
  const std::string of = "\x81\x5E"
                         "253";
  for (const bool esc : {false, true}) {
    session::EditSession &s = Start(image);
    s.ChooseMode(session::kLineMode);
    Drag({300, 300}, {500, 400}); // (25, 50) to (45, 40)
    events_.progress.clear();
    services_.escape_held = esc;
    ASSERT_TRUE(s.Commit());
    EXPECT_EQ(events_.status.back(), session::text::kWritingFile);
    s.Close({0, 0, 500, 500});
    if (!esc) {
      EXPECT_EQ(events_.progress, (std::vector<std::string>{
                                      working + "1" + of, working + "101" + of,
                                      working + "201" + of}));
      EXPECT_TRUE(
          Get("JWC_TEMP.TXT").ends_with("10 10 20 20\r\n25 50 45 40\r\n"));
    } else {
      // The host then finds neither "hd" nor "hq": it adds nothing and
      // only sets its current layer to the one it handed over.
      EXPECT_EQ(Get("JWC_TEMP.TXT"), "lg0\r\nly0\r\n");
    }
  }
}

TEST_F(SessionTest, ZoomStopsBeforeTheViewDegenerates) {
  session::EditSession &s = Start(kTwoPoints, 200, 200);
  for (int i = 0; i < 200; ++i)
    s.KeyPressed(Key::PageUp, false);
  EXPECT_LE(s.View().ViewScale(), 1e10);
  EXPECT_GT(s.View().ViewRight() - s.View().ViewLeft(), 0);
  for (int i = 0; i < 400; ++i)
    s.KeyPressed(Key::PageDown, false);
  EXPECT_GE(s.View().ViewScale(), 1e-10);
  EXPECT_TRUE(std::isfinite(s.View().ViewLeft()));
  // Dragging out (left and up) from the smallest scale stops there too.
  Drag({150, 150}, {50, 50});
  EXPECT_GE(s.View().ViewScale(), 1e-10);
  EXPECT_TRUE(std::isfinite(s.View().ViewRight()));
}

TEST_F(SessionTest, InputOutsideItsLifeChangesNothingAndClosingIsOnce) {
  Put("JWC_TEMP.TXT", kTwoPoints);
  AreaSurface area(100, 100);
  session::EditSession early(
      session::ProgramFiles::InFolder(dir_.string(), "orvik"), area.surface,
      events_, services_);
  EXPECT_FALSE(early.KeyPressed(Key::Esc, false)); // left to the field
  early.Close({0, 0, 500, 500}); // never loaded: writes nothing
  EXPECT_EQ(services_.beeps, 0);
  EXPECT_EQ(Get("JWC_TEMP.TXT"), kTwoPoints);

  session::EditSession &s = Start();
  EXPECT_TRUE(s.KeyPressed(Key::Esc, false));
  ASSERT_TRUE(s.Commit());
  s.Close({0, 0, 500, 500});
  EXPECT_FALSE(s.KeyPressed(Key::Home, false));
  // The host may read and replace the file once the window is gone.
  Put("JWC_TEMP.TXT", "taken back");
  EXPECT_FALSE(s.Commit());
  s.Close({0, 0, 500, 500});
  s.ChooseMode(session::kLineMode);
  Drag({300, 300}, {500, 400});
  EXPECT_EQ(Get("JWC_TEMP.TXT"), "taken back");
}

} // namespace
} // namespace orvik::test
