// End-to-end tests of the grid-key tools through tolvek-drive: files put in place, buttons clicked, files and the status label read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/BatchToolFixtures.h"
#include "tests/app/EndToEndDrive.h"

namespace {

using namespace batchfixtures;
using e2e::Drive;
using e2e::TDriveResult;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

// "e:\Tolvek SOIL GRID\" below the run's folder.
fs::path SoilGridFolder(const TempDir& dir) { return dir.Path() / "drives" / "e" / "Tolvek SOIL GRID"; }

// A 100 m grid row of 47 columns whose layer-1 profile starts with `first`.
std::string GridRow(int id, int cell1km, int first)
{
    std::string row = std::to_string(id) + ";" + std::to_string(cell1km) + ";3";
    for (int c = 4; c <= 47; ++c) row += ";" + std::to_string(c == 11 ? first : 1);
    return row;
}

// The 1 km search over generated cell files, its key file sorted by 100 m id
// here as the user sorts it, then "CREATE 1km GRID" joining the 100 m grid.
TEST(GridKeyToolsEndToEnd, OneKmSearchThenCreateOneKmGrid)
{
    TempDir dir;
    const fs::path folder = SoilGridFolder(dir);
    const std::string header = "ID100m;ID1km;ID10km";
    // Cell c holds ids 10c+1..10c+3 with values 1, 2, 3 (the middle one
    // represents it), cell 199,255 the lowest ids, cell 8 a header alone.
    const std::vector<int> cells = {1, 8, 150000, 199255};
    std::vector<std::string> grid = {header};
    const auto firstIdOf = [](int cell) { return cell == 199255 ? 1 : 10 * cell + 1; };
    for (int cell : cells) {
        std::vector<std::string> lines = {header};
        if (cell != 8)
            for (int k = 0; k < 3; ++k) lines.push_back(GridRow(firstIdOf(cell) + k, cell, k + 1));
        WriteTable(folder / "byFILEs_1km" / (std::to_string(cell) + ".csv"), lines);
        grid.insert(grid.end(), lines.begin() + 1, lines.end());
    }
    std::sort(grid.begin() + 1, grid.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a) < std::stoi(b);
    });
    WriteTable(folder / "SOIL_GRID_100m.csv", grid);

    TDriveResult r = Drive(dir.Path(), {"click", "Button21", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, std::vector<std::string>{"COMPLETE"});
    const std::vector<std::string> keys = ReadTable(folder / "100m_IDs_in_1km_CELLs.csv");
    ASSERT_EQ(keys, (std::vector<std::string>{"ID1km;ID100m", "1;12", "8;", "150000;1500002", "199255;2"}));

    std::vector<std::string> sorted = keys;
    std::stable_sort(sorted.begin() + 1, sorted.end(), [](const std::string& a, const std::string& b) {
        const std::string idA = a.substr(a.find(';') + 1), idB = b.substr(b.find(';') + 1);
        return (idA.empty() ? 0 : std::stoll(idA)) < (idB.empty() ? 0 : std::stoll(idB));
    });
    WriteTable(folder / "100m_IDs_in_1km_CELLs SORTED.csv", sorted);
    r = Drive(dir.Path(), {"click", "Button20", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, std::vector<std::string>{"COMPLETE"});
    EXPECT_EQ(ReadFileBytes(folder / "SOIL_GRID_1km.csv"),
              TableBytes({header, GridRow(2, 199255, 2), GridRow(12, 1, 2), GridRow(1500002, 150000, 2)}));
}

struct TButtonCase {
    const char* Button;
    std::vector<std::pair<fs::path, std::vector<std::string>>> Inputs;
    fs::path Output;
    std::vector<std::string> Expected;
    const char* Label;
};

// Each button reads its fixed files below the mapped drives and sets the
// status label; the neighbour table lives in the provider folder on c:.
TEST(GridKeyToolsEndToEnd, ButtonsWriteTheirTablesAtTheFixedPlaces)
{
    const fs::path soil = "drives/e/Tolvek SOIL GRID";
    const fs::path provider = "drives/c/TolvekCloud/PRODUCTS/ALAPADAT/STATISTICS";
    std::vector<std::string> keys10km = {"old;new"};
    std::vector<std::string> neighbours;
    for (int cell = 1; cell <= 1104; ++cell) {
        keys10km.push_back(std::to_string(cell) + ";" + std::to_string(cell));
        neighbours.push_back(std::to_string(cell) + (cell == 2 ? ";3;0;0;0;4;0;0;0" : ";0;0;0;0;0;0;0;0"));
    }
    const fs::path carbon = "drives/e/TolvekCloud/PRODUCTS/LIBRARY/SPINUP_SOM";
    const std::string soilRow = SoilRow(11);
    std::vector<std::string> grid10km = {"h"}, landUse, fertiliser;
    for (int cell = 1; cell <= 1104; ++cell) {
        grid10km.push_back(cell == 2 ? "10;x" : "");
        landUse.push_back(std::to_string(cell) + (cell == 3 ? ";0;0;1;0;1" : ";0;0;0;0;0"));
        fertiliser.push_back(std::to_string(cell) + (cell == 2 ? ";-1,0;100,0" : ";-1,0;-1,0") + ";-1,0;-1,0;-1,0;-1,0");
    }
    const std::vector<TButtonCase> cases = {
        {"Button19", {{soil / "SOIL_GRID_100m.csv", {"h", "10;x"}}, {soil / "100m_IDs_in_10km_CELLs SORTED.csv", {"h", "2;10"}}},
         soil / "SOIL_GRID_10km.csv", grid10km, "COMPLETE"},
        {"Button23",
         {{soil / "1km_CELLs_landuse.csv", {"h", "3;1"}}, {soil / "DATA/cc_x10_kp_koord_teljes_racs.txt", {"h", "r;3"}}},
         soil / "1km_CELLs_sorted.csv", {"r;3"}, "COMPLETE"},
        {"USDA", {{soil / "Tolvek_DB_SOIL_TABLE.csv", {"h", soilRow}}, {soil / "Tolvek_DB_GRID_TABLE3.csv", {"h", "1;11"}}},
         soil / "USDA.csv", {"1;4;LOAM;40;40;20"}, "COMPLETE"},
        {"Button66", {{soil / "Tolvek_DB_SOIL_TABLE.csv", {"h", soilRow}}, {soil / "Tolvek_DB_GRID_TABLE3.csv", {"h", "1;11"}}},
         soil / "USDA_coarse.csv", {"1;2;LOAM;40;40;20"}, "COMPLETE"},
        {"Button65", {{carbon / "SOC_uncertainty.csv", {"h", "10;a"}}, {soil / "SOC_0-30cm.csv", {"h", "10;1,5"}}},
         carbon / "SOC_0-30cm_uncertainty.csv",
         {"ID;CC index;x10_id;EOV_LAT;EOV_LONG;pred_std;MIN;MAX;RANGE;MEAN;STD;ID;SOC", "10;a;10;1,5"}, "COMPLETE"},
        {"Button6",
         {{soil / "Tolvek_DB_SOIL_TABLE.csv", {"h", soilRow}}, {soil / "Tolvek_DB_GRID_TABLE3_sorted.csv", {"h", "7;11"}}},
         soil / "10km_base_dataset.csv", {"7;4;2;" + soilRow}, "COMPLETE"},
        {"Button56", {{soil / "KEY_Cell_IDs.csv", {"h", "1;5;2;9"}}, {provider / "100m-es_racshoz_mutragya.txt", {"h", "a;1;buza;100"}}},
         provider / "10km_racs_mutragya.csv", fertiliser, "COMPLETE"},
        {"Button79", {{soil / "Tolvek_DB_SOIL_TABLE.csv", {"h", SoilRow(2)}}, {soil / "Tolvek_DB_GRID_TABLE1.csv", {"g", "1;x", "2;y"}}},
         soil / "Tolvek_DB_GRID_TABLE1new.csv", {"g", "2;y"}, "COMPLETE"},
        {"Button61", {{soil / "Tolvek_DB_GRID_TABLE1.csv", {"g", "4;x;1;a;b;c;1"}}, {soil / "pont_nem1_szanton.csv", {"h", "a;4"}}},
         soil / "croplandIDs.csv", {"4"}, "COMPLETE"},
        {"Button86", {{soil / "Tolvek_DB_GRID_TABLE1.csv", {"g", "1;x;3;a;b;c;2"}}}, soil / "landuse.csv", landUse, "COMPLETE"},
        {"Button80", {{soil / "Tolvek_DB_SOIL_TABLE.csv", {"h", soilRow}}, {soil / "Tolvek_DB_GRID_TABLE3_sorted.csv", {"h", "5;11"}}},
         soil / "10kmSOC.csv",
         {"ID10km;ID100m;BD0-30;BD30-30;BD60-100;BD100-200;SOM0-30;SOM30-60;SOM60-100;SOM100-200",
          "5;11;1.45;1.5;1.55;1.6;2.1;1.8;1.2;0.8"},
         "COMPLETE"},
        {"Button88",
         {{soil / "Tolvek_DB_SOIL_TABLE_corrected.csv", {"h1", soilRow}}, {soil / "Tolvek_DB_GRID_TABLE3_sorted.csv", {"h", "5;11"}}},
         soil / "SOC1104.csv", {"id10km;h1", "5;" + soilRow}, "COMPLETE"},
        {"Button25", {}, soil / "KEY_Cell_IDs.csv", {"ID100m;ID1km;ID10km;ID10kmOLD(CC)"}, "COMPLETE"},
        {"Button26", {{soil / "10km_SOIL_GRID.csv", {"a;b;c;d;e;f;g;h", "1;2;3;4;5;6;7;8"}}},
         soil / "Tolvek_DB_GRID_TABLE3.csv", {"a;c;d;e;f;h;g", "1;3;4;5;6;8;7"}, "COMPLETE"},
        {"Button38",
         {{soil / "Tolvek_DB_GRID_TABLE3.csv", {"h", "1;20"}}, {soil / "DATA/termoreteg_uj.txt", {"h", "x;20;x;x;35,6"}}},
         soil / "DATA/termoreteg_select1104.csv", {"1;20;36"}, "PROCESSING"},
        {"Button57",
         {{soil / "KEY_10kmID_OLD_NEW.csv", keys10km},
          {provider / "CC_edge_neighbors.csv", {"c\tn", "2\t3"}},
          {provider / "CC_corner_neighbors.csv", {"c\tn", "2\t4"}}},
         provider / "10km_neighborIDs.csv", neighbours, "COMPLETE"},
    };
    for (const TButtonCase& c : cases) {
        TempDir dir;
        fs::create_directories(dir.Path() / soil);
        for (const auto& [name, lines] : c.Inputs) WriteTable(dir.Path() / name, lines);
        const TDriveResult r =
            Drive(dir.Path(), {"--decimal-separator", ",", "click", c.Button, "get", "Label2.Caption"});
        ASSERT_EQ(r.Status, 0) << c.Button << ": " << r.Err;
        EXPECT_EQ(r.Out, std::vector<std::string>{c.Label}) << c.Button;
        EXPECT_EQ(ReadFileBytes(dir.Path() / c.Output), TableBytes(c.Expected)) << c.Button;
    }
}

}  // namespace
