// Tests of the annual output tools on generated cell files, compared whole with the expected tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/AnnualOutputs.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/FixedPlacesRun.h"
#include "tests/app/AnnualOutputFixtures.h"

namespace {

using batchfixtures::ErrorOf;

using namespace annoutfixtures;
using batchfixtures::DecimalSeparatorScope;
using batchfixtures::ReadTable;
using batchfixtures::TCellNaming;
using batchfixtures::WriteTable;
using testsupport::ReadFileBytes;

struct TRun : batchfixtures::TFixedPlacesRun {
    fs::path E() const { return Dir.Path() / "drives" / "e"; }
};


fs::path Expected(const std::string& name) { return testsupport::TestDataDir() / "app" / "annout" / name; }

const fs::path OutputFolder = fs::path("TolvekCloud") / "PRODUCTS" / "TOLVEK DEVELOP" / "Tolvek File System" / "output";
const fs::path SensitivityFolder = fs::path("TolvekCloud") / "PRODUCTS" / "LIBRARY" / "DB sensitivity";

struct TSeparatorCase {
    char Separator;
    const char* Name;
};
const TSeparatorCase SeparatorCases[] = {{'.', "dot"}, {',', "comma"}};

// "process": the 2000 row sets the bases without adding to the sums, 2001
// adds and sets the TSOC base; a file without those rows uses the bases of the
// cell before; a cell without a file keeps zeros.
TEST(AnnualOutputs, CarbonBalanceSumsTenYearsAndCarriesBasesAcrossCells)
{
    for (const auto& sc : SeparatorCases) {
        DecimalSeparatorScope scope(sc.Separator);
        TRun run;
        const fs::path folder = run.E() / OutputFolder / "grid" / "10km" / "foresee_huptf";
        Lines cell1 = {"YEAR NPP NEE GPP TER HC CC TSOC", "2000 9 9 9 9 5 7 100"};
        for (int y = 2001; y <= 2010; ++y) {
            const double f6 = 5 + (y - 2000) * 0.5;
            cell1.push_back(std::to_string(y) + "  2 3   4 5 " + Localised(std::to_string(f6), sc.Separator) + " " +
                            std::to_string(7 + (y - 2000)) + " " + std::to_string(100 + (y - 2000) * 2));
        }
        WriteTable(folder / "0001.annout.txt", cell1);
        WriteTable(folder / "0002.annout.txt", {"header", "1999 1 1 1 1 4 4 50"});
        app::WriteCarbonBalance(run.Places, "foresee_huptf", run.Report);
        EXPECT_EQ(ReadFileBytes(run.E() / OutputFolder / "foresee_huptf_tsoc.csv"),
                  ReadFileBytes(Expected(std::string("tsoc_") + sc.Name + ".csv")))
            << sc.Name;
        EXPECT_EQ(run.Status, (Lines{"PROCESSING...", "COMPLETE"}));
    }
}

void WriteVariant(const TRun& run, const char* variant, int cell, const Lines& rows)
{
    Lines lines = {"YEAR VALUE"};
    lines.insert(lines.end(), rows.begin(), rows.end());
    WriteTable(run.E() / SensitivityFolder / "RESULTS" / variant / (batchfixtures::CellName(cell, TCellNaming::Padded4) + ".annout.txt"),
               lines);
}

// "Button85": years as indices 1-50, "0" for equal values, the relative
// differences of the four pairs in their order.
TEST(AnnualOutputs, VariantDifferencesWriteEveryCellAndYearWithTheFourPairs)
{
    for (const auto& sc : SeparatorCases) {
        DecimalSeparatorScope scope(sc.Separator);
        TRun run;
        WriteVariant(run, "CChu", 1, {"1961 10"});
        WriteVariant(run, "CCeu", 1, {"1961 10"});
        WriteVariant(run, "FShu", 1, {"1961 " + Localised("12.5", sc.Separator)});
        WriteVariant(run, "FSeu", 1, {"1961  8"});
        WriteVariant(run, "CChu", 1104, {"2010 1", "1990 2"});
        WriteVariant(run, "CCeu", 1104, {"2010 2", "1990 2"});
        WriteVariant(run, "FShu", 1104, {"2010 4", "1990 2"});
        WriteVariant(run, "FSeu", 1104, {"2010 3", "1990 2"});
        app::WriteVariantDifferences(run.Places, run.Report);

        Lines expected;
        for (int cell = 1; cell <= 1104; ++cell)
            for (int r = 1; r <= 50; ++r)
                expected.push_back(std::to_string(cell) + ";" + std::to_string(r) + ";0.000000;0.000000;0.000000;0.000000;0;0;0;0");
        expected[0] = "1;1;10.000000;10.000000;12.500000;8.000000;0;56.25000;25.00000;25.00000";
        expected[1103 * 50 + 29] = "1104;30;2.000000;2.000000;2.000000;2.000000;0;0;0;0";
        expected[1103 * 50 + 49] = "1104;50;1.000000;2.000000;4.000000;3.000000;100.00000;33.33333;300.00000;50.00000";
        for (std::string& line : expected) line = Localised(line, sc.Separator);
        EXPECT_EQ(ReadTable(run.E() / SensitivityFolder / "DIFS.txt"), expected) << sc.Name;
    }
}

// A zero divisor or a year outside the table ends the action with an error
// naming the place; an earlier DIFS.txt stays as it was.
TEST(AnnualOutputs, VariantDifferencesRefuseAZeroDivisorAndYearsOutsideTheTable)
{
    TRun run;
    const fs::path difs = run.E() / SensitivityFolder / "DIFS.txt";
    WriteTable(difs, {"earlier"});
    WriteVariant(run, "CCeu", 5, {"1962 3"});
    EXPECT_EQ(ErrorOf([&] { app::WriteVariantDifferences(run.Places, run.Report); }),
              "cell 5, year 1962: a variant of 0 against 3.000000 has no relative difference (\"" +
                  run.Places.Path("e:\\TolvekCloud\\PRODUCTS\\LIBRARY\\DB sensitivity\\DIFS.txt") + "\")");
    EXPECT_EQ(ReadTable(difs), Lines{"earlier"});

    WriteVariant(run, "FSeu", 9, {"1961 1", "1960 3"});
    const std::string error = ErrorOf([&] { app::WriteVariantDifferences(run.Places, run.Report); });
    EXPECT_NE(error.find("year 1960 is outside 1961 to 2010"), std::string::npos) << error;
    EXPECT_NE(error.find("0009.annout.txt\", line 3"), std::string::npos) << error;
    EXPECT_EQ(ReadTable(difs), Lines{"earlier"});
}

// "process annout": the mean of 30 rows after the header (a 31st row is not
// read, a short file adds empty rows), the four scenario folders in order,
// thirteen fields per line.
TEST(AnnualOutputs, ScenarioMeansAverageThirtyRowsOfTheChosenField)
{
    for (const auto& sc : SeparatorCases) {
        DecimalSeparatorScope scope(sc.Separator);
        TRun run;
        const fs::path base = run.E() / "sens";
        batchfixtures::WritePerCellFiles(base / "RCP45RAW", 1, 1104, TCellNaming::Padded4, "m_", ".annout", [](int cell) {
            Lines lines = {"YEAR A B"};
            for (int k = 1; k <= (cell == 7 ? 10 : 31); ++k)
                lines.push_back(std::to_string(2000 + k) + "   x   " + std::to_string(cell + k));
            return lines;
        });
        // The other three scenarios read the same files.
        for (const char* scenario : {"RCP45", "RCP85RAW", "RCP85"}) fs::create_directory_symlink(base / "RCP45RAW", base / scenario);
        app::WriteScenarioMeans(run.Places, {"e:\\sens\\", "m_", "3"}, run.Report);
        EXPECT_EQ(ReadFileBytes(base / "maize_results.csv"), ReadFileBytes(Expected(std::string("maize_results_") + sc.Name + ".csv")))
            << sc.Name;
        EXPECT_EQ(run.Status, (Lines{"PROCESSING...", "8%", "17%", "25%", "33%", "COMPLETED"}));
    }
}

void WriteSomInputs(const fs::path& folder, char separator)
{
    batchfixtures::Write1104RowTable(folder / "BD.csv", {"ID;BD30;BD60;BD90"},
                                     [separator](int cell) { return BulkDensityRow(cell, separator); });
    batchfixtures::WritePerCellFiles(folder / "annout", 1, 1104, TCellNaming::Plain, "", ".annout",
                                     [separator](int cell) { return SomFileOfCell(cell, separator); });
}

// "PROCESS ANNOUT FILES": the rows after the first line beginning with "0"
// past the three header lines, split at runs of three to seven blanks, with
// eight blanks giving an empty field.
TEST(AnnualOutputs, SoilOrganicMatterSplitsRowsAtBlankRunsAndWritesPercentages)
{
    for (const auto& sc : SeparatorCases) {
        DecimalSeparatorScope scope(sc.Separator);
        TRun run;
        WriteSomInputs(run.Dir.Path(), sc.Separator);
        app::WriteSoilOrganicMatter(run.Dir.Path().string(), run.Report);
        EXPECT_EQ(ReadFileBytes(run.Dir.Path() / "SOMgridSIM.csv"), ReadFileBytes(Expected(std::string("SOMgridSIM_") + sc.Name + ".csv")))
            << sc.Name;
        EXPECT_EQ(run.Status, (Lines{"PROCESSING", "COMPLETE"}));
    }
}

// A file without the "0" line, one without rows after it, and a bulk density
// of 0 each end the action with an error naming the file and cell, never
// writing inf or NaN.
TEST(AnnualOutputs, SoilOrganicMatterRefusesMissingMarkerRowsAndZeroDensity)
{
    struct TCase {
        const char* Name;
        int Cell;
        Lines File;
        std::string Density;
        std::string Message;
    };
    const TCase cases[] = {
        {"no marker", 12, {"0 h1", "0 h2", "0 h3", "no marker"}, "", "without a line holding \"0 at its start\""},
        {"no rows", 13, {"h1", "h2", "h3", "0"}, "", "the row count after the line beginning with \"0\" of cell 13 is 0"},
        {"zero density", 14, SomFileOfCell(14, '.'), "14;1.5;0;1", "the bulk density of layer 2 of cell 14 is 0"},
    };
    for (const TCase& c : cases) {
        TRun run;
        const fs::path folder = run.Dir.Path();
        WriteSomInputs(folder, '.');
        WriteTable(folder / "annout" / (std::to_string(c.Cell) + ".annout"), c.File);
        if (!c.Density.empty()) {
            Lines bd = ReadTable(folder / "BD.csv");
            bd[static_cast<std::size_t>(c.Cell)] = c.Density;
            WriteTable(folder / "BD.csv", bd);
        }
        const std::string error = ErrorOf([&] { app::WriteSoilOrganicMatter(folder.string(), run.Report); });
        EXPECT_NE(error.find(c.Message), std::string::npos) << c.Name << ": " << error;
        EXPECT_NE(error.find(c.Density.empty() ? std::to_string(c.Cell) + ".annout" : std::string("BD.csv")), std::string::npos)
            << c.Name << ": " << error;
        EXPECT_FALSE(fs::exists(folder / "SOMgridSIM.csv")) << c.Name;
    }
}

void WriteYearlyTable(const TRun& run)
{
    Lines lines = {"ID;ROW;X;A;B"};
    for (int cell = 1; cell <= 1104; ++cell)
        for (int row = 0; row < 2; ++row)
            lines.push_back(std::to_string(cell) + ";" + std::to_string(row) + ";x;" + std::to_string(cell + row) + ";" +
                            std::to_string(2 * cell + 2 * row));
    WriteTable(run.E() / "4Mdata" / "RAW.TXT", lines);
}

// "PROCESS": values moved halfway towards the grid median of the cells' 95th
// percentiles, the b values after the a values, then median, 95th percentile
// and maximum of the a values.
TEST(AnnualOutputs, ShrunkStatisticsMoveValuesTowardsTheGridMedian)
{
    for (const auto& sc : SeparatorCases) {
        DecimalSeparatorScope scope(sc.Separator);
        TRun run;
        WriteYearlyTable(run);
        app::WriteShrunkStatistics(run.Places, {"2", "PROCESSED", "RAW.TXT", "50"}, run.Report);
        EXPECT_EQ(ReadFileBytes(run.E() / "4Mdata" / "PROCESSED.csv"), ReadFileBytes(Expected(std::string("PROCESSED_") + sc.Name + ".csv")))
            << sc.Name;
    }
}

TEST(AnnualOutputs, ShrunkStatisticsWithTheInitialShareKeepTheValues)
{
    TRun run;
    WriteYearlyTable(run);
    app::WriteShrunkStatistics(run.Places, {"2", "OUT", "RAW.TXT", "100"}, run.Report);
    const Lines out = ReadTable(run.E() / "4Mdata" / "OUT.csv");
    ASSERT_EQ(out.size(), 1104u);
    EXPECT_EQ(out[9], "10;10.00;11.00;20.00;22.00;10.50;11.00;11.00");
    EXPECT_EQ(ErrorOf([&] { app::WriteShrunkStatistics(run.Places, {"x", "OUT", "RAW.TXT", "100"}, run.Report); }),
              "'x' is not a valid integer value (rows per cell)");
    // A median needs two values per cell.
    EXPECT_EQ(ErrorOf([&] { app::WriteShrunkStatistics(run.Places, {"1", "OUT", "RAW.TXT", "100"}, run.Report); }),
              "rows per cell 1 is outside 2 to " + std::to_string(app::SharedValuesCapacity));
}

// "Button45": "0" for every cell not listed, a later row for a cell replaces
// an earlier one; a cell outside 1-1104 is refused with its place.
TEST(AnnualOutputs, PrecipitationGridCompletesTheListToEveryCell)
{
    TRun run;
    const fs::path folder = run.E() / "4Mrun" / "result" / "FERT_DATE_1";
    WriteTable(folder / "RUN2016_WET only prec.txt", {"CELL\tPREC", "3\t1", "1104\t7.25", "3\t12,5"});
    app::WritePrecipitationGrid(run.Places);
    EXPECT_EQ(ReadFileBytes(folder / "RUN2016 prec grid.csv"), ReadFileBytes(Expected("prec_grid.csv")));

    WriteTable(folder / "RUN2016_WET only prec.txt", {"CELL\tPREC", "3\t1", "1105\t2"});
    const std::string error = ErrorOf([&] { app::WritePrecipitationGrid(run.Places); });
    EXPECT_NE(error.find("cell 1105 is outside 1 to 1104"), std::string::npos) << error;
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    EXPECT_EQ(ReadFileBytes(folder / "RUN2016 prec grid.csv"), ReadFileBytes(Expected("prec_grid.csv")));
}

}  // namespace
