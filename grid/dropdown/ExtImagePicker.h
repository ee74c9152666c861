// The image picker drop-down: the chosen image centred in the edit, and a pop-up item
// selector of images in columns, filled from an image list, from picture files or in code.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/ImageItems.h"
#include "grid/dropdown/ItemSelector.h"

namespace ui {
class TTimer;
}

namespace grid {

using TOnDrawSelectedItem = std::function<void(rtl::TObject* Sender, gfx::TCanvas& Canvas, rtl::TRect R)>;

// The edit cannot be typed in; keys move the choice (Up and Down by a row of Columns while
// open), letters look a caption up, and the wheel steps through the items.
class TExtImagePickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtImagePickerDropDown(rtl::TComponent* AOwner);
    ~TExtImagePickerDropDown() override;
    std::string ClassName() const override { return "TExtImagePickerDropDown"; }

    // --- items and choice ---
    TImageItems& Items() const { return *FItems; }
    void SetItems(const TImageItems* value) { FItems->Assign(value); }
    int ItemIndex() const { return FItemIndex; }
    // Ignored when equal to the choice or not below the item count; otherwise repaints and
    // fires OnChange, then OnSelect.
    void SetItemIndex(int value);
    // The chosen item's image index, -1 without a choice.
    int ImageIndex() const;
    // Chooses the first item with that image index, or none.
    void SetImageIndex(int value);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    // One item per image of Images, with image indexes 0, 1, ... (nothing without a list).
    void AddImagesFromImageList();
    // One item per entry (files and folders, never "." and "..") that the path and name
    // pattern find, the name matched without regard to case, in name order. Each item's
    // picture is loaded from its file; with SetImageCaption a loaded item is captioned with
    // the file name. A file that does not load gives an item with an empty picture and no
    // caption, without error.
    void AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption);

    // --- look ---
    // Columns of the pop-up, and the step of Up and Down while it is open.
    int Columns() const { return FColumns; }
    void SetColumns(int value) { FColumns = value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout value) { FLayout = value; }
    TItemAppearance& ItemAppearance() const { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance* value) { FItemAppearance->Assign(value); }
    TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }

    void ApplySelectionColorStyle(TSelectionColorStyle style) override;
    // The drop-down edit's style, then the same style on the items' appearance.
    void SetComponentStyle(TJyxStyle AStyle) override;

    ui::TNotifyEvent OnSelect;
    // When assigned it paints the edit's image area instead of the control.
    TOnDrawSelectedItem OnDrawSelectedImage;
    // When assigned at opening it paints the pop-up's items (Sender: this control).
    TItemDrawEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool cancel) override;
    void SelectNextItem() override;
    void SelectPreviousItem() override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void Paint() override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    // Enter on the open pop-up picks its hot item (choosing it and closing); true when it did.
    bool HandleOpenEnter(ui::WORD key);

private:
    // Hands the selector the items and settings of the control (the preparation of opening).
    void PrepareSelector();
    // A closed selector still holding other items than the control's is prepared again;
    // otherwise its selection is brought to the choice.
    void SyncClosedSelector();
    bool SelectorOutOfDate() const;
    void ItemSelected();
    // Selects a selector item without closing the pop-up and scrolls it into view.
    void SelectInSelector(int index);
    void HandleKey(ui::WORD key, bool enterHandled);
    void PageKey(ui::WORD key);
    void ColumnKey(ui::WORD key);
    void TypeAhead(ui::WORD key);
    void DrawSelectedImage(gfx::TCanvas& canvas);

    TExtCustomItemSelector* FItemSelector = nullptr;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TImageItems> FItems;
    int FItemIndex = -1;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    ui::TTimer* FKeyTimer = nullptr;
    std::string FCurSearch;
    int FOldItemIndex = -1;
};

}  // namespace grid
