#pragma once
// The drawing surface the renderer talks to: a small GDI-like interface of
// integer pixel operations. One implementation paints a QImage with
// QPainter (the window, PNG output, pixel tests); another records the
// calls (tests that check which primitives were drawn).
//
// Pixel rules every implementation keeps:
//  - a pen of width 0 or 1 is one pixel wide;
//  - LineTo draws from the current position to (x, y) and moves there;
//    whether (x, y) itself is lit is left open, so callers that want it
//    lit (the "pixel line") set it with SetPixel afterwards;
//  - SetPixel writes the colour directly, also in XOR mode;
//  - Rectangle and Ellipse take a box whose right and bottom edges are
//    exclusive: Rectangle(0, 0, 6, 6) covers pixels 0..5 both ways; the
//    outline uses the pen, the inside the brush; with a clear pen the fill
//    covers one pixel less on the right and bottom, as on the host's
//    platform;
//  - Polyline lights every one of its points, the last included;
//    Polygon outlines with the pen and fills with the brush;
//  - in XOR mode the pen's colour is combined bit by bit with the pixels.
// Coordinates may lie far outside the surface (up to +-2^30); the surface
// clips.

#include "orvik/util/colour.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvik::render {

struct PixelPoint {
  std::int32_t x = 0, y = 0;
  friend bool operator==(const PixelPoint &, const PixelPoint &) = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class PenMode { Copy, Xor };
enum class BrushStyle {
  Solid,
  Clear,
  Horizontal,
  Vertical,
  ForwardDiagonal,  // "\" lines
  BackwardDiagonal, // "/" lines
  Cross,
  DiagonalCross,
};

// A font as the host describes one (its LOGFONT): cell height and average
// character width in pixels, escapement in tenths of a degree
// counter-clockwise, weight 100..900, and the face name in Shift-JIS.
struct FontSpec {
  std::int32_t Height = 0;
  std::int32_t Width = 0;
  std::int32_t Escapement = 0;
  std::int32_t Weight = 400;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  std::int32_t CharSet = 128; // Shift-JIS
  std::string FaceName;
  friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

class Canvas {
public:
  virtual ~Canvas() = default;

  virtual std::int32_t Width() const = 0;
  virtual std::int32_t Height() const = 0;

  virtual void SetPen(Colour32 colour, PenStyle style, std::int32_t width) = 0;
  virtual void SetPenMode(PenMode mode) = 0;
  virtual void SetBrush(Colour32 colour, BrushStyle style) = 0;

  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
  virtual void SetPixel(std::int32_t x, std::int32_t y, Colour32 colour) = 0;
  // The pixel lines between neighbouring points, each as MoveTo to the
  // first, LineTo the second and SetPixel of the second in `colour`: the
  // chords of a curve. A surface may do it faster, with the same pixels.
  virtual void PixelLines(std::span<const PixelPoint> points, Colour32 colour) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      MoveTo(points[i - 1].x, points[i - 1].y);
      LineTo(points[i].x, points[i].y);
      SetPixel(points[i].x, points[i].y, colour);
    }
  }
  virtual void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                         std::int32_t y2) = 0;
  virtual void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                       std::int32_t y2) = 0;
  virtual void Polyline(std::span<const PixelPoint> points) = 0;
  virtual void Polygon(std::span<const PixelPoint> points) = 0;

  // Text: the font for the following TextOut calls, the text colour, and
  // one Shift-JIS text with its cell's top-left corner at (x, y) (before
  // the font's escapement turns it about that point).
  virtual void SetFont(const FontSpec &font) = 0;
  virtual void SetTextColour(Colour32 colour) = 0;
  virtual void TextOut(std::int32_t x, std::int32_t y,
                       std::string_view sjis) = 0;

  // Completes any drawing the surface holds back; the pixels are final
  // afterwards.
  virtual void Flush() {}
};

} // namespace orvik::render
