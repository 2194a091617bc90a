// The features of the realistic floor plans, each a handful of elements
// placed in the current room or along the building, in real millimetres.
// Positions a drafter measured carry up to six decimals (Measure); what a
// command computed (hatching, points on a circle) carries all fifteen.

#include "realistic_generator.h"

#include "sheet_coordinates.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace orvik::bench {
namespace {

constexpr double kDegree = 180 / kPi;

} // namespace

double PlanDrawer::RoomX(double margin) {
  const Room &r = CurrentRoom();
  return M(r.x0 + margin + rng_.Unit() * (r.Width() - 2 * margin));
}

double PlanDrawer::RoomY(double margin) {
  const Room &r = CurrentRoom();
  return M(r.y0 + margin + rng_.Unit() * (r.Height() - 2 * margin));
}

void PlanDrawer::Rectangle(double xa, double ya, double xb, double yb) {
  const double x0 = std::min(xa, xb), x1 = std::max(xa, xb);
  const double y0 = std::min(ya, yb), y1 = std::max(ya, yb);
  Polyline({x0, y0, x1, y0, x1, y1, x0, y1}, true);
}

// Two faces of a wall on one of the room's edges, up to an opening or the
// corner; a cap where it stops; filled in the detail plans.
void PlanDrawer::Walls() {
  Use(kWallsRole);
  const Edge e = RoomEdge(CurrentRoom(), rng_.Below(4));
  const double t = rng_.Pick(kWallHalves);
  const double end = rng_.Chance(0.5) ? e.length : In(300, e.length / 2);
  Line(e.X(0, -t), e.Y(0, -t), e.X(end, -t), e.Y(end, -t));
  Line(e.X(0, t), e.Y(0, t), e.X(end, t), e.Y(end, t));
  if (end < e.length && rng_.Chance(0.6))
    Line(e.X(end, -t), e.Y(end, -t), e.X(end, t), e.Y(end, t));
  if (plan_.Scale() <= 50 && rng_.Chance(0.6)) {
    UseFill(0x808080);
    Solid({e.X(0, -t), e.Y(0, -t), e.X(end, -t), e.Y(end, -t), e.X(end, t),
           e.Y(end, t), e.X(0, t), e.Y(0, t)});
  }
}

// A grid line past the building, its bubble and its name.
void PlanDrawer::AxisLine() {
  Use(kAxisRole);
  const double s = plan_.Scale();
  const bool up = rng_.Chance(0.5);
  const std::vector<double> &lines = up ? plan_.Xs() : plan_.Ys();
  const auto i = rng_.Below(static_cast<std::int64_t>(lines.size()));
  const double at = lines[static_cast<std::size_t>(i)];
  const double from = Fix((up ? plan_.Bottom() : plan_.Left()) - 14 * s);
  const double to = Fix((up ? plan_.Top() : plan_.Right()) + 6 * s);
  const double bubble = Fix(from - 4 * s);
  if (up) {
    Line(at, from, at, to);
    Circle(at, bubble, 4 * s);
  } else {
    Line(from, at, to, at);
    Circle(bubble, at, 4 * s);
  }
  UseLayer(kLabelRole);
  UseText(3);
  text_.clear();
  if (rng_.Chance(0.4)) {
    AppendCircled(text_, i + 1);
  } else {
    text_.push_back(up ? 'X' : 'Y');
    AppendFixed(text_, static_cast<double>(i + 1), 0);
  }
  CentredText(up ? at : bubble, up ? bubble : at, text_);
}

