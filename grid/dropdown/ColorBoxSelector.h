// The colour box selector: a palette of small colour boxes in columns, stand-alone or framed
// together as columns of shades, with hot and selected frames and keyboard moves.
#pragma once

#include <memory>
#include <string>

#include "grid/dropdown/ColorBoxItems.h"
#include "grid/dropdown/ColorSelectorPanel.h"
#include "grid/dropdown/ExtDropDownEdit.h"

namespace grid {

class TCustomColorSelector : public TExtCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(rtl::TComponent* AOwner);
    ~TCustomColorSelector() override;
    std::string ClassName() const override { return "TCustomColorSelector"; }

    // --- boxes and look ---
    TColorBoxItems& Items() const { return *FItems; }
    void SetItems(const TColorBoxItems* value) { FItems->Assign(value); }
    TColorBoxAppearance& ColorBoxAppearance() const { return *FColorBoxAppearance; }
    void SetColorBoxAppearance(const TColorBoxAppearance* value) { FColorBoxAppearance->Assign(value); }
    // Clears the boxes and adds the sixty default ones: a row of stand-alone colours and
    // five rows of shades.
    void AddDefaultColorBoxes();
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int value);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle value);

    // --- selection ---
    int ItemIndex() const { return FItemIndex; }
    // Raises the list-index error for an index at or beyond the number of boxes.
    void SetItemIndex(int value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int index);
    gfx::TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first box of that colour, or clears the selection when none has it.
    void SetSelectedColor(gfx::TColor value);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Keys 33 to 40 (page, end, home, arrows) move the selection; Up and Down move by a row
    // while the pop-up is open.
    void HandleKey(ui::WORD key, bool editEditable, bool popupOpen);

    // --- geometry ---
    rtl::TRect GetItemRect(int index) const;
    int ItemAtPos(int x, int y) const;
    virtual void DrawItem(int index, gfx::TCanvas& canvas);
    virtual void GetContentRect(rtl::TRect& rect) const;
    virtual void GetItemSize(rtl::TSize& size) const;
    virtual void UpdateSize();
    virtual void InvalidateItem(int index);

    ui::TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void WndProc(ui::TMessage& Message) override;

private:
    bool InRange(int index) const { return index >= 0 && index < FItems->Count(); }
    bool IsDisabled(int index) const { return InRange(index) && !FItems->Items(index)->Enabled(); }
    void DrawItemNow(int index);
    void DrawBoxFrame(gfx::TCanvas& canvas, const TColorBoxItem& item, const rtl::TRect& r);

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 4;
    int FOffSetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxHeight = 12;
    int FColorBoxWidth = 12;
    std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
    std::unique_ptr<TColorBoxItems> FItems;
    TSelectionColorStyle FItemColorStyle = scCustom;
    gfx::TColor FSelectedColor = gfx::clNone;
};

}  // namespace grid
