// Tests of the base grid: property objects in the cell slots, merge encoding, cell accessors, wiping and freeing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"

using namespace grid;

namespace {

// The base grid leaves four operations to the string grid; these answer plainly.
class TTestBaseGrid : public TBaseGrid {
public:
    explicit TTestBaseGrid(rtl::TComponent* owner = nullptr) : TBaseGrid(owner)
    {
        SetColCount(6);
        SetRowCount(6);
    }
    bool IsNode(int) override { return false; }
    bool IsSummary(int) override { return false; }
    bool CellHasCheckBox(int, int) override { return false; }
    void SetCheckBoxValue(int, int, const std::string&) override {}
    void FooterRowChanged() override { ++FooterChanges; }

    using TBaseGrid::DeleteColumn;
    using TBaseGrid::DeleteRow;
    void SetNormalRowCount(int n) { FNormalRowCount = n; }
    void SetHideLastRow(bool v) { FHideLastRow = v; }
    bool EditCellSet() const { return FEditCellSet; }
    int FooterChanges = 0;
};

// Counts live objects of its class, so that tests see what the grid frees.
int LiveCountingProps = 0;
class TCountingProps : public TCellProperties {
public:
    TCountingProps(TBaseGrid* owner, int c, int r) : TCellProperties(owner, c, r) { ++LiveCountingProps; }
    ~TCountingProps() override { --LiveCountingProps; }
};

int LiveCountingObjects = 0;
class TCountingObject : public rtl::TObject {
public:
    TCountingObject() { ++LiveCountingObjects; }
    ~TCountingObject() override { --LiveCountingObjects; }
};

// A cell graphic that tells when it is freed: it owns a counting object.
TCellGraphic* NewTrackedGraphic()
{
    auto* g = new TCellGraphic();
    g->AdoptCellBitmap(std::make_unique<TCountingObject>());
    return g;
}

struct SpanCase {
    int Col, Row;
    bool IsBase;
    int SpanX, SpanY;
};

}  // namespace

TEST(BaseGridTest, NewGridCellsAreEmptyPlainCellsWithoutPropertyObjects)
{
    TTestBaseGrid grid;
    for (int c = 0; c < grid.ColCount(); ++c) {
        for (int r = 0; r < grid.RowCount(); ++r) {
            EXPECT_EQ(grid.Cells(c, r), "");
            EXPECT_TRUE(grid.IsBaseCell(c, r));
            EXPECT_EQ(grid.CellSpan(c, r), (rtl::TPoint{0, 0}));
            EXPECT_EQ(grid.CellExt(c, r), (rtl::TPoint{0, 0}));
            EXPECT_FALSE(grid.IsMergedCell(c, r));
            EXPECT_FALSE(grid.HasCellProperties(c, r));
        }
    }
    EXPECT_FALSE(grid.HasCellProps());
    EXPECT_EQ(grid.MergeCount(), 0);
}

TEST(BaseGridTest, MergeEncodingBaseHoldsSpanMembersTheirDistance)
{
    TTestBaseGrid grid;
    grid.MergeCells(1, 1, 3, 2);
    const SpanCase cases[] = {
        {1, 1, true, 2, 1}, {2, 1, false, 1, 0}, {3, 1, false, 2, 0},
        {1, 2, false, 0, 1}, {2, 2, false, 1, 1}, {3, 2, false, 2, 1},
    };
    for (const SpanCase& k : cases) {
        SCOPED_TRACE(std::to_string(k.Col) + "," + std::to_string(k.Row));
        ASSERT_TRUE(grid.HasCellProperties(k.Col, k.Row));
        TCellProperties* p = grid.CellProperties(k.Col, k.Row);
        EXPECT_EQ(p->IsBaseCell(), k.IsBase);
        EXPECT_EQ(p->CellSpanX(), k.SpanX);
        EXPECT_EQ(p->CellSpanY(), k.SpanY);
        EXPECT_EQ(grid.BaseCell(k.Col, k.Row), (rtl::TPoint{1, 1}));
        EXPECT_EQ(grid.CellSpan(k.Col, k.Row), (rtl::TPoint{2, 1}));
        EXPECT_TRUE(grid.IsMergedCell(k.Col, k.Row));
        EXPECT_EQ(grid.IsMergedNonBaseCell(k.Col, k.Row), !k.IsBase);
        EXPECT_TRUE(grid.IsXMergedCell(k.Col, k.Row));
        EXPECT_TRUE(grid.IsYMergedCell(k.Col, k.Row));
    }
    // Cells outside the block keep no encoding.
    EXPECT_FALSE(grid.HasCellProperties(4, 1));
    EXPECT_FALSE(grid.HasCellProperties(1, 3));
    EXPECT_EQ(grid.CellExt(2, 2), (rtl::TPoint{1, 0}));
    EXPECT_EQ(grid.CellExt(1, 1), (rtl::TPoint{2, 1}));
    EXPECT_EQ(grid.FullCell(3, 2), (rtl::TRect{1, 1, 3, 2}));
    int bc = 0, br = 0;
    EXPECT_FALSE(grid.GetBaseCellPos(3, 2, bc, br));
    EXPECT_EQ(bc, 1);
    EXPECT_EQ(br, 1);
    EXPECT_TRUE(grid.GetBaseCellPos(1, 1, bc, br));
    EXPECT_EQ(grid.MergeCount(), 1);
    EXPECT_EQ(grid.MinRowSpan(1), 1);
    EXPECT_EQ(grid.MaxRowSpan(2), 1);
    EXPECT_EQ(grid.MinRowSpan(4), grid.RowCount());
}

