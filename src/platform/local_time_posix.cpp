#include "orvik/platform/local_time.h"

namespace orvik::platform {

std::tm LocalTime(std::time_t moment) {
  std::tm local{};
  localtime_r(&moment, &local);
  return local;
}

} // namespace orvik::platform
