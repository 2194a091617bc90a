// Drawing input that replay scripts cannot show: touch strokes, input that
// arrives while the window pauses after a new element, and the marks that
// pause keeps on screen.

#include "window_fixture.h"

#include <QPointingDevice>

#include <memory>

namespace orvik::test {
namespace {

class PenInput : public WindowTest {
protected:
  app::TForm1 &OpenInLineMode() {
    WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
    app::TForm1 &f = Open(QSize(1000, 1000));
    f.ChooseMode(app::kLineMode);
    return f;
  }
  // Heap events for the queue, as the platform delivers input that comes
  // while the window is busy.
  void Queue(QEvent::Type type, QPoint at, Qt::MouseButton button,
             Qt::MouseButtons held) {
    QWidget &area = form_->DrawingArea();
    QCoreApplication::postEvent(
        &area, new QMouseEvent(type, at, area.mapTo(form_.get(), at),
                               area.mapToGlobal(at), button, held, {}));
  }
  int CountColour(const QImage &image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        n += image.pixel(x, y) == colour;
    return n;
  }
};

TEST_F(PenInput, TouchDragDrawsALineAndATapAPoint) {
  // Touch goes by the window's own layout, so the area must lie inside it.
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
  app::TForm1 &f = Open(QSize());
  f.ChooseMode(app::kLineMode);
  const geometry::ViewState v = f.View();
  const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
  QPointingDevice *screen = device.get();
  QWidget &area = f.DrawingArea();
  QTest::touchEvent(&area, screen).press(0, {50, 100});
  QTest::touchEvent(&area, screen).move(0, {150, 200});
  QTest::touchEvent(&area, screen).move(0, {250, 300});
  QTest::touchEvent(&area, screen).release(0, {250, 300});
  QApplication::processEvents();
  EXPECT_EQ(f.NewLineCount, 1);
  ASSERT_EQ(f.Model().Lines.Count(), 1u);
  EXPECT_DOUBLE_EQ(f.Model().Lines[0].X1, v.WorldX(50));
  EXPECT_DOUBLE_EQ(f.Model().Lines[0].Y1, v.WorldY(100));
  EXPECT_DOUBLE_EQ(f.Model().Lines[0].X2, v.WorldX(250));
  EXPECT_DOUBLE_EQ(f.Model().Lines[0].Y2, v.WorldY(300));

  QTest::touchEvent(&area, screen).press(0, {200, 100});
  QTest::touchEvent(&area, screen).release(0, {200, 100});
  QApplication::processEvents();
  EXPECT_EQ(f.NewPointCount, 1);
}

TEST_F(PenInput, InputArrivingDuringThePauseIsHandledAfterIt) {
  app::TForm1 &f = OpenInLineMode();
  services_.during_pause = [this] {
    // A second stroke and an Esc while the first line's marks are shown.
    Queue(QEvent::MouseButtonPress, {100, 700}, Qt::LeftButton, Qt::LeftButton);
    Queue(QEvent::MouseMove, {200, 700}, Qt::NoButton, Qt::LeftButton);
    Queue(QEvent::MouseButtonRelease, {200, 700}, Qt::LeftButton, Qt::NoButton);
    QCoreApplication::postEvent(
        form_->focusWidget() ? form_->focusWidget() : form_.get(),
        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  };
  LeftDrag({300, 300}, {500, 400});
  EXPECT_EQ(f.NewLineCount, 1);
  EXPECT_EQ(services_.paused_ms, 200);
  QApplication::processEvents();
  // The queued stroke drew the second line, then Esc took it back again:
  // both inputs were kept, in their order.
  EXPECT_EQ(services_.paused_ms, 400);
  EXPECT_EQ(f.NewLineCount, 1);
  ASSERT_EQ(f.Model().Lines.Count(), 1u);
  EXPECT_DOUBLE_EQ(f.Model().Lines[0].X1, 25);
}

TEST_F(PenInput, MarksStayDuringThePauseAndGoWithTheRedraw) {
  app::TForm1 &f = OpenInLineMode();
  // Black new elements (list position 2: pen 2).
  f.ChooseColour(2);
  const QRgb ink = qRgb(0, 0, 0);
  const int before = CountColour(f.DrawingArea().Surface(), ink);
  int during = -1;
  services_.during_pause = [&] {
    during = CountColour(f.DrawingArea().Surface(), ink);
  };
  // Ends on the point at (0, 0), pixel (50, 800): a snap mark there.
  LeftDrag({400, 400}, {52, 797});
  ASSERT_EQ(f.NewLineCount, 1);
  EXPECT_DOUBLE_EQ(f.Model().Lines[0].X2, 0);
  EXPECT_DOUBLE_EQ(f.Model().Lines[0].Y2, 0);
  // The trace dot and the 10-pixel square (four sides of width 2) were on
  // screen during the pause...
  EXPECT_GT(during, before + 4 * 10 * 2);
  // ...and the redraw replaced them by the line itself.
  const QImage &after = f.DrawingArea().Surface();
  EXPECT_EQ(after, f.ViewImage);
  EXPECT_NE(after.pixel(45, 795), ink); // a corner of the square
}

TEST_F(PenInput, ModeChangeDropsAHalfBuiltArc) {
  app::TForm1 &f = OpenInLineMode();
  f.ChooseMode(app::kArcMode);
  LeftDrag({300, 300}, {400, 250});
  EXPECT_TRUE(f.ArcStage);
  f.ChooseMode(app::kLineMode);
  f.ChooseMode(app::kArcMode);
  EXPECT_FALSE(f.ArcStage);
  EXPECT_EQ(f.StatusText(),
            QString::fromUtf8("【円弧作図】マウス左ドラッグ／ペンで円弧始点～"
                              "円弧通過点を指定して下さい（Esc：直前削除）"));
  // The next stroke starts a new arc instead of finishing the old one.
  LeftDrag({600, 600}, {700, 500});
  EXPECT_TRUE(f.ArcStage);
  EXPECT_EQ(f.NewArcCount, 0);
  EXPECT_DOUBLE_EQ(f.ArcStart.x, 55);
}

TEST_F(PenInput, EscNeverTakesTheHostsElements) {
  app::TForm1 &f = OpenInLineMode();
  LeftDrag({300, 300}, {500, 400});
  Key(Qt::Key_Escape);
  EXPECT_EQ(f.NewLineCount, 0);
  EXPECT_EQ(f.Model().ElementCount(), 2u);
  Key(Qt::Key_Escape);
  EXPECT_EQ(services_.beeps, 1);
  EXPECT_EQ(f.Model().ElementCount(), 2u);
  EXPECT_EQ(f.CounterText(), QString::fromUtf8("線:0　点:0　円弧:0"));
}

} // namespace
} // namespace orvik::test
