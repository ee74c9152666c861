// Edit-with-button controls: button part, its speed button painting, the edit's layout, keys and unit menu.
#include "grid/editing/EsgEditBtn.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Menus.h"

namespace grid {

namespace {
// The edit notification code of a text change.
constexpr ui::WPARAM kEnChange = 0x300;
}  // namespace

// ===== TExtSpeedButton

TExtSpeedButton::TExtSpeedButton(TEsgEditButton* AOwner) : ui::TSpeedButton(AOwner), FPart(AOwner) {}

void TExtSpeedButton::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Font().Assign(&Font());
    rtl::TRect r = rtl::Rect(0, 0, Width(), Height());
    bool down = StateDown();
    if (FPart->ButtonColor() != gfx::clNone) {
        SetFlat(true);
        gfx::TColor fill = down ? FPart->ButtonColorDown() : FHot ? FPart->ButtonColorHot() : FPart->ButtonColor();
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(fill);
        c.Pen().SetColor(fill);
        c.FillRect(ClientRect());
    } else if (FIsWinXP && gfx::ThemesActive()) {
        gfx::DrawThemedPushButton(c, r, down ? gfx::tsPressed : FHot ? gfx::tsHot : gfx::tsNormal);
    } else if (FFlat) {
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(gfx::clBtnFace);
        c.FillRect(r);
        gfx::DrawEdge(c, r, down ? gfx::BDR_SUNKENOUTER : gfx::BDR_RAISEDINNER, gfx::BF_RECT | gfx::BF_MIDDLE);
        rtl::InflateRect(r, -1, -1);
    } else {
        gfx::DrawFrameControl(c, r, gfx::DFC_BUTTON,
                              gfx::DFCS_BUTTONPUSH | gfx::DFCS_ADJUSTRECT | (down ? gfx::DFCS_PUSHED : 0u));
    }
    int shift = down ? 1 : 0;
    if (!Glyph().Empty()) {
        int gx = Glyph().Width() < Width() ? (Width() - Glyph().Width()) / 2 : 0;
        int gy = Glyph().Height() < Height() ? (Height() - Glyph().Height()) / 2 : 0;
        Glyph().SetTransparent(true);
        c.Draw(gx + shift, gy + shift, Glyph());
    }
    rtl::TRect tr = r;
    rtl::OffsetRect(tr, shift, shift);
    c.Brush().SetStyle(gfx::bsClear);
    c.Font().SetColor(gfx::clBlack);
    c.DrawText(Caption(), tr, gfx::DT_SINGLELINE | gfx::DT_CENTER | gfx::DT_VCENTER);
}

void TExtSpeedButton::Dispatch(ui::TMessage& Message)
{
    ui::TSpeedButton::Dispatch(Message);
    if (Message.Msg == ui::CM_MOUSEENTER || Message.Msg == ui::CM_MOUSELEAVE) {
        FHot = Message.Msg == ui::CM_MOUSEENTER;
        Invalidate();
    }
}

void TExtSpeedButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft && Enabled()) FPressedState = true;
    ui::TSpeedButton::MouseDown(Button, Shift, X, Y);
}

// The speed button's own click does nothing: the part's click runs on the release.
void TExtSpeedButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    bool wasPressed = FPressedState;
    if (Button == ui::mbLeft) FPressedState = false;
    ui::TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Button == ui::mbLeft && wasPressed) FPart->ButtonReleased();
}

// ===== TEsgEditButton

TEsgEditButton::TEsgEditButton(rtl::TComponent* AOwner) : ui::TWinControl(AOwner)
{
    SetControlStyle((ControlStyle() & ~(ui::csAcceptsControls | ui::csSetCaption)) | ui::csOpaque);
    FButton = new TExtSpeedButton(this);
    FButton->SetParent(this);
    SetBounds(Left(), Top(), 20, 25);
}

void TEsgEditButton::SetFlat(bool v)
{
    FFlat = v;
    FButton->SetExtFlat(v);
    FButton->Invalidate();
}

void TEsgEditButton::SetButtonCaption(const std::string& v)
{
    FButton->SetCaption(v);
    FButton->Invalidate();
}

void TEsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    ui::TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!HasState(rtl::csLoading) && FButton != nullptr) FButton->SetBounds(0, 0, Width(), Height());
}

