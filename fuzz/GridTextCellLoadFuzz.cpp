// Fuzz target: bytes as a text cell file and as a text cell stream read into the grid.
#include <cstddef>
#include <cstdint>

#include "fuzz/GridLoadFuzzSupport.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 14) return 0;
    const std::string file = gridfuzz::ScratchFile(data, size, ".txt");
    auto g = gridfuzz::FilledGrid();
    g->SetMultilinecells(size % 2 == 0);
    gridfuzz::LoadAllOrNothing(*g, [&] { g->LoadFromFile(file); });
    auto s = gridfuzz::FilledGrid();
    rtl::TStringStream stream(std::string(reinterpret_cast<const char*>(data), size));
    gridfuzz::LoadAllOrNothing(*s, [&] { s->LoadFromStream(stream); });
    return 0;
}
