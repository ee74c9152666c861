// Tests of the soil-property variants and of the crop-model soil files of selected 100 m cells, on small tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/CropModelSoil.h"
#include "app/SoilPropVariants.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/FixedPlacesRun.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

using batchfixtures::ErrorOf;

using batchfixtures::DecimalSeparatorScope;
using batchfixtures::ReadTable;
using batchfixtures::SoilRow;
using batchfixtures::WriteTable;
using testsupport::ReadFileBytes;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

struct TRun : batchfixtures::TFixedPlacesRun {
    fs::path SoilGrid() const { return Dir.Path() / "drives" / "e" / "Tolvek SOIL GRID"; }
    fs::path TenKm() const
    {
        return Dir.Path() / "drives" / "e" / "TolvekCloud" / "PRODUCTS" / "TOLVEK DEVELOP" / "Tolvek File System" / "input" /
               "soil" / "grid" / "10km";
    }
};


fs::path Expected(const std::string& name) { return testsupport::TestDataDir() / "app" / "annout" / name; }

// Bulk densities in kg/m3, as the soil database table holds them.
std::string SoilRowKg(int id) { return SoilRow(id, {{3, "1450"}, {13, "1500"}, {23, "1550"}, {33, "1600"}}); }

void WriteSelectionInputs(const TRun& run, const Lines& selection)
{
    WriteTable(run.SoilGrid() / "USDA" / "SOCgroupIDs.csv", selection);
    WriteTable(run.SoilGrid() / "Tolvek_DB_GRID_TABLE1.csv",
               {"ID;X;Y;LAT;LON;ELEV", "12;0;0;47;19;500", "13;0;0;47;19;501", "4711;0;0;47;19;200", "99;0;0;47;19;900"});
    WriteTable(run.SoilGrid() / "Tolvek_DB_SOIL_TABLE.csv", {"header", SoilRowKg(12), SoilRowKg(99), SoilRowKg(4711), SoilRowKg(13)});
    fs::create_directories(run.SoilGrid() / "Tolvek" / "selected");
}

// The 57-line file of each selected soil row, the runoff curve number by
// elevation (200 gives 60, 500 gives 70, 501 gives 80), the last entry of a
// repeated id naming the file, an unselected row writing nothing.
TEST(SoilPropVariants, SelectedIdsGetTheFiftySevenLineFile)
{
    for (char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        TRun run;
        WriteSelectionInputs(run, {"NAME;ID", "top;4711", "first;12", "mid;13", "again;12"});
        app::WriteSelectedSoilFiles(run.Places, run.Report);
        const fs::path folder = run.SoilGrid() / "Tolvek" / "selected";
        EXPECT_EQ(ReadFileBytes(folder / "top.soi"),
                  ReadFileBytes(Expected(std::string("selected_top_") + (separator == '.' ? "dot" : "comma") + ".soi")));
        EXPECT_EQ(ReadTable(folder / "again.soi").at(44).substr(0, 2), "70");
        EXPECT_EQ(ReadTable(folder / "mid.soi").at(44).substr(0, 2), "80");
        EXPECT_FALSE(fs::exists(folder / "first.soi"));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 3);
        EXPECT_EQ(run.Status, (Lines{"PROCESSING", "0% completed", "COMPLETE"}));
    }
}

