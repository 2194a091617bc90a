// Golden cases: each file in tests/exchange/cases holds an exchange file,
// what OK writes after reading it as start-up does, and optionally facts of
// the model that the written file does not show.
//
// Format, one item a line:
//   # note          how the case or the next expected lines were worked out
//   == input        the lines of the file read, each ended by CR LF
//   == input lf     the same, a bare LF between lines and none after the
//                   last
//   == output       the lines written (always CR LF)
//   == output once  the same, where writing them again is known to differ
//                   (the case's notes say why)
//   == model        lines that Summary() of the read model must contain
//   == snap         "px py tol: what", what snapping the pointer (px, py)
//                   with the window's half-side tol answers, plainly and
//                   through the snap index: "kind index x y" (x and y
//                   rounded to 9 decimals) or "none"
// Without an output section the case checks the read model only.
// Bytes above 0x7E and control bytes are written \xNN, a backslash \\, a
// blank at the end of a line \x20 (a line may not end in a bare blank,
// which an editor could strip), and an input line starting with "#" (a
// record of the file) \x23. Blank lines are ignored.
//
// Every case but those marked "once" is also checked for stability:
// writing what was written, once read back, gives the same bytes.

#include "case_files.h"
#include "exchange_support.h"

#include "orvik/exchange/element_kinds.h"
#include "orvik/exchange/snap_index.h"
#include "orvik/util/real_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <concepts>
#include <filesystem>
#include <fstream>
#include <vector>