TEST(BaseGridTest, MergedBlockTextLivesInItsBaseCell)
{
    TTestBaseGrid grid;
    grid.SetGridCell(3, 2, "own");
    grid.MergeCells(1, 1, 3, 2);
    grid.SetCells(3, 2, "x");
    EXPECT_EQ(grid.GridCells(1, 1), "x");
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r) EXPECT_EQ(grid.Cells(c, r), "x");
    EXPECT_EQ(grid.GridCells(3, 2), "own");
}

// Cells keep their own texts and blocks after rows and columns move under them:
// the base cell is found from where the cell is now, not where it was made.
TEST(BaseGridTest, CellsShowTheirOwnTextsAfterRowsAndColumnsMove)
{
    TTestBaseGrid grid;
    grid.SetCells(2, 3, "plain");
    grid.GetCellProperties(2, 3);  // a property object made at row 3
    grid.SetCells(2, 4, "below");
    grid.MergeCells(1, 4, 2, 2);  // block (1,4)-(2,5)
    grid.SetCells(1, 4, "block");

    grid.DeleteRow(1);  // everything moves one row up
    EXPECT_EQ(grid.Cells(2, 2), "plain");
    EXPECT_EQ(grid.Cells(1, 3), "block");
    EXPECT_EQ(grid.Cells(2, 4), "block");
    EXPECT_EQ(grid.BaseCell(2, 4), (rtl::TPoint{1, 3}));

    grid.DeleteColumn(0);  // and one column left
    EXPECT_EQ(grid.Cells(1, 2), "plain");
    EXPECT_EQ(grid.Cells(0, 3), "block");
    EXPECT_EQ(grid.Cells(1, 4), "block");
    EXPECT_EQ(grid.BaseCell(1, 4), (rtl::TPoint{0, 3}));
}

TEST(BaseGridTest, OneByOneBlockIsNotMerged)
{
    TTestBaseGrid grid;
    grid.MergeCells(2, 2, 1, 1);
    EXPECT_EQ(grid.CellProperties(2, 2)->CellSpanX(), 0);
    EXPECT_EQ(grid.CellProperties(2, 2)->CellSpanY(), 0);
    EXPECT_FALSE(grid.IsMergedCell(2, 2));
    EXPECT_EQ(grid.CellSpan(2, 2), (rtl::TPoint{0, 0}));
}

TEST(BaseGridTest, SplitRestoresEveryCellOfTheBlock)
{
    TTestBaseGrid grid;
    grid.MergeCells(1, 1, 3, 2);
    grid.SplitCells(2, 2);
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 2; ++r) {
            TCellProperties* p = grid.CellProperties(c, r);
            EXPECT_TRUE(p->IsBaseCell());
            EXPECT_EQ(p->CellSpanX(), -1);
            EXPECT_EQ(p->CellSpanY(), -1);
            EXPECT_FALSE(grid.IsMergedCell(c, r));
        }
    }
    EXPECT_EQ(grid.MergeCount(), 0);
    grid.SplitCells(5, 5);  // unmerged: only the count goes down
    EXPECT_EQ(grid.MergeCount(), -1);
}

TEST(BaseGridTest, CollapsedBlockCountsAsOneRow)
{
    TTestBaseGrid grid;
    grid.MergeCells(1, 1, 2, 3);
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 3; ++r) grid.CellProperties(c, r)->SetMergeCollaps(true);
    EXPECT_EQ(grid.CellProperties(1, 1)->CellSpanY(), 0);
    EXPECT_EQ(grid.BaseCell(2, 3), (rtl::TPoint{1, 3}));
    EXPECT_FALSE(grid.IsYMergedCell(1, 1));
    EXPECT_TRUE(grid.IsXMergedCell(1, 1));
}

