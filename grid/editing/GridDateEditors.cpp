// The grid's date and date-and-time cell editors: typed digits, the keys that validate and store, and leaving.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditorContract.h"
#include "grid/editing/GridSpinEditors.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

namespace {

bool IsDateEditKey(ui::WORD k)
{
    return k == ui::VK_TAB || k == ui::VK_RETURN || k == ui::VK_ESCAPE || k == ui::VK_PRIOR || k == ui::VK_NEXT ||
           k == ui::VK_END;
}

}  // namespace

// ===== TGridDatePicker

TGridDatePicker::TGridDatePicker(rtl::TComponent* AOwner)
    : TEsgDateTimePicker(AOwner), FGrid(RequireGrid(AOwner, "TGridDatePicker"))
{
}

void TGridDatePicker::ReCreate()
{
    if (HandleAllocated()) Invalidate();
}

std::string TGridDatePicker::PickerText() const
{
    return Kind() == ui::dtkTime ? rtl::TimeToStr(DateTime()) : rtl::DateToStr(DateTime());
}

bool TGridDatePicker::SetPickerText(const std::string& Text)
{
    double v = 0;
    if (Kind() == ui::dtkTime) {
        if (!rtl::TryStrToTime(Text, v)) return false;
        SetTime(v);
        return true;
    }
    if (!rtl::TryStrToDate(Text, v)) return false;
    SetDate(v);
    return true;
}

void TGridDatePicker::DropDown()
{
    FOldDropped = true;
    TEsgDateTimePicker::DropDown();
}

void TGridDatePicker::CloseUp()
{
    FOldDropped = false;
    TEsgDateTimePicker::CloseUp();
}

void TGridDatePicker::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_WANTSPECIALKEY) {
        TEsgDateTimePicker::WndProc(Message);
        ui::WPARAM k = Message.WParam;
        if (k == ui::VK_RETURN || k == ui::VK_ESCAPE || (k == ui::VK_TAB && FGrid->GridHandlesTab()))
            Message.Result = 1;
        return;
    }
    if (Message.Msg == DTPShiftFocusMessage()) {
        AdvanceDatePart();
        return;
    }
    TEsgDateTimePicker::WndProc(Message);
}

// Two frames in the window colour over the outer edge of the border.
void TGridDatePicker::PaintNonClient(gfx::TCanvas& canvas)
{
    TEsgDateTimePicker::PaintNonClient(canvas);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(gfx::clWindow);
    rtl::TRect r = rtl::Rect(0, 0, Width(), Height());
    canvas.FrameRect(r);
    rtl::InflateRect(r, -1, -1);
    canvas.FrameRect(r);
}

void TGridDatePicker::KeyPress(char32_t& Key)
{
    if (Key >= U'0' && Key <= U'9') {
        int y, m, d, h, n, s, ms;
        rtl::DecodeDateTime(DateTime(), y, m, d, h, n, s, ms);
        Fy = static_cast<short>(y), Fm = static_cast<short>(m), Fd = static_cast<short>(d);
        Fth = static_cast<short>(h), Ftm = static_cast<short>(n), Fts = static_cast<short>(s);
        Ftms = static_cast<short>(ms);
        FPartBefore = ActivePart();
        TEsgDateTimePicker::KeyPress(Key);
        ui::PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
    } else {
        TEsgDateTimePicker::KeyPress(Key);
    }
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
}

// The field is complete when the digit changed its value. This platform's picker moves on
// by itself once a field has all its digits, so the step right is only needed where it
// stayed on a complete field.
void TGridDatePicker::AdvanceDatePart()
{
    if (PartTyping() || ActivePart() != FPartBefore) return;
    int y, m, d, h, n, s, ms;
    rtl::DecodeDateTime(DateTime(), y, m, d, h, n, s, ms);
    bool post;
    if (Kind() == ui::dtkTime) {
        post = h != Fth || n != Ftm || s != Fts;
    } else if (Format().empty()) {
        post = d != Fd || m != Fm;
    } else {
        char last = Format().back();
        bool dayLast = d != Fd && (last == 'D' || last == 'd');
        bool monthLast = !dayLast && m != Fm && (last == 'M' || last == 'm');
        bool yearLast = !dayLast && !monthLast && y != Fy && (last == 'Y' || last == 'y');
        post = !(dayLast || monthLast || yearLast) && (d != Fd || m != Fm || y != Fy);
    }
    if (post) ui::PostMessage(Handle(), ui::WM_KEYDOWN, ui::VK_RIGHT, 0);
}

