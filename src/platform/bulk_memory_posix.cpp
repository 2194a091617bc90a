#include "orvik/platform/bulk_memory.h"

#include <sys/mman.h>

#include <cstdint>

namespace orvik::platform {
namespace {

std::size_t RoundUp(std::size_t bytes, std::size_t unit) {
  return (bytes + unit - 1) / unit * unit;
}

} // namespace

// Large-page regions are mapped with one large page of slack and trimmed
// to an aligned start, since only aligned 2 MiB runs can become large
// pages. MADV_HUGEPAGE is a hint: a kernel without it or with large pages
// off returns an error, and the region simply stays ordinary.
void *AllocatePages(std::size_t bytes, bool large_pages) {
  const std::size_t size = RoundUp(bytes, large_pages ? kLargePageBytes : 4096);
  const std::size_t slack = large_pages ? kLargePageBytes : 0;
  void *mapped = mmap(nullptr, size + slack, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED)
    return nullptr;
  if (!large_pages)
    return mapped;
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = RoundUp(start, kLargePageBytes);
  if (aligned > start)
    munmap(mapped, aligned - start);
  if (const std::size_t tail = slack - (aligned - start); tail > 0)
    munmap(reinterpret_cast<void *>(aligned + size), tail);
  void *region = reinterpret_cast<void *>(aligned);
#ifdef MADV_HUGEPAGE
  madvise(region, size, MADV_HUGEPAGE);
#endif
  return region;
}

// MADV_POPULATE_WRITE (Linux 5.14) faults the pages in as a write would,
// without writing; older kernels refuse it, which leaves the pages to be
// faulted in on first use.
void PopulatePages(void *start, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  madvise(start, bytes, MADV_POPULATE_WRITE);
#else
  (void)start;
  (void)bytes;
#endif
}

void FreePages(void *region, std::size_t bytes) {
  if (region != nullptr)
    munmap(region, RoundUp(bytes, 4096));
}

} // namespace orvik::platform