namespace orvik::exchange {
namespace {

namespace fs = std::filesystem;

struct Case {
  std::string input, output;
  bool once = false, written = false;
  std::vector<std::string> model, snaps;
};

Case Load(const fs::path &path) {
  Case c;
  std::ifstream in(path, std::ios::binary);
  std::string line, section, input_end = "\r\n";
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#')
      continue;
    EXPECT_NE(line.back(), ' ') << path << ":" << number << " ends in a blank";
    if (line.rfind("== ", 0) == 0) {
      section = line.substr(3, line.find(' ', 3) - 3);
      c.once = c.once || line == "== output once";
      c.written = c.written || section == "output";
      if (line == "== input lf")
        input_end = "\n";
      continue;
    }
    const std::string bytes = test::Unescape(line);
    if (section == "input")
      c.input += bytes + input_end;
    else if (section == "output")
      c.output += bytes + "\r\n";
    else if (section == "model" || section == "snap")
      (section == "model" ? c.model : c.snaps).push_back(bytes);
    else
      ADD_FAILURE() << path << ":" << number << " outside a section";
  }
  if (input_end == "\n" && !c.input.empty())
    c.input.pop_back();
  return c;
}

// The model's facts, one a line, words joined by blanks; empty words left
// out.
template <std::integral T> std::string Word(T v) { return std::to_string(v); }
std::string Word(double v) { return FormatReal(v); }
std::string Word(std::string_view v) { return std::string(v); }

template <class... T> std::string Line(const T &...words) {
  std::string s;
  for (const std::string &w : {Word(words)...})
    if (!w.empty())
      s += (s.empty() ? "" : " ") + w;
  return s;
}

std::string Element(DrawingModel &m, const TJwwEntOrder &e) {
  const auto i = static_cast<std::size_t>(e.Index);
  if (e.Kind == EntKind::Block)
    return Line("block", m.Blocks[i].X, m.Blocks[i].Y, m.Blocks[i].Name);
  std::string s;
  VisitList(m, e.Kind, [&](const auto &list) {
    s = Line(KindInfo(e.Kind).name, "pick", list[i].Attr.PickNo,
             list[i].Attr.InCurveGroup ? "curve" : "");
  });
  if (e.Kind == EntKind::Line)
    s = Line(s, "polyline", m.Lines[i].PolylineNo);
  if (e.Kind == EntKind::Text) {
    const TJwwEntText &t = m.Texts[i];
    s = Line(s, "size", t.Width, t.Height, t.Spacing, "colour", t.Attr.Colour);
  }
  return s;
}

std::vector<std::string> Summary(DrawingModel &m) {
  std::vector<std::string> s;
  for (std::size_t g = 0; g < 16; ++g)
    s.push_back(Line("scale", g, m.GroupScale[g]));
  for (std::size_t k = 0; k < 10; ++k) {
    const TJwwTextKind &t = m.TextKinds[k];
    s.push_back(
        Line("text kind", k + 1, t.Width, t.Height, t.Spacing, t.Colour));
  }
  s.push_back(Line("sheet", m.SheetCoords ? "yes" : "no"));
  int points = 0;
  for (std::size_t i = 0; i < m.HpPoints.size(); ++i) {
    const TJwwHpPoint &p = m.HpPoints[i];
    if (p.Valid && ++points > 0)
      s.push_back(Line("hp", i, p.X, p.Y, "kind", p.PickKind));
  }
  s.push_back(Line("hp count", points));
  const AttributeState &a = m.Attr;
  s.push_back(Line("first group", a.FirstGroup, "layer", a.FirstLayer, "colour",
                   a.FirstColour, "type", a.FirstLineType, "width",
                   a.FirstLineWidth, "text kind", a.FirstTextKind));
  const TJwwTextKind &c = a.FirstTextCustom;
  s.push_back(Line("first custom", c.Width, c.Height, c.Spacing, c.Colour));
  s.push_back(Line("first font", a.FirstFont));
  s.push_back(Line("line widths", m.LineWidthSeen ? "seen" : "unseen"));
  s.push_back(Line("elements", m.ElementCount()));
  ArrivalOrder::Walk order(m.EntOrder);
  for (std::size_t i = 0; i < m.EntOrder.Count(); ++i)
    s.push_back(Line("element", i, Element(m, order.Next())));
  return s;
}

// The hit's point rounded to 9 decimals, or "none".
std::string Hit(const SnapHit &h) {
  const auto nano = [](double v) { return std::round(v * 1e9) / 1e9; };
  return h.found ? Line(KindInfo(h.kind).name, h.index, nano(h.x), nano(h.y))
                 : "none";
}

void ExpectSnaps(const DrawingModel &m, const std::vector<std::string> &snaps) {
  SnapIndex index;
  index.Build(m);
  for (const std::string &probe : snaps) {
    double v[3] = {};
    const char *p = probe.data(), *end = p + probe.find(':');
    for (double &x : v)
      p = std::from_chars(p + (*p == ' '), end, x).ptr;
    const std::string want = probe.substr(probe.find(':') + 2);
    EXPECT_EQ(Hit(SnapToElement(m, v[0], v[1], v[2])), want) << probe;
    EXPECT_EQ(Hit(index.Find(m, v[0], v[1], v[2])), want) << probe << " index";
  }
}

class ExchangeCase : public ::testing::TestWithParam<std::string> {};

TEST_P(ExchangeCase, RewritesAsWorkedOut) {
  const Case c = Load(fs::path(ORVIK_CASES_DIR) / (GetParam() + ".case"));
  const std::string written = test::Rewrite(c.input);
  if (c.written) {
    EXPECT_EQ(written, c.output);
  }
  if (c.written && !c.once) {
    EXPECT_EQ(test::Rewrite(written), written) << "rewriting is not stable";
  }
  DrawingModel model = test::Read(c.input);
  const std::vector<std::string> summary = Summary(model);
  for (const std::string &line : c.model)
    EXPECT_NE(std::find(summary.begin(), summary.end(), line), summary.end())
        << "the model lacks: " << line;
  ExpectSnaps(model, c.snaps);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExchangeCase,
                         ::testing::ValuesIn(test::CaseNames(ORVIK_CASES_DIR)),
                         [](const auto &info) { return info.param; });

} // namespace
} // namespace orvik::exchange
