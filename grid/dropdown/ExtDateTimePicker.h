// The date-and-time picker of the drop-down family: a date picker with a companion time picker beside it.
#pragma once

#include <string>

#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"

namespace grid {

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };

class TExtDateTimePicker;

// The time part of a date-and-time picker: a time picker inside it. While the owner does
// the grid's Tab handling, the owner sees the part's keys first.
class TExtTimePart : public ui::TDateTimePicker {
public:
    explicit TExtTimePart(TExtDateTimePicker* AOwner);
    std::string ClassName() const override { return "TExtTimePart"; }

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;

private:
    TExtDateTimePicker* FPicker;
};

// The picker itself edits the date; with dkDateTime the companion time picker, placed at
// its right, edits the time of day. The value is the date part's day with the companion's
// time.
class TExtDateTimePicker : public ui::TDateTimePicker {
public:
    explicit TExtDateTimePicker(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TExtDateTimePicker"; }

    TExtDateTimeKind ExtKind() const { return FExtKind; }
    void SetKind(TExtDateTimeKind Value);
    // The day of Value with the picker's present time of day, milliseconds dropped.
    void SetDate(double Value);
    // The stored value after the companion's time has been copied in.
    double GetDateTime();
    void SetDateTime(double Value);
    ui::TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(ui::TFormBorderStyle Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value) { FChecked = Value; Invalidate(); }
    ui::TDateTimePicker* TimePicker() const { return FTimePicker; }
    bool GridTabhandling() const { return FGridTabhandling; }
    void SetGridTabhandling(bool Value) { FGridTabhandling = Value; }

protected:
    friend class TExtTimePart;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void Resize() override;
    void LayoutTimePart();
    ui::TDateTimePicker* FTimePicker = nullptr;  // owned child
    bool FGridTabhandling = false;

private:
    bool FKeyFromTimePart = false;
    TExtDateTimeKind FExtKind = dkDate;
    ui::TFormBorderStyle FBorderStyle = ui::bsSingle;
    bool FChecked = true;
};

}  // namespace grid
