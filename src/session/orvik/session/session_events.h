#pragma once
// What the editing session tells the window: texts to show at once, a
// panel control to bring in line, and work to run once the window is idle.

#include "orvik/exchange/writer.h"

#include <string_view>

namespace orvik::session {

class SessionEvents : public exchange::ProgressLabel {
public:
  // The status line, UTF-8; shown (repainted) before the call returns,
  // since long work may follow that handles no events.
  virtual void ShowStatus(std::string_view utf8) = 0;
  // The element counter, UTF-8.
  virtual void ShowCounter(std::string_view utf8) = 0;
  // The grid switch changed by itself (typing a spacing switches it off):
  // the check box shows `on` without reporting it back.
  virtual void ShowGridSwitch(bool on) = 0;
  // EditSession::RunIdleWork wants calling once pending input is handled.
  virtual void IdleWorkPending() = 0;
  // ShowProgress (from ProgressLabel): the writer's progress, Shift-JIS,
  // in the status line, shown at once.
};

} // namespace orvik::session
