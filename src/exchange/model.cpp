#include "orvik/exchange/model.h"

#include "orvik/exchange/element_kinds.h"
#include "orvik/exchange/host_texts.h"
#include "orvik/exchange/output_buffer.h"

#include <cmath>

namespace orvik::exchange {
namespace {

void ResetValues(DrawingModel &m) {
  m.GroupScale.fill(1.0);
  m.TextKinds.fill(TJwwTextKind{});
  m.SheetCoords = false;
  m.HpPoints.fill(TJwwHpPoint{});
  m.Attr = AttributeState{};
  m.Attr.CurFont = kDefaultFont;
  m.LineWidthSeen = false;
}

// A group or layer for the element header's byte. The reader only makes
// 0..15; anything else becomes 255, which every user of the header treats
// as it treats any value that is not a digit.
std::uint8_t HeaderDigit(std::int32_t v) {
  return static_cast<std::uint8_t>((v >= 0 && v <= 15) ? v : 255);
}

// The header an element gets from the attributes it is made with.
void Stamp(TJwwEntAttr &a, const PenAttributes &pen) {
  a.PickNo = pen.PickNo;
  a.Group = HeaderDigit(pen.Group);
  a.Layer = HeaderDigit(pen.Layer);
  a.Colour = pen.Colour;
  a.LineType = pen.LineType;
  a.LineWidth = pen.LineWidth;
  a.ZFlags = static_cast<std::uint8_t>(pen.ZFlags);
}

// A user's element of `kind`, appended to `list` with its order entry and
// stamped with `pen`; the caller fills the kind's own fields.
template <class T>
T &AppendNew(DrawingModel &m, GrowableList<T> &list, EntKind kind,
             const PenAttributes &pen) {
  m.AppendOrder(kind);
  T &record = list.Append();
  Stamp(record.Attr, pen);
  return record;
}

} // namespace

void SetCurrentGroup(PenAttributes &pen, std::int32_t group) {
  pen.Group = group;
}

void SetCurrentLayer(PenAttributes &pen, std::int32_t layer) {
  pen.Layer = layer;
}

DrawingModel::DrawingModel() { ResetValues(*this); }

void InitModel(DrawingModel &model, OutputBuffer &output) {
  FreeModel(model);
  ResetValues(model);
  output.Clear();
}

void FreeModel(DrawingModel &m) {
  ForEachList(m, [](EntKind, auto &list) { list.Clear(); });
  m.EntOrder.Clear();
  m.Pool.Clear();
  m.storage_->Release();
}

double DrawingModel::ScaleOfGroup(std::int32_t group) const {
  if (SheetCoords || group < 0 || group > 15)
    return 1.0;
  const double s = GroupScale[static_cast<std::size_t>(group)];
  return (std::isfinite(s) && std::fabs(s) >= 1e-100) ? s : 1.0;
}

void DrawingModel::AppendOrder(EntKind kind) { EntOrder.Append(kind); }

void DrawingModel::StampAttributes(TJwwEntAttr &a) const {
  Stamp(a, {.Group = Attr.CurGroup,
            .Layer = Attr.CurLayer,
            .Colour = Attr.CurColour,
            .LineType = Attr.CurLineType,
            .LineWidth = Attr.CurLineWidth,
            .ZFlags = Attr.CurZFlags,
            .PickNo = Attr.CurPickNo});
}

void DrawingModel::AddLine(const PenAttributes &pen, double x1, double y1,
                           double x2, double y2) {
  if (std::fabs(x2 - x1) < 1e-8 && std::fabs(y2 - y1) < 1e-8)
    return;
  TJwwEntLine &line = AppendNew(*this, Lines, EntKind::Line, pen);
  line.X1 = x1;
  line.Y1 = y1;
  line.X2 = x2;
  line.Y2 = y2;
}

void DrawingModel::AddPoint(const PenAttributes &pen, double x, double y) {
  TJwwEntPoint &point = AppendNew(*this, Points, EntKind::Point, pen);
  point.Attr.Colour = pen.PointColour;
  point.X = x;
  point.Y = y;
}

void DrawingModel::AddArc(const PenAttributes &pen, double x, double y,
                          double radius, double start_angle, double end_angle,
                          double flatness, double tilt) {
  if (radius <= 1e-8)
    return;
  TJwwEntArc &arc = AppendNew(*this, Arcs, EntKind::Arc, pen);
  arc.X = x;
  arc.Y = y;
  arc.Radius = radius;
  arc.StartAngle = start_angle;
  arc.EndAngle = end_angle;
  arc.Flatness = std::fabs(flatness) <= 1e-8 ? 1.0 : flatness;
  arc.Tilt = tilt;
}

void DrawingModel::AddCircle(const PenAttributes &pen, double x, double y,
                             double radius) {
  if (!(radius > 1e-8) || !std::isfinite(radius))
    return;
  TJwwEntCircle &circle = AppendNew(*this, Circles, EntKind::Circle, pen);
  circle.X = x;
  circle.Y = y;
  circle.Radius = radius;
}

void DrawingModel::RemoveLastElement() {
  if (EntOrder.Empty())
    return;
  const EntKind kind = EntOrder.Last().Kind;
  EntOrder.RemoveLast();
  VisitList(*this, kind, [](auto &list) { list.RemoveLast(); });
}

} // namespace orvik::exchange
