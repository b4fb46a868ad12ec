#include "core/large_block.h"

#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace vensa {

namespace {

#ifdef __linux__
constexpr std::size_t kLargePage = std::size_t{2} << 20;
#endif

}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
#ifdef __linux__
  if (bytes >= 2 * kLargePage) {
    const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    void* block = nullptr;
    if (rounded < bytes || posix_memalign(&block, kLargePage, rounded) != 0) {
      throw std::bad_alloc();
    }
    madvise(block, rounded, MADV_HUGEPAGE);  // a hint: without large pages all works alike
    return block;
  }
#endif
  void* block = std::malloc(bytes == 0 ? 1 : bytes);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void ReleaseLargeBlock(void* block) noexcept {
  std::free(block);
}

}  // namespace vensa
