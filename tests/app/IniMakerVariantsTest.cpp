// Tests of the spin-up run-control writers (10 km, selected cells, 100 m) and the "GET from CC" look-up.
#include "app/IniMakerVariants.h"
#include "app/IniMakerVariantsLookup.h"

#include "app/GlobalTables.h"
#include "app/RunControlFile.h"
#include "tests/app/WriterTestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace app;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;
using writertest::ExpectRefusedBeforeAnyFile;
using writertest::FileLines;
using writertest::FileNames;
using writertest::Fixture;
using writertest::MessageOf;
namespace fs = std::filesystem;

const fs::path Inputs = Fixture("spinup_ini");

std::string Table3() { return (Inputs / "Tolvek_DB_GRID_TABLE3.csv").string(); }

TEST(IniMakerVariants, WholeFilesMatchForEachSpinupWriter)
{
    TempDir dir;
    std::vector<std::string> statuses;
    const TStatusEvent status = [&](const std::string& s) { statuses.push_back(s); };

    TSpinupIni10kmOptions spinup;
    spinup.GridTable3 = Table3();
    spinup.OutputFolder = (dir.Path() / "10km").string();
    spinup.CellCount = 3;
    EXPECT_EQ(MakeSpinupInis10km(spinup, status), 3);
    EXPECT_EQ(FileNames(dir.Path() / "10km"),
              (std::vector<std::string>{"1_spinup.ini", "2_spinup.ini", "3_spinup.ini"}));
    EXPECT_EQ(ReadFileBytes(dir.Path() / "10km/2_spinup.ini"), ReadFileBytes(Inputs / "expected/2_spinup.ini"));

    TSelectedIniOptions selected;
    selected.SelectionList = (Inputs / "SOCgroupIDs.csv").string();
    selected.GridTable3 = Table3();
    selected.OutputFolder = (dir.Path() / "select").string();
    // The list ends with a blank line: two runs, no file named "_spinup.ini".
    EXPECT_EQ(MakeSelectedInis(selected, status), 2);
    EXPECT_EQ(FileNames(dir.Path() / "select"), (std::vector<std::string>{"run5_spinup.ini", "run6_spinup.ini"}));
    EXPECT_EQ(ReadFileBytes(dir.Path() / "select/run6_spinup.ini"),
              ReadFileBytes(Inputs / "expected/run6_spinup.ini"));

    TGridIni100mOptions grid;
    grid.GridTable3 = Table3();
    grid.GridTable1 = (Inputs / "Tolvek_DB_GRID_TABLE1.csv").string();
    grid.OutputFolder = (dir.Path() / "100m").string();
    EXPECT_EQ(MakeGridInis100m(grid, status), 3);
    EXPECT_EQ(ReadFileBytes(dir.Path() / "100m/31878_spinup.ini"),
              ReadFileBytes(Inputs / "expected/31878_spinup.ini"));

    EXPECT_EQ(statuses, (std::vector<std::string>{"PROCESSING", "COMPLETE", "PROCESSING", "COMPLETE",
                                                  "PROCESSING", "COMPLETE"}));
}

TEST(IniMakerVariants, SelectionRowTakesItsCellForNamesAndTheSameRowOfGridTable3ForSiteValues)
{
    TempDir dir;
    TSelectedIniOptions o;
    o.SelectionList = (Inputs / "SOCgroupIDs.csv").string();
    o.GridTable3 = Table3();
    o.OutputFolder = dir.Path().string();
    MakeSelectedInis(o);
    const auto lines = FileLines(dir.Path() / "run5_spinup.ini");
    ASSERT_GT(lines.size(), 110u);
    EXPECT_EQ(lines[3].substr(0, 49), "input/weather/grid/observed/foresee/0012.wth     ");
    EXPECT_EQ(lines[105].substr(0, 13), "outputs/0012 ");
    EXPECT_EQ(lines[30].substr(0, 3), "97 ");     // row 1 of grid table 3, not cell 12
    EXPECT_EQ(lines[31].substr(0, 5), "45.8 ");

    EXPECT_EQ(SelectionCell4("7"), "0007");
    EXPECT_EQ(SelectionCell4("012"), "0012");
    EXPECT_EQ(SelectionCell4("1104"), "1104");
}

