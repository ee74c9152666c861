// The analog clock's behaviour: geometry, hit-testing to hours and minutes, clicks, keys, AM/PM, the animation and live timers.
#include "grid/dropdown/ExtWatch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Timers.h"

namespace grid {

namespace {

// Rounding to the nearest integer, halves to the even neighbour.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

struct THms {
    int H = 0, N = 0, S = 0, Ms = 0;
};

THms Decode(double t)
{
    THms p;
    rtl::DecodeTime(t, p.H, p.N, p.S, p.Ms);
    return p;
}

double Compose(double day, const THms& p)
{
    return day + rtl::EncodeTime(p.H, p.N, p.S, p.Ms);
}

}  // namespace

TExtWatch::TExtWatch(rtl::TComponent* AOwner)
    : ui::TCustomControl(AOwner),
      FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>())
{
    FControlStyle |= ui::csOpaque;
    FAppearance->OnChange = [this](rtl::TObject*) { AppearanceChanged(); };
    FSettings->OnChange = [this](rtl::TObject*) { SettingsChanged(); };
    FWatchTimer = new ui::TTimer(this);
    FWatchTimer->SetEnabled(false);
    FWatchTimer->SetInterval(100);
    FWatchTimer->OnTimer = [this](rtl::TObject*) { LiveTick(); };
    FAnimationTimer = new ui::TTimer(this);
    FAnimationTimer->SetEnabled(false);
    FAnimationTimer->SetInterval(1);
    FAnimationTimer->OnTimer = [this](rtl::TObject*) { AnimationTick(); };
    SetBounds(0, 0, 180, 180);
}

TExtWatch::~TExtWatch() = default;

std::string TExtWatch::Version() const
{
    unsigned v = GetVersionNr();
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
           "." + std::to_string(v & 0xFF);
}

// --- settings

void TExtWatch::AppearanceChanged()
{
    InvalidateFace();
}

void TExtWatch::InvalidateFace()
{
    FFaceValid = false;
    Invalidate();
}

void TExtWatch::SettingsChanged()
{
    FWatchTimer->SetEnabled(FSettings->Auto());
    if (FSettings->Auto()) {
        FInternalSet = true;
        SetTimeInternal(CurrentTime());
        FInternalSet = false;
    }
    InvalidateFace();
}

void TExtWatch::SetShowAMPM(bool Value)
{
    if (Value == FShowAMPM) return;
    FShowAMPM = Value;
    InvalidateFace();
}

void TExtWatch::SetShowNumbers(bool Value)
{
    if (Value == FShowNumbers) return;
    FShowNumbers = Value;
    InvalidateFace();
}

void TExtWatch::SetResolution(int Value)
{
    if (Value > 30) return;
    FResolution = Value;
}

// --- time

double TExtWatch::CurrentTime() const
{
    if (!FSettings->Auto()) return FTime;
    return ui::LocalNow() + FSettings->TimeOffset() / 1440.0;
}

void TExtWatch::SetTime(double Value)
{
    if (Value == FTime) return;
    SetTimeInternal(Value);
    Invalidate();
}

void TExtWatch::SetTimeInternal(double Value)
{
    if (Value == FTime) return;
    FTime = Value;
    bool saved = FInternalSet;
    FInternalSet = true;
    SetAM(Decode(Value).H < 12);
    FInternalSet = saved;
}

void TExtWatch::SetAM(bool Value)
{
    if (Value == FAM) return;
    if (FAnimation && FShowAMPM && FAppearance->AMPMColor() != gfx::clNone && !FInternalSet) SlideAMPM(Value);
    FAM = Value;
    InvalidateFace();
}

// The box's text slides one pixel per frame from the old to the new text, 10 ms a frame.
void TExtWatch::SlideAMPM(bool toAM)
{
    rtl::TRect box = AMPMRect();
    if (!HandleAllocated() || box.Height() <= 0) return;
    if (!FFaceValid || FBKGCache.Width() != ClientWidth() || FBKGCache.Height() != ClientHeight()) PaintFaceCache();
    FSlideToAM = toAM;
    for (int row = 1; row <= box.Height(); ++row) {
        FSlideOffset = row;
        Repaint();
        ui::SleepMs(10);
    }
    FSlideOffset = -1;
}

bool TExtWatch::Animating() const
{
    return FAnimationTimer->Enabled();
}

