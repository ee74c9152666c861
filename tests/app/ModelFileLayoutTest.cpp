// Tests of the model file line-layout engine: widths, cutting, columns, code page and line ends on disk.
#include "app/ModelFileLayout.h"

#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

using app::TModelFileLayout;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

TEST(ModelFileLayout, ValueIsFilledToItsWidthOrCutThenFollowedByTheComment)
{
    struct Case {
        const char* value;
        std::size_t width;
        const char* line;
    };
    const Case cases[] = {
        {"4", 5, "4    (c)"},
        {"abcde", 5, "abcde(c)"},
        {"abcdefgh", 5, "abcde(c)"},     // the end of a too long value is lost
        {"", 3, "   (c)"},
        {"őz°", 5, "őz°  (c)"},          // widths count characters, not bytes
        {"ősz ősz", 4, "ősz (c)"},       // cut after the fourth character
    };
    for (const Case& c : cases) {
        TModelFileLayout layout;
        layout.Value(c.value, c.width, "(c)");
        ASSERT_EQ(layout.LineCount(), 1u);
        EXPECT_EQ(layout.Line(0), c.line) << "value '" << c.value << "' width " << c.width;
    }
}

TEST(ModelFileLayout, LineFormsKeepTheirOrderAndColumnsAreLaidOutOneAfterTheOther)
{
    TModelFileLayout layout;
    layout.Keyword("MET_INPUT");
    layout.Empty();
    layout.Verbatim("3031      cumulative management related C loss (kgC/m2) ");
    layout.Columns({"1.3", "1.45", "toolongvalue"}, {4, 6, 8}, "(g/cm3)   bulk density");
    layout.Value("x", 2, "");

    ASSERT_EQ(layout.LineCount(), 5u);
    EXPECT_EQ(layout.Text(),
              "MET_INPUT\r\n"
              "\r\n"
              "3031      cumulative management related C loss (kgC/m2) \r\n"
              "1.3 1.45  toolongv(g/cm3)   bulk density\r\n"
              "x \r\n");
    EXPECT_EQ(layout.Line(5), "");  // past the end

    layout.Clear();
    EXPECT_EQ(layout.LineCount(), 0u);
    EXPECT_EQ(layout.Text(), "");
}

TEST(ModelFileLayout, SavedFileIsInTheCodePageWithCrLfAndReplacesAnOldFile)
{
    TempDir dir;
    const std::string name = dir.File("cell.ini");
    testsupport::WriteFileBytes(name, std::string(5000, 'x'));  // an older, longer file

    TModelFileLayout layout;
    layout.Keyword("SITE");
    layout.Value("97", 4, "(°C) hőmérséklet");
    layout.Empty();
    layout.SaveToFile(name);

    EXPECT_EQ(ReadFileBytes(name), "SITE\r\n97  (\xB0" "C) h\xF5m\xE9rs\xE9klet\r\n\r\n");
}

TEST(ModelFileLayout, FileInAMissingFolderRaisesTheInputOutputErrorNamingTheFile)
{
    TempDir dir;
    TModelFileLayout layout;
    layout.Keyword("END_INIT");
    const std::string name = dir.File("no such folder/7.ini");
    try {
        layout.SaveToFile(name);
        FAIL() << "no error raised";
    } catch (const rtl::EInOutError& e) {
        EXPECT_NE(e.Message().find("7.ini"), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(std::filesystem::exists(name));
}

// A file whose writing fails part-way (here: a file-size limit, as a full disk
// would do) is removed, so no model ever reads a half-written file.
TEST(ModelFileLayout, FileThatFailsPartWayIsRemovedNotLeftHalfWritten)
{
    TempDir dir;
    const std::string name = dir.File("big.ini");
    TModelFileLayout layout;
    for (int i = 0; i < 2000; ++i) layout.Value("0.0", 60, "(kg/m2) water stored in snowpack");

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool raised = false;
    try {
        layout.SaveToFile(name);
    } catch (const rtl::EInOutError& e) {
        raised = true;
        EXPECT_NE(e.Message().find("big.ini"), std::string::npos) << e.Message();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(raised);
    EXPECT_FALSE(std::filesystem::exists(name));
}

}  // namespace
