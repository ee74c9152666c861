// End-to-end tests of the workbench's start through the headless driver tolvek-drive, run as its own process.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/Drive.h"
#include "app/Unit2.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/app/EndToEndDrive.h"
#include "tests/support/TempDir.h"

namespace {

using e2e::Drive;
using e2e::TDriveResult;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::TestDataDir;

void CopyFixture(const char* name, const std::filesystem::path& dir)
{
    std::filesystem::copy_file(TestDataDir() / "app" / "drive" / name, dir / name);
}

// Makes a file unreadable for the program started while the scope lives: no
// permissions, and, when the tests run as root (who reads anything), an unprivileged
// real and effective user that the shell and the started program inherit (a shell
// whose real and effective users differ would take back the real one). The saved
// user stays root, so the scope can switch back.
class UnreadableFileScope {
public:
    explicit UnreadableFileScope(const std::filesystem::path& file) : FFile(file)
    {
        ::chmod(file.c_str(), 0);
        ::chmod(file.parent_path().c_str(), 0777);
        if (::geteuid() == 0 && ::setresuid(65534, 65534, 0) == 0) FSwitchedUser = true;
    }
    ~UnreadableFileScope()
    {
        if (FSwitchedUser && ::setresuid(0, 0, 0) != 0) std::abort();
        ::chmod(FFile.c_str(), 0644);
    }

private:
    std::filesystem::path FFile;
    bool FSwitchedUser = false;
};

TEST(Drive, StartWithoutTheOptionalFilesKeepsTheListsOfTheFormAndShowsNoError)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {"get", "dol.Items.Count", "get", "dol.Items[0]", "get", "dol.Checked[55]",
                                        "get", "aol.Items.Count", "get", "aol.Items[5]", "get", "pCB.Items.Count",
                                        "get", "pCB.Text", "get", "cCB.Text", "get", "PageControl1.ActivePage"});
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, (std::vector<std::string>{"56", "2502      actual development phase", "True", "6",
                                                "3061      TSOC (kgC/m2)", "0", "", "", "TabSheet10"}));
}

TEST(Drive, StartWithGoodOptionalFilesShowsTheirListsAndSets)
{
    TempDir dir;
    CopyFixture("outputs.txt", dir.Path());
    CopyFixture("SOImaker_data.csv", dir.Path());
    TDriveResult r = Drive(dir.Path(), {"get", "dol.Items.Count", "get", "dol.Items[1]", "get", "dol.Checked[1]",
                                        "get", "aol.Items.Count", "get", "aol.Items[0]", "get", "pCB.Items.Count",
                                        "get", "pCB.Text", "get", "pCB.Items[1]", "get", "cCB.Text"});
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, (std::vector<std::string>{"2", "3054      grain yield (kg/m2)", "True", "1", "3061      TSOC (kgC/m2)",
                                                "2", "Rawls-Brakensiek", "Saxton", "default"}));
}

TEST(Drive, AnUnreadableOutputsFileShowsTheErrorBoxAndTheWorkbenchStillRuns)
{
    TempDir dir;
    CopyFixture("outputs.txt", dir.Path());
    CopyFixture("SOImaker_data.csv", dir.Path());
    TDriveResult r;
    {
        UnreadableFileScope unreadable(dir.Path() / "outputs.txt");
        r = Drive(dir.Path(), {"get", "dol.Items.Count", "get", "pCB.Items.Count", "set", "Edit28.Text=1999",
                               "get", "Edit28.Text"});
    }
    EXPECT_EQ(r.Status, 0) << r.Err;
    // The error box names the file; the lists keep the form's items, and the steps after
    // it (the parameter sets) were not done.
    ASSERT_EQ(r.Err.rfind("errorbox: ", 0), 0u) << r.Err;
    EXPECT_NE(r.Err.find("outputs.txt"), std::string::npos) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"56", "0", "1999"}));
}

TEST(Drive, UntickedOutputVariablesAreTickedAgainWhenTheMainWindowIsActiveAfterTheMapWindow)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {"check", "dol", "3", "false", "check", "aol", "0", "false",
                                        "get", "dol.Checked[3]", "click", "Form1", "get", "dol.Checked[3]",
                                        "click", "Button30", "get", "dol.Checked[3]",
                                        "click", "Form1", "get", "dol.Checked[3]", "get", "aol.Checked[0]"});
    EXPECT_EQ(r.Status, 0) << r.Err;
    // A click on the window that is already active changes nothing; the map window in
    // between makes the next activation tick everything again.
    EXPECT_EQ(r.Out, (std::vector<std::string>{"False", "False", "False", "True", "True"}));
}

