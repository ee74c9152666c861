// Tests of the 10 km run-control writer: whole files, the 1104 cells, field checks and file errors.
#include "app/IniMaker10km.h"

#include "app/GlobalTables.h"
#include "app/ModelFileLayout.h"
#include "app/RunControlFile.h"
#include "tests/app/WriterTestFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace {

using namespace app;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using writertest::FileLines;
namespace fs = std::filesystem;

// A small base table: header, the real row of cell 1, filler rows, and a row
// for cell 12 with its own site values.
std::vector<std::string> FixtureBaseTable(int rows)
{
    std::vector<std::string> table = {"id10km;id100m;lat;long;elev;landuse;nuts3;Tavg;dTavg;USDA12"};
    table.push_back("1;26410;45.8;17.9;97;3;HU231;11.00;10.31;5;2;300;1.363;2.3;0.1;6.7;23;52;23;"
                    "0.493;0.322;0.146");
    for (int n = 2; n <= rows; ++n) {
        if (n == 12)
            table.push_back("12;31877;45.9;18.2;152;1;HU231;10.95;10.42;5;2;300");
        else
            table.push_back(std::to_string(n) + ";1;46." + std::to_string(n % 10) + ";18.0;" +
                            std::to_string(100 + n) + ";1;HU231;10.50;10.00;5;2;300");
    }
    return table;
}

std::vector<std::string> Split(const std::string& row)
{
    std::vector<std::string> fields;
    std::stringstream in(row);
    std::string field;
    while (std::getline(in, field, ';')) fields.push_back(field);
    return fields;
}

std::string Expected(const std::string& name)
{
    return ReadFileBytes(testsupport::TestDataDir() / "app" / "ini10km" / name);
}

