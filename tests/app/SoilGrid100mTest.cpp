// Tests of the 100 m soil grid tools on small fixtures, compared with whole expected files.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/AppendFileCache.h"
#include "app/SoilGrid100m.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

using namespace batchfixtures;
using testsupport::ReadFileBytes;

fs::path GridData(const std::string& name) { return testsupport::TestDataDir() / "app" / "soiltools" / "grid" / name; }

// A copy of the grid fixture folder, as "e:\Tolvek SOIL GRID\" would hold it.
struct TGridFolder {
    testsupport::TempDir Dir;
    app::TSoilGridOptions Options;
    std::vector<std::string> Status;
    app::TToolStatus Report = [this](const std::string& text) { Status.push_back(text); };

    TGridFolder()
    {
        Options.Folder = FolderOption(Dir.Path());
        fs::copy(GridData(""), Dir.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    fs::path File(const std::string& name) const { return Dir.Path() / name; }
    std::string Bytes(const std::string& name) const { return ReadFileBytes(File(name)); }
};


TEST(SoilGrid100m, MakeTheGridListsEveryIdOnceAscending)
{
    TGridFolder f;
    app::MakeTheGrid(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("THE_GRID.csv"), ReadFileBytes(GridData("THE_GRID_expected.csv")));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "10%", "COMPLETE"}));
}

TEST(SoilGrid100m, MissingListsTheGridIdsTheDataTableLacks)
{
    TGridFolder f;
    app::ListMissingIds(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("MISSING_ths_0_30cm.csv"), ReadFileBytes(GridData("MISSING_ths_0_30cm_expected.csv")));
}

// A border-area row replaces the value the data table gave its id and adds
// ids the data table lacks; values are written fixed 4/2 in the locale.
TEST(SoilGrid100m, FixMissingDataTakesBorderAreaValuesInBothLocales)
{
    for (const auto& [separator, expected] :
         {std::pair{'.', "fix_missing_expected_dot.csv"}, {',', "fix_missing_expected_comma.csv"}}) {
        DecimalSeparatorScope scope(separator);
        TGridFolder f;
        f.Options.BorderColumn = "6";
        app::FixMissingData(f.Options, f.Report);
        EXPECT_EQ(f.Bytes("ths_0_30cm.csv"), ReadFileBytes(GridData(expected))) << separator;
        EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "0%", "10%", "20%", "PHASE 1 FINISHED",
                                                      "COMPLETE"}));
    }
}

TEST(SoilGrid100m, FixDataCopiesTheValuesAsText)
{
    TGridFolder f;
    app::FixData(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("ths_0_30cm.csv"), ReadFileBytes(GridData("fix_data_expected.csv")));
}

TEST(SoilGrid100m, DataTableNameAndBorderColumnAreChecked)
{
    TGridFolder f;
    f.Options.BorderColumn = "five";
    EXPECT_NE(ErrorOf([&] { app::FixMissingData(f.Options, f.Report); }).find("'five'"), std::string::npos);
    EXPECT_FALSE(fs::exists(f.File("ths_0_30cm.csv")));
    for (const char* name : {"..\\THE_GRID.csv", "../x.txt", "c:x.txt", ""}) {
        f.Options.DataTable = name;
        EXPECT_NE(ErrorOf([&] { app::FixData(f.Options, f.Report); }).find("(Edit2)"), std::string::npos) << name;
    }
}

// Three FIXED tables: id 4 is missing from one, id 3 listed twice in another,
// id 7 is in one table but not in the grid, and the soil table copy of
// "Button48" in the folder is not a table to merge.
TEST(SoilGrid100m, FindMinGridAndMergeAgreeOnTheTablesOfFixed)
{
    TGridFolder f;
    app::FindMinGrid(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("ALL_DATA_GRID.csv"), ReadFileBytes(GridData("ALL_DATA_GRID_expected.csv")));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "1", "2", "3", "4", "COMPLETE"}));

    f.Status.clear();
    app::MergeData(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("SOIL_GRID_100m.csv"), ReadFileBytes(GridData("SOIL_GRID_100m_expected.csv")));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "0%", "COMPLETE"}));
}

