// String grid lifecycle: freeing, copying, completion of loading, window creation, sizing and scroll bars.
#include <climits>

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
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScrollInfo.h"
#include "platform/ui/Timers.h"

namespace grid {

namespace {
constexpr ui::UINT_PTR GridTimerId = 111;
constexpr unsigned GridTimerPeriodMs = 500;
constexpr unsigned WM_MOUSEWHEEL_ID = 522;
}  // namespace

TExtStringGrid::~TExtStringGrid()
{
    Destroying();
    if (FocusWindowGrid() == this) SetFocusWindowGrid(nullptr, nullptr);
    if (!HasState(rtl::csDesigning)) BalloonDone();
    // The column sizes are saved while every column is still in place. A failing
    // save cannot leave a destructor, so it goes to the application's error box.
    if (FColumnSize->Save()) {
        try {
            SaveColSizes();
        } catch (...) {
            if (ui::TApplication* app = ui::Application()) app->HandleException(this);
        }
    }
    // Hidden columns come back into the grid, so that nothing is left outside the cells
    // the base grid frees; the base grid frees every property object with its graphic.
    if (FHidden != nullptr && !FHidden->Real.empty()) UnHideColumnsAll();
    if (FTimerId != 0 && HandleAllocated()) ui::KillTimer(Handle(), GridTimerId);
    SetCursor(FLoadCursor);
    FRunTime.reset();
}

// --- copying

void TExtStringGrid::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TExtStringGrid*>(Source);
    if (src == nullptr) return;
    AssignSettings(*src);
    AssignCells(Source);
}

