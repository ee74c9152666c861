// TRegistry: key navigation and typed value access over the registry store.
#include "platform/rtl/Registry.h"

#include <cstring>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

namespace rtl {

namespace {

[[noreturn]] void RaiseGetDataFailed(const std::string& name)
{
    throw ERegistryException("Failed to get data for '" + name + "'");
}

[[noreturn]] void RaiseSetDataFailed(const std::string& name)
{
    throw ERegistryException("Failed to set data for '" + name + "'");
}

[[noreturn]] void RaiseInvalidDataType(const std::string& name)
{
    throw ERegistryException("Invalid data type for '" + name + "'");
}

std::string TrimSeparators(const std::string& path)
{
    size_t first = path.find_first_not_of('\\');
    if (first == std::string::npos) return {};
    size_t last = path.find_last_not_of('\\');
    return path.substr(first, last - first + 1);
}

}  // namespace

TRegistry::TRegistry(unsigned access) : TRegistry(TRegistryStore::Current(), access) {}

TRegistry::TRegistry(std::shared_ptr<TRegistryStore> store, unsigned access)
    : FStore(std::move(store)), FAccess(access)
{
}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY value)
{
    CloseKey();
    FRootKey = value;
}

std::string TRegistry::Resolve(const std::string& key) const
{
    const bool absolute = !key.empty() && key[0] == '\\';
    const std::string rest = TrimSeparators(key);
    if (absolute || !FKeyOpen || FCurrentPath.empty()) return rest;
    return rest.empty() ? FCurrentPath : FCurrentPath + "\\" + rest;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate)
{
    const std::string path = Resolve(key);
    if (!FStore->KeyExists(FRootKey, path)) {
        if (!canCreate || !FStore->CreateKey(FRootKey, path)) return false;
    }
    FCurrentPath = path;
    FKeyOpen = true;
    FReadOnlyKey = (FAccess & KEY_SET_VALUE) == 0;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key)
{
    const std::string path = Resolve(key);
    if (!FStore->KeyExists(FRootKey, path)) return false;
    FCurrentPath = path;
    FKeyOpen = true;
    FReadOnlyKey = true;
    return true;
}

bool TRegistry::CreateKey(const std::string& key)
{
    const std::string path = Resolve(key);
    if (path.empty() || !FStore->CreateKey(FRootKey, path)) throw ERegistryException("Failed to create key " + key);
    return true;
}

bool TRegistry::KeyExists(const std::string& key) { return FStore->KeyExists(FRootKey, Resolve(key)); }

bool TRegistry::DeleteKey(const std::string& key)
{
    const std::string path = Resolve(key);
    return !path.empty() && FStore->DeleteKey(FRootKey, path);
}

void TRegistry::CloseKey()
{
    FCurrentPath.clear();
    FKeyOpen = false;
    FReadOnlyKey = false;
}

void TRegistry::GetKeyNames(TStrings& strings)
{
    strings.Clear();
    std::vector<std::string> names;
    if (FKeyOpen && FStore->GetKeyNames(FRootKey, FCurrentPath, names))
        for (const std::string& name : names) strings.Add(name);
}

void TRegistry::GetValueNames(TStrings& strings)
{
    strings.Clear();
    std::vector<std::string> names;
    if (FKeyOpen && FStore->GetValueNames(FRootKey, FCurrentPath, names))
        for (const std::string& name : names) strings.Add(name);
}

bool TRegistry::HasSubKeys()
{
    std::vector<std::string> names;
    return FKeyOpen && FStore->GetKeyNames(FRootKey, FCurrentPath, names) && !names.empty();
}

bool TRegistry::ReadValue(const std::string& name, TRegValue& value)
{
    return FKeyOpen && FStore->GetValue(FRootKey, FCurrentPath, name, value);
}

void TRegistry::WriteValue(const std::string& name, const TRegValue& value)
{
    if (!FKeyOpen || FReadOnlyKey || !FStore->SetValue(FRootKey, FCurrentPath, name, value))
        RaiseSetDataFailed(name);
}

bool TRegistry::ValueExists(const std::string& name)
{
    TRegValue value;
    return ReadValue(name, value);
}

