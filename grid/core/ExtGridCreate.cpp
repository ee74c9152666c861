// String grid construction: every owned object, its wiring, and the defaults of a new grid.
#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridChrome.h"
#include "grid/core/ExtGridRunTime.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/FilterLists.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsOwned.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/core/GridUnitRoutines.h"
#include "grid/data/ExtGridHiddenColumns.h"
#include "grid/editing/GridEditors.h"
#include "grid/editing/ExtGridServices.h"
#include "grid/editing/GridLazyEditors.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "grid/data/ExtGridDragDrop.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Keyboard.h"

namespace grid {

ui::TCursor& HotItemCursor()
{
    static ui::TCursor cursor = ui::crDefault;
    return cursor;
}

TExtStringGrid::TExtStringGrid(rtl::TComponent* AOwner) : TBaseGrid(AOwner)
{
    SetControlStyle(ControlStyle() | ui::csAcceptsControls);
    // Designing, and the owner neither reading nor loading: the grid was just dropped on a form.
    FNewlyPlaced = HasState(rtl::csDesigning) && AOwner != nullptr &&
                   !AOwner->HasState(rtl::csReading) && !AOwner->HasState(rtl::csLoading);
    SetConstructionDefaults();
    CreateOwnedObjects();
    if (!HasState(rtl::csDesigning)) CreateRunTimeObjects();
    HotItemCursor() = ui::crHandPoint;
}

void TExtStringGrid::SetConstructionDefaults()
{
    SetBounds(Left(), Top(), 400, 250);
    TBaseGrid::SetRowCount(10);
    SetDefaultRowHeight(22);
    SetScrollBars(ui::ssBoth);
    FScrollWidth = ui::GetSystemMetrics(ui::SM_CXVSCROLL);
    FIsWinXP = IsWindowsXPOrLater();
    FIsComCtl6 = IsCommonControls6();
    FIsWinVista = HasLocaleInfoEx();
    FIsWin7 = FIsWinVista;
    FStyle = HasState(rtl::csDesigning) ? tsCustom : tsWindowsXP;
    FBorderColor = FIsWinXP ? 0xB99D7F : 0x808080;
    FJyxGradientTo = gfx::ColorToRGB(gfx::clBtnFace);
    FNormalRowCount = RowCount();
    FMaxRowCount = RowCount();
    FMaxColCount = ColCount();
}

void TExtStringGrid::CreateOwnedObjects()
{
    CreateFooterObjects();
    FCellFont = std::make_unique<gfx::TFont>();
    CreateOptionObjects();
    CreateServicesObjects();
    FFocusHelper = std::make_unique<TFocusHelper>(this);
    FSearchFooter = std::make_unique<TSearchFooter>(this, FNewlyPlaced);
    EnsureDragDrop();
    FPrintSettings = std::make_unique<TPrintSettings>(this);
    FHTMLSettings = std::make_unique<THTMLSettings>();
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->OnChange = [this](TSender) { NavigationChanged(); };
    FColumnSize = std::make_unique<TColumnSize>(this);
    BindColumnStretch();
    FBands = std::make_unique<TBands>();
    FBands->OnChange = [this](TSender) { Invalidate(); };
    FMouseActions = std::make_unique<TMouseActions>(this);
    FMouseActions->OnChange = [this](TSender) { MouseActionsChanged(); };
    FMouseActions->OnIsDesigning = [this](TSender, bool& designing) { designing = IsDesigning(); };
    FMouseActions->OnInvalidate = [this](TSender) { InvalidateGrid(); };
    FColumnHeaders = std::make_unique<rtl::TStringList>();
    FColumnHeaders->OnChange = [this](rtl::TObject*) {
        HeadersChanged();
        ShowColumnHeaders();
    };
    FCacheRowHeights = std::make_unique<TIntList>(0, 0);
    FImageCache = std::make_unique<THTMLPictureCache>();
    FOrigColSizes = std::make_unique<TIntList>(0, 0);
    FSuppressColSizes = std::make_unique<TIntList>(0, 0);
    FSuppressRowSizes = std::make_unique<TIntList>(0, 0);
    FFixedFont = std::make_unique<gfx::TFont>();
    FFixedFont->SetName("Tahoma");
    FFixedFont->SetStyle(gfx::TFontStyles{gfx::fsBold});
    FFixedFont->OnChange = [this](rtl::TObject*) { Invalidate(); };
    FActiveCellFont = std::make_unique<gfx::TFont>();
    FActiveCellFont->SetStyle(gfx::TFontStyles{gfx::fsBold});
    if (HasState(rtl::csDesigning)) FActiveCellFont->SetName("Tahoma");
    FActiveCellFont->OnChange = [this](rtl::TObject*) { Invalidate(); };
    FRowHeaders = std::make_unique<rtl::TStringList>();
    FRowHeaders->OnChange = [this](rtl::TObject*) { ShowRowHeaders(); };
    FSortList = std::make_unique<rtl::TStringList>();
    FLookupItems = std::make_unique<rtl::TStringList>();
    FSortIndexes = std::make_unique<TSortIndexList>();
    FSortCrossRefs = std::make_unique<TIntList>(0, 0);
    FUnSortCrossRefs = std::make_unique<TIntList>(0, 0);
    FMergedColumns = std::make_unique<TIntList>(0, 0);
    // Every change of the merged-columns list merges the grid's columns anew.
    FMergedColumns->OnChange = [this](TSender, int, int) { ReMergeColumnCells(); };
    FSelectedCells = std::make_unique<TIntList>(0, 0);
    FSelectedRows = std::make_unique<TIntList>(0, 0);
    FModifiedRows = std::make_unique<TIntList>(0, 0);
    FEnabledRows = std::make_unique<TIntList>(0, 0);
    FRowIndicator = std::make_unique<gfx::TBitmap>();
    FControlList = std::make_unique<TControlList>();
    FSyncGrid = std::make_unique<TSyncGrid>(this);
    FColumnOrder = std::make_unique<TIntList>(0, 0);
    FCellGraphic = std::make_unique<TCellGraphic>();
    FIgnoreColumns = std::make_unique<TIntList>(0, 0);
    FFilterList = std::make_unique<rtl::TStringList>();
    FFilterList->SetSorted(true);
    FFilterList->SetDuplicates(rtl::dupIgnore);
    FHidden = std::make_unique<TExtGridHiddenColumns>();
    FHiddenRows = CreateHiddenRowStore();
    CreateChromeObjects();
    FSearchParts = CreateSearchParts(*this);
    ResizeColumnBooks();
}

// The option objects of the grid with their change events: most ask for a repaint, the
// filter-edit row switches filtering off and empties its row when it is turned on or off.
void TExtStringGrid::CreateOptionObjects()
{
    FOptions = std::make_unique<TExtGridOwnedOptions>();
    TExtGridOwnedOptions& o = *FOptions;
    o.AutoColor = std::make_unique<TAutoColor>();
    o.FloatingFooter = std::make_unique<TFloatingFooter>(this);
    o.FloatingFooter->OnChange = [this](TSender) { Invalidate(); };
    o.FloatingFooter->OnVisibleChange = [this](TSender) { FloatingFooterVisibleChanged(); };
    o.FloatingFooter->OnStyleChange = [this](TSender) { FloatingFooterStyleChanged(); };
    o.SortSettings = std::make_unique<TSortSettings>(this);
    o.DragDropSettings = std::make_unique<TDragDropSettings>(this);
    o.DragScrollOptions = std::make_unique<TDragScrollOptions>();
    o.ControlLook = std::make_unique<TControlLook>(this);
    o.CellNode = std::make_unique<TCellNode>();
    o.CellNode->OnChange = [this](TSender) { Invalidate(); };
    o.CellNode->HasNodes = [this] { return HasNodes(); };
    o.SizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    o.Grouping = std::make_unique<TGrouping>();
    o.BackGround = std::make_unique<TBackGround>();
    o.BackGround->OnChange = [this](TSender) { Invalidate(); };
    o.ProgressAppearance = std::make_unique<TGridProgressAppearance>();
    o.ProgressAppearance->OnChange = [this](TSender) { Invalidate(); };
    o.Filter = std::make_unique<TFilter>(this);
    o.Filter->OnUpdate = [this](int column) {
        if (HasState(rtl::csDestroying) || RowCount() == 0) return;
        if (column > 0 && column < ColCount()) InvalidateCell(column, 0);
        else InvalidateRow(0);
    };
    o.Balloon = std::make_unique<TBalloonSettings>();
    o.ShowModified = std::make_unique<TShowModified>();
    o.ShowModified->OnChange = [this](TSender) {
        if (ColCount() > 0) InvalidateCol(0);
    };
    o.FilterDropDown = std::make_unique<TFilterDropDown>();
    if (FNewlyPlaced) {
        o.FilterDropDown->SetTextChecked("Checked");
        o.FilterDropDown->SetTextUnChecked("Unchecked");
    }
    o.FilterDropDown->OnChange = [this](TSender) { Invalidate(); };
    o.FilterEdit = std::make_unique<TFilterEdit>();
    o.FilterEdit->OnRepaint = [this](TSender) { Invalidate(); };
    o.FilterEdit->OnEnabledChange = [this](TSender) { FilterEditEnabledChanged(); };
    o.HoverButtons = std::make_unique<THoverButtons>();
}

void TExtStringGrid::FilterEditEnabledChanged()
{
    SetFilterActive(false);
    FOptions->Filter->Clear();
    int row = FOptions->FilterEdit->Row();
    if (row < 0 || row >= RowCount()) return;
    for (int c = 0; c < ColCount(); ++c) SetCells(c, row, "");
}

// The floating footer's fsFixedLastRow style shows the grid's last row; the other styles
// add a row of their own while the footer is visible.
void TExtStringGrid::FloatingFooterAdjustRows()
{
    if (HasState(rtl::csDesigning)) return;
    TFloatingFooter& ff = *FOptions->FloatingFooter;
    bool lastRowStyle = ff.FooterStyle() == fsFixedLastRow;
    if ((lastRowStyle || !ff.Visible()) && ff.DidInc()) {
        SetRowCount(RowCount() - 1);
        ff.SetDidInc(false);
    } else if (!lastRowStyle && ff.Visible() && !ff.DidInc()) {
        SetRowCount(RowCount() + 1);
        ff.SetDidInc(true);
    }
}

void TExtStringGrid::FloatingFooterVisibleChanged()
{
    TFloatingFooter& ff = *FOptions->FloatingFooter;
    bool lastRowStyle = ff.FooterStyle() == fsFixedLastRow;
    SetFixedFooters(ff.Visible() && lastRowStyle ? 1 : 0);
    FloatingFooterAdjustRows();
    if (!HasState(rtl::csDesigning) && FixedRows() > 0) SetFixedRowAlways(true);
    SetHideLastRow(lastRowStyle && ff.Visible());
    Invalidate();
}

void TExtStringGrid::FloatingFooterStyleChanged()
{
    FloatingFooterAdjustRows();
    SetHideLastRow(FOptions->FloatingFooter->Visible());
    Invalidate();
}

TControlLook& TExtStringGrid::ControlLook() const { return *FOptions->ControlLook; }
TSortSettings& TExtStringGrid::SortSettings() const { return *FOptions->SortSettings; }
TFilter& TExtStringGrid::Filter() const { return *FOptions->Filter; }
TFilterDropDown& TExtStringGrid::FilterDropDown() const { return *FOptions->FilterDropDown; }
TFilterEdit& TExtStringGrid::FilterEdit() const { return *FOptions->FilterEdit; }
TBackGround& TExtStringGrid::BackGround() const { return *FOptions->BackGround; }
TCellNode& TExtStringGrid::CellNode() const { return *FOptions->CellNode; }
TSizeWhileTyping& TExtStringGrid::SizeWhileTyping() const { return *FOptions->SizeWhileTyping; }
THoverButtons& TExtStringGrid::HoverButtons() const { return *FOptions->HoverButtons; }
TFloatingFooter& TExtStringGrid::FloatingFooter() const { return *FOptions->FloatingFooter; }
TGrouping& TExtStringGrid::Grouping() const { return *FOptions->Grouping; }
TDragDropSettings& TExtStringGrid::DragDropSettings() const { return *FOptions->DragDropSettings; }
TBalloonSettings& TExtStringGrid::Balloon() const { return *FOptions->Balloon; }
TShowModified& TExtStringGrid::ShowModified() const { return *FOptions->ShowModified; }
TDragScrollOptions& TExtStringGrid::DragScrollOptions() const { return *FOptions->DragScrollOptions; }
TGridProgressAppearance& TExtStringGrid::ProgressAppearance() const { return *FOptions->ProgressAppearance; }
TAutoColor& TExtStringGrid::AutoColor() const { return *FOptions->AutoColor; }

void TExtStringGrid::CreateRunTimeObjects()
{
    FRunTime = std::make_unique<TExtGridRunTimeObjects>();
    FRunTime->FocusWindow = std::make_unique<TGridFocusWindow>(this);
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight})
        FRunTime->Arrows[d] = std::make_unique<TArrowWindow>(this, d);
    CreateEditorControls();
}

TArrowWindow* TExtStringGrid::ArrowWindow(TArrowDirection d) const
{
    return FRunTime != nullptr ? FRunTime->Arrows[d].get() : nullptr;
}

void TExtStringGrid::SetArrowColor(gfx::TColor v)
{
    FArrowColor = v;
    if (FRunTime == nullptr) return;
    for (const auto& arrow : FRunTime->Arrows)
        if (arrow != nullptr) arrow->SetColor(v);
}

TGridFocusWindow* TExtStringGrid::FocusWindow() const
{
    return FRunTime != nullptr ? FRunTime->FocusWindow.get() : nullptr;
}

}  // namespace grid
