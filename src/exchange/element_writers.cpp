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

} // namespace

void RecordWriter::WriteElement(const TJwwEntOrder &entry) {
  // An order entry always points into its list; the check keeps a damaged
  // entry from reading past the list.
  const auto i = static_cast<std::size_t>(entry.Index);
  pending_z_ = 0;
  std::size_t count = 0;
  if (!VisitList(m_, entry.Kind, [&count](auto &l) { count = l.Count(); }) ||
      i >= count)
    return;
  DrawingModel &m = m_;
  switch (entry.Kind) {
  case EntKind::Line:
    return WriteLine(m.Lines[i]);
  case EntKind::Circle:
    return WriteCircle(m.Circles[i]);
  case EntKind::Arc:
    return WriteArc(m.Arcs[i]);
  case EntKind::Text:
    return WriteText(m.Texts[i]);
  case EntKind::Point:
    return WritePoint(m.Points[i]);
  case EntKind::PointEx:
    return WritePointEx(m.PointsEx[i]);
  case EntKind::Dim:
    return WriteDim(m.Dims[i]);
  case EntKind::Block:
    return; // block insertions are never handed back
  case EntKind::Solid2:
    return WriteSolid2(m.Solids2[i]);
  case EntKind::Solid3:
    return WriteSolid3(m.Solids3[i]);
  case EntKind::Solid4:
    return WriteSolid4(m.Solids4[i]);
  case EntKind::SolidSc:
    return WriteSolidArc(m.SolidsSc[i], false);
  case EntKind::SolidSe:
    return WriteSolidArc(m.SolidsSe[i], true);
  case EntKind::SolidSo:
    return WriteSolidRing(m.SolidsSo[i], false);
  case EntKind::SolidSg:
    return WriteSolidRing(m.SolidsSg[i], true);
  }
}

void RecordWriter::WriteLine(const TJwwEntLine &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteColour(e.Attr.Colour);
  WriteLineType(e.Attr.LineType);
  WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  if (!Equal(e.X1, e.Y1, e.X2, e.Y2))
    EmitLineRecord(e);
}

void RecordWriter::EmitLineRecord(const TJwwEntLine &e) {
  BeginElement("");
  Real(e.X1);
  Real(e.Y1);
  Real(e.X2);
  Real(e.Y2);
  End();
}

void RecordWriter::WriteCircle(const TJwwEntCircle &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteColour(e.Attr.Colour);
  WriteLineType(e.Attr.LineType);
  WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  if (e.Radius <= kTol)
    return;
  BeginElement("ci");
  Real(e.X);
  Real(e.Y);
  Real(e.Radius);
  End();
}

void RecordWriter::WriteArc(const TJwwEntArc &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteColour(e.Attr.Colour);
  WriteLineType(e.Attr.LineType);
  WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  if (e.Radius <= kTol || std::fabs(e.Flatness) <= kTol)
    return;
  BeginElement("ci");
  Real(e.X);
  Real(e.Y);
  Real(e.Radius);
  Real(e.StartAngle);
  Real(e.EndAngle);
  Real(e.Flatness);
  Real(e.Tilt);
  End();
}

void RecordWriter::WriteTextAttributes(const TJwwEntText &t) {
  WriteTextKind(t.TextKind, t.Attr.Colour, t.Width, t.Height, t.Spacing);
  WriteCc(t.Cc);
  WriteFont(t.FontName);
}

void RecordWriter::WriteText(const TJwwEntText &e) {
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
  Real(t.X);
  Real(t.Y);
  Real(t.DX);
  Real(t.DY);
  EndTextHead(text);
}

void RecordWriter::WritePoint(const TJwwEntPoint &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WritePointColour(e.Attr.Colour);
  WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  BeginElement("pt");
  Real(e.X);
  Real(e.Y);
  End();
}

void RecordWriter::WritePointEx(const TJwwEntPointEx &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WritePointColour(e.Attr.Colour);
  WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  BeginElement("pt");
  Real(e.X);
  Real(e.Y);
  Real(std::fabs(e.Value1) <= kTol ? 1.0 : e.Value1);
  Real(e.Value2);
  Int((e.Code < -7 || e.Code > 11) ? -3 : e.Code);
  End();
}

