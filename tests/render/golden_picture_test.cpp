// Whole pictures of drawings that gather what is easy to get subtly wrong
// (texts with trailing marks, caret and special codes, vertical, mirrored
// and hanging texts; every line type, marker code and solid shape),
// compared pixel for pixel with pictures checked by eye, element by element,
// against the rules the host draws by. A picture that differs is written
// to the temporary folder for review; once checked it may replace the one
// in tests/render/golden.

#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/session.h"
#include "orvik/render/scene_painter.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>

namespace orvik::render {
namespace {

namespace fs = std::filesystem;

struct Golden {
  const char *drawing; // from the project root
  const char *picture; // in tests/render/golden
  double zoom = 1;     // times the fitted scale, about (x, y) mm
  double x = 0, y = 0;
};

const Golden kGoldens[] = {
    {"examples/JWC_TEMP.TXT", "sample.png"},
    {"tests/render/golden/texts.txt", "texts.png"},
    {"tests/render/golden/texts.txt", "texts-near.png", 3, 115, 110},
    {"tests/render/golden/shapes.txt", "shapes.png"},
    {"tests/render/golden/shapes.txt", "shapes-near.png", 3, 125, 177},
};

// What the special codes read: a file, its time and scale, and a clock that
// stands still.
struct FixedSurroundings {
  DrawingInfo info{"C:\\JWW\\GOLDEN0123.JWW",
                   {2026, 3, 4, 5, 6, 7},
                   "TITLE",
                   "M1",
                   "M2",
                   50,
                   2,
                   {}};
  FixedClock clock{{2019, 5, 1, 13, 14, 15}};
  SpecialCodes codes{info, clock};
};

QImage Paint(const Golden &g) {
  exchange::DrawingModel model;
  exchange::OutputBuffer output;
  EXPECT_TRUE(exchange::LoadExchangeFile(model, output, fs::path(g.drawing)));
  const attributes::TgraAttribute pens;
  const FixedSurroundings around;
  geometry::ViewState view;
  FitView(view, ComputeExtents(model, {}), 640, 480);
  if (g.zoom != 1)
    view.CentreWindow(g.x, g.y, view.ViewScale() * g.zoom);
  ElementBoxes boxes;
  boxes.Sync(model, pens, &around.codes);
  QImage image(640, 480, QImage::Format_RGB32);
  ScenePainter painter;
  painter.PaintAll(image, {model, pens, view, {}, &around.codes, &boxes},
                   nullptr);
  return image;
}

void PrintTo(const Golden &g, std::ostream *os) { *os << g.picture; }

class GoldenPicture : public ::testing::TestWithParam<Golden> {};

// Saves the picture painted where a reviewer can compare it.
std::string Kept(const Golden &g, const QImage &actual) {
  const fs::path out = fs::temp_directory_path() / g.picture;
  actual.save(QString::fromStdString(out.string()), "PNG");
  return out.string();
}

TEST_P(GoldenPicture, MatchesPixelForPixel) {
  const Golden &g = GetParam();
  const QImage actual = Paint(g);
  QImage expected;
  if (!expected.load(QString("tests/render/golden/") + g.picture))
    FAIL() << "no picture " << g.picture << "; painted " << Kept(g, actual);
  expected = expected.convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(actual.size(), expected.size());
  int differ = 0, first_x = -1, first_y = -1;
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (actual.pixel(x, y) != expected.pixel(x, y) && differ++ == 0) {
        first_x = x;
        first_y = y;
      }
  EXPECT_EQ(differ, 0) << g.picture << ": the first at (" << first_x << ", "
                       << first_y << "); painted " << Kept(g, actual);
}

INSTANTIATE_TEST_SUITE_P(Drawings, GoldenPicture, ::testing::ValuesIn(kGoldens),
                         [](const auto &info) {
                           std::string name = info.param.picture;
                           name.resize(name.size() - 4);
                           for (char &c : name)
                             if (c == '-')
                               c = '_';
                           return name;
                         });

} // namespace
} // namespace orvik::render
