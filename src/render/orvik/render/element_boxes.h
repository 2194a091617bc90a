#pragma once
// The box of every element in paper millimetres, kept beside the model's
// lists, so that a repaint can pass over the elements that cannot touch
// the pixels it repaints: those outside the view when navigating, those
// away from a new stroke when only its neighbourhood is repainted.
//
// A box holds every pixel the renderer can light for its element, at any
// zoom, once widened by the element kind's margin in pixels (pen widths,
// point markers, glyphs that reach past their cells). Boxes are generous
// where the drawing is intricate (texts); an element whose extent cannot
// be told (non-finite numbers) gets the whole plane. Block insertions,
// which are never drawn, get no box at all.

#include "orvik/attributes/pen_table.h"
#include "orvik/exchange/model.h"
#include "orvik/render/text_substitutions.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvik::render {

// A rectangle in paper millimetres; empty when x0 > x1.
struct WorldBox {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

class ElementBoxes {
public:
  // Brings the boxes in line with the model's lists, which only ever grow
  // or shrink at their ends once loaded: boxes are made for new elements
  // and dropped for removed ones. `codes` may be null, as when drawing.
  void Sync(const exchange::DrawingModel &model,
            const attributes::TgraAttribute &pens, const SpecialCodes *codes);
  void Clear();

private:
  // Stored in single precision, rounded outwards.
  struct FloatBox {
    float x0, y0, x1, y1;
  };

public:
  // Which elements of one kind may light a pixel inside a window: the
  // window widened by the kind's margin, taken once for a whole list.
  class Near {
  public:
    // Whether element `index` may; true for elements without a box yet.
    bool Meets(std::size_t index) const {
      if (index >= boxes_.size())
        return true;
      const FloatBox &b = boxes_[index];
      return b.x0 <= x1_ && b.x1 >= x0_ && b.y0 <= y1_ && b.y1 >= y0_;
    }

  private:
    friend class ElementBoxes;
    Near(const std::vector<FloatBox> &boxes, const WorldBox &widened)
        : boxes_(boxes), x0_(widened.x0), y0_(widened.y0), x1_(widened.x1),
          y1_(widened.y1) {}
    const std::vector<FloatBox> &boxes_;
    double x0_, y0_, x1_, y1_;
  };

  // The elements of `kind` that may light a pixel inside `window` at
  // `scale` pixels per millimetre. Valid while the boxes are unchanged.
  Near NearWindow(exchange::EntKind kind, const WorldBox &window,
                  double scale) const;

  // The box of element `index` of `kind`: empty when it has none yet, or
  // is never drawn.
  WorldBox Box(exchange::EntKind kind, std::size_t index) const;

  // How many pixels the drawing of `kind` may reach past its box.
  static double MarginPixels(exchange::EntKind kind);

private:
  static FloatBox Rounded(const WorldBox &b);
  std::array<std::vector<FloatBox>, 16> boxes_; // by kind number
};

} // namespace orvik::render
