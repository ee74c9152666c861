// Registered window messages: one table of names for the whole process, guarded by a lock.
#include "platform/ui/RegisteredMessages.h"

#include <cctype>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace ui {

namespace {

constexpr UINT FirstRegisteredId = 0xC000;

struct TRegistry {
    std::mutex Lock;
    std::unordered_map<std::string, UINT> Ids;  // key: upper-cased name
    std::vector<std::string> Names;             // index: id - FirstRegisteredId
};

TRegistry& Registry()
{
    static TRegistry registry;
    return registry;
}

std::string Key(const std::string& name)
{
    std::string k = name;
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

}  // namespace

UINT RegisterWindowMessage(const std::string& name)
{
    if (name.empty()) return 0;
    TRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.Lock);
    auto [it, inserted] = r.Ids.try_emplace(Key(name), 0);
    if (inserted) {
        it->second = FirstRegisteredId + static_cast<UINT>(r.Names.size());
        r.Names.push_back(name);
    }
    return it->second;
}

std::string GetRegisteredMessageName(UINT id)
{
    TRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.Lock);
    if (id < FirstRegisteredId || id - FirstRegisteredId >= r.Names.size()) return {};
    return r.Names[id - FirstRegisteredId];
}

}  // namespace ui
