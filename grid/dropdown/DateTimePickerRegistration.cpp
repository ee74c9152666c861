// Registration of the date-and-time picker and the analog clock with their published properties.
#include "grid/dropdown/DateTimePickerRegistration.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "grid/dropdown/ExtDateTimePicker.h"
#include "grid/dropdown/ExtWatch.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using ui::TClassInfo;
using ui::TPropValue;
using ui::TReadContext;

template <typename T>
ui::TPropertyInfo Int(int (T::*get)() const, void (T::*set)(int))
{
    return ui::IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                              [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

template <typename T>
ui::TPropertyInfo Bool(bool (T::*get)() const, void (T::*set)(bool))
{
    return ui::BoolProperty<T>([get](T* x) { return (x->*get)(); }, [set](T* x, bool v) { (x->*set)(v); });
}

void RegisterCustomDateTimePicker(TClassInfo& c)
{
    using T = TCustomDateTimePicker;
    c.Property("AutoTab", Bool(&T::AutoTab, &T::SetAutoTab));
    c.Property("AutoTabToNext", Bool(&T::AutoTabToNext, &T::SetAutoTabToNext));
}

void RegisterDateTimePicker(TClassInfo& c)
{
    using T = TExtDateTimePicker;
    c.Property("Kind", ui::EnumProperty<T, TExtDateTimeKind>({{"dkDate", dkDate}, {"dkTime", dkTime}, {"dkDateTime", dkDateTime}},
                                                              [](T* x) { return x->ExtKind(); },
                                                              [](T* x, TExtDateTimeKind v) { x->SetKind(v); }));
    c.Property("DateTime", ui::FloatProperty<T>([](T* x) { return x->GetDateTime(); },
                                                [](T* x, double v) { x->SetDateTime(v); }));
    c.Property("Date", ui::FloatProperty<T>([](T* x) { return x->Date(); }, [](T* x, double v) { x->SetDate(v); }));
    c.Property("Time", ui::FloatProperty<T>([](T* x) { return x->GetTime(); }, [](T* x, double v) { x->SetTime(v); }));
    c.Property("TimeFormat", ui::StringProperty<T>([](T* x) { return x->TimeFormat(); },
                                                   [](T* x, const std::string& v) { x->SetTimeFormat(v); }));
    // The flat border knows only these two styles.
    c.Property("BorderStyle", ui::EnumProperty<T, ui::TFormBorderStyle>(
                                  {{"bsNone", ui::bsNone}, {"bsSingle", ui::bsSingle}},
                                  [](T* x) { return x->BorderStyle(); }, [](T* x, ui::TFormBorderStyle v) { x->SetBorderStyle(v); }));
    c.Property("Ctl3D", Bool(&T::Ctl3D, &T::SetCtl3D));
    c.Property("TabStop", Bool(&T::TabStop, &T::SetTabStop));
    c.Property("LabelCaption", ui::StringProperty<T>([](T* x) { return x->LabelCaption(); },
                                                     [](T* x, const std::string& v) { x->SetLabelCaption(v); }));
    {
        using namespace dropdown;
        c.Property("LabelPosition",
                   ui::EnumProperty<T, TLabelPosition>(
                       {{"lpLeftTop", lpLeftTop}, {"lpLeftCenter", lpLeftCenter}, {"lpLeftBottom", lpLeftBottom},
                        {"lpTopLeft", lpTopLeft}, {"lpBottomLeft", lpBottomLeft}, {"lpLeftTopLeft", lpLeftTopLeft},
                        {"lpLeftCenterLeft", lpLeftCenterLeft}, {"lpLeftBottomLeft", lpLeftBottomLeft},
                        {"lpTopCenter", lpTopCenter}, {"lpBottomCenter", lpBottomCenter}, {"lpRightTop", lpRightTop},
                        {"lpRightCenter", lpRightCenter}, {"lpRighBottom", lpRighBottom}, {"lpTopRight", lpTopRight},
                        {"lpBottomRight", lpBottomRight}},
                       [](T* x) { return x->LabelPosition(); }, [](T* x, TLabelPosition v) { x->SetLabelPosition(v); }));
    }
    c.Property("LabelMargin", Int(&T::LabelMargin, &T::SetLabelMargin));
    c.Property("LabelTransparent", Bool(&T::LabelTransparent, &T::SetLabelTransparent));
    c.Property("LabelAlwaysEnabled", Bool(&T::LabelAlwaysEnabled, &T::SetLabelAlwaysEnabled));
    c.Property("FocusLabel", Bool(&T::FocusLabel, &T::SetFocusLabel));
    c.Property("OnLabelClick", ui::EventProperty(&T::OnLabelClick));
    c.Property("OnLabelDblClick", ui::EventProperty(&T::OnLabelDblClick));
    // Version reads back the control's own; a written value is ignored.
    c.Property("Version", ui::StringProperty<T>([](T* x) { return x->Version(); }, [](T*, const std::string&) {}));
}

// --- the clock's appearance, written as Appearance.<name>

template <typename V>
using TAppearanceGet = V (TWatchAppearance::*)() const;
template <typename V>
using TAppearanceSet = void (TWatchAppearance::*)(V);

ui::TPropertyInfo AppearanceColor(TAppearanceGet<gfx::TColor> get, TAppearanceSet<gfx::TColor> set)
{
    return ui::ColorProperty<TExtWatch>([get](TExtWatch* x) { return (x->Appearance().*get)(); },
                                        [set](TExtWatch* x, gfx::TColor v) { (x->Appearance().*set)(v); });
}

ui::TPropertyInfo AppearanceInt(TAppearanceGet<int> get, TAppearanceSet<int> set)
{
    return ui::IntProperty<TExtWatch>([get](TExtWatch* x) { return static_cast<long long>((x->Appearance().*get)()); },
                                      [set](TExtWatch* x, long long v) { (x->Appearance().*set)(static_cast<int>(v)); });
}

// Mark and hand sizes are bytes: a value outside 0…255 is refused, not cut.
ui::TPropertyInfo AppearanceByte(TAppearanceGet<std::uint8_t> get, TAppearanceSet<std::uint8_t> set)
{
    return ui::ValueProperty<TExtWatch>(
        [set](TExtWatch* x, const TPropValue& v, TReadContext& ctx) {
            const long long n = ui::ValueToInt(v, ctx);
            if (n < 0 || n > 255) ctx.Fail("Invalid property value " + std::to_string(n) + ": 0 to 255 expected");
            (x->Appearance().*set)(static_cast<std::uint8_t>(n));
        },
        [get](TExtWatch* x) { return TPropValue::MakeInt((x->Appearance().*get)()); });
}

template <typename E>
ui::TPropertyInfo AppearanceEnum(std::vector<std::pair<std::string, E>> names, TAppearanceGet<E> get, TAppearanceSet<E> set)
{
    return ui::EnumProperty<TExtWatch, E>(
        std::move(names), [get](TExtWatch* x) { return (x->Appearance().*get)(); },
        [set](TExtWatch* x, E v) { (x->Appearance().*set)(v); });
}

void FontProperties(TClassInfo& c, const std::string& prefix, gfx::TFont& (TWatchAppearance::*font)())
{
    using T = TExtWatch;
    auto f = [font](T* x) -> gfx::TFont& { return (x->Appearance().*font)(); };
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

void RegisterWatchAppearance(TClassInfo& c)
{
    using A = TWatchAppearance;
    const std::string p = "Appearance.";
    c.Property(p + "Size", AppearanceInt(&A::Size, &A::SetSize));
    c.Property(p + "Shape", AppearanceEnum<TWatchShape>({{"wsCircle", wsCircle}, {"wsRect", wsRect}, {"wsRoundRect", wsRoundRect}},
                                                        &A::Shape, &A::SetShape));
    c.Property(p + "BackgroundColor", AppearanceColor(&A::BackgroundColor, &A::SetBackgroundColor));
    c.Property(p + "BackgroundColorTo", AppearanceColor(&A::BackgroundColorTo, &A::SetBackgroundColorTo));
    c.Property(p + "BackgroundGradient",
               AppearanceEnum<TWatchGradient>({{"wgRadial", wgRadial}, {"wgVertical", wgVertical},
                                               {"wgDiagonalForward", wgDiagonalForward}, {"wgDiagonalBackward", wgDiagonalBackward}},
                                              &A::BackgroundGradient, &A::SetBackgroundGradient));
    c.Property(p + "BorderColor", AppearanceColor(&A::BorderColor, &A::SetBorderColor));
    c.Property(p + "BorderWidth", AppearanceInt(&A::BorderWidth, &A::SetBorderWidth));
    c.Property(p + "TickMarks", AppearanceEnum<TTickMarks>({{"tmAll", tmAll}, {"tmHours", tmHours},
                                                            {"tmQuartHours", tmQuartHours}, {"tmNone", tmNone}},
                                                           &A::TickMarks, &A::SetTickMarks));
    c.Property(p + "HourColor", AppearanceColor(&A::HourColor, &A::SetHourColor));
    c.Property(p + "HourMarkWidth", AppearanceByte(&A::HourMarkWidth, &A::SetHourMarkWidth));
    c.Property(p + "HourMarkLength", AppearanceByte(&A::HourMarkLength, &A::SetHourMarkLength));
    c.Property(p + "HourMarkStyle", AppearanceEnum<THourMarkStyle>({{"hmsLine", hmsLine}, {"hmsQuartDblLine", hmsQuartDblLine}},
                                                                   &A::HourMarkStyle, &A::SetHourMarkStyle));
    c.Property(p + "MinuteColor", AppearanceColor(&A::MinuteColor, &A::SetMinuteColor));
    c.Property(p + "MinuteMarkWidth", AppearanceByte(&A::MinuteMarkWidth, &A::SetMinuteMarkWidth));
    c.Property(p + "MinuteMarkLength", AppearanceByte(&A::MinuteMarkLength, &A::SetMinuteMarkLength));
    FontProperties(c, p + "HourFont", &A::HourFont);
    c.Property(p + "PointerStyle", AppearanceEnum<TPointerStyle>({{"psLine", psLine}, {"psShortLine", psShortLine},
                                                                  {"psPointer", psPointer}, {"psLineArrow", psLineArrow}},
                                                                 &A::PointerStyle, &A::SetPointerStyle));
    c.Property(p + "HourPointer", AppearanceColor(&A::HourPointer, &A::SetHourPointer));
    c.Property(p + "HourPointerShadow", AppearanceColor(&A::HourPointerShadow, &A::SetHourPointerShadow));
    c.Property(p + "HourPointerSize", AppearanceByte(&A::HourPointerSize, &A::SetHourPointerSize));
    c.Property(p + "MinutePointer", AppearanceColor(&A::MinutePointer, &A::SetMinutePointer));
    c.Property(p + "MinutePointerShadow", AppearanceColor(&A::MinutePointerShadow, &A::SetMinutePointerShadow));
    c.Property(p + "MinutePointerSize", AppearanceByte(&A::MinutePointerSize, &A::SetMinutePointerSize));
    c.Property(p + "SecondPointer", AppearanceColor(&A::SecondPointer, &A::SetSecondPointer));
    c.Property(p + "SecondPointerSize", AppearanceByte(&A::SecondPointerSize, &A::SetSecondPointerSize));
    c.Property(p + "CenterPointSize", AppearanceByte(&A::CenterPointSize, &A::SetCenterPointSize));
    c.Property(p + "CenterPointColor", AppearanceColor(&A::CenterPointColor, &A::SetCenterPointColor));
    c.Property(p + "CenterPointBorderColor", AppearanceColor(&A::CenterPointBorderColor, &A::SetCenterPointBorderColor));
    c.Property(p + "CenterPointOuterBorderColor",
               AppearanceColor(&A::CenterPointOuterBorderColor, &A::SetCenterPointOuterBorderColor));
    FontProperties(c, p + "AMPMFont", &A::AMPMFont);
    c.Property(p + "AMPMColor", AppearanceColor(&A::AMPMColor, &A::SetAMPMColor));
    c.Property(p + "AMPMBorderColor", AppearanceColor(&A::AMPMBorderColor, &A::SetAMPMBorderColor));
    c.Property(p + "AMPMFrame", AppearanceEnum<TAMPMFrame>({{"apRect", apRect}, {"apRoundRect", apRoundRect}},
                                                           &A::AMPMFrame, &A::SetAMPMFrame));
}

void RegisterWatch(TClassInfo& c)
{
    using T = TExtWatch;
    c.Property("Animation", Bool(&T::Animation, &T::SetAnimation));
    c.Property("AnimationFactor", Int(&T::AnimationFactor, &T::SetAnimationFactor));
    RegisterWatchAppearance(c);
    c.Property("ReadOnly", Bool(&T::ReadOnly, &T::SetReadOnly));
    c.Property("Resolution", Int(&T::Resolution, &T::SetResolution));
    c.Property("Settings.Auto", ui::BoolProperty<T>([](T* x) { return x->Settings().Auto(); },
                                                    [](T* x, bool v) { x->Settings().SetAuto(v); }));
    c.Property("Settings.Second", ui::BoolProperty<T>([](T* x) { return x->Settings().Second(); },
                                                      [](T* x, bool v) { x->Settings().SetSecond(v); }));
    c.Property("Settings.TimeOffset", ui::IntProperty<T>([](T* x) { return x->Settings().TimeOffset(); },
                                                         [](T* x, long long v) { x->Settings().SetTimeOffset(static_cast<int>(v)); }));
    c.Property("Time", ui::FloatProperty<T>([](T* x) { return x->Time(); }, [](T* x, double v) { x->SetTime(v); }));
    c.Property("ShowAMPM", Bool(&T::ShowAMPM, &T::SetShowAMPM));
    c.Property("ShowNumbers", Bool(&T::ShowNumbers, &T::SetShowNumbers));
    c.Property("Style", ui::EnumProperty<T, TWatchStyle>(
                            {{"wsClassic", wsClassic}, {"wsTower", wsTower}, {"wsFluorescent", wsFluorescent},
                             {"wsEmerald", wsEmerald}, {"wsBlueStar", wsBlueStar}, {"wsFuchsia", wsFuchsia},
                             {"wsBlack", wsBlack}, {"wsBlackWhite", wsBlackWhite}, {"wsGray", wsGray},
                             {"wsSuperNova", wsSuperNova}, {"wsSports", wsSports}, {"wsSmooth", wsSmooth},
                             {"wsCustom", wsCustom}},
                            [](T* x) { return x->Style(); }, [](T* x, TWatchStyle v) { x->SetStyle(v); }));
    // Version reads back the control's own; a written value is ignored.
    c.Property("Version", ui::StringProperty<T>([](T* x) { return x->Version(); }, [](T*, const std::string&) {}));
    c.Property("OnChange", ui::EventProperty(&T::OnChange));
}

}  // namespace

void RegisterDateTimePickerClasses(ui::TClassRegistry& registry)
{
    RegisterCustomDateTimePicker(registry.RegisterAbstract<TCustomDateTimePicker>("TCustomDateTimePicker", "TDateTimePicker"));
    RegisterDateTimePicker(registry.Register<TExtDateTimePicker>("TExtDateTimePicker", "TCustomDateTimePicker"));
    RegisterWatch(registry.Register<TExtWatch>("TExtWatch", "TCustomControl"));
}

}  // namespace grid
