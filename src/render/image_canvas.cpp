#include "orvik/render/image_canvas.h"

#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>

namespace orvik::render {
namespace {

QColor ToQColor(Colour32 c) {
  return QColor(static_cast<int>(RedOf(c)), static_cast<int>(GreenOf(c)),
                static_cast<int>(BlueOf(c)));
}

Qt::PenStyle ToQt(PenStyle style) {
  switch (style) {
  case PenStyle::Dash:
    return Qt::DashLine;
  case PenStyle::Dot:
    return Qt::DotLine;
  case PenStyle::DashDot:
    return Qt::DashDotLine;
  case PenStyle::DashDotDot:
    return Qt::DashDotDotLine;
  case PenStyle::Clear:
    return Qt::NoPen;
  case PenStyle::Solid:
    break;
  }
  return Qt::SolidLine;
}

Qt::BrushStyle ToQt(BrushStyle style) {
  switch (style) {
  case BrushStyle::Solid:
    return Qt::SolidPattern;
  case BrushStyle::Horizontal:
    return Qt::HorPattern;
  case BrushStyle::Vertical:
    return Qt::VerPattern;
  case BrushStyle::ForwardDiagonal:
    return Qt::FDiagPattern;
  case BrushStyle::BackwardDiagonal:
    return Qt::BDiagPattern;
  case BrushStyle::Cross:
    return Qt::CrossPattern;
  case BrushStyle::DiagonalCross:
    return Qt::DiagCrossPattern;
  case BrushStyle::Clear:
    break;
  }
  return Qt::NoBrush;
}

// A one-pixel pen (width 0 or 1) is QPainter's cosmetic pen; wider pens
// have round ends and joins, as the host's wide pens do.
QPen MakePen(Colour32 colour, PenStyle style, std::int32_t width) {
  QPen pen(ToQColor(colour));
  pen.setStyle(ToQt(style));
  if (width <= 1) {
    pen.setWidth(0);
  } else {
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  return pen;
}

} // namespace

ImageCanvas::ImageCanvas(QImage &image, bool batched)
    : image_(image), bits_(image.bits()), stride_(image.bytesPerLine()),
      width_(image.width()), height_(image.height()), painter_(&image),
      batched_(batched) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
}

ImageCanvas::~ImageCanvas() { Flush(); }

void ImageCanvas::SetPen(Colour32 colour, PenStyle style, std::int32_t width) {
  const Pen pen{colour, style, width};
  if (pen == pen_)
    return;
  Flush();
  pen_ = pen;
}

void ImageCanvas::SetPenMode(PenMode mode) {
  if (mode == mode_)
    return;
  Flush();
  mode_ = mode;
  painter_.setCompositionMode(mode == PenMode::Xor
                                  ? QPainter::RasterOp_SourceXorDestination
                                  : QPainter::CompositionMode_SourceOver);
}

void ImageCanvas::SetBrush(Colour32 colour, BrushStyle style) {
  brush_ = Brush{colour, style};
}

void ImageCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  position_ = QPoint(x, y);
}

void ImageCanvas::LineTo(std::int32_t x, std::int32_t y) {
  const QLine line(position_, QPoint(x, y));
  position_ = QPoint(x, y);
  if (pen_.style == PenStyle::Clear)
    return;
  // QPainter's batched integer lines overflow on far coordinates that its
  // single lines clip correctly; such lines are drawn alone.
  constexpr int kBatchLimit = 1 << 15;
  const bool near = std::abs(line.x1()) <= kBatchLimit &&
                    std::abs(line.y1()) <= kBatchLimit &&
                    std::abs(line.x2()) <= kBatchLimit &&
                    std::abs(line.y2()) <= kBatchLimit;
  if (!CanBatch() || !near) {
    PrepareShape();
    painter_.drawLine(line);
    return;
  }
  // A solid one-pixel line between neighbouring pixels (or within one)
  // lights exactly its two ends; most chords of small circles are such.
  if (pen_.style == PenStyle::Solid && pen_.width <= 1 &&
      std::abs(line.dx()) <= 1 && std::abs(line.dy()) <= 1) {
    pixels_.push_back(line.p1());
    pixels_.push_back(line.p2());
    return;
  }
  lines_.push_back(line);
}

