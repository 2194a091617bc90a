#include "drawing_generator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <system_error>

namespace orvik::bench {
namespace {

constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
constexpr double kPi = 3.14159265358979323846;

// Planning grid of Japanese houses (half of the 910 mm module).
constexpr double kGrid = 455.0;
// Each floor plan sheet holds this many elements before the next one
// starts; sheets are tiled so coordinates stay in the tens of thousands.
constexpr std::size_t kElementsPerSheet = 25'000;
constexpr int kSheetColumns = 4;
constexpr int kSheetRows = 4;
constexpr double kSheetWidth = 22 * 910.0;
constexpr double kSheetHeight = 18 * 910.0;

// Denominators of the 16 layer groups: the plans use groups 0 to 3.
constexpr std::array<double, 16> kGroupScales{
    100, 100, 50, 200, 100, 100, 1, 1, 1, 1, 1, 1, 1, 1, 1e6, 1e6};

// Text kinds 1 to 10 as the host's defaults have them.
constexpr std::array<double, 10> kTextWidths{2, 2.5, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::array<double, 10> kTextHeights{2,   2.5, 3, 4, 5,
                                              6.5, 7,   8, 9, 10};
constexpr std::array<double, 10> kTextSpacings{0,   0, 0.5, 0.5, 0.5,
                                               0.5, 1, 1,   1,   1.25};
constexpr std::array<int, 10> kTextColours{1, 1, 2, 2, 2, 2, 2, 2, 2, 2};

constexpr std::array<std::string_view, 2> kFonts{
    "<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>", // <ＭＳ ゴシック>
    "<\x82\x6C\x82\x72 \x96\xBE\x92\xA9>",                 // <ＭＳ 明朝>
};

constexpr std::array<std::string_view, 45> kTexts{
    "\x97\x6D\x8E\xBA",                                 // 洋室
    "\x98\x61\x8E\xBA",                                 // 和室
    "\x91\xE4\x8F\x8A",                                 // 台所
    "\x97\x81\x8E\xBA",                                 // 浴室
    "\x90\xF4\x96\xCA\x8F\x8A",                         // 洗面所
    "\x8C\xBA\x8A\xD6",                                 // 玄関
    "\x83\x7A\x81\x5B\x83\x8B",                         // ホール
    "\x8E\xFB\x94\x5B",                                 // 収納
    "\x89\x9F\x93\xFC",                                 // 押入
    "\x83\x67\x83\x43\x83\x8C",                         // トイレ
    "\x8B\x8F\x8A\xD4\x81\x45\x90\x48\x93\xB0",         // 居間・食堂
    "\x90\x51\x8E\xBA",                                 // 寝室
    "\x8E\x71\x8B\x9F\x8E\xBA",                         // 子供室
    "\x83\x6F\x83\x8B\x83\x52\x83\x6A\x81\x5B",         // バルコニー
    "\x98\x4C\x89\xBA",                                 // 廊下
    "\x8A\x4B\x92\x69",                                 // 階段
    "\x95\xA8\x93\xFC",                                 // 物入
    "\x83\x4E\x83\x8D\x81\x5B\x83\x5B\x83\x62\x83\x67", // クローゼット
    "\x83\x5C\x83\x74\x83\x40",                         // ソファ
    "\x95\x5C\x8E\xA6\x93\x94",                         // 表示灯
    "\x97\x6D\x8E\xBA 6\x92\x9F",                       // 洋室 6帖
    "\x98\x61\x8E\xBA 4.5\x92\x9F",                     // 和室 4.5帖
    "1\x8A\x4B\x95\xBD\x96\xCA\x90\x7D",                // 1階平面図
    "2\x8A\x4B\x95\xBD\x96\xCA\x90\x7D",                // 2階平面図
    "S=1/100",
    "\x89\x84\x8F\xB0\x96\xCA\x90\xCF 98.54\x87\x75", // 延床面積 98.54㎡
    "\xFB\xFC\x8B\xB4\x93\x40 \x90\x56\x92\x7A\x8D\x48\x8E\x96", // 髙橋邸
                                                                 // 新築工事
    "\x8E\x52\xFA\xB1\x93\x40 \x89\xFC\x8F\x43\x8D\x48\x8E\x96", // 山﨑邸
                                                                 // 改修工事
    "\x87\x40",                                                  // ①
    "\x87\x41",                                                  // ②
    "\x87\x42",                                                  // ③
    "\x82\x60",                                                  // Ａ
    "W1 \x82\x65\x82\x68\x82\x77\x91\x8B",    // W1 ＦＩＸ窓
    "\x81\x40\x90\x81\x94\xB2",               // 　吹抜
    "\x89\xBA\x91\xAB\x93\xFC\x82\xEA H=900", // 下足入れ H=900
    "\x97\xE2\x91\xA0\x8C\xC9",               // 冷蔵庫
    "UB 1616",
    "\x82\x6F\x82\x72", // ＰＳ
    "EV",
    "\x97\xC0 200\x81\x7E"
    "450",                           // 梁 200×450
    "\x8A\xEE\x91\x62 \xCD\xDE\xC0", // 基礎 ﾍﾞﾀ
    "\x92\xCA\x82\xE8\x90\x63 X1",   // 通り芯 X1
    "\x92\xCA\x82\xE8\x90\x63 Y2",   // 通り芯 Y2
    "\x91\x8BW1800",                 // 窓W1800
    "\x83\x4C\x83\x62\x83\x60\x83\x93"
    "2550", // キッチン2550
};

constexpr std::array<std::string_view, 6> kBlockNames{
    "\x91\x8BW1800",                    // 窓W1800
    "\x95\xD0\x8A\x4A\x82\xAB\x8C\xCB", // 片開き戸
    "\x95\xD6\x8A\xED",                 // 便器
    "\x90\xF4\x96\xCA\x91\xE4",         // 洗面台
    "\x97\x81\x91\x85",                 // 浴槽
    "\x83\x4C\x83\x62\x83\x60\x83\x93"
    "2550", // キッチン2550
};

// Keys of the text records other than "ch" and "cv".
constexpr std::array<std::string_view, 8> kOtherTextKeys{
    "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"};

constexpr std::array<std::int64_t, 8> kSolidRgbs{
    0xC0C0C0, 0x808080, 0xC0E0FF, 0xFFFFC0, 0x80FF80, 0x4080FF, 0xE0E0E0, 0};

// Offsets of wall faces and fittings from the grid lines.
constexpr std::array<double, 9> kWallOffsets{0,  52.5, -52.5, 60,  -60,
                                             75, -75,  105,   -105};

// SplitMix64: its sequence is fixed by its definition, unlike the standard
// distributions, so a seed gives the same drawing with any library.
class Random {
public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, n) for n > 0.
  std::int64_t Below(std::int64_t n) {
    return static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(n));
  }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + Below(high - low + 1);
  }
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  bool Chance(double p) { return Unit() < p; }
  template <class T, std::size_t N> const T &Pick(const std::array<T, N> &a) {
    return a[static_cast<std::size_t>(Below(N))];
  }

private:
  std::uint64_t state_;
};

