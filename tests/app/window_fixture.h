#pragma once
// A main window in a folder of its own, offscreen: the test writes the
// exchange file, opens the window, sends it Qt's events and looks at the
// controls and the session behind them.

#include "orvik/app/tform1.h"

#include "fake_services.h"
#include "scratch_dir.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orvik::test {

class WindowTest : public ScratchDir {
protected:
  void TearDown() override {
    form_.reset();
    ScratchDir::TearDown();
  }

  // Opens the window and waits for its first picture. `area`: a fixed
  // drawing area; empty keeps the window's own layout.
  app::TForm1 &Open(QSize area = QSize(1000, 1000)) {
    form_ = std::make_unique<app::TForm1>(
        session::ProgramFiles::InFolder(dir_.string(), "orvik"), services_);
    if (!area.isEmpty())
      form_->FixDrawingArea(area);
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    QApplication::processEvents();
    if (form_->ViewImage().isNull())
      form_->DrawingArea().repaint();
    return *form_;
  }
  const geometry::ViewState &View() { return form_->Session().View(); }

  // Mouse input on the drawing area, as the platform delivers it; queued
  // when `queue`, as input that arrives while the window is busy.
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
             Qt::MouseButtons held, bool queue = false) {
    QWidget &area = form_->DrawingArea();
    auto *event = new QMouseEvent(type, at, area.mapTo(form_.get(), at),
                                  area.mapToGlobal(at), button, held, {});
    if (queue) {
      QCoreApplication::postEvent(&area, event);
    } else {
      QApplication::sendEvent(&area, event);
      delete event;
    }
  }
  void LeftDrag(QPoint from, QPoint to, bool queue = false) {
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton,
          queue);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, queue);
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, queue);
  }

  FakeServices services_;
  std::unique_ptr<app::TForm1> form_;
};

// Two points under sheet coordinates: in a 1000 x 1000 area the scale is
// 10 px a millimetre and the window (-5, -20)-(95, 80).
inline constexpr char kTwoPoints[] = "hq\r\nbz\r\npt 0 0\r\npt 90 60\r\n";

} // namespace orvik::test
