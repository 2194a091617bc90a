// The window's events turned into calls of the editing session, and what
// the session reports turned into the controls' texts.

#include "orvik/app/tform1.h"

#include "orvik/render/sjis_codec.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QWheelEvent>

#include <cmath>
#include <optional>

namespace orvik::app {
namespace {

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<session::Key> SessionKey(int key) {
  using session::Key;
  switch (key) {
  case Qt::Key_PageUp:
    return Key::PageUp;
  case Qt::Key_PageDown:
    return Key::PageDown;
  case Qt::Key_Home:
    return Key::Home;
  case Qt::Key_End:
    return Key::End;
  case Qt::Key_Insert:
    return Key::Insert;
  case Qt::Key_Left:
    return Key::Left;
  case Qt::Key_Right:
    return Key::Right;
  case Qt::Key_Up:
    return Key::Up;
  case Qt::Key_Down:
    return Key::Down;
  case Qt::Key_Escape:
    return Key::Esc;
  default:
    return std::nullopt;
  }
}

std::int32_t ButtonBits(Qt::MouseButtons buttons) {
  std::int32_t bits = 0;
  if (buttons & Qt::LeftButton)
    bits |= session::kLeftButton;
  if (buttons & Qt::RightButton)
    bits |= session::kRightButton;
  if (buttons & Qt::MiddleButton)
    bits |= session::kMiddleButton;
  return bits;
}

std::int32_t ModifierBits(Qt::KeyboardModifiers modifiers) {
  std::int32_t bits = 0;
  if (modifiers & Qt::ShiftModifier)
    bits |= session::kShiftKey;
  if (modifiers & Qt::AltModifier)
    bits |= session::kAltKey;
  if (modifiers & Qt::ControlModifier)
    bits |= session::kCtrlKey;
  return bits;
}

// The pixel under a position (positions may have fractions).
QPoint PixelAt(QPointF at) {
  return {static_cast<int>(std::floor(at.x())),
          static_cast<int>(std::floor(at.y()))};
}
QPoint PixelOf(const QSinglePointEvent &e) { return PixelAt(e.position()); }

} // namespace

// Keys go to the window first, wherever the focus is.
bool TForm1::eventFilter(QObject *watched, QEvent *event) {
  // Qt tells the application, not a widget, that the pen left the
  // tablet's range.
  if (event->type() == QEvent::TabletLeaveProximity) {
    session_.PenLeft();
    return false;
  }
  auto *widget = qobject_cast<QWidget *>(watched);
  if (!widget || widget->window() != this)
    return false;
  if (event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    return FormKeyDown(key->key(), key->modifiers());
  }
  if (event->type() == QEvent::KeyRelease) {
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape && !key->isAutoRepeat())
      session_.EscapeReleased();
  }
  return false;
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const std::optional<session::Key> k = SessionKey(key);
  return k && session_.KeyPressed(*k, modifiers & Qt::ShiftModifier);
}

void TForm1::PaintBox1Paint() { session_.Paint(); }

void TForm1::PaintBox1MouseDown(QMouseEvent &event, bool double_click) {
  const QPoint at = PixelOf(event);
  session::PointerPress press;
  press.x = at.x();
  press.y = at.y();
  press.button = ButtonBits(event.button());
  press.flags = ButtonBits(event.buttons() | event.button()) |
                ModifierBits(event.modifiers()) |
                (double_click ? session::kDoubleClick : 0);
  session_.PointerPressed(press);
}

void TForm1::PaintBox1MouseMove(QMouseEvent &event) {
  const QPoint at = PixelOf(event);
  session_.PointerMoved(at.x(), at.y());
}

void TForm1::PaintBox1MouseUp(QMouseEvent &event) {
  const QPoint at = PixelOf(event);
  session_.PointerReleased(at.x(), at.y());
}

void TForm1::AreaLeft() { session_.PointerLeft(); }

// The pen tip and the eraser end; a barrel button held stays what the
// system makes of it (the event is left to it, and it makes mouse events).
void TForm1::AreaTabletEvent(QTabletEvent &event) {
  if ((event.buttons() | event.button()) & ~Qt::MouseButtons(Qt::LeftButton)) {
    event.ignore();
    return;
  }
  const QPoint at = PixelOf(event);
  switch (event.type()) {
  case QEvent::TabletPress:
    session_.PenPressed(at.x(), at.y(),
                        event.pointerType() ==
                                QPointingDevice::PointerType::Eraser
                            ? session::PenEnd::Eraser
                            : session::PenEnd::Tip);
    break;
  case QEvent::TabletMove:
    if (event.buttons() & Qt::LeftButton)
      session_.PenMoved(at.x(), at.y());
    else
      session_.PenHovered(at.x(), at.y());
    break;
  case QEvent::TabletRelease:
    session_.PenReleased(at.x(), at.y());
    break;
  default:
    event.ignore();
    return;
  }
  event.accept();
}

// Each touch point that changed, in the event's order.
void TForm1::AreaTouchEvent(QTouchEvent &event) {
  if (event.type() == QEvent::TouchCancel) {
    session_.TouchCancelled();
    return;
  }
  for (const QEventPoint &point : event.points()) {
    // From the window's coordinates, which an event made by a program
    // carries too.
    const QPoint at = PixelAt(PaintBox1->mapFrom(this, point.scenePosition()));
    const auto id = static_cast<std::int32_t>(point.id());
    switch (point.state()) {
    case QEventPoint::State::Pressed:
      session_.TouchPressed(id, at.x(), at.y());
      break;
    case QEventPoint::State::Updated:
      session_.TouchMoved(id, at.x(), at.y());
      break;
    case QEventPoint::State::Released:
      session_.TouchReleased(id, at.x(), at.y());
      break;
    default:
      break;
    }
  }
}

void TForm1::AreaWheelTurned(QWheelEvent &event) {
  const QPoint at = event.position().toPoint();
  session_.WheelTurned(event.angleDelta().y(), at.x(), at.y());
  event.ignore();
}

void TForm1::ShowStatus(std::string_view utf8) {
  LabelA1->setText(FromUtf8(utf8));
  LabelA1->repaint();
}

void TForm1::ShowCounter(std::string_view utf8) {
  LabelC->setText(FromUtf8(utf8));
  LabelC->adjustSize();
  LabelC->repaint();
}

void TForm1::ShowGridSwitch(bool on) {
  const QSignalBlocker quiet(CheckBox1);
  CheckBox1->setChecked(on);
}

// Snapping's index is built once the events queued meanwhile are handled.
void TForm1::IdleWorkPending() {
  QMetaObject::invokeMethod(
      this, [this] { session_.RunIdleWork(); }, Qt::QueuedConnection);
}

void TForm1::HandBackFailed(const session::HandBackFailure &failure) {
  if (report_failure_)
    report_failure_(failure);
  else
    QMessageBox::warning(this, windowTitle(),
                         QString::fromStdString(HandBackMessage(failure)));
}

void TForm1::ShowProgress(std::string_view sjis_text) {
  LabelA1->setText(render::DecodeSjis(sjis_text));
  LabelA1->repaint();
}

} // namespace orvik::app
