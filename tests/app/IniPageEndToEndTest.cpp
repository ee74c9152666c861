// End-to-end tests of the "INI file maker" page through tolvek-drive: the 10 km run-control files and the option rules.
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

const fs::path IniFolder = fs::path("input") / "initialization" / "grid" / "10km";

std::string Expected(const std::string& relative)
{
    return ReadFileBytes(e2e::Fixture(relative));
}

TEST(IniPageEndToEnd, DefaultsOfThePageWrite1104FilesAndTheStatusLabelSaysComplete)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {"click", "Button41", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, std::vector<std::string>{"COMPLETE"});
    EXPECT_EQ(e2e::FileCount(dir.Path() / IniFolder), 1104u);
    EXPECT_EQ(ReadFileBytes(dir.Path() / IniFolder / "1.ini"), Expected("ini10km/1_defaults.ini"));
    EXPECT_TRUE(fs::exists(dir.Path() / IniFolder / "1104.ini"));
}

// The page is set as a user sets it: run mode, transient run, weather box, years,
// the option boxes that compose the EPC, soil and output fields, an emptied management
// field and a short daily list.
TEST(IniPageEndToEnd, SpinupWithCarpatclimSetOnThePageGivesTheExpectedFile)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {"click", "RB1", "click", "cbtrans", "click", "cb4",
                                        "set", "Edit28.Text=1951", "set", "Edit29.Text=2018",
                                        "click", "CheckBox6", "click", "CheckBox4", "click", "CheckBox10",
                                        "set", "Edit30.Text=", "set", "Edit31.Text=2",
                                        "click", "Button90", "check", "dol", "0", "true", "check", "dol", "5", "true",
                                        "check", "dol", "30", "true", "click", "Button92",
                                        "click", "Button41", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, std::vector<std::string>{"COMPLETE"});
    EXPECT_EQ(ReadFileBytes(dir.Path() / IniFolder / "1.ini"), Expected("ini10km/1_spinup_carpatclim.ini"));
}

// Cell 12 takes its site values from the program's own 10 km base table.
TEST(IniPageEndToEnd, ProjectionWithDeltaChosenOnThePageGivesTheExpectedFile)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {"click", "cb6", "set", "projCB.Text=RCP45_CNRM-CM5_RCA4", "set", "DCB.Text=D2",
                                        "set", "Edit28.Text=2071", "set", "Edit29.Text=2100", "set", "Edit31.Text=2",
                                        "click", "Button90", "check", "dol", "12", "true", "check", "dol", "22", "true",
                                        "click", "Button92", "check", "aol", "0", "true", "check", "aol", "5", "true",
                                        "click", "Button41", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, std::vector<std::string>{"COMPLETE"});
    EXPECT_EQ(ReadFileBytes(dir.Path() / IniFolder / "12.ini"), Expected("e2e/ini10km/12_projection_D2_base_table.ini"));
}

// Every field is checked before the first file: the action ends with a message naming
// the field and writes nothing.
TEST(IniPageEndToEnd, ABadFieldEndsTheActionWithAMessageNamingItAndNoFile)
{
    struct TCase {
        std::vector<std::string> Steps;
        std::string Message;
    };
    const TCase cases[] = {
        {{"set", "Edit28.Text=19x1"}, "error: First simulation year: '19x1' is not a valid integer value"},
        {{"set", "Edit29.Text="}, "error: Last simulation year: '' is not a valid integer value"},
        {{"set", "Edit29.Text=1970"}, "error: Last simulation year 1970 is before the first simulation year 1981"},
        {{"click", "cb6"}, "error: Projection: the projection box is ticked but no projection is chosen"},
        {{"set", "SC.Text=1       one line"}, "error: Simulation control: 1 lines given, the file needs 14"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Message);
        TempDir dir;
        std::vector<std::string> steps = c.Steps;
        steps.insert(steps.end(), {"click", "Button41"});
        TDriveResult r = Drive(dir.Path(), steps);
        EXPECT_EQ(r.Status, 1);
        EXPECT_EQ(r.Err, c.Message + "\n");
        EXPECT_EQ(e2e::FileCount(dir.Path() / IniFolder), 0u);
    }
}

