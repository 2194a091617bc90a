// orvik-cli replay DIR SCRIPT: plays a user session into the real window,
// offscreen, with DIR as the program's folder. The window reads
// DIR/JWC_TEMP.TXT and DIR/orvik.dat when it is first shown and writes both
// when it closes, exactly as it does beside the program.

#include "commands.h"
#include "messages.h"
#include "replay_script.h"

#include "orvik/app/tform1.h"
#include "orvik/platform/arguments.h"
#include "orvik/session/program_files.h"
#include "orvik/session/system_services.h"
#include "orvik/session/ui_texts.h"
#include "orvik/util/real_format.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

namespace orvik::cli {
namespace {

using app::TForm1;
using Kind = ReplayCommand::Kind;

constexpr char kUsage[] = "usage: orvik-cli replay DIR SCRIPT\n";

// No pauses (the marks they keep on screen are not looked at), Esc never
// held, and each beep reported with the script line that caused it.
class ReplayServices final : public session::SystemServices {
public:
  explicit ReplayServices(std::ostream &out) : out_(out) {}
  bool IsEscapeHeld() override { return false; }
  void Beep() override { out_ << "beep (line " << line_ << ")\n"; }
  void Pause(int) override {}
  // The script line whose command runs now.
  void AtLine(int line) { line_ = line; }

private:
  std::ostream &out_;
  int line_ = 0;
};

// The script, whatever it is: a file, or a pipe another program fills.
bool ReadWholeFile(const std::filesystem::path &path, std::string &text) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  text.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

Qt::MouseButton QtButton(Button b) {
  switch (b) {
  case Button::Right:
    return Qt::RightButton;
  case Button::Middle:
    return Qt::MiddleButton;
  case Button::Left:
    break;
  }
  return Qt::LeftButton;
}

int QtKey(const std::string &name) {
  static const std::pair<const char *, int> kKeys[] = {
      {"Esc", Qt::Key_Escape},
      {"PageUp", Qt::Key_PageUp},
      {"PageDown", Qt::Key_PageDown},
      {"Home", Qt::Key_Home},
      {"End", Qt::Key_End},
      {"Insert", Qt::Key_Insert},
      {"Left", Qt::Key_Left},
      {"Right", Qt::Key_Right},
      {"Up", Qt::Key_Up},
      {"Down", Qt::Key_Down}};
  for (const auto &[n, key] : kKeys)
    if (name == n)
      return key;
  return 0;
}

// "view L B R T": the view window in the file's number format.
void PrintView(const geometry::ViewState &v, std::ostream &out) {
  std::string line = "view";
  for (double edge :
       {v.ViewLeft(), v.ViewBottom(), v.ViewRight(), v.ViewTop()}) {
    line += ' ';
    AppendReal(line, edge);
  }
  out << line << "\n";
}

void PrintPanel(const session::PanelState &p, std::ostream &out) {
  namespace text = session::text;
  out << "panel mode " << p.mode << " colour " << p.colour_item << " linetype "
      << p.line_type_item << " grid " << (p.grid_on ? "on" : "off")
      << " spacing " << p.spacing_text << " unit "
      << (p.sheet_units ? text::kSheetUnit : text::kRealUnit) << "\n";
}

// One end of a pen with three buttons that senses pressure.
std::unique_ptr<QPointingDevice> PenEnd(const char *name,
                                        QPointingDevice::PointerType end) {
  return std::make_unique<QPointingDevice>(
      name, 1, QInputDevice::DeviceType::Stylus, end,
      QInputDevice::Capability::Position | QInputDevice::Capability::Pressure,
      1, 3);
}

// Sends the script's input to the window as the platform would deliver it,
// and prints what the reporting commands ask for.
class Player {
public:
  Player(TForm1 &form, std::ostream &out)
      : form_(form), area_(form.DrawingArea()), out_(out) {}

  void Run(const ReplayCommand &c);

private:
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
             Qt::KeyboardModifiers modifiers = {});
  void Stroke(QPoint from, QPoint to);
  void Path(const std::vector<int> &xy);
  void Key(int key, Qt::KeyboardModifiers modifiers);
  void Wheel(bool down, QPoint at);
  void Tablet(const ReplayCommand &c);
  void Touch(const ReplayCommand &c);

  TForm1 &form_;
  QWidget &area_;
  std::ostream &out_;
  Qt::MouseButtons held_;
  Qt::KeyboardModifiers modifiers_;
  // The devices as a tablet PC's system reports them.
  const std::unique_ptr<QPointingDevice> pen_ =
      PenEnd("pen", QPointingDevice::PointerType::Pen);
  const std::unique_ptr<QPointingDevice> eraser_ =
      PenEnd("eraser", QPointingDevice::PointerType::Eraser);
  const QPointingDevice screen_{"touch screen",
                                2,
                                QInputDevice::DeviceType::TouchScreen,
                                QPointingDevice::PointerType::Finger,
                                QInputDevice::Capability::Position,
                                10,
                                0};
  std::map<int, QPoint> touching_; // touch points held, by ID
};

void Player::Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
                   Qt::KeyboardModifiers modifiers) {
  if (type == QEvent::MouseButtonPress) {
    held_ |= button;
    modifiers_ = modifiers;
  } else if (type == QEvent::MouseButtonRelease) {
    held_ &= ~button;
  }
  QMouseEvent event(type, at, area_.mapTo(&form_, at), area_.mapToGlobal(at),
                    button, held_, modifiers_);
  QApplication::sendEvent(&area_, &event);
}

