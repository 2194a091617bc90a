// OK: the whole drawing handed back with the new elements, the writer's
// progress in the status line, and Esc stopping the writer.

#include "window_fixture.h"

namespace orvik::test {
namespace {

class Commit : public WindowTest {
protected:
  // The two points and `lines` host lines inside their extents, with one
  // new line drawn from pixel (300, 300) to (500, 400): world (25, 50) to
  // (45, 40).
  app::TForm1 &OpenAndDraw(int lines) {
    std::string image = TwoPointDrawing();
    for (int i = 0; i < lines; ++i)
      image += "10 10 20 20\r\n";
    WriteFile("JWC_TEMP.TXT", image);
    app::TForm1 &f = Open(QSize(1000, 1000));
    f.ChooseMode(app::kLineMode);
    LeftDrag({300, 300}, {500, 400});
    EXPECT_EQ(f.NewLineCount, 1);
    return f;
  }
};

TEST_F(Commit, OkHandsBackTheWholeDrawing) {
  app::TForm1 &f = OpenAndDraw(1);
  f.PressOk();
  QApplication::processEvents();
  EXPECT_FALSE(f.isVisible());
  // Head, sheet coordinates, the host's points and line, then the new line
  // with the attributes first written for it.
  EXPECT_EQ(ReadFile("JWC_TEMP.TXT"),
            CrLf({"hd", "bz", "lg0", "ly0", "pn1", "pt 0 0", "pt 90 60", "lc1",
                  "lt1", "10 10 20 20", "25 50 45 40"}));
  EXPECT_EQ(f.StatusText(), QString::fromUtf8("ファイル生成中です"));
}

TEST_F(Commit, WriterShowsItsProgressInTheStatusLine) {
  app::TForm1 &f = OpenAndDraw(250);
  QStringList shown;
  services_.on_escape_query = [&] { shown << f.StatusText(); };
  f.PressOk();
  // Before elements 1, 101 and 201 of 253: the next one and the total.
  ASSERT_EQ(shown.size(), 3);
  EXPECT_EQ(shown[0], QString::fromUtf8("処理中(ESC:中断)：1／253"));
  EXPECT_EQ(shown[1], QString::fromUtf8("処理中(ESC:中断)：101／253"));
  EXPECT_EQ(shown[2], QString::fromUtf8("処理中(ESC:中断)：201／253"));
  const std::string file = ReadFile("JWC_TEMP.TXT");
  EXPECT_TRUE(file.ends_with("10 10 20 20\r\n25 50 45 40\r\n"));
}

// The host then finds neither "hd" nor "hq": it adds nothing and only
// sets its current layer to the one it handed over.
TEST_F(Commit, EscDuringWritingHandsBackNoElements) {
  OpenAndDraw(250);
  services_.escape_held = true;
  form_->PressOk();
  QApplication::processEvents();
  EXPECT_EQ(ReadFile("JWC_TEMP.TXT"), "lg0\r\nly0\r\n");
  EXPECT_TRUE(Exists("orvik.dat"));
}

} // namespace
} // namespace orvik::test
