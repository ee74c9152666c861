// Test helper making one file unreadable to this process for a scope.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace testsupport {

// Makes a file unreadable for the scope: no permissions, and, since root
// reads regardless of permissions, an unprivileged effective user meanwhile.
class UnreadableFileScope {
public:
    explicit UnreadableFileScope(const std::filesystem::path& file) : FFile(file)
    {
        ::chmod(file.c_str(), 0);
        if (::geteuid() == 0 && ::seteuid(65534) == 0) FSwitchedUser = true;
    }
    ~UnreadableFileScope()
    {
        if (FSwitchedUser && ::seteuid(0) != 0) std::abort();
        ::chmod(FFile.c_str(), 0644);
    }
    UnreadableFileScope(const UnreadableFileScope&) = delete;
    UnreadableFileScope& operator=(const UnreadableFileScope&) = delete;

private:
    std::filesystem::path FFile;
    bool FSwitchedUser = false;
};

}  // namespace testsupport