// A pen stroke: the press, moves every few pixels (each leaves a trace
// dot), and the release.
void Player::Stroke(QPoint from, QPoint to) {
  Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
  const QPoint d = to - from;
  const int steps =
      std::clamp(std::max(std::abs(d.x()), std::abs(d.y())) / 8, 1, 32);
  for (int i = 1; i <= steps; ++i)
    Mouse(QEvent::MouseMove, from + d * i / steps, Qt::NoButton);
  Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
}

// A pen stroke through given points: the press at the first, a move to
// each of the others, and the release at the last.
void Player::Path(const std::vector<int> &xy) {
  const auto at = [&xy](std::size_t i) {
    return QPoint(xy[2 * i], xy[2 * i + 1]);
  };
  const std::size_t n = xy.size() / 2;
  Mouse(QEvent::MouseButtonPress, at(0), Qt::LeftButton);
  for (std::size_t i = 1; i < n; ++i)
    Mouse(QEvent::MouseMove, at(i), Qt::NoButton);
  Mouse(QEvent::MouseButtonRelease, at(n - 1), Qt::LeftButton);
}

void Player::Key(int key, Qt::KeyboardModifiers modifiers) {
  QWidget *target = form_.focusWidget() ? form_.focusWidget() : &form_;
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(target, &release);
}

void Player::Wheel(bool down, QPoint at) {
  QWheelEvent event(at, area_.mapToGlobal(at), QPoint(),
                    QPoint(0, down ? -120 : 120), held_, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&area_, &event);
}

// A tablet event of the pen's tip or eraser end; "pen leave" goes to the
// application, as the platform sends it.
void Player::Tablet(const ReplayCommand &c) {
  const QPointingDevice *device =
      c.kind == Kind::Eraser ? eraser_.get() : pen_.get();
  if (c.phase == Phase::Leave) {
    QTabletEvent leave(QEvent::TabletLeaveProximity, device, {}, {}, 0, 0, 0, 0,
                       0, 0, Qt::NoModifier, Qt::NoButton, Qt::NoButton);
    QApplication::sendEvent(qApp, &leave);
    return;
  }
  static constexpr std::pair<Phase, QEvent::Type> kTypes[] = {
      {Phase::Press, QEvent::TabletPress},
      {Phase::Move, QEvent::TabletMove},
      {Phase::Release, QEvent::TabletRelease},
      {Phase::Hover, QEvent::TabletMove}};
  QEvent::Type type = QEvent::TabletMove;
  for (const auto &[phase, t] : kTypes)
    if (phase == c.phase)
      type = t;
  const bool down = c.phase == Phase::Press || c.phase == Phase::Move;
  const Qt::MouseButton button =
      c.phase == Phase::Press || c.phase == Phase::Release ? Qt::LeftButton
                                                           : Qt::NoButton;
  const QPoint at(c.numbers[0], c.numbers[1]);
  QTabletEvent event(type, device, at, area_.mapToGlobal(at), down ? 0.5 : 0, 0,
                     0, 0, 0, 0, Qt::NoModifier, button,
                     down ? Qt::LeftButton : Qt::NoButton);
  QApplication::sendEvent(&area_, &event);
}

// One touch event: the point ID pressed, moved or released, every other
// point held stationary.
void Player::Touch(const ReplayCommand &c) {
  const int id = c.numbers[0];
  const QPoint at(c.numbers[1], c.numbers[2]);
  const bool known = touching_.count(id) > 0;
  if (c.phase != Phase::Press && !known)
    return; // no such finger on the screen
  const bool first = touching_.empty();
  touching_[id] = at;
  QList<QEventPoint> points;
  for (const auto &[held, p] : touching_) {
    QEventPoint::State state = QEventPoint::State::Stationary;
    if (held == id)
      state = c.phase == Phase::Press && !known ? QEventPoint::State::Pressed
              : c.phase == Phase::Release       ? QEventPoint::State::Released
                                                : QEventPoint::State::Updated;
    points << QEventPoint(held, state, area_.mapTo(&form_, p),
                          area_.mapToGlobal(p));
  }
  if (c.phase == Phase::Release)
    touching_.erase(id);
  const QEvent::Type type = first               ? QEvent::TouchBegin
                            : touching_.empty() ? QEvent::TouchEnd
                                                : QEvent::TouchUpdate;
  QTouchEvent event(type, &screen_, Qt::NoModifier, points);
  QApplication::sendEvent(&area_, &event);
}

