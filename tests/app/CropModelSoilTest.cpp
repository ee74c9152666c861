// Tests of the crop-model soil writers: whole files for 10 km and 100 m cells, the lock-step join and its report.
#include "app/CropModelSoil.h"

#include "app/CropModelSoilLayout.h"
#include "app/Unit2.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/app/WriterTestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace app;
using testsupport::TempDir;
using testsupport::WriteFileBytes;
using writertest::ExpectRefusedBeforeAnyFile;
using writertest::FileNames;
using writertest::Fixture;
using writertest::MessageOf;
namespace fs = std::filesystem;

const fs::path Inputs = Fixture("crop_soil");

class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(char separator)
        : FFormat(rtl::FormatSettings.DecimalSeparator), FAtStart(DecimalSeparatorAtStart)
    {
        rtl::FormatSettings.DecimalSeparator = separator;
        DecimalSeparatorAtStart = separator;
    }
    ~DecimalSeparatorScope()
    {
        rtl::FormatSettings.DecimalSeparator = FFormat;
        DecimalSeparatorAtStart = FAtStart;
    }

private:
    char FFormat;
    char FAtStart;
};

// Three rows (elevations 200, 500 and 501: curve numbers 60, 70 and 80) and a
// blank line at the end, which names no file "__.soi". Computed values follow
// the locale's separator; verbatim ones keep the input's text.
TEST(CropModelSoil, WholeTenKmSoilFilesMatchWithDotAndCommaSeparators)
{
    for (const auto& [separator, expected] : {std::pair{'.', "expected_10km"}, std::pair{',', "expected_10km_comma"}}) {
        SCOPED_TRACE(expected);
        DecimalSeparatorScope scope(separator);
        TempDir dir;
        TCropSoil10kmOptions o;
        o.SoilGrid = (Inputs / "10km_SOIL_GRID.csv").string();
        o.OutputFolder = (dir.Path() / "soil").string();
        std::vector<std::string> statuses;
        EXPECT_EQ(MakeCropSoilFiles10km(o, [&](const std::string& s) { statuses.push_back(s); }), 3);
        writertest::ExpectSameFiles(Inputs / expected, dir.Path() / "soil");
        EXPECT_EQ(statuses, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));
    }
}

TEST(CropModelSoil, CurveNumberDrainageAndConductivityAtTheirEdges)
{
    EXPECT_STREQ(CropSoilCurveNumber(200), "60");
    EXPECT_STREQ(CropSoilCurveNumber(200.1), "70");
    EXPECT_STREQ(CropSoilCurveNumber(500), "70");
    EXPECT_STREQ(CropSoilCurveNumber(500.1), "80");
    EXPECT_NEAR(DrainageFactor(50, 20), 0.49, 1e-12);
    EXPECT_NEAR(SaturatedConductivity(50, 20), 130, 1e-12);
}

// Rows 1, 2 and 4 pair; row 3 (ids 103 and 104) and soil row 5 (past the end
// of the grid table) do not. The pairing rule stays, and the action reports
// what it could not pair instead of dropping it silently.
TEST(CropModelSoil, HundredMetreFilesMatchForPairedRowsAndUnpairedRowsAreReported)
{
    TempDir dir;
    TCropSoil100mOptions o;
    o.SoilTable = (Inputs / "Tolvek_DB_SOIL_TABLE.csv").string();
    o.GridTable1 = (Inputs / "Tolvek_DB_GRID_TABLE1.csv").string();
    o.OutputFolder = (dir.Path() / "soil").string();
    std::vector<std::string> statuses;
    const TCropSoil100mResult r = MakeCropSoilFiles100m(o, [&](const std::string& s) { statuses.push_back(s); });
    writertest::ExpectSameFiles(Inputs / "expected_100m", dir.Path() / "soil");
    EXPECT_EQ(r.Written, 3);
    EXPECT_EQ(r.UnpairedSoilRows, 2);
    EXPECT_EQ(r.UnpairedGridRows, 1);
    EXPECT_EQ(statuses, (std::vector<std::string>{
                            "PROCESSING", "COMPLETE - unpaired rows: 2 of the soil table, 1 of the grid table"}));
}

std::string SoilRow(const std::string& id)
{
    std::string row = id + ";100";
    for (int c = 3; c <= 42; ++c) row += ";1";
    return row + "\r\n";
}

