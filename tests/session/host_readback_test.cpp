// OK hands the drawing back so that the host, once it has deleted what it
// handed over (but what the batch file protects) and drawn the result,
// holds the drafter's drawing plus exactly what they drew: nothing lost,
// changed or doubled, every curve object whole. The host is modelled in
// host_model.h; the batch file is the real windows/ORVIK.BAT.

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

  // Runs Orvik on what the host hands over of `full` under `batch`,
  // drawing a line and an arc when `draw`, and OK. Returns how the host's
  // drawing then differs from `full` plus the drawn elements.
  std::vector<std::string> Run(const std::string &full, bool draw,
                               const BatchDirectives &batch) {
    session::EditSession &s = Start(HostHandsOver(full, batch));
    if (draw) {
      s.ChooseMode(session::kLineMode);
      Drag({130, 170}, {610, 420});
      s.ChooseMode(session::kArcMode);
      Drag({600, 500}, {500, 400});
      Drag({450, 450}, {400, 500});
    }
    // The drawn elements as they were before OK: with elements in the
    // selection, OK moves nothing.
    HostDrawing expected = HostReads(full);
    const exchange::DrawingModel &m = s.Model();
    if (draw) {
      const exchange::TJwwEntLine &l = m.Lines[m.Lines.Count() - 1];
      const exchange::TJwwEntArc &a = m.Arcs[m.Arcs.Count() - 1];
      const HostDrawing added = HostReads(
          Attributes(l.Attr) + R(l.X1) + R(l.Y1) + R(l.X2) + R(l.Y2) + "\r\n" +
          Attributes(a.Attr) + "ci" + R(a.X) + R(a.Y) + R(a.Radius) +
          R(a.StartAngle) + R(a.EndAngle) + R(a.Flatness) + R(a.Tilt));
      EXPECT_EQ(added.size(), 2u);
      expected.insert(expected.end(), added.begin(), added.end());
    }
    EXPECT_TRUE(s.Commit());
    return Differences(expected,
                       AfterTransformation(HostReads(full), batch,
                                           ReadBytes(dir_ / "JWC_TEMP.TXT")));
  }
};

TEST_F(HostReadBack, TheBatchFileAsksForEverythingThatCanComeBack) {
  const std::vector<std::string> want = {"jww", "cd", "h1", "hc", "ht1",
                                         "ht2", "zw", "zz", "zc", "1"};
  EXPECT_EQ(batch_.names, want);
}

// The bundled examples, and drawings in the host's form that hold every
// record the batch file asks for several times over: widths, z attributes,
// base points, custom text kinds and fonts, point colours, curves of two
// colours, curve solids, blocks and dimension objects.
TEST_F(HostReadBack, DrawingsComeBackWhole) {
  const std::filesystem::path drawings[] = {
      SourceDir() / "examples" / "JWC_TEMP.TXT",
      SourceDir() / "examples" / "TEXTS.TXT",
      SourceDir() / "tests" / "session" / "host_drawings" / "MIXED1.TXT",
      SourceDir() / "tests" / "session" / "host_drawings" / "MIXED2.TXT"};
  for (const auto &path : drawings)
    for (bool draw : {false, true}) {
      SCOPED_TRACE(path.filename().string() + (draw ? " after drawing" : ""));
      for (const std::string &d : Run(ReadBytes(path), draw, batch_))
        ADD_FAILURE() << d;
    }
}

// Each directive of the batch file is needed: without it the host loses
// or changes something of the drawing.
TEST_F(HostReadBack, EveryDirectiveIsNeeded) {
  const std::string full = ReadBytes(SourceDir() / "tests" / "session" /
                                     "host_drawings" / "MIXED1.TXT");
  for (const char *dropped : {"jww", "ht1", "ht2", "zw", "zz", "zc"}) {
    BatchDirectives batch = batch_;
    std::erase(batch.names, dropped);
    EXPECT_FALSE(Run(full, true, batch).empty()) << dropped;
  }
}

// A selection of blocks alone is a selection: what is drawn is not moved
// by indicated point 1.
TEST_F(HostReadBack, BlocksAloneKeepTheNewElementsInPlace) {
  EXPECT_TRUE(Run("hq\r\nhp1-  100 50\r\nlg0\r\nly0\r\nBL 5 5 \"b\r\n#\r\n",
                  true, batch_)
                  .empty());
}

} // namespace
} // namespace orvik::test