TEST(IniMakerVariants, GridCellsOfOneTenKmCellShareTemperaturesButNotTheirOwnValues)
{
    TempDir dir;
    TGridIni100mOptions o;
    o.GridTable3 = Table3();
    o.GridTable1 = (Inputs / "Tolvek_DB_GRID_TABLE1.csv").string();
    o.OutputFolder = dir.Path().string();
    MakeGridInis100m(o);
    const auto a = FileLines(dir.Path() / "31877_spinup.ini");
    const auto b = FileLines(dir.Path() / "31878_spinup.ini");
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a[34], b[34]);  // mean temperature of cell 3
    EXPECT_EQ(a[35], b[35]);  // its range
    EXPECT_EQ(a[34].substr(0, 6), "10.95 ");
    for (std::size_t line : {10u, 11u, 31u, 32u, 39u, 106u}) EXPECT_NE(a[line], b[line]) << line;
    EXPECT_EQ(a[31].substr(0, 4), "149 ");
}

TEST(IniMakerVariants, DefaultFoldersOnDriveEMapBelowTheCurrentDirectoryFor1104Cells)
{
    TempDir dir;
    testsupport::CurrentDirScope cwd(dir.Path());
    FillGlobalTables();
    std::string table;
    for (const std::string& row : BaseTable10km) table += row + "\r\n";
    WriteFileBytes(dir.Path() / "drives/e/Tolvek SOIL GRID/Tolvek_DB_GRID_TABLE3.csv", table);

    EXPECT_EQ(MakeSpinupInis10km(TSpinupIni10kmOptions{}), 1104);
    const fs::path out = dir.Path() / "drives/e/spinup_soc/ini";
    EXPECT_EQ(FileNames(out).size(), 1104u);
    const auto lines = FileLines(out / "7_spinup.ini");
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[3].substr(0, 21), "inputs/weather/7.wth ");
    EXPECT_EQ(lines[39].substr(0, 22), "inputs/soil/10km7.soi ");
    const auto last = FileLines(out / "1104_spinup.ini");
    EXPECT_EQ(last[31].substr(0, 4), "171 ");
    EXPECT_EQ(last[32].substr(0, 5), "48.5 ");
}

