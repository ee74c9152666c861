// The time picker drop-down's pop-up: the clock (and optional platform time picker) on a panel, kept in step with the time while open, and its key routing.
#include <utility>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/dropdown/ExtWatch.h"
#include "grid/dropdown/ExtWatchStyles.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr int ClockSide = 170;

// The panel under the clock holds the pop-up's keyboard and, as the pop-up window does, keeps
// every key, so that arrows, Enter and Escape reach the clock and the edit rather than moving
// the focus or pressing a dialog button.
class TClockPanel : public ui::TPanel {
public:
    using ui::TPanel::TPanel;

protected:
    void WndProc(ui::TMessage& Message) override
    {
        if (Message.Msg == ui::WM_GETDLGCODE) {
            Message.Result = ui::DLGC_WANTARROWS | ui::DLGC_WANTALLKEYS;
            return;
        }
        ui::TPanel::WndProc(Message);
    }
};

// Page Up, Page Down, Up and Down stay in the pop-up unless Alt is held.
bool KeptInPopup(ui::WORD key)
{
    const bool stepping = key == ui::VK_PRIOR || key == ui::VK_NEXT || key == ui::VK_UP || key == ui::VK_DOWN;
    return stepping && ui::GetKeyState(ui::VK_MENU) >= 0;
}

}  // namespace

bool TExtTimePickerDropDown::PopupVisible() const
{
    return DropDownForm() != nullptr && DropDownForm()->Visible();
}

void TExtTimePickerDropDown::SetWatchTime(rtl::TDateTime value)
{
    if (FExtWatch != nullptr) FExtWatch->SetTime(value);
    if (FShowTimePicker && FDateTimePicker != nullptr) FDateTimePicker->SetTime(value);
}

void TExtTimePickerDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    TDropDownForm* form = DropDownForm();
    if (form == nullptr) return;
    form->OnKeyDown = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) { ForwardKeyDown(key, shift); };
    form->OnKeyUp = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) { ForwardKeyUp(key, shift); };
    if (FPanelCtrl == nullptr) {
        FPanelCtrl = new TClockPanel(this);
        FPanelCtrl->SetParent(form);
        FPanelCtrl->SetBorderWidth(0);
        FPanelCtrl->SetBevelInner(ui::bvNone);
        FPanelCtrl->SetShowCaption(false);
        FPanelCtrl->SetBounds(0, 0, FPanelCtrl->Width(), 180);
    }
    if (FExtWatch == nullptr) {
        FExtWatch = new TExtWatch(this);
        FExtWatch->SetParent(FPanelCtrl);
        FExtWatch->SetAlign(ui::alClient);
    }
    SetControl(FPanelCtrl);
}

void TExtTimePickerDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    TDropDownForm* form = DropDownForm();
    // Sized one wider and back, so that the pop-up lays its content out again.
    form->SetBounds(form->Left(), form->Top(), form->Width() + 1, form->Height());
    form->SetBounds(form->Left(), form->Top(), form->Width() - 1, form->Height());
    // A click elsewhere closes the pop-up keeping the clock's time.
    form->FCancelOnDeActivate = false;
    FPanelCtrl->SetColor(DropDownColor());
    TExtWatch& watch = *FExtWatch;
    watch.SetAppearance(*FWatchAppearance);
    watch.SetSettings(*FWatchSettings);
    watch.SetShowAMPM(FShowWatchAMPM);
    watch.SetShowNumbers(FShowWatchNumbers);
    watch.SetAnimation(FAnimation);
    watch.SetAnimationFactor(FAnimationFactor);
    watch.SetResolution(FResolution);
    watch.OnChange = nullptr;
    if (!FWatchSettings->Auto()) watch.SetTime(FTime);
    rtl::TDateTime shown = 0;
    // Sound behaviour: a text that does not convert keeps the time, which the text shows again
    // and the clock opens with, instead of the opening raising the conversion error.
    if (TextToTime(shown)) watch.SetTime(shown);
    else WriteTimeText();
    watch.OnChange = [this](rtl::TObject*) { WatchChange(); };
    FDropDownTime = FTime;
    int height = ClockSide;
    if (FShowTimePicker) {
        if (FDateTimePicker == nullptr) {
            FDateTimePicker = new ui::TDateTimePicker(this);
            FDateTimePicker->SetParent(FPanelCtrl);
            FDateTimePicker->SetKind(ui::dtkTime);
        }
        FDateTimePicker->OnChange = nullptr;
        FDateTimePicker->SetAlign(ui::alBottom);
        FDateTimePicker->SetVisible(true);
        FDateTimePicker->SetTime(watch.Time());
        FDateTimePicker->BringToFront();
        FDateTimePicker->OnChange = [this](rtl::TObject*) { PickerChange(); };
        FDateTimePicker->OnKeyDown = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) {
            DropDownControlKeyDown(key, shift);
        };
        FDateTimePicker->OnKeyUp = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) {
            DropDownControlKeyUp(key, shift);
        };
        FDateTimePicker->OnKeyPress = [this](rtl::TObject*, char32_t& key) { DropDownControlKeyPress(key); };
        FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
        height += FDateTimePicker->Height();
    } else if (FDateTimePicker != nullptr) {
        FDateTimePicker->SetVisible(false);
    }
    FPanelCtrl->SetBounds(0, 0, ClockSide, height);
    // Handed over again so that the pop-up takes the panel's size of this opening.
    SetControl(nullptr);
    SetControl(FPanelCtrl);
}

