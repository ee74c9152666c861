// Published properties of a clock's look and mode: colours, sizes, shapes, fonts and picture, and the live-clock settings.
#include "grid/dropdown/WatchAppearanceRegistration.h"

#include <cstdint>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "grid/dropdown/WatchAppearance.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/StdCtrlsRegistration.h"

namespace grid {

namespace {

using T = rtl::TComponent;
using ui::TClassInfo;
using ui::TPropValue;
using ui::TReadContext;

template <typename V>
using TAppearanceGet = V (TWatchAppearance::*)() const;
template <typename V>
using TAppearanceSet = void (TWatchAppearance::*)(V);

ui::TPropertyInfo AppearanceColor(TWatchAppearanceOf of, TAppearanceGet<gfx::TColor> get, TAppearanceSet<gfx::TColor> set)
{
    return ui::ColorProperty<T>([of, get](T* x) { return (of(x).*get)(); },
                                [of, set](T* x, gfx::TColor v) { (of(x).*set)(v); });
}

ui::TPropertyInfo AppearanceInt(TWatchAppearanceOf of, TAppearanceGet<int> get, TAppearanceSet<int> set)
{
    return ui::IntProperty<T>([of, get](T* x) { return static_cast<long long>((of(x).*get)()); },
                              [of, set](T* x, long long v) { (of(x).*set)(static_cast<int>(v)); });
}

// Mark and hand sizes are bytes: a value outside 0…255 is refused, not cut.
ui::TPropertyInfo AppearanceByte(TWatchAppearanceOf of, TAppearanceGet<std::uint8_t> get,
                                 TAppearanceSet<std::uint8_t> set)
{
    return ui::ValueProperty<T>(
        [of, set](T* x, const TPropValue& v, TReadContext& ctx) {
            const long long n = ui::ValueToInt(v, ctx);
            if (n < 0 || n > 255) ctx.Fail("Invalid property value " + std::to_string(n) + ": 0 to 255 expected");
            (of(x).*set)(static_cast<std::uint8_t>(n));
        },
        [of, get](T* x) { return TPropValue::MakeInt((of(x).*get)()); });
}

template <typename E>
ui::TPropertyInfo AppearanceEnum(TWatchAppearanceOf of, std::vector<std::pair<std::string, E>> names,
                                 TAppearanceGet<E> get, TAppearanceSet<E> set)
{
    return ui::EnumProperty<T, E>(
        std::move(names), [of, get](T* x) { return (of(x).*get)(); }, [of, set](T* x, E v) { (of(x).*set)(v); });
}

void FontProperties(TClassInfo& c, const std::string& prefix, TWatchAppearanceOf of,
                    gfx::TFont& (TWatchAppearance::*font)())
{
    auto f = [of, font](T* x) -> gfx::TFont& { return (of(x).*font)(); };
    c.Property(prefix + ".Name", ui::StringProperty<T>([f](T* x) { return f(x).Name(); },
                                                       [f](T* x, const std::string& v) { f(x).SetName(v); }));
    c.Property(prefix + ".Size", ui::IntProperty<T>([f](T* x) { return f(x).Size(); },
                                                    [f](T* x, long long v) { f(x).SetSize(static_cast<int>(v)); }));
    c.Property(prefix + ".Height", ui::IntProperty<T>([f](T* x) { return f(x).Height(); },
                                                      [f](T* x, long long v) { f(x).SetHeight(static_cast<int>(v)); }));
    c.Property(prefix + ".Color", ui::ColorProperty<T>([f](T* x) { return f(x).Color(); },
                                                       [f](T* x, gfx::TColor v) { f(x).SetColor(v); }));
    c.Property(prefix + ".Style",
               ui::SetProperty<T>({{"fsBold", 1u}, {"fsItalic", 2u}, {"fsUnderline", 4u}, {"fsStrikeOut", 8u}},
                                  [f](T* x) { return static_cast<unsigned>(f(x).Style().Bits()); },
                                  [f](T* x, unsigned bits) {
                                      f(x).SetStyle(gfx::TFontStyles::FromBits(static_cast<std::uint8_t>(bits)));
                                  }));
}

// The picture drawn over the face, as binary picture data; a graphic the picture cannot read
// names the file and line through the reader.
ui::TPropertyInfo PictureData(TWatchAppearanceOf of)
{
    return ui::ValueProperty<T>([of](T* x, const TPropValue& v, TReadContext& ctx) {
        if (v.Kind != ui::TValueKind::Binary) ctx.Fail("Invalid property value: binary data { … } expected");
        std::string className;
        const std::string bytes = ui::GraphicBytes(v.Str, className);
        try {
            of(x).Picture().LoadFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        } catch (const std::exception& e) {
            ctx.Fail(std::string("Invalid picture data: ") + e.what());
        }
    });
}

}  // namespace

void RegisterWatchAppearance(TClassInfo& c, const std::string& p, TWatchAppearanceOf of)
{
    using A = TWatchAppearance;
    c.Property(p + "Size", AppearanceInt(of, &A::Size, &A::SetSize));
    c.Property(p + "Shape", AppearanceEnum<TWatchShape>(of, {{"wsCircle", wsCircle}, {"wsRect", wsRect}, {"wsRoundRect", wsRoundRect}},
                                                        &A::Shape, &A::SetShape));
    c.Property(p + "BackgroundColor", AppearanceColor(of, &A::BackgroundColor, &A::SetBackgroundColor));
    c.Property(p + "BackgroundColorTo", AppearanceColor(of, &A::BackgroundColorTo, &A::SetBackgroundColorTo));
    c.Property(p + "BackgroundGradient",
               AppearanceEnum<TWatchGradient>(of, {{"wgRadial", wgRadial}, {"wgVertical", wgVertical},
                                                   {"wgDiagonalForward", wgDiagonalForward}, {"wgDiagonalBackward", wgDiagonalBackward}},
                                              &A::BackgroundGradient, &A::SetBackgroundGradient));
    c.Property(p + "BorderColor", AppearanceColor(of, &A::BorderColor, &A::SetBorderColor));
    c.Property(p + "BorderWidth", AppearanceInt(of, &A::BorderWidth, &A::SetBorderWidth));
    c.Property(p + "Picture.Data", PictureData(of));
    c.Property(p + "TickMarks", AppearanceEnum<TTickMarks>(of, {{"tmAll", tmAll}, {"tmHours", tmHours},
                                                                {"tmQuartHours", tmQuartHours}, {"tmNone", tmNone}},
                                                           &A::TickMarks, &A::SetTickMarks));
    c.Property(p + "HourColor", AppearanceColor(of, &A::HourColor, &A::SetHourColor));
    c.Property(p + "HourMarkWidth", AppearanceByte(of, &A::HourMarkWidth, &A::SetHourMarkWidth));
    c.Property(p + "HourMarkLength", AppearanceByte(of, &A::HourMarkLength, &A::SetHourMarkLength));
    c.Property(p + "HourMarkStyle", AppearanceEnum<THourMarkStyle>(of, {{"hmsLine", hmsLine}, {"hmsQuartDblLine", hmsQuartDblLine}},
                                                                   &A::HourMarkStyle, &A::SetHourMarkStyle));
    c.Property(p + "MinuteColor", AppearanceColor(of, &A::MinuteColor, &A::SetMinuteColor));
    c.Property(p + "MinuteMarkWidth", AppearanceByte(of, &A::MinuteMarkWidth, &A::SetMinuteMarkWidth));
    c.Property(p + "MinuteMarkLength", AppearanceByte(of, &A::MinuteMarkLength, &A::SetMinuteMarkLength));
    FontProperties(c, p + "HourFont", of, &A::HourFont);
    c.Property(p + "PointerStyle", AppearanceEnum<TPointerStyle>(of, {{"psLine", psLine}, {"psShortLine", psShortLine},
                                                                      {"psPointer", psPointer}, {"psLineArrow", psLineArrow}},
                                                                 &A::PointerStyle, &A::SetPointerStyle));
    c.Property(p + "HourPointer", AppearanceColor(of, &A::HourPointer, &A::SetHourPointer));
    c.Property(p + "HourPointerShadow", AppearanceColor(of, &A::HourPointerShadow, &A::SetHourPointerShadow));
    c.Property(p + "HourPointerSize", AppearanceByte(of, &A::HourPointerSize, &A::SetHourPointerSize));
    c.Property(p + "MinutePointer", AppearanceColor(of, &A::MinutePointer, &A::SetMinutePointer));
    c.Property(p + "MinutePointerShadow", AppearanceColor(of, &A::MinutePointerShadow, &A::SetMinutePointerShadow));
    c.Property(p + "MinutePointerSize", AppearanceByte(of, &A::MinutePointerSize, &A::SetMinutePointerSize));
    c.Property(p + "SecondPointer", AppearanceColor(of, &A::SecondPointer, &A::SetSecondPointer));
    c.Property(p + "SecondPointerSize", AppearanceByte(of, &A::SecondPointerSize, &A::SetSecondPointerSize));
    c.Property(p + "CenterPointSize", AppearanceByte(of, &A::CenterPointSize, &A::SetCenterPointSize));
    c.Property(p + "CenterPointColor", AppearanceColor(of, &A::CenterPointColor, &A::SetCenterPointColor));
    c.Property(p + "CenterPointBorderColor", AppearanceColor(of, &A::CenterPointBorderColor, &A::SetCenterPointBorderColor));
    c.Property(p + "CenterPointOuterBorderColor",
               AppearanceColor(of, &A::CenterPointOuterBorderColor, &A::SetCenterPointOuterBorderColor));
    FontProperties(c, p + "AMPMFont", of, &A::AMPMFont);
    c.Property(p + "AMPMColor", AppearanceColor(of, &A::AMPMColor, &A::SetAMPMColor));
    c.Property(p + "AMPMBorderColor", AppearanceColor(of, &A::AMPMBorderColor, &A::SetAMPMBorderColor));
    c.Property(p + "AMPMFrame", AppearanceEnum<TAMPMFrame>(of, {{"apRect", apRect}, {"apRoundRect", apRoundRect}},
                                                           &A::AMPMFrame, &A::SetAMPMFrame));
}

void RegisterWatchSettings(TClassInfo& c, const std::string& p, TWatchSettingsOf of)
{
    c.Property(p + "Auto", ui::BoolProperty<T>([of](T* x) { return of(x).Auto(); }, [of](T* x, bool v) { of(x).SetAuto(v); }));
    c.Property(p + "Second",
               ui::BoolProperty<T>([of](T* x) { return of(x).Second(); }, [of](T* x, bool v) { of(x).SetSecond(v); }));
    c.Property(p + "TimeOffset", ui::IntProperty<T>([of](T* x) { return of(x).TimeOffset(); },
                                                    [of](T* x, long long v) { of(x).SetTimeOffset(static_cast<int>(v)); }));
}

}  // namespace grid