TEST(SoilGrid100m, MergeEndsAtTheEndOfATableThatLacksAnId)
{
    TGridFolder f;
    WriteTable(f.File("ALL_DATA_GRID.csv"), {"ID100m (HAS ALL DATA)", "2", "4", "5"});
    const std::string error = ErrorOf([&] { app::MergeData(f.Options, f.Report); });
    EXPECT_NE(error.find("id 4 "), std::string::npos) << error;
    EXPECT_NE(error.find("b_sand.csv"), std::string::npos) << error;
}

TEST(SoilGrid100m, EmptyFixedFolderIsRefused)
{
    TGridFolder f;
    fs::remove_all(f.File("FIXED"));
    fs::create_directories(f.File("FIXED"));
    EXPECT_NE(ErrorOf([&] { app::FindMinGrid(f.Options, f.Report); }).find("No table to merge"), std::string::npos);
    EXPECT_FALSE(fs::exists(f.File("ALL_DATA_GRID.csv")));
}

// --- CELLs by FILEs ---

std::string GridRow(int id, int cell1km) { return std::to_string(id) + ";" + std::to_string(cell1km) + ";7;x" + std::to_string(id); }

class OpenFileLimitScope {
public:
    explicit OpenFileLimitScope(rlim_t soft)
    {
        getrlimit(RLIMIT_NOFILE, &FSaved);
        rlimit lowered = FSaved;
        lowered.rlim_cur = soft;
        setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~OpenFileLimitScope() { setrlimit(RLIMIT_NOFILE, &FSaved); }

private:
    rlimit FSaved{};
};

// The grid touches 60 cells in turn, more than can be open under the lowered
// limit, so files are closed and opened again; each file is still the header
// and its rows in grid order, and every other cell file holds the header. The
// grid has 120 cells here; the benchmark runs all 199,255.
TEST(SoilGrid100m, CellsByFilesUnderALowOpenFileLimitWritesEveryFileExactly)
{
    constexpr int CellCount = 120;
    TGridFolder f;
    f.Options.Cell1kmCount = CellCount;
    const std::string header = "ID100m;ID1km;ID10km;x";
    std::vector<std::string> lines = {header};
    std::vector<std::vector<std::string>> rowsOf(CellCount + 1, std::vector<std::string>{header});
    for (int id = 1; id <= 600; ++id) {
        const int cell = (id * 7) % 60 + 1 + (id > 590 ? CellCount - 60 : 0);
        lines.push_back(GridRow(id, cell));
        rowsOf[static_cast<std::size_t>(cell)].push_back(lines.back());
    }
    WriteTable(f.File("SOIL_GRID_100m.csv"), lines);
    const auto rowsOfCell = [&](int cell) { return rowsOf[static_cast<std::size_t>(cell)]; };
    WritePerCellFiles(f.File("expected"), 1, CellCount, TCellNaming::Plain, "", ".csv", rowsOfCell);
    fs::create_directories(f.File("byFILEs_1km"));
    {
        OpenFileLimitScope limit(80);
        ASSERT_LT(app::OpenFileBudget(), 60);
        app::SplitGridByCellFiles(f.Options, f.Report);
    }
    for (int cell = 1; cell <= CellCount; ++cell) {
        const std::string name = std::to_string(cell) + ".csv";
        ASSERT_EQ(f.Bytes("byFILEs_1km/" + name), f.Bytes("expected/" + name)) << name;
    }
    EXPECT_FALSE(fs::exists(f.File("byFILEs_1km/" + std::to_string(CellCount + 1) + ".csv")));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "0%", "COMPLETE"}));
}

