#pragma once
// The editing core of the window, without the window. It owns the drawing
// model, the writer's output buffer, the view, the pen table, the drawing
// modes with their half-built arc, the grid and its reference point, the
// counters, and the hand-back to the host. It takes plain input (pointer
// events in drawing-area pixels, keys, wheel turns, panel changes), draws
// onto a DrawingSurface, and reports texts and beeps through SessionEvents
// and SystemServices.
//
// Everything happens on the caller's thread. Long work (a redraw, the
// writer) handles no events; it asks SystemServices whether Esc is held.
//
// Life: constructed -> Load (files read; the window then places itself)
// -> Begin (open: input is handled, redraws paint) -> Close (settings
// saved, the exchange file handed back). Input before Begin or after Close
// changes nothing.

#include "orvik/session/drawing_surface.h"
#include "orvik/session/program_files.h"
#include "orvik/session/session_events.h"
#include "orvik/session/session_input.h"
#include "orvik/session/system_services.h"
#include "orvik/session/touch_gesture.h"

#include "orvik/attributes/pen_table.h"
#include "orvik/exchange/choice_lists.h"
#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/snap_index.h"
#include "orvik/geometry/arc_shape.h"
#include "orvik/geometry/view_state.h"
#include "orvik/render/drawing_info.h"
#include "orvik/render/element_boxes.h"
#include "orvik/render/extents.h"
#include "orvik/render/text_substitutions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::session {

// The window's frame position and client size, in screen pixels.
struct WindowRect {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
};

// What the panel shows.
struct PanelState {
  int mode = kScreenMode;
  int colour_item = 0, line_type_item = 0; // -1: no item selected
  bool grid_on = false;
  std::string spacing_text; // as the spacing field holds it
  bool sheet_units = false; // the unit label: sheet mm, else real mm
};

struct StartState {
  WindowRect window; // from the settings file, floored at the minimum
  PanelState panel;
};

class EditSession {
public:
  // `surface`, `events` and `services` must outlive the session.
  EditSession(ProgramFiles files, DrawingSurface &surface,
              SessionEvents &events, SystemServices &services);
  EditSession(const EditSession &) = delete;
  EditSession &operator=(const EditSession &) = delete;

  // Start-up, first step: reads the exchange file and the settings file.
  // The window then takes its place and size from the result and shows
  // the panel. Once only.
  StartState Load();
  // Start-up, second step, with the drawing area at its final size: the
  // status and counter texts, the view fitted to the drawing (not yet
  // rendered: the first Paint does that), and the attributes of new
  // elements.
  void Begin();
  // Shut-down, for OK, Cancel and the close box alike: saves the settings
  // with `window` and the panel, hands "hq" back unless OK has handed the
  // drawing back (reporting a failure through HandBackFailed), and
  // releases the model. Once only; nothing before Load.
  void Close(const WindowRect &window);
  bool IsOpen() const { return state_ == State::Open; }

  // The drawing area needs its picture back (first shown, resized): the
  // last render is put back; before the first render, the drawing is
  // fitted and rendered.
  void Paint();
  // The surface has a new size: the view keeps its centre and scale; the
  // area shows the last picture until the next redraw.
  void AreaResized();

  // The mouse, or a pen as the mouse. A move with no button held is a
  // hover: in the drawing modes the overlay previews where a stroke
  // starting there would land, as it does for the end point during a
  // stroke of the line and arc modes.
  void PointerPressed(const PointerPress &press);
  void PointerMoved(std::int32_t x, std::int32_t y);
  void PointerReleased(std::int32_t x, std::int32_t y);
  // The pointer left the drawing area: the preview goes.
  void PointerLeft();

  // The pen, which draws as the left button does. While it touches or
  // hovers within the tablet's range, touches are ignored (the palm
  // rests on the screen). A stroke of the eraser end takes back the
  // newest element, as Esc does.
  void PenPressed(std::int32_t x, std::int32_t y, PenEnd end);
  void PenMoved(std::int32_t x, std::int32_t y);
  void PenReleased(std::int32_t x, std::int32_t y);
  void PenHovered(std::int32_t x, std::int32_t y);
  // Out of the tablet's range.
  void PenLeft();

