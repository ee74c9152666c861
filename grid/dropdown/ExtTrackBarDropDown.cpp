// The track-bar drop-down: the position kept by the track bar, stepped by keys and drags on the edit.
#include "grid/dropdown/ExtTrackBarDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/ComCtrls.h"

namespace grid {

namespace {

constexpr int TrackBarHeight = 40;

}  // namespace

TExtTrackBarDropDown::TExtTrackBarDropDown(rtl::TComponent* AOwner) : TExtCustomDropDown(AOwner)
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetEditType(etNumeric);
    SetText("");
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    // The base made its pop-up before this class existed: the track bar is added now.
    CreateDropDownForm();
}

void TExtTrackBarDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (DropDownForm() == nullptr) return;
    if (FTrackBar == nullptr) {
        FTrackBar = new ui::TTrackBar(this);
        FTrackBar->SetParent(DropDownForm());
        FTrackBar->SetBounds(0, 0, FTrackBar->Width(), TrackBarHeight);
    }
    FTrackBar->OnChange = [this](rtl::TObject* Sender) { TrackBarChange(Sender); };
}

void TExtTrackBarDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    // A click elsewhere keeps the position chosen on the track bar.
    DropDownForm()->FCancelOnDeActivate = false;
    if (FTrackBar == nullptr) return;
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetBounds(FTrackBar->Left(), FTrackBar->Top(), Width(), FTrackBar->Height());
    // Handed over again so that the pop-up takes the track bar's new width.
    if (Control() == FTrackBar) SetControl(nullptr);
    SetControl(FTrackBar);
}

void TExtTrackBarDropDown::TrackBarChange(rtl::TObject*)
{
    FPosition = FTrackBar->Position();
    SetTextDirect(rtl::IntToStr(FPosition));
    if (OnTrackChange) OnTrackChange(this);
}

void TExtTrackBarDropDown::SetMin(int value)
{
    FMin = value;
    if (FTrackBar == nullptr) return;
    FTrackBar->SetMin(value);
    FMin = FTrackBar->Min();
    FMax = FTrackBar->Max();
}

void TExtTrackBarDropDown::SetMax(int value)
{
    FMax = value;
    if (FTrackBar == nullptr) return;
    FTrackBar->SetMax(value);
    FMin = FTrackBar->Min();
    FMax = FTrackBar->Max();
}

void TExtTrackBarDropDown::SetPosition(int value)
{
    FPosition = value;
    if (FTrackBar == nullptr) return;
    FTrackBar->SetPosition(value);
    FPosition = FTrackBar->Position();
}

// Sound behaviour: a page size of 0 or less would divide a drag by nothing, so it is refused
// where it is set and the old one stays.
void TExtTrackBarDropDown::SetPageSize(int value)
{
    if (value <= 0) throw rtl::ERangeError("PageSize must be above 0, not " + rtl::IntToStr(value));
    FPageSize = value;
    if (FTrackBar != nullptr) FTrackBar->SetPageSize(value);
}

void TExtTrackBarDropDown::SetFrequency(int value)
{
    FFrequency = value;
    if (FTrackBar != nullptr) FTrackBar->SetFrequency(value);
}

void TExtTrackBarDropDown::Change()
{
    TExtCustomDropDown::Change();
    const std::string value = GetText();
    // Sound behaviour: a text that is no integer raises the conversion error instead of
    // leaving the position silently as it was.
    SetPosition(value.empty() ? FMin : rtl::StrToInt(value));
}

void TExtTrackBarDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (EditorEnabled() || (Shift & ui::ssAlt) != 0) return;
    if (Key == ui::VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
    else if (Key == ui::VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TExtTrackBarDropDown::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    TExtCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (!DragsOnEdit()) return;
    FMouseDraging = true;
    FMouseX = X;
}

void TExtTrackBarDropDown::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    TExtCustomDropDown::MouseMove(Shift, X, Y);
    if (!DragsOnEdit() || !FMouseDraging) return;
    // Each step divides its own pixels, truncating toward zero, and starts the next from here.
    SetPosition(FPosition + (X - FMouseX) / FPageSize);
    FMouseX = X;
}

void TExtTrackBarDropDown::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    TExtCustomDropDown::MouseUp(Button, Shift, X, Y);
    FMouseDraging = false;
}

}  // namespace grid
