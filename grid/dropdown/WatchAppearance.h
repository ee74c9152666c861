// The analog clock's look (face, marks, numbers, hands, AM/PM box) and its mode (live or editor).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Object.h"

namespace grid {

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame { apRect, apRoundRect };

// Live clock or editor; OnChange fires for each setter that changes a value.
class TWatchSettings : public rtl::TPersistent {
public:
    std::string ClassName() const override { return "TWatchSettings"; }
    void Assign(const rtl::TPersistent* Source) override;
    // Live clock: the local time plus TimeOffset minutes, refreshed every 100 ms.
    bool Auto() const { return FAuto; }
    void SetAuto(bool Value);
    bool Second() const { return FSeconds; }
    void SetSecond(bool Value);
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int Value);
    std::function<void(rtl::TObject*)> OnChange;

private:
    void Changed();
    bool FAuto = false;
    bool FSeconds = true;
    int FTimeOffset = 0;
};

// The clock's look. Colours 0x1FFFFFFF mean none. Setters fire OnChange when the value
// changes; Assign copies everything and fires OnChange only through three of them.
class TWatchAppearance : public rtl::TPersistent {
public:
    TWatchAppearance();
    std::string ClassName() const override { return "TWatchAppearance"; }
    void Assign(const rtl::TPersistent* Source) override;
    // Every property back to its default; the fonts only in name and size.
    void Reset();

#define GRID_WATCH_PROPS(X)                                          \
    X(int, Size, 0)                                                  \
    X(TWatchShape, Shape, wsCircle)                                  \
    X(gfx::TColor, BackgroundColor, 0xFFFFFF)                        \
    X(gfx::TColor, BackgroundColorTo, gfx::clNone)                   \
    X(TWatchGradient, BackgroundGradient, wgVertical)                \
    X(gfx::TColor, BorderColor, 0)                                   \
    X(int, BorderWidth, 4)                                           \
    X(TTickMarks, TickMarks, tmAll)                                  \
    X(gfx::TColor, HourColor, 0)                                     \
    X(std::uint8_t, HourMarkWidth, 1)                                \
    X(std::uint8_t, HourMarkLength, 0)                               \
    X(THourMarkStyle, HourMarkStyle, hmsLine)                        \
    X(gfx::TColor, MinuteColor, 0x808080)                            \
    X(std::uint8_t, MinuteMarkWidth, 1)                              \
    X(std::uint8_t, MinuteMarkLength, 0)                             \
    X(TPointerStyle, PointerStyle, psLine)                           \
    X(gfx::TColor, HourPointer, 0)                                   \
    X(gfx::TColor, HourPointerShadow, gfx::clBtnShadow)              \
    X(std::uint8_t, HourPointerSize, 4)                              \
    X(gfx::TColor, MinutePointer, 0)                                 \
    X(gfx::TColor, MinutePointerShadow, gfx::clBtnShadow)            \
    X(std::uint8_t, MinutePointerSize, 3)                            \
    X(gfx::TColor, SecondPointer, 0x0000FF)                          \
    X(std::uint8_t, SecondPointerSize, 1)                            \
    X(std::uint8_t, CenterPointSize, 4)                              \
    X(gfx::TColor, CenterPointColor, 0)                              \
    X(gfx::TColor, CenterPointBorderColor, gfx::clNone)              \
    X(gfx::TColor, CenterPointOuterBorderColor, gfx::clNone)         \
    X(gfx::TColor, AMPMColor, 0xFFFFFF)                              \
    X(gfx::TColor, AMPMBorderColor, 0)                               \
    X(TAMPMFrame, AMPMFrame, apRect)

#define GRID_WATCH_ACCESSORS(type, name, def)           \
    type name() const { return F##name; }              \
    void Set##name(type Value)                         \
    {                                                  \
        if (Value == F##name) return;                  \
        F##name = Value;                               \
        Changed();                                     \
    }
    GRID_WATCH_PROPS(GRID_WATCH_ACCESSORS)
#undef GRID_WATCH_ACCESSORS

    gfx::TFont& HourFont() { return FHourFont; }
    const gfx::TFont& HourFont() const { return FHourFont; }
    gfx::TFont& AMPMFont() { return FAMPMFont; }
    const gfx::TFont& AMPMFont() const { return FAMPMFont; }
    gfx::TPicture& Picture() { return *FPicture; }
    const gfx::TPicture& Picture() const { return *FPicture; }

    std::function<void(rtl::TObject*)> OnChange;

private:
    void Changed();
#define GRID_WATCH_FIELDS(type, name, def) type F##name = def;
    GRID_WATCH_PROPS(GRID_WATCH_FIELDS)
#undef GRID_WATCH_FIELDS
    gfx::TFont FHourFont;
    gfx::TFont FAMPMFont;
    std::unique_ptr<gfx::TPicture> FPicture;
};

}  // namespace grid