TEST(SoilPropVariants, SelectionsThatCannotBeWrittenAreRefused)
{
    struct TCase {
        const char* Name;
        Lines Selection;
        std::string Message;
    };
    Lines tooMany = {"NAME;ID"};
    for (int k = 1; k <= 37; ++k) tooMany.push_back("n" + std::to_string(k) + ";" + std::to_string(k));
    const TCase cases[] = {
        {"leaves its folder", {"NAME;ID", "..\\up;12"}, "'..\\up' is not a file name"},
        {"beyond the ids", {"NAME;ID", "x;11059796"}, "100 m id 11059796 is outside 1 to 11059795"},
        {"over 36", tooMany, "more than 36 selections"},
        {"no grid row", {"NAME;ID", "x;13", "lost;5"}, "(no error)"},
    };
    for (const TCase& c : cases) {
        TRun run;
        WriteSelectionInputs(run, c.Selection);
        const std::string error = ErrorOf([&] { app::WriteSelectedSoilFiles(run.Places, run.Report); });
        EXPECT_NE(error.find(c.Message), std::string::npos) << c.Name << ": " << error;
    }
    TRun run;
    WriteSelectionInputs(run, {"NAME;ID", "x;13"});
    WriteTable(run.SoilGrid() / "Tolvek_DB_GRID_TABLE1.csv", {"ID;X;Y;LAT;LON;ELEV", "12;0;0;47;19;500"});
    const std::string error = ErrorOf([&] { app::WriteSelectedSoilFiles(run.Places, run.Report); });
    EXPECT_NE(error.find("id 13 of file"), std::string::npos) << error;
    EXPECT_NE(error.find("has no row in the grid table"), std::string::npos) << error;
}

// A 10 km file in the 57-line layout (58 lines: the last is not copied); line
// 53 holds ten field capacities of 0.300.
Lines TenKmFile(int cell)
{
    Lines lines;
    for (int k = 1; k <= 58; ++k) lines.push_back("cell " + std::to_string(cell) + " line " + std::to_string(k));
    lines[46] = "SOIL COMPOSITION AND CHARACTERISTIC VALUES (-9999: no measured data)";
    lines[52] = "0.300   0.300   0.300   0.300   0.300   0.300   0.300   0.300   0.300   0.300       (m3/m3) SWC at field capacity";
    return lines;
}

Lines RepresentativeFile(const std::string& rep)
{
    Lines lines;
    for (int k = 1; k <= 30; ++k) lines.push_back("123456" + rep + "-L" + std::to_string(k) + "xxxxxxxxxx tail");
    return lines;
}

std::string Padded(int cell) { return batchfixtures::CellName(cell, batchfixtures::TCellNaming::Padded4); }

// "select similar 3" takes lines 14 and 17-30 (characters 7 to 14) from the
// cell's representative and lowers the field capacities of representative
// 1028 by 0.02; "EU/HU-PTF soils" then puts the table's water retention
// values in lines 52-54.
TEST(SoilPropVariants, SimilarThreeThenEuPtfRewriteTheirLines)
{
    for (char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        TRun run;
        Lines key;
        for (int cell = 1; cell <= 1104; ++cell)
            key.push_back(std::to_string(cell) + ";2;3;4;5;6;7;8;9;10;11;12;" + (cell % 2 == 1 ? "1028" : "77"));
        WriteTable(run.SoilGrid() / "Tolvek_DB_GRID_TABLE3_EXP.csv", key);
        WriteTable(run.SoilGrid() / "USDA" / "3reps" / "1028_calibSOIspinup.soi", RepresentativeFile("1028"));
        WriteTable(run.SoilGrid() / "USDA" / "3reps" / "77_calibSOIspinup.soi", RepresentativeFile("77"));
        batchfixtures::WritePerCellFiles(run.TenKm(), 1, 1104, batchfixtures::TCellNaming::Padded4, "10km", ".soi", TenKmFile);
        fs::create_directories(run.TenKm() / "3type");
        fs::create_directories(run.TenKm() / "euptf");
        app::WriteSimilarSoilFiles(run.Places, run.Report);

        Lines expected1 = TenKmFile(1);
        expected1.pop_back();
        expected1[13] = "1028-L14";
        for (int k = 17; k <= 30; ++k) expected1[static_cast<std::size_t>(k - 1)] = ("1028-L" + std::to_string(k)).substr(0, 8);
        const std::string reduced = separator == '.' ? "0.280   " : "0,280   ";
        expected1[52].clear();
        for (int k = 0; k < 10; ++k) expected1[52] += reduced;
        EXPECT_EQ(ReadTable(run.TenKm() / "3type" / "10km0001.soi"), expected1) << separator;
        const Lines second = ReadTable(run.TenKm() / "3type" / "10km0002.soi");
        ASSERT_EQ(second.size(), 57u);
        EXPECT_EQ(second[13], "77-L14xx");
        EXPECT_EQ(second[52], TenKmFile(2)[52]);

        Lines ptf = {"ID\tTHS1\tTHS2\tTHS3\tTHS4\tFC1\tFC2\tFC3\tFC4\tWP1\tWP2\tWP3\tWP4"};
        for (int cell = 1; cell <= 1104; ++cell)
            ptf.push_back(std::to_string(cell) + "\t45.3\t44\t43\t42\t" + (separator == '.' ? "30.1" : "30,1") + "\t31\t32\t33\t10\t11\t12\t13");
        WriteTable(run.Dir.Path() / "drives" / "e" / "TolvekCloud" / "PRODUCTS" / "LIBRARY" / "DB sensitivity" / "EU-PTF.txt", ptf);
        run.Status.clear();
        app::WriteEuPtfSoilFiles(run.Places, run.Report);
        Lines expectedPtf = expected1;
        expectedPtf[0] += " EU-PTF estimated THS, FC, WP";
        expectedPtf[51] = "0.453   0.453   0.453   0.440   0.430   0.420   0.420   0.420   0.420   0.420   ";
        expectedPtf[52] = "0.301   0.301   0.301   0.310   0.320   0.330   0.330   0.330   0.330   0.330   ";
        expectedPtf[53] = "0.100   0.100   0.100   0.110   0.120   0.130   0.130   0.130   0.130   0.130   ";
        for (std::size_t k = 51; k <= 53; ++k)
            for (char& ch : expectedPtf[k])
                if (ch == '.') ch = separator;
        EXPECT_EQ(ReadTable(run.TenKm() / "euptf" / "10km0001.soi"), expectedPtf) << separator;
        EXPECT_EQ(run.Status.size(), 1104u + 2);
        EXPECT_EQ(run.Status[1104], "1104");
    }
}

