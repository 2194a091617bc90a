#pragma once
// The growable list of the element lists and the arrival order: a count plus
// storage whose capacity is set to count + 999 whenever the new count modulo
// 1000 is 1, so capacity grows in steps of 1000.
//
// Storage is a sequence of fixed blocks of 1000 records, so growing never
// moves existing records (no reallocation spikes on million-element
// drawings) and each block is contiguous for fast walks. Blocks are raw
// storage from a BlockArena: a record is constructed when it is appended
// and destroyed when it is removed, so no block is filled twice. The arena
// outlives the list and takes the blocks back when it is released.

#include "orvik/exchange/block_arena.h"

#include <cassert>
#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace orvik::exchange {

template <class T> class GrowableList {
public:
  static constexpr std::size_t kStep = 1000;

  explicit GrowableList(BlockArena &arena) : arena_(&arena) {}
  GrowableList(const GrowableList &) = delete;
  GrowableList &operator=(const GrowableList &) = delete;
  GrowableList(GrowableList &&other) noexcept
      : arena_(other.arena_), count_(std::exchange(other.count_, 0)),
        blocks_(std::move(other.blocks_)) {}
  GrowableList &operator=(GrowableList &&) = delete;
  ~GrowableList() { DestroyAll(); }

  std::size_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }

  // Appends a value-initialised record and returns it.
  T &Append() {
    const std::size_t index = count_;
    if ((index + 1) % kStep == 1)
      SetBlockCount((index + 1) / kStep + 1);
    T *slot = Slot(index);
    ::new (static_cast<void *>(slot)) T();
    count_ = index + 1;
    return *slot;
  }

  // Lowers the count; the storage stays.
  void RemoveLast() {
    if (count_ > 0)
      Slot(--count_)->~T();
  }

  // Count 0 and no storage; the blocks go back when the arena is released.
  void Clear() {
    DestroyAll();
    blocks_.clear();
    blocks_.shrink_to_fit();
  }

  // `i` below Count(); debug and sanitizer builds stop on any other, which
  // would read a record of another list or none at all.
  T &operator[](std::size_t i) {
    assert(i < count_);
    return *Slot(i);
  }
  const T &operator[](std::size_t i) const {
    assert(i < count_);
    return *Slot(i);
  }
  const T &First() const { return (*this)[0]; }
  T &Last() { return (*this)[count_ - 1]; }
  const T &Last() const { return (*this)[count_ - 1]; }

private:
  static_assert(alignof(T) <= 64, "arena blocks are aligned to 64 bytes");

  T *Slot(std::size_t i) const { return blocks_[i / kStep] + i % kStep; }

  // Blocks past the count hold no records; a list that shrinks keeps them.
  void SetBlockCount(std::size_t blocks) {
    while (blocks_.size() < blocks)
      blocks_.push_back(static_cast<T *>(arena_->Allocate(kStep * sizeof(T))));
  }

  void DestroyAll() {
    if constexpr (std::is_trivially_destructible_v<T>)
      count_ = 0;
    else
      while (count_ > 0)
        Slot(--count_)->~T();
  }

  BlockArena *arena_;
  std::size_t count_ = 0;
  std::vector<T *> blocks_;
};

} // namespace orvik::exchange