// A dimension whose text is blank shows its measured length instead.
void RecordWriter::WriteDim(const TJwwEntDim &e) {
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
  BeginElement("msg");
  End();
  EmitLineRecord(line);
  if (!IsBlank(e.Text.Text)) {
    EmitTextRecord("cs", e.Text, e.Text.Text);
    return;
  }
  const double length = std::hypot(line.X2 - line.X1, line.Y2 - line.Y1);
  std::string measured;
  AppendReal(measured, std::trunc(length / kTol + 0.5) * kTol);
  EmitTextRecord("cs", e.Text, measured);
}

void RecordWriter::WriteSolidColourOf(const TJwwEntAttr &attr,
                                      std::int32_t rgb) {
  if (attr.Colour == 10)
    WriteSolidColour(rgb);
  else
    WriteColour(attr.Colour);
}

void RecordWriter::WriteSolid2(const TJwwEntSolid2 &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteSolidColourOf(e.Attr, e.Rgb);
  WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  EmitSolid2Record(e.X1, e.Y1, e.X2, e.Y2);
}

void RecordWriter::EmitSolid2Record(double x1, double y1, double x2,
                                    double y2) {
  if (Equal(x1, y1, x2, y2))
    return;
  BeginElement("sl");
  Real(x1);
  Real(y1);
  Real(x2);
  Real(y2);
  End();
}

void RecordWriter::WriteSolid3(const TJwwEntSolid3 &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteSolidColourOf(e.Attr, e.Rgb);
  pending_z_ = e.Attr.ZFlags;
  EmitSolid3Record(e.X1, e.Y1, e.X2, e.Y2, e.X3, e.Y3);
}

void RecordWriter::EmitSolid3Record(double x1, double y1, double x2, double y2,
                                    double x3, double y3) {
  if (Equal(x1, y1, x2, y2) || Equal(x1, y1, x3, y3) || Equal(x2, y2, x3, y3))
    return;
  BeginElement("sl");
  Real(x1);
  Real(y1);
  Real(x2);
  Real(y2);
  Real(x3);
  Real(y3);
  End();
}

// Coinciding corners turn a four-point solid into a three-point one, or
// into nothing when opposite corners meet.
void RecordWriter::WriteSolid4(const TJwwEntSolid4 &e) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteSolidColourOf(e.Attr, e.Rgb);
  pending_z_ = e.Attr.ZFlags;
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
  else {
    BeginElement("sl");
    for (double v : {e.X1, e.Y1, e.X2, e.Y2, e.X3, e.Y3, e.X4, e.Y4})
      Real(v);
    End();
  }
}

// "sc" takes codes 100, 5, 0 and -1; "se" only 100 and 0.
void RecordWriter::WriteSolidArc(const TJwwEntSolidArc &e, bool is_se) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteSolidColourOf(e.Attr, e.Rgb);
  if (is_se)
    WriteLineWidth(e.Attr.LineWidth);
  pending_z_ = e.Attr.ZFlags;
  const bool code_ok =
      e.Code == 100 || e.Code == 0 || (!is_se && (e.Code == 5 || e.Code == -1));
  if (!(e.V3 > kTol && std::fabs(e.V4) > kTol && code_ok))
    return;
  BeginElement(is_se ? "se" : "sc");
  for (double v : {e.V1, e.V2, e.V3, e.V4, e.V5, e.V6, e.V7})
    Real(v);
  Int(e.Code);
  End();
}

// The inner radius V8 must lie strictly inside the outer radius V3.
void RecordWriter::WriteSolidRing(const TJwwEntSolidRing &e, bool is_sg) {
  WriteGroup(e.Attr.Group);
  WriteLayer(e.Attr.Layer);
  WriteSolidColourOf(e.Attr, e.Rgb);
  pending_z_ = e.Attr.ZFlags;
  if (!(e.V3 > kTol && e.V8 > kTol && e.V8 < e.V3 - kTol &&
        std::fabs(e.V4) > kTol))
    return;
  BeginElement(is_sg ? "sg" : "so");
  for (double v : {e.V1, e.V2, e.V3, e.V4, e.V5, e.V6, e.V7, e.V8})
    Real(v);
  End();
}

} // namespace orvik::exchange
