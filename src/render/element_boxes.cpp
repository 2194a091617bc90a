#include "orvik/render/element_boxes.h"

#include "orvik/geometry/arc_measures.h"
#include "orvik/render/image_reference.h"
#include "orvik/util/sjis_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvik::render {
namespace {

using namespace exchange;

constexpr double kInf = std::numeric_limits<double>::infinity();

// Grows a box point by point; any non-finite number makes it the plane.
class Grower {
public:
  void Add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
      plane_ = true;
      return;
    }
    b_.x0 = std::min(b_.x0, x);
    b_.y0 = std::min(b_.y0, y);
    b_.x1 = std::max(b_.x1, x);
    b_.y1 = std::max(b_.y1, y);
  }
  // A disc (a box around a point).
  void Add(double x, double y, double r) {
    if (!std::isfinite(r)) {
      plane_ = true;
      return;
    }
    r = std::fabs(r);
    Add(x - r, y - r);
    Add(x + r, y + r);
  }
  WorldBox Box() const {
    return plane_ ? WorldBox{-kInf, -kInf, kInf, kInf} : b_;
  }

private:
  WorldBox b_{kInf, kInf, -kInf, -kInf};
  bool plane_ = false;
};

// The whole ellipse (an arc lies within it), and for a tangent zone the
// point where its end tangents meet.
void AddOutline(Grower &g, const TJwwSolidOutline &o, double s,
                bool tangent_zone) {
  const geometry::ArcShape shape = PaperShape(o, s);
  g.Add(shape.cx, shape.cy,
        shape.radius * std::max(1.0, std::fabs(shape.flatness)));
  if (tangent_zone) {
    const geometry::ArcCorners k = geometry::ArcTangentApex(shape);
    if (k.tangents_cross)
      g.Add(k.apex.x, k.apex.y);
  }
}

// Every character, turned any way about the element's point: a disc as
// wide as the text's run, its direction vector, and room for its height,
// the caret codes' raised and overlaid characters and special codes' text.
void AddText(Grower &g, const TJwwEntText &e, double s,
             const SpecialCodes *codes) {
  std::string expanded;
  const std::string_view text =
      codes != nullptr && codes->ExpandSpecialCode(e.Text, expanded)
          ? std::string_view(expanded)
          : std::string_view(e.Text);
  const double cell =
      std::fabs(e.Width) + std::fabs(e.Spacing) + std::fabs(e.Height);
  const double reach = std::hypot(e.DX, e.DY) / s +
                       2 * static_cast<double>(text.size() + 2) * cell;
  g.Add(e.X / s, e.Y / s, reach);
  ImageReference image;
  if (ParseImageReference(e.Text, image)) {
    g.Add(e.X / s, e.Y / s);
    g.Add(e.X / s + image.width, e.Y / s + image.height);
  }
}

// The largest a point marker gets about its point: symbols reach 8 of
// their units, the plain dot its pen's widths.
double MarkerReach(std::int32_t code, std::int32_t line_width, std::int32_t pen,
                   double scale, const attributes::TgraAttribute &pens) {
  if (!(scale > 1e-8))
    scale = 1;
  const double w = line_width != 0 ? line_width * 0.01 : pens.PenWidth(pen);
  const double dot = std::fabs(w) / 2 + std::fabs(pens.PenWidth2(pen));
  const double symbol = code == 0 ? 0 : 8 * scale;
  return std::max({dot, symbol, std::fabs(pens.PenWidth(pen)) * scale});
}

