// The grid's image picker cell editor driven by real keys and clicks: opened over an
// image-list or data-image cell at the cell's image, an image chosen with the mouse or the
// keys, stored on close through OnImageSelected, and Escape keeping the cell.
#include <string>
#include <vector>

#include "GridEditorFixture.h"
#include "grid/core/CellGraphics.h"
#include "grid/dropdown/ItemSelector.h"
#include "grid/editing/GridImageDropDown.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

constexpr gfx::TColor kImageColors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};

struct TSelected {
    int Col, Row, Index;
    bool operator==(const TSelected&) const = default;
};

class ImageEditorTest : public GridEditorFixture {
protected:
    void SetUp() override
    {
        GridEditorFixture::SetUp();
        for (gfx::TColor color : kImageColors) {
            gfx::TBitmap square(16, 16);
            square.Canvas().Brush().SetColor(color);
            square.Canvas().FillRect(rtl::Rect(0, 0, 16, 16));
            Images.Add(square);
        }
        Grid->SetGridImages(&Images);
        Grid->SetDefaultRowHeight(24);
        Grid->AddImageIdx(1, 1, 2, haLeft, vaTop);
        Grid->AddDataImage(2, 2, 1, haLeft, vaTop);
        Grid->OnImageSelected = [this](rtl::TObject*, int col, int row, int& index) {
            Selected.push_back({col, row, index});
            if (Replace >= 0) index = Replace;
        };
        Grid->OnImageSelect = [this](rtl::TObject*, int, int, int& index) { Hooked.push_back(index); };
    }
    void TearDown() override
    {
        GridEditorFixture::TearDown();
    }
    TGridImageDropDown& Editor() { return *GridImageDropDown(*Grid); }
    void OpenCell(int col, int row) { Open(Editor(), edImagePickerDropDown, col, row); }
    void OpenPopup()
    {
        Press(ui::VK_DOWN, ui::ssAlt);
        App->ProcessMessages();
        ASSERT_TRUE(Editor().DroppedDown());
        ASSERT_TRUE(Grid->EditorMode()) << "Alt+Down opens the pop-up without ending the edit";
    }
    int CellImage(int col, int row)
    {
        int index = -1;
        Grid->GetImageIdx(col, row, index);
        return index;
    }
    gfx::TColor EditorCentre()
    {
        Form->PaintPending();
        const rtl::TRect area = Editor().EditRect();
        const int x = area.Left + area.Width() / 2;
        const int y = area.Top + area.Height() / 2;
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(&Editor(), x, y)) & 0xFFFFFF;
    }

    gfx::TImageList Images{16, 16};
    std::vector<TSelected> Selected;
    std::vector<int> Hooked;
    int Replace = -1;
};

TEST_F(ImageEditorTest, OpensOverTheCellAtItsImageAndStoresTheImageClickedInThePopup)
{
    OpenCell(1, 1);
    const rtl::TRect cell = Grid->CellRect(1, 1);
    EXPECT_EQ(Editor().Left(), cell.Left);
    EXPECT_EQ(Editor().Top(), cell.Top);
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    EXPECT_EQ(Editor().Items().Count(), 5) << "one item per image of the grid's list";
    EXPECT_EQ(Editor().ImageIndex(), 2);
    EXPECT_EQ(EditorCentre(), kImageColors[2]) << "the cell's image, centred in the editor";
    EXPECT_TRUE(Hooked.empty()) << "opening chooses nothing";

    OpenPopup();
    TCustomItemSelector& panel = *Editor().ItemSelector()->SelectorPanel();
    const rtl::TRect r = panel.GetItemRect(4);
    ui::THeadlessBackend::Click(&panel, r.Left + 4, r.Top + 4);
    App->ProcessMessages();
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode()) << "a pick closes the pop-up, not the edit";
    EXPECT_EQ(Hooked, std::vector<int>{4});
    EXPECT_EQ(EditorCentre(), kImageColors[4]);
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(CellImage(1, 1), 4);
    EXPECT_EQ(Selected, (std::vector<TSelected>{{1, 1, 4}}));
}

TEST_F(ImageEditorTest, KeysChooseInTheOpenPopupAndOnImageSelectedMayChangeTheStoredIndex)
{
    OpenCell(2, 2);
    EXPECT_EQ(Editor().ImageIndex(), 1) << "a data-image cell's number is its image";
    OpenPopup();
    Press(ui::VK_DOWN);  // the pop-up's own: one row (one column) down
    Press(ui::VK_DOWN);
    EXPECT_TRUE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Editor().ImageIndex(), 3);
    Replace = 0;
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Selected, (std::vector<TSelected>{{2, 2, 3}}));
    EXPECT_EQ(Grid->Cells(2, 2), "0") << "the handler's index is stored as the cell's number";

    // Closed, Home chooses the first image; Enter stores it.
    Replace = -1;
    Grid->SetCells(2, 2, "3");
    OpenCell(2, 2);
    Press(ui::VK_HOME);
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Editor().ImageIndex(), 0);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 2), "0");
}

TEST_F(ImageEditorTest, EscapeAfterAChoiceKeepsTheCell)
{
    Grid->SetCells(1, 1, "label");
    OpenCell(1, 1);
    OpenPopup();
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Editor().ImageIndex(), 3);
    Press(ui::VK_ESCAPE);
    if (Grid->EditorMode()) Press(ui::VK_ESCAPE);  // the first may only close the pop-up
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(CellImage(1, 1), 2);
    EXPECT_EQ(Grid->Cells(1, 1), "label") << "the cell's own text stays";
    EXPECT_TRUE(Selected.empty());

    // Leaving without a new choice stores nothing either.
    OpenCell(2, 2);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 2), "1");
    EXPECT_TRUE(Selected.empty());
}

}  // namespace