void TExtWatch::Changed()
{
    if (OnChange) OnChange(this);
}

// One part of the time: animated toward the value, or written at once.
void TExtWatch::SetPart(bool hour, int Value, bool immediate)
{
    THms now = Decode(FTime);
    int current = hour ? now.H : now.N;
    if (Value == current) return;
    bool designing = (HasState(rtl::csDesigning) || HasState(rtl::csLoading));
    if (!immediate && FAnimation && !FInternalCall && !designing) {
        if (hour) {
            FCurrentHourTo = static_cast<std::uint8_t>(Value);
            FHourAnimating = true;
        } else {
            FCurrentMinuteTo = static_cast<std::uint8_t>(Value);
            FHourAnimating = false;
            FMinuteFrom = static_cast<std::uint8_t>(now.N);
        }
        FAnimationTimer->SetEnabled(true);
        return;
    }
    if (hour) {
        now.H = Value;
    } else {
        if (!FAnimation) FMinuteFrom = static_cast<std::uint8_t>(now.N);
        now.N = Value;
        // A minute of 0 reached from the second half of the hour is the next hour.
        if (Value == 0 && FMinuteFrom > 30) {
            now.H = now.H == 23 ? 0 : now.H + 1;
            FMinuteFrom = 0;
        }
    }
    SetTimeInternal(Compose(std::trunc(FTime), now));
    Invalidate();
    bool intermediate = Animating() && (hour ? Value != FCurrentHourTo : Value != FCurrentMinuteTo);
    if (!intermediate) Changed();
}

void TExtWatch::SetHour(std::uint8_t Value)
{
    SetPart(true, Value, false);
}

void TExtWatch::SetMinute(std::uint8_t Value)
{
    if (Value >= 60) throw rtl::Exception("Invalid time");
    SetPart(false, Value, false);
}

// Each tick moves the hand a tenth (1 / AnimationFactor) of the remaining way, at least one.
void TExtWatch::AnimationTick()
{
    if (!FAnimation || (HasState(rtl::csDesigning) || HasState(rtl::csLoading))) return;
    THms now = Decode(FTime);
    if (FHourAnimating) {
        int target = FCurrentHourTo;
        if (now.H == target) {
            FAnimationTimer->SetEnabled(false);
            SetPart(true, target, true);
            return;
        }
        int step = std::max(1, RoundEven(std::abs(target - now.H) / static_cast<double>(FAnimationFactor)));
        SetPart(true, now.H < target ? now.H + step : now.H - step, true);
        return;
    }
    int target = FCurrentMinuteTo;
    bool forwardToHour = target == 0 && now.N > 30;
    int distance = forwardToHour ? 60 - now.N : std::abs(target - now.N);
    if (now.N == target) {
        FAnimationTimer->SetEnabled(false);
        SetPart(false, target, true);
        return;
    }
    int step = std::max(1, RoundEven(distance / static_cast<double>(FAnimationFactor)));
    int next = now.N < target || forwardToHour ? now.N + step : now.N - step;
    if (next >= 60) next = 0;
    SetPart(false, next, true);
}

void TExtWatch::LiveTick()
{
    Invalidate();
}

// --- keys

void TExtWatch::KeyStep(ui::WORD Key)
{
    if (FSettings->Auto()) return;
    THms now = Decode(FTime);
    switch (Key) {
    case 'A':
        if (now.H > 11) SetHour(static_cast<std::uint8_t>(now.H - 12));
        break;
    case 'P':
        if (now.H < 12) SetHour(static_cast<std::uint8_t>(now.H + 12));
        break;
    case ui::VK_PRIOR:
        if (now.H == 23) SetPart(true, 0, true);
        else SetHour(static_cast<std::uint8_t>(now.H + 1));
        break;
    case ui::VK_NEXT:
        if (now.H == 0) SetPart(true, 23, true);
        else SetHour(static_cast<std::uint8_t>(now.H - 1));
        break;
    case ui::VK_HOME: SetPart(true, 12, true); break;
    case ui::VK_LEFT:
        if (now.N == 0) {
            now.H = now.H == 0 ? 23 : now.H - 1;
            now.N = 59;
            SetTime(Compose(std::trunc(FTime), now));
            // The time setter alone is silent; a key is the user's change.
            Changed();
        } else {
            SetMinute(static_cast<std::uint8_t>(now.N - 1));
        }
        break;
    case ui::VK_RIGHT: SetMinute(static_cast<std::uint8_t>(now.N == 59 ? 0 : now.N + 1)); break;
    case ui::VK_END: SetMinute(0); break;
    default: break;
    }
}