// A hinged door (one leaf in three a pair): the open leaf, its swing and
// the jambs.
void PlanDrawer::Door() {
  Use(kOpeningRole);
  const Edge e = RoomEdge(CurrentRoom(), rng_.Below(4));
  const double leaf = rng_.Pick(kLeafWidths);
  const bool pair = rng_.Chance(0.3) && e.length > 2 * leaf + 600;
  const double width = pair ? 2 * leaf : leaf;
  const double p = In(150, e.length - width - 150);
  const double turn = e.left ? 0 : 270;
  Line(e.X(p, 0), e.Y(p, 0), e.X(p, leaf), e.Y(p, leaf));
  const double a = Degrees(e.u_deg + turn);
  Arc(e.X(p, 0), e.Y(p, 0), leaf, a, a + 90);
  if (pair) {
    const double b = Degrees(e.u_deg + (e.left ? 90 : 180));
    Line(e.X(p + width, 0), e.Y(p + width, 0), e.X(p + width, leaf),
         e.Y(p + width, leaf));
    Arc(e.X(p + width, 0), e.Y(p + width, 0), leaf, b, b + 90);
  }
  if (rng_.Chance(0.5)) {
    const double t = rng_.Pick(kWallHalves);
    Line(e.X(p, -t), e.Y(p, -t), e.X(p, t), e.Y(p, t));
    Line(e.X(p + width, -t), e.Y(p + width, -t), e.X(p + width, t),
         e.Y(p + width, t));
  }
}

// A sliding window: frame faces, two sashes, jambs, now and then its mark.
void PlanDrawer::Window() {
  Use(kOpeningRole);
  const Edge e = RoomEdge(CurrentRoom(), rng_.Below(4));
  constexpr std::array<double, 6> kWidths{640, 780, 1200, 1690, 1820, 2550};
  double w = rng_.Pick(kWidths);
  if (w > e.length - 400)
    w = 640;
  const double p = In(200, e.length - w - 200), half = w / 2;
  const double t = rng_.Pick(kWallHalves);
  Line(e.X(p, -t), e.Y(p, -t), e.X(p + w, -t), e.Y(p + w, -t));
  Line(e.X(p, t), e.Y(p, t), e.X(p + w, t), e.Y(p + w, t));
  Line(e.X(p, -15), e.Y(p, -15), e.X(p + half + 30, -15),
       e.Y(p + half + 30, -15));
  Line(e.X(p + half - 30, 15), e.Y(p + half - 30, 15), e.X(p + w, 15),
       e.Y(p + w, 15));
  Line(e.X(p, -t), e.Y(p, -t), e.X(p, t), e.Y(p, t));
  Line(e.X(p + w, -t), e.Y(p + w, -t), e.X(p + w, t), e.Y(p + w, t));
  if (rng_.Chance(0.3)) {
    UseLayer(kLabelRole);
    UseText(2);
    text_ = rng_.Pick(kFittingMarks);
    AppendCircled(text_, rng_.Between(1, 20));
    const double v = -t - 4 * plan_.Scale();
    CentredText(e.X(p + half, v), e.Y(p + half, v), text_);
  }
}

// The bowl (an ellipse) and the tank, turned by a multiple of 90 degrees.
void PlanDrawer::Toilet() {
  Use(kFixtureRole);
  const double cx = RoomX(500), cy = RoomY(500);
  const std::int64_t k = rng_.Below(4);
  const double r = In(200, 250);
  Arc(cx, cy, r, 0, 360, In(0.62, 0.75), 90.0 * static_cast<double>(k));
  constexpr std::array<int, 4> kCos{1, 0, -1, 0}, kSin{0, 1, 0, -1};
  const double c = kCos[static_cast<std::size_t>(k)];
  const double s = kSin[static_cast<std::size_t>(k)];
  const double a0 = -(r + 230), a1 = -(r + 10), b0 = -240, b1 = 240;
  Rectangle(Fix(cx + c * a0 - s * b0), Fix(cy + s * a0 + c * b0),
            Fix(cx + c * a1 - s * b1), Fix(cy + s * a1 + c * b1));
}

// A counter against a wall with an oval basin and its drain.
void PlanDrawer::Basin() {
  Use(kFixtureRole);
  const Edge e = RoomEdge(CurrentRoom(), rng_.Below(4));
  const double w = In(600, 1000), depth = In(450, 600);
  const double t = rng_.Pick(kWallHalves);
  const double p = In(100, e.length - w - 100);
  Rectangle(e.X(p, t), e.Y(p, t), e.X(p + w, t + depth), e.Y(p + w, t + depth));
  const double cu = p + w / 2, cv = t + depth / 2;
  Arc(e.X(cu, cv), e.Y(cu, cv), Fix(w * 0.35), 0, 360, In(0.6, 0.8), e.u_deg);
  Circle(e.X(cu, cv), e.Y(cu, cv), 20);
}

