// The date-and-time picker: kinds, the companion time picker and its layout, the combined value, automatic moves from the date to the time and the check box coupling.
#include "grid/dropdown/ExtDateTimePicker.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/ExtStyleIF.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

namespace {

double WholeDay(double v) { return std::trunc(v); }

// Hours, minutes and seconds of a value as a time of day, milliseconds dropped.
double TimeWithoutMs(double v)
{
    int h, n, s, ms;
    rtl::DecodeTime(v, h, n, s, ms);
    return rtl::EncodeTime(h, n, s, 0);
}

bool ThemesActiveNow()
{
    return IsCommonControls6() && VisualStylesLibraryLoaded() && IsThemeActive != nullptr && IsThemeActive();
}

}  // namespace

// ===== TExtTimePart

TExtTimePart::TExtTimePart(TExtDateTimePicker* AOwner) : TCustomDateTimePicker(AOwner), FPicker(AOwner)
{
    FIsTimePicker = true;
    ui::TDateTimePicker::SetKind(ui::dtkTime);
}

void TExtTimePart::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    // The owner's key handling sees the key first (a grid editor ends the edit with it).
    FPicker->FKeyFromTimePart = true;
    try {
        FPicker->KeyDown(Key, Shift);
    } catch (...) {
        FPicker->FKeyFromTimePart = false;
        throw;
    }
    FPicker->FKeyFromTimePart = false;
    if (Key == 0) return;
    // Shift+Tab goes back from the time to the date.
    if (Key == ui::VK_TAB && (Shift & ui::ssShift) != 0 && FPicker->CanFocus()) {
        FPicker->SetFocus();
        Key = 0;
        return;
    }
    TCustomDateTimePicker::KeyDown(Key, Shift);
}

// ===== TExtDateTimePicker

TExtDateTimePicker::TExtDateTimePicker(rtl::TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), FLabelFont(std::make_unique<gfx::TFont>())
{
    FLabelFont->OnChange = [this](rtl::TObject*) { UpdateLabel(); };
    FCtl3D = true;
    SetBorderStyle(ui::bsSingle);
    SetKind(dkDateTime);
}

TExtDateTimePicker::~TExtDateTimePicker() = default;

std::string TExtDateTimePicker::Version() const
{
    unsigned v = GetVersionNr();
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
           "." + std::to_string(v & 0xFF);
}

// --- kind

void TExtDateTimePicker::SetKind(TExtDateTimeKind Value)
{
    if (Value == FKind) return;
    FKind = Value;
    ui::TDateTimePicker::SetKind(Value == dkTime ? ui::dtkTime : ui::dtkDate);
    if (Value == dkDateTime) {
        rtl::TDateTime v = GetDateTime();
        CreateTimePicker();
        SetDateTime(v);
    }
    UpdateTimePicker();
}

void TExtDateTimePicker::SetKind(ui::TDateTimeKind Value)
{
    SetKind(Value == ui::dtkTime ? dkTime : Value == ui::dtkDate ? dkDate : dkDateTime);
}

// --- value

rtl::TDateTime TExtDateTimePicker::GetDateTime()
{
    if (FTimePicker != nullptr) ui::TDateTimePicker::SetTime(FTimePicker->Time());
    return DateTime();
}

void TExtDateTimePicker::SetDateTime(rtl::TDateTime Value)
{
    double time = TimeWithoutMs(Value);
    double day = WholeDay(Value);
    double shownDay = day != 0 || !FNullDateIsToday ? day : ui::LocalToday();
    ui::TDateTimePicker::SetDateTime(shownDay + time);
    if (FKind == dkDateTime && FTimePicker == nullptr) CreateTimePicker();
    // The companion keeps the value's own day, not today.
    if (FTimePicker != nullptr) FTimePicker->SetDateTime(day + time);
}

void TExtDateTimePicker::SetDate(rtl::TDateTime Value)
{
    SetDateTime(WholeDay(Value) + TimeWithoutMs(GetDateTime()));
}

rtl::TDateTime TExtDateTimePicker::GetTime() const
{
    if (FKind == dkDateTime && FTimePicker != nullptr) return FTimePicker->Time();
    return Time();
}

