// Registration of the time picker drop-down with its published properties for form descriptions.
#include "grid/dropdown/TimePickerRegistration.h"

#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/dropdown/WatchAppearanceRegistration.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using T = TExtTimePickerDropDown;

ui::TPropertyInfo Bool(bool (T::*get)() const, void (T::*set)(bool))
{
    return ui::BoolProperty<T>([get](T* x) { return (x->*get)(); }, [set](T* x, bool v) { (x->*set)(v); });
}

ui::TPropertyInfo Int(int (T::*get)() const, void (T::*set)(int))
{
    return ui::IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                              [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

}  // namespace

void RegisterTimePickerDropDown(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtTimePickerDropDown", "TExtCustomDropDown");
    c.Property("Time", ui::FloatProperty<T>([](T* x) { return x->Time(); }, [](T* x, double v) { x->SetTime(v); }));
    c.Property("ShowSeconds", Bool(&T::ShowSeconds, &T::SetShowSeconds));
    c.Property("ShowTimePicker", Bool(&T::ShowTimePicker, &T::SetShowTimePicker));
    c.Property("ShowWatchAMPM", Bool(&T::ShowWatchAMPM, &T::SetShowWatchAMPM));
    c.Property("ShowWatchNumbers", Bool(&T::ShowWatchNumbers, &T::SetShowWatchNumbers));
    c.Property("Animation", Bool(&T::Animation, &T::SetAnimation));
    c.Property("AnimationFactor", Int(&T::AnimationFactor, &T::SetAnimationFactor));
    c.Property("Resolution", Int(&T::Resolution, &T::SetResolution));
    RegisterWatchAppearance(c, "WatchAppearance.",
                            [](rtl::TComponent* x) -> TWatchAppearance& { return static_cast<T*>(x)->WatchAppearance(); });
    RegisterWatchSettings(c, "WatchSettings.",
                          [](rtl::TComponent* x) -> TWatchSettings& { return static_cast<T*>(x)->WatchSettings(); });
    c.Property("OnTimeChange", ui::EventProperty(&T::OnTimeChange));
}

}  // namespace grid
