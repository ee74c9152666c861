// TControl: bounds, alignment requests, visibility, appearance, text, mouse messages, coordinates.
#include <algorithm>

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/ScreenModel.h"

namespace ui {

TControl::TControl(rtl::TComponent* AOwner) : rtl::TComponent(AOwner), FFont(std::make_unique<gfx::TFont>())
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
    FFont->OnChange = [this](rtl::TObject*) { FontChanged(); };
}

TControl::~TControl()
{
    Destroying();
    TInputRouter::ControlDestroyed(this);
    if (FPopupMenu != nullptr) FPopupMenu->RemoveFreeNotification(this);
    if (FParent != nullptr) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent) return;
    if (AParent == this) throw rtl::EInvalidOperation("A control cannot have itself as its parent");
    if (FParent != nullptr) FParent->RemoveControl(this);
    if (AParent != nullptr) AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    rtl::TRect old = BoundsRect();
    bool wasVisible = Showing();
    if (wasVisible) InvalidateControl(true);
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    BoundsChanged(old);
}

void TControl::BoundsChanged(const rtl::TRect& oldBounds)
{
    Invalidate();
    if (FParent != nullptr && FAlign != alNone) FParent->Realign();
    if (oldBounds.Width() != FWidth || oldBounds.Height() != FHeight) Resize();
}

void TControl::Resize()
{
    if (OnResize) OnResize(this);
}

void TControl::ChangeScale(int M, int D)
{
    if (M == D || D == 0) return;
    SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
    if (!FParentFont) FFont->SetHeight(MulDiv(FFont->Height(), M, D));
}

void TControl::SetAlign(TAlign value)
{
    if (FAlign == value) return;
    FAlign = value;
    if (FParent != nullptr) FParent->Realign();
}