enum class Kind {
  Line,
  Circle,
  Arc,
  Point,
  PointEx,
  Text,
  Dim,
  Block,
  Solid2,
  Solid3,
  Solid4,
  SolidSc,
  SolidSe,
  SolidSo,
  SolidSg,
};

struct KindWeight {
  Kind kind;
  int weight; // per mille of the elements
};

constexpr std::array<KindWeight, 15> kKindWeights{{
    {Kind::Line, 700},
    {Kind::Circle, 25},
    {Kind::Arc, 40},
    {Kind::Point, 20},
    {Kind::PointEx, 10},
    {Kind::Text, 90},
    {Kind::Dim, 45},
    {Kind::Block, 10},
    {Kind::Solid2, 5},
    {Kind::Solid3, 15},
    {Kind::Solid4, 20},
    {Kind::SolidSc, 5},
    {Kind::SolidSe, 5},
    {Kind::SolidSo, 5},
    {Kind::SolidSg, 5},
}};

// Drawing roles; each has its own layer and its own colour and line type,
// which drift now and then as a drafter's would.
enum Role {
  kGridRole,
  kWallRole,
  kFittingRole,
  kFurnitureRole,
  kTextRole,
  kDimRole,
  kHatchRole,
  kPointRole,
  kRoleCount,
};

struct Style {
  int layer;
  int colour;
  int line_type;
};

