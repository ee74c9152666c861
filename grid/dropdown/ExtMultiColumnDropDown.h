// The multi-column drop-down: a drop-down edit whose pop-up lists its items in columns under a
// header row, with key lookup, auto-completion and keys that move through the list.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/MultiColumnDropDownItems.h"
#include "platform/ui/Grids.h"

namespace gfx {
class TImageList;
}

namespace grid {

class TExtMultiColumnDropDown;

namespace multicolumn {

using TDrawCellEvent =
    std::function<void(rtl::TObject* Sender, int Column, int Row, gfx::TCanvas& ACanvas, rtl::TRect ARect)>;
using TGetCellTextEvent = std::function<void(rtl::TObject* Sender, int Column, int Row, std::string& Text)>;
using TGetCellPropEvent = std::function<void(rtl::TObject* Sender, int Column, int Row, gfx::TFont& Font,
                                             gfx::TColor& AColor, gfx::TColor& AColorTo)>;

// The pop-up's list: a string grid that paints every cell through its drop-down and draws its
// own lines, so the platform grid's line width is kept at 0.
class TExtColGrid : public ui::TStringGrid {
public:
    explicit TExtColGrid(rtl::TComponent* AOwner);
    ~TExtColGrid() override;
    std::string ClassName() const override { return "TExtColGrid"; }

    TExtMultiColumnDropDown* DropDown() const { return FExtDropDown; }
    void SetDropDown(TExtMultiColumnDropDown* value) { FExtDropDown = value; }
    TDropDownColumns& Columns() const { return *FColumns; }
    void SetColumns(const TDropDownColumns* value) { FColumns->Assign(value); }
    gfx::TColor LineColor() const { return FLineColor; }
    void SetLineColor(gfx::TColor value) { FLineColor = value; }
    gfx::TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(gfx::TColor value) { FFixedLineColor = value; }
    gfx::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(gfx::TColor value) { FHeaderColor = value; }
    gfx::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(gfx::TColor value) { FHeaderColorTo = value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value) { FHeaderHeight = value; }
    gfx::TFont& HeaderFont() const { return *FHeaderFont; }
    void SetHeaderFont(const gfx::TFont* value);
    // The grid's own line width: painted by the cells, never by the platform grid.
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value) { FImages = value; }
    bool HoverSelect() const { return FHoverSelect; }
    void SetHoverSelect(bool value) { FHoverSelect = value; }

    // Kept for form descriptions; the drop-down's own events do the work.
    TGetCellTextEvent OnGetCellText;
    TDrawCellEvent OnDrawCell;
    TGetCellPropEvent OnGetCellProp;
    ui::TNotifyEvent OnSelect;

    virtual void DoSelect();

    // The current row was chosen by a key or the mouse (not by the wheel).
    bool FConfirmSelection = false;
    // A wheel step is moving the current row.
    bool FMouseWheelSelection = false;
    int FOldRow = 0;

protected:
    void DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(ui::TShiftState Shift, rtl::TPoint MousePos) override;
    bool DoMouseWheelUp(ui::TShiftState Shift, rtl::TPoint MousePos) override;

private:
    // A press at the edge of the visible cells must not start a drag selection.
    bool PressAtScrollEdge(int X, int Y) const;
    bool WheelStep(bool down, ui::TShiftState Shift, rtl::TPoint MousePos);

    TExtMultiColumnDropDown* FExtDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    gfx::TColor FHeaderColor = 0xFFFFFF;
    gfx::TColor FHeaderColorTo = 0x808080;
    gfx::TColor FLineColor = 0x808080;
    gfx::TImageList* FImages = nullptr;
    int FHeaderHeight = 25;
    std::unique_ptr<gfx::TFont> FHeaderFont;
    gfx::TColor FFixedLineColor = 0xD1BBA4;
    int FGridLineWidth = 1;
    bool FHoverSelect = false;
};

}  // namespace multicolumn

class TExtMultiColumnDropDown : public TExtCustomDropDown {
public:
    explicit TExtMultiColumnDropDown(rtl::TComponent* AOwner);
    ~TExtMultiColumnDropDown() override;
    std::string ClassName() const override { return "TExtMultiColumnDropDown"; }
    // The drop-down edit's copy, then the list settings, the columns, the items and the stored
    // item index (the text stays as it is).
    void Assign(const rtl::TPersistent* Source) override;