  // Fingers navigate and never draw: one finger drags the drawing, two
  // zoom it about their centre and drag it with them, and a tap of two
  // fingers takes back the newest element, as Esc does. `id` tells the
  // fingers apart; the picture moves as they do and the view changes when
  // the last one lifts. Ignored while the pen is in range or a button held.
  void TouchPressed(std::int32_t id, std::int32_t x, std::int32_t y);
  void TouchMoved(std::int32_t id, std::int32_t x, std::int32_t y);
  void TouchReleased(std::int32_t id, std::int32_t x, std::int32_t y);
  // The system took the fingers away: the view stays as it was.
  void TouchCancelled();
  // Wheel rotation at a drawing-area pixel, 120 a notch; negative is
  // towards the user (zoom in). Parts of a notch add up.
  void WheelTurned(int angle_delta, std::int32_t x, std::int32_t y);
  // True when the key was the session's (the focused control never sees
  // it then). `shift`: Shift held.
  bool KeyPressed(Key key, bool shift);
  // The physical Esc key went up (not an auto-repeat).
  void EscapeReleased() { swallow_escape_ = false; }

  // The panel as the user works it.
  void ChooseMode(int item);
  void ChooseColour(int index);
  void ChooseLineType(int index);
  void SetGridOn(bool on);
  // Every change of the spacing field's text.
  void SpacingEdited(std::string_view text);
  // OK: writes the drawing (or the message that nothing was drawn) into
  // the exchange file. True when the window is to close now; false when it
  // stays open: the file could not be written (SessionEvents::
  // HandBackFailed has told why, and everything is as before OK), or the
  // session is not open.
  bool Commit();

  // Work put off until the window is idle (the snap index).
  void RunIdleWork();

  const exchange::DrawingModel &Model() const { return model_; }
  const geometry::ViewState &View() const { return view_; }
  const std::string &StatusText() const { return status_; }
  const std::string &CounterText() const { return counter_; }
  PanelState Panel() const;

private:
  enum class State { Created, Loaded, Open, Closed };
  struct BeforeOk;
  struct RubberBox {
    bool shown = false;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  };

  // Navigation; each starts with SaveView and ends with Redraw.
  void FitAll();
  void ZoomAt(std::int32_t x, std::int32_t y, double factor);
  void ZoomToBox(double x1, double y1, double x2, double y2);
  void ZoomOutAbout(double x1, double y1, double x2, double y2);
  void CentreOn(double x, double y);
  void CentreOnExtents();
  void Shift(double dx, double dy);
  void GoBack();
  bool Redraw();
  render::SceneJob Job() const;
  // After a change within `changed` (and the marks drawn since the last
  // redraw): only that part of the picture is painted anew; when the
  // change is an element added at drawing position `from` (above 0), only
  // the elements from there on are painted over the picture there.
  void RedrawAround(const PixelBox &changed, std::size_t from = 0);
  PixelBox PixelsOf(exchange::EntKind kind, std::size_t index) const;
  void Marked(const PixelBox &box) { marks_ = marks_.United(box); }
  void PutBackPicture();
  void ShowMoved(Picture which, const TouchGesture::Transform &t);
  bool TouchAllowed() const;
  void PenNear();
  void ShowTouch();
  void FinishTouch();
  void Gesture(double sx, double sy, double ex, double ey);
  void PanTo(std::int32_t x, std::int32_t y);
  void DragRubberBox(RubberBox &box, std::int32_t x, std::int32_t y);
  void XorBox(const RubberBox &box);
  void RequestSnapIndex();

