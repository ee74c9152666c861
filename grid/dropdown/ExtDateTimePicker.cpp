// The date-and-time picker: the companion time part, the combined value and the key hand-over to the owner.
#include "grid/dropdown/ExtDateTimePicker.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/DateTime.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

double DayOf(double v) { return std::floor(v); }

// The time of day without its milliseconds.
double TimeOfDayWholeSeconds(double v)
{
    int h, n, s, ms;
    rtl::DecodeTime(v, h, n, s, ms);
    return rtl::EncodeTime(h, n, s, 0);
}

}  // namespace

// ===== TExtTimePart

TExtTimePart::TExtTimePart(TExtDateTimePicker* AOwner) : ui::TDateTimePicker(AOwner), FPicker(AOwner)
{
    SetKind(ui::dtkTime);
    SetBorderThickness(0);
}

void TExtTimePart::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_WANTSPECIALKEY && FPicker->GridTabhandling()) {
        FPicker->WndProc(Message);
        if (Message.Result != 0) return;
    }
    ui::TDateTimePicker::WndProc(Message);
}

void TExtTimePart::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (FPicker->GridTabhandling()) {
        FPicker->FKeyFromTimePart = true;
        try {
            FPicker->KeyDown(Key, Shift);
        } catch (...) {
            FPicker->FKeyFromTimePart = false;
            throw;
        }
        FPicker->FKeyFromTimePart = false;
        if (Key == 0) return;
    }
    // Tab moves between the date part and this time part.
    if (Key == ui::VK_TAB && (Shift & ui::ssShift) != 0 && FPicker->CanFocus()) {
        FPicker->SetFocus();
        Key = 0;
        return;
    }
    ui::TDateTimePicker::KeyDown(Key, Shift);
}

// ===== TExtDateTimePicker

TExtDateTimePicker::TExtDateTimePicker(rtl::TComponent* AOwner) : ui::TDateTimePicker(AOwner)
{
    FTimePicker = new TExtTimePart(this);
    FTimePicker->SetVisible(false);
    FTimePicker->SetParent(this);
    FTimePicker->SetDateTime(DateTime());
}

void TExtDateTimePicker::SetKind(TExtDateTimeKind Value)
{
    FExtKind = Value;
    ui::TDateTimePicker::SetKind(Value == dkTime ? ui::dtkTime : ui::dtkDate);
    FTimePicker->SetVisible(Value == dkDateTime);
    LayoutTimePart();
}

void TExtDateTimePicker::SetDate(double Value)
{
    double time = FExtKind == dkDateTime ? FTimePicker->Time() : Time();
    ui::TDateTimePicker::SetDateTime(DayOf(Value) + TimeOfDayWholeSeconds(time));
}

double TExtDateTimePicker::GetDateTime()
{
    if (FExtKind == dkDateTime) ui::TDateTimePicker::SetTime(FTimePicker->Time());
    return DateTime();
}

void TExtDateTimePicker::SetDateTime(double Value)
{
    ui::TDateTimePicker::SetDateTime(Value);
    FTimePicker->SetDateTime(Value);
}

void TExtDateTimePicker::SetBorderStyle(ui::TFormBorderStyle Value)
{
    FBorderStyle = Value;
    SetBorderThickness(Value == ui::bsNone ? 0 : 2);
    LayoutTimePart();
}

void TExtDateTimePicker::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    // A key of the time part that the owner's handling left alone is the time part's.
    if (FKeyFromTimePart) return;
    // Tab moves from the date part on to the time part.
    if (Key == ui::VK_TAB && (Shift & ui::ssShift) == 0 && FExtKind == dkDateTime && Focused() &&
        FTimePicker->CanFocus()) {
        FTimePicker->SetFocus();
        Key = 0;
        return;
    }
    ui::TDateTimePicker::KeyDown(Key, Shift);
}

void TExtDateTimePicker::Resize()
{
    ui::TDateTimePicker::Resize();
    LayoutTimePart();
}

// The time part takes the right half of the field, left of the calendar button.
void TExtDateTimePicker::LayoutTimePart()
{
    if (FTimePicker == nullptr) return;
    int button = ui::GetSystemMetrics(ui::SM_CXVSCROLL);
    int width = std::max(0, (ClientWidth() - button) / 2);
    FTimePicker->SetBounds(ClientWidth() - button - width, 0, width, ClientHeight());
}

}  // namespace grid
