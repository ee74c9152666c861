// The colour box selector: default palette, layout, box frames, hot and selected boxes, keys.
#include "grid/dropdown/ColorBoxSelector.h"

#include <algorithm>

#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"

namespace grid {

namespace {

struct TDefaultBoxRow {
    TItemPos Pos;
    gfx::TColor Colors[10];
};

// Red in the low byte.
constexpr TDefaultBoxRow kDefaultBoxes[] = {
    {ipStandAlone, {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7}},
    {ipTop, {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD}},
    {ipMiddle, {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB}},
    {ipMiddle, {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA}},
    {ipMiddle, {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3}},
    {ipBottom, {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897}},
};

void Line(gfx::TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Outline(gfx::TCanvas& canvas, const rtl::TRect& r, gfx::TColor color)
{
    canvas.Pen().SetColor(color);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.Rectangle(r);
    canvas.Brush().SetStyle(gfx::bsSolid);
}

}  // namespace

TCustomColorSelector::TCustomColorSelector(rtl::TComponent* AOwner)
    : TExtCustomColorSelectorPanel(AOwner),
      FColorBoxAppearance(std::make_unique<TColorBoxAppearance>()),
      FItems(std::make_unique<TColorBoxItems>(this))
{
    SetItemColorStyle(scOffice2007);
    SetParentColor(true);
}

TCustomColorSelector::~TCustomColorSelector() = default;

void TCustomColorSelector::AddDefaultColorBoxes()
{
    FItems->Clear();
    for (const TDefaultBoxRow& row : kDefaultBoxes)
        for (gfx::TColor c : row.Colors) {
            TColorBoxItem* item = FItems->Add();
            item->SetColor(c);
            item->SetColorBoxPos(row.Pos);
        }
}

// --- settings ---

void TCustomColorSelector::SetColumns(int value)
{
    if (value == FColumns) return;
    FColumns = value;
    UpdateSize();
}

void TCustomColorSelector::SetColumnGap(int value)
{
    if (value == FColumnGap) return;
    FColumnGap = value;
    UpdateSize();
}

void TCustomColorSelector::SetColorBoxWidth(int value)
{
    if (value == FColorBoxWidth) return;
    FColorBoxWidth = value;
    UpdateSize();
}

void TCustomColorSelector::SetColorBoxHeight(int value)
{
    if (value == FColorBoxHeight) return;
    FColorBoxHeight = value;
    UpdateSize();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle value)
{
    if (value == FItemColorStyle) return;
    FItemColorStyle = value;
    if (value == scCustom) return;
    // The three named styles share one look.
    FColorBoxAppearance->SetOuterBorderColorSelected(0x0000FF);
    FColorBoxAppearance->SetInnerBorderColorSelected(0x94E2FF);
    FColorBoxAppearance->SetOuterBorderColorHot(0x3694F2);
    FColorBoxAppearance->SetInnerBorderColorHot(0x94E2FF);
    FColorBoxAppearance->SetBorderColor(0xC5C5C5);
}

// --- geometry ---

void TCustomColorSelector::GetItemSize(rtl::TSize& size) const
{
    size = {FColorBoxWidth, FColorBoxHeight};
}

void TCustomColorSelector::GetContentRect(rtl::TRect& rect) const
{
    rect = ClientRect();
    rect.Left += FOffSetX;
    rect.Right -= FOffSetX;
    rect.Top += FOffSetY;
    rect.Bottom -= FOffSetY;
}

rtl::TRect TCustomColorSelector::GetItemRect(int index) const
{
    if (!InRange(index)) return rtl::Rect(-1, -1, -1, -1);
    return FItems->Items(index)->ItemRect();
}

int TCustomColorSelector::ItemAtPos(int x, int y) const
{
    for (int i = 0; i < FItems->Count(); ++i) {
        const rtl::TRect& r = FItems->Items(i)->ItemRect();
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return i;
    }
    return -1;
}

void TCustomColorSelector::UpdateSize()
{
    if (FItems->Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    rtl::TSize size;
    GetItemSize(size);
    rtl::TRect content;
    GetContentRect(content);
    int x = content.Left;
    int y = content.Top;
    int column = 0;
    int widestX = x;
    bool standAloneRow = false;
    const int count = FItems->Count();
    for (int i = 0; i < count; ++i) {
        TColorBoxItem& item = *FItems->Items(i);
        item.SetItemRect(rtl::Rect(x, y, x + size.cx, y + size.cy));
        ++column;
        if (i == count - 1) break;
        if (item.ColorBoxPos() == ipStandAlone) standAloneRow = true;
        if (column < FColumns) {
            x += size.cx + FColumnGap;
        } else {
            widestX = std::max(widestX, x);
            x = content.Left;
            y += size.cy + (standAloneRow ? FColumnGap : 0);
            standAloneRow = false;
            column = 0;
        }
    }
    widestX = std::max(widestX, x);
    SetBounds(Left(), Top(), widestX + size.cx + content.Left + 1, y + size.cy + content.Top);
}

// --- painting ---

void TCustomColorSelector::Paint()
{
    TExtCustomColorSelectorPanel::Paint();
    for (int i = 0; i < FItems->Count(); ++i) DrawItem(i, Canvas());
}

void TCustomColorSelector::DrawItemNow(int index)
{
    if (Showing()) DrawItem(index, Canvas());
}

void TCustomColorSelector::DrawItem(int index, gfx::TCanvas& canvas)
{
    if (!InRange(index)) return;
    const TColorBoxItem& item = *FItems->Items(index);
    const TColorBoxAppearance& a = *FColorBoxAppearance;
    rtl::TRect r = item.ItemRect();
    gfx::TColor outer = a.BorderColor();
    gfx::TColor inner = gfx::clNone;
    const bool hot = index == FItemHot;
    const bool selected = index == FItemIndex;
    if (hot) {
        outer = a.OuterBorderColorHot();
        inner = a.InnerBorderColorHot();
    }
    if (selected) {
        outer = a.OuterBorderColorSelected();
        inner = a.InnerBorderColorSelected();
    }
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    if (item.Color() != gfx::clNone) {
        canvas.Pen().SetColor(item.Color());
        canvas.Brush().SetStyle(gfx::bsSolid);
        canvas.Brush().SetColor(item.Color());
        canvas.Rectangle(r);
    }
    if (hot || selected) {
        if (outer != gfx::clNone) {
            Outline(canvas, r, outer);
            r = rtl::Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        }
        if (inner != gfx::clNone) Outline(canvas, r, inner);
        return;
    }
    canvas.Pen().SetColor(a.BorderColor());
    DrawBoxFrame(canvas, item, r);
}

void TCustomColorSelector::DrawBoxFrame(gfx::TCanvas& canvas, const TColorBoxItem& item, const rtl::TRect& r)
{
    const int L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
    switch (item.ColorBoxPos()) {
    case ipStandAlone: {
        const rtl::TPoint frame[] = {{L, B}, {L, T}, {Rt, T}, {Rt, B}, {L, B}};
        canvas.Polyline(frame);
        break;
    }
    case ipTop: {
        const rtl::TPoint frame[] = {{L, B}, {L, T}, {Rt, T}, {Rt, B}};
        canvas.Polyline(frame);
        break;
    }
    case ipMiddle:
        Line(canvas, L, T, L, B);
        Line(canvas, Rt, T, Rt, B);
        break;
    case ipBottom: {
        const rtl::TPoint frame[] = {{L, T}, {L, B}, {Rt, B}};
        canvas.Polyline(frame);
        Line(canvas, Rt, T, Rt, B + 1);
        break;
    }
    }
}

void TCustomColorSelector::InvalidateItem(int index)
{
    if (!InRange(index)) return;
    const rtl::TRect& r = FItems->Items(index)->ItemRect();
    // The frame reaches one pixel beyond the box on the right and bottom.
    InvalidateRect(rtl::Rect(r.Left, r.Top, r.Right + 1, r.Bottom + 1));
}

// --- selection ---

void TCustomColorSelector::SetItemIndex(int value)
{
    if (value >= FItems->Count()) rtl::RaiseListIndexError(value);
    if (IsDisabled(value)) return;
    if (FItemIndex >= 0 && FItemIndex != value) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = value;
    if (FItemIndex < 0) return;
    FSelectedColor = FItems->Items(FItemIndex)->Color();
    DrawItemNow(FItemIndex);
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(int index)
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

void TCustomColorSelector::SetSelectedColor(gfx::TColor value)
{
    if (value == FSelectedColor) return;
    FSelectedColor = value;
    if (value == gfx::clNone) SetItemIndex(-1);
    for (int i = 0; i < FItems->Count(); ++i) {
        if (FItems->Items(i)->Color() == value) {
            SetItemIndex(i);
            return;
        }
    }
    SetItemIndex(-1);
}

void TCustomColorSelector::SelectFirst()
{
    if (FItems->Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TCustomColorSelector::SelectNext()
{
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex + 1 < FItems->Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious()
{
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot + 1 < FItems->Count()) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious()
{
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(ui::WORD key, bool editEditable, bool popupOpen)
{
    if (!Enabled() || key < ui::VK_PRIOR || key > ui::VK_DOWN) return;
    switch (key) {
    case ui::VK_PRIOR:
    case ui::VK_HOME: SelectFirst(); break;
    case ui::VK_NEXT:
    case ui::VK_END: SelectLast(); break;
    case ui::VK_LEFT:
        if (popupOpen || !editEditable) SelectPrevious();
        break;
    case ui::VK_RIGHT:
        if (popupOpen || !editEditable) SelectNext();
        break;
    case ui::VK_UP:
    case ui::VK_DOWN: {
        if (!popupOpen) {
            if (key == ui::VK_UP) SelectPrevious();
            else SelectNext();
            break;
        }
        const int step = key == ui::VK_UP ? -FColumns : FColumns;
        const int target = FItemIndex < 0 ? 0 : FItemIndex + step;
        if (InRange(target)) SetItemIndex(target);
        break;
    }
    default: break;
    }
}

// --- mouse ---

void TCustomColorSelector::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    TExtCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index < 0) {
        SetItemHot(-1);
        return;
    }
    if (index != FItemHot) SetItemHot(FItems->Items(index)->Enabled() ? index : -1);
}

void TCustomColorSelector::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    TExtCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index >= 0 && FItems->Items(index)->Enabled()) SetItemIndex(index);
}

void TCustomColorSelector::WndProc(ui::TMessage& Message)
{
    // The arrow keys move the selection (the picker hands them on), not the focus.
    if (Message.Msg == ui::WM_GETDLGCODE) {
        Message.Result = ui::DLGC_WANTARROWS;
        return;
    }
    if (Message.Msg == ui::CM_MOUSELEAVE) SetItemHot(-1);
    TExtCustomColorSelectorPanel::WndProc(Message);
}

}  // namespace grid
