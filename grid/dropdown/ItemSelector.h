// The item selector: a scrolling box (TExtCustomItemSelector) holding a panel
// (TCustomItemSelector) that lays items out in columns, paints them and handles the mouse.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/ItemAppearance.h"
#include "grid/dropdown/SelectorItems.h"
#include "platform/ui/Controls.h"

namespace gfx {
class TImageList;
}

namespace grid {

enum TSelectorType { stImage, stColor };
// Where the caption stands relative to the image or colour box.
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

class TExtCustomItemSelector;

using TItemDrawEvent =
    std::function<void(rtl::TObject* Sender, gfx::TCanvas& Canvas, rtl::TRect R, int Index)>;
using TItemSizeEvent = std::function<void(rtl::TObject* Sender, rtl::TSize& Size)>;

// The panel inside the box: sized to its items, all of one size, in a fixed number of columns.
class TCustomItemSelector : public ui::TCustomControl {
public:
    // Raises "Invalid parent" unless the owner is a TExtCustomItemSelector.
    explicit TCustomItemSelector(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TCustomItemSelector"; }

    // --- selection and hot item ---
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int index);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item from the selected one on whose plain, trimmed, upper-cased
    // caption begins with the text (which callers pass upper-cased), wrapping around once.
    bool LookupItem(const std::string& text);

    // --- geometry ---
    rtl::TRect GetItemRect(int index) const;
    int ItemAtPos(int x, int y) const;
    int OffSetX() const { return FOffSetX; }
    int OffSetY() const { return FOffSetY; }
    int ItemOffSetX() const { return FItemOffSetX; }
    int ItemOffSetY() const { return FItemOffSetY; }
    int CaptionGap() const { return FCaptionGap; }

    // --- views of the box's settings ---
    TExtCustomItemSelector* ExtItemSelector() const { return FExtItemSelector; }
    int Columns() const;
    TSelectorItems& Items() const;
    TSelectorType SelectorType() const;
    TItemLayout ItemLayout() const;
    gfx::TImageList* Images() const;
    TSelectionColorStyle ItemColorStyle() const;
    gfx::TColor ItemColorHot() const;
    gfx::TColor ItemColorHotTo() const;
    gfx::TColor ItemColorSelected() const;
    gfx::TColor ItemColorSelectedTo() const;
    int ColorBoxHeight() const;
    int ColorBoxWidth() const;

    virtual void DrawItem(int index, gfx::TCanvas& canvas);
    virtual void GetContentRect(rtl::TRect& rect) const;
    virtual void GetItemSize(rtl::TSize& size);
    virtual void InvalidateItem(int index);
    // Lays the items out and sizes the panel to them.
    virtual void UpdateSize();

    ui::TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void WndProc(ui::TMessage& Message) override;

private:
    bool InRange(int index) const { return index >= 0 && index < Items().Count(); }
    bool IsDisabled(int index) const { return InRange(index) && !Items().Items(index)->Enabled(); }
    void DrawItemNow(int index);
    void DrawItemBackground(int index, gfx::TCanvas& canvas, const rtl::TRect& r);
    void DrawItemContent(int index, gfx::TCanvas& canvas, const rtl::TRect& r);
    bool CaptionMatches(int index, const std::string& text) const;

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 2;
    int FOffSetY = 2;
    int FItemOffSetX = 4;
    int FItemOffSetY = 4;
    int FCaptionGap = 4;
    TExtCustomItemSelector* FExtItemSelector = nullptr;
};

// The scrolling box: owns the items, the appearance and the settings, and scrolls the panel
// when it is taller (or wider) than the box.
class TExtCustomItemSelector : public ui::TCustomControl {
public:
    explicit TExtCustomItemSelector(rtl::TComponent* AOwner);
    ~TExtCustomItemSelector() override;
    std::string ClassName() const override { return "TExtCustomItemSelector"; }

    // --- items and settings ---
    TSelectorItems& Items() const { return *FItems; }
    void SetItems(const TSelectorItems* value) { FItems->Assign(value); }
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType value);
    // Stores only: the items move at the next UpdateSelectorPanel.
    TItemLayout ItemLayout() const { return FItemLayout; }
    void SetItemLayout(TItemLayout value) { FItemLayout = value; }
    int Columns() const { return FColumns; }
    // Values below 1 are ignored.
    void SetColumns(int value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int value);
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value);
    TItemAppearance& ItemAppearance() const { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance* value) { FItemAppearance->Assign(value); }

    // --- selection ---
    int ItemIndex() const;
    // Selects through the panel and scrolls the selected item into view.
    void SetItemIndex(int value);
    int ItemHot() const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const std::string& text);

    // --- panel and scrolling ---
    TCustomItemSelector* SelectorPanel() const { return FItemSelectorPanel; }
    void CreateSelectorPanel();
    void UpdateSelectorPanel();
    // The panel's size, 100 x 50 without a panel.
    rtl::TSize GetSelectorSize() const;
    int GetVisibleItemCount() const;
    void ScrollItemInView(int index);
    // Position of the vertical scroll bar (how far the panel is scrolled up).
    int VertScrollPosition() const;

    ui::TNotifyEvent OnItemSelect;
    TItemDrawEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

protected:
    void WndProc(ui::TMessage& Message) override;
    void Resize() override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    // Shows the scroll bars the panel's size needs and keeps the panel at their positions.
    void UpdateScrollBars();
    void SetScrollPosition(int bar, int position);
    void HandleScroll(int bar, int code, int thumb);
    void PanelItemSelected(rtl::TObject* sender);

    std::unique_ptr<TSelectorItems> FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    gfx::TImageList* FImages = nullptr;
    TCustomItemSelector* FItemSelectorPanel = nullptr;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    int FVertMargin = 0;
    bool FUpdatingScrollBars = false;
};

}  // namespace grid