// Merging or splitting outside the grid used to write property objects into cells the
// grid does not show; the call is now refused before anything changes.
TEST(BaseGridTest, MergeCallsOutOfRangeRaiseTheGridErrorAndLeaveCellsUntouched)
{
    struct Case {
        int C, R, SX, SY;
    };
    for (Case k : {Case{-1, 1, 2, 2}, Case{1, -1, 2, 2}, Case{4, 1, 3, 1}, Case{1, 5, 1, 2}, Case{6, 0, 1, 1}}) {
        TTestBaseGrid grid;
        SCOPED_TRACE(std::to_string(k.C) + "," + std::to_string(k.R));
        EXPECT_THROW(grid.MergeCells(k.C, k.R, k.SX, k.SY), VIdoZovuVozir);
        EXPECT_FALSE(grid.HasCellProps());
        EXPECT_EQ(grid.MergeCount(), 0);
    }
    TTestBaseGrid grid;
    EXPECT_THROW(grid.SplitCells(6, 2), VIdoZovuVozir);
    EXPECT_THROW(grid.SplitCells(2, -1), VIdoZovuVozir);
    EXPECT_FALSE(grid.HasCellProps());
    // A block that ends at the last cell is fine.
    EXPECT_NO_THROW(grid.MergeCells(4, 4, 2, 2));
    EXPECT_TRUE(grid.IsMergedCell(5, 5));
}

TEST(BaseGridTest, ObjectsLiveInThePropertyObjectAndReadingCreatesNothing)
{
    TTestBaseGrid grid;
    TCountingObject user;
    EXPECT_EQ(grid.Objects(2, 3), nullptr);
    EXPECT_FALSE(grid.HasCellProperties(2, 3));
    grid.SetObjects(2, 3, &user);
    EXPECT_EQ(grid.Objects(2, 3), &user);
    EXPECT_EQ(grid.GridCells(2, 3), "");
    EXPECT_TRUE(grid.HasCellProperties(2, 3));
    EXPECT_EQ(grid.GraphicObjects(2, 3), nullptr);
    // The platform slot holds the property object, not the caller's object.
    EXPECT_EQ(grid.ui::TStringGrid::Objects(2, 3), grid.CellProperties(2, 3));
}

TEST(BaseGridTest, NewPropertyObjectTakesTheGridDefaults)
{
    TTestBaseGrid grid;
    grid.Font().SetName("Arial");
    grid.Font().SetHeight(-13);
    grid.SetColor(0x123456);
    grid.SetWordWrap(false);
    TCellProperties* p = grid.CellProperties(1, 1);
    EXPECT_EQ(p->FontName(), "Arial");
    EXPECT_EQ(p->FontSize(), -13);
    EXPECT_EQ(p->BrushColor(), 0x123456u);
    EXPECT_EQ(p->BrushColorTo(), clGridNone);
    EXPECT_FALSE(p->WordWrap());
    EXPECT_EQ(p->Alignment(), ui::taLeftJustify);
    EXPECT_EQ(p->VAlignment(), vtaTop);
    EXPECT_EQ(p->OwnerCol(), 1);
    EXPECT_EQ(p->OwnerRow(), 1);
    EXPECT_TRUE(grid.HasCellProps());
}

TEST(BaseGridTest, AssignCopiesSettingsButNotGraphicOrCalculation)
{
    TTestBaseGrid grid;
    TCellProperties* a = grid.CellProperties(1, 1);
    TCellProperties* b = grid.CellProperties(2, 2);
    a->SetFontName("Calibri");
    a->SetReadOnly(true);
    a->SetEditor(edNumeric);
    a->SetBrushColorTo(0x111111);
    a->SetCalcType(acSUM);
    b->Assign(a);
    EXPECT_EQ(b->FontName(), "Calibri");
    EXPECT_TRUE(b->ReadOnly());
    EXPECT_EQ(b->Editor(), edNumeric);
    EXPECT_EQ(b->OwnerCol(), 1);
    EXPECT_EQ(b->BrushColorTo(), clGridNone);
    EXPECT_EQ(b->CalcType(), acNONE);
    b->Assign(nullptr);
    EXPECT_EQ(b->FontName(), "Calibri");
}

