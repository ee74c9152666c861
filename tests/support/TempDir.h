// A temporary folder for a test: created empty, removed with everything in it.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    // Path of a file inside the folder, as a string.
    std::string File(const std::string& name) const { return (FPath / name).string(); }

private:
    std::filesystem::path FPath;
};

// Makes the current directory a given folder for the lifetime of the object,
// then restores the previous one (workbench actions work below it).
class CurrentDirScope {
public:
    explicit CurrentDirScope(const std::filesystem::path& dir);
    ~CurrentDirScope();
    CurrentDirScope(const CurrentDirScope&) = delete;
    CurrentDirScope& operator=(const CurrentDirScope&) = delete;

private:
    std::filesystem::path FPrevious;
};

// Whole content of a file as bytes.
std::string ReadFileBytes(const std::filesystem::path& path);
// Writes bytes to a file, creating its folder.
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
// Folder of the test fixtures (tests/data).
std::filesystem::path TestDataDir();
// The build folder, where tests leave screenshots for people to look at.
std::filesystem::path BuildDir();

}  // namespace testsupport