bool TGridDatePicker::CommitToCell()
{
    std::string text = DisplayText();
    FGrid->SetCurrentCell(text);
    if (FGrid->ValidateCell(text)) {
        SetPickerText(FGrid->GetCurrentCell());
        return true;
    }
    SetPickerText(FGrid->NewCellText());
    Invalidate();
    return false;
}

void TGridDatePicker::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    // While the calendar is open the keys are the calendar's.
    if (!IsDateEditKey(Key) || DroppedDown()) {
        TEsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    TExtStringGrid& g = *FGrid;
    if (Key == VK_ESCAPE) {
        // A cell text that does not read as a date or time gives the current date and time.
        if (!SetPickerText(g.GetCurrentCell())) SetDateTime(rtl::Now());
    } else if (Key == VK_RETURN) {
        // A field being typed is committed first.
        Perform(WM_KEYDOWN, VK_RIGHT, 0);
        Perform(WM_KEYUP, VK_RIGHT, 0);
        if (!CommitToCell()) {
            Key = 0;
            g.SetNoAutoAdvance(true);
            return;
        }
    } else if (Key == VK_TAB && g.GridHandlesTab()) {
        if (!CommitToCell()) {
            Key = 0;
            return;
        }
        if ((g.Options() & goTabs) != 0) {
            g.HideInplaceEdit();
            if (g.CanFocus()) g.SetFocus();
            g.NavigateFromEditor((Shift & ssShift) != 0);
            return;
        }
        PostMessage(g.Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    g.DoneInplaceEdit(Key, Shift);
    if (g.Navigation().AdvanceOnEnter() && g.Navigation().AdvanceAutoEdit()) g.ShowInplaceEdit();
}

void TGridDatePicker::DoExit()
{
    EditorExit(*FGrid, [this] { TEsgDateTimePicker::DoExit(); });
}

// ===== TGridDateTimePicker

TGridDateTimePicker::TGridDateTimePicker(rtl::TComponent* AOwner)
    : TExtDateTimePicker(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    FGridTabhandling = true;
}

// Tab, Enter and Escape are claimed so that they reach the key handling below instead of
// moving the form's focus.
void TGridDateTimePicker::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_WANTSPECIALKEY && FGrid != nullptr) {
        TExtDateTimePicker::WndProc(Message);
        ui::WPARAM k = Message.WParam;
        if (k == ui::VK_RETURN || k == ui::VK_ESCAPE || k == ui::VK_TAB) Message.Result = 1;
        return;
    }
    TExtDateTimePicker::WndProc(Message);
}

void TGridDateTimePicker::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    if (FGrid == nullptr || !IsDateEditKey(Key) || DroppedDown()) {
        TExtDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    TExtStringGrid& g = *FGrid;
    bool shift = (Shift & ssShift) != 0;
    if (Key == VK_ESCAPE) {
        // Escape cancels the whole edit: the time of day goes back too, not only the date,
        // so a changed time is not stored when the editor closes.
        SetDateTime(g.OriginalDateTime());
        g.HideInplaceEdit();
        if (g.CanFocus()) g.SetFocus();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN) {
        g.HideInplaceEdit();
        if (g.CanFocus()) g.SetFocus();
        if (g.Navigation().AdvanceOnEnter()) g.AdvanceEdit(g.Col(), g.Row(), true, false, !shift, true, false);
        Key = 0;
        return;
    }
    bool timeFocused = TimePicker() != nullptr && TimePicker()->Focused();
    ui::TShiftState mods = Shift & (ssShift | ssCtrl | ssAlt);
    bool commit = (Key == VK_TAB && g.GridHandlesTab() && timeFocused && mods == 0) ||
                  (!timeFocused && mods == ssShift);
    if (!commit) {
        TExtDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    double value = GetDateTime();
    g.HideInplaceEdit();
    if (g.CanFocus()) g.SetFocus();
    g.SetCurrentCell(rtl::DateToStr(value) + " " + rtl::TimeToStr(value));
    g.NavigateFromEditor(shift);
    Key = 0;
}

void TGridDateTimePicker::DoExit()
{
    if (FGrid == nullptr) {
        TExtDateTimePicker::DoExit();
        return;
    }
    EditorExit(*FGrid, [this] { TExtDateTimePicker::DoExit(); });
}

}  // namespace grid
