// Tests of the 10 km soil-property writer: whole files, cut values, progress and the checks before writing.
#include "app/SoilPropWriter10km.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/GlobalTables.h"
#include "app/SoilParamBlocks.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/TextFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/UnreadableFileScope.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::TestDataDir;
using testsupport::WriteFileBytes;

fs::path FixtureDir() { return TestDataDir() / "app" / "soi10km"; }

std::vector<std::string> ReadLines(const fs::path& path) {
    rtl::TTextFile file(path.string());
    file.Reset();
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLn(line)) lines.push_back(line);
    return lines;
}

std::vector<std::string> FixtureLines() { return ReadLines(FixtureDir() / "SOImaker_data.csv"); }

// Sets the locale's decimal separator and the one recorded at start for one test.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(char separator)
        : FFormat(rtl::FormatSettings.DecimalSeparator), FAtStart(app::DecimalSeparatorAtStart) {
        rtl::FormatSettings.DecimalSeparator = separator;
        app::DecimalSeparatorAtStart = separator;
        app::FillGlobalTables();  // the comments, as at program start
    }
    ~DecimalSeparatorScope() {
        rtl::FormatSettings.DecimalSeparator = FFormat;
        app::DecimalSeparatorAtStart = FAtStart;
    }

private:
    char FFormat;
    char FAtStart;
};

// The fixture's four cells, the hydraulic set "A" (whose block follows the one
// of "AB") and the chemical set "alföld".
app::TSoilPropOptions FixtureOptions(bool useSelector) {
    app::TSoilPropOptions options;
    options.HydraulicSet = "A";
    options.ChemicalSet = "alföld";
    options.UseChemicalSelector = useSelector;
    options.CellCount = 4;
    return options;
}

const fs::path OutputFolder = fs::path("input") / "soil" / "grid" / "10km";

std::string OutputFile(const TempDir& dir, int cell) {
    char name[32];
    std::snprintf(name, sizeof name, "10km%04d.soi", cell);
    return (dir.Path() / OutputFolder / name).string();
}

struct TWholeFileCase {
    char Separator;
    bool UseSelector;
    const char* ExpectedPrefix;
};

class SoilPropWholeFileTest : public ::testing::TestWithParam<TWholeFileCase> {};

TEST_P(SoilPropWholeFileTest, WritesEveryCellFileAsExpected) {
    const TWholeFileCase& param = GetParam();
    DecimalSeparatorScope separator(param.Separator);
    TempDir dir;
    // The selector file is always there: unticked, it must not be read.
    fs::copy_file(FixtureDir() / "SOImaker_data.csv", dir.Path() / "SOImaker_data.csv");
    fs::copy_file(FixtureDir() / "chemparselector.csv", dir.Path() / "chemparselector.csv");
    testsupport::CurrentDirScope cwd(dir.Path());

    std::vector<std::string> progress;
    app::MakeSoilPropFiles10km(FixtureOptions(param.UseSelector),
                               [&](const std::string& text) { progress.push_back(text); });

    for (int cell = 1; cell <= 4; ++cell) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%s_%04d.soi", param.ExpectedPrefix, cell);
        SCOPED_TRACE(expected);
        EXPECT_EQ(ReadFileBytes(OutputFile(dir, cell)), ReadFileBytes(FixtureDir() / expected));
    }
    EXPECT_FALSE(fs::exists(OutputFile(dir, 5)));
    EXPECT_EQ(progress, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));
}

INSTANTIATE_TEST_SUITE_P(SeparatorsAndSelector, SoilPropWholeFileTest,
                         ::testing::Values(TWholeFileCase{'.', false, "expected_dot"},
                                           TWholeFileCase{'.', true, "expected_dot_selector"},
                                           TWholeFileCase{',', false, "expected_comma"},
                                           TWholeFileCase{',', true, "expected_comma_selector"}));

// The model reads the file by fixed columns: a value longer than its column
// loses its end, and the next column or the comment follows directly.
TEST(SoilPropWriterTest, ValuesLongerThanTheirColumnAreCut) {
    DecimalSeparatorScope separator('.');
    TempDir dir;
    testsupport::CurrentDirScope cwd(dir.Path());
    app::TSoilPropInput input;
    input.ParameterLines = FixtureLines();
    app::WriteSoilPropFiles10km(FixtureOptions(false), input, nullptr);

    const std::vector<std::string> lines = ReadLines(OutputFile(dir, 1));
    ASSERT_EQ(lines.size(), 63u);
    // Chemical row 7 holds "0.123456789012": cut to the parameter column of 10.
    EXPECT_EQ(lines[8], "0.12345678(prop.) NO3 mobilen proportion");
    // pH "6.70000001" of source layer 1: cut to 8 in model layers 1 to 3.
    EXPECT_EQ(lines[55].substr(0, 32), "6.7000006.7000006.7000006.9     ");
    // Bulk density "1.6000000000001" of source layer 4: cut to 8 in model
    // layers 6 to 9 and to 12 in model layer 10.
    EXPECT_EQ(lines[56].substr(40), "1.6000001.6000001.6000001.6000001.6000000000(g/cm3)   bulk density");
}

