// Fuzz target: bytes as a binary cell stream, loaded whole and at a point.
#include <cstddef>
#include <cstdint>

#include "fuzz/GridLoadFuzzSupport.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 16) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    auto whole = gridfuzz::FilledGrid();
    rtl::TStringStream wholeStream(bytes);
    gridfuzz::LoadAllOrNothing(*whole, [&] { whole->LoadFromBinStream(wholeStream); });
    auto atPoint = gridfuzz::FilledGrid();
    rtl::TStringStream pointStream(bytes);
    gridfuzz::LoadAllOrNothing(*atPoint, [&] { atPoint->LoadAtPointFromBinStream(rtl::TPoint{1, 2}, pointStream); });
    return 0;
}
