// The registry store: key tree, file format, atomic saving and change watches.
#include "platform/rtl/RegistryStore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SafeFile.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

struct TRegistryStore::TNode {
    std::string Name;
    std::map<std::string, std::unique_ptr<TNode>> Keys;      // by lower-case name
    std::vector<std::pair<std::string, TRegValue>> Values;   // in creation order

    TRegValue* FindValue(const std::string& name)
    {
        const std::string lower = AnsiLowerCase(name);
        for (auto& [valueName, value] : Values)
            if (AnsiLowerCase(valueName) == lower) return &value;
        return nullptr;
    }
};

struct TRegistryStore::TWatch {
    HKEY Root = 0;
    std::string Path;  // normalised: lower case, no empty parts
    bool Subtree = false;
    unsigned Filter = 0;
    TEvent Event;
};

namespace {

const char* const FileHeader = "; tolvek registry";

// Key path split into its names, empty parts (doubled or outer "\") dropped.
std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char ch : path) {
        if (ch == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += ch;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string JoinPath(const std::vector<std::string>& parts, size_t count)
{
    std::string path;
    for (size_t i = 0; i < count && i < parts.size(); ++i) {
        if (!path.empty()) path += '\\';
        path += parts[i];
    }
    return path;
}

std::string NormalPath(const std::string& path)
{
    auto parts = SplitPath(path);
    return AnsiLowerCase(JoinPath(parts, parts.size()));
}

bool PathIsBelow(const std::string& path, const std::string& top)
{
    if (top.empty()) return !path.empty();
    return path.size() > top.size() && path.compare(0, top.size(), top) == 0 && path[top.size()] == '\\';
}

const char* RootName(HKEY root)
{
    return root == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

std::string FileStamp(const std::string& fileName)
{
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) return {};
    std::ostringstream out;
    out << st.st_size << ':' << st.st_mtim.tv_sec << '.' << st.st_mtim.tv_nsec << ':' << st.st_ino << ':'
        << st.st_dev;
    return out.str();
}

std::mutex& FileNameLock()
{
    static std::mutex lock;
    return lock;
}

std::string& ConfiguredFileName()
{
    static std::string name;
    return name;
}

// --- text form of the file -------------------------------------------------------------

std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (char ch : text) {
        switch (ch) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += ch;
        }
    }
    return out + "\"";
}

// Reads a quoted text starting at line[pos] == '"'; pos ends after the closing quote.
bool Unquote(const std::string& line, size_t& pos, std::string& text)
{
    if (pos >= line.size() || line[pos] != '"') return false;
    text.clear();
    for (++pos; pos < line.size(); ++pos) {
        char ch = line[pos];
        if (ch == '"') {
            ++pos;
            return true;
        }
        if (ch == '\\') {
            if (++pos >= line.size()) return false;
            switch (line[pos]) {
            case 'n': ch = '\n'; break;
            case 'r': ch = '\r'; break;
            case 't': ch = '\t'; break;
            case '\\': ch = '\\'; break;
            case '"': ch = '"'; break;
            default: return false;
            }
        }
        text += ch;
    }
    return false;
}

std::string ValueText(const TRegValue& value)
{
    char buffer[16];
    switch (value.Kind) {
    case rdString: return Quote(value.Data);
    case rdExpandString: return "expand:" + Quote(value.Data);
    case rdInteger:
        std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(value.Integer));
        return buffer;
    default: {
        std::string out = "hex:";
        for (size_t i = 0; i < value.Data.size(); ++i) {
            std::snprintf(buffer, sizeof buffer, i == 0 ? "%02x" : ",%02x",
                          static_cast<unsigned>(static_cast<unsigned char>(value.Data[i])));
            out += buffer;
        }
        return out;
    }
    }
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

