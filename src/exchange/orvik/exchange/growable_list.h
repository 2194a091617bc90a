#pragma once
// The growable list shared by the element lists, the arrival order and the
// writer: a count plus storage whose capacity is set to count + 999 whenever
// the new count modulo 1000 is 1, so capacity grows in steps of 1000.
//
// Storage is a sequence of fixed blocks of 1000 records, so growing never
// moves existing records (no reallocation spikes on million-element
// drawings) and each block is contiguous for fast walks.

#include <cstddef>
#include <memory>
#include <vector>

namespace orvik::exchange {

template <class T> class GrowableList {
public:
  static constexpr std::size_t kStep = 1000;

  std::size_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  std::size_t Capacity() const { return blocks_.size() * kStep; }

  // Appends a value-initialised record and returns it.
  T &Append() {
    const std::size_t index = count_++;
    if (count_ % kStep == 1)
      blocks_.resize(count_ / kStep + 1);
    T &slot = (*this)[index];
    slot = T{}; // the slot may hold a removed record
    return slot;
  }

  // Lowers the count; the storage stays.
  void RemoveLast() {
    if (count_ > 0)
      --count_;
  }

  // Count 0 and storage released.
  void Clear() {
    count_ = 0;
    blocks_.clear();
    blocks_.shrink_to_fit();
  }

  T &operator[](std::size_t i) { return blocks_[i / kStep].get()[i % kStep]; }
  const T &operator[](std::size_t i) const {
    return blocks_[i / kStep].get()[i % kStep];
  }
  const T &Last() const { return (*this)[count_ - 1]; }
  T &Last() { return (*this)[count_ - 1]; }

private:
  struct Block {
    std::unique_ptr<T[]> records = std::make_unique<T[]>(kStep);
    T *get() const { return records.get(); }
  };

  std::size_t count_ = 0;
  std::vector<Block> blocks_;
};

} // namespace orvik::exchange