// An input in another layout (the 63-line files, a short file) is refused
// naming the file before that cell is written.
TEST(SoilPropVariants, InputsOutsideTheFiftySevenLineLayoutAreRefused)
{
    struct TCase {
        const char* Name;
        Lines File;
        std::string Message;
    };
    Lines sixtyThree = TenKmFile(5);
    sixtyThree.insert(sixtyThree.begin() + 40, 5, "extra");
    Lines shortFile = TenKmFile(5);
    shortFile.resize(50);
    const TCase cases[] = {
        {"63 lines", sixtyThree, "10km0005.soi\" line 47 is \"cell 5 line 42\", not the composition heading"},
        {"short", shortFile, "10km0005.soi\" has 50 lines, not the 57"},
    };
    for (const TCase& c : cases) {
        TRun run;
        Lines key;
        for (int cell = 1; cell <= 1104; ++cell) key.push_back(std::to_string(cell) + ";2;3;4;5;6;7;8;9;10;11;12;77");
        WriteTable(run.SoilGrid() / "Tolvek_DB_GRID_TABLE3_EXP.csv", key);
        WriteTable(run.SoilGrid() / "USDA" / "3reps" / "77_calibSOIspinup.soi", RepresentativeFile("77"));
        for (int cell = 1; cell <= 5; ++cell) WriteTable(run.TenKm() / ("10km" + Padded(cell) + ".soi"), cell == 5 ? c.File : TenKmFile(cell));
        fs::create_directories(run.TenKm() / "3type");
        const std::string error = ErrorOf([&] { app::WriteSimilarSoilFiles(run.Places, run.Report); });
        EXPECT_NE(error.find(c.Message), std::string::npos) << c.Name << ": " << error;
        EXPECT_TRUE(fs::exists(run.TenKm() / "3type" / "10km0004.soi")) << c.Name;
        EXPECT_FALSE(fs::exists(run.TenKm() / "3type" / "10km0005.soi")) << c.Name;
    }
}

