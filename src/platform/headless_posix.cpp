#include "orvik/platform/headless.h"

namespace orvik::platform {

const char *HeadlessQtPlatform() { return "offscreen"; }

} // namespace orvik::platform
