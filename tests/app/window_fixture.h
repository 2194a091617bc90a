#pragma once
// A main window in a folder of its own: the test writes the exchange and
// settings files, opens the window offscreen, drives it and reads what it
// wrote back.

#include "orvik/app/tform1.h"

#include "exchange_support.h"
#include "run_cli.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace orvik::test {

// Beeps and pauses counted, Esc held when the test says so. A pause runs
// `during_pause` once, to stand for input arriving while the window waits.
class FakeServices final : public app::SystemServices {
public:
  bool IsEscapeHeld() override {
    ++escape_queries;
    if (on_escape_query)
      on_escape_query();
    return escape_held;
  }
  void Beep() override { ++beeps; }
  void Pause(int ms) override {
    paused_ms += ms;
    if (during_pause) {
      auto action = std::move(during_pause);
      during_pause = nullptr;
      action();
    }
  }
  bool escape_held = false;
  int escape_queries = 0;
  int beeps = 0;
  int paused_ms = 0;
  std::function<void()> during_pause;
  std::function<void()> on_escape_query;
};

class WindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("orvik-app-") + info->test_suite_name() + "-" +
            info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    form_.reset();
    std::filesystem::remove_all(dir_);
  }

  void WriteFile(const std::string &name, const std::string &bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string ReadFile(const std::string &name) {
    return ReadBytes(dir_ / name);
  }
  bool Exists(const std::string &name) {
    return std::filesystem::exists(dir_ / name);
  }
  // Nine settings lines.
  void WriteSettings(std::initializer_list<std::string_view> lines) {
    WriteFile("orvik.dat", CrLf(lines));
  }

  // Opens the window and waits for its first picture. `area`: a fixed
  // drawing area; empty keeps the window's own layout.
  app::TForm1 &Open(QSize area = QSize(400, 300)) {
    form_ = std::make_unique<app::TForm1>(
        app::ProgramFiles::InFolder(dir_.string(), "orvik"), services_);
    if (!area.isEmpty())
      form_->FixDrawingArea(area);
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    QApplication::processEvents();
    if (form_->ViewImage.isNull())
      form_->DrawingArea().repaint();
    return *form_;
  }
  void Close() {
    form_->close();
    QApplication::processEvents();
  }

  // Mouse input on the drawing area, as the platform delivers it.
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
             Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
    QWidget &area = form_->DrawingArea();
    QMouseEvent event(type, at, area.mapTo(form_.get(), at),
                      area.mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(&area, &event);
  }
  void LeftDrag(QPoint from, QPoint to) {
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  }
  // Keys go to whatever has the focus; the window sees them first.
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget *target = form_->focusWidget() ? form_->focusWidget() : form_.get();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
  }

  std::filesystem::path dir_;
  FakeServices services_;
  std::unique_ptr<app::TForm1> form_;
};

// Two points under sheet coordinates: extents (0, 0)-(90, 60), so a
// 1000 x 1000 area fits them at 10 pixels a millimetre, left edge -5 and
// top edge 80 (centre (45, 30), half the area 50 mm each way).
inline std::string TwoPointDrawing() {
  return CrLf({"hq", "bz", "pt 0 0", "pt 90 60"});
}

} // namespace orvik::test
