// orvik-cli replay: whole user sessions played into the window, checked by
// what the host gets back (JWC_TEMP.TXT), the settings file and the beeps.
//
// Most sessions use kAnchors: two points at (-45, -30) and (45, 30) under
// sheet coordinates. Fitted to `area 1000 1000` the extents are 90 x 60, so
// the scale is min(1000 / 90 * 0.9, 1000 / 60 * 0.9) = 10 px per mm, centred
// on (0, 0): left -50, top 50. Pixel (px, py) is the point
// (px / 10 - 50, 50 - py / 10), and the point (x, y) is the pixel
// ((x + 50) * 10, (50 - y) * 10). The snap window is 5 px = 0.5 mm. The
// anchors sit at pixels (50, 800) and (950, 200), away from every stroke
// below unless a test aims at them.

#include "run_cli.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::test {
namespace {

namespace fs = std::filesystem;

// "h#" and ペン作図は行いませんでした。 in Shift-JIS: OK with nothing drawn.
constexpr char kNothingDrawn[] =
    "h#\x83\x79\x83\x93\x8D\xEC\x90\x7D\x82\xCD\x8D\x73\x82\xA2\x82\xDC\x82\xB9"
    "\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42\r\n";

constexpr char kAnchors[] = "bz\r\npt -45 -30\r\npt 45 30\r\n";
// OK after kAnchors: the head, "bz", the anchors with the records that a
// fresh writer must write first (group, layer, point colour 1).
constexpr char kAnchorsOut[] =
    "hd\r\nbz\r\nlg0\r\nly0\r\npn1\r\npt -45 -30\r\npt 45 30\r\n";
// Before the first new line or arc: colour and line type have not been
// written yet; both are 1 (the file names none, list positions 0).
constexpr char kFirstLineAttrs[] = "lc1\r\nlt1\r\n";

// The arc through (10, 0), (0, 10), (-10, 0): centre (0, 0), radius 10,
// counter-clockwise from 0 to 180 degrees, flatness 1, tilt 0.
constexpr char kUpperHalf[] = "ci 0 0 10 0 180 1 0\r\n";

class Replay : public ScratchDir {
protected:
  void SetUp() override {
    ScratchDir::SetUp();
    fs::create_directories(Program());
  }
  fs::path Program() const { return dir_ / "program"; }
  void Put(const std::string &name, std::string_view bytes) {
    std::ofstream(Program() / name, std::ios::binary) << bytes;
  }
  std::string Get(const std::string &name) const {
    return ReadBytes(Program() / name);
  }
  std::string Exchange() const { return Get("JWC_TEMP.TXT"); }
  std::vector<std::string> Settings() const {
    std::vector<std::string> lines;
    const std::string text = Get("orvik.dat");
    for (std::size_t at = 0, end;
         (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
      lines.push_back(text.substr(at, end - at));
    return lines;
  }
  CliResult Run(std::string_view script) {
    const fs::path path = dir_ / "session.txt";
    std::ofstream(path, std::ios::binary) << script;
    return RunCli({"replay", Program().string(), path.string()}, dir_);
  }
  // Runs `script` on kAnchors; a clean run with no beeps.
  void RunOnAnchors(std::string_view script) {
    Put("JWC_TEMP.TXT", kAnchors);
    const CliResult r = Run(script);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");
  }
};

TEST_F(Replay, GridRoundsSheetPointsHalvesAwayFromZero) {
  // (12.4, 3) and (27.6, 18) are pixels (624, 470) and (776, 320); to the
  // nearest multiple of 10: (10, 0) and (30, 20). (15, 0) is (650, 500)
  // and goes to 20; (-15, 0) is (350, 500) and goes to -20. A click whose
  // two ends round to the same node is a point.
  RunOnAnchors(R"(area 1000 1000
spacing 10
grid on
mode 2
stroke 624 470 776 320
click 650 500
click 350 500
ok
)");
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + kFirstLineAttrs +
                            "10 0 30 20\r\npt 20 0\r\npt -20 0\r\n");
}

// A host line whose first end, (-23, -17) at pixel (270, 670), is no grid
// node.
constexpr char kHostLine[] = "-23 -17 -10 -20\r\n";

TEST_F(Replay, SnapWithinFivePixelsBeatsTheGrid) {
  // Starting at (273, 666), 3 px right of and 4 px above the line end,
  // snaps to it exactly; the grid alone would give (-20, -20). Starting
  // 6 px right, at (276, 670) = (-22.4, -17), there is no snap and the
  // grid gives (-20, -20). Both end at (650, 500) = (15, 0), rounded to
  // (20, 0).
  Put("JWC_TEMP.TXT", std::string(kAnchors) + kHostLine);
  const CliResult r = Run(R"(area 1000 1000
spacing 10
grid on
mode 2
stroke 273 666 650 500
stroke 276 670 650 500
ok
)");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + kFirstLineAttrs + kHostLine +
                            "-23 -17 20 0\r\n-20 -20 20 0\r\n");
}

TEST_F(Replay, NewPointIsSearchedBeforeAHostLine) {
  // The host line ends at (-20, -20), pixel (300, 700); the anchors keep
  // the view. The click at (307, 700) is 7 px from it: a new point at
  // (-19.3, -20). The stroke from (304, 700) has the line end 4 px and the
  // point 3 px away; points come first, so it starts on the point. It ends
  // at (600, 500) = (10, 0).
  Put("JWC_TEMP.TXT", std::string(kAnchors) + "-20 -20 -10 -20\r\n");
  const CliResult r = Run(
      "area 1000 1000\nmode 2\nclick 307 700\nstroke 304 700 600 500\nok\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + kFirstLineAttrs +
                            "-20 -20 -10 -20\r\npt -19.3 -20\r\n"
                            "-19.3 -20 10 0\r\n");
}

TEST_F(Replay, TakenBackPointCatchesNothing) {
  // The point (15, 0) at (650, 500) is taken back; the stroke from
  // (653, 500) then starts at (15.3, 0) as picked.
  RunOnAnchors("area 1000 1000\nmode 2\nclick 650 500\nkey Esc\n"
               "stroke 653 500 600 400\nok\n");
  EXPECT_EQ(Exchange(),
            std::string(kAnchorsOut) + kFirstLineAttrs + "15.3 0 10 10\r\n");
}

TEST_F(Replay, SixPixelsOffOnOneAxisIsNotASnap) {
  // Grid off: 6 px right of the line end is (-22.4, -17), 6 px below it
  // (270, 676) is (-23, -17.6); both are kept as they are.
  Put("JWC_TEMP.TXT", std::string(kAnchors) + kHostLine);
  const CliResult r = Run(R"(area 1000 1000
mode 2
stroke 276 670 650 500
stroke 270 676 650 500
ok
)");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + kFirstLineAttrs + kHostLine +
                            "-22.4 -17 15 0\r\n-23 -17.6 15 0\r\n");
}

