#pragma once
// The bytes of the model's texts (text records' fonts and texts, Shift-JIS,
// at most 255 bytes each), kept together in one pool the model owns.
//
// Why: a text record held two std::string of 32 bytes each, plus a heap
// block for any text longer than 15 bytes, and nearly every text repeats
// the font of the one before. A PooledText is one pointer to a length byte
// followed by the bytes, and repeated texts share their bytes, which
// roughly halves the memory of a drawing's texts.
//
// Ownership: a PooledText stays valid while its model lives and until the
// model is emptied (FreeModel, InitModel); it is copied freely.

#include "orvik/exchange/block_arena.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace orvik::exchange {

class PooledText {
public:
  PooledText() = default; // the empty text

  std::string_view View() const {
    return p_ == nullptr
               ? std::string_view()
               : std::string_view(reinterpret_cast<const char *>(p_ + 1), *p_);
  }
  operator std::string_view() const { return View(); }
  bool empty() const { return p_ == nullptr; }

  friend bool operator==(const PooledText &a, std::string_view b) {
    return a.View() == b;
  }

private:
  friend class TextPool;
  explicit PooledText(const unsigned char *p) : p_(p) {}

  const unsigned char *p_ = nullptr;
};

class TextPool {
public:
  static constexpr std::size_t kMaxBytes = 255;

  explicit TextPool(BlockArena &arena) : arena_(&arena) {}
  TextPool(const TextPool &) = delete;
  TextPool &operator=(const TextPool &) = delete;
  TextPool(TextPool &&) = default;

  // Keeps `bytes`, which the caller has cut to at most kMaxBytes (longer
  // ones lose their end). A text equal to one of the last few kept shares
  // its bytes.
  PooledText Keep(std::string_view bytes);

  // Forgets every text; their bytes go back when the arena is released.
  void Clear();

private:
  static constexpr std::size_t kChunkBytes = 64 << 10;

  PooledText Remember(PooledText text);

  BlockArena *arena_;
  unsigned char *free_ = nullptr;
  std::size_t left_ = 0;
  std::array<PooledText, 4> recent_{};
  std::size_t next_recent_ = 0;
};

} // namespace orvik::exchange
