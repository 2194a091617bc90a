#pragma once
// Synthetic exchange files for benchmarks: building plans at 1:100 in the
// layout the host CAD writes them (Shift-JIS, CR LF, the head records in
// the host's order, line records with a leading blank), holding every
// element kind with attribute records in between.
//
// Contract: the same options give the same bytes on a given platform, and
// reading the result yields exactly `elements` elements, none of which the
// writer skips (no zero lengths, radii or blank texts), except the block
// insertions, which the writer never hands back.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvik::bench {

struct DrawingOptions {
  std::size_t elements = 1'000'000;
  std::uint64_t seed = 1;
};

// Receives the file in consecutive pieces of about 1 MiB.
using DrawingSink = std::function<void(std::string_view)>;

void GenerateDrawing(const DrawingOptions &options, const DrawingSink &sink);

// The whole file in memory.
std::string GenerateDrawingImage(const DrawingOptions &options);

// Writes the file at `path`, replacing it. Returns false when the file
// cannot be written completely; a partly written file is removed.
bool WriteDrawingFile(const DrawingOptions &options, const std::string &path);

} // namespace orvik::bench
