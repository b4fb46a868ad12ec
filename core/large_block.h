// Memory for the large arrays of a drawing's read (the file's bytes, the entity tables,
// the coordinate list's cells): tens of megabytes, every page of which is touched. Where
// the system can hand out large pages (Linux), a block of some megabytes asks for them:
// the system then provides and clears a few hundred times fewer pages, which is most of
// the cost of such memory. Smaller blocks, and other systems, take the usual heap.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace vensa {

// At least `bytes` bytes, aligned for any type; std::bad_alloc when there are none.
void* AllocateLargeBlock(std::size_t bytes);
void ReleaseLargeBlock(void* block) noexcept;

// Owns one block.
struct LargeBlockRelease {
  void operator()(void* block) const noexcept { ReleaseLargeBlock(block); }
};
template <typename T>
using LargeBlockPtr = std::unique_ptr<T, LargeBlockRelease>;

// Asks for the memory at `p` ahead of its use: the rows of a long list lie far apart, and
// a look-up some rows ahead is fetched while one is worked on. Only a hint.
inline void PrefetchForWrite(const void* p) {
#if defined(__GNUC__)
  __builtin_prefetch(p, 1);
#else
  (void)p;
#endif
}

// The allocator of standard containers holding such arrays.
template <typename T>
struct LargeBlockAllocator {
  using value_type = T;

  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(AllocateLargeBlock(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t) noexcept { ReleaseLargeBlock(p); }

  template <typename U>
  friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator<U>&) noexcept {
    return true;
  }
};

}  // namespace vensa
