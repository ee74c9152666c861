// The grid button: properties, looks, down state and groups, mouse and hover tracking, glyph copies.
#include "grid/core/GridButton.h"

#include "grid/foundation/ExtStyleIF.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Menus.h"

namespace grid {

namespace {

constexpr int DropDownWidth = 12;

// Colours of one look, in the order of the look table.
struct TButtonLook {
    gfx::TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo,
        BorderDownColor, BorderHotColor;
    bool Rounded;
};

constexpr gfx::TColor None = gfx::clNone;
constexpr gfx::TColor Face = gfx::clBtnFace;

const TButtonLook Looks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, None, 0xAF987A, 0xC3CECE, true},
    {Face, None, 0xEED2C1, None, 0xE2B598, None, 0xE8E6E1, None, 0xC56A31, 0xC56A31, false},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {Face, None, Face, None, 0xD8D3D2, None, 0xCAC7C7, None, None, None, false},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
};

// The look a colour scheme of the visual style gives: blue, olive, silver, else classic.
int LookOfScheme(int scheme)
{
    switch (scheme) {
    case 1: return 2;
    case 2: return 3;
    case 3: return 4;
    default: return 1;
    }
}

void CopyGlyph(gfx::TBitmap& target, const gfx::TBitmap& source)
{
    target.Assign(&source);
    target.SetTransparent(true);
}

}  // namespace

int CurrentXPColorScheme()
{
    if (!IsWindowsXPOrLater() || !VisualStylesLibraryLoaded()) return 0;
    if (IsThemeActive == nullptr || !IsThemeActive() || GetCurrentThemeName == nullptr) return 0;
    std::string fileName, colorName, sizeName;
    if (GetCurrentThemeName(fileName, colorName, sizeName) != S_OK) return 0;
    // The buffers hold 255 characters.
    colorName = colorName.substr(0, 255);
    if (colorName == "NormalColor") return 1;
    if (colorName == "HomeStead") return 2;
    if (colorName == "Metallic") return 3;
    return 0;
}

// --- construction ---

TExtGridButton::TExtGridButton(rtl::TComponent* AOwner)
    : ui::TGraphicControl(AOwner), FGlyph(std::make_unique<gfx::TBitmap>()),
      FGlyphDisabled(std::make_unique<gfx::TBitmap>()), FGlyphHot(std::make_unique<gfx::TBitmap>()),
      FGlyphDown(std::make_unique<gfx::TBitmap>()), FGlyphShade(std::make_unique<gfx::TBitmap>())
{
    FIsComCtl6 = IsCommonControls6();
    FGlyph->OnChange = [this](rtl::TObject*) { Invalidate(); };
    SetBounds(Left(), Top(), 23, 22);
    // The button raises its own clicks.
    SetControlStyle(ui::csCaptureMouse | ui::csDoubleClicks);
    SetParentFont(true);
    SetColor(gfx::clBtnFace);
}

TExtGridButton::~TExtGridButton()
{
    if (FDropDownMenu != nullptr) FDropDownMenu->RemoveFreeNotification(this);
}

void TExtGridButton::Loaded()
{
    ui::TGraphicControl::Loaded();
    if (FShaded) BuildShade();
    if (FAutoThemeAdapt) ThemeAdapt();
}

void TExtGridButton::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TGraphicControl::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

// --- down state and groups ---

void TExtGridButton::SetDown(bool Value)
{
    if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        Repaint();
        return;
    }
    if (Value == FDown) return;
    if (FDown && !Value && !FAllowAllUp) return;
    FDown = Value;
    if (Value) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
    } else {
        FState = bsUp;
        Repaint();
    }
    if (Value) UpdateExclusive();
}

void TExtGridButton::SetGroupIndex(int Value)
{
    if (Value == FGroupIndex) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TExtGridButton::SetAllowAllUp(bool Value)
{
    if (Value == FAllowAllUp) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TExtGridButton::SetStyle(TExtGridButtonStyle Value)
{
    FStyle = Value;
    Invalidate();
}

void TExtGridButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || Parent() == nullptr) return;
    ui::TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<ui::WPARAM>(FGroupIndex),
                                     reinterpret_cast<ui::LPARAM>(static_cast<rtl::TObject*>(this)));
}