TEST(IniMaker10km, WholeFilesMatchForDefaultsSpinupCarpatclimAndProjectionWithDelta)
{
    struct Case {
        const char* expected;
        int cell;
        std::function<void(TIniMaker10kmOptions&)> set;
    };
    const Case cases[] = {
        {"1_defaults.ini", 1, [](TIniMaker10kmOptions&) {}},
        {"1_spinup_carpatclim.ini", 1,
         [](TIniMaker10kmOptions& o) {
             o.Spinup = true;
             o.TransientRun = true;
             o.UseCarpatclim = true;
             o.FirstYear = "1951";
             o.LastYear = "2018";
             o.SoilFolder = "HU-PTF/";
             o.ManagementFile = "";  // written as "none"
             o.OutputType = "2";     // spin-up runs write no daily output whatever it says
             o.OutputFolder = "grid/10km/maize_carpatclim_HU-PTF/";
             o.EpcFile = "input/plant/maize_generic.epc";
             const auto daily = o.DailyOutputs;
             o.DailyOutputs = {daily[0], daily[5], daily[30]};
             o.AnnualOutputs.clear();  // the count "0" alone, then the empty line
         }},
        {"12_projection_D2.ini", 12,
         [](TIniMaker10kmOptions& o) {
             o.UseProjection = true;
             o.Projection = "RCP45_CNRM-CM5_RCA4";
             o.Delta = "D2";
             o.FirstYear = "2071";
             o.LastYear = "2100";
             o.OutputType = "2";
             const auto daily = o.DailyOutputs;
             const auto annual = o.AnnualOutputs;
             o.DailyOutputs = {daily[12], daily[22]};  // swc1 and soiltemp1 (°C)
             o.AnnualOutputs = {annual[0], annual[5]};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TempDir dir;
        TIniMaker10kmOptions options = DefaultIniMaker10kmOptions();
        c.set(options);
        const auto table = FixtureBaseTable(12);
        ASSERT_EQ(MakeGridInis10km(options, table, dir.Path().string()), 12);
        EXPECT_EQ(ReadFileBytes(dir.Path() / (std::to_string(c.cell) + ".ini")), Expected(c.expected));
    }
}

TEST(IniMaker10km, DefaultsGiveTheDocumentedLinesOfCellOne)
{
    TempDir dir;
    MakeGridInis10km(DefaultIniMaker10kmOptions(), FixtureBaseTable(1), dir.Path().string());
    const auto lines = FileLines(dir.Path() / "1.ini");
    ASSERT_GT(lines.size(), 120u);
    EXPECT_EQ(lines[3].substr(0, 60), std::string("input/weather/grid/observed/foresee/0001_foresee.wth")
                                          .append(8, ' '));
    EXPECT_EQ(lines[3].substr(60), "(filename) met file name");
    EXPECT_EQ(lines[10].substr(0, 35), "endpoint/grid/storyline1/1.endpoint");
    EXPECT_EQ(lines[14].substr(0, 3), "30 ");
    EXPECT_EQ(lines[30].substr(0, 3), "97 ");
    EXPECT_EQ(lines[113].substr(0, 3), "56 ");
    EXPECT_EQ(lines[113 + 56 + 3].substr(0, 2), "6 ");
    EXPECT_EQ(lines.back(), "END_INIT");
    EXPECT_EQ(lines.size(), 113u + 1 + 56 + 3 + 6 + 2);
}

TEST(IniMaker10km, Writes1104FilesNamedByCellWithEachRowsSiteValues)
{
    TempDir dir;
    FillGlobalTables();
    const auto& table = BaseTable10km;
    std::vector<std::string> statuses;
    const int written = MakeGridInis10km(DefaultIniMaker10kmOptions(), table, dir.Path().string(),
                                         [&](const std::string& s) { statuses.push_back(s); });
    EXPECT_EQ(written, 1104);
    EXPECT_EQ(statuses, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));

    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1104u);
    EXPECT_FALSE(fs::exists(dir.Path() / "0001.ini"));

    for (int n = 1; n <= 1104; ++n) {
        const auto lines = FileLines(dir.Path() / (std::to_string(n) + ".ini"));
        ASSERT_GT(lines.size(), 40u) << n;
        const auto fields = Split(table[static_cast<std::size_t>(n)]);
        const std::string nnnn = CellNumber4(n);
        EXPECT_EQ(lines[3].substr(0, 43), "input/weather/grid/observed/foresee/" + nnnn + "_fo") << n;
        EXPECT_EQ(lines[30].substr(0, 60).find_last_not_of(' ') + 1, fields[4].size()) << n;
        EXPECT_EQ(lines[30].substr(0, fields[4].size()), fields[4]) << n;  // elevation
        EXPECT_EQ(lines[31].substr(0, fields[2].size() + 1), fields[2] + " ") << n;  // latitude
        EXPECT_EQ(lines[33].substr(0, fields[7].size() + 1), fields[7] + " ") << n;  // Tavg
        EXPECT_EQ(lines[34].substr(0, fields[8].size() + 1), fields[8] + " ") << n;  // dTavg
        EXPECT_EQ(lines[38].substr(0, 34), "input/soil/grid/10km/10km" + nnnn + ".soi ") << n;
    }
    const auto last = FileLines(dir.Path() / "1104.ini");
    EXPECT_EQ(last[30].substr(0, 4), "171 ");
    EXPECT_EQ(last[31].substr(0, 5), "48.5 ");
    EXPECT_EQ(last[33].substr(0, 5), "8.59 ");
    EXPECT_EQ(last[34].substr(0, 5), "9.83 ");
}

TEST(IniMaker10km, WeatherRulesApplyInOrder)
{
    struct Case {
        bool extended, carpatclim, era5, projection;
        const char* projectionText;
        const char* delta;
        const char* path;
    };
    const Case cases[] = {
        {false, false, false, false, "", "none", "input/weather/grid/observed/foresee/0007_foresee.wth"},
        {true, true, false, false, "", "none", "input/weather/grid/observed/foresee/extended/0007.wth"},
        {false, true, true, false, "", "none", "input/weather/grid/observed/carpatclim/0007_carpatclim.wth"},
        {false, false, true, true, "P", "none", "input/weather/grid/observed/era5/0007_era5.wth"},
        {false, false, false, true, "SRESA1B_HadCM3Q0_RCA", "none",
         "input/weather/grid/projection/SRESA1B_HadCM3Q0_RCA/0007_SRESA1B_HadCM3Q0_RCA.wth"},
        {false, false, false, true, "RCP85_EC-EARTH_RACMO22E", "D5",
         "input/weather/grid/projection/RCP85_EC-EARTH_RACMO22E_D5/0007_RCP85_EC-EARTH_RACMO22E_D5.wth"},
    };
    for (const Case& c : cases) {
        TIniMaker10kmOptions o;
        o.ExtendedForesee = c.extended;
        o.UseCarpatclim = c.carpatclim;
        o.UseEra5 = c.era5;
        o.UseProjection = c.projection;
        o.Projection = c.projectionText;
        o.Delta = c.delta;
        EXPECT_EQ(WeatherFilePath10km(o, "0007"), c.path);
    }
}

