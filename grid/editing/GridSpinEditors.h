// The grid's spin, date and date-and-time cell editors: key handling, validation and the grid's events.
#pragma once

#include <string>

#include "grid/dropdown/ExtDateTimePicker.h"
#include "grid/editing/EsgDateTimePicker.h"
#include "grid/editing/EsgSpinEdit.h"

namespace grid {

class TExtStringGrid;

// Editor of edSpinEdit, edFloatSpinEdit, edTimeSpinEdit and edDateSpinEdit.
class TGridSpin : public TEsgSpinEdit {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridSpin(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridSpin"; }
    void ReCreate();
    // The arrows step, then fire the grid's spin event of the value kind.
    void UpButtonClick(rtl::TObject* Sender) override;
    void DownButtonClick(rtl::TObject* Sender) override;

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Change() override;
    void DoExit() override;

private:
    void FireSpinEvent(bool UpDown);
    // Integer and float values below or above their limits are pulled to them.
    void RangePull();
    TExtStringGrid* FGrid;
};

// Editor of edDateEdit, edDateEditUpDown and edTimeEdit.
class TGridDatePicker : public TEsgDateTimePicker {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridDatePicker(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridDatePicker"; }
    void ReCreate();
    // Calendar looks the grid applies when the calendar drops down.
    bool Weeknumbers() const { return FWeekNumbers; }
    void SetWeeknumbers(bool v) { FWeekNumbers = v; }
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool v) { FShowToday = v; }
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool v) { FShowTodayCircle = v; }
    // The calendar is open (between its drop-down and close-up notifications).
    bool OldDropped() const { return FOldDropped; }
    // The value shown as the grid stores it: the time for the time kind, else the date.
    std::string PickerText() const;

protected:
    // Runs when "DTPShiftFocus" arrives after a typed digit: moves on to the next field
    // when the digit completed one and the picker did not move on by itself.
    virtual void AdvanceDatePart();
    void WndProc(ui::TMessage& Message) override;
    void PaintNonClient(gfx::TCanvas& canvas) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void DropDown() override;
    void CloseUp() override;

private:
    // Puts a cell text back into the picker: a time for the time kind, else a date.
    bool SetPickerText(const std::string& Text);
    // Writes the shown value into the current cell and validates it; false when refused.
    bool CommitToCell();
    short Fy = 0, Fm = 0, Fd = 0;
    short Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
    int FPartBefore = 0;
    bool FOldDropped = false;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
    TExtStringGrid* FGrid;
};

// Editor of edDateTimeEdit: a date part and a time part; Tab moves between them unless it
// commits.
class TGridDateTimePicker : public TExtDateTimePicker {
public:
    // Takes the owner without testing its class; the grid's events need a grid owner.
    explicit TGridDateTimePicker(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridDateTimePicker"; }

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void DoExit() override;

private:
    TExtStringGrid* FGrid;
};

}  // namespace grid