void TExtDateTimePicker::SetTime(rtl::TDateTime Value)
{
    ui::TDateTimePicker::SetTime(Value);
    UpdateTimePicker();
}

void TExtDateTimePicker::SetTimeFormat(const std::string& Value)
{
    FTimeFormat = Value;
    if (FKind == dkTime) SetFormat(Value);
    UpdateTimePicker();
}

void TExtDateTimePicker::SetBorderStyle(ui::TFormBorderStyle Value)
{
    TCustomDateTimePicker::SetBorderStyle(Value);
    UpdateTimePicker();
}

void TExtDateTimePicker::SetAutoTab(bool Value)
{
    TCustomDateTimePicker::SetAutoTab(Value);
    if (FTimePicker != nullptr) FTimePicker->SetAutoTab(Value);
}

void TExtDateTimePicker::SetAutoTabToNext(bool Value)
{
    TCustomDateTimePicker::SetAutoTabToNext(Value);
    if (FTimePicker != nullptr) FTimePicker->SetAutoTabToNext(Value);
}

// --- companion time picker

void TExtDateTimePicker::CreateTimePicker()
{
    if (FKind != dkDateTime || FTimePicker != nullptr) return;
    auto* part = new TExtTimePart(this);
    FTimePicker = part;
    part->SetVisible(false);
    part->SetParent(this);
    part->SetBounds(0, 0, 90, 17);
    part->SetEnabled(Enabled());
    part->SetAutoTab(FAutoTab);
    part->SetAutoTabToNext(FAutoTabToNext);
    part->SetGridTabhandling(FGridTabhandling);
    part->OnChange = [this](rtl::TObject*) {
        DoChange();
        if (OnTimeChange) OnTimeChange(this);
    };
    part->OnClick = [this](rtl::TObject*) { DoClick(); };
    part->OnKeyPress = [this](rtl::TObject* Sender, char32_t& Key) { TimePickerKeyPress(Sender, Key); };
}

void TExtDateTimePicker::UpdateTimePicker()
{
    if (FTimePicker == nullptr || FUpdatingTimePicker) return;
    FUpdatingTimePicker = true;
    TCustomDateTimePicker& part = *FTimePicker;
    part.SetColor(Color());
    part.SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    part.SetVisible(FKind == dkDateTime);
    part.SetGridTabhandling(FGridTabhandling);
    part.SetFormat(FTimeFormat);
    part.Font().Assign(&Font());
    FUpdatingTimePicker = false;
    if (part.Visible()) {
        LayoutTimePicker();
        return;
    }
    // A companion that is no longer shown is freed; the next dkDateTime creates it again.
    rtl::TDateTime value = GetDateTime();
    TCustomDateTimePicker* old = FTimePicker;
    FTimePicker = nullptr;
    delete old;
    ui::TDateTimePicker::SetDateTime(value);
}

// The companion sits left of the calendar button, as wide as its text needs (+31), by the
// platform's look: themes bound or not, active or not, flat look or not.
void TExtDateTimePicker::LayoutTimePicker()
{
    if (FTimePicker == nullptr) return;
    gfx::TCanvas measure;
    measure.Font().Assign(&Font());
    std::string text = FTimePicker->DisplayText();
    if (text.size() > 255) text.resize(255);
    int p = measure.TextWidth(text) + 31;
    int w = Width(), h = Height();
    int q = 0;
    int left, top, height;
    if (!HasLocaleInfoEx()) {
        left = w - p - 21, top = -2, height = h;
    } else if (!IsCommonControls6() || !VisualStylesLibraryLoaded()) {
        left = w - p - q - 23, top = -2, height = h - q;
    } else if (!ThemesActiveNow()) {
        left = w - p - q - 21, top = 2, height = h - q - 4;
    } else if (FlatLookOn()) {
        left = w - p - q - 21, top = 1, height = h - q - 2;
    } else {
        left = w - p - q - 34, top = 1, height = h - q - 2;
    }
    // The table is in window coordinates; the companion is placed in the client area.
    rtl::TRect in = NonClientInsets();
    FTimePicker->SetBounds(left - in.Left, top - in.Top, p, height);
}

