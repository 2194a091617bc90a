// Closing the window: Cancel, the close box and Alt+N hand "hq" back; OK
// with nothing drawn hands back the message; the settings are saved in
// every case.

#include "window_fixture.h"

#include <QPushButton>

namespace orvik::test {
namespace {

using Shutdown = WindowTest;

// "h#" and ペン作図は行いませんでした。 ("no pen drawing was done").
const std::string kNothingDrawn =
    "h#\x83\x79\x83\x93\x8D\xEC\x90\x7D\x82\xCD\x8D\x73\x82\xA2\x82\xDC\x82\xB9"
    "\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42\r\n";

TEST_F(Shutdown, CancelWritesHqAndSavesTheSettings) {
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
  app::TForm1 &f = Open();
  f.ChooseColour(2);
  f.PressCancel();
  QApplication::processEvents();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(ReadFile("JWC_TEMP.TXT"), "hq\r\n");
  const std::string settings = ReadFile("orvik.dat");
  EXPECT_NE(settings.find("\r\n2\r\n0\r\n0\r\n0\r\n10\r\n"), std::string::npos)
      << settings;
}

TEST_F(Shutdown, CloseBoxWritesHq) {
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
  Open();
  Close();
  EXPECT_EQ(ReadFile("JWC_TEMP.TXT"), "hq\r\n");
  EXPECT_TRUE(Exists("orvik.dat"));
}

TEST_F(Shutdown, EnterPressesNeitherButton) {
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
  app::TForm1 &f = Open();
  f.findChild<QPushButton *>("Button1")->setFocus();
  QTest::keyClick(f.findChild<QPushButton *>("Button1"), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(f.isVisible());
}

TEST_F(Shutdown, OkWithNothingDrawnWritesTheMessageOnly) {
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
  app::TForm1 &f = Open();
  f.PressOk();
  QApplication::processEvents();
  EXPECT_EQ(ReadFile("JWC_TEMP.TXT"), kNothingDrawn);
  EXPECT_TRUE(Exists("orvik.dat"));
}

TEST_F(Shutdown, MissingExchangeFileStillOpensAndHandsBackHq) {
  app::TForm1 &f = Open();
  EXPECT_EQ(f.Model().ElementCount(), 0u);
  Close();
  EXPECT_EQ(ReadFile("JWC_TEMP.TXT"), "hq\r\n");
}

TEST_F(Shutdown, ClosingTwiceWritesOnce) {
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
  app::TForm1 &f = Open();
  f.PressOk();
  QApplication::processEvents();
  // The host may read and replace the file once the window is gone; a
  // second close must not write it again.
  WriteFile("JWC_TEMP.TXT", "taken back");
  f.close();
  f.PressOk();
  QApplication::processEvents();
  EXPECT_EQ(ReadFile("JWC_TEMP.TXT"), "taken back");
}

TEST_F(Shutdown, EmptySpacingFieldIsSavedAsTheSmallestSpacing) {
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing()); // sheet coordinates
  app::TForm1 &f = Open();
  f.SetSpacingText("");
  Close();
  const std::string settings = ReadFile("orvik.dat");
  EXPECT_TRUE(settings.ends_with("\r\n0\r\n1E-5\r\n")) << settings;
}

} // namespace
} // namespace orvik::test
