// Tests of the global tables, the output-variable lists and the loaders of the optional start-up files.
#include "app/GlobalTables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "app/OutputLists.h"
#include "app/ParameterSetNames.h"
#include "app/StartupData.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "tests/support/TempDir.h"
#include "tests/support/UnreadableFileScope.h"

namespace {

using testsupport::CurrentDirScope;
using testsupport::TempDir;
using testsupport::UnreadableFileScope;
using testsupport::TestDataDir;

std::vector<std::string> Split(const std::string& row)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at = row.find(';'); at != std::string::npos; at = row.find(';', start)) {
        fields.push_back(row.substr(start, at - start));
        start = at + 1;
    }
    fields.push_back(row.substr(start));
    return fields;
}

void ClearGlobalTables()
{
    app::SoiCommentTable.fill({});
    app::BaseTable10km.fill({});
    app::CellSelectorTable.fill({});
}

bool GlobalTablesFilled()
{
    return app::SoiCommentTable[1] == "(prop.) denitrification rate per g of CO2 respiration of SOM" &&
           app::BaseTable10km[0].rfind("id10km;id100m;", 0) == 0 &&
           app::BaseTable10km[1104].rfind("1104;", 0) == 0 &&
           app::CellSelectorTable[1104] == "48.5;21.6;171;1;HU311;8.59";
}

class GlobalTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearGlobalTables();
        app::FillGlobalTables();
    }
};

// ---------------------------------------------------------------------------
// SoiCommentTable

TEST_F(GlobalTables, SoiCommentTableHoldsFiftyTwoCommentsFromEntryOne)
{
    EXPECT_EQ(app::SoiCommentTable[0], "");
    EXPECT_EQ(app::SoiCommentTable[7], "(m)     e-folding depth of decomposition rate depth scalar");
    EXPECT_EQ(app::SoiCommentTable[11], "(prop.) fraction of dissolved part of SOIL4 organic matter");
    EXPECT_EQ(app::SoiCommentTable[16], "(ppm)   critical value of dissolved N and C in bottom (inactive layer)");
    EXPECT_EQ(app::SoiCommentTable[17], "(prop)    respiration fractions for fluxes between compartments (l1s1)");
    EXPECT_EQ(app::SoiCommentTable[22], "(prop)    respiration fractions for fluxes between compartments (s3s4)");
    EXPECT_EQ(app::SoiCommentTable[32], "(DIM)     soil CH4 emission bulk density dependence parameter2");
    EXPECT_EQ(app::SoiCommentTable[36], "(DIM)     soil CH4 emission soil water content dependence parameter4");
    EXPECT_EQ(app::SoiCommentTable[42],
              "(dimless) measured runoff curve number (-9999: no measured data, model estimation)");
    EXPECT_EQ(app::SoiCommentTable[52], "(cm/day)  hydraulic condictivity at saturation");
    for (int i = 1; i <= 52; ++i) EXPECT_FALSE(app::SoiCommentTable[i].empty()) << i;
    for (int i = 53; i <= 100; ++i) EXPECT_TRUE(app::SoiCommentTable[i].empty()) << i;
}

// ---------------------------------------------------------------------------
// BaseTable10km

TEST_F(GlobalTables, BaseTableHasTheHeaderAndTheTellingRows)
{
    std::string header = "id10km;id100m;lat;long;elev;landuse;nuts3;Tavg;dTavg;USDA12;USDA3;soildepth";
    for (const char* layer : {"0to30", "30to60", "60to100", "100to200"})
        for (const char* column : {"bd", "som", "lime", "ph", "sand", "silt", "clay", "sat", "fc", "wp"})
            header += std::string(";") + column + layer;
    EXPECT_EQ(app::BaseTable10km[0], header);

    EXPECT_EQ(app::BaseTable10km[1].rfind(
                  "1;26410;45.8;17.9;97;3;HU231;11.00;10.31;5;2;300;1.363;2.3;0.1;6.7;23;52;23;0.493;0.322;0.146;", 0),
              0u);
    EXPECT_EQ(app::BaseTable10km[1104].rfind("1104;10977225;48.5;21.6;171;1;HU311;8.59;9.83;4;2;300;", 0), 0u);
    EXPECT_EQ(Split(app::BaseTable10km[44])[11], "79");
    EXPECT_EQ(Split(app::BaseTable10km[456])[5], "0");
    EXPECT_EQ(Split(app::BaseTable10km[732])[5], "0");
}

