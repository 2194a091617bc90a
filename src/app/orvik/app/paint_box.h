#pragma once
// The drawing area. Everything the window draws goes straight onto its
// surface, a picture of the area's size; the widget only shows the surface.
// This keeps the host platform's model of a paint box: marks drawn onto it
// stay until something draws over them, and a real paint request (the area
// was resized or first shown) goes to the window's paint handler, which puts
// the last rendered picture back.

#include "orvik/app/image_surface.h"

#include <QImage>
#include <QWidget>

namespace orvik::app {

class PaintBoxEvents {
public:
  virtual ~PaintBoxEvents() = default;
  // The area needs its picture back (first shown, resized).
  virtual void PaintBox1Paint() = 0;
  virtual void PaintBox1MouseDown(QMouseEvent &event, bool double_click) = 0;
  virtual void PaintBox1MouseMove(QMouseEvent &event) = 0;
  virtual void PaintBox1MouseUp(QMouseEvent &event) = 0;
  virtual void PaintBox1Wheel(QWheelEvent &event) = 0;
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

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;

private:
  PaintBoxEvents &events_;
  QImage surface_;
  bool needs_handler_ = true;
  bool painting_ = false;
};

// The paint box's surface as the session draws on it: shown when drawn.
class PaintBoxSurface final : public ImageSurface {
public:
  explicit PaintBoxSurface(PaintBox &box)
      : ImageSurface(box.Surface()), box_(box) {}

protected:
  void Shown() override { box_.Show(); }

private:
  PaintBox &box_;
};

} // namespace orvik::app
