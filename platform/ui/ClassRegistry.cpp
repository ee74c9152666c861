// The class registry: lookup of classes and properties, value conversions.
#include "platform/ui/ClassRegistry.h"

#include <cctype>

#include "platform/ui/Forms.h"

namespace ui {

void RegisterPlatformClasses(TClassRegistry& registry);  // PlatformClasses.cpp

namespace {

std::string Upper(const std::string& s)
{
    std::string k = s;
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

}  // namespace

void TReadContext::Fail(const std::string& message) const
{
    std::string where = File.empty() ? std::string() : File + "(" + std::to_string(Line) + "): ";
    std::string prop = Path.empty() ? std::string() : "Error reading " + Path + ": ";
    throw rtl::EReadError(where + prop + message);
}

TClassInfo& TClassInfo::Property(const std::string& name, TPropertyInfo info)
{
    Props[Upper(name)] = std::move(info);
    return *this;
}

TClassRegistry& TClassRegistry::Instance()
{
    static TClassRegistry* registry = [] {
        auto* r = new TClassRegistry();
        RegisterPlatformClasses(*r);
        return r;
    }();
    return *registry;
}

TClassInfo& TClassRegistry::Entry(const std::string& name)
{
    // A class registered (again) may be the parent looked up before, or name another one.
    FParents.clear();
    return FClasses[Upper(name)];
}

const TClassInfo* TClassRegistry::Find(const std::string& name) const
{
    auto it = FClasses.find(Upper(name));
    return it == FClasses.end() ? nullptr : &it->second;
}

const TClassInfo* TClassRegistry::Parent(const TClassInfo* info) const
{
    if (info->ParentName.empty()) return nullptr;
    auto it = FParents.find(info);
    if (it == FParents.end()) it = FParents.emplace(info, Find(info->ParentName)).first;
    return it->second;
}

int TClassRegistry::Depth(const TClassInfo* info) const
{
    int depth = 0;
    while (info != nullptr && !info->ParentName.empty() && depth < 64) {
        info = Parent(info);
        ++depth;
    }
    return depth;
}

const TClassInfo* TClassRegistry::FindForInstance(const rtl::TComponent* instance) const
{
    if (instance == nullptr) return nullptr;
    // Exact class name first, then the deepest registered class it derives from.
    if (const TClassInfo* exact = Find(instance->ClassName()); exact != nullptr && exact->IsInstance &&
                                                                exact->IsInstance(instance))
        return exact;
    const TClassInfo* best = nullptr;
    int bestDepth = -1;
    for (const auto& [key, info] : FClasses) {
        if (!info.IsInstance || !info.IsInstance(instance)) continue;
        int d = Depth(&info);
        if (d > bestDepth) {
            best = &info;
            bestDepth = d;
        }
    }
    return best;
}

const TPropertyInfo* TClassRegistry::FindProperty(const TClassInfo* info, const std::string& name) const
{
    std::string key = Upper(name);
    int guard = 0;
    while (info != nullptr && guard++ < 64) {
        auto it = info->Props.find(key);
        if (it != info->Props.end()) return &it->second;
        info = Parent(info);
    }
    return nullptr;
}

std::vector<std::string> TClassRegistry::PropertyNames(const TClassInfo* info) const
{
    std::vector<std::string> names;
    int guard = 0;
    while (info != nullptr && guard++ < 64) {
        for (const auto& [key, prop] : info->Props) names.push_back(key);
        info = Parent(info);
    }
    return names;
}

long long ValueToInt(const TPropValue& v, const TReadContext& ctx)
{
    if (v.Kind == TValueKind::Integer) return v.Int;
    ctx.Fail("Invalid property value " + v.ToText() + ": an integer expected");
}

double ValueToFloat(const TPropValue& v, const TReadContext& ctx)
{
    if (v.Kind == TValueKind::Float) return v.Float;
    if (v.Kind == TValueKind::Integer) return static_cast<double>(v.Int);
    ctx.Fail("Invalid property value " + v.ToText() + ": a number expected");
}

bool ValueToBool(const TPropValue& v, const TReadContext& ctx)
{
    if (v.Kind == TValueKind::Ident) {
        std::string u = Upper(v.Str);
        if (u == "TRUE") return true;
        if (u == "FALSE") return false;
    }
    ctx.Fail("Invalid property value " + v.ToText() + ": True or False expected");
}

std::string ValueToString(const TPropValue& v, const TReadContext& ctx)
{
    if (v.Kind == TValueKind::String) return v.Str;
    if (v.Kind == TValueKind::Ident) return v.Str;
    ctx.Fail("Invalid property value " + v.ToText() + ": a string expected");
}

std::string ValueToIdent(const TPropValue& v, const TReadContext& ctx)
{
    if (v.Kind == TValueKind::Ident) return v.Str;
    ctx.Fail("Invalid property value " + v.ToText() + ": an identifier expected");
}

const std::any& FindHandler(const TPropValue& v, TReadContext& ctx)
{
    std::string name = ValueToIdent(v, ctx);
    const std::any* handler = ctx.Methods != nullptr ? ctx.Methods->FindMethod(name) : nullptr;
    if (handler == nullptr) ctx.Fail("Method '" + name + "' not found");
    return *handler;
}

gfx::TColor ValueToColor(const TPropValue& v, TReadContext& ctx)
{
    gfx::TColor color = 0;
    if (v.Kind == TValueKind::Integer) {
        color = static_cast<gfx::TColor>(v.Int);
    } else if (v.Kind != TValueKind::Ident || !gfx::IdentToColor(v.Str, color)) {
        ctx.Fail("Invalid property value " + v.ToText() + ": a colour expected");
    }
    return color;
}

TPropValue ColorToValue(gfx::TColor color)
{
    std::string ident;
    if (gfx::ColorToIdent(color, ident)) return TPropValue::MakeIdent(ident);
    return TPropValue::MakeInt(color);
}

TPropertyInfo IgnoredProperty()
{
    TPropertyInfo p;
    p.Set = [](rtl::TComponent*, const TPropValue&, TReadContext&) {};
    return p;
}

}  // namespace ui
