#pragma once
// Asked during long drawing whether to stop: the window answers from the
// Esc key's state at that moment; the headless tool never stops.

namespace orvik::render {

class AbortCheck {
public:
  virtual ~AbortCheck() = default;
  virtual bool ShouldStop() = 0;
};

} // namespace orvik::render