TEST_F(GlobalTables, EveryBaseTableRowHasFiftyTwoColumnsInTheirFormats)
{
    const std::regex integer("[0-9]+"), lat("4[5-8]\\.[0-9]"), lon("(1[6-9]|2[0-2])\\.[0-9]"),
        landuse("[0-3]"), nuts3("HU[0-9]{3}"), twoDecimals("-?[0-9]+\\.[0-9]{2}"),
        threeDecimals("[0-9]\\.[0-9]{3}"), oneDecimal("[0-9]+\\.[0-9]"), fraction("0\\.[0-9]{3}");
    // Formats of the ten columns of a soil layer.
    const std::vector<const std::regex*> layer = {&threeDecimals, &oneDecimal, &oneDecimal, &oneDecimal,
                                                  &integer,       &integer,    &integer,    &fraction,
                                                  &fraction,      &fraction};
    for (int n = 1; n <= app::CellCount10km; ++n) {
        const std::string& row = app::BaseTable10km[n];
        const std::vector<std::string> f = Split(row);
        ASSERT_EQ(f.size(), 52u) << "row " << n;
        EXPECT_EQ(f[0], std::to_string(n));
        EXPECT_TRUE(std::regex_match(f[1], integer)) << row;
        EXPECT_LE(std::stol(f[1]), 11059795) << row;
        EXPECT_TRUE(std::regex_match(f[2], lat) && std::stod(f[2]) >= 45.8 && std::stod(f[2]) <= 48.5) << row;
        EXPECT_TRUE(std::regex_match(f[3], lon) && std::stod(f[3]) >= 16.2 && std::stod(f[3]) <= 22.8) << row;
        EXPECT_TRUE(std::regex_match(f[4], integer)) << row;
        EXPECT_TRUE(std::regex_match(f[5], landuse)) << row;
        EXPECT_TRUE(std::regex_match(f[6], nuts3)) << row;
        EXPECT_TRUE(std::regex_match(f[7], twoDecimals) && std::regex_match(f[8], twoDecimals)) << row;
        EXPECT_TRUE(std::regex_match(f[11], integer) && std::stoi(f[11]) <= 300) << row;
        for (int column = 12; column < 52; ++column)
            EXPECT_TRUE(std::regex_match(f[column], *layer[(column - 12) % 10])) << row << " column " << column + 1;
        // The texture classes are those of the topsoil's composition.
        const double sand = std::stod(f[16]), silt = std::stod(f[17]), clay = std::stod(f[18]);
        EXPECT_EQ(f[9], std::to_string(app::UsdaTextureClass(12, sand, silt, clay))) << row;
        EXPECT_EQ(f[10], std::to_string(app::UsdaTextureClass(3, sand, silt, clay))) << row;
    }
}

// ---------------------------------------------------------------------------
// CellSelectorTable

TEST_F(GlobalTables, CellSelectorRowsAreBaseColumnsThreeToEightInShortestFormExceptTwoLandUses)
{
    EXPECT_EQ(app::CellSelectorTable[1], "45.8;17.9;97;3;HU231;11");
    EXPECT_EQ(app::CellSelectorTable[2], "45.8;18;95;1;HU231;11.09");
    EXPECT_EQ(app::CellSelectorTable[1104], "48.5;21.6;171;1;HU311;8.59");

    rtl::TFormatSettings point = rtl::DefaultFormatSettings();
    auto shortest = [&](const std::string& number) {
        return rtl::FloatToStr(rtl::StrToFloat(number, point), point);
    };
    for (int n = 1; n <= app::CellCount10km; ++n) {
        const std::vector<std::string> b = Split(app::BaseTable10km[n]);
        std::string landuse = b[5];
        if (n == 456) landuse = "1";
        if (n == 732) landuse = "3";
        const std::string expected =
            shortest(b[2]) + ";" + shortest(b[3]) + ";" + b[4] + ";" + landuse + ";" + b[6] + ";" + shortest(b[7]);
        EXPECT_EQ(app::CellSelectorTable[n], expected) << "cell " << n;
    }
}

TEST_F(GlobalTables, Cell456ReadsLandUseZeroFromTheBaseTableAndOneFromTheSelector)
{
    app::SplitFields(app::BaseTable10km[456], ';');
    EXPECT_EQ(app::SharedFields[6], "0");
    app::SplitFields(app::CellSelectorTable[456], ';');
    EXPECT_EQ(app::SharedFields[4], "1");
}

TEST_F(GlobalTables, FillingAgainGivesTheSameTables)
{
    const auto base = app::BaseTable10km;
    const auto selector = app::CellSelectorTable;
    app::FillGlobalTables();
    EXPECT_EQ(app::BaseTable10km, base);
    EXPECT_EQ(app::CellSelectorTable, selector);
}

// ---------------------------------------------------------------------------
// Output-variable lists