TEST(BaseGridTest, DisplayHooksGetTheBaseCellAndOnlyBelowNormalRowCount)
{
    TTestBaseGrid grid;
    std::vector<std::string> calls;
    grid.OnGetDisplText = [&](TSender, int c, int r, std::string& v) {
        calls.push_back(std::to_string(c) + "," + std::to_string(r));
        v = "[" + v + "]";
    };
    grid.SetCells(1, 1, "a");
    EXPECT_EQ(grid.Cells(1, 1), "a");  // normal row count 0: no hook
    EXPECT_TRUE(calls.empty());
    grid.SetNormalRowCount(3);
    grid.MergeCells(1, 1, 2, 2);
    EXPECT_EQ(grid.Cells(2, 2), "[a]");
    EXPECT_EQ(calls, std::vector<std::string>{"1,1"});
    grid.SetCells(1, 4, "b");
    EXPECT_EQ(grid.Cells(1, 4), "b");  // at or below the normal row count: no hook
}

TEST(BaseGridTest, WideDisplayEventReturnsTheEscapedForm)
{
    TTestBaseGrid grid;
    grid.SetNormalRowCount(6);
    grid.OnGetDisplWideText = [](TSender, int, int, std::string&) {};
    grid.SetCells(1, 1, "ab");
    EXPECT_EQ(grid.Cells(1, 1), std::string("|\\") + '\0' + 'a' + '\0' + 'b');
}

TEST(BaseGridTest, WritingTheLastRowWhileHiddenRefreshesTheFooterOncePerWrite)
{
    TTestBaseGrid grid;
    grid.SetCells(1, 5, "x");
    EXPECT_EQ(grid.FooterChanges, 0);
    grid.SetHideLastRow(true);
    grid.SetCells(1, 5, "y");
    grid.SetCells(2, 5, "z");
    grid.SetCells(2, 4, "not last");
    EXPECT_EQ(grid.FooterChanges, 2);
}

TEST(BaseGridTest, SpanIdentityOfRowsAndColumns)
{
    TTestBaseGrid grid;
    grid.MergeCells(1, 1, 2, 1);  // columns 1 and 2 share a block in row 1
    EXPECT_TRUE(grid.ColSpanIdentical(1, 2));
    grid.MergeCells(2, 3, 2, 1);  // row 3 merges column 2 with 3, not with 1
    EXPECT_FALSE(grid.ColSpanIdentical(1, 2));
    EXPECT_FALSE(grid.ColSpanIdentical(4, 5));  // no shared block at all

    TTestBaseGrid rows;
    rows.MergeCells(1, 1, 1, 2);
    EXPECT_TRUE(rows.RowSpanIdentical(1, 2));
    EXPECT_FALSE(rows.RowSpanIdentical(3, 4));
    rows.MergeCells(3, 2, 1, 2);  // column 3 merges rows 2 and 3
    EXPECT_FALSE(rows.RowSpanIdentical(1, 3));
}

TEST(BaseGridTest, WipingDetachesWithoutFreeingAndClearsTexts)
{
    TTestBaseGrid grid;
    LiveCountingProps = 0;
    auto* moved = new TCountingProps(&grid, 2, 1);
    grid.SetCellProperties(2, 1, moved);
    grid.SetCells(2, 1, "text");
    grid.SetCells(2, 3, "other");
    grid.WipeCol(2);
    EXPECT_EQ(LiveCountingProps, 1);  // alive for whoever took it over
    EXPECT_FALSE(grid.HasCellProperties(2, 1));
    EXPECT_EQ(grid.GridCells(2, 1), "");
    EXPECT_EQ(grid.GridCells(2, 3), "");
    grid.SetCellPropsDirect(4, 4, moved);  // taken over by another cell
    EXPECT_EQ(grid.GetCellPropsDirect(4, 4), moved);

    // Wiping a member cell clears the block's text at its base cell.
    grid.MergeCells(0, 0, 2, 1);
    grid.SetCells(0, 0, "block");
    std::unique_ptr<TCellProperties> member(grid.GetCellPropsDirect(1, 0));  // the test takes it over
    grid.WipeCell(1, 0);
    EXPECT_EQ(grid.GridCells(0, 0), "");
    EXPECT_FALSE(grid.HasCellProperties(1, 0));
}

