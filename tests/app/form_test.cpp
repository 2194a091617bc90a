// The window itself: its controls, where keys and pen input go, what
// happens to input that arrives while it waits, and its size. What the
// editing does is tested on the session and by the replay cases.

#include "window_fixture.h"

#include "file_bytes.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointingDevice>
#include <QPushButton>
#include <QScreen>
#include <QTabletEvent>
#include <QTouchEvent>

namespace orvik::test {
namespace {

QString U(const char *utf8) { return QString::fromUtf8(utf8); }

// The panel is 178 wide on the right, the status line 24 high below; the
// drawing area takes the rest. The labels show the session's texts (the
// texts themselves are the replay cases' concern); the lists hold the
// host's choices, decoded from Shift-JIS.
TEST_F(WindowTest, ControlsHaveTheirPlacesAndShowTheSession) {
  app::TForm1 &f = Open(QSize());
  EXPECT_EQ(f.size(), QSize(475, 475));
  EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(f.findChild<QWidget *>("Panel2")->geometry(),
            QRect(475 - 178, 0, 178, 475 - 24));
  EXPECT_EQ(f.findChild<QLabel *>("LabelA1")->geometry(),
            QRect(0, 475 - 24, 475, 24));
  EXPECT_EQ(f.DrawingArea().geometry(), QRect(0, 0, 475 - 178, 475 - 24));
  const std::pair<const char *, QRect> panel[] = {
      {"RadioGroup1", {0, 0, 177, 65}},
      {"CheckBox1", {8, 118, 57, 17}},
      {"Memo1", {0, 144, 177, 137}},
      {"Button1", {0, 288, 73, 25}},
      {"Button2", {72, 288, 105, 25}}};
  for (const auto &[name, place] : panel)
    EXPECT_EQ(f.findChild<QWidget *>(name)->geometry(), place) << name;
  const std::pair<const char *, QPoint> corners[] = {{"Label1", {8, 72}},
                                                     {"Label2", {8, 96}},
                                                     {"ComboBox2", {48, 92}},
                                                     {"Edit1", {64, 116}},
                                                     {"LabelU", {128, 120}}};
  for (const auto &[name, corner] : corners)
    EXPECT_EQ(f.findChild<QWidget *>(name)->pos(), corner) << name;
  EXPECT_EQ(f.findChild<QWidget *>("RadioGroup1")->layout()->contentsMargins(),
            QMargins(6, 2, 2, 2));
  EXPECT_EQ(f.findChild<QLabel *>("LabelA1")->text().toStdString(),
            f.Session().StatusText());
  EXPECT_EQ(f.findChild<QLabel *>("LabelC")->text().toStdString(),
            f.Session().CounterText());
  EXPECT_EQ(f.findChild<QLabel *>("LabelU")->text(), U("実寸mm"));
  // The spacing field takes digits typed directly, never through the IME.
  const auto *spacing = f.findChild<QLineEdit *>("Edit1");
  EXPECT_EQ(spacing->maxLength(), 8);
  EXPECT_FALSE(spacing->testAttribute(Qt::WA_InputMethodEnabled));
  const auto *colours = f.findChild<QComboBox *>("ComboBox1");
  EXPECT_EQ(colours->geometry().topRight(), QPoint(48 + 129 - 1, 68));
  ASSERT_EQ(colours->count(), 266);
  EXPECT_EQ(colours->itemText(0), U("現在線色"));
  EXPECT_EQ(f.findChild<QComboBox *>("ComboBox2")->count(), 51);
}

TEST_F(WindowTest, KeysReachTheWindowBeforeTheFocusedField) {
  Put("JWC_TEMP.TXT", kTwoPoints);
  app::TForm1 &f = Open();
  auto *edit = f.findChild<QLineEdit *>("Edit1");
  edit->setFocus();
  edit->setCursorPosition(1);
  QTest::keyClick(edit, Qt::Key_PageUp);
  EXPECT_EQ(View().ViewScale(), 20);
  // Home fits the drawing instead of moving the field's cursor.
  QTest::keyClick(edit, Qt::Key_Home);
  EXPECT_EQ(View().ViewScale(), 10);
  EXPECT_EQ(edit->cursorPosition(), 1);
  // Other keys still reach the field; typing unticks the grid.
  f.SetGridChecked(true);
  QTest::keyClick(edit, Qt::Key_5);
  EXPECT_EQ(edit->text(), "150");
  EXPECT_FALSE(f.Session().Panel().grid_on);
  // Enter presses neither button.
  auto *ok = f.findChild<QPushButton *>("Button1");
  ok->setFocus();
  QTest::keyClick(ok, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(f.isVisible());
}

// What Qt itself makes of a finger or a pen, as the platform delivers
// them: a drag through Qt's own touch handling moves the drawing and draws
// nothing, nor do the mouse events Qt or the system make of touches; the
// pen's events are the area's alone. (What tablet and touch events do is
// the replay cases' concern.)
TEST_F(WindowTest, QtsOwnTouchHandlingOnlyNavigates) {
  // Touch goes by the window's own layout, so the area must lie inside it.
  Put("JWC_TEMP.TXT", kTwoPoints);
  app::TForm1 &f = Open(QSize());
  f.ChooseMode(session::kLineMode);
  const geometry::ViewState v = View();
  const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
  QWidget &area = f.DrawingArea();
  QTest::touchEvent(&area, screen.get()).press(0, {50, 100});
  QTest::touchEvent(&area, screen.get()).move(0, {150, 200});
  QTest::touchEvent(&area, screen.get()).release(0, {150, 200});
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(View().ViewLeft(), v.ViewLeft() - 100 / v.ViewScale());
  EXPECT_DOUBLE_EQ(View().ViewTop(), v.ViewTop() + 100 / v.ViewScale());
  for (QEvent::Type type :
       {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent made(type, {60, 60}, area.mapTo(&f, QPoint(60, 60)),
                     area.mapToGlobal(QPoint(60, 60)), Qt::LeftButton,
                     type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                      : Qt::NoButton,
                     {}, screen.get());
    QApplication::sendEvent(&area, &made);
  }
  EXPECT_EQ(f.Session().Model().ElementCount(), 2u);
  // The pen's events are taken, so that Qt makes no mouse events of them.
  const QPointingDevice pen("pen", 9, QInputDevice::DeviceType::Stylus,
                            QPointingDevice::PointerType::Pen,
                            QInputDevice::Capability::Position, 1, 3);
  QTabletEvent press(QEvent::TabletPress, &pen, QPointF(40, 40),
                     area.mapToGlobal(QPointF(40, 40)), 0.5, 0, 0, 0, 0, 0, {},
                     Qt::LeftButton, Qt::LeftButton);
  QApplication::sendEvent(&area, &press);
  EXPECT_TRUE(press.isAccepted());
}

// The Esc that stopped a redraw is no deletion until its key comes up;
// other keys coming up do not count.
TEST_F(WindowTest, EscStoppingARedrawDeletesOnlyOnceReleased) {
  std::string image = "hq\r\nbz\r\n";
  for (int i = 0; i < 500; ++i)
    image += std::to_string(i) + " 0 " + std::to_string(i) + " 100\r\n";
  Put("JWC_TEMP.TXT", image);
  app::TForm1 &f = Open();
  services_.escape_held = true;
  QTest::keyClick(&f, Qt::Key_Home);
  services_.escape_held = false;
  QTest::keyPress(&f, Qt::Key_Escape);
  EXPECT_EQ(services_.beeps, 0);
  QTest::keyRelease(&f, Qt::Key_Escape);
  QTest::keyPress(&f, Qt::Key_Escape); // nothing of the user's to delete
  EXPECT_EQ(services_.beeps, 1);
}

TEST_F(WindowTest, InputArrivingDuringThePauseIsHandledAfterIt) {
  Put("JWC_TEMP.TXT", kTwoPoints);
  app::TForm1 &f = Open();
  f.ChooseMode(session::kLineMode);
  services_.during_pause = [this] {
    // A second stroke and an Esc while the first line's marks are shown.
    LeftDrag({100, 700}, {200, 700}, true);
    QCoreApplication::postEvent(
        form_->focusWidget() ? form_->focusWidget() : form_.get(),
        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  };
  LeftDrag({300, 300}, {500, 400});
  EXPECT_EQ(services_.paused_ms, 200);
  QApplication::processEvents();
  // The queued stroke drew the second line, then Esc took it back again:
  // both inputs were kept, in their order.
  EXPECT_EQ(services_.paused_ms, 400);
  const exchange::DrawingModel &m = f.Session().Model();
  ASSERT_EQ(m.Lines.Count(), 1u);
  EXPECT_EQ(m.Lines[0].X1, 25);
  EXPECT_EQ(f.Session().CounterText(), "線:1　点:0　円弧:0");
}

TEST_F(WindowTest, ResizeKeepsCentreAndScaleDownToTheMinimum) {
  Put("JWC_TEMP.TXT", kTwoPoints);
  app::TForm1 &f = Open(QSize());
  const double scale = View().ViewScale();
  const double cx = (View().ViewLeft() + View().ViewRight()) / 2;
  f.resize(700, 500);
  QApplication::processEvents();
  EXPECT_EQ(View().ViewWidth(), 700 - 178);
  EXPECT_EQ(View().ViewHeight(), 500 - 24);
  EXPECT_EQ(View().ViewScale(), scale);
  EXPECT_NEAR((View().ViewLeft() + View().ViewRight()) / 2, cx, 1e-9);
  EXPECT_NEAR((View().ViewRight() - View().ViewLeft()) * scale, 700 - 178,
              1e-6);
  f.resize(100, 100);
  QApplication::processEvents();
  EXPECT_EQ(f.size(), QSize(475, 200));
}

TEST_F(WindowTest, WindowSavedOffEveryScreenComesBack) {
  Put("orvik.dat",
      "-20000\r\n9000\r\n600\r\n400\r\n0\r\n0\r\n0\r\n0\r\n10\r\n");
  app::TForm1 &f = Open(QSize());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(f.geometry().topLeft()));
  EXPECT_EQ(f.size(), QSize(std::min(600, screen.width()),
                            std::min(400, screen.height())));
}

} // namespace
} // namespace orvik::test
