// End-to-end tests of the spin-up run-control buttons and "GET from CC" through tolvek-drive, with the "e:\" folders mapped below the run's folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/EndToEndDrive.h"
#include "tests/support/TempDir.h"

namespace {

using e2e::Drive;
using e2e::TDriveResult;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
namespace fs = std::filesystem;

// "e:\Tolvek SOIL GRID\" of the writers, below the run's folder.
fs::path SoilGridFolder(const fs::path& dir) { return dir / "drives" / "e" / "Tolvek SOIL GRID"; }

std::string SpinupFixture(const std::string& name) { return "spinup_ini/" + name; }

// Grid table 3 of the fixture has three cells; "MAKE INI" always writes 1104, so its
// rows are repeated up to 1104 (cells 1 to 3 are the fixture's).
void PutInputs(const fs::path& dir)
{
    const fs::path tables = SoilGridFolder(dir);
    fs::create_directories(tables / "USDA");
    testsupport::WriteFileBytes(
        tables / "Tolvek_DB_GRID_TABLE3.csv",
        e2e::StretchedTable(ReadFileBytes(e2e::Fixture(SpinupFixture("Tolvek_DB_GRID_TABLE3.csv"))), 1, 1104));
    e2e::CopyFixture(SpinupFixture("Tolvek_DB_GRID_TABLE1.csv"), tables / "Tolvek_DB_GRID_TABLE1.csv");
    e2e::CopyFixture(SpinupFixture("SOCgroupIDs.csv"), tables / "USDA" / "SOCgroupIDs.csv");
}

TEST(IniVariantsPageEndToEnd, EachSpinupButtonWritesItsFilesIntoItsFixedFolder)
{
    TempDir dir;
    PutInputs(dir.Path());
    TDriveResult r = Drive(dir.Path(), {"click", "Button51", "get", "Label2.Caption", "set", "Label2.Caption=",
                                        "click", "Button70", "get", "Label2.Caption", "set", "Label2.Caption=",
                                        "click", "Button58", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, (std::vector<std::string>{"COMPLETE", "COMPLETE", "COMPLETE"}));
    const fs::path e = dir.Path() / "drives" / "e";
    const fs::path expected = e2e::Fixture(SpinupFixture("expected"));

    // "MAKE INI"
    EXPECT_EQ(e2e::FileCount(e / "spinup_soc" / "ini"), 1104u);
    EXPECT_EQ(ReadFileBytes(e / "spinup_soc" / "ini" / "2_spinup.ini"), ReadFileBytes(expected / "2_spinup.ini"));
    // "MAKE selected INI": one file per row of the selection list
    const fs::path select = e / "Tolvek" / "input" / "initialization" / "grid" / "select";
    EXPECT_EQ(e2e::FileCount(select), 2u);
    EXPECT_TRUE(fs::exists(select / "run5_spinup.ini"));
    EXPECT_EQ(ReadFileBytes(select / "run6_spinup.ini"), ReadFileBytes(expected / "run6_spinup.ini"));
    // "MAKE 100m GRID INI": one file per row of grid table 1
    const fs::path grid100m = SoilGridFolder(dir.Path()) / "Tolvek" / "INI" / "100m";
    EXPECT_EQ(e2e::FileCount(grid100m), 3u);
    EXPECT_EQ(ReadFileBytes(grid100m / "31878_spinup.ini"), ReadFileBytes(expected / "31878_spinup.ini"));
}

TEST(IniVariantsPageEndToEnd, AMissingGridTableEndsTheActionNamingItAndWritesNothing)
{
    TempDir dir;
    PutInputs(dir.Path());
    fs::remove(SoilGridFolder(dir.Path()) / "Tolvek_DB_GRID_TABLE3.csv");
    for (const char* button : {"Button51", "Button70", "Button58"}) {
        SCOPED_TRACE(button);
        TDriveResult r = Drive(dir.Path(), {"click", button});
        EXPECT_EQ(r.Status, 1);
        EXPECT_EQ(r.Err.rfind("error: ", 0), 0u) << r.Err;
        EXPECT_NE(r.Err.find("Tolvek_DB_GRID_TABLE3.csv"), std::string::npos) << r.Err;
    }
    EXPECT_FALSE(fs::exists(dir.Path() / "drives" / "e" / "spinup_soc"));
    EXPECT_FALSE(fs::exists(dir.Path() / "drives" / "e" / "Tolvek"));
    EXPECT_FALSE(fs::exists(SoilGridFolder(dir.Path()) / "Tolvek"));
}

// "GET from CC" reads grid table 3 of the current directory: the last row with the id
// fills the three fields; without a match they keep their texts.
TEST(IniVariantsPageEndToEnd, GetFromCcShowsTheCellsSiteValuesOrKeepsTheFields)
{
    TempDir dir;
    testsupport::WriteFileBytes(dir.Path() / "Tolvek_DB_GRID_TABLE3.csv",
                                ReadFileBytes(e2e::Fixture(SpinupFixture("Tolvek_DB_GRID_TABLE3.csv"))) +
                                    "2;1;46.0;18.0;101;1;HU231;11.10;9.95\r\n");
    TDriveResult r = Drive(dir.Path(), {"set", "Edit27.Text=999", "click", "Button52", "get", "Edit24.Text",
                                        "get", "Edit25.Text", "get", "Edit26.Text",
                                        "set", "Edit27.Text=3", "click", "Button52", "get", "Edit24.Text",
                                        "get", "Edit25.Text", "get", "Edit26.Text",
                                        "set", "Edit27.Text=2", "click", "Button52", "get", "Edit24.Text",
                                        "get", "Edit25.Text", "get", "Edit26.Text"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"97", "11.05", "9.97", "152", "10.95", "10.42", "101", "11.10",
                                                "9.95"}));
}

}  // namespace
