// Drawing whole models: list order, image placeholders, solids, arcs, the
// abort check, the scene around the elements, and values that must not
// break the picture.

#include "pixel_support.h"

#include "exchange_support.h"
#include "orvik/render/element_renderer.h"
#include "orvik/render/image_canvas.h"
#include "orvik/render/recording_canvas.h"
#include "orvik/render/scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

namespace orvik::render {
namespace {

using test::CrLf;
using test::InkBox;
using test::PixelAt;
using test::Read;
using test::WhiteImage;

// A 100 x 100 mm window at 2 px/mm over (0, 0)..(100, 100).
ViewState View() {
  ViewState v;
  v.ViewWidth = 200;
  v.ViewHeight = 200;
  v.CentreWindow(50, 50, 2);
  return v;
}

QImage Draw(const exchange::DrawingModel &m, const ViewState &v) {
  QImage image = WhiteImage(v.ViewWidth, v.ViewHeight);
  const attributes::TgraAttribute pens;
  ImageCanvas canvas(image);
  Primitives p(canvas, v, pens);
  ElementRenderer(p, m, nullptr).DrawAll();
  canvas.Flush();
  return image;
}

TEST(ElementRenderer, ImageReferenceIsAHatchedSquare) {
  const QImage image = Draw(Read("ch 10 10 1 0 \"^@BMdoor.bmp,20\r\n"), View());
  const test::PixelBox box = InkBox(image);
  // (10, 10)..(30, 30) mm: pixels 20..60 across, 140..180 down.
  EXPECT_EQ(box.min_x, 20);
  EXPECT_EQ(box.max_x, 59);
  EXPECT_EQ(box.min_y, 140);
  EXPECT_EQ(box.max_y, 179);
  // Inside, only the "/" hatch is lit: every lit pixel lies on one family.
  std::set<int> families;
  for (int y = 142; y < 178; ++y)
    for (int x = 22; x < 58; ++x)
      if (!test::IsWhite(image, x, y))
        families.insert((x + y) % 8);
  EXPECT_EQ(families.size(), 1u);
}

// Without a comma the text is written as an ordinary text: glyphs along
// the baseline, no box.
TEST(ElementRenderer, TextWithoutACommaIsNoImage) {
  const QImage image = Draw(Read("ch 10 10 1 0 \"^@BMdoor.bmp\r\n"), View());
  const test::PixelBox box = InkBox(image);
  EXPECT_GT(box.count, 0);
  EXPECT_GE(box.min_y, 180 - 6); // one line of 3 mm (6 px) text
  EXPECT_LE(box.max_y, 182);     // descenders of "p" go a little lower
}

TEST(ElementRenderer, OwnColourSolidIsFilledInItsRgb) {
  const QImage image =
      Draw(Read(CrLf({"lc10 255", "sl 10 10 40 10 40 40 10 40"})), View());
  EXPECT_EQ(PixelAt(image, 50, 130), MakeColour(255, 0, 0));
}

TEST(ElementRenderer, TwoPointSolidIsAOnePixelLine) {
  const QImage image = Draw(Read(CrLf({"lc3", "sl 10 10 40 10"})), View());
  const test::PixelBox box = InkBox(image);
  EXPECT_EQ(box.min_y, box.max_y);
  EXPECT_EQ(PixelAt(image, 50, 180), MakeColour(0, 192, 0));
}

TEST(ElementRenderer, PenWithoutAColourIsInvisible) {
  EXPECT_EQ(InkBox(Draw(Read(CrLf({"lc0", " 10 10 90 90"})), View())).count, 0);
}

// Solids come before lines in the picture, whatever the arrival order.
TEST(ElementRenderer, ListsAreDrawnInTheirFixedOrder) {
  const exchange::DrawingModel m =
      Read(CrLf({" 0 50 100 50", "sl 10 10 90 10 90 90", "ci 50 50 10"}));
  const ViewState v = View();
  RecordingCanvas canvas(200, 200);
  const attributes::TgraAttribute pens;
  Primitives p(canvas, v, pens);
  ElementRenderer(p, m, nullptr).DrawAll();
  std::vector<CanvasOp> shapes;
  for (const CanvasCall &c : canvas.Calls())
    if (c.op == CanvasOp::Polygon || c.op == CanvasOp::LineTo)
      if (shapes.empty() || shapes.back() != c.op)
        shapes.push_back(c.op);
  EXPECT_EQ(shapes,
            (std::vector<CanvasOp>{CanvasOp::Polygon, CanvasOp::LineTo}));
  EXPECT_EQ(canvas.Count(CanvasOp::LineTo), 1u + 72u);
}

TEST(ElementRenderer, ArcWithEqualEndsIsAWholeEllipse) {
  const ViewState v = View();
  const attributes::TgraAttribute pens;
  for (const char *record : {"ci 50 50 10 30 30 1 0", "ci 50 50 10 0 90 1 0"}) {
    RecordingCanvas canvas(200, 200);
    Primitives p(canvas, v, pens);
    ElementRenderer(p, Read(std::string(record) + "\r\n"), nullptr).DrawAll();
    EXPECT_EQ(canvas.Count(CanvasOp::LineTo), 72u) << record;
    const auto first = std::find_if(
        canvas.Calls().begin(), canvas.Calls().end(),
        [](const CanvasCall &c) { return c.op == CanvasOp::MoveTo; });
    ASSERT_NE(first, canvas.Calls().end());
    EXPECT_EQ(first->a, 120); // both start at (60, 50)
  }
}

class StopAfter : public AbortCheck {
public:
  explicit StopAfter(int answers) : left_(answers) {}
  bool ShouldStop() override { return left_-- <= 0; }

private:
  int left_;
};

// Held Esc stops the drawing within ten more elements of the list.
TEST(ElementRenderer, AbortStopsWithinTenElements) {
  std::string file;
  for (int i = 1; i <= 99; ++i) // all inside the window
    file += " 1 " + std::to_string(i) + " 99 " + std::to_string(i) + "\r\n";
  const exchange::DrawingModel m = Read(file);
  const ViewState v = View();
  const attributes::TgraAttribute pens;
  RecordingCanvas canvas(200, 200);
  Primitives p(canvas, v, pens);
  // Asked once after each list before the lines (the texts' placeholders
  // and seven solid lists), then after lines 0, 10 and 20: stop there.
  StopAfter abort(8 + 2);
  EXPECT_FALSE(ElementRenderer(p, m, &abort).DrawAll());
  EXPECT_EQ(canvas.Count(CanvasOp::LineTo), 21u);
}

// A frame in blue, the origin cross in red, and the grid in grey only when
// at most 100 intervals fit across.
TEST(Scene, FrameOriginAndGrid) {
  const exchange::DrawingModel m = Read("");
  const attributes::TgraAttribute pens;
  ViewState v = View();
  v.CentreWindow(0, 0, 2);
  QImage image = WhiteImage(200, 200);
  {
    ImageCanvas canvas(image);
    PaintScene(canvas, m, pens, v, {}, nullptr);
  }
  EXPECT_EQ(PixelAt(image, 0, 0), MakeColour(0, 0, 255));
  EXPECT_EQ(PixelAt(image, 198, 198), MakeColour(0, 0, 255));
  EXPECT_EQ(PixelAt(image, 199, 199), 0xFFFFFFu); // the box ends before
  EXPECT_EQ(PixelAt(image, 100, 100), MakeColour(255, 0, 0));
  EXPECT_EQ(PixelAt(image, 104, 100), MakeColour(255, 0, 0));

  auto grid_lines = [&](double spacing) {
    RecordingCanvas canvas(200, 200);
    GridSettings grid;
    grid.on = true;
    grid.spacing = spacing;
    PaintScene(canvas, m, pens, v, grid, nullptr);
    std::size_t grey = 0;
    bool in_grid = false;
    for (const CanvasCall &c : canvas.Calls()) {
      if (c.op == CanvasOp::SetPen)
        in_grid = c.colour == 0xC0C0C0;
      if (in_grid && c.op == CanvasOp::LineTo)
        ++grey;
    }
    return grey;
  };
  EXPECT_GT(grid_lines(1.0), 150u); // 100 intervals each way
  EXPECT_EQ(grid_lines(0.99), 0u);  // 101
  EXPECT_EQ(grid_lines(-5), 0u);
}

// Coordinates, radii, flatness and scales at their extremes: the picture
// is drawn without failing, and ordinary elements still appear.
TEST(ElementRenderer, ExtremeValuesDoNotBreakThePicture) {
  exchange::DrawingModel m = Read(
      CrLf({"hs 0 1e-320 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "lg1",
            " 1e308 1e308 -1e308 0", "ci 1e308 0 1e308", "ci 0 0 -5 0 90 -1 0",
            "ci 0 0 0 0 90 0 0", "sl 1e308 1e308 -1e308 1e308 0 -1e308",
            "sc 0 0 1e308 0 0 0 1e308 5", "so 0 0 10 1 0 0 6.3 0",
            "pt 1e308 1e308 1e308 1e308 1", "ch 0 0 1 0 \"^@BM,1e308,-1e308",
            "lg0", " 10 10 90 10"}));
  const double inf = std::numeric_limits<double>::infinity();
  exchange::TJwwEntLine &weird =
      m.AppendElement(m.Lines, exchange::EntKind::Line);
  weird.Attr.Colour = 2;
  weird.Attr.LineType = 1;
  weird.X1 = std::nan("");
  weird.X2 = inf;
  weird.Y2 = -inf;
  const QImage image = Draw(m, View());
  EXPECT_EQ(PixelAt(image, 100, 180), MakeColour(0, 192, 192)); // pen 1
}

} // namespace
} // namespace orvik::render
