// A binary cell file as users have them stored: it loads with its sizes, texts, properties, merged block, comment and radio captions.
#include <gtest/gtest.h>

#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

namespace {

class BinFileFixtureTest : public gridtest::GridInAppTest {};

// The file holds a whole 4 × 3 grid: column 1 is 80 pixels wide, row 2 is 30 high; cells
// (2, 1) to (3, 2) are merged; (0, 1) is Arial 10 pt on 0x123456; (1, 1) has a comment;
// (0, 2) is a radio group of "yes" and "no".
TEST_F(BinFileFixtureTest, StoredWholeGridLoadsWithSizesTextsPropertiesMergesAndGraphics)
{
    const rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.DecimalSeparator = '.';
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetCells(1, 1, "old");
    Grid->LoadFromBinFile((testsupport::TestDataDir() / "grid" / "binstream" / "cells.bin").string());
    const std::string number = Grid->Cells(1, 1);
    rtl::FormatSettings = saved;

    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->RowCount(), 3);
    EXPECT_EQ(Grid->ColWidths(1), 80);
    EXPECT_EQ(Grid->RowHeights(2), 30);
    EXPECT_EQ(Grid->Cells(0, 0), "Name");
    EXPECT_EQ(Grid->Cells(0, 1), "alma");
    EXPECT_EQ(number, "1.5");
    EXPECT_EQ(Grid->Cells(2, 1), "merged");
    ASSERT_TRUE(Grid->HasCellProperties(0, 1));
    const grid::TCellProperties* p = Grid->GetCellPropsDirect(0, 1);
    EXPECT_EQ(p->BrushColor(), 0x123456u);
    EXPECT_EQ(p->FontName(), "Arial");
    EXPECT_EQ(p->FontSize(), -13);
    EXPECT_TRUE(Grid->IsMergedCell(3, 2));
    EXPECT_EQ(Grid->MergeCount(), 1);
    EXPECT_EQ(Grid->GetComment(1, 1), "note");
    ASSERT_NE(Grid->GetRadioStrings(0, 2), nullptr);
    EXPECT_EQ(Grid->GetRadioStrings(0, 2)->CommaText(), "yes,no");
}

}  // namespace