TEST_F(Replay, ClickInLineModeMakesAPoint) {
  // (624, 470) is (12.4, 3); no snap, no grid. The point's colour record
  // was written for the anchors already and is the same.
  RunOnAnchors("area 1000 1000\nmode 2\nclick 624 470\nok\n");
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + "pt 12.4 3\r\n");
}

// A = (10, 0) at pixel (600, 500), B = (0, 10) at (500, 400), C = (-10, 0)
// at (400, 500). Each way runs in a folder of its own: in one session the
// first arc's end points and centre would catch the second arc's strokes.
struct ArcWay {
  const char *name, *strokes, *record;
  friend void PrintTo(const ArcWay &w, std::ostream *os) { *os << w.name; }
};

class ReplayArc : public Replay,
                  public ::testing::WithParamInterface<ArcWay> {};

TEST_P(ReplayArc, GivesTheArcThroughThePoints) {
  RunOnAnchors(std::string("area 1000 1000\nmode 3\n") + GetParam().strokes +
               "ok\n");
  EXPECT_EQ(Exchange(),
            std::string(kAnchorsOut) + kFirstLineAttrs + GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ReplayArc,
    ::testing::Values(
        // Drag A to B, then a stroke released at C (its press is ignored).
        ArcWay{"DragThenRelease",
               "stroke 600 500 500 400\nstroke 450 450 400 500\n", kUpperHalf},
        // Click at A, then drag B to C.
        ArcWay{"ClickThenDrag", "click 600 500\nstroke 500 400 400 500\n",
               kUpperHalf},
        // C through B to A runs clockwise; the record still runs
        // counter-clockwise from 0 to 180.
        ArcWay{"Reversed", "stroke 400 500 500 400\nstroke 450 450 600 500\n",
               kUpperHalf},
        // A through (0, -10) to C: seen from the centre A is at 0, C at 180
        // and the through point at 270, outside 0..180, so the arc runs
        // from 180 to 0 (360).
        ArcWay{"LowerHalf", "stroke 600 500 500 600\nstroke 450 450 400 500\n",
               "ci 0 0 10 180 0 1 0\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Replay, ArcThatCannotBeFormedBeepsAndStartsAgain) {
  // Line 4 ends on the line through A and (0, 0); line 6 ends back on A.
  // Neither adds anything, and each next stroke is a first stroke again:
  // lines 7 and 8 make the upper half arc.
  Put("JWC_TEMP.TXT", kAnchors);
  const CliResult r = Run(R"(area 1000 1000
mode 3
stroke 600 500 500 500
stroke 450 450 400 500
stroke 600 500 500 400
stroke 450 450 600 500
stroke 600 500 500 400
stroke 450 450 400 500
ok
)");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "beep (line 4)\nbeep (line 6)\n");
  EXPECT_EQ(Exchange(),
            std::string(kAnchorsOut) + kFirstLineAttrs + kUpperHalf);
}

TEST_F(Replay, ModeChangeDropsAHalfBuiltArc) {
  // After the first stroke A -> B, modes 2 and 3 are chosen. The stroke
  // from (0, -10) to (-10, 0) then starts a new arc, and the last one ends
  // it at (0, 10): seen from (0, 0) these lie at 270, 180 and 90 degrees,
  // so the arc runs from 90 to 270. Had the first stroke survived, line 6
  // would have made the upper half arc A, B, (-10, 0) instead.
  RunOnAnchors(R"(area 1000 1000
mode 3
stroke 600 500 500 400
mode 2
mode 3
stroke 500 600 400 500
stroke 450 450 500 400
ok
)");
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + kFirstLineAttrs +
                            "ci 0 0 10 90 270 1 0\r\n");
}

// A line (-30, -20)-(-20, -20), the upper half arc, then the point
// (30, -20); each Esc takes back the newest of them.
constexpr char kThreeElements[] = R"(area 1000 1000
mode 2
stroke 200 700 300 700
mode 3
stroke 600 500 500 400
stroke 450 450 400 500
mode 2
click 800 700
)";
constexpr char kLine[] = "-30 -20 -20 -20\r\n";

class ReplayEsc : public Replay, public ::testing::WithParamInterface<int> {};

TEST_P(ReplayEsc, TakesBackTheNewestFirst) {
  const int presses = GetParam();
  std::string script = kThreeElements;
  for (int i = 0; i < presses; ++i)
    script += "key Esc\n";
  Put("JWC_TEMP.TXT", kAnchors);
  const CliResult r = Run(script + "ok\n");
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string drawn = std::string(kAnchorsOut) + kFirstLineAttrs;
  const std::string expected[] = {drawn + kLine + kUpperHalf + "pt 30 -20\r\n",
                                  drawn + kLine + kUpperHalf, drawn + kLine,
                                  kNothingDrawn, kNothingDrawn};
  EXPECT_EQ(Exchange(), expected[presses]);
  // The fourth Esc (script line 12) finds nothing of the user's left.
  EXPECT_EQ(r.out, presses == 4 ? "beep (line 12)\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Presses, ReplayEsc, ::testing::Range(0, 5));

TEST_F(Replay, OkWithNothingDrawnWritesOnlyTheMessage) {
  RunOnAnchors("area 1000 1000\nmode 2\nok\n");
  EXPECT_EQ(Exchange(), kNothingDrawn);
}

TEST_F(Replay, LineTakenBackIsNothingDrawn) {
  RunOnAnchors("area 1000 1000\nmode 2\nstroke 200 700 300 700\nkey Esc\nok\n");
  EXPECT_EQ(Exchange(), kNothingDrawn);
}

TEST_F(Replay, WithoutHostElementsNewOnesMoveByIndicatedPointOne) {
  // An empty drawing fits (-100, -100)-(100, 100) into 400 x 400 px: scale
  // 400 / 200 * 0.9 = 1.8, centre (0, 0), so pixel 200 is 0 and 18 px are
  // 10 mm. The grid of 10 makes each pick exact: (0, 0) to (10, 0), the
  // arc through (10, 0), (0, 10), (-10, 0) and the point (20, 20). Point 1
  // of the file, (100, 50), is added to the line's ends, the arc's centre
  // (radius and angles stay) and the point.
  Put("JWC_TEMP.TXT", "hp1-  100 50\r\n");
  const CliResult r = Run(R"(area 400 400
spacing 10
grid on
mode 2
stroke 200 200 218 200
mode 3
stroke 218 200 200 182
stroke 190 190 182 200
mode 2
click 236 164
ok
)");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Exchange(), "hd\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\n100 50 110 50\r\n"
                        "ci 100 50 10 0 180 1 0\r\npn1\r\npt 120 70\r\n");
}

TEST_F(Replay, WithHostElementsNothingMoves) {
  Put("JWC_TEMP.TXT", std::string("hp1-  100 50\r\n") + kAnchors);
  const CliResult r =
      Run("area 1000 1000\nmode 2\nstroke 200 700 300 700\nok\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + kFirstLineAttrs + kLine);
}

TEST_F(Replay, RealSizeDrawingStoresPaperMillimetresTimesTheScale) {
  // Group 0 at 1:50 and no "bz": the anchors (-2250, -1500) and
  // (2250, 1500) are (-45, -30) and (45, 30) on paper, the view of
  // kAnchors. The stroke (10, 0) -> (12, 0), 2 paper mm, becomes
  // (500, 0) -> (600, 0). A spacing of 500 real mm is 10 paper mm:
  // (12.4, 3) -> (27.6, 18) rounds to (10, 0) -> (30, 20) on paper, stored
  // as (500, 0) -> (1500, 1000). The arc by a click at (10, 0) and a drag
  // (0, 10) -> (-10, 0) is the upper half arc of radius 500 about (0, 0).
  // The settings keep the spacing in paper mm: 500 / 50 = 10.
  Put("JWC_TEMP.TXT", "hs 50 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n"
                      "pt -2250 -1500\r\npt 2250 1500\r\n");
  const CliResult r = Run(R"(area 1000 1000
mode 2
stroke 600 500 620 500
spacing 500
grid on
stroke 624 470 776 320
mode 3
click 600 500
stroke 500 400 400 500
ok
)");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Exchange(), "hd\r\nlg0\r\nly0\r\npn1\r\npt -2250 -1500\r\n"
                        "pt 2250 1500\r\nlc1\r\nlt1\r\n500 0 600 0\r\n"
                        "500 0 1500 1000\r\nci 0 0 500 0 180 1 0\r\n");
  const std::vector<std::string> settings = Settings();
  ASSERT_EQ(settings.size(), 9u);
  EXPECT_EQ(settings[7], "1");
  EXPECT_EQ(settings[8], "10");
}

// Grid reference point. (12.4, 3) is pixel (624, 470) and (21, -3) is
// (710, 530); (952, 198) is 2 px from the anchor (45, 30).
TEST_F(Replay, GridOriginSnapsToAnElement) {
  // Origin (45, 30): 12.4 - 45 = -32.6 rounds to -30, 3 - 30 = -27 to -30,
  // so the point is (15, 0); about (0, 0) it would be (10, 0).
  RunOnAnchors(R"(area 1000 1000
spacing 10
grid on
mode 1
click 952 198
mode 2
click 624 470
ok
)");
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + "pt 15 0\r\n");
}

TEST_F(Replay, GridOriginGoesToTheNearestNode) {
  // Without a snap the origin moves from (0, 0) to the node nearest
  // (12.4, 3), (10, 0), so the lattice stays: (21, -3) goes to (20, 0).
  // An origin at (12.4, 3) itself would give (22.4, -7).
  RunOnAnchors(R"(area 1000 1000
spacing 10
grid on
mode 1
click 624 470
mode 2
click 710 530
ok
)");
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + "pt 20 0\r\n");
}

