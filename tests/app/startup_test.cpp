// Opening the window: files beside the program, the settings file's cases,
// the panel's labels and lists, and the first picture.

#include "window_fixture.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace orvik::test {
namespace {

using Startup = WindowTest;

QString U(const char *utf8) { return QString::fromUtf8(utf8); }

// Layer group 0 at 1:100, the other fifteen at 1:1.
constexpr char kScale100[] = "hs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";

TEST_F(Startup, WithoutFilesOpensEmptyWithDefaults) {
  app::TForm1 &f = Open(QSize());
  EXPECT_EQ(f.windowTitle(), "Orvik");
  EXPECT_EQ(f.width(), 475);
  EXPECT_EQ(f.height(), 475);
  EXPECT_EQ(f.ColourItem(), 0);
  EXPECT_EQ(f.LineTypeItem(), 0);
  EXPECT_FALSE(f.GridChecked());
  EXPECT_EQ(f.GridOn, 0);
  EXPECT_EQ(f.SpacingText(), "10");
  EXPECT_EQ(f.StatusText(),
            U("【画面操作】マウス左ドラッグ／ペンでの拡大縮小移動が出来ます"));
  EXPECT_EQ(f.CounterText(), U("線:0　点:0"));
  EXPECT_EQ(f.findChild<QLabel *>("LabelU")->text(), U("実寸mm"));
  EXPECT_EQ(f.LoadedElementCount, 0);
  EXPECT_TRUE(f.Shown);
  // An empty drawing fits the box (-100, -100)-(100, 100).
  EXPECT_FALSE(f.ViewImage.isNull());
  EXPECT_NEAR(f.View().ViewLeft + f.View().ViewRight, 0, 1e-9);
  EXPECT_NEAR(f.View().ViewBottom + f.View().ViewTop, 0, 1e-9);
}

TEST_F(Startup, PanelLayoutAndTexts) {
  app::TForm1 &f = Open(QSize());
  // The panel is 178 wide on the right, the status line 24 high below;
  // the drawing area takes the rest.
  EXPECT_EQ(f.findChild<QWidget *>("Panel2")->geometry(),
            QRect(475 - 178, 0, 178, 475 - 24));
  EXPECT_EQ(f.findChild<QLabel *>("LabelA1")->geometry(),
            QRect(0, 475 - 24, 475, 24));
  EXPECT_EQ(f.DrawingArea().geometry(), QRect(0, 0, 475 - 178, 475 - 24));
  EXPECT_EQ(f.findChild<QPushButton *>("Button1")->text(), U("ＯＫ(&Y)"));
  EXPECT_EQ(f.findChild<QPushButton *>("Button2")->text(), U("キャンセル(&N)"));
  EXPECT_EQ(f.findChild<QLineEdit *>("Edit1")->maxLength(), 8);
  const QString notice = f.findChild<QPlainTextEdit *>("Memo1")->toPlainText();
  EXPECT_TRUE(notice.startsWith(U("◆ブロック図形内のものは\n")));
  EXPECT_TRUE(notice.endsWith(U("　場合があります。\n")));
  EXPECT_EQ(notice.count('\n'), 9);
  EXPECT_EQ(f.minimumSize(), QSize(475, 200));
}

TEST_F(Startup, ListsHoldTheHostsChoices) {
  app::TForm1 &f = Open();
  const auto *colours = f.findChild<QComboBox *>("ComboBox1");
  ASSERT_EQ(colours->count(), 266);
  EXPECT_EQ(colours->itemText(0), U("現在線色"));
  EXPECT_EQ(colours->itemText(1), U("線色1"));
  EXPECT_EQ(colours->itemText(9), U("線色9"));
  EXPECT_EQ(colours->itemText(10), U("SXF-1"));
  EXPECT_EQ(colours->itemText(265), U("SXF-256"));
  const auto *types = f.findChild<QComboBox *>("ComboBox2");
  ASSERT_EQ(types->count(), 51);
  EXPECT_EQ(types->itemText(0), U("現在線種"));
  EXPECT_EQ(types->itemText(9), U("線種9"));
  EXPECT_EQ(types->itemText(10), U("ランダム線1"));
  EXPECT_EQ(types->itemText(18), U("倍長線種4"));
  EXPECT_EQ(types->itemText(19), U("SXF-1"));
  EXPECT_EQ(types->itemText(50), U("SXF-32"));
}

TEST_F(Startup, SmallStoredSizeIsRaisedToTheMinimum) {
  WriteSettings({"10", "20", "300", "100", "0", "0", "0", "0", "10"});
  app::TForm1 &f = Open(QSize());
  EXPECT_EQ(f.size(), QSize(475, 200));
  EXPECT_EQ(f.SavedWidth, 475);
  EXPECT_EQ(f.SavedHeight, 200);
}

TEST_F(Startup, ShortSettingsFileReadsMissingLinesAsZero) {
  WriteSettings({"10", "20"});
  app::TForm1 &f = Open(QSize());
  EXPECT_EQ(f.size(), QSize(475, 200));
  EXPECT_EQ(f.pos(), QPoint(10, 20));
  // Line 9 missing reads as 0; the field shows it, and its change handler
  // raises the spacing to the smallest one.
  EXPECT_EQ(f.SpacingText(), "0");
  EXPECT_DOUBLE_EQ(f.GridSpacing, 1e-5);
}

TEST_F(Startup, MalformedLinesReadAsZero) {
  WriteSettings({"x", "1.5", "600", "400", "abc", "3", "0", "yes", "1,5"});
  app::TForm1 &f = Open(QSize());
  EXPECT_EQ(f.pos(), QPoint(0, 0));
  EXPECT_EQ(f.size(), QSize(600, 400));
  EXPECT_EQ(f.ColourItem(), 0);
  EXPECT_EQ(f.LineTypeItem(), 3);
  EXPECT_FALSE(f.GridChecked());
  EXPECT_EQ(f.SpacingText(), "0");
}

TEST_F(Startup, RealSizeSpacingIsScaledByTheDrawingScale) {
  // Group 0 at 1:100; the file stores paper millimetres.
  WriteFile("JWC_TEMP.TXT", CrLf({"hq", kScale100, "lg0", "0 0 1000 1000"}));
  WriteSettings({"0", "0", "500", "400", "0", "0", "0", "0", "10"});
  app::TForm1 &f = Open();
  EXPECT_EQ(f.SpacingText(), "1000");
  EXPECT_EQ(f.findChild<QLabel *>("LabelU")->text(), U("実寸mm"));
  Close();
  EXPECT_EQ(ReadFile("orvik.dat"),
            CrLf({"0", "0", "500", "400", "0", "0", "0", "0", "10"}));
}

TEST_F(Startup, SheetCoordinatesKeepTheSpacingAndShowPaperUnits) {
  WriteFile("JWC_TEMP.TXT", CrLf({"hq", kScale100, "bz", "0 0 10 10"}));
  WriteSettings({"0", "0", "500", "400", "0", "0", "0", "0", "2.5"});
  app::TForm1 &f = Open();
  EXPECT_EQ(f.SpacingText(), "2.5");
  EXPECT_EQ(f.findChild<QLabel *>("LabelU")->text(), U("図寸mm"));
}

TEST_F(Startup, GridSavedAtOneRunIsInForceAtTheNext) {
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
  {
    app::TForm1 &f = Open();
    f.SetSpacingText("5");
    EXPECT_FALSE(f.GridChecked()); // typing unticks the grid
    f.SetGridChecked(true);
    f.ChooseColour(3);
    f.ChooseLineType(2);
    Close();
  }
  const std::string settings = ReadFile("orvik.dat");
  EXPECT_NE(settings.find("\r\n3\r\n2\r\n0\r\n1\r\n5\r\n"), std::string::npos)
      << settings;
  app::TForm1 &f = Open();
  EXPECT_TRUE(f.GridChecked());
  EXPECT_EQ(f.GridOn, 1);
  EXPECT_EQ(f.SpacingText(), "5");
  EXPECT_DOUBLE_EQ(f.GridSpacing, 5);
  EXPECT_EQ(f.ColourItem(), 3);
  EXPECT_EQ(f.LineTypeItem(), 2);
  // Pen 3 and line type 2 for the next element.
  EXPECT_EQ(f.Model().Attr.CurColour, 3);
  EXPECT_EQ(f.Model().Attr.CurLineType, 2);
}

TEST_F(Startup, IndexOutsideTheListLeavesNoSelection) {
  WriteSettings({"0", "0", "500", "400", "300", "-1", "0", "0", "10"});
  app::TForm1 &f = Open();
  EXPECT_EQ(f.ColourItem(), -1);
  EXPECT_EQ(f.LineTypeItem(), -1);
  EXPECT_EQ(f.ColourIndex, 300);
  // Position 300 lies past SXF-256 (position 265): SXF colour 291.
  EXPECT_EQ(f.Model().Attr.CurColour, 100 + 300 - 9);
}

TEST_F(Startup, WindowSavedOffEveryScreenComesBack) {
  WriteSettings({"-20000", "9000", "600", "400", "0", "0", "0", "0", "10"});
  app::TForm1 &f = Open(QSize());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(f.geometry().topLeft()))
      << f.geometry().x() << "," << f.geometry().y();
  EXPECT_EQ(f.size(), QSize(std::min(600, screen.width()),
                            std::min(400, screen.height())));
}

