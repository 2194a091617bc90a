#pragma once
// The drawing modes: the grid's reference point, lines and points by
// strokes, three-point arcs by two strokes (or one curved stroke, through
// the one-stroke recogniser), and Esc taking back the newest element. Each
// end of a stroke snaps to an element point or the grid (PickPoint); a
// snap preview in the overlay shows where a stroke would land. New
// elements get the pen attributes the panel chose, and are counted.

#include "orvik/session/area_picture.h"
#include "orvik/session/session_context.h"
#include "orvik/session/session_input.h"

#include "orvik/exchange/choice_lists.h"
#include "orvik/exchange/model.h"
#include "orvik/exchange/snap_index.h"
#include "orvik/geometry/arc_shape.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvik::session {

// The user's elements in the model, by kind; circles are counted with the
// arcs on the panel.
struct NewElementCounts {
  std::int32_t lines = 0, points = 0, arcs = 0, circles = 0;
  std::int32_t Total() const { return lines + points + arcs + circles; }
};

class PenTool {
public:
  PenTool(SessionContext &context, AreaPicture &picture)
      : c_(context), picture_(picture) {}

  // The counter as the session opens, and the attributes of the first new
  // elements from the lists' positions.
  void Begin(std::int32_t colour_index, std::int32_t line_type_index);

  int Mode() const { return mode_; }
  // A change of mode drops a half-built arc, so the arc mode's first
  // stroke is always what its status text asks for: the start point.
  void SetMode(int mode);
  // A curved stroke in the arc mode is the arc itself.
  bool OneStroke() const { return one_stroke_; }
  void SetOneStroke(bool on) { one_stroke_ = on; }
  // List positions, as the panel's lists give them.
  void ChooseColour(std::int32_t index);
  void ChooseLineType(std::int32_t index);

  // A stroke of the left button: its press, each move while held (true
  // when it drew a trace dot: in the line and arc modes), and its release,
  // from the press pixel (px, py) to (x, y).
  void StartStroke(std::int32_t x, std::int32_t y);
  bool StrokeMoved(std::int32_t x, std::int32_t y);
  void StrokeReleased(std::int32_t px, std::int32_t py, std::int32_t x,
                      std::int32_t y);
  // The snap preview for the pointer at (x, y), hovering or during a
  // stroke of the line and arc modes, where a stroke would start or end:
  // the snap square of PickPoint on an element point within 5 pixels, else
  // the grid node's cross with the grid on, else nothing; never in the
  // screen-operation mode.
  void ShowPreview(std::int32_t x, std::int32_t y);
  // Takes back the user's newest element; never one of the host's.
  void DeleteNewest();

  const NewElementCounts &Counts() const { return counts_; }
  const std::string &CounterText() const { return counter_; }

private:
  // The screen colour of the colour chosen for new elements, in which the
  // pen tools draw their marks.
  Colour32 NewElementColour() const {
    return exchange::ScreenColourOf(pen_.PointColour);
  }
  geometry::Point2 PickPoint(geometry::Point2 p);
  void DrawSnapMark(render::Canvas &canvas, const exchange::SnapHit &hit) const;
  PixelBox SnapMarkPixels(const exchange::SnapHit &hit) const;
  exchange::SnapHit SnapNear(geometry::Point2 p) const;
  void PreviewGridNode(geometry::Point2 p);
  geometry::Point2 GridNode(geometry::Point2 p) const;
  double ViewSpacing() const;
  geometry::Point2 ToModel(geometry::Point2 p) const;
  geometry::Point2 World(geometry::Point2 pixel) const;
  void PenTrace(std::int32_t x, std::int32_t y);
  void RecordPath(std::int32_t x, std::int32_t y);
  void SetGridOrigin(geometry::Point2 p);
  void DrawLine(geometry::Point2 p, geometry::Point2 r);
  void DrawArcStroke(geometry::Point2 p, geometry::Point2 r);
  bool DrawOneStroke();
  void FinishArc(geometry::Point2 end);
  void FinishCircle(geometry::Point2 centre, double radius);
  void Counted(std::int32_t &counter);
  void UpdateCounter();

  SessionContext &c_;
  AreaPicture &picture_;
  // What the user's new elements are stamped with.
  exchange::PenAttributes pen_;
  int mode_ = kScreenMode;
  bool one_stroke_ = true;
  bool arc_stage_ = false;
  geometry::Point2 arc_start_, arc_through_; // model units
  // The pointer's path of the current left-button drag, in pixels.
  std::vector<geometry::Point2> path_;
  NewElementCounts counts_;
  std::string counter_;
};

} // namespace orvik::session