// "4M soil selected" writes, with the code of the 100 m writer, the files of
// the listed cells whose soil and grid rows pair; a cell listed twice is
// written once; a listed cell out of step gets none.
TEST(SoilPropVariants, SelectedHundredMetreCellsAreWrittenByTheHundredMetreWriter)
{
    TRun run;
    const fs::path e = run.Dir.Path() / "drives" / "e";
    WriteTable(e / "4M100m" / "ret es legelo_fertilization_2016.csv", {"ID;amount_kgN/ha", "5;12.3", "7;1", "5;2", "9;1"});
    WriteTable(run.SoilGrid() / "Tolvek_DB_SOIL_TABLE_corrected2.csv", {"h", SoilRow(3), SoilRow(5), SoilRow(7), SoilRow(9)});
    WriteTable(run.SoilGrid() / "Tolvek_DB_GRID_TABLE1.csv",
               {"h", "3;0;0;47.1;19.1;101", "5;0;0;47.2;19.2;102", "7;0;0;47.3;19.3;103", "8;0;0;47.4;19.4;104", "9;0;0;47.5;19.5;105"});
    app::TCropSoilSelectedOptions options;
    options.Selection = run.Places.Path(options.Selection);
    options.Writer.SoilTable = run.Places.Path(options.Writer.SoilTable);
    options.Writer.GridTable1 = run.Places.Path(options.Writer.GridTable1);
    options.Writer.OutputFolder = run.Places.Path(options.Writer.OutputFolder);
    const app::TCropSoil100mResult result = app::MakeCropSoilFilesSelected100m(options, run.Report);
    EXPECT_EQ(result.Written, 2);
    EXPECT_EQ(run.Status, (Lines{"PROCESSING", "COMPLETE - unpaired rows: 1 of the soil table, 2 of the grid table"}));
    const fs::path soil = e / "4M100m" / "soil";
    EXPECT_EQ(std::distance(fs::directory_iterator(soil), fs::directory_iterator{}), 2);

    app::TCropSoil100mOptions all = options.Writer;
    all.OutputFolder = (run.Dir.Path() / "all").string();
    app::MakeCropSoilFiles100m(all);
    for (const char* name : {"5.soi", "7.soi"})
        EXPECT_EQ(ReadFileBytes(soil / name), ReadFileBytes(run.Dir.Path() / "all" / name)) << name;

    WriteTable(e / "4M100m" / "ret es legelo_fertilization_2016.csv", {"ID;amount_kgN/ha", "5;12.3", "11059796;1"});
    const std::string error = ErrorOf([&] { app::MakeCropSoilFilesSelected100m(options, run.Report); });
    EXPECT_NE(error.find("100 m id 11059796 is outside 1 to 11059795"), std::string::npos) << error;
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
}

TEST(SoilPropVariants, SelectedHundredMetreCellsReportEveryThousandthFile)
{
    TRun run;
    const fs::path e = run.Dir.Path() / "drives" / "e";
    Lines selection = {"ID;amount_kgN/ha"}, soil = {"h"}, grid = {"h"};
    for (int id = 1; id <= 1001; ++id) {
        selection.push_back(std::to_string(id) + ";1");
        soil.push_back(SoilRow(id));
        grid.push_back(std::to_string(id) + ";0;0;47;19;100");
    }
    WriteTable(e / "4M100m" / "ret es legelo_fertilization_2016.csv", selection);
    WriteTable(run.SoilGrid() / "Tolvek_DB_SOIL_TABLE_corrected2.csv", soil);
    WriteTable(run.SoilGrid() / "Tolvek_DB_GRID_TABLE1.csv", grid);
    app::TCropSoilSelectedOptions options;
    options.Selection = run.Places.Path(options.Selection);
    options.Writer.SoilTable = run.Places.Path(options.Writer.SoilTable);
    options.Writer.GridTable1 = run.Places.Path(options.Writer.GridTable1);
    options.Writer.OutputFolder = run.Places.Path(options.Writer.OutputFolder);
    app::MakeCropSoilFilesSelected100m(options, run.Report);
    EXPECT_EQ(run.Status, (Lines{"PROCESSING", "1000", "COMPLETE"}));
}

}  // namespace
