// The grid's image picker cell editor: filled from an image cell, its keys, and the chosen
// image stored back on close.
#include "grid/editing/GridImageDropDown.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridDropDownEditorMaking.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/NumberText.h"

namespace grid {

TGridImageDropDown* GridImageDropDown(TExtStringGrid& Grid)
{
    TExtStringGrid* grid = &Grid;
    return GridDropDownEditor<TGridImageDropDown>(Grid, [grid](TGridImageDropDown& e) {
        TGridImageDropDown* editor = &e;
        e.OnSelect = [grid, editor](rtl::TObject*) {
            if (editor->Filling()) return;
            int index = editor->ItemIndex();
            grid->ImageSelect(grid->Col(), grid->Row(), index);
        };
    });
}

TGridImageDropDown::TGridImageDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridImageDropDown")
{
}

void TGridImageDropDown::ShowCellImage(int ACol, int ARow, const std::string& text)
{
    TExtStringGrid& grid = Grid();
    FFilling = true;
    FShownCell = text;
    const bool imageList = grid.CellTypeInSet(ACol, ARow, {ctImageList});
    FDataImage = grid.CellTypeInSet(ACol, ARow, {ctDataImage});
    if (imageList || FDataImage) {
        SetImages(dynamic_cast<gfx::TImageList*>(grid.GridImages()));
        if (Items().Count() == 0) AddImagesFromImageList();
        int index = -1;
        if (imageList) grid.GetImageIdx(ACol, ARow, index);
        else index = rtl::StrToIntDef(rtl::Trim(text), -1);
        SetImageIndex(index);
    }
    SetTextDirect(ItemIndex() >= 0 ? Items().Items(ItemIndex())->Caption() : std::string());
    FShownIndex = ImageIndex();
    FFilling = false;
}

std::string TGridImageDropDown::Value() const
{
    if (FDataImage && ImageChosen()) return std::to_string(ImageIndex());
    return FShownCell;
}

void TGridImageDropDown::StoreCellImage(int ACol, int ARow)
{
    if (!ImageChosen()) return;
    TExtStringGrid& grid = Grid();
    int index = ImageIndex();
    const int realCol = grid.RealColIndex(ACol);
    if (grid.OnImageSelected) grid.OnImageSelected(&grid, realCol, ARow, index);
    if (grid.CellTypeInSet(ACol, ARow, {ctImageList})) {
        grid.SetImageIdx(ACol, ARow, index);
        grid.Invalidate();
    } else if (grid.CellTypeInSet(ACol, ARow, {ctDataImage})) {
        grid.SetCellFromEditor(realCol, ARow, std::to_string(index));
    }
}

void TGridImageDropDown::EscapePressed()
{
    FFilling = true;
    SetImageIndex(FShownIndex);
    FFilling = false;
}

bool TGridImageDropDown::IsNavigationKey(ui::WORD Key) const
{
    if (DroppedDown()) return Key == ui::VK_TAB || Key == ui::VK_RETURN || Key == ui::VK_ESCAPE;
    return IsDropDownNavigationKey(Key);
}

}  // namespace grid
