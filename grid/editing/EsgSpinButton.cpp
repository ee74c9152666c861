// The spin editor's arrow buttons: auto-repeat on a held press, painting, the pair's layout, focus and keys.
#include "grid/editing/EsgSpinButton.h"

#include <array>

#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr unsigned FirstRepeatMs = 400;
constexpr unsigned NextRepeatMs = 100;

// The built-in arrow glyph: a black triangle on a background that the transparent drawing
// of the speed button leaves out (its bottom-left pixel).
void LoadArrowGlyph(gfx::TBitmap& glyph, bool up)
{
    glyph.SetSize(9, 6);
    gfx::TCanvas& c = glyph.Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(gfx::clOlive);
    c.FillRect(rtl::Rect(0, 0, 9, 6));
    c.Brush().SetColor(gfx::clBlack);
    for (int r = 0; r < 4; ++r) {
        int half = up ? r : 3 - r;
        c.FillRect(rtl::Rect(4 - half, 1 + r, 5 + half, 2 + r));
    }
}

void FillTriangle(gfx::TCanvas& c, gfx::TColor color, std::array<rtl::TPoint, 3> points)
{
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(color);
    c.Pen().SetStyle(gfx::psSolid);
    c.Pen().SetColor(color);
    c.Polygon(points);
}

}  // namespace

// ===== TExtTimerSpeedButton

TExtTimerSpeedButton::TExtTimerSpeedButton(rtl::TComponent* AOwner) : ui::TSpeedButton(AOwner) {}

TExtTimerSpeedButton::~TExtTimerSpeedButton()
{
    delete FRepeatTimer;
    FRepeatTimer = nullptr;
}

TEsgSpinButton* TExtTimerSpeedButton::Pair() const { return dynamic_cast<TEsgSpinButton*>(Owner()); }

void TExtTimerSpeedButton::InvalidateParent()
{
    if (Parent() != nullptr) Parent()->Invalidate();
}

// The press clicks once at once; the repeat timer takes over from there, and the release
// adds no click of its own.
void TExtTimerSpeedButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft && Pair() != nullptr) Pair()->BtnMouseDown(this);
    ui::TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button == ui::mbLeft && Enabled() && (FTimeBtnState & tbAllowTimer) != 0) {
        if (FRepeatTimer == nullptr) {
            FRepeatTimer = new ui::TTimer(this);
            FRepeatTimer->SetEnabled(false);
        }
        FRepeatTimer->OnTimer = [this](rtl::TObject* Sender) { TimerExpired(Sender); };
        FRepeatTimer->SetInterval(FirstRepeatMs);
        FRepeatTimer->SetEnabled(true);
        FControlState &= ~static_cast<unsigned>(ui::csClicked);
        Click();
    }
    InvalidateParent();
}

void TExtTimerSpeedButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (FRepeatTimer != nullptr) FRepeatTimer->SetEnabled(false);
    InvalidateParent();
}