rtl::TRect TControl::ClientRect() const
{
    return rtl::Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientWidth(int value)
{
    SetWidth(value + (FWidth - ClientWidth()));
}

void TControl::SetClientHeight(int value)
{
    SetHeight(value + (FHeight - ClientHeight()));
}

rtl::TPoint TControl::ClientOrigin() const
{
    if (FParent == nullptr) return {FLeft, FTop};
    rtl::TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

rtl::TPoint TControl::ClientToScreen(const rtl::TPoint& p) const
{
    rtl::TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

rtl::TPoint TControl::ScreenToClient(const rtl::TPoint& p) const
{
    rtl::TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

rtl::TPoint TControl::ClientToParent(const rtl::TPoint& p, TWinControl* AParent) const
{
    TWinControl* target = AParent != nullptr ? AParent : FParent;
    if (target == nullptr) return ClientToScreen(p);
    return target->ScreenToClient(ClientToScreen(p));
}

rtl::TPoint TControl::ParentToClient(const rtl::TPoint& p, TWinControl* AParent) const
{
    TWinControl* source = AParent != nullptr ? AParent : FParent;
    if (source == nullptr) return ScreenToClient(p);
    return ScreenToClient(source->ClientToScreen(p));
}

TWinControl* TControl::TopLevelWindow() const
{
    const TControl* c = this;
    while (c->FParent != nullptr) c = c->FParent;
    auto* w = dynamic_cast<const TWinControl*>(c);
    return const_cast<TWinControl*>(w);
}

rtl::TPoint TControl::ClientOriginInWindow() const
{
    TWinControl* top = TopLevelWindow();
    rtl::TPoint o = ClientOrigin();
    if (top == nullptr) return o;
    return {o.X - top->Left(), o.Y - top->Top()};
}

void TControl::SetVisible(bool value)
{
    if (FVisible == value) return;
    VisibleChanging();
    if (FVisible) InvalidateControl(true);
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0, 0);
    if (FVisible) Invalidate();
    if (FParent != nullptr && FAlign != alNone) FParent->Realign();
}

bool TControl::Showing() const
{
    return FVisible && FParent != nullptr && FParent->Showing();
}

void TControl::SetEnabled(bool value)
{
    if (FEnabled == value) return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
    Invalidate();
}

void TControl::SetColor(gfx::TColor value)
{
    if (FColor == value && !FParentColor) return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
    Invalidate();
}

void TControl::SetParentColor(bool value)
{
    FParentColor = value;
    if (value && FParent != nullptr) {
        FColor = FParent->Color();
        Invalidate();
    }
}

void TControl::SetParentFont(bool value)
{
    FParentFont = value;
    if (value && FParent != nullptr) {
        FInFontChange = true;
        FFont->Assign(&FParent->Font());
        FInFontChange = false;
    }
}

void TControl::FontChanged()
{
    if (!FInFontChange) FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
    Invalidate();
}

void TControl::SetCursor(TCursor value)
{
    if (FCursor == value) return;
    FCursor = value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetText(const std::string& value)
{
    if (FText == value) return;
    FText = value;
    Perform(CM_TEXTCHANGED, 0, 0);
    Invalidate();
}

void TControl::SetShowHint(bool value)
{
    FShowHint = value;
    FParentShowHint = false;
}

void TControl::SetParentShowHint(bool value)
{
    FParentShowHint = value;
    if (value && FParent != nullptr) FShowHint = FParent->ShowHint();
}

void TControl::SetPopupMenu(rtl::TComponent* value)
{
    if (FPopupMenu == value) return;
    if (FPopupMenu != nullptr) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value != nullptr) value->FreeNotification(this);
}

void TControl::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    rtl::TComponent::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Loaded()
{
    rtl::TComponent::Loaded();
    if (FParent != nullptr) {
        if (FParentColor) FColor = FParent->Color();
        if (FParentFont) SetParentFont(true);
        if (FParentShowHint) FShowHint = FParent->ShowHint();
    }
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    if (WindowProc) {
        WindowProc(m);
    } else {
        WndProc(m);
    }
    return m.Result;
}

void TControl::WndProc(TMessage& Message)
{
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: WMMouse(Message, mbLeft, true, false); break;
    case WM_LBUTTONUP: WMMouse(Message, mbLeft, false, false); break;
    case WM_LBUTTONDBLCLK: WMMouse(Message, mbLeft, true, true); break;
    case WM_RBUTTONDOWN: WMMouse(Message, mbRight, true, false); break;
    case WM_RBUTTONUP: WMMouse(Message, mbRight, false, false); break;
    case WM_RBUTTONDBLCLK: WMMouse(Message, mbRight, true, true); break;
    case WM_MBUTTONDOWN: WMMouse(Message, mbMiddle, true, false); break;
    case WM_MBUTTONUP: WMMouse(Message, mbMiddle, false, false); break;
    case WM_MBUTTONDBLCLK: WMMouse(Message, mbMiddle, true, true); break;
    case WM_MOUSEMOVE: WMMouseMove(Message); break;
    case WM_MOUSEWHEEL: WMMouseWheel(Message); break;
    case WM_CONTEXTMENU: WMContextMenu(Message); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    default: DefaultHandler(Message); break;
    }
}

void TControl::DefaultHandler(TMessage& /*Message*/) {}

void TControl::WMMouse(TMessage& Message, TMouseButton button, bool down, bool dbl)
{
    int x = GET_X_LPARAM(Message.LParam);
    int y = GET_Y_LPARAM(Message.LParam);
    TShiftState shift = KeysToShiftState(Message.WParam);
    bool stdEvents = (FControlStyle & csNoStdEvents) == 0;
    if (down) {
        if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
        if (button == mbLeft) {
            FControlState |= csLButtonDown;
            if (dbl) {
                if (FControlStyle & csClickEvents) DblClick();
            } else if (FControlStyle & csClickEvents) {
                FControlState |= csClicked;
            }
        }
        if (stdEvents) MouseDown(button, shift | (dbl ? static_cast<TShiftState>(ssDouble) : 0u), x, y);
        return;
    }
    if (FControlStyle & csCaptureMouse) SetMouseCapture(false);
    if (button == mbLeft) {
        FControlState &= ~static_cast<unsigned>(csLButtonDown);
        if (FControlState & csClicked) {
            FControlState &= ~static_cast<unsigned>(csClicked);
            if (rtl::PtInRect(ClientRect(), {x, y})) Click();
        }
    }
    if (stdEvents) MouseUp(button, shift, x, y);
    if (button == mbRight) {
        rtl::TPoint screen = ClientToScreen({x, y});
        auto* win = dynamic_cast<TWinControl*>(this);
        Perform(WM_CONTEXTMENU, win != nullptr ? static_cast<WPARAM>(win->Handle()) : 0, MAKELPARAM(screen.X, screen.Y));
    }
}

void TControl::WMMouseMove(TMessage& Message)
{
    if (FControlStyle & csNoStdEvents) return;
    MouseMove(KeysToShiftState(Message.WParam), GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
}

void TControl::WMMouseWheel(TMessage& Message)
{
    TShiftState shift = KeysToShiftState(LOWORD(Message.WParam));
    int delta = GET_WHEEL_DELTA_WPARAM(Message.WParam);
    rtl::TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    if (DoMouseWheel(shift, delta, pos)) {
        Message.Result = 1;
    } else if (FParent != nullptr) {
        Message.Result = FParent->Perform(WM_MOUSEWHEEL, Message.WParam, Message.LParam);
    }
}

std::function<bool(rtl::TComponent*, TControl*, rtl::TPoint)> TControl::PopupMenuHandler;

// OnContextPopup first; then the control's pop-up menu; a control without one passes the
// request to its parent, as the platform's default handling does.
void TControl::WMContextMenu(TMessage& Message)
{
    rtl::TPoint screen{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    bool handled = false;
    if (OnContextPopup) OnContextPopup(this, ScreenToClient(screen), handled);
    if (handled) {
        Message.Result = 1;
        return;
    }
    if (FPopupMenu != nullptr && PopupMenuHandler && PopupMenuHandler(FPopupMenu, this, screen)) {
        Message.Result = 1;
        return;
    }
    if (FParent != nullptr) Message.Result = FParent->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
}

void TControl::CMMouseEnter(TMessage& /*Message*/)
{
    FMouseInClient = true;
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage& /*Message*/)
{
    FMouseInClient = false;
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, rtl::TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled) return true;
    // One notch (120) is one up or down step; partial deltas of fine wheels add up.
    int steps = WheelDelta / WHEEL_DELTA;
    if (steps == 0 && WheelDelta != 0) steps = WheelDelta > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(steps); ++i) {
        handled = steps < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, rtl::TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, rtl::TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::InvalidateControl(bool /*wasVisible*/)
{
    if (FParent == nullptr || FParent->RedrawSuppressed()) return;
    TWinControl* top = TopLevelWindow();
    if (top == nullptr || top->Surface() == nullptr) return;
    rtl::TPoint o = FParent->ClientOriginInWindow();
    rtl::TRect r = BoundsRect();
    rtl::OffsetRect(r, o.X, o.Y);
    rtl::TRect clipped;
    if (rtl::IntersectRect(clipped, r, FParent->VisibleClientRectInWindow())) top->InvalidateWindowRect(clipped);
}

void TControl::Invalidate()
{
    if (!Showing()) return;
    InvalidateControl(true);
}

void TControl::InvalidateRect(const rtl::TRect& rect)
{
    if (!Showing()) return;
    if (auto* self = dynamic_cast<TWinControl*>(this); self != nullptr ? self->RedrawSuppressed()
                                                                      : FParent->RedrawSuppressed())
        return;
    TWinControl* top = TopLevelWindow();
    if (top == nullptr || top->Surface() == nullptr) return;
    rtl::TPoint o = ClientOriginInWindow();
    rtl::TRect r = rect;
    rtl::OffsetRect(r, o.X, o.Y);
    rtl::TRect visible;
    auto* win = dynamic_cast<TWinControl*>(this);
    if (win != nullptr) {
        visible = win->VisibleClientRectInWindow();
    } else {
        rtl::TRect own = rtl::Bounds(o.X, o.Y, FWidth, FHeight);
        rtl::IntersectRect(visible, own, FParent->VisibleClientRectInWindow());
    }
    rtl::TRect clipped;
    if (rtl::IntersectRect(clipped, r, visible)) top->InvalidateWindowRect(clipped);
}

void TControl::Update()
{
    if (FParent != nullptr) FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

bool TControl::MouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value)
{
    if (value == MouseCapture()) return;
    SetCaptureControl(value ? this : nullptr);
}

void TControl::BringToFront()
{
    if (FParent == nullptr) return;
    auto& list = FParent->FControls;
    list.erase(std::find(list.begin(), list.end(), this));
    list.push_back(this);
    Invalidate();
}

void TControl::SendToBack()
{
    if (FParent == nullptr) return;
    auto& list = FParent->FControls;
    list.erase(std::find(list.begin(), list.end(), this));
    list.insert(list.begin(), this);
    FParent->Invalidate();
}

TCustomForm* GetParentForm(const TControl* control)
{
    const TControl* c = control;
    while (c != nullptr && c->Parent() != nullptr) c = c->Parent();
    auto* form = dynamic_cast<const TCustomForm*>(c);
    return const_cast<TCustomForm*>(form);
}

}  // namespace ui
