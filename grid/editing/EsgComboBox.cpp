// Flat combo box: colours across flat and focus changes, own button and frame painting, label placement.
#include "grid/editing/EsgComboBox.h"

#include <algorithm>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

rtl::TPoint LabelPlacement(TLabelPosition Position, const rtl::TRect& Control, int lw, int lh, int tw, int m)
{
    int T = Control.Top, L = Control.Left, W = Control.Width(), H = Control.Height();
    int vCentre = lh <= H ? T + (H - lh) / 2 : T - (lh - H) / 2;
    int hCentre = lw <= W ? L + (W - lw) / 2 : L - (lw - W) / 2;
    switch (Position) {
    case lpLeftTop: return {L - tw - m, T};
    case lpLeftCenter: return {L - tw - m, vCentre};
    case lpLeftBottom: return {L - tw - m, T + H - lh};
    case lpTopLeft: return {L, T - lh - m};
    case lpBottomLeft: return {L, T + H + m};
    case lpLeftTopLeft: return {L - m, T};
    case lpLeftCenterLeft: return {L - m, vCentre};
    case lpLeftBottomLeft: return {L - m, T + H - lh};
    case lpTopCenter: return {hCentre, T - lh - m};
    case lpBottomCenter: return {hCentre, T + H + m};
    case lpRightTop: return {L + W + m, T};
    case lpRightCenter: return {L + W + m, vCentre};
    case lpRighBottom: return {L + W + m, T + H - lh};
    }
    return {L, T};
}

TEsgCustomCombo::TEsgCustomCombo(rtl::TComponent* AOwner)
    : ui::TComboBox(AOwner), FButtonWidth(ui::GetSystemMetrics(ui::SM_CXVSCROLL) + 2),
      FLabelFont(std::make_unique<gfx::TFont>())
{
    FLabelFont->OnChange = [this](rtl::TObject*) { UpdateLabel(); };
}

TEsgCustomCombo::~TEsgCustomCombo()
{
    FLabelFont->OnChange = nullptr;
    if (FLabel != nullptr) {
        FLabel->RemoveFreeNotification(this);
        delete FLabel;
        FLabel = nullptr;
    }
}

void TEsgCustomCombo::SelectItem(const std::string& AString)
{
    int i = Items().IndexOf(AString);
    if (i >= 0) SetItemIndex(i);
}

void TEsgCustomCombo::Init() { FNormalColor = Color(); }

void TEsgCustomCombo::Loaded()
{
    ui::TComboBox::Loaded();
    FOldColor = FLoadedColor;
    if (!(FFlatParentColor && !FFlat)) ui::TComboBox::SetColor(FLoadedColor);
    if (FLabel != nullptr) {
        if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
        if (ParentFont()) FLabel->Font().Assign(&Font());
    }
    UpdateLabel();
    Init();
}

void TEsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    ui::TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!HasState(rtl::csDestroying)) UpdateLabel();
}

void TEsgCustomCombo::SetEnabled(bool value)
{
    bool changed = value != Enabled();
    // A flat combo shows its parent's colour while disabled.
    if (changed && FFlat && !HasState(rtl::csLoading)) {
        if (!value) {
            FOldParentColor = ParentColor();
            FOldColor = Color();
            SetParentColor(true);
        } else {
            SetParentColor(FOldParentColor);
            ui::TComboBox::SetColor(FOldColor);
        }
    }
    ui::TComboBox::SetEnabled(value);
    if (!changed || HasState(rtl::csLoading) || HasState(rtl::csDesigning)) return;
    if (FLabel != nullptr && !FLabelAlwaysEnabled) FLabel->SetEnabled(value);
    UpdateLabel();
}

void TEsgCustomCombo::SetVisible(bool value)
{
    ui::TComboBox::SetVisible(value);
    if (FLabel != nullptr) FLabel->SetVisible(value);
}