void TExtGridButton::ButtonPressed(ui::TMessage& Message)
{
    if (static_cast<int>(Message.WParam) != FGroupIndex) return;
    auto* sender = dynamic_cast<TExtGridButton*>(reinterpret_cast<rtl::TObject*>(Message.LParam));
    if (sender == nullptr || sender == this) return;
    if (sender->FDown && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

void TExtGridButton::Click() { ui::TGraphicControl::Click(); }

// --- mouse ---

bool TExtGridButton::InsideClient(int X, int Y) const
{
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TExtGridButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != ui::mbLeft || !Enabled()) return;
    if (FDropDownButton && X >= ClientWidth() - DropDownWidth) {
        FState = bsUp;
        if (OnDropDown) OnDropDown(this);
        if (FDropDownMenu != nullptr) {
            const rtl::TPoint p = ClientToScreen({0, ClientHeight()});
            FDropDownMenu->Popup(p.X, p.Y);
        }
        return;
    }
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TExtGridButton::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!FMouseInControl) UpdateTracking();
        return;
    }
    TButtonState newState = FDown ? bsExclusive : (InsideClient(X, Y) ? bsDown : bsUp);
    if (FStyle == tasCheck && FDown) newState = bsDown;
    if (newState != FState) {
        FState = newState;
        Repaint();
    }
}

void TExtGridButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool inside = InsideClient(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        // A check button toggles on a release inside and keeps its state outside.
        if (FStyle == tasCheck && inside) {
            SetDown(!FDown);
            FState = bsUp;
        }
        if (inside) Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown) Repaint();
    } else {
        if (FDown) FState = bsExclusive;
        Repaint();
    }
    if (inside) Click();
    UpdateTracking();
}

void TExtGridButton::UpdateTracking()
{
    if (!FFlat || !Enabled()) return;
    rtl::TPoint p;
    ui::TWinControl* top = TopLevelWindow();
    if (top == nullptr || !ui::GetCursorPos(p)) return;
    const bool inside = ui::TInputRouter::HitTest(top, p) == this;
    if (inside != FMouseInControl) Perform(inside ? ui::CM_MOUSEENTER : ui::CM_MOUSELEAVE, 0, 0);
}

void TExtGridButton::MouseEnter(ui::TMessage& Message)
{
    if (!FMouseInControl && Enabled() && ui::GetCaptureControl() == nullptr) {
        FMouseInControl = true;
        Repaint();
    }
    ui::TGraphicControl::Dispatch(Message);
}

void TExtGridButton::MouseLeave(ui::TMessage& Message)
{
    if (FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
    ui::TGraphicControl::Dispatch(Message);
}

bool TExtGridButton::DialogChar(ui::TMessage& Message)
{
    if (!ui::IsAccel(static_cast<char32_t>(Message.WParam), Caption())) return false;
    if (!Enabled() || !Visible() || Parent() == nullptr || !Parent()->Showing()) return false;
    Click();
    return true;
}

void TExtGridButton::Dispatch(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED: ButtonPressed(Message); return;
    case ui::CM_MOUSEENTER: MouseEnter(Message); return;
    case ui::CM_MOUSELEAVE: MouseLeave(Message); return;
    case ui::CM_DIALOGCHAR: Message.Result = DialogChar(Message) ? 1 : 0; return;
    case ui::CM_ENABLEDCHANGED:
        UpdateTracking();
        Repaint();
        return;
    case ui::CM_FONTCHANGED:
    case ui::CM_TEXTCHANGED: Invalidate(); break;
    case ui::WM_THEMECHANGED:
        if (FAutoThemeAdapt) ThemeAdapt();
        break;
    case ui::WM_LBUTTONDBLCLK:
        ui::TGraphicControl::Dispatch(Message);
        if (FDown) DblClick();
        return;
    default: break;
    }
    ui::TGraphicControl::Dispatch(Message);
}

// --- glyphs ---

