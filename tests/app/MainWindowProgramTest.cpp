// The workbench program itself (build/tolvek), started as a user starts it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"

namespace {

TEST(MainWindowProgram, WithoutADisplayItSaysSoAndEndsWithStatus1)
{
    testsupport::TempDir dir;
    std::string command = "cd '" + dir.Path().string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY '" TOLVEK_PROGRAM
                          "' >out.txt 2>err.txt";
    int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    std::string err = testsupport::ReadFileBytes(dir.Path() / "err.txt");
    EXPECT_EQ(err.rfind("tolvek: ", 0), 0u) << err;
    EXPECT_NE(err.find("No display available"), std::string::npos) << err;
    EXPECT_EQ(testsupport::ReadFileBytes(dir.Path() / "out.txt"), "");
}

}  // namespace
