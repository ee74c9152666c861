// End-to-end tests of the crop model's project, agromanagement and soil buttons through tolvek-drive, with the "e:\" folders mapped below the run's folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/EndToEndDrive.h"
#include "tests/app/WriterTestFiles.h"
#include "tests/support/TempDir.h"

namespace {

using e2e::Drive;
using e2e::TDriveResult;
using testsupport::TempDir;
namespace fs = std::filesystem;

fs::path DriveE(const fs::path& dir) { return dir / "drives" / "e"; }

const char* const Crops[] = {"kukorica", "napraforgo", "buza", "arpa", "repce", "ret es legelo"};

// The fertilisation tables in "e:\4M100m\" and grid table 1 in "e:\Tolvek SOIL GRID\".
void PutSeasonInputs(const fs::path& dir)
{
    for (const char* crop : Crops) {
        const std::string name = std::string(crop) + "_fertilization_2016.csv";
        e2e::CopyFixture("crop2016/fertilisation/" + name, DriveE(dir) / "4M100m" / name);
    }
    e2e::CopyFixture("crop2016/Tolvek_DB_GRID_TABLE1.csv",
                     DriveE(dir) / "Tolvek SOIL GRID" / "Tolvek_DB_GRID_TABLE1.csv");
}

TEST(CropModelPageEndToEnd, CreateProAndCreateAgrWriteTheSeasonsFiles)
{
    TempDir dir;
    PutSeasonInputs(dir.Path());
    TDriveResult r = Drive(dir.Path(), {"click", "Button62", "get", "Label2.Caption", "set", "Label2.Caption=",
                                        "click", "Button63", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, (std::vector<std::string>{"COMPLETE", "COMPLETE"}));
    writertest::ExpectSameFiles(e2e::Fixture("crop2016/expected_pro"), DriveE(dir.Path()) / "4M100m" / "project");
    writertest::ExpectSameFiles(e2e::Fixture("crop2016/expected_agr"),
                                DriveE(dir.Path()) / "4M100m" / "agromanagement");
}

// The field table names Hungarian crops and a field id with accents (Windows-1250 in the
// table, the file name as the system names files).
TEST(CropModelPageEndToEnd, FourMAgrWritesOneFilePerField)
{
    TempDir dir;
    e2e::CopyFixture("field_agr/forman.csv", DriveE(dir.Path()) / "4Mvizgyujto" / "forman.csv");
    TDriveResult r = Drive(dir.Path(), {"click", "Button54", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, std::vector<std::string>{"COMPLETE"});
    writertest::ExpectSameFiles(e2e::Fixture("field_agr/expected"),
                                DriveE(dir.Path()) / "4Mvizgyujto" / "agromanagement");
}

void PutSoilInputs(const fs::path& dir)
{
    const fs::path tables = DriveE(dir) / "Tolvek SOIL GRID";
    for (const char* name : {"10km_SOIL_GRID.csv", "Tolvek_DB_SOIL_TABLE.csv", "Tolvek_DB_GRID_TABLE1.csv"})
        e2e::CopyFixture(std::string("crop_soil/") + name, tables / name);
}

// "4M" and the page's second button write the same files, in the locale's separator.
TEST(CropModelPageEndToEnd, FourMAndItsSecondButtonWriteTheTenKmSoilFilesInTheLocaleSeparator)
{
    struct TCase {
        const char* Button;
        const char* Separator;
        const char* Expected;
    };
    for (const TCase& c : {TCase{"Button27", ".", "crop_soil/expected_10km"},
                           TCase{"Button29", ",", "crop_soil/expected_10km_comma"}}) {
        SCOPED_TRACE(c.Button);
        TempDir dir;
        PutSoilInputs(dir.Path());
        TDriveResult r =
            Drive(dir.Path(), {"--decimal-separator", c.Separator, "click", c.Button, "get", "Label2.Caption"});
        ASSERT_EQ(r.Status, 0) << r.Err;
        EXPECT_EQ(r.Out, std::vector<std::string>{"COMPLETE"});
        writertest::ExpectSameFiles(e2e::Fixture(c.Expected), DriveE(dir.Path()) / "4Mvizgyujto" / "soil");
    }
}

// The fixture's tables pair three rows; the last status names the rows left unpaired.
TEST(CropModelPageEndToEnd, FourM100mWritesThePairedCellsAndReportsTheUnpairedRows)
{
    TempDir dir;
    PutSoilInputs(dir.Path());
    TDriveResult r = Drive(dir.Path(), {"click", "Button53", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out,
              std::vector<std::string>{"COMPLETE - unpaired rows: 2 of the soil table, 1 of the grid table"});
    writertest::ExpectSameFiles(e2e::Fixture("crop_soil/expected_100m"), DriveE(dir.Path()) / "4M100m" / "soil");
}

TEST(CropModelPageEndToEnd, AMissingInputTableEndsEachButtonWithAMessageNamingIt)
{
    TempDir dir;
    struct TCase {
        const char* Button;
        const char* File;
    };
    for (const TCase& c : {TCase{"Button62", "kukorica_fertilization_2016.csv"},
                           TCase{"Button63", "kukorica_fertilization_2016.csv"}, TCase{"Button54", "forman.csv"},
                           TCase{"Button27", "10km_SOIL_GRID.csv"}, TCase{"Button53", "Tolvek_DB_SOIL_TABLE.csv"}}) {
        SCOPED_TRACE(c.Button);
        TDriveResult r = Drive(dir.Path(), {"click", c.Button});
        EXPECT_EQ(r.Status, 1);
        EXPECT_EQ(r.Err.rfind("error: ", 0), 0u) << r.Err;
        EXPECT_NE(r.Err.find(c.File), std::string::npos) << r.Err;
    }
    EXPECT_EQ(e2e::FileCount(dir.Path()), 0u);
}

}  // namespace
