#include "orvik/render/element_renderer.h"

#include "orvik/geometry/angles.h"
#include "orvik/render/image_reference.h"
#include "orvik/render/point_markers.h"
#include "orvik/util/plane.h"
#include "orvik/util/sjis_text.h"

#include <algorithm>
#include <cmath>

namespace orvik::render {
namespace {

using namespace exchange;
using geometry::RingMode;

constexpr double kDegree = kPi / 180.0;

} // namespace

// The filter's positions are considered in turn, and drawn when its boxes
// let them.
template <class List, class Draw>
bool ElementRenderer::Walk(EntKind kind, const List &list, Draw draw) {
  const std::size_t start = position_, count = list.Count();
  position_ += count;
  // A list the filter's positions do not reach is not considered at all.
  if (start >= filter_.last || start + count < filter_.first ||
      (count > 0 && start + count == filter_.first))
    return true;
  const std::size_t from = filter_.first > start ? filter_.first - start : 0;
  const std::size_t to = std::min(count, filter_.last - start);
  static const ElementBoxes kNoBoxes; // lets every element through
  const ElementBoxes &boxes = filter_.boxes ? *filter_.boxes : kNoBoxes;
  const ElementBoxes::Near near =
      boxes.NearWindow(kind, filter_.window, p_.view().ViewScale());
  for (std::size_t i = from; i < to; ++i) {
    if (near.Meets(i))
      draw(list[i]);
    if (i % 10 == 0 && Stop())
      return false;
  }
  return !Stop();
}

std::size_t ElementRenderer::PositionOf(const DrawingModel &m, EntKind kind,
                                        std::size_t index) {
  const std::pair<EntKind, std::size_t> order[] = {
      {EntKind::Text, m.Texts.Count()},
      {EntKind::Solid2, m.Solids2.Count()},
      {EntKind::Solid3, m.Solids3.Count()},
      {EntKind::Solid4, m.Solids4.Count()},
      {EntKind::SolidSc, m.SolidsSc.Count()},
      {EntKind::SolidSe, m.SolidsSe.Count()},
      {EntKind::SolidSo, m.SolidsSo.Count()},
      {EntKind::SolidSg, m.SolidsSg.Count()},
      {EntKind::Line, m.Lines.Count()},
      {EntKind::Circle, m.Circles.Count()},
      {EntKind::Arc, m.Arcs.Count()},
      {EntKind::Point, m.Points.Count()},
      {EntKind::PointEx, m.PointsEx.Count()},
      {EntKind::Text, m.Texts.Count()},
      {EntKind::Dim, m.Dims.Count()}};
  std::size_t start = 0;
  for (const auto &[list, count] : order) {
    if (list == kind)
      return start + index;
    start += count;
  }
  return 0; // a kind never drawn: from the start
}

bool ElementRenderer::DrawAll() {
  const DrawingModel &m = m_;
  position_ = 0;
  auto placeholder = [this](const TJwwEntText &e) { DrawImagePlaceholder(e); };
  if (!Walk(EntKind::Text, m.Texts, placeholder) ||
      !Walk(EntKind::Solid2, m.Solids2,
            [this](const auto &e) { DrawSolid2(e); }) ||
      !Walk(EntKind::Solid3, m.Solids3,
            [this](const auto &e) { DrawSolid3(e); }) ||
      !Walk(EntKind::Solid4, m.Solids4,
            [this](const auto &e) { DrawSolid4(e); }) ||
      !Walk(EntKind::SolidSc, m.SolidsSc,
            [this](const auto &e) { DrawSolidSc(e); }) ||
      !Walk(EntKind::SolidSe, m.SolidsSe,
            [this](const auto &e) { DrawSolidSe(e); }) ||
      !Walk(EntKind::SolidSo, m.SolidsSo,
            [this](const auto &e) { DrawRing(e, RingMode::SameFlatness); }) ||
      !Walk(EntKind::SolidSg, m.SolidsSg,
            [this](const auto &e) { DrawRing(e, RingMode::EvenWidth); }))
    return false;
  p_.SetBrush(p_.pens().GetBackgroundColour(), BrushStyle::Clear);
  return Walk(EntKind::Line, m.Lines, [this](const auto &e) { DrawLine(e); }) &&
         Walk(EntKind::Circle, m.Circles,
              [this](const auto &e) { DrawCircle(e); }) &&
         Walk(EntKind::Arc, m.Arcs, [this](const auto &e) { DrawArc(e); }) &&
         Walk(EntKind::Point, m.Points,
              [this](const auto &e) { DrawPoint(e); }) &&
         Walk(EntKind::PointEx, m.PointsEx,
              [this](const auto &e) { DrawPointEx(e); }) &&
         Walk(EntKind::Text, m.Texts, [this](const auto &e) { DrawText(e); }) &&
         Walk(EntKind::Dim, m.Dims, [this](const auto &e) { DrawDim(e); });
}

// The hatched box of an image reference, its size in paper millimetres
// (not divided by the group scale).
void ElementRenderer::DrawImagePlaceholder(const TJwwEntText &e) {
  ImageReference image;
  if (!ParseImageReference(e.Text, image))
    return;
  p_.ElementPen(e.Attr.Colour, 1);
  p_.ElementBrush(e.Attr.Colour, BrushStyle::BackwardDiagonal);
  const double s = Scale(e.Attr);
  p_.DrawWorldRect(e.X / s, e.Y / s, e.X / s + image.width,
                   e.Y / s + image.height);
}

// A solid of pen 10 is drawn in its own RGB value, outline and fill.
void ElementRenderer::SolidPenAndBrush(const TJwwEntAttr &attr,
                                       std::int32_t rgb) {
  if (attr.Colour == 10) {
    const Colour32 colour = static_cast<Colour32>(rgb) & 0xFFFFFFu;
    p_.SetPen(colour, PenStyle::Solid, 0);
    p_.SetBrush(colour, BrushStyle::Solid);
  } else {
    p_.ElementPen(attr.Colour, 1);
    p_.ElementBrush(attr.Colour, BrushStyle::Solid);
  }
}

void ElementRenderer::DrawSolid2(const TJwwEntSolid2 &e) {
  SolidPenAndBrush(e.Attr, e.Rgb);
  const double s = Scale(e.Attr);
  p_.WorldPoints().assign({{e.X1 / s, e.Y1 / s}, {e.X2 / s, e.Y2 / s}});
  p_.DrawPolyline();
}

void ElementRenderer::DrawSolid3(const TJwwEntSolid3 &e) {
  SolidPenAndBrush(e.Attr, e.Rgb);
  const double s = Scale(e.Attr);
  p_.WorldPoints().assign(
      {{e.X1 / s, e.Y1 / s}, {e.X2 / s, e.Y2 / s}, {e.X3 / s, e.Y3 / s}});
  p_.DrawPolygon();
}

void ElementRenderer::DrawSolid4(const TJwwEntSolid4 &e) {
  SolidPenAndBrush(e.Attr, e.Rgb);
  const double s = Scale(e.Attr);
  p_.WorldPoints().assign({{e.X1 / s, e.Y1 / s},
                           {e.X2 / s, e.Y2 / s},
                           {e.X3 / s, e.Y3 / s},
                           {e.X4 / s, e.Y4 / s}});
  p_.DrawPolygon();
}

void ElementRenderer::DrawSolidSc(const TJwwEntSolidSc &e) {
  SolidPenAndBrush(e.Attr, e.Rgb);
  p_.FillArcSolid(PaperShape(e.Outline, Scale(e.Attr)), e.Code);
}

void ElementRenderer::DrawSolidSe(const TJwwEntSolidSe &e) {
  SolidPenAndBrush(e.Attr, e.Rgb);
  p_.OutlineArcSolid(PaperShape(e.Outline, Scale(e.Attr)), e.Code);
}

void ElementRenderer::DrawRing(const TJwwEntSolidRing &e, RingMode mode) {
  SolidPenAndBrush(e.Attr, e.Rgb);
  const double s = Scale(e.Attr);
  p_.FillRingSolid(mode, PaperShape(e.Outline, s), e.InnerRadius / s);
}

void ElementRenderer::DrawLine(const TJwwEntLine &e) {
  p_.ElementPen(e.Attr.Colour, e.Attr.LineType);
  const double s = Scale(e.Attr);
  p_.DrawWorldLine(e.X1 / s, e.Y1 / s, e.X2 / s, e.Y2 / s);
}

void ElementRenderer::DrawCircle(const TJwwEntCircle &e) {
  p_.ElementPen(e.Attr.Colour, e.Attr.LineType);
  const double s = Scale(e.Attr);
  p_.DrawEllipse(0, 1.0, e.Radius / s, e.X / s, e.Y / s);
}

// An arc whose start and end coincide (mod 360) is a whole ellipse.
void ElementRenderer::DrawArc(const TJwwEntArc &e) {
  p_.ElementPen(e.Attr.Colour, e.Attr.LineType);
  const double s = Scale(e.Attr);
  const double start = geometry::DegreesIntoTurn(e.StartAngle);
  const double sweep = geometry::DegreesIntoTurn(e.EndAngle - e.StartAngle);
  if (std::fabs(sweep) < 1e-8)
    p_.DrawEllipse(e.Tilt * kDegree, e.Flatness, e.Radius / s, e.X / s,
                   e.Y / s);
  else
    p_.DrawEllipseArc(sweep * kDegree, start * kDegree, e.Tilt * kDegree,
                      e.Flatness, e.Radius / s, e.X / s, e.Y / s);
}

void ElementRenderer::DrawPoint(const TJwwEntPoint &e) {
  const double s = Scale(e.Attr);
  DrawPointMarker(p_, 0, e.Attr.LineWidth, e.Attr.Colour, 1.0, 0.0, e.X / s,
                  e.Y / s);
}

void ElementRenderer::DrawPointEx(const TJwwEntPointEx &e) {
  const double s = Scale(e.Attr);
  DrawPointMarker(p_, e.Code, e.Attr.LineWidth, e.Attr.Colour, e.Value1,
                  e.Value2 * kDegree, e.X / s, e.Y / s);
}

// A text is placed by its base-point code: the corner, middle or end of
// its run along the baseline and its bottom, middle or top across it.
// Vertical text ("cv") runs down the page: its run length and height trade
// places, and its face gets the vertical "@".
void ElementRenderer::DrawText(const TJwwEntText &e) {
  ImageReference image;
  if (ParseImageReference(e.Text, image))
    return; // its placeholder is drawn first
  p_.ElementPen(e.Attr.Colour, 1);
  const double s = Scale(e.Attr);
  const bool vertical = e.TextClass == 1;
  double length = TextWidth(e.Text, e.Width, e.Spacing);
  double height = e.Height;
  if (vertical)
    std::swap(length, height);
  static constexpr double kAlong[9] = {0, -0.5, -1, 0, -0.5, -1, 0, -0.5, -1};
  static constexpr double kAcross[9] = {0, 0, 0, -0.5, -0.5, -0.5, -1, -1, -1};
  const int cc = (e.Cc >= 0 && e.Cc <= 8) ? e.Cc : 0;
  const double ox = kAlong[cc] * length, oy = kAcross[cc] * height;
  const double angle = DirectionAngle(e.DX, e.DY);
  const double qx = e.X / s + RotateX(ox, oy, 0, 0, angle);
  const double qy = e.Y / s + RotateY(ox, oy, 0, 0, angle);
  const std::string font =
      (vertical ? "@" : "") + std::string(e.FontName.View());
  text_.DrawTextElement(0, font, qx, qy, qx + e.DX / s, qy + e.DY / s,
                        vertical ? e.Width : e.Height,
                        vertical ? e.Height : e.Width, e.Spacing, e.Text);
}

void ElementRenderer::DrawDim(const TJwwEntDim &e) {
  DrawLine(e.Line);
  DrawText(e.Text);
}

} // namespace orvik::render
