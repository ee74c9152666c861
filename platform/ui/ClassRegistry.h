// Registry of classes that form descriptions can create, with their published properties.
#pragma once

#include <algorithm>
#include <any>
#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormParser.h"

namespace ui {

class TMethodTable;

// What the reader knows while it sets a property: where it is, the root and its handlers.
struct TReadContext {
    std::string File;
    int Line = 0;
    std::string Path;                      // Component.Property, for messages
    rtl::TComponent* Root = nullptr;
    const TMethodTable* Methods = nullptr;
    std::vector<std::function<void()>> Fixups;  // component references, resolved at the end
    [[noreturn]] void Fail(const std::string& message) const;
};

struct TPropertyInfo {
    enum TKind { pkValue, pkEvent, pkComponent };
    TKind Kind = pkValue;
    std::function<void(rtl::TComponent*, const TPropValue&, TReadContext&)> Set;
    std::function<TPropValue(rtl::TComponent*)> Get;  // empty: not readable by name
};

struct TClassInfo {
    std::string Name;
    std::string ParentName;
    std::function<rtl::TComponent*(rtl::TComponent* owner)> Create;
    std::function<bool(const rtl::TComponent*)> IsInstance;
    std::map<std::string, TPropertyInfo> Props;  // key: upper-cased property name
    // For classes that are not controls but nest in another object of a description
    // (menu items in a menu): called with the object and the one it is written in.
    std::function<void(rtl::TComponent* child, rtl::TComponent* enclosing)> SetParentComponent;

    TClassInfo& Property(const std::string& name, TPropertyInfo info);
};

class TClassRegistry {
public:
    // The registry, with the platform's own classes registered.
    static TClassRegistry& Instance();

    // Registers class T under `name`, inheriting the properties of `parentName`.
    // Registering a name again replaces the entry's factory but keeps its properties.
    template <typename T>
    TClassInfo& Register(const std::string& name, const std::string& parentName)
    {
        TClassInfo& info = Entry(name);
        info.Name = name;
        info.ParentName = parentName;
        info.Create = [](rtl::TComponent* owner) -> rtl::TComponent* { return new T(owner); };
        info.IsInstance = [](const rtl::TComponent* c) { return dynamic_cast<const T*>(c) != nullptr; };
        return info;
    }
    // Registers a class that cannot be created by the reader (abstract), only described.
    template <typename T>
    TClassInfo& RegisterAbstract(const std::string& name, const std::string& parentName)
    {
        TClassInfo& info = Register<rtl::TComponent>(name, parentName);
        info.Create = nullptr;
        info.IsInstance = [](const rtl::TComponent* c) { return dynamic_cast<const T*>(c) != nullptr; };
        return info;
    }

    const TClassInfo* Find(const std::string& name) const;
    // The most derived registered class the instance belongs to.
    const TClassInfo* FindForInstance(const rtl::TComponent* instance) const;
    // The property of that name in the class or its ancestors.
    const TPropertyInfo* FindProperty(const TClassInfo* info, const std::string& name) const;
    // Names of every property of the class and its ancestors.
    std::vector<std::string> PropertyNames(const TClassInfo* info) const;

private:
    TClassInfo& Entry(const std::string& name);
    int Depth(const TClassInfo* info) const;
    // The entry of the class `info` derives from, or nullptr.
    const TClassInfo* Parent(const TClassInfo* info) const;
    std::map<std::string, TClassInfo> FClasses;  // key: upper-cased class name
    // Parents already looked up: a property search walks the chain for every property read.
    mutable std::unordered_map<const TClassInfo*, const TClassInfo*> FParents;
};

// --- conversions between property values and C++ values ---
long long ValueToInt(const TPropValue& v, const TReadContext& ctx);
double ValueToFloat(const TPropValue& v, const TReadContext& ctx);
bool ValueToBool(const TPropValue& v, const TReadContext& ctx);
std::string ValueToString(const TPropValue& v, const TReadContext& ctx);
std::string ValueToIdent(const TPropValue& v, const TReadContext& ctx);

// --- helpers that build property entries ---
template <typename T>
TPropertyInfo IntProperty(std::function<long long(T*)> get, std::function<void(T*, long long)> set)
{
    TPropertyInfo p;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        set(static_cast<T*>(c), ValueToInt(v, ctx));
    };
    if (get) p.Get = [get](rtl::TComponent* c) { return TPropValue::MakeInt(get(static_cast<T*>(c))); };
    return p;
}

