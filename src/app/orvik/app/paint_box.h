#pragma once
// The drawing area. Everything the window draws goes straight onto its
// surface, a picture of the area's size; the widget only shows the surface.
// This keeps the host platform's model of a paint box: marks drawn onto it
// stay until something draws over them, and a real paint request (the area
// was resized or first shown) goes to the window's paint handler, which puts
// the last rendered picture back. The overlay (the snap preview) is shown
// above the surface and never drawn into it.
//
// The area takes touch input itself: mouse events that the system makes of
// touches never reach the handlers, and neither do tablet events that the
// handler leaves (ignores) to the system, which makes mouse events of them.

#include "orvik/app/image_surface.h"

#include <QImage>
#include <QWidget>

class QTabletEvent;
class QTouchEvent;

namespace orvik::app {

// What the drawing area reports to the window. The paint and mouse
// handlers keep the names the window's design gives them; the rest are
// named after what they report.
class PaintBoxEvents {
public:
  virtual ~PaintBoxEvents() = default;
  // The area needs its picture back (first shown, resized).
  virtual void PaintBox1Paint() = 0;
  virtual void PaintBox1MouseDown(QMouseEvent &event, bool double_click) = 0;
  virtual void PaintBox1MouseMove(QMouseEvent &event) = 0;
  virtual void PaintBox1MouseUp(QMouseEvent &event) = 0;
  virtual void AreaWheelTurned(QWheelEvent &event) = 0;
  // The pointer (mouse or pen) left the area.
  virtual void AreaLeft() = 0;
  virtual void AreaTabletEvent(QTabletEvent &event) = 0;
  // TouchBegin, TouchUpdate, TouchEnd and TouchCancel.
  virtual void AreaTouchEvent(QTouchEvent &event) = 0;
};

class PaintBox final : public QWidget {
public:
  PaintBox(PaintBoxEvents &events, QWidget *parent);

  // The area's pixels, Format_RGB32, always the widget's size. Draw onto it
  // and call Show().
  QImage &Surface() { return surface_; }
  // Shows what was drawn onto the surface at the next paint, without
  // running the paint handler. Within a paint there is nothing to ask for:
  // the surface is shown when the handler returns.
  void Show() {
    if (!painting_)
      update();
  }
  // The overlay shown above the surface; null: none.
  void SetOverlay(const Overlay *overlay) { overlay_ = overlay; }
  void OverlayChanged(const QRect &box) {
    if (!painting_)
      update(box);
  }
  // The area as it is shown, the overlay included: the widget painted
  // anew, as its paint event paints it.
  QImage ShownPicture();

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void leaveEvent(QEvent *event) override;
  void tabletEvent(QTabletEvent *event) override;
  bool event(QEvent *event) override;

private:
  PaintBoxEvents &events_;
  QImage surface_;
  const Overlay *overlay_ = nullptr;
  bool needs_handler_ = true;
  bool painting_ = false;
};

// The paint box's surface as the session draws on it: shown when drawn.
class PaintBoxSurface final : public ImageSurface {
public:
  explicit PaintBoxSurface(PaintBox &box)
      : ImageSurface(box.Surface()), box_(box) {
    box.SetOverlay(&OverlayLayer());
  }

protected:
  void Shown() override { box_.Show(); }
  void OverlayShown(const QRect &box) override { box_.OverlayChanged(box); }

private:
  PaintBox &box_;
};

} // namespace orvik::app
