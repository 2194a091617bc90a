#pragma once
// Cuts a stream of chunks into lines. A line ends at LF; one CR before the
// LF belongs to the line end. A line may span any number of chunks; it is
// handed over as one piece, so lines of any length arrive whole.

#include <cstring>
#include <string>
#include <string_view>

namespace orvik::exchange {

class LineSplitter {
public:
  // Calls on_line(std::string_view) for every line completed by `chunk`.
  template <class OnLine> void Feed(std::string_view chunk, OnLine &&on_line) {
    while (!chunk.empty()) {
      const void *lf = std::memchr(chunk.data(), '\n', chunk.size());
      if (lf == nullptr) {
        carry_.append(chunk);
        return;
      }
      const auto length = static_cast<std::size_t>(
          static_cast<const char *>(lf) - chunk.data());
      if (carry_.empty()) {
        on_line(WithoutCr(chunk.substr(0, length)));
      } else {
        carry_.append(chunk.substr(0, length));
        on_line(WithoutCr(carry_));
        carry_.clear();
      }
      chunk.remove_prefix(length + 1);
    }
  }

  // Hands over the last line when the input did not end with LF.
  template <class OnLine> void Finish(OnLine &&on_line) {
    if (!carry_.empty())
      on_line(WithoutCr(carry_));
    carry_.clear();
  }

private:
  static std::string_view WithoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    return line;
  }

  std::string carry_;
};

} // namespace orvik::exchange
