#pragma once
// The view: which part of the drawing the drawing area shows, and at what
// scale. World coordinates are paper millimetres, y up; pixel coordinates
// are relative to the drawing area's top-left corner, y down.
//
// Invariant after every navigation step: (ViewRight - ViewLeft) * ViewScale
// == ViewWidth and (ViewTop - ViewBottom) * ViewScale == ViewHeight.

#include <cstdint>

namespace orvik::geometry {

struct ViewWindow {
  double Scale = 1.0; // pixels per paper millimetre
  double Left = 0, Bottom = 0, Right = 0, Top = 0;
};

struct ViewState {
  double ViewLeft = 0, ViewBottom = 0, ViewRight = 0, ViewTop = 0;
  double ViewScale = 1.0;
  std::int32_t ViewWidth = 0, ViewHeight = 0;
  ViewWindow PrevView; // the view before the last navigation step

  // Pixel to world, without rounding.
  double WorldX(double px) const { return px / ViewScale + ViewLeft; }
  double WorldY(double py) const { return ViewTop - py / ViewScale; }
  // World to pixel, without rounding; the caller rounds.
  double PixelX(double x) const { return (x - ViewLeft) * ViewScale; }
  double PixelY(double y) const {
    return ViewHeight - (y - ViewBottom) * ViewScale;
  }

  ViewWindow Window() const {
    return {ViewScale, ViewLeft, ViewBottom, ViewRight, ViewTop};
  }
  void SetWindow(const ViewWindow &w) {
    ViewScale = w.Scale;
    ViewLeft = w.Left;
    ViewBottom = w.Bottom;
    ViewRight = w.Right;
    ViewTop = w.Top;
  }
  // PrevView := the current scale and window.
  void SaveView() { PrevView = Window(); }
  // Sets the window as centre +- half the pixel size at `scale`.
  void CentreWindow(double cx, double cy, double scale) {
    ViewScale = scale;
    ViewLeft = cx - (ViewWidth / 2.0) / scale;
    ViewRight = cx + (ViewWidth / 2.0) / scale;
    ViewBottom = cy - (ViewHeight / 2.0) / scale;
    ViewTop = cy + (ViewHeight / 2.0) / scale;
  }
};

} // namespace orvik::geometry
