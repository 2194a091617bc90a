#include "orvik/render/image_canvas.h"

#include "orvik/render/font_mapping.h"
#include "orvik/render/thin_line.h"
#include "orvik/util/sjis_text.h"

#include <QFontMetricsF>
#include <QList>
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

ImageCanvas::ImageCanvas(QImage &image, Options options)
    : image_(image), bits_(image.bits()), stride_(image.bytesPerLine()),
      width_(image.width()), height_(image.height()), painter_(&image),
      batched_(options.batched), cache_fonts_(options.cache_fonts),
      stamps_(options.stamps), polygon_stamps_(options.polygon_stamps) {
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
    BatchPixel(line.p1());
    BatchPixel(line.p2());
  } else if (!DrawThinLine(line) && !StampLine(line)) {
    lines_.push_back(line);
  }
  KeepBatchSmall();
}

// Straight into the image: the batch waiting has the pen's colour too, so
// the order in which the two reach the image does not matter.
bool ImageCanvas::DrawThinLine(const QLine &line) {
  if (pen_.style != PenStyle::Solid || pen_.width > 1)
    return false;
  constexpr int m = 2; // the pixels stay within a pixel of the ends' box
  if (std::min(line.x1(), line.x2()) < m ||
      std::min(line.y1(), line.y2()) < m ||
      std::max(line.x1(), line.x2()) >= width_ - m ||
      std::max(line.y1(), line.y2()) >= height_ - m)
    return false; // QPainter clips it
  const QRgb colour = qRgb(static_cast<int>(RedOf(pen_.colour)),
                           static_cast<int>(GreenOf(pen_.colour)),
                           static_cast<int>(BlueOf(pen_.colour)));
  ThinLinePixels(line.x1(), line.y1(), line.x2(), line.y2(),
                 [&](std::int32_t x, std::int32_t y) {
                   reinterpret_cast<QRgb *>(bits_ + static_cast<qsizetype>(y) *
                                                        stride_)[x] = colour;
                 });
  return true;
}

// Every drawing style has its stamps; Clear, the last, draws nothing.
static_assert(static_cast<int>(PenStyle::Clear) == LineStamps::kStyles);

bool ImageCanvas::StampLine(const QLine &line) {
  const int style = static_cast<int>(pen_.style);
  if (stamps_ == nullptr ||
      !LineStamps::Covers(style, pen_.width, line.dx(), line.dy()))
    return false;
  constexpr int m = LineStamps::kMargin + 1;
  const int left = std::min(line.x1(), line.x2()) - m;
  const int right = std::max(line.x1(), line.x2()) + m;
  const int top = std::min(line.y1(), line.y2()) - m;
  const int bottom = std::max(line.y1(), line.y2()) + m;
  if (left < 0 || top < 0 || right >= width_ || bottom >= height_)
    return false; // QPainter clips it
  ApplyPen();
  for (const QPoint &offset :
       stamps_->Of(style, pen_.width, line.dx(), line.dy(), painter_.pen()))
    BatchPixel(line.p1() + offset);
  return true;
}

// Everything in a batch has one colour in copy mode, so drawing it in
// parts gives the same pixels as at once; parts keep the memory of a long
// run in one colour (a million points on one spot) flat.
void ImageCanvas::KeepBatchSmall() {
  constexpr std::size_t kMaxBatch = 4096;
  if (lines_.size() + pixels_.size() >= kMaxBatch)
    Flush();
}

void ImageCanvas::SetPixel(std::int32_t x, std::int32_t y, Colour32 colour) {
  if (CanBatch() && colour == pen_.colour) {
    BatchPixel(QPoint(x, y));
    KeepBatchSmall();
    return;
  }
  // A pixel is written, never combined: XOR mode does not apply.
  Flush();
  WritePixel(x, y, colour);
}

