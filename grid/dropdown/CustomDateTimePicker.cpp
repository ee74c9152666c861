// The platform date-time picker grown for the drop-down family: automatic field moves on typed digits and Tab handling for a grid cell.
#include <algorithm>

#include "grid/dropdown/ExtDateTimePicker.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

ui::UINT DTPShiftFocusMessage()
{
    static const ui::UINT id = ui::RegisterWindowMessage("DTPShiftFocus");
    return id;
}

TCustomDateTimePicker::TCustomDateTimePicker(rtl::TComponent* AOwner) : ui::TDateTimePicker(AOwner)
{
    FButtonWidth = ui::GetSystemMetrics(ui::SM_CXVSCROLL) + 2;
    // The moves between fields are this picker's own (AutoTab), not the platform's.
    FAutoAdvance = false;
    SetBorderThickness(0);
}

void TCustomDateTimePicker::SetAutoTab(bool Value)
{
    FAutoTab = Value;
}

void TCustomDateTimePicker::SetAutoTabToNext(bool Value)
{
    FAutoTabToNext = Value;
}

void TCustomDateTimePicker::SetMetroStyle(bool Value)
{
    if (Value == FMetroStyle) return;
    FMetroStyle = Value;
    UpdateBorderThickness();
    Invalidate();
}

void TCustomDateTimePicker::SetBorderStyle(ui::TFormBorderStyle Value)
{
    FBorderStyle = Value;
    UpdateBorderThickness();
    Invalidate();
}

void TCustomDateTimePicker::SetCtl3D(bool Value)
{
    FCtl3D = Value;
    UpdateBorderThickness();
    Invalidate();
}

void TCustomDateTimePicker::UpdateBorderThickness()
{
    SetBorderThickness(FBorderStyle == ui::bsSingle && FCtl3D && !FlatLookOn() ? 2 : 0);
}

void TCustomDateTimePicker::SetBorderColor(gfx::TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TCustomDateTimePicker::SetFocusBorderColor(gfx::TColor Value)
{
    FFocusBorderColor = Value;
    Invalidate();
}

void TCustomDateTimePicker::RecordParts()
{
    int h, n, s, ms;
    rtl::DecodeTime(DateTime(), h, n, s, ms);
    Fh = static_cast<unsigned short>(h);
    Fm = static_cast<unsigned short>(n);
    Fs = static_cast<unsigned short>(s);
}

// A time picker: a digit that changed only the seconds ends the value (on to the next
// control); any other change moves to the next field.
void TCustomDateTimePicker::CheckAutoTab()
{
    int h, n, s, ms;
    rtl::DecodeTime(DateTime(), h, n, s, ms);
    if (h == Fh && n == Fm && s == Fs) return;
    if (h == Fh && n == Fm && FAutoTabToNext) {
        MoveToNextControl();
        return;
    }
    PostNextField();
}

void TCustomDateTimePicker::MoveToNextControl()
{
    if (!Visible()) return;
    if (ui::TCustomForm* form = ui::GetParentForm(this)) form->SelectNext(this, true, true);
}

void TCustomDateTimePicker::PostNextField()
{
    ui::PostMessage(Handle(), ui::WM_KEYDOWN, ui::VK_RIGHT, 0);
}

void TCustomDateTimePicker::KeyPress(char32_t& Key)
{
    bool digit = Key >= U'0' && Key <= U'9';
    if (!digit || !FAutoTab) {
        ui::TDateTimePicker::KeyPress(Key);
        return;
    }
    RecordParts();
    ui::TDateTimePicker::KeyPress(Key);
    ui::PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == DTPShiftFocusMessage()) {
        CheckAutoTab();
        return;
    }
    switch (Message.Msg) {
    case ui::WM_GETDLGCODE: {
        ui::TDateTimePicker::WndProc(Message);
        bool shift = (ui::GetKeyState(ui::VK_SHIFT) & 0x8000) != 0;
        if (FGridTabhandling && (FIsTimePicker != shift)) Message.Result |= ui::DLGC_WANTTAB;
        return;
    }
    case ui::WM_SETFOCUS:
        FHasFocus = true;
        ui::TDateTimePicker::WndProc(Message);
        // The first field is chosen as by a click on it.
        if (FAutoTab)
            ui::PostMessage(Handle(), ui::WM_LBUTTONDOWN, 0, ui::MAKELPARAM(ShowCheckbox() ? 24 : 2, 2));
        return;
    case ui::WM_KILLFOCUS:
        FHasFocus = false;
        break;
    case ui::CM_MOUSEENTER:
        if (Enabled()) {
            FMouseInControl = true;
            Invalidate();
        }
        break;
    case ui::CM_MOUSELEAVE:
        if (Enabled()) {
            FMouseInControl = false;
            FButtonHover = false;
            Invalidate();
        }
        break;
    default: break;
    }
    ui::TDateTimePicker::WndProc(Message);
}

void TCustomDateTimePicker::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft) {
        FMouseButtonHeld = true;
        if (FlatLookOn()) Invalidate();
    }
    ui::TDateTimePicker::MouseDown(Button, Shift, X, Y);
}

void TCustomDateTimePicker::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft) {
        FMouseButtonHeld = false;
        if (FlatLookOn()) Invalidate();
    }
    ui::TDateTimePicker::MouseUp(Button, Shift, X, Y);
}

void TCustomDateTimePicker::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TDateTimePicker::MouseMove(Shift, X, Y);
    bool over = X > Width() - FButtonWidth && X < Width();
    if (over != FButtonHover) {
        FButtonHover = over;
        Invalidate();
    }
}

}  // namespace grid
