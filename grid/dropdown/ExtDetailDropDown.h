// A drop-down edit whose pop-up lists detail items one per row: image, caption and mini-HTML notes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/DetailItems.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/ItemSelector.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace gfx {
class TImageList;
}

namespace grid {

using TOnDrawSelectedItem = std::function<void(rtl::TObject* Sender, gfx::TCanvas& Canvas, rtl::TRect R)>;

// The edit holds the caption of the selected item; typing completes the caption from the
// items. The pop-up is an item selector of one column whose rows this control paints.
class TExtDetailDropDown : public TExtCustomDropDown {
public:
    explicit TExtDetailDropDown(rtl::TComponent* AOwner);
    ~TExtDetailDropDown() override;
    std::string ClassName() const override { return "TExtDetailDropDown"; }

    // --- items and selection ---
    TDetailItems& Items() const { return *FItems; }
    void SetItems(const TDetailItems* value) { FItems->Assign(value); }
    int ItemIndex() const { return FItemIndex; }
    // An index out of range (other than -1) or equal to the current one is ignored; a valid
    // one shows its caption selected and fires OnSelect; -1 empties the text.
    void SetItemIndex(int value);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    // --- look ---
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value) { FItemHeight = value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout value) { FLayout = value; }
    TItemAppearance& ItemAppearance() const { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance* value) { FItemAppearance->Assign(value); }
    gfx::TFont& CaptionFont() const { return *FCaptionFont; }
    void SetCaptionFont(const gfx::TFont* value) { FCaptionFont->Assign(value); }
    gfx::TFont& NotesFont() const { return *FNotesFont; }
    void SetNotesFont(const gfx::TFont* value) { FNotesFont->Assign(value); }
    ui::TTextLayout ImageVAlign() const { return FImageVAlign; }
    void SetImageVAlign(ui::TTextLayout value) { FImageVAlign = value; }
    // Images of the items that have no picture of their own; not owned.
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value);
    // Completion compares with case when set.
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool value) { FMatchCase = value; }
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool value) { FMatchStart = value; }
    TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }

    void ApplySelectionColorStyle(TSelectionColorStyle style) override;
    // The drop-down edit's colours, then the style's colours for the rows.
    void SetComponentStyle(TJyxStyle AStyle) override;

    ui::TNotifyEvent OnSelect;
    // When assigned it paints every row instead of the control.
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    // The wheel steps: through the items while closed, through the selector's rows while open.
    void SelectNextItem() override;
    void SelectPreviousItem() override;
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool cancel) override;
    // Completes the typed start of a caption from the items.
    void Change() override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    void FillSelector();
    void ItemSelected(rtl::TObject* Sender);
    void RowSize(rtl::TSize& Size);
    void DrawRow(gfx::TCanvas& Canvas, rtl::TRect R, int Index);
    // Moves the open selector's selection without closing the pop-up.
    void MoveSelectorSelection(bool forward);
    void Complete();

    TExtCustomItemSelector* FItemSelector = nullptr;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TDetailItems> FItems;
    int FItemIndex = -1;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    int FOldItemIndex = -1;
    int FItemHeight = 22;
    std::unique_ptr<gfx::TFont> FCaptionFont;
    std::unique_ptr<gfx::TFont> FNotesFont;
    bool FWorkMode = true;
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    bool FMatchCase = false;
    bool FMatchStart = false;
    ui::TTextLayout FImageVAlign = ui::tlCenter;
    gfx::TImageList* FImages = nullptr;
    bool FCompleting = false;
};

}  // namespace grid
