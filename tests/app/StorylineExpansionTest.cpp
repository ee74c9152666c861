// Tests of the storyline expansion: management cycles repeated year by year into the period's slots.
#include "app/StorylineExpansion.h"

#include "app/StorylineFile.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using namespace app;
using Rows = std::vector<std::vector<std::string>>;

// A table as the page holds it: the given rows from row `firstRow` on (a map
// of row number to cells), every other event row empty.
TEventTableTexts Table(TEventKind kind, const std::map<int, std::vector<std::string>>& rows)
{
    return ReadEventTable(kind, [&](int col, int row) {
        const auto found = rows.find(row);
        if (found == rows.end() || static_cast<std::size_t>(col) >= found->second.size()) return std::string();
        return found->second[static_cast<std::size_t>(col)];
    });
}

std::vector<std::string> Dates(const TTableExpansion& e)
{
    std::vector<std::string> dates;
    for (const auto& event : e.Events) dates.push_back(event[0]);
    return dates;
}

TExpansionInput Input(const char* periodStart, const char* periodEnd, const char* totalStart, const char* totalEnd)
{
    TExpansionInput input;
    input.PeriodStart = periodStart;
    input.PeriodEnd = periodEnd;
    input.TotalStart = totalStart;
    input.TotalEnd = totalEnd;
    input.LandUse = "cropland";
    return input;
}

TEST(StorylineExpansion, PeriodWithPlantingHarvestAndFertilizationIsSavedAsExpected)
{
    testsupport::TempDir dir;
    testsupport::CurrentDirScope scope(dir.Path());
    TStorylineEditor e;
    NewStoryline(e);
    SetStorylineName(e, "expansion");
    SetPeriodEnd(e, 2004);
    const std::map<int, std::vector<std::string>> planting{{1, {"2001-04-20", "maize", "early", "7"}},
                                                           {2, {"2001-10-05", "wheat", "GK", "500"}}};
    const std::map<int, std::vector<std::string>> harvest{{1, {"2001-09-15", "50", "80"}},
                                                          {2, {"2002-07-10", "45", "85"}}};
    const std::map<int, std::vector<std::string>> fertilization{{1, {"2001-03-01", "N", "100", "0.1"}},
                                                                {2, {"2001-06-01", "P", "50", "0.2"}}};
    // The edit rule stores the template as it is typed, as the grids would.
    for (const auto& [kind, rows] : {std::pair{ekPlanting, planting}, std::pair{ekHarvest, harvest},
                                     std::pair{ekFertilization, fertilization}})
        for (const auto& [row, cells] : rows)
            for (std::size_t col = 0; col < cells.size(); ++col)
                StoreTableEdit(e, kind, static_cast<int>(col), row, cells[col]);

    TExpansionInput input = Input("2001", "2004", "2001", "2004");
    input.Tables[ekPlanting] = Table(ekPlanting, planting);
    input.Tables[ekHarvest] = Table(ekHarvest, harvest);
    input.Tables[ekFertilization] = Table(ekFertilization, fertilization);
    for (TEventKind kind : {ekIrrigation, ekCultivation, ekGrazing, ekMowing, ekThinning})
        input.Tables[kind] = Table(kind, {});

    EXPECT_TRUE(ExpandStoryline(e, input).Empty());
    EXPECT_TRUE(SaveStoryline(e).Empty());
    EXPECT_EQ(testsupport::ReadFileBytes(dir.Path() / "input" / "storyline" / "expansion.stl"),
              testsupport::ReadFileBytes(testsupport::TestDataDir() / "app" / "storyline" / "expanded_period.stl"));
}

