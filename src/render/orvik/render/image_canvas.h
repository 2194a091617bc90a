#pragma once
// The Canvas on a QImage (Format_RGB32, or Format_ARGB32_Premultiplied
// for a layer laid over another picture), painted with QPainter without
// antialiasing, so that pixels follow the Canvas rules exactly.
//
// Speed: pens and brushes reach QPainter only when they change; runs of
// lines and pixels in one colour in copy mode are collected and drawn with
// one drawLines call, and single pixels (also the two of a line between
// neighbouring pixels) are written straight into the image. The pixels are
// the same as drawing each call at once with QPainter (a test compares
// both); `batched` false draws each line at once.

#include "orvik/render/canvas.h"
#include "orvik/render/line_stamps.h"
#include "orvik/render/polygon_stamps.h"
#include "orvik/render/sjis_codec.h"

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QRawFont>
#include <QTransform>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace orvik::render {

class ImageCanvas final : public Canvas {
public:
  struct Options {
    bool batched = true;     // collect lines and pixels (see above)
    bool cache_fonts = true; // keep each font for its next use
    // Short solid lines' pixels, kept from canvas to canvas by whoever
    // paints often (a stamp costs a small picture to make); null: QPainter
    // draws every line. Used by one canvas at a time.
    LineStamps *stamps = nullptr;
    // The same for small polygons filled and outlined in one colour.
    PolygonStamps *polygon_stamps = nullptr;
  };
  // Paints `image`, which must outlive the canvas and be Format_RGB32 or,
  // for a layer, Format_ARGB32_Premultiplied: every pixel drawn is then
  // opaque, every other one keeps what it had (transparent).
  explicit ImageCanvas(QImage &image, Options options);
  explicit ImageCanvas(QImage &image, bool batched = true)
      : ImageCanvas(image, Options{batched, true}) {}
  ~ImageCanvas() override;
  ImageCanvas(const ImageCanvas &) = delete;
  ImageCanvas &operator=(const ImageCanvas &) = delete;

  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }

  void SetPen(Colour32 colour, PenStyle style, std::int32_t width) override;
  void SetPenMode(PenMode mode) override;
  void SetBrush(Colour32 colour, BrushStyle style) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, Colour32 colour) override;
  void PixelLines(std::span<const PixelPoint> points, Colour32 colour) override;
  void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                 std::int32_t y2) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2,
               std::int32_t y2) override;
  void Polyline(std::span<const PixelPoint> points) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void SetFont(const FontSpec &font) override;
  void SetTextColour(Colour32 colour) override;
  void TextOut(std::int32_t x, std::int32_t y, std::string_view sjis) override;
  void Flush() override;

private:
  struct Pen {
    Colour32 colour = 0;
    PenStyle style = PenStyle::Solid;
    std::int32_t width = 0;
    friend bool operator==(const Pen &, const Pen &) = default;
  };
  struct Brush {
    Colour32 colour = 0xFFFFFF;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush &, const Brush &) = default;
  };

  // Before QPainter draws: the held-back batch first, then the state.
  void PrepareShape();
  void ApplyPen();
  void ApplyBrush();
  bool CanBatch() const { return batched_ && mode_ == PenMode::Copy; }
  // Writes one pixel straight into the image; pixels off the image are
  // skipped.
  void WritePixel(std::int32_t x, std::int32_t y, Colour32 colour);
  void KeepBatchSmall();
  // Draws a solid line of width 0 or 1 lying well inside the image as
  // QPainter would; false when QPainter is to draw it.
  bool DrawThinLine(const QLine &line);
  // Batches a line as its stamp when it has one and lies well inside the
  // image; false when QPainter is to draw it.
  bool StampLine(const QLine &line);
  bool StampPolygon(std::span<const PixelPoint> points);
  // Adds a pixel to the batch; one equal to the last added is already
  // there (a curve's chords light many pixels twice).
  void BatchPixel(QPoint pixel) {
    if (pixels_.empty() || pixels_.back() != pixel)
      pixels_.push_back(pixel);
  }
  // Box with exclusive right and bottom edges, as QPainter's QRect.
  static QRect BoxRect(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                       std::int32_t y2);

  QImage &image_;
  uchar *bits_; // the image's pixels, also painted by painter_
  qsizetype stride_;
  std::int32_t width_, height_;
  QPainter painter_;
  const bool batched_;
  const bool cache_fonts_;
  LineStamps *const stamps_;
  PolygonStamps *const polygon_stamps_;

  Pen pen_;
  Brush brush_;
  PenMode mode_ = PenMode::Copy;
  Pen painter_pen_;     // what QPainter has
  Brush painter_brush_; // what QPainter has
  bool painter_in_sync_ = false;
  bool brush_in_sync_ = false;
  QPoint position_;

  // Lines in the pen, and pixels in the pen's colour, not yet drawn.
  std::vector<QLine> lines_;
  std::vector<QPoint> pixels_;

  // A face at one size, ready to draw: the horizontal scale that gives
  // the requested character width, and for vertical faces the upright form
  // of full-width characters.
  //
  // Characters are drawn as glyph runs of a raw font, each made once per
  // font and character: this skips Qt's text layout, which costs more
  // than drawing. Text turned by other than quarter turns fills the glyph's
  // outline instead, because the glyph images that the font engine keeps
  // are per transform, and every angle would render its glyphs anew. A
  // character the face lacks goes through QPainter's text drawing, which
  // finds another font for it.
  struct Face {
    QFont font;
    QRawFont raw;
    double ascent = 0;
    double scale_x = 1;
    std::map<QString, QGlyphRun> glyphs; // an empty run: not in the face
    // Outlines for turned text, cell-relative.
    std::map<QString, QPainterPath> outlines;
  };
  struct TextFont {
    Face normal;
    bool vertical = false;
    Face upright; // full-width characters of a vertical face
  };
  struct FontLess {
    bool operator()(const FontSpec &a, const FontSpec &b) const;
  };
  TextFont &FontFor(const FontSpec &described);
  void DrawCharacter(const QTransform &run, double advance,
                     const QString &character, bool full_width);
  void DrawGlyph(Face &face, const QTransform &t, const QString &character);
  const QPainterPath &Outline(Face &face, const QGlyphRun &run,
                              const QString &character);

  // Fonts by their full description but the escapement: building one is
  // far slower than drawing a character.
  std::map<FontSpec, std::unique_ptr<TextFont>, FontLess> fonts_;
  FontSpec font_spec_;
  TextFont *font_ = nullptr;
  Colour32 text_colour_ = 0;
  std::vector<QPointF> polygon_;
};

} // namespace orvik::render