WorldBox BoxOf(const DrawingModel &m, EntKind kind, std::size_t i,
               const attributes::TgraAttribute &pens,
               const SpecialCodes *codes) {
  Grower g;
  const auto scale = [&m](const TJwwEntAttr &a) {
    return m.ScaleOfGroup(a.Group);
  };
  switch (kind) {
  case EntKind::Line: {
    const TJwwEntLine &e = m.Lines[i];
    const double s = scale(e.Attr);
    g.Add(e.X1 / s, e.Y1 / s);
    g.Add(e.X2 / s, e.Y2 / s);
    break;
  }
  case EntKind::Circle: {
    const TJwwEntCircle &e = m.Circles[i];
    const double s = scale(e.Attr);
    g.Add(e.X / s, e.Y / s, e.Radius / s);
    break;
  }
  case EntKind::Arc: {
    const TJwwEntArc &e = m.Arcs[i];
    const double s = scale(e.Attr);
    g.Add(e.X / s, e.Y / s,
          e.Radius / s * std::max(1.0, std::fabs(e.Flatness)));
    break;
  }
  case EntKind::Text:
    AddText(g, m.Texts[i], scale(m.Texts[i].Attr), codes);
    break;
  case EntKind::Point: {
    const TJwwEntPoint &e = m.Points[i];
    const double s = scale(e.Attr);
    g.Add(e.X / s, e.Y / s,
          MarkerReach(0, e.Attr.LineWidth, e.Attr.Colour, 1, pens));
    break;
  }
  case EntKind::PointEx: {
    const TJwwEntPointEx &e = m.PointsEx[i];
    const double s = scale(e.Attr);
    g.Add(e.X / s, e.Y / s,
          MarkerReach(e.Code, e.Attr.LineWidth, e.Attr.Colour, e.Value1, pens));
    break;
  }
  case EntKind::Dim: {
    const TJwwEntDim &e = m.Dims[i];
    const double s = scale(e.Line.Attr);
    g.Add(e.Line.X1 / s, e.Line.Y1 / s);
    g.Add(e.Line.X2 / s, e.Line.Y2 / s);
    AddText(g, e.Text, scale(e.Text.Attr), codes);
    break;
  }
  case EntKind::Block:
    return {kInf, kInf, -kInf, -kInf}; // never drawn
  case EntKind::Solid2: {
    const TJwwEntSolid2 &e = m.Solids2[i];
    const double s = scale(e.Attr);
    g.Add(e.X1 / s, e.Y1 / s);
    g.Add(e.X2 / s, e.Y2 / s);
    break;
  }
  case EntKind::Solid3: {
    const TJwwEntSolid3 &e = m.Solids3[i];
    const double s = scale(e.Attr);
    g.Add(e.X1 / s, e.Y1 / s);
    g.Add(e.X2 / s, e.Y2 / s);
    g.Add(e.X3 / s, e.Y3 / s);
    break;
  }
  case EntKind::Solid4: {
    const TJwwEntSolid4 &e = m.Solids4[i];
    const double s = scale(e.Attr);
    g.Add(e.X1 / s, e.Y1 / s);
    g.Add(e.X2 / s, e.Y2 / s);
    g.Add(e.X3 / s, e.Y3 / s);
    g.Add(e.X4 / s, e.Y4 / s);
    break;
  }
  case EntKind::SolidSc:
  case EntKind::SolidSe: {
    const TJwwEntSolidArc &e =
        kind == EntKind::SolidSc ? m.SolidsSc[i] : m.SolidsSe[i];
    AddOutline(g, e.Outline, scale(e.Attr), kind == EntKind::SolidSc);
    break;
  }
  case EntKind::SolidSo:
  case EntKind::SolidSg: {
    const TJwwEntSolidRing &e =
        kind == EntKind::SolidSo ? m.SolidsSo[i] : m.SolidsSg[i];
    AddOutline(g, e.Outline, scale(e.Attr), false);
    break;
  }
  }
  return g.Box();
}

constexpr EntKind kKinds[] = {
    EntKind::Line,    EntKind::Circle,  EntKind::Arc,    EntKind::Text,
    EntKind::Point,   EntKind::PointEx, EntKind::Dim,    EntKind::Block,
    EntKind::Solid2,  EntKind::Solid3,  EntKind::Solid4, EntKind::SolidSc,
    EntKind::SolidSe, EntKind::SolidSo, EntKind::SolidSg};

} // namespace

ElementBoxes::FloatBox ElementBoxes::Rounded(const WorldBox &b) {
  const auto down = [](double v) {
    const float f = static_cast<float>(v);
    return static_cast<double>(f) > v
               ? std::nextafter(f, -std::numeric_limits<float>::infinity())
               : f;
  };
  const auto up = [](double v) {
    const float f = static_cast<float>(v);
    return static_cast<double>(f) < v
               ? std::nextafter(f, std::numeric_limits<float>::infinity())
               : f;
  };
  return {down(b.x0), down(b.y0), up(b.x1), up(b.y1)};
}

void ElementBoxes::Sync(const DrawingModel &model,
                        const attributes::TgraAttribute &pens,
                        const SpecialCodes *codes) {
  for (const EntKind kind : kKinds) {
    std::vector<FloatBox> &boxes = boxes_[static_cast<std::size_t>(kind)];
    std::size_t count = 0;
    VisitList(model, kind,
              [&count](const auto &list) { count = list.Count(); });
    if (boxes.size() > count)
      boxes.resize(count);
    boxes.reserve(count);
    for (std::size_t i = boxes.size(); i < count; ++i)
      boxes.push_back(Rounded(BoxOf(model, kind, i, pens, codes)));
  }
}

void ElementBoxes::Clear() {
  for (std::vector<FloatBox> &boxes : boxes_) {
    boxes.clear();
    boxes.shrink_to_fit();
  }
}

WorldBox ElementBoxes::Box(EntKind kind, std::size_t index) const {
  const std::vector<FloatBox> &boxes = boxes_[static_cast<std::size_t>(kind)];
  if (index >= boxes.size())
    return {kInf, kInf, -kInf, -kInf};
  const FloatBox &b = boxes[index];
  return {b.x0, b.y0, b.x1, b.y1};
}

double ElementBoxes::MarginPixels(EntKind kind) {
  switch (kind) {
  case EntKind::Text:
  case EntKind::Dim:
    return 8; // glyphs past their cells, the size guard's wide line
  case EntKind::Point:
  case EntKind::PointEx:
    return 4; // the one-pixel dot's minimum, the outline
  default:
    return 3; // pen widths up to 3, end pixels, fill edges
  }
}

ElementBoxes::Near ElementBoxes::NearWindow(EntKind kind,
                                            const WorldBox &window,
                                            double scale) const {
  const double m = MarginPixels(kind) / scale;
  return Near(boxes_[static_cast<std::size_t>(kind)],
              {window.x0 - m, window.y0 - m, window.x1 + m, window.y1 + m});
}

} // namespace orvik::render
