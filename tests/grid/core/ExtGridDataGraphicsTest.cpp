// Tests of the string grid's data images, data pictures and error markers.
#include <gtest/gtest.h>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Component.h"

using namespace grid;

namespace {

class ExtGridDataGraphicsTest : public ::testing::Test {
protected:
    ExtGridDataGraphicsTest()
    {
        Grid.SetColCount(4);
        Grid.SetRowCount(4);
    }
    TExtStringGrid Grid{nullptr};
    gfx::TImageList Images{16, 16};
    rtl::TComponent Pictures{nullptr};
};

}  // namespace

TEST_F(ExtGridDataGraphicsTest, DataImageNeedsGridImagesAndKeepsANumberAlreadyInTheCell)
{
    Grid.AddCheckBox(1, 1, true, false);
    Grid.AddDataImage(1, 1, 5, haLeft, vaTop);
    EXPECT_EQ(Grid.GetCellType(1, 1), ctCheckBox) << "without GridImages the old record stays";
    EXPECT_EQ(Grid.Cells(1, 1), "");

    Grid.SetGridImages(&Images);
    Grid.AddDataImage(1, 1, 5, haCenter, vaBottom);
    EXPECT_TRUE(Grid.HasDataImage(1, 1));
    EXPECT_EQ(Grid.Cells(1, 1), "5");
    EXPECT_EQ(Grid.GetCellGraphic(1, 1)->CellHAlign(), haCenter);

    Grid.SetCells(2, 1, "2");
    Grid.AddDataImage(2, 1, 5, haLeft, vaTop);
    EXPECT_EQ(Grid.Cells(2, 1), "2");
    EXPECT_EQ(Grid.GetCellGraphic(2, 1)->CellIndex(), 5);
}

TEST_F(ExtGridDataGraphicsTest, DataGraphicsAreSeenAtTheBaseCellOfAMergedBlock)
{
    Grid.SetGridImages(&Images);
    Grid.SetPictureContainer(&Pictures);
    Grid.AddDataImage(1, 1, 0, haLeft, vaTop);
    Grid.MergeCells(1, 1, 2, 1);
    EXPECT_TRUE(Grid.HasDataImage(2, 1));
    EXPECT_FALSE(Grid.HasDataPicture(2, 1));
    Grid.AddDataPicture(1, 2, "logo", haLeft, vaTop);
    Grid.MergeCells(1, 2, 2, 1);
    EXPECT_TRUE(Grid.HasDataPicture(2, 2));
}

TEST_F(ExtGridDataGraphicsTest, DataPictureNeedsAContainerAndNamesAnEmptyCell)
{
    Grid.AddDataPicture(1, 1, "logo", haLeft, vaTop);
    EXPECT_EQ(Grid.GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(Grid.Cells(1, 1), "");

    Grid.SetPictureContainer(&Pictures);
    Grid.AddDataPicture(1, 1, "logo", haLeft, vaTop);
    EXPECT_TRUE(Grid.HasDataPicture(1, 1));
    EXPECT_EQ(Grid.Cells(1, 1), "logo");
    Grid.SetCells(2, 1, "map");
    Grid.AddDataPicture(2, 1, "logo", haLeft, vaTop);
    EXPECT_EQ(Grid.Cells(2, 1), "map");
}

TEST_F(ExtGridDataGraphicsTest, RemovingADataGraphicEmptiesTheTextButKeepsARecordOfAnotherKind)
{
    Grid.SetGridImages(&Images);
    Grid.SetPictureContainer(&Pictures);
    Grid.AddDataImage(1, 1, 3, haLeft, vaTop);
    Grid.RemoveDataImage(1, 1);
    EXPECT_EQ(Grid.GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(Grid.Cells(1, 1), "");

    Grid.AddDataPicture(1, 2, "logo", haLeft, vaTop);
    Grid.RemoveDataPicture(1, 2);
    EXPECT_EQ(Grid.GetCellGraphic(1, 2), nullptr);
    EXPECT_EQ(Grid.Cells(1, 2), "");

    // A check box is neither kind: it stays, the text goes.
    for (int r : {1, 2}) {
        Grid.AddCheckBox(2, r, true, false);
        Grid.SetCells(2, r, "x");
    }
    Grid.RemoveDataImage(2, 1);
    Grid.RemoveDataPicture(2, 2);
    for (int r : {1, 2}) {
        EXPECT_EQ(Grid.GetCellType(2, r), ctCheckBox) << r;
        EXPECT_EQ(Grid.Cells(2, r), "") << r;
    }
}

TEST_F(ExtGridDataGraphicsTest, MarkersLiveInAnEmptyRecordOrInTheRecordTheCellHas)
{
    int pos = -1;
    int len = -1;
    Grid.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);

    Grid.AddMarker(1, 1, 3, 4);
    EXPECT_EQ(Grid.GetCellType(1, 1), ctEmpty);
    Grid.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(len, 4);

    Grid.AddCheckBox(2, 1, true, false);
    Grid.AddMarker(2, 1, 1, 2);
    EXPECT_EQ(Grid.GetCellType(2, 1), ctCheckBox);
    Grid.GetMarker(2, 1, pos, len);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(len, 2);

    Grid.RemoveAllMarkers();
    EXPECT_EQ(Grid.GetCellGraphic(1, 1), nullptr) << "the marker's own record goes";
    ASSERT_NE(Grid.GetCellGraphic(2, 1), nullptr) << "a check box keeps its record";
    EXPECT_EQ(Grid.GetCellType(2, 1), ctCheckBox);
    Grid.GetMarker(2, 1, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);
}
