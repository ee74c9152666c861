// A compact table of short texts indexed directly by the 100 m id, as the grid and soil tools keep them.
#include "app/IdTable.h"

#include "platform/rtl/Exceptions.h"

namespace app {

TIdTable::TIdTable(int size) : FOffsets(static_cast<std::size_t>(size) + 1, 0), FPool(1, '\0') {}

std::string_view CutToIdTableText(std::string_view text)
{
    if (text.size() <= static_cast<std::size_t>(TIdTable::MaxTextLength)) return text;
    // Count code points: a continuation byte (10xxxxxx) does not start one.
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters == TIdTable::MaxTextLength) return text.substr(0, i);
        ++characters;
    }
    return text;
}

void TIdTable::Set(int id, std::string_view text)
{
    std::string_view kept = CutToIdTableText(text);
    if (kept.empty()) {
        FOffsets[static_cast<std::size_t>(id)] = 0;
        return;
    }
    // 70 characters read from the 8-bit code page are at most 210 bytes of
    // UTF-8 and fit the length byte; other text is cut at the last whole
    // character within 255 bytes.
    while (kept.size() > 255) {
        std::size_t end = 255;
        while (end > 0 && (static_cast<unsigned char>(kept[end]) & 0xC0) == 0x80) --end;
        kept = kept.substr(0, end);
    }
    if (FPool.size() + kept.size() + 1 > UINT32_MAX) throw rtl::EOutOfMemory("Id table text pool is full");
    FOffsets[static_cast<std::size_t>(id)] = static_cast<std::uint32_t>(FPool.size());
    FPool.push_back(static_cast<char>(kept.size()));
    FPool.append(kept);
}

std::string_view TIdTable::Get(int id) const
{
    const std::uint32_t offset = FOffsets[static_cast<std::size_t>(id)];
    if (offset == 0) return {};
    const std::size_t length = static_cast<unsigned char>(FPool[offset]);
    return std::string_view(FPool).substr(offset + 1, length);
}

void TIdTable::ForEachFilled(const std::function<void(int id, std::string_view text)>& onEntry) const
{
    for (std::size_t id = 1; id < FOffsets.size(); ++id) {
        if (FOffsets[id] != 0) onEntry(static_cast<int>(id), Get(static_cast<int>(id)));
    }
}

std::size_t TIdTable::MemoryBytes() const
{
    return FOffsets.capacity() * sizeof(std::uint32_t) + FPool.capacity();
}

}  // namespace app
