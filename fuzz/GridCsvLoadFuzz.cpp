// Fuzz target: CSV bytes through the grid's CSV reader, with delimiter detection, quoting, multi-line joining and the JavaCSV markers.
#include <cstddef>
#include <cstdint>

#include "fuzz/GridLoadFuzzSupport.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 1 << 14) return 0;
    // The last byte of the file also chooses the settings, so fixtures serve as they are.
    const std::uint8_t flags = data[size - 1];
    auto g = gridfuzz::FilledGrid();
    g->SetDelimiter((flags & 1) != 0 ? std::string(";") : std::string());
    g->SetCSVMultilineCellImport((flags & 2) != 0);
    g->SetJavaCSV((flags & 4) != 0);
    g->SetLoadFirstRow((flags & 8) == 0);
    g->SetSaveHiddenCells((flags & 16) != 0);
    const int maxRows = (flags >> 5) & 3;
    const int ignoreRows = flags >> 7;
    rtl::TStringStream stream(std::string(reinterpret_cast<const char*>(data), size));
    gridfuzz::LoadAllOrNothing(*g, [&] { g->LoadFromCSVStream(stream, maxRows, ignoreRows); });
    return 0;
}
