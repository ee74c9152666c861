// Option groups of the string grid: find bar, navigation, mouse, synchronised grid, bands, focus helper.
#pragma once

#include <memory>
#include <string>

#include "grid/core/GridEvents.h"
#include "grid/core/GridTypes.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace rtl {
class TComponent;
class TStringList;
class TStrings;
}  // namespace rtl
namespace gfx {
class TFont;
}
namespace ui {
class TStringGrid;
}

// A property that is a plain field: getter Name(), setter SetName(v), field FName.
#define GRID_PLAIN_PROPERTY(Type, Name, Init)        \
public:                                              \
    Type Name() const { return F##Name; }            \
    void Set##Name(Type value) { F##Name = value; }  \
                                                     \
private:                                             \
    Type F##Name = Init;

namespace grid {

// Each group only holds values, copies them in Assign (only from an object of its own
// class; another source is ignored, and no notification fires) and reports changes through
// its own events, which the grid binds when it creates the group.

// Settings of the find bar at the bottom of the grid.
class TSearchFooter : public rtl::TPersistent {
public:
    // InitDesign: the grid is newly placed on a form, so captions and hints take their
    // default texts; a loaded grid takes them from its stored form.
    TSearchFooter(rtl::TComponent* AOwner, bool InitDesign);
    ~TSearchFooter() override;
    TSearchFooter(const TSearchFooter&) = delete;
    TSearchFooter& operator=(const TSearchFooter&) = delete;
    std::string ClassName() const override { return "TSearchFooter"; }
    void Assign(const rtl::TPersistent* Source) override;

    // Setters that fire OnChange on every assignment.
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor value);
    gfx::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(gfx::TColor value);
    const std::string& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const std::string& value);
    const std::string& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const std::string& value);
    gfx::TFont* Font() const { return FFont.get(); }
    // Copies the font's settings.
    void SetFont(const gfx::TFont* value);
    const std::string& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const std::string& value);
    const std::string& HintClose() const { return FHintClose; }
    void SetHintClose(const std::string& value);
    const std::string& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const std::string& value);
    const std::string& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const std::string& value);
    const std::string& HintHighlight() const { return FHintHighLight; }
    void SetHintHighlight(const std::string& value);
    const std::string& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const std::string& value);
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);

    // Setters that fire OnChange only when the value changes.
    TSearchType SearchType() const { return FSearchType; }
    void SetSearchType(TSearchType value);
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool value);
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool value);
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool value);
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool value);
    bool ShowResults() const { return FShowResults; }
    void SetShowResults(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    // Clears LastSearch; fires nothing.
    bool AutoSearch() const { return FAutoSearch; }
    void SetAutoSearch(bool value);

    TNotifyEvent OnChange;

    GRID_PLAIN_PROPERTY(bool, AlwaysHighLight, false)
    GRID_PLAIN_PROPERTY(THighlightType, HighLight, hMatchingText)
    GRID_PLAIN_PROPERTY(bool, IgnoreHTML, true)
    GRID_PLAIN_PROPERTY(bool, IgnoreAccents, false)
    // Takes the position and the total of matches.
    GRID_PLAIN_PROPERTY(std::string, ResultFormat, "(%d of %d)")
    GRID_PLAIN_PROPERTY(bool, SearchActiveColumnOnly, false)
    GRID_PLAIN_PROPERTY(int, SearchColumn, -1)
    GRID_PLAIN_PROPERTY(bool, SearchMatchStart, false)
    GRID_PLAIN_PROPERTY(bool, SearchFixedCells, false)
    GRID_PLAIN_PROPERTY(bool, SearchHiddenRows, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, SearchErrorColor, 0x0000FF)
    GRID_PLAIN_PROPERTY(TSearchDirection, SearchDirection, sdTopBottom)
    GRID_PLAIN_PROPERTY(bool, SearchFromFocusCell, false)
    GRID_PLAIN_PROPERTY(std::string, LastSearch, "")
    GRID_PLAIN_PROPERTY(int, ResultPos, 0)
    GRID_PLAIN_PROPERTY(int, ResultTot, 0)

private:
    void Changed();

    bool FShowFindPrev = true;
    bool FShowFindNext = true;
    std::string FFindNextCaption;
    std::string FFindPrevCaption;
    gfx::TColor FColorTo = gfx::clBtnFace;
    gfx::TColor FColor = 0xFFFFFF;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
    bool FShowClose = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    std::string FMatchCaseCaption;
    std::string FHintClose;
    std::string FHintFindPrev;
    std::string FHintHighLight;
    std::string FHintFindNext;
    bool FAutoSearch = true;
    std::string FHighLightCaption;
    std::unique_ptr<gfx::TFont> FFont;
    bool FShowResults = false;
    TSearchType FSearchType = stSearch;
};