void TExtTimerSpeedButton::TimerExpired(rtl::TObject*)
{
    FRepeatTimer->SetInterval(NextRepeatMs);
    if (!Pressed() || ui::GetCaptureControl() != this) return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TExtTimerSpeedButton::Dispatch(ui::TMessage& Message)
{
    ui::TSpeedButton::Dispatch(Message);
    if (Message.Msg == ui::CM_MOUSEENTER || Message.Msg == ui::CM_MOUSELEAVE) {
        FHasMouse = Message.Msg == ui::CM_MOUSEENTER;
        Invalidate();
    }
}

void TExtTimerSpeedButton::Paint()
{
    gfx::TCanvas& c = Canvas();
    rtl::TRect r = ClientRect();
    TEsgSpinButton* pair = Pair();
    bool down = Pressed();
    if (pair == nullptr || pair->ButtonColor() == gfx::clNone) {
        if (FIsWinXP) {
            if (gfx::HTHEME theme = gfx::OpenThemeData("spin")) {
                static constexpr int Parts[] = {4, 3, 1, 2};
                int state = down ? 3 : FHasMouse ? 2 : 1;
                bool drawn = gfx::DrawThemeBackground(theme, c, Parts[FButtonDirection], state, r);
                gfx::CloseThemeData(theme);
                if (drawn) return;
            }
        }
        if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
            unsigned state = FButtonDirection == bdLeft ? gfx::DFCS_SCROLLLEFT : gfx::DFCS_SCROLLRIGHT;
            if (down) state |= gfx::DFCS_PUSHED;
            if (Flat()) state |= gfx::DFCS_FLAT;
            gfx::DrawFrameControl(c, r, gfx::DFC_SCROLL, state);
            return;
        }
        if (FTransparent && !down) return;
        ui::TSpeedButton::Paint();
        return;
    }
    gfx::TColor face = down ? pair->ButtonColorDown() : FHasMouse ? pair->ButtonColorHot() : pair->ButtonColor();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(face);
    c.Pen().SetColor(face);
    c.FillRect(r);
    int x = r.Left, y = r.Top;
    switch (FButtonDirection) {
    case bdLeft: FillTriangle(c, gfx::clBlack, {{{x + 5, y + 5}, {x + 3, y + 7}, {x + 5, y + 9}}}); break;
    case bdRight: FillTriangle(c, gfx::clBlack, {{{x + 3, y + 5}, {x + 5, y + 7}, {x + 3, y + 9}}}); break;
    case bdUp: FillTriangle(c, gfx::clBlack, {{{x + 4, y + 4}, {x + 8, y + 4}, {x + 6, y + 2}}}); break;
    case bdDown: FillTriangle(c, gfx::clBlack, {{{x + 4, y + 2}, {x + 8, y + 2}, {x + 6, y + 4}}}); break;
    }
}

// ===== TEsgSpinButton

TEsgSpinButton::TEsgSpinButton(rtl::TComponent* AOwner) : ui::TWinControl(AOwner)
{
    FControlStyle &= ~static_cast<unsigned>(ui::csAcceptsControls | ui::csSetCaption);
    FControlStyle |= ui::csOpaque;
    FUpButton = CreateButton(bdUp);
    FDownButton = CreateButton(bdDown);
    LoadArrowGlyph(FUpButton->Glyph(), true);
    LoadArrowGlyph(FDownButton->Glyph(), false);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, 15, 25);
}

TExtTimerSpeedButton* TEsgSpinButton::CreateButton(TButtonDirection Direction)
{
    auto* b = new TExtTimerSpeedButton(this);
    b->OnClick = [this, b](rtl::TObject*) { BtnClick(b); };
    b->SetVisible(true);
    b->SetEnabled(true);
    b->SetTimeBtnState(tbAllowTimer);
    b->SetButtonDirection(Direction);
    b->SetParent(this);
    return b;
}

void TEsgSpinButton::BtnClick(TExtTimerSpeedButton* Button)
{
    if (Button == FUpButton) {
        if (OnUpClick) OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

void TEsgSpinButton::BtnMouseDown(TExtTimerSpeedButton* Button)
{
    SetFocusBtn(Button);
    if (FFocusControl != nullptr && FFocusControl->TabStop() && FFocusControl->CanFocus() &&
        !FFocusControl->Focused()) {
        FFocusControl->SetFocus();
    } else if (TabStop() && !Focused() && CanFocus()) {
        SetFocus();
    }
}

void TEsgSpinButton::SetFocusBtn(TExtTimerSpeedButton* Button)
{
    if (!TabStop() || !CanFocus() || Button == FFocusedButton) return;
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~static_cast<unsigned>(tbFocusRect));
    FFocusedButton = Button;
    if (Focused()) FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | tbFocusRect);
    Invalidate();
}

