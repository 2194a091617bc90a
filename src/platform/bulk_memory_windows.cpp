#include "orvik/platform/bulk_memory.h"

#include <windows.h>

namespace orvik::platform {

// Windows gives large pages only to holders of the "lock pages in memory"
// privilege, which a drafter's account does not have; its own page faults
// are cheap enough. Regions are therefore ordinary committed pages, which
// the system backs with memory only as they are touched.
void *AllocatePages(std::size_t bytes, bool) {
  return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void PopulatePages(void *, std::size_t) {}

void FreePages(void *region, std::size_t) {
  if (region != nullptr)
    VirtualFree(region, 0, MEM_RELEASE);
}

} // namespace orvik::platform
