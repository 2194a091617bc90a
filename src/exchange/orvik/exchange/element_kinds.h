#pragma once
// The fifteen element kinds, described once: the kind's number, the key of
// the record it comes from, and its name. VisitList (model.h) is the one
// switch over them; everything done per kind (writing, boxes, snapping,
// counting) is a set of overloads, one per record type, reached through
// it, so that the compiler finds a kind without one.

#include "orvik/exchange/model.h"

#include <array>
#include <string_view>

namespace orvik::exchange {

struct ElementKindInfo {
  EntKind kind;
  std::string_view key;  // the record's key; "" for a bare line
  std::string_view name; // as orvik-cli info counts them
};

inline constexpr std::array<ElementKindInfo, 15> kElementKinds = {{
    {EntKind::Line, "", "lines"},
    {EntKind::Circle, "ci", "circles"},
    {EntKind::Arc, "ci", "arcs"},
    {EntKind::Text, "ch", "texts"},
    {EntKind::Point, "pt", "points"},
    {EntKind::PointEx, "pt", "extended_points"},
    {EntKind::Dim, "msg", "dimensions"},
    {EntKind::Block, "BL", "blocks"},
    {EntKind::Solid2, "sl", "solids_2"},
    {EntKind::Solid3, "sl", "solids_3"},
    {EntKind::Solid4, "sl", "solids_4"},
    {EntKind::SolidSc, "sc", "solids_sc"},
    {EntKind::SolidSe, "se", "solids_se"},
    {EntKind::SolidSo, "so", "solids_so"},
    {EntKind::SolidSg, "sg", "solids_sg"},
}};

// The description of `kind`, which must be one of the fifteen.
constexpr const ElementKindInfo &KindInfo(EntKind kind) {
  return kElementKinds.at(static_cast<std::size_t>(kind) - 1);
}

// Calls fn(kind, list) for every kind's list, in kind order.
template <class Model, class Fn> void ForEachList(Model &m, Fn &&fn) {
  for (const ElementKindInfo &info : kElementKinds)
    VisitList(m, info.kind, [&](auto &list) { fn(info.kind, list); });
}

} // namespace orvik::exchange
