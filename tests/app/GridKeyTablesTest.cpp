// Tests of the cell key table, grid table 3 and the spatial data file on small fixtures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GridKeyTables.h"
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
    void Put(const std::string& fixture, const std::string& name) const { fs::copy_file(KeyData(fixture), File(name)); }
};


TEST(CellKeys, CreateKeysWritesTheFirstFourColumnsOrTheHeaderAlone)
{
    TKeyFolder f;
    app::CreateCellKeys(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("KEY_Cell_IDs.csv"), TableBytes({"ID100m;ID1km;ID10km;ID10kmOLD(CC)"}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "COMPLETE"}));

    WriteTable(f.File("100m_SOIL_GRID.csv"), {"a;b;c;d;e", "11;2;3;4;5;6", "12;2;3", "13;9;8;7;6"});
    app::CreateCellKeys(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("KEY_Cell_IDs.csv"),
              TableBytes({"ID100m;ID1km;ID10km;ID10kmOLD(CC)", "11;2;3;4", "12;2;3;", "13;9;8;7"}));
}

// Every line, the first included, becomes columns 1, 3, 4, 5, 6, 8, 7.
TEST(GridTable3, ForDbDropsColumnTwoAndSwapsSevenAndEight)
{
    TKeyFolder f;
    WriteTable(f.File("10km_SOIL_GRID.csv"), {"h1;h2;h3;h4;h5;h6;h7;h8;h9", "a;b;c;d;e;f;g;h", "1;2;3"});
    app::WriteGridTable3(f.Options, f.Report);
    EXPECT_EQ(f.Bytes("Tolvek_DB_GRID_TABLE3.csv"), TableBytes({"h1;h3;h4;h5;h6;h8;h7", "a;c;d;e;f;h;g", "1;3;;;;;"}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "COMPLETE"}));
}

void PutSpatialInputs(const TKeyFolder& f)
{
    f.Put("spatial_carpatclim.csv", "CarpatClim GRID IDs.csv");
    f.Put("spatial_koordinatak.txt", "koordinatak.txt");
    f.Put("spatial_elevation.txt", "elevation.txt");
    f.Put("spatial_nuts3.txt", "nuts3.txt");
}

// Coordinates rounded to four decimals in the locale's separator, an id only
// in the elevation table, an id of both extra tables without coordinates, a
// row cut at 70 characters, ids in any input order written ascending.
TEST(SpatialDataFile, MergesTheFourInputsByIdInBothLocales)
{
    for (const auto& [separator, expected] :
         {std::pair{'.', "spatial_expected_dot.csv"}, {',', "spatial_expected_comma.csv"}}) {
        DecimalSeparatorScope scope(separator);
        TKeyFolder f;
        PutSpatialInputs(f);
        app::MakeSpatialDataFile(f.Options, f.Report);
        EXPECT_EQ(f.Bytes("IDandSPATIAL.csv"), ReadFileBytes(KeyData(expected))) << separator;
        EXPECT_EQ(f.Status, (std::vector<std::string>{"PHASE 1 FINISHED", "PHASE 2 FINISHED", "PHASE 3 FINISHED",
                                                      "PHASE 4 FINISHED", "COMPLETE"}));
    }
}

TEST(SpatialDataFile, RefusesACellOutsideTheGridAndAShortCarpatClimTable)
{
    TKeyFolder f;
    PutSpatialInputs(f);
    WriteTable(f.File("koordinatak.txt"), {"h", "x;5;1105;9;47;19"});
    std::string error = ErrorOf([&] { app::MakeSpatialDataFile(f.Options, f.Report); });
    EXPECT_NE(error.find("1105"), std::string::npos) << error;
    EXPECT_NE(error.find("koordinatak.txt\", line 2"), std::string::npos) << error;

    WriteTable(f.File("CarpatClim GRID IDs.csv"), {"h", "1;100", "2;200"});
    error = ErrorOf([&] { app::MakeSpatialDataFile(f.Options, f.Report); });
    EXPECT_NE(error.find("CarpatClim GRID IDs.csv\" ends"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(f.File("IDandSPATIAL.csv")));
}

}  // namespace