// --- events

void TExtDateTimePicker::DoChange()
{
    if (OnChange) OnChange(this);
}

void TExtDateTimePicker::DoClick()
{
    if (OnClick) OnClick(this);
}

void TExtDateTimePicker::TimePickerKeyPress(rtl::TObject*, char32_t&) {}

void TExtDateTimePicker::Change()
{
    CoupleCheckBox();
    DoChange();
}

void TExtDateTimePicker::Click()
{
    DoClick();
}

// With the check box shown, the companion is enabled only while the value is checked.
void TExtDateTimePicker::CoupleCheckBox()
{
    if (FTimePicker == nullptr || !ShowCheckbox()) return;
    FTimePicker->SetEnabled(Enabled() && Checked());
}

// --- automatic field moves

void TExtDateTimePicker::RecordParts()
{
    int y, m, d;
    rtl::DecodeDate(GetDateTime(), y, m, d);
    Fy = static_cast<unsigned short>(y);
    Fmo = static_cast<unsigned short>(m);
    Fd = static_cast<unsigned short>(d);
    TCustomDateTimePicker::RecordParts();
}

void TExtDateTimePicker::CheckAutoTab()
{
    if (FKind == dkTime) {
        TCustomDateTimePicker::CheckAutoTab();
        return;
    }
    int y, m, d;
    rtl::DecodeDate(GetDateTime(), y, m, d);
    bool dayChanged = d != Fd, monthChanged = m != Fmo, yearChanged = y != Fy;
    auto focusTime = [this] {
        if (FTimePicker != nullptr && FTimePicker->CanFocus()) FTimePicker->SetFocus();
    };
    if (!Format().empty()) {
        char last = Format().back();
        bool lastDone = (dayChanged && (last == 'D' || last == 'd')) || (monthChanged && (last == 'M' || last == 'm')) ||
                        (yearChanged && (last == 'Y' || last == 'y'));
        if (lastDone) focusTime();
        else if (dayChanged || monthChanged || yearChanged) PostNextField();
        return;
    }
    if (dayChanged || monthChanged) {
        PostNextField();
    } else if (yearChanged) {
        if (FKind == dkDate) MoveToNextControl();
        else focusTime();
    }
}

// --- keys, size and painting

void TExtDateTimePicker::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    // A key of the time part that the owner's handling left alone is the time part's.
    if (FKeyFromTimePart) return;
    // Tab moves from the date part on to the time part.
    if (Key == ui::VK_TAB && (Shift & ui::ssShift) == 0 && FKind == dkDateTime && Focused() &&
        FTimePicker != nullptr && FTimePicker->CanFocus()) {
        FTimePicker->SetFocus();
        Key = 0;
        return;
    }
    TCustomDateTimePicker::KeyDown(Key, Shift);
}

void TExtDateTimePicker::Resize()
{
    TCustomDateTimePicker::Resize();
    UpdateTimePicker();
}

void TExtDateTimePicker::Paint()
{
    if (FFirstRun) {
        FFirstRun = false;
        UpdateTimePicker();
    }
    TCustomDateTimePicker::Paint();
}

void TExtDateTimePicker::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::CM_ENABLEDCHANGED:
        TCustomDateTimePicker::WndProc(Message);
        UpdateTimePicker();
        if (FLabel != nullptr && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
        return;
    case ui::CM_COLORCHANGED:
    case ui::CM_FONTCHANGED:
        TCustomDateTimePicker::WndProc(Message);
        UpdateTimePicker();
        return;
    case ui::CM_VISIBLECHANGED:
        TCustomDateTimePicker::WndProc(Message);
        if (FLabel != nullptr) FLabel->SetVisible(Visible());
        return;
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS:
        TCustomDateTimePicker::WndProc(Message);
        if (FLabel != nullptr && FFocusLabel) {
            UpdateLabel();
        }
        return;
    default: break;
    }
    TCustomDateTimePicker::WndProc(Message);
}

}  // namespace grid
