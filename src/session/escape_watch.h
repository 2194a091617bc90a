#pragma once
// The Esc key as long work asks for it: the redraw's abort check and the
// writer's poll, both answered from the key's state at that moment.

#include "orvik/exchange/writer.h"
#include "orvik/render/abort_check.h"
#include "orvik/session/system_services.h"

namespace orvik::session {

class EscapeWatch final : public render::AbortCheck,
                          public exchange::EscapeKey {
public:
  explicit EscapeWatch(SystemServices &services) : services_(services) {}
  bool ShouldStop() override { return services_.IsEscapeHeld(); }
  bool IsHeld() override { return services_.IsEscapeHeld(); }

private:
  SystemServices &services_;
};

} // namespace orvik::session
