#pragma once
// An editing session in a folder of its own, drawing onto an image: the
// test writes the exchange and settings files, starts the session, sends it
// input and looks at the pixels, the texts, the beeps and the files.

#include "orvik/session/edit_session.h"

#include "fake_services.h"
#include "scratch_dir.h"
#include "test_surface.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::test {

// The drawing area as an image in memory, with its kept pictures.
class AreaSurface {
public:
  AreaSurface(int w, int h) : area(w, h, QImage::Format_RGB32) {
    area.fill(Qt::white);
  }
  QImage area;
  TestSurface surface{area};
};

// The status texts, the writer's progress and the failures to hand back,
// in order.
class RecordedEvents final : public session::SessionEvents {
public:
  void ShowStatus(std::string_view t) override { status.emplace_back(t); }
  void ShowCounter(std::string_view) override {}
  void ShowGridSwitch(bool) override {}
  void IdleWorkPending() override {}
  void ShowProgress(std::string_view sjis) override {
    progress.emplace_back(sjis);
  }
  void HandBackFailed(const session::HandBackFailure &f) override {
    failures.push_back(f);
  }
  std::vector<std::string> status, progress;
  std::vector<session::HandBackFailure> failures;
};

class SessionTest : public ScratchDir {
protected:
  // Starts the session on a `w` x `h` area and renders the first picture,
  // as the window's first paint does; with `image` as the exchange file
  // unless it is empty (the folder is then as the test left it).
  session::EditSession &Start(std::string_view image = {}, int w = 1000,
                              int h = 1000) {
    if (!image.empty())
      Put("JWC_TEMP.TXT", std::string(image));
    surface_ = std::make_unique<AreaSurface>(w, h);
    session_ = std::make_unique<session::EditSession>(
        session::ProgramFiles::InFolder(dir_.string(), "orvik"),
        surface_->surface, events_, services_);
    session_->Load();
    session_->Begin();
    session_->Paint();
    return *session_;
  }
  void Drag(QPoint from, QPoint to,
            std::int32_t button = session::kLeftButton) {
    session_->PointerPressed({from.x(), from.y(), button, button});
    session_->PointerMoved(to.x(), to.y());
    session_->PointerReleased(to.x(), to.y());
  }
  QImage &Area() { return surface_->area; }
  const QImage &ViewPicture() { return surface_->surface.ViewImage(); }

  std::unique_ptr<AreaSurface> surface_;
  RecordedEvents events_;
  FakeServices services_;
  std::unique_ptr<session::EditSession> session_;
};

// Two points under sheet coordinates: in a 1000 x 1000 area the scale is
// 10 px a millimetre and the window (-5, -20)-(95, 80); the point (0, 0)
// is pixel (50, 800).
inline constexpr char kTwoPoints[] = "hq\r\nbz\r\npt 0 0\r\npt 90 60\r\n";

} // namespace orvik::test