bool ParseHexBytes(const std::string& text, std::string& bytes)
{
    bytes.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        if (pos + 2 > text.size()) return false;
        const int hi = HexDigit(text[pos]), lo = HexDigit(text[pos + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes += static_cast<char>(hi * 16 + lo);
        pos += 2;
        if (pos < text.size() && text[pos++] != ',') return false;
        if (pos == text.size() && text.back() == ',') return false;
    }
    return true;
}

bool ParseValueText(const std::string& text, TRegValue& value)
{
    size_t pos = 0;
    if (!text.empty() && text[0] == '"') {
        value.Kind = rdString;
        return Unquote(text, pos, value.Data) && pos == text.size();
    }
    if (text.rfind("expand:", 0) == 0) {
        value.Kind = rdExpandString;
        pos = 7;
        return Unquote(text, pos, value.Data) && pos == text.size();
    }
    if (text.rfind("dword:", 0) == 0) {
        const std::string digits = text.substr(6);
        if (digits.empty() || digits.size() > 8) return false;
        unsigned number = 0;
        for (char ch : digits) {
            const int d = HexDigit(ch);
            if (d < 0) return false;
            number = number * 16 + static_cast<unsigned>(d);
        }
        value.Kind = rdInteger;
        value.Integer = static_cast<std::int32_t>(number);
        return true;
    }
    if (text.rfind("hex:", 0) == 0) {
        value.Kind = rdBinary;
        return ParseHexBytes(text.substr(4), value.Data);
    }
    return false;
}

[[noreturn]] void BadLine(const std::string& fileName, int lineNo, const std::string& line)
{
    throw ERegistryException("Registry file " + fileName + ", line " + std::to_string(lineNo) +
                             ": cannot read \"" + line + "\"");
}

}  // namespace

// --- file name -----------------------------------------------------------------------------

std::string DefaultRegistryFileName()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return std::string(config) + "/tolvek/registry";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/tolvek/registry";
}

void SetRegistryFileName(const std::string& fileName)
{
    std::lock_guard<std::mutex> guard(FileNameLock());
    ConfiguredFileName() = fileName;
}

std::string RegistryFileName()
{
    {
        std::lock_guard<std::mutex> guard(FileNameLock());
        if (!ConfiguredFileName().empty()) return ConfiguredFileName();
    }
    return DefaultRegistryFileName();
}

std::shared_ptr<TRegistryStore> TRegistryStore::Current()
{
    static std::mutex lock;
    static std::map<std::string, std::weak_ptr<TRegistryStore>> stores;
    const std::string fileName = RegistryFileName();
    std::lock_guard<std::mutex> guard(lock);
    std::shared_ptr<TRegistryStore> store = stores[fileName].lock();
    if (!store) {
        store = std::make_shared<TRegistryStore>(fileName);
        stores[fileName] = store;
    }
    return store;
}

// --- store ------------------------------------------------------------------------------------

TRegistryStore::TRegistryStore(std::string fileName)
    : FFileName(std::move(fileName)), FCurrentUser(std::make_unique<TNode>()),
      FLocalMachine(std::make_unique<TNode>())
{
}

TRegistryStore::~TRegistryStore() = default;

TRegistryStore::TNode* TRegistryStore::Root(HKEY root)
{
    if (root == HKEY_CURRENT_USER) return FCurrentUser.get();
    if (root == HKEY_LOCAL_MACHINE) return FLocalMachine.get();
    return nullptr;
}

TRegistryStore::TNode* TRegistryStore::FindNode(HKEY root, const std::string& path)
{
    TNode* node = Root(root);
    for (const std::string& part : SplitPath(path)) {
        if (!node) return nullptr;
        auto it = node->Keys.find(AnsiLowerCase(part));
        node = it == node->Keys.end() ? nullptr : it->second.get();
    }
    return node;
}

void TRegistryStore::Refresh()
{
    if (FileStamp(FFileName) != FStamp) Load();
}

