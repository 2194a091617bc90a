#pragma once
// The millisecond tick count and the short pause built on it.

#include <cstdint>

namespace orvik {

// Milliseconds from an arbitrary fixed origin, monotonic.
std::uint64_t TickCount();

// Blocks the calling thread for `ms` milliseconds (nothing for ms <= 0).
// No events are handled meanwhile; input that arrives stays queued for the
// caller's event loop.
void WaitMilliseconds(int ms);

} // namespace orvik
