// Tests of the storyline in memory: event slots, New, Add Period, the selectors and the field rules.
#include "app/StorylineModel.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace app;

// Fills every field of every slot of a period, as an earlier storyline could have.
void FillPeriod(Tdomain& domain, int period)
{
    for (TEventKind kind : AllEventKinds)
        for (int slot = 1; slot <= EventSlotCount(kind); ++slot)
            for (int f = 0; f < EventFieldCount(kind); ++f)
                EventText(domain, kind, period, f, slot) = "2099-01-01";
}

bool PeriodIsEmpty(const Tdomain& domain, int period)
{
    for (TEventKind kind : AllEventKinds)
        for (int slot = 1; slot <= EventSlotCount(kind); ++slot)
            for (int f = 0; f < EventFieldCount(kind); ++f)
                if (!EventText(domain, kind, period, f, slot).empty()) return false;
    return true;
}

TEST(StorylineModel, EventRecordsHaveTheirSlotsAndFieldsAndNothingBeyond)
{
    struct Case {
        TEventKind Kind;
        int Slots;
        int Fields;
    };
    const Case cases[] = {{ekPlanting, 5, 4},    {ekHarvest, 5, 3},  {ekFertilization, 20, 4},
                          {ekIrrigation, 20, 2}, {ekCultivation, 20, 3}, {ekGrazing, 20, 4},
                          {ekMowing, 20, 3},     {ekThinning, 20, 5}};
    auto domain = std::make_unique<Tdomain>();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Kind));
        EXPECT_EQ(EventSlotCount(c.Kind), c.Slots);
        EXPECT_EQ(EventFieldCount(c.Kind), c.Fields);
        EventText(*domain, c.Kind, 10, c.Fields - 1, c.Slots) = "last";
        EXPECT_EQ(EventText(*domain, c.Kind, 10, c.Fields - 1, c.Slots), "last");
        EXPECT_THROW(EventText(*domain, c.Kind, 1, 0, c.Slots + 1), rtl::ERangeError);
        EXPECT_THROW(EventText(*domain, c.Kind, 1, 0, 0), rtl::ERangeError);
        EXPECT_THROW(EventText(*domain, c.Kind, 1, c.Fields, 1), rtl::ERangeError);
        EXPECT_THROW(EventText(*domain, c.Kind, 11, 0, 1), rtl::ERangeError);
        EXPECT_THROW(EventText(*domain, c.Kind, 0, 0, 1), rtl::ERangeError);
    }
    // The named fields and the numbered ones are the same texts.
    EventText(*domain, ekGrazing, 2, 1, 7) = "2001-09-30";
    EXPECT_EQ(domain->grazing[2].dateend[7], "2001-09-30");
    EventText(*domain, ekThinning, 3, 4, 20) = "60";
    EXPECT_EQ(domain->thinning[3].takennw[20], "60");
}

TEST(StorylineModel, AnEventIsPresentOnlyWithATenCharacterDate)
{
    auto domain = std::make_unique<Tdomain>();
    struct Case {
        const char* Date;
        bool Present;
    };
    // Characters are counted, not bytes: "ő" is one character.
    const Case cases[] = {{"2001-04-20", true}, {"2001-4-20", false}, {"2001-04-200", false},
                          {"", false}, {"2001-04-2ő", true}};
    for (const Case& c : cases) {
        domain->planting[1].date[2] = c.Date;
        EXPECT_EQ(IsEventPresent(*domain, ekPlanting, 1, 2), c.Present) << c.Date;
    }
    domain->grazing[1].datesta[1] = "2001-05-01";
    EXPECT_FALSE(IsEventPresent(*domain, ekGrazing, 1, 1));
    domain->grazing[1].dateend[1] = "2001-09-30";
    EXPECT_TRUE(IsEventPresent(*domain, ekGrazing, 1, 1));
}

