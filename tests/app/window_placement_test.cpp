// A restored window stays where the user can take hold of it.

#include "orvik/app/window_placement.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using app::KeepOnScreens;

const QList<QRect> kTwoScreens = {QRect(0, 0, 1920, 1080),
                                  QRect(1920, 0, 1280, 1024)};

TEST(WindowPlacement, VisibleWindowStaysPut) {
  for (const QRect r : {QRect(100, 100, 600, 400), QRect(2000, 50, 600, 400),
                        // straddling both screens
                        QRect(1700, 300, 600, 400),
                        // mostly off the right edge, caption still reachable
                        QRect(3100, 500, 600, 400)})
    EXPECT_EQ(KeepOnScreens(r, kTwoScreens), r);
}

TEST(WindowPlacement, WindowOnAMissingMonitorComesBack) {
  // Saved on a third monitor to the right that is gone.
  const QRect r = KeepOnScreens(QRect(3500, 200, 600, 400), kTwoScreens);
  EXPECT_EQ(r, QRect(3200 - 600, 200, 600, 400));
  // Far above the desktop: onto the nearest screen, at its top.
  EXPECT_EQ(KeepOnScreens(QRect(100, -5000, 600, 400), kTwoScreens),
            QRect(100, 0, 600, 400));
}

TEST(WindowPlacement, OnlyTheCaptionCounts) {
  // The window's body shows at the top of the screen, but its caption lies
  // above the desktop where nobody can take hold of it.
  const QRect r = KeepOnScreens(QRect(100, -300, 600, 400), kTwoScreens);
  EXPECT_EQ(r, QRect(100, 0, 600, 400));
}

TEST(WindowPlacement, TooLargeWindowIsShrunkToTheScreen) {
  const QRect r = KeepOnScreens(QRect(-9000, -9000, 4000, 3000), kTwoScreens);
  EXPECT_EQ(r, QRect(0, 0, 1920, 1080));
  // Its caption is on the first screen: it stays there, the screen's size.
  EXPECT_EQ(KeepOnScreens(QRect(0, 0, 100000, 100000), kTwoScreens),
            QRect(0, 0, 1920, 1080));
  EXPECT_EQ(KeepOnScreens(QRect(2000, 10, 100000, 500), kTwoScreens),
            QRect(2000, 10, 1280, 500));
}

TEST(WindowPlacement, ExtremeSavedValuesDoNotOverflow) {
  const int far = 1 << 24;
  const QRect r = KeepOnScreens(QRect(far, far, far, far), kTwoScreens);
  EXPECT_TRUE(QRect(1920, 0, 1280, 1024).contains(r)) << r.x() << "," << r.y();
}

TEST(WindowPlacement, NoScreensLeavesTheWindowAlone) {
  const QRect r(5, 6, 700, 500);
  EXPECT_EQ(KeepOnScreens(r, {}), r);
}

} // namespace
} // namespace orvik::test