// A bathtub with rounded corners in the room's corner, and its drain.
void PlanDrawer::Bathtub() {
  Use(kFixtureRole);
  const Room &room = CurrentRoom();
  const double t = rng_.Pick(kWallHalves);
  const bool along = room.Width() >= room.Height();
  const double l = In(1100, 1500), w = In(700, 800), c = In(80, 150);
  const double xa = Fix(room.x0 + t), ya = Fix(room.y0 + t);
  const double xb = Fix(xa + (along ? l : w)), yb = Fix(ya + (along ? w : l));
  Line(Fix(xa + c), ya, Fix(xb - c), ya);
  Line(xb, Fix(ya + c), xb, Fix(yb - c));
  Line(Fix(xb - c), yb, Fix(xa + c), yb);
  Line(xa, Fix(yb - c), xa, Fix(ya + c));
  Arc(Fix(xa + c), Fix(ya + c), c, 180, 270);
  Arc(Fix(xb - c), Fix(ya + c), c, 270, 360);
  Arc(Fix(xb - c), Fix(yb - c), c, 0, 90);
  Arc(Fix(xa + c), Fix(yb - c), c, 90, 180);
  Circle(along ? Fix(xb - 150) : Fix((xa + xb) / 2),
         along ? Fix((ya + yb) / 2) : Fix(yb - 150), 25);
}

// A kitchen counter: its front and end, the sink and the burners.
void PlanDrawer::Kitchen() {
  Use(kFixtureRole);
  const Edge e = RoomEdge(CurrentRoom(), rng_.Below(4));
  const double t = rng_.Pick(kWallHalves), depth = 650;
  const double w = std::min(In(1800, 2700), M(e.length - 300));
  const double p = In(100, e.length - w - 100);
  Line(e.X(p, t + depth), e.Y(p, t + depth), e.X(p + w, t + depth),
       e.Y(p + w, t + depth));
  Line(e.X(p + w, t), e.Y(p + w, t), e.X(p + w, t + depth),
       e.Y(p + w, t + depth));
  Rectangle(e.X(p + 200, t + 120), e.Y(p + 200, t + 120), e.X(p + 900, t + 520),
            e.Y(p + 900, t + 520));
  const std::int64_t burners = rng_.Between(2, 3);
  for (std::int64_t i = 0; i < burners; ++i) {
    const double u = p + w - 250 - 300 * static_cast<double>(i % 2);
    const double v = t + (i < 2 ? 200 : 450);
    Circle(e.X(u, v), e.Y(u, v), In(90, 110));
  }
}

// A column on a grid crossing: a filled square or circle and its outline.
void PlanDrawer::Column() {
  constexpr std::array<double, 6> kHalves{150, 175, 200, 250, 300, 400};
  const double a = rng_.Pick(kHalves);
  const double x = plan_.Xs()[static_cast<std::size_t>(
      rng_.Below(static_cast<std::int64_t>(plan_.Xs().size())))];
  const double y = plan_.Ys()[static_cast<std::size_t>(
      rng_.Below(static_cast<std::int64_t>(plan_.Ys().size())))];
  UseFill(rng_.Pick(kFillRgbs));
  if (rng_.Chance(0.7)) {
    Solid({Fix(x - a), Fix(y - a), Fix(x + a), Fix(y - a), Fix(x + a),
           Fix(y + a), Fix(x - a), Fix(y + a)});
    Use(kWallsRole);
    Rectangle(Fix(x - a), Fix(y - a), Fix(x + a), Fix(y + a));
  } else {
    ArcSolid("sc", {x, y, a, 1, 0, 0, 2 * kPi}, 100);
    Use(kWallsRole);
    Circle(x, y, a);
  }
}

