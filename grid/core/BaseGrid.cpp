// Base grid construction, destruction, settings and the default behaviour of its virtual operations.
#include "grid/core/BaseGrid.h"

#include "platform/gfx/Canvas.h"

namespace grid {

TBaseGrid::TBaseGrid(rtl::TComponent* AOwner)
    : TObjStringGrid(AOwner), FDefFont(std::make_unique<gfx::TFont>()), FDefBrush(std::make_unique<gfx::TBrush>())
{
    SetGridLineWidth(1);
    SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid()
{
    Destroying();
    FDefFont.reset();
    FDefBrush.reset();
    // Every slot the grid ever wrote, not only those inside ColCount x RowCount: cells
    // survive shrinks and hidden columns are stored beyond ColCount, and their property
    // objects are owned all the same.
    if (FHasCellProps) {
        int cols = std::max(ColCount(), FSlotColExtent);
        int rows = std::max(RowCount(), CellStore().RowExtent());
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) FreeSlotObject(c, r, true);
    }
}

void TBaseGrid::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TObjStringGrid::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && FUndoRedo != nullptr &&
        static_cast<const void*>(AComponent) == static_cast<const void*>(FUndoRedo))
        FUndoRedo = nullptr;
}

void TBaseGrid::RepaintCell(int c, int r)
{
    if (c < 0 || r < 0) return;
    RepaintRect(FullCell(c, r));
}

// One invalidation for the whole range, whatever its size (merging a large block
// repaints it once, not once per cell).
void TBaseGrid::RepaintRect(const rtl::TRect& cells)
{
    rtl::TRect box = BoxRect(cells.Left, cells.Top, cells.Right, cells.Bottom);
    if (rtl::IsRectEmpty(box)) return;
    box.Right += FGridLineWidth;
    box.Bottom += FGridLineWidth;
    InvalidateRect(box);
}

// --- settings

void TBaseGrid::SetDefaultDrawing(bool v)
{
    FDefaultDrawing = v;
    TObjStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int v)
{
    FGridLineWidth = v;
    TObjStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(gfx::TColor v)
{
    FGridLineColor = v;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(gfx::TColor v)
{
    FGridFixedLineColor = v;
    Invalidate();
}

namespace {
template <typename T>
bool StoreChanged(T& field, T value)
{
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

void TBaseGrid::SetActiveRowShow(bool v)
{
    if (StoreChanged(FActiveRowShow, v)) Invalidate();
}

void TBaseGrid::SetActiveRowColor(gfx::TColor v)
{
    if (StoreChanged(FActiveRowColor, v)) Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(gfx::TColor v)
{
    if (StoreChanged(FActiveRowColorTo, v)) Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(gfx::TColor v)
{
    if (StoreChanged(FActiveRowMirrorColor, v)) Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(gfx::TColor v)
{
    if (StoreChanged(FActiveRowMirrorColorTo, v)) Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle v)
{
    if (StoreChanged(FSelectionStyle, v)) Invalidate();
}

// --- default behaviour of the virtual operations

bool TBaseGrid::IsFixed(int, int) { return false; }
int TBaseGrid::GetNodeIndent(int) { return 0; }
bool TBaseGrid::HasNodes() { return false; }
void TBaseGrid::FooterRowChanged() {}
void TBaseGrid::UpdateAutoRangeScroll(int, int) {}
bool TBaseGrid::HasCellBorderEvent() { return false; }
bool TBaseGrid::GetUseVCLStyles() { return false; }
ui::TAlignment TBaseGrid::GetDefaultAlignment() { return ui::taLeftJustify; }
int TBaseGrid::RealColIndex(int ACol) { return ACol; }
int TBaseGrid::DisplColIndex(int ACol) { return ACol; }
int TBaseGrid::TotalColCount() const { return ColCount(); }

void TBaseGrid::DrawCellContents(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                                 ui::TGridDrawState)
{
    rtl::TRect r = ARect;
    ACanvas.DrawText(GetCellEx(ACol, ARow), r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

void TBaseGrid::GetDisplText(int ACol, int ARow, std::string& Value)
{
    if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, std::string& Value)
{
    if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDefaultCellProperties(int, int, gfx::TFont& AFont, gfx::TBrush& ABrush, gfx::TColor& ColorTo,
                                         gfx::TColor& MirrorColor, gfx::TColor& MirrorColorTo,
                                         ui::TAlignment& HAlign, TVAlignment& VAlign, bool& WordWrap,
                                         TCellGradientDirection& GradientDirection)
{
    AFont.Assign(&Font());
    ABrush.SetColor(Color());
    ColorTo = clGridNone;
    MirrorColor = clGridNone;
    MirrorColorTo = clGridNone;
    HAlign = GetDefaultAlignment();
    VAlign = vtaTop;
    WordWrap = FWordWrap;
    GradientDirection = GradientVertical;
}

void TBaseGrid::GetVisualProperties(int, int, ui::TGridDrawState&, bool, bool, bool, gfx::TBrush&, gfx::TColor&,
                                    gfx::TColor&, gfx::TColor&, gfx::TFont&, ui::TAlignment&, TVAlignment&, bool&,
                                    TCellGradientDirection&)
{
}

}  // namespace grid
