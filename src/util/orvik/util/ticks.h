#pragma once
// The short pause of the window's drawing modes.

namespace orvik {

// Blocks the calling thread for `ms` milliseconds (nothing for ms <= 0).
// No events are handled meanwhile; input that arrives stays queued for the
// caller's event loop.
void WaitMilliseconds(int ms);

} // namespace orvik
