// What the exchange cases do not show of writing: Esc during the writer's
// work, its message record, the cut of over-long texts on reading, the
// output buffer's record contract and its spill to a temporary file, and
// the atomic replacement of the exchange file.

#include "exchange_support.h"
#include "scratch_dir.h"

#include "orvik/exchange/host_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

namespace orvik::exchange {
namespace {

namespace fs = std::filesystem;
using test::CrLf;

// Esc is held from the given poll on.
class EscFrom : public EscapeKey {
public:
  explicit EscFrom(int poll) : polls_left_(poll) {}
  bool IsHeld() override { return polls_left_-- <= 0; }

private:
  int polls_left_;
};

// 250 lines from group 2: Esc is asked before elements 0, 100 and 200
// (the session's test checks the progress shown there). Held at the
// first or the third poll, the output so far ("hd" included) goes and
// only the restoring layer group and layer records follow. A message is
// the record "h#" and its text.
TEST(WriteDrawing, StopsOnEscAndEmitsMessages) {
  for (const int poll : {0, 2}) {
    DrawingModel m;
    for (int i = 0; i < 250; ++i)
      m.AddLine(PenAttributes{}, 0, 0, i + 1, 0);
    ResetWriterState(m);
    m.Attr.FirstGroup = 2;
    OutputBuffer out;
    out.EmitLine("hd");
    EscFrom esc(poll);
    WriteDrawing(m, out, nullptr, &esc);
    EXPECT_EQ(out.FileImage(), CrLf({"lg2", "ly0"})) << poll;
  }
  OutputBuffer out;
  EmitMessage(out, kNoPenDrawingMessage);
  EXPECT_EQ(out.FileImage(), std::string("h#") + kNoPenDrawingMessage + "\r\n");
}

// Texts and font names are cut at 255 bytes, never inside a character;
// bytes 254 and 255 of 200 two-byte characters 0x82 0x82 form one.
TEST(ReadExchangeBytes, CutsTextsAndFontsOnACharacter) {
  const std::string wide(400, '\x82');
  const DrawingModel m =
      test::Read("cn\"$" + wide + "\r\nch 0 0 1 0 \"" + wide + "\r\n");
  EXPECT_EQ(m.Texts[0].Text, wide.substr(0, 254));
  EXPECT_EQ(m.Texts[0].FontName, wide.substr(0, 254));
}

// Empty, the buffer is the cancel record "hq". Records end in CR LF, a
// text record's head joins its text; they are cut at 255 bytes, before a
// two-byte character rather than through it; control bytes are dropped,
// with a lead byte whose second byte is one.
TEST(OutputBuffer, RecordsKeepTheirContract) {
  OutputBuffer out;
  EXPECT_EQ(out.FileImage(), "hq\r\n");
  const std::string wide(400, '\x82'); // 200 two-byte characters
  out.EmitLine("hd");
  out.EmitTextRecord("ch 0 0 1 0 \"", "abc\"");
  out.EmitLine(std::string(300, 'a'));
  out.EmitLine(wide);
  out.EmitLine("a" + wide);
  out.EmitLine(std::string("a\rb\nc\0d", 7));
  out.EmitLine(std::string("x\x82\n y", 5));
  EXPECT_EQ(out.FileImage(),
            "hd\r\nch 0 0 1 0 \"abc\"\r\n" + std::string(255, 'a') + "\r\n" +
                wide.substr(0, 254) + "\r\n" + ("a" + wide).substr(0, 255) +
                "\r\nabcd\r\nx y\r\n");
  EXPECT_EQ(out.Count(), 8u);
  out.Clear();
  EXPECT_TRUE(out.Empty());
}

// Eight MiB of records: most go through the temporary file and come back
// whole and in order, also when more follow.
TEST(OutputBuffer, LargeOutputsComeBackWhole) {
  OutputBuffer out;
  std::string expected;
  for (int i = 0; i < 40000; ++i) {
    const std::string record = std::to_string(i) + std::string(190, 'r');
    out.EmitLine(record);
    expected += record + "\r\n";
  }
  EXPECT_TRUE(out.FileImage() == expected);
  out.EmitTextRecord("ch \"", "end");
  EXPECT_TRUE(out.FileImage() == expected + "ch \"end\r\n");
  out.Clear();
  out.EmitLine("hd");
  EXPECT_EQ(out.FileImage(), "hd\r\n");
}

using ExchangeFile = test::ScratchDir;

// The file is replaced whole and no temporary file is left beside it. (A
// failing write keeps the old file whole: the session's hostile
// surroundings test fills the disk.)
TEST_F(ExchangeFile, FlushReplacesItWhole) {
  const std::string file = (dir_ / "JWC_TEMP.TXT").string();
  ASSERT_TRUE(FlushExchangeFile(OutputBuffer{}, file));
  EXPECT_EQ(Get("JWC_TEMP.TXT"), "hq\r\n");
  OutputBuffer out;
  for (int i = 0; i < 100000; ++i)
    out.EmitLine("0 0 1 1");
  ASSERT_TRUE(FlushExchangeFile(out, file));
  EXPECT_EQ(Get("JWC_TEMP.TXT").size(), 900000u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}

} // namespace
} // namespace orvik::exchange
