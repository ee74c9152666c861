// String grid construction: every owned object, its wiring, and the defaults of a new grid.
#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridRunTime.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/core/GridUnitRoutines.h"
#include "grid/data/ExtGridHiddenColumns.h"
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
    FCellFont = std::make_unique<gfx::TFont>();
    FFocusHelper = std::make_unique<TFocusHelper>(this);
    FSearchFooter = std::make_unique<TSearchFooter>(this, FNewlyPlaced);
    FPrintSettings = std::make_unique<TPrintSettings>(this);
    FHTMLSettings = std::make_unique<THTMLSettings>();
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->OnChange = [this](TSender) { NavigationChanged(); };
    FColumnSize = std::make_unique<TColumnSize>(this);
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
    ResizeColumnBooks();
}

void TExtStringGrid::CreateRunTimeObjects()
{
    FRunTime = std::make_unique<TExtGridRunTimeObjects>();
    FRunTime->FocusWindow = std::make_unique<TGridFocusWindow>(this);
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight})
        FRunTime->Arrows[d] = std::make_unique<TArrowWindow>(this, d);
}

TArrowWindow* TExtStringGrid::ArrowWindow(TArrowDirection d) const
{
    return FRunTime != nullptr ? FRunTime->Arrows[d].get() : nullptr;
}

TGridFocusWindow* TExtStringGrid::FocusWindow() const
{
    return FRunTime != nullptr ? FRunTime->FocusWindow.get() : nullptr;
}

}  // namespace grid
