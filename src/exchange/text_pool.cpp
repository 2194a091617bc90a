#include "orvik/exchange/text_pool.h"

#include <cstring>

namespace orvik::exchange {

PooledText TextPool::Keep(std::string_view bytes) {
  if (bytes.empty())
    return {};
  bytes = bytes.substr(0, kMaxBytes);
  for (const PooledText &t : recent_)
    if (!t.empty() && t.View() == bytes)
      return Remember(t);
  const std::size_t need = bytes.size() + 1;
  if (left_ < need) {
    free_ = static_cast<unsigned char *>(arena_->Allocate(kChunkBytes));
    left_ = kChunkBytes;
  }
  free_[0] = static_cast<unsigned char>(bytes.size());
  std::memcpy(free_ + 1, bytes.data(), bytes.size());
  const PooledText kept(free_);
  free_ += need;
  left_ -= need;
  return Remember(kept);
}

// A text found again becomes the newest of the ring, so a text in use (the
// font of every text record) never ages out however many others come.
PooledText TextPool::Remember(PooledText text) {
  const std::size_t newest =
      (next_recent_ + recent_.size() - 1) % recent_.size();
  if (recent_[newest].View().data() != text.View().data()) {
    recent_[next_recent_] = text;
    next_recent_ = (next_recent_ + 1) % recent_.size();
  }
  return text;
}

void TextPool::Clear() {
  free_ = nullptr;
  left_ = 0;
  recent_.fill(PooledText{});
}

} // namespace orvik::exchange