void ImageCanvas::SetPixel(std::int32_t x, std::int32_t y, Colour32 colour) {
  if (CanBatch() && colour == pen_.colour) {
    pixels_.emplace_back(x, y);
    return;
  }
  // A pixel is written, never combined: XOR mode does not apply.
  Flush();
  WritePixel(x, y, colour);
}

void ImageCanvas::WritePixel(std::int32_t x, std::int32_t y, Colour32 colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return;
  auto *row =
      reinterpret_cast<QRgb *>(bits_ + static_cast<qsizetype>(y) * stride_);
  row[x] =
      qRgb(static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
           static_cast<int>(BlueOf(colour)));
}

QRect ImageCanvas::BoxRect(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                           std::int32_t y2) {
  const std::int32_t left = std::min(x1, x2), right = std::max(x1, x2);
  const std::int32_t top = std::min(y1, y2), bottom = std::max(y1, y2);
  // QPainter's outline covers x .. x + w, the box x1 .. x2 - 1.
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

void ImageCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                            std::int32_t y2) {
  if (x1 == x2 || y1 == y2)
    return;
  PrepareShape();
  painter_.drawRect(BoxRect(x1, y1, x2, y2));
}

void ImageCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                          std::int32_t y2) {
  if (x1 == x2 || y1 == y2)
    return;
  PrepareShape();
  painter_.drawEllipse(BoxRect(x1, y1, x2, y2));
}

void ImageCanvas::Polyline(std::span<const PixelPoint> points) {
  if (points.size() < 2 || pen_.style == PenStyle::Clear)
    return;
  PrepareShape();
  polygon_.clear();
  for (const PixelPoint &p : points)
    polygon_.emplace_back(p.x, p.y);
  painter_.drawPolyline(polygon_.data(), static_cast<int>(polygon_.size()));
}

void ImageCanvas::Polygon(std::span<const PixelPoint> points) {
  if (points.size() < 2)
    return;
  PrepareShape();
  polygon_.clear();
  for (const PixelPoint &p : points)
    polygon_.emplace_back(p.x, p.y);
  painter_.drawPolygon(polygon_.data(), static_cast<int>(polygon_.size()),
                       Qt::OddEvenFill);
}

void ImageCanvas::SetFont(const FontSpec &font) {
  if (font == font_spec_)
    return;
  font_spec_ = font;
  font_ = QFont();
  font_.setPixelSize(std::max(1, std::abs(font.Height)));
  font_.setWeight(static_cast<QFont::Weight>(std::clamp(font.Weight, 1, 1000)));
  font_.setItalic(font.Italic);
  font_.setUnderline(font.Underline);
  font_.setStrikeOut(font.StrikeOut);
  font_.setFamily(decoder_.Decode(font.FaceName));
}

void ImageCanvas::SetTextColour(Colour32 colour) { text_colour_ = colour; }

void ImageCanvas::TextOut(std::int32_t x, std::int32_t y,
                          std::string_view sjis) {
  Flush();
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setFont(font_);
  painter_.setPen(ToQColor(text_colour_));
  painter_.translate(x, y);
  painter_.rotate(-font_spec_.Escapement / 10.0);
  const QFontMetrics metrics(font_);
  painter_.drawText(0, metrics.ascent(), decoder_.Decode(sjis));
  painter_.restore();
}

void ImageCanvas::Flush() {
  if (lines_.empty() && pixels_.empty())
    return;
  if (!lines_.empty()) {
    ApplyPen();
    painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    lines_.clear();
  }
  for (const QPoint &pixel : pixels_)
    WritePixel(pixel.x(), pixel.y(), pen_.colour);
  pixels_.clear();
}

void ImageCanvas::PrepareShape() {
  Flush();
  ApplyPen();
  ApplyBrush();
}

void ImageCanvas::ApplyPen() {
  if (painter_in_sync_ && painter_pen_ == pen_)
    return;
  painter_.setPen(MakePen(pen_.colour, pen_.style, pen_.width));
  painter_pen_ = pen_;
  painter_in_sync_ = true;
}

void ImageCanvas::ApplyBrush() {
  if (brush_in_sync_ && painter_brush_ == brush_)
    return;
  painter_.setBrush(QBrush(ToQColor(brush_.colour), ToQt(brush_.style)));
  painter_brush_ = brush_;
  brush_in_sync_ = true;
}

} // namespace orvik::render