void TExtStringGrid::AssignSettings(const TExtStringGrid& src)
{
    Font().Assign(&src.Font());
    FActiveCellColor = src.FActiveCellColor;
    FActiveCellColorTo = src.FActiveCellColorTo;
    FActiveCellFont->Assign(src.FActiveCellFont.get());
    FActiveCellShow = src.FActiveCellShow;
    FActiveRowShow = src.FActiveRowShow;
    FActiveRowColor = src.FActiveRowColor;
    SetAlign(src.Align());
    FAnchorHint = src.FAnchorHint;
    FAutoSizeColumnsOnLoad = src.FAutoSizeColumnsOnLoad;
    const TExtGridOwnedOptions& so = *src.FOptions;
    TExtGridOwnedOptions& o = *FOptions;
    o.FilterDropDown->Assign(so.FilterDropDown.get());
    o.AutoColor->Assign(so.AutoColor.get());
    FMouseActions->Assign(src.FMouseActions.get());
    FNavigation->Assign(src.FNavigation.get());
    o.Grouping->Assign(so.Grouping.get());
    FSearchFooter->Assign(src.FSearchFooter.get());
    FPrintSettings->Assign(src.FPrintSettings.get());
    o.Filter->Assign(so.Filter.get());
    FHTMLSettings->Assign(src.FHTMLSettings.get());
    FBands->Assign(src.FBands.get());
    o.BackGround->Assign(so.BackGround.get());
    o.CellNode->Assign(so.CellNode.get());
    o.SortSettings->Assign(so.SortSettings.get());
    o.DragScrollOptions->Assign(so.DragScrollOptions.get());
    o.DragDropSettings->Assign(so.DragDropSettings.get());
    o.ProgressAppearance->Assign(so.ProgressAppearance.get());
    FColumnSize->Assign(src.FColumnSize.get());
    FSyncGrid->Assign(src.FSyncGrid.get());
    FFocusHelper->Assign(src.FFocusHelper.get());
    o.FilterEdit->Assign(so.FilterEdit.get());
    o.HoverButtons->Assign(so.HoverButtons.get());
    o.ShowModified->Assign(so.ShowModified.get());
    o.ControlLook->Assign(so.ControlLook.get());
    FCommentColor = o.ControlLook->CommentColor();
    o.Balloon->Assign(so.Balloon.get());
    FFixedRowAlways = src.FFixedRowAlways;
    SetColCount(src.ColCount());
    SetRowCount(src.RowCount());
    SetFixedRows(src.FixedRows());
    SetFixedCols(src.FixedCols());
    SetDefaultColWidth(src.DefaultColWidth());
    SetDefaultRowHeight(src.DefaultRowHeight());
    FInvalidEntryTitle = src.FInvalidEntryTitle;
    FInvalidEntryIcon = src.FInvalidEntryIcon;
    FInvalidEntryText = src.FInvalidEntryText;
    SetOptions(src.Options());
    for (int c = 0; c < src.ColCount(); ++c) SetColWidths(c, src.ColWidths(c));
    FColumnHeaders->Assign(src.FColumnHeaders.get());
    for (int r = 0; r < src.RowCount(); ++r) SetRowHeights(r, src.RowHeights(r));
    FScrollProportional = src.FScrollProportional;
    FScrollSynch = src.FScrollSynch;
    FScrollWidth = src.FScrollWidth;
    FScrollBarAlways = src.FScrollBarAlways;
    SetScrollBars(src.ScrollBars());
    FScrollColor = src.FScrollColor;
    // The look comes first: a look may choose its own scroll type, and the copy keeps the source's.
    SetLook(src.FLook);
    SetScrollType(src.FScrollType);
    SetBorderColor(src.FBorderColor);
    FSelectionColor = src.FSelectionColor;
    FSelectionColorTo = src.FSelectionColorTo;
    FSelectionMirrorColor = src.FSelectionMirrorColor;
    FSelectionMirrorColorTo = src.FSelectionMirrorColorTo;
    FSelectionTextColor = src.FSelectionTextColor;
    FSelectionRTFKeep = src.FSelectionRTFKeep;
    FSelectionResizer = src.FSelectionResizer;
    FAutoFilterUpdate = src.FAutoFilterUpdate;
    FAutoHideSelection = src.FAutoHideSelection;
    FAutoNumAlign = src.FAutoNumAlign;
    FAutoThemeAdapt = src.FAutoThemeAdapt;
    FDefaultEditor = src.FDefaultEditor;
    FDisabledFontColor = src.FDisabledFontColor;
    FEditWithTags = src.FEditWithTags;
    FEnableHTML = src.FEnableHTML;
    FEnableBlink = src.FEnableBlink;
    FEnhRowColMove = src.FEnhRowColMove;
    FEnhTextSize = src.FEnhTextSize;
    FExcelStyleDecimalSeparator = src.FExcelStyleDecimalSeparator;
    FFilterDropDownAuto = src.FFilterDropDownAuto;
    FFilterDropDownCheck = src.FFilterDropDownCheck;
    FFilterDropDownClear = src.FFilterDropDownClear;
    FFilterDropDownMultiCol = src.FFilterDropDownMultiCol;
    FFilterDropDownRow = src.FFilterDropDownRow;
    FFixedFooters = src.FFixedFooters;
    FFixedRightCols = src.FFixedRightCols;
    FGridLineColor = src.FGridLineColor;
    FGridLineWidth = src.FGridLineWidth;
    FHighlightColor = src.FHighlightColor;
    FHighlightTextColor = src.FHighlightTextColor;
    FHintColor = src.FHintColor;
    FHintShowCells = src.FHintShowCells;
    FHintShowLargeText = src.FHintShowLargeText;
    FHintShowLargeTextPos = src.FHintShowLargeTextPos;
    FHovering = src.FHovering;
    FHoverRow = src.FHoverRow;
    FHoverRowColor = src.FHoverRowColor;
    FHoverRowColorTo = src.FHoverRowColorTo;
    FIntelliZoom = src.FIntelliZoom;
    FIntelliPan = src.FIntelliPan;
    FIntegralHeight = src.FIntegralHeight;
    FHTMLHint = src.FHTMLHint;
    FHTMLKeepLineBreak = src.FHTMLKeepLineBreak;
    FLookupHistory = src.FLookupHistory;
    FLookup = src.FLookup;
    FLookupItems->Assign(src.FLookupItems.get());
    FLookupCaseSensitive = src.FLookupCaseSensitive;
    FMaxComboLength = src.FMaxComboLength;
    FMaxEditLength = src.FMaxEditLength;
    FMultilinecells = src.FMultilinecells;
}

