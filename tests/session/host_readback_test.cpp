// OK hands the drawing back so that the host, once it has deleted what it
// handed over (but what the batch file protects) and drawn the result,
// holds the drafter's drawing plus exactly what they drew: nothing lost,
// changed or doubled, every curve object whole. The host is modelled in
// host_model.h; the batch file is the real windows/ORVIK.BAT.

#include "host_drawing.h"
#include "host_model.h"
#include "session_fixture.h"

#include "file_bytes.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <charconv>

namespace orvik::test {
namespace {

// A value as the exchange file carries it: 15 significant digits.
std::string R(double v) {
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + 32, v, std::chars_format::general, 15);
  return " " + std::string(buffer, end.ptr);
}

std::string Hex(int digit) {
  return std::string(1, "0123456789ABCDEF"[digit & 15]);
}

// A file that draws `a`'s attributes; the host reads them for the next
// element.
std::string Attributes(const exchange::TJwwEntAttr &a) {
  return "lg" + Hex(a.Group) + "\r\nly" + Hex(a.Layer) + "\r\nlc" +
         std::to_string(a.Colour) + "\r\nlt" + std::to_string(a.LineType) +
         "\r\nlw" + std::to_string(a.LineWidth) + "\r\n";
}

class HostReadBack : public SessionTest {
protected:
  const BatchDirectives batch_ =
      ReadBatchDirectives(ReadBytes(SourceDir() / "windows" / "ORVIK.BAT"));

  // Runs Orvik on what the host hands over of `full`, drawing a line and
  // an arc when `draw`, and OK. Returns what the host then holds; `added`
  // gets the user's elements as the host reads them.
  HostDrawing RunOk(const std::string &full, bool draw, HostDrawing &added,
                    const BatchDirectives &batch) {
    session::EditSession &s = Start(HostHandsOver(full, batch));
    if (draw) {
      s.ChooseMode(session::kLineMode);
      Drag({130, 170}, {610, 420});
      s.ChooseMode(session::kArcMode);
      Drag({600, 500}, {500, 400});
      Drag({450, 450}, {400, 500});
    }
    EXPECT_TRUE(s.Commit());
    const exchange::DrawingModel &m = s.Model();
    if (draw) {
      const exchange::TJwwEntLine &l = m.Lines[m.Lines.Count() - 1];
      const exchange::TJwwEntArc &a = m.Arcs[m.Arcs.Count() - 1];
      added = HostReads(Attributes(l.Attr) + R(l.X1) + R(l.Y1) + R(l.X2) +
                        R(l.Y2) + "\r\n" + Attributes(a.Attr) + "ci" + R(a.X) +
                        R(a.Y) + R(a.Radius) + R(a.StartAngle) + R(a.EndAngle) +
                        R(a.Flatness) + R(a.Tilt) + "\r\n");
    }
    return AfterTransformation(HostReads(full), batch,
                               ReadBytes(dir_ / "JWC_TEMP.TXT"));
  }

  // The host's drawing after OK equals the drafter's plus what was drawn.
  void ExpectLossless(const std::string &full, bool draw) {
    HostDrawing added;
    const HostDrawing after = RunOk(full, draw, added, batch_);
    HostDrawing expected = HostReads(full);
    ASSERT_EQ(added.size(), draw ? 2u : 0u);
    expected.insert(expected.end(), added.begin(), added.end());
    for (const std::string &d : Differences(expected, after))
      ADD_FAILURE() << d;
  }
};

TEST_F(HostReadBack, TheBatchFileAsksForEverythingThatCanComeBack) {
  const std::vector<std::string> want = {"jww", "cd", "h1", "hc", "ht1",
                                         "ht2", "zw", "zz", "zc", "1"};
  EXPECT_EQ(batch_.names, want);
}

TEST_F(HostReadBack, BundledExamplesComeBackWhole) {
  for (const char *name : {"JWC_TEMP.TXT", "TEXTS.TXT"})
    for (bool draw : {false, true}) {
      SCOPED_TRACE(std::string(name) + (draw ? " after drawing" : ""));
      ExpectLossless(ReadBytes(SourceDir() / "examples" / name), draw);
    }
}

TEST_F(HostReadBack, GeneratedDrawingsComeBackWhole) {
  for (unsigned seed : {1u, 2u, 3u})
    for (bool draw : {false, true}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + (draw ? " drawn" : ""));
      ExpectLossless(HostDrawingMaker(seed).Make(60), draw);
    }
}

// Each directive of the batch file is needed: without it the host loses
// or changes something of the generated drawing.
TEST_F(HostReadBack, EveryDirectiveIsNeeded) {
  const std::string full = HostDrawingMaker(4).Make(45);
  for (const char *dropped : {"jww", "ht1", "ht2", "zw", "zz", "zc"}) {
    BatchDirectives batch = batch_;
    std::erase(batch.names, dropped);
    HostDrawing added;
    const HostDrawing after = RunOk(full, true, added, batch);
    HostDrawing expected = HostReads(full);
    expected.insert(expected.end(), added.begin(), added.end());
    EXPECT_FALSE(Differences(expected, after).empty()) << dropped;
  }
}

// A selection of blocks alone is a selection: the new line stays where it
// was drawn, not moved by indicated point 1.
TEST_F(HostReadBack, BlocksAloneKeepTheNewElementsInPlace) {
  const std::string full =
      "hq\r\nhp1-  100 50\r\nlg0\r\nly0\r\nBL 5 5 \"b\r\n#\r\n";
  session::EditSession &s = Start(HostHandsOver(full, batch_));
  s.ChooseMode(session::kLineMode);
  Drag({130, 170}, {610, 420});
  const exchange::TJwwEntLine drawn = s.Model().Lines[0];
  ASSERT_TRUE(s.Commit());
  const HostDrawing after = AfterTransformation(
      HostReads(full), batch_, ReadBytes(dir_ / "JWC_TEMP.TXT"));
  HostDrawing expected = HostReads(full);
  const HostDrawing line = HostReads(Attributes(drawn.Attr) + R(drawn.X1) +
                                     R(drawn.Y1) + R(drawn.X2) + R(drawn.Y2));
  expected.insert(expected.end(), line.begin(), line.end());
  EXPECT_TRUE(Differences(expected, after).empty());
}

} // namespace
} // namespace orvik::test