  // The drawing modes.
  // The screen colour of the colour chosen for new elements, in which the
  // pen tools draw their marks.
  Colour32 NewElementColour() const {
    return exchange::ScreenColourOf(pen_attributes_.PointColour);
  }
  geometry::Point2 PickPoint(geometry::Point2 p);
  void DrawSnapMark(render::Canvas &canvas, const exchange::SnapHit &hit) const;
  PixelBox SnapMarkPixels(const exchange::SnapHit &hit) const;
  void ShowPreview();
  void PreviewGridNode(geometry::Point2 p);
  geometry::Point2 GridNode(geometry::Point2 p) const;
  double ViewSpacing() const;
  geometry::Point2 ToModel(geometry::Point2 p) const;
  void PenTrace(std::int32_t x, std::int32_t y);
  void DrawingRelease(std::int32_t x, std::int32_t y);
  void SetGridOrigin(geometry::Point2 p);
  void DrawLine(geometry::Point2 p, geometry::Point2 r);
  void DrawArcStroke(geometry::Point2 p, geometry::Point2 r);
  bool DrawOneStroke();
  void FinishArc(geometry::Point2 end);
  void FinishCircle(geometry::Point2 centre, double radius);
  void RecordPath(std::int32_t x, std::int32_t y);
  geometry::Point2 World(geometry::Point2 pixel) const;
  void Counted(std::int32_t &counter);
  // The picture mended after the model grew past `before` elements, or
  // after nothing was added.
  void RedrawAdded(std::size_t before);
  void DeleteNewest();
  void ShiftNewElements(double dx, double dy);

  void SetStatus(std::string_view utf8);
  void UpdateCounter();

  ProgramFiles files_;
  DrawingSurface &surface_;
  SessionEvents &events_;
  SystemServices &services_;
  State state_ = State::Created;

  exchange::DrawingModel model_;
  exchange::OutputBuffer output_;
  // What the user's new elements are stamped with.
  exchange::PenAttributes pen_attributes_;
  attributes::TgraAttribute pens_;
  geometry::ViewState view_;
  render::DrawingExtents extents_{-100, -100, 100, 100};
  render::DrawingInfo info_;
  render::SystemClock clock_;
  render::SpecialCodes codes_{info_, clock_};
  exchange::SnapIndex snap_index_;
  bool snap_index_requested_ = false;
  render::ElementBoxes boxes_;
  // The pixels that traces and snap marks have covered since the last
  // redraw.
  PixelBox marks_;

  // Pointer state of the current press (ButtonFlags, PressX, PressY).
  std::int32_t flags_ = 0;
  std::int32_t press_x_ = 0, press_y_ = 0;
  RubberBox zoom_box_, drag_box_;
  int wheel_remainder_ = 0;
  // An Esc that stopped a redraw is not also a request to delete the
  // newest element: its queued key presses are ignored until it is
  // released.
  bool swallow_escape_ = false;

  // The panel. The list positions are what the new elements' attributes
  // came from; the items are what the lists show (-1 when a position lies
  // outside the list), and what the settings file keeps.
  int mode_ = kScreenMode;
  std::int32_t colour_index_ = 0, line_type_index_ = 0;
  int colour_item_ = 0, line_type_item_ = 0;
  bool grid_on_ = false;
  double grid_spacing_ = 10.0; // in the unit the panel shows
  bool one_stroke_ = true;     // a curved arc stroke is the arc itself
  std::string spacing_text_;
  geometry::Point2 grid_origin_; // paper millimetres

  bool handed_back_ = false;      // OK wrote the exchange file
  std::int32_t loaded_count_ = 0; // host elements in the order list
  std::int32_t new_lines_ = 0, new_points_ = 0, new_arcs_ = 0;
  std::int32_t new_circles_ = 0; // counted with the arcs on the panel
  bool arc_stage_ = false;
  geometry::Point2 arc_start_, arc_through_; // model units
  // The pointer's path of the current left-button drag, in pixels.
  std::vector<geometry::Point2> path_;

  // The pointer over the drawing area, for the preview.
  bool pointer_in_ = false;
  std::int32_t pointer_x_ = 0, pointer_y_ = 0;
  bool pen_in_range_ = false;
  bool erasing_ = false; // the eraser end touches
  TouchGesture touch_;

  std::string status_, counter_;
};

} // namespace orvik::session