// Above 200 m the runoff curve number is "70", above 500 m "80": exactly 200 and
// exactly 500 stay in the band below.
TEST(SoilPropWriterTest, RunoffCurveNumberFollowsTheElevationBands) {
    DecimalSeparatorScope separator('.');
    TempDir dir;
    testsupport::CurrentDirScope cwd(dir.Path());
    app::TSoilPropInput input;
    input.ParameterLines = FixtureLines();
    app::WriteSoilPropFiles10km(FixtureOptions(false), input, nullptr);

    // Elevations of the fixture's cells: 97, 200, 500 and "812,5".
    const char* expected[] = {"60", "60", "70", "80"};
    for (int cell = 1; cell <= 4; ++cell) {
        EXPECT_EQ(ReadLines(OutputFile(dir, cell)).at(50).substr(0, 10), std::string(expected[cell - 1]) + "        ")
            << "cell " << cell;
    }
}

// Cells 1 to 1104 of the grid, generated: soil rows, one hydraulic and one
// chemical block.
std::vector<std::string> GeneratedParameterLines(int cellCount) {
    std::vector<std::string> lines = {"header 1", "header 2"};
    for (int cell = 1; cell <= cellCount; ++cell) {
        std::string row = std::to_string(cell) + ";0;46;18;" + std::to_string(cell % 700) + ";1;HU;0;0;0;0;120";
        for (int k = 0; k < 4; ++k) row += ";1.4";
        for (int k = 0; k < 8; ++k) row += ";0";
        for (int k = 0; k < 4; ++k) row += ";6.5";
        for (int k = 0; k < 4; ++k) row += ";40";
        for (int k = 0; k < 4; ++k) row += ";35";
        for (int k = 0; k < 4; ++k) row += ";20";
        lines.push_back(row);
    }
    lines.push_back("HYDR_G");
    lines.push_back("hydraulic header");
    for (int cell = 1; cell <= cellCount; ++cell) {
        lines.push_back(std::to_string(cell) + ";G;0.5;0.5;0.5;0.5;0.3;0.3;0.3;0.3;0.1;0.1;0.1;0.1");
    }
    lines.push_back("CHEM_G");
    for (int row = 1; row <= app::ChemicalRowCount; ++row) lines.push_back("0." + std::to_string(row) + ";9");
    return lines;
}

TEST(SoilPropWriterTest, WritesAllCellsOfTheGridAndReportsEveryHundredthFile) {
    DecimalSeparatorScope separator('.');
    TempDir dir;
    testsupport::CurrentDirScope cwd(dir.Path());
    app::TSoilPropOptions options;
    options.HydraulicSet = "G";
    options.ChemicalSet = "G";
    options.SoiFolder = "[base directory]\\soi\\";
    app::TSoilPropInput input;
    input.ParameterLines = GeneratedParameterLines(app::SoilPropCellCount10km);

    std::vector<std::string> progress;
    app::WriteSoilPropFiles10km(options, input, [&](const std::string& text) { progress.push_back(text); });

    std::vector<std::string> expected = {"PROCESSING"};
    for (int n = 100; n <= 1100; n += 100) expected.push_back("soil file #" + std::to_string(n) + " created");
    expected.push_back("COMPLETE");
    EXPECT_EQ(progress, expected);
    EXPECT_EQ(ReadLines(dir.Path() / "soi" / "10km0007.soi").at(0), "SOILPROP FILE - MuSo6, site/cell: 0007");
    EXPECT_EQ(ReadLines(dir.Path() / "soi" / "10km1104.soi").at(0), "SOILPROP FILE - MuSo6, site/cell: 1104");
    EXPECT_FALSE(fs::exists(dir.Path() / "soi" / "10km1105.soi"));
}

TEST(SoilPropWriterTest, BaseDirectoryInTheFolderIsTheCurrentDirectory) {
    EXPECT_EQ(app::SoilPropFolder("[base directory]\\input\\soil\\grid\\10km\\", "/home/u/run"),
              "/home/u/run\\input\\soil\\grid\\10km\\");
    EXPECT_EQ(app::SoilPropFolder("out\\[Base Directory]\\", "/x"), "out\\[Base Directory]\\");
    EXPECT_EQ(app::SoilPropFileName("soil\\", 7), "soil\\10km0007.soi");
    EXPECT_EQ(app::SoilPropFileName("soil\\", 1104), "soil\\10km1104.soi");
}

