#pragma once
// Synthetic exchange files for benchmarks, in the layout the host CAD
// writes them (Shift-JIS, CR LF, the head records in the host's order, line
// records with a leading blank), holding every element kind with attribute
// records in between. Two shapes:
// - plain: building plans at 1:100, mostly walls and grid lines at round
//   positions, other elements scattered over the sheets;
// - realistic: floor plans at 1:50, 1:100 and 1:200 in several layer
//   groups, drawn feature by feature (walls, doors, fixtures, dimension
//   chains, hatching, room names), with many more circles, arcs, ellipses,
//   solids and texts and numbers with up to six decimals
//   (realistic_generator.h).
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

enum class Shape { Plain, Realistic };

struct DrawingOptions {
  std::size_t elements = 1'000'000;
  std::uint64_t seed = 1;
  Shape shape = Shape::Plain;
};

// "plain" or "realistic".
std::string_view ShapeName(Shape shape);
// Reads ShapeName's words; false for anything else.
bool ParseShape(std::string_view name, Shape &shape);

// Receives the file in consecutive pieces of about 1 MiB.
using DrawingSink = std::function<void(std::string_view)>;

void GenerateDrawing(const DrawingOptions &options, const DrawingSink &sink);

// The whole file in memory.
std::string GenerateDrawingImage(const DrawingOptions &options);

// Writes the file at `path`, replacing it. Returns false when the file
// cannot be written completely; a partly written file is removed.
bool WriteDrawingFile(const DrawingOptions &options, const std::string &path);

} // namespace orvik::bench
