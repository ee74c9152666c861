// Fuzz target: output list files ("outputs.txt") through the reader the main window runs at start.
#include <cstddef>
#include <cstdint>

#include "FuzzTempFile.h"
#include "app/OutputLists.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 16) return 0;
    // The reader takes a file name only: the input becomes a file.
    const std::string fileName = fuzz::TempFolder().Write("outputs.txt", data, size);
    app::TOutputLists lists = app::DefaultOutputLists();
    try {
        app::ReadOutputsFile(fileName, lists);
    } catch (const rtl::Exception&) {
        return 0;  // a clear error naming the file: what bad input must give
    }
    // Every item is a line of the file: none is empty and none is a marker line.
    for (const auto* items : {&lists.Daily, &lists.Annual})
        for (const std::string& item : *items)
            if (item.empty() || item.find("OUTPUTS") != std::string::npos) __builtin_trap();
    return 0;
}
