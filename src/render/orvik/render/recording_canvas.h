#pragma once
// A Canvas that draws nothing and keeps a list of the calls it received,
// for tests that check which primitives the renderer produced.

#include "orvik/render/canvas.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvik::render {

enum class CanvasOp {
  SetPen,
  SetPenMode,
  SetBrush,
  MoveTo,
  LineTo,
  SetPixel,
  Rectangle,
  Ellipse,
  Polyline,
  Polygon,
  SetFont,
  SetTextColour,
  TextOut,
};

// One call. Which fields mean something depends on the operation:
// coordinates in a..d (x1, y1, x2, y2 or x, y), colour, pen or brush style
// in style, pen width in width, point lists in points, texts in text.
struct CanvasCall {
  CanvasOp op = CanvasOp::MoveTo;
  std::int32_t a = 0, b = 0, c = 0, d = 0;
  Colour32 colour = 0;
  int style = 0;
  std::int32_t width = 0;
  std::vector<PixelPoint> points;
  std::string text;
  FontSpec font;
};

class RecordingCanvas final : public Canvas {
public:
  RecordingCanvas(std::int32_t width, std::int32_t height)
      : width_(width), height_(height) {}

  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }

  void SetPen(Colour32 colour, PenStyle style, std::int32_t width) override;
  void SetPenMode(PenMode mode) override;
  void SetBrush(Colour32 colour, BrushStyle style) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, Colour32 colour) override;
  void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                 std::int32_t y2) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2,
               std::int32_t y2) override;
  void Polyline(std::span<const PixelPoint> points) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void SetFont(const FontSpec &font) override;
  void SetTextColour(Colour32 colour) override;
  void TextOut(std::int32_t x, std::int32_t y, std::string_view sjis) override;

  const std::vector<CanvasCall> &Calls() const { return calls_; }
  std::size_t Count(CanvasOp op) const;
  void Clear() { calls_.clear(); }

private:
  CanvasCall &Add(CanvasOp op, std::int32_t a = 0, std::int32_t b = 0,
                  std::int32_t c = 0, std::int32_t d = 0);

  std::int32_t width_, height_;
  std::vector<CanvasCall> calls_;
};

} // namespace orvik::render
