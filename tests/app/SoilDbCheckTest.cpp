// Tests of "SOIL DB ERR CHECK" and "Button48" on small soil tables, compared with whole expected files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SoilDbCheck.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

using namespace batchfixtures;
using testsupport::ReadFileBytes;

fs::path Expected(const std::string& name) { return testsupport::TestDataDir() / "app" / "soiltools" / name; }

struct TSoilDbFolder {
    testsupport::TempDir Dir;
    app::TSoilTableOptions Options;
    std::vector<std::string> Status;
    app::TToolStatus Report = [this](const std::string& text) { Status.push_back(text); };

    TSoilDbFolder() { Options.Folder = FolderOption(Dir.Path()); }
    fs::path File(const std::string& name) const { return Dir.Path() / name; }
};

TEST(SoilDbCheck, LogsEveryNonPositiveValueByItsColumn)
{
    TSoilDbFolder f;
    // Rows 101 and 107 (comma decimals) are sound; 102 has som30 0; 103 lime30
    // 0; 104 and 105 sand30 0 with som30 below and above som60; 106 a negative
    // depth, a text fc60, wp200 "0,0" and a negative lime200.
    fs::copy_file(Expected("check_log_input.csv"), f.File("Tolvek_DB_SOIL_TABLE.csv"));
    app::CheckSoilDatabase(f.Options, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("Tolvek_DB_SOIL_ERROR_LOG.csv")), ReadFileBytes(Expected("check_log_expected.csv")));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));
}

// The empty line after the header is a row of 42 zeros with an empty id:
// 17 messages of their own and 21 general ones.
TEST(SoilDbCheck, HeaderOnlyTableIsOneRowOfZeros)
{
    TSoilDbFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), {app::SoilDbHeaderLine});
    app::CheckSoilDatabase(f.Options, f.Report);
    const std::string log = ReadFileBytes(f.File("Tolvek_DB_SOIL_ERROR_LOG.csv"));
    EXPECT_EQ(log, ReadFileBytes(Expected("check_header_only_log_expected.csv")));
    EXPECT_EQ(ReadTable(f.File("Tolvek_DB_SOIL_ERROR_LOG.csv")).size(), 38u);
}

TEST(SoilDbCheck, ShowsTheRowCountEvery10000Rows)
{
    TSoilDbFolder f;
    std::vector<std::string> lines = {app::SoilDbHeaderLine};
    for (int id = 1; id <= 20001; ++id) lines.push_back(SoilRow(id));
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), lines);
    app::CheckSoilDatabase(f.Options, f.Report);
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "10000", "20000", "COMPLETE"}));
    EXPECT_EQ(ReadFileBytes(f.File("Tolvek_DB_SOIL_ERROR_LOG.csv")), "");
}

TEST(SoilDbCheck, MissingTableCreatesNoLog)
{
    TSoilDbFolder f;
    EXPECT_THROW(app::CheckSoilDatabase(f.Options, f.Report), rtl::EInOutError);
    EXPECT_FALSE(fs::exists(f.File("Tolvek_DB_SOIL_ERROR_LOG.csv")));
}

TEST(SoilDbHeaderRewrite, WritesTheLiteralHeaderAndTheRowsUnchanged)
{
    TSoilDbFolder f;
    const std::string oddRow = "  7; 0,5;x;;";
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), {"ID;DEPTH;whatever", SoilRow(5), oddRow});
    fs::create_directories(f.File("FIXED"));
    app::RewriteSoilTableHeader(f.Options, f.Report);
    const std::string header =
        "id100m;soildepth;bd30;som30;lime30;ph30;sand30;silt30;clay30;sat30;fc30;wp30;bd60;som60;lime60;ph60;"
        "sand60;silt60;clay60;sat60;fc60;wp60;bd100;som100;lime100;ph100;sand100;silt100;clay100;sat100;fc100;"
        "wp100;bd200;som200;lime200;ph200;sand200;silt200;clay200;sat200;fc200;wp200";
    EXPECT_EQ(ReadFileBytes(f.File("FIXED/Tolvek_DB_SOIL_TABLE.csv")), TableBytes({header, SoilRow(5), oddRow}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "READY"}));
}

}  // namespace
