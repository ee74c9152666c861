// The program's embedded resources (glyphs, cursors, icons), found by name or numeric id.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gfx {

// One resource: its bytes as the file under resources/ held them.
struct TResource {
    std::string Name;  // upper-case file name without extension
    std::string Kind;  // "glyphs", "cursors" or "icons"
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
    bool Found() const { return Data != nullptr; }
};

// Looks a name up without regard to case (an extension is ignored); not found: an empty
// TResource. An empty kind searches every kind.
TResource FindResource(const std::string& name, const std::string& kind = "");
TResource FindResource(int id, const std::string& kind = "");
// Every embedded resource, in table order.
std::vector<TResource> ResourceList();

namespace detail {
struct TResourceEntry {
    const char* Name;
    const char* Kind;
    const unsigned char* Data;
    std::size_t Size;
};
// Generated at build time from the files under resources/ (see cmake/EmbedResources.cmake).
extern const TResourceEntry ResourceTable[];
}  // namespace detail

}  // namespace gfx
