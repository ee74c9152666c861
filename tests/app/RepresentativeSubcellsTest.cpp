// Tests of the representative-subcell searches and the coarse grids, elevation, land use and final 1 km grid built from them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/RepresentativeSubcells.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

using namespace batchfixtures;
using testsupport::ReadFileBytes;

fs::path KeyData(const std::string& name) { return testsupport::TestDataDir() / "app" / "gridkeys" / name; }

struct TKeyFolder {
    testsupport::TempDir Dir;
    app::TGridKeyOptions Options;
    std::vector<std::string> Status;
    app::TToolStatus Report = [this](const std::string& text) { Status.push_back(text); };

    TKeyFolder() { Options.Folder = FolderOption(Dir.Path()); }
    fs::path File(const std::string& name) const { return Dir.Path() / name; }
    std::string Bytes(const std::string& name) const { return ReadFileBytes(File(name)); }
};


// A 100 m soil grid row of 47 columns: id, 1 km id, 10 km cell, elevation in
// column 7, land use in column 9 and the profile columns 10L+1, +2, +5, +6, +7;
// layer 1 takes `layer1`, the other layers 1.
std::string GridRow(const std::string& id, const std::vector<std::string>& layer1, const std::string& elevation = "120",
                    const std::string& landUse = "1")
{
    std::vector<std::string> f(48, "x");
    f[1] = id;
    f[2] = "77";
    f[3] = "5";
    f[7] = elevation;
    f[9] = landUse;
    const int offsets[5] = {1, 2, 5, 6, 7};
    for (int layer = 1; layer <= 4; ++layer)
        for (int k = 0; k < 5; ++k) f[static_cast<std::size_t>(10 * layer + offsets[k])] = layer == 1 ? layer1[static_cast<std::size_t>(k)] : "1";
    std::string row = f[1];
    for (int c = 2; c <= 47; ++c) row += ";" + f[static_cast<std::size_t>(c)];
    return row;
}

const std::string GridHeader = "ID100m;ID1km;ID10km;x;y;z;elev;w;lu";

app::TProfileRow Profile(const std::string& id, const std::vector<double>& layer1, double layer2First = 1)
{
    app::TProfileRow row;
    row.Id = id;
    for (auto& layer : row.Values) layer.fill(1);
    for (std::size_t k = 0; k < 5; ++k) row.Values[0][k] = layer1[k];
    row.Values[1][0] = layer2First;
    return row;
}

TEST(RepresentativeScore, PicksTheRowNearestTheMeanProfile)
{
    struct TCase {
        const char* Name;
        std::vector<app::TProfileRow> Rows;
        std::string Expected;
    };
    const std::vector<TCase> cases = {
        {"a single row", {Profile("9", {3, 1, 1, 1, 1})}, "9"},
        {"equal scores: the first", {Profile("1", {1, 1, 1, 1, 1}), Profile("2", {3, 1, 1, 1, 1})}, "1"},
        {"values 1, 2, 3: the middle one",
         {Profile("1", {1, 1, 1, 1, 1}), Profile("2", {2, 1, 1, 1, 1}), Profile("3", {3, 1, 1, 1, 1})}, "2"},
        {"a property 0 everywhere changes nothing",
         {Profile("1", {1, 0, 1, 1, 1}), Profile("2", {2, 0, 1, 1, 1}), Profile("3", {3, 0, 1, 1, 1})}, "2"},
        // Row 2 is off by 50% in layer 1 (weight 5), row 1 by 50% in layer 2
        // (weight 3): the lighter layer wins.
        {"layers weigh 5, 3, 2, 1",
         {Profile("1", {2, 1, 1, 1, 1}, 3), Profile("2", {3, 1, 1, 1, 1}, 2), Profile("3", {1, 1, 1, 1, 1}, 1)}, "1"},
        {"a header-only cell: one empty row, an empty id", {Profile("", {0, 0, 0, 0, 0}, 0)}, ""},
    };
    for (const TCase& c : cases) EXPECT_EQ(app::RepresentativeOf(c.Rows), c.Expected) << c.Name;
}

// Cell n holds ids 3n-2, 3n-1, 3n with layer-1 values 1, 2, 3: the middle one
// represents it; cell 5's file holds the header alone and gets an empty id.
TEST(RepresentativeSearch, TenKmSearchWritesEveryCellInOrder)
{
    TKeyFolder f;
    WritePerCellFiles(f.File("byFILEs"), 1, 1104, TCellNaming::Plain, "", ".csv", [](int cell) {
        if (cell == 5) return std::vector<std::string>{GridHeader};
        std::vector<std::string> lines = {GridHeader};
        for (int k = 1; k <= 3; ++k)
            lines.push_back(GridRow(std::to_string(3 * cell - 3 + k), {std::to_string(k), "1", "1", "1", "1"}));
        return lines;
    });
    app::FindRepresentatives10km(f.Options, f.Report);
    std::vector<std::string> expected = {"ID10km;ID100m"};
    for (int cell = 1; cell <= 1104; ++cell)
        expected.push_back(std::to_string(cell) + ";" + (cell == 5 ? "" : std::to_string(3 * cell - 1)));
    EXPECT_EQ(f.Bytes("100m_IDs_in_10km_CELLs.csv"), TableBytes(expected));
    ASSERT_EQ(f.Status.size(), 1106u);
    EXPECT_EQ(f.Status[1], "0%");     // 1 / 11.04
    EXPECT_EQ(f.Status[6], "1%");     // 6 / 11.04 = 0.54
    EXPECT_EQ(f.Status[1104], "100%");
    EXPECT_EQ(f.Status.back(), "COMPLETE");
}

