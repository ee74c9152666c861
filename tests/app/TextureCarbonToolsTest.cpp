// Tests of the texture-class and carbon-group tools on small tables, compared with whole expected files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TextureCarbonTools.h"
#include "tests/app/GridKeyToolFixture.h"

namespace {

using namespace batchfixtures;
using testsupport::ReadFileBytes;

const std::string Grid3Header = "id10km;id100m;lat;long;elev;x;y";

// Soil rows 11 to 15: loam, sandy loam, silty clay, a sandy loam whose clay
// lies beyond the row's 50th character, and a composition no rule matches.
std::vector<std::string> TextureSoilTable()
{
    return {"header",
            SoilRow(11, {{7, "40"}, {8, "40"}, {9, "20"}}),
            SoilRow(12, {{7, "70"}, {8, "20"}, {9, "10"}}),
            SoilRow(13, {{7, "10"}, {8, "45"}, {9, "45"}}),
            SoilRow(14, {{3, "1.45000000"}, {4, "2.10000000"}, {7, "70.0000000000"}, {8, "20.0000000000"}, {9, "10.0000000000"}}),
            SoilRow(15, {{7, "10"}, {8, "10"}, {9, "10"}})};
}

// The classes of each representative's layer 1, from its whole fields; a
// first row no rule matches gets class 0 and no name, a later one the class
// of the row before.
TEST(TextureClasses, UsdaAndCoarseClassifyEachRepresentative)
{
    TGridKeyFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), TextureSoilTable());
    WriteTable(f.File("Tolvek_DB_GRID_TABLE3.csv"),
               {Grid3Header, "1;15;a", "2;11;a", "3;12;a", "4;13;a", "5;14;a", "6;15;a"});
    app::ClassifyRepresentatives(f.Options, false, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("USDA.csv")),
              TableBytes({"1;0;;10;10;10", "2;4;LOAM;40;40;20", "3;3;SANDY LOAM;70;20;10", "4;11;SILTY CLAY;10;45;45",
                          "5;3;SANDY LOAM;70.0000000000;20.0000000000;10.0000000000", "6;3;SANDY LOAM;10;10;10"}));
    app::ClassifyRepresentatives(f.Options, true, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("USDA_coarse.csv")),
              TableBytes({"1;2;LOAM;10;10;10", "2;2;LOAM;40;40;20", "3;1;SAND;70;20;10", "4;3;CLAY;10;45;45",
                          "5;1;SAND;70.0000000000;20.0000000000;10.0000000000", "6;2;LOAM;10;10;10"}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "COMPLETE", "PROCESSING", "COMPLETE"}));
}

TEST(TextureClasses, UsdaRefusesASoilIdBeyondItsTable)
{
    TGridKeyFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), {"header", SoilRow(11), SoilRow(12000001)});
    WriteTable(f.File("Tolvek_DB_GRID_TABLE3.csv"), {Grid3Header, "1;11"});
    const std::string error = ErrorOf([&] { app::ClassifyRepresentatives(f.Options, false, f.Report); });
    EXPECT_NE(error.find("12000001"), std::string::npos) << error;
    EXPECT_NE(error.find("Tolvek_DB_SOIL_TABLE.csv\", line 3"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(f.File("USDA.csv")));
}

// A first row no rule matches goes nowhere; a later one goes with the row
// before it.
TEST(CarbonGroups, GroupsSplitTheCarbonRowsByClass)
{
    TGridKeyFolder f;
    WriteTable(f.File("SOC_0-30cm.csv"), {"id;soc;a;b;sand;silt;clay", "5;1.1;a;b;10;10;10", "6;1.2;a;b;40;40;20",
                                          "7;1.3;a;b;10;45;45", "8;1.4;a;b;10;10;10"});
    fs::create_directories(f.File("USDA"));
    app::GroupCarbonByTexture(f.Options, f.Report);
    for (int k = 1; k <= 12; ++k) {
        const std::string name = app::TextureClassName(k);
        const std::vector<std::string> expected =
            name == "LOAM" ? std::vector<std::string>{"6;1.2"}
            : name == "SILTY CLAY" ? std::vector<std::string>{"7;1.3", "8;1.4"} : std::vector<std::string>{};
        EXPECT_EQ(ReadFileBytes(f.File("USDA/" + name + ".csv")), TableBytes(expected)) << name;
    }
}

