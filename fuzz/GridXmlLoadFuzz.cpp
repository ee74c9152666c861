// Fuzz target: bytes as an XML file read into the grid, with and without levels to rows and field names.
#include <cstddef>
#include <cstdint>

#include "fuzz/GridLoadFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 14) return 0;
    const std::string file = gridfuzz::ScratchFile(data, size, ".xml");
    auto g = gridfuzz::FilledGrid();
    g->SetSaveFixedRows(size % 3 == 0);
    gridfuzz::LoadAllOrNothing(*g, [&] { g->LoadFromXML(file, size % 2 == 0, size % 5 < 2); });
    return 0;
}
