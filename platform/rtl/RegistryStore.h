// The registry store: a tree of keys with typed values, kept in one file, with change watches.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/rtl/WaitEvent.h"

namespace rtl {

// Root keys, with the platform's values.
using HKEY = std::uintptr_t;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

// Kinds of stored values.
enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// What a change watch reacts to, with the platform's values: subkeys added or deleted
// (name), attribute changes, values set or deleted (last set), security changes.
constexpr unsigned REG_NOTIFY_CHANGE_NAME = 0x1;
constexpr unsigned REG_NOTIFY_CHANGE_ATTRIBUTES = 0x2;
constexpr unsigned REG_NOTIFY_CHANGE_LAST_SET = 0x4;
constexpr unsigned REG_NOTIFY_CHANGE_SECURITY = 0x8;

// One stored value: text for the string kinds, bytes for binary, Integer for integers.
struct TRegValue {
    TRegDataType Kind = rdUnknown;
    std::string Data;
    std::int32_t Integer = 0;
};

// The file the program's registry lives in. Until set, DefaultRegistryFileName():
// $XDG_CONFIG_HOME/tolvek/registry, else ~/.config/tolvek/registry.
void SetRegistryFileName(const std::string& fileName);
std::string RegistryFileName();
std::string DefaultRegistryFileName();

// A tree of keys under the root keys. Key paths are "\"-separated and relative to a
// root; key and value names compare without regard to case and keep the case they were
// created with. Every change is written to the file at once (a temporary file renamed
// over it, so a failed write never leaves a half-written file) and read again by any
// store on the same file whose copy is older. The store is safe to use from several
// threads. A file that cannot be read raises ERegistryException naming the file, the line
// and its text, and is left as it is.
class TRegistryStore {
public:
    explicit TRegistryStore(std::string fileName);
    ~TRegistryStore();
    TRegistryStore(const TRegistryStore&) = delete;
    TRegistryStore& operator=(const TRegistryStore&) = delete;

    // The store of RegistryFileName(), shared by everyone in the process who uses that file.
    static std::shared_ptr<TRegistryStore> Current();

    const std::string& FileName() const { return FFileName; }

    bool KeyExists(HKEY root, const std::string& path);
    // Creates the key and any missing parents; false for an unknown root or a name
    // holding a line break.
    bool CreateKey(HKEY root, const std::string& path);
    // Deletes the key with everything below it; false when it does not exist. A root
    // itself cannot be deleted.
    bool DeleteKey(HKEY root, const std::string& path);
    // Names of the direct subkeys (in name order) and of the values (in creation order);
    // false when the key does not exist.
    bool GetKeyNames(HKEY root, const std::string& path, std::vector<std::string>& names);
    bool GetValueNames(HKEY root, const std::string& path, std::vector<std::string>& names);

    // false when the key or the value does not exist.
    bool GetValue(HKEY root, const std::string& path, const std::string& name, TRegValue& value);
    // false when the key does not exist.
    bool SetValue(HKEY root, const std::string& path, const std::string& name, const TRegValue& value);
    bool DeleteValue(HKEY root, const std::string& path, const std::string& name);

    // Arms a one-shot watch on an existing key: the next change of the kinds in `filter`
    // (0 counts as all) to the key, or with watchSubtree to anything below it, sets the
    // event and ends the watch. Deleting the key also sets it. false when the key does not
    // exist. Only changes made through this store are seen.
    bool NotifyChange(HKEY root, const std::string& path, bool watchSubtree, unsigned filter,
                      const TEvent& event);
    // Ends the watches that would set `event`.
    void CancelNotify(const TEvent& event);

private:
    struct TNode;
    struct TWatch;
    TNode* FindNode(HKEY root, const std::string& path);
    TNode* Root(HKEY root);
    // Reads the file again when another store changed it since this one last saw it.
    void Refresh();
    void Load();
    void Save();
    // Collects the watches a change fires; they are set after the lock is released.
    void Changed(HKEY root, const std::string& path, unsigned kind, bool keyDeleted,
                 std::vector<TEvent>& fired);
    void Fire(std::vector<TEvent>& fired);

    std::string FFileName;
    std::mutex FLock;
    std::unique_ptr<TNode> FCurrentUser;
    std::unique_ptr<TNode> FLocalMachine;
    std::vector<TWatch> FWatches;
    std::string FStamp;  // size, time and identity of the file when last read or written
};

}  // namespace rtl