    // --- list content ---
    multicolumn::TDropDownColumns& Columns() const { return *FColumns; }
    void SetColumns(const multicolumn::TDropDownColumns* value) { FColumns->Assign(value); }
    multicolumn::TDropDownItems& Items() const { return *FItems; }
    void SetItems(const multicolumn::TDropDownItems* value) { FItems->Assign(value); }
    int RowCount() const { return FItems->Count(); }
    int LookupColumn() const { return FLookupColumn; }
    // Empties the lookup list and builds it again from the items.
    void SetLookupColumn(int value);
    void BeginUpdate() {}
    // Rebuilds the lookup list: items changed at run time reach the auto-completion after it.
    void EndUpdate() { RebuildLookupList(); }
    const rtl::TStringList& LookupItems() const { return *FLookupItems; }
    // The first item whose lookup-column text is exactly Value (case counts), -1 when none.
    int GetItemIndex(const std::string& Value) const;
    int ItemIndex() const { return FItemIndex; }
    // Out-of-range values above the items are ignored; the edit shows the item's lookup text
    // (empty for a negative index).
    void SetItemIndex(int Value);
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value);

    // --- look ---
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool value) { FColumnSizing = value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool value) { FColumnSizeWithDropDown = value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool value) { FDropDownAutoWidth = value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int value) { FDropDownRowHeight = value; }
    gfx::TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(gfx::TColor value) { FFixedLineColor = value; }
    gfx::TColor LineColor() const { return FLineColor; }
    void SetLineColor(gfx::TColor value) { FLineColor = value; }
    gfx::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(gfx::TColor value) { FHeaderColor = value; }
    gfx::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(gfx::TColor value) { FHeaderColorTo = value; }
    gfx::TFont& HeaderFont() const { return *FHeaderFont; }
    void SetHeaderFont(const gfx::TFont* value);
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value) { FHeaderHeight = value; }
    bool HoverSelect() const { return FHoverSelect; }
    void SetHoverSelect(bool value) { FHoverSelect = value; }
    gfx::TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(gfx::TColor value) { FSelectionTextColor = value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool value) { FMatchCase = value; }
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool value) { FMatchStart = value; }

    void SetComponentStyle(TJyxStyle AStyle) override;
    // Line colours of the style first, then the drop-down edit's selection colours.
    void ApplySelectionColorStyle(TSelectionColorStyle style) override;

    multicolumn::TExtColGrid* ColGrid() const { return FExtColGrid; }
    const std::string& LookupEntry() const { return FLookupEntry; }

    ui::TNotifyEvent OnSelect;
    multicolumn::TDrawCellEvent OnDropDownDrawItem;
    multicolumn::TGetCellTextEvent OnDropDownGetItemText;
    multicolumn::TGetCellPropEvent OnDropDownGetItemProp;

protected:
    friend class multicolumn::TExtColGrid;
    void Loaded() override;
    // An image list freed elsewhere is forgotten.
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
    void Change() override;
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool cancel) override;
    void UpdateDropDownSize() override;
    void AdaptDropDownHeight(int& height) override;
    void UpdateDropDownLayout() override;
    void DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift) override;
    void DropDownControlKeyUp(ui::WORD& key, ui::TShiftState shift) override;
    void DropDownControlKeyPress(char32_t& key) override;
    void SelectNextItem() override;
    void SelectPreviousItem() override;
    // Paints one cell of the pop-up's list.
    void DrawGridCell(int ACol, int ARow, rtl::TRect ARect, bool selected);
    // One typed character of the open list: the item it finds, -1 when none.
    int LookupKey(char32_t key);

private:
    void RebuildLookupList();
    std::string LookupText(int item) const;
    int FindItemStartingWith(const std::string& foldedEntry) const;
    void PrepareGrid();
    void AutoSizeColumn(int column);
    void SizeWordWrappedRows();
    void SpreadColumnWidths();
    bool SecondaryListKeys(ui::WORD key);
    void SelectStepped(int index);
    void CompleteFromLookupList();
    void SelectGridRow(int item);
    void GridSelectCell(int ACol, int ARow, bool& CanSelect);
    void GridSelect();

    bool FShowing = false;
    bool FColumnSizing = false;
    int FLookupColumn = 0;
    gfx::TColor FHeaderColorTo = 0x808080;
    gfx::TColor FHeaderColor = 0xFFFFFF;
    gfx::TColor FLineColor = 0xC0C0C0;
    std::unique_ptr<multicolumn::TDropDownItems> FItems;
    std::unique_ptr<multicolumn::TDropDownColumns> FColumns;
    int FItemIndex = -1;
    int FHeaderHeight = 25;
    std::unique_ptr<gfx::TFont> FHeaderFont;
    multicolumn::TExtColGrid* FExtColGrid = nullptr;
    gfx::TColor FFixedLineColor = 0xD1BBA4;
    std::unique_ptr<rtl::TStringList> FLookupItems;
    bool FMatchCase = false;
    bool FMatchStart = true;
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    int FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    gfx::TColor FSelectionTextColor = 0x000000;
    int FDropDownRowHeight = 22;
    std::string FLookupEntry;
    bool FCaseSensitive = false;
    int FOrgIndex = 0;
    bool FHoverSelect = false;
    gfx::TImageList* FImages = nullptr;
};

}  // namespace grid
