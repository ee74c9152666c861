// The analog clock: a live clock or a time editor set by clicks on the face and ring, by keys and with animated hands.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "grid/dropdown/WatchAppearance.h"
#include "grid/foundation/ExtStyleIF.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/Controls.h"

namespace ui {
class TTimer;
}

namespace grid {

enum TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
    wsSuperNova, wsSports, wsSmooth, wsCustom
};

class TExtWatch : public ui::TCustomControl, public IJyxStyle {
public:
    explicit TExtWatch(rtl::TComponent* AOwner);
    ~TExtWatch() override;
    std::string ClassName() const override { return "TExtWatch"; }

    // --- look and mode
    TWatchAppearance& Appearance() { return *FAppearance; }
    void SetAppearance(const TWatchAppearance& Value) { FAppearance->Assign(&Value); }
    TWatchSettings& Settings() { return *FSettings; }
    void SetSettings(const TWatchSettings& Value) { FSettings->Assign(&Value); }
    TWatchStyle Style() const { return FStyle; }
    // Applies the preset of the style (nothing when unchanged).
    void SetStyle(TWatchStyle Value);
    void SetComponentStyle(TJyxStyle AStyle) override;
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    int Resolution() const { return FResolution; }
    void SetResolution(int Value);
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value < 1 ? 1 : Value; }
    std::string Version() const;
    void SetVersion(const std::string&) {}
    static constexpr unsigned GetVersionNr() { return 0x01020100; }

    // --- time
    double Time() const { return FTime; }
    void SetTime(double Value);
    // The time shown: Time, or in live mode the local time plus the offset.
    double CurrentTime() const;
    bool AM() const { return FAM; }
    void SetHour(std::uint8_t Value);
    // Raises "Invalid time" for 60 or more.
    void SetMinute(std::uint8_t Value);
    bool Animating() const;
    // A key of the time picker's pop-up: A, P, Page Up/Down, Home, Left, Right, End.
    void KeyStep(ui::WORD Key);

    // --- geometry and hit-testing
    rtl::TRect FaceRect() const;
    rtl::TPoint Center() const;
    int Radius() const;
    // The AM/PM box; empty when ShowAMPM is off.
    rtl::TRect AMPMRect();
    int XYToMinute(int X, int Y) const;
    int XYToHour(int X, int Y) const;

    // --- painting
    // Paints face, marks, numbers and the AM/PM box into the face cache.
    void PaintFaceCache();
    // The face cache with the hands over it, drawn on a canvas of the client's size.
    void PaintHandsFrame(gfx::TCanvas& c);
    const gfx::TBitmap& FaceCache() const { return FBKGCache; }
    int FaceCachePaints() const { return FFacePaints; }

    ui::TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Resize() override;
    void WndProc(ui::TMessage& Message) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;

private:
    void AppearanceChanged();
    void SettingsChanged();
    void SetTimeInternal(double Value);
    void SetAM(bool Value);
    void SlideAMPM(bool toAM);
    void SetPart(bool hour, int Value, bool immediate);
    void AnimationTick();
    void LiveTick();
    void Changed();
    void InvalidateFace();
    void DrawFace(gfx::TCanvas& c);
    void DrawMarks(gfx::TCanvas& c);
    void DrawNumbers(gfx::TCanvas& c);
    void DrawAMPM(gfx::TCanvas& c, const std::string& text);
    void DrawHands(gfx::TCanvas& c);

    std::unique_ptr<TWatchAppearance> FAppearance;
    std::unique_ptr<TWatchSettings> FSettings;
    double FTime = 0;
    gfx::TBitmap FBKGCache;
    bool FFaceValid = false;
    int FFacePaints = 0;
    ui::TTimer* FWatchTimer = nullptr;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    ui::TTimer* FAnimationTimer = nullptr;
    std::uint8_t FCurrentHourTo = 0;
    std::uint8_t FCurrentMinuteTo = 0;
    std::uint8_t FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FAM = true;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    bool FInternalSet = false;
    TWatchStyle FStyle = wsClassic;
    bool FReadOnly = false;
    int FResolution = 1;
    // Rows of the AM/PM strip shown during the slide; -1 when no slide runs.
    int FSlideOffset = -1;
    bool FSlideToAM = true;
};

}  // namespace grid
