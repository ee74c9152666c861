// Tests of the always-fixed row and column modes: one fixed row or column kept in any grid, counts clamped instead of refused.
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

class FixedCountsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Grid = std::make_unique<TExtStringGrid>(nullptr);
    }
    std::unique_ptr<ui::TApplication> App;
    std::unique_ptr<TExtStringGrid> Grid;
};

TEST_F(FixedCountsTest, OneRowGridKeepsAFixedRowAndTheAskedCountReturnsWhenItGrows)
{
    Grid->SetFixedRowAlways(true);
    Grid->SetFixedRows(0);
    Grid->SetRowCount(1);
    EXPECT_EQ(Grid->FixedRows(), 1);
    Grid->SetFixedRows(3);  // refused by the platform grid without the mode
    EXPECT_EQ(Grid->TBaseGrid::FixedRows(), 0);
    EXPECT_EQ(Grid->FixedRows(), 1);
    Grid->SetRowCount(5);
    EXPECT_EQ(Grid->FixedRows(), 3);
}

TEST_F(FixedCountsTest, WithoutTheModeNoFixedRowsReadAsNoneAndTooManyAreRefused)
{
    Grid->SetFixedRows(0);
    EXPECT_EQ(Grid->FixedRows(), 0);
    EXPECT_THROW(Grid->SetFixedRows(Grid->RowCount()), rtl::Exception);
    EXPECT_EQ(Grid->FixedRows(), 0);
}

TEST_F(FixedCountsTest, FixedColumnsFollowTheSameRule)
{
    Grid->SetFixedColAlways(true);
    Grid->SetFixedCols(2);
    Grid->SetColCount(2);
    EXPECT_EQ(Grid->FixedCols(), 1);
    Grid->SetColCount(4);
    EXPECT_EQ(Grid->FixedCols(), 2);
}

}  // namespace