void TEsgEditButton::ButtonReleased()
{
    if (OnClick) OnClick(this);
    if (FFocusControl != nullptr && FFocusControl->TabStop() && FFocusControl->CanFocus() &&
        !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

void TEsgEditButton::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TWinControl::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

// ===== TEsgEditBtn

TEsgEditBtn::TEsgEditBtn(rtl::TComponent* AOwner) : ui::TMaskEdit(AOwner)
{
    SetControlStyle(ControlStyle() & ~ui::csSetCaption);
    // A multi-line window, so that pasted line breaks stay; Enter still goes to the form.
    SetMultiLine(true);
    SetWantReturnsState(false);
    FButton = new TEsgEditButton(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](rtl::TObject* Sender) { ClickBtn(Sender); };
    FButtonWidth = 18;
    SetText("0");
    PlaceButton();
}

// The reference to the button part goes before the owned part is freed.
TEsgEditBtn::~TEsgEditBtn()
{
    if (FButton != nullptr) FButton->OnClick = nullptr;
    FButton = nullptr;
}

void TEsgEditBtn::SetRightAlign(bool v)
{
    FRightAlign = v;
    SetTextAlignment(v ? ui::taRightJustify : ui::taLeftJustify);
}

void TEsgEditBtn::SetButtonWidth(int v)
{
    FButtonWidth = v;
    if (FButton != nullptr) FButton->SetBounds(FButton->Left(), FButton->Top(), v, FButton->Height());
    PlaceButton();
}

void TEsgEditBtn::SetButtonCaption(const std::string& v)
{
    if (FButton != nullptr) FButton->SetButtonCaption(v);
}

void TEsgEditBtn::SetIsWinXP(bool v)
{
    FIsWinXP = v;
    if (FButton != nullptr) FButton->Button().SetIsWinXP(v);
}

void TEsgEditBtn::ClickBtn(rtl::TObject* Sender)
{
    if (OnClickBtn) OnClickBtn(Sender);
}

// The text ends before the button and the unit room: right = client width − (button
// width + unit room + 5), 3 less again with a unit.
int TEsgEditBtn::TextAreaWidth() const
{
    int bw = FButton != nullptr ? FButton->Width() : 0;
    int right = ClientWidth() - (bw + FUnitSize + 5);
    if (FUnitSize > 0) right -= 3;
    return std::max(0, right);
}

// With a border the part sits at (width − button width − 5, 0) with height − 5, without
// one at (width − button width − 1, 0) with height − 1 (window sizes, client coordinates).
void TEsgEditBtn::PlaceButton()
{
    if (FButton == nullptr) return;
    int bw = FButton->Width();
    int d = BorderNone() ? 1 : 5;
    FButton->SetBounds(Width() - bw - d, 0, bw, std::max(0, Height() - d));
}

// The edit is never lower than f + min(s, f) / 4, with f the text height of its font and s
// that of the system font; a lower height is raised, otherwise the button is placed.
void TEsgEditBtn::Resize()
{
    ui::TMaskEdit::Resize();
    gfx::TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(&Font());
    int f = measure.Canvas().TextHeight("Wg");
    gfx::TFont systemFont;
    measure.Canvas().Font().Assign(&systemFont);
    int sys = measure.Canvas().TextHeight("Wg");
    int minHeight = f + std::min(sys, f) / 4;
    if (Height() < minHeight) {
        SetBounds(Left(), Top(), Width(), minHeight);
        return;
    }
    PlaceButton();
}

void TEsgEditBtn::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    // The clipboard keys go through WM_PASTE and WM_CUT, so that the message rules hold
    // for them as for the platform's edit.
    bool ctrl = (Shift & ui::ssCtrl) != 0, shift = (Shift & ui::ssShift) != 0;
    if ((ctrl && Key == 'V') || (shift && !ctrl && Key == ui::VK_INSERT)) {
        Key = 0;
        Perform(ui::WM_PASTE, 0, 0);
        return;
    }
    if ((ctrl && Key == 'X') || (shift && !ctrl && Key == ui::VK_DELETE)) {
        Key = 0;
        Perform(ui::WM_CUT, 0, 0);
        return;
    }
    ui::TMaskEdit::KeyDown(Key, Shift);
    if (Key == ui::VK_F4 && ui::GetKeyState(ui::VK_CONTROL) >= 0 && ui::GetKeyState(ui::VK_LMENU) >= 0 &&
        ui::GetKeyState(ui::VK_RMENU) >= 0 && (Shift & (ui::ssCtrl | ui::ssAlt)) == 0)
        ClickBtn(this);
}

void TEsgEditBtn::DoEnter()
{
    if (AutoSelect() && ui::GetKeyState(ui::VK_LBUTTON) >= 0) SelectAll();
    ui::TMaskEdit::DoEnter();
}

void TEsgEditBtn::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_CHAR:
        if (!FEditorEnabled) return;
        break;
    case ui::WM_PASTE:
    case ui::WM_CUT:
        if (!FEditorEnabled || ReadOnly()) return;
        break;
    default:
        break;
    }
    ui::TMaskEdit::WndProc(Message);
}

