// The time picker drop-down: a time of day under an edit mask, stepped by keys, chosen on an analog clock in the pop-up.
#pragma once

#include <memory>
#include <string>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/WatchAppearance.h"
#include "platform/rtl/DateTime.h"

namespace ui {
class TDateTimePicker;
class TPanel;
}  // namespace ui

namespace grid {

class TExtWatch;

// The edit shows hours, minutes and (with ShowSeconds) seconds, each two digits, joined by the
// locale time separator. Up lowers and Down raises the part under the caret, each wrapping on
// its own. The pop-up holds a clock (and optionally a platform time picker below it) that
// follows the time both ways while open; closing takes the clock's time, cancelling keeps the
// time the pop-up opened with.
class TExtTimePickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtTimePickerDropDown(rtl::TComponent* AOwner);
    ~TExtTimePickerDropDown() override;
    std::string ClassName() const override { return "TExtTimePickerDropDown"; }

    // --- value
    // Only the time of day counts.
    rtl::TDateTime Time() const { return FTime; }
    void SetTime(rtl::TDateTime Value);
    // A non-empty text puts the time mask on, an empty one takes it off.
    void SetText(const std::string& Value) override;
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    // The text of a time in this control's layout.
    std::string TimeText(rtl::TDateTime Value) const;
    // The edit mask of this control's layout.
    std::string TimeMask() const;

    // --- the clock in the pop-up
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value < 1 ? 1 : Value; }
    // Minute snapping of a click in the clock's ring; values above 30 are ignored.
    int Resolution() const { return FResolution; }
    void SetResolution(int Value);
    TWatchAppearance& WatchAppearance() { return *FWatchAppearance; }
    void SetWatchAppearance(const TWatchAppearance& Value) { FWatchAppearance->Assign(&Value); }
    TWatchSettings& WatchSettings() { return *FWatchSettings; }
    void SetWatchSettings(const TWatchSettings& Value) { FWatchSettings->Assign(&Value); }
    TExtWatch* Watch() const { return FExtWatch; }
    ui::TDateTimePicker* DateTimePicker() const { return FDateTimePicker; }
    ui::TPanel* PanelCtrl() const { return FPanelCtrl; }
    // The drop-down's colours, then the clock's from the style's table row.
    void SetComponentStyle(TJyxStyle AStyle) override;

    // The time changed through stepping or the clock.
    ui::TNotifyEvent OnTimeChange;

    // Parses the text into Time (Change), commits it on leaving (DoExit) and steps it (KeyDown);
    // the grid's cell editor calls them.
    void Change() override;
    void DoExit() override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool cancel) override;
    void DropDownClosed() override;
    void DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift) override;
    void DropDownControlKeyUp(ui::WORD& key, ui::TShiftState shift) override;
    void DropDownControlKeyPress(char32_t& key) override;
    // The keys of the pop-up window itself.
    void ForwardKeyDown(ui::WORD& key, ui::TShiftState shift);
    void ForwardKeyUp(ui::WORD& key, ui::TShiftState shift);

private:
    enum class TTimePart { Hour, Minute, Second };
    // Puts the text of Time into the masked edit without parsing it again.
    void WriteTimeText();
    void SetTextInternal(const std::string& text);
    void SetMaskInternal(bool on);
    TTimePart PartAtCaret(int caret) const;
    // Replaces one part of Time, firing OnTimeChange; an equal or out-of-range value is ignored.
    void SetTimePart(TTimePart part, int value);
    void StepPart(TTimePart part, int delta);
    // The text as a time by the locale; empty is 0; false when it does not convert.
    bool TextToTime(rtl::TDateTime& value) const;
    void WatchChange();
    void PickerChange();
    bool PopupVisible() const;
    void SetWatchTime(rtl::TDateTime value);

    bool FShowTimePicker = false;
    TExtWatch* FExtWatch = nullptr;
    ui::TDateTimePicker* FDateTimePicker = nullptr;
    ui::TPanel* FPanelCtrl = nullptr;
    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    rtl::TDateTime FTime = 0;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    bool FInternalCall = false;
    bool FShowSeconds = true;
    int FResolution = 0;
    // The time the pop-up opened with: a cancelled pop-up puts it back.
    rtl::TDateTime FDropDownTime = 0;
};

}  // namespace grid
