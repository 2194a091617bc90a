#include "orvik/render/element_boxes.h"

#include "orvik/exchange/element_kinds.h"

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

// Each record's box in paper millimetres, one function per record type.
class BoxTracer {
public:
  BoxTracer(const DrawingModel &m, const attributes::TgraAttribute &pens,
            const SpecialCodes *codes)
      : m_(m), pens_(pens), codes_(codes) {}

  template <class T> WorldBox operator()(const T &e) const {
    Grower g;
    Add(g, e);
    return g.Box();
  }

private:
  double S(const TJwwEntAttr &a) const { return m_.ScaleOfGroup(a.Group); }

  void Add(Grower &g, const TJwwEntLine &e) const {
    const double s = S(e.Attr);
    g.Add(e.X1 / s, e.Y1 / s);
    g.Add(e.X2 / s, e.Y2 / s);
  }
  void Add(Grower &g, const TJwwEntCircle &e) const {
    const double s = S(e.Attr);
    g.Add(e.X / s, e.Y / s, e.Radius / s);
  }
  void Add(Grower &g, const TJwwEntArc &e) const {
    const double s = S(e.Attr);
    g.Add(e.X / s, e.Y / s,
          e.Radius / s * std::max(1.0, std::fabs(e.Flatness)));
  }
  void Add(Grower &g, const TJwwEntText &e) const {
    AddText(g, e, S(e.Attr), codes_);
  }
  void Add(Grower &g, const TJwwEntPoint &e) const {
    const double s = S(e.Attr);
    g.Add(e.X / s, e.Y / s,
          MarkerReach(0, e.Attr.LineWidth, e.Attr.Colour, 1, pens_));
  }
  void Add(Grower &g, const TJwwEntPointEx &e) const {
    const double s = S(e.Attr);
    g.Add(
        e.X / s, e.Y / s,
        MarkerReach(e.Code, e.Attr.LineWidth, e.Attr.Colour, e.Value1, pens_));
  }
  void Add(Grower &g, const TJwwEntDim &e) const {
    Add(g, e.Line);
    AddText(g, e.Text, S(e.Text.Attr), codes_);
  }
  void Add(Grower &, const TJwwEntBlk &) const {} // never drawn: no box
  void Add(Grower &g, const TJwwEntSolid2 &e) const {
    const double s = S(e.Attr);
    g.Add(e.X1 / s, e.Y1 / s);
    g.Add(e.X2 / s, e.Y2 / s);
  }
  void Add(Grower &g, const TJwwEntSolid3 &e) const {
    const double s = S(e.Attr);
    g.Add(e.X1 / s, e.Y1 / s);
    g.Add(e.X2 / s, e.Y2 / s);
    g.Add(e.X3 / s, e.Y3 / s);
  }
  void Add(Grower &g, const TJwwEntSolid4 &e) const {
    const double s = S(e.Attr);
    g.Add(e.X1 / s, e.Y1 / s);
    g.Add(e.X2 / s, e.Y2 / s);
    g.Add(e.X3 / s, e.Y3 / s);
    g.Add(e.X4 / s, e.Y4 / s);
  }
  void Add(Grower &g, const TJwwEntSolidSc &e) const {
    AddOutline(g, e.Outline, S(e.Attr), true);
  }
  void Add(Grower &g, const TJwwEntSolidRing &e) const {
    AddOutline(g, e.Outline, S(e.Attr), false);
  }
  void Add(Grower &g, const TJwwEntSolidSe &e) const {
    AddOutline(g, e.Outline, S(e.Attr), false);
  }

  const DrawingModel &m_;
  const attributes::TgraAttribute &pens_;
  const SpecialCodes *codes_;
};

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
  const BoxTracer box(model, pens, codes);
  ForEachList(model, [&](EntKind kind, const auto &list) {
    std::vector<FloatBox> &boxes = boxes_[static_cast<std::size_t>(kind)];
    const std::size_t count = list.Count();
    if (boxes.size() > count)
      boxes.resize(count);
    boxes.reserve(count);
    for (std::size_t i = boxes.size(); i < count; ++i)
      boxes.push_back(Rounded(box(list[i])));
  });
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
