// The whole-process floor for writing the 1104 run-control files of the 10 km grid: a plain
// C++ program that writes the same bytes with fopen/fwrite, to be timed as a process beside
// `tolvek-drive --dir DIR click Button41`.
//
//   bench_IniFilesFloor --pack REFERENCE_DIR PACK_FILE
//       packs every file under REFERENCE_DIR (a folder the workbench wrote) into one file;
//   bench_IniFilesFloor PACK_FILE DIR
//       loads the pack and writes its files under DIR, each the way the workbench writes
//       it: to a hidden temporary file in the same folder, closed, then renamed over the
//       final name.
//
// The pack holds, for each file, its path relative to the reference folder on one line,
// its size in bytes on the next, then the bytes.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A file of the pack: its path and its bytes, both inside the loaded pack.
struct TPackedFile {
    std::string_view Path;
    std::string_view Bytes;
};

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "bench_IniFilesFloor: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

std::string ReadWhole(const fs::path& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) Fail("cannot open " + path.string());
    std::string bytes(fs::file_size(path), '\0');
    if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) Fail("cannot read " + path.string());
    std::fclose(f);
    return bytes;
}

int Pack(const fs::path& reference, const fs::path& packFile)
{
    std::vector<fs::path> paths;
    for (const auto& entry : fs::recursive_directory_iterator(reference))
        if (entry.is_regular_file()) paths.push_back(fs::relative(entry.path(), reference));
    std::FILE* out = std::fopen(packFile.c_str(), "wb");
    if (!out) Fail("cannot create " + packFile.string());
    for (const fs::path& path : paths) {
        const std::string bytes = ReadWhole(reference / path);
        std::fprintf(out, "%s\n%zu\n", path.c_str(), bytes.size());
        std::fwrite(bytes.data(), 1, bytes.size(), out);
    }
    if (std::fclose(out) != 0) Fail("cannot write " + packFile.string());
    std::printf("%zu files packed\n", paths.size());
    return 0;
}

std::vector<TPackedFile> Unpack(std::string_view pack)
{
    std::vector<TPackedFile> files;
    std::size_t at = 0;
    while (at < pack.size()) {
        const std::size_t pathEnd = pack.find('\n', at);
        const std::size_t sizeEnd = pathEnd == std::string::npos ? pathEnd : pack.find('\n', pathEnd + 1);
        if (sizeEnd == std::string::npos) Fail("the pack is cut short");
        TPackedFile file;
        file.Path = pack.substr(at, pathEnd - at);
        const std::size_t size = std::stoul(std::string(pack.substr(pathEnd + 1, sizeEnd - pathEnd - 1)));
        if (sizeEnd + 1 + size > pack.size()) Fail("the pack is cut short");
        file.Bytes = pack.substr(sizeEnd + 1, size);
        at = sizeEnd + 1 + size;
        files.push_back(std::move(file));
    }
    return files;
}

// One buffer large enough for a whole file, so each file goes out in a single write.
char WriteBuffer[1 << 16];

void WriteFile(const fs::path& name, std::string_view bytes, const std::string& tempSuffix)
{
    const fs::path temp = name.parent_path() / ("." + name.filename().string() + tempSuffix);
    std::FILE* f = std::fopen(temp.c_str(), "wbx");
    if (!f) Fail("cannot create " + temp.string());
    if (std::setvbuf(f, WriteBuffer, _IOFBF, sizeof WriteBuffer) != 0) Fail("cannot buffer " + temp.string());
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) Fail("cannot write " + temp.string());
    if (std::fclose(f) != 0) Fail("cannot close " + temp.string());
    if (std::rename(temp.c_str(), name.c_str()) != 0) Fail("cannot rename " + temp.string());
}

int Write(const fs::path& packFile, const fs::path& folder)
{
    const std::string pack = ReadWhole(packFile);
    const std::vector<TPackedFile> files = Unpack(pack);
    const std::string tempSuffix = "." + std::to_string(::getpid()) + ".tmp";
    fs::path lastParent;
    for (const TPackedFile& file : files) {
        const fs::path name = folder / file.Path;
        if (name.parent_path() != lastParent) {
            fs::create_directories(name.parent_path());
            lastParent = name.parent_path();
        }
        WriteFile(name, file.Bytes, tempSuffix);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--pack") == 0) return Pack(argv[2], argv[3]);
    if (argc == 3) return Write(argv[1], argv[2]);
    std::fprintf(stderr,
                 "usage: bench_IniFilesFloor --pack REFERENCE_DIR PACK_FILE\n"
                 "       bench_IniFilesFloor PACK_FILE DIR\n");
    return 2;
}