void TEsgCustomCombo::SetColor(gfx::TColor value)
{
    if (HasState(rtl::csLoading)) FLoadedColor = value;
    ui::TComboBox::SetColor(value);
}

// A flat combo with FlatParentColor takes its parent's colour; otherwise the loaded colour.
void TEsgCustomCombo::SetFlat(bool v)
{
    if (v == FFlat) return;
    FFlat = v;
    if (FFlat && FFlatParentColor && Parent() != nullptr) ui::TComboBox::SetColor(Parent()->Color());
    else ui::TComboBox::SetColor(FLoadedColor);
    Invalidate();
}

void TEsgCustomCombo::SetButtonWidth(int v)
{
    if (v < 14 || v > 32) return;
    FButtonWidth = v;
    Invalidate();
}

void TEsgCustomCombo::SetBorderColor(gfx::TColor v)
{
    if (v == FBorderColor) return;
    FBorderColor = v;
    Invalidate();
}

std::string TEsgCustomCombo::LabelCaption() const { return FLabel != nullptr ? FLabel->Caption() : std::string(); }

void TEsgCustomCombo::SetLabelCaption(const std::string& v)
{
    if (FLabel == nullptr) {
        FLabel = new ui::TLabel(nullptr);
        FLabel->FreeNotification(this);
        FLabel->Font().Assign(FLabelFont.get());
    }
    FLabel->SetCaption(v);
    UpdateLabel();
}

void TEsgCustomCombo::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TComboBox::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FLabel) FLabel = nullptr;
}

void TEsgCustomCombo::UpdateLabel()
{
    if (FLabel == nullptr || HasState(rtl::csDestroying)) return;
    FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    if (!ParentFont()) FLabel->Font().Assign(FLabelFont.get());
    gfx::TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(&FLabel->Font());
    int tw = measure.Canvas().TextWidth(FLabel->Caption());
    rtl::TPoint at = LabelPlacement(FLabelPosition, BoundsRect(), FLabel->Width(), FLabel->Height(), tw,
                                    FLabelMargin);
    FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

int TEsgCustomCombo::TextAreaWidth() const { return std::max(0, ClientWidth() - FButtonWidth); }

// The own button: with a ButtonColor a filled rectangle with a triangle, else the themed
// or classic combo button.
void TEsgCustomCombo::Paint()
{
    ui::TComboBox::Paint();
    if (FIsVista && FButtonColor == gfx::clNone) return;
    gfx::TCanvas& c = Canvas();
    rtl::TRect r = rtl::Rect(TextAreaWidth(), 0, ClientWidth(), ClientHeight());
    bool mouseDown = ui::GetAsyncKeyState(ui::VK_LBUTTON) < 0 || ui::GetAsyncKeyState(ui::VK_RBUTTON) < 0;
    if (FButtonColor != gfx::clNone) {
        gfx::TColor fill = (mouseDown && FButtonHover) ? FButtonColorDown : FButtonHover ? FButtonColorHot : FButtonColor;
        if (fill == gfx::clNone) fill = FButtonColor;
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(fill);
        c.FillRect(r);
        c.Pen().SetColor(FButtonBorderColor == gfx::clNone ? fill : FButtonBorderColor);
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Left, r.Bottom);
        gfx::TColor tc = mouseDown && FButtonHover && FButtonTextColorDown != gfx::clNone ? FButtonTextColorDown
                                                                                           : FButtonTextColor;
        if (tc == gfx::clNone) tc = gfx::clBlack;
        int mx = r.Left + (r.Width() - 7) / 2, my = r.Top + (r.Height() - 4) / 2;
        const rtl::TPoint tri[3] = {{mx, my}, {mx + 6, my}, {mx + 3, my + 3}};
        c.Brush().SetColor(tc);
        c.Pen().SetColor(tc);
        c.Polygon(tri);
        return;
    }
    if (FIsWinXP && gfx::ThemesActive()) {
        gfx::TThemedState st = !Enabled() ? gfx::tsDisabled
                               : mouseDown && DroppedDown() ? gfx::tsPressed
                               : (mouseDown || !FButtonHover || DroppedDown()) ? gfx::tsNormal
                                                                               : gfx::tsHot;
        gfx::DrawThemedComboButton(c, r, st);
    }
}