TEST(BaseGridTest, CellsSurviveAShrinkAndAreFreedWithTheGrid)
{
    LiveCountingProps = 0;
    {
        TTestBaseGrid grid;
        grid.SetCellProperties(5, 5, new TCountingProps(&grid, 5, 5));
        grid.SetCells(5, 5, "kept");
        grid.SetColCount(3);
        grid.SetRowCount(3);
        EXPECT_FALSE(grid.HasCellProperties(5, 5));  // outside the grid now
        grid.SetColCount(6);
        grid.SetRowCount(6);
        EXPECT_EQ(grid.Cells(5, 5), "kept");
        EXPECT_TRUE(grid.HasCellProperties(5, 5));
        grid.SetColCount(2);
        grid.SetRowCount(2);
        EXPECT_EQ(LiveCountingProps, 1);
    }
    EXPECT_EQ(LiveCountingProps, 0);
}

TEST(BaseGridTest, DestructionFreesEveryPropertyObjectAndOwnedGraphic)
{
    LiveCountingProps = 0;
    LiveCountingObjects = 0;
    TBaseCellGraphic borrowed;  // not exactly a TCellGraphic: stays the caller's
    {
        TTestBaseGrid grid;
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 6; ++r) grid.SetCellProperties(c, r, new TCountingProps(&grid, c, r));
        grid.SetGraphicObjects(1, 1, NewTrackedGraphic());
        grid.SetGraphicObjects(2, 2, &borrowed);
        grid.SetCellPropsDirect(20, 30, new TCountingProps(&grid, 20, 30));  // beyond both counts
        EXPECT_EQ(LiveCountingProps, 37);
        EXPECT_EQ(LiveCountingObjects, 1);
    }
    EXPECT_EQ(LiveCountingProps, 0);
    EXPECT_EQ(LiveCountingObjects, 0);
}

// Putting a new graphic into a cell used to leave the grid's old one allocated with
// nothing referring to it; a graphic the grid owns is now freed when replaced.
TEST(BaseGridTest, ReplacingAGridOwnedCellGraphicFreesTheOldOne)
{
    LiveCountingObjects = 0;
    TTestBaseGrid grid;
    grid.SetGraphicObjects(1, 1, NewTrackedGraphic());
    EXPECT_EQ(LiveCountingObjects, 1);
    TCellGraphic* second = NewTrackedGraphic();
    grid.SetGraphicObjects(1, 1, second);
    EXPECT_EQ(LiveCountingObjects, 1);
    EXPECT_EQ(grid.GraphicObjects(1, 1), second);
    EXPECT_EQ(grid.GridCells(1, 1), "");  // the blank used while attaching is gone again
    // Setting the same graphic again keeps it.
    grid.SetGraphicObjects(1, 1, second);
    EXPECT_EQ(LiveCountingObjects, 1);
    // A graphic of another class is the caller's and is never freed by the grid.
    TBaseCellGraphic borrowed;
    grid.SetGraphicObjects(1, 1, &borrowed);
    EXPECT_EQ(LiveCountingObjects, 0);
    grid.SetGraphicObjects(1, 1, nullptr);
    EXPECT_EQ(grid.GraphicObjects(1, 1), nullptr);
}

TEST(BaseGridTest, FreeingTheRectangleFreesOnlyExactCellGraphics)
{
    LiveCountingObjects = 0;
    TTestBaseGrid grid;
    grid.SetGraphicObjects(1, 1, NewTrackedGraphic());
    grid.SetGraphicObjects(2, 1, NewTrackedGraphic());
    TCellGraphic* kept = static_cast<TCellGraphic*>(grid.GraphicObjects(2, 1));
    grid.FreeCellPropertiesAt(2, 1);  // frees the property object, not its graphic
    EXPECT_EQ(LiveCountingObjects, 2);
    delete kept;
    grid.FreeCellProperties(0, 0, 5, 5);
    EXPECT_EQ(LiveCountingObjects, 0);
    EXPECT_FALSE(grid.HasCellProperties(1, 1));
}

// Deleting a row or column through the platform grid used to drop the property objects
// held there without freeing them.
TEST(BaseGridTest, DeletingARowOrColumnFreesItsPropertyObjects)
{
    LiveCountingProps = 0;
    TTestBaseGrid grid;
    grid.SetCellProperties(1, 2, new TCountingProps(&grid, 1, 2));
    grid.SetCellProperties(3, 4, new TCountingProps(&grid, 3, 4));
    grid.SetCells(1, 3, "moves up");
    grid.DeleteRow(2);
    EXPECT_EQ(LiveCountingProps, 1);
    EXPECT_EQ(grid.GridCells(1, 2), "moves up");
    EXPECT_TRUE(grid.HasCellProperties(3, 3));
    grid.DeleteColumn(3);
    EXPECT_EQ(LiveCountingProps, 0);
    EXPECT_FALSE(grid.HasCellProperties(3, 3));
}
