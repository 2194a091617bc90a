#pragma once
// Storage for the blocks of a model's element lists: carved one after
// another from regions of whole pages, which grow from 256 KiB for a small
// drawing to 64 MiB for a large one, the larger ones in large pages where
// the system offers them (see orvik/platform/bulk_memory.h). A helper
// thread has the system back those larger regions with memory a few MiB
// ahead of the blocks handed out, so that the zeroing of fresh pages runs
// on the second core while the reader parses. A block is never freed
// alone: Release frees them all at once, as loading another drawing does.
//
// Ownership: the drawing model owns one arena; its lists hold blocks of it.

#include <cstddef>
#include <memory>
#include <vector>

namespace orvik::exchange {

class BlockArena {
public:
  BlockArena();
  BlockArena(const BlockArena &) = delete;
  BlockArena &operator=(const BlockArena &) = delete;
  ~BlockArena();

  // Uninitialised room for `bytes`, aligned to 64 bytes, valid until
  // Release. Throws std::bad_alloc when the system refuses memory.
  void *Allocate(std::size_t bytes);

  // Frees every block handed out.
  void Release();

private:
  struct Region {
    char *base;
    std::size_t size;
    bool large;
  };
  class PagePopulator;

  void PopulateAhead();

  std::vector<Region> regions_;
  std::size_t used_ = 0;      // of the newest region
  std::size_t populated_ = 0; // of the newest region, asked for
  std::unique_ptr<PagePopulator>
      populator_; // started with the first large region
};

} // namespace orvik::exchange
