// Writing is stable: a file the writer produced, read and written again,
// gives the same bytes; and reading a written file restores every element
// the writer kept, to 15 significant digits.

#include "exchange_support.h"

#include "orvik/util/real_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace orvik::exchange {
namespace {

using test::CrLf;

// A random but well-formed drawing in the host's layout: a head that sets
// every attribute, then elements with attribute changes between them.
class RandomDrawing {
public:
  explicit RandomDrawing(unsigned seed) : rng_(seed) {}

  std::string Make(int elements) {
    std::string f =
        CrLf({"hq", "hs 100 50 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "lg" + Hex(),
              "ly" + Hex(), "lc" + Pen(), "lt" + Pen(),
              std::string("cn\"$") + test::kGothic, "#"});
    for (int i = 0; i < elements; ++i) {
      // The first element takes the head's attributes, so the file's
      // first layer group is the first one written back.
      if (i > 0)
        f += Changes();
      f += Element(i);
    }
    return f;
  }

private:
  std::string Changes() {
    std::string f;
    if (Chance(3))
      f += "lg" + Hex() + "\r\n";
    if (Chance(3))
      f += "ly" + Hex() + "\r\n";
    if (Chance(3))
      f += "lc" + Pen() + "\r\n";
    if (Chance(2))
      f += "lt" + Pen() + "\r\n";
    if (Chance(1))
      f += "z" + std::to_string(1 + Int(5)) + "\r\n";
    return f;
  }

  bool Chance(int in_ten) { return Int(10) < in_ten; }
  int Int(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::string Hex() { return std::string(1, "0123456789ABCDEF"[Int(16)]); }
  std::string Pen() { return std::to_string(1 + Int(9)); }
  // Coordinates with three decimals, as drawings have them.
  std::string Coord() {
    const double v = std::uniform_real_distribution<double>(-5e4, 5e4)(rng_);
    return FormatReal(std::round(v * 1000) / 1000);
  }
  std::string Coords(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
      s += " " + Coord();
    return s;
  }

  std::string Element(int i) {
    switch (Int(8)) {
    case 0:
      return "ci" + Coords(2) + " " + std::to_string(1 + Int(500)) + "\r\n";
    case 1:
      return "ci" + Coords(2) + " 7.5 10 200 0.5 15\r\n";
    case 2:
      return "cn" + std::to_string(Int(11)) + "\r\nch" + Coords(2) +
             " 10 0 \"\x82\xA0 t" + std::to_string(i) + "\r\n";
    case 3:
      return "pt" + Coords(2) + "\r\n";
    case 4:
      return "lc10 " + std::to_string(Int(16) * 4000) + "\r\nsl" + Coords(4) +
             " 1 2\r\n";
    case 5:
      return "msg\r\n" + Coords(4) + "\r\ncs 0 0 5 0 \"\r\n";
    default:
      return Coords(4) + "\r\n";
    }
  }

  std::mt19937 rng_;
};

TEST(RoundTrip, RewritingAWrittenFileIsStable) {
  RandomDrawing drawings(1206);
  for (int round = 0; round < 30; ++round) {
    const std::string original = drawings.Make(300);
    const std::string once = test::Rewrite(original);
    const std::string twice = test::Rewrite(once);
    ASSERT_TRUE(once == twice) << "round " << round;
  }
}

TEST(RoundTrip, WrittenElementsReadBackEqual) {
  const std::string original = RandomDrawing(77).Make(2000);
  const DrawingModel a = test::Read(original);
  const DrawingModel b = test::Read(test::Rewrite(original));
  ASSERT_EQ(a.EntOrder.Count(), b.EntOrder.Count());
  ASSERT_EQ(a.Lines.Count(), b.Lines.Count());
  for (std::size_t i = 0; i < a.Lines.Count(); ++i) {
    EXPECT_EQ(a.Lines[i].X1, b.Lines[i].X1);
    EXPECT_EQ(a.Lines[i].Y2, b.Lines[i].Y2);
    EXPECT_EQ(a.Lines[i].Attr.Group, b.Lines[i].Attr.Group);
    EXPECT_EQ(a.Lines[i].Attr.Layer, b.Lines[i].Attr.Layer);
    EXPECT_EQ(a.Lines[i].Attr.Colour, b.Lines[i].Attr.Colour);
    EXPECT_EQ(a.Lines[i].Attr.ZFlags, b.Lines[i].Attr.ZFlags);
  }
  for (std::size_t i = 0; i < a.Texts.Count(); ++i) {
    EXPECT_EQ(a.Texts[i].Text, b.Texts[i].Text);
    EXPECT_EQ(a.Texts[i].TextKind, b.Texts[i].TextKind);
  }
  for (std::size_t i = 0; i < a.Solids3.Count(); ++i)
    EXPECT_EQ(a.Solids3[i].Rgb, b.Solids3[i].Rgb);
}

} // namespace
} // namespace orvik::exchange
