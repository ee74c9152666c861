// The page control and its tab sheets: pages, tab row, switching by click and Ctrl+Tab, hidden tabs.
#include <algorithm>

#include "platform/gfx/FrameControls.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace ui {

// ===== TTabSheet

TTabSheet::TTabSheet(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    FColor = gfx::clBtnFace;
    FControlStyle |= csAcceptsControls;
    FVisible = false;
}

TTabSheet::~TTabSheet()
{
    if (FPageControl != nullptr) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value)
{
    SetParent(value);
}

void TTabSheet::SetParent(TWinControl* AParent)
{
    auto* pc = dynamic_cast<TPageControl*>(AParent);
    if (FPageControl != nullptr && FPageControl != pc) FPageControl->RemovePage(this);
    TCustomControl::SetParent(AParent);
    if (pc != nullptr && FPageControl != pc) pc->InsertPage(this);
}

void TTabSheet::SetTabVisible(bool value)
{
    if (FTabVisible == value) return;
    FTabVisible = value;
    if (FPageControl != nullptr) FPageControl->PageChanged();
}

void TTabSheet::SetText(const std::string& value)
{
    TCustomControl::SetText(value);
    if (FPageControl != nullptr) FPageControl->PageChanged();
}

int TTabSheet::PageIndex() const
{
    if (FPageControl == nullptr) return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value)
{
    if (FPageControl == nullptr) return;
    auto& pages = FPageControl->FPages;
    pages.erase(std::find(pages.begin(), pages.end(), this));
    value = std::clamp(value, 0, static_cast<int>(pages.size()));
    pages.insert(pages.begin() + value, this);
    FPageControl->PageChanged();
}

int TTabSheet::TabIndex() const
{
    if (FPageControl == nullptr || !FTabVisible) return -1;
    int index = 0;
    for (TTabSheet* p : FPageControl->FPages) {
        if (p == this) return index;
        if (p->FTabVisible) ++index;
    }
    return -1;
}

// ===== TPageControl

TPageControl::TPageControl(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 289, 193);
    FColor = gfx::clBtnFace;
    FTabStop = true;
    FControlStyle |= csOpaque;
}

TPageControl::~TPageControl()
{
    for (TTabSheet* p : FPages) p->FPageControl = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount()) rtl::RaiseListIndexError(index);
    return FPages[index];
}

void TPageControl::InsertPage(TTabSheet* page)
{
    FPages.push_back(page);
    page->FPageControl = this;
    page->SetBounds(DisplayRect().Left, DisplayRect().Top, DisplayRect().Width(), DisplayRect().Height());
    if (FActivePage == nullptr && !HasState(rtl::csLoading)) SetActivePage(page);
    else page->SetVisible(page == FActivePage);
    PageChanged();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    page->FPageControl = nullptr;
    if (FActivePage == page) {
        FActivePage = nullptr;
        TTabSheet* next = FindNextPage(nullptr, true, true);
        if (next != nullptr) SetActivePage(next);
    }
    PageChanged();
}

void TPageControl::PageChanged()
{
    Realign();
    Invalidate();
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page != nullptr && page->FPageControl != this) return;
    if (page == FActivePage) return;
    TTabSheet* old = FActivePage;
    // The focus leaves a page that is hidden.
    if (old != nullptr) {
        TWinControl* focused = FocusedControl();
        if (focused != nullptr && (focused == old || old->ContainsControl(focused))) {
            if (TCustomForm* form = GetParentForm(this)) {
                if (CanFocus()) form->FocusControl(this);
                else form->DefocusControl(focused, false);
            }
        }
    }
    FActivePage = page;
    ShowActive();
    if (old != nullptr && old->OnHide) old->OnHide(old);
    if (page != nullptr && page->OnShow) page->OnShow(page);
    Invalidate();
}

void TPageControl::ShowActive()
{
    for (TTabSheet* p : FPages) {
        if (p == FActivePage) {
            rtl::TRect d = DisplayRect();
            p->SetBounds(d.Left, d.Top, d.Width(), d.Height());
            p->SetVisible(true);
            p->BringToFront();
        }
    }
    for (TTabSheet* p : FPages) {
        if (p != FActivePage) p->SetVisible(false);
    }
}

void TPageControl::Loaded()
{
    TCustomControl::Loaded();
    if (FActivePage == nullptr) FActivePage = FindNextPage(nullptr, true, true);
    ShowActive();
    PageChanged();
}

int TPageControl::ActivePageIndex() const
{
    return FActivePage == nullptr ? -1 : FActivePage->PageIndex();
}

