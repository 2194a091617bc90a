// The realistic shape: the run over the plans, the attribute records and
// the element records. The features that place the elements are in
// plan_features.cpp.

#include "realistic_generator.h"

#include "generator_vocabulary.h"
#include "pen_drift.h"
#include "sheet_coordinates.h"

#include <charconv>
#include <cmath>

namespace orvik::bench {
namespace {

// Below this, lengths, radii and directions would be skipped by a writer.
constexpr double kTiny = 1e-6;

} // namespace

void GenerateRealisticDrawing(const DrawingOptions &options,
                              const DrawingSink &sink) {
  PlanDrawer(options, sink).Run();
}

PlanDrawer::PlanDrawer(const DrawingOptions &options, const DrawingSink &sink)
    : rng_(options.seed), out_(sink, true), total_(options.elements),
      styles_(kPlanStyles) {}

void PlanDrawer::Run() {
  const double w = kPlanColumns / 2 * kCellWidth * 100;
  const double h = kPlanRows / 2 * kCellHeight * 100;
  out_.Head({kPlanGroupScales,
             {-w, -h, w, h},
             {-118'525.5, -82'425.25},
             {-101'325.5, -82'425.25}});
  while (!Full()) {
    Step();
    out_.FlushFullPiece();
  }
  out_.FlushRest();
}

// Plans follow one another every kElementsPerPlan elements. Drafters draw
// in runs, room by room and feature by feature: the room changes for one
// step in five, the feature for one in two.
void PlanDrawer::Step() {
  const std::size_t plan = written_ / kElementsPerPlan;
  if (!plan_built_ || plan != plan_.Index()) {
    plan_.Build(plan, rng_);
    plan_built_ = true;
    room_ = 0;
    labelled_.assign(plan_.Rooms().size(), 0);
  }
  if (rng_.Chance(0.2))
    room_ = static_cast<std::size_t>(
        rng_.Below(static_cast<std::int64_t>(plan_.Rooms().size())));
  if (rng_.Chance(0.5))
    feature_ = PickFeature();
  Draw(feature_);
}

Feature PlanDrawer::PickFeature() {
  std::int64_t w = rng_.Below(kFeatureTotal);
  for (const FeatureWeight &f : kFeatureWeights) {
    if (w < f.weight)
      return f.feature;
    w -= f.weight;
  }
  return Feature::Walls;
}

void PlanDrawer::Draw(Feature feature) {
  switch (feature) {
  case Feature::Walls:
    return Walls();
  case Feature::AxisLine:
    return AxisLine();
  case Feature::Door:
    return Door();
  case Feature::Window:
    return Window();
  case Feature::Toilet:
    return Toilet();
  case Feature::Basin:
    return Basin();
  case Feature::Bathtub:
    return Bathtub();
  case Feature::Kitchen:
    return Kitchen();
  case Feature::Column:
    return Column();
  case Feature::Stairs:
    return Stairs();
  case Feature::RoomLabel:
    return RoomLabel();
  case Feature::DimChain:
    return DimChain();
  case Feature::Hatch:
    return Hatch();
  case Feature::Fill:
    return Fill();
  case Feature::RoundFill:
    return RoundFill();
  case Feature::Furniture:
    return Furniture();
  case Feature::Note:
    return Note();
  case Feature::Markers:
    return Markers();
  case Feature::Block:
    return BlockInsertion();
  case Feature::Tree:
    return Tree();
  case Feature::CurvedWall:
    return CurvedWall();
  case Feature::Title:
    return Title();
  case Feature::Tatami:
    return Tatami();
  case Feature::Hidden:
    return Hidden();
  }
}

// ---- attributes ----

void PlanDrawer::Use(PlanRole role) {
  PlanStyle &s = styles_[role];
  if (rng_.Chance(0.003)) {
    DriftPen(rng_, s.colour, s.line_type);
  } else if (rng_.Chance(0.01)) {
    s = kPlanStyles[role];
  }
  UseLayer(role);
  out_.UseColour(s.colour);
  out_.UseLineType(s.line_type);
}

void PlanDrawer::UseLayer(PlanRole role) {
  out_.UseLayer(plan_.Group(), styles_[role].layer);
}

// Kind 0 is a size of the drafter's own; titles are in Mincho.
void PlanDrawer::UseText(int kind) {
  if (kind == 0 && rng_.Chance(0.1))
    custom_width_ = 3 + 0.5 * static_cast<double>(rng_.Below(6));
  out_.UseTextKind(kind, custom_width_);
  out_.UseCc(0);
  out_.UseFont(kind >= 7 ? 1 : 0);
}

// A fill in its own colour, or (one in four) in the hatch pen.
void PlanDrawer::UseFill(std::int64_t rgb) {
  UseLayer(kHatchingRole);
  if (rng_.Chance(0.75))
    out_.UseSolidColour(rgb);
  else
    out_.UseColour(styles_[kHatchingRole].colour);
}

void PlanDrawer::UsePoint(PlanRole role, int colour) {
  UseLayer(role);
  out_.UsePointColour(colour);
}

void PlanDrawer::MaybeZFlags() {
  if (!rng_.Chance(0.002))
    return;
  out_.Put("z");
  out_.Int(rng_.Between(1, 5));
  out_.End();
}

// ---- elements ----

void PlanDrawer::Line(double x1, double y1, double x2, double y2) {
  if (Full())
    return;
  if (std::fabs(x2 - x1) < kTiny && std::fabs(y2 - y1) < kTiny)
    x2 = x1 + 1;
  MaybeZFlags();
  out_.Blank();
  out_.Real(x1);
  out_.Reals({y1, x2, y2});
  out_.End();
  ++written_;
}

void PlanDrawer::Polyline(std::initializer_list<double> xy, bool closed) {
  if (Full())
    return;
  out_.Put("pl\r\n");
  const double *p = xy.begin();
  const std::size_t n = xy.size() / 2;
  for (std::size_t i = 0; i + (closed ? 0 : 1) < n && !Full(); ++i) {
    const std::size_t j = (i + 1) % n;
    out_.Real(p[2 * i]);
    out_.Reals({p[2 * i + 1], p[2 * j], p[2 * j + 1]});
    out_.End();
    ++written_;
  }
}

void PlanDrawer::Circle(double x, double y, double r) {
  if (Full())
    return;
  MaybeZFlags();
  out_.Put("ci");
  out_.Reals({x, y, std::max(r, 1.0)});
  out_.End();
  ++written_;
}

void PlanDrawer::Arc(double x, double y, double r, double start, double end,
                     double flatness, double tilt) {
  if (Full())
    return;
  MaybeZFlags();
  out_.Put("ci");
  out_.Reals({x, y, std::max(r, 1.0), start, end, flatness, tilt});
  out_.End();
  ++written_;
}

// Two-byte characters are one width, one-byte ones half a width, with the
// kind's spacing between characters; in real millimetres at the plan's
// scale.
double PlanDrawer::TextLength(std::string_view text) const {
  const int kind = out_.text_kind();
  const double width = kind == 0
                           ? custom_width_
                           : kTextWidths[static_cast<std::size_t>(kind - 1)];
  const double spacing =
      kind == 0 ? 0.5 : kTextSpacings[static_cast<std::size_t>(kind - 1)];
  double units = 0;
  int characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i, ++characters) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      units += 1;
      ++i;
    } else {
      units += 0.5;
    }
  }
  return (units * width + spacing * (characters - 1)) * plan_.Scale();
}

