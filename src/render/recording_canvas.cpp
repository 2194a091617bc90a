#include "orvik/render/recording_canvas.h"

#include <algorithm>

namespace orvik::render {

CanvasCall &RecordingCanvas::Add(CanvasOp op, std::int32_t a, std::int32_t b,
                                 std::int32_t c, std::int32_t d) {
  CanvasCall call;
  call.op = op;
  call.a = a;
  call.b = b;
  call.c = c;
  call.d = d;
  calls_.push_back(std::move(call));
  return calls_.back();
}

void RecordingCanvas::SetPen(Colour32 colour, PenStyle style,
                             std::int32_t width) {
  CanvasCall &call = Add(CanvasOp::SetPen);
  call.colour = colour;
  call.style = static_cast<int>(style);
  call.width = width;
}

void RecordingCanvas::SetPenMode(PenMode mode) {
  Add(CanvasOp::SetPenMode).style = static_cast<int>(mode);
}

void RecordingCanvas::SetBrush(Colour32 colour, BrushStyle style) {
  CanvasCall &call = Add(CanvasOp::SetBrush);
  call.colour = colour;
  call.style = static_cast<int>(style);
}

void RecordingCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  Add(CanvasOp::MoveTo, x, y);
}

void RecordingCanvas::LineTo(std::int32_t x, std::int32_t y) {
  Add(CanvasOp::LineTo, x, y);
}

void RecordingCanvas::SetPixel(std::int32_t x, std::int32_t y,
                               Colour32 colour) {
  Add(CanvasOp::SetPixel, x, y).colour = colour;
}

void RecordingCanvas::Rectangle(std::int32_t x1, std::int32_t y1,
                                std::int32_t x2, std::int32_t y2) {
  Add(CanvasOp::Rectangle, x1, y1, x2, y2);
}

void RecordingCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                              std::int32_t y2) {
  Add(CanvasOp::Ellipse, x1, y1, x2, y2);
}

void RecordingCanvas::Polyline(std::span<const PixelPoint> points) {
  Add(CanvasOp::Polyline).points.assign(points.begin(), points.end());
}

void RecordingCanvas::Polygon(std::span<const PixelPoint> points) {
  Add(CanvasOp::Polygon).points.assign(points.begin(), points.end());
}

void RecordingCanvas::SetFont(const FontSpec &font) {
  Add(CanvasOp::SetFont).font = font;
}

void RecordingCanvas::SetTextColour(Colour32 colour) {
  Add(CanvasOp::SetTextColour).colour = colour;
}

void RecordingCanvas::TextOut(std::int32_t x, std::int32_t y,
                              std::string_view sjis) {
  Add(CanvasOp::TextOut, x, y).text = sjis;
}

std::size_t RecordingCanvas::Count(CanvasOp op) const {
  return static_cast<std::size_t>(
      std::count_if(calls_.begin(), calls_.end(),
                    [op](const CanvasCall &call) { return call.op == op; }));
}

} // namespace orvik::render
