#pragma once
// The drawing area's picture, kept in step with the model and the view:
// the full redraw, the partial one that mends the kept picture after a
// change, and the marks drawn straight onto the area since the last redraw
// (pen traces, snap squares, and the XOR rubber boxes, which a redraw's
// clear wipes).

#include "orvik/session/session_context.h"
#include "orvik/session/touch_gesture.h"

#include "orvik/render/drawing_info.h"
#include "orvik/render/element_boxes.h"
#include "orvik/render/scene_job.h"
#include "orvik/render/text_substitutions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace orvik::session {

class AreaPicture {
public:
  // The rubber boxes: of both buttons (a zoom gesture), and of the left
  // button in the screen-operation mode.
  enum class Box { Zoom, Drag };

  explicit AreaPicture(SessionContext &context) : c_(context) {}

  // Runs after every redraw, full or partial: the view or what snaps may
  // have changed.
  void OnRepainted(std::function<void()> hook) { repainted_ = std::move(hook); }

  // The whole scene, kept as the View picture; false when Esc stopped it.
  // Nothing before the session is open.
  bool Redraw();
  // After a change within `changed` (and the marks drawn since the last
  // redraw): only that part of the picture is painted anew; when the
  // change is an element added at drawing position `from` (above 0), only
  // the elements from there on are painted over the picture there.
  void RedrawAround(const PixelBox &changed, std::size_t from = 0);
  // The picture mended after the model grew past `before` elements, or
  // after nothing was added.
  void RedrawAdded(std::size_t before);
  // The pixels the newest element may light.
  PixelBox PixelsOfNewest();
  // Traces and snap marks drawn onto the area covered `box`.
  void Marked(const PixelBox &box) { marks_ = marks_.United(box); }
  // The last render over the background and the frame.
  void PutBackPicture();
  // `which` moved (and scaled) over the background.
  void ShowMoved(Picture which, const TouchGesture::Transform &t);

  // Wipes the box last drawn, if any, and draws one from (x1, y1) to
  // (x2, y2); drawing the same box again in XOR mode wipes it without a
  // redraw.
  void DragRubberBox(Box which, std::int32_t x1, std::int32_t y1,
                     std::int32_t x2, std::int32_t y2);
  void WipeRubberBox(Box which);
  // Something was drawn over the box: there is nothing left to wipe.
  void ForgetRubberBox(Box which) { Rubber(which).shown = false; }
  void ForgetRubberBoxes();

  // An Esc that stopped a redraw is not also a request to delete the
  // newest element: its queued key presses are ignored until it is
  // released.
  bool EscapeSwallowed() const { return swallow_escape_; }
  void EscapeReleased() { swallow_escape_ = false; }

private:
  struct RubberBox {
    bool shown = false;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  };

  render::SceneJob Job() const;
  PixelBox PixelsOf(exchange::EntKind kind, std::size_t index) const;
  void XorBox(const RubberBox &box);
  RubberBox &Rubber(Box which) {
    return rubber_[static_cast<std::size_t>(which)];
  }
  void Repainted() {
    if (repainted_)
      repainted_();
  }

  SessionContext &c_;
  render::DrawingInfo info_;
  render::SystemClock clock_;
  render::SpecialCodes codes_{info_, clock_};
  render::ElementBoxes boxes_;
  // The pixels that traces and snap marks have covered since the last
  // redraw.
  PixelBox marks_;
  std::array<RubberBox, 2> rubber_{};
  bool swallow_escape_ = false;
  std::function<void()> repainted_;
};

} // namespace orvik::session
