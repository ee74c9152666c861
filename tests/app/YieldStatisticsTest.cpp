// Tests of the yield multipliers, the disaggregated county yields and the fertiliser tables on small tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/YieldStatistics.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/FixedPlacesRun.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

using batchfixtures::ErrorOf;

using batchfixtures::DecimalSeparatorScope;
using batchfixtures::ReadTable;
using batchfixtures::WriteTable;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

struct TRun : batchfixtures::TFixedPlacesRun {
    fs::path Statistics() const { return Dir.Path() / "drives" / "e" / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "STATISTICS"; }
    fs::path Fertiliser() const { return Dir.Path() / "drives" / "e" / "4M100m"; }
};


std::string Localised(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

// Cells 1 and 2 make up HU120 with maize yields 4 and 6; cells 1103 and 1104
// make up HU999, outside the 19 regions, with yields 2 and 6; every other
// cell lies in HU331 with equal yields.
std::string MeanYieldRow(int cell, char separator)
{
    const std::string c = std::to_string(cell);
    if (cell == 1) return c + ";4;3;HU120";
    if (cell == 2) return c + ";6;3;HU120";
    if (cell == 1103) return c + ";2;" + Localised("2.5", separator) + ";HU999";
    if (cell == 1104) return c + ";6;" + Localised("2.5", separator) + ";HU999";
    return c + ";" + Localised("5.5", separator) + ";2;HU331";
}

Lines ExpectedMultipliers(char separator)
{
    Lines lines = {"ID;multipMAIZE;multipWHEAT;NUTS3", "1;0.80000000;1.00000000;HU120", "2;1.20000000;1.00000000;HU120"};
    for (int cell = 3; cell <= 1102; ++cell) lines.push_back(std::to_string(cell) + ";1.00000000;1.00000000;HU331");
    // Outside the 19 regions the shares are divided by their total, not their mean.
    lines.push_back("1103;0.25000000;0.50000000;HU999");
    lines.push_back("1104;0.75000000;0.50000000;HU999");
    for (std::string& line : lines) line = Localised(line, separator);
    return lines;
}

// The multipliers feed the disaggregation: HU120's yields scaled by 0.8 and
// 1.2, HU331's copied year by year, HU999 without county yields gives zeros.
TEST(YieldStatistics, MultipliersThenDisaggregatedCountyYields)
{
    for (char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        TRun run;
        batchfixtures::Write1104RowTable(run.Statistics() / "meanYields2014-2017.csv", {"ID;MAIZE;WHEAT;NUTS3"},
                                         [separator](int cell) { return MeanYieldRow(cell, separator); });
        app::WriteYieldMultipliers(run.Places, run.Report);
        EXPECT_EQ(ReadTable(run.Statistics() / "NUTS3dissaggr.csv"), ExpectedMultipliers(separator)) << separator;

        std::string header = "NUTS3;NAME";
        std::string hu120 = "HU120;Budapest", hu331 = "HU331;Bacs";
        for (int year = 1970; year <= 2018; ++year) {
            header += ";" + std::to_string(year);
            hu120 += ";" + std::to_string(5000 + (year - 1970) * 10);
            hu331 += ";" + Localised(std::to_string(7000 + (year - 1970)) + ".4", separator);
        }
        WriteTable(run.Statistics() / "MaizeYield1970-2018NUTS3.csv", {header, hu120, hu331});
        app::WriteDisaggregatedYields(run.Places, run.Report);

        Lines expected = {header};
        for (int cell = 1; cell <= 1104; ++cell) {
            std::string line = std::to_string(cell);
            line += cell <= 2 ? ";HU120" : cell >= 1103 ? ";HU999" : ";HU331";
            for (int k = 0; k < 49; ++k) {
                const int yield = cell == 1   ? 4000 + 8 * k
                                  : cell == 2 ? 6000 + 12 * k
                                  : cell >= 1103 ? 0
                                                 : 7000 + k;
                line += ";" + std::to_string(yield);
            }
            expected.push_back(line);
        }
        EXPECT_EQ(ReadTable(run.Statistics() / "MaizeYieldDisAggr1970-2018.csv"), expected) << separator;
        EXPECT_EQ(run.Status, (Lines{"PROCESSING", "COMPLETE", "PROCESSING", "COMPLETE"}));
    }
}

// A cell without a row and a region whose yields are all 0 end the action
// with an error naming the file and the cell; no table is written.
TEST(YieldStatistics, MultipliersRefuseZeroDivisors)
{
    struct TCase {
        const char* Name;
        std::function<std::string(int)> Row;
        std::string Message;
    };
    const TCase cases[] = {
        {"missing cell", [](int cell) { return cell == 17 ? std::string("16;5;5;HU331") : MeanYieldRow(cell, '.'); },
         "cell 17 of"},
        {"zero region", [](int cell) { return cell <= 2 ? std::to_string(cell) + ";0;1;HU120" : MeanYieldRow(cell, '.'); },
         "cell 1 of"},
    };
    for (const TCase& c : cases) {
        TRun run;
        batchfixtures::Write1104RowTable(run.Statistics() / "meanYields2014-2017.csv", {"header"}, c.Row);
        const std::string error = ErrorOf([&] { app::WriteYieldMultipliers(run.Places, run.Report); });
        EXPECT_NE(error.find(c.Message), std::string::npos) << c.Name << ": " << error;
        EXPECT_NE(error.find("meanYields2014-2017.csv"), std::string::npos) << c.Name << ": " << error;
        EXPECT_FALSE(fs::exists(run.Statistics() / "NUTS3dissaggr.csv")) << c.Name;
    }
}

// One table per crop: rows of 2016 of that crop only, the last row of an id
// winning, ascending ids, the amount cut to its first five characters.
TEST(YieldStatistics, FertiliserTablesPerCropInIdOrder)
{
    TRun run;
    fs::create_directories(run.Fertiliser());
    WriteTable(run.Statistics() / "100m-es_racshoz_mutragya.txt",
               {"YEAR;ID;CROP;N", "2016;5;kukorica;123.456", "2015;6;kukorica;1", "2016;7;buza;2", "2016;5;kukorica;99",
                "2016;3;kukorica;10.5", "2016;11059795;ret es legelo;1,25", "2016;8;rozs;1", "2016; 9;kukorica;  0.75",
                "2016;4;kukorica;123.456", "2016;8193;kukorica;1", "2016;4097;kukorica;2", "2016;0012;kukorica;7",
                "2016;4097;kukorica;3"});
    app::WriteFertiliserTables(run.Places, run.Report);
    const auto table = [&](const char* crop) { return ReadTable(run.Fertiliser() / (std::string(crop) + "_fertilization_2016.csv")); };
    // Ids in number order, an id written with leading zeros kept as written,
    // the last row of an id winning.
    EXPECT_EQ(table("kukorica"), (Lines{"ID;amount_kgN/ha", "3;10.5", "4;123.4", "5;99", "9;0.75", "0012;7", "4097;3",
                                        "8193;1"}));
    EXPECT_EQ(table("buza"), (Lines{"ID;amount_kgN/ha", "7;2"}));
    EXPECT_EQ(table("ret es legelo"), (Lines{"ID;amount_kgN/ha", "11059795;1,25"}));
    for (const char* crop : {"arpa", "napraforgo", "repce"}) EXPECT_EQ(table(crop), Lines{"ID;amount_kgN/ha"}) << crop;

    WriteTable(run.Statistics() / "100m-es_racshoz_mutragya.txt",
               {"YEAR;ID;CROP;N", "2016;5;kukorica;123.456", "2016;11059796;buza;1"});
    const std::string error = ErrorOf([&] { app::WriteFertiliserTables(run.Places, run.Report); });
    EXPECT_NE(error.find("100 m id 11059796 is outside 1 to 11059795"), std::string::npos) << error;
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    EXPECT_EQ(table("kukorica"), (Lines{"ID;amount_kgN/ha", "3;10.5", "4;123.4", "5;99", "9;0.75", "0012;7", "4097;3",
                                        "8193;1"}));
}

}  // namespace