// A straight flight: treads, the walking line with its arrow, the word.
void PlanDrawer::Stairs() {
  Use(kFinishRole);
  const Room &r = CurrentRoom();
  const double wd = In(750, std::min(1000.0, r.Width() - 200));
  const double g = In(225, 260);
  const auto n = std::min<std::int64_t>(
      rng_.Between(6, 14), static_cast<std::int64_t>((r.Height() - 400) / g));
  const double xa = M(r.x0 + 100 + rng_.Unit() * (r.Width() - wd - 200));
  const double ya = M(r.y0 + 200);
  for (std::int64_t i = 0; i <= n; ++i) {
    const double y = Fix(ya + static_cast<double>(i) * g);
    Line(xa, y, Fix(xa + wd), y);
  }
  const double cx = Fix(xa + wd / 2);
  const double top = Fix(ya + static_cast<double>(n) * g);
  Line(cx, Fix(ya + g / 2), cx, Fix(top - 100));
  UseFill(0);
  Solid({cx, top, Fix(cx - 60), Fix(top - 200), Fix(cx + 60), Fix(top - 200)});
  UseLayer(kLabelRole);
  UseText(3);
  Text(Fix(cx + 80), Fix(ya + g), 0, rng_.Pick(kStairWords));
}

// A bay on one of the room's edges: two concentric half circles bulging
// out of the room, closed by the wall's ends.
void PlanDrawer::CurvedWall() {
  Use(kWallsRole);
  const Edge e = RoomEdge(CurrentRoom(), rng_.Below(4));
  const double t = rng_.Pick(kWallHalves);
  const double radius = In(600, std::min(1500.0, e.length / 2 - 200));
  const double mid = M(e.length / 2);
  const double a = Degrees(e.u_deg + (e.left ? 180 : 0));
  Arc(e.X(mid, 0), e.Y(mid, 0), Fix(radius - t), a, a + 180);
  Arc(e.X(mid, 0), e.Y(mid, 0), Fix(radius + t), a, a + 180);
  for (double u : {mid - radius, mid + radius})
    Line(e.X(u - t, 0), e.Y(u - t, 0), e.X(u + t, 0), e.Y(u + t, 0));
}

// The joints of the mats of a Japanese room: across every 910 mm, up to
// four, and along at 1820 mm.
void PlanDrawer::Tatami() {
  Use(kFinishRole);
  const Room &r = CurrentRoom();
  for (int k = 1; k <= 4 && r.x0 + kModule * k < r.x1 - 100; ++k) {
    const double x = Fix(r.x0 + kModule * k);
    Line(x, r.y0, x, r.y1);
  }
  if (r.Height() > 2 * kModule + 100) {
    const double y = Fix(r.y0 + 2 * kModule);
    Line(r.x0, y, r.x1, y);
  }
}