// Keyboard, advance and clipboard behaviour.
class TNavigation : public rtl::TPersistent {
public:
    TNavigation() = default;
    std::string ClassName() const override { return "TNavigation"; }
    // Every published setting except KeepScrollOnSort.
    void Assign(const rtl::TPersistent* Source) override;

    // Fire OnChange when the value changes.
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection value);
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool value);
    // Switching it on also switches AdvanceOnEnter on (no notification).
    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool value);

    TNotifyEvent OnChange;

    GRID_PLAIN_PROPERTY(bool, AllowInsertRow, false)
    GRID_PLAIN_PROPERTY(bool, AllowDeleteRow, false)
    GRID_PLAIN_PROPERTY(bool, AdvanceOnEnter, false)
    GRID_PLAIN_PROPERTY(bool, AutoGotoWhenSorted, false)
    GRID_PLAIN_PROPERTY(bool, AutoGotoIncremental, false)
    GRID_PLAIN_PROPERTY(bool, AutoComboDropSize, false)
    GRID_PLAIN_PROPERTY(bool, AutoComboSelect, true)
    GRID_PLAIN_PROPERTY(bool, AllowClipboardShortCuts, false)
    GRID_PLAIN_PROPERTY(bool, AllowRTFClipboard, false)
    GRID_PLAIN_PROPERTY(bool, AllowSmartClipboard, false)
    GRID_PLAIN_PROPERTY(bool, AllowClipboardAlways, false)
    GRID_PLAIN_PROPERTY(bool, AllowClipboardColGrow, true)
    GRID_PLAIN_PROPERTY(bool, AllowClipboardRowGrow, true)
    GRID_PLAIN_PROPERTY(TClipboardPasteAction, ClipboardPasteAction, paReplace)
    GRID_PLAIN_PROPERTY(bool, CopyHTMLTagsToClipboard, true)
    GRID_PLAIN_PROPERTY(bool, AdvanceAutoEdit, true)
    GRID_PLAIN_PROPERTY(bool, CursorWalkEditor, false)
    GRID_PLAIN_PROPERTY(bool, CursorWalkAlwaysEdit, true)
    GRID_PLAIN_PROPERTY(bool, MoveRowOnSort, false)
    GRID_PLAIN_PROPERTY(bool, KeepScrollOnSort, false)
    GRID_PLAIN_PROPERTY(bool, ImproveMaskSel, false)
    GRID_PLAIN_PROPERTY(bool, AlwaysEdit, false)
    GRID_PLAIN_PROPERTY(TInsertPosition, InsertPosition, pInsertBefore)
    GRID_PLAIN_PROPERTY(bool, LineFeedOnEnter, false)
    GRID_PLAIN_PROPERTY(THomeEndAction, HomeEndKey, heFirstLastColumn)
    GRID_PLAIN_PROPERTY(bool, KeepHorizScroll, false)
    GRID_PLAIN_PROPERTY(bool, AllowFmtClipboard, false)
    GRID_PLAIN_PROPERTY(bool, TabToNextAtEnd, false)
    GRID_PLAIN_PROPERTY(bool, EditSelectAll, true)
    GRID_PLAIN_PROPERTY(TAdvanceDirection, TabAdvanceDirection, adLeftRight)
    GRID_PLAIN_PROPERTY(bool, SkipFixedCells, true)
    GRID_PLAIN_PROPERTY(bool, SkipDisabledRows, true)
    GRID_PLAIN_PROPERTY(bool, AllowCtrlEnter, true)
    GRID_PLAIN_PROPERTY(bool, AppendOnArrowDown, false)
    GRID_PLAIN_PROPERTY(bool, LeftRightRowSelect, true)
    GRID_PLAIN_PROPERTY(bool, MoveScrollOnly, false)
    GRID_PLAIN_PROPERTY(bool, ComboGetUpDown, true)
    GRID_PLAIN_PROPERTY(bool, AdvanceOnEnterLoop, true)
    GRID_PLAIN_PROPERTY(TCursorAdvance, CursorAdvance, caDefault)
    GRID_PLAIN_PROPERTY(bool, AdvanceSkipReadOnlyCells, true)
    GRID_PLAIN_PROPERTY(bool, CursorMoveRows, false)
    GRID_PLAIN_PROPERTY(bool, AllowEditButtonCells, false)
    GRID_PLAIN_PROPERTY(TClipboardCutAction, ClipboardCutAction, caClear)
    GRID_PLAIN_PROPERTY(TToggleTriStateCheck, ToggleTriStateCheck, tsAllStates)
    GRID_PLAIN_PROPERTY(bool, MoveRowOnScroll, false)