TEST_F(Startup, HostElementsAreCountedAndNewOnesGetTheFirstLayer) {
  WriteFile("JWC_TEMP.TXT",
            CrLf({"hq", "lgA", "ly5", "lc4", "lt3", "0 0 10 0", "pt 1 1"}));
  app::TForm1 &f = Open();
  EXPECT_EQ(f.LoadedElementCount, 2);
  EXPECT_EQ(f.Model().Attr.CurGroup, 10);
  EXPECT_EQ(f.Model().Attr.CurLayer, 5);
  // List position 0: the host's current colour and line type.
  EXPECT_EQ(f.Model().Attr.CurColour, 4);
  EXPECT_EQ(f.Model().Attr.CurLineType, 3);
}

TEST_F(Startup, FirstPictureShowsTheWholeDrawing) {
  WriteFile("JWC_TEMP.TXT", TwoPointDrawing());
  app::TForm1 &f = Open(QSize(1000, 1000));
  EXPECT_DOUBLE_EQ(f.View().ViewScale, 10);
  EXPECT_DOUBLE_EQ(f.View().ViewLeft, -5);
  EXPECT_DOUBLE_EQ(f.View().ViewTop, 80);
  EXPECT_DOUBLE_EQ(f.View().ViewRight, 95);
  EXPECT_DOUBLE_EQ(f.View().ViewBottom, -20);
  EXPECT_EQ(f.ViewImage.size(), QSize(1000, 1000));
  EXPECT_EQ(f.DrawingArea().Surface(), f.ViewImage);
  // The frame, and the origin cross's centre at pixel (50, 800).
  EXPECT_EQ(f.ViewImage.pixel(0, 500), qRgb(0, 0, 255));
  EXPECT_EQ(f.ViewImage.pixel(50, 800), qRgb(255, 0, 0));
}

} // namespace
} // namespace orvik::test