TEST(StorylineModel, NewStorylineStartsFromOneEmptyDomainWithOneEmptyPeriod)
{
    TStorylineEditor editor;
    // An earlier storyline with two domains and events in several periods.
    NewStoryline(editor);
    editor.CurrentStoryline.domains.resize(3);
    editor.CurrentStoryline.nrofdomains = 2;
    FillPeriod(editor.CurrentStoryline.domains[1], 1);
    FillPeriod(editor.CurrentStoryline.domains[1], 4);
    editor.CurrentStoryline.domains[1].nrofperiods = 4;
    editor.CurrentStoryline.domains[1].landuse[4] = "forest";
    editor.CurrentPeriodIndex = 4;
    editor.StorylinePeriodCount = 4;

    NewStoryline(editor);

    const Tstoryline& s = editor.CurrentStoryline;
    EXPECT_EQ(s.name, "storyline");
    EXPECT_EQ(s.startyear, 2001);
    EXPECT_EQ(s.endyear, 2100);
    EXPECT_EQ(s.nrofdomains, 1);
    ASSERT_EQ(s.domains.size(), 2u);
    const Tdomain& d = s.domains[1];
    EXPECT_EQ(d.cellIDs, "ALL");
    EXPECT_EQ(d.nrofperiods, 1);
    EXPECT_EQ(d.periodstart[1], 2001);
    EXPECT_EQ(d.periodend[1], 2100);
    EXPECT_EQ(d.landuse[1], "cropland");
    EXPECT_EQ(d.landuse[4], "");
    for (int period = 1; period <= MaxPeriods; ++period) EXPECT_TRUE(PeriodIsEmpty(d, period)) << period;
    EXPECT_EQ(editor.StorylineDomainCount, 1);
    EXPECT_EQ(editor.CurrentDomainIndex, 1);
    EXPECT_EQ(editor.StorylinePeriodCount, 1);
    EXPECT_EQ(editor.CurrentPeriodIndex, 1);
}

TEST(StorylineModel, AddPeriodStartsAnEmptyPeriodSpanningTheTotalTimeSpan)
{
    TStorylineEditor editor;
    NewStoryline(editor);
    Tdomain& d = editor.CurrentDomain();
    FillPeriod(d, 2);  // left over from an earlier storyline
    editor.CurrentStoryline.endyear = 2080;

    ASSERT_TRUE(AddPeriod(editor));

    EXPECT_TRUE(PeriodIsEmpty(d, 2));
    EXPECT_EQ(d.periodstart[2], 2001);
    EXPECT_EQ(d.periodend[2], 2080);
    EXPECT_EQ(d.landuse[2], "cropland");
    EXPECT_EQ(d.nrofperiods, 2);
    EXPECT_EQ(editor.StorylinePeriodCount, 2);
    EXPECT_EQ(editor.CurrentPeriodIndex, 2);
}

TEST(StorylineModel, AddPeriodStopsAtTenPeriods)
{
    TStorylineEditor editor;
    NewStoryline(editor);
    for (int i = 2; i <= 10; ++i) EXPECT_TRUE(AddPeriod(editor)) << i;
    EXPECT_EQ(editor.StorylinePeriodCount, 10);

    EXPECT_FALSE(AddPeriod(editor));
    EXPECT_EQ(editor.StorylinePeriodCount, 10);
    EXPECT_EQ(editor.CurrentPeriodIndex, 10);
    EXPECT_EQ(editor.CurrentDomain().nrofperiods, 10);
}

