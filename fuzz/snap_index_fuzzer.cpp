// Builds a drawing of the searched kinds from the input, with unusual
// values among the ordinary ones, and asks the snap index and the plain
// search about pointers around what its records offer. It aborts, naming
// the pointer, where the two answer differently: the index must change
// only how fast an answer comes, never which.

#include "snap_drawings.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>

using namespace orvik::exchange;
using namespace orvik::exchange::snap_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  Gen g(data, size);
  g.odd = g.Pick({1.0, 0.3, 0.05});
  const bool odd_scales = g.Chance(0.8);
  Drawing d;
  d.m.SheetCoords = odd_scales && g.Chance(0.2);
  for (double &s : d.m.GroupScale)
    s = odd_scales ? g.Pick({1.0, 1.0, 2.0, 50.0, 100.0, 0.5, 0.0, kNaN, -2.0,
                             1e-120, 1e-90, 1e200})
                   : g.Pick({1.0, 1.0, 1.0, 1.0, 2.0});
  // One kind alone, so that no earlier kind answers first, or any mix; now
  // and then a drawing large enough for records to meet several cells.
  const int kinds = static_cast<int>(std::size(kSnapOrder));
  const int only = g.Chance(0.3) ? g.Int(0, kinds - 1) : -1;
  for (int n = g.Chance(0.05) ? 1100 : 14 * g.Int(1, 30); n > 0; --n)
    AddRecord(d, g, kSnapOrder[only >= 0 ? only : g.Int(0, kinds - 1)]);
  SnapIndex index;
  index.Build(d.m);
  for (int q = 0; q < 100; ++q) {
    double px, py, tol;
    Aim(d, g, px, py, tol);
    const SnapHit plain = SnapToElement(d.m, px, py, tol);
    const SnapHit indexed = index.Find(d.m, px, py, tol);
    if (!SameHit(plain, indexed)) {
      std::fprintf(stderr,
                   "at (%.17g, %.17g) tol %.17g the index finds #%d, not #%d "
                   "of kind %d\n",
                   px, py, tol, static_cast<int>(indexed.index),
                   static_cast<int>(plain.index), static_cast<int>(plain.kind));
      std::abort();
    }
  }
  return 0;
}