TEST_F(Replay, GridOriginWithTheGridOff) {
  // A snap still moves the origin to (45, 30); a pick that snaps to
  // nothing leaves it there. With the grid on, (12.4, 3) then goes to
  // (15, 0); an origin moved to (12.4, 3) would keep it as it is.
  RunOnAnchors(R"(area 1000 1000
mode 1
click 952 198
click 624 470
spacing 10
grid on
mode 2
click 624 470
ok
)");
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + "pt 15 0\r\n");
}

// Window 10, 20, 500 x 400; colour position 3, line type 2; grid on, 2.5.
constexpr char kSettings[] =
    "10\r\n20\r\n500\r\n400\r\n3\r\n2\r\n0\r\n1\r\n2.5\r\n";

TEST_F(Replay, CancelHandsBackHqAndSavesTheSettings) {
  Put("JWC_TEMP.TXT", kAnchors);
  Put("orvik.dat", kSettings);
  const CliResult r =
      Run("area 1000 1000\nmode 2\nstroke 200 700 300 700\ncancel\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Exchange(), "hq\r\n");
  EXPECT_EQ(Get("orvik.dat"), kSettings);
}

TEST_F(Replay, SessionEndingUnconfirmedIsTheCloseBox) {
  Put("JWC_TEMP.TXT", kAnchors);
  Put("orvik.dat", kSettings);
  const CliResult r = Run("area 1000 1000\nmode 2\nstroke 200 700 300 700\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Exchange(), "hq\r\n");
  EXPECT_EQ(Get("orvik.dat"), kSettings);
}

TEST_F(Replay, SavedGridIsInForceAndTypingASpacingSwitchesItOff) {
  // The grid of 2.5 from the settings: (12.4, 3) goes to (12.5, 2.5).
  // Typing 5 unticks the grid, so (-12.4, 3), pixel (376, 470), stays as
  // it is. The point colour is that of the saved colour position 3.
  Put("orvik.dat", kSettings);
  RunOnAnchors(R"(area 1000 1000
mode 2
click 624 470
spacing 5
click 376 470
ok
)");
  EXPECT_EQ(Exchange(),
            std::string(kAnchorsOut) + "pn3\r\npt 12.5 2.5\r\npt -12.4 3\r\n");
  const std::vector<std::string> settings = Settings();
  ASSERT_EQ(settings.size(), 9u);
  EXPECT_EQ(settings[7], "0");
  EXPECT_EQ(settings[8], "5");
}

TEST_F(Replay, ListChoicesReachNewElementsAndTheSettings) {
  // Colour position 11 is "SXF-2", colour 102; line-type position 10 is
  // the first random line, type 11. The point takes the colour as its
  // point colour.
  RunOnAnchors(R"(area 1000 1000
colour 11
linetype 10
mode 2
stroke 200 700 300 700
click 800 700
ok
)");
  EXPECT_EQ(Exchange(), std::string(kAnchorsOut) + "lc102\r\nlt11\r\n" + kLine +
                            "pn102\r\npt 30 -20\r\n");
  const std::vector<std::string> settings = Settings();
  ASSERT_EQ(settings.size(), 9u);
  EXPECT_EQ(settings[4], "11");
  EXPECT_EQ(settings[5], "10");
}

struct BadScript {
  const char *name, *script, *line;
  friend void PrintTo(const BadScript &b, std::ostream *os) { *os << b.name; }
};

class ReplayBadScript : public Replay,
                        public ::testing::WithParamInterface<BadScript> {};

TEST_P(ReplayBadScript, StopsBeforeAnyFileIsTouched) {
  Put("JWC_TEMP.TXT", kAnchors);
  Put("orvik.dat", kSettings);
  const CliResult r = Run(GetParam().script);
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(GetParam().line), std::string::npos) << r.err;
  EXPECT_EQ(Exchange(), kAnchors);
  EXPECT_EQ(Get("orvik.dat"), kSettings);
  std::set<std::string> names;
  for (const auto &entry : fs::directory_iterator(Program()))
    names.insert(entry.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{"JWC_TEMP.TXT", "orvik.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReplayBadScript,
    ::testing::Values(
        BadScript{"Unknown", "area 1000 1000\nmode 2\njump 1 2\nok\n",
                  "line 3:"},
        BadScript{"Malformed", "area 1000 1000\nmode 2\nstroke 1 2 3\nok\n",
                  "line 3:"},
        BadScript{"AfterOk", "area 1000 1000\nok\n\n# done\nmode 2\n",
                  "line 5:"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace orvik::test