template <typename T>
TPropertyInfo FloatProperty(std::function<double(T*)> get, std::function<void(T*, double)> set)
{
    TPropertyInfo p;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        set(static_cast<T*>(c), ValueToFloat(v, ctx));
    };
    if (get) p.Get = [get](rtl::TComponent* c) { return TPropValue::MakeFloat(get(static_cast<T*>(c))); };
    return p;
}

template <typename T>
TPropertyInfo BoolProperty(std::function<bool(T*)> get, std::function<void(T*, bool)> set)
{
    TPropertyInfo p;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        set(static_cast<T*>(c), ValueToBool(v, ctx));
    };
    if (get)
        p.Get = [get](rtl::TComponent* c) { return TPropValue::MakeIdent(get(static_cast<T*>(c)) ? "True" : "False"); };
    return p;
}

template <typename T>
TPropertyInfo StringProperty(std::function<std::string(T*)> get, std::function<void(T*, const std::string&)> set)
{
    TPropertyInfo p;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        set(static_cast<T*>(c), ValueToString(v, ctx));
    };
    if (get) p.Get = [get](rtl::TComponent* c) { return TPropValue::MakeString(get(static_cast<T*>(c))); };
    return p;
}

// An enumeration written as identifiers: names[i] is value i unless values are given.
template <typename T, typename E>
TPropertyInfo EnumProperty(std::vector<std::pair<std::string, E>> names, std::function<E(T*)> get,
                           std::function<void(T*, E)> set)
{
    TPropertyInfo p;
    p.Set = [names, set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        if (v.Kind == TValueKind::Integer) {
            // An enumeration takes only the ordinals of its names: any other
            // number from a description is no value of the type at all.
            if constexpr (std::is_enum_v<E>) {
                const bool named = std::any_of(names.begin(), names.end(), [&](const auto& entry) {
                    return static_cast<long long>(entry.second) == v.Int;
                });
                if (!named) ctx.Fail("Invalid property value " + std::to_string(v.Int));
            }
            set(static_cast<T*>(c), static_cast<E>(v.Int));
            return;
        }
        std::string ident = ValueToIdent(v, ctx);
        for (const auto& [n, e] : names) {
            if (rtl::IsValidIdent(n) && n.size() == ident.size() &&
                std::equal(n.begin(), n.end(), ident.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                })) {
                set(static_cast<T*>(c), e);
                return;
            }
        }
        ctx.Fail("Invalid property value '" + ident + "'");
    };
    if (get) {
        p.Get = [names, get](rtl::TComponent* c) {
            E e = get(static_cast<T*>(c));
            for (const auto& [n, value] : names) {
                if (value == e) return TPropValue::MakeIdent(n);
            }
            return TPropValue::MakeInt(static_cast<long long>(e));
        };
    }
    return p;
}

