// Whole models: the element renderer's list order, image boxes, solids and
// arcs, the abort check; the scene around the elements; extents and the
// fitted view.

#include "pixel_support.h"

#include "exchange_support.h"
#include "orvik/render/element_renderer.h"
#include "orvik/render/image_canvas.h"
#include "orvik/render/recording_canvas.h"
#include "orvik/render/scene.h"

#include <gtest/gtest.h>

namespace orvik::render {
namespace {

using test::CrLf;
using test::InkBox;
using test::PixelAt;
using test::Read;

// 100 x 100 mm at 2 px per mm: (x, y) mm is the pixel (2 x, 200 - 2 y).
ViewState View() { return test::ViewOf(200, 200, 50, 50, 2); }

// The model's elements drawn in View().
void DrawOn(Canvas &canvas, const exchange::DrawingModel &m,
            AbortCheck *abort = nullptr) {
  const ViewState v = View();
  const attributes::TgraAttribute pens;
  Primitives p(canvas, v, pens);
  ElementRenderer(p, m, abort).DrawAll();
  canvas.Flush();
}

QImage Draw(const exchange::DrawingModel &m) {
  QImage image = test::WhiteImage(200, 200);
  ImageCanvas canvas(image);
  DrawOn(canvas, m);
  return image;
}

// The drawing recorded: "P" for a polygon, "L" for a line (LineTo).
std::string Record(const exchange::DrawingModel &m,
                   AbortCheck *abort = nullptr) {
  RecordingCanvas canvas(200, 200);
  DrawOn(canvas, m, abort);
  std::string ops;
  for (const CanvasCall &c : canvas.Calls())
    if (c.op == CanvasOp::Polygon || c.op == CanvasOp::LineTo)
      ops += c.op == CanvasOp::Polygon ? 'P' : 'L';
  return ops;
}

TEST(ElementRenderer, HandWorkedPixels) {
  // An image reference of 20 mm at (10, 10) mm: a box of pixels 20..59
  // across and 140..179 down, hatched "/" inside.
  const QImage image = Draw(Read("ch 10 10 1 0 \"^@BMdoor.bmp,20\r\n"));
  EXPECT_EQ(InkBox(image).Bounds(), (std::array{20, 140, 59, 179}));
  // The "/" hatch lights the pixels where x + y = 7 (mod 8).
  EXPECT_TRUE(!test::IsWhite(image, 30, 145) && !test::IsWhite(image, 31, 144));
  EXPECT_TRUE(test::IsWhite(image, 31, 145) && test::IsWhite(image, 30, 144));
  // Without a comma it is a text: one line of 3 mm (6 px) on y = 10 mm.
  const test::PixelBox text = InkBox(Draw(Read("ch 10 10 1 0 \"^@BMdoor\r\n")));
  EXPECT_TRUE(text.count > 0 && text.min_y >= 174 && text.max_y <= 182)
      << text.min_y << ".." << text.max_y; // the "p" descends a little
  // Pen 10 solids are filled in their own RGB value; two-point solids are
  // one-pixel lines in their pen's colour; a pen without a colour is
  // drawn white on white.
  EXPECT_EQ(
      PixelAt(Draw(Read(CrLf({"lc10 255", "sl 10 10 40 10 40 40 10 40"}))), 50,
              130),
      MakeColour(255, 0, 0));
  const QImage thin = Draw(Read(CrLf({"lc3", "sl 10 10 40 10"})));
  EXPECT_EQ(InkBox(thin).min_y, InkBox(thin).max_y);
  EXPECT_EQ(PixelAt(thin, 50, 180), MakeColour(0, 192, 0));
  EXPECT_EQ(InkBox(Draw(Read(CrLf({"lc0", " 10 10 90 90"})))).count, 0);
}

// Solids before lines whatever the arrival order, then circles; an arc
// whose ends coincide is a whole ellipse of 72 chords. The abort check is
// asked after each list before the lines (the texts' image boxes and
// seven solid lists), then after lines 0, 10 and 20: held there, 21 lines
// are drawn.
TEST(ElementRenderer, ListOrderClosedArcsAndAbort) {
  EXPECT_EQ(Record(Read(
                CrLf({" 0 50 100 50", "sl 10 10 90 10 90 90", "ci 50 50 10"}))),
            "P" + std::string(73, 'L'));
  // A dimension: its line, then its text of kind 1, too small at 2 px per
  // mm to be more than a line.
  EXPECT_EQ(Record(Read(CrLf({"msg", " 0 50 100 50", "cs 50 52 1 0 \"  "}))),
            "LL");
  EXPECT_EQ(Record(Read("ci 50 50 10 30 30 1 0\r\n")), std::string(72, 'L'));
  // A circle's chords start at its angle 0: (60, 50) mm, pixel (120, 100).
  RecordingCanvas circle(200, 200);
  DrawOn(circle, Read("ci 50 50 10\r\n"));
  const auto start = std::find_if(
      circle.Calls().begin(), circle.Calls().end(),
      [](const CanvasCall &c) { return c.op == CanvasOp::MoveTo; });
  ASSERT_NE(start, circle.Calls().end());
  EXPECT_EQ((std::array{start->a, start->b}), (std::array{120, 100}));
  std::string file;
  for (int i = 1; i <= 99; ++i)
    file += " 1 " + std::to_string(i) + " 99 " + std::to_string(i) + "\r\n";
  test::StopAfter stop(8 + 2), never(1000);
  EXPECT_EQ(Record(Read(file), &stop), std::string(21, 'L'));
  EXPECT_EQ(Record(Read(file), &never), std::string(99, 'L'));
}

// "ab" 4 mm long and 6 mm high at (10, 10) mm: base point codes 0..8 put
// (10, 10) at the run's start, middle or end (x 20, 16, 12 px) and at its
// bottom, middle or top; the cell's top is 6 mm above where the run is
// placed (y 168, 174, 180 px). A code outside 0..8 counts as 0.
TEST(ElementRenderer, TextBasePoints) {
  const char *const expected[] = {"20,168", "16,168", "12,168", "20,174",
                                  "16,174", "12,174", "20,180", "16,180",
                                  "12,180", "20,168"};
  for (int cc = 0; cc <= 9; ++cc) {
    RecordingCanvas canvas(200, 200);
    DrawOn(canvas, Read(CrLf({"cn0 4 6 0 1", "cc" + std::to_string(cc),
                              "ch 10 10 4 0 \"ab"})));
    std::string at;
    for (const CanvasCall &c : canvas.Calls())
      if (c.op == CanvasOp::TextOut && at.empty())
        at = std::to_string(c.a) + "," + std::to_string(c.b);
    EXPECT_EQ(at, expected[cc]) << "cc" << cc;
  }
}

// Coordinates, radii, flatness and scales at their extremes: the picture
// is drawn, ordinary elements still appear.
TEST(ElementRenderer, ExtremeValuesDoNotBreakThePicture) {
  const exchange::DrawingModel m = Read(
      CrLf({"hs 0 1e-320 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "lg1",
            " 1e308 1e308 -1e308 0", "ci 1e308 0 1e308", "ci 0 0 -5 0 90 -1 0",
            "ci 0 0 0 0 90 0 0", "sl 1e308 1e308 -1e308 1e308 0 -1e308",
            "sc 0 0 1e308 0 0 0 1e308 5", "so 0 0 10 1 0 0 6.3 0",
            "pt 1e308 1e308 1e308 1e308 1", "ch 0 0 1 0 \"^@BM,1e308,-1e308",
            "lg0", " 10 10 90 10"}));
  EXPECT_EQ(PixelAt(Draw(m), 100, 180), MakeColour(0, 192, 192)); // pen 1
}

// A 200 x 200 view on (-50, -50)..(50, 50) mm: the blue frame 0..198, the
// red origin cross of 5 px each way from (100, 100), and grey grid lines
// only while at most 100 intervals fit across.
TEST(Scene, FrameOriginAndGrid) {
  const exchange::DrawingModel m = Read("");
  const attributes::TgraAttribute pens;
  ViewState v = View();
  v.CentreWindow(0, 0, 2);
  const auto paint = [&](GridSettings grid) {
    QImage image = test::WhiteImage(200, 200);
    ImageCanvas canvas(image);
    EXPECT_TRUE(PaintScene(canvas, m, pens, v, grid, nullptr));
    canvas.Flush();
    return image;
  };
  const QImage image = paint({});
  EXPECT_EQ(PixelAt(image, 0, 0), MakeColour(0, 0, 255));
  EXPECT_EQ(PixelAt(image, 198, 198), MakeColour(0, 0, 255));
  EXPECT_EQ(PixelAt(image, 199, 199), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(image, 100, 100), MakeColour(255, 0, 0));
  EXPECT_EQ(PixelAt(image, 104, 100), MakeColour(255, 0, 0));
  // 100 intervals each way: every other pixel row and column is grey.
  const QImage grid = paint({true, 1.0});
  EXPECT_EQ(PixelAt(grid, 50, 53), 0xC0C0C0u);
  EXPECT_EQ(PixelAt(grid, 53, 50), 0xC0C0C0u);
  EXPECT_TRUE(test::IsWhite(grid, 51, 53));
  // Every 3 mm the lines nearest the corner (-50, -50) are at -48: their
  // first ones, 2 mm inside the view.
  const QImage wide = paint({true, 3.0});
  EXPECT_EQ(PixelAt(wide, 51, 196), 0xC0C0C0u);
  EXPECT_EQ(PixelAt(wide, 4, 51), 0xC0C0C0u);
  for (const double spacing : {0.99, -5.0}) // 101 intervals, none
    EXPECT_TRUE(paint({true, spacing}) == image) << spacing;
}

// The box of every element in paper millimetres: an empty drawing
// (-100, -100)..(100, 100), one element with a margin of 100, bounds
// clamped to 1e8; circles and arcs by their ends and the axis points they
// pass (from 350 to 10 degrees: the ends and the 0 degree point); image
// boxes by their size, a text after one by its point; no scale under
// sheet coordinates, a malformed one as 1; arc-shaped solids from their
// lower angle to their higher, one alone widened about its centre; only
// block insertions keep the previous box. The box starts at the first
// list's element: a line's end, not an arc's centre off the arc.
TEST(Extents, Table) {
  const std::string half = "hs 2 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n";
  const std::pair<std::string, std::array<double, 4>> rows[] = {
      {"", {-100, -100, 100, 100}},
      {"pt 10 20", {-90, -80, 110, 120}},
      {" 5 5 6 6\r\nci 0 0 2 30 60 1 0", {1, 1, 6, 6}},
      {"sl 10 20 30 20", {-90, -80, 110, 120}},
      {"sl 10 20 30 20 20 40", {-90, -80, 110, 120}},
      {"sl 10 20 30 20 30 40 10 40", {-90, -80, 110, 120}},
      {"0 0 5e8 -7e8\r\npt 1 1", {0, -1e8, 1e8, 1}},
      {half + "ci 0 0 10\r\npt 0 0", {-5, -5, 5, 5}},
      {"ci 0 0 10 350 10 1 0\r\npt 0 0",
       {0, -1.7364817766693, 10, 1.7364817766693}},
      {half + "ch 0 0 1 0 \"^@BMa.bmp,20,30\r\npt 0 0", {0, 0, 10, 15}},
      {half + "ch 0 0 1 0 \"^@BMa.bmp,20,30\r\nch 50 50 1 0 \"x",
       {0, 0, 25, 25}},
      {half + "bz\r\n0 0 10 10\r\n0 0 1 1", {0, 0, 10, 10}},
      {"hs 0 x 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n0 0 10 10\r\n0 0 1 1",
       {0, 0, 10, 10}},
      {"sc 2 2 2 1 0 0 1.5707963267949 0\r\npt 2 2", {2, 2, 4, 4}},
      {"sc 2 2 2 1 0 0 0.5 0\r\npt 2 2", {2, 2, 4, 2.95885107720841}},
      {"se 2 2 2 1 0 0 0.5 0", {-98, -98, 102, 102}},
      {"so 2 2 2 1 0 0 0.5 1", {-98, -98, 102, 102}},
      {"sg 2 2 2 1 0 0 0.5 1", {-98, -98, 102, 102}},
      {"so 2 2 2 1 0 1.5707963267949 -1.5707963267949 1\r\npt 2 2",
       {2, 2, 4, 4}},
      {"BL 0 0 a\r\nBL 5 5 b", {1, 2, 3, 4}}};
  for (const auto &[file, box] : rows) {
    const DrawingExtents e = ComputeExtents(Read(file + "\r\n"), {1, 2, 3, 4});
    const double got[] = {e.MinX, e.MinY, e.MaxX, e.MaxY};
    for (int i = 0; i < 4; ++i)
      EXPECT_NEAR(got[i], box[i], 1e-9) << file;
  }
}

// The drawing fills 90 % of the tighter direction, centred; a point-sized
// box is fitted as 1e-10 mm, so the scale stays finite.
TEST(FitView, FillsNinetyPercentOfTheTighterDirection) {
  geometry::ViewState v;
  FitView(v, {0, 0, 100, 50}, 1000, 1000);
  EXPECT_DOUBLE_EQ(v.ViewScale(), 9); // 1000 / 100 * 0.9
  EXPECT_DOUBLE_EQ((v.ViewLeft() + v.ViewRight()) / 2, 50);
  EXPECT_DOUBLE_EQ((v.ViewBottom() + v.ViewTop()) / 2, 25);
  for (const auto &[width, height] : {std::pair{800, 600}, {600, 800}}) {
    FitView(v, {5, 5, 5, 5}, width, height);
    EXPECT_DOUBLE_EQ(v.ViewScale(), 5.4e12); // 600 / 1e-10 mm * 0.9
    EXPECT_NEAR((v.ViewLeft() + v.ViewRight()) / 2, 5, 1e-9);
  }
}

} // namespace
} // namespace orvik::render
