// Tests of the storyline file: saving through the page's rules, the coverage check, opening, and bad files.
#include "app/StorylineFile.h"

#include "app/ModelFileLayout.h"
#include "app/StorylineTables.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace app;
using testsupport::CurrentDirScope;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::TestDataDir;
using testsupport::WriteFileBytes;

::testing::AssertionResult Contains(const std::string& text, const std::string& part)
{
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "'" << text << "' does not contain '" << part << "'";
}

std::filesystem::path Fixture(const std::string& name)
{
    return TestDataDir() / "app" / "storyline" / name;
}

void Type(TStorylineEditor& e, TEventKind kind, int row, const std::vector<std::string>& cells)
{
    for (std::size_t col = 0; col < cells.size(); ++col)
        ASSERT_TRUE(StoreTableEdit(e, kind, static_cast<int>(col), row, cells[col]));
}

// A storyline built the way the page's handlers build it.
void BuildTwoPeriods(TStorylineEditor& e)
{
    NewStoryline(e);
    SetStorylineName(e, "plain_crops");
    SetCellIDs(e, "12; 13; ");
    SetPeriodEnd(e, 2050);
    Type(e, ekPlanting, 1, {"2001-04-20", "maize", "early", "7"});
    Type(e, ekPlanting, 3, {"2001-10-05", "wheat", "Mv N\xC3\xA1" "dor", "450"});
    Type(e, ekHarvest, 1, {"2001-09-30", "55", "80"});
    Type(e, ekHarvest, 2, {"2001-9-30", "50", "70"});  // nine characters: not saved
    Type(e, ekFertilization, 1, {"2001-03-01", "NH4NO3", "120", "0.1"});
    Type(e, ekIrrigation, 3, {"2001-07-10", "25"});
    Type(e, ekCultivation, 20, {"2001-11-01", "plough", "0.25"});
    Type(e, ekGrazing, 1, {"2001-05-01", "2001-09-30", "cattle", "1.5"});
    Type(e, ekGrazing, 2, {"2001-05-01", "", "goat", "2"});  // no end date: not saved
    ASSERT_TRUE(AddPeriod(e));
    SetPeriodStart(e, 2051);
    SetPeriodEnd(e, 2100);
    SetLandUse(e, "legel\xC5\x91");
    Type(e, ekGrazing, 1, {"2051-05-01", "2051-09-30", "sheep", "4"});
    Type(e, ekMowing, 1, {"2051-06-15", "1.2", "90"});
    Type(e, ekThinning, 1, {"2060-02-01", "30", "40", "50", "60"});
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST(StorylineFile, BuiltStorylineIsSavedOpenedAndSavedAgainToTheSameBytes)
{
    TempDir dir;
    CurrentDirScope scope(dir.Path());
    const std::string expected = ReadFileBytes(Fixture("two_periods.stl"));
    const auto saved = dir.Path() / "input" / "storyline" / "plain_crops.stl";

    TStorylineEditor built;
    BuildTwoPeriods(built);
    EXPECT_TRUE(SaveStoryline(built).Empty());
    ASSERT_EQ(ReadFileBytes(saved), expected);

    TStorylineEditor opened;
    NewStoryline(opened);
    SetStorylineName(opened, "other");
    ASSERT_TRUE(OpenStoryline(opened, saved.string()));
    const Tstoryline& s = opened.CurrentStoryline;
    EXPECT_EQ(s.name, "plain_crops");
    EXPECT_EQ(s.domains[1].cellIDs, "12; 13; ");
    EXPECT_EQ(s.domains[1].landuse[2], "legel\xC5\x91");
    // The event of slot 3 follows the first present one, in slot 2.
    EXPECT_EQ(s.domains[1].planting[1].crop[2], "wheat");
    EXPECT_EQ(s.domains[1].planting[1].date[3], "");
    EXPECT_EQ(s.domains[1].irrigation[1].date[1], "2001-07-10");
    EXPECT_EQ(opened.StorylineDomainCount, 1);
    EXPECT_EQ(opened.CurrentDomainIndex, 1);
    EXPECT_EQ(opened.StorylinePeriodCount, 2);
    EXPECT_EQ(opened.CurrentPeriodIndex, 1);

    std::filesystem::remove(saved);
    EXPECT_TRUE(SaveStoryline(opened).Empty());
    EXPECT_EQ(ReadFileBytes(saved), expected);
}

TEST(StorylineFile, FileWithTwoDomainsIsOpenedAndSavedToTheSameBytes)
{
    TempDir dir;
    CurrentDirScope scope(dir.Path());
    const std::string expected = ReadFileBytes(Fixture("two_domains.stl"));
    WriteFileBytes(dir.Path() / "in.stl", expected);

    TStorylineEditor editor;
    ASSERT_TRUE(OpenStoryline(editor, dir.File("in.stl")));
    EXPECT_EQ(editor.StorylineDomainCount, 2);
    EXPECT_EQ(editor.StorylinePeriodCount, 1);
    EXPECT_EQ(editor.CurrentStoryline.domains[2].irrigation[1].date[2], "2001-07-15");
    EXPECT_EQ(editor.CurrentStoryline.domains[1].thinning[1].takennw[2], "55");
    ASSERT_TRUE(SelectDomain(editor, 2));
    EXPECT_EQ(editor.StorylinePeriodCount, 3);

    EXPECT_TRUE(SaveStoryline(editor).Empty());
    EXPECT_EQ(ReadFileBytes(dir.Path() / "input" / "storyline" / "regions.stl"), expected);
}

TEST(StorylineFile, CoverageCheckComparesTheOuterYearsAndSavesNothingOnAFault)
{
    struct Case {
        const char* Name;
        int FirstStart;   // start of period 1
        int FirstEnd;     // end of period 1
        int SecondStart;  // start of period 2 (ends 2100)
        int TotalEnd;     // total end year after the edits
        const char* Message;
    };
    const Case cases[] = {
        {"good", 2001, 2050, 2051, 2100, ""},
        {"gap before the first period", 2003, 2050, 2051, 2100, CoverageGapMessage},
        {"last period ends before the total end", 2001, 2050, 2051, 2110, CoverageGapMessage},
        {"last period runs past the total end", 2001, 2050, 2051, 2090, CoverageGapMessage},
        // Only the outer years count: the periods in between are not compared.
        {"gap between periods", 2001, 2050, 2053, 2100, ""},
        {"overlapping periods", 2001, 2050, 2041, 2100, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TempDir dir;
        CurrentDirScope scope(dir.Path());
        const auto file = dir.Path() / "input" / "storyline" / "storyline.stl";
        WriteFileBytes(file, "earlier file");

        TStorylineEditor e;
        NewStoryline(e);
        SetPeriodStart(e, c.FirstStart);
        SetPeriodEnd(e, c.FirstEnd);
        AddPeriod(e);
        SetPeriodStart(e, c.SecondStart);
        SetPeriodEnd(e, 2100);
        e.CurrentStoryline.endyear = c.TotalEnd;

        const TStorylineMessage m = SaveStoryline(e);
        EXPECT_EQ(m.Text, c.Message);
        if (m.Empty()) {
            const std::string period2 = "PERIOD NR 02: " + std::to_string(c.SecondStart) + "-2100 cropland\r\n";
            EXPECT_TRUE(Contains(ReadFileBytes(file), period2));
        } else {
            EXPECT_TRUE(m.ShowConfirm);
            EXPECT_FALSE(m.ShowCancel);
            EXPECT_EQ(ReadFileBytes(file), "earlier file");
        }
    }
}

TEST(StorylineFile, CoverageCheckLooksAtTheFirstPeriodStartAndEveryDomain)
{
    TStorylineEditor e;
    NewStoryline(e);
    EXPECT_TRUE(CheckCoverage(e.CurrentStoryline).Empty());
    SetPeriodStart(e, 2005);
    EXPECT_EQ(CheckCoverage(e.CurrentStoryline).Text, CoverageGapMessage);
    SetPeriodStart(e, 2001);
    // A second domain that does not reach the end fails the whole storyline.
    e.CurrentStoryline.domains.resize(3);
    e.CurrentStoryline.nrofdomains = 2;
    Tdomain& second = e.CurrentStoryline.domains[2];
    second.nrofperiods = 1;
    second.periodstart[1] = 2001;
    second.periodend[1] = 2099;
    EXPECT_EQ(CheckCoverage(e.CurrentStoryline).Text, CoverageGapMessage);
    // Without domains there is nothing to cover; only the header is written.
    Tstoryline empty;
    empty.name = "x";
    empty.startyear = 2001;
    empty.endyear = 2100;
    EXPECT_TRUE(CheckCoverage(empty).Empty());
    TModelFileLayout layout;
    LayOutStorylineFile(empty, layout);
    EXPECT_EQ(layout.Text(), Lines({"STORYLINE: x", "TIME SPAN: 2001-2100", "NR OF DOMAINS: 0"}));
}

TEST(StorylineFile, PeriodNumbersHaveTwoDigits)
{
    TStorylineEditor e;
    NewStoryline(e);
    for (int i = 2; i <= 10; ++i) AddPeriod(e);
    TModelFileLayout layout;
    LayOutStorylineFile(e.CurrentStoryline, layout);
    ASSERT_EQ(layout.LineCount(), 5u + 10u * 9u);
    EXPECT_EQ(layout.Line(5), "PERIOD NR 01: 2001-2100 cropland");
    EXPECT_EQ(layout.Line(5 + 2 * 9), "PERIOD NR 03: 2001-2100 cropland");
    EXPECT_EQ(layout.Line(5 + 9 * 9), "PERIOD NR 10: 2001-2100 cropland");
}

TEST(StorylineFile, SaveDoesNothingWithoutStorylineAndRefusesNamesThatAreNoFileName)
{
    TempDir dir;
    CurrentDirScope scope(dir.Path());
    TStorylineEditor none;
    SetStorylineName(none, "early");
    EXPECT_TRUE(SaveStoryline(none).Empty());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "input"));

    TStorylineEditor e;
    NewStoryline(e);
    for (const char* name : {"", "..", "..\\up", "sub/x", "a:b", "what?"}) {
        SetStorylineName(e, name);
        try {
            SaveStoryline(e);
            ADD_FAILURE() << "saved under " << name;
        } catch (const rtl::Exception& error) {
            EXPECT_TRUE(Contains(error.Message(), std::string("'") + name + "'"));
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "input" / "storyline"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "up.stl"));
}

