// Test helpers of the file writers: fixture folders, whole-folder comparison and caught messages.
#pragma once

#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace writertest {

namespace fs = std::filesystem;

inline fs::path Fixture(const std::string& relative)
{
    return testsupport::TestDataDir() / "app" / relative;
}

// Names of the files in a folder, sorted; none when the folder is missing.
inline std::vector<std::string> FileNames(const fs::path& dir)
{
    std::vector<std::string> names;
    if (!fs::exists(dir)) return names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The folder holds exactly the expected files, each byte for byte.
inline void ExpectSameFiles(const fs::path& expectedDir, const fs::path& actualDir)
{
    const auto expected = FileNames(expectedDir);
    ASSERT_FALSE(expected.empty()) << expectedDir;
    EXPECT_EQ(FileNames(actualDir), expected);
    for (const std::string& name : expected) {
        if (!fs::exists(actualDir / name)) continue;
        EXPECT_EQ(testsupport::ReadFileBytes(actualDir / name), testsupport::ReadFileBytes(expectedDir / name))
            << name;
    }
}

// The message of the rtl::Exception (or subclass E) that `action` raises; a
// failure when it raises none.
template <typename E = rtl::Exception>
std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.Message();
    }
    ADD_FAILURE() << "no error raised";
    return {};
}

// `action` raises the rtl::Exception (or subclass E) whose message holds `fragment`
// and leaves `outputFolder` uncreated: refused before any file was written.
template <typename E = rtl::Exception>
void ExpectRefusedBeforeAnyFile(const std::function<void()>& action, const std::string& fragment,
                                const fs::path& outputFolder)
{
    const std::string message = MessageOf<E>(action);
    EXPECT_NE(message.find(fragment), std::string::npos) << "\"" << fragment << "\" not in: " << message;
    EXPECT_FALSE(fs::exists(outputFolder)) << outputFolder;
}

// Lines of a file written with CR LF.
inline std::vector<std::string> FileLines(const fs::path& path)
{
    const std::string bytes = testsupport::ReadFileBytes(path);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

}  // namespace writertest
