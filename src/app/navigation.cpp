// View navigation and the full redraw: fit, zoom, pan, the back gesture,
// keys, wheel, the middle-button pan and the rubber boxes of the
// screen-operation mode.

#include "orvik/app/tform1.h"

#include "escape_watch.h"
#include "surface_drawing.h"

#include "orvik/render/image_canvas.h"
#include "orvik/render/scene.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <cstring>

namespace orvik::app {
namespace {

// Scales beyond these (pixels per paper millimetre) would leave too few
// distinct doubles across the window, or overflow; zooming stops there.
constexpr double kMinScale = 1e-10;
constexpr double kMaxScale = 1e10;

std::int32_t FlagsOf(const QMouseEvent &e, bool double_click) {
  std::int32_t flags = 0;
  const Qt::MouseButtons b = e.buttons() | e.button();
  if (b & Qt::LeftButton)
    flags |= kLeftButton;
  if (b & Qt::RightButton)
    flags |= kRightButton;
  if (b & Qt::MiddleButton)
    flags |= kMiddleButton;
  if (double_click)
    flags |= kDoubleClick;
  if (e.modifiers() & Qt::ShiftModifier)
    flags |= kShiftKey;
  if (e.modifiers() & Qt::AltModifier)
    flags |= kAltKey;
  if (e.modifiers() & Qt::ControlModifier)
    flags |= kCtrlKey;
  return flags;
}

QPoint PixelOf(const QMouseEvent &e) {
  return {static_cast<int>(std::floor(e.position().x())),
          static_cast<int>(std::floor(e.position().y()))};
}

// Copies the surface into `kept`, reusing its storage when the size is the
// same: a fresh picture of a large area costs more in page faults than the
// copy itself.
void KeepPicture(const QImage &surface, QImage &kept) {
  if (kept.size() == surface.size() && kept.format() == surface.format() &&
      kept.bytesPerLine() == surface.bytesPerLine())
    std::memcpy(kept.bits(), surface.constBits(), surface.sizeInBytes());
  else
    kept = surface.copy();
}

} // namespace

bool TForm1::ScaleAllowed(double scale) const {
  return std::isfinite(scale) && scale >= kMinScale && scale <= kMaxScale;
}

void TForm1::FitAll() {
  view_.SaveView();
  DrawingExtents = render::ComputeExtents(model_, DrawingExtents);
  render::FitView(view_, DrawingExtents, PaintBox1->width(),
                  PaintBox1->height());
  Redraw();
}

void TForm1::ZoomAt(int screen_x, int screen_y, double f) {
  const double scale = view_.ViewScale * f;
  if (!ScaleAllowed(scale))
    return;
  view_.SaveView();
  const QPoint at = PaintBox1->mapFromGlobal(QPoint(screen_x, screen_y));
  const double wx = view_.WorldX(at.x()), wy = view_.WorldY(at.y());
  const double cx = (view_.ViewLeft + view_.ViewRight) / 2;
  const double cy = (view_.ViewBottom + view_.ViewTop) / 2;
  const double half_w = (view_.ViewRight - view_.ViewLeft) / 2 / f;
  const double half_h = (view_.ViewTop - view_.ViewBottom) / 2 / f;
  const double ncx = cx + (wx - cx) * (1 - 1 / f);
  const double ncy = cy + (wy - cy) * (1 - 1 / f);
  view_.ViewScale = scale;
  view_.ViewLeft = ncx - half_w;
  view_.ViewRight = ncx + half_w;
  view_.ViewBottom = ncy - half_h;
  view_.ViewTop = ncy + half_h;
  Redraw();
}

void TForm1::ZoomToBox(double x1, double y1, double x2, double y2) {
  view_.SaveView();
  view_.ViewWidth = PaintBox1->width();
  view_.ViewHeight = PaintBox1->height();
  double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
  if (!(w > 0.001))
    w = 0.001;
  if (!(h > 0.001))
    h = 0.001;
  const double scale = std::min(view_.ViewWidth / w, view_.ViewHeight / h);
  view_.CentreWindow((x1 + x2) / 2, (y1 + y2) / 2, scale);
  Redraw();
}

void TForm1::ZoomOutAbout(double x1, double y1, double x2, double y2) {
  const double w = 2 * (view_.ViewRight - view_.ViewLeft);
  const double h = 2 * (view_.ViewTop - view_.ViewBottom);
  const double scale =
      std::min(PaintBox1->width() / w, PaintBox1->height() / h);
  if (!ScaleAllowed(scale))
    return;
  view_.SaveView();
  view_.ViewWidth = PaintBox1->width();
  view_.ViewHeight = PaintBox1->height();
  view_.CentreWindow((x1 + x2) / 2, (y1 + y2) / 2, scale);
  Redraw();
}

void TForm1::CentreOn(double x, double y) {
  view_.SaveView();
  view_.ViewWidth = PaintBox1->width();
  view_.ViewHeight = PaintBox1->height();
  ShiftView(x - (view_.ViewLeft + view_.ViewRight) / 2,
            y - (view_.ViewBottom + view_.ViewTop) / 2);
  Redraw();
}

void TForm1::ShiftView(double dx, double dy) {
  view_.ViewLeft += dx;
  view_.ViewRight += dx;
  view_.ViewBottom += dy;
  view_.ViewTop += dy;
}

bool TForm1::Redraw() {
  if (!Shown || !pens_)
    return true;
  ZoomBoxShown = false;
  DragBoxShown = false;
  QImage &surface = PaintBox1->Surface();
  const render::GridSettings grid{GridOn == 1, GridSpacing, GridOriginX,
                                  GridOriginY};
  EscapeWatch abort(services_);
  bool complete;
  {
    render::ImageCanvas canvas(surface);
    complete = render::PaintScene(canvas, model_, *pens_, view_, grid, &abort,
                                  &codes_);
  }
  if (!complete)
    swallow_escape_ = true;
  KeepPicture(surface, ViewImage);
  PaintBox1->Show();
  BuildSnapIndexLater();
  return complete;
}

void TForm1::PaintBox1Paint() {
  ZoomBoxShown = false;
  DragBoxShown = false;
  if (!pens_)
    return;
  if (ViewImage.isNull()) {
    FitAll();
    return;
  }
  QImage &surface = PaintBox1->Surface();
  if (ViewImage.size() == surface.size()) {
    // The kept picture has the frame already and covers every pixel.
    KeepPicture(ViewImage, surface);
  } else {
    {
      SurfaceDrawing d(*PaintBox1, view_, *pens_);
      d.p().ClearBackground(surface.width(), surface.height());
      d.p().SetPen(0xFF0000, render::PenStyle::Solid, 0);
      d.p().PixelRectangle(0, 0, surface.width() - 1, surface.height() - 1);
    }
    QPainter(&surface).drawImage(0, 0, ViewImage);
  }
  PaintBox1->Show();
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const double step = (modifiers & Qt::ShiftModifier) ? 10.0 : 2.0;
  switch (key) {
  case Qt::Key_PageUp:
  case Qt::Key_PageDown: {
    const QPoint centre = PaintBox1->mapToGlobal(
        QPoint(PaintBox1->width() / 2, PaintBox1->height() / 2));
    ZoomAt(centre.x(), centre.y(),
           key == Qt::Key_PageUp ? ZoomFactor : 1 / ZoomFactor);
    return true;
  }
  case Qt::Key_Home:
    FitAll();
    return true;
  case Qt::Key_End:
  case Qt::Key_Insert:
    view_.SaveView();
    view_.CentreWindow((DrawingExtents.MinX + DrawingExtents.MaxX) / 2,
                       (DrawingExtents.MinY + DrawingExtents.MaxY) / 2,
                       view_.ViewScale);
    Redraw();
    return true;
  case Qt::Key_Left:
  case Qt::Key_Right: {
    view_.SaveView();
    const double d = (view_.ViewRight - view_.ViewLeft) / step;
    ShiftView(key == Qt::Key_Left ? -d : d, 0);
    Redraw();
    return true;
  }
  case Qt::Key_Up:
  case Qt::Key_Down: {
    view_.SaveView();
    const double d = (view_.ViewTop - view_.ViewBottom) / step;
    ShiftView(0, key == Qt::Key_Up ? d : -d);
    Redraw();
    return true;
  }
  case Qt::Key_Escape:
    if (!swallow_escape_)
      DeleteNewest();
    return true;
  default:
    return false;
  }
}

void TForm1::FormMouseWheel(bool down, QPoint screen_position) {
  ZoomAt(screen_position.x(), screen_position.y(),
         down ? ZoomFactor : 1 / ZoomFactor);
}

// One zoom step per notch (120 units); finer wheels add up to notches.
void TForm1::PaintBox1Wheel(QWheelEvent &event) {
  wheel_remainder_ += event.angleDelta().y();
  const QPoint at = event.globalPosition().toPoint();
  while (wheel_remainder_ <= -120) {
    wheel_remainder_ += 120;
    FormMouseWheel(true, at);
  }
  while (wheel_remainder_ >= 120) {
    wheel_remainder_ -= 120;
    FormMouseWheel(false, at);
  }
  event.ignore();
}

void TForm1::PaintBox1MouseDown(QMouseEvent &event, bool double_click) {
  // Flags left from a press whose release never arrived (the window lost
  // the mouse meanwhile) would tie this press to that old one.
  if (ButtonFlags != 0 && (event.buttons() & ~event.button()) == 0)
    ButtonFlags = 0;
  const QPoint at = PixelOf(event);
  if (!(ButtonFlags & (kLeftButton | kRightButton))) {
    PressX = at.x();
    PressY = at.y();
  }
  ButtonFlags |= FlagsOf(event, double_click);
  if (ButtonFlags & kMiddleButton) {
    PanImage = PaintBox1->Surface().copy();
    PanImageValid = true;
  }
}

void TForm1::PaintBox1MouseMove(QMouseEvent &event) {
  const QPoint at = PixelOf(event);
  constexpr std::int32_t both = kLeftButton | kRightButton;
  if ((ButtonFlags & both) == both) {
    RubberBox(ZoomBoxShown, ZoomBox, at);
  } else if (ButtonFlags & kMiddleButton) {
    PanTo(at);
  } else if (ButtonFlags & kLeftButton) {
    const int mode = ModeItem();
    if (mode == kScreenMode)
      RubberBox(DragBoxShown, DragBox, at);
    else if (mode == kLineMode || mode == kArcMode)
      PenTrace(at);
  }
}

void TForm1::PaintBox1MouseUp(QMouseEvent &event) {
  const QPoint at = PixelOf(event);
  const double sx = view_.WorldX(PressX), sy = view_.WorldY(PressY);
  const double ex = view_.WorldX(at.x()), ey = view_.WorldY(at.y());
  constexpr std::int32_t both = kLeftButton | kRightButton;
  if ((ButtonFlags & both) == both) {
    if (ZoomBoxShown)
      XorBox(ZoomBox);
    ZoomBoxShown = false;
    Gesture(sx, sy, ex, ey);
  } else if (ButtonFlags & kMiddleButton) {
    PanImage = QImage();
    PanImageValid = false;
    view_.SaveView();
    ShiftView(sx - ex, sy - ey);
    Redraw();
  } else if (ButtonFlags & kLeftButton) {
    if (ModeItem() == kScreenMode) {
      if (DragBoxShown)
        XorBox(DragBox);
      DragBoxShown = false;
      Gesture(sx, sy, ex, ey);
    } else {
      DrawingRelease(at);
    }
  }
  ButtonFlags = 0;
}

// A click or a drag along one axis recentres on the press point; otherwise
// the drag's direction on screen chooses the step.
void TForm1::Gesture(double sx, double sy, double ex, double ey) {
  const double t = 5 / view_.ViewScale;
  if (std::fabs(ex - sx) <= t || std::fabs(ey - sy) <= t) {
    CentreOn(sx, sy);
  } else if (ex > sx && ey < sy) {
    ZoomToBox(sx, sy, ex, ey);
  } else if (ex < sx && ey > sy) {
    ZoomOutAbout(sx, sy, ex, ey);
  } else if (ex > sx && ey > sy) {
    FitAll();
  } else {
    const geometry::ViewWindow previous = view_.PrevView;
    view_.SaveView();
    view_.SetWindow(previous);
    Redraw();
  }
}

void TForm1::PanTo(QPoint mouse) {
  if (!PanImageValid || !pens_)
    return;
  ZoomBoxShown = false;
  QImage &surface = PaintBox1->Surface();
  const Colour32 bg = pens_->GetBackgroundColour();
  surface.fill(QColor(RedOf(bg), GreenOf(bg), BlueOf(bg)));
  QPainter(&surface).drawImage(mouse - QPoint(PressX, PressY), PanImage);
  PaintBox1->Show();
}

// Erases the box last drawn, if any, and draws the one from the press
// point to `corner`.
void TForm1::RubberBox(bool &shown, QRect &box, QPoint corner) {
  if (shown)
    XorBox(box);
  box = QRect(QPoint(PressX, PressY), corner);
  XorBox(box);
  shown = true;
}

// Drawing the same box again in XOR mode wipes it without a redraw.
void TForm1::XorBox(const QRect &box) {
  if (!pens_)
    return;
  SurfaceDrawing d(*PaintBox1, view_, *pens_);
  d.p().XorMode();
  d.p().SetPen(pens_->GetColourScheme() == 0 ? 0xFFFF00 : 0x0000FF,
               render::PenStyle::Solid, 3);
  d.p().PixelRectangle(box.left(), box.top(), box.right(), box.bottom());
}

} // namespace orvik::app
