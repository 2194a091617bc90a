// The annotations and fills of the realistic floor plans: room names and
// areas, dimension chains, notes with leaders, point markers, titles,
// hatching, solid fills and block insertions.

#include "realistic_generator.h"

#include "sheet_coordinates.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvik::bench {

// The room's name and its area in mats or square metres, once; now and
// then a note under them. A room already named gets a label of what is in
// it instead.
void PlanDrawer::RoomLabel() {
  const Room &r = CurrentRoom();
  const double s = plan_.Scale();
  UseLayer(kLabelRole);
  if (labelled_[room_]) {
    // Along a wall now and then: turned a quarter, rarely any way.
    const double angle = rng_.Chance(0.1)    ? kPi / 2
                         : rng_.Chance(0.03) ? M(rng_.Unit() * 2 * kPi)
                                             : 0;
    UseText(rng_.Chance(0.7) ? 2 : 3);
    Text(RoomX(300), RoomY(300), angle, rng_.Pick(kPlanNotes));
    return;
  }
  labelled_[room_] = 1;
  const double cx = M((r.x0 + r.x1) / 2 + (rng_.Unit() - 0.5) * 200);
  const double cy = M((r.y0 + r.y1) / 2 + (rng_.Unit() - 0.5) * 200);
  UseText(rng_.Chance(0.1) ? 0 : rng_.Chance(0.5) ? 5 : 4);
  CentredText(cx, Fix(cy + 2.5 * s), kRoomNames[r.name]);
  UseText(3);
  const double area = r.Width() * r.Height() / 1e6;
  text_.clear();
  const std::int64_t form = rng_.Below(3);
  if (form == 0) {
    AppendFixed(text_, area / 1.62, 1);
    text_.append(kTatamiUnit);
  } else if (form == 1) {
    text_.append(kOpenParen);
    AppendFixed(text_, area, 2);
    text_.append(kSquareMetre);
    text_.append(kCloseParen);
  } else {
    text_.append(kAbout);
    AppendFixed(text_, std::round(area / 1.62), 0);
    text_.append(kTatamiUnit);
  }
  CentredText(cx, Fix(cy - 3 * s), text_);
  if (rng_.Chance(0.3)) {
    UseText(2);
    CentredText(cx, Fix(cy - 7 * s), rng_.Pick(kPlanNotes));
  }
}

// A chain of dimensions between grid lines outside the building (or, one
// time in five, across the room inside): extension lines, the dimensions,
// and a dot where each extension line meets the dimension line.
void PlanDrawer::DimChain() {
  const double s = plan_.Scale();
  std::array<double, 7> at{};
  std::size_t count = 0;
  const std::int64_t side = rng_.Below(4);
  const bool across = side < 2;
  double edge = 0, out = side % 2 == 0 ? -1 : 1, tier = 0;
  if (rng_.Chance(0.8)) {
    const std::vector<double> &lines = across ? plan_.Xs() : plan_.Ys();
    const auto first = static_cast<std::size_t>(
        rng_.Below(static_cast<std::int64_t>(lines.size() - 1)));
    const std::size_t spans = std::min<std::size_t>(
        static_cast<std::size_t>(rng_.Between(2, 5)), lines.size() - 1 - first);
    const bool overall = rng_.Chance(0.15);
    for (std::size_t k = 0; k <= spans; ++k)
      if (!overall || k == 0 || k == spans)
        at[count++] = lines[first + k];
    edge = side == 0   ? plan_.Bottom()
           : side == 1 ? plan_.Top()
           : side == 2 ? plan_.Left()
                       : plan_.Right();
    tier = (overall ? 20 : 12) * s;
  } else {
    const Room &r = CurrentRoom();
    at[0] = across ? r.x0 : r.y0;
    at[2] = across ? r.x1 : r.y1;
    at[1] = M(at[0] + (at[2] - at[0]) * (0.25 + 0.5 * rng_.Unit()));
    count = 3;
    edge = side == 0 ? r.y0 : side == 1 ? r.y1 : side == 2 ? r.x0 : r.x1;
    out = -out;
    tier = 500;
  }
  const double line = Fix(edge + out * tier);
  const double from = Fix(edge + out * std::min(2 * s, tier / 2));
  const double past = Fix(line + out * s);
  const bool dots = rng_.Chance(0.7);
  const auto x = [&](double along, double off) { return across ? along : off; };
  const auto y = [&](double along, double off) { return across ? off : along; };
  for (std::size_t k = 0; k < count; ++k) {
    Use(kMeasureRole);
    Line(x(at[k], from), y(at[k], from), x(at[k], past), y(at[k], past));
    if (k > 0) {
      UseText(2);
      Dim(x(at[k - 1], line), y(at[k - 1], line), x(at[k], line),
          y(at[k], line));
    }
    if (dots) {
      UsePoint(kMeasureRole, 1);
      Point(x(at[k], line), y(at[k], line));
    }
  }
}

