#pragma once
// Fingers on the drawing area, from the first finger down to the last one
// up, as one gesture over the picture shown when it began: one finger moves
// the picture, two scale it about their centre and move it with it. A
// finger that lifts hands over to the one left, so the picture never
// jumps. Only the first two fingers count; a third is not followed.
//
// The picture shown when the gesture began is shown with each pixel p at
// p * scale + offset. Pixels are those of the drawing area (y down).

#include <array>
#include <cstdint>

namespace orvik::session {

class TouchGesture {
public:
  struct Transform {
    double scale = 1, dx = 0, dy = 0;
    bool Identity() const { return scale == 1 && dx == 0 && dy == 0; }
  };

  // Starts a gesture (forgetting any other) whose scale stays within
  // [least, most]: the zoom limits over the scale at the start.
  void Begin(double least, double most);
  void Reset() { *this = TouchGesture(); }
  // A finger is held.
  bool Active() const { return held_ > 0; }

  // Each returns whether the finger is one the gesture follows.
  bool Down(std::int32_t id, double x, double y);
  bool Move(std::int32_t id, double x, double y);
  bool Up(std::int32_t id, double x, double y);

  const Transform &Current() const { return now_; }
  // Two fingers were down together, never more, and neither went farther
  // than a tap's slop (10 pixels on either axis) from where it came down.
  bool WasTwoFingerTap() const {
    return most_held_ == 2 && !travelled_ && !beyond_two_;
  }

private:
  struct Finger {
    bool held = false;
    std::int32_t id = 0;
    double x0 = 0, y0 = 0; // where it came down
    double x = 0, y = 0;
  };
  Finger *Find(std::int32_t id);
  // The fingers held changed: the current transform is where the moves of
  // the new set start from.
  void Anchor();
  void Follow();
  double CentreX() const;
  double CentreY() const;
  double Spread() const;

  std::array<Finger, 2> fingers_;
  int held_ = 0, most_held_ = 0;
  bool travelled_ = false;
  bool beyond_two_ = false; // a third finger came down meanwhile
  double least_ = 1, most_ = 1;
  Transform now_, anchor_;
  double anchor_cx_ = 0, anchor_cy_ = 0, anchor_spread_ = 0;
};

} // namespace orvik::session
