#pragma once
// Keeping a restored window where the user can reach it. The saved
// rectangle may lie on a monitor that is no longer connected, or mostly off
// the desktop after a change of resolution.

#include <QList>
#include <QRect>

namespace orvik::app {

// `window` kept in place when enough of it is visible on one of `screens`
// (their available areas): at least 100 x 40 pixels of its top edge region,
// where the caption is, so the user can take hold of it; it is only shrunk
// to that screen's size if larger (a settings file may hold any size).
// Otherwise it is moved onto the screen nearest to it and shrunk to fit
// there, keeping its size where it fits. No screens: unchanged.
QRect KeepOnScreens(const QRect &window, const QList<QRect> &screens);

} // namespace orvik::app