TEST(SoilGrid100m, CellsByFilesChecksEveryRowBeforeTheFirstFile)
{
    struct TBad {
        std::string Row;
        const char* Value;
    };
    for (const TBad& bad : {TBad{"3;199256;7;x", "199256"}, TBad{"3;0;7;x", " 0 "}, TBad{"3;12a;7;x", "'12a'"},
                            TBad{"11059792;5;7;x", "11059792"}}) {
        TGridFolder f;
        WriteTable(f.File("SOIL_GRID_100m.csv"), {"h", GridRow(1, 5), GridRow(2, 6), bad.Row});
        fs::create_directories(f.File("byFILEs_1km"));
        const std::string error = ErrorOf([&] { app::SplitGridByCellFiles(f.Options, f.Report); });
        EXPECT_NE(error.find(bad.Value), std::string::npos) << error;
        EXPECT_NE(error.find("SOIL_GRID_100m.csv\", line 4"), std::string::npos) << error;
        EXPECT_TRUE(fs::is_empty(f.File("byFILEs_1km"))) << bad.Row;
    }
}

// --- 100m SUBCELLs in 10km GRID ---

TEST(SoilGrid100m, SubcellListsHoldEveryCellsIdsInSlots)
{
    TGridFolder f;
    WriteTable(f.File("SOIL_GRID_100m.csv"),
               {"h", "11;1;1;x", "12;1;3;x", "13;1;1;x", "12345678901;1;1104;x"});
    app::ListSubcellsOf10kmCells(f.Options, f.Report);
    std::vector<std::string> expected = {"100m GRID IDs in 10km GRID CELLs"};
    for (int cell = 1; cell <= 1104; ++cell) {
        std::string filled = cell == 1 ? "11;13;" : cell == 3 ? "12;" : cell == 1104 ? "1234567890;" : "";
        const std::size_t slotsUsed = static_cast<std::size_t>(std::count(filled.begin(), filled.end(), ';'));
        expected.push_back(std::to_string(cell));
        expected.push_back(filled + std::string(13865 - slotsUsed, ';'));
    }
    EXPECT_EQ(f.Bytes("10kmSubCellIDs.csv"), TableBytes(expected));

    // One row in each of the 1104 cells, in cell order.
    Write1104RowTable(f.File("SOIL_GRID_100m.csv"), {"h"},
                      [](int cell) { return std::to_string(500000 + cell) + ";1;" + std::to_string(cell) + ";x"; });
    app::ListSubcellsOf10kmCells(f.Options, f.Report);
    expected = {"100m GRID IDs in 10km GRID CELLs"};
    for (int cell = 1; cell <= 1104; ++cell) {
        expected.push_back(std::to_string(cell));
        expected.push_back(std::to_string(500000 + cell) + std::string(13865, ';'));
    }
    EXPECT_EQ(f.Bytes("10kmSubCellIDs.csv"), TableBytes(expected));
}

TEST(SoilGrid100m, SubcellListsRefuseACellOutsideTheGridOrOverfull)
{
    TGridFolder f;
    WriteTable(f.File("SOIL_GRID_100m.csv"), {"h", "11;1;1;x", "12;1;1105;x"});
    std::string error = ErrorOf([&] { app::ListSubcellsOf10kmCells(f.Options, f.Report); });
    EXPECT_NE(error.find("1105"), std::string::npos) << error;
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;

    std::vector<std::string> lines = {"h"};
    for (int id = 1; id <= 13866; ++id) lines.push_back(std::to_string(id) + ";1;9;x");
    WriteTable(f.File("SOIL_GRID_100m.csv"), lines);
    error = ErrorOf([&] { app::ListSubcellsOf10kmCells(f.Options, f.Report); });
    EXPECT_NE(error.find("10 km cell 9 holds more than 13865"), std::string::npos) << error;
    EXPECT_NE(error.find("line 13867"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(f.File("10kmSubCellIDs.csv")));
}

TEST(SoilGrid100m, IdBeyondTheIdTableNamesFileLineAndValue)
{
    TGridFolder f;
    WriteTable(f.File("IDs_LOCATIONs.csv"), {"h", "5;1;1", "11059796;1;1"});
    const std::string error = ErrorOf([&] { app::MakeTheGrid(f.Options, f.Report); });
    EXPECT_NE(error.find("11059796"), std::string::npos) << error;
    EXPECT_NE(error.find("IDs_LOCATIONs.csv\", line 3"), std::string::npos) << error;
}

}  // namespace