// Things above the cut, dashed: a wall cupboard with its cross, or the
// void over the room with its word.
void PlanDrawer::Hidden() {
  Use(kHiddenRole);
  const Room &r = CurrentRoom();
  const double t = rng_.Pick(kWallHalves);
  if (rng_.Chance(0.6)) {
    const Edge e = RoomEdge(r, rng_.Below(4));
    const double w = In(900, std::min(2700.0, e.length - 300));
    const double d = In(300, 450), p = In(100, e.length - w - 100);
    const double xa = e.X(p, t), ya = e.Y(p, t);
    const double xb = e.X(p + w, t + d), yb = e.Y(p + w, t + d);
    Rectangle(xa, ya, xb, yb);
    Line(xa, ya, xb, yb);
    Line(xa, yb, xb, ya);
    return;
  }
  Line(Fix(r.x0 + t), Fix(r.y0 + t), Fix(r.x1 - t), Fix(r.y1 - t));
  Line(Fix(r.x0 + t), Fix(r.y1 - t), Fix(r.x1 - t), Fix(r.y0 + t));
  UseLayer(kLabelRole);
  UseText(4);
  CentredText((r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2, kVoid);
}

// A table with four chairs, a round table with chairs around it, a bed or
// a sofa with round arms.
void PlanDrawer::Furniture() {
  Use(kFurnishRole);
  const Room &r = CurrentRoom();
  const double cx = M(r.x0 + r.Width() * (0.3 + 0.4 * rng_.Unit()));
  const double cy = M(r.y0 + r.Height() * (0.3 + 0.4 * rng_.Unit()));
  const std::int64_t k = rng_.Below(20);
  if (k < 8) {
    const double w = In(800, 1600) / 2, d = In(700, 900) / 2;
    Rectangle(Fix(cx - w), Fix(cy - d), Fix(cx + w), Fix(cy + d));
    const double chair = In(180, 225);
    for (double sx : {-1.0, 1.0})
      for (double sy : {-1.0, 1.0})
        Circle(Fix(cx + sx * w / 2), Fix(cy + sy * (d + 300)), chair);
  } else if (k < 12) {
    const double radius = In(400, 600);
    Circle(cx, cy, radius);
    const std::int64_t n = rng_.Between(3, 5);
    const double turn = rng_.Unit() * kPi;
    for (std::int64_t i = 0; i < n; ++i) {
      const double a =
          turn + 2 * kPi * static_cast<double>(i) / static_cast<double>(n);
      Circle(cx + (radius + 250) * std::cos(a),
             cy + (radius + 250) * std::sin(a), 200);
    }
  } else if (k < 16) {
    const bool along = r.Width() >= r.Height();
    const double room = std::max(r.Width(), r.Height());
    const double l = std::min(In(1950, 2100), room - 300) / 2;
    const double w = In(1000, 1600) / 2;
    const double hx = along ? l : w, hy = along ? w : l;
    Rectangle(Fix(cx - hx), Fix(cy - hy), Fix(cx + hx), Fix(cy + hy));
    for (double off : {250.0, 700.0}) {
      if (along)
        Line(Fix(cx - hx + off), Fix(cy - hy), Fix(cx - hx + off),
             Fix(cy + hy));
      else
        Line(Fix(cx - hx), Fix(cy + hy - off), Fix(cx + hx),
             Fix(cy + hy - off));
    }
  } else {
    const double w = In(1200, 1800) / 2, d = In(350, 450);
    Rectangle(Fix(cx - w), Fix(cy - d), Fix(cx + w), Fix(cy + d));
    Arc(Fix(cx - w), cy, d, 90, 270);
    Arc(Fix(cx + w), cy, d, 270, 90);
  }
}

// A tree outside the building: the crown, its scalloped edge, the
// trunk's dot.
void PlanDrawer::Tree() {
  Use(kSiteRole);
  // Shrubs rather than trees around the 1:50 details.
  const double radius = In(800, 2500) * std::min(1.0, plan_.Scale() / 100);
  const double off = radius + In(300, 1500);
  const double along = rng_.Unit();
  const std::int64_t side = rng_.Below(4);
  const double w = plan_.Right() - plan_.Left();
  const double h = plan_.Top() - plan_.Bottom();
  const double cx = M(side < 2    ? plan_.Left() + along * w
                      : side == 2 ? plan_.Left() - off
                                  : plan_.Right() + off);
  const double cy = M(side >= 2   ? plan_.Bottom() + along * h
                      : side == 0 ? plan_.Bottom() - off
                                  : plan_.Top() + off);
  Circle(cx, cy, radius);
  const std::int64_t n = rng_.Between(4, 7);
  const double turn = rng_.Unit() * kPi;
  for (std::int64_t i = 0; i < n; ++i) {
    const double a =
        turn + 2 * kPi * static_cast<double>(i) / static_cast<double>(n);
    Arc(cx + radius * std::cos(a), cy + radius * std::sin(a), radius * 0.4,
        Degrees(a * kDegree - 70), Degrees(a * kDegree + 70));
  }
  if (rng_.Chance(0.5)) {
    UsePoint(kSiteRole, 3);
    Point(cx, cy);
  }
}

} // namespace orvik::bench
