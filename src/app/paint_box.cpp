#include "orvik/app/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvik::app {

PaintBox::PaintBox(PaintBoxEvents &events, QWidget *parent)
    : QWidget(parent), events_(events) {
  setObjectName("PaintBox1");
  // The surface covers every pixel; Qt need not clear behind it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void PaintBox::paintEvent(QPaintEvent *) {
  if (needs_handler_) {
    needs_handler_ = false;
    painting_ = true;
    events_.PaintBox1Paint();
    painting_ = false;
  }
  QPainter painter(this);
  painter.drawImage(0, 0, surface_);
}

void PaintBox::resizeEvent(QResizeEvent *) {
  if (surface_.size() != size()) {
    surface_ = QImage(size(), QImage::Format_RGB32);
    surface_.fill(Qt::white);
  }
  needs_handler_ = true;
}

void PaintBox::mousePressEvent(QMouseEvent *event) {
  events_.PaintBox1MouseDown(*event, false);
}
void PaintBox::mouseDoubleClickEvent(QMouseEvent *event) {
  events_.PaintBox1MouseDown(*event, true);
}
void PaintBox::mouseMoveEvent(QMouseEvent *event) {
  events_.PaintBox1MouseMove(*event);
}
void PaintBox::mouseReleaseEvent(QMouseEvent *event) {
  events_.PaintBox1MouseUp(*event);
}
void PaintBox::wheelEvent(QWheelEvent *event) {
  events_.PaintBox1Wheel(*event);
}

} // namespace orvik::app
