#include "orvik/platform/headless.h"

namespace orvik::platform {

const char *HeadlessQtPlatform() { return nullptr; }

} // namespace orvik::platform
