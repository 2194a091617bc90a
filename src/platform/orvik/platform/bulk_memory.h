#pragma once
// Whole pages from the system for long-lived bulk storage (the drawing
// model's element lists), outside the C++ heap.
//
// Why: a million-element drawing fills some 80 MB within a second, and on
// many systems (virtual machines above all) the first touch of every 4 KiB
// page costs microseconds. Regions asked for with `large_pages` are aligned
// to kLargePageBytes and offered to the system for large pages, so filling
// them takes one fault per 2 MiB where the system agrees (Linux's
// transparent huge pages in "madvise" or "always" mode); elsewhere they are
// ordinary pages. Memory is committed as it is touched, so an untouched
// tail costs address space only.

#include <cstddef>

namespace orvik::platform {

inline constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;

// A zero-filled region of `bytes` (rounded up to whole pages), aligned to
// kLargePageBytes when `large_pages`; null when the system refuses.
void *AllocatePages(std::size_t bytes, bool large_pages);

// Has the system back [start, start + bytes) of a region with memory now,
// leaving what it holds unchanged, so that the first writes there cost no
// page faults. Safe while other threads use the range; a hint only, which
// does nothing where the system cannot do it.
void PopulatePages(void *start, std::size_t bytes);

// Returns a region from AllocatePages; `bytes` as asked for there.
void FreePages(void *region, std::size_t bytes);

} // namespace orvik::platform
