// The grid's image picker cell editor driven by real keys and mouse moves on a headless form: an
// image chosen in the pop-up is stored into an image-list or data-image cell, Escape keeps it.
#include <vector>

#include "GridEditorFixture.h"
#include "grid/dropdown/ItemSelector.h"
#include "grid/editing/GridImageDropDown.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

struct TImageCall {
    int Col, Row, Index;
};

class ImagePickerEditorTest : public GridEditorFixture {
protected:
    void SetUp() override
    {
        GridEditorFixture::SetUp();
        auto* images = new gfx::TImageList(Form);
        images->SetSize(16, 16);
        const gfx::TColor colors[] = {gfx::clRed, gfx::clLime, gfx::clBlue, gfx::clYellow};
        for (gfx::TColor color : colors) {
            gfx::TBitmap bitmap;
            bitmap.SetSize(16, 16);
            bitmap.Canvas().Brush().SetColor(color);
            bitmap.Canvas().FillRect(rtl::Rect(0, 0, 16, 16));
            images->Add(bitmap);
        }
        Grid->SetGridImages(images);
        Grid->OnImageSelected = [this](rtl::TObject*, int col, int row, int& index) {
            Selected.push_back({col, row, index});
            index += IndexShift;
        };
        Grid->OnImageSelect = [this](rtl::TObject*, int, int, int&) { ++SelectHooks; };
    }
    TGridImageDropDown& Editor() { return *GridImageDropDown(*Grid); }
    void OpenCell(int col, int row) { Open(Editor(), edImagePickerDropDown, col, row); }
    void DropDown()
    {
        Press(ui::VK_DOWN, ui::ssAlt);
        ASSERT_TRUE(Editor().DroppedDown());
        ASSERT_TRUE(Grid->EditorMode());
    }
    // The mouse resting over an item of the open pop-up makes it the hot one.
    void HoverItem(int index)
    {
        TCustomItemSelector& panel = *Editor().ItemSelector()->SelectorPanel();
        const rtl::TRect r = panel.GetItemRect(index);
        ui::THeadlessBackend::MouseMove(&panel, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        ASSERT_EQ(Editor().ItemSelector()->ItemHot(), index);
    }
    int ImageIdx(int col, int row)
    {
        int index = -1;
        Grid->GetImageIdx(col, row, index);
        return index;
    }

    std::vector<TImageCall> Selected;
    int IndexShift = 0;
    int SelectHooks = 0;
};

TEST_F(ImagePickerEditorTest, EnterOnTheOpenPopUpStoresTheHotImageIntoAnImageListCell)
{
    Grid->AddImageIdx(1, 1, 1, haLeft, vaTop);
    OpenCell(1, 1);
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    EXPECT_EQ(Editor().ImageIndex(), 1);
    DropDown();
    HoverItem(3);
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(ImageIdx(1, 1), 3);
    ASSERT_EQ(Selected.size(), 1u);
    EXPECT_EQ(Selected[0].Col, 1);
    EXPECT_EQ(Selected[0].Row, 1);
    EXPECT_EQ(Selected[0].Index, 3);
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);
}

TEST_F(ImagePickerEditorTest, ADataImageCellTakesTheChosenIndexAsTextAfterOnImageSelected)
{
    Grid->SetCells(2, 3, "0");
    Grid->AddDataImage(2, 3, 0, haLeft, vaTop);
    IndexShift = -1;
    OpenCell(2, 3);
    EXPECT_EQ(Editor().ImageIndex(), 0);
    DropDown();
    HoverItem(2);
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    ASSERT_EQ(Selected.size(), 1u);
    EXPECT_EQ(Selected[0].Index, 2);
    EXPECT_EQ(Grid->Cells(2, 3), "1") << "the index as OnImageSelected left it";
}

TEST_F(ImagePickerEditorTest, EscapeAfterAChoiceKeepsTheCellAndCallsNoHookForTheRestore)
{
    Grid->AddImageIdx(1, 2, 1, haLeft, vaTop);
    OpenCell(1, 2);
    DropDown();
    Press(ui::VK_END);
    ASSERT_TRUE(Editor().DroppedDown()) << "End stays with the open pop-up";
    EXPECT_EQ(Editor().ImageIndex(), 3);
    const int hooksBeforeEscape = SelectHooks;
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(ImageIdx(1, 2), 1);
    EXPECT_TRUE(Selected.empty());
    EXPECT_EQ(SelectHooks, hooksBeforeEscape);
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);
}

}  // namespace
