#pragma once
// The arrival order of all elements, `EntOrder`: one entry per element,
// its kind and its index in that kind's list, in the order the elements
// came.
//
// An element's index is always the number of earlier elements of its kind,
// since every list only grows at its end and shrinks from it in step with
// this order. So only the kind is stored, one byte per element, and the
// indices are counted as the order is walked: a million-element drawing
// keeps 1 MB here instead of 8.

#include "orvik/exchange/elements.h"
#include "orvik/exchange/growable_list.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvik::exchange {

class ArrivalOrder {
public:
  explicit ArrivalOrder(BlockArena &arena) : kinds_(arena) {}

  std::size_t Count() const { return kinds_.Count(); }
  bool Empty() const { return kinds_.Empty(); }

  // Appends an element of `kind` (1..15), which its list is about to get.
  void Append(EntKind kind) {
    const std::size_t slot = Slot(kind);
    kinds_.Append() = static_cast<std::uint8_t>(slot);
    ++counts_[slot];
  }
  // Takes back the newest entry; nothing when there is none.
  void RemoveLast() {
    if (Empty())
      return;
    --counts_[kinds_.Last()];
    kinds_.RemoveLast();
  }
  // The newest entry; the order must not be empty.
  TJwwEntOrder Last() const {
    const std::uint8_t kind = kinds_.Last();
    return {static_cast<EntKind>(kind),
            static_cast<std::int32_t>(counts_[kind] - 1)};
  }
  // Forgets every entry.
  void Clear() {
    kinds_.Clear();
    counts_.fill(0);
  }

  // Walks the order from its first entry.
  class Walk {
  public:
    explicit Walk(const ArrivalOrder &order) : order_(order) {}
    // The next entry; only while fewer than Count() were taken.
    TJwwEntOrder Next() {
      const std::uint8_t kind = order_.kinds_[taken_++];
      return {static_cast<EntKind>(kind),
              static_cast<std::int32_t>(seen_[kind]++)};
    }

  private:
    const ArrivalOrder &order_;
    std::size_t taken_ = 0;
    std::array<std::size_t, 16> seen_{};
  };

private:
  static std::size_t Slot(EntKind kind) {
    return static_cast<std::size_t>(kind) & 15;
  }

  GrowableList<std::uint8_t> kinds_;
  std::array<std::size_t, 16> counts_{};
};

} // namespace orvik::exchange