// --- Finding the blocks ------------------------------------------------------

TEST(SoilParamBlocksTest, ExactSetNameWinsOverAnEarlierLongerName) {
    const std::vector<std::string> lines = {"HYDR_AB", "HYDR_A", "HYDR_A2"};
    EXPECT_EQ(app::FindParameterBlock(lines, "HYDR_", "A", 0, 3), 1);
    EXPECT_EQ(app::FindParameterBlock(lines, "HYDR_", "AB", 0, 3), 0);
    // Only where no line carries the exact name does the substring test apply:
    // a name given without the line's trailing separators still finds its block.
    const std::vector<std::string> typed = {"HYDR_B;;;", "HYDR_A;;;"};
    EXPECT_EQ(app::FindParameterBlock(typed, "HYDR_", "A", 0, 2), 1);
    EXPECT_EQ(app::FindParameterBlock(typed, "HYDR_", "A;;;", 0, 2), 1);
    EXPECT_EQ(app::FindParameterBlock(typed, "HYDR_", "C", 0, 2), -1);
    // The search stays inside its range.
    EXPECT_EQ(app::FindParameterBlock(lines, "HYDR_", "A", 2, 3), 2);
}

// --- Checks before anything is written ------------------------------------------

// A fault of the input ends the action with a message naming what is wrong,
// and no file (not even the folder) is written.
struct TFaultCase {
    const char* Name;
    std::function<void(app::TSoilPropOptions&, app::TSoilPropInput&)> Spoil;
    std::vector<std::string> MessageParts;
};

class SoilPropFaultTest : public ::testing::TestWithParam<TFaultCase> {};

int LineIndex(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == text) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no line " << text;
    return 0;
}

// Semicolons that push a row past the 1000 fields of the splitter.
std::string TooManyFields() { return std::string(1000, ';'); }

TEST_P(SoilPropFaultTest, EndsWithAMessageAndWritesNothing) {
    const TFaultCase& param = GetParam();
    DecimalSeparatorScope separator('.');
    TempDir dir;
    testsupport::CurrentDirScope cwd(dir.Path());
    app::TSoilPropOptions options = FixtureOptions(true);
    app::TSoilPropInput input;
    input.ParameterLines = FixtureLines();
    input.SelectorLines = ReadLines(FixtureDir() / "chemparselector.csv");
    param.Spoil(options, input);

    try {
        app::WriteSoilPropFiles10km(options, input, nullptr);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        for (const std::string& part : param.MessageParts) {
            EXPECT_NE(e.Message().find(part), std::string::npos) << e.Message() << " lacks " << part;
        }
    }
    EXPECT_FALSE(fs::exists(dir.Path() / "input"));
}

