#include "orvik/exchange/block_arena.h"

#include "orvik/platform/bulk_memory.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <thread>
#include <utility>

namespace orvik::exchange {
namespace {

constexpr std::size_t kAlignment = 64;
constexpr std::size_t kFirstRegionBytes = 256 << 10;
constexpr std::size_t kLargestRegionBytes = 64 << 20;
// Regions from this size on ask for large pages: a drawing that needs
// them is large enough that a partly used last large page does not count.
constexpr std::size_t kLargePagesFrom = 4 << 20;
// How far ahead of the blocks handed out a large region is populated, in
// steps of one large page: enough to stay ahead of the reader, little
// enough that a drawing's last step wastes no more.
constexpr std::size_t kPopulateAhead = 4 << 20;

} // namespace

// Populates the ranges asked for, in order, on its own thread. Stopping
// drops what is still queued and waits for the range in hand.
class BlockArena::PagePopulator {
public:
  PagePopulator() : thread_([this] { Run(); }) {}
  ~PagePopulator() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
      queue_.clear();
    }
    wake_.notify_one();
    thread_.join();
  }

  void Ask(char *start, std::size_t bytes) {
    {
      std::lock_guard lock(mutex_);
      queue_.emplace_back(start, bytes);
    }
    wake_.notify_one();
  }

private:
  void Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
      if (stop_)
        return;
      const auto [start, bytes] = queue_.front();
      queue_.pop_front();
      lock.unlock();
      platform::PopulatePages(start, bytes);
      lock.lock();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::pair<char *, std::size_t>> queue_;
  bool stop_ = false;
  std::thread thread_; // last: starts once the members above exist
};

BlockArena::BlockArena() = default;

BlockArena::~BlockArena() { Release(); }

void *BlockArena::Allocate(std::size_t bytes) {
  bytes = (bytes + kAlignment - 1) / kAlignment * kAlignment;
  if (regions_.empty() || regions_.back().size - used_ < bytes) {
    // Each region doubles the last, so a growing drawing needs few of them;
    // what the last one cannot hold is left unused (and so never touched).
    std::size_t size = regions_.empty() ? kFirstRegionBytes
                                        : std::min(regions_.back().size * 2,
                                                   kLargestRegionBytes);
    size = std::max(size, bytes);
    const bool large = size >= kLargePagesFrom;
    void *base = platform::AllocatePages(size, large);
    if (base == nullptr)
      throw std::bad_alloc();
    regions_.push_back({static_cast<char *>(base), size, large});
    used_ = 0;
    populated_ = 0;
  }
  void *block = regions_.back().base + used_;
  used_ += bytes;
  if (regions_.back().large)
    PopulateAhead();
  return block;
}

void BlockArena::PopulateAhead() {
  const Region &r = regions_.back();
  const std::size_t goal = std::min(used_ + kPopulateAhead, r.size);
  if (populated_ >= goal)
    return;
  if (!populator_)
    populator_ = std::make_unique<PagePopulator>();
  for (; populated_ < goal; populated_ += platform::kLargePageBytes)
    populator_->Ask(r.base + populated_,
                    std::min(platform::kLargePageBytes, r.size - populated_));
}

void BlockArena::Release() {
  populator_.reset();
  for (const Region &r : regions_)
    platform::FreePages(r.base, r.size);
  regions_.clear();
  regions_.shrink_to_fit();
  used_ = 0;
  populated_ = 0;
}

} // namespace orvik::exchange
