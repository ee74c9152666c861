// Asking the kernel to back a large buffer with huge pages.
#include "platform/rtl/HugePages.h"

#include <cstdint>
#include <sys/mman.h>

namespace rtl {

void AdviseHugePages(const void* data, std::size_t bytes) noexcept
{
    constexpr std::uintptr_t Block = std::uintptr_t{2} << 20;
    if (data == nullptr || bytes < 2 * Block) return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + Block - 1) & ~(Block - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(Block - 1);
    if (end <= begin) return;
#ifdef MADV_HUGEPAGE
    // A refusal (no transparent huge pages here) only means ordinary pages.
    (void)::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

}  // namespace rtl
