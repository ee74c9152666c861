// Registration of the date-and-time picker and the analog clock with their published properties.
#include "grid/dropdown/DateTimePickerRegistration.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "grid/dropdown/ExtDateTimePicker.h"
#include "grid/dropdown/ExtWatch.h"
#include "grid/dropdown/WatchAppearanceRegistration.h"
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

// The label's font, written as LabelFont.<name>.
void LabelFontProperties(TClassInfo& c)
{
    using T = TExtDateTimePicker;
    c.Property("LabelFont.Name", ui::StringProperty<T>([](T* x) { return x->LabelFont().Name(); },
                                                       [](T* x, const std::string& v) { x->LabelFont().SetName(v); }));
    c.Property("LabelFont.Size", ui::IntProperty<T>([](T* x) { return x->LabelFont().Size(); },
                                                    [](T* x, long long v) { x->LabelFont().SetSize(static_cast<int>(v)); }));
    c.Property("LabelFont.Height",
               ui::IntProperty<T>([](T* x) { return x->LabelFont().Height(); },
                                  [](T* x, long long v) { x->LabelFont().SetHeight(static_cast<int>(v)); }));
    c.Property("LabelFont.Color", ui::ColorProperty<T>([](T* x) { return x->LabelFont().Color(); },
                                                       [](T* x, gfx::TColor v) { x->LabelFont().SetColor(v); }));
    c.Property("LabelFont.Style",
               ui::SetProperty<T>({{"fsBold", 1u}, {"fsItalic", 2u}, {"fsUnderline", 4u}, {"fsStrikeOut", 8u}},
                                  [](T* x) { return static_cast<unsigned>(x->LabelFont().Style().Bits()); },
                                  [](T* x, unsigned bits) {
                                      x->LabelFont().SetStyle(gfx::TFontStyles::FromBits(static_cast<std::uint8_t>(bits)));
                                  }));
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
    LabelFontProperties(c);
    c.Property("OnLabelClick", ui::EventProperty(&T::OnLabelClick));
    c.Property("OnLabelDblClick", ui::EventProperty(&T::OnLabelDblClick));
    // Version reads back the control's own; a written value is ignored.
    c.Property("Version", ui::StringProperty<T>([](T* x) { return x->Version(); }, [](T*, const std::string&) {}));
}

void RegisterWatch(TClassInfo& c)
{
    using T = TExtWatch;
    c.Property("Animation", Bool(&T::Animation, &T::SetAnimation));
    c.Property("AnimationFactor", Int(&T::AnimationFactor, &T::SetAnimationFactor));
    RegisterWatchAppearance(c, "Appearance.", [](rtl::TComponent* x) -> TWatchAppearance& {
        return static_cast<TExtWatch*>(x)->Appearance();
    });
    c.Property("ReadOnly", Bool(&T::ReadOnly, &T::SetReadOnly));
    c.Property("Resolution", Int(&T::Resolution, &T::SetResolution));
    RegisterWatchSettings(c, "Settings.", [](rtl::TComponent* x) -> TWatchSettings& {
        return static_cast<TExtWatch*>(x)->Settings();
    });
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