void Player::Run(const ReplayCommand &c) {
  const auto point = [&c](std::size_t i) {
    return QPoint(c.numbers[i], c.numbers[i + 1]);
  };
  switch (c.kind) {
  case Kind::Area:
    break; // applied before the window was shown
  case Kind::Mode:
    form_.ChooseMode(c.numbers[0]);
    break;
  case Kind::Colour:
    form_.ChooseColour(c.numbers[0]);
    break;
  case Kind::LineType:
    form_.ChooseLineType(c.numbers[0]);
    break;
  case Kind::Grid:
    form_.SetGridChecked(c.on);
    break;
  case Kind::Spacing:
    form_.SetSpacingText(QString::fromStdString(c.text));
    break;
  case Kind::Press: {
    Qt::KeyboardModifiers m;
    m.setFlag(Qt::ShiftModifier, c.shift);
    m.setFlag(Qt::ControlModifier, c.ctrl);
    m.setFlag(Qt::AltModifier, c.alt);
    Mouse(QEvent::MouseButtonPress, point(0), QtButton(c.button), m);
    break;
  }
  case Kind::Move:
    if (!c.buttons.empty()) {
      held_ = {};
      for (Button b : c.buttons)
        held_ |= QtButton(b);
    }
    Mouse(QEvent::MouseMove, point(0), Qt::NoButton);
    break;
  case Kind::Release:
    Mouse(QEvent::MouseButtonRelease, point(0), QtButton(c.button));
    break;
  case Kind::Stroke:
    Stroke(point(0), point(2));
    break;
  case Kind::Click:
    Stroke(point(0), point(0));
    break;
  case Kind::Path:
    Path(c.numbers);
    break;
  case Kind::Key:
    Key(QtKey(c.text), c.shift ? Qt::ShiftModifier : Qt::NoModifier);
    break;
  case Kind::Wheel:
    Wheel(c.on, point(0));
    break;
  case Kind::Hover:
    held_ = {};
    Mouse(QEvent::MouseMove, point(0), Qt::NoButton);
    break;
  case Kind::Pen:
  case Kind::Eraser:
    Tablet(c);
    break;
  case Kind::Touch:
    Touch(c);
    break;
  case Kind::Png:
  case Kind::Overlay:
    break; // the caller saves it, to report a failure
  case Kind::View:
    PrintView(form_.Session().View(), out_);
    break;
  case Kind::Status:
    out_ << "status " << form_.Session().StatusText() << "\ncounter "
         << form_.Session().CounterText() << "\n";
    break;
  case Kind::Panel:
    PrintPanel(form_.Session().Panel(), out_);
    break;
  case Kind::Ok:
    form_.PressOk();
    break;
  case Kind::Cancel:
    form_.PressCancel();
    break;
  }
}

// Lets the window handle what the last command queued (repaints).
void Settle() { QCoreApplication::processEvents(); }

} // namespace

int RunReplay(const Args &args, std::ostream &out, std::ostream &err) {
  if (args.size() != 2) {
    err << kUsage;
    return 2;
  }
  const std::string &dir = args[0], &script_path = args[1];
  std::string text;
  if (!ReadWholeFile(platform::PathFromUtf8(script_path), text)) {
    err << CannotRead(script_path);
    return 2;
  }
  std::string error;
  const auto script = ParseReplayScript(text, error);
  if (!script) {
    err << Message(EchoPath(script_path) + ": " + error);
    return 2;
  }
  std::error_code ec;
  const std::filesystem::path folder = platform::PathFromUtf8(dir);
  if (!std::filesystem::is_directory(folder, ec)) {
    err << Message(EchoPath(dir) + " is not a folder");
    return 2;
  }

  ReplayServices services(out);
  TForm1 form(session::ProgramFiles::InFolder(folder, "orvik"), services);
  form.FixDrawingArea(QSize(script->width, script->height));
  // Shown as far as the window knows, never on a screen.
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  Settle();
  // The first paint fits the drawing to the area.
  if (form.ViewImage().isNull())
    form.DrawingArea().repaint();

  // A drawing that cannot be handed back ends the tool with exit code 1,
  // as a failed write does; the first failure is the one reported.
  std::optional<session::HandBackFailure> failure;
  form.SetFailureReporter([&failure](const session::HandBackFailure &f) {
    if (!failure)
      failure = f;
  });

  Player player(form, out);
  for (const ReplayCommand &c : script->commands) {
    services.AtLine(c.line);
    player.Run(c);
    Settle();
    if (c.kind == Kind::Png || c.kind == Kind::Overlay) {
      form.DrawingArea().repaint();
      const QImage picture = c.kind == Kind::Png
                                 ? form.DrawingArea().Surface()
                                 : form.DrawingArea().ShownPicture();
      if (!picture.save(QString::fromStdString(c.text), "PNG")) {
        err << Message("line " + std::to_string(c.line) + ": cannot write " +
                       EchoPath(c.text));
        form.close();
        return 1;
      }
    }
  }
  if (form.isVisible())
    form.close();
  if (failure) {
    err << CannotWrite(platform::PathToUtf8(failure->path), failure->error);
    return 1;
  }
  return 0;
}

} // namespace orvik::cli
