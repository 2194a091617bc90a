#pragma once
// The fixed tables the synthetic drawings draw from: the host's defaults
// written in the head, the Shift-JIS texts and names the elements carry,
// and the mix of element kinds and drawing roles.

#include <array>
#include <cstdint>
#include <string_view>

namespace orvik::bench {

// Denominators of the 16 layer groups: the plans use groups 0 to 3.
inline constexpr std::array<double, 16> kGroupScales{
    100, 100, 50, 200, 100, 100, 1, 1, 1, 1, 1, 1, 1, 1, 1e6, 1e6};

// Text kinds 1 to 10 as the host's defaults have them.
inline constexpr std::array<double, 10> kTextWidths{2, 2.5, 3, 4, 5,
                                                    6, 7,   8, 9, 10};
inline constexpr std::array<double, 10> kTextHeights{2,   2.5, 3, 4, 5,
                                                     6.5, 7,   8, 9, 10};
inline constexpr std::array<double, 10> kTextSpacings{0,   0, 0.5, 0.5, 0.5,
                                                      0.5, 1, 1,   1,   1.25};
inline constexpr std::array<int, 10> kTextColours{1, 1, 2, 2, 2, 2, 2, 2, 2, 2};

inline constexpr std::array<std::string_view, 2> kFonts{
    "<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>", // <ＭＳ ゴシック>
    "<\x82\x6C\x82\x72 \x96\xBE\x92\xA9>",                 // <ＭＳ 明朝>
};

inline constexpr std::array<std::string_view, 45> kTexts{
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

inline constexpr std::array<std::string_view, 6> kBlockNames{
    "\x91\x8BW1800",                    // 窓W1800
    "\x95\xD0\x8A\x4A\x82\xAB\x8C\xCB", // 片開き戸
    "\x95\xD6\x8A\xED",                 // 便器
    "\x90\xF4\x96\xCA\x91\xE4",         // 洗面台
    "\x97\x81\x91\x85",                 // 浴槽
    "\x83\x4C\x83\x62\x83\x60\x83\x93"
    "2550", // キッチン2550
};

// Keys of the text records other than "ch" and "cv".
inline constexpr std::array<std::string_view, 8> kOtherTextKeys{
    "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"};

inline constexpr std::array<std::int64_t, 8> kSolidRgbs{
    0xC0C0C0, 0x808080, 0xC0E0FF, 0xFFFFC0, 0x80FF80, 0x4080FF, 0xE0E0E0, 0};

// Offsets of wall faces and fittings from the grid lines.
inline constexpr std::array<double, 9> kWallOffsets{0,  52.5, -52.5, 60,  -60,
                                                    75, -75,  105,   -105};

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

inline constexpr std::array<KindWeight, 15> kKindWeights{{
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

inline constexpr std::array<Style, kRoleCount> kBaseStyles{{
    {0, 1, 5}, // grid: dash-dot
    {1, 2, 1},
    {2, 3, 1},
    {3, 5, 1},
    {4, 2, 1},
    {5, 6, 1},
    {6, 7, 1},
    {7, 1, 1},
}};

} // namespace orvik::bench
