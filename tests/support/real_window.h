#pragma once
// The real program's window on a virtual X display, as the Linux and the
// wine window tests see it from outside: where its client area starts,
// when its drawing has appeared, and which lines a file handed back holds.

#include "x_session.h"

#include <QImage>
#include <QStringList>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace orvik::test {

// The drawing area's blue frame marks the client area's top-left corner
// (a window manager or wine may draw a caption and borders around it).
inline std::optional<QPoint> ClientOrigin(const QImage &shot) {
  for (int y = 0; y < std::min(shot.height(), 80); ++y)
    for (int x = 0; x < std::min(shot.width(), 40); ++x)
      if (shot.pixel(x, y) == qRgb(0, 0, 255) &&
          shot.pixel(x + 1, y) == qRgb(0, 0, 255) &&
          shot.pixel(x, y + 1) == qRgb(0, 0, 255))
        return QPoint(x, y);
  return std::nullopt;
}

// The window's picture once the drawing is on screen: the frame found and
// more than 500 pixels inked inside it. Null when that does not happen in
// `timeout`. A toolkit may replace its first window by another of the same
// name (wine does): `window` then follows the name "Orvik".
inline QImage WaitForPicture(tools::XSession &x, unsigned long &window,
                             std::chrono::seconds timeout) {
  const auto until = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const QImage shot = x.Grab(window);
    if (shot.isNull()) {
      window = x.WaitForWindow("Orvik", std::chrono::milliseconds(0));
      continue;
    }
    const std::optional<QPoint> o = ClientOrigin(shot);
    if (!o)
      continue;
    int inked = 0;
    for (int y = o->y() + 10; y < shot.height() - 40; ++y)
      for (int px = o->x() + 10; px < shot.width() - 190; ++px)
        inked += shot.pixel(px, y) != qRgb(255, 255, 255);
    if (inked > 500)
      return shot;
  }
  return {};
}

// Line records of an exchange file: four numbers, no record name.
inline std::vector<std::vector<double>> LineRecords(const std::string &file) {
  std::vector<std::vector<double>> lines;
  for (const QString &line :
       QString::fromLatin1(file).split("\r\n", Qt::SkipEmptyParts)) {
    const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
    std::vector<double> numbers;
    bool all = fields.size() == 4;
    for (const QString &f : fields) {
      bool ok = false;
      numbers.push_back(f.toDouble(&ok));
      all = all && ok;
    }
    if (all)
      lines.push_back(numbers);
  }
  return lines;
}

} // namespace orvik::test
