#pragma once
// The growable list shared by the element lists, the arrival order and the
// writer: a count plus storage whose capacity is set to count + 999 whenever
// the new count modulo 1000 is 1, so capacity grows in steps of 1000.
//
// Storage is a sequence of fixed blocks of 1000 records, so growing never
// moves existing records (no reallocation spikes on million-element
// drawings) and each block is contiguous for fast walks. Blocks are raw
// storage: a record is constructed when it is appended and destroyed when
// it is removed, so no block is filled twice.

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace orvik::exchange {

template <class T> class GrowableList {
public:
  static constexpr std::size_t kStep = 1000;

  GrowableList() = default;
  GrowableList(const GrowableList &) = delete;
  GrowableList &operator=(const GrowableList &) = delete;
  GrowableList(GrowableList &&other) noexcept
      : count_(std::exchange(other.count_, 0)),
        blocks_(std::move(other.blocks_)) {}
  GrowableList &operator=(GrowableList &&other) noexcept {
    if (this != &other) {
      Clear();
      count_ = std::exchange(other.count_, 0);
      blocks_ = std::move(other.blocks_);
    }
    return *this;
  }
  ~GrowableList() { DestroyAll(); }

  std::size_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  std::size_t Capacity() const { return blocks_.size() * kStep; }

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

  // Count 0 and storage released.
  void Clear() {
    DestroyAll();
    blocks_.clear();
    blocks_.shrink_to_fit();
  }

  T &operator[](std::size_t i) { return *Slot(i); }
  const T &operator[](std::size_t i) const { return *Slot(i); }
  T &Last() { return *Slot(count_ - 1); }
  const T &Last() const { return *Slot(count_ - 1); }

private:
  struct Release {
    void operator()(T *p) const { std::allocator<T>().deallocate(p, kStep); }
  };
  using Block = std::unique_ptr<T, Release>;

  T *Slot(std::size_t i) const { return blocks_[i / kStep].get() + i % kStep; }

  // Blocks past the count hold no records, so they can go at any time.
  void SetBlockCount(std::size_t blocks) {
    const std::size_t old = blocks_.size();
    blocks_.resize(blocks);
    for (std::size_t b = old; b < blocks; ++b)
      blocks_[b] = Block(std::allocator<T>().allocate(kStep));
  }

  void DestroyAll() {
    if constexpr (std::is_trivially_destructible_v<T>)
      count_ = 0;
    else
      while (count_ > 0)
        Slot(--count_)->~T();
  }

  std::size_t count_ = 0;
  std::vector<Block> blocks_;
};

} // namespace orvik::exchange
