// Navigation: every step's view before and after, the back gesture, the
// keys, the wheel, the middle-button pan, the rubber boxes and the grid.

#include "window_fixture.h"

#include <QLineEdit>
#include <QWheelEvent>

#include <cmath>

namespace orvik::test {
namespace {

using geometry::ViewState;
using geometry::ViewWindow;

// The drawing of TwoPointDrawing in a 1000 x 1000 area: scale 10, window
// (-5, -20)-(95, 80).
class Navigation : public WindowTest {
protected:
  app::TForm1 &OpenTwoPoints(QSize area = QSize(1000, 1000)) {
    WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
    return Open(area);
  }
  const ViewState &V() { return form_->View(); }
  double Width() { return V().ViewRight - V().ViewLeft; }
  double Height() { return V().ViewTop - V().ViewBottom; }
  double CentreX() { return (V().ViewLeft + V().ViewRight) / 2; }
  double CentreY() { return (V().ViewBottom + V().ViewTop) / 2; }

  void ExpectWindow(double scale, double left, double bottom, double right,
                    double top) {
    EXPECT_NEAR(V().ViewScale, scale, 1e-9 * scale);
    EXPECT_NEAR(V().ViewLeft, left, 1e-9);
    EXPECT_NEAR(V().ViewBottom, bottom, 1e-9);
    EXPECT_NEAR(V().ViewRight, right, 1e-9);
    EXPECT_NEAR(V().ViewTop, top, 1e-9);
  }
  // The window's size always matches the area at the scale.
  void ExpectInvariant() {
    EXPECT_NEAR(Width() * V().ViewScale, V().ViewWidth, 1e-6);
    EXPECT_NEAR(Height() * V().ViewScale, V().ViewHeight, 1e-6);
  }
  void Wheel(bool down, QPoint at) {
    QWidget &area = form_->DrawingArea();
    QWheelEvent event(at, area.mapToGlobal(at), QPoint(),
                      QPoint(0, down ? -120 : 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&area, &event);
  }
};

TEST_F(Navigation, PageUpHalvesTheWindowAboutItsCentre) {
  app::TForm1 &f = OpenTwoPoints();
  ExpectWindow(10, -5, -20, 95, 80);
  Key(Qt::Key_PageUp);
  ExpectWindow(20, 20, 5, 70, 55);
  ExpectInvariant();
  Key(Qt::Key_PageDown);
  ExpectWindow(10, -5, -20, 95, 80);
  EXPECT_FALSE(f.ViewImage.isNull());
}

TEST_F(Navigation, ThousandMillimetreWindowZoomsToFiveHundred) {
  // Extents 900 x 900 in a 900 x 900 area: 0.9 pixels a millimetre, a
  // window 1000 mm wide about (450, 450).
  WriteFile("JWC_TEMP.TXT", CrLf({"hq", "bz", "pt 0 0", "pt 900 900"}));
  Open(QSize(900, 900));
  ExpectWindow(0.9, -50, -50, 950, 950);
  Key(Qt::Key_PageUp);
  ExpectWindow(1.8, 200, 200, 700, 700);
  Key(Qt::Key_PageDown);
  ExpectWindow(0.9, -50, -50, 950, 950);
}

TEST_F(Navigation, WheelKeepsTheWorldPointUnderTheMouse) {
  OpenTwoPoints();
  const QPoint at(137, 611);
  const double wx = V().WorldX(at.x()), wy = V().WorldY(at.y());
  Wheel(true, at); // towards the user: zoom in
  EXPECT_NEAR(V().ViewScale, 20, 1e-12);
  EXPECT_NEAR(V().WorldX(at.x()), wx, 1e-9);
  EXPECT_NEAR(V().WorldY(at.y()), wy, 1e-9);
  Wheel(false, at);
  EXPECT_NEAR(V().ViewScale, 10, 1e-12);
  EXPECT_NEAR(V().WorldX(at.x()), wx, 1e-9);
  ExpectInvariant();
}

TEST_F(Navigation, ShortDragRecentresOnThePressPoint) {
  OpenTwoPoints();
  // 3 pixels right and 40 down: along one axis within 5 pixels.
  LeftDrag({300, 300}, {303, 340});
  // Pixel (300, 300) was world (25, 50); it becomes the centre.
  ExpectWindow(10, 25 - 50, 50 - 50, 25 + 50, 50 + 50);
  EXPECT_NEAR(V().PrevView.Left, -5, 1e-12);
}

TEST_F(Navigation, DragDirectionsChooseTheStep) {
  OpenTwoPoints();
  // Right and down: zoom to the box (100, 100)-(300, 200) pixels, world
  // (5, 70)-(25, 60): 20 x 10 mm, so the tighter scale is 1000 / 20 = 50.
  LeftDrag({100, 100}, {300, 200});
  ExpectWindow(50, 15 - 10, 65 - 10, 15 + 10, 65 + 10);
  // Left and up: twice the window about the box centre. At scale 50 the
  // drag (500, 500)-(300, 300) spans world (15, 65)-(11, 69); centre
  // (13, 67); the window grows to 40 x 40 mm: scale 25.
  LeftDrag({500, 500}, {300, 300});
  ExpectWindow(25, 13 - 20, 67 - 20, 13 + 20, 67 + 20);
  // Right and up: the whole drawing again.
  LeftDrag({100, 500}, {300, 300});
  ExpectWindow(10, -5, -20, 95, 80);
  ExpectInvariant();
}

TEST_F(Navigation, BackGestureSwapsWithThePreviousView) {
  OpenTwoPoints();
  Key(Qt::Key_PageUp); // previous: the fitted view
  const ViewWindow zoomed = V().Window();
  LeftDrag({500, 500}, {300, 700}); // left and down
  ExpectWindow(10, -5, -20, 95, 80);
  LeftDrag({500, 500}, {300, 700});
  ExpectWindow(zoomed.Scale, zoomed.Left, zoomed.Bottom, zoomed.Right,
               zoomed.Top);
}

TEST_F(Navigation, KeysShiftAndRecentre) {
  OpenTwoPoints();
  Key(Qt::Key_Left); // half the width, 50 mm
  ExpectWindow(10, -55, -20, 45, 80);
  Key(Qt::Key_Up); // half the height, upwards
  ExpectWindow(10, -55, 30, 45, 130);
  Key(Qt::Key_Right, Qt::ShiftModifier); // a tenth: 10 mm
  ExpectWindow(10, -45, 30, 55, 130);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  ExpectWindow(10, -45, 20, 55, 120);
  Key(Qt::Key_End); // centred on the extents, same scale
  ExpectWindow(10, -5, -20, 95, 80);
  Key(Qt::Key_PageUp);
  Key(Qt::Key_Left);
  Key(Qt::Key_Insert);
  ExpectWindow(20, 20, 5, 70, 55);
  Key(Qt::Key_Home);
  ExpectWindow(10, -5, -20, 95, 80);
}

TEST_F(Navigation, KeysReachTheWindowBeforeTheFocusedField) {
  app::TForm1 &f = OpenTwoPoints();
  auto *edit = f.findChild<QLineEdit *>("Edit1");
  edit->setFocus();
  edit->setCursorPosition(1);
  QTest::keyClick(edit, Qt::Key_PageUp);
  EXPECT_NEAR(V().ViewScale, 20, 1e-12);
  // Home fits the drawing instead of moving the field's cursor.
  QTest::keyClick(edit, Qt::Key_Home);
  EXPECT_NEAR(V().ViewScale, 10, 1e-12);
  EXPECT_EQ(edit->cursorPosition(), 1);
  // Other keys still reach the field.
  QTest::keyClick(edit, Qt::Key_5);
  EXPECT_EQ(f.SpacingText(), "150");
}

TEST_F(Navigation, MiddleDragPansWithTheDrawing) {
  app::TForm1 &f = OpenTwoPoints();
  Mouse(QEvent::MouseButtonPress, {400, 400}, Qt::MiddleButton,
        Qt::MiddleButton);
  EXPECT_TRUE(f.PanImageValid);
  Mouse(QEvent::MouseMove, {430, 380}, Qt::NoButton, Qt::MiddleButton);
  // The snapshot follows the mouse: the origin cross, at pixel (50, 800),
  // now shows at (80, 780); the view is unchanged until the release.
  EXPECT_EQ(f.DrawingArea().Surface().pixel(80, 780), qRgb(255, 0, 0));
  ExpectWindow(10, -5, -20, 95, 80);
  Mouse(QEvent::MouseButtonRelease, {450, 350}, Qt::MiddleButton, Qt::NoButton);
  // Moved 50 pixels right and 50 up: the window shifts 5 mm left and 5 mm
  // down.
  ExpectWindow(10, -10, -25, 90, 75);
  EXPECT_FALSE(f.PanImageValid);
  EXPECT_EQ(f.ButtonFlags, 0);
}

TEST_F(Navigation, TwoButtonDragZoomsWithARubberBox) {
  app::TForm1 &f = OpenTwoPoints();
  const QImage before = f.DrawingArea().Surface();
  Mouse(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
  Mouse(QEvent::MouseButtonPress, {100, 100}, Qt::RightButton,
        Qt::LeftButton | Qt::RightButton);
  EXPECT_EQ(f.ButtonFlags, app::kLeftButton | app::kRightButton);
  Mouse(QEvent::MouseMove, {250, 180}, Qt::NoButton,
        Qt::LeftButton | Qt::RightButton);
  EXPECT_TRUE(f.ZoomBoxShown);
  EXPECT_NE(f.DrawingArea().Surface(), before);
  Mouse(QEvent::MouseMove, {300, 200}, Qt::NoButton,
        Qt::LeftButton | Qt::RightButton);
  Mouse(QEvent::MouseButtonRelease, {300, 200}, Qt::RightButton,
        Qt::LeftButton);
  EXPECT_FALSE(f.ZoomBoxShown);
  EXPECT_EQ(f.ButtonFlags, 0);
  ExpectWindow(50, 5, 55, 25, 75); // as the left drag to the same corner
  // The left button's own release afterwards does nothing more.
  Mouse(QEvent::MouseButtonRelease, {300, 200}, Qt::LeftButton, Qt::NoButton);
  ExpectWindow(50, 5, 55, 25, 75);
}

TEST_F(Navigation, XorBoxesLeaveNoTrace) {
  app::TForm1 &f = OpenTwoPoints();
  const QImage before = f.DrawingArea().Surface();
  Mouse(QEvent::MouseButtonPress, {500, 500}, Qt::LeftButton, Qt::LeftButton);
  for (QPoint p : {QPoint(520, 530), QPoint(640, 610), QPoint(505, 490)})
    Mouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
  EXPECT_TRUE(f.DragBoxShown);
  // The box shows in XOR of cyan over the white background: red.
  EXPECT_EQ(f.DrawingArea().Surface().pixel(500, 495), qRgb(255, 0, 0));
  Mouse(QEvent::MouseMove, {500, 500}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(f.DrawingArea().Surface(), before);
}

TEST_F(Navigation, PaintPutsTheLastPictureBack) {
  app::TForm1 &f = OpenTwoPoints();
  Mouse(QEvent::MouseButtonPress, {500, 500}, Qt::LeftButton, Qt::LeftButton);
  Mouse(QEvent::MouseMove, {600, 600}, Qt::NoButton, Qt::LeftButton);
  ASSERT_NE(f.DrawingArea().Surface(), f.ViewImage);
  f.DrawingArea().resize(1000, 1000); // same size: the paint handler still runs
  QResizeEvent resized(QSize(1000, 1000), QSize(1000, 1000));
  QApplication::sendEvent(&f.DrawingArea(), &resized);
  f.DrawingArea().repaint();
  EXPECT_EQ(f.DrawingArea().Surface(), f.ViewImage);
  EXPECT_FALSE(f.DragBoxShown);
}

TEST_F(Navigation, GridOfAHundredIntervalsIsDrawnNotOfAHundredAndOne) {
  // Sheet coordinates, window 100 mm wide and high at scale 10.
  app::TForm1 &f = OpenTwoPoints();
  const auto grey_pixels = [&f] {
    int grey = 0;
    const QImage &img = f.ViewImage;
    for (int y = 0; y < img.height(); y += 7)
      for (int x = 0; x < img.width(); ++x)
        grey += img.pixel(x, y) == qRgb(192, 192, 192);
    return grey;
  };
  f.SetSpacingText("1");
  f.SetGridChecked(true);
  EXPECT_GT(grey_pixels(), 1000); // 100 intervals of 1 mm
  f.SetSpacingText("0.990099");   // 100 / 0.990099 > 100 intervals
  f.SetGridChecked(true);
  EXPECT_EQ(grey_pixels(), 0);
}

TEST_F(Navigation, OriginCrossKeepsItsPixelSize) {
  // No element near the origin, so only the cross is red there.
  WriteFile("JWC_TEMP.TXT", CrLf({"hq", "bz", "pt 20 20", "pt 110 80"}));
  app::TForm1 &f = Open(QSize(1000, 1000));
  const auto red_run = [&f] {
    // Red pixels on the cross's row through its centre.
    const QImage &img = f.ViewImage;
    const int cy = static_cast<int>(std::lround(f.View().PixelY(0)));
    const int cx = static_cast<int>(std::lround(f.View().PixelX(0)));
    int run = 0;
    for (int x = cx - 20; x <= cx + 20; ++x)
      run += img.valid(x, cy) && img.pixel(x, cy) == qRgb(255, 0, 0);
    return run;
  };
  f.CentreOn(0, 0);
  const int fitted = red_run();
  EXPECT_GE(fitted, 9);
  EXPECT_LE(fitted, 12);
  for (int i = 0; i < 3; ++i) {
    Key(Qt::Key_PageUp);
    f.CentreOn(0, 0);
    EXPECT_EQ(red_run(), fitted) << "scale " << f.View().ViewScale;
  }
}

TEST_F(Navigation, ZoomStopsBeforeTheViewDegenerates) {
  OpenTwoPoints(QSize(200, 200));
  for (int i = 0; i < 200; ++i)
    Key(Qt::Key_PageUp);
  EXPECT_TRUE(std::isfinite(V().ViewScale));
  EXPECT_LE(V().ViewScale, 1e10);
  EXPECT_GT(Width(), 0);
  for (int i = 0; i < 400; ++i)
    Key(Qt::Key_PageDown);
  EXPECT_GE(V().ViewScale, 1e-10);
  EXPECT_TRUE(std::isfinite(V().ViewLeft));
  ExpectInvariant();
  // Dragging out from the smallest scale stops there as well.
  LeftDrag({150, 150}, {50, 50});
  EXPECT_GE(V().ViewScale, 1e-10);
  EXPECT_TRUE(std::isfinite(V().ViewRight));
}

TEST_F(Navigation, ResizeKeepsCentreAndScale) {
  app::TForm1 &f = OpenTwoPoints(QSize());
  const double scale = V().ViewScale, cx = CentreX(), cy = CentreY();
  f.resize(700, 500);
  QApplication::processEvents();
  EXPECT_EQ(V().ViewWidth, 700 - 178);
  EXPECT_EQ(V().ViewHeight, 500 - 24);
  EXPECT_DOUBLE_EQ(V().ViewScale, scale);
  EXPECT_NEAR(CentreX(), cx, 1e-9);
  EXPECT_NEAR(CentreY(), cy, 1e-9);
  ExpectInvariant();
  f.resize(100, 100); // below the minimum
  QApplication::processEvents();
  EXPECT_EQ(f.size(), QSize(475, 200));
}

TEST_F(Navigation, PressWithoutItsReleaseDoesNotTieTheNextPress) {
  app::TForm1 &f = OpenTwoPoints();
  // A press whose release went elsewhere (the window lost the mouse).
  Mouse(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
  ASSERT_EQ(f.ButtonFlags, app::kLeftButton);
  // A new press with no other button held starts afresh.
  LeftDrag({600, 600}, {602, 600});
  // A click recentres on its own press point, (55, 20).
  ExpectWindow(10, 5, -30, 105, 70);
}

TEST_F(Navigation, EscHeldStopsALongRedraw) {
  // Many elements, so the renderer asks about Esc more than once.
  std::string image = "hq\r\nbz\r\n";
  for (int i = 0; i < 500; ++i)
    image += std::to_string(i) + " 0 " + std::to_string(i) + " 100\r\n";
  WriteFile("JWC_TEMP.TXT", image);
  app::TForm1 &f = Open();
  EXPECT_GT(services_.escape_queries, 10);
  services_.escape_held = true;
  const int asked = services_.escape_queries;
  EXPECT_FALSE(f.Redraw());
  EXPECT_LT(services_.escape_queries - asked, 5);
  // The queued press of that same Esc is not a deletion request: nothing
  // is drawn yet, so a deletion would beep.
  services_.escape_held = false;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&f, &press);
  EXPECT_EQ(services_.beeps, 0);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&f, &release);
  // A later Esc is one again.
  Key(Qt::Key_Escape);
  EXPECT_EQ(services_.beeps, 1);
  EXPECT_TRUE(f.Redraw());
}

} // namespace
} // namespace orvik::test