// The calls the chords stand for. A thin solid pen in a batch takes the
// common case, a chord within one pixel step, straight into the batch.
void ImageCanvas::PixelLines(std::span<const PixelPoint> points,
                             Colour32 colour) {
  const bool thin = CanBatch() && pen_.style == PenStyle::Solid &&
                    pen_.width <= 1 && colour == pen_.colour;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const PixelPoint a = points[i - 1], b = points[i];
    if (thin && std::abs(std::int64_t{b.x} - a.x) <= 1 &&
        std::abs(std::int64_t{b.y} - a.y) <= 1) {
      BatchPixel(QPoint(a.x, a.y));
      BatchPixel(QPoint(b.x, b.y));
      KeepBatchSmall();
      continue;
    }
    position_ = QPoint(a.x, a.y);
    ImageCanvas::LineTo(b.x, b.y);
    ImageCanvas::SetPixel(b.x, b.y, colour);
  }
  if (points.size() >= 2)
    position_ = QPoint(points.back().x, points.back().y);
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
  if (StampPolygon(points))
    return;
  PrepareShape();
  polygon_.clear();
  for (const PixelPoint &p : points)
    polygon_.emplace_back(p.x, p.y);
  painter_.drawPolygon(polygon_.data(), static_cast<int>(polygon_.size()),
                       Qt::OddEvenFill);
}

// A polygon filled and outlined in one colour, well inside the image,
// from its stamp; its pixels join the batch in the pen's colour.
bool ImageCanvas::StampPolygon(std::span<const PixelPoint> points) {
  if (polygon_stamps_ == nullptr || !CanBatch() ||
      pen_.style != PenStyle::Solid || pen_.width > 1 ||
      brush_.style != BrushStyle::Solid || brush_.colour != pen_.colour)
    return false;
  constexpr int m = PolygonStamps::kMargin + 1;
  for (const PixelPoint &p : points)
    if (p.x < m || p.y < m || p.x >= width_ - m || p.y >= height_ - m)
      return false; // QPainter clips it
  const std::vector<QPoint> *stamp = polygon_stamps_->Of(points);
  if (stamp == nullptr)
    return false;
  const QPoint first(points.front().x, points.front().y);
  for (const QPoint &offset : *stamp)
    BatchPixel(first + offset);
  KeepBatchSmall();
  return true;
}

bool ImageCanvas::FontLess::operator()(const FontSpec &a,
                                       const FontSpec &b) const {
  return std::tie(a.Height, a.Width, a.Escapement, a.Weight, a.Italic,
                  a.Underline, a.StrikeOut, a.CharSet, a.FaceName) <
         std::tie(b.Height, b.Width, b.Escapement, b.Weight, b.Italic,
                  b.Underline, b.StrikeOut, b.CharSet, b.FaceName);
}

// The cell height is the pixel size (the IPA faces' ascent and descent
// add up to one em); the horizontal scale brings the face's average
// character width, that of a half-width character, to the requested width.
ImageCanvas::TextFont &ImageCanvas::FontFor(const FontSpec &described) {
  if (!cache_fonts_)
    fonts_.clear();
  // The escapement is the run's rotation, which the drawing applies; one
  // face serves every angle.
  FontSpec wanted = described;
  wanted.Escapement = 0;
  auto found = fonts_.find(wanted);
  if (found != fonts_.end())
    return *found->second;
  auto text = std::make_unique<TextFont>();
  const MappedFace face = MapFace(DecodeSjis(wanted.FaceName));
  auto make = [&](Face &f, int pixel_size) {
    f.font = QFont(face.family);
    f.font.setPixelSize(std::max(1, pixel_size));
    f.font.setWeight(wanted.Weight >= 600 ? QFont::Bold : QFont::Normal);
    f.font.setItalic(wanted.Italic);
    f.font.setUnderline(wanted.Underline);
    f.font.setStrikeOut(wanted.StrikeOut);
    f.font.setStyleStrategy(QFont::NoAntialias);
    f.raw = QRawFont::fromFont(f.font);
    f.ascent = QFontMetricsF(f.font).ascent();
  };
  const int height = std::abs(wanted.Height);
  make(text->normal, height);
  const double average = QFontMetricsF(text->normal.font).averageCharWidth();
  if (wanted.Width > 0 && average > 0)
    text->normal.scale_x = wanted.Width / average;
  text->vertical = face.vertical;
  if (face.vertical) {
    // Upright, a full-width character's em runs along the line (its
    // advance, twice the half width) and its width across it (the cell
    // height).
    make(text->upright, wanted.Width > 0 ? 2 * wanted.Width : height);
    const double full =
        QFontMetricsF(text->upright.font).horizontalAdvance(QChar(0x3042));
    text->upright.scale_x = full > 0 ? height / full : 1;
  }
  return *fonts_.emplace(wanted, std::move(text)).first->second;
}

