#include "orvik/render/drawing_info.h"

#include "orvik/platform/local_time.h"

#include <ctime>

namespace orvik::render {

LocalDateTime SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  const std::tm local = platform::LocalTime(now);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace orvik::render
