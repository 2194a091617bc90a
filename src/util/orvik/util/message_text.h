#pragma once
// Input echoed in an error message: a file name or a script line may be
// megabytes long or hold terminal control sequences, and a one-line message
// must stay one short, harmless line.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvik {

// Where a text too long for a message loses its bytes: at its end (a
// script line), or in its middle, so that a path keeps its beginning and
// its file name.
enum class Cut { End, Middle };

// `text` with every control byte (below 0x20, and 0x7F) written as \xNN,
// and "..." for what did not fit into `max_bytes` bytes of `text`. Cuts
// never fall inside a UTF-8 character.
std::string EchoForMessage(std::string_view text, std::size_t max_bytes = 80,
                           Cut cut = Cut::End);

} // namespace orvik
