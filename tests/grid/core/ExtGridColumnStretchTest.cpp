// Column stretching of the string grid: spreading the client width, the stretch column and its errors.
#include <gtest/gtest.h>

#include <vector>

#include "grid/core/GridOptionsRecords.h"
#include "grid/core/GridTypes.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class ColumnStretchTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 400, 200);
        Grid->SetColCount(5);
        for (int c = 0; c < 5; ++c) Grid->SetColWidths(c, 40 + c);
    }
    std::vector<int> Widths() const
    {
        std::vector<int> w;
        for (int c = 0; c < Grid->ColCount(); ++c) w.push_back(Grid->ColWidths(c));
        return w;
    }
    // Switches stretching on without the option setter stretching at once.
    void StretchOnQuietly(bool all)
    {
        Grid->SetParent(nullptr);
        Grid->ColumnSize().SetStretch(true);
        Grid->SetParent(Form);
        if (all) {
            Grid->ColumnSize().SetStretchAll(true);
        }
    }
};

// The free width is divided over the columns between the fixed ones; the remainder goes
// one pixel each to the leftmost of them.
TEST_F(ColumnStretchTest, StretchAllSpreadsTheFreeWidthOverTheNonFixedColumns)
{
    StretchOnQuietly(false);
    Grid->SetFixedCols(1);
    Grid->SetFixedRightCols(1);
    Grid->ColumnSize().SetStretchAll(true);  // stretches to the client width at once
    const int client = Grid->ClientWidth();
    const int free = client - 40 - 44;
    EXPECT_EQ(Widths(), (std::vector<int>{40, free / 3 + (free % 3 > 0), free / 3 + (free % 3 > 1), free / 3, 44}));

    Grid->ApplyColumnStretch(-1, 40 + 44 + 334);  // 334 = 3 * 111 + 1
    EXPECT_EQ(Widths(), (std::vector<int>{40, 112, 111, 111, 44}));
}

TEST_F(ColumnStretchTest, TheStretchColumnTakesWhatTheOthersLeave)
{
    StretchOnQuietly(false);
    Grid->ApplyColumnStretch(2, 300);
    EXPECT_EQ(Widths(), (std::vector<int>{40, 41, 300 - (40 + 41 + 43 + 44), 43, 44}));

    Grid->ApplyColumnStretch();  // the last column, to the client width
    const int others = 40 + 41 + Grid->ColWidths(2) + 43;
    EXPECT_EQ(Grid->ColWidths(4), Grid->ClientWidth() - others);
    EXPECT_EQ(Grid->ColWidths(4) + others, Grid->ClientWidth());
}

// When the other columns are already wider than the client area, the stretch column falls
// back to the default width while the grid is scrolled fully left.
TEST_F(ColumnStretchTest, OtherColumnsWiderThanTheClientGiveTheDefaultWidth)
{
    StretchOnQuietly(false);
    Grid->SetColWidths(0, 500);
    Grid->SetColWidths(4, 7);
    Grid->ApplyColumnStretch(4, -1);
    EXPECT_EQ(Grid->ColWidths(4), Grid->DefaultColWidth());
}

TEST_F(ColumnStretchTest, OneColumnFillsTheClientArea)
{
    Grid->SetColCount(1);
    StretchOnQuietly(false);
    Grid->ApplyColumnStretch();
    EXPECT_EQ(Grid->ColWidths(0), Grid->ClientRect().Right);
}

TEST_F(ColumnStretchTest, WithoutStretchNothingChanges)
{
    const auto before = Widths();
    Grid->ApplyColumnStretch(2, 300);
    EXPECT_EQ(Widths(), before);
    EXPECT_FALSE(Grid->IsColChanging());
}

TEST_F(ColumnStretchTest, ColumnOutsideTheGridRaisesAndChangesNothing)
{
    StretchOnQuietly(false);
    const auto before = Widths();
    for (int column : {5, 9, -2}) {
        SCOPED_TRACE(column);
        try {
            Grid->ApplyColumnStretch(column, 300);
            ADD_FAILURE() << "no exception";
        } catch (const grid::VIdoZovuVozir& e) {
            EXPECT_STREQ(e.what(), "Stretch column index out of range");
        }
        EXPECT_EQ(Widths(), before);
        EXPECT_FALSE(Grid->IsColChanging());
    }
}

// The option setters and the grid's shortcuts reach the grid's stretching.
TEST_F(ColumnStretchTest, OptionSettersAndShortcutsStretch)
{
    Grid->ColumnSize().SetStretch(true);  // has a parent: the last column takes the rest
    EXPECT_EQ(40 + 41 + 42 + 43 + Grid->ColWidths(4), Grid->ClientWidth());

    Grid->ColumnSize().SetStretch(false);
    Grid->StretchColumns();
    EXPECT_TRUE(Grid->ColumnSize().Stretch());
    EXPECT_TRUE(Grid->ColumnSize().StretchAll());
    int sum = 0;
    for (int w : Widths()) sum += w;
    EXPECT_EQ(sum, Grid->ClientWidth());
    EXPECT_LE(Grid->ColWidths(0) - Grid->ColWidths(4), 1);
}

}  // namespace
