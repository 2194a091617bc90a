#include "orvik/exchange/output_buffer.h"

#include "orvik/platform/file_access.h"
#include "orvik/util/sjis_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orvik::exchange {
namespace {

// Room for the longest entry plus its CR LF.
constexpr std::size_t kEntryRoom = OutputBuffer::kMaxEntryBytes + 2;

bool HasControlByte(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) < 0x20)
      return true;
  return false;
}

// Drops control bytes; a two-byte character whose second byte is a control
// byte is broken and dropped whole, so no lead byte is left orphaned.
void DropControlBytes(std::string_view s, std::string &out) {
  out.clear();
  for (std::size_t i = 0, n = 0; i < s.size(); i += n) {
    n = CharLengthAt(s, i);
    // The character's last byte is the one that may be a control byte.
    if (static_cast<unsigned char>(s[i + n - 1]) >= 0x20)
      out.append(s.substr(i, n));
  }
}

} // namespace

void OutputBuffer::EmitLine(std::string_view text) { Append(text, false); }

void OutputBuffer::EmitTextRecord(std::string_view head,
                                  std::string_view text) {
  Append(head, true);
  Append(text, false);
}

void OutputBuffer::Clear() {
  blocks_.clear();
  blocks_.shrink_to_fit();
  spare_.clear();
  spare_.shrink_to_fit();
  memory_bytes_ = 0;
  count_ = 0;
  spill_.reset();
  spilled_bytes_ = 0;
  spill_refused_ = false;
}

char *OutputBuffer::BeginRecord() {
  if (blocks_.empty() ||
      blocks_.back().capacity - blocks_.back().used < kEntryRoom)
    StartBlock();
  Block &block = blocks_.back();
  return block.bytes.get() + block.used;
}

void OutputBuffer::EndRecord(const char *end, bool joins_next) {
  Block &block = blocks_.back();
  char *start = block.bytes.get() + block.used;
  const auto length =
      std::min(static_cast<std::size_t>(end - start), kMaxEntryBytes);
  block.used += length;
  if (!joins_next) {
    std::memcpy(start + length, "\r\n", 2);
    block.used += 2;
  }
  ++count_;
}

void OutputBuffer::Append(std::string_view text, bool joins_next) {
  if (HasControlByte(text)) {
    DropControlBytes(text, scratch_);
    text = scratch_;
  }
  text = CutToBytes(text, kMaxEntryBytes);
  char *start = BeginRecord();
  std::memcpy(start, text.data(), text.size());
  EndRecord(start + text.size(), joins_next);
}

// A new block. Once kMemoryBytes are full they go to the temporary file
// and their memory is used again, so the buffer touches no fresh memory
// after its first MiB.
void OutputBuffer::StartBlock() {
  if (memory_bytes_ >= kMemoryBytes && Spill()) {
    for (Block &b : blocks_) {
      b.used = 0;
      spare_.push_back(std::move(b));
    }
    blocks_.clear();
    memory_bytes_ = 0;
  }
  if (spare_.empty()) {
    const std::size_t size =
        blocks_.empty() ? kFirstBlockBytes
                        : std::min(kBlockBytes, 2 * blocks_.back().capacity);
    blocks_.emplace_back(size);
  } else {
    blocks_.push_back(std::move(spare_.back()));
    spare_.pop_back();
  }
  memory_bytes_ += blocks_.back().capacity;
}

// Appends every block to the temporary file. On any failure the blocks not
// yet written stay in memory and spilling stops for good; what the file
// holds up to spilled_bytes_ stays valid.
bool OutputBuffer::Spill() {
  if (spill_refused_)
    return false;
  if (!spill_) {
    spill_.reset(std::tmpfile());
    if (!spill_) {
      spill_refused_ = true;
      return false;
    }
  }
  std::FILE *file = spill_.get();
  if (std::fseek(file, 0, SEEK_END) != 0) {
    spill_refused_ = true;
    return false;
  }
  std::size_t written = 0;
  for (; written < blocks_.size(); ++written) {
    const Block &b = blocks_[written];
    if (std::fwrite(b.bytes.get(), 1, b.used, file) != b.used)
      break;
    spilled_bytes_ += b.used;
  }
  if (written == blocks_.size())
    return true;
  spill_refused_ = true;
  for (std::size_t i = 0; i < written; ++i)
    memory_bytes_ -= blocks_[i].capacity;
  blocks_.erase(blocks_.begin(),
                blocks_.begin() + static_cast<std::ptrdiff_t>(written));
  return false;
}

bool OutputBuffer::WriteTo(const Sink &sink) const {
  if (count_ == 0)
    return sink("hq\r\n", 4);
  if (spilled_bytes_ > 0) {
    std::FILE *file = spill_.get();
    if (std::fflush(file) != 0 || std::fseek(file, 0, SEEK_SET) != 0)
      return false;
    const std::unique_ptr<char[]> chunk(new char[kBlockBytes]);
    for (std::uint64_t left = spilled_bytes_; left > 0;) {
      const auto want =
          static_cast<std::size_t>(std::min<std::uint64_t>(left, kBlockBytes));
      if (std::fread(chunk.get(), 1, want, file) != want ||
          !sink(chunk.get(), want))
        return false;
      left -= want;
    }
  }
  for (const Block &b : blocks_)
    if (b.used > 0 && !sink(b.bytes.get(), b.used))
      return false;
  return true;
}

std::string OutputBuffer::FileImage() const {
  std::string image;
  WriteTo([&image](const char *data, std::size_t size) {
    image.append(data, size);
    return true;
  });
  return image;
}

bool FlushExchangeFile(const OutputBuffer &output,
                       const std::filesystem::path &path,
                       std::error_code *error) {
  const std::error_code ec =
      platform::ReplaceFile(path, [&output](const platform::Sink &sink) {
        return output.WriteTo(sink);
      });
  if (error != nullptr)
    *error = ec;
  return !ec;
}

} // namespace orvik::exchange
