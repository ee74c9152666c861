// Tests of the neighbour table and the fertiliser grid on small tables, compared with whole expected files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Neighbours.h"
#include "tests/app/GridKeyToolFixture.h"

namespace {

using namespace batchfixtures;
using testsupport::ReadFileBytes;

// Old cell i is new cell 1105 - i.
void WriteReversedKeys(const TGridKeyFolder& f)
{
    Write1104RowTable(f.File("KEY_10kmID_OLD_NEW.csv"), {"old;new"},
                      [](int cell) { return std::to_string(cell) + ";" + std::to_string(1105 - cell); });
}

std::vector<std::string> PairTable(const std::vector<std::pair<int, int>>& pairs)
{
    std::vector<std::string> lines = {"cell\tneighbour"};
    for (const auto& [cell, neighbour] : pairs) lines.push_back(std::to_string(cell) + "\t" + std::to_string(neighbour));
    return lines;
}

// Old cell 1 (new 1104): three edges and four corners, slot 4 empty. Old
// cell 9 (new 1096): five edges, the fifth in slot 5, and one corner after
// them in slot 6. Every other cell: eight zeros.
TEST(NeighbourTable, EdgeAndCornerNeighboursFillTheirSlotsByNewNumber)
{
    TGridKeyFolder f;
    WriteReversedKeys(f);
    WriteTable(f.ProviderFile("CC_edge_neighbors.csv"), PairTable({{1, 2}, {9, 1}, {1, 3}, {9, 2}, {1, 4}, {9, 3}, {9, 4}, {9, 5}}));
    WriteTable(f.ProviderFile("CC_corner_neighbors.csv"), PairTable({{1, 5}, {1, 6}, {1, 7}, {1, 8}, {9, 6}}));
    app::WriteNeighbourTable(f.Options, f.Report);
    std::vector<std::string> expected;
    for (int cell = 1; cell <= 1104; ++cell) expected.push_back(std::to_string(cell) + ";0;0;0;0;0;0;0;0");
    expected[1103] = "1104;1103;1102;1101;0;1100;1099;1098;1097";
    expected[1095] = "1096;1104;1103;1102;1101;1100;1099;0;0";
    EXPECT_EQ(ReadFileBytes(f.ProviderFile("10km_neighborIDs.csv")), TableBytes(expected));
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "COMPLETE"}));
}

TEST(NeighbourTable, RefusesANinthNeighbourAndACellOutsideTheGrid)
{
    struct TCase {
        std::vector<std::pair<int, int>> Edges, Corners;
        const char* File;
        const char* Value;
    };
    const std::vector<TCase> cases = {
        {{{3, 1}, {3, 2}, {3, 4}, {3, 5}, {3, 6}, {3, 7}, {3, 8}, {3, 9}, {3, 10}}, {}, "CC_edge_neighbors.csv\", line 10", "cell 3"},
        {{{3, 1}, {3, 2}, {3, 4}, {3, 5}, {3, 6}}, {{3, 7}, {3, 8}, {3, 9}, {3, 10}}, "CC_corner_neighbors.csv\", line 5", "cell 3"},
        {{{1105, 1}}, {}, "CC_edge_neighbors.csv\", line 2", "1105"},
    };
    for (const TCase& c : cases) {
        TGridKeyFolder f;
        WriteReversedKeys(f);
        WriteTable(f.ProviderFile("CC_edge_neighbors.csv"), PairTable(c.Edges));
        WriteTable(f.ProviderFile("CC_corner_neighbors.csv"), PairTable(c.Corners));
        const std::string error = ErrorOf([&] { app::WriteNeighbourTable(f.Options, f.Report); });
        EXPECT_NE(error.find(c.File), std::string::npos) << error;
        EXPECT_NE(error.find(c.Value), std::string::npos) << error;
        EXPECT_FALSE(fs::exists(f.ProviderFile("10km_neighborIDs.csv")));
    }
}

// Two "buza" rows of cell 7 with 100 and 150 give 125.0; a crop without rows
// -1.0; a row of another crop is passed over and counted at the end.
TEST(FertiliserGrid, MeansPerCellAndCropInBothLocales)
{
    for (const char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        TGridKeyFolder f;
        WriteTable(f.File("KEY_Cell_IDs.csv"), {"ID100m;ID1km;ID10km;ID10kmOLD(CC)", "1;5;7;9", "2;5;7;9", "3;6;8;9",
                                                "11259791;6;1104;9"});
        WriteTable(f.ProviderFile("100m-es_racshoz_mutragya.txt"),
                   {"x;id;crop;amount", "a;1;buza;100", "a;2;buza;150", "a;3;kukorica;80.5", "a;1;zab;999",
                    "a;11259791;ret es legelo;12.25"});
        app::WriteFertiliserGrid(f.Options, f.Report);
        const auto text = [separator](std::string s) {
            for (char& c : s)
                if (c == '.') c = separator;
            return s;
        };
        std::vector<std::string> expected;
        for (int cell = 1; cell <= 1104; ++cell) expected.push_back(std::to_string(cell) + text(";-1.0;-1.0;-1.0;-1.0;-1.0;-1.0"));
        expected[6] = text("7;-1.0;125.0;-1.0;-1.0;-1.0;-1.0");
        expected[7] = text("8;80.5;-1.0;-1.0;-1.0;-1.0;-1.0");
        expected[1103] = text("1104;-1.0;-1.0;-1.0;-1.0;-1.0;12.3");
        EXPECT_EQ(ReadFileBytes(f.ProviderFile("10km_racs_mutragya.csv")), TableBytes(expected)) << separator;
        EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING...", "buza", "kukorica", "ret es legelo",
                                                      "COMPLETE; rows of other crops passed over: 1"}));
    }
}

TEST(FertiliserGrid, RefusesAnIdTheKeyTableLacksOrBeyondItsTable)
{
    for (const char* id : {"4", "11259792"}) {
        TGridKeyFolder f;
        WriteTable(f.File("KEY_Cell_IDs.csv"), {"h", "1;5;7;9"});
        WriteTable(f.ProviderFile("100m-es_racshoz_mutragya.txt"), {"x;id;crop;amount", "a;1;buza;1", std::string("a;") + id + ";buza;2"});
        const std::string error = ErrorOf([&] { app::WriteFertiliserGrid(f.Options, f.Report); });
        EXPECT_NE(error.find(id), std::string::npos) << error;
        EXPECT_NE(error.find("mutragya.txt\", line 3"), std::string::npos) << error;
    }
}

}  // namespace
