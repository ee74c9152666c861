// Tests of "Create PRO": whole project files, weather codes by id, empty tables and bad ids.
#include "app/CropModelProject.h"

#include "app/CropModelFertilisation.h"
#include "tests/app/WriterTestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace app;
using testsupport::TempDir;
using testsupport::WriteFileBytes;
using writertest::ExpectRefusedBeforeAnyFile;
using writertest::FileLines;
using writertest::FileNames;
using writertest::Fixture;
using writertest::MessageOf;
namespace fs = std::filesystem;

const fs::path Inputs = Fixture("crop2016");

TCreateProOptions FixtureOptions(const fs::path& out)
{
    TCreateProOptions o;
    o.FertilisationFolder = (Inputs / "fertilisation").string();
    o.GridTable1 = (Inputs / "Tolvek_DB_GRID_TABLE1.csv").string();
    o.OutputFolder = out.string();
    return o;
}

// Six tables, of which two hold a header line only: every project file is
// written, those two without task lines.
TEST(CropModelProject, WholeProjectFilesMatchForTheSixCrops)
{
    TempDir dir;
    std::vector<std::string> statuses;
    const std::int64_t tasks = CreateProjectFiles(FixtureOptions(dir.Path() / "project"),
                                                  [&](const std::string& s) { statuses.push_back(s); });
    EXPECT_EQ(tasks, 9);
    writertest::ExpectSameFiles(Inputs / "expected_pro", dir.Path() / "project");
    EXPECT_EQ(statuses, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));
}

// The code table covers ids 1 to 12,000,000: an id outside it (0, negative,
// beyond) gets the code of unknown ids instead of reading or writing outside
// a table, even when the grid table lists it.
TEST(CropModelProject, IdOutsideTheCodeRangeOrNotListedGetsTheUnknownCode)
{
    TempDir dir;
    WriteFileBytes(dir.Path() / "grid1.csv",
                   "id;a;cell\n4711;1;415\n0;1;9\n12000000;1;1104\n12000001;1;7\n-5;1;8\n");
    TWeatherCodes codes({4711, 0, -5, 12000000, 12000001, 4712});
    codes.ReadGridTable((dir.Path() / "grid1.csv").string());
    EXPECT_EQ(codes.Code(4711), "415");
    EXPECT_EQ(codes.Code(12000000), "1104");
    EXPECT_EQ(codes.Code(4712), "777");      // not listed
    EXPECT_EQ(codes.Code(0), "777");
    EXPECT_EQ(codes.Code(-5), "777");
    EXPECT_EQ(codes.Code(12000001), "777");  // listed, but beyond the table
    EXPECT_EQ(codes.Code(999), "777");       // not asked for
}

// A table of a header line only used to give one empty row and end the
// action with a conversion error; the loop now stops at the end of the data.
TEST(CropModelProject, TablesWithAHeaderOnlyGiveProjectFilesWithoutTasksAndNoError)
{
    TempDir dir;
    for (const char* crop : CropNames2016)
        WriteFileBytes(dir.Path() / "in" / (std::string(crop) + "_fertilization_2016.csv"), "id;N\r\n\r\n");
    WriteFileBytes(dir.Path() / "grid1.csv", "id;a;cell\r\n");
    TCreateProOptions o;
    o.FertilisationFolder = (dir.Path() / "in").string();
    o.GridTable1 = (dir.Path() / "grid1.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    EXPECT_EQ(CreateProjectFiles(o), 0);
    EXPECT_EQ(FileNames(dir.Path() / "out").size(), 6u);
    const auto lines = FileLines(dir.Path() / "out/ret es legelo.pro");
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "PROJEKT ID  :\tret es legelo");
    EXPECT_EQ(lines[9], "TASKS (WEATHER|SOIL|AGROMANAGEMENT|OUTPUT SUMMARY FILE|OUTPUT VARIABLE):");
}

// Every id is checked before the first file: a bad one names its table, line
// and value, and no project file is written.
TEST(CropModelProject, IdThatIsNotAnIntegerEndsTheActionBeforeAnyFile)
{
    TempDir dir;
    fs::copy(Inputs / "fertilisation", dir.Path() / "in");
    WriteFileBytes(dir.Path() / "in/repce_fertilization_2016.csv", "id;N\r\n4711;10\r\n47a1;20\r\n");
    TCreateProOptions o = FixtureOptions(dir.Path() / "out");
    o.FertilisationFolder = (dir.Path() / "in").string();
    ExpectRefusedBeforeAnyFile<rtl::EConvertError>(
        [&] { CreateProjectFiles(o); },
        "repce_fertilization_2016.csv\" line 3: '47a1' is not a valid integer value", dir.Path() / "out");

    WriteFileBytes(dir.Path() / "grid1.csv", "id;a;cell\r\n4711;1;415\r\nx;1;3\r\n");
    o = FixtureOptions(dir.Path() / "out");
    o.GridTable1 = (dir.Path() / "grid1.csv").string();
    ExpectRefusedBeforeAnyFile<rtl::EConvertError>([&] { CreateProjectFiles(o); },
                                                   "grid1.csv\" line 3: 'x' is not a valid integer value",
                                                   dir.Path() / "out");
}

TEST(CropModelProject, MissingFertilisationTableEndsWithTheInputOutputErrorNamingIt)
{
    TempDir dir;
    TCreateProOptions o = FixtureOptions(dir.Path() / "out");
    o.FertilisationFolder = (dir.Path() / "none").string();
    ExpectRefusedBeforeAnyFile<rtl::EInOutError>([&] { CreateProjectFiles(o); },
                                                 "kukorica_fertilization_2016.csv", dir.Path() / "out");
}

}  // namespace