void TExtGridButton::SetGlyph(const gfx::TBitmap& Value)
{
    CopyGlyph(*FGlyph, Value);
    if (FGlyphDisabled->Empty() && !FGlyph->Empty()) {
        // A grey of ((R + G + B) div 3) div 2 + 96: levels 96 to 223.
        gfx::TBitmap grey;
        grey.Assign(FGlyph.get());
        for (int y = 0; y < grey.Height(); ++y) {
            std::uint32_t* row = grey.ScanLine(y);
            for (int x = 0; x < grey.Width(); ++x) {
                const std::uint32_t p = row[x];
                const std::uint32_t level = (((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) / 3) / 2 + 96;
                row[x] = (p & 0xFF000000u) | level << 16 | level << 8 | level;
            }
        }
        grey.Canvas().Changed();
        CopyGlyph(*FGlyphDisabled, grey);
    }
    Invalidate();
}

void TExtGridButton::SetGlyphHot(const gfx::TBitmap& Value)
{
    CopyGlyph(*FGlyphHot, Value);
    Invalidate();
}

void TExtGridButton::SetGlyphDown(const gfx::TBitmap& Value)
{
    CopyGlyph(*FGlyphDown, Value);
    Invalidate();
}

void TExtGridButton::SetGlyphDisabled(const gfx::TBitmap& Value)
{
    CopyGlyph(*FGlyphDisabled, Value);
    Invalidate();
}

void TExtGridButton::SetShaded(bool Value)
{
    FShaded = Value;
    if (Value && !HasState(rtl::csLoading)) BuildShade();
    Invalidate();
}

void TExtGridButton::BuildShade()
{
    if (FGlyph->Empty()) return;
    const int w = FGlyph->Width(), h = FGlyph->Height();
    const gfx::TColor key = gfx::ColorToRGB(FGlyph->TransparentColor());
    const std::uint32_t keyPixel = 0xFF000000u | static_cast<std::uint32_t>(gfx::GetRValue(key)) << 16 |
                                   static_cast<std::uint32_t>(gfx::GetGValue(key)) << 8 | gfx::GetBValue(key);
    gfx::TBitmap shade(w, h);
    shade.SetPixelFormat(gfx::pf24bit);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* source = FGlyph->ScanLine(y);
        std::uint32_t* row = shade.ScanLine(y);
        for (int x = 0; x < w; ++x) row[x] = (source[x] | 0xFF000000u) == keyPixel ? keyPixel : 0xFF808080u;
    }
    shade.Canvas().Changed();
    CopyGlyph(*FGlyphShade, shade);
}

// --- look ---

void TExtGridButton::SetLook(int Value)
{
    FLook = Value;
    if (Value < 0 || Value >= static_cast<int>(std::size(Looks))) return;
    const TButtonLook& l = Looks[Value];
    FColorTo = l.ColorTo;
    FColorHot = l.ColorHot;
    FColorHotTo = l.ColorHotTo;
    FColorDown = l.ColorDown;
    FColorDownTo = l.ColorDownTo;
    FColorChecked = l.ColorChecked;
    FColorCheckedTo = l.ColorCheckedTo;
    FBorderDownColor = l.BorderDownColor;
    FBorderHotColor = l.BorderHotColor;
    FBorderColor = gfx::clNone;
    FRounded = l.Rounded;
    FFlat = true;
    SetColor(l.Color);
    Invalidate();
}

void TExtGridButton::ThemeAdapt() { SetLook(LookOfScheme(CurrentXPColorScheme())); }

void TExtGridButton::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    if (Value && !HasState(rtl::csLoading)) ThemeAdapt();
}

void TExtGridButton::SetMargin(int Value)
{
    if (Value == FMargin || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

// Simple setters: store and repaint.
#define GRID_BUTTON_SETTER(name, type, field) \
    void TExtGridButton::Set##name(type Value) \
    {                                          \
        field = Value;                         \
        Invalidate();                          \
    }
GRID_BUTTON_SETTER(Layout, TButtonLayout, FLayout)
GRID_BUTTON_SETTER(Spacing, int, FSpacing)
GRID_BUTTON_SETTER(ShowCaption, bool, FShowCaption)
GRID_BUTTON_SETTER(Transparent, bool, FTransparent)
GRID_BUTTON_SETTER(Flat, bool, FFlat)
GRID_BUTTON_SETTER(Rounded, bool, FRounded)
GRID_BUTTON_SETTER(ColorTo, gfx::TColor, FColorTo)
GRID_BUTTON_SETTER(ColorHot, gfx::TColor, FColorHot)
GRID_BUTTON_SETTER(ColorHotTo, gfx::TColor, FColorHotTo)
GRID_BUTTON_SETTER(ColorDown, gfx::TColor, FColorDown)
GRID_BUTTON_SETTER(ColorDownTo, gfx::TColor, FColorDownTo)
GRID_BUTTON_SETTER(ColorChecked, gfx::TColor, FColorChecked)
GRID_BUTTON_SETTER(ColorCheckedTo, gfx::TColor, FColorCheckedTo)
GRID_BUTTON_SETTER(BorderColor, gfx::TColor, FBorderColor)
GRID_BUTTON_SETTER(BorderDownColor, gfx::TColor, FBorderDownColor)
GRID_BUTTON_SETTER(BorderHotColor, gfx::TColor, FBorderHotColor)
GRID_BUTTON_SETTER(AutoXPStyle, bool, FAutoXPStyle)
GRID_BUTTON_SETTER(DropDownButton, bool, FDropDownButton)
#undef GRID_BUTTON_SETTER

void TExtGridButton::SetDropDownMenu(ui::TPopupMenu* Value)
{
    if (Value == FDropDownMenu) return;
    if (FDropDownMenu != nullptr) FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

}  // namespace grid
