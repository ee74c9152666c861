// Look-up in the embedded resource table.
#include "platform/gfx/Resources.h"

namespace gfx {

namespace {

std::string Key(const std::string& name)
{
    std::string k = name;
    const std::size_t slash = k.find_last_of("\\/");
    if (slash != std::string::npos) k.erase(0, slash + 1);
    const std::size_t dot = k.find('.');
    if (dot != std::string::npos) k.erase(dot);
    for (char& c : k)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return k;
}

TResource Make(const detail::TResourceEntry& e)
{
    TResource r;
    r.Name = e.Name;
    r.Kind = e.Kind;
    r.Data = e.Data;
    r.Size = e.Size;
    return r;
}

}  // namespace

TResource FindResource(const std::string& name, const std::string& kind)
{
    const std::string key = Key(name);
    if (key.empty()) return {};
    for (const detail::TResourceEntry* e = detail::ResourceTable; e->Name; ++e)
        if (key == e->Name && (kind.empty() || kind == e->Kind)) return Make(*e);
    return {};
}

TResource FindResource(int id, const std::string& kind)
{
    if (id < 0) return {};
    return FindResource(std::to_string(id), kind);
}

std::vector<TResource> ResourceList()
{
    std::vector<TResource> list;
    for (const detail::TResourceEntry* e = detail::ResourceTable; e->Name; ++e) list.push_back(Make(*e));
    return list;
}

}  // namespace gfx
