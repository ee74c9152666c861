// The per-cell property object: defaults, base-cell lookup of the merge encoding, copying.
#include "grid/core/BaseGrid.h"

namespace grid {

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow)
{
    if (AOwner != nullptr) {
        FOwnerRowStamp = AOwner->OwnerRowStamp();
        FWordWrap = AOwner->WordWrap();
        AOwner->FHasCellProps = true;
    }
}

TCellProperties::~TCellProperties() = default;

rtl::TPoint TCellProperties::GetBaseCell() const { return BaseCellAt(FOwnerCol, OwnerRow()); }

int TCellProperties::OwnerRow() const
{
    if (FOwnerGrid != nullptr) {
        FOwnerRow = FOwnerGrid->CurrentOwnerRow(FOwnerRow, FOwnerRowStamp);
        FOwnerRowStamp = FOwnerGrid->OwnerRowStamp();
    }
    return FOwnerRow;
}

void TCellProperties::SetOwnerRow(int v)
{
    FOwnerRow = v;
    if (FOwnerGrid != nullptr) FOwnerRowStamp = FOwnerGrid->OwnerRowStamp();
}

rtl::TPoint TCellProperties::BaseCellAt(int ACol, int ARow) const
{
    int spanY = CellSpanY();
    if (!FIsBaseCell && FCellSpanX != -1 && spanY >= 0) return rtl::TPoint{ACol - FCellSpanX, ARow - spanY};
    return rtl::TPoint{ACol, ARow};
}

void TCellProperties::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TCellProperties*>(Source);
    if (src == nullptr) return;
    FIsBaseCell = src->FIsBaseCell;
    FCellSpanX = src->FCellSpanX;
    FCellSpanY = src->CellSpanY();
    SetOwnerRow(src->OwnerRow());
    FOwnerCol = src->FOwnerCol;
    FObject = src->FObject;
    FAlignment = src->FAlignment;
    FBorderColor = src->FBorderColor;
    FBorderWidth = src->FBorderWidth;
    FBrushColor = src->FBrushColor;
    FBrushStyle = src->FBrushStyle;
    FFontColor = src->FFontColor;
    FFontStyle = src->FFontStyle;
    FFontName = src->FFontName;
    FFontHeight = src->FFontHeight;
    FReadOnly = src->FReadOnly;
    FEditor = src->FEditor;
    FVAlignment = src->FVAlignment;
    FWordWrap = src->FWordWrap;
    FNodeLevel = src->FNodeLevel;
    FControl = src->FControl;
    FMergeCollaps = src->FMergeCollaps;
}

void TCellProperties::RepaintOwnerCell()
{
    if (FOwnerGrid != nullptr) FOwnerGrid->RepaintCell(FOwnerCol, OwnerRow());
}

void TCellProperties::SetBrushColor(gfx::TColor v)
{
    FBrushColor = v;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(gfx::TColor v)
{
    FBrushColorTo = v;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment v)
{
    FVAlignment = v;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool v)
{
    FWordWrap = v;
    RepaintOwnerCell();
}

}  // namespace grid
