// Fuzz target: .xlsx workbook files (zip archives of XML parts) through the workbook reader.
#include <cstddef>
#include <cstdint>

#include "FuzzTempFile.h"
#include "platform/office/Workbook.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Only zip archives: other bytes go to the system's .xls library, which this target does
    // not cover (under the address sanitizer it reads outside its stack on some mutated files).
    if (size < 2 || size > 1 << 16 || data[0] != 'P' || data[1] != 'K') return 0;
    const std::string file = fuzz::TempFolder().Write("book.xlsx", data, size);
    try {
        const office::TWorkbook book = office::TWorkbook::Open(file);
        for (int i = 0; i < book.Count(); ++i) (void)book.Sheet(i).UsedRangeAddress();
    } catch (const rtl::Exception&) {
        // A bad file is refused with its error; nothing else may happen.
    }
    return 0;
}