// A note with its leader: the slanting line from the thing it names, the
// line under the text, a dot at the start; one in thirty written upright.
void PlanDrawer::Note() {
  const double s = plan_.Scale();
  const double px = RoomX(200), py = RoomY(200);
  const double side = rng_.Chance(0.5) ? 1 : -1;
  const double kx = Fix(px + side * In(300, 900)), ky = Fix(py + In(300, 900));
  const std::string_view note = rng_.Pick(kPlanNotes);
  Use(kLabelRole);
  Line(px, py, kx, ky);
  UseText(3);
  if (rng_.Chance(1.0 / 30)) {
    Text(Fix(kx + 1 * s), Fix(ky), 0, note, "cv");
    return;
  }
  const double length = TextLength(note);
  Line(kx, ky, Fix(kx + side * length), ky);
  if (rng_.Chance(0.5)) {
    UsePoint(kLabelRole, 1);
    Point(px, py);
  }
  Text(side > 0 ? kx : Fix(kx - length), Fix(ky + 0.5 * s), 0, note);
}

// Point markers of the host's kinds (levels, survey points), a level's
// text now and then, a plain point sometimes.
void PlanDrawer::Markers() {
  constexpr std::array<double, 4> kScales{1, 1, 2, 0.5};
  constexpr std::array<double, 4> kAngles{0, 0, 45, 30};
  UsePoint(kMeasureRole,
           rng_.Chance(0.9) ? 1 : static_cast<int>(rng_.Between(2, 9)));
  const std::int64_t n = rng_.Between(1, 3);
  double x = 0, y = 0;
  for (std::int64_t i = 0; i < n; ++i) {
    x = RoomX(200);
    y = RoomY(200);
    Marker(x, y, rng_.Pick(kScales),
           rng_.Chance(0.9) ? rng_.Pick(kAngles) : In(0, 360),
           static_cast<int>(rng_.Chance(0.9) ? rng_.Between(0, 11)
                                             : rng_.Between(-7, -1)));
  }
  if (rng_.Chance(0.3))
    Point(RoomX(200), RoomY(200));
  if (rng_.Chance(0.4)) {
    UseLayer(kLabelRole);
    UseText(2);
    Text(Fix(x + 2 * plan_.Scale()), y, 0, rng_.Pick(kLevels));
  }
}

// The plan's title and scale under the building, underlined twice.
void PlanDrawer::Title() {
  const double s = plan_.Scale();
  const double x = plan_.Left(), y = Fix(plan_.Bottom() - 32 * s);
  UseLayer(kLabelRole);
  UseText(7);
  const std::string_view title =
      kPlanTitles[static_cast<std::size_t>(plan_.Group())];
  const double length = TextLength(title);
  Text(x, y, 0, title);
  UseText(4);
  text_ = "S=1/";
  AppendFixed(text_, s, 0);
  Text(Fix(x + length + 5 * s), y, 0, text_);
  Use(kLabelRole);
  Line(x, Fix(y - 1.5 * s), Fix(x + length), Fix(y - 1.5 * s));
  Line(x, Fix(y - 2.2 * s), Fix(x + length), Fix(y - 2.2 * s));
}

// Parallel lines at 45, 135, 30 or 60 degrees clipped to a rectangle (a
// command's output: full precision), sometimes with the rectangle.
void PlanDrawer::Hatch() {
  Use(kHatchingRole);
  const Room &r = CurrentRoom();
  const double rw = In(300, std::min(1500.0, r.Width() - 200));
  const double rh = In(300, std::min(1500.0, r.Height() - 200));
  const double xa = M(r.x0 + 100 + rng_.Unit() * (r.Width() - 200 - rw));
  const double ya = M(r.y0 + 100 + rng_.Unit() * (r.Height() - 200 - rh));
  const double xb = Fix(xa + rw), yb = Fix(ya + rh);
  constexpr std::array<double, 4> kAngles{kPi / 4, 3 * kPi / 4, kPi / 6,
                                          kPi / 3};
  const double a = rng_.Pick(kAngles);
  const double dx = std::cos(a), dy = std::sin(a);
  const double half = std::hypot(rw, rh) / 2;
  const double step = std::max(In(1.5, 3) * plan_.Scale(), half / 6);
  const double cx = (xa + xb) / 2, cy = (ya + yb) / 2;
  for (double off = -std::floor(half / step) * step; off <= half; off += step) {
    const double px = cx - dy * off, py = cy + dx * off;
    // The part of px + t dx, py + t dy inside the rectangle.
    double lo = -1e300, hi = 1e300;
    for (auto [p, d, low, high] : {std::array<double, 4>{px, dx, xa, xb},
                                   std::array<double, 4>{py, dy, ya, yb}}) {
      const double t1 = (low - p) / d, t2 = (high - p) / d;
      lo = std::max(lo, std::min(t1, t2));
      hi = std::min(hi, std::max(t1, t2));
    }
    if (hi - lo > 1)
      Line(px + lo * dx, py + lo * dy, px + hi * dx, py + hi * dy);
  }
  if (rng_.Chance(0.4))
    Rectangle(xa, ya, xb, yb);
}