// Copies every stored cell of the source (texts, and the settings of its property objects
// and comment graphics) into this grid; any other source is ignored.
void TExtStringGrid::AssignCells(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<TExtStringGrid*>(const_cast<rtl::TPersistent*>(Source));
    if (src == nullptr || src == this) return;
    CopyCellsFrom(*src);
}

void TExtStringGrid::CopyCellsFrom(TExtStringGrid& src)
{
    BeginUpdate();
    int cols = src.TotalColCount();
    int rows = src.RowCount();
    FreeCellProperties(0, 0, std::max(cols, TotalColCount()) - 1, std::max(rows, RowCount()) - 1);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            SetGridCell(c, r, src.GetGridCell(c, r));
            const TCellProperties* sp = src.GetCellPropsDirect(c, r);
            if (sp == nullptr) continue;
            TCellProperties* p = GetCellProperties(c, r);
            p->Assign(sp);
            if (const auto* sg = dynamic_cast<const TCellGraphic*>(sp->GraphicObject())) {
                auto graphic = std::make_unique<TCellGraphic>();
                graphic->Assign(sg);
                p->SetGraphicObject(graphic.release());
            }
        }
    }
    EndUpdate();
}

// --- loading

void TExtStringGrid::Loaded()
{
    TBaseGrid::Loaded();
    FLoadCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    if (FLook == glJyx) {
        FLook = glCustom;
        SetLook(glJyx);
    }
    if (FAutoSizeColumnsOnLoad) AutoSizeColumns(false, 4);
    if (FColumnSize->Save()) LoadColSizes();
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    FMaxColCount = std::max(FMaxColCount, ColCount());
    FLoaded = true;
    if (Options() & ui::goAlwaysShowEditor) {
        FNavigation->SetAlwaysEdit(true);
        SetOptions(Options() & ~ui::goAlwaysShowEditor);
    }
    // Systems before XP have no themes to draw controls with.
    if (!FIsWinXP && FOptions->ControlLook->ControlStyle() == csTheme && !HasState(rtl::csDesigning))
        FOptions->ControlLook->SetControlStyle(csClassic);
    ApplyScrollBarAlways(false);
    FDisjunctRect = rtl::TRect{-1, -1, -1, -1};
    InitOrigColSizes();
    SetColumnOrder();
    if (Balloon().Enable()) BalloonInit();
    ApplyStyleServiceColors(false);
}

// --- window

void TExtStringGrid::CreateWnd()
{
    if (HasState(rtl::csDestroying)) return;
    TBaseGrid::CreateWnd();
    if (DragDropSettings().OleDropTarget() && !HasState(rtl::csDesigning)) RegisterOleDropTarget();
    ParentFooterPanel();
    if (Parent() == nullptr) return;
    if (!HasState(rtl::csDesigning)) {
        double scale = gfx::ScreenPixelsPerInch / 96.0;
        FScaleFactor = scale < 1.0 ? 1.0 : scale;
        if (!HasState(rtl::csLoading)) ApplyStyleServiceColors(false);
        if (Balloon().Enable()) BalloonInit();
    }
    if (FColumnSize->Save()) LoadColSizes();
    FTimerId = static_cast<int>(ui::SetTimer(Handle(), GridTimerId, GridTimerPeriodMs));
    if (HasState(rtl::csDesigning) && !FLoaded && !HasState(rtl::csLoading)) Font().SetName("Tahoma");
    InitMouseWheel(true);
    CreateChromeWindowParts();
}

void TExtStringGrid::DestroyWnd()
{
    if (FTimerId != 0) {
        ui::KillTimer(Handle(), GridTimerId);
        FTimerId = 0;
    }
    if (!HasState(rtl::csDesigning)) BalloonDone();
    TBaseGrid::DestroyWnd();
}

void TExtStringGrid::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!HasState(rtl::csLoading) && FOptions != nullptr && FloatingFooter().Visible()) UpdateFooter();
}

