#pragma once
// Angle bookkeeping for arcs: bringing angles into range and testing whether
// a direction falls within an arc's angular span. Radians, except where a
// name says degrees.
//
// Every function here terminates on any input. Values up to 64 turns are
// stepped by whole turns, exactly as a plain "add 2pi while below" loop
// would; larger magnitudes are first reduced with fmod. NaN stays NaN and an
// infinity becomes NaN, so comparisons against the result fail.

namespace orvik::geometry {

// Into [0, 2pi]. Unlike a half-open range, 2pi itself is kept, so an arc of
// exactly one turn keeps a span of one turn.
double NormaliseAngle(double angle);

// A signed sweep into [-2pi, 2pi]; +-2pi are kept, so 4pi becomes 2pi and
// -4pi becomes -2pi.
double WrapSweep(double sweep);

// The arc's angular extent, |sweep| brought into [0, 2pi] (a sweep of 5pi
// spans pi; a sweep of 2pi spans 2pi).
double SpanOf(double start, double sweep);

// True when direction phi lies on the arc from start over sweep (either
// sign), ends included. phi may be any number of turns away.
bool WithinSpan(double start, double sweep, double phi);

// True when |sweep| / 2pi exceeds a whole number (zero included) by less
// than 1e-10. A sweep just short of a whole turn does not count.
bool IsWholeTurns(double sweep);

// Degrees into [0, 360), as the file's arc angles are read. The same result
// as stepping by whole turns (the only rounding, adding 360 to a small
// negative angle, happens in both ways alike), in constant time.
double DegreesIntoTurn(double degrees);

} // namespace orvik::geometry
