#pragma once
// The realistic shape of the synthetic drawings: architectural floor plans
// as drafters draw them (see plan_layout.h for where they lie and
// realistic_vocabulary.h for the mix of features). The contract is the
// plain shape's (drawing_generator.h).
//
// PlanDrawer writes the elements one feature at a time: a wall is two
// lines, a door a leaf and its swing, a dimension chain its dimensions,
// extension lines and end points. realistic_generator.cpp holds the
// elements and their attributes, plan_features.cpp the features.

#include "drawing_generator.h"
#include "plan_layout.h"
#include "realistic_vocabulary.h"
#include "record_emitter.h"
#include "split_mix.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::bench {

void GenerateRealisticDrawing(const DrawingOptions &options,
                              const DrawingSink &sink);

class PlanDrawer {
public:
  PlanDrawer(const DrawingOptions &options, const DrawingSink &sink);
  void Run();

private:
  // ---- realistic_generator.cpp: the run, attributes and elements ----

  void Step();
  Feature PickFeature();
  void Draw(Feature feature);

  // Attributes: the role's layer in the plan's group, its pen and line
  // type (drifting now and then), for lines, circles and arcs.
  void Use(PlanRole role);
  // The role's layer alone, for texts, points and fills.
  void UseLayer(PlanRole role);
  // Text kind `kind` (0: the drafter's own size), base point 0, and the
  // kind's font.
  void UseText(int kind);
  void UseFill(std::int64_t rgb);
  void UsePoint(PlanRole role, int colour);
  void MaybeZFlags();

  // Each writes one element unless the drawing is full; the callers need
  // not check. No zero lengths, radii or directions reach the file.
  bool Full() const { return written_ >= total_; }
  void Line(double x1, double y1, double x2, double y2);
  // A run of connected lines behind "pl": x0 y0 x1 y1 ...; closed when
  // `closed`.
  void Polyline(std::initializer_list<double> xy, bool closed);
  void Circle(double x, double y, double r);
  // Degrees; flatness 1 and tilt 0 for a circular arc.
  void Arc(double x, double y, double r, double start, double end,
           double flatness = 1, double tilt = 0);
  // A text from (x, y) along `angle` (radians), its run from the text
  // kind's size at the plan's scale.
  void Text(double x, double y, double angle, std::string_view text,
            std::string_view key = "ch");
  // The same, centred on (x, y).
  void CentredText(double x, double y, std::string_view text);
  double TextLength(std::string_view text) const;
  void Point(double x, double y);
  void Marker(double x, double y, double scale, double angle, int code);
  // "msg", the dimension line and its "cs" text with the measured length.
  void Dim(double x1, double y1, double x2, double y2);
  void Solid(std::initializer_list<double> xy);
  void ArcSolid(std::string_view key, std::initializer_list<double> values,
                int code);
  void RingSolid(std::string_view key, std::initializer_list<double> values);
  void Block(double x, double y, std::string_view name);

  // ---- plan_features.cpp ----

  void Walls();
  void AxisLine();
  void Door();
  void Window();
  void Toilet();
  void Basin();
  void Bathtub();
  void Kitchen();
  void Column();
  void Stairs();
  void RoomLabel();
  void DimChain();
  void Hatch();
  void Fill();
  void RoundFill();
  void Furniture();
  void Note();
  void Markers();
  void BlockInsertion();
  void Tree();
  void CurvedWall();
  void Title();
  void Tatami();
  void Hidden();

  // Helpers of the features.
  const Room &CurrentRoom() const { return plan_.Rooms()[room_]; }
  double M(double v) { return Measure(rng_, v); }
  double In(double low, double high) { return MeasureIn(rng_, low, high); }
  // A point inside the room, `margin` from its grid lines.
  double RoomX(double margin);
  double RoomY(double margin);
  // An axis-aligned rectangle as a closed polyline.
  void Rectangle(double x0, double y0, double x1, double y1);

  Random rng_;
  RecordEmitter out_;
  const std::size_t total_;
  std::size_t written_ = 0;

  PlanLayout plan_;
  bool plan_built_ = false;
  std::size_t room_ = 0;
  std::vector<char> labelled_; // per room: its name has been written
  Feature feature_ = Feature::Walls;
  std::array<PlanStyle, kPlanRoleCount> styles_;
  std::int64_t fill_rgb_ = 0xC0C0C0;
  double custom_width_ = 3.5; // of text kind 0
  std::string text_;          // a text being put together
};

} // namespace orvik::bench