void PlanDrawer::Text(double x, double y, double angle, std::string_view text,
                      std::string_view key) {
  if (Full())
    return;
  const double length = std::max(TextLength(text), 1.0);
  double dx = length, dy = 0;
  if (key == "cv") {
    dx = 0;
    dy = -length;
  } else if (angle == kPi / 2) {
    dx = 0;
    dy = length;
  } else if (angle != 0) {
    dx = length * std::cos(angle);
    dy = length * std::sin(angle);
  }
  MaybeZFlags();
  out_.Put(key);
  out_.Reals({x, y, dx, dy});
  out_.Put(" \"");
  out_.Put(text);
  out_.End();
  ++written_;
}

void PlanDrawer::CentredText(double x, double y, std::string_view text) {
  const double height =
      out_.text_kind() == 0
          ? custom_width_
          : kTextHeights[static_cast<std::size_t>(out_.text_kind() - 1)];
  Text(Fix(x - TextLength(text) / 2), Fix(y - height * plan_.Scale() / 2), 0,
       text);
}

void PlanDrawer::Point(double x, double y) {
  if (Full())
    return;
  MaybeZFlags();
  out_.Put("pt");
  out_.Reals({x, y});
  out_.End();
  ++written_;
}

void PlanDrawer::Marker(double x, double y, double scale, double angle,
                        int code) {
  if (Full())
    return;
  MaybeZFlags();
  out_.Put("pt");
  out_.Reals({x, y, scale, angle});
  out_.Blank();
  out_.Int(code);
  out_.End();
  ++written_;
}