TEST(IniPageEndToEnd, WeatherBoxesExcludeEachOtherAndSetTheProjectionText)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {
        "click", "cb4", "click", "cb6",  // the projection box unticks CARPATCLIM and empties the text
        "get", "cb4.Checked", "get", "projCB.Text",
        "set", "projCB.Text=SRESA1B_ECHAM5_RCA",
        "click", "cb5",  // ERA5 unticks the projection box and shows the placeholder
        "get", "cb6.Checked", "get", "projCB.Text",
        "set", "projCB.Text=typed", "click", "cb5",  // unticking changes nothing else
        "get", "cb5.Checked", "get", "projCB.Text",
        "click", "cb4", "click", "cb5", "get", "cb4.Checked",
    });
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"False", "", "False", "select projection...", "False", "typed",
                                                "False"}));
}

TEST(IniPageEndToEnd, RunModeEnablesTransientRunAndTheSharedHandlersTestTheirOwnBoxes)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {
        "click", "RB1", "get", "cbtrans.Enabled", "click", "cbtrans", "get", "cbtrans.Checked",
        "click", "RB2", "get", "cbtrans.Checked", "get", "cbtrans.Enabled",
        // "transient run" runs the ERA5 rule, "use chemical selector file" the CARPATCLIM rule:
        // each acts only while its own weather box is ticked.
        "click", "cb5", "set", "projCB.Text=typed", "click", "RB1", "click", "cbtrans", "get", "projCB.Text",
        "click", "cb4", "set", "projCB.Text=typed", "click", "cpscb", "get", "projCB.Text",
        "click", "cb4", "set", "projCB.Text=typed", "click", "cpscb", "get", "projCB.Text",
        // The hidden extended-weather box sets the last year; the sheet page's boxes run its rule.
        "click", "CheckBox1", "get", "Edit29.Text", "set", "CB3.Checked=True", "get", "Edit29.Text",
        "click", "CheckBox2", "get", "Edit29.Text",
    });
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"True", "True", "False", "False", "select projection...",
                                                "select projection...", "typed", "2018", "2086", "2086"}));
}

TEST(IniPageEndToEnd, OptionBoxesComposeTheEpcSoilAndOutputFields)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {
        "click", "CheckBox10", "get", "Edit32.Text", "get", "Edit35.Text", "get", "Edit33.Text",
        "click", "CheckBox6", "click", "CheckBox5", "click", "CheckBox9",
        "click", "CheckBox6",  // unticking "maize" stores the same word again
        "get", "Edit32.Text", "get", "Edit35.Text", "get", "Edit33.Text",
        "click", "CheckBox7", "click", "CheckBox3", "click", "CheckBox8", "get", "Edit33.Text",
        "click", "CheckBox4", "click", "CheckBox11", "get", "Edit33.Text",
    });
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"input/plant/_generic.epc", "HU-PTF/", "grid/10km/__HU-PTF/",
                                                "input/plant/maize_generic.epc", "EU-PTF/",
                                                "grid/10km/maize_era5_EU-PTF/", "grid/10km/grass_foresee_EU-SHG/",
                                                "grid/10km/grass_carpatclim_US-PTF/"}));
}

TEST(IniPageEndToEnd, SelectAndDeselectAllTickOrUntickEveryOutputVariable)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {
        "click", "Button90", "get", "dol.Checked[0]", "get", "dol.Checked[55]", "get", "aol.Checked[0]",
        "click", "Button92", "get", "aol.Checked[5]",
        "click", "Button89", "get", "dol.Checked[0]", "get", "dol.Checked[55]", "get", "aol.Checked[5]",
        "click", "Button91", "get", "aol.Checked[0]", "get", "aol.Checked[5]",
    });
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"False", "False", "True", "False", "True", "True", "False", "True",
                                                "True"}));
}

}  // namespace
