#pragma once
// The writer's output: the records that closing the window writes into the
// exchange file, in order.
//
// Contract for every record: at most 255 bytes, cut before a two-byte
// character rather than through it, and free of control bytes (below
// 0x20), so no record can break or split a line of the file. A text record
// is its head and its text, written as one line.
//
// Memory stays flat however large the drawing: past 1 MiB, finished
// blocks of the file image move to an anonymous temporary file (deleted by
// the system when the buffer goes, even after a crash). Should the system
// refuse that file, the buffer simply keeps everything in memory.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace orvik::exchange {

class OutputBuffer {
public:
  static constexpr std::size_t kMaxEntryBytes = 255;

  OutputBuffer() = default;
  OutputBuffer(const OutputBuffer &) = delete;
  OutputBuffer &operator=(const OutputBuffer &) = delete;
  OutputBuffer(OutputBuffer &&) = default;
  OutputBuffer &operator=(OutputBuffer &&) = default;

  // Appends one record that is a line of its own.
  void EmitLine(std::string_view text);
  // Appends a text record: `head` (key, numbers and the opening quote)
  // and `text`, which the file gets on one line.
  void EmitTextRecord(std::string_view head, std::string_view text);
  // Forgets every record.
  void Clear();

  // A record written in place, for records built from numbers and fixed
  // keys: Begin returns room for kMaxEntryBytes, End closes the record at
  // `end`, as a line of its own or, with joins_next, as a text head that
  // the next record continues. The caller guarantees printable ASCII only;
  // texts and names go through EmitLine, which checks them.
  char *BeginRecord();
  void EndRecord(const char *end, bool joins_next);

  // Number of entries (a text record counts its head and its text).
  std::size_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }

  // The bytes of the exchange file: each record followed by CR LF, or the
  // single record "hq" when the buffer is empty.
  std::string FileImage() const;
  // Hands the file image to `sink(data, size)` piece by piece; stops and
  // returns false as soon as sink does, or when the temporary file cannot
  // be read back.
  using Sink = std::function<bool(const char *data, std::size_t size)>;
  bool WriteTo(const Sink &sink) const;

private:
  // Blocks start small, so a small drawing needs little memory, and double
  // up to kBlockBytes; once kMemoryBytes are in memory, they are spilled.
  static constexpr std::size_t kFirstBlockBytes = 16 << 10;
  static constexpr std::size_t kBlockBytes = 256 << 10;
  static constexpr std::size_t kMemoryBytes = 1 << 20;

  struct Block {
    explicit Block(std::size_t size) : bytes(new char[size]), capacity(size) {}
    std::unique_ptr<char[]> bytes; // not zeroed
    std::size_t capacity;
    std::size_t used = 0;
  };
  struct CloseFile {
    void operator()(std::FILE *f) const { std::fclose(f); }
  };

  void Append(std::string_view text, bool joins_next);
  void StartBlock();
  bool Spill();

  std::vector<Block> blocks_;    // the image after what was spilled
  std::vector<Block> spare_;     // spilled blocks, to be filled again
  std::size_t memory_bytes_ = 0; // capacity of the blocks in blocks_
  std::size_t count_ = 0;
  // Spilled image, and how many bytes of it are good. Its read position is
  // not part of the buffer's value, hence usable from const members.
  std::unique_ptr<std::FILE, CloseFile> spill_;
  std::uint64_t spilled_bytes_ = 0;
  bool spill_refused_ = false;
  std::string scratch_;
};

// Rewrites the exchange file at `path` with the buffer's file image. The
// bytes go to a temporary file in the same folder, which is synced to the
// disk and then renamed over `path`, so a crash, a kill, a full disk or a
// power cut never leaves a half-written exchange file: either the old file
// or the whole new one is there. Leftovers of killed writes are removed
// first. On failure the temporary file is removed, the old file stays
// untouched, false is returned and `error` (when given) says why.
bool FlushExchangeFile(const OutputBuffer &output,
                       const std::filesystem::path &path,
                       std::error_code *error = nullptr);

} // namespace orvik::exchange
