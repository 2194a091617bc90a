#pragma once
// The desktop's system services: the keyboard state from the X server (a
// connection of its own) or from Windows, Qt's beep, and a sleep. Where
// neither keyboard source is available (no display, another windowing
// system) Esc never reads as held, so long work simply runs to its end.

#include "orvik/session/system_services.h"

#include <memory>

namespace orvik::app {

std::unique_ptr<session::SystemServices> MakeDesktopServices();

} // namespace orvik::app
