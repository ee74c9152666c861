// Registration of the track-bar, memo and detail drop-downs with their published properties.
#include "grid/dropdown/ListDropDownRegistration.h"

#include "grid/dropdown/ExtMemoDropDown.h"
#include "grid/dropdown/ExtTrackBarDropDown.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

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

void RegisterTrackBarDropDown(ui::TClassRegistry& registry)
{
    using T = TExtTrackBarDropDown;
    ui::TClassInfo& c = registry.Register<T>("TExtTrackBarDropDown", "TExtCustomDropDown");
    c.Property("Min", Int(&T::Min, &T::SetMin));
    c.Property("Max", Int(&T::Max, &T::SetMax));
    c.Property("Position", Int(&T::Position, &T::SetPosition));
    c.Property("PageSize", Int(&T::PageSize, &T::SetPageSize));
    c.Property("Frequency", Int(&T::Frequency, &T::SetFrequency));
    c.Property("OnTrackChange", ui::EventProperty(&T::OnTrackChange));
}

void RegisterMemoDropDown(ui::TClassRegistry& registry)
{
    using T = TExtMemoDropDown;
    ui::TClassInfo& c = registry.Register<T>("TExtMemoDropDown", "TExtCustomDropDown");
    c.Property("AutoDrop", Bool(&T::AutoDrop, &T::SetAutoDrop));
    c.Property("MemoReadOnly", Bool(&T::MemoReadOnly, &T::SetMemoReadOnly));
    c.Property("MemoScrollBars",
               ui::EnumProperty<T, ui::TScrollStyle>(
                   {{"ssNone", ui::ssNone}, {"ssHorizontal", ui::ssHorizontal}, {"ssVertical", ui::ssVertical},
                    {"ssBoth", ui::ssBoth}},
                   [](T* x) { return x->MemoScrollBars(); }, [](T* x, ui::TScrollStyle v) { x->SetMemoScrollBars(v); }));
    c.Property("MemoPopup", ui::ComponentProperty<T, rtl::TComponent>([](T* x) { return x->MemoPopup(); },
                                                                      [](T* x, rtl::TComponent* v) { x->SetMemoPopup(v); }));
    // Written as MemoText.Strings = ( 'first line' 'second line' ).
    c.Property("MemoText.Strings", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   if (v.Kind != ui::TValueKind::List) ctx.Fail("Invalid property value: a list ( … ) expected");
                   rtl::TStringList lines;
                   for (const TPropValue& item : v.List) lines.Add(ui::ValueToString(item, ctx));
                   x->SetMemoText(lines);
               }));
    c.Property("OnMemoChange", ui::EventProperty(&T::OnMemoChange));
}

}  // namespace

void RegisterListDropDownClasses(ui::TClassRegistry& registry)
{
    RegisterTrackBarDropDown(registry);
    RegisterMemoDropDown(registry);
}

}  // namespace grid