TEST(StorylineFile, ReaderCutsNameAndLandUseButKeepsLongEventLinesWhole)
{
    TempDir dir;
    std::string name;
    for (int i = 0; i < 110; ++i) name += "\xF5";  // "ő" in the file's code page
    std::string longType(95, 't');
    std::string events;
    for (int slot = 1; slot <= 20; ++slot)
        events += (slot > 1 ? ";" : "") + std::string("2001-03-") + (slot < 10 ? "0" : "") +
                  std::to_string(slot) + ";" + longType + ";100;0.1";
    ASSERT_GT(events.size(), 2000u);
    WriteFileBytes(dir.Path() / "long.stl",
                   Lines({"STORYLINE: " + name, "TIME SPAN: 2001-2100", "NR OF DOMAINS: 1", "CELLS IN DOMAIN: ALL",
                          "NR OF PERIODS: 1", "PERIOD NR 01: 2001-2100 cropland and some more words",
                          "PLANTING:      ", "HARVEST:       ", "FERTILIZATION: " + events}));

    const Tstoryline s = ReadStorylineFile(dir.File("long.stl"));
    std::string expectedName;
    for (int i = 0; i < 100; ++i) expectedName += "\xC5\x91";
    EXPECT_EQ(s.name, expectedName);
    EXPECT_EQ(s.domains[1].landuse[1], "cropland and some mo");
    // Every event of the long line arrives, the last one whole.
    EXPECT_EQ(s.domains[1].fertilization[1].date[20], "2001-03-20");
    EXPECT_EQ(s.domains[1].fertilization[1].ftype[20], longType);
    EXPECT_EQ(s.domains[1].fertilization[1].depth[20], "0.1");
    // Lines missing at the end read as empty event lines.
    EXPECT_EQ(s.domains[1].thinning[1].date[1], "");
}