TEST(OutputLists, DefaultsAreTheFormsFiftySixDailyAndSixAnnualItems)
{
    const app::TOutputLists& lists = app::DefaultOutputLists();
    ASSERT_EQ(lists.Daily.size(), 56u);
    EXPECT_EQ(lists.Daily[0], "2502      actual development phase");
    EXPECT_EQ(lists.Daily[11], "204       water leached from rootzone (kgH2O/m2)");
    EXPECT_EQ(lists.Daily[12], "2603      swc1 (m3/m3)");
    EXPECT_EQ(lists.Daily[21], "2612      swc10 (m3/m3)");
    EXPECT_EQ(lists.Daily[22], "50        soiltemp1 (°C)");
    EXPECT_EQ(lists.Daily[31], "59        soiltemp10 (°C)");
    EXPECT_EQ(lists.Daily[49], "3031      cumulative management related C loss (kgC/m2) ");
    EXPECT_EQ(lists.Daily[50], "3058      total vegetation C (kgC/m2)\t");
    EXPECT_EQ(lists.Daily[52], "3060      total litter C (kgC/m2)\t");
    EXPECT_EQ(lists.Daily[55], "1532      total mineral NO3 in the soil (kgN/m2)");
    const std::regex codeColumn("[0-9]+ +");
    for (const std::string& item : lists.Daily) {
        EXPECT_TRUE(std::regex_match(item.substr(0, 10), codeColumn)) << item;
        EXPECT_NE(item[10], ' ') << item;
    }

    EXPECT_EQ(lists.Annual, (std::vector<std::string>{
                                "3022      NPP (kgC/m2)", "3024      NEE (kgC/m2)", "3025      GPP (kgC/m2)",
                                "3029      TER (kgC/m2)", "3031      cumulative management related C loss (kgC/m2)",
                                "3061      TSOC (kgC/m2)"}));
}

TEST(OutputLists, ReadsDailyItemsUpToTheMarkerAndAnnualItemsAfterIt)
{
    app::TOutputLists lists = app::DefaultOutputLists();
    ASSERT_TRUE(app::ReadOutputsFile((TestDataDir() / "app" / "outputs.txt").string(), lists));
    EXPECT_EQ(lists.Daily,
              (std::vector<std::string>{"2502      actual development phase", "50        soiltemp1 (°C)"}));
    EXPECT_EQ(lists.Annual, (std::vector<std::string>{"3022      NPP (kgC/m2)"}));
}

TEST(OutputLists, MarkerOnTheLastLineOrNoMarkerLeavesTheAnnualListEmpty)
{
    TempDir dir;
    testsupport::WriteFileBytes(dir.Path() / "marker-last.txt", "heading\r\n2502      a\r\n3054      b\r\nOUTPUTS\r\n");
    testsupport::WriteFileBytes(dir.Path() / "no-marker.txt", "heading\n2502      a\n\n3054      b");
    for (const char* name : {"marker-last.txt", "no-marker.txt"}) {
        app::TOutputLists lists = app::DefaultOutputLists();
        ASSERT_TRUE(app::ReadOutputsFile(dir.File(name), lists)) << name;
        EXPECT_EQ(lists.Daily, (std::vector<std::string>{"2502      a", "3054      b"})) << name;
        EXPECT_TRUE(lists.Annual.empty()) << name;
    }
}

TEST(OutputLists, AMissingFileLeavesTheListsAlone)
{
    TempDir dir;
    app::TOutputLists lists = app::DefaultOutputLists();
    EXPECT_FALSE(app::ReadOutputsFile(dir.File("outputs.txt"), lists));
    EXPECT_EQ(lists.Daily, app::DefaultOutputLists().Daily);
    EXPECT_EQ(lists.Annual, app::DefaultOutputLists().Annual);
}

// ---------------------------------------------------------------------------
// Parameter-set names

TEST(ParameterSetNames, TakesTheTextAfterThePrefixOfEveryHydrAndChemLine)
{
    app::TParameterSetNames names;
    ASSERT_TRUE(app::ReadParameterSetNames((TestDataDir() / "app" / "SOImaker_data.csv").string(), names));
    EXPECT_EQ(names.Hydraulic, (std::vector<std::string>{"Rawls-Brakensiek;0.45;0.32", "Wösten (EU-HYPRES);0.43;0.30",
                                                         "", "CHEM_both"}));
    EXPECT_EQ(names.Chemical,
              (std::vector<std::string>{"Mészlepedékes csernozjom;7.2", std::string(100, 'x'), "CHEM_both"}));
}

TEST(ParameterSetNames, AFileWithoutChemLinesGivesNoChemicalSets)
{
    app::TParameterSetNames names;
    ASSERT_TRUE(app::ReadParameterSetNames(
        (TestDataDir() / "app" / "SOImaker_data_hydraulic_only.csv").string(), names));
    EXPECT_EQ(names.Hydraulic, (std::vector<std::string>{"only hydraulic;1", "second;2"}));
    EXPECT_TRUE(names.Chemical.empty());
}

