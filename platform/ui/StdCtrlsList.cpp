// Item lists and the list box: items with states, painting, selection by keys and mouse, scrolling.
#include "platform/ui/StdCtrlsList.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/ScrollInfo.h"

namespace ui {

// ===== TListItems

std::string TListItems::Get(int index) const
{
    CheckIndex(index, GetCount());
    return FItems[index].Text;
}

int TListItems::SortedIndex(const std::string& s) const
{
    int lo = 0;
    int hi = GetCount();
    while (lo < hi) {
        int mid = (lo + hi) / 2;
        if (CompareStrings(FItems[mid].Text, s) <= 0) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}

void TListItems::Insert(int index, const std::string& s)
{
    InsertObject(index, s, nullptr);
}

void TListItems::InsertObject(int index, const std::string& s, rtl::TObject* object)
{
    if (FSorted) index = SortedIndex(s);
    CheckIndex(index, GetCount() + 1);
    FItems.insert(FItems.begin() + index, TItem{s, object, 0});
    if (OnInserted) OnInserted(index);
    Changed();
}

int TListItems::Add(const std::string& s)
{
    return AddObject(s, nullptr);
}

int TListItems::AddObject(const std::string& s, rtl::TObject* object)
{
    int index = FSorted ? SortedIndex(s) : GetCount();
    FItems.insert(FItems.begin() + index, TItem{s, object, 0});
    if (OnInserted) OnInserted(index);
    Changed();
    return index;
}

void TListItems::Delete(int index)
{
    CheckIndex(index, GetCount());
    if (OnDeleting) OnDeleting(index);
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TListItems::Clear()
{
    if (FItems.empty()) return;
    if (OnDeleting) OnDeleting(-1);
    FItems.clear();
    Changed();
}

rtl::TObject* TListItems::GetObject(int index) const
{
    CheckIndex(index, GetCount());
    return FItems[index].Object;
}

void TListItems::PutObject(int index, rtl::TObject* object)
{
    CheckIndex(index, GetCount());
    FItems[index].Object = object;
}

void TListItems::Put(int index, const std::string& s)
{
    CheckIndex(index, GetCount());
    FItems[index].Text = s;
    Changed();
}

void TListItems::Exchange(int index1, int index2)
{
    CheckIndex(index1, GetCount());
    CheckIndex(index2, GetCount());
    std::swap(FItems[index1], FItems[index2]);
    Changed();
}

void TListItems::SetSorted(bool value)
{
    if (FSorted == value) return;
    FSorted = value;
    if (!value) return;
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const TItem& a, const TItem& b) { return CompareStrings(a.Text, b.Text) < 0; });
    Changed();
}

int TListItems::State(int index) const
{
    CheckIndex(index, GetCount());
    return FItems[index].State;
}

void TListItems::SetState(int index, int state)
{
    CheckIndex(index, GetCount());
    if (FItems[index].State == state) return;
    FItems[index].State = state;
    Changed();
}

void TListItems::SetUpdateState(bool updating)
{
    if (updating) return;
    if (FChangedWhileUpdating) {
        FChangedWhileUpdating = false;
        if (OnChange) OnChange();
    }
}

void TListItems::Changed()
{
    if (UpdateCount() > 0) {
        FChangedWhileUpdating = true;
        return;
    }
    if (OnChange) OnChange();
}

int FindItemStartingWith(const rtl::TStrings& items, const std::string& prefix, int from)
{
    int n = items.Count();
    if (n == 0 || prefix.empty()) return -1;
    std::string want = rtl::AnsiUpperCase(prefix);
    for (int k = 0; k < n; ++k) {
        int i = ((from < 0 ? 0 : from) + k) % n;
        std::string item = rtl::AnsiUpperCase(items[i]);
        if (item.compare(0, want.size(), want) == 0) return i;
    }
    return -1;
}

// ===== TCustomListBox

TCustomListBox::TCustomListBox(rtl::TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TListItems>())
{
    SetBounds(0, 0, 121, 97);
    FColor = gfx::clWindow;
    FTabStop = true;
    FControlStyle |= csOpaque;
    SetBorderThickness(2);
    FItems->OnChange = [this] { ItemsChanged(); };
    // The selection stays on its item while items come and go; while a description is
    // read, ItemIndex may come before the items and is kept as written.
    FItems->OnDeleting = [this](int index) {
        if (HasState(rtl::csLoading)) return;
        if (index < 0 || index == FItemIndex) FItemIndex = -1;
        else if (index < FItemIndex) --FItemIndex;
    };
    FItems->OnInserted = [this](int index) {
        if (HasState(rtl::csLoading)) return;
        if (FItemIndex >= 0 && index <= FItemIndex) ++FItemIndex;
    };
}

void TCustomListBox::Loaded()
{
    TCustomControl::Loaded();
    if (FItemIndex >= Count()) FItemIndex = -1;
    EnsureVisible(FItemIndex);
    UpdateScrollBar();
}

TCustomListBox::~TCustomListBox()
{
    FItems->OnChange = nullptr;
    FItems->OnDeleting = nullptr;
    FItems->OnInserted = nullptr;
}

void TCustomListBox::ItemsChanged()
{
    if (FItemIndex >= Count()) FItemIndex = -1;
    FTopIndex = std::clamp(FTopIndex, 0, std::max(0, Count() - VisibleCount()));
    UpdateScrollBar();
    Invalidate();
}

int TCustomListBox::ItemHeight() const
{
    if (FItemHeight > 0) return FItemHeight;
    gfx::TCanvas measure;
    measure.Font().Assign(&Font());
    return std::max(1, measure.TextMetric().Height);
}

void TCustomListBox::SetItemHeight(int value)
{
    FItemHeight = std::max(0, value);
    UpdateScrollBar();
    Invalidate();
}

int TCustomListBox::VisibleCount() const
{
    return std::max(1, ClientHeight() / ItemHeight());
}

void TCustomListBox::SetTopIndex(int value)
{
    value = std::clamp(value, 0, std::max(0, Count() - VisibleCount()));
    if (value == FTopIndex) return;
    FTopIndex = value;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::EnsureVisible(int index)
{
    if (index < 0) return;
    if (index < FTopIndex) SetTopIndex(index);
    else if (index >= FTopIndex + VisibleCount()) SetTopIndex(index - VisibleCount() + 1);
}

void TCustomListBox::UpdateScrollBar()
{
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = std::max(0, Count() - 1);
    info.nPage = static_cast<UINT>(VisibleCount());
    info.nPos = FTopIndex;
    SetScrollInfo(Handle(), SB_VERT, info, true);
}

void TCustomListBox::SetItemIndex(int value)
{
    if (HasState(rtl::csLoading)) {
        FItemIndex = value;
        return;
    }
    if (value < -1 || value >= Count()) value = -1;
    if (value == FItemIndex) return;
    FItemIndex = value;
    EnsureVisible(value);
    Invalidate();
}

void TCustomListBox::UserSelected()
{
    Click();
}

void TCustomListBox::SelectByUser(int index)
{
    if (index < 0 || index >= Count()) return;
    bool changed = index != FItemIndex;
    SetItemIndex(index);
    EnsureVisible(index);
    if (changed) UserSelected();
}

rtl::TRect TCustomListBox::ItemRect(int index) const
{
    int h = ItemHeight();
    return rtl::Rect(0, (index - FTopIndex) * h, ClientWidth(), (index - FTopIndex + 1) * h);
}

int TCustomListBox::ItemAtPos(const rtl::TPoint& pos, bool existing) const
{
    if (pos.X < 0 || pos.X >= ClientWidth() || pos.Y < 0) return -1;
    int index = FTopIndex + pos.Y / ItemHeight();
    if (index >= Count()) return existing ? -1 : Count();
    return index;
}

void TCustomListBox::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    int mark = MarkWidth();
    int last = std::min(Count(), FTopIndex + VisibleCount() + 1);
    for (int i = FTopIndex; i < last; ++i) {
        rtl::TRect r = ItemRect(i);
        bool selected = i == FItemIndex;
        if (OnDrawItem && FStyle != lbStandard) {
            OnDrawItem(this, i, r, selected ? 1u : 0u);
            continue;
        }
        if (mark > 0) DrawMark(c, i, rtl::Rect(r.Left, r.Top, r.Left + mark, r.Bottom));
        rtl::TRect text = rtl::Rect(r.Left + mark, r.Top, r.Right, r.Bottom);
        if (selected) {
            c.Brush().SetStyle(gfx::bsSolid);
            c.Brush().SetColor(gfx::clHighlight);
            c.FillRect(text);
        }
        c.Font().Assign(&Font());
        if (!Enabled()) c.Font().SetColor(gfx::clGrayText);
        else if (selected) c.Font().SetColor(gfx::clHighlightText);
        c.Brush().SetStyle(gfx::bsClear);
        rtl::TRect tr = text;
        tr.Left += 2;
        c.DrawText(FItems->Get(i), tr, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
        if (selected && Focused()) {
            c.Brush().SetStyle(gfx::bsSolid);
            c.DrawFocusRect(text);
        }
    }
    if (Focused() && FItemIndex < 0 && Count() > 0 && FTopIndex == 0) {
        c.Brush().SetStyle(gfx::bsSolid);
        c.DrawFocusRect(ItemRect(0));
    }
}

void TCustomListBox::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    case WM_VSCROLL: {
        int code = LOWORD(Message.WParam);
        switch (code) {
        case SB_LINEUP: SetTopIndex(FTopIndex - 1); break;
        case SB_LINEDOWN: SetTopIndex(FTopIndex + 1); break;
        case SB_PAGEUP: SetTopIndex(FTopIndex - VisibleCount()); break;
        case SB_PAGEDOWN: SetTopIndex(FTopIndex + VisibleCount()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: SetTopIndex(HIWORD(Message.WParam)); break;
        case SB_TOP: SetTopIndex(0); break;
        case SB_BOTTOM: SetTopIndex(Count()); break;
        default: break;
        }
        return;
    }
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TCustomListBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Count() == 0) return;
    int cur = FItemIndex;
    int target = -2;
    switch (Key) {
    case VK_UP: target = cur <= 0 ? 0 : cur - 1; break;
    case VK_DOWN: target = cur < 0 ? 0 : std::min(Count() - 1, cur + 1); break;
    case VK_LEFT: target = cur <= 0 ? 0 : cur - 1; break;
    case VK_RIGHT: target = cur < 0 ? 0 : std::min(Count() - 1, cur + 1); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = Count() - 1; break;
    case VK_PRIOR: target = std::max(0, (cur < 0 ? 0 : cur) - VisibleCount() + 1); break;
    case VK_NEXT: target = std::min(Count() - 1, (cur < 0 ? 0 : cur) + VisibleCount() - 1); break;
    default: return;
    }
    SelectByUser(target);
}

void TCustomListBox::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key < 32 || Key == 127) return;
    int found = FindItemStartingWith(*FItems, rtl::Utf8EncodeChar(Key), FItemIndex + 1);
    if (found >= 0) SelectByUser(found);
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int index = ItemAtPos({X, Y}, true);
        if (index >= 0 && !MarkMouseDown(index, X)) {
            FTracking = true;
            if (index != FItemIndex) {
                SetItemIndex(index);
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FTracking && (Shift & ssLeft)) {
        int index = ItemAtPos({X, std::clamp(Y, 0, ClientHeight() - 1)}, true);
        if (index >= 0) {
            SetItemIndex(index);
            EnsureVisible(index);
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // A press on an item is a click (fired by the control layer); tracking ends here.
    if (Button == mbLeft) FTracking = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomListBox::Resize()
{
    UpdateScrollBar();
    TCustomControl::Resize();
}

bool TCustomListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, rtl::TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    SetTopIndex(FTopIndex - WheelDelta / WHEEL_DELTA * 3);
    return true;
}

}  // namespace ui