void TEsgSpinButton::AdjustSize(int& W, int& H)
{
    if (FUpButton == nullptr || FDownButton == nullptr || HasState(rtl::csLoading)) return;
    if (FDirection == spHorizontal) {
        if (W < 20) W = 20;
        FDownButton->SetBounds(0, 0, W / 2, H);
        FUpButton->SetBounds(W / 2 + 1, 0, W / 2, H);
        return;
    }
    if (W < 15) W = 15;
    FUpButton->SetBounds(0, 0, W, H / 2);
    int upHeight = FUpButton->Height();
    FDownButton->SetBounds(0, upHeight - 1, W, H - upHeight + 1);
}

void TEsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    int w = AWidth, h = AHeight;
    AdjustSize(w, h);
    ui::TWinControl::SetBounds(ALeft, ATop, w, h);
}

void TEsgSpinButton::Loaded()
{
    ui::TWinControl::Loaded();
    SetBounds(Left(), Top(), Width(), Height());
}

void TEsgSpinButton::SetDirection(TSpinDirection v)
{
    if (v == FDirection) return;
    FDirection = v;
    if (v == spHorizontal) {
        FUpButton->SetButtonDirection(bdRight);
        FDownButton->SetButtonDirection(bdLeft);
        SetBounds(Left(), Top(), 20, Height());
    } else {
        FUpButton->SetButtonDirection(bdUp);
        FDownButton->SetButtonDirection(bdDown);
        SetBounds(Left(), Top(), 15, Height());
    }
    Invalidate();
}

void TEsgSpinButton::SetFocusControl(ui::TWinControl* v)
{
    if (FFocusControl != nullptr && FFocusControl != Owner()) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = v;
    if (v != nullptr && v != Owner()) v->FreeNotification(this);
}

void TEsgSpinButton::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TWinControl::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TEsgSpinButton::SetIsWinXP(bool v)
{
    FIsWinXP = v;
    FUpButton->SetIsWinXP(v);
    FDownButton->SetIsWinXP(v);
}

void TEsgSpinButton::SetUpGlyph(const gfx::TBitmap* v)
{
    if (v != nullptr && !v->Empty()) {
        FUpButton->SetGlyph(*v);
        return;
    }
    LoadArrowGlyph(FUpButton->Glyph(), true);
    FUpButton->SetNumGlyphs(1);
}

void TEsgSpinButton::SetDownGlyph(const gfx::TBitmap* v)
{
    if (v != nullptr && !v->Empty()) {
        FDownButton->SetGlyph(*v);
        return;
    }
    LoadArrowGlyph(FDownButton->Glyph(), false);
    FDownButton->SetNumGlyphs(1);
}

void TEsgSpinButton::InvalidateButtons()
{
    FUpButton->Invalidate();
    FDownButton->Invalidate();
}

void TEsgSpinButton::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_GETDLGCODE:
        Message.Result = ui::DLGC_WANTARROWS;
        return;
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS: {
        ui::TWinControl::WndProc(Message);
        TTimeBtnState s = FFocusedButton->TimeBtnState();
        if (Message.Msg == ui::WM_SETFOCUS) s |= tbFocusRect;
        else s &= ~static_cast<unsigned>(tbFocusRect);
        FFocusedButton->SetTimeBtnState(s);
        FFocusedButton->Invalidate();
        return;
    }
    case ui::WM_SIZE: {
        ui::TWinControl::WndProc(Message);
        int w = Width(), h = Height();
        AdjustSize(w, h);
        if (w != Width() || h != Height()) ui::TWinControl::SetBounds(Left(), Top(), w, h);
        Message.Result = 0;
        return;
    }
    default:
        break;
    }
    ui::TWinControl::WndProc(Message);
}

void TEsgSpinButton::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    ui::TWinControl::KeyDown(Key, Shift);
    switch (Key) {
    case ui::VK_SPACE: FFocusedButton->Click(); break;
    case ui::VK_UP:
        SetFocusBtn(FUpButton);
        FUpButton->Click();
        break;
    case ui::VK_DOWN:
        SetFocusBtn(FDownButton);
        FDownButton->Click();
        break;
    default: break;
    }
}

}  // namespace grid