// The lines of the cells done stay when a later cell's file is missing or
// holds too many rows; the error names the file.
TEST(RepresentativeSearch, TenKmSearchStopsAtAMissingOrOverfullCellKeepingTheLinesDone)
{
    for (const bool overfull : {false, true}) {
        TKeyFolder f;
        WritePerCellFiles(f.File("byFILEs"), 1, 3, TCellNaming::Plain, "", ".csv", [&](int cell) {
            std::vector<std::string> lines = {GridHeader};
            const int rows = overfull && cell == 3 ? 14001 : 1;
            for (int r = 1; r <= rows; ++r) lines.push_back(GridRow(std::to_string(cell * 100000 + r), {"1", "1", "1", "1", "1"}));
            return lines;
        });
        const std::string error = ErrorOf([&] { app::FindRepresentatives10km(f.Options, f.Report); });
        const std::string missing = overfull ? "3.csv\", line 14002" : "4.csv";
        EXPECT_NE(error.find(missing), std::string::npos) << error;
        EXPECT_EQ(f.Bytes("100m_IDs_in_10km_CELLs.csv"),
                  TableBytes(overfull ? std::vector<std::string>{"ID10km;ID100m", "1;100001", "2;200001"}
                                      : std::vector<std::string>{"ID10km;ID100m", "1;100001", "2;200001", "3;300001"}));
    }
}

// Cells without a file get no line; a cell of 5,001 rows is refused.
TEST(RepresentativeSearch, OneKmSearchSkipsCellsWithoutAFile)
{
    TKeyFolder f;
    f.Options.Cell1kmCount = 40;
    WriteTable(f.File("byFILEs_1km/3.csv"), {GridHeader, GridRow("31", {"5", "1", "1", "1", "1"}),
                                             GridRow("32", {"6", "1", "1", "1", "1"}), GridRow("33", {"7", "1", "1", "1", "1"})});
    WriteTable(f.File("byFILEs_1km/17.csv"), {GridHeader});
    WriteTable(f.File("byFILEs_1km/40.csv"), {GridHeader, GridRow("4000000001234", {"1", "1", "1", "1", "1"})});
    app::FindRepresentatives1km(f.Options, f.Report);
    // Ids are kept to their first 10 characters.
    EXPECT_EQ(f.Bytes("100m_IDs_in_1km_CELLs.csv"), TableBytes({"ID1km;ID100m", "3;32", "17;", "40;4000000001"}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "0%", "COMPLETE"}));

    std::vector<std::string> overfull = {GridHeader};
    for (int r = 1; r <= 5001; ++r) overfull.push_back(GridRow(std::to_string(r), {"1", "1", "1", "1", "1"}));
    WriteTable(f.File("byFILEs_1km/20.csv"), overfull);
    const std::string error = ErrorOf([&] { app::FindRepresentatives1km(f.Options, f.Report); });
    EXPECT_NE(error.find("20.csv\", line 5002"), std::string::npos) << error;
}

// --- the coarse grids ---

std::vector<std::string> SmallGrid()
{
    std::vector<std::string> grid = {GridHeader};
    for (int id = 10; id <= 90; id += 10) grid.push_back(GridRow(std::to_string(id), {"1", "2", "3", "4", "5"}));
    return grid;
}

// Keys sorted by 100 m id: line n of the 10 km grid is the row of cell n's
// representative, an empty line for a cell without a key or with an empty id.
TEST(CoarseGrids, TenKmGridPutsEachRepresentativeRowOnItsCellsLine)
{
    TKeyFolder f;
    const auto grid = SmallGrid();
    WriteTable(f.File("SOIL_GRID_100m.csv"), grid);
    WriteTable(f.File("100m_IDs_in_10km_CELLs SORTED.csv"), {"ID10km;ID100m", "7;", "1104;20", "2;50", "3;90"});
    app::Create10kmGrid(f.Options, f.Report);
    std::vector<std::string> expected(1105);
    expected[0] = GridHeader;
    expected[1104] = grid[2];
    expected[2] = grid[5];
    expected[3] = grid[9];
    EXPECT_EQ(f.Bytes("SOIL_GRID_10km.csv"), TableBytes(expected));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "COMPLETE"}));
}