TEST(StorylineFile, OpenWithoutFileOrWithoutDomainsLeavesNothingToEdit)
{
    TempDir dir;
    TStorylineEditor e;
    NewStoryline(e);
    EXPECT_FALSE(OpenStoryline(e, dir.File("missing.stl")));
    EXPECT_EQ(e.CurrentStoryline.name, "storyline");
    EXPECT_EQ(e.CurrentPeriodIndex, 1);

    WriteFileBytes(dir.Path() / "none.stl", Lines({"STORYLINE: none", "TIME SPAN: 2001-2100", "NR OF DOMAINS: 0"}));
    ASSERT_TRUE(OpenStoryline(e, dir.File("none.stl")));
    EXPECT_EQ(e.CurrentStoryline.name, "none");
    EXPECT_FALSE(e.HasStoryline());
    EXPECT_EQ(e.CurrentDomainIndex, 0);
    EXPECT_EQ(e.CurrentPeriodIndex, 0);
    EXPECT_FALSE(AddPeriod(e));
}

TEST(StorylineFile, BadFileRaisesAnErrorNamingFileLineAndValueAndKeepsTheStoryline)
{
    const std::vector<std::string> valid{
        "STORYLINE: bad",   "TIME SPAN: 2001-2100", "NR OF DOMAINS: 1", "CELLS IN DOMAIN: ALL",
        "NR OF PERIODS: 1", "PERIOD NR 01: 2001-2100 cropland",
        "PLANTING:      ",  "HARVEST:       ",      "FERTILIZATION: ",  "IRRIGATION:    ",
        "CULTIVATION:   ",  "GRAZING:       ",      "MOWING:        ",  "THINNING:      "};
    std::string sixPlantings;
    for (int i = 0; i < 6; ++i) sixPlantings += std::string(i ? ";" : "") + "2001-04-20;maize;early;7";
    struct Case {
        int Line;  // 1-based line replaced
        std::string Text;
        int ErrorLine;
        std::string Value;
    };
    const Case cases[] = {
        {2, "TIME SPAN: 20x1-2100", 2, "'20x1'"},
        {2, "TIME SPAN: 2001", 2, "''"},
        {3, "NR OF DOMAINS: many", 3, "'many'"},
        {3, "NR OF DOMAINS: 5000", 3, "5000"},
        {3, "NR OF DOMAINS: -1", 3, "-1"},
        {3, "NR OF DOMAINS: 2", 16, "''"},  // the second domain is missing
        {5, "NR OF PERIODS: 11", 5, "11"},
        {5, "NR OF PERIODS: 0", 5, "0"},
        {6, "PERIOD NR 01: 2001-21x0 cropland", 6, "'21x0'"},
        {7, "PLANTING:      " + sixPlantings, 7, "24 fields"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        std::vector<std::string> lines = valid;
        lines[static_cast<std::size_t>(c.Line - 1)] = c.Text;
        WriteFileBytes(dir.Path() / "bad.stl", Lines(lines));

        TStorylineEditor e;
        NewStoryline(e);
        SetStorylineName(e, "kept");
        StoreTableEdit(e, ekPlanting, 0, 1, "2001-04-20");
        AddPeriod(e);
        try {
            OpenStoryline(e, dir.File("bad.stl"));
            ADD_FAILURE() << "no error";
        } catch (const rtl::EConvertError& error) {
            EXPECT_TRUE(Contains(error.Message(), "bad.stl"));
            EXPECT_TRUE(Contains(error.Message(), "line " + std::to_string(c.ErrorLine) + ":"));
            EXPECT_TRUE(Contains(error.Message(), c.Value));
        }
        EXPECT_EQ(e.CurrentStoryline.name, "kept");
        EXPECT_EQ(e.CurrentStoryline.domains[1].planting[1].date[1], "2001-04-20");
        EXPECT_EQ(e.StorylinePeriodCount, 2);
        EXPECT_EQ(e.CurrentPeriodIndex, 2);
    }
}

}  // namespace