// --- geometry

rtl::TRect TExtWatch::FaceRect() const
{
    int w = ClientWidth(), h = ClientHeight();
    int size = FAppearance->Size();
    int d = size <= 0 ? std::min(w, h) - 20 : std::min({size, w, h});
    d = std::max(d, 0);
    int left = (w - d) / 2, top = (h - d) / 2;
    return rtl::Bounds(left, top, d, d);
}

rtl::TPoint TExtWatch::Center() const
{
    rtl::TRect f = FaceRect();
    return {f.Left + f.Width() / 2, f.Top + f.Height() / 2};
}

int TExtWatch::Radius() const
{
    return FaceRect().Width() / 2;
}

rtl::TRect TExtWatch::AMPMRect()
{
    if (!FShowAMPM) return {};
    gfx::TCanvas measure;
    measure.Font().Assign(&FAppearance->AMPMFont());
    rtl::TSize ext = measure.TextExtent("AM");
    rtl::TPoint c = Center();
    int left = c.X - (ext.cx + 8) / 2;
    int top = c.Y + RoundEven((Radius() - ext.cy) / 3.0);
    return rtl::Bounds(left, top, ext.cx + 8, ext.cy);
}

int TExtWatch::XYToMinute(int X, int Y) const
{
    rtl::TPoint c = Center();
    int dy = std::abs(c.Y - Y), dx = std::abs(c.X - X);
    if (dy == 0) dy = 1;
    if (dx == 0) dx = 1;
    double phi = std::atan(static_cast<double>(dy) / dx) * 180.0 / M_PI;
    int k = RoundEven(phi / 6.0);
    int minute;
    if (X >= c.X && Y >= c.Y) minute = 15 + k;
    else if (X <= c.X && Y >= c.Y) minute = 45 - k;
    else if (X <= c.X && Y <= c.Y) minute = 45 + k;
    else minute = 15 - k;
    if (minute < 0 || minute > 59) minute = 0;
    if (FResolution > 1) {
        minute = RoundEven(minute / static_cast<double>(FResolution)) * FResolution;
        if (minute == 60) minute = 0;
    }
    return minute;
}

int TExtWatch::XYToHour(int X, int Y) const
{
    int a = RoundEven(XYToMinute(X, Y) / 5.0) % 12;
    if (a == 0) return FAM ? 0 : 12;
    return a + (FAM ? 0 : 12);
}

// --- mouse

void TExtWatch::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FReadOnly || FSettings->Auto() || Button != ui::mbLeft) return;
    rtl::TRect f = FaceRect();
    double rx = f.Width() / 2.0, ry = f.Height() / 2.0;
    double ex = (X - (f.Left + rx)) / std::max(rx, 0.5), ey = (Y - (f.Top + ry)) / std::max(ry, 0.5);
    bool inside = ex * ex + ey * ey <= 1.0;
    if (!inside) {
        SetMinute(static_cast<std::uint8_t>(XYToMinute(X, Y)));
        return;
    }
    if (rtl::PtInRect(AMPMRect(), {X, Y})) {
        if (FAnimation) SetAM(!FAM);
        int hour = Decode(FTime).H;
        hour = hour > 11 ? hour - 12 : hour + 12;
        FCurrentHourTo = static_cast<std::uint8_t>(hour);
        SetPart(true, hour, true);
        return;
    }
    SetHour(static_cast<std::uint8_t>(XYToHour(X, Y)));
}

void TExtWatch::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseMove(Shift, X, Y);
    SetCursor(rtl::PtInRect(AMPMRect(), {X, Y}) ? ui::crHandPoint : ui::crDefault);
}

void TExtWatch::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::WM_GETDLGCODE) {
        Message.Result = TabStop() ? (ui::DLGC_WANTARROWS | ui::DLGC_WANTALLKEYS) : 0;
        return;
    }
    if (Message.Msg == ui::WM_KEYDOWN) {
        KeyStep(static_cast<ui::WORD>(Message.WParam));
        return;
    }
    ui::TCustomControl::WndProc(Message);
}

void TExtWatch::Resize()
{
    ui::TCustomControl::Resize();
    InvalidateFace();
}

}  // namespace grid