TEST(Drive, StepsSetGetAndClickControlsAlsoOnHiddenPages)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {"set", "RB1.Checked=true", "get", "RB2.Checked",
                                        "set", "Edit27.Text=it's 4 2", "get", "Edit27.Text",
                                        "click", "CheckBox1", "get", "CheckBox1.Checked", "click", "CheckBox1",
                                        "get", "CheckBox1.Checked", "get", "SC.Lines.Count",
                                        "set", "irrigationTB.Cells[0,3]=2020-05-01", "get", "irrigationTB.Cells[0,3]",
                                        "get", "irrigationTB.Cells[1,0]"});
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"False", "it's 4 2", "True", "False", "14", "2020-05-01", "AMOUNT"}));
}

TEST(Drive, AFailingStepPrintsItsErrorAndEndsTheRun)
{
    TempDir dir;
    struct TCase {
        std::vector<std::string> Args;
        int Status;
        std::string Error;
    };
    const TCase cases[] = {
        {{"get", "Edit28.Text", "click", "NoSuchControl", "get", "Edit29.Text"}, 1, "error: No control named NoSuchControl\n"},
        {{"click", "cbtrans"}, 1, "error: cbtrans is disabled and cannot be clicked\n"},
        {{"check", "dol", "56", "true"}, 1, "error: dol: index 56 beyond the 56 items\n"},
        {{"set", "Edit28.NoSuchProperty=1"}, 1, "error: Edit28 has no property NoSuchProperty\n"},
        {{"set", "plantingTB.Cells[1,0]=x"}, 1, "error: plantingTB: the fixed cell 1,0 cannot be edited\n"},
        {{"jump", "Edit28"}, 2, "error: Unknown step 'jump'\n"},
        {{"key", "plantingTB", "Ctrl+Hyper"}, 1, "error: key: unknown key 'Ctrl+Hyper'\n"},
        {{"type", "plantingTB"}, 2, "error: plantingTB needs TEXT\n"},
    };
    for (const TCase& c : cases) {
        TDriveResult r = Drive(dir.Path(), c.Args);
        EXPECT_EQ(r.Status, c.Status) << c.Args[0];
        EXPECT_EQ(r.Err.substr(0, c.Error.size()), c.Error) << r.Err;
    }
    // The steps before the failing one ran and printed.
    TDriveResult r = Drive(dir.Path(), cases[0].Args);
    EXPECT_EQ(r.Out, std::vector<std::string>{"1981"});
}

TEST(Drive, TheDecimalSeparatorOptionIsTheLocaleSeparatorTheParsersUse)
{
    TempDir dir;
    const rtl::TFormatSettings saved = rtl::FormatSettings;
    const char savedStart = app::DecimalSeparatorAtStart;
    app::TDriveOptions options = app::ParseDriveArguments({"--dir", dir.Path().string(), "--decimal-separator", ","});
    std::ostringstream out, err;
    testsupport::CurrentDirScope comeBack(dir.Path());  // the run changes the current directory
    EXPECT_EQ(app::RunDrive(options, out, err), 0) << err.str();
    EXPECT_EQ(app::DecimalSeparatorAtStart, ',');
    EXPECT_EQ(rtl::FormatSettings.DecimalSeparator, ',');
    EXPECT_NE(rtl::FormatSettings.ThousandSeparator, ',');
    EXPECT_DOUBLE_EQ(app::ParseDecimal("3.5"), 3.5);
    rtl::FormatSettings = saved;
    app::DecimalSeparatorAtStart = savedStart;
}

TEST(Drive, BadCommandLinesAreRefusedWithTheUsage)
{
    const std::vector<std::vector<std::string>> bad = {
        {"set", "Edit28.Text"}, {"set", "Edit28=1"}, {"get", "Edit28"}, {"check", "dol", "x", "true"},
        {"check", "dol", "1", "yes"}, {"click"}, {"--decimal-separator", ".."}, {"--dir"},
    };
    for (const auto& args : bad) {
        std::ostringstream out, err;
        EXPECT_EQ(app::DriveMain(args, out, err), 2) << args[0];
        EXPECT_EQ(err.str().rfind("error: ", 0), 0u) << err.str();
        EXPECT_NE(err.str().find("usage: tolvek-drive"), std::string::npos);
    }
}

}  // namespace
