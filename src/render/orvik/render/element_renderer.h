#pragma once
// Draws every element of the drawing model onto the canvas in the fixed
// order of its lists: image placeholders, solids, lines, circles, arcs,
// points, then texts and dimensions. Block insertions are not drawn.
//
// Model coordinates are divided by the scale of each element's layer group
// (DrawingModel::ScaleOfGroup), so everything is drawn in paper
// millimetres; angles and flatness are never divided.

#include "orvik/exchange/model.h"
#include "orvik/render/abort_check.h"
#include "orvik/render/element_boxes.h"
#include "orvik/render/primitives.h"
#include "orvik/render/text_renderer.h"
#include "orvik/render/text_substitutions.h"

namespace orvik::render {

// Which elements DrawAll draws. Positions count the elements in the
// drawing order (the lists of every pass one after another, the texts
// twice: once for image placeholders, once as texts).
struct ElementFilter {
  // The positions drawn: [first, last). The abort check is asked only for
  // these.
  std::size_t first = 0;
  std::size_t last = static_cast<std::size_t>(-1);
  // With boxes: only the elements that may light a pixel of `window`
  // (paper millimetres) at the view's scale.
  const ElementBoxes *boxes = nullptr;
  WorldBox window;
};

class ElementRenderer {
public:
  // `abort` may be null: the drawing then always runs to its end. `codes`
  // may be null: no text is then a special code.
  ElementRenderer(Primitives &primitives, const exchange::DrawingModel &model,
                  AbortCheck *abort, const SpecialCodes *codes = nullptr,
                  const ElementFilter &filter = {})
      : p_(primitives), m_(model), abort_(abort), text_(primitives, codes),
        filter_(filter) {}

  // Returns false when the abort check stopped the drawing early. The
  // check is asked after every tenth element of a list (positions 0, 10,
  // 20, ...) and after each list, counting the elements the filter's
  // positions take in, drawn or not.
  bool DrawAll();
  // The first position at which element `index` of `kind` is drawn (a
  // text is drawn twice: its image placeholder early, its characters
  // late).
  static std::size_t PositionOf(const exchange::DrawingModel &model,
                                exchange::EntKind kind, std::size_t index);

  void DrawImagePlaceholder(const exchange::TJwwEntText &e);
  void DrawSolid2(const exchange::TJwwEntSolid2 &e);
  void DrawSolid3(const exchange::TJwwEntSolid3 &e);
  void DrawSolid4(const exchange::TJwwEntSolid4 &e);
  void DrawSolidSc(const exchange::TJwwEntSolidSc &e);
  void DrawSolidSe(const exchange::TJwwEntSolidSe &e);
  void DrawRing(const exchange::TJwwEntSolidRing &e, geometry::RingMode mode);
  void DrawLine(const exchange::TJwwEntLine &e);
  void DrawCircle(const exchange::TJwwEntCircle &e);
  void DrawArc(const exchange::TJwwEntArc &e);
  void DrawPoint(const exchange::TJwwEntPoint &e);
  void DrawPointEx(const exchange::TJwwEntPointEx &e);
  void DrawText(const exchange::TJwwEntText &e);
  void DrawDim(const exchange::TJwwEntDim &e);

private:
  template <class List, class Draw>
  bool Walk(exchange::EntKind kind, const List &list, Draw draw);
  bool Stop() { return abort_ != nullptr && abort_->ShouldStop(); }
  void SolidPenAndBrush(const exchange::TJwwEntAttr &attr, std::int32_t rgb);
  double Scale(const exchange::TJwwEntAttr &attr) const {
    return m_.ScaleOfGroup(attr.Group);
  }

  Primitives &p_;
  const exchange::DrawingModel &m_;
  AbortCheck *abort_;
  TextRenderer text_;
  ElementFilter filter_;
  std::size_t position_ = 0; // of the next element in the drawing order
};

} // namespace orvik::render
