// The detail drop-down: detail items in an item selector, rows painted here, completion from the captions.
#include "grid/dropdown/ExtDetailDropDown.h"

#include <algorithm>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ItemAppearanceStyle.h"
#include "grid/dropdown/ItemStepping.h"
#include "grid/foundation/EsgHTMLE.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr int SelectorHeight = 150;
constexpr int DefaultPopupHeight = 100;
constexpr std::size_t MaxCaptionChars = 255;

std::u32string U32(const std::string& s)
{
    return rtl::Utf8Decode(s);
}

std::string U8(const std::u32string& s)
{
    return rtl::Utf8Encode(s);
}

}  // namespace

TExtDetailDropDown::TExtDetailDropDown(rtl::TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FItems(std::make_unique<TDetailItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)),
      FCaptionFont(std::make_unique<gfx::TFont>()),
      FNotesFont(std::make_unique<gfx::TFont>())
{
    FItems->OnChange = [](rtl::TObject*) {};
    FCaptionFont->Assign(&Font());
    FNotesFont->Assign(&Font());
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
    // The base made its pop-up before this class existed: the selector is added now.
    CreateDropDownForm();
}

TExtDetailDropDown::~TExtDetailDropDown() = default;

void TExtDetailDropDown::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TExtCustomDropDown::Notification(AComponent, Operation);
    if (Operation != rtl::opRemove) return;
    if (AComponent == FItemSelector) FItemSelector = nullptr;
    if (AComponent == FImages) {
        FImages = nullptr;
        if (FItemSelector != nullptr) FItemSelector->SetImages(nullptr);
    }
}

void TExtDetailDropDown::SetImages(gfx::TImageList* value)
{
    FImages = value;
    // Told when the list is freed, so that no row draws from a dead list.
    if (value != nullptr) value->FreeNotification(this);
    Invalidate();
}

// --- the pop-up ---

void TExtDetailDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (DropDownForm() == nullptr) return;
    if (FItemSelector == nullptr) {
        FItemSelector = new TExtCustomItemSelector(this);
        FItemSelector->SetParent(DropDownForm());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, Width(), SelectorHeight);
        FItemSelector->OnDrawItem = [this](rtl::TObject*, gfx::TCanvas& canvas, rtl::TRect r, int index) {
            DrawRow(canvas, r, index);
        };
        FItemSelector->OnItemSize = [this](rtl::TObject*, rtl::TSize& size) { RowSize(size); };
        FItemSelector->OnResize = [this](rtl::TObject*) {
            if (FItemSelector != nullptr) FItemSelector->UpdateSelectorPanel();
        };
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExtDetailDropDown::FillSelector()
{
    TSelectorItems& items = FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < FItems->Count(); ++i) {
        const TDetailItem& detail = *FItems->Items(i);
        TSelectorItem* item = items.Add();
        item->SetCaption(detail.Caption());
        item->SetImage(&detail.Image());
        item->SetImageIndex(detail.ImageIndex());
    }
}

void TExtDetailDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    if (FItemSelector != nullptr) {
        FItemSelector->OnItemSelect = nullptr;
        FItemSelector->SetColumns(1);
        FItemSelector->SetImages(FImages);
        FItemSelector->SetItemLayout(FLayout);
        FItemSelector->SetColor(DropDownColor());
        FItemSelector->SetItemAppearance(FItemAppearance.get());
        FillSelector();
        FItemSelector->UpdateSelectorPanel();
        FItemSelector->SetItemIndex(FItemIndex);
        FItemSelector->OnItemSelect = [this](rtl::TObject* sender) { ItemSelected(sender); };
    }
    FOldItemIndex = FItemIndex;
}

void TExtDetailDropDown::UpdateDropDownSize()
{
    if (FItemSelector != nullptr) {
        FItemSelector->SetAlign(ui::alNone);
        const int width = DropDownWidth() <= 0 ? Width() : FItemSelector->Width();
        const int height = DropDownHeight() <= 0 ? DefaultPopupHeight : FItemSelector->Height();
        FItemSelector->SetBounds(FItemSelector->Left(), FItemSelector->Top(), width, height);
        // Handed over again so that the pop-up is sized from the selector's new size.
        SetControl(nullptr);
        SetControl(FItemSelector);
    }
    TExtCustomDropDown::UpdateDropDownSize();
}

void TExtDetailDropDown::DoShowDropDown()
{
    TExtCustomDropDown::DoShowDropDown();
    if (!DroppedDown() || FItemSelector == nullptr) return;
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
    if (FItemSelector->CanFocus()) FItemSelector->SetFocus();
}

