// A folder of its own for a fuzz target whose reader takes a file name: each input is written to a file there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace fuzz {

// A new folder below the system's temporary folder, removed with everything in
// it when the process ends normally.
class TFuzzTempFolder {
public:
    TFuzzTempFolder();
    ~TFuzzTempFolder();
    TFuzzTempFolder(const TFuzzTempFolder&) = delete;
    TFuzzTempFolder& operator=(const TFuzzTempFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    // Writes the bytes to the file `name` in the folder (replacing it) and
    // returns the file's full name.
    std::string Write(const std::string& name, const std::uint8_t* data, std::size_t size) const;

private:
    std::filesystem::path FPath;
};

// The folder of this process, made at its first use.
const TFuzzTempFolder& TempFolder();

}  // namespace fuzz