// A short site table or a cell number outside 1-1104 would write files with
// empty site values or read past the table; the action ends with a message
// naming the table and row before any file is written.
TEST(IniMakerVariants, ShortSiteTableOrBadCellNumberEndsTheActionBeforeAnyFile)
{
    struct Case {
        const char* name;
        const char* selection;  // rows of the selection list (for the selected writer)
        const char* grid1;      // rows of grid table 1 (for the 100 m writer)
        int cells;              // cells of "MAKE INI"
        const char* expected;   // part of the message
    };
    const Case cases[] = {
        {"more cells than rows", nullptr, nullptr, 4, "cell 4 needs row 4 of \""},
        {"cell 0", "h\nrun1;1;0\n", nullptr, 0, "line 2: cell number '0' is outside"},
        {"cell 1105", "h\nrun1;1;5\nrun2;1;1105\n", nullptr, 0, "line 3: cell number '1105' is outside"},
        {"cell not a number", "h\nrun1;1;1x\n", nullptr, 0, "line 2: '1x' is not a valid integer value"},
        {"more selection rows than grid rows", "h\na;1;1\nb;1;2\nc;1;3\nd;1;4\n", nullptr, 0,
         "line 5: run 'd' needs row 4 of \""},
        {"grid cell beyond the table", nullptr, "h\n1;1;1;46;18;100\n2;1;4;46;18;100\n", 0,
         "line 3: 100 m cell 2 in 10 km cell 4 needs row 4 of \""},
        {"grid cell 1105", nullptr, "h\n1;1;1105;46;18;100\n", 0, "cell number '1105' is outside"},
        {"grid cell not a number", nullptr, "h\n1;1;1;46;18;100\n2;1;;46;18;100\n", 0,
         "line 3: '' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path out = dir.Path() / "out";
        std::string message;
        if (c.cells > 0) {
            TSpinupIni10kmOptions o;
            o.GridTable3 = Table3();
            o.OutputFolder = out.string();
            o.CellCount = c.cells;
            message = MessageOf([&] { MakeSpinupInis10km(o); });
        } else if (c.selection) {
            WriteFileBytes(dir.Path() / "list.csv", c.selection);
            TSelectedIniOptions o;
            o.SelectionList = (dir.Path() / "list.csv").string();
            o.GridTable3 = Table3();
            o.OutputFolder = out.string();
            message = MessageOf([&] { MakeSelectedInis(o); });
        } else {
            WriteFileBytes(dir.Path() / "grid1.csv", c.grid1);
            TGridIni100mOptions o;
            o.GridTable3 = Table3();
            o.GridTable1 = (dir.Path() / "grid1.csv").string();
            o.OutputFolder = out.string();
            message = MessageOf([&] { MakeGridInis100m(o); });
        }
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST(IniMakerVariants, GridTable3RowWithoutTheSiteColumnsIsNamed)
{
    TempDir dir;
    WriteFileBytes(dir.Path() / "t3.csv", "h\n1;26410;45.8;17.9;97;3;HU231;11.00;10.31\n2;26520;45.8;18.0\n");
    TSpinupIni10kmOptions o;
    o.GridTable3 = (dir.Path() / "t3.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    o.CellCount = 2;
    ExpectRefusedBeforeAnyFile([&] { MakeSpinupInis10km(o); }, "t3.csv\" line 3: 4 fields", dir.Path() / "out");
}

// Run names and 100 m ids name files: one that would put a file outside the
// output folder ends the action with a message naming the row, and nothing
// is written.
TEST(IniMakerVariants, NamesThatWouldLeaveTheOutputFolderEndTheActionNamingTheRow)
{
    const char* badRuns[] = {"../run", "a/b", "a\\b", "..", "tab\there", ""};
    for (const char* run : badRuns) {
        SCOPED_TRACE(run);
        TempDir dir;
        WriteFileBytes(dir.Path() / "list.csv", std::string("h\nok;1;1\n") + run + ";1;2\n");
        TSelectedIniOptions o;
        o.SelectionList = (dir.Path() / "list.csv").string();
        o.GridTable3 = Table3();
        o.OutputFolder = (dir.Path() / "out").string();
        ExpectRefusedBeforeAnyFile([&] { MakeSelectedInis(o); }, "list.csv\" line 3: run name", dir.Path() / "out");
    }

    TempDir dir;
    WriteFileBytes(dir.Path() / "grid1.csv", "h\n1;1;1;46;18;100\n../../x;1;1;46;18;100\n");
    TGridIni100mOptions o;
    o.GridTable3 = Table3();
    o.GridTable1 = (dir.Path() / "grid1.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    ExpectRefusedBeforeAnyFile([&] { MakeGridInis100m(o); },
                               "grid1.csv\" line 3: 100 m id '../../x' would leave", dir.Path() / "out");
}

TEST(IniMakerVariants, MissingTableEndsWithTheInputOutputError)
{
    TempDir dir;
    TSpinupIni10kmOptions o;
    o.GridTable3 = (dir.Path() / "missing.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    const std::string message = MessageOf<rtl::EInOutError>([&] { MakeSpinupInis10km(o); });
    EXPECT_NE(message.find("missing.csv"), std::string::npos) << message;
}

TEST(IniMakerVariants, GetFromCcTakesTheLastMatchingRowAndReportsNoMatch)
{
    TempDir dir;
    testsupport::CurrentDirScope cwd(dir.Path());
    WriteFileBytes(dir.Path() / "Tolvek_DB_GRID_TABLE3.csv",
                   "id;x;lat;long;elev;a;b;Tavg;dTavg\r\n"
                   "415;1;46.0;18.0;97;1;HU;11.05;9.97\r\n"
                   "416;1;46.0;18.0;120;1;HU;10.80;9.90\r\n"
                   "415;1;46.0;18.0;101;1;HU;11.10;9.95\r\n");
    const TCcSiteValues found = GetSiteFromCc(TGetFromCcOptions{});
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.Elevation, "101");
    EXPECT_EQ(found.MeanTemperature, "11.10");
    EXPECT_EQ(found.TemperatureRange, "9.95");

    TGetFromCcOptions other;
    other.CellId = "999";
    EXPECT_FALSE(GetSiteFromCc(other).Found);
}

}  // namespace
