#pragma once
// The view: which part of the drawing the drawing area shows, and at what
// scale. World coordinates are paper millimetres, y up; pixel coordinates
// are relative to the drawing area's top-left corner, y down.
//
// Invariant after every operation that sets the window from a centre
// (CentreWindow, ZoomAbout) or moves it (MoveBy): (ViewRight - ViewLeft) *
// ViewScale == ViewWidth and (ViewTop - ViewBottom) * ViewScale ==
// ViewHeight, up to rounding. SetSize changes the pixel size only: the
// caller sets the window next.

#include <cstdint>

namespace orvik::geometry {

struct ViewWindow {
  double Scale = 1.0; // pixels per paper millimetre
  double Left = 0, Bottom = 0, Right = 0, Top = 0;
};

class ViewState {
public:
  double ViewLeft() const { return left_; }
  double ViewBottom() const { return bottom_; }
  double ViewRight() const { return right_; }
  double ViewTop() const { return top_; }
  double ViewScale() const { return scale_; }
  std::int32_t ViewWidth() const { return width_; }
  std::int32_t ViewHeight() const { return height_; }
  // The view before the last navigation step.
  const ViewWindow &PrevView() const { return prev_; }

  // Pixel to world, without rounding.
  double WorldX(double px) const { return px / scale_ + left_; }
  double WorldY(double py) const { return top_ - py / scale_; }
  // World to pixel, without rounding; the caller rounds.
  double PixelX(double x) const { return (x - left_) * scale_; }
  double PixelY(double y) const { return height_ - (y - bottom_) * scale_; }
  double CentreX() const { return (left_ + right_) / 2; }
  double CentreY() const { return (bottom_ + top_) / 2; }

  ViewWindow Window() const { return {scale_, left_, bottom_, right_, top_}; }
  void SetWindow(const ViewWindow &w) {
    scale_ = w.Scale;
    left_ = w.Left;
    bottom_ = w.Bottom;
    right_ = w.Right;
    top_ = w.Top;
  }
  // PrevView := the current scale and window.
  void SaveView() { prev_ = Window(); }
  // The drawing area's size in pixels.
  void SetSize(std::int32_t width, std::int32_t height) {
    width_ = width;
    height_ = height;
  }
  // Sets the window as centre +- half the pixel size at `scale`.
  void CentreWindow(double cx, double cy, double scale) {
    scale_ = scale;
    left_ = cx - (width_ / 2.0) / scale;
    right_ = cx + (width_ / 2.0) / scale;
    bottom_ = cy - (height_ / 2.0) / scale;
    top_ = cy + (height_ / 2.0) / scale;
  }
  // Moves the window by (dx, dy) millimetres at the same scale.
  void MoveBy(double dx, double dy) {
    left_ += dx;
    right_ += dx;
    bottom_ += dy;
    top_ += dy;
  }
  // Scales by `f` about the world point (wx, wy), which keeps its pixel.
  void ZoomAbout(double wx, double wy, double f) {
    const double cx = CentreX(), cy = CentreY();
    const double half_w = (right_ - left_) / 2 / f;
    const double half_h = (top_ - bottom_) / 2 / f;
    const double ncx = cx + (wx - cx) * (1 - 1 / f);
    const double ncy = cy + (wy - cy) * (1 - 1 / f);
    scale_ *= f;
    left_ = ncx - half_w;
    right_ = ncx + half_w;
    bottom_ = ncy - half_h;
    top_ = ncy + half_h;
  }

private:
  double left_ = 0, bottom_ = 0, right_ = 0, top_ = 0;
  double scale_ = 1.0;
  std::int32_t width_ = 0, height_ = 0;
  ViewWindow prev_;
};

} // namespace orvik::geometry