bool TRegistry::DeleteValue(const std::string& name)
{
    return FKeyOpen && !FReadOnlyKey && FStore->DeleteValue(FRootKey, FCurrentPath, name);
}

TRegDataType TRegistry::GetDataType(const std::string& name)
{
    TRegValue value;
    return ReadValue(name, value) ? value.Kind : rdUnknown;
}

int TRegistry::GetDataSize(const std::string& name)
{
    TRegValue value;
    if (!ReadValue(name, value)) return -1;
    switch (value.Kind) {
    case rdString:
    case rdExpandString: return static_cast<int>(value.Data.size()) + 1;
    case rdInteger: return 4;
    default: return static_cast<int>(value.Data.size());
    }
}

std::string TRegistry::ReadString(const std::string& name)
{
    TRegValue value;
    if (!ReadValue(name, value)) return {};
    if (value.Kind != rdString && value.Kind != rdExpandString) RaiseInvalidDataType(name);
    return value.Data;
}

int TRegistry::ReadInteger(const std::string& name)
{
    TRegValue value;
    if (!ReadValue(name, value)) RaiseGetDataFailed(name);
    if (value.Kind != rdInteger) RaiseInvalidDataType(name);
    return value.Integer;
}

bool TRegistry::ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

double TRegistry::ReadFloat(const std::string& name)
{
    TRegValue value;
    if (!ReadValue(name, value)) RaiseGetDataFailed(name);
    if (value.Kind != rdBinary || value.Data.size() != sizeof(double)) RaiseInvalidDataType(name);
    double result = 0;
    std::memcpy(&result, value.Data.data(), sizeof result);
    return result;
}

TDateTime TRegistry::ReadDateTime(const std::string& name) { return ReadFloat(name); }

int TRegistry::ReadBinaryData(const std::string& name, void* buffer, int size)
{
    TRegValue value;
    if (!ReadValue(name, value)) return 0;
    if (value.Kind != rdBinary) RaiseInvalidDataType(name);
    const int length = static_cast<int>(value.Data.size());
    if (length > size) RaiseGetDataFailed(name);
    if (length > 0) std::memcpy(buffer, value.Data.data(), static_cast<size_t>(length));
    return length;
}

void TRegistry::WriteString(const std::string& name, const std::string& value)
{
    WriteValue(name, TRegValue{rdString, value, 0});
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value)
{
    WriteValue(name, TRegValue{rdExpandString, value, 0});
}

void TRegistry::WriteInteger(const std::string& name, int value) { WriteValue(name, TRegValue{rdInteger, {}, value}); }

void TRegistry::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void TRegistry::WriteFloat(const std::string& name, double value)
{
    WriteBinaryData(name, &value, sizeof value);
}

void TRegistry::WriteDateTime(const std::string& name, TDateTime value) { WriteFloat(name, value); }

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int size)
{
    TRegValue value{rdBinary, {}, 0};
    if (size > 0) value.Data.assign(static_cast<const char*>(buffer), static_cast<size_t>(size));
    WriteValue(name, value);
}

bool TRegistry::NotifyChange(bool watchSubtree, unsigned filter, const TEvent& event)
{
    return FKeyOpen && FStore->NotifyChange(FRootKey, FCurrentPath, watchSubtree, filter, event);
}

TRegChangeWait TRegistry::WaitForChange(bool watchSubtree, unsigned filter, TEvent& stopEvent, int timeoutMs)
{
    TEvent change(true, false);
    if (!NotifyChange(watchSubtree, filter, change)) {
        return stopEvent.WaitFor(timeoutMs) == TWaitResult::wrSignaled ? TRegChangeWait::Stopped
                                                                         : TRegChangeWait::TimedOut;
    }
    const int signalled = WaitForAnyEvent({&stopEvent, &change}, timeoutMs);
    FStore->CancelNotify(change);
    switch (signalled) {
    case 0: return TRegChangeWait::Stopped;
    case 1: return TRegChangeWait::Changed;
    default: return TRegChangeWait::TimedOut;
    }
}

}  // namespace rtl