TEST(ParameterSetNames, AMissingFileLeavesTheNamesAlone)
{
    TempDir dir;
    app::TParameterSetNames names{{"kept"}, {}};
    EXPECT_FALSE(app::ReadParameterSetNames(dir.File("SOImaker_data.csv"), names));
    EXPECT_EQ(names.Hydraulic, (std::vector<std::string>{"kept"}));
}

// ---------------------------------------------------------------------------
// Loading at start

void CopyFixture(const char* fixture, const std::filesystem::path& to)
{
    std::filesystem::copy_file(TestDataDir() / "app" / fixture, to);
}

void CopyBothOptionalFiles(const std::filesystem::path& dir)
{
    CopyFixture("outputs.txt", dir / "outputs.txt");
    CopyFixture("SOImaker_data.csv", dir / "SOImaker_data.csv");
}

// Loads the start-up data of the current directory `dir` with its `file` unreadable: the
// load must fail with an input/output error naming that file.
void ExpectLoadFailsNaming(const std::filesystem::path& dir, const std::string& file, app::TStartupData& data)
{
    UnreadableFileScope unreadable(dir / file);
    try {
        app::LoadStartupData(data);
        ADD_FAILURE() << "no error for an unreadable " << file;
    } catch (const rtl::EInOutError& e) {
        EXPECT_NE(e.Message().find(file), std::string::npos) << e.Message();
    }
}

TEST(LoadStartupData, WithoutTheOptionalFilesFillsTheTablesAndKeepsTheDefaults)
{
    TempDir dir;
    CurrentDirScope inDir(dir.Path());
    ClearGlobalTables();
    app::TStartupData data;
    app::LoadStartupData(data);
    EXPECT_TRUE(GlobalTablesFilled());
    EXPECT_FALSE(data.OutputsFileRead);
    EXPECT_FALSE(data.ParameterSetsRead);
    EXPECT_EQ(data.OutputLists.Daily.size(), 56u);
    EXPECT_EQ(data.OutputLists.Annual.size(), 6u);
    EXPECT_TRUE(data.ParameterSets.Hydraulic.empty());
    EXPECT_TRUE(data.ParameterSets.Chemical.empty());
}

TEST(LoadStartupData, ReadsBothOptionalFilesOfTheCurrentDirectory)
{
    TempDir dir;
    CopyBothOptionalFiles(dir.Path());
    CurrentDirScope inDir(dir.Path());
    ClearGlobalTables();
    app::TStartupData data;
    app::LoadStartupData(data);
    EXPECT_TRUE(GlobalTablesFilled());
    EXPECT_TRUE(data.OutputsFileRead);
    EXPECT_EQ(data.OutputLists.Daily.size(), 2u);
    EXPECT_EQ(data.OutputLists.Annual, (std::vector<std::string>{"3022      NPP (kgC/m2)"}));
    EXPECT_TRUE(data.ParameterSetsRead);
    EXPECT_EQ(data.ParameterSets.Hydraulic.size(), 4u);
    EXPECT_EQ(data.ParameterSets.Chemical.size(), 3u);
}

TEST(LoadStartupData, AnUnreadableOutputsFileStillLetsTheFixedTablesBeFilled)
{
    TempDir dir;
    CopyBothOptionalFiles(dir.Path());
    CurrentDirScope inDir(dir.Path());
    ClearGlobalTables();
    app::TStartupData data;
    ExpectLoadFailsNaming(dir.Path(), "outputs.txt", data);
    EXPECT_TRUE(GlobalTablesFilled());
    EXPECT_FALSE(data.OutputsFileRead);
    EXPECT_EQ(data.OutputLists.Daily, app::DefaultOutputLists().Daily);  // not half-replaced
    EXPECT_FALSE(data.ParameterSetsRead);                                 // the later step is not done
}

TEST(LoadStartupData, AnUnreadableParameterFileStillLetsTheFixedTablesBeFilled)
{
    TempDir dir;
    CopyBothOptionalFiles(dir.Path());
    CurrentDirScope inDir(dir.Path());
    ClearGlobalTables();
    app::TStartupData data;
    ExpectLoadFailsNaming(dir.Path(), "SOImaker_data.csv", data);
    EXPECT_TRUE(GlobalTablesFilled());
    EXPECT_TRUE(data.OutputsFileRead);
    EXPECT_EQ(data.OutputLists.Daily.size(), 2u);
    EXPECT_FALSE(data.ParameterSetsRead);
    EXPECT_TRUE(data.ParameterSets.Hydraulic.empty());
}

}  // namespace
