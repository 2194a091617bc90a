#pragma once
// The fixed tables of the realistic drawings: the layer groups and their
// scales, the Shift-JIS texts of floor plans (room names, notes, titles,
// block names, with CP932 extension characters such as ①, ㎡, 髙 and
// 﨑), the drawing roles with their layers and pens, and the mix of drawing
// features.

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::bench {

// Denominators of the 16 layer groups: each plan lies in one of groups 0
// to 7 (1:100 floor plans, 1:50 detail plans, a 1:200 site plan); the
// host's default 1 stays on the others.
inline constexpr std::array<double, 16> kPlanGroupScales{
    100, 100, 50, 100, 200, 50, 100, 100, 1, 1, 1, 1, 1, 1, 1, 1};
inline constexpr int kPlanGroups = 8;

inline constexpr std::array<std::string_view, 38> kRoomNames{
    "\x97\x6D\x8E\xBA",                                 // 洋室
    "\x98\x61\x8E\xBA",                                 // 和室
    "\x97\x81\x8E\xBA",                                 // 浴室
    "\x8E\xFB\x94\x5B",                                 // 収納
    "\x8C\xBA\x8A\xD6",                                 // 玄関
    "\x83\x7A\x81\x5B\x83\x8B",                         // ホール
    "\x98\x4C\x89\xBA",                                 // 廊下
    "\x91\xE4\x8F\x8A",                                 // 台所
    "\x8B\x8F\x8A\xD4",                                 // 居間
    "\x90\x48\x93\xB0",                                 // 食堂
    "\x82\x6B\x82\x63\x82\x6A",                         // ＬＤＫ
    "\x90\x51\x8E\xBA",                                 // 寝室
    "\x8E\xE5\x90\x51\x8E\xBA",                         // 主寝室
    "\x8E\x71\x8B\x9F\x8E\xBA",                         // 子供室
    "\x90\xF4\x96\xCA\x92\x45\x88\xDF\x8E\xBA",         // 洗面脱衣室
    "\x95\xD6\x8F\x8A",                                 // 便所
    "\x94\x5B\x8C\xCB",                                 // 納戸
    "\x89\x9F\x93\xFC",                                 // 押入
    "\x8F\xB0\x82\xCC\x8A\xD4",                         // 床の間
    "\x83\x4E\x83\x8D\x81\x5B\x83\x5B\x83\x62\x83\x67", // クローゼット
    "\x82\x76\x82\x68\x82\x62",                         // ＷＩＣ
    "\x83\x70\x83\x93\x83\x67\x83\x8A\x81\x5B",         // パントリー
    "\x8F\x91\x8D\xD6",                                 // 書斎
    "\x8A\x4B\x92\x69",                                 // 階段
    "\x83\x6F\x83\x8B\x83\x52\x83\x6A\x81\x5B",         // バルコニー
    "\x83\x7C\x81\x5B\x83\x60",                         // ポーチ
    "\x95\xA8\x93\xFC",                                 // 物入
    "\x8E\x96\x96\xB1\x8E\xBA",                         // 事務室
    "\x89\xEF\x8B\x63\x8E\xBA",                         // 会議室
    "\x91\x71\x8C\xC9",                                 // 倉庫
    "\x8B\x40\x8A\x42\x8E\xBA",                         // 機械室
    "\x82\x6F\x82\x72",                                 // ＰＳ
    "\x82\x64\x82\x75\x83\x7A\x81\x5B\x83\x8B",         // ＥＶホール
    "\x8B\x8B\x93\x92\x8E\xBA",                         // 給湯室
    "\x8D\x58\x88\xDF\x8E\xBA",                         // 更衣室
    "\x91\xBD\x96\xDA\x93\x49\x8E\xBA",                 // 多目的室
    "\x93\x58\x95\xDC",                                 // 店舗
    "\x92\x93\x97\xD6\x8F\xEA",                         // 駐輪場
};

// Notes, labels of fixtures and the job's names.
inline constexpr std::array<std::string_view, 37> kPlanNotes{
    "\x81\xA6\x90\xA1\x96\x40\x82\xCD\x90\x63\x81\x58\x90\xA1\x96\x40\x82\xC6"
    "\x82\xB7\x82\xE9",                 // ※寸法は芯々寸法とする
    "\x93\x56\x88\xE4\x8D\x82 CH=2400", // 天井高 CH=2400
    "\x8F\xB0\x81\x46\x83\x74\x83\x8D\x81\x5B\x83\x8A\x83\x93\x83\x4F \x82\x94"
    "12", // 床：フローリング ｔ12
    "\x95\xC7\x81\x46\x82\x6F\x82\x61 \x82\x94"
    "12.5 \x82\x60\x82\x64\x82\x6F", // 壁：ＰＢ ｔ12.5 ＡＥＰ
    "\x96\x68\x90\x85\x83\x70\x83\x93 800\x81\x7E"
    "800", // 防水パン 800×800
    "\x8A\xB7\x8B\x43\x90\xEE \x83\xD3"
    "100", // 換気扇 φ100
    "\x82\x65\x82\x6B\x81\x7D"
    "0", // ＦＬ±0
    "\x82\x66\x82\x6B\x81\x7B"
    "450", // ＧＬ＋450
    "\x8E\xE8\x90\xA0 \x82\x67\x81\x81"
    "800",                                              // 手摺 Ｈ＝800
    "\x89\xBA\x82\xAA\x82\xE8\x93\x56\x88\xE4 CH=2200", // 下がり天井 CH=2200
    "\x93\x5F\x8C\x9F\x8C\xFB 450\x81\xA0",             // 点検口 450□
    "\x8A\xF9\x91\xB6\x95\xC7\x93\x50\x8B\x8E",         // 既存壁撤去
    "\x97\xE2\x91\xA0\x8C\xC9",                         // 冷蔵庫
    "\x90\xF4\x91\xF3\x8B\x40",                         // 洗濯機
    "\x82\x74\x82\x6F",                                 // ＵＰ
    "\x82\x63\x82\x6D",                                 // ＤＮ
    "\x8F\xE3\x82\xE8",                                 // 上り
    "\x90\x81\x94\xB2",                                 // 吹抜
    "\xFB\xFC\x8B\xB4\x93\x40 \x90\x56\x92\x7A\x8D\x48\x8E\x96", // 髙橋邸
                                                                 // 新築工事
    "\x8E\x52\xFA\xB1\x83\x72\x83\x8B \x89\xFC\x8F\x43\x8D\x48\x8E\x96", // 山﨑ビル
                                                                         // 改修工事
    "\x87\x40\x81\x60\x87\x4B \x92\xCA\x82\xE8", // ①～⑫ 通り
    "\xFA\x40) "
    "\x8E\x64\x8F\xE3\x82\xCD\x95\xCA\x93\x72\x82\xC9\x82\xE6\x82\xE9", // ⅰ)
                                                                        // 仕上は別途による
    "\x87\x82"
    "3 \x91\x71\x8C\xC9",                  // №3 倉庫
    "\x87\x8A \x90\xDD\x8C\x76\x8E\xBA",   // ㈱ 設計室
    "\x8A\xEE\x91\x62 \xCD\xDE\xC0 t=150", // 基礎 ﾍﾞﾀ t=150
    "\x97\xC0 200\x81\x7E"
    "450",                      // 梁 200×450
    "\x82\x6C\x82\x61",         // ＭＢ
    "\x8F\xB0\x92\x67\x96\x5B", // 床暖房
    "\x82\x74\x82\x61 1616",    // ＵＢ 1616
    "\x83\x4C\x83\x62\x83\x60\x83\x93 \x82\x6B\x81\x81"
    "2550", // キッチン Ｌ＝2550
    "\x89\xBA\x91\xAB\x93\xFC\x82\xEA \x82\x67\x81\x81"
    "900",                                      // 下足入れ Ｈ＝900
    "\x93\x56\x91\xDC",                         // 天袋
    "\x83\x4A\x83\x45\x83\x93\x83\x5E\x81\x5B", // カウンター
    "\xBA\xDD\xBE\xDD\xC4 2P",                  // ｺﾝｾﾝﾄ 2P
    "\x89\xCE\x8D\xD0\x95\xF1\x92\x6D\x8A\xED", // 火災報知器
    "\x83\x5C\x83\x74\x83\x40",                 // ソファ
    "\x90\x48\x8A\xED\x92\x49",                 // 食器棚
};

// Drawing titles, one for each layer group's plan.
inline constexpr std::array<std::string_view, kPlanGroups> kPlanTitles{
    "1\x8A\x4B\x95\xBD\x96\xCA\x90\x7D",        // 1階平面図
    "2\x8A\x4B\x95\xBD\x96\xCA\x90\x7D",        // 2階平面図
    "\x95\xBD\x96\xCA\x8F\xDA\x8D\xD7\x90\x7D", // 平面詳細図
    "3\x8A\x4B\x95\xBD\x96\xCA\x90\x7D",        // 3階平面図
    "\x94\x7A\x92\x75\x90\x7D",                 // 配置図
    "\x97\x81\x8E\xBA\x8F\xDA\x8D\xD7\x90\x7D", // 浴室詳細図
    "4\x8A\x4B\x95\xBD\x96\xCA\x90\x7D",        // 4階平面図
    "5\x8A\x4B\x95\xBD\x96\xCA\x90\x7D",        // 5階平面図
};

inline constexpr std::array<std::string_view, 10> kPlanBlockNames{
    "\x95\xD6\x8A\xED",                 // 便器
    "\x90\xF4\x96\xCA\x91\xE4",         // 洗面台
    "\x97\x81\x91\x85",                 // 浴槽
    "\x95\xD0\x8A\x4A\x82\xAB\x8C\xCB", // 片開き戸
    "\x88\xF8\x88\xE1\x82\xA2\x91\x8B", // 引違い窓
    "\x83\x4C\x83\x62\x83\x60\x83\x93"
    "2550",                                     // キッチン2550
    "\x97\xE2\x91\xA0\x8C\xC9",                 // 冷蔵庫
    "\x90\xF4\x91\xF3\x8B\x40\x83\x70\x83\x93", // 洗濯機パン
    "\x8E\xF7\x96\xD8",                         // 樹木
    "\x8E\xD4",                                 // 車
};

// Pieces of the texts put together while drawing.
inline constexpr std::string_view kTatamiUnit = "\x92\x9F";  // 帖
inline constexpr std::string_view kAbout = "\x96\xF1";       // 約
inline constexpr std::string_view kSquareMetre = "\x87\x75"; // ㎡
inline constexpr std::string_view kOpenParen = "\x81\x69";   // （
inline constexpr std::string_view kCloseParen = "\x81\x6A";  // ）
inline constexpr std::array<std::string_view, 4> kFittingMarks{
    "\x82\x60\x82\x76", // ＡＷ
    "\x82\x76\x82\x63", // ＷＤ
    "\x82\x72\x82\x63", // ＳＤ
    "\x82\x60\x82\x63", // ＡＤ
};

inline constexpr std::array<std::string_view, 3> kStairWords{
    "\x82\x74\x82\x6F", // ＵＰ
    "\x82\x63\x82\x6D", // ＤＮ
    "\x8F\xE3\x82\xE8", // 上り
};
inline constexpr std::string_view kVoid = "\x90\x81\x94\xB2"; // 吹抜
inline constexpr std::array<std::string_view, 3> kLevels{
    "\x82\x65\x82\x6B\x81\x7D"
    "0", // ＦＬ±0
    "\x82\x66\x82\x6B\x81\x7B"
    "450", // ＧＬ＋450
    "\x82\x65\x82\x6B\x81\x7C"
    "50", // ＦＬ－50
};

// Appends `v` with `decimals` decimals.
inline void AppendFixed(std::string &out, double v, int decimals) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v,
                               std::chars_format::fixed, decimals);
  out.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

