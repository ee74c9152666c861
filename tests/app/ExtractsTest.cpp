// Tests of the extracts through the grid tables on small tables, compared with whole expected files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Extracts.h"
#include "tests/app/GridKeyToolFixture.h"

namespace {

using namespace batchfixtures;
using testsupport::ReadFileBytes;

const std::string Grid1Header = "id;x;cell;lat;long;elev;landuse";

std::string Grid1Row(int id, int cell, const std::string& landUse)
{
    return std::to_string(id) + ";x;" + std::to_string(cell) + ";47.1;19.2;130;" + landUse;
}

TEST(Extracts, IncorporateKeepsTheGridRowsWithSoilData)
{
    TGridKeyFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), {"header", SoilRow(2), SoilRow(4)});
    WriteTable(f.File("Tolvek_DB_GRID_TABLE1.csv"),
               {Grid1Header, Grid1Row(1, 1, "1"), Grid1Row(2, 1, "1"), Grid1Row(3, 1, "1"), Grid1Row(4, 2, "0")});
    app::IncorporateNewData(f.Options, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("Tolvek_DB_GRID_TABLE1new.csv")),
              TableBytes({Grid1Header, Grid1Row(2, 1, "1"), Grid1Row(4, 2, "0")}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));
}

// "01" is not cropland; a point id grid table 1 lacks is not written.
TEST(Extracts, MergeListsTheCroplandIdsAscending)
{
    TGridKeyFolder f;
    WriteTable(f.File("Tolvek_DB_GRID_TABLE1.csv"),
               {Grid1Header, Grid1Row(9, 1, "1"), Grid1Row(2, 1, "01"), Grid1Row(3, 1, "2"), Grid1Row(5, 1, "3")});
    WriteTable(f.File("pont_nem1_szanton.csv"), {"x;id", "a;3", "a;4", "a;5"});
    app::ListCroplandIds(f.Options, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("croplandIDs.csv")), TableBytes({"3", "5", "9"}));
}

TEST(Extracts, LandUseCountsTheCodesOfEveryCell)
{
    TGridKeyFolder f;
    WriteTable(f.File("Tolvek_DB_GRID_TABLE1.csv"), {Grid1Header, Grid1Row(1, 1, "0"), Grid1Row(2, 1, "3"),
                                                     Grid1Row(3, 1, "3"), Grid1Row(4, 1104, "1"), Grid1Row(5, 1104, "2")});
    app::CountLandUse(f.Options, f.Report);
    std::vector<std::string> expected;
    for (int cell = 1; cell <= 1104; ++cell) expected.push_back(std::to_string(cell) + ";0;0;0;0;0");
    expected[0] = "1;1;0;0;2;3";
    expected[1103] = "1104;0;1;1;0;2";
    EXPECT_EQ(ReadFileBytes(f.File("landuse.csv")), TableBytes(expected));

    for (const auto& [row, value] : {std::pair{Grid1Row(6, 3, "4"), "4"}, {Grid1Row(6, 1105, "1"), "1105"}}) {
        WriteTable(f.File("Tolvek_DB_GRID_TABLE1.csv"), {Grid1Header, Grid1Row(1, 1, "0"), row});
        const std::string error = ErrorOf([&] { app::CountLandUse(f.Options, f.Report); });
        EXPECT_NE(error.find(value), std::string::npos) << error;
        EXPECT_NE(error.find("TABLE1.csv\", line 3"), std::string::npos) << error;
    }
}

// A key with an empty id is passed over; the header keeps "BD30-30".
TEST(Extracts, QueryWritesTheBulkDensityAndOrganicMatterOfTheRepresentatives)
{
    TGridKeyFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"),
               {"header", SoilRow(11, {{13, "1.51"}, {34, "0.75"}}), SoilRow(12), SoilRow(13, {{3, "1.33"}})});
    WriteTable(f.File("Tolvek_DB_GRID_TABLE3_sorted.csv"), {"h", "0005;11;a", "6;;b", "2;13;c"});
    app::QueryRepresentativeCarbon(f.Options, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("10kmSOC.csv")),
              TableBytes({"ID10km;ID100m;BD0-30;BD30-30;BD60-100;BD100-200;SOM0-30;SOM30-60;SOM60-100;SOM100-200",
                          "5;11;1.45;1.51;1.55;1.6;2.1;1.8;1.2;0.75", "2;13;1.33;1.5;1.55;1.6;2.1;1.8;1.2;0.8"}));

    WriteTable(f.File("Tolvek_DB_GRID_TABLE3_sorted.csv"), {"h", "5;11;a", "2;14;c"});
    const std::string error = ErrorOf([&] { app::QueryRepresentativeCarbon(f.Options, f.Report); });
    EXPECT_NE(error.find("id 14"), std::string::npos) << error;
    EXPECT_NE(error.find("sorted.csv\", line 3"), std::string::npos) << error;
}

TEST(Extracts, SelectFrom1haGridWritesTheRepresentativesRows)
{
    TGridKeyFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE_corrected.csv"), {"h1;h2", SoilRow(11), SoilRow(12), SoilRow(13)});
    WriteTable(f.File("Tolvek_DB_GRID_TABLE3_sorted.csv"), {"h", "5;11;a", "2;13;c"});
    app::SelectFrom1haGrid(f.Options, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("SOC1104.csv")), TableBytes({"id10km;h1;h2", "5;" + SoilRow(11), "2;" + SoilRow(13)}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "1", "2", "COMPLETE"}));
}

// The first key the soil table lacks ends the action naming it, whether a
// later soil row passes it or the table ends first.
TEST(Extracts, SelectFrom1haGridNamesTheFirstKeyTheSoilTableLacks)
{
    for (const auto& [keys, missing] : {std::pair{std::vector<std::string>{"h", "5;11", "3;12", "2;13"}, "id 12"},
                                        {std::vector<std::string>{"h", "5;11", "2;13", "4;20"}, "id 20"}}) {
        TGridKeyFolder f;
        WriteTable(f.File("Tolvek_DB_SOIL_TABLE_corrected.csv"), {"h1;h2", SoilRow(11), SoilRow(13), SoilRow(14)});
        WriteTable(f.File("Tolvek_DB_GRID_TABLE3_sorted.csv"), keys);
        const std::string error = ErrorOf([&] { app::SelectFrom1haGrid(f.Options, f.Report); });
        EXPECT_NE(error.find(missing), std::string::npos) << error;
        EXPECT_FALSE(fs::exists(f.File("SOC1104.csv")));
    }
}

// 35.6 is written 36 and 35.4 35; an id that stands twice in grid table 3
// gives a line for each of its rows.
TEST(Extracts, SelectWritesTheTopsoilDepthsOfTheRepresentatives)
{
    TGridKeyFolder f;
    WriteTable(f.File("Tolvek_DB_GRID_TABLE3.csv"), {"h", "1;20;a", "2;30;a", "3;20;a"});
    WriteTable(f.File("DATA/termoreteg_uj.txt"), {"h", "x;30;x;x;35.4", "x;99;x;x;1", "x;20;x;x;35.6"});
    app::SelectTopsoilDepths(f.Options, f.Report);
    EXPECT_EQ(ReadFileBytes(f.File("DATA/termoreteg_select1104.csv")), TableBytes({"2;30;35", "1;20;36", "3;20;36"}));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING"}));
}

}  // namespace
