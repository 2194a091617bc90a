#pragma once
// Files as the program must treat them on every platform: a file named by
// the user's folder may be anything (a FIFO, a directory, a device), paths
// may hold characters outside any code page, and a file the host reads
// back must be replaced whole or not at all, even across a power cut.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

namespace orvik::platform {

// Opens `path` for reading in binary mode when it is a regular file (a
// symbolic link to one counts); anything else, or a file that cannot be
// opened, gives null. Never blocks: a FIFO is refused without waiting for
// a writer. Close the result with std::fclose.
std::FILE *OpenRegularFile(const std::filesystem::path &path);

// Hands the new contents to `sink` piece by piece; returns false to stop
// (the sink returning false stops it too).
using Sink = std::function<bool(const char *data, std::size_t size)>;
using Contents = std::function<bool(const Sink &sink)>;

// Replaces the file `target` with `contents`. The bytes go to a temporary
// file in the same folder, which is synced to the disk and then renamed
// over `target` (the folder is synced after it, where the system allows),
// so a crash, a kill, a full disk or a power cut never leaves a half file:
// either the old file or the whole new one is there. On Windows the rename
// is retried for a moment while another program (a virus scanner, the
// host's own watcher) holds the target. On failure the temporary file is
// removed, `target` is left as it was (a directory stays a directory), and
// the error says why; an empty error means success.
//
// Before writing, leftovers of earlier replacements of `target` that no
// running writer holds any more (see RemoveLeftovers) are removed.
std::error_code ReplaceFile(const std::filesystem::path &target,
                            const Contents &contents);

// Removes the temporary files that replacements of `target` left behind
// when they were killed: files in its folder named like this program's
// temporary files for it, which no running writer holds.
void RemoveLeftovers(const std::filesystem::path &target);

// Whether `name` is one of the temporary file names ReplaceFile uses for a
// target named `target_name`.
bool IsLeftoverName(const std::string &name, const std::string &target_name);

} // namespace orvik::platform
