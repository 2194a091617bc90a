#pragma once
// Navigation: the view and its history (the back gesture), fitting,
// zooming, centring and shifting, the gestures of the screen-operation
// mode, the middle-button pan, the wheel, the navigation keys, and
// fingers moving and zooming the picture. Every step that changes the view
// saves the one before (SaveView) and redraws.

#include "orvik/session/area_picture.h"
#include "orvik/session/session_context.h"
#include "orvik/session/session_input.h"
#include "orvik/session/touch_gesture.h"

#include "orvik/render/extents.h"

#include <cstdint>

namespace orvik::session {

class Navigator {
public:
  Navigator(SessionContext &context, AreaPicture &picture)
      : c_(context), picture_(picture) {}

  // The view fitted to the drawing's extents.
  void FitAll();
  // The drawing area needs its picture back (first shown, resized): the
  // last render is put back; before the first render, the drawing is
  // fitted and rendered.
  void Paint();
  // The surface has a new size: the view keeps its centre and scale; the
  // area shows the last picture until the next redraw.
  void AreaResized();

  // A release ending a drag from pixel (px, py) to (x, y) with both
  // buttons, or with the left one in the screen-operation mode: a click or
  // a drag along one axis (within 5 pixels) recentres on the press point;
  // otherwise the drag's direction on screen chooses the step.
  void Gesture(std::int32_t px, std::int32_t py, std::int32_t x,
               std::int32_t y);
  // The middle button held since pixel (px, py): the snapshot taken at the
  // press follows the mouse over the background, and nothing is rendered
  // until the release, when the drawing follows the mouse.
  void PanTo(std::int32_t px, std::int32_t py, std::int32_t x, std::int32_t y);
  void EndPan(std::int32_t px, std::int32_t py, std::int32_t x, std::int32_t y);

  // A navigation key (Esc is not one). `shift`: Shift held.
  void KeyPressed(Key key, bool shift);
  // Wheel rotation at a drawing-area pixel, 120 a notch; negative is
  // towards the user (zoom in). Parts of a notch add up.
  void WheelTurned(int angle_delta, std::int32_t x, std::int32_t y);

  // Fingers: one drags the drawing, two zoom it about their centre and
  // drag it with them. `id` tells the fingers apart; the picture moves as
  // they do and the view changes when the last one lifts.
  bool Touching() const { return touch_.Active(); }
  void TouchPressed(std::int32_t id, std::int32_t x, std::int32_t y);
  void TouchMoved(std::int32_t id, std::int32_t x, std::int32_t y);
  // True for the lift that ends a tap of two fingers: the view stays, and
  // the newest element is to be taken back.
  bool TouchReleased(std::int32_t id, std::int32_t x, std::int32_t y);
  // The system took the fingers away: the view stays as it was.
  void TouchCancelled();

private:
  void ZoomAt(std::int32_t x, std::int32_t y, double factor);
  void ZoomToBox(double x1, double y1, double x2, double y2);
  void ZoomOutAbout(double x1, double y1, double x2, double y2);
  void CentreOn(double x, double y);
  void CentreOnExtents();
  void Shift(double dx, double dy);
  void GoBack();
  void ShowTouch();
  bool FinishTouch();

  SessionContext &c_;
  AreaPicture &picture_;
  render::DrawingExtents extents_{-100, -100, 100, 100};
  int wheel_remainder_ = 0;
  TouchGesture touch_;
};

} // namespace orvik::session