private:
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAdvanceInsert = false;
    bool FAdvanceAuto = false;
};

// Mouse behaviour.
class TMouseActions : public rtl::TPersistent {
public:
    explicit TMouseActions(rtl::TComponent* AOwner);
    ~TMouseActions() override;
    TMouseActions(const TMouseActions&) = delete;
    TMouseActions& operator=(const TMouseActions&) = delete;
    std::string ClassName() const override { return "TMouseActions"; }
    // Every published setting except SizeFixedRow, HotmailRowSelect, EditOnDblClickOnly
    // and FixedComboValues; the disjunct selections are copied as fields.
    void Assign(const rtl::TPersistent* Source) override;

    // The three disjunct selections exclude each other only while the grid is designed
    // (OnIsDesigning answers true): switching one on then switches the other two off.
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool value);
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool value);
    // The field without the design-time rule.
    void SetDisjunctRowSelectDirect(bool value) { FDisjunctRowSelect = value; }
    // Switching it on also switches DisjunctRowSelect and CheckAllCheck on; OnInvalidate fires.
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool value);
    // Switching it on fires OnDisableEdit.
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool value);
    // A change fires OnChange.
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction value);
    rtl::TStringList* FixedComboValues() const { return FFixedComboValues.get(); }
    // Copies the strings.
    void SetFixedComboValues(const rtl::TStrings* value);

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnDisableEdit;

    GRID_PLAIN_PROPERTY(bool, ColSelect, false)
    GRID_PLAIN_PROPERTY(bool, RowSelect, false)
    GRID_PLAIN_PROPERTY(bool, AllSelect, false)
    GRID_PLAIN_PROPERTY(bool, DirectEdit, false)
    GRID_PLAIN_PROPERTY(bool, DirectComboDrop, false)
    GRID_PLAIN_PROPERTY(bool, DirectComboClose, false)
    GRID_PLAIN_PROPERTY(bool, DirectDateClose, false)
    GRID_PLAIN_PROPERTY(bool, DirectDateDrop, false)
    GRID_PLAIN_PROPERTY(bool, AllColumnSize, false)
    GRID_PLAIN_PROPERTY(bool, AllRowSize, false)
    GRID_PLAIN_PROPERTY(bool, CaretPositioning, false)
    GRID_PLAIN_PROPERTY(bool, SizeFixedCol, false)
    GRID_PLAIN_PROPERTY(bool, SizeFixedRow, false)
    GRID_PLAIN_PROPERTY(TGridFixedCellEdit, FixedRowsEdit, fceNone)
    GRID_PLAIN_PROPERTY(TGridFixedCellEdit, FixedColsEdit, fceNone)
    GRID_PLAIN_PROPERTY(TGridFixedCellEditor, FixedRowsEditor, fceEdit)
    GRID_PLAIN_PROPERTY(TGridFixedCellEditor, FixedColsEditor, fceEdit)
    GRID_PLAIN_PROPERTY(bool, RangeSelectAndEdit, false)
    GRID_PLAIN_PROPERTY(bool, NoAutoRangeScroll, false)
    GRID_PLAIN_PROPERTY(bool, PreciseCheckBoxCheck, false)
    GRID_PLAIN_PROPERTY(bool, PreciseNodeClick, true)
    GRID_PLAIN_PROPERTY(bool, CheckAllCheck, false)
    GRID_PLAIN_PROPERTY(bool, NodeAllExpandContract, false)
    GRID_PLAIN_PROPERTY(bool, MoveRowOnNodeClick, false)
    GRID_PLAIN_PROPERTY(bool, RowSelectPersistent, false)
    GRID_PLAIN_PROPERTY(bool, SelectOnRightClick, false)
    GRID_PLAIN_PROPERTY(bool, NoScrollOnPartialRow, false)
    GRID_PLAIN_PROPERTY(bool, NoScrollOnPartialCol, false)
    GRID_PLAIN_PROPERTY(int, WheelIncrement, 0)
    GRID_PLAIN_PROPERTY(bool, AutoSizeColOnDblClick, true)
    GRID_PLAIN_PROPERTY(bool, DisjunctRowSelectNoCtrl, false)
    GRID_PLAIN_PROPERTY(bool, DisjunctColSelectNoCtrl, false)
    GRID_PLAIN_PROPERTY(bool, TouchScroll, false)
    GRID_PLAIN_PROPERTY(TWheelActive, WheelActive, waFocus)
    GRID_PLAIN_PROPERTY(bool, AutoFocus, false)
    GRID_PLAIN_PROPERTY(int, PartialScrollDelta, 0)
    GRID_PLAIN_PROPERTY(bool, ToggleNodeOnDblClick, false)