void TExtTimePickerDropDown::DoShowDropDown()
{
    TExtCustomDropDown::DoShowDropDown();
    if (!PopupVisible()) return;
    // The panel fills the pop-up and holds its keyboard: its keys take the pop-up window's
    // route, which steps the clock.
    FPanelCtrl->OnKeyDown = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) { ForwardKeyDown(key, shift); };
    FPanelCtrl->OnKeyUp = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) { ForwardKeyUp(key, shift); };
}

void TExtTimePickerDropDown::DoHideDropDown(bool cancel)
{
    const bool open = PopupVisible();
    if (open && cancel) FExtWatch->OnChange = nullptr;
    TExtCustomDropDown::DoHideDropDown(cancel);
    if (!open) return;
    if (cancel) {
        // Sound behaviour: cancelling puts back the time the pop-up opened with; the edit's
        // undo text is the one last set as text, which the time's own setter never updates.
        SetMaskInternal(true);
        FTime = FDropDownTime;
        WriteTimeText();
        FExtWatch->SetTime(FTime);
    } else {
        SetTime(FExtWatch->Time());
    }
}

void TExtTimePickerDropDown::DropDownClosed()
{
    TExtCustomDropDown::DropDownClosed();
    if (FExtWatch->OnChange) SetTime(FExtWatch->Time());
}

void TExtTimePickerDropDown::WatchChange()
{
    const rtl::TDateTime clock = FExtWatch->Time();
    if (FDateTimePicker != nullptr && FDateTimePicker->Visible() && FDateTimePicker->Time() != clock)
        FDateTimePicker->SetTime(clock);
    const bool changed = rtl::TDateTime(clock) != FTime;
    SetTime(clock);
    // The time chosen on the clock is a change by the user, whether or not the picker shows.
    if (changed && OnTimeChange) OnTimeChange(this);
}

void TExtTimePickerDropDown::PickerChange()
{
    if (FDateTimePicker == nullptr || FExtWatch == nullptr || FWatchSettings->Auto()) return;
    FExtWatch->SetTime(FDateTimePicker->Time());
    const std::string text = TimeText(FDateTimePicker->Time());
    if (text != Text()) SetTextInternal(text);
}

// --- keys while the pop-up is open

void TExtTimePickerDropDown::ForwardKeyDown(ui::WORD& key, ui::TShiftState)
{
    if (!KeptInPopup(key)) Perform(ui::WM_KEYDOWN, key, 0);
    // Enter and Escape have closed the pop-up by now; every other key steps the clock.
    if (PopupVisible() && key != 0) FExtWatch->KeyStep(key);
}

void TExtTimePickerDropDown::ForwardKeyUp(ui::WORD& key, ui::TShiftState)
{
    if (!KeptInPopup(key)) Perform(ui::WM_KEYUP, key, 0);
}

void TExtTimePickerDropDown::DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift)
{
    if (!KeptInPopup(key)) TExtCustomDropDown::DropDownControlKeyDown(key, shift);
}

void TExtTimePickerDropDown::DropDownControlKeyUp(ui::WORD& key, ui::TShiftState shift)
{
    if (!KeptInPopup(key)) TExtCustomDropDown::DropDownControlKeyUp(key, shift);
}

void TExtTimePickerDropDown::DropDownControlKeyPress(char32_t& key)
{
    if (key > 0xFFFF || !KeptInPopup(static_cast<ui::WORD>(key))) TExtCustomDropDown::DropDownControlKeyPress(key);
}

// --- style

void TExtTimePickerDropDown::SetComponentStyle(TJyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyWatchComponentStyle(*FWatchAppearance, AStyle);
}

}  // namespace grid
