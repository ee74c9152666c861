// Fuzz target: the soil tables of the crop model's soil writers ("4M": the 10 km soil grid; "4M100m": soil and grid tables joined in step).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "FuzzTempFile.h"
#include "app/CropModelSoil.h"
#include "platform/rtl/Exceptions.h"

// The first byte chooses the writer: even "4M", whose soil grid is the rest;
// odd "4M100m", whose soil table is the rest up to a 0 byte and whose grid
// table follows it. The files are written into a folder emptied for each input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 1 << 14) return 0;
    const bool cells100m = (data[0] & 1) != 0;
    const std::uint8_t* first = data + 1;
    const std::uint8_t* end = data + size;
    const std::uint8_t* zero = std::find(first, end, 0);
    const std::uint8_t* second = zero == end ? end : zero + 1;
    const auto& folder = fuzz::TempFolder();
    const std::filesystem::path output = folder.Path() / "soil";
    std::error_code ignored;
    std::filesystem::remove_all(output, ignored);
    // The writers take file names only: the input becomes files.
    const std::string table = folder.Write("soil.csv", first, zero - first);
    const std::string gridTable = folder.Write("grid.csv", second, end - second);
    try {
        if (cells100m) {
            app::TCropSoil100mOptions options;
            options.SoilTable = table;
            options.GridTable1 = gridTable;
            options.OutputFolder = output.string() + "/";
            (void)app::MakeCropSoilFiles100m(options);
        } else {
            app::TCropSoil10kmOptions options;
            options.SoilGrid = table;
            options.OutputFolder = output.string() + "/";
            (void)app::MakeCropSoilFiles10km(options);
        }
    } catch (const rtl::Exception&) {
        // a clear error naming the file, line and value: what bad input must give
    }
    // Every file written stays inside the output folder: a name taken from a
    // row never leads anywhere else.
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        if (entry.path() != output && entry.path().filename() != "soil.csv" && entry.path().filename() != "grid.csv")
            __builtin_trap();
    return 0;
}
