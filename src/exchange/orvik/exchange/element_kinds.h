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
  std::string_view key;    // the record's key; "" for a bare line
  std::string_view list;   // the model's list
  std::string_view name;   // one element, in summaries and traces
  std::string_view counts; // as orvik-cli info counts them
};

inline constexpr std::array<ElementKindInfo, 15> kElementKinds = {{
    {EntKind::Line, "", "Lines", "line", "lines"},
    {EntKind::Circle, "ci", "Circles", "circle", "circles"},
    {EntKind::Arc, "ci", "Arcs", "arc", "arcs"},
    {EntKind::Text, "ch", "Texts", "text", "texts"},
    {EntKind::Point, "pt", "Points", "point", "points"},
    {EntKind::PointEx, "pt", "PointsEx", "pointex", "extended_points"},
    {EntKind::Dim, "msg", "Dims", "dim", "dimensions"},
    {EntKind::Block, "BL", "Blocks", "block", "blocks"},
    {EntKind::Solid2, "sl", "Solids2", "solid2", "solids_2"},
    {EntKind::Solid3, "sl", "Solids3", "solid3", "solids_3"},
    {EntKind::Solid4, "sl", "Solids4", "solid4", "solids_4"},
    {EntKind::SolidSc, "sc", "SolidsSc", "sc", "solids_sc"},
    {EntKind::SolidSe, "se", "SolidsSe", "se", "solids_se"},
    {EntKind::SolidSo, "so", "SolidsSo", "so", "solids_so"},
    {EntKind::SolidSg, "sg", "SolidsSg", "sg", "solids_sg"},
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
