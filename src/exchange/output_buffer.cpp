#include "orvik/exchange/output_buffer.h"

#include "orvik/util/sjis_text.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

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
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (IsLeadByte(c) && i + 1 < s.size()) {
      if (static_cast<unsigned char>(s[i + 1]) >= 0x20)
        out.append(s.substr(i, 2));
      ++i;
    } else if (c >= 0x20) {
      out.push_back(s[i]);
    }
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
  entries_.clear();
  entries_.shrink_to_fit();
}

void OutputBuffer::Append(std::string_view text, bool joins_next) {
  if (HasControlByte(text)) {
    DropControlBytes(text, scratch_);
    text = scratch_;
  }
  text = CutToBytes(text, kMaxEntryBytes);

  if (blocks_.empty() || kBlockBytes - blocks_.back().used < kEntryRoom)
    blocks_.emplace_back();
  Block &block = blocks_.back();
  const std::uint64_t position =
      (blocks_.size() - 1) * std::uint64_t{kBlockBytes} + block.used;
  char *dst = block.bytes.get() + block.used;
  std::memcpy(dst, text.data(), text.size());
  block.used += text.size();
  if (!joins_next) {
    std::memcpy(block.bytes.get() + block.used, "\r\n", 2);
    block.used += 2;
  }
  entries_.push_back(position << 9 | std::uint64_t{text.size()} << 1 |
                     (joins_next ? 1u : 0u));
}

std::string_view OutputBuffer::Entry(std::size_t i) const {
  const std::uint64_t e = entries_[i];
  const std::uint64_t position = e >> 9;
  const std::size_t length = (e >> 1) & 0xFF;
  const Block &block = blocks_[position / kBlockBytes];
  return {block.bytes.get() + position % kBlockBytes, length};
}

std::string OutputBuffer::FileImage() const {
  std::string image;
  WriteTo([&image](const char *data, std::size_t size) {
    image.append(data, size);
    return true;
  });
  return image;
}

bool FlushExchangeFile(const OutputBuffer &output, const std::string &path) {
  namespace fs = std::filesystem;
  std::random_device random;
  const fs::path target(path);
  fs::path temp = target;
  temp += ".orvik-" + std::to_string(random() & 0xFFFFFF) + ".tmp";

  std::FILE *file = std::fopen(temp.string().c_str(), "wb");
  if (file == nullptr)
    return false;
  bool ok = output.WriteTo([file](const char *data, std::size_t size) {
    return std::fwrite(data, 1, size, file) == size;
  });
  ok = (std::fflush(file) == 0) && ok;
  ok = (std::fclose(file) == 0) && ok;
  std::error_code ec;
  if (ok)
    fs::rename(temp, target, ec);
  if (!ok || ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

} // namespace orvik::exchange
