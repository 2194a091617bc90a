#pragma once
// The broken-down local time of a moment, through the system's thread-safe
// call (localtime_r on POSIX systems, localtime_s on Windows).

#include <ctime>

namespace orvik::platform {

std::tm LocalTime(std::time_t moment);

} // namespace orvik::platform