TEST(StorylineModel, RulesChangeNothingBeforeTheFirstStoryline)
{
    TStorylineEditor editor;
    EXPECT_FALSE(editor.HasStoryline());
    EXPECT_FALSE(AddPeriod(editor));
    EXPECT_FALSE(SelectDomain(editor, 1));
    EXPECT_FALSE(SelectPeriod(editor, 1));
    SetPeriodStart(editor, 2001);
    SetPeriodEnd(editor, 2100);
    SetLandUse(editor, "forest");
    SetCellIDs(editor, "ALL");
    EXPECT_TRUE(editor.CurrentStoryline.domains.empty());
    EXPECT_EQ(editor.CurrentStoryline.endyear, 0);
    EXPECT_EQ(editor.CurrentPeriodIndex, 0);
    // The name rule has no index to respect.
    SetStorylineName(editor, "first");
    EXPECT_EQ(editor.CurrentStoryline.name, "first");
}

TEST(StorylineModel, DomainAndPeriodNumbersOutsideTheirRangeAreIgnored)
{
    TStorylineEditor editor;
    NewStoryline(editor);
    AddPeriod(editor);
    AddPeriod(editor);  // periods 1..3, period 3 current
    for (int number : {0, -1, 4, 11}) {
        EXPECT_FALSE(SelectPeriod(editor, number)) << number;
        EXPECT_EQ(editor.CurrentPeriodIndex, 3);
    }
    for (int number : {0, 2, -5}) {
        EXPECT_FALSE(SelectDomain(editor, number)) << number;
        EXPECT_EQ(editor.CurrentDomainIndex, 1);
    }
    EXPECT_TRUE(SelectPeriod(editor, 2));
    EXPECT_EQ(editor.CurrentPeriodIndex, 2);
    EXPECT_TRUE(SelectDomain(editor, 1));
}

TEST(StorylineModel, ChoosingADomainTakesItsPeriodCount)
{
    TStorylineEditor editor;
    NewStoryline(editor);
    AddPeriod(editor);
    AddPeriod(editor);  // domain 1: three periods, period 3 current
    Tstoryline& s = editor.CurrentStoryline;
    s.domains.resize(3);
    s.nrofdomains = 2;
    s.domains[2].nrofperiods = 2;

    ASSERT_TRUE(SelectDomain(editor, 2));
    EXPECT_EQ(editor.StorylinePeriodCount, 2);
    EXPECT_EQ(editor.CurrentPeriodIndex, 2);
    // Add Period now counts the periods of domain 2.
    ASSERT_TRUE(AddPeriod(editor));
    EXPECT_EQ(s.domains[2].nrofperiods, 3);
    EXPECT_EQ(s.domains[1].nrofperiods, 3);
}

TEST(StorylineModel, TotalEndYearFollowsTheEndOfTheLastPeriod)
{
    TStorylineEditor editor;
    NewStoryline(editor);
    AddPeriod(editor);
    AddPeriod(editor);  // three periods, the third current

    SetPeriodEnd(editor, 2080);
    EXPECT_EQ(editor.CurrentDomain().periodend[3], 2080);
    EXPECT_EQ(editor.CurrentStoryline.endyear, 2080);

    SelectPeriod(editor, 1);
    SetPeriodStart(editor, 2005);
    SetPeriodEnd(editor, 2030);
    EXPECT_EQ(editor.CurrentDomain().periodstart[1], 2005);
    EXPECT_EQ(editor.CurrentDomain().periodend[1], 2030);
    EXPECT_EQ(editor.CurrentStoryline.endyear, 2080);
    EXPECT_EQ(editor.CurrentStoryline.startyear, 2001);
}

TEST(StorylineModel, LandUseAndCellsAreStoredAsTyped)
{
    TStorylineEditor editor;
    NewStoryline(editor);
    SetLandUse(editor, "Grassland");
    EXPECT_EQ(editor.CurrentDomain().landuse[1], "Grassland");
    // The cell list is the first line of the cell-ID field.
    SetCellIDs(editor, "12; 13; \r\n14; ");
    EXPECT_EQ(editor.CurrentDomain().cellIDs, "12; 13; ");
    SetCellIDs(editor, "ALL");
    EXPECT_EQ(editor.CurrentDomain().cellIDs, "ALL");
}

}  // namespace
