// End-to-end tests of the "SOI file maker" page through tolvek-drive: the soil-property files and the status bar.
#include <gtest/gtest.h>

#include <cstdio>
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

const fs::path SoiFolder = fs::path("input") / "soil" / "grid" / "10km";

void PutInputs(const fs::path& dir)
{
    testsupport::WriteFileBytes(dir / "SOImaker_data.csv", e2e::SoilParameterFileOf1104Cells());
    testsupport::WriteFileBytes(dir / "chemparselector.csv",
                                e2e::StretchedTable(ReadFileBytes(e2e::Fixture("soi10km/chemparselector.csv")), 0, 1104));
}

std::string CellFile(int cell)
{
    char name[32];
    std::snprintf(name, sizeof name, "10km%04d.soi", cell);
    return name;
}

struct TSoiCase {
    const char* Separator;
    bool UseSelector;
    const char* ExpectedPrefix;
};

class SoiPageEndToEnd : public ::testing::TestWithParam<TSoiCase> {};

// The boxes list the sets found in the file at start; the user picks the hydraulic set
// "A" (whose block follows the one of "AB") and the chemical set "alföld".
TEST_P(SoiPageEndToEnd, ChosenSetsGiveTheExpectedFilesAndTheStatusBarSaysComplete)
{
    const TSoiCase& c = GetParam();
    TempDir dir;
    PutInputs(dir.Path());
    std::vector<std::string> steps = {"--decimal-separator", c.Separator,
                                      "get", "pCB.Items.Count", "get", "pCB.Text", "get", "cCB.Items[1]",
                                      "set", "pCB.ItemIndex=1", "set", "cCB.ItemIndex=1"};
    if (c.UseSelector) steps.insert(steps.end(), {"click", "cpscb"});
    steps.insert(steps.end(), {"click", "Button36", "get", "SB.Panels[0].Text", "get", "Label2.Caption"});
    TDriveResult r = Drive(dir.Path(), steps);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    // The soil writer reports in the status bar and leaves the status label alone.
    EXPECT_EQ(r.Out, (std::vector<std::string>{"2", "AB", "alföld", "COMPLETE", "Label2"}));
    EXPECT_EQ(e2e::FileCount(dir.Path() / SoiFolder), 1104u);
    for (int cell = 1; cell <= 4; ++cell) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "soi10km/%s_%04d.soi", c.ExpectedPrefix, cell);
        SCOPED_TRACE(expected);
        EXPECT_EQ(ReadFileBytes(dir.Path() / SoiFolder / CellFile(cell)), ReadFileBytes(e2e::Fixture(expected)));
    }
}

INSTANTIATE_TEST_SUITE_P(SeparatorsAndSelector, SoiPageEndToEnd,
                         ::testing::Values(TSoiCase{".", false, "expected_dot"},
                                           TSoiCase{",", true, "expected_comma_selector"}));

// A set whose block is missing, or a missing parameter file, ends the action with a
// message and writes nothing.
TEST(SoiPageEndToEndFaults, AMissingSetOrParameterFileEndsWithAMessageAndNoFile)
{
    TempDir dir;
    PutInputs(dir.Path());
    TDriveResult r = Drive(dir.Path(), {"set", "pCB.Text=NONE", "click", "Button36"});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "error: \"SOImaker_data.csv\": no hydraulic block \"HYDR_NONE\"\n");
    EXPECT_FALSE(fs::exists(dir.Path() / SoiFolder));

    fs::remove(dir.Path() / "SOImaker_data.csv");
    r = Drive(dir.Path(), {"click", "Button36"});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "error: I/O error 2: \"" + (dir.Path() / "SOImaker_data.csv").string() + "\" not found\n");
    EXPECT_FALSE(fs::exists(dir.Path() / SoiFolder));
}

}  // namespace