void TPageControl::SetActivePageIndex(int index)
{
    SetActivePage(index >= 0 && index < PageCount() ? FPages[index] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const
{
    int n = PageCount();
    if (n == 0) return nullptr;
    int start = -1;
    for (int i = 0; i < n; ++i) {
        if (FPages[i] == current) start = i;
    }
    if (start < 0) start = goForward ? n - 1 : 0;
    for (int k = 1; k <= n; ++k) {
        int i = ((start + (goForward ? k : -k)) % n + n) % n;
        if (!checkTabVisible || FPages[i]->TabVisible()) return FPages[i];
    }
    return nullptr;
}

bool TPageControl::ChangeByUser(TTabSheet* page)
{
    if (page == nullptr || page == FActivePage) return false;
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return false;
    SetActivePage(page);
    if (OnChange) OnChange(this);
    return true;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible)
{
    ChangeByUser(FindNextPage(FActivePage, goForward, checkTabVisible));
}

int TPageControl::TabCount() const
{
    return static_cast<int>(std::count_if(FPages.begin(), FPages.end(), [](TTabSheet* p) { return p->TabVisible(); }));
}

TTabSheet* TPageControl::PageOfTab(int tabIndex) const
{
    int index = 0;
    for (TTabSheet* p : FPages) {
        if (!p->TabVisible()) continue;
        if (index++ == tabIndex) return p;
    }
    return nullptr;
}

int TPageControl::TabHeight() const
{
    gfx::TCanvas measure;
    measure.Font().Assign(&Font());
    return measure.TextMetric().Height + 7;
}

rtl::TRect TPageControl::TabRect(int tabIndex) const
{
    gfx::TCanvas measure;
    measure.Font().Assign(&Font());
    int x = 2;
    int index = 0;
    int h = TabHeight();
    for (TTabSheet* p : FPages) {
        if (!p->TabVisible()) continue;
        int w = measure.TextWidth(p->Caption()) + 12;
        if (index == tabIndex) return rtl::Rect(x, 2, x + w, 2 + h);
        x += w;
        ++index;
    }
    return rtl::Rect(0, 0, 0, 0);
}

int TPageControl::IndexOfTabAt(int x, int y) const
{
    for (int i = 0; i < TabCount(); ++i) {
        rtl::TRect r = TabRect(i);
        if (PageOfTab(i) == FActivePage) rtl::InflateRect(r, 2, 2);
        if (rtl::PtInRect(r, {x, y})) return i;
    }
    return -1;
}

rtl::TRect TPageControl::DisplayRect() const
{
    int top = TabCount() > 0 ? TabHeight() + 2 : 0;
    return rtl::Rect(4, top + 4, std::max(4, FWidth - 4), std::max(top + 4, FHeight - 4));
}

void TPageControl::AlignControls(TControl* AControl, rtl::TRect& Rect)
{
    rtl::TRect d = DisplayRect();
    for (TTabSheet* p : FPages) p->SetBounds(d.Left, d.Top, d.Width(), d.Height());
    Rect = d;
    TCustomControl::AlignControls(AControl, Rect);
}

void TPageControl::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    rtl::TRect frame = DisplayRect();
    rtl::InflateRect(frame, 4, 4);
    gfx::DrawEdge(c, frame, gfx::EDGE_RAISED, gfx::BF_RECT);
    c.Font().Assign(&Font());
    int active = -1;
    for (int i = 0; i < TabCount(); ++i) {
        if (PageOfTab(i) == FActivePage) {
            active = i;
            continue;
        }
        rtl::TRect r = TabRect(i);
        r.Bottom += 1;
        rtl::TRect edge = r;
        gfx::DrawEdge(c, edge, gfx::EDGE_RAISED, gfx::BF_LEFT | gfx::BF_TOP | gfx::BF_RIGHT | gfx::BF_SOFT);
        DrawControlText(c, PageOfTab(i)->Caption(), r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE,
                        Enabled(), Font().Color());
    }
    if (active < 0) return;
    // The active tab is larger and open towards its page.
    rtl::TRect r = TabRect(active);
    r.Left -= 2;
    r.Right += 2;
    r.Top -= 2;
    r.Bottom += 2;
    c.Brush().SetColor(Color());
    c.FillRect(r);
    rtl::TRect edge = r;
    gfx::DrawEdge(c, edge, gfx::EDGE_RAISED, gfx::BF_LEFT | gfx::BF_TOP | gfx::BF_RIGHT | gfx::BF_SOFT);
    rtl::TRect text = r;
    text.Bottom -= 2;
    DrawControlText(c, FActivePage->Caption(), text, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE, Enabled(),
                    Font().Color());
    if (Focused()) {
        rtl::TRect focus = text;
        rtl::InflateRect(focus, -3, -3);
        c.Brush().SetStyle(gfx::bsSolid);
        c.DrawFocusRect(focus);
    }
}

void TPageControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case CM_DIALOGKEY: {
        // Ctrl+Tab and Ctrl+Shift+Tab move between the pages whose tab shows, from
        // anywhere inside the page control.
        TWinControl* focused = FocusedControl();
        bool inside = focused != nullptr && (focused == this || ContainsControl(focused));
        if (Message.WParam == static_cast<WPARAM>(VK_TAB) && GetKeyState(VK_CONTROL) < 0 && inside && Enabled()) {
            SelectNextPage(GetKeyState(VK_SHIFT) >= 0, true);
            Message.Result = 1;
            return;
        }
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FONTCHANGED:
        TCustomControl::WndProc(Message);
        Realign();
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TPageControl::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_LEFT || Key == VK_UP) SelectNextPage(false, true);
    else if (Key == VK_RIGHT || Key == VK_DOWN) SelectNextPage(true, true);
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        int tab = IndexOfTabAt(X, Y);
        if (tab >= 0) {
            if (CanFocus() && !Focused()) SetFocus();
            ChangeByUser(PageOfTab(tab));
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

}  // namespace ui
