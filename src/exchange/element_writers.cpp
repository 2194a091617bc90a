// Element writers: the attribute records of each element's kind, in a fixed
// order, then its element record. Elements the host could not represent
// (zero lengths and radii, blank texts, degenerate solids, unknown solid
// codes) are skipped after their attribute records.
//
// The z flags come last and only with the element record itself: they
// mark the next element the host reads, so for a skipped element they
// would land on the element after it.

#include "record_writer.h"

#include "orvik/util/real_format.h"
#include "orvik/util/sjis_text.h"

#include <cmath>

namespace orvik::exchange {
namespace {

constexpr double kTol = 1e-8;

constexpr const char *kTextKeys[] = {"ch", "cv", "cs", "cr", "co",
                                     "cp", "ct", "ck", "cz", "c2"};

bool Equal(double x1, double y1, double x2, double y2) {
  return std::fabs(x2 - x1) < kTol && std::fabs(y2 - y1) < kTol;
}

bool NoDirection(const TJwwEntText &t) {
  return std::fabs(t.DX) <= kTol && std::fabs(t.DY) <= kTol;
}

bool IsBlank(std::string_view text) { return StripBlanks(text).empty(); }

// The host draws no outline without a radius or a flatness.
bool Drawable(const TJwwSolidOutline &o) {
  return o.Radius > kTol && std::fabs(o.Flatness) > kTol;
}

} // namespace

void RecordWriter::WriteElement(const TJwwEntOrder &entry) {
  // An order entry always points into its list; the check keeps a damaged
  // entry from reading past the list. The host keeps its curve objects when
  // it takes the result back, so the lines and solids that arrived inside
  // one are left out: they would be drawn twice.
  const auto i = static_cast<std::size_t>(entry.Index);
  pending_z_ = 0;
  VisitList(m_, entry.Kind, [this, i](const auto &list) {
    if (i < list.Count() && !list[i].Attr.InCurveGroup)
      Write(list[i]);
  });
}

// Block insertions are never handed back: the host keeps them.
void RecordWriter::Write(const TJwwEntBlk &) {}
void RecordWriter::Write(const TJwwEntSolidSc &e) { WriteSolidArc(e, false); }
void RecordWriter::Write(const TJwwEntSolidSe &e) { WriteSolidArc(e, true); }
void RecordWriter::Write(const TJwwEntSolidSo &e) { WriteSolidRing(e, false); }
void RecordWriter::Write(const TJwwEntSolidSg &e) { WriteSolidRing(e, true); }

// Group, layer, colour, line type and width of lines, circles and arcs.
void RecordWriter::WriteLineAttributes(const TJwwEntAttr &a) {
  WriteGroup(a.Group);
  WriteLayer(a.Layer);
  WriteColour(a.Colour);
  WriteLineType(a.LineType);
  WriteLineWidth(a.LineWidth);
  pending_z_ = a.ZFlags;
}

// Group, layer and colour of solids: the solid's own RGB value when its pen
// is 10, else its pen; the line width only for some kinds.
void RecordWriter::WriteSolidAttributes(const TJwwEntAttr &a, std::int32_t rgb,
                                        bool with_width) {
  WriteGroup(a.Group);
  WriteLayer(a.Layer);
  if (a.Colour == 10)
    WriteSolidColour(rgb);
  else
    WriteColour(a.Colour);
  if (with_width)
    WriteLineWidth(a.LineWidth);
  pending_z_ = a.ZFlags;
}

void RecordWriter::EmitRecord(const char *key,
                              std::initializer_list<double> values) {
  BeginElement(key);
  for (double v : values)
    Real(v);
  End();
}

// The ends are compared where they are written, after the shift.
void RecordWriter::Write(const TJwwEntLine &e) {
  WriteLineAttributes(e.Attr);
  const double x1 = e.X1 + shift_.dx, y1 = e.Y1 + shift_.dy;
  const double x2 = e.X2 + shift_.dx, y2 = e.Y2 + shift_.dy;
  if (!Equal(x1, y1, x2, y2))
    EmitRecord("", {x1, y1, x2, y2});
}

void RecordWriter::Write(const TJwwEntCircle &e) {
  WriteLineAttributes(e.Attr);
  if (e.Radius > kTol)
    EmitRecord("ci", {e.X + shift_.dx, e.Y + shift_.dy, e.Radius});
}

void RecordWriter::Write(const TJwwEntArc &e) {
  WriteLineAttributes(e.Attr);
  if (e.Radius > kTol && std::fabs(e.Flatness) > kTol)
    EmitRecord("ci", {e.X + shift_.dx, e.Y + shift_.dy, e.Radius, e.StartAngle,
                      e.EndAngle, e.Flatness, e.Tilt});
}

void RecordWriter::WriteTextAttributes(const TJwwEntText &t) {
  WriteTextKind(t.TextKind, t.Attr.Colour, t.Width, t.Height, t.Spacing);
  WriteCc(t.Cc);
  WriteFont(t.FontName);
}

void RecordWriter::Write(const TJwwEntText &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteTextAttributes(e);
  pending_z_ = e.Attr.ZFlags;
  if (NoDirection(e) || IsBlank(e.Text))
    return;
  const bool known = e.TextClass >= 1 && e.TextClass <= 9;
  EmitTextRecord(kTextKeys[known ? e.TextClass : 0], e, e.Text);
}

void RecordWriter::EmitTextRecord(const char *key, const TJwwEntText &t,
                                  std::string_view text) {
  BeginElement(key);
  for (double v : {t.X, t.Y, t.DX, t.DY})
    Real(v);
  EndTextHead(text);
}

void RecordWriter::Write(const TJwwEntPoint &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WritePointColour(e.Attr.Colour);
  WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  EmitRecord("pt", {e.X + shift_.dx, e.Y + shift_.dy});
}

// A marker scale of 0 means 1; an unknown marker code becomes -3.
void RecordWriter::Write(const TJwwEntPointEx &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WritePointColour(e.Attr.Colour);
  WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  BeginElement("pt");
  for (double v :
       {e.X, e.Y, std::fabs(e.Value1) <= kTol ? 1.0 : e.Value1, e.Value2})
    Real(v);
  Int((e.Code < -7 || e.Code > 11) ? -3 : e.Code);
  End();
}

// A dimension whose text is blank shows its measured length instead.
void RecordWriter::Write(const TJwwEntDim &e) {
  const TJwwEntLine &line = e.Line;
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteColour(line.Attr.Colour);
  WriteLineType(line.Attr.LineType);
  WriteLineWidth(line.Attr.LineWidth);
  WriteTextAttributes(e.Text);
  pending_z_ = e.Attr.ZFlags;
  if (Equal(line.X1, line.Y1, line.X2, line.Y2) || NoDirection(e.Text))
    return;
  EmitRecord("msg", {});
  EmitRecord("", {line.X1, line.Y1, line.X2, line.Y2});
  if (!IsBlank(e.Text.Text)) {
    EmitTextRecord("cs", e.Text, e.Text.Text);
    return;
  }
  const double length = std::hypot(line.X2 - line.X1, line.Y2 - line.Y1);
  std::string measured;
  AppendReal(measured, std::trunc(length / kTol + 0.5) * kTol);
  EmitTextRecord("cs", e.Text, measured);
}

void RecordWriter::Write(const TJwwEntSolid2 &e) {
  WriteSolidAttributes(e.Attr, e.Rgb, true);
  if (!Equal(e.X1, e.Y1, e.X2, e.Y2))
    EmitRecord("sl", {e.X1, e.Y1, e.X2, e.Y2});
}

void RecordWriter::Write(const TJwwEntSolid3 &e) {
  WriteSolidAttributes(e.Attr, e.Rgb, false);
  EmitSolid3Record(e.X1, e.Y1, e.X2, e.Y2, e.X3, e.Y3);
}

void RecordWriter::EmitSolid3Record(double x1, double y1, double x2, double y2,
                                    double x3, double y3) {
  if (!Equal(x1, y1, x2, y2) && !Equal(x1, y1, x3, y3) &&
      !Equal(x2, y2, x3, y3))
    EmitRecord("sl", {x1, y1, x2, y2, x3, y3});
}

// Coinciding corners turn a four-point solid into a three-point one, or
// into nothing when opposite corners meet.
void RecordWriter::Write(const TJwwEntSolid4 &e) {
  WriteSolidAttributes(e.Attr, e.Rgb, false);
  if (Equal(e.X1, e.Y1, e.X2, e.Y2))
    EmitSolid3Record(e.X1, e.Y1, e.X3, e.Y3, e.X4, e.Y4);
  else if (Equal(e.X1, e.Y1, e.X3, e.Y3))
    return;
  else if (Equal(e.X1, e.Y1, e.X4, e.Y4))
    EmitSolid3Record(e.X1, e.Y1, e.X2, e.Y2, e.X3, e.Y3);
  else if (Equal(e.X2, e.Y2, e.X3, e.Y3))
    EmitSolid3Record(e.X1, e.Y1, e.X2, e.Y2, e.X4, e.Y4);
  else if (Equal(e.X2, e.Y2, e.X4, e.Y4))
    return;
  else if (Equal(e.X3, e.Y3, e.X4, e.Y4))
    EmitSolid3Record(e.X1, e.Y1, e.X2, e.Y2, e.X3, e.Y3);
  else
    EmitRecord("sl", {e.X1, e.Y1, e.X2, e.Y2, e.X3, e.Y3, e.X4, e.Y4});
}

void RecordWriter::RealOutline(const TJwwSolidOutline &o) {
  for (double TJwwSolidOutline::*value : kOutlineFileOrder)
    Real(o.*value);
}

// "sc" takes codes 100, 5, 0 and -1; "se" only 100 and 0.
void RecordWriter::WriteSolidArc(const TJwwEntSolidArc &e, bool is_se) {
  WriteSolidAttributes(e.Attr, e.Rgb, is_se);
  const bool code_ok =
      e.Code == kDiscCode || e.Code == kSectorCode ||
      (!is_se && (e.Code == kSegmentCode || e.Code == kTangentCode));
  if (!(Drawable(e.Outline) && code_ok))
    return;
  BeginElement(is_se ? "se" : "sc");
  RealOutline(e.Outline);
  Int(e.Code);
  End();
}

// The inner radius must lie strictly inside the outer one.
void RecordWriter::WriteSolidRing(const TJwwEntSolidRing &e, bool is_sg) {
  WriteSolidAttributes(e.Attr, e.Rgb, false);
  if (!(Drawable(e.Outline) && e.InnerRadius > kTol &&
        e.InnerRadius < e.Outline.Radius - kTol))
    return;
  BeginElement(is_sg ? "sg" : "so");
  RealOutline(e.Outline);
  Real(e.InnerRadius);
  End();
}

} // namespace orvik::exchange
