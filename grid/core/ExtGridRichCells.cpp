// Rich-text cells of the string grid: the grid's two rich edits, cell RTF loaded and stored, and rich text rendered into cells.
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridCellPaint.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridUnitRoutines.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/RichTextLayout.h"

namespace grid {

// The displayed text: RTF is read as rich text, any other text as plain text, and an empty
// cell empties the control.
void TExtStringGrid::CellToRich(int ACol, int ARow, ui::TRichEdit& RichEdit)
{
    const std::string text = GetCellEx(ACol, ARow);
    if (text.empty()) {
        RichEdit.Clear();
        return;
    }
    RichEdit.SetRtfText(text);
}

void TExtStringGrid::RichToCell(int ACol, int ARow, ui::TRichEdit& RichEdit)
{
    SetCellEx(ACol, ARow, HasState(rtl::csDestroying) ? std::string() : RichEdit.RtfText());
}

TExtRichEdit& TExtStringGrid::RichEdit()
{
    if (FRichEdit == nullptr) {
        FRichEdit = new TExtRichEdit(this);
        FRichEdit->SetVisible(false);
        FRichEdit->SetBounds(0, 0, 0, 0);
        FRichEdit->SetParent(this);
        SetWindowTransparentStyle(FRichEdit);
    }
    return *FRichEdit;
}

TExtRichEdit& TExtStringGrid::InplaceRichEdit()
{
    if (FInplaceRichEdit == nullptr) {
        FInplaceRichEdit = new TExtRichEdit(this);
        FInplaceRichEdit->SetVisible(false);
        FInplaceRichEdit->SetParent(this);
        FInplaceRichEdit->OnSelectionChange = [this](rtl::TObject*) {
            if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
        };
    }
    return *FInplaceRichEdit;
}

void TExtStringGrid::SetXYRTFOffset(const rtl::TPoint& Value)
{
    FXYRTFOffset = Value;
    Invalidate();
}

// Selected for rich text: in the selection but not the focused current cell, or in a
// selected row or column of a disjunct selection.
bool TExtStringGrid::RichCellSelected(int ACol, int ARow)
{
    const TMouseActions& actions = MouseActions();
    if (actions.DisjunctRowSelect()) return RowSelect(actions.RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
    if (actions.DisjunctColSelect()) return ColSelect(ACol);
    if (!IsCellInSelection(ACol, ARow)) return false;
    const bool focusedCurrent =
        ACol == Col() && ARow == Row() && Focused() && (Options() & ui::goDrawFocusSelected) == 0;
    return !focusedCurrent;
}

void TExtStringGrid::RenderCellRTF(int ACol, int ARow, gfx::TCanvas& Canvas, const rtl::TRect& ARect)
{
    RenderCellRTF(ACol, ARow, Canvas, ARect, gfx::ScreenPixelsPerInch);
}

void TExtStringGrid::RenderCellRTF(int ACol, int ARow, gfx::TCanvas& Canvas, const rtl::TRect& ARect,
                                   int PixelsPerInch)
{
    if (HasState(rtl::csDesigning)) return;
    TExtRichEdit& edit = RichEdit();
    CellToRich(ACol, ARow, edit);
    ui::TRichDrawOptions options;
    options.WordWrap = WordWrap();
    options.PixelsPerInch = PixelsPerInch > 0 ? PixelsPerInch : gfx::ScreenPixelsPerInch;
    const bool screen = options.PixelsPerInch == gfx::ScreenPixelsPerInch;
    if (screen && !SelectionRTFKeep() && SelectionTextColor() != gfx::clNone && RichCellSelected(ACol, ARow))
        options.TextColor = SelectionTextColor();
    const int ox = FXYRTFOffset.X * options.PixelsPerInch / gfx::ScreenPixelsPerInch;
    const int oy = FXYRTFOffset.Y * options.PixelsPerInch / gfx::ScreenPixelsPerInch;
    ui::DrawRichText(Canvas, edit.Document(), rtl::TRect{ARect.Left + ox, ARect.Top + oy, ARect.Right - ox, ARect.Bottom - oy},
                     options);
}

// The text stage's rich text: the cell filled with its brush (a selected, unfocused cell
// without selection colour keeps what is under it), then the runs drawn over it.
void TExtStringGrid::DrawRichCellText(TCellPaint& P, const rtl::TRect& R)
{
    gfx::TCanvas& c = P.Canvas;
    c.Pen().SetColor(c.Brush().Color());
    const bool selected = (P.State & ui::gdSelected) != 0;
    const bool focused = (P.State & ui::gdFocused) != 0;
    if (!(selected && !focused && SelectionColor() == clGridNone)) c.FillRect(R);
    c.Brush().SetStyle(gfx::bsClear);
    RenderCellRTF(P.Col, P.Row, c, R);
    c.Brush().SetStyle(gfx::bsSolid);
}

}  // namespace grid