// Class LOAM holds 1, 2 and 6: mean 3, low 2, high 4.5, nearest ids those of
// 2, 2 and 6; SILT is written without reading a file; the others hold one line.
TEST(CarbonGroups, PercIdFindsTheCellsNearestLowMeanAndHighInBothLocales)
{
    for (const char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        TGridKeyFolder f;
        for (int k = 1; k <= 12; ++k) {
            if (k == 6) continue;
            const std::string name = app::TextureClassName(k);
            WriteTable(f.File("USDA/" + name + ".csv"),
                       k == 4 ? std::vector<std::string>{"101;1", "102;2", "103;6"}
                              : std::vector<std::string>{std::to_string(k * 100) + ";" + std::to_string(k) + ".5"});
        }
        app::FindCarbonPercentileIds(f.Options, f.Report);
        std::vector<std::string> expected = {"group;nr;p17id;p50id;p83id;p17soc;p50soc;p83soc"};
        for (int k = 1; k <= 12; ++k) {
            const std::string name = app::TextureClassName(k);
            const std::string v = std::to_string(k) + separator + "50";
            const std::string id = std::to_string(k * 100);
            expected.push_back(k == 6   ? "SILT;0"
                               : k == 4 ? std::string("LOAM;3;102;102;103;2") + separator + "00;3" + separator + "00;4" +
                                              separator + "50"
                                        : name + ";1;" + id + ";" + id + ";" + id + ";" + v + ";" + v + ";" + v);
        }
        EXPECT_EQ(ReadFileBytes(f.File("USDA/groupIDs.csv")), TableBytes(expected)) << separator;
        EXPECT_EQ(f.Status.back(), "COMPLETE");
        EXPECT_EQ(f.Status[6], "6");
    }
}

TEST(CarbonGroups, PercIdNeedsEveryClassFileButSilt)
{
    TGridKeyFolder f;
    WriteTable(f.File("USDA/SAND.csv"), {"1;1"});
    WriteTable(f.File("USDA/LOAMY SAND.csv"), {});
    const std::string error = ErrorOf([&] { app::FindCarbonPercentileIds(f.Options, f.Report); });
    EXPECT_NE(error.find("LOAMY SAND.csv\", line 1"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(f.File("USDA/groupIDs.csv")));
}

// Each uncertainty row, then the id and carbon of every carbon row of its id;
// carbon rows without an uncertainty row are left out.
TEST(CarbonGroups, SocJoinsTheCarbonRowsToTheUncertaintyRowsById)
{
    TGridKeyFolder f;
    WriteTable(f.CarbonFile("SOC_uncertainty.csv"),
               {"ID;CC index;x10_id;EOV_LAT;EOV_LONG;pred_std;MIN;MAX;RANGE;MEAN;STD", "30;c;x;1;2;3;4;5;6;7;8",
                "10;a;x;1;2;3;4;5;6;7;8", "20;b;x;1;2;3;4;5;6;7;8"});
    WriteTable(f.File("SOC_0-30cm.csv"), {"id;soc", "10;1.5;z", "40;9", "10;1.7"});
    app::JoinCarbonUncertainty(f.Options, f.Report);
    EXPECT_EQ(ReadFileBytes(f.CarbonFile("SOC_0-30cm_uncertainty.csv")),
              TableBytes({"ID;CC index;x10_id;EOV_LAT;EOV_LONG;pred_std;MIN;MAX;RANGE;MEAN;STD;ID;SOC",
                          "10;a;x;1;2;3;4;5;6;7;8;10;1.5;10;1.7", "20;b;x;1;2;3;4;5;6;7;8", "30;c;x;1;2;3;4;5;6;7;8"}));
}

// Sand 30, silt 40, clay 20 add up to 90: classified with sand 40 (LOAM).
TEST(BaseDataset, AddsBothClassesToTheRepresentativesSoilRows)
{
    TGridKeyFolder f;
    const std::string row11 = SoilRow(11, {{7, "30"}, {8, "40"}, {9, "20"}});
    const std::string row12 = SoilRow(12, {{7, "70"}, {8, "20"}, {9, "10"}});
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), {"header", SoilRow(10), row11, row12, SoilRow(13)});
    WriteTable(f.File("Tolvek_DB_GRID_TABLE3_sorted.csv"), {Grid3Header, "7;11;a", "9;12;b"});
    app::Make10kmBaseDataset(f.Options, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("10km_base_dataset.csv")), TableBytes({"7;4;2;" + row11, "9;3;1;" + row12}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));

    WriteTable(f.File("Tolvek_DB_GRID_TABLE3_sorted.csv"), {Grid3Header, "7;11;a", "8;99;b", "9;12;b"});
    const std::string error = ErrorOf([&] { app::Make10kmBaseDataset(f.Options, f.Report); });
    EXPECT_NE(error.find("id 99"), std::string::npos) << error;
    EXPECT_NE(error.find("sorted.csv\", line 3"), std::string::npos) << error;
}

}  // namespace
