// TRegistry: opening keys of the registry store and reading and writing typed values.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/RegistryStore.h"
#include "platform/rtl/WaitEvent.h"

namespace rtl {

class TStrings;

// Access rights, with the platform's values.
constexpr unsigned KEY_QUERY_VALUE = 0x0001;
constexpr unsigned KEY_SET_VALUE = 0x0002;
constexpr unsigned KEY_CREATE_SUB_KEY = 0x0004;
constexpr unsigned KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr unsigned KEY_NOTIFY = 0x0010;
constexpr unsigned KEY_READ = 0x20019;
constexpr unsigned KEY_WRITE = 0x20006;
constexpr unsigned KEY_ALL_ACCESS = 0xF003F;

// How WaitForChange ended.
enum class TRegChangeWait { Changed, Stopped, TimedOut };

// Access to one key at a time of a registry store (the program's store unless one is
// given). A key path starting with "\" is taken from the root; any other path is relative
// to the open key. Errors raise ERegistryException with the class library's texts:
// "Failed to get data for '%s'", "Failed to set data for '%s'", "Invalid data type for
// '%s'", "Failed to create key %s".
class TRegistry : public TObject {
public:
    explicit TRegistry(unsigned access = KEY_ALL_ACCESS);
    explicit TRegistry(std::shared_ptr<TRegistryStore> store, unsigned access = KEY_ALL_ACCESS);
    ~TRegistry() override;
    std::string ClassName() const override { return "TRegistry"; }

    // --- root, access and the open key
    HKEY RootKey() const { return FRootKey; }
    // Closes the open key.
    void SetRootKey(HKEY value);
    unsigned Access() const { return FAccess; }
    void SetAccess(unsigned value) { FAccess = value; }
    // Path of the open key below the root (no leading "\"); empty when none is open.
    const std::string& CurrentPath() const { return FCurrentPath; }
    bool HasCurrentKey() const { return FKeyOpen; }
    TRegistryStore& Store() const { return *FStore; }

    // Opens the key (creating it when canCreate); false when it does not exist.
    bool OpenKey(const std::string& key, bool canCreate);
    // Opens an existing key with read access only; writes through it then fail.
    bool OpenKeyReadOnly(const std::string& key);
    // Creates the key without opening it; raises "Failed to create key %s" on failure.
    bool CreateKey(const std::string& key);
    bool KeyExists(const std::string& key);
    // Deletes the key with everything below it; false when it does not exist.
    bool DeleteKey(const std::string& key);
    void CloseKey();
    // Names of the open key's subkeys / values (cleared first).
    void GetKeyNames(TStrings& strings);
    void GetValueNames(TStrings& strings);
    bool HasSubKeys();

    // --- values of the open key
    bool ValueExists(const std::string& name);
    bool DeleteValue(const std::string& name);
    // rdUnknown when the value does not exist.
    TRegDataType GetDataType(const std::string& name);
    // Size of the data in bytes (strings: their UTF-8 bytes plus a terminator, integers 4);
    // -1 when the value does not exist.
    int GetDataSize(const std::string& name);

    // A missing string value reads as "". A missing integer raises "Failed to get data".
    std::string ReadString(const std::string& name);
    int ReadInteger(const std::string& name);
    bool ReadBool(const std::string& name);
    // Floats and dates are stored as the 8 bytes of a double, kind rdBinary.
    double ReadFloat(const std::string& name);
    TDateTime ReadDateTime(const std::string& name);
    TDateTime ReadDate(const std::string& name) { return ReadDateTime(name); }
    TDateTime ReadTime(const std::string& name) { return ReadDateTime(name); }
    // Copies up to `size` bytes; the number of bytes of the value (0 when it does not exist).
    // A buffer smaller than the value raises "Failed to get data".
    int ReadBinaryData(const std::string& name, void* buffer, int size);

    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, int value);
    void WriteBool(const std::string& name, bool value);
    void WriteFloat(const std::string& name, double value);
    void WriteDateTime(const std::string& name, TDateTime value);
    void WriteDate(const std::string& name, TDateTime value) { WriteDateTime(name, value); }
    void WriteTime(const std::string& name, TDateTime value) { WriteDateTime(name, value); }
    void WriteBinaryData(const std::string& name, const void* buffer, int size);

    // --- change notification
    // Arms a one-shot watch on the open key: the next change of the kinds in `filter`
    // (REG_NOTIFY_CHANGE_*) to the key, or with watchSubtree to anything below it, sets
    // `event`. false when no key is open or it no longer exists.
    bool NotifyChange(bool watchSubtree, unsigned filter, const TEvent& event);
    // Blocks the calling thread until such a change happens (Changed), `stopEvent` is
    // signalled (Stopped) or timeoutMs passes (TimedOut). A key that cannot be watched
    // gives Stopped only when the stop event is set, so the caller's loop still ends.
    TRegChangeWait WaitForChange(bool watchSubtree, unsigned filter, TEvent& stopEvent,
                                 int timeoutMs = INFINITE);

private:
    // Path below the root that `key` names, from the open key for a relative path.
    std::string Resolve(const std::string& key) const;
    bool ReadValue(const std::string& name, TRegValue& value);
    void WriteValue(const std::string& name, const TRegValue& value);

    std::shared_ptr<TRegistryStore> FStore;
    HKEY FRootKey = HKEY_CURRENT_USER;
    unsigned FAccess;
    std::string FCurrentPath;
    bool FKeyOpen = false;
    bool FReadOnlyKey = false;
};

}  // namespace rtl