// ===== TEsgUnitEditBtn

TEsgUnitEditBtn::TEsgUnitEditBtn(rtl::TComponent* AOwner)
    : TEsgEditBtn(AOwner), FUnits(std::make_unique<rtl::TStringList>())
{
    FUnitSize = 20;
    SetRightAlign(true);
}

TEsgUnitEditBtn::~TEsgUnitEditBtn() = default;

void TEsgUnitEditBtn::SetUnits(const rtl::TStrings* Value)
{
    if (Value != nullptr) FUnits->Assign(Value);
}

void TEsgUnitEditBtn::SetUnitID(const std::string& v)
{
    FUnitID = v;
    Invalidate();
}

void TEsgUnitEditBtn::SetUnitSpace(int v)
{
    FUnitSize = v;
    Invalidate();
}

void TEsgUnitEditBtn::SetTextAndUnit(const std::string& Value)
{
    long long vlen = static_cast<long long>(rtl::Utf8Length(Value));
    for (int i = 0; i < FUnits->Count(); ++i) {
        std::string u = FUnits->Get(i);
        if (u.empty()) continue;
        long long ulen = static_cast<long long>(rtl::Utf8Length(u));
        if (rtl::Utf8Pos(u, Value) != vlen - ulen + 1) continue;
        SetText(Value.substr(0, Value.size() - u.size()));
        SetUnitID(u);
        return;
    }
}

// After OnClickBtn the units drop down as a menu below the edit's right end; a chosen
// unit comes back as WM_COMMAND with its index + 1.
void TEsgUnitEditBtn::ClickBtn(rtl::TObject* Sender)
{
    TEsgEditBtn::ClickBtn(Sender);
    FMenu = std::make_unique<ui::TPopupMenu>(nullptr);
    for (int i = 0; i < FUnits->Count(); ++i) {
        auto* item = new ui::TMenuItem(FMenu.get());
        item->SetCaption(FUnits->Get(i));
        ui::WPARAM id = static_cast<ui::WPARAM>(i + 1);
        item->OnClick = [this, id](rtl::TObject*) { Perform(ui::WM_COMMAND, id, 0); };
        FMenu->Items().Add(item);
    }
    rtl::TPoint p = ClientToScreen({ClientWidth() - 15, ClientHeight()});
    FMenu->Popup(p.X, p.Y);
}

void TEsgUnitEditBtn::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::WM_COMMAND && ((Message.WParam >> 16) & 0xFFFF) != kEnChange) {
        int id = static_cast<int>(Message.WParam & 0xFFFF);
        if (id >= 1 && id <= FUnits->Count()) {
            std::string old = FUnitID;
            SetUnitID(FUnits->Get(id - 1));
            if (FUnitID != old && OnUnitChanged) OnUnitChanged(this, FUnitID);
            return;
        }
    }
    TEsgEditBtn::WndProc(Message);
}

void TEsgUnitEditBtn::Paint()
{
    TEsgEditBtn::Paint();
    gfx::TCanvas& c = Canvas();
    int bw = Button() != nullptr ? Button()->Width() : 0;
    int left = ClientWidth() - (bw + FUnitSize + 3);
    rtl::TRect r = rtl::Rect(left, 2, left + FUnitSize, ClientHeight());
    c.Font().Assign(&Font());
    c.Brush().SetStyle(gfx::bsClear);
    c.DrawText(FUnitID, r, gfx::DT_EDITCONTROL);
}

}  // namespace grid
