// Option groups of the string grid: defaults, notifying setters and copying.
#include "grid/core/GridOptions.h"

#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Grids.h"

namespace grid {

// ---------------------------------------------------------------- TSearchFooter

TSearchFooter::TSearchFooter(rtl::TComponent* /*AOwner*/, bool InitDesign) : FFont(std::make_unique<gfx::TFont>())
{
    if (!InitDesign) return;
    FFindNextCaption = "Find &next";
    FFindPrevCaption = "Find &previous";
    FMatchCaseCaption = "Match case";
    FHintClose = "Close";
    FHintFindPrev = "Find previous occurrence";
    FHintHighLight = "Highlight occurrences";
    FHintFindNext = "Find next occurrence";
    FHighLightCaption = "Highlight";
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed()
{
    if (OnChange) OnChange(this);
}

void TSearchFooter::SetColor(gfx::TColor value)
{
    FColor = value;
    Changed();
}

void TSearchFooter::SetColorTo(gfx::TColor value)
{
    FColorTo = value;
    Changed();
}

void TSearchFooter::SetFindNextCaption(const std::string& value)
{
    FFindNextCaption = value;
    Changed();
}

void TSearchFooter::SetFindPrevCaption(const std::string& value)
{
    FFindPrevCaption = value;
    Changed();
}

void TSearchFooter::SetFont(const gfx::TFont* value)
{
    if (value != nullptr) FFont->Assign(value);
    Changed();
}

void TSearchFooter::SetHighLightCaption(const std::string& value)
{
    FHighLightCaption = value;
    Changed();
}

void TSearchFooter::SetHintClose(const std::string& value)
{
    FHintClose = value;
    Changed();
}

void TSearchFooter::SetHintFindNext(const std::string& value)
{
    FHintFindNext = value;
    Changed();
}

void TSearchFooter::SetHintFindPrev(const std::string& value)
{
    FHintFindPrev = value;
    Changed();
}

void TSearchFooter::SetHintHighlight(const std::string& value)
{
    FHintHighLight = value;
    Changed();
}

void TSearchFooter::SetMatchCaseCaption(const std::string& value)
{
    FMatchCaseCaption = value;
    Changed();
}

void TSearchFooter::SetShowClose(bool value)
{
    FShowClose = value;
    Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    Changed();
}

namespace {
// Stores a changed value and reports whether it changed.
template <typename T>
bool Store(T& field, T value)
{
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

void TSearchFooter::SetSearchType(TSearchType value)
{
    if (Store(FSearchType, value)) Changed();
}

void TSearchFooter::SetShowFindNext(bool value)
{
    if (Store(FShowFindNext, value)) Changed();
}

void TSearchFooter::SetShowFindPrev(bool value)
{
    if (Store(FShowFindPrev, value)) Changed();
}

void TSearchFooter::SetShowHighLight(bool value)
{
    if (Store(FShowHighLight, value)) Changed();
}

void TSearchFooter::SetShowMatchCase(bool value)
{
    if (Store(FShowMatchCase, value)) Changed();
}

void TSearchFooter::SetShowResults(bool value)
{
    if (Store(FShowResults, value)) Changed();
}

void TSearchFooter::SetVisible(bool value)
{
    if (Store(FVisible, value)) Changed();
}

void TSearchFooter::SetAutoSearch(bool value)
{
    FAutoSearch = value;
    FLastSearch.clear();
}

void TSearchFooter::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TSearchFooter*>(Source);
    if (src == nullptr) return;
    FAlwaysHighLight = src->FAlwaysHighLight;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FFindNextCaption = src->FFindNextCaption;
    FFindPrevCaption = src->FFindPrevCaption;
    FFont->Assign(src->FFont.get());
    FHighLight = src->FHighLight;
    FHighLightCaption = src->FHighLightCaption;
    FHintClose = src->FHintClose;
    FHintFindNext = src->FHintFindNext;
    FHintFindPrev = src->FHintFindPrev;
    FHintHighLight = src->FHintHighLight;
    FIgnoreHTML = src->FIgnoreHTML;
    FIgnoreAccents = src->FIgnoreAccents;
    FMatchCaseCaption = src->FMatchCaseCaption;
    FResultFormat = src->FResultFormat;
    FSearchActiveColumnOnly = src->FSearchActiveColumnOnly;
    FSearchColumn = src->FSearchColumn;
    FSearchMatchStart = src->FSearchMatchStart;
    FSearchHiddenRows = src->FSearchHiddenRows;
    FSearchErrorColor = src->FSearchErrorColor;
    FSearchDirection = src->FSearchDirection;
    FSearchFromFocusCell = src->FSearchFromFocusCell;
    FSearchType = src->FSearchType;
    FShowClose = src->FShowClose;
    FShowFindNext = src->FShowFindNext;
    FShowFindPrev = src->FShowFindPrev;
    FShowHighLight = src->FShowHighLight;
    FShowResults = src->FShowResults;
    FShowMatchCase = src->FShowMatchCase;
    FVisible = src->FVisible;
}

// ---------------------------------------------------------------- TNavigation

void TNavigation::SetAdvanceDirection(TAdvanceDirection value)
{
    if (Store(FAdvanceDirection, value) && OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool value)
{
    if (Store(FAdvanceInsert, value) && OnChange) OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool value)
{
    if (!Store(FAdvanceAuto, value)) return;
    if (value) FAdvanceOnEnter = true;
}

void TNavigation::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TNavigation*>(Source);
    if (src == nullptr) return;
    FAllowInsertRow = src->FAllowInsertRow;
    FAllowDeleteRow = src->FAllowDeleteRow;
    FAdvanceOnEnter = src->FAdvanceOnEnter;
    FAdvanceInsert = src->FAdvanceInsert;
    FAutoGotoWhenSorted = src->FAutoGotoWhenSorted;
    FAutoGotoIncremental = src->FAutoGotoIncremental;
    FAutoComboDropSize = src->FAutoComboDropSize;
    FAutoComboSelect = src->FAutoComboSelect;
    FAllowClipboardShortCuts = src->FAllowClipboardShortCuts;
    FAllowRTFClipboard = src->FAllowRTFClipboard;
    FAllowSmartClipboard = src->FAllowSmartClipboard;
    FAllowClipboardAlways = src->FAllowClipboardAlways;
    FAllowClipboardColGrow = src->FAllowClipboardColGrow;
    FAllowClipboardRowGrow = src->FAllowClipboardRowGrow;
    FClipboardPasteAction = src->FClipboardPasteAction;
    FCopyHTMLTagsToClipboard = src->FCopyHTMLTagsToClipboard;
    FAdvanceDirection = src->FAdvanceDirection;
    FAdvanceAuto = src->FAdvanceAuto;
    FAdvanceAutoEdit = src->FAdvanceAutoEdit;
    FCursorWalkEditor = src->FCursorWalkEditor;
    FCursorWalkAlwaysEdit = src->FCursorWalkAlwaysEdit;
    FMoveRowOnSort = src->FMoveRowOnSort;
    FImproveMaskSel = src->FImproveMaskSel;
    FAlwaysEdit = src->FAlwaysEdit;
    FInsertPosition = src->FInsertPosition;
    FLineFeedOnEnter = src->FLineFeedOnEnter;
    FHomeEndKey = src->FHomeEndKey;
    FKeepHorizScroll = src->FKeepHorizScroll;
    FAllowFmtClipboard = src->FAllowFmtClipboard;
    FTabToNextAtEnd = src->FTabToNextAtEnd;
    FEditSelectAll = src->FEditSelectAll;
    FTabAdvanceDirection = src->FTabAdvanceDirection;
    FSkipFixedCells = src->FSkipFixedCells;
    FSkipDisabledRows = src->FSkipDisabledRows;
    FAllowCtrlEnter = src->FAllowCtrlEnter;
    FAppendOnArrowDown = src->FAppendOnArrowDown;
    FLeftRightRowSelect = src->FLeftRightRowSelect;
    FMoveScrollOnly = src->FMoveScrollOnly;
    FComboGetUpDown = src->FComboGetUpDown;
    FAdvanceOnEnterLoop = src->FAdvanceOnEnterLoop;
    FCursorAdvance = src->FCursorAdvance;
    FAdvanceSkipReadOnlyCells = src->FAdvanceSkipReadOnlyCells;
    FCursorMoveRows = src->FCursorMoveRows;
    FAllowEditButtonCells = src->FAllowEditButtonCells;
    FClipboardCutAction = src->FClipboardCutAction;
    FToggleTriStateCheck = src->FToggleTriStateCheck;
    FMoveRowOnScroll = src->FMoveRowOnScroll;
}

// ---------------------------------------------------------------- TMouseActions

TMouseActions::TMouseActions(rtl::TComponent* /*AOwner*/) : FFixedComboValues(std::make_unique<rtl::TStringList>()) {}

TMouseActions::~TMouseActions() = default;

bool TMouseActions::IsDesigning()
{
    bool designing = false;
    if (OnIsDesigning) OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool value)
{
    FDisjunctRowSelect = value;
    if (value && IsDesigning()) {
        FDisjunctColSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctColSelect(bool value)
{
    FDisjunctColSelect = value;
    if (value && IsDesigning()) {
        FDisjunctRowSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctCellSelect(bool value)
{
    FDisjunctCellSelect = value;
    if (value && IsDesigning()) {
        FDisjunctRowSelect = false;
        FDisjunctColSelect = false;
    }
}

void TMouseActions::SetHotmailRowSelect(bool value)
{
    FHotmailRowSelect = value;
    if (value) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool value)
{
    FEditOnDblClickOnly = value;
    if (value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetWheelAction(TWheelAction value)
{
    if (Store(FWheelAction, value) && OnChange) OnChange(this);
}

void TMouseActions::SetFixedComboValues(const rtl::TStrings* value) { FFixedComboValues->Assign(value); }

void TMouseActions::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TMouseActions*>(Source);
    if (src == nullptr) return;
    FColSelect = src->FColSelect;
    FRowSelect = src->FRowSelect;
    FAllSelect = src->FAllSelect;
    FDirectEdit = src->FDirectEdit;
    FDirectComboDrop = src->FDirectComboDrop;
    FDirectComboClose = src->FDirectComboClose;
    FDirectDateClose = src->FDirectDateClose;
    FDirectDateDrop = src->FDirectDateDrop;
    FDisjunctRowSelect = src->FDisjunctRowSelect;
    FDisjunctColSelect = src->FDisjunctColSelect;
    FAllColumnSize = src->FAllColumnSize;
    FAllRowSize = src->FAllRowSize;
    FCaretPositioning = src->FCaretPositioning;
    FSizeFixedCol = src->FSizeFixedCol;
    FDisjunctCellSelect = src->FDisjunctCellSelect;
    FFixedRowsEdit = src->FFixedRowsEdit;
    FFixedColsEdit = src->FFixedColsEdit;
    FFixedRowsEditor = src->FFixedRowsEditor;
    FFixedColsEditor = src->FFixedColsEditor;
    FRangeSelectAndEdit = src->FRangeSelectAndEdit;
    FNoAutoRangeScroll = src->FNoAutoRangeScroll;
    FPreciseCheckBoxCheck = src->FPreciseCheckBoxCheck;
    FPreciseNodeClick = src->FPreciseNodeClick;
    FCheckAllCheck = src->FCheckAllCheck;
    FNodeAllExpandContract = src->FNodeAllExpandContract;
    FMoveRowOnNodeClick = src->FMoveRowOnNodeClick;
    FRowSelectPersistent = src->FRowSelectPersistent;
    FSelectOnRightClick = src->FSelectOnRightClick;
    FNoScrollOnPartialRow = src->FNoScrollOnPartialRow;
    FNoScrollOnPartialCol = src->FNoScrollOnPartialCol;
    FWheelIncrement = src->FWheelIncrement;
    FWheelAction = src->FWheelAction;
    FAutoSizeColOnDblClick = src->FAutoSizeColOnDblClick;
    FDisjunctRowSelectNoCtrl = src->FDisjunctRowSelectNoCtrl;
    FDisjunctColSelectNoCtrl = src->FDisjunctColSelectNoCtrl;
    FTouchScroll = src->FTouchScroll;
    FWheelActive = src->FWheelActive;
    FAutoFocus = src->FAutoFocus;
    FPartialScrollDelta = src->FPartialScrollDelta;
    FToggleNodeOnDblClick = src->FToggleNodeOnDblClick;
}

// ---------------------------------------------------------------- TSyncGrid

void TSyncGrid::SetGrid(ui::TStringGrid* value)
{
    if (value != nullptr && static_cast<rtl::TComponent*>(value) == FOwner) return;
    FGrid = value;
}

void TSyncGrid::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TSyncGrid*>(Source);
    if (src == nullptr) return;
    SetGrid(src->FGrid);
    FScrollVertical = src->FScrollVertical;
    FScrollHorizontal = src->FScrollHorizontal;
    FSelectionColumn = src->FSelectionColumn;
    FSelectionRow = src->FSelectionRow;
    FMoveColumn = src->FMoveColumn;
    FMoveRow = src->FMoveRow;
}

// ---------------------------------------------------------------- TBands

void TBands::SetActive(bool value)
{
    if (Store(FActive, value) && OnChange) OnChange(this);
}

void TBands::ChangedWhileActive()
{
    if (FActive && OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(gfx::TColor value)
{
    if (Store(FPrimaryColor, value)) ChangedWhileActive();
}

void TBands::SetSecondaryColor(gfx::TColor value)
{
    if (Store(FSecondaryColor, value)) ChangedWhileActive();
}

void TBands::SetPrimaryLength(int value)
{
    if (!Store(FPrimaryLength, value)) return;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::SetSecondaryLength(int value)
{
    if (!Store(FSecondaryLength, value)) return;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TBands*>(Source);
    if (src == nullptr) return;
    FActive = src->FActive;
    FPrimaryColor = src->FPrimaryColor;
    FPrimaryLength = src->FPrimaryLength;
    FSecondaryColor = src->FSecondaryColor;
    FSecondaryLength = src->FSecondaryLength;
    FPrint = src->FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}

// ---------------------------------------------------------------- TFocusHelper

void TFocusHelper::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TFocusHelper*>(Source);
    if (src == nullptr) return;
    FEnabled = src->FEnabled;
}

}  // namespace grid
