#pragma once
// The commands that need Qt: "render" (fonts) and "replay" (the window).
// Outside Windows they live in the module orvik-cli-gui.so, which
// RunGuiCommand loads; on Windows they are linked into orvik-cli.exe.

namespace orvik::cli {

// Runs `argv[1]` ("render" or "replay") with the arguments after it, as
// orvik-cli's main does for the other commands; returns the exit code.
int RunGuiCommand(int argc, char **argv);

} // namespace orvik::cli

// The module's entry point: RunGuiCommand itself.
extern "C" int OrvikCliGuiMain(int argc, char **argv);