TEST(IniMaker10km, LongProjectionPathIsNeverCutAndLongFieldsAreCut)
{
    TIniMaker10kmOptions o = DefaultIniMaker10kmOptions();
    o.UseProjection = true;
    o.Projection = "SRESA1B_HadCM3Q0_HadRM3Q0";
    o.Delta = "D1";
    o.EpcFile = "input/plant/" + std::string(60, 'e') + ".epc";
    TModelFileLayout layout;
    LayOutCellIni10km(o, 3, TCellSite{"97", "45.8", "11.00", "10.31"}, layout);
    const std::string path =
        "input/weather/grid/projection/SRESA1B_HadCM3Q0_HadRM3Q0_D1/0003_SRESA1B_HadCM3Q0_HadRM3Q0_D1.wth";
    EXPECT_EQ(layout.Line(3), path + "     (filename) met file name");
    EXPECT_EQ(layout.Line(41), o.EpcFile.substr(0, 60) + "(filename) EPC filename");
}

TEST(IniMaker10km, SpinupWithoutTransientRunKeepsCo2AndDepositionConstant)
{
    TIniMaker10kmOptions o = DefaultIniMaker10kmOptions();
    o.Spinup = true;
    TModelFileLayout layout;
    LayOutCellIni10km(o, 1, TCellSite{}, layout);
    EXPECT_EQ(layout.Line(20).substr(0, 2), "0 ");  // CO2 flag
    EXPECT_EQ(layout.Line(25).substr(0, 2), "0 ");  // N-deposition flag
    EXPECT_EQ(layout.Line(10).substr(0, 23), "endpoint/0001.endpoint ");
}

// Every field is checked before the first file is created: a bad field ends
// the action with a message naming it, and nothing is written.
TEST(IniMaker10km, BadFieldEndsTheActionBeforeAnyFileWithAMessageNamingIt)
{
    struct Case {
        const char* field;
        std::function<void(TIniMaker10kmOptions&)> set;
    };
    const Case cases[] = {
        {FirstYearField, [](TIniMaker10kmOptions& o) { o.FirstYear = "19a1"; }},
        {FirstYearField, [](TIniMaker10kmOptions& o) { o.FirstYear = ""; }},
        {LastYearField, [](TIniMaker10kmOptions& o) { o.LastYear = " 2010"; }},
        {LastYearField, [](TIniMaker10kmOptions& o) { o.LastYear = "1980"; }},
        {SimulationControlField, [](TIniMaker10kmOptions& o) { o.SimulationControl.resize(13); }},
        {ProjectionField,
         [](TIniMaker10kmOptions& o) {
             o.UseProjection = true;
             o.Projection = "";  // just ticked: the box empties the text
         }},
        {ProjectionField,
         [](TIniMaker10kmOptions& o) {
             o.UseProjection = true;
             o.Projection = "select projection...";
             o.Delta = "D3";
         }},
    };
    for (const Case& c : cases) {
        TempDir dir;
        TIniMaker10kmOptions o = DefaultIniMaker10kmOptions();
        c.set(o);
        const fs::path folder = dir.Path() / "10km";
        std::vector<std::string> statuses;
        try {
            MakeGridInis10km(o, FixtureBaseTable(3), folder.string(),
                             [&](const std::string& s) { statuses.push_back(s); });
            ADD_FAILURE() << "no error for " << c.field;
        } catch (const EIniFieldError& e) {
            EXPECT_EQ(e.Field, c.field);
            std::string lower = e.Message();
            for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            EXPECT_NE(lower.find(c.field), std::string::npos) << e.Message();
        }
        EXPECT_FALSE(fs::exists(folder)) << c.field;
        EXPECT_EQ(statuses, std::vector<std::string>{"PROCESSING"});
    }
}

