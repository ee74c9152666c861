// The grid's rich edit: owner check, the requested size of the hidden converter and the in-place editor growing its row.
#include "grid/core/ExtRichEdit.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/editing/ExtGridEditLink.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Messages.h"

namespace grid {

namespace {

TExtStringGrid* OwnerGrid(rtl::TComponent* owner)
{
    auto* grid = dynamic_cast<TExtStringGrid*>(owner);
    if (grid == nullptr) throw rtl::EInvalidCast("Invalid class typecast");
    return grid;
}

}  // namespace

TExtRichEdit::TExtRichEdit(rtl::TComponent* AOwner) : ui::TRichEdit(AOwner), FGrid(OwnerGrid(AOwner)) {}

bool TExtRichEdit::IsInplaceEditor() const
{
    return FGrid->HasInplaceRichEdit() && &FGrid->InplaceRichEdit() == this;
}

void TExtRichEdit::WndProc(ui::TMessage& Message)
{
    // A focus change caused by a custom editor's pop-up closing is none of this editor's.
    if (Message.Msg == ui::WM_KILLFOCUS && FGrid->EditLink() != nullptr && FGrid->EditLink()->InvokedFocusChange())
        return;
    // The focus going to the grid ends the edit first: the rich text goes into the cell.
    if (Message.Msg == ui::WM_KILLFOCUS && IsInplaceEditor() && FGrid->SpecialEditorOpen() &&
        ui::TWinControl::FindControl(static_cast<ui::HWND>(Message.WParam)) == FGrid)
        FGrid->HideInplaceEdit();
    ui::TRichEdit::WndProc(Message);
    if (Message.Msg == ui::WM_GETDLGCODE) Message.Result |= ui::DLGC_WANTTAB;
}

void TExtRichEdit::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    const ui::WORD key = Key;
    ui::TRichEdit::KeyDown(Key, Shift);
    if (!IsInplaceEditor() || !Visible()) return;
    if (key == ui::VK_ESCAPE) {
        // Escape discards the edit: the editor gets back the content it opened with, so
        // closing it stores nothing and the cell keeps its text.
        Key = 0;
        SetRtfText(FOpenedRtf);
        FGrid->HideInplaceEdit();
        if (FGrid->CanFocus()) FGrid->SetFocus();
        return;
    }
    const bool tab = key == ui::VK_TAB && (FGrid->Options() & ui::goTabs) != 0;
    const bool upDown = (key == ui::VK_UP || key == ui::VK_DOWN) && !FGrid->WordWrap() && !FGrid->Multilinecells();
    if (!tab && !upDown) return;
    Key = 0;
    // Taking the focus stores the edited text in the cell and closes this editor.
    if (FGrid->CanFocus()) FGrid->SetFocus();
    FGrid->Perform(ui::WM_KEYDOWN, key, 0);
    if (tab) FGrid->ShowInplaceEdit();
}

// The hidden converter records the size; the in-place editor of the current cell grows its
// row while SizeWhileTyping.Height is on, as long as the cell's bottom stays in the grid.
void TExtRichEdit::RequestSize(const rtl::TSize& Size)
{
    if (FGrid->HasState(rtl::csDesigning)) return;
    if (FGrid->HasRichEdit() && &FGrid->RichEdit() == this) {
        FReqWidth = Size.cx;
        FReqHeight = Size.cy;
        return;
    }
    if (!FGrid->HasInplaceRichEdit() || &FGrid->InplaceRichEdit() != this) return;
    if (!FGrid->SizeWhileTyping().Height() || FLocked || FGrowing) return;
    const int h = Size.cy;
    const int row = FGrid->Row();
    if (FGrid->RowHeights(row) >= h + 5) return;
    if (FGrid->CellRect(FGrid->Col(), row).Top + h + 5 >= FGrid->Height()) return;
    // Sizing the editor asks for its size again: that request must not grow the row twice.
    FGrowing = true;
    SetHeight(h + 9);
    FGrowing = false;
    FGrid->SetRowHeights(row, h + 10);
    if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
}

}  // namespace grid
