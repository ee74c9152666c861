// The image picker drop-down: items and choice, the pop-up's item selector, opening,
// picking and cancelling.
#include "grid/dropdown/ExtImagePicker.h"

#include <algorithm>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ItemAppearanceStyle.h"
#include "grid/dropdown/ItemStepping.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Timers.h"

namespace grid {

namespace {

constexpr int kSelectorHeight = 150;
constexpr int kKeySearchMs = 500;

}  // namespace

TExtImagePickerDropDown::TExtImagePickerDropDown(rtl::TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FItems(std::make_unique<TImageItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this))
{
    FItems->OnChange = [](rtl::TObject*) {};
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetCursor(ui::crArrow);
    FKeyTimer = new ui::TTimer(this);
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(kKeySearchMs);
    FKeyTimer->OnTimer = [this](rtl::TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
    // The base made its pop-up before this class existed: the selector is added now.
    CreateDropDownForm();
}

TExtImagePickerDropDown::~TExtImagePickerDropDown()
{
    Destroying();
    if (FKeyTimer != nullptr) FKeyTimer->SetEnabled(false);
}

void TExtImagePickerDropDown::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TExtCustomDropDown::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FItemSelector) FItemSelector = nullptr;
}

// --- choice ---

void TExtImagePickerDropDown::SetItemIndex(int value)
{
    // Every value below the items other than a valid index means no choice.
    value = std::max(value, -1);
    if (value == FItemIndex || value >= FItems->Count()) return;
    FItemIndex = value;
    Invalidate();
    if (OnChange) OnChange(this);
    if (OnSelect) OnSelect(this);
}

int TExtImagePickerDropDown::ImageIndex() const
{
    if (FItemIndex < 0 || FItemIndex >= FItems->Count()) return -1;
    return FItems->Items(FItemIndex)->ImageIndex();
}

void TExtImagePickerDropDown::SetImageIndex(int value)
{
    for (int i = 0; i < FItems->Count(); ++i) {
        if (FItems->Items(i)->ImageIndex() == value) {
            SetItemIndex(i);
            return;
        }
    }
    SetItemIndex(-1);
}

void TExtImagePickerDropDown::SelectFirst()
{
    if (auto index = SteppedItemIndex(FItemIndex, FItems->Count(), TItemStep::First)) SetItemIndex(*index);
}

void TExtImagePickerDropDown::SelectLast()
{
    if (auto index = SteppedItemIndex(FItemIndex, FItems->Count(), TItemStep::Last)) SetItemIndex(*index);
}

void TExtImagePickerDropDown::SelectNext()
{
    if (auto index = SteppedItemIndex(FItemIndex, FItems->Count(), TItemStep::Next)) SetItemIndex(*index);
}

void TExtImagePickerDropDown::SelectPrevious()
{
    if (auto index = SteppedItemIndex(FItemIndex, FItems->Count(), TItemStep::Previous)) SetItemIndex(*index);
}

