// Test helper: what a shell command prints (standard readers such as pdftotext and pdftoppm).
#pragma once

#include <cstdio>
#include <string>

namespace testsupport {

// Runs `command` through the shell and returns its standard output ("" when it cannot start).
inline std::string ShellOutput(const std::string& command)
{
    std::string out;
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    ::pclose(p);
    return out;
}

}  // namespace testsupport
