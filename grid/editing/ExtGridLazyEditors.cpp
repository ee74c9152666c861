// String grid editors made on first use (spin, date, date-and-time) and the grid's handling of the date editors' events.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridLazyEditors.h"
#include "grid/editing/GridSpinEditors.h"
#include "platform/rtl/DateTime.h"

namespace grid {

namespace {

// Every lazily made editor is the grid's child, hidden and disabled until the grid shows it.
void PlaceHidden(TExtStringGrid& grid, ui::TWinControl& editor)
{
    editor.SetParent(&grid);
    editor.SetVisible(false);
    editor.SetEnabled(false);
}

}  // namespace

TGridSpin* TExtStringGrid::SpinEdit()
{
    if (!FLazyEditors) FLazyEditors = std::make_unique<TGridLazyEditors>();
    auto& field = FLazyEditors->EditSpin;
    if (!field) {
        auto spin = std::make_unique<TGridSpin>(this);
        PlaceHidden(*this, *spin);
        spin->SetBorderThickness(0);
        spin->SetIsWinXP(FIsWinXP);
        field = std::move(spin);
    }
    return static_cast<TGridSpin*>(field.get());
}

TGridDatePicker* TExtStringGrid::DateTimePicker()
{
    if (!FLazyEditors) FLazyEditors = std::make_unique<TGridLazyEditors>();
    auto& field = FLazyEditors->EditDate;
    if (!field) {
        auto picker = std::make_unique<TGridDatePicker>(this);
        PlaceHidden(*this, *picker);
        picker->OnChange = [this](rtl::TObject* Sender) { DatePickerChanged(Sender); };
        picker->OnCloseUp = [this](rtl::TObject* Sender) { DatePickerCloseUp(Sender); };
        picker->OnDropDown = [this](rtl::TObject* Sender) { DatePickerDropDown(Sender); };
        field = std::move(picker);
    }
    return static_cast<TGridDatePicker*>(field.get());
}

TGridDateTimePicker* TExtStringGrid::DateAndTimePicker()
{
    if (!FLazyEditors) FLazyEditors = std::make_unique<TGridLazyEditors>();
    auto& field = FLazyEditors->EditDateTime;
    if (!field) {
        auto picker = std::make_unique<TGridDateTimePicker>(this);
        PlaceHidden(*this, *picker);
        picker->SetKind(dkDateTime);
        picker->OnCloseUp = [this](rtl::TObject* Sender) { DatePickerCloseUp(Sender); };
        picker->OnChange = [this](rtl::TObject* Sender) { DateTimePickerChanged(Sender); };
        field = std::move(picker);
    }
    return static_cast<TGridDateTimePicker*>(field.get());
}

void TExtStringGrid::DateTimePickerChanged(rtl::TObject*)
{
    if (!OnDateTimeChange || !FLazyEditors || !FLazyEditors->EditDateTime) return;
    OnDateTimeChange(this, Col(), Row(), DateAndTimePicker()->GetDateTime());
}

void TExtStringGrid::DatePickerChanged(rtl::TObject*)
{
    if (!OnEditChange) return;
    std::string text = DateTimePicker()->PickerText();
    OnEditChange(this, Col(), Row(), text);
}

// The close-up event takes the row before the column. With DirectDateClose the edit ends
// at once and, with AdvanceOnEnter, moves on.
void TExtStringGrid::DatePickerCloseUp(rtl::TObject*)
{
    if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    if (!MouseActions().DirectDateClose()) return;
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
    if (Navigation().AdvanceOnEnter()) AdvanceEdit(Col(), Row(), true, false, true, true, false);
}

// The calendar takes the picker's looks and is sized to what they need, two pixels wider
// and higher each way.
void TExtStringGrid::DatePickerDropDown(rtl::TObject*)
{
    TGridDatePicker* picker = DateTimePicker();
    if (ui::TCalendarPopup* calendar = picker->Calendar()) {
        unsigned style = 0;
        if (!picker->ShowToday()) style |= ui::MCS_NOTODAY;
        if (!picker->ShowTodayCircle()) style |= ui::MCS_NOTODAYCIRCLE;
        if (picker->Weeknumbers()) style |= ui::MCS_WEEKNUMBERS;
        calendar->SetStyle(style);
        rtl::TRect need = calendar->MinReqRect();
        calendar->SetBounds(calendar->Left(), calendar->Top(), need.Width() + 4, need.Height() + 4);
    }
    if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
}

}  // namespace grid
