#pragma once
// Where the realistic drawing's floor plans lie and what they hold. Each
// plan (kElementsPerPlan elements) is one floor plan in one layer group,
// in real millimetres at that group's scale. As drafters keep a building's
// floors, the eight plans of groups 0 to 7 (floors at 1:100, details at
// 1:50, the site at 1:200) lie one over another in the same cell of the
// sheet, each shown by its own group; the next eight take the next cell of
// a 4 x 3 grid, and after twelve cells the grid starts over. A plan's grid
// lines (multiples of the 910 mm module) split it into rooms. The plan was
// moved into place by a vector a drafter picked, so its coordinates carry
// the decimals of that vector: none, one, three or six.
//
// Also the numbers a drafter's measurements give: lengths and positions
// with up to six decimals, and now and then a round value off by a few
// millionths, as repeated editing leaves them.

#include "realistic_vocabulary.h"
#include "split_mix.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvik::bench {

inline constexpr std::size_t kElementsPerPlan = 10'000;
// The sheet's cells, in paper millimetres.
inline constexpr int kPlanColumns = 4;
inline constexpr int kPlanRows = 3;
inline constexpr double kCellWidth = 300;
inline constexpr double kCellHeight = 210;
inline constexpr double kModule = 910;

// `v` rounded to `decimals` decimals (0 to 6); never a negative zero.
inline double Quantise(double v, int decimals) {
  constexpr std::array<double, 7> kPowers{1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
  const double p = kPowers[static_cast<std::size_t>(decimals)];
  return std::round(v * p) / p + 0.0;
}

// Six decimals: what a sum of six-decimal numbers should be.
inline double Fix(double v) { return Quantise(v, 6); }

// A measured value: a fifth with no decimals, a fifth with six, the rest
// with one to five; one in twenty is a whole number off by a few
// millionths.
inline double Measure(Random &rng, double v) {
  constexpr std::array<int, 19> kDecimals{0, 0, 0, 0, 1, 1, 1, 2, 2, 3,
                                          3, 3, 4, 4, 5, 6, 6, 6, 6};
  const std::int64_t k = rng.Below(20);
  if (k == 19) {
    const double drift = 1e-6 * static_cast<double>(rng.Between(1, 9));
    return Fix(std::round(v) + (rng.Chance(0.5) ? drift : -drift));
  }
  return Quantise(v, kDecimals[static_cast<std::size_t>(k)]);
}

// A measured value between `low` and `high`.
inline double MeasureIn(Random &rng, double low, double high) {
  return Measure(rng, low + rng.Unit() * (high - low));
}

// An angle in degrees (from -720 on) brought into [0, 360).
inline double Degrees(double a) { return std::fmod(a + 720, 360); }

struct Room {
  double x0, y0, x1, y1;
  std::size_t name; // index into kRoomNames
  double Width() const { return x1 - x0; }
  double Height() const { return y1 - y0; }
};

// An edge of a room: positions along it (u, from its start) and into the
// room (v, from the grid line), in six decimals.
struct Edge {
  double sx, sy, ux, uy, vx, vy, length;
  double u_deg; // direction of u
  bool left;    // v is u turned counterclockwise
  double X(double u, double v) const { return Fix(sx + ux * u + vx * v); }
  double Y(double u, double v) const { return Fix(sy + uy * u + vy * v); }
};

// Edge 0 to 3: bottom, top, left, right.
inline Edge RoomEdge(const Room &r, std::int64_t which) {
  switch (which) {
  case 0:
    return {r.x0, r.y0, 1, 0, 0, 1, r.Width(), 0, true};
  case 1:
    return {r.x0, r.y1, 1, 0, 0, -1, r.Width(), 0, false};
  case 2:
    return {r.x0, r.y0, 0, 1, 1, 0, r.Height(), 90, false};
  default:
    return {r.x1, r.y0, 0, 1, -1, 0, r.Height(), 90, true};
  }
}

class PlanLayout {
public:
  // Lays out plan `index`: its group, the building and the rooms.
  void Build(std::size_t index, Random &rng) {
    index_ = index;
    group_ = static_cast<int>(index % kPlanGroups);
    scale_ = kPlanGroupScales[static_cast<std::size_t>(group_)];
    const std::size_t cell = index / kPlanGroups %
                             static_cast<std::size_t>(kPlanColumns * kPlanRows);
    const double col = static_cast<double>(cell % kPlanColumns);
    const double row = static_cast<double>(cell / kPlanColumns);
    constexpr std::array<int, 8> kOriginDecimals{0, 0, 1, 3, 6, 6, 6, 6};
    const int decimals = rng.Pick(kOriginDecimals);
    const double ox =
        ((col - kPlanColumns / 2) * kCellWidth + 15 + rng.Unit() * 10) * scale_;
    const double oy =
        ((row - kPlanRows / 2) * kCellHeight + 15 + rng.Unit() * 10) * scale_;
    Lines(xs_, Quantise(ox, decimals), (kCellWidth - 40) * scale_, rng);
    Lines(ys_, Quantise(oy, decimals), (kCellHeight - 40) * scale_, rng);
    rooms_.clear();
    for (std::size_t i = 0; i + 1 < xs_.size(); ++i)
      for (std::size_t j = 0; j + 1 < ys_.size(); ++j)
        rooms_.push_back({xs_[i], ys_[j], xs_[i + 1], ys_[j + 1],
                          static_cast<std::size_t>(rng.Below(
                              static_cast<std::int64_t>(kRoomNames.size())))});
  }

  std::size_t Index() const { return index_; }
  int Group() const { return group_; }
  double Scale() const { return scale_; }
  // Grid lines across and up, from left to right and bottom to top.
  const std::vector<double> &Xs() const { return xs_; }
  const std::vector<double> &Ys() const { return ys_; }
  double Left() const { return xs_.front(); }
  double Right() const { return xs_.back(); }
  double Bottom() const { return ys_.front(); }
  double Top() const { return ys_.back(); }
  const std::vector<Room> &Rooms() const { return rooms_; }

private:
  // Grid lines from `first`, 2 to 6 modules apart, within `span`.
  static void Lines(std::vector<double> &lines, double first, double span,
                    Random &rng) {
    lines.assign(1, first);
    for (;;) {
      const double step = kModule * static_cast<double>(rng.Between(2, 6));
      if (lines.back() + step - first > span && lines.size() >= 2)
        return;
      lines.push_back(Fix(lines.back() + step));
    }
  }

  std::size_t index_ = 0;
  int group_ = 0;
  double scale_ = 100;
  std::vector<double> xs_, ys_;
  std::vector<Room> rooms_;
};

} // namespace orvik::bench