void TRegistryStore::Load()
{
    auto currentUser = std::make_unique<TNode>();
    auto localMachine = std::make_unique<TNode>();
    const std::string stamp = FileStamp(FFileName);
    std::ifstream in(FFileName, std::ios::binary);
    if (in) {
        TNode* section = nullptr;
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == ';') continue;
            if (line[0] == '[') {
                if (line.back() != ']') BadLine(FFileName, lineNo, line);
                auto parts = SplitPath(line.substr(1, line.size() - 2));
                if (parts.empty()) BadLine(FFileName, lineNo, line);
                TNode* node = parts[0] == "HKEY_CURRENT_USER"    ? currentUser.get()
                              : parts[0] == "HKEY_LOCAL_MACHINE" ? localMachine.get()
                                                                 : nullptr;
                if (!node) BadLine(FFileName, lineNo, line);
                for (size_t i = 1; i < parts.size(); ++i) {
                    auto& child = node->Keys[AnsiLowerCase(parts[i])];
                    if (!child) {
                        child = std::make_unique<TNode>();
                        child->Name = parts[i];
                    }
                    node = child.get();
                }
                section = node;
                continue;
            }
            size_t pos = 0;
            std::string name;
            TRegValue value;
            if (!section || !Unquote(line, pos, name) || pos >= line.size() || line[pos] != '=' ||
                !ParseValueText(line.substr(pos + 1), value))
                BadLine(FFileName, lineNo, line);
            if (TRegValue* existing = section->FindValue(name))
                *existing = value;
            else
                section->Values.emplace_back(name, value);
        }
    }
    FCurrentUser = std::move(currentUser);
    FLocalMachine = std::move(localMachine);
    FStamp = stamp;
}

void TRegistryStore::Save()
{
    std::ostringstream text;
    text << FileHeader << "\n";
    auto writeTree = [&text](auto&& self, const TNode& node, const std::string& path, bool isRoot) -> void {
        if (!isRoot || !node.Values.empty()) {
            text << "\n[" << path << "]\n";
            for (const auto& [name, value] : node.Values) text << Quote(name) << '=' << ValueText(value) << "\n";
        }
        for (const auto& [lower, child] : node.Keys) self(self, *child, path + "\\" + child->Name, false);
    };
    writeTree(writeTree, *FCurrentUser, RootName(HKEY_CURRENT_USER), true);
    writeTree(writeTree, *FLocalMachine, RootName(HKEY_LOCAL_MACHINE), true);

    namespace fs = std::filesystem;
    const fs::path target(FFileName);
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    try {
        SaveFileSafely(FFileName, text.str());
    } catch (const EInOutError& e) {
        throw ERegistryException("Unable to write registry file " + FFileName + ": " + e.Message());
    }
    FStamp = FileStamp(FFileName);
}

void TRegistryStore::Changed(HKEY root, const std::string& path, unsigned kind, bool keyDeleted,
                             std::vector<TEvent>& fired)
{
    const std::string changed = NormalPath(path);
    for (auto it = FWatches.begin(); it != FWatches.end();) {
        bool hit = false;
        if (it->Root == root) {
            const bool inScope = it->Path == changed || (it->Subtree && PathIsBelow(changed, it->Path));
            const unsigned filter = it->Filter == 0 ? 0xFu : it->Filter;
            hit = (inScope && (filter & kind) != 0) ||
                  (keyDeleted && (it->Path == changed || PathIsBelow(it->Path, changed)));
        }
        if (hit) {
            fired.push_back(it->Event);
            it = FWatches.erase(it);
        } else {
            ++it;
        }
    }
}

void TRegistryStore::Fire(std::vector<TEvent>& fired)
{
    for (TEvent& event : fired) event.SetEvent();
}

bool TRegistryStore::KeyExists(HKEY root, const std::string& path)
{
    std::lock_guard<std::mutex> guard(FLock);
    Refresh();
    return FindNode(root, path) != nullptr;
}

bool TRegistryStore::CreateKey(HKEY root, const std::string& path)
{
    std::vector<TEvent> fired;
    {
        std::lock_guard<std::mutex> guard(FLock);
        Refresh();
        TNode* node = Root(root);
        if (!node) return false;
        const auto parts = SplitPath(path);
        // A line break in a key name would break the file's line structure.
        for (const std::string& part : parts)
            if (part.find_first_of("\r\n") != std::string::npos) return false;
        bool created = false;
        for (size_t i = 0; i < parts.size(); ++i) {
            auto& child = node->Keys[AnsiLowerCase(parts[i])];
            if (!child) {
                child = std::make_unique<TNode>();
                child->Name = parts[i];
                if (!created) Changed(root, JoinPath(parts, i), REG_NOTIFY_CHANGE_NAME, false, fired);
                created = true;
            }
            node = child.get();
        }
        if (created) Save();
    }
    Fire(fired);
    return true;
}

