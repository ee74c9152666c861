// Test helper: the lines of a string list as a vector, for comparing them in one assertion.
#pragma once

#include <string>
#include <vector>

#include "platform/rtl/StringList.h"

namespace testsupport {

inline std::vector<std::string> Lines(const rtl::TStrings& strings)
{
    std::vector<std::string> lines;
    for (int i = 0; i < strings.Count(); ++i) lines.push_back(strings[i]);
    return lines;
}

}  // namespace testsupport