// Appends the circled number n (1 to 20: ① to ⑳, the NEC row's 0x8740 on).
inline void AppendCircled(std::string &out, std::int64_t n) {
  out.push_back('\x87');
  out.push_back(static_cast<char>(0x40 + (n - 1) % 20));
}

// Half the thicknesses of walls, and the leaf widths of doors, in mm.
inline constexpr std::array<double, 7> kWallHalves{50, 52.5, 60, 62.5,
                                                   75, 90,   100};
inline constexpr std::array<double, 6> kLeafWidths{600, 700, 780,
                                                   800, 850, 900};
inline constexpr std::array<std::int64_t, 8> kFillRgbs{
    0xC0C0C0, 0xE0E0E0, 0x808080, 0xFFF0E0, 0xC0FFFF, 0xD0E8D0, 0x4080FF, 0};

// Drawing roles: each has a layer of its own and a pen and line type that
// drift now and then, as a drafter's would.
enum PlanRole {
  kAxisRole,     // grid lines (通り芯)
  kWallsRole,    // walls and columns
  kOpeningRole,  // doors and windows (建具)
  kFixtureRole,  // sanitary and kitchen fixtures (設備)
  kFurnishRole,  // furniture
  kMeasureRole,  // dimensions and their extension lines
  kLabelRole,    // texts
  kHatchingRole, // hatching and fills
  kFinishRole,   // floor finishes, tatami, stairs
  kSiteRole,     // trees and the outside
  kHiddenRole,   // things above the cut (dashed)
  kPlanRoleCount,
};