// Tables shifted by one row are not realigned: nothing pairs after the
// shift, and every row is counted.
TEST(CropModelSoil, ShiftedTablesWriteNothingAfterTheShiftAndCountEveryRow)
{
    TempDir dir;
    WriteFileBytes(dir.Path() / "soil.csv", "h\r\n" + SoilRow("1") + SoilRow("2") + SoilRow("3") + SoilRow("4"));
    WriteFileBytes(dir.Path() / "grid.csv", "h\r\n1;1;1;46;18;100\r\n9;1;1;46;18;100\r\n2;1;1;46;18;100\r\n"
                                            "3;1;1;46;18;100\r\n4;1;1;46;18;100\r\n");
    TCropSoil100mOptions o;
    o.SoilTable = (dir.Path() / "soil.csv").string();
    o.GridTable1 = (dir.Path() / "grid.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    const TCropSoil100mResult r = MakeCropSoilFiles100m(o);
    EXPECT_EQ(FileNames(dir.Path() / "out"), std::vector<std::string>{"1.soi"});
    EXPECT_EQ(r.UnpairedSoilRows, 3);
    EXPECT_EQ(r.UnpairedGridRows, 4);  // three mismatched steps and one row left over
}

// Both tables with a header line only (and a blank line) used to pair two
// empty rows and write ".soi"; the loop now stops at the end of the data.
TEST(CropModelSoil, EmptyTablesWriteNoFileNamedFromAnEmptyRow)
{
    TempDir dir;
    WriteFileBytes(dir.Path() / "soil.csv", "h\r\n\r\n");
    WriteFileBytes(dir.Path() / "grid.csv", "h\r\n\r\n");
    WriteFileBytes(dir.Path() / "10km.csv", "h\r\n\r\n");
    TCropSoil100mOptions o;
    o.SoilTable = (dir.Path() / "soil.csv").string();
    o.GridTable1 = (dir.Path() / "grid.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    const TCropSoil100mResult r = MakeCropSoilFiles100m(o);
    EXPECT_EQ(r.Written, 0);
    EXPECT_EQ(r.UnpairedSoilRows, 0);
    TCropSoil10kmOptions o10;
    o10.SoilGrid = (dir.Path() / "10km.csv").string();
    o10.OutputFolder = (dir.Path() / "out").string();
    EXPECT_EQ(MakeCropSoilFiles10km(o10), 0);
    EXPECT_TRUE(FileNames(dir.Path() / "out").empty());

    // Blank rows in the middle keep their position and pair with nothing.
    WriteFileBytes(dir.Path() / "soil.csv", "h\r\n\r\n" + SoilRow("2"));
    WriteFileBytes(dir.Path() / "grid.csv", "h\r\n\r\n2;1;1;46;18;100\r\n");
    const TCropSoil100mResult middle = MakeCropSoilFiles100m(o);
    EXPECT_EQ(middle.Written, 1);
    EXPECT_EQ(middle.UnpairedSoilRows, 1);
    EXPECT_EQ(FileNames(dir.Path() / "out"), std::vector<std::string>{"2.soi"});
}

TEST(CropModelSoil, ProgressIsReportedEveryTenThousandSteps)
{
    TempDir dir;
    std::string soil = "h\r\n", grid = "h\r\n";
    for (int i = 1; i <= 20000; ++i) {
        soil += std::to_string(i) + ";100\r\n";
        grid += std::to_string(i + 100000) + ";1;1;46;18;100\r\n";  // no pair: no file to write
    }
    WriteFileBytes(dir.Path() / "soil.csv", soil);
    WriteFileBytes(dir.Path() / "grid.csv", grid);
    TCropSoil100mOptions o;
    o.SoilTable = (dir.Path() / "soil.csv").string();
    o.GridTable1 = (dir.Path() / "grid.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    std::vector<std::string> statuses;
    MakeCropSoilFiles100m(o, [&](const std::string& s) { statuses.push_back(s); });
    EXPECT_EQ(statuses, (std::vector<std::string>{
                            "PROCESSING", "0.1% completed", "0.2% completed",
                            "COMPLETE - unpaired rows: 20000 of the soil table, 20000 of the grid table"}));
}

// Soil ids name files: a part that is empty (the "__.soi" of an empty row) or
// an id that would leave the folder ends the action with the row named.
TEST(CropModelSoil, SoilIdsThatCannotNameAFileEndTheActionNamingTheRow)
{
    TempDir dir;
    const std::string good = "12;5;7;46.1;18.3;200;x;x;150\r\n";
    struct Case {
        const char* row;
        const char* expected;
    };
    const Case cases[] = {
        {";;;46.1;18.3;200\r\n", "line 3: soil id part 1 is empty"},
        {"12;..;7;46.1;18.3;200\r\n", "line 3: soil id part 2 '..' would leave"},
        {"12;5;a/b;46.1\r\n", "line 3: soil id part 3 'a/b' would leave"},
    };
    for (const Case& c : cases) {
        WriteFileBytes(dir.Path() / "10km.csv", "h\r\n" + good + c.row);
        TCropSoil10kmOptions o;
        o.SoilGrid = (dir.Path() / "10km.csv").string();
        o.OutputFolder = (dir.Path() / "out").string();
        ExpectRefusedBeforeAnyFile([&] { MakeCropSoilFiles10km(o); }, c.expected, dir.Path() / "out");
    }

    WriteFileBytes(dir.Path() / "soil.csv", "h\r\n" + SoilRow("1") + SoilRow("../x"));
    WriteFileBytes(dir.Path() / "grid.csv", "h\r\n1;1;1;46;18;100\r\n../x;1;1;46;18;100\r\n");
    TCropSoil100mOptions o;
    o.SoilTable = (dir.Path() / "soil.csv").string();
    o.GridTable1 = (dir.Path() / "grid.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    // The tables are walked once before the first file: the bad id on the
    // second row leaves no file written for the first.
    ExpectRefusedBeforeAnyFile([&] { MakeCropSoilFiles100m(o); }, "soil.csv\" line 3: 100 m id '../x' would leave",
                               dir.Path() / "out");
    EXPECT_FALSE(fs::exists(dir.Path() / "x.soi"));
}

}  // namespace
