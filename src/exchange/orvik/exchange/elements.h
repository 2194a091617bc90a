#pragma once
// Element records of the drawing model. Coordinates are millimetres exactly
// as the exchange file gives them (real size, or sheet size under "bz");
// arc and extended-point angles are degrees, arc-shaped solid angles
// radians. Records are plain values; the strings are owned copies.

#include "orvik/exchange/text_pool.h"
#include "orvik/geometry/arc_shape.h"

#include <cstdint>
#include <string>

namespace orvik::exchange {

// Kind numbers as they appear in the arrival order and drive the writer.
enum class EntKind : std::int32_t {
  Line = 1,
  Circle = 2,
  Arc = 3,
  Text = 4,
  Point = 5,
  PointEx = 6,
  Dim = 7,
  Block = 8,
  Solid2 = 9,
  Solid3 = 10,
  Solid4 = 11,
  SolidSc = 12,
  SolidSe = 13,
  SolidSo = 14,
  SolidSg = 15,
};

// Header of every element, stamped from the running attribute state. Group,
// Layer and ZFlags hold a hexadecimal digit or five bits, so a byte each
// serves; they come last, keeping the header at 20 bytes (a million
// elements are read into memory).
//
// InCurveGroup is no attribute: the reader sets it for a line or solid that
// arrived inside a curve group ("pl" up to the record that ends the group).
// The host keeps its curve objects when it takes the result back, so such
// an element is shown and snapped to but never handed back.
struct TJwwEntAttr {
  std::int32_t PickNo = 0; // last "hhp" number; kept, never written
  std::int32_t Colour = 0; // pen number; point/text colour for those kinds
  std::int32_t LineType = 0;
  std::int32_t LineWidth = 0;
  std::uint8_t Group = 0;  // layer group 0..15
  std::uint8_t Layer = 0;  // layer 0..15 within the group
  std::uint8_t ZFlags = 0; // bit 0 "z1" .. bit 4 "z5"
  bool InCurveGroup = false;
};
static_assert(sizeof(TJwwEntAttr) == 20, "the header stays 20 bytes");

struct TJwwEntLine {
  TJwwEntAttr Attr;
  std::int32_t PolylineNo = 0; // "pl" record number, 0 outside a polyline
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct TJwwEntCircle {
  TJwwEntAttr Attr;
  double X = 0, Y = 0, Radius = 0;
};

// Runs counter-clockwise from StartAngle to EndAngle (degrees). Flatness is
// the second semi-axis over Radius; Tilt turns the axes (degrees).
struct TJwwEntArc {
  TJwwEntAttr Attr;
  double X = 0, Y = 0, Radius = 0, StartAngle = 0, EndAngle = 0;
  double Flatness = 1, Tilt = 0;
};

// TextClass: 0 "ch", 1 "cv" (vertical), 2 "cs" (dimension text), 3..9
// "cr", "co", "cp", "ct", "ck", "cz", "c2". FontName and Text are
// Shift-JIS, at most 255 bytes, never ending inside a two-byte character.
struct TJwwEntText {
  TJwwEntAttr Attr;
  std::int32_t TextClass = 0;
  std::int32_t Cc = 0; // base-point code 0..8
  std::int32_t TextKind = 0;
  double Width = 0, Height = 0, Spacing = 0;
  double X = 0, Y = 0, DX = 0, DY = 0; // start point, run vector
  PooledText FontName;
  PooledText Text;
};

struct TJwwEntPoint {
  TJwwEntAttr Attr;
  double X = 0, Y = 0;
};

// Value1: marker scale; Value2: marker angle (degrees); Code: marker code.
struct TJwwEntPointEx {
  TJwwEntAttr Attr;
  double X = 0, Y = 0, Value1 = 0, Value2 = 0;
  std::int32_t Code = 0;
};

struct TJwwEntDim {
  TJwwEntAttr Attr;
  TJwwEntLine Line;
  TJwwEntText Text; // TextClass always 2
};

// Block insertions are read but neither drawn, snapped to nor handed back:
// the host keeps them when it takes the result back.
struct TJwwEntBlk {
  TJwwEntAttr Attr;
  double X = 0, Y = 0;
  std::string Name;
};

// Rgb is the solid's own colour (0x00BBGGRR), used when Attr.Colour is 10.
struct TJwwEntSolid2 {
  TJwwEntAttr Attr;
  std::int32_t Rgb = 0;
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct TJwwEntSolid3 {
  TJwwEntAttr Attr;
  std::int32_t Rgb = 0;
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, X3 = 0, Y3 = 0;
};

struct TJwwEntSolid4 {
  TJwwEntAttr Attr;
  std::int32_t Rgb = 0;
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;
};

// The elliptic arc that shapes an arc-shaped solid ("sc", "se", "so",
// "sg"). Angles are radians: Start is a parameter angle in the arc's own
// frame, Sweep its signed extent, Tilt turns that frame.
struct TJwwSolidOutline {
  double CentreX = 0, CentreY = 0;
  double Radius = 0;   // semi-axis along the arc's own x axis
  double Flatness = 0; // the other semi-axis over Radius
  double Tilt = 0, Start = 0, Sweep = 0;
};

// The outline's numbers in the order the exchange file gives them, right
// after the record's key; the record's eighth number follows them.
inline constexpr double TJwwSolidOutline::*kOutlineFileOrder[] = {
    &TJwwSolidOutline::CentreX, &TJwwSolidOutline::CentreY,
    &TJwwSolidOutline::Radius,  &TJwwSolidOutline::Flatness,
    &TJwwSolidOutline::Tilt,    &TJwwSolidOutline::Start,
    &TJwwSolidOutline::Sweep};

// The outline in paper millimetres for a model scale: centre and radius
// divided by it.
inline geometry::ArcShape PaperShape(const TJwwSolidOutline &o, double scale) {
  return {o.CentreX / scale,
          o.CentreY / scale,
          o.Radius / scale,
          o.Flatness,
          o.Start,
          o.Sweep,
          o.Tilt};
}

// Codes of "sc" solids: the part of the ellipse filled. Any other code
// fills the zone between the arc and the tangents at its ends, which the
// host writes as -1. An "se" solid of code 100 is a whole ellipse's
// outline, else its arc's.
enum SolidArcCode : std::int32_t {
  kSectorCode = 0,
  kSegmentCode = 5,
  kDiscCode = 100,
  kTangentCode = -1,
};

// "sc" and "se": the outline and the code.
struct TJwwEntSolidArc {
  TJwwEntAttr Attr;
  std::int32_t Rgb = 0;
  TJwwSolidOutline Outline;
  std::int32_t Code = 0;
};
// Distinct types, so that each kind's list has a record type of its own.
struct TJwwEntSolidSc : TJwwEntSolidArc {};
struct TJwwEntSolidSe : TJwwEntSolidArc {};

// "so" and "sg": the outer outline and the inner radius.
struct TJwwEntSolidRing {
  TJwwEntAttr Attr;
  std::int32_t Rgb = 0;
  TJwwSolidOutline Outline;
  double InnerRadius = 0;
};
struct TJwwEntSolidSo : TJwwEntSolidRing {};
struct TJwwEntSolidSg : TJwwEntSolidRing {};

// One arrival: the element's kind and its 0-based index in that kind's list.
struct TJwwEntOrder {
  EntKind Kind = EntKind::Line;
  std::int32_t Index = 0;
};

} // namespace orvik::exchange
