#pragma once
// Draws text elements: the size guard, the direction, the trailing marks,
// special codes, the inline caret codes, and each character placed on the
// host's grid (a full-width character takes width + spacing along the
// baseline, a half-width one half of it).
//
// Lengths are paper millimetres as the element stores them; angles are
// radians. The canvas pen colour (set by the caller) is the text colour.

#include "orvik/render/canvas.h"
#include "orvik/render/primitives.h"
#include "orvik/render/text_substitutions.h"

#include <string>
#include <string_view>

namespace orvik::render {

// Style bits of a run.
enum TextStyle { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

class TextRenderer {
public:
  // `codes` may be null: no text is then a special code.
  TextRenderer(Primitives &primitives, const SpecialCodes *codes)
      : p_(primitives), codes_(codes) {}

  // One text element from (x1, y1) towards (x2, y2). Texts whose height or
  // width is below 6 or above 1000 pixels, or whose length is below 6
  // pixels, are drawn as a line of pen width 3 instead.
  void DrawTextElement(int style, std::string_view font_name, double x1,
                       double y1, double x2, double y2, double height,
                       double width, double spacing, std::string_view text);

  // One font for the whole run, the characters placed one by one from
  // (x, y) along `angle`. A face name starting "@@" is a vertical face
  // turned half a turn.
  void DrawTextRun(int style, std::string_view font_name, double x, double y,
                   double angle, double height, double width, double spacing,
                   std::string_view text);

  // One character whose reference corner is (x, y); drawn only when a
  // corner of its cell lies inside the view.
  void DrawTextChar(double x, double y, double height, double width,
                    double angle, std::string_view character);

private:
  // A text element after its size guard, direction and trailing marks.
  struct Element {
    int style;
    std::string_view font;
    double x, y, angle, height, width, spacing;
  };
  class CaretScan;
  void DrawCaretText(const Element &e, std::string_view text);

  Primitives &p_;
  const SpecialCodes *codes_;
};

} // namespace orvik::render