constexpr std::array<Style, kRoleCount> kBaseStyles{{
    {0, 1, 5}, // grid: dash-dot
    {1, 2, 1},
    {2, 3, 1},
    {3, 5, 1},
    {4, 2, 1},
    {5, 6, 1},
    {6, 7, 1},
    {7, 1, 1},
}};

class Generator {
public:
  Generator(const DrawingOptions &options, const DrawingSink &sink)
      : rng_(options.seed), sink_(sink), total_(options.elements),
        styles_(kBaseStyles) {
    out_.reserve(kPieceBytes + 4096);
  }

  void Run() {
    Head();
    while (written_ < total_) {
      Step();
      if (out_.size() >= kPieceBytes) {
        sink_(out_);
        out_.clear();
      }
    }
    if (!out_.empty())
      sink_(out_);
  }

private:
  // ---- output ----

  void Put(std::string_view s) { out_.append(s); }
  void Blank() { out_.push_back(' '); }
  void End() { out_.append("\r\n"); }

  // The host's number format: 15 significant digits, no trailing zeros.
  // Adding 0.0 turns a negative zero into 0, which the host never writes.
  void Real(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v + 0.0,
                                 std::chars_format::general, 15);
    out_.append(buf, static_cast<std::size_t>(r.ptr - buf));
  }
  // The short general format the host uses for scales ("1e+06").
  void ShortReal(double v) {
    char buf[32];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    out_.append(buf, static_cast<std::size_t>(r.ptr - buf));
  }
  void Int(std::int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out_.append(buf, static_cast<std::size_t>(r.ptr - buf));
  }
  void Reals(std::initializer_list<double> values) {
    for (double v : values) {
      Blank();
      Real(v);
    }
  }

  // ---- head ----

  void Head() {
    Put("hq\r\nhk 0\r\nhs");
    for (double s : kGroupScales) {
      Blank();
      ShortReal(s);
    }
    End();
    HeadRow("hcw", kTextWidths);
    HeadRow("hch", kTextHeights);
    HeadRow("hcd", kTextSpacings);
    Put("hcc");
    for (int c : kTextColours) {
      char buf[8];
      const auto r = std::to_chars(buf, buf + sizeof buf, c);
      out_.append(7 - static_cast<std::size_t>(r.ptr - buf), ' ');
      out_.append(buf, static_cast<std::size_t>(r.ptr - buf));
    }
    End();
    Put("hn");
    Reals(
        {-1820, -910, kSheetColumns * kSheetWidth, kSheetRows * kSheetHeight});
    End();
    Put("hp1-  ");
    Real(3640);
    Blank();
    Real(2730);
    End();
    Put("hp2   ");
    Real(12740);
    Blank();
    Real(2730);
    End();
    Put("lg0\r\nly0\r\nlc1\r\nlt1\r\ncn1\r\ncn\"$");
    Put(kFonts[0]);
    Put("\r\n#\r\n");
  }

  void HeadRow(std::string_view key, const std::array<double, 10> &values) {
    Put(key);
    for (double v : values) {
      Blank();
      Real(v);
    }
    End();
  }

  // ---- attribute records, written only when they change ----

  void UseLayer(int layer) {
    const int group = SheetGroup();
    if (group != group_) {
      Put("lg");
      out_.push_back("0123456789ABCDEF"[group]);
      End();
      group_ = group;
      layer_ = -1;
    }
    if (layer != layer_) {
      Put("ly");
      out_.push_back("0123456789ABCDEF"[layer]);
      End();
      layer_ = layer;
    }
  }

  void UseColour(int colour) {
    if (colour == colour_)
      return;
    Put("lc");
    Int(colour);
    End();
    colour_ = colour;
  }

  void UseSolidColour(std::int64_t rgb) {
    if (colour_ == 10 && rgb == solid_rgb_)
      return;
    Put("lc10 ");
    Int(rgb);
    End();
    colour_ = 10;
    solid_rgb_ = rgb;
  }

  void UseLineType(int line_type) {
    if (line_type == line_type_)
      return;
    Put("lt");
    Int(line_type);
    End();
    line_type_ = line_type;
  }

  void UseTextKind(int kind) {
    if (kind == text_kind_ && (kind != 0 || custom_width_ == written_width_))
      return;
    if (kind != 0) {
      Put("cn");
      Int(kind);
      End();
    } else {
      Put("cn0");
      Reals({custom_width_, custom_width_, 0.5});
      Blank();
      Int(3);
      End();
      written_width_ = custom_width_;
    }
    text_kind_ = kind;
  }

  void UseCc(int cc) {
    if (cc == cc_)
      return;
    Put("cc");
    Int(cc);
    End();
    cc_ = cc;
  }

  void UseFont(std::size_t font) {
    if (font == font_)
      return;
    Put("cn\"$");
    Put(kFonts[font]);
    End();
    font_ = font;
  }

  void UsePointColour(int colour) {
    if (colour == point_colour_)
      return;
    Put("pn");
    Int(colour);
    End();
    point_colour_ = colour;
  }

  // Applies the role's layer, colour and line type, letting them drift.
  void UseStyle(Role role) {
    Style &s = styles_[role];
    if (rng_.Chance(0.004)) {
      s.colour = rng_.Chance(0.9) ? static_cast<int>(rng_.Between(1, 9))
                                  : static_cast<int>(rng_.Between(101, 356));
      const std::int64_t t = rng_.Below(20);
      s.line_type = t < 16   ? static_cast<int>(t % 9 + 1)
                    : t < 18 ? static_cast<int>(rng_.Between(11, 19))
                             : static_cast<int>(rng_.Between(31, 62));
    } else if (rng_.Chance(0.01)) {
      s = kBaseStyles[role];
    }
    UseLayer(s.layer);
    UseColour(s.colour);
    UseLineType(s.line_type);
  }

  void MaybeZFlags() {
    if (!rng_.Chance(0.003))
      return;
    const std::int64_t first = rng_.Between(1, 5);
    Put("z");
    Int(first);
    End();
    if (rng_.Chance(0.3)) {
      Put("z");
      Int(rng_.Between(1, 5));
      End();
    }
  }

  // ---- coordinates ----

  int SheetIndex() const {
    return static_cast<int>((written_ / kElementsPerSheet) %
                            (kSheetColumns * kSheetRows));
  }
  int SheetGroup() const { return SheetIndex() % 4; }
  double OriginX() const {
    return (SheetIndex() % kSheetColumns - 1) * kSheetWidth;
  }
  double OriginY() const {
    return (SheetIndex() / kSheetColumns - 1) * kSheetHeight;
  }

  // A grid line position inside the current sheet.
  double GridX() { return OriginX() + kGrid * rng_.Between(0, 40); }
  double GridY() { return OriginY() + kGrid * rng_.Between(0, 32); }
  double WallX() { return GridX() + rng_.Pick(kWallOffsets); }
  double WallY() { return GridY() + rng_.Pick(kWallOffsets); }
  // A measured position with up to three decimals, sometimes four.
  double FineX() { return OriginX() + Fine(18'200); }
  double FineY() { return OriginY() + Fine(14'560); }
  double Fine(double range) {
    if (rng_.Chance(0.8))
      return static_cast<double>(
                 rng_.Below(static_cast<std::int64_t>(range * 1000))) /
             1000.0;
    return static_cast<double>(
               rng_.Below(static_cast<std::int64_t>(range * 10000))) /
           10000.0;
  }
  double FineLength(double low, double high) {
    return low + static_cast<double>(rng_.Below(
                     static_cast<std::int64_t>((high - low) * 1000))) /
                     1000.0;
  }
  // A direction that makes full-precision coordinates.
  double Angle() { return rng_.Unit() * 2 * kPi; }

  // ---- elements ----

  // Elements come in runs of one kind, as drafters draw them: the kind is
  // drawn anew for one step in five, which keeps the mix of kKindWeights.
  void Step() {
    if (!rng_.Chance(0.8))
      kind_ = PickKind();
    MaybeZFlags();
    switch (kind_) {
    case Kind::Line:
      LineStep();
      return;
    case Kind::Circle:
      Circle();
      break;
    case Kind::Arc:
      Arc();
      break;
    case Kind::Point:
      Point(false);
      break;
    case Kind::PointEx:
      Point(true);
      break;
    case Kind::Text:
      Text();
      break;
    case Kind::Dim:
      Dim();
      break;
    case Kind::Block:
      Block();
      break;
    case Kind::Solid2:
    case Kind::Solid3:
    case Kind::Solid4:
      Solid(kind_);
      break;
    case Kind::SolidSc:
    case Kind::SolidSe:
    case Kind::SolidSo:
    case Kind::SolidSg:
      ArcSolid(kind_);
      break;
    }
    ++written_;
  }

  Kind PickKind() {
    std::int64_t w = rng_.Below(1000);
    for (const KindWeight &k : kKindWeights) {
      if (w < k.weight)
        return k.kind;
      w -= k.weight;
    }
    return Kind::Line;
  }

  void LineRecord(double x1, double y1, double x2, double y2,
                  bool leading_blank) {
    if (leading_blank)
      Blank();
    Real(x1);
    Reals({y1, x2, y2});
    End();
  }

  void LineStep() {
    if (rng_.Chance(0.1))
      line_role_ = static_cast<Role>(rng_.Below(4));
    UseStyle(line_role_);
    if (total_ - written_ >= 3 && rng_.Chance(0.01)) {
      Polyline();
      return;
    }
    switch (line_role_) {
    case kGridRole: {
      if (rng_.Chance(0.5)) {
        const double x = GridX();
        LineRecord(x, OriginY() - 910, x, OriginY() + 15470, true);
      } else {
        const double y = GridY();
        LineRecord(OriginX() - 910, y, OriginX() + 19110, y, true);
      }
      break;
    }
    case kWallRole: {
      const double length =
          kGrid * rng_.Between(1, 12) + rng_.Pick(kWallOffsets);
      if (rng_.Chance(0.5)) {
        const double x = WallX(), y = WallY();
        LineRecord(x, y, x + length, y, true);
      } else {
        const double x = WallX(), y = WallY();
        LineRecord(x, y, x, y + length, true);
      }
      break;
    }
    case kFittingRole: {
      const double x = FineX(), y = FineY();
      const double length = FineLength(30, 2000);
      if (rng_.Chance(0.5))
        LineRecord(x, y, x + length, y, true);
      else
        LineRecord(x, y, x, y - length, true);
      break;
    }
    default: {
      const double x = FineX(), y = FineY();
      const double a = Angle(), length = FineLength(50, 3000);
      LineRecord(x, y, x + length * std::cos(a), y + length * std::sin(a),
                 true);
      break;
    }
    }
    ++written_;
  }

  // A run of connected lines behind "pl", written without leading blanks.
  void Polyline() {
    Put("pl\r\n");
    const std::size_t count = std::min<std::size_t>(
        static_cast<std::size_t>(rng_.Between(3, 8)), total_ - written_);
    double x = FineX(), y = FineY();
    for (std::size_t i = 0; i < count; ++i) {
      const double a = Angle(), length = FineLength(100, 1500);
      const double nx = x + length * std::cos(a), ny = y + length * std::sin(a);
      LineRecord(x, y, nx, ny, false);
      x = nx;
      y = ny;
    }
    written_ += count;
  }

  void Circle() {
    UseStyle(kFurnitureRole);
    Put("ci");
    if (rng_.Chance(0.5))
      Reals(
          {WallX(), WallY(), 25.0 * static_cast<double>(rng_.Between(2, 16))});
    else
      Reals({FineX(), FineY(), FineLength(20, 1200)});
    End();
  }

  void Arc() {
    UseStyle(kFittingRole);
    Put("ci");
    if (rng_.Chance(0.6)) {
      // A door swing: a quarter circle from a jamb.
      constexpr std::array<double, 6> kLeafWidths{600, 700, 780, 800, 850, 900};
      const double start = 90.0 * static_cast<double>(rng_.Below(4));
      Reals(
          {WallX(), WallY(), rng_.Pick(kLeafWidths), start, start + 90, 1, 0});
    } else {
      const double start = rng_.Unit() * 360, sweep = 10 + rng_.Unit() * 300;
      const double flatness = rng_.Chance(0.7) ? 1 : 0.3 + rng_.Unit() * 0.6;
      const double tilt = flatness == 1 ? 0 : rng_.Unit() * 180;
      Reals({FineX(), FineY(), FineLength(100, 3000), start,
             std::fmod(start + sweep, 360.0), flatness, tilt});
    }
    End();
  }

  void Point(bool extended) {
    UseLayer(styles_[kPointRole].layer);
    if (rng_.Chance(0.02))
      point_colour_wanted_ = static_cast<int>(rng_.Between(1, 9));
    UsePointColour(point_colour_wanted_);
    Put("pt");
    Reals({FineX(), FineY()});
    if (extended) {
      constexpr std::array<double, 4> kMarkScales{1, 1, 2, 0.5};
      constexpr std::array<double, 4> kMarkAngles{0, 0, 45, 30};
      Reals({rng_.Pick(kMarkScales), rng_.Pick(kMarkAngles)});
      Blank();
      Int(rng_.Chance(0.9) ? rng_.Between(0, 11) : rng_.Between(-7, -1));
    }
    End();
  }

  // Length in millimetres of `text` drawn with a text kind at the sheet's
  // scale: a two-byte character is one width, a one-byte one half.
  double TextLength(std::string_view text, double width, double spacing) {
    double units = 0;
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++characters) {
      const auto c = static_cast<unsigned char>(text[i]);
      if ((c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
        units += 1;
        ++i;
      } else {
        units += 0.5;
      }
    }
    return (units * width + spacing * (characters - 1)) *
           kGroupScales[static_cast<std::size_t>(SheetGroup())];
  }

  void TextWidth(int kind, double &width, double &spacing) const {
    if (kind == 0) {
      width = custom_width_;
      spacing = 0.5;
    } else {
      width = kTextWidths[static_cast<std::size_t>(kind - 1)];
      spacing = kTextSpacings[static_cast<std::size_t>(kind - 1)];
    }
  }

  void TextRecord(std::string_view key, double x, double y, double dx,
                  double dy, std::string_view text) {
    Put(key);
    Reals({x, y, dx, dy});
    Put(" \"");
    Put(text);
    End();
  }

  void Text() {
    UseLayer(styles_[kTextRole].layer);
    if (rng_.Chance(0.08)) {
      const std::int64_t k = rng_.Below(20);
      text_kind_wanted_ = k < 1    ? 0
                          : k < 14 ? static_cast<int>(k % 3 + 3)
                                   : static_cast<int>(k % 10 + 1);
      if (text_kind_wanted_ == 0)
        custom_width_ = 1.5 + 0.5 * static_cast<double>(rng_.Below(8));
    }
    UseTextKind(text_kind_wanted_);
    if (rng_.Chance(0.03))
      cc_wanted_ = rng_.Chance(0.5) ? 0 : static_cast<int>(rng_.Between(1, 8));
    UseCc(cc_wanted_);
    if (rng_.Chance(0.005))
      font_wanted_ = 1 - font_wanted_;
    UseFont(font_wanted_);

    const std::string_view text = rng_.Pick(kTexts);
    double width = 0, spacing = 0;
    TextWidth(text_kind_, width, spacing);
    const double length = TextLength(text, width, spacing);
    const std::int64_t shape = rng_.Below(100);
    std::string_view key = "ch";
    double dx = length, dy = 0;
    if (shape < 6) {
      key = "cv";
      dx = 0;
      dy = -length;
    } else if (shape < 12) {
      key = rng_.Pick(kOtherTextKeys);
    } else if (shape < 18) {
      dx = 0;
      dy = length;
    } else if (shape < 22) {
      const double a = Angle();
      dx = length * std::cos(a);
      dy = length * std::sin(a);
    }
    TextRecord(key, FineX(), FineY(), dx, dy, text);
  }

  // "msg", the dimension line, and its "cs" text with the measured length.
  void Dim() {
    UseStyle(kDimRole);
    UseTextKind(2);
    UseCc(0);
    UseFont(font_wanted_);
    const double length = rng_.Chance(0.8)
                              ? kGrid * static_cast<double>(rng_.Between(1, 16))
                              : FineLength(100, 5000);
    const bool horizontal = rng_.Chance(0.6);
    const double x = GridX(), y = GridY();
    const double x2 = horizontal ? x + length : x;
    const double y2 = horizontal ? y : y + length;
    Put("msg\r\n");
    LineRecord(x, y, x2, y2, true);

    char digits[32];
    const auto r = std::to_chars(digits, digits + sizeof digits, length,
                                 std::chars_format::general, 15);
    const std::string_view text(digits,
                                static_cast<std::size_t>(r.ptr - digits));
    const double text_length =
        TextLength(text, kTextWidths[1], kTextSpacings[1]);
    const double offset =
        2.5 * kGroupScales[static_cast<std::size_t>(SheetGroup())] / 2;
    if (horizontal)
      TextRecord("cs", (x + x2 - text_length) / 2, y + offset, text_length, 0,
                 text);
    else
      TextRecord("cs", x - offset, (y + y2 - text_length) / 2, 0, text_length,
                 text);
  }

  void Block() {
    UseStyle(kFittingRole);
    Put("BL");
    Reals({WallX(), WallY()});
    Put(" \"");
    Put(rng_.Pick(kBlockNames));
    End();
  }

  void SolidColour() {
    UseLayer(styles_[kHatchRole].layer);
    if (rng_.Chance(0.7)) {
      if (rng_.Chance(0.1))
        solid_rgb_wanted_ = rng_.Pick(kSolidRgbs);
      UseSolidColour(solid_rgb_wanted_);
    } else {
      UseColour(styles_[kHatchRole].colour);
    }
  }

  void Solid(Kind kind) {
    SolidColour();
    const double x = FineX(), y = FineY();
    const double w = FineLength(50, 1500), h = FineLength(50, 1500);
    Put("sl");
    if (kind == Kind::Solid2)
      Reals({x, y, x + w, y + h});
    else if (kind == Kind::Solid3)
      Reals({x, y, x + w, y, x + w / 2, y + h});
    else
      Reals({x, y, x + w, y, x + w, y + h, x, y + h});
    End();
  }

  void ArcSolid(Kind kind) {
    SolidColour();
    const double radius = FineLength(100, 1500);
    const double flatness = rng_.Chance(0.8) ? 1 : 0.5;
    const double tilt = rng_.Chance(0.8) ? 0 : Angle();
    const double start = Angle(), sweep = 0.2 + rng_.Unit() * 5;
    switch (kind) {
    case Kind::SolidSc:
    case Kind::SolidSe: {
      constexpr std::array<int, 4> kScCodes{100, 5, 0, -1};
      constexpr std::array<int, 2> kSeCodes{100, 0};
      Put(kind == Kind::SolidSc ? "sc" : "se");
      Reals({FineX(), FineY(), radius, flatness, tilt, start, sweep});
      Blank();
      Int(kind == Kind::SolidSc ? rng_.Pick(kScCodes) : rng_.Pick(kSeCodes));
      break;
    }
    default:
      Put(kind == Kind::SolidSo ? "so" : "sg");
      Reals({FineX(), FineY(), radius, flatness, tilt, start, sweep,
             radius * (0.2 + 0.6 * rng_.Unit())});
      break;
    }
    End();
  }

  Random rng_;
  const DrawingSink &sink_;
  const std::size_t total_;
  std::size_t written_ = 0;
  std::string out_;

  // What the file has said last, as the head leaves it.
  int group_ = 0, layer_ = 0, colour_ = 1, line_type_ = 1, text_kind_ = 1;
  int cc_ = 0, point_colour_ = 1;
  std::int64_t solid_rgb_ = -1;
  std::size_t font_ = 0;

  std::array<Style, kRoleCount> styles_;
  Kind kind_ = Kind::Line;
  Role line_role_ = kWallRole;
  int text_kind_wanted_ = 3, cc_wanted_ = 0, point_colour_wanted_ = 1;
  double custom_width_ = 2.5, written_width_ = 0;
  std::size_t font_wanted_ = 0;
  std::int64_t solid_rgb_wanted_ = 0xC0C0C0;
};

} // namespace

void GenerateDrawing(const DrawingOptions &options, const DrawingSink &sink) {
  Generator(options, sink).Run();
}

std::string GenerateDrawingImage(const DrawingOptions &options) {
  std::string image;
  GenerateDrawing(options,
                  [&image](std::string_view piece) { image.append(piece); });
  return image;
}

bool WriteDrawingFile(const DrawingOptions &options, const std::string &path) {
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    return false;
  bool ok = true;
  GenerateDrawing(options, [&](std::string_view piece) {
    if (ok && std::fwrite(piece.data(), 1, piece.size(), file) != piece.size())
      ok = false;
  });
  ok = std::fclose(file) == 0 && ok;
  if (!ok) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return ok;
}

} // namespace orvik::bench
