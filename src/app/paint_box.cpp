#include "orvik/app/paint_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QTouchEvent>

namespace orvik::app {

PaintBox::PaintBox(PaintBoxEvents &events, QWidget *parent)
    : QWidget(parent), events_(events) {
  setObjectName("PaintBox1");
  // The surface covers every pixel; Qt need not clear behind it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  // Hovering mice and pens move the snap preview.
  setMouseTracking(true);
  setTabletTracking(true);
  setAttribute(Qt::WA_AcceptTouchEvents);
}

namespace {

// Mouse events that the system or Qt made of a touch.
bool FromTouch(const QMouseEvent &event) {
  const QInputDevice *device = event.device();
  return device && (device->type() == QInputDevice::DeviceType::TouchScreen ||
                    device->type() == QInputDevice::DeviceType::TouchPad);
}

} // namespace

QImage PaintBox::ShownPicture() {
  return grab().toImage().convertToFormat(surface_.format());
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
  if (overlay_ && !overlay_->box.isEmpty() &&
      overlay_->image.size() == surface_.size())
    painter.drawImage(overlay_->box.topLeft(), overlay_->image, overlay_->box);
}

void PaintBox::resizeEvent(QResizeEvent *) {
  if (surface_.size() != size()) {
    surface_ = QImage(size(), QImage::Format_RGB32);
    surface_.fill(Qt::white);
  }
  needs_handler_ = true;
}

void PaintBox::mousePressEvent(QMouseEvent *event) {
  if (!FromTouch(*event))
    events_.PaintBox1MouseDown(*event, false);
}
void PaintBox::mouseDoubleClickEvent(QMouseEvent *event) {
  if (!FromTouch(*event))
    events_.PaintBox1MouseDown(*event, true);
}
void PaintBox::mouseMoveEvent(QMouseEvent *event) {
  if (!FromTouch(*event))
    events_.PaintBox1MouseMove(*event);
}
void PaintBox::mouseReleaseEvent(QMouseEvent *event) {
  if (!FromTouch(*event))
    events_.PaintBox1MouseUp(*event);
}
void PaintBox::leaveEvent(QEvent *) { events_.AreaLeft(); }
void PaintBox::tabletEvent(QTabletEvent *event) {
  events_.AreaTabletEvent(*event);
}

bool PaintBox::event(QEvent *event) {
  switch (event->type()) {
  case QEvent::TouchBegin:
  case QEvent::TouchUpdate:
  case QEvent::TouchEnd:
  case QEvent::TouchCancel:
    events_.AreaTouchEvent(*static_cast<QTouchEvent *>(event));
    event->accept();
    return true;
  default:
    return QWidget::event(event);
  }
}
void PaintBox::wheelEvent(QWheelEvent *event) {
  events_.AreaWheelTurned(*event);
}

} // namespace orvik::app