void TExtDetailDropDown::DoHideDropDown(bool cancel)
{
    TExtCustomDropDown::DoHideDropDown(cancel);
    if (cancel && FItemSelector != nullptr && FOldItemIndex != -1) SetItemIndex(FOldItemIndex);
}

void TExtDetailDropDown::ItemSelected(rtl::TObject*)
{
    const int index = FItemSelector->ItemIndex();
    if (index < 0) return;
    SetItemIndex(index);
    if (!FInternalCall) HideDropDown(false);
}

// --- selection ---

void TExtDetailDropDown::SetItemIndex(int value)
{
    if (value == FItemIndex || value >= FItems->Count() || value < -1) return;
    FItemIndex = value;
    // The text is the item's caption as it stands: no completion runs on it.
    FCompleting = true;
    SetText(value >= 0 ? FItems->Items(value)->Caption() : std::string());
    FCompleting = false;
    if (value < 0) return;
    SelectAll();
    Invalidate();
    if (FItemSelector != nullptr) FItemSelector->Invalidate();
    if (OnSelect) OnSelect(this);
}

void TExtDetailDropDown::SelectFirst()
{
    if (auto index = SteppedItemIndex(FItemIndex, FItems->Count(), TItemStep::First)) SetItemIndex(*index);
}

void TExtDetailDropDown::SelectLast()
{
    if (auto index = SteppedItemIndex(FItemIndex, FItems->Count(), TItemStep::Last)) SetItemIndex(*index);
}

void TExtDetailDropDown::SelectNext()
{
    if (auto index = SteppedItemIndex(FItemIndex, FItems->Count(), TItemStep::Next)) SetItemIndex(*index);
}

void TExtDetailDropDown::SelectPrevious()
{
    if (auto index = SteppedItemIndex(FItemIndex, FItems->Count(), TItemStep::Previous)) SetItemIndex(*index);
}

void TExtDetailDropDown::MoveSelectorSelection(bool forward)
{
    FInternalCall = true;
    if (FItemSelector->ItemIndex() < 0) FItemSelector->SetItemIndex(0);
    else if (forward) FItemSelector->SelectNext();
    else FItemSelector->SelectPrevious();
    FInternalCall = false;
    Invalidate();
}

void TExtDetailDropDown::SelectNextItem()
{
    if (!DroppedDown() || FItemSelector == nullptr) SelectNext();
    else MoveSelectorSelection(true);
}

void TExtDetailDropDown::SelectPreviousItem()
{
    if (!DroppedDown() || FItemSelector == nullptr) SelectPrevious();
    else MoveSelectorSelection(false);
}

// --- styles ---

void TExtDetailDropDown::ApplySelectionColorStyle(TSelectionColorStyle style)
{
    TExtCustomDropDown::ApplySelectionColorStyle(style);
    // Kept in the control's appearance too, which the selector copies at every opening.
    FItemAppearance->SetColorStyle(style);
    if (FItemSelector != nullptr) FItemSelector->ItemAppearance().SetColorStyle(style);
}

void TExtDetailDropDown::SetComponentStyle(TJyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

// --- rows ---

void TExtDetailDropDown::RowSize(rtl::TSize& Size)
{
    int width = DropDownWidth() > 0 ? DropDownWidth() : DropDownForm()->Width();
    // The selector shows its vertical scroll bar when the rows are taller than it.
    const TCustomItemSelector* panel = FItemSelector->SelectorPanel();
    const int offset = panel != nullptr ? panel->OffSetY() : 0;
    if (FItems->Count() * FItemHeight + 2 * offset > FItemSelector->ClientHeight())
        width -= ui::GetSystemMetrics(ui::SM_CXVSCROLL);
    width -= 2 * ui::GetSystemMetrics(ui::SM_CXBORDER) + 4;
    Size = {width, FItemHeight};
}

void TExtDetailDropDown::DrawRow(gfx::TCanvas& Canvas, rtl::TRect R, int Index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems->Count()) return;
    const TDetailItem& item = *FItems->Items(Index);
    rtl::TRect text = R;
    const bool picture = !item.Image().Empty();
    const bool listImage = !picture && FImages != nullptr && item.ImageIndex() >= 0;
    if (picture || listImage) {
        const int w = picture ? item.Image().Width() : FImages->Width();
        const int h = picture ? item.Image().Height() : FImages->Height();
        const int x = item.Caption().empty() ? R.Left + (R.Width() - w) / 2 : R.Left + 2;
        int y = R.Top + (R.Height() - h) / 2;
        if (FImageVAlign == ui::tlTop) y = R.Top;
        else if (FImageVAlign == ui::tlBottom) y = R.Top + R.Height() - h;
        if (picture) {
            gfx::TGraphic* graphic = item.Image().Graphic();
            if (dynamic_cast<gfx::TBitmap*>(graphic) != nullptr) graphic->SetTransparent(true);
            Canvas.Draw(x, y, *graphic);
        } else {
            FImages->Draw(Canvas, x, y, item.ImageIndex(), item.Enabled());
        }
        text.Left += w + 4;
    }
    const bool hot = FItemSelector != nullptr && FItemSelector->ItemHot() == Index;
    const bool selected = FItemSelector != nullptr && FItemSelector->ItemIndex() == Index;
    auto takeFont = [&](const gfx::TFont& font) {
        Canvas.Font().Assign(&font);
        if (hot) Canvas.Font().SetColor(FItemAppearance->ColorHotText());
        if (selected) Canvas.Font().SetColor(FItemAppearance->ColorSelectedText());
    };
    takeFont(*FCaptionFont);
    Canvas.Brush().SetStyle(gfx::bsClear);
    text.Left += 4;
    text.Right -= 4;
    text.Top += 2;
    rtl::TRect caption = text;
    Canvas.DrawText(item.Caption(), caption, gfx::DT_LEFT | gfx::DT_TOP | gfx::DT_SINGLELINE | gfx::DT_END_ELLIPSIS);
    if (item.Notes().empty()) return;
    text.Top += Canvas.TextHeight("gh");
    takeFont(*FNotesFont);
    THtmlRenderOptions options;
    options.ImageList = FImages;
    options.WrapWords = true;
    options.AnchorColor = 0xFF0000;
    options.HoverBackColor = gfx::clNone;
    options.HoverTextColor = gfx::clNone;
    options.ShadowColor = 0x808080;
    options.ShadowShift = 2;
    options.Zoom = 1.0;
    THtmlRenderResult result;
    RenderHtmlText(Canvas, item.Notes(), text, options, result);
}

