// Tests of "Create AGR" and "4M agr": whole agromanagement files, held amounts, Hungarian crop names, bad ids.
#include "app/CropModelAgro.h"

#include "app/CropModelFertilisation.h"
#include "tests/app/WriterTestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace app;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;
using writertest::ExpectRefusedBeforeAnyFile;
using writertest::FileLines;
using writertest::FileNames;
using writertest::Fixture;
using writertest::MessageOf;
namespace fs = std::filesystem;

// Tables of two crops hold a header line only (one ends with a blank line):
// no file named "_napraforgo.agr" or "_ret es legelo.agr" is written.
TEST(CropModelAgro, WholeAgromanagementFilesMatchForTheSixCrops)
{
    TempDir dir;
    TCreateAgrOptions o;
    o.FertilisationFolder = Fixture("crop2016/fertilisation").string();
    o.OutputFolder = (dir.Path() / "agro").string();
    std::vector<std::string> statuses;
    EXPECT_EQ(CreateCropAgroFiles(o, [&](const std::string& s) { statuses.push_back(s); }), 9);
    writertest::ExpectSameFiles(Fixture("crop2016/expected_agr"), dir.Path() / "agro");
    EXPECT_EQ(statuses, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));
}

TEST(CropModelAgro, AmountsSplitForWinterCropsAndAreHeldOverEmptyRows)
{
    struct Case {
        int crop;
        const char* amount;
        TAgrAmounts held;
        TAgrAmounts expected;
    };
    const Case cases[] = {
        {0, "130", DefaultAgrAmounts(0), {"0", "130"}},         // kukorica
        {2, "130", DefaultAgrAmounts(2), {"32.5", "97.5"}},     // buza
        {2, "", {"25.0", "75.0"}, {"25.0", "75.0"}},            // held from the row before
        {4, "", DefaultAgrAmounts(4), {"20", "120"}},           // repce's first row: defaults
        {3, "80,4", DefaultAgrAmounts(3), {"20.1", "60.3"}},    // arpa, either separator
        {5, "35", DefaultAgrAmounts(5), {"0", "35"}},           // ret es legelo
    };
    for (const Case& c : cases) {
        const TAgrAmounts a = AgrAmountsOfRow(c.crop, c.amount, c.held);
        EXPECT_EQ(a.First, c.expected.First) << c.crop << " " << c.amount;
        EXPECT_EQ(a.Second, c.expected.Second) << c.crop << " " << c.amount;
    }
    EXPECT_EQ(DefaultAgrAmounts(1).Second, "60");
}

// An id names a file: one that is empty or would leave the folder ends the
// action with a message naming the table and row, before any file.
TEST(CropModelAgro, IdThatCannotNameAFileEndsTheActionBeforeAnyFile)
{
    const char* badIds[] = {"", "../4711", "47/11", "47\\11", "4711\x01"};
    for (const char* id : badIds) {
        SCOPED_TRACE(id);
        TempDir dir;
        fs::copy(Fixture("crop2016/fertilisation"), dir.Path() / "in");
        WriteFileBytes(dir.Path() / "in/arpa_fertilization_2016.csv", std::string("id;N\r\n4711;80\r\n") + id + ";90\r\n");
        TCreateAgrOptions o;
        o.FertilisationFolder = (dir.Path() / "in").string();
        o.OutputFolder = (dir.Path() / "out").string();
        ExpectRefusedBeforeAnyFile([&] { CreateCropAgroFiles(o); },
                                   "arpa_fertilization_2016.csv\" line 3: 100 m id", dir.Path() / "out");
    }
}

// The field table is Windows-1250 on disk with Hungarian crop names; names
// are compared exactly, so "őszi búza" is not "Őszi búza" and gets the header
// only, as does "Lucerna". The table is shorter than 93 rows and ends with a
// blank line: no file named ".agr" is written.
TEST(CropModelAgro, FieldFilesMatchForHungarianCropNamesInWindows1250)
{
    TempDir dir;
    TFieldAgrOptions o;
    o.FieldTable = Fixture("field_agr/forman.csv").string();
    o.OutputFolder = (dir.Path() / "agro").string();
    EXPECT_EQ(CreateFieldAgroFiles(o), 7);
    writertest::ExpectSameFiles(Fixture("field_agr/expected"), dir.Path() / "agro");
    // The field id with "ő" is written in the code page: 0xF5.
    const std::string bytes = ReadFileBytes(dir.Path() / "agro/Kiskőrös_5.agr");
    EXPECT_EQ(bytes.substr(0, 27), "AGROM FILE ID:\tKisk\xF5r\xF6s_5\r\n");
    EXPECT_EQ(FileLines(dir.Path() / "agro/F06.agr").size(), 7u);
}

TEST(CropModelAgro, FieldTableIsReadForAtMost93Fields)
{
    TempDir dir;
    std::string table = "manure;N;field;crop\r\n";
    for (int i = 1; i <= 95; ++i) table += "1;100;T" + std::to_string(i) + ";Kukorica\r\n";
    WriteFileBytes(dir.Path() / "forman.csv", table);
    TFieldAgrOptions o;
    o.FieldTable = (dir.Path() / "forman.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    EXPECT_EQ(CreateFieldAgroFiles(o), 93);
    EXPECT_TRUE(fs::exists(dir.Path() / "out/T93.agr"));
    EXPECT_FALSE(fs::exists(dir.Path() / "out/T94.agr"));
}

TEST(CropModelAgro, FieldIdThatWouldLeaveTheFolderIsNamedAndNothingIsWritten)
{
    TempDir dir;
    WriteFileBytes(dir.Path() / "forman.csv", "manure;N;field;crop\r\n1;100;T1;Kukorica\r\n1;100;..\\T2;Kukorica\r\n");
    TFieldAgrOptions o;
    o.FieldTable = (dir.Path() / "forman.csv").string();
    o.OutputFolder = (dir.Path() / "out").string();
    ExpectRefusedBeforeAnyFile([&] { CreateFieldAgroFiles(o); },
                               "forman.csv\" line 3: field id '..\\T2' would leave", dir.Path() / "out");
}

}  // namespace
