// The element records of the exchange file (circles and arcs, texts and
// dimensions, points, blocks, solids and bare lines).

#include "orvik/exchange/reader.h"

#include "orvik/util/lenient_number.h"
#include "orvik/util/sjis_text.h"

#include <array>
#include <cmath>

namespace orvik::exchange {
namespace {

constexpr std::size_t kMaxTextBytes = TextPool::kMaxBytes;

constexpr std::array<std::string_view, 10> kTextKeys = {
    "ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"};

struct Pt {
  double x, y;
};

// Solid corners count as one point within 1e-10 in each axis.
bool Same(Pt a, Pt b) {
  return std::fabs(a.x - b.x) <= 1e-10 && std::fabs(a.y - b.y) <= 1e-10;
}

int TextClassOf(std::string_view key) {
  if (key.size() != 2 || key[0] != 'c')
    return -1;
  for (std::size_t i = 0; i < kTextKeys.size(); ++i)
    if (key[1] == kTextKeys[i][1])
      return static_cast<int>(i);
  return -1;
}

} // namespace

bool ExchangeReader::ParseElementRecord(std::string_view key, int n) {
  if (key.size() != 2) // every element key has two characters
    return false;
  DrawingModel &m = m_;
  if (key == "ci" && n == 4) {
    TJwwEntCircle &c = m.AppendElement(m.Circles, EntKind::Circle);
    c.X = Real(1);
    c.Y = Real(2);
    c.Radius = Real(3);
  } else if (key == "ci" && n >= 8) {
    TJwwEntArc &a = m.AppendElement(m.Arcs, EntKind::Arc);
    a.X = Real(1);
    a.Y = Real(2);
    a.Radius = Real(3);
    a.StartAngle = Real(4);
    a.EndAngle = Real(5);
    a.Flatness = Real(6);
    a.Tilt = Real(7);
  } else if (const int text_class = TextClassOf(key);
             text_class >= 0 && n >= 6) {
    ReadText(text_class);
  } else if (key == "pt" && (n == 3 || n >= 6)) {
    ReadPoint(n);
  } else if (key == "BL" && n >= 4) {
    TJwwEntBlk &b = m.AppendElement(m.Blocks, EntKind::Block);
    b.X = Real(1);
    b.Y = Real(2);
    b.Name = fields_.Field(3);
  } else if (key == "sl" && (n == 5 || n == 7 || n >= 9)) {
    ReadSolid(n);
  } else if ((key == "sc" || key == "se") && n >= 9) {
    const auto read = [this](TJwwEntSolidArc &s) {
      ReadOutline(s.Outline);
      s.Code = Int(8);
    };
    if (key == "sc")
      read(AppendSolid(m.SolidsSc, EntKind::SolidSc));
    else
      read(AppendSolid(m.SolidsSe, EntKind::SolidSe));
  } else if ((key == "so" || key == "sg") && n >= 9) {
    const auto read = [this](TJwwEntSolidRing &s) {
      ReadOutline(s.Outline);
      s.InnerRadius = Real(8);
    };
    if (key == "so")
      read(AppendSolid(m.SolidsSo, EntKind::SolidSo));
    else
      read(AppendSolid(m.SolidsSg, EntKind::SolidSg));
  } else {
    return false;
  }
  // A curve solid's group runs on through its solids; any other element
  // ends a curve group, as it ends a polyline.
  if (key[0] != 's')
    in_curve_group_ = false;
  EndElementRecord();
  return true;
}

// A solid with the current solid colour; inside a curve group it belongs
// to the curve.
template <class T>
T &ExchangeReader::AppendSolid(GrowableList<T> &list, EntKind kind) {
  T &s = m_.AppendElement(list, kind);
  s.Rgb = m_.Attr.CurSolidRgb;
  s.Attr.InCurveGroup = in_curve_group_;
  return s;
}

// "pt" with X and Y, or with marker scale, angle and code as well.
void ExchangeReader::ReadPoint(int n) {
  DrawingModel &m = m_;
  if (n == 3) {
    TJwwEntPoint &p = m.AppendElement(m.Points, EntKind::Point);
    p.Attr.Colour = m.Attr.CurPointColour;
    p.X = Real(1);
    p.Y = Real(2);
    return;
  }
  TJwwEntPointEx &p = m.AppendElement(m.PointsEx, EntKind::PointEx);
  p.Attr.Colour = m.Attr.CurPointColour;
  p.X = Real(1);
  p.Y = Real(2);
  p.Value1 = Real(3);
  p.Value2 = Real(4);
  p.Code = Int(5);
}

// The seven numbers after an arc-shaped solid's key.
void ExchangeReader::ReadOutline(TJwwSolidOutline &outline) {
  int field = 1;
  for (double TJwwSolidOutline::*value : kOutlineFileOrder)
    outline.*value = Real(field++);
}

void ExchangeReader::EndElementRecord() {
  m_.Attr.CurZFlags = 0;
  in_polyline_ = false;
  dim_pending_ = false;
}

// A text, or a dimension when "cs" follows "msg".
void ExchangeReader::ReadText(std::int32_t text_class) {
  DrawingModel &m = m_;
  if (text_class == 2 && dim_pending_) {
    TJwwEntDim &dim = m.AppendElement(m.Dims, EntKind::Dim);
    dim.Line = pending_dim_line_;
    m.StampAttributes(dim.Text.Attr);
    FillText(dim.Text, 2);
    return;
  }
  TJwwEntText &text = m.AppendElement(m.Texts, EntKind::Text);
  FillText(text, text_class);
}

// Size, spacing and colour come from the text kind table for kinds 1..10,
// else from the last custom "cn0" values.
void ExchangeReader::FillText(TJwwEntText &t, std::int32_t text_class) {
  const AttributeState &a = m_.Attr;
  t.TextClass = text_class;
  t.Cc = a.CurTextCc;
  t.TextKind = a.CurTextKind;
  const TJwwTextKind &kind =
      (t.TextKind >= 1 && t.TextKind <= 10)
          ? m_.TextKinds.at(static_cast<std::size_t>(t.TextKind - 1))
          : a.CurTextCustom;
  t.Width = kind.Width;
  t.Height = kind.Height;
  t.Spacing = kind.Spacing;
  t.Attr.Colour = kind.Colour;
  t.X = Real(1);
  t.Y = Real(2);
  t.DX = Real(3);
  t.DY = Real(4);
  t.FontName = m_.Pool.Keep(CutToBytes(a.CurFont, kMaxTextBytes));
  t.Text = m_.Pool.Keep(CutToBytes(fields_.Field(5), kMaxTextBytes));
}

// "sl" with two, three or four corners; coinciding corners make a solid of
// fewer points.
void ExchangeReader::ReadSolid(int n) {
  const Pt p1{Real(1), Real(2)}, p2{Real(3), Real(4)};
  if (n == 5) {
    AddSolid2(p1.x, p1.y, p2.x, p2.y);
    return;
  }
  const Pt p3{Real(5), Real(6)};
  if (n == 7) {
    if (Same(p1, p2))
      AddSolid2(p1.x, p1.y, p3.x, p3.y);
    else if (Same(p2, p3))
      AddSolid2(p1.x, p1.y, p2.x, p2.y);
    else
      AddSolid3(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y);
    return;
  }
  const Pt p4{Real(7), Real(8)};
  if (Same(p1, p2) && Same(p1, p3))
    AddSolid2(p1.x, p1.y, p4.x, p4.y);
  else if (Same(p2, p3) && Same(p2, p4))
    AddSolid2(p1.x, p1.y, p2.x, p2.y);
  else if (Same(p1, p2) && Same(p3, p4))
    AddSolid2(p1.x, p1.y, p3.x, p3.y);
  else if (Same(p4, p1) || Same(p4, p2) || Same(p4, p3))
    AddSolid3(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y);
  else if (Same(p3, p1) || Same(p3, p2))
    AddSolid3(p1.x, p1.y, p2.x, p2.y, p4.x, p4.y);
  else if (Same(p2, p1))
    AddSolid3(p1.x, p1.y, p3.x, p3.y, p4.x, p4.y);
  else {
    TJwwEntSolid4 &s = AppendSolid(m_.Solids4, EntKind::Solid4);
    s.X1 = p1.x, s.Y1 = p1.y, s.X2 = p2.x, s.Y2 = p2.y;
    s.X3 = p3.x, s.Y3 = p3.y, s.X4 = p4.x, s.Y4 = p4.y;
  }
}

void ExchangeReader::AddSolid2(double x1, double y1, double x2, double y2) {
  TJwwEntSolid2 &s = AppendSolid(m_.Solids2, EntKind::Solid2);
  s.X1 = x1, s.Y1 = y1, s.X2 = x2, s.Y2 = y2;
}

void ExchangeReader::AddSolid3(double x1, double y1, double x2, double y2,
                               double x3, double y3) {
  TJwwEntSolid3 &s = AppendSolid(m_.Solids3, EntKind::Solid3);
  s.X1 = x1, s.Y1 = y1, s.X2 = x2, s.Y2 = y2, s.X3 = x3, s.Y3 = y3;
}

// A bare four-field line: a line element, which uses up the z flags, or
// the line part of a pending dimension, which leaves them to the dimension:
// the writer puts a dimension's z flags before its "msg", so taking them
// here would lose them on the way back.
void ExchangeReader::ParseBareLine() {
  DrawingModel &m = m_;
  if (dim_pending_) {
    m.StampAttributes(pending_dim_line_.Attr);
    pending_dim_line_.PolylineNo = 0;
    pending_dim_line_.X1 = Real(0);
    pending_dim_line_.Y1 = Real(1);
    pending_dim_line_.X2 = Real(2);
    pending_dim_line_.Y2 = Real(3);
    return;
  }
  TJwwEntLine &l = m.AppendElement(m.Lines, EntKind::Line);
  l.PolylineNo = in_polyline_ ? polyline_no_ : 0;
  l.Attr.InCurveGroup = in_curve_group_;
  l.X1 = Real(0);
  l.Y1 = Real(1);
  l.X2 = Real(2);
  l.Y2 = Real(3);
  m.Attr.CurZFlags = 0;
}

} // namespace orvik::exchange