void TExtImagePickerDropDown::SetComponentStyle(TJyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExtImagePickerDropDown::ApplySelectionColorStyle(TSelectionColorStyle style)
{
    TExtCustomDropDown::ApplySelectionColorStyle(style);
    if (FItemAppearance) FItemAppearance->SetColorStyle(style);
    if (FItemSelector != nullptr) FItemSelector->ItemAppearance().SetColorStyle(style);
}

// --- the pop-up ---

void TExtImagePickerDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (DropDownForm() == nullptr) return;
    if (FItemSelector == nullptr) {
        FItemSelector = new TExtCustomItemSelector(this);
        FItemSelector->SetParent(DropDownForm());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, Width(), kSelectorHeight);
        // The wheel over the open pop-up moves the hot item.
        FItemSelector->OnMouseWheelDown = [this](rtl::TObject*, ui::TShiftState, rtl::TPoint, bool& handled) {
            SelectNextItem();
            handled = true;
        };
        FItemSelector->OnMouseWheelUp = [this](rtl::TObject*, ui::TShiftState, rtl::TPoint, bool& handled) {
            SelectPreviousItem();
            handled = true;
        };
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExtImagePickerDropDown::PrepareSelector()
{
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->SetItemAppearance(FItemAppearance.get());
    TSelectorItems& items = FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < FItems->Count(); ++i) {
        const TImageItem& source = *FItems->Items(i);
        TSelectorItem* item = items.Add();
        item->SetCaption(source.Caption());
        item->SetImage(&source.Image());
        item->SetImageIndex(source.ImageIndex());
        item->SetHint(source.Hint());
    }
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](rtl::TObject*) { ItemSelected(); };
    FItemSelector->SetShowHint(ShowHint());
    FItemSelector->OnDrawItem = nullptr;
    if (OnDrawItem)
        FItemSelector->OnDrawItem = [this](rtl::TObject*, gfx::TCanvas& canvas, rtl::TRect r, int index) {
            OnDrawItem(this, canvas, r, index);
        };
}

bool TExtImagePickerDropDown::SelectorOutOfDate() const
{
    const TSelectorItems& items = FItemSelector->Items();
    if (items.Count() != FItems->Count() || !FItemSelector->OnItemSelect) return true;
    for (int i = 0; i < items.Count(); ++i) {
        const TImageItem& source = *FItems->Items(i);
        if (items.Items(i)->Caption() != source.Caption() || items.Items(i)->ImageIndex() != source.ImageIndex())
            return true;
    }
    return false;
}

void TExtImagePickerDropDown::SyncClosedSelector()
{
    if (SelectorOutOfDate()) {
        PrepareSelector();
        return;
    }
    if (FItemSelector->ItemIndex() == FItemIndex) return;
    FInternalCall = true;
    FItemSelector->SetItemIndex(FItemIndex);
    FInternalCall = false;
}

void TExtImagePickerDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    if (FItemSelector != nullptr) PrepareSelector();
    FOldItemIndex = FItemIndex;
}

void TExtImagePickerDropDown::UpdateDropDownSize()
{
    TDropDownForm* form = DropDownForm();
    if (FItemSelector == nullptr || form == nullptr) {
        TExtCustomDropDown::UpdateDropDownSize();
        return;
    }
    FItemSelector->SetAlign(ui::alNone);
    const rtl::TSize size = FItemSelector->GetSelectorSize();
    const int width = DropDownWidth() <= 0 ? size.cx : FItemSelector->Width();
    const int height = DropDownHeight() <= 0 ? size.cy : FItemSelector->Height();
    FItemSelector->SetBounds(FItemSelector->Left(), FItemSelector->Top(), width, height);
    // Handed over again so that the pop-up is sized from the selector's new size.
    SetControl(nullptr);
    SetControl(FItemSelector);
    TExtCustomDropDown::UpdateDropDownSize();
    if (FItemSelector->ScrollBarState(ui::SB_VERT).Shown)
        form->SetBounds(form->Left(), form->Top(), form->Width() + ui::GetSystemMetrics(ui::SM_CXVSCROLL),
                        form->Height());
}

void TExtImagePickerDropDown::DoShowDropDown()
{
    TExtCustomDropDown::DoShowDropDown();
    if (!DroppedDown() || FItemSelector == nullptr) return;
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
}

void TExtImagePickerDropDown::DoHideDropDown(bool cancel)
{
    TExtCustomDropDown::DoHideDropDown(cancel);
    if (cancel && FItemSelector != nullptr) SetItemIndex(FOldItemIndex);
}

void TExtImagePickerDropDown::ItemSelected()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) HideDropDown(false);
}

void TExtImagePickerDropDown::SelectInSelector(int index)
{
    FInternalCall = true;
    FItemSelector->SetItemIndex(index);
    FInternalCall = false;
}

}  // namespace grid
