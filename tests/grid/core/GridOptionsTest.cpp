// Tests of the grid's option groups: defaults, change notifications, design-time rules and copying.
#include "grid/core/GridOptions.h"

#include <gtest/gtest.h>

#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Grids.h"

using namespace grid;

namespace {
// Counts the notifications of an option object.
struct Counter {
    int count = 0;
    TNotifyEvent Handler()
    {
        return [this](rtl::TObject*) { ++count; };
    }
};
}  // namespace

TEST(SearchFooterTest, CaptionsAndHintsOnlyForANewlyPlacedGrid)
{
    TSearchFooter loaded(nullptr, false);
    EXPECT_EQ(loaded.FindNextCaption(), "");
    EXPECT_EQ(loaded.HintClose(), "");
    EXPECT_EQ(loaded.MatchCaseCaption(), "");
    EXPECT_EQ(loaded.ResultFormat(), "(%d of %d)");

    TSearchFooter placed(nullptr, true);
    EXPECT_EQ(placed.FindNextCaption(), "Find &next");
    EXPECT_EQ(placed.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(placed.MatchCaseCaption(), "Match case");
    EXPECT_EQ(placed.HighLightCaption(), "Highlight");
    EXPECT_EQ(placed.HintClose(), "Close");
    EXPECT_EQ(placed.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(placed.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(placed.HintHighlight(), "Highlight occurrences");

    EXPECT_EQ(placed.ColorTo(), gfx::clBtnFace);
    EXPECT_EQ(placed.Color(), 0xFFFFFF);
    EXPECT_EQ(placed.SearchErrorColor(), 0x0000FF);
    EXPECT_EQ(placed.SearchColumn(), -1);
    EXPECT_TRUE(placed.ShowFindNext() && placed.ShowClose() && placed.ShowMatchCase() && placed.AutoSearch());
    EXPECT_TRUE(placed.IgnoreHTML());
    EXPECT_FALSE(placed.Visible());
    ASSERT_NE(placed.Font(), nullptr);
}

TEST(SearchFooterTest, SomeSettersNotifyAlwaysOthersOnlyOnAChange)
{
    TSearchFooter footer(nullptr, false);
    Counter changes;
    footer.OnChange = changes.Handler();

    footer.SetShowFindNext(true);  // unchanged
    footer.SetVisible(false);      // unchanged
    footer.SetSearchType(stSearch);
    EXPECT_EQ(changes.count, 0);

    footer.SetColor(footer.Color());  // same value still notifies
    footer.SetHintClose(footer.HintClose());
    footer.SetShowClose(true);
    EXPECT_EQ(changes.count, 3);

    footer.SetVisible(true);
    footer.SetShowResults(true);
    footer.SetSearchType(stNarrowDown);
    EXPECT_EQ(changes.count, 6);

    gfx::TFont font;
    font.SetSize(14);
    footer.SetFont(&font);
    EXPECT_EQ(footer.Font()->Size(), 14);
    EXPECT_EQ(changes.count, 7);

    footer.SetLastSearch("abc");
    footer.SetAutoSearch(false);
    EXPECT_EQ(footer.LastSearch(), "");
    footer.SetSearchColumn(3);  // plain field
    EXPECT_EQ(changes.count, 7);
}

TEST(SearchFooterTest, CopyTakesThePublishedSettingsWithoutNotifying)
{
    TSearchFooter source(nullptr, true);
    source.SetColor(0x112233);
    source.SetVisible(true);
    source.SetAutoSearch(false);
    source.SetSearchFixedCells(true);
    source.SetSearchColumn(4);
    source.SetHighLight(hFullCell);
    source.SetLastSearch("x");
    source.SetResultPos(2);
    source.SetAutoThemeAdapt(true);
    gfx::TFont font;
    font.SetName("Courier New");
    source.SetFont(&font);

    TSearchFooter target(nullptr, false);
    Counter changes;
    target.OnChange = changes.Handler();
    target.Assign(&source);

    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(target.Color(), 0x112233);
    EXPECT_TRUE(target.Visible());
    EXPECT_EQ(target.FindNextCaption(), "Find &next");
    EXPECT_EQ(target.SearchColumn(), 4);
    EXPECT_EQ(target.HighLight(), hFullCell);
    EXPECT_EQ(target.Font()->Name(), "Courier New");
    EXPECT_TRUE(target.AutoSearch());           // not copied
    EXPECT_FALSE(target.SearchFixedCells());    // not copied
    EXPECT_EQ(target.LastSearch(), "");         // public, not copied
    EXPECT_EQ(target.ResultPos(), 0);
    EXPECT_FALSE(target.AutoThemeAdapt());

    TNavigation foreign;
    target.Assign(&foreign);  // another class: ignored
    EXPECT_EQ(target.Color(), 0x112233);
}

TEST(NavigationTest, NotifiesAdvanceChangesAndAutoAdvanceSwitchesEnterOn)
{
    TNavigation nav;
    EXPECT_TRUE(nav.AutoComboSelect() && nav.AllowClipboardColGrow() && nav.EditSelectAll() && nav.ComboGetUpDown());
    EXPECT_EQ(nav.HomeEndKey(), heFirstLastColumn);
    Counter changes;
    nav.OnChange = changes.Handler();

    nav.SetAdvanceDirection(adLeftRight);  // unchanged
    nav.SetAdvanceDirection(adTopBottom);
    nav.SetAdvanceInsert(true);
    nav.SetAdvanceInsert(true);
    nav.SetAutoGotoWhenSorted(true);
    EXPECT_EQ(changes.count, 2);

    nav.SetAdvanceAuto(true);
    EXPECT_TRUE(nav.AdvanceOnEnter());
    EXPECT_EQ(changes.count, 2);
    nav.SetAdvanceOnEnter(false);
    nav.SetAdvanceAuto(false);
    EXPECT_FALSE(nav.AdvanceOnEnter());
}

TEST(NavigationTest, CopyKeepsBothAdvanceDirectionsAndLeavesKeepScrollOnSort)
{
    TNavigation source;
    source.SetAdvanceDirection(adTopBottom);
    source.SetTabAdvanceDirection(adLeftRightInRow);
    source.SetKeepScrollOnSort(true);
    source.SetClipboardCutAction(caRemove);
    source.SetAllowClipboardShortCuts(true);
    source.SetSkipFixedCells(false);
    TNavigation target;
    Counter changes;
    target.OnChange = changes.Handler();
    target.Assign(&source);
    EXPECT_EQ(target.AdvanceDirection(), adTopBottom);
    EXPECT_EQ(target.TabAdvanceDirection(), adLeftRightInRow);
    EXPECT_FALSE(target.KeepScrollOnSort());
    EXPECT_EQ(target.ClipboardCutAction(), caRemove);
    EXPECT_TRUE(target.AllowClipboardShortCuts());
    EXPECT_FALSE(target.SkipFixedCells());
    EXPECT_EQ(changes.count, 0);
}

TEST(MouseActionsTest, DisjunctSelectionsExcludeEachOtherOnlyAtDesignTime)
{
    TMouseActions runtime(nullptr);
    runtime.SetDisjunctColSelect(true);
    runtime.SetDisjunctRowSelect(true);
    EXPECT_TRUE(runtime.DisjunctColSelect());
    EXPECT_TRUE(runtime.DisjunctRowSelect());

    TMouseActions design(nullptr);
    design.OnIsDesigning = [](rtl::TObject*, bool& designing) { designing = true; };
    design.SetDisjunctColSelect(true);
    design.SetDisjunctCellSelect(true);
    design.SetDisjunctRowSelect(true);
    EXPECT_TRUE(design.DisjunctRowSelect());
    EXPECT_FALSE(design.DisjunctColSelect());
    EXPECT_FALSE(design.DisjunctCellSelect());
    design.SetDisjunctRowSelect(false);  // switching off touches nothing else
    design.SetDisjunctColSelect(true);
    design.SetDisjunctRowSelectDirect(true);
    EXPECT_TRUE(design.DisjunctColSelect() && design.DisjunctRowSelect());
}

TEST(MouseActionsTest, SettersWithEffectsFireTheirEvents)
{
    TMouseActions mouse(nullptr);
    Counter invalidate, disable, change;
    mouse.OnInvalidate = invalidate.Handler();
    mouse.OnDisableEdit = disable.Handler();
    mouse.OnChange = change.Handler();

    mouse.SetHotmailRowSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect());
    EXPECT_TRUE(mouse.CheckAllCheck());
    mouse.SetHotmailRowSelect(false);
    EXPECT_EQ(invalidate.count, 2);

    mouse.SetEditOnDblClickOnly(false);
    mouse.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disable.count, 1);

    mouse.SetWheelAction(waMoveSelection);
    mouse.SetWheelAction(waScroll);
    EXPECT_EQ(change.count, 1);

    rtl::TStringList values;
    values.Add("a");
    values.Add("b");
    mouse.SetFixedComboValues(&values);
    values.Clear();
    EXPECT_EQ(mouse.FixedComboValues()->CommaText(), "a,b");
}

TEST(MouseActionsTest, CopyLeavesTheExcludedSettingsAndSkipsTheDesignRule)
{
    TMouseActions source(nullptr);
    source.SetDisjunctRowSelectDirect(true);
    source.SetDisjunctColSelect(true);
    source.SetSizeFixedRow(true);
    source.SetHotmailRowSelect(true);
    source.SetEditOnDblClickOnly(true);
    source.FixedComboValues()->Add("x");
    source.SetWheelIncrement(3);
    source.SetFixedRowsEdit(fceDblClick);

    TMouseActions target(nullptr);
    bool asked = false;
    target.OnIsDesigning = [&](rtl::TObject*, bool& designing) {
        asked = true;
        designing = true;
    };
    target.Assign(&source);
    EXPECT_FALSE(asked);
    EXPECT_TRUE(target.DisjunctRowSelect() && target.DisjunctColSelect());
    EXPECT_FALSE(target.SizeFixedRow());
    EXPECT_FALSE(target.HotmailRowSelect());
    EXPECT_FALSE(target.EditOnDblClickOnly());
    EXPECT_EQ(target.FixedComboValues()->Count(), 0);
    EXPECT_EQ(target.WheelIncrement(), 3);
    EXPECT_EQ(target.FixedRowsEdit(), fceDblClick);
    EXPECT_TRUE(target.CheckAllCheck());  // copied from the source
}

TEST(SyncGridTest, AGridCannotFollowItself)
{
    ui::TStringGrid owner(nullptr);
    ui::TStringGrid other(nullptr);
    TSyncGrid sync(&owner);
    sync.SetGrid(&owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(&other);
    sync.SetScrollVertical(true);
    EXPECT_EQ(sync.Grid(), &other);

    TSyncGrid copyIntoOwner(&other);
    copyIntoOwner.Assign(&sync);  // the followed grid is the copy's own owner: ignored
    EXPECT_EQ(copyIntoOwner.Grid(), nullptr);
    EXPECT_TRUE(copyIntoOwner.ScrollVertical());
    TSyncGrid copy(nullptr);
    copy.Assign(&sync);
    EXPECT_EQ(copy.Grid(), &other);
}

TEST(BandsTest, TotalLengthIsTheSumAfterSettersAndCopy)
{
    TBands bands;
    EXPECT_FALSE(bands.Active());
    EXPECT_EQ(bands.PrimaryColor(), gfx::clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), gfx::clWindow);
    EXPECT_EQ(bands.TotalLength(), 2);
    bands.SetPrimaryLength(2);
    bands.SetSecondaryLength(3);
    EXPECT_EQ(bands.TotalLength(), 5);

    TBands copy;
    copy.Assign(&bands);
    EXPECT_EQ(copy.PrimaryLength(), 2);
    EXPECT_EQ(copy.TotalLength(), 5);
}

TEST(BandsTest, ChangesNotifyOnlyWhileActive)
{
    TBands bands;
    Counter changes;
    bands.OnChange = changes.Handler();
    bands.SetPrimaryColor(0x00FF00);
    bands.SetPrimaryLength(4);
    EXPECT_EQ(changes.count, 0);
    bands.SetActive(true);
    bands.SetActive(true);
    EXPECT_EQ(changes.count, 1);
    bands.SetPrimaryColor(0x00FF00);  // unchanged
    bands.SetSecondaryColor(0x0000FF);
    bands.SetSecondaryLength(2);
    EXPECT_EQ(changes.count, 3);

    TBands copy;
    Counter copyChanges;
    copy.OnChange = copyChanges.Handler();
    copy.Assign(&bands);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copyChanges.count, 0);
}

TEST(FocusHelperTest, CopiesEnabledFromItsOwnClassOnly)
{
    TFocusHelper source(nullptr);
    source.SetEnabled(true);
    TFocusHelper target(nullptr);
    EXPECT_FALSE(target.Enabled());
    TBands foreign;
    target.Assign(&foreign);
    EXPECT_FALSE(target.Enabled());
    target.Assign(&source);
    EXPECT_TRUE(target.Enabled());
}
