#pragma once
// The writer's output: the records that closing the window writes into the
// exchange file, one entry per record, in order.
//
// Contract for every entry: at most 255 bytes, cut before a two-byte
// character rather than through it, and free of control bytes (below
// 0x20), so no entry can break or split a line of the file. A text record
// is two entries, its head and its text, written as one line.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::exchange {

class OutputBuffer {
public:
  static constexpr std::size_t kMaxEntryBytes = 255;

  // Appends one record that is a line of its own.
  void EmitLine(std::string_view text);
  // Appends a text record: `head` (key, numbers and the opening quote)
  // and `text`, which the file gets on one line.
  void EmitTextRecord(std::string_view head, std::string_view text);
  // Forgets every entry.
  void Clear();

  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  // Entry i without its line end.
  std::string_view Entry(std::size_t i) const;
  // True when entry i is a text head, continued by the next entry.
  bool JoinsNext(std::size_t i) const { return (entries_[i] & 1u) != 0; }

  // The bytes of the exchange file: each record followed by CR LF, or the
  // single record "hq" when the buffer is empty.
  std::string FileImage() const;
  // Writes FileImage() to `sink(data, size)` without building it in one
  // piece; stops and returns false as soon as sink does.
  template <class Sink> bool WriteTo(Sink &&sink) const {
    if (entries_.empty())
      return sink("hq\r\n", 4);
    for (const Block &b : blocks_)
      if (b.used > 0 && !sink(b.bytes.get(), b.used))
        return false;
    return true;
  }

private:
  static constexpr std::size_t kBlockBytes = 1 << 20;

  struct Block {
    std::unique_ptr<char[]> bytes = std::make_unique<char[]>(kBlockBytes);
    std::size_t used = 0;
  };

  void Append(std::string_view text, bool joins_next);

  std::vector<Block> blocks_;
  // Per entry: (position << 9) | (length << 1) | joins_next, where position
  // counts bytes across blocks of kBlockBytes. An entry never spans blocks.
  std::vector<std::uint64_t> entries_;
  std::string scratch_;
};

// Rewrites the exchange file at `path` with the buffer's file image. The
// bytes go to a temporary file in the same folder, which is flushed and
// then renamed over `path`, so a crash, a kill or a full disk never leaves
// a half-written exchange file: either the old file or the whole new one
// is there. On failure the temporary file is removed, the old file stays
// untouched, and false is returned; nothing is reported.
bool FlushExchangeFile(const OutputBuffer &output, const std::string &path);

} // namespace orvik::exchange