void TExtStringGrid::Resize()
{
    TBaseGrid::Resize();
    if (OnResize) OnResize(this);
    // A gradient background spans the whole grid, so a new size changes every cell's colours.
    // (Construction sizes the grid before its option objects exist.)
    const TBackGround* bg = FOptions != nullptr ? FOptions->BackGround.get() : nullptr;
    if (bg != nullptr && (bg->Display() == bdGradientHorz || bg->Display() == bdGradientVert) && bg->ColorTo() != gfx::clNone)
        Invalidate();
    ApplyScrollBarAlways(false);
    CellControlsUpdate(false);
    InitMouseWheel(false);
}

void TExtStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    int h = DefaultRowHeight();
    if (FIntegralHeight && FUpdateCount == 0 && h > 0) {
        bool allColsFit = VisibleColCount() + FixedCols() >= ColCount();
        int s = allColsFit ? 0 : ui::GetSystemMetrics(ui::SM_CYHSCROLL);
        int b = BorderStyle() == ui::bsSingle ? 2 : 0;
        int inner = AHeight - s - b;
        AHeight = (inner / h) * h + s + 2 * b;
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TExtStringGrid::SetBorderColor(gfx::TColor v)
{
    if (FBorderColor == v) return;
    FBorderColor = v;
    if (Parent() != nullptr && Parent()->HandleAllocated()) TBaseGrid::Invalidate();
}

void TExtStringGrid::SetHeaderGradientColor(gfx::TColor& field, gfx::TColor v)
{
    // "No colour" stays itself; a system colour becomes its current RGB value.
    field = gfx::IsSystemColor(v) ? gfx::ColorToRGB(v) : v;
    Invalidate();
}

void TExtStringGrid::SetScrollBarAlways(TScrollBarAlways v)
{
    FScrollBarAlways = v;
    ApplyScrollBarAlways(true);
}

void TExtStringGrid::ApplyScrollBarAlways(bool HideUnneeded)
{
    if (!HandleAllocated()) return;
    bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
    bool hasVert = ScrollBars() == ui::ssVertical || ScrollBars() == ui::ssBoth;
    bool hasHorz = ScrollBars() == ui::ssHorizontal || ScrollBars() == ui::ssBoth;
    if (FScrollBarAlways != saNone) {
        if (rowsFit && hasVert)
            ui::ShowScrollBar(Handle(), ui::SB_VERT, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
        if (colsFit && hasHorz)
            ui::ShowScrollBar(Handle(), ui::SB_HORZ, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
        ui::EnableScrollBar(Handle(), ui::SB_VERT, !rowsFit);
        ui::EnableScrollBar(Handle(), ui::SB_HORZ, !colsFit);
        return;
    }
    if (!HideUnneeded) return;
    if (rowsFit) ui::ShowScrollBar(Handle(), ui::SB_VERT, false);
    if (colsFit) ui::ShowScrollBar(Handle(), ui::SB_HORZ, false);
}

void TExtStringGrid::InitMouseWheel(bool)
{
    FWheelMessage = WM_MOUSEWHEEL_ID;
    FWheelPan = false;
    unsigned lines = 3;
    if (!ui::SystemParametersInfo(ui::SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
    // The setting's "one screen per notch" value scrolls by the visible rows.
    FWheelScrollLines = lines == UINT_MAX ? VisibleRowCount() : static_cast<int>(lines);
}

void TExtStringGrid::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TBaseGrid::Notification(AComponent, Operation);
    if (Operation != rtl::opRemove) return;
    // A linked component that is freed is forgotten, never used afterwards.
    for (rtl::TComponent** link : {&FPublished.FixedDropDownMenu, &FPublished.PopupToolBar, &FPublished.GridImages,
                                   &FPublished.PictureContainer, &FPublished.CellChecker})
        if (*link == AComponent) *link = nullptr;
    if (AComponent == FEditLinkComponent) {
        FEditLinkComponent = nullptr;
        FEditLink = nullptr;
    }
}

}  // namespace grid
