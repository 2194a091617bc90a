// Where a curve group ends. The host keeps its curve objects ("pl" groups)
// when it takes the result back, so an element wrongly counted in a group
// is lost and one wrongly counted out is drawn twice.

#include "exchange_support.h"

#include <gtest/gtest.h>

#include <string>

namespace orvik::exchange {
namespace {

// Whether the newest element of the model arrived inside a curve group.
bool NewestInCurve(const DrawingModel &m) {
  ArrivalOrder::Walk order(m.EntOrder);
  TJwwEntOrder last;
  for (std::size_t i = 0; i < m.EntOrder.Count(); ++i)
    last = order.Next();
  bool in_curve = false;
  VisitList(m, last.Kind, [&](const auto &list) {
    in_curve = list[static_cast<std::size_t>(last.Index)].Attr.InCurveGroup;
  });
  return in_curve;
}

struct Row {
  const char *between; // records between the group's first line and a probe
  const char *probe;   // the element asked about
  bool in_curve;
};

constexpr Row kRows[] = {
    // Attribute records that end a polyline end the group.
    {"lg1", " 5 5 6 6", false},
    {"lyf", " 5 5 6 6", false},
    {"lc3", " 5 5 6 6", false},
    {"lc10 255", " 5 5 6 6", false},
    {"lt2", " 5 5 6 6", false},
    {"lw25", " 5 5 6 6", false},
    {"cn\"$<x>", " 5 5 6 6", false},
    {"cn2", " 5 5 6 6", false},
    {"cc1", " 5 5 6 6", false},
    {"pn2", " 5 5 6 6", false},
    // So do a lone "#" and "msg" (whose bare line is a dimension's).
    {"#", " 5 5 6 6", false},
    {"msg\r\ncs 0 0 1 0 \"d", " 5 5 6 6", false},
    // z flags, pick numbers and head records leave it open.
    {"z1", " 5 5 6 6", true},
    {"z3\r\nz5", " 5 5 6 6", true},
    {"hhp3ln", " 5 5 6 6", true},
    {"hn 0 0 0 0", " 5 5 6 6", true},
    // Another "pl" starts the next group of a curve of several colours.
    {"lc4\r\npl", " 5 5 6 6", true},
    // Solids of a curve solid are in it and keep it open, though a solid
    // ends a polyline.
    {"", "sl 0 0 1 0 1 1", true},
    {"sl 0 0 1 0 1 1 0 1", " 5 5 6 6", true},
    {"sl 0 0 1 0", "sc 0 0 1 1 0 0 1 0", true},
    {"sg 0 0 2 1 0 0 1 1", "so 0 0 2 1 0 0 1 1", true},
    // Any other element is no part of it and ends it.
    {"", "ci 0 0 1", false},
    {"ci 0 0 1", " 5 5 6 6", false},
    {"ch 0 0 1 0 \"t", " 5 5 6 6", false},
    {"pt 1 1", " 5 5 6 6", false},
    {"BL 0 0 \"block", " 5 5 6 6", false},
    {"", "pt 1 1", false},
};

TEST(CurveGroup, EndsAtTheRecordsThatEndIt) {
  for (const Row &row : kRows) {
    std::string image = "pl\r\n 0 0 1 0\r\n";
    if (*row.between != '\0')
      image.append(row.between).append("\r\n");
    image.append(row.probe).append("\r\n");
    EXPECT_EQ(NewestInCurve(test::Read(image)), row.in_curve)
        << row.between << " | " << row.probe;
  }
}

// What the user draws is never part of a curve, even when the file ends
// inside a group; and a curve solid's group ("#", "lc10", "pl", solids,
// "#") leaves every one of its solids out of what is written.
TEST(CurveGroup, TheUsersElementsAndCurveSolids) {
  DrawingModel m = test::Read("pl\r\n 0 0 1 0\r\n");
  m.AddLine(0, 0, 5, 5);
  m.AddArc(0, 0, 5, 0, 90, 1, 0);
  EXPECT_FALSE(NewestInCurve(m));
  EXPECT_FALSE(m.Lines[1].Attr.InCurveGroup);
  EXPECT_TRUE(m.Lines[0].Attr.InCurveGroup);

  const std::string solids =
      test::CrLf({"#", "lc10 255", "pl", "sl 0 0 1 0 1 1", "sl 1 0 2 0 2 1 1 1",
                  "sc 0 0 1 1 0 0 1 0", "#", "sl 5 5 6 5 6 6"});
  EXPECT_EQ(test::Rewrite(solids),
            test::CrLf({"hd", "lg0", "ly0", "lc10 255", "sl 5 5 6 5 6 6"}));
}

} // namespace
} // namespace orvik::exchange
