// A folder of its own for a fuzz target whose reader takes a file name: each input is written to a file there.
#include "FuzzTempFile.h"

#include <stdlib.h>

#include <cstdio>
#include <stdexcept>
#include <system_error>

namespace fuzz {

TFuzzTempFolder::TFuzzTempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvek-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder " + pattern);
    FPath = pattern;
}

TFuzzTempFolder::~TFuzzTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

std::string TFuzzTempFolder::Write(const std::string& name, const std::uint8_t* data, std::size_t size) const
{
    const std::string fileName = (FPath / name).string();
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("cannot create " + fileName);
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) throw std::runtime_error("cannot write " + fileName);
    return fileName;
}

const TFuzzTempFolder& TempFolder()
{
    static const TFuzzTempFolder folder;
    return folder;
}

}  // namespace fuzz