// A set written as [a, b]: each name is one bit.
template <typename T>
TPropertyInfo SetProperty(std::vector<std::pair<std::string, unsigned>> names, std::function<unsigned(T*)> get,
                          std::function<void(T*, unsigned)> set)
{
    TPropertyInfo p;
    p.Set = [names, set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        if (v.Kind != TValueKind::Set) ctx.Fail("Invalid property value: a set [ … ] expected");
        unsigned bits = 0;
        for (const std::string& item : v.Set) {
            bool found = false;
            for (const auto& [n, bit] : names) {
                if (n.size() == item.size() &&
                    std::equal(n.begin(), n.end(), item.begin(), [](char a, char b) {
                        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                    })) {
                    bits |= bit;
                    found = true;
                }
            }
            if (!found) ctx.Fail("Invalid property value '" + item + "'");
        }
        set(static_cast<T*>(c), bits);
    };
    if (get) {
        p.Get = [names, get](rtl::TComponent* c) {
            unsigned bits = get(static_cast<T*>(c));
            TPropValue v;
            v.Kind = TValueKind::Set;
            for (const auto& [n, bit] : names) {
                if (bits & bit) v.Set.push_back(n);
            }
            return v;
        };
    }
    return p;
}

// Binds an event property: looks the handler up by name in the context's method table.
const std::any& FindHandler(const TPropValue& v, TReadContext& ctx);

template <typename T, typename E>
TPropertyInfo EventProperty(E T::*member)
{
    TPropertyInfo p;
    p.Kind = TPropertyInfo::pkEvent;
    p.Set = [member](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        const std::any& handler = FindHandler(v, ctx);
        const E* typed = std::any_cast<E>(&handler);
        if (typed == nullptr) ctx.Fail("Method '" + v.Str + "' does not fit the event");
        static_cast<T*>(c)->*member = *typed;
    };
    return p;
}

// A reference to another component of the root, resolved after the whole description is read.
template <typename T, typename C>
TPropertyInfo ComponentProperty(std::function<C*(T*)> get, std::function<void(T*, C*)> set)
{
    TPropertyInfo p;
    p.Kind = TPropertyInfo::pkComponent;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        std::string name = ValueToIdent(v, ctx);
        auto* self = static_cast<T*>(c);
        TReadContext where = ctx;
        ctx.Fixups.push_back([self, name, set, where] {
            if (name == "nil" || name == "NIL" || name == "Nil") {
                set(self, nullptr);
                return;
            }
            rtl::TComponent* found = where.Root != nullptr ? where.Root->FindComponent(name) : nullptr;
            if (found == nullptr && where.Root != nullptr && where.Root->Name() == name) found = where.Root;
            C* typed = dynamic_cast<C*>(found);
            if (typed == nullptr) where.Fail("Invalid property value: no component named '" + name + "'");
            set(self, typed);
        });
    };
    if (get) {
        p.Get = [get](rtl::TComponent* c) {
            C* ref = get(static_cast<T*>(c));
            return TPropValue::MakeIdent(ref == nullptr ? "nil" : ref->Name());
        };
    }
    return p;
}

// A property whose setter takes the value as written: lists ( … ), collections < … >,
// binary data { … } and anything else a class interprets itself.
template <typename T>
TPropertyInfo ValueProperty(std::function<void(T*, const TPropValue&, TReadContext&)> set,
                            std::function<TPropValue(T*)> get = nullptr)
{
    TPropertyInfo p;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) { set(static_cast<T*>(c), v, ctx); };
    if (get) p.Get = [get](rtl::TComponent* c) { return get(static_cast<T*>(c)); };
    return p;
}

// A colour written as a number or as a colour identifier (clRed, clBtnFace…); anything else
// fails the read. Read back as the identifier where the colour has one.
gfx::TColor ValueToColor(const TPropValue& v, TReadContext& ctx);
TPropValue ColorToValue(gfx::TColor color);

template <typename T>
TPropertyInfo ColorProperty(std::function<gfx::TColor(T*)> get, std::function<void(T*, gfx::TColor)> set)
{
    TPropertyInfo p;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        gfx::TColor color = ValueToColor(v, ctx);
        set(static_cast<T*>(c), color);
    };
    p.Get = [get](rtl::TComponent* c) { return ColorToValue(get(static_cast<T*>(c))); };
    return p;
}

// A property kept only by the designer; read and ignored at run time.
TPropertyInfo IgnoredProperty();

}  // namespace ui
