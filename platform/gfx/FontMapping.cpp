// Font name mapping from interface names to installed families.
#include "platform/gfx/FontMapping.h"

#include <fontconfig/fontconfig.h>

#include <mutex>
#include <unordered_map>

namespace gfx {

namespace {

struct TFontAlias {
    const char* Name;
    const char* Family;
};

constexpr TFontAlias FontAliases[] = {
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
    {"tahoma", "DejaVu Sans"},
    {"segoe ui", "DejaVu Sans"},
    {"ms sans serif", "DejaVu Sans"},
    {"microsoft sans serif", "DejaVu Sans"},
    {"ms shell dlg", "DejaVu Sans"},
    {"ms shell dlg 2", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},
    // The storyline tables' font; Carlito has the same letter widths.
    {"calibri", "Carlito"},
    {"", "DejaVu Sans"},
};

std::string Lower(const std::string& s)
{
    std::string r = s;
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

}  // namespace

std::string MapFontFamily(const std::string& name)
{
    const std::string key = Lower(name);
    for (const TFontAlias& a : FontAliases)
        if (key == a.Name) return a.Family;
    return name;
}

bool FontFamilyAvailable(const std::string& name)
{
    const std::string key = Lower(name);
    for (const TFontAlias& a : FontAliases)
        if (key == a.Name) return true;
    static std::mutex lock;
    static std::unordered_map<std::string, bool> known;
    std::lock_guard<std::mutex> guard(lock);
    auto it = known.find(key);
    if (it != known.end()) return it->second;
    bool found = false;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    if (set) {
        found = set->nfont > 0;
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    known[key] = found;
    return found;
}

}  // namespace gfx