// A coloured area in the room: a rectangle or trapezoid, a triangle, or
// (one in ten) a two-point solid.
void PlanDrawer::Fill() {
  if (rng_.Chance(0.2))
    fill_rgb_ = rng_.Pick(kFillRgbs);
  UseFill(fill_rgb_);
  const Room &r = CurrentRoom();
  const double rw = In(300, std::min(1800.0, r.Width() - 400));
  const double rh = In(300, std::min(1800.0, r.Height() - 400));
  const double xa = M(r.x0 + 200 + rng_.Unit() * (r.Width() - 400 - rw));
  const double ya = M(r.y0 + 200 + rng_.Unit() * (r.Height() - 400 - rh));
  const double xb = Fix(xa + rw), yb = Fix(ya + rh);
  const std::int64_t k = rng_.Below(10);
  if (k < 7) {
    const double in = rng_.Chance(0.6) ? 0 : In(50, rw / 3);
    Solid({xa, ya, xb, ya, Fix(xb - in), yb, Fix(xa + in), yb});
  } else if (k < 9) {
    Solid({xa, ya, xb, ya, M(xa + rw * rng_.Unit()), yb});
  } else {
    Solid({xa, ya, xb, yb});
  }
}

// Arc-shaped solids: round and oval fills, sectors (a door's swing),
// segments, tangent zones, thick arcs and rings; half of them outlined.
void PlanDrawer::RoundFill() {
  if (rng_.Chance(0.2))
    fill_rgb_ = rng_.Pick(kFillRgbs);
  UseFill(fill_rgb_);
  const Room &r = CurrentRoom();
  const double cx = RoomX(300), cy = RoomY(300);
  const double radius =
      In(150, std::min(1200.0, std::min(r.Width(), r.Height()) / 2 - 100));
  const double flat = rng_.Chance(0.8) ? 1 : In(0.5, 0.9);
  const double tilt = rng_.Chance(0.8) ? 0 : M(rng_.Unit() * kPi);
  const bool quarter = rng_.Chance(0.5);
  const double start = quarter ? kPi / 2 * static_cast<double>(rng_.Below(4))
                               : M(rng_.Unit() * 2 * kPi);
  double sweep = quarter ? kPi / 2 : In(0.3, 5.5);
  const std::int64_t k = rng_.Below(20);
  bool whole = false;
  if (k < 9) {
    constexpr std::array<int, 9> kCodes{100, 100, 100, 100, 0, 0, 0, 5, -1};
    const int code = kCodes[static_cast<std::size_t>(k)];
    whole = code == 100;
    // A tangent zone's tangents meet far out as the sweep nears a half
    // turn: drafters draw them on short arcs.
    if (code == -1)
      sweep = std::min(sweep, 2.2);
    ArcSolid("sc", {cx, cy, radius, flat, tilt, start, sweep}, code);
  } else if (k < 12) {
    const int code = k == 9 ? 100 : 0;
    whole = code == 100;
    ArcSolid("se", {cx, cy, radius, flat, tilt, start, sweep}, code);
  } else {
    RingSolid(k < 16 ? "so" : "sg", {cx, cy, radius, flat, tilt, start, sweep,
                                     M(radius * (0.3 + 0.5 * rng_.Unit()))});
  }
  if (rng_.Chance(0.5)) {
    Use(kHatchingRole);
    if (whole && flat == 1)
      Circle(cx, cy, radius);
    else
      Arc(cx, cy, radius, Degrees(start * 180 / kPi),
          Degrees((start + sweep) * 180 / kPi), flat, tilt * 180 / kPi);
  }
}

void PlanDrawer::BlockInsertion() {
  Use(kFixtureRole);
  Block(RoomX(300), RoomY(300), rng_.Pick(kPlanBlockNames));
}

} // namespace orvik::bench
