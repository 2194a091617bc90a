// Texts on the QImage canvas: glyph pixels in their cells, the faces of
// the host, vertical writing, and the font cache.

#include "pixel_support.h"

#include "exchange_support.h"
#include "orvik/render/font_mapping.h"
#include "orvik/render/image_canvas.h"
#include "orvik/render/scene.h"

#include <gtest/gtest.h>

namespace orvik::render {
namespace {

using test::InkBox;
using test::IsWhite;
using test::WhiteImage;

FontSpec Font(std::string face, int height, int width, int escapement = 0) {
  FontSpec f;
  f.Height = height;
  f.Width = width;
  f.Escapement = escapement;
  f.FaceName = std::move(face);
  return f;
}

int InkIn(const QImage &image, int x1, int y1, int x2, int y2) {
  int ink = 0;
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x)
      ink += !IsWhite(image, x, y);
  return ink;
}

// 漢字 in 40-pixel cells from (20, 20): both cells hold glyph pixels and
// nothing lies outside them.
TEST(TextPixels, JapaneseGlyphsFillTheirCells) {
  QImage image = WhiteImage(140, 80);
  {
    ImageCanvas canvas(image);
    canvas.SetFont(
        Font("<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>", 40, 20));
    canvas.SetTextColour(0);
    canvas.TextOut(20, 20, "\x8A\xBF"); // 漢
    canvas.TextOut(60, 20, "\x8E\x9A"); // 字
  }
  EXPECT_GT(InkIn(image, 20, 20, 60, 60), 100);
  EXPECT_GT(InkIn(image, 60, 20, 100, 60), 100);
  const test::PixelBox box = InkBox(image);
  EXPECT_GE(box.min_x, 20);
  EXPECT_LT(box.max_x, 100);
  EXPECT_GE(box.min_y, 20);
  EXPECT_LT(box.max_y, 60);
}

// The average width sets the glyph width: half the width, half the ink
// across.
TEST(TextPixels, WidthStretchesTheGlyph) {
  auto box_of = [](int width) {
    QImage image = WhiteImage(120, 60);
    {
      ImageCanvas canvas(image);
      canvas.SetFont(Font("<\x82\x6C\x82\x72 \x96\xBE\x92\xA9>", 40, width));
      canvas.SetTextColour(0);
      canvas.TextOut(10, 10, "\x81\xA1"); // ■, a full square
    }
    return InkBox(image);
  };
  const test::PixelBox wide = box_of(20), narrow = box_of(10);
  const int wide_w = wide.max_x - wide.min_x + 1;
  const int narrow_w = narrow.max_x - narrow.min_x + 1;
  EXPECT_NEAR(narrow_w, wide_w / 2.0, 2);
  EXPECT_NEAR(wide.max_y - wide.min_y, narrow.max_y - narrow.min_y, 1);
}

// In a vertical face the bar of 一 stays level while the line runs down;
// in a plain face turned the same way it stands on end.
TEST(TextPixels, VerticalFaceKeepsFullWidthCharactersUpright) {
  auto box_of = [](const std::string &face) {
    QImage image = WhiteImage(100, 100);
    {
      ImageCanvas canvas(image);
      canvas.SetFont(Font(face, 40, 20, 2700)); // running down the page
      canvas.SetTextColour(0);
      canvas.TextOut(70, 20, "\x88\xEA"); // 一
    }
    return InkBox(image);
  };
  const test::PixelBox upright =
      box_of("@<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>");
  const test::PixelBox turned =
      box_of("<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>");
  EXPECT_GT(upright.max_x - upright.min_x, 3 * (upright.max_y - upright.min_y));
  EXPECT_GT(turned.max_y - turned.min_y, 3 * (turned.max_x - turned.min_x));
}

TEST(FontMapping, HostFacesMapOntoIpaFaces) {
  EXPECT_EQ(MapFace(QString::fromUtf8("<ＭＳ ゴシック>")).family, "IPAGothic");
  EXPECT_EQ(MapFace(QString::fromUtf8("ＭＳ　明朝")).family, "IPAMincho");
  EXPECT_EQ(MapFace(QString::fromUtf8("<ＭＳ Ｐゴシック>")).family,
            "IPAPGothic");
  EXPECT_EQ(MapFace(QString::fromUtf8("ＭＳ Ｐ明朝")).family, "IPAPMincho");
  EXPECT_EQ(MapFace("MS Gothic").family, "IPAGothic");
  EXPECT_EQ(MapFace("no such face").family, "IPAGothic");
  const MappedFace vertical = MapFace(QString::fromUtf8("@<ＭＳ 明朝>"));
  EXPECT_TRUE(vertical.vertical);
  EXPECT_EQ(vertical.family, "IPAMincho");
  EXPECT_TRUE(MapFace(QString::fromUtf8("<@ＭＳ 明朝>")).vertical);
  EXPECT_FALSE(MapFace(QString::fromUtf8("<ＭＳ 明朝>")).vertical);
}

// The same picture with every font kept and with a font made for every
// run: texts of every kind, angle and style.
TEST(TextPixels, FontCacheChangesNoPixel) {
  const exchange::DrawingModel m = test::Read(
      test::CrLf({"hcw 2 2.5 3 4 5 6 7 8 9 10", "hch 2 2.5 3 4 5 6 7 8 9 10",
                  "cn4", std::string("cn\"$") + test::kGothic,
                  "ch 5 5 10 0 \"\x8A\xBF\x8E\x9A abc",
                  "ch 5 15 8.66 5 \"\x89\xF1\x93\x5D^!\x91\xBE\x8E\x9A",
                  "cv 60 40 0 -10 \"\x8F\x63\x8F\x91\x82\xAB 12",
                  std::string("cn\"$") + test::kMincho,
                  "ch 5 30 0 10 \"m^u2 H^d2O ^_\x89\xBA\x90\xFC",
                  "ch 30 5 -10 -2 \"\x8B\x74\x8C\xFC\x82\xAB", "cn7",
                  "ch 20 35 10 0 \"\x91\xE5\x82\xAB\x82\xA2\x81\x45\x81\x45"}));
  auto paint = [&](bool cache) {
    QImage image = WhiteImage(500, 400);
    const attributes::TgraAttribute pens;
    geometry::ViewState view;
    FitView(view, ComputeExtents(m, {}), 500, 400);
    ImageCanvas canvas(image, ImageCanvas::Options{true, cache});
    PaintScene(canvas, m, pens, view, {}, nullptr);
    return image;
  };
  const QImage cached = paint(true);
  EXPECT_GT(InkBox(cached).count, 1500);
  EXPECT_TRUE(cached == paint(false));
}

} // namespace
} // namespace orvik::render
