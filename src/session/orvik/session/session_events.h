#pragma once
// What the editing session tells the window: texts to show at once, a
// panel control to bring in line, and work to run once the window is idle.

#include "orvik/exchange/writer.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace orvik::session {

// The exchange file could not be written. After OK the strokes are still
// there and the user may press OK again; when closing, the window goes.
struct HandBackFailure {
  std::filesystem::path path;
  std::error_code error;
  bool after_ok = false;
};

// The message the user reads, UTF-8: what happened and why, and after OK
// what to do.
std::string HandBackMessage(const HandBackFailure &failure);

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
  // The drawing could not be handed back; the user must be told (and
  // acknowledge it) before anything else happens.
  virtual void HandBackFailed(const HandBackFailure &failure) = 0;
  // ShowProgress (from ProgressLabel): the writer's progress, Shift-JIS,
  // in the status line, shown at once.
};

} // namespace orvik::session