struct PlanStyle {
  int layer;
  int colour;
  int line_type;
};

inline constexpr std::array<PlanStyle, kPlanRoleCount> kPlanStyles{{
    {0x0, 6, 5}, // dash-dot
    {0x1, 2, 1},
    {0x2, 3, 1},
    {0x3, 4, 1},
    {0x4, 5, 1},
    {0x5, 1, 1},
    {0x6, 2, 1},
    {0x7, 7, 1},
    {0x8, 1, 1},
    {0x9, 3, 1},
    {0xA, 1, 2}, // dashed
}};

// The features a drafter draws, each a few elements of several kinds.
enum class Feature {
  Walls,
  AxisLine,
  Door,
  Window,
  Toilet,
  Basin,
  Bathtub,
  Kitchen,
  Column,
  Stairs,
  RoomLabel,
  DimChain,
  Hatch,
  Fill,
  RoundFill,
  Furniture,
  Note,
  Markers,
  Block,
  Tree,
  CurvedWall,
  Title,
  Tatami,
  Hidden,
};

struct FeatureWeight {
  Feature feature;
  int weight; // of kFeatureTotal
};

// How often each feature is drawn, per mille of the features, chosen so
// that the elements come out in a floor plan's proportions. Measured on
// 1,000,000 elements (seed 1), per mille of the elements:
//   lines 569     walls and grid lines first, then fittings, fixtures,
//                 hatching, the extension lines of dimensions
//   arcs 94       door swings, ellipses of sanitary fixtures, bays, the
//                 scallops of trees, outlines of round fills
//   circles 50    grid bubbles, drains, chairs, round columns, crowns
//   texts 95      room names and areas, labels, notes, grid names, marks
//   solids 75     fills of two to four points 56, arc-shaped 19
//   points 61     dots of dimension chains mostly, point markers 7
//   dimensions 46
//   blocks 10     block insertions
// Lines hold the majority as in any plan, less than in the plain shape
// (71 %); arcs and circles are 14 % against its 6.5 %, solids 7.5 %
// against 5 %.
inline constexpr std::array<FeatureWeight, 24> kFeatureWeights{{
    {Feature::Walls, 160},     // two faces, a cap, a fill at 1:50
    {Feature::AxisLine, 22},   // line, bubble, name
    {Feature::Door, 77},       // leaf, swing, jambs
    {Feature::Window, 36},     // six lines, a mark
    {Feature::Toilet, 14},     // ellipse, tank
    {Feature::Basin, 13},      // counter, ellipse, drain
    {Feature::Bathtub, 9},     // four lines, four arcs
    {Feature::Kitchen, 8},     // counter, sink, burners
    {Feature::Column, 37},     // fill and outline
    {Feature::Stairs, 7},      // treads, arrow, word
    {Feature::RoomLabel, 210}, // name, area, note; later labels
    {Feature::DimChain, 70},   // dimensions, lines, dots
    {Feature::Hatch, 20},      // clipped lines
    {Feature::Fill, 120},      // two- to four-point
    {Feature::RoundFill, 48},  // arc-shaped solids
    {Feature::Furniture, 24},  // tables, chairs, beds
    {Feature::Note, 25},       // leader and text
    {Feature::Markers, 10},    // point markers
    {Feature::Block, 31},      // block insertions
    {Feature::Tree, 14},       // crown and scallops
    {Feature::CurvedWall, 16}, // a bay
    {Feature::Title, 3},       // title, scale
    {Feature::Tatami, 13},     // mat joints
    {Feature::Hidden, 13},     // dashed, above the cut
}};
inline constexpr int kFeatureTotal = 1000;

} // namespace orvik::bench