using Lines = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    SoilPropFaults, SoilPropFaultTest,
    ::testing::Values(
        TFaultCase{"SoilTableShorterThanCells",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) {
                       in.ParameterLines.erase(in.ParameterLines.begin() + 4);
                   },
                   {"\"SOImaker_data.csv\"", "3 rows", "line 6 \"HYDR_AB\"", "4 cells"}},
        // Rows are split before the first file: the last cell's row of more
        // fields than the splitter holds no longer leaves three files written.
        TFaultCase{"SoilRowOfMoreThan1000Fields",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.ParameterLines[5] += TooManyFields(); },
                   {"\"SOImaker_data.csv\" line 6: more than 1000 fields in '4;"}},
        TFaultCase{"HydraulicRowOfMoreThan1000Fields",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.ParameterLines[17] += TooManyFields(); },
                   {"\"SOImaker_data.csv\" line 18: more than 1000 fields in '"}},
        TFaultCase{"SelectorLineOfMoreThan1000Fields",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.SelectorLines[3] += TooManyFields(); },
                   {"\"chemparselector.csv\" line 4: more than 1000 fields in '4;"}},
        TFaultCase{"SoilTableCutByTheEndOfTheFile",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.ParameterLines.resize(4); },
                   {"\"SOImaker_data.csv\"", "2 rows", "the end of the file", "4 cells"}},
        TFaultCase{"NoHydraulicBlock",
                   [](app::TSoilPropOptions& o, app::TSoilPropInput&) { o.HydraulicSet = "X"; },
                   {"\"SOImaker_data.csv\"", "\"HYDR_X\""}},
        TFaultCase{"NoChemicalBlock",
                   [](app::TSoilPropOptions& o, app::TSoilPropInput&) { o.ChemicalSet = "missing"; },
                   {"\"SOImaker_data.csv\"", "\"CHEM_missing\""}},
        TFaultCase{"ChemicalBlockBeforeTheHydraulicBlock",
                   [](app::TSoilPropOptions& o, app::TSoilPropInput& in) {
                       // Move the hydraulic block "A" to the end of the file.
                       Lines& l = in.ParameterLines;
                       const int marker = LineIndex(l, "HYDR_A");
                       Lines block(l.begin() + marker, l.begin() + marker + 6);
                       l.erase(l.begin() + marker, l.begin() + marker + 6);
                       l.insert(l.end(), block.begin(), block.end());
                       o.ChemicalSet = "base";
                   },
                   {"line 13", "\"CHEM_base\"", "before the end of the hydraulic block"}},
        TFaultCase{"HydraulicBlockShorterThanCells",
                   [](app::TSoilPropOptions& o, app::TSoilPropInput& in) {
                       Lines& l = in.ParameterLines;
                       l.erase(l.begin() + LineIndex(l, "HYDR_A") + 5);
                       o.HydraulicSet = "A";
                   },
                   {"\"SOImaker_data.csv\" line 13", "\"HYDR_A\"", "3 rows for 4 cells"}},
        TFaultCase{"ChemicalBlockShorterThanFortyRows",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.ParameterLines.pop_back(); },
                   {"\"SOImaker_data.csv\" line 60", "\"CHEM_alföld\"", "39 of 40 rows"}},
        TFaultCase{"SelectorColumnOutsideTheChemicalRow",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.SelectorLines[2] = "3;4"; },
                   {"\"chemparselector.csv\" line 3", "column 4", "3 fields", "chemical row 2"}},
        TFaultCase{"SelectorColumnZero",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.SelectorLines[3] = "4;0"; },
                   {"\"chemparselector.csv\" line 4", "column 0"}},
        TFaultCase{"SelectorColumnNotAnInteger",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.SelectorLines[1] = "2;2.5"; },
                   {"\"chemparselector.csv\" line 2", "'2.5' is not a valid integer value"}},
        TFaultCase{"SelectorShorterThanCells",
                   [](app::TSoilPropOptions&, app::TSoilPropInput& in) { in.SelectorLines.pop_back(); },
                   {"\"chemparselector.csv\"", "3 lines for 4 cells"}}),
    [](const ::testing::TestParamInfo<TFaultCase>& info) { return std::string(info.param.Name); });

// A missing parameter file, a folder in its place and a file that cannot be
// read are told apart; each ends the action with a message naming the file,
// before anything is written.
TEST(SoilPropWriterTest, MissingFolderOrUnreadableParameterFileEndsWithItsOwnMessage) {
    enum class TFault { Missing, Folder, Unreadable };
    for (const TFault fault : {TFault::Missing, TFault::Folder, TFault::Unreadable}) {
        TempDir dir;
        testsupport::CurrentDirScope cwd(dir.Path());
        const fs::path parameters = dir.Path() / "SOImaker_data.csv";
        if (fault == TFault::Folder) fs::create_directory(parameters);
        if (fault == TFault::Unreadable) fs::copy_file(FixtureDir() / "SOImaker_data.csv", parameters);
        std::vector<std::string> progress;
        std::string message;
        {
            std::optional<testsupport::UnreadableFileScope> unreadable;
            if (fault == TFault::Unreadable) unreadable.emplace(parameters);
            try {
                app::MakeSoilPropFiles10km(FixtureOptions(false), [&](const std::string& t) { progress.push_back(t); });
            } catch (const rtl::Exception& e) {
                message = e.Message();
            }
        }
        const std::string file = "\"" + parameters.string() + "\"";
        const char* expected[] = {" not found", " is a folder, not a file", " cannot be read: Permission denied"};
        const char* codes[] = {"I/O error 2: ", "I/O error 21: ", "I/O error 13: "};
        const int i = static_cast<int>(fault);
        EXPECT_EQ(message, codes[i] + file + expected[i]);
        EXPECT_TRUE(progress.empty());
        EXPECT_FALSE(fs::exists(dir.Path() / "input"));
    }
}

// With the selector box ticked and no selector file, no cell has a chemical
// set: a message instead of files full of empty values.
TEST(SoilPropWriterTest, TickedSelectorWithoutItsFileEndsWithAMessage) {
    TempDir dir;
    fs::copy_file(FixtureDir() / "SOImaker_data.csv", dir.Path() / "SOImaker_data.csv");
    testsupport::CurrentDirScope cwd(dir.Path());
    try {
        app::MakeSoilPropFiles10km(FixtureOptions(true), nullptr);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_NE(e.Message().find("/chemparselector.csv\" not found (\"use chemical selector file\" is ticked)"),
                  std::string::npos)
            << e.Message();
    }
    EXPECT_FALSE(fs::exists(dir.Path() / "input"));
}

}  // namespace
