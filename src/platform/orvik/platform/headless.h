#pragma once
// The Qt platform plugin for runs without a screen (the headless tool, the
// tests) where the caller chose none.

namespace orvik::platform {

// "offscreen" where Qt has it; null on Windows, whose static Qt has no
// offscreen plugin: the system's own plugin then serves, and the tool
// never shows its windows on the screen.
const char *HeadlessQtPlatform();

} // namespace orvik::platform