bool TRegistryStore::DeleteKey(HKEY root, const std::string& path)
{
    std::vector<TEvent> fired;
    {
        std::lock_guard<std::mutex> guard(FLock);
        Refresh();
        const auto parts = SplitPath(path);
        if (parts.empty()) return false;
        TNode* parent = FindNode(root, JoinPath(parts, parts.size() - 1));
        if (!parent || parent->Keys.erase(AnsiLowerCase(parts.back())) == 0) return false;
        Changed(root, JoinPath(parts, parts.size() - 1), REG_NOTIFY_CHANGE_NAME, false, fired);
        Changed(root, path, 0, true, fired);
        Save();
    }
    Fire(fired);
    return true;
}

bool TRegistryStore::GetKeyNames(HKEY root, const std::string& path, std::vector<std::string>& names)
{
    std::lock_guard<std::mutex> guard(FLock);
    Refresh();
    names.clear();
    TNode* node = FindNode(root, path);
    if (!node) return false;
    for (const auto& [lower, child] : node->Keys) names.push_back(child->Name);
    return true;
}

bool TRegistryStore::GetValueNames(HKEY root, const std::string& path, std::vector<std::string>& names)
{
    std::lock_guard<std::mutex> guard(FLock);
    Refresh();
    names.clear();
    TNode* node = FindNode(root, path);
    if (!node) return false;
    for (const auto& [name, value] : node->Values) names.push_back(name);
    return true;
}

bool TRegistryStore::GetValue(HKEY root, const std::string& path, const std::string& name, TRegValue& value)
{
    std::lock_guard<std::mutex> guard(FLock);
    Refresh();
    TNode* node = FindNode(root, path);
    TRegValue* found = node ? node->FindValue(name) : nullptr;
    if (!found) return false;
    value = *found;
    return true;
}

bool TRegistryStore::SetValue(HKEY root, const std::string& path, const std::string& name,
                              const TRegValue& value)
{
    std::vector<TEvent> fired;
    {
        std::lock_guard<std::mutex> guard(FLock);
        Refresh();
        TNode* node = FindNode(root, path);
        if (!node) return false;
        if (TRegValue* existing = node->FindValue(name))
            *existing = value;
        else
            node->Values.emplace_back(name, value);
        Changed(root, path, REG_NOTIFY_CHANGE_LAST_SET, false, fired);
        Save();
    }
    Fire(fired);
    return true;
}

bool TRegistryStore::DeleteValue(HKEY root, const std::string& path, const std::string& name)
{
    std::vector<TEvent> fired;
    {
        std::lock_guard<std::mutex> guard(FLock);
        Refresh();
        TNode* node = FindNode(root, path);
        if (!node) return false;
        const std::string lower = AnsiLowerCase(name);
        auto it = node->Values.begin();
        while (it != node->Values.end() && AnsiLowerCase(it->first) != lower) ++it;
        if (it == node->Values.end()) return false;
        node->Values.erase(it);
        Changed(root, path, REG_NOTIFY_CHANGE_LAST_SET, false, fired);
        Save();
    }
    Fire(fired);
    return true;
}

bool TRegistryStore::NotifyChange(HKEY root, const std::string& path, bool watchSubtree, unsigned filter,
                                  const TEvent& event)
{
    std::lock_guard<std::mutex> guard(FLock);
    Refresh();
    if (!FindNode(root, path)) return false;
    FWatches.push_back({root, NormalPath(path), watchSubtree, filter, event});
    return true;
}

void TRegistryStore::CancelNotify(const TEvent& event)
{
    std::lock_guard<std::mutex> guard(FLock);
    std::erase_if(FWatches, [&event](const TWatch& watch) { return watch.Event == event; });
}

}  // namespace rtl