// The text is the length as the host's dimension settings show it: whole
// millimetres, one decimal when there is a fraction, thousands separated
// now and then; it sits centred above the line.
void PlanDrawer::Dim(double x1, double y1, double x2, double y2) {
  if (Full())
    return;
  double length = std::hypot(x2 - x1, y2 - y1);
  if (length < kTiny) {
    x2 = x1 + 1;
    length = 1;
  }
  const double shown = std::round(length * 10) / 10;
  char digits[32];
  const auto r = std::fabs(shown - std::round(shown)) < 1e-9
                     ? std::to_chars(digits, digits + sizeof digits,
                                     static_cast<long long>(std::round(shown)))
                     : std::to_chars(digits, digits + sizeof digits, shown,
                                     std::chars_format::fixed, 1);
  std::string_view number(digits, static_cast<std::size_t>(r.ptr - digits));
  text_.clear();
  const std::size_t whole = number.find('.');
  const std::size_t integer = whole == number.npos ? number.size() : whole;
  const bool commas = rng_.Chance(0.3);
  for (std::size_t i = 0; i < number.size(); ++i) {
    if (commas && i > 0 && i < integer && (integer - i) % 3 == 0)
      text_.push_back(',');
    text_.push_back(number[i]);
  }
  const double ux = (x2 - x1) / length, uy = (y2 - y1) / length;
  const double text_length = TextLength(text_);
  const double lift = 1.0 * plan_.Scale();
  double tx = (x1 + x2) / 2 - ux * text_length / 2 - uy * lift;
  double ty = (y1 + y2) / 2 - uy * text_length / 2 + ux * lift;
  double dx = text_length * ux, dy = text_length * uy;
  if (y1 == y2)
    dy = 0;
  if (x1 == x2)
    dx = 0;
  MaybeZFlags();
  out_.Put("msg\r\n ");
  out_.Real(x1);
  out_.Reals({y1, x2, y2});
  out_.End();
  out_.Put("cs");
  out_.Reals({Fix(tx), Fix(ty), dx, dy});
  out_.Put(" \"");
  out_.Put(text_);
  out_.End();
  ++written_;
}

void PlanDrawer::Solid(std::initializer_list<double> xy) {
  if (Full())
    return;
  MaybeZFlags();
  out_.Put("sl");
  out_.Reals(xy);
  out_.End();
  ++written_;
}

void PlanDrawer::ArcSolid(std::string_view key,
                          std::initializer_list<double> values, int code) {
  if (Full())
    return;
  MaybeZFlags();
  out_.Put(key);
  out_.Reals(values);
  out_.Blank();
  out_.Int(code);
  out_.End();
  ++written_;
}

void PlanDrawer::RingSolid(std::string_view key,
                           std::initializer_list<double> values) {
  if (Full())
    return;
  MaybeZFlags();
  out_.Put(key);
  out_.Reals(values);
  out_.End();
  ++written_;
}

void PlanDrawer::Block(double x, double y, std::string_view name) {
  if (Full())
    return;
  out_.Put("BL");
  out_.Reals({x, y});
  out_.Put(" \"");
  out_.Put(name);
  out_.End();
  ++written_;
}

} // namespace orvik::bench
