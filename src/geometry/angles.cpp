#include "orvik/geometry/angles.h"

#include "orvik/util/plane.h"

#include <cmath>

namespace orvik::geometry {
namespace {

// Stepping by whole turns is exact enough and cheap for the few turns that
// real drawings carry. Far beyond that it would be slow, and once 2pi drops
// below the value's rounding step it would never end. Values inside this
// limit never reach fmod, so their results are those of plain stepping.
constexpr double kSteppingLimit = 64 * kTwoPi;

double ReduceIfHuge(double angle) {
  return std::fabs(angle) > kSteppingLimit ? std::fmod(angle, kTwoPi) : angle;
}

double LowEnd(double start, double sweep) {
  return sweep >= 0 ? start : start + sweep;
}

double HighEnd(double start, double sweep) {
  return sweep >= 0 ? start + sweep : start;
}

} // namespace

double NormaliseAngle(double angle) {
  double a = ReduceIfHuge(angle);
  while (a < 0)
    a += kTwoPi;
  while (kTwoPi < a)
    a -= kTwoPi;
  return a;
}

double WrapSweep(double sweep) {
  double s = ReduceIfHuge(sweep);
  while (s < -kTwoPi)
    s += kTwoPi;
  while (s > kTwoPi)
    s -= kTwoPi;
  return s;
}

double SpanOf(double start, double sweep) {
  return NormaliseAngle(HighEnd(start, sweep) - LowEnd(start, sweep));
}

bool WithinSpan(double start, double sweep, double phi) {
  return SpanOf(start, sweep) >= NormaliseAngle(phi - LowEnd(start, sweep));
}

bool IsWholeTurns(double sweep) {
  const double turns = std::fabs(sweep) / kTwoPi;
  return std::fabs(turns - std::trunc(turns)) < 1e-10;
}

double DegreesIntoTurn(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0)
    r += 360.0;
  return r >= 360.0 ? 0.0 : r;
}

} // namespace orvik::geometry
