// Asking the kernel to back a large buffer with huge pages before it is first
// written, so that filling it takes a few page faults instead of one per 4 KB.
#pragma once

#include <cstddef>

namespace rtl {

// Advises the whole 2 MB blocks inside [data, data + bytes) to use huge pages.
// Only worth it for buffers of many megabytes that are about to be filled; a
// smaller buffer, or a system without the advice, is left as it is. The
// buffer's contents and ownership do not change.
void AdviseHugePages(const void* data, std::size_t bytes) noexcept;

}  // namespace rtl
