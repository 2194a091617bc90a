#pragma once
// The parts of file_access that differ by platform: one implementation in
// file_access_posix.cpp, one in file_access_windows.cpp.

#include "orvik/platform/file_access.h"

namespace orvik::platform {

std::filesystem::path TemporaryNameFor(const std::filesystem::path &target);

// Writes `contents` into a new temporary file beside `target` (named by
// TemporaryNameFor), syncs it and renames it over `target`; removes the
// temporary file on failure.
std::error_code WriteAndReplace(const std::filesystem::path &target,
                                const Contents &contents);

// Removes `leftover` unless a running writer holds it.
void RemoveIfAbandoned(const std::filesystem::path &leftover);

} // namespace orvik::platform
