// Point snapping over the model: the kind order and an index following
// later changes, worked out by hand (more in the snap cases of
// tests/exchange/cases; fuzz/snap_index_fuzzer.cpp sets the index against
// the plain search on drawings the fuzzer makes).

#include "exchange_support.h"

#include "orvik/exchange/snap_index.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvik::exchange {
namespace {

using test::CrLf;
using test::Read;

// All five fields equal, a NaN matching a NaN.
bool SameHit(const SnapHit &a, const SnapHit &b) {
  const auto same = [](double u, double v) {
    return u == v || (std::isnan(u) && std::isnan(v));
  };
  return a.found == b.found && a.kind == b.kind && a.index == b.index &&
         same(a.x, b.x) && same(a.y, b.y);
}

// Each record offers (0, 0): the arc-shaped solids about (10, 0) of radius
// 10 from pi to 3pi/2 their first end, the circle its quadrant point at
// pi. They arrive from the last kind searched to the first; each newcomer
// takes the hit over, a point even though a line's end is nearer.
TEST(PointSnap, KindsAreSearchedInTheirOrderNotByArrival) {
  const std::string arc = " 10 0 10 1 0 3.141592653589793 1.5707963267948966";
  using enum EntKind;
  const std::pair<std::string, EntKind> records[] = {
      {"sg" + arc + " 5", SolidSg},
      {"so" + arc + " 5", SolidSo},
      {"se" + arc + " 0", SolidSe},
      {"sc" + arc + " 5", SolidSc},
      {"sl 0 0 1 0 1 1 0 1", Solid4},
      {"sl 0 0 1 0 1 1", Solid3},
      {"sl 0 0 1 0", Solid2},
      {"msg\r\n0 0 10 0\r\ncs 5 1 1 0 \"d", Dim},
      {"ch 0 0 1 0 \"t", Text},
      {"ci 10 0 10 180 270 1 0", Arc},
      {"ci 10 0 10", Circle},
      {"0 0 5 5", Line},
      {"pt 0 0 1 0 3", PointEx},
      {"pt 0.4 0.3", Point}};
  std::string file;
  for (const auto &[record, kind] : records) {
    file += record + "\r\n";
    const DrawingModel m = Read(file);
    SnapIndex index;
    index.Build(m);
    const bool point = kind == Point;
    const SnapHit hit = SnapToElement(m, 0, 0, 0.5);
    EXPECT_TRUE(hit.found && hit.kind == kind && hit.index == 0) << record;
    EXPECT_NEAR(hit.x, point ? 0.4 : 0, 1e-9);
    EXPECT_NEAR(hit.y, point ? 0.3 : 0, 1e-9);
    EXPECT_TRUE(SameHit(index.Find(m, 0, 0, 0.5), hit)) << record;
  }
}

// Records added after Build are searched plainly after the indexed ones
// of their kind; records taken back are no longer found.
TEST(SnapIndex, FollowsElementsAddedAndRemovedAfterBuild) {
  DrawingModel m = Read(CrLf({"pt 0 0", "pt 1 0", "20 0 30 0"}));
  SnapIndex index;
  index.Build(m);
  const auto expect = [&](double px, double py, const SnapHit &want) {
    EXPECT_TRUE(SameHit(index.Find(m, px, py, 0.5), want)) << px << " " << py;
    EXPECT_TRUE(SameHit(SnapToElement(m, px, py, 0.5), want)) << px;
  };
  m.AddPoint(PenAttributes{}, 30, 0.25); // points come before lines
  expect(30, 0, {true, EntKind::Point, 2, 30, 0.25});
  m.AddLine(PenAttributes{}, 20, 0.25, 55, 0); // after the indexed line
  expect(20, 0.2, {true, EntKind::Line, 0, 20, 0});
  expect(55, 0, {true, EntKind::Line, 1, 55, 0});
  for (int i = 0; i < 4; ++i) // down to the first point
    m.RemoveLastElement();
  for (const double px : {55.0, 30.0, 1.0})
    expect(px, 0, {});
  expect(0, 0, {true, EntKind::Point, 0, 0, 0});
}

} // namespace
} // namespace orvik::exchange