void ImageCanvas::SetFont(const FontSpec &font) {
  if (cache_fonts_ && font_ != nullptr && font == font_spec_)
    return;
  font_spec_ = font;
  font_ = &FontFor(font);
}

void ImageCanvas::SetTextColour(Colour32 colour) { text_colour_ = colour; }

// Draws one glyph with its cell's top-left corner at the origin of `t`.
void ImageCanvas::DrawGlyph(Face &face, const QTransform &t,
                            const QString &character) {
  auto found = face.glyphs.find(character);
  if (found == face.glyphs.end()) {
    QGlyphRun run;
    const QList<quint32> indexes = face.raw.glyphIndexesForString(character);
    if (face.raw.isValid() && indexes.size() == 1 && indexes[0] != 0) {
      run.setRawFont(face.raw);
      run.setGlyphIndexes(indexes);
      run.setPositions({QPointF(0, face.ascent)});
    }
    found = face.glyphs.emplace(character, run).first;
  }
  QTransform scaled = t;
  scaled.scale(face.scale_x, 1);
  painter_.setTransform(scaled);
  if (found->second.isEmpty()) {
    painter_.setFont(face.font);
    painter_.drawText(QPointF(0, face.ascent), character);
    return;
  }
  const bool quarter_turn = (scaled.m12() == 0 && scaled.m21() == 0) ||
                            (scaled.m11() == 0 && scaled.m22() == 0);
  if (quarter_turn)
    painter_.drawGlyphRun(QPointF(0, 0), found->second);
  else
    painter_.fillPath(Outline(face, found->second, character),
                      ToQColor(text_colour_));
  if (face.font.underline() || face.font.strikeOut()) {
    const QFontMetricsF metrics(face.font);
    const double advance = metrics.horizontalAdvance(character);
    const double line = std::max(1.0, metrics.lineWidth());
    if (face.font.underline())
      painter_.fillRect(
          QRectF(0, face.ascent + metrics.underlinePos(), advance, line),
          ToQColor(text_colour_));
    if (face.font.strikeOut())
      painter_.fillRect(
          QRectF(0, face.ascent - metrics.strikeOutPos(), advance, line),
          ToQColor(text_colour_));
  }
}

const QPainterPath &ImageCanvas::Outline(Face &face, const QGlyphRun &run,
                                         const QString &character) {
  auto found = face.outlines.find(character);
  if (found != face.outlines.end())
    return found->second;
  QPainterPath path = face.raw.pathForGlyph(run.glyphIndexes()[0]);
  path.translate(0, face.ascent);
  path.setFillRule(Qt::WindingFill);
  return face.outlines.emplace(character, path).first->second;
}

// Draws one character whose cell starts `advance` pixels along the run.
void ImageCanvas::DrawCharacter(const QTransform &run, double advance,
                                const QString &character, bool full_width) {
  QTransform t = run;
  t.translate(advance, 0);
  if (font_->vertical && full_width) {
    // Turned a quarter turn back about the middle of its cell, so that it
    // stands upright while the line runs down the page.
    const double along = 2.0 * font_spec_.Width;
    const double across = std::abs(font_spec_.Height);
    t.translate(along / 2, across / 2);
    t.rotate(-90);
    t.translate(-across / 2, -along / 2);
    DrawGlyph(font_->upright, t, character);
    return;
  }
  DrawGlyph(font_->normal, t, character);
}

void ImageCanvas::TextOut(std::int32_t x, std::int32_t y,
                          std::string_view sjis) {
  if (font_ == nullptr || sjis.empty())
    return;
  Flush();
  if (mode_ == PenMode::Xor)
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setPen(ToQColor(text_colour_));
  painter_in_sync_ = false;
  QTransform run;
  run.translate(x, y);
  run.rotate(-font_spec_.Escapement / 10.0);
  double advance = 0;
  for (std::size_t i = 0, n = 0; i < sjis.size(); i += n) {
    n = CharLengthAt(sjis, i);
    DrawCharacter(run, advance, DecodeSjis(sjis.substr(i, n)), n == 2);
    advance += static_cast<double>(n) * font_spec_.Width;
  }
  painter_.resetTransform();
  if (mode_ == PenMode::Xor)
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
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
