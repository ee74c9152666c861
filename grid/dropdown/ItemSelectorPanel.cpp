// The item selector's panel: item size, layout, hot and selected items, mouse and lookup.
#include <algorithm>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ItemSelector.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Forms.h"

namespace grid {

TCustomItemSelector::TCustomItemSelector(rtl::TComponent* AOwner) : ui::TCustomControl(AOwner)
{
    FExtItemSelector = dynamic_cast<TExtCustomItemSelector*>(AOwner);
    if (FExtItemSelector == nullptr) throw rtl::Exception("Invalid parent");
    SetParentColor(true);
}

// --- views of the box's settings ---

int TCustomItemSelector::Columns() const { return FExtItemSelector->Columns(); }
TSelectorItems& TCustomItemSelector::Items() const { return FExtItemSelector->Items(); }
TSelectorType TCustomItemSelector::SelectorType() const { return FExtItemSelector->SelectorType(); }
TItemLayout TCustomItemSelector::ItemLayout() const { return FExtItemSelector->ItemLayout(); }
gfx::TImageList* TCustomItemSelector::Images() const { return FExtItemSelector->Images(); }
TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const
{
    return FExtItemSelector->ItemAppearance().ColorStyle();
}
gfx::TColor TCustomItemSelector::ItemColorHot() const { return FExtItemSelector->ItemAppearance().ColorHot(); }
gfx::TColor TCustomItemSelector::ItemColorHotTo() const { return FExtItemSelector->ItemAppearance().ColorHotTo(); }
gfx::TColor TCustomItemSelector::ItemColorSelected() const
{
    return FExtItemSelector->ItemAppearance().ColorSelected();
}
gfx::TColor TCustomItemSelector::ItemColorSelectedTo() const
{
    return FExtItemSelector->ItemAppearance().ColorSelectedTo();
}
int TCustomItemSelector::ColorBoxHeight() const { return FExtItemSelector->ColorBoxHeight(); }
int TCustomItemSelector::ColorBoxWidth() const { return FExtItemSelector->ColorBoxWidth(); }

// --- geometry ---

rtl::TRect TCustomItemSelector::GetItemRect(int index) const
{
    if (!InRange(index)) return rtl::Rect(-1, -1, -1, -1);
    return Items().Items(index)->ItemRect();
}

int TCustomItemSelector::ItemAtPos(int x, int y) const
{
    for (int i = 0; i < Items().Count(); ++i) {
        const rtl::TRect& r = Items().Items(i)->ItemRect();
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return i;
    }
    return -1;
}

void TCustomItemSelector::GetContentRect(rtl::TRect& rect) const
{
    rect = ClientRect();
    rect.Left += FOffSetX;
    rect.Right -= FOffSetX;
    rect.Top += FOffSetY;
    rect.Bottom -= FOffSetY;
}

void TCustomItemSelector::GetItemSize(rtl::TSize& size)
{
    if (FExtItemSelector->OnItemSize) {
        FExtItemSelector->OnItemSize(this, size);
        return;
    }
    const bool colorBoxes = SelectorType() == stColor;
    int iw = colorBoxes ? ColorBoxWidth() : 0;
    int ih = colorBoxes ? ColorBoxHeight() : 0;
    int tw = 0;
    int th = 0;
    gfx::TCanvas& canvas = Canvas();
    canvas.Font().Assign(&FExtItemSelector->ItemAppearance().Font());
    for (int i = 0; i < Items().Count(); ++i) {
        const TSelectorItem& item = *Items().Items(i);
        if (!colorBoxes) {
            if (!item.Image().Empty()) {
                iw = std::max(iw, item.Image().Width());
                ih = std::max(ih, item.Image().Height());
            } else if (Images() != nullptr && item.ImageIndex() >= 0) {
                iw = std::max(iw, Images()->Width());
                ih = std::max(ih, Images()->Height());
            }
        }
        const rtl::TSize text = DrawHtmlText(canvas, item.Caption(), rtl::Rect(0, 0, 1000, 500), Images(), false);
        tw = std::max(tw, text.cx);
        th = std::max(th, text.cy);
    }
    if (tw > 0) tw += 4;
    if (ItemLayout() == ilCaptionLeft || ItemLayout() == ilCaptionRight) {
        size.cx = 2 * FItemOffSetX + std::max(iw, 0) + (iw > 0 && tw > 0 ? FCaptionGap : 0) + std::max(tw, 0);
        size.cy = 2 * FItemOffSetY + std::max(ih, th);
    } else {
        size.cx = 2 * FItemOffSetX + std::max(iw, tw);
        size.cy = 2 * FItemOffSetY + std::max(ih, 0) + (ih > 0 && th >= 1 ? FCaptionGap : 0) + std::max(th, 0);
    }
}

void TCustomItemSelector::UpdateSize()
{
    if (Items().Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    rtl::TSize size{0, 0};
    GetItemSize(size);
    rtl::TRect content;
    GetContentRect(content);
    int x = content.Left;
    int y = content.Top;
    int column = 0;
    int widestX = x;
    const int count = Items().Count();
    for (int i = 0; i < count; ++i) {
        Items().Items(i)->SetItemRect(rtl::Rect(x, y, x + size.cx, y + size.cy));
        ++column;
        if (i == count - 1) break;
        if (column < Columns()) {
            x += size.cx;
        } else {
            widestX = std::max(widestX, x);
            x = content.Left;
            y += size.cy;
            column = 0;
        }
    }
    widestX = std::max(widestX, x);
    SetBounds(Left(), Top(), widestX + size.cx + content.Left, y + size.cy + content.Top);
}

// --- hot and selection ---

void TCustomItemSelector::InvalidateItem(int index)
{
    if (!InRange(index)) return;
    InvalidateRect(Items().Items(index)->ItemRect());
}

void TCustomItemSelector::DrawItemNow(int index)
{
    if (!Showing()) return;
    DrawItem(index, Canvas());
}

void TCustomItemSelector::SetItemIndex(int value)
{
    if (IsDisabled(value)) return;
    if (FItemIndex >= 0 && FItemIndex != value) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = value;
    if (FItemIndex < 0) return;
    DrawItemNow(FItemIndex);
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int index)
{
    if (index == FItemHot || IsDisabled(index)) return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = index;
    if (FItemHot >= 0) DrawItemNow(FItemHot);
}

void TCustomItemSelector::SelectFirst()
{
    if (Items().Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (Items().Count() > 0) SetItemIndex(Items().Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex + 1 < Items().Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious()
{
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext()
{
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot + 1 < Items().Count()) SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious()
{
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::CaptionMatches(int index, const std::string& text) const
{
    const std::string caption = rtl::AnsiUpperCase(rtl::Trim(StripHtmlTags(Items().Items(index)->Caption())));
    return caption.starts_with(text);
}

bool TCustomItemSelector::LookupItem(const std::string& text)
{
    const int count = Items().Count();
    if (count == 0) return false;
    const int start = std::max(FItemIndex, 0);
    for (int i = start; i < count; ++i) {
        if (i != FItemIndex && CaptionMatches(i, text)) {
            SetItemIndex(i);
            return true;
        }
    }
    if (start == 0) return false;
    for (int i = 0; i < count; ++i) {
        if (CaptionMatches(i, text)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

// --- mouse ---

void TCustomItemSelector::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index >= 0 && Items().Items(index)->Enabled()) SetItemIndex(index);
}

void TCustomItemSelector::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index < 0) {
        SetItemHot(-1);
        return;
    }
    if (index == FItemHot) return;
    const TSelectorItem& item = *Items().Items(index);
    SetItemHot(item.Enabled() ? index : -1);
    SetHint(item.Hint());
    if (ui::Application() != nullptr) ui::Application()->CancelHint();
}

void TCustomItemSelector::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_MOUSELEAVE) SetItemHot(-1);
    ui::TCustomControl::WndProc(Message);
}

}  // namespace grid