private:
    // Asks OnIsDesigning, the answer preset to false.
    bool IsDesigning();

    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    bool FHotmailRowSelect = false;
    bool FEditOnDblClickOnly = false;
    TWheelAction FWheelAction = waMoveSelection;
    std::unique_ptr<rtl::TStringList> FFixedComboValues;
};

// A second grid that follows this one's scrolling, selection and moves.
class TSyncGrid : public rtl::TPersistent {
public:
    explicit TSyncGrid(rtl::TComponent* AOwner) : FOwner(AOwner) {}
    std::string ClassName() const override { return "TSyncGrid"; }
    void Assign(const rtl::TPersistent* Source) override;

    rtl::TComponent* Owner() const { return FOwner; }
    ui::TStringGrid* Grid() const { return FGrid; }
    // A grid cannot follow itself: the owning grid is ignored. The grid is not owned.
    void SetGrid(ui::TStringGrid* value);

    GRID_PLAIN_PROPERTY(bool, ScrollHorizontal, false)
    GRID_PLAIN_PROPERTY(bool, ScrollVertical, false)
    GRID_PLAIN_PROPERTY(bool, SelectionRow, false)
    GRID_PLAIN_PROPERTY(bool, SelectionColumn, false)
    GRID_PLAIN_PROPERTY(bool, MoveRow, false)
    GRID_PLAIN_PROPERTY(bool, MoveColumn, false)

private:
    rtl::TComponent* FOwner;
    ui::TStringGrid* FGrid = nullptr;
};

// Alternating row colours: PrimaryLength rows in PrimaryColor, then SecondaryLength rows
// in SecondaryColor, repeating.
class TBands : public rtl::TPersistent {
public:
    TBands() = default;
    std::string ClassName() const override { return "TBands"; }
    void Assign(const rtl::TPersistent* Source) override;

    // A change fires OnChange.
    bool Active() const { return FActive; }
    void SetActive(bool value);
    // A change is stored; OnChange fires only while active.
    gfx::TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(gfx::TColor value);
    gfx::TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(gfx::TColor value);
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int value);
    // Always PrimaryLength + SecondaryLength.
    int TotalLength() const { return FTotalLength; }

    TNotifyEvent OnChange;

    GRID_PLAIN_PROPERTY(bool, Print, false)

private:
    void ChangedWhileActive();

    bool FActive = false;
    int FTotalLength = 2;
    int FSecondaryLength = 1;
    int FPrimaryLength = 1;
    gfx::TColor FSecondaryColor = gfx::clWindow;
    gfx::TColor FPrimaryColor = gfx::clInfoBk;
};

// The soft frame shown around the in-place editor while a cell is edited.
class TFocusHelper : public rtl::TPersistent {
public:
    explicit TFocusHelper(rtl::TComponent* AOwner) : FOwner(AOwner) {}
    std::string ClassName() const override { return "TFocusHelper"; }
    rtl::TComponent* Owner() const { return FOwner; }
    void Assign(const rtl::TPersistent* Source) override;

    GRID_PLAIN_PROPERTY(bool, Enabled, false)

private:
    rtl::TComponent* FOwner;
};

}  // namespace grid
