// The grid's image picker cell editor: filled from an image cell, its keys, and the chosen
// image stored back on close.
#include "grid/editing/GridImageDropDown.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridDropDownEditorKeys.h"
#include "grid/editing/GridDropDownEditorMaking.h"
#include "grid/editing/GridEditorContract.h"
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
    : TExtImagePickerDropDown(AOwner), FGrid(RequireGrid(AOwner, "TGridImageDropDown"))
{
}

void TGridImageDropDown::ShowCellImage(int ACol, int ARow, const std::string& text)
{
    FFilling = true;
    FShownCell = text;
    const bool imageList = FGrid->CellTypeInSet(ACol, ARow, {ctImageList});
    FDataImage = FGrid->CellTypeInSet(ACol, ARow, {ctDataImage});
    if (imageList || FDataImage) {
        SetImages(dynamic_cast<gfx::TImageList*>(FGrid->GridImages()));
        if (Items().Count() == 0) AddImagesFromImageList();
        int index = -1;
        if (imageList) FGrid->GetImageIdx(ACol, ARow, index);
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
    int index = ImageIndex();
    const int realCol = FGrid->RealColIndex(ACol);
    if (FGrid->OnImageSelected) FGrid->OnImageSelected(FGrid, realCol, ARow, index);
    if (FGrid->CellTypeInSet(ACol, ARow, {ctImageList})) {
        FGrid->SetImageIdx(ACol, ARow, index);
        FGrid->Invalidate();
    } else if (FGrid->CellTypeInSet(ACol, ARow, {ctDataImage})) {
        FGrid->SetCellFromEditor(realCol, ARow, std::to_string(index));
    }
}

void TGridImageDropDown::RestoreShownImage()
{
    FFilling = true;
    SetImageIndex(FShownIndex);
    FFilling = false;
}

void TGridImageDropDown::Change()
{
    TExtImagePickerDropDown::Change();
    DropDownEditorChanged(*FGrid, Text());
}

void TGridImageDropDown::KeyPress(char32_t& Key)
{
    DropDownEditorKeyPress(*FGrid, *this, Key);
    TExtImagePickerDropDown::KeyPress(Key);
}

void TGridImageDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TExtImagePickerDropDown::DoExit(); });
}

void TGridImageDropDown::WndProc(ui::TMessage& Message)
{
    const auto key = static_cast<ui::WORD>(Message.WParam);
    TExtImagePickerDropDown::WndProc(Message);
    if (Message.Msg == ui::CM_WANTSPECIALKEY && key == ui::VK_TAB && FGrid->GridHandlesTab()) Message.Result = 1;
}

bool TGridImageDropDown::IsNavigationKey(ui::WORD Key) const
{
    if (DroppedDown()) return Key == ui::VK_TAB || Key == ui::VK_RETURN || Key == ui::VK_ESCAPE;
    return IsDropDownNavigationKey(Key);
}

void TGridImageDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    // Enter on the open pop-up takes its hot image before the edit ends.
    HandleOpenEnter(Key);
    // Escape takes back an image chosen during the edit, so closing keeps the cell.
    if (Key == ui::VK_ESCAPE) RestoreShownImage();
    TDropDownEditorKeys keys;
    keys.Value = [this] { return Value(); };
    keys.SetText = [this](const std::string& text) { SetTextDirect(text); };
    keys.ParentKeyDown = [this](ui::WORD& key, ui::TShiftState shift) { TExtImagePickerDropDown::KeyDown(key, shift); };
    keys.IsNavigation = [this](ui::WORD key) { return IsNavigationKey(key); };
    DropDownEditorKeyDown(*FGrid, *this, keys, Key, Shift);
}

}  // namespace grid
