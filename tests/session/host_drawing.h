#pragma once
// Seeded drawings as the host writes them with every record it knows:
// widths, z attributes, base points, custom text kinds, fonts, points with
// their colour, curves of several colours, curve solids, blocks and
// dimension objects, with numbers in the host's own forms ("1e+06",
// three-digit exponents).

#include "exchange_support.h"

#include <random>
#include <string>

namespace orvik::test {

class HostDrawingMaker {
public:
  explicit HostDrawingMaker(unsigned seed) : rng_(seed) {}

  // A head and `count` items of the kinds above.
  std::string Make(int count) {
    out_ = "hq\r\nhk 0\r\nhs 100 1e+06 50 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n"
           "hn 0 0 0 0\r\nhp1-  100 50\r\nlg1\r\nly0\r\n";
    for (int i = 0; i < count; ++i)
      Item(i % 9);
    return out_;
  }

private:
  int Pick(int lo, int hi) {
    return std::uniform_int_distribution<>(lo, hi)(rng_);
  }
  // Coordinates of up to 15 digits, some in the host's exponent form.
  std::string N() {
    if (Pick(0, 9) == 0)
      return " -3.2783543701953e-00" + std::to_string(Pick(4, 6));
    return " " + std::to_string(Pick(-99999, 99999)) + "." +
           std::to_string(Pick(0, 999));
  }
  std::string P() { return N() + N(); }
  void Put(const std::string &record) { out_ += record + "\r\n"; }
  void Layer() {
    Put("lg" + std::string(1, "0123456789abcdef"[Pick(0, 15)]));
    Put("ly" + std::string(1, "0123456789abcdef"[Pick(0, 15)]));
  }
  void Pen() {
    Put("lc" + std::to_string(Pick(1, 9)));
    Put("lt" + std::to_string(Pick(1, 9)));
    Put("lw" + std::to_string(Pick(0, 100)));
  }
  // One bit, or two that are not "z4" and "z5" together.
  void Z() {
    static const char *const kSets[] = {"z1", "z2",       "z3",      "z4",
                                        "z5", "z1\r\nz3", "z2\r\nz5"};
    if (Pick(0, 2) == 0)
      Put(kSets[Pick(0, 6)]);
  }
  void TextAttributes() {
    Put(Pick(0, 1) ? "cn" + std::to_string(Pick(1, 10))
                   : "cn0 3.5 4 0.5 " + std::to_string(Pick(1, 9)));
    Put("cc" + std::to_string(Pick(0, 8)));
    const std::string fonts[] = {kGothic, kMincho, std::string(kMincho) + "/"};
    Put("cn\"$" + fonts[Pick(0, 2)]);
  }
  void Curve(int pieces) {
    Put("pl");
    for (int k = 0; k < pieces; ++k)
      Put(P() + P());
  }
  void Item(int kind);

  std::mt19937 rng_;
  std::string out_;
};

inline void HostDrawingMaker::Item(int kind) {
  Layer();
  switch (kind) {
  case 0: // lines and circles
    Pen();
    Z();
    Put(P() + P());
    Z();
    Put("ci" + P() + " 12.5" + (Pick(0, 1) ? " 10 200 0.5 30" : ""));
    return;
  case 1: // texts, "cv" among them, with base points
    TextAttributes();
    Z();
    Put(std::string(Pick(0, 1) ? "cv" : "ch") + P() +
        " 0 -35 \"\x8F\x63 text \x87\x40\"");
    return;
  case 2: // points and markers with their colour
    Put("pn" + std::to_string(Pick(1, 9)));
    Put("lw" + std::to_string(Pick(0, 100)));
    Z();
    Put("pt" + P());
    Put("pt" + P() + " 2 45 " + std::to_string(Pick(-7, 11)));
    return;
  case 3: // a curve of two colours
    Pen();
    Curve(Pick(1, 3));
    Put("lc" + std::to_string(Pick(1, 9)));
    Curve(Pick(1, 3));
    if (Pick(0, 1))
      Put("#");
    return;
  case 4: // a curve solid
    Put("#");
    Put("lc10 " + std::to_string(Pick(0, 0xFFFFFF)));
    Put("pl");
    Put("sl 0 0 10 0 10 10");
    Put("sl 20 0 30 0 30 10 20 10");
    Put("sc 0 0 5 1 0 0 3.14159265358979 0");
    Put("#");
    return;
  case 5: // a block insertion
    Put("BL" + P() + " \"\x91\x8B" + std::to_string(Pick(1, 9)));
    Put("#");
    return;
  case 6: // a dimension object
    Pen();
    TextAttributes();
    Z();
    Put("msg");
    Put(" 0 -10 100 -10");
    Put("cs 50 -8 10 0 \"100");
    return;
  case 7: // solids in their own colour and in a pen's
    Put("lw" + std::to_string(Pick(0, 100)));
    Put("lc10 " + std::to_string(Pick(0, 0xFFFFFF)));
    Z();
    Put("sl" + P() + " 1 2");
    Put("se 0 0 5 0.5 0.2 0 2 " + std::string(Pick(0, 1) ? "0" : "100"));
    Put("lc" + std::to_string(Pick(1, 9)));
    Put("so 0 0 5 1 0 0 2 2.5");
    Put("sg 0 0 5 1 0 0 2 2.5");
    return;
  default: // a line in plain after a lone "#"
    Put("#");
    Pen();
    Put(P() + P());
  }
}

} // namespace orvik::test