TEST(StorylineExpansion, CyclesRepeatUntilThePeriodEnds)
{
    struct Case {
        const char* Name;
        TEventKind Kind;
        std::map<int, std::vector<std::string>> Rows;
        int End;
        std::vector<std::string> Dates;
    };
    const Case cases[] = {
        {"spring planting every year", ekPlanting, {{1, {"2001-04-20"}}}, 2005,
         {"2001-04-20", "2002-04-20", "2003-04-20", "2004-04-20", "2005-04-20"}},
        {"autumn planting every year", ekPlanting, {{1, {"2001-10-05"}}}, 2003,
         {"2001-10-05", "2002-10-05", "2003-10-05"}},
        {"spring planting over two years", ekPlanting, {{1, {"2001-04-20"}}}, 2002, {"2001-04-20", "2002-04-20"}},
        {"autumn then spring planting", ekPlanting, {{1, {"2001-10-05"}}, {2, {"2002-04-20"}}}, 2002,
         {"2001-10-05", "2002-04-20", "2002-10-05"}},
        {"first repetition after the end", ekFertilization, {{1, {"2001-03-01"}}, {2, {"2001-06-01"}}}, 2001,
         {"2001-03-01", "2001-06-01"}},
        {"fertilization twice a year", ekFertilization, {{1, {"2001-03-01"}}, {2, {"2001-06-01"}}}, 2004,
         {"2001-03-01", "2001-06-01", "2002-03-01", "2002-06-01", "2003-03-01", "2003-06-01", "2004-03-01",
          "2004-06-01"}},
        {"harvests one year apart", ekHarvest, {{1, {"2001-09-15"}}, {2, {"2003-07-10"}}}, 2005,
         {"2001-09-15", "2003-07-10", "2004-09-15", "2005-07-10"}},
        {"irrigation with gaps of two years", ekIrrigation, {{1, {"2001-07-01"}}, {2, {"2003-07-01"}}}, 2008,
         {"2001-07-01", "2003-07-01", "2004-07-01", "2006-07-01", "2007-07-01"}},
        {"rows after an empty row", ekIrrigation, {{1, {"2001-07-01"}}, {3, {"2001-08-01"}}}, 2002,
         {"2001-07-01", "2001-08-01", "2002-07-01", "2002-08-01"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TTableExpansion e = ExpandEventTable(c.Kind, Table(c.Kind, c.Rows), c.End);
        EXPECT_EQ(e.Outcome, TTableExpansion::eoExpanded);
        EXPECT_FALSE(e.Truncated);
        EXPECT_EQ(Dates(e), c.Dates);
    }
}

TEST(StorylineExpansion, OtherFieldsComeFromTheirTemplateRowsInTurn)
{
    const TTableExpansion e = ExpandEventTable(
        ekThinning, Table(ekThinning, {{1, {"2001-02-01", "1", "2", "3", "4"}}, {2, {"2001-11-01", "5", "6", "7", "8"}}}),
        2002);
    const Rows expected{{"2001-02-01", "1", "2", "3", "4"}, {"2001-11-01", "5", "6", "7", "8"},
                        {"2002-02-01", "1", "2", "3", "4"}, {"2002-11-01", "5", "6", "7", "8"}};
    EXPECT_EQ(e.Events, expected);
}

TEST(StorylineExpansion, RepeatedGrazingEndsAsManyYearsLaterAsItStarts)
{
    const TTableExpansion e = ExpandEventTable(
        ekGrazing,
        Table(ekGrazing, {{1, {"2001-05-01", "2001-09-30", "cattle", "1.5"}}, {2, {"2001-10-15", "autumn", "sheep", "3"}}}),
        2002);
    const Rows expected{{"2001-05-01", "2001-09-30", "cattle", "1.5"}, {"2001-10-15", "autumn", "sheep", "3"},
                        {"2002-05-01", "2002-09-30", "cattle", "1.5"}, {"2002-10-15", "autumn", "sheep", "3"}};
    EXPECT_EQ(e.Events, expected);
}

TEST(StorylineExpansion, EventsBeyondTheSlotsAreNotWrittenAndReported)
{
    TStorylineEditor e;
    NewStoryline(e);
    SetPeriodEnd(e, 2006);
    TExpansionInput input = Input("2001", "2006", "2001", "2006");
    input.Tables[ekPlanting] =
        Table(ekPlanting, {{1, {"2001-04-20", "maize", "early", "7"}}, {2, {"2001-10-05", "wheat", "GK", "500"}}});

    const TStorylineMessage m = ExpandStoryline(e, input);

    EXPECT_EQ(m.Text, "Planting: a period holds 5 events; the events from 2005-10-05 on were not written!");
    EXPECT_TRUE(m.ShowConfirm);
    EXPECT_FALSE(m.ShowCancel);
    const Tplanting& p = e.CurrentDomain().planting[1];
    EXPECT_EQ(p.date[4], "2003-10-05");
    EXPECT_EQ(p.date[5], "2005-04-20");
    EXPECT_EQ(p.crop[5], "maize");

    // A yearly event over a century stops at the twentieth slot.
    const TTableExpansion yearly = ExpandEventTable(ekMowing, Table(ekMowing, {{1, {"2001-06-01", "1", "80"}}}), 2100);
    EXPECT_EQ(yearly.Events.size(), 20u);
    EXPECT_TRUE(yearly.Truncated);
    EXPECT_EQ(yearly.FirstDroppedDate, "2021-06-01");
}

TEST(StorylineExpansion, CycleThatDoesNotAdvanceTheYearIsRefusedWithAMessage)
{
    const TTableExpansion planting =
        ExpandEventTable(ekPlanting, Table(ekPlanting, {{1, {"2001-10-05"}}, {2, {"2001-04-20"}}}), 2100);
    EXPECT_EQ(planting.Outcome, TTableExpansion::eoNoAdvance);
    EXPECT_TRUE(planting.Events.empty());
    const TTableExpansion backwards =
        ExpandEventTable(ekFertilization, Table(ekFertilization, {{1, {"2003-03-01"}}, {2, {"2001-06-01"}}}), 2100);
    EXPECT_EQ(backwards.Outcome, TTableExpansion::eoNoAdvance);

    TStorylineEditor e;
    NewStoryline(e);
    StoreTableEdit(e, ekPlanting, 0, 1, "2001-10-05");
    StoreTableEdit(e, ekPlanting, 0, 2, "2001-04-20");
    TExpansionInput input = Input("2001", "2100", "2001", "2100");
    input.Tables[ekPlanting] = Table(ekPlanting, {{1, {"2001-10-05"}}, {2, {"2001-04-20"}}});
    input.Tables[ekIrrigation] = Table(ekIrrigation, {{1, {"2001-07-01", "30"}}});
    const TStorylineMessage m = ExpandStoryline(e, input);
    EXPECT_EQ(m.Text,
              "Planting dates do not advance the year: the table was not expanded!\n"
              "Irrigation: a period holds 20 events; the events from 2021-07-01 on were not written!");
    EXPECT_EQ(e.CurrentDomain().planting[1].date[3], "");
    EXPECT_EQ(e.CurrentDomain().planting[1].date[2], "2001-04-20");
    EXPECT_EQ(e.CurrentDomain().irrigation[1].date[20], "2020-07-01");
}

TEST(StorylineExpansion, EmptyTableKeepsItsSlotsAndShorterExpansionEmptiesTheRest)
{
    TStorylineEditor e;
    NewStoryline(e);
    SetPeriodEnd(e, 2010);
    StoreTableEdit(e, ekMowing, 0, 1, "2001-06-01");  // not in the table any more
    TExpansionInput input = Input("2001", "2010", "2001", "2010");
    input.Tables[ekIrrigation] = Table(ekIrrigation, {{1, {"2001-07-01", "30"}}});
    ASSERT_TRUE(ExpandStoryline(e, input).Empty());
    EXPECT_EQ(e.CurrentDomain().irrigation[1].date[10], "2010-07-01");

    input.PeriodEnd = "2003";
    ASSERT_TRUE(ExpandStoryline(e, input).Empty());
    const Tdomain& d = e.CurrentDomain();
    EXPECT_EQ(d.irrigation[1].date[3], "2003-07-01");
    EXPECT_EQ(d.irrigation[1].date[4], "");
    EXPECT_EQ(d.irrigation[1].amount[10], "");
    EXPECT_EQ(d.mowing[1].date[1], "2001-06-01");
    EXPECT_EQ(d.periodend[1], 2003);
}

TEST(StorylineExpansion, StoresThePeriodYearsAndLandUse)
{
    TStorylineEditor e;
    NewStoryline(e);
    TExpansionInput input = Input("2010", "2040", "2001", "2100");
    input.LandUse = "grassland";
    EXPECT_TRUE(ExpandStoryline(e, input).Empty());
    EXPECT_EQ(e.CurrentDomain().periodstart[1], 2010);
    EXPECT_EQ(e.CurrentDomain().periodend[1], 2040);
    EXPECT_EQ(e.CurrentDomain().landuse[1], "grassland");
}

TEST(StorylineExpansion, PeriodOutsideTheTotalSpanOrNoStorylineChangesNothing)
{
    TStorylineEditor e;
    NewStoryline(e);
    for (TExpansionInput input : {Input("2000", "2050", "2001", "2100"), Input("2001", "2101", "2001", "2100")}) {
        input.Tables[ekIrrigation] = Table(ekIrrigation, {{1, {"2001-07-01", "30"}}});
        EXPECT_EQ(ExpandStoryline(e, input).Text, "Period time span is outside the total time span!");
        EXPECT_EQ(e.CurrentDomain().periodstart[1], 2001);
        EXPECT_EQ(e.CurrentDomain().periodend[1], 2100);
        EXPECT_EQ(e.CurrentDomain().irrigation[1].date[1], "");
    }

    TStorylineEditor none;
    TExpansionInput input = Input("2001", "2002", "2001", "2002");
    input.Tables[ekIrrigation] = Table(ekIrrigation, {{1, {"2001-07-01", "30"}}});
    EXPECT_TRUE(ExpandStoryline(none, input).Empty());
    EXPECT_TRUE(none.CurrentStoryline.domains.empty());
}

TEST(StorylineExpansion, DateThatIsNoNumberRaisesAnErrorAndChangesNothing)
{
    TStorylineEditor e;
    NewStoryline(e);
    TExpansionInput input = Input("2001", "2005", "2001", "2100");
    input.Tables[ekPlanting] = Table(ekPlanting, {{1, {"2001-04-20", "maize"}}});
    input.Tables[ekCultivation] = Table(ekCultivation, {{1, {"2001-11-01"}}, {2, {"20O2-11-01"}}});
    try {
        ExpandStoryline(e, input);
        ADD_FAILURE() << "no error";
    } catch (const rtl::EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cultivation row 2: '20O2' is not a valid integer value");
    }
    EXPECT_EQ(e.CurrentDomain().planting[1].date[1], "");
    EXPECT_EQ(e.CurrentDomain().periodend[1], 2100);

    input.Tables[ekCultivation] = {};
    input.PeriodEnd = "";
    EXPECT_THROW(ExpandStoryline(e, input), rtl::EConvertError);
    // A planting month that is no number.
    EXPECT_THROW(ExpandEventTable(ekPlanting, Table(ekPlanting, {{1, {"2001-x4-20"}}}), 2005), rtl::EConvertError);
}

}  // namespace
