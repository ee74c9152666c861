// A compact table of short texts indexed directly by the 100 m id, as the grid and soil tools keep them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Entries 1 to N, each a text of at most 70 characters (a longer text is cut),
// all empty at start. An entry costs 4 bytes plus the texts stored: the texts
// sit one after the other in one pool, each behind its length byte, and an
// entry holds the pool offset of its text (0: empty). Setting an entry again
// stores the new text and leaves the old one unused in the pool.
class TIdTable {
public:
    static constexpr int MaxTextLength = 70;

    explicit TIdTable(int size);

    int Size() const { return static_cast<int>(FOffsets.size()) - 1; }
    bool Valid(int id) const { return id >= 1 && id <= Size(); }
    // The caller has checked the id (Valid).
    void Set(int id, std::string_view text);
    std::string_view Get(int id) const;
    bool Empty(int id) const { return FOffsets[static_cast<std::size_t>(id)] == 0; }
    // Every non-empty entry in ascending id order.
    void ForEachFilled(const std::function<void(int id, std::string_view text)>& onEntry) const;
    // Bytes held: the offsets and the pool.
    std::size_t MemoryBytes() const;

private:
    std::vector<std::uint32_t> FOffsets;  // [0] unused
    std::string FPool;                    // [0] unused, so offset 0 means empty
};

// `text` cut to its first 70 characters (code points, not bytes).
std::string_view CutToIdTableText(std::string_view text);

}  // namespace app