TEST(IniMaker10km, YearMessagesQuoteTheValue)
{
    TIniMaker10kmOptions o = DefaultIniMaker10kmOptions();
    o.FirstYear = "19a1";
    try {
        ValidateIniMaker10kmOptions(o);
        FAIL();
    } catch (const EIniFieldError& e) {
        EXPECT_EQ(e.Message(), "First simulation year: '19a1' is not a valid integer value");
    }
    o.FirstYear = "2000";
    o.LastYear = "2000";  // one year is a sound run
    EXPECT_NO_THROW(ValidateIniMaker10kmOptions(o));
    EXPECT_EQ(SimulationYears(o), 1);
}

TEST(IniMaker10km, ShortBaseTableRowIsReportedBeforeAnyFile)
{
    TempDir dir;
    auto table = FixtureBaseTable(5);
    table[4] = "4;1;46.4;18.0;104";
    try {
        MakeGridInis10km(DefaultIniMaker10kmOptions(), table, dir.Path().string());
        FAIL();
    } catch (const EIniFieldError& e) {
        EXPECT_EQ(e.Field, BaseTableField);
        EXPECT_NE(e.Message().find("row 4"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("4;1;46.4;18.0;104"), std::string::npos) << e.Message();
    }
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST(IniMaker10km, MissingOutputFolderIsCreated)
{
    TempDir dir;
    testsupport::CurrentDirScope cwd(dir.Path());
    const std::string folder = IniFolder10km();
    EXPECT_EQ(fs::path(folder), dir.Path() / "input/initialization/grid/10km/");
    EXPECT_EQ(MakeGridInis10km(DefaultIniMaker10kmOptions(), FixtureBaseTable(2), folder), 2);
    EXPECT_TRUE(fs::exists(dir.Path() / "input/initialization/grid/10km/2.ini"));
}

TEST(IniMaker10km, FolderThatCannotBeMadeEndsWithTheInputOutputErrorNamingTheFile)
{
    TempDir dir;
    testsupport::WriteFileBytes(dir.Path() / "input", "a file where the folder should be");
    std::vector<std::string> statuses;
    try {
        MakeGridInis10km(DefaultIniMaker10kmOptions(), FixtureBaseTable(2),
                         (dir.Path() / "input/initialization/grid/10km/").string(),
                         [&](const std::string& s) { statuses.push_back(s); });
        FAIL();
    } catch (const rtl::EInOutError& e) {
        EXPECT_NE(e.Message().find("1.ini"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(statuses, std::vector<std::string>{"PROCESSING"});
}

// A file that cannot be created ends the action; the files before it are
// complete and the ones after it are not begun.
TEST(IniMaker10km, FileThatCannotBeCreatedEndsTheActionAndEarlierFilesStayWhole)
{
    TempDir reference;
    const auto table = FixtureBaseTable(5);
    MakeGridInis10km(DefaultIniMaker10kmOptions(), table, reference.Path().string());

    TempDir dir;
    fs::create_directory(dir.Path() / "3.ini");  // a folder in the way of cell 3's file
    try {
        MakeGridInis10km(DefaultIniMaker10kmOptions(), table, dir.Path().string());
        FAIL();
    } catch (const rtl::EInOutError& e) {
        EXPECT_NE(e.Message().find("3.ini"), std::string::npos) << e.Message();
    }
    for (const char* name : {"1.ini", "2.ini"})
        EXPECT_EQ(ReadFileBytes(dir.Path() / name), ReadFileBytes(reference.Path() / name)) << name;
    EXPECT_FALSE(fs::exists(dir.Path() / "4.ini"));
}

}  // namespace