// --- keys and completion ---

void TExtDetailDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (FItems->Count() == 0) {
        TExtCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    // Deleting switches the completion off until another key is pressed.
    FWorkMode = !(Key == ui::VK_BACK || Key == ui::VK_ESCAPE || Key == ui::VK_DELETE);
    if (Key == ui::VK_RETURN) {
        const int index = FItems->IndexOf(Text());
        if (index >= 0) {
            FCompleting = true;
            SetText(FItems->Items(index)->Caption());
            FCompleting = false;
            SetItemIndex(index);
            Change();
        }
    }
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (Key == ui::VK_ESCAPE) {
        const int index = FItems->IndexOf(Text());
        if (index >= 0) SetItemIndex(index);
    }
}

void TExtDetailDropDown::KeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    TExtCustomDropDown::KeyUp(Key, Shift);
    if (!FItemChange) return;
    SetItemIndex(FItemIdx);
    const int length = static_cast<int>(U32(Text()).size());
    SetSelStart(FItemSel);
    SetSelLength(std::max(0, length - FItemSel));
    FItemChange = false;
}

void TExtDetailDropDown::Change()
{
    FItemChange = false;
    TExtCustomDropDown::Change();
    // The completion writes the edit text, which runs this again: that run only reports.
    if (FCompleting || !FWorkMode || HasState(rtl::csDesigning)) return;
    FCompleting = true;
    Complete();
    FCompleting = false;
}

void TExtDetailDropDown::Complete()
{
    const std::u32string text = U32(Text());
    SetModifiedFlag(!text.empty());
    const std::size_t caret = std::min<std::size_t>(static_cast<std::size_t>(std::max(SelStart(), 0)), text.size());
    const std::string typed = U8(text.substr(0, caret));
    const std::string prefix = FMatchCase ? typed : rtl::AnsiUpperCase(typed);
    const std::size_t typedLength = U32(prefix).size();
    if (!prefix.empty()) {
        for (int i = 0; i < FItems->Count(); ++i) {
            const std::string caption = FItems->Items(i)->Caption();
            const std::string compared = FMatchCase ? caption : rtl::AnsiUpperCase(caption);
            if (!compared.starts_with(prefix)) continue;
            std::u32string completed = text.substr(0, typedLength) + U32(caption).substr(typedLength);
            if (completed.size() > MaxCaptionChars) completed.resize(MaxCaptionChars);
            SetTextDirect(U8(completed));
            // Stored directly: the pending completion selects it on the key's release.
            FItemIndex = i;
            FItemIdx = i;
            FItemSel = static_cast<int>(typedLength);
            FItemChange = true;
            SetSelStart(static_cast<int>(typedLength));
            SetSelLength(static_cast<int>(completed.size() - typedLength));
            return;
        }
    }
    if (typed.empty()) return;
    SetTextDirect(typed);
    SetSelStart(static_cast<int>(caret));
    SetSelLength(0);
}

}  // namespace grid