// The frame: BorderColor, or FocusBorderColor while focused; a disabled themed combo
// without DisabledBorder is framed in 0xB99D7F.
void TEsgCustomCombo::PaintNonClient(gfx::TCanvas& canvas)
{
    ui::TComboBox::PaintNonClient(canvas);
    gfx::TColor frame = gfx::clNone;
    if (!Enabled() && gfx::ThemesActive() && !FDisabledBorder) frame = 0xB99D7F;
    else if (FHasFocus && FFocusBorderColor != gfx::clNone) frame = FFocusBorderColor;
    else if (FBorderColor != gfx::clNone) frame = FBorderColor;
    if (frame == gfx::clNone) return;
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(frame);
    canvas.FrameRect(rtl::Rect(0, 0, Width(), Height()));
}

void TEsgCustomCombo::FocusColors(bool focused)
{
    if (focused) {
        if (FFocusColor != gfx::clNone) {
            if (FNormalColor == gfx::clNone) FNormalColor = Color();
            ui::TComboBox::SetColor(FFocusColor);
        }
    } else if (FFocusColor != gfx::clNone && FNormalColor != gfx::clNone) {
        ui::TComboBox::SetColor(FNormalColor);
    }
    if (FLabel != nullptr && FFocusLabel) {
        gfx::TFontStyles st = FLabel->Font().Style();
        FLabel->Font().SetStyle(focused ? st.Include(gfx::fsBold) : st.Exclude(gfx::fsBold));
    }
    Invalidate();
}

void TEsgCustomCombo::DoEnter()
{
    if (!HasState(rtl::csDesigning)) {
        FHasFocus = true;
        FocusColors(true);
    }
    ui::TComboBox::DoEnter();
}

void TEsgCustomCombo::DoExit()
{
    if (!HasState(rtl::csDesigning)) {
        FHasFocus = false;
        FocusColors(false);
    }
    ui::TComboBox::DoExit();
}

void TEsgCustomCombo::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    bool hover = Width() - FButtonWidth < X && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
    ui::TComboBox::MouseMove(Shift, X, Y);
}

void TEsgCustomCombo::ApplyDropWidth()
{
    bool dropped = DroppedDown();
    if (dropped && FDropWidth > Width() && DropList() != nullptr) {
        ui::TComboDropList* list = DropList();
        list->SetBounds(list->Left(), list->Top(), FDropWidth, list->Height());
    }
    // The list closed: OnDropUp once per closing.
    if (FWasDropped && !dropped && OnDropUp) OnDropUp(this);
    FWasDropped = dropped;
}

void TEsgCustomCombo::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TComboBox::MouseDown(Button, Shift, X, Y);
    ApplyDropWidth();
}

void TEsgCustomCombo::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    ui::TComboBox::KeyDown(Key, Shift);
    ApplyDropWidth();
}

void TEsgCustomCombo::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::CM_MOUSEENTER:
        if (!FMouseInControl && Enabled()) {
            FMouseInControl = true;
            Invalidate();
        }
        if (FAutoFocus && !HasState(rtl::csDesigning) && CanFocus() && !Focused()) SetFocus();
        break;
    case ui::CM_MOUSELEAVE:
        if (Enabled()) FMouseInControl = false;
        FButtonHover = false;
        Invalidate();
        break;
    default:
        break;
    }
    ui::TComboBox::WndProc(Message);
    if (Message.Msg == ui::WM_KILLFOCUS || Message.Msg == ui::WM_LBUTTONUP || Message.Msg == ui::WM_LBUTTONDOWN)
        ApplyDropWidth();
}

}  // namespace grid
