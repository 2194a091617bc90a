// orvik-cli info FILE [--json]: what the reader made of a file.

#include "commands.h"
#include "json.h"
#include "messages.h"

#include "orvik/platform/arguments.h"
#include "orvik/platform/cp932.h"

#include "orvik/exchange/element_kinds.h"
#include "orvik/exchange/reader.h"
#include "orvik/exchange/session.h"
#include "orvik/util/real_format.h"

#include <string>
#include <vector>

namespace orvik::cli {
namespace {

using exchange::DrawingModel;

struct KindCount {
  std::string_view name;
  std::size_t count;
};

std::vector<KindCount> CountKinds(const DrawingModel &m) {
  std::vector<KindCount> counts;
  exchange::ForEachList(m, [&counts](exchange::EntKind kind, const auto &list) {
    counts.push_back({exchange::KindInfo(kind).counts, list.Count()});
  });
  return counts;
}

std::string Int(std::int64_t v) {
  std::string s;
  AppendInt(s, v);
  return s;
}

std::string JoinScales(const DrawingModel &m, const char *separator) {
  std::string s;
  for (std::size_t g = 0; g < m.GroupScale.size(); ++g) {
    if (g > 0)
      s += separator;
    AppendReal(s, m.GroupScale[g]);
  }
  return s;
}

std::string Json(const DrawingModel &m, const std::string &path) {
  const exchange::AttributeState &a = m.Attr;
  std::string j = "{\n  \"file\": " + JsonString(path) + ",\n";
  j += "  \"elements\": {\"total\": " + Int(m.EntOrder.Count());
  for (const KindCount &k : CountKinds(m))
    j += ", \"" + std::string(k.name) + "\": " + Int(k.count);
  j += "},\n  \"sheet_coords\": ";
  j += m.SheetCoords ? "true" : "false";
  j += ",\n  \"group_scales\": [" + JoinScales(m, ", ") + "],\n";
  j += "  \"first\": {\"group\": " + Int(a.FirstGroup) +
       ", \"layer\": " + Int(a.FirstLayer) +
       ", \"colour\": " + Int(a.FirstColour) +
       ", \"line_type\": " + Int(a.FirstLineType) +
       ", \"text_kind\": " + Int(a.FirstTextKind) +
       ", \"font\": " + JsonString(platform::Cp932ToUtf8(a.FirstFont)) + "},\n";
  j += "  \"indicated_points\": [";
  bool any = false;
  for (std::size_t i = 1; i < m.HpPoints.size(); ++i) {
    const exchange::TJwwHpPoint &hp = m.HpPoints.at(i);
    if (!hp.Valid)
      continue;
    j += any ? ", " : "";
    j += "{\"number\": " + Int(static_cast<std::int64_t>(i)) +
         ", \"x\": " + FormatReal(hp.X) + ", \"y\": " + FormatReal(hp.Y) +
         ", \"kind\": " + Int(hp.PickKind) + "}";
    any = true;
  }
  return j + "]\n}\n";
}

std::string Text(const DrawingModel &m, const std::string &path) {
  const exchange::AttributeState &a = m.Attr;
  std::string t = path + "\n";
  t += "elements           " + Int(m.EntOrder.Count()) + "\n";
  for (const KindCount &k : CountKinds(m))
    if (k.count > 0)
      t += "  " + std::string(k.name) +
           std::string(17 - std::string(k.name).size(), ' ') + Int(k.count) +
           "\n";
  t += std::string("sheet coordinates  ") + (m.SheetCoords ? "yes" : "no") +
       "\n";
  t += "group scales       " + JoinScales(m, " ") + "\n";
  t += "first group        " + Int(a.FirstGroup) + "\n";
  t += "first layer        " + Int(a.FirstLayer) + "\n";
  t += "first colour       " + Int(a.FirstColour) + "\n";
  t += "first line type    " + Int(a.FirstLineType) + "\n";
  t += "first text kind    " + Int(a.FirstTextKind) + "\n";
  t += "first font         " +
       (a.FirstFont.empty() ? std::string("(none)")
                            : platform::Cp932ToUtf8(a.FirstFont)) +
       "\n";
  for (std::size_t i = 1; i < m.HpPoints.size(); ++i) {
    const exchange::TJwwHpPoint &hp = m.HpPoints.at(i);
    if (hp.Valid)
      t += "indicated point " + Int(static_cast<std::int64_t>(i)) + "  " +
           FormatReal(hp.X) + " " + FormatReal(hp.Y) + " (kind " +
           Int(hp.PickKind) + ")\n";
  }
  return t;
}

} // namespace

int RunInfo(const Args &args, std::ostream &out, std::ostream &err) {
  const bool json = args.size() == 2 && args[1] == "--json";
  if (args.empty() || args.size() > 2 || (args.size() == 2 && !json)) {
    err << "usage: orvik-cli info FILE [--json]\n";
    return 2;
  }
  DrawingModel model;
  exchange::OutputBuffer output;
  if (!exchange::LoadExchangeFile(model, output,
                                  platform::PathFromUtf8(args[0]))) {
    err << CannotRead(args[0]);
    return 2;
  }
  out << (json ? Json(model, args[0]) : Text(model, args[0]));
  return 0;
}

} // namespace orvik::cli
