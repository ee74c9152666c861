// Temporary folders and whole-file helpers for the tests.
#include "tests/support/TempDir.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace testsupport {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("tolvek-test-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter++));
        if (std::filesystem::create_directory(candidate)) {
            FPath = candidate;
            return;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

CurrentDirScope::CurrentDirScope(const std::filesystem::path& dir)
    : FPrevious(std::filesystem::current_path())
{
    std::filesystem::current_path(dir);
}

CurrentDirScope::~CurrentDirScope()
{
    std::error_code ignored;
    std::filesystem::current_path(FPrevious, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes)
{
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::filesystem::path TestDataDir() { return TOLVEK_TEST_DATA; }
std::filesystem::path BuildDir() { return TOLVEK_BUILD_DIR; }

}  // namespace testsupport