TEST(CoarseGrids, OneKmGridWritesTheRepresentativeRowsInIdOrder)
{
    TKeyFolder f;
    WriteTable(f.File("SOIL_GRID_100m.csv"), SmallGrid());
    fs::copy_file(KeyData("1km_keys_sorted.csv"), f.File("100m_IDs_in_1km_CELLs SORTED.csv"));
    app::Create1kmGrid(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("SOIL_GRID_1km.csv"), TableBytes({GridHeader, SmallGrid()[1], SmallGrid()[4], SmallGrid()[8]}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "0%", "COMPLETE"}));
}

// A key the grid lacks ends the join with an error naming the id and the
// key's line; nothing is written over the old grid.
TEST(CoarseGrids, AKeyTheGridLacksNamesIdAndLine)
{
    TKeyFolder f;
    WriteTable(f.File("SOIL_GRID_100m.csv"), SmallGrid());
    WriteTable(f.File("100m_IDs_in_1km_CELLs SORTED.csv"), {"ID1km;ID100m", "4;10", "9;55", "2;60"});
    WriteTable(f.File("SOIL_GRID_1km.csv"), {"old"});
    const std::string error = ErrorOf([&] { app::Create1kmGrid(f.Options, f.Report); });
    EXPECT_NE(error.find("id 55"), std::string::npos) << error;
    EXPECT_NE(error.find("SORTED.csv\", line 3"), std::string::npos) << error;
    EXPECT_EQ(f.Bytes("SOIL_GRID_1km.csv"), TableBytes({"old"}));
}

TEST(CoarseGrids, ElevationIsTheRoundedMeanOfEachCellFile)
{
    TKeyFolder f;
    f.Options.Cell1kmCount = 9;
    WriteTable(f.File("byFILEs_1km/2.csv"), {GridHeader, GridRow("1", {"1", "1", "1", "1", "1"}, "100"),
                                             GridRow("2", {"1", "1", "1", "1", "1"}, "101"),
                                             GridRow("3", {"1", "1", "1", "1", "1"}, "103")});
    // 100.5 rounds to even: 100.
    WriteTable(f.File("byFILEs_1km/9.csv"), {GridHeader, GridRow("4", {"1", "1", "1", "1", "1"}, "100"),
                                             GridRow("5", {"1", "1", "1", "1", "1"}, "101")});
    app::GetElevation(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("1km_CELLs_elevation.csv"), TableBytes({"ID1km;elevation", "2;101", "9;100"}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "0%"}));
}

TEST(CoarseGrids, LandUseIsTheDominantClassTiesToTheLower)
{
    TKeyFolder f;
    const auto cellOf = [](std::vector<int> counts) {
        std::vector<std::string> lines = {GridHeader};
        for (int code = 1; code <= 3; ++code)
            for (int r = 0; r < counts[static_cast<std::size_t>(code - 1)]; ++r)
                lines.push_back(GridRow("1", {"1", "1", "1", "1", "1"}, "1", std::to_string(code) + ".2"));
        lines.push_back(GridRow("1", {"1", "1", "1", "1", "1"}, "1", "7"));
        return lines;
    };
    WriteTable(f.File("byFILEs_10km/1.csv"), cellOf({5, 5, 2}));
    WriteTable(f.File("byFILEs_10km/2.csv"), cellOf({2, 5, 5}));
    WriteTable(f.File("byFILEs_10km/1104.csv"), cellOf({2, 4, 5}));
    app::GetLandUse(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("10km_CELLs_landuse.csv"), TableBytes({"ID10km;landuse", "1;1", "2;2", "1104;3"}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "0%", "0%", "92%"}));
}

TEST(CoarseGrids, FinalizeWritesTheCoordinateRowOfEachCell)
{
    TKeyFolder f;
    WriteTable(f.File("1km_CELLs_landuse.csv"), {"ID1km;landuse", "3;1", "8;2"});
    WriteTable(f.File("DATA/cc_x10_kp_koord_teljes_racs.txt"), {"a;id;x", "r1;1;10", "r3;3;30", "r5;5;50", "r8;8;80"});
    app::Finalize1kmGrid(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("1km_CELLs_sorted.csv"), TableBytes({"r3;3;30", "r8;8;80"}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "3%", "8%", "COMPLETE"}));
}

// A 1 km id missing from the coordinate table ends the action naming it,
// without the table's last row written in its place; the old file stays.
TEST(CoarseGrids, FinalizeRefusesAnIdTheCoordinateTableLacks)
{
    TKeyFolder f;
    WriteTable(f.File("1km_CELLs_landuse.csv"), {"ID1km;landuse", "3;1", "4;2", "8;2"});
    WriteTable(f.File("DATA/cc_x10_kp_koord_teljes_racs.txt"), {"a;id;x", "r3;3;30", "r8;8;80"});
    WriteTable(f.File("1km_CELLs_sorted.csv"), {"old"});
    const std::string error = ErrorOf([&] { app::Finalize1kmGrid(f.Options, f.Report); });
    EXPECT_NE(error.find("1 km id 4"), std::string::npos) << error;
    EXPECT_NE(error.find("1km_CELLs_landuse.csv\", line 3"), std::string::npos) << error;
    EXPECT_EQ(f.Bytes("1km_CELLs_sorted.csv"), TableBytes({"old"}));
}

}  // namespace
