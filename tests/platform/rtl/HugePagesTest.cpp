// Tests of the huge-page advice: it never changes or frees what a buffer holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/rtl/HugePages.h"

namespace {

// Advice over a filled buffer, from unaligned starts and for sizes below,
// at and above two blocks, keeps every byte; a null buffer is ignored.
TEST(HugePages, AdviceKeepsWhatTheBufferHolds)
{
    std::vector<std::uint32_t> values(3 << 20);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<std::uint32_t>(i * 2654435761u);
    const auto* bytes = reinterpret_cast<const char*>(values.data());
    for (std::size_t offset : {std::size_t{0}, std::size_t{3}, std::size_t{4097}})
        for (std::size_t size : {std::size_t{1000}, std::size_t{4} << 20, values.size() * 4 - 4097})
            rtl::AdviseHugePages(bytes + offset, size);
    rtl::AdviseHugePages(nullptr, 1 << 30);
    for (std::size_t i = 0; i < values.size(); ++i)
        ASSERT_EQ(values[i], static_cast<std::uint32_t>(i * 2654435761u)) << i;
}

}  // namespace
