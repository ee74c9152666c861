// TRegistryIniFile: sections as subkeys and keys as values of one registry key.
#include "platform/rtl/RegistryIniFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"

namespace rtl {

TRegistryIniFile::TRegistryIniFile(const std::string& key, unsigned access)
    : TRegistryIniFile(TRegistryStore::Current(), key, access)
{
}

TRegistryIniFile::TRegistryIniFile(std::shared_ptr<TRegistryStore> store, const std::string& key, unsigned access)
    : TCustomIniFile(key), FReg(std::move(store), access), FKey(key)
{
    FReg.SetRootKey(HKEY_CURRENT_USER);
}

bool TRegistryIniFile::OpenSection(const std::string& section, bool create)
{
    FReg.CloseKey();
    std::string path = "\\" + FKey;
    if (!section.empty()) path += "\\" + section;
    return FReg.OpenKey(path, create);
}

std::string TRegistryIniFile::ReadString(const std::string& section, const std::string& ident,
                                         const std::string& defaultValue)
{
    if (!OpenSection(section, false)) return defaultValue;
    switch (FReg.GetDataType(ident)) {
    case rdString:
    case rdExpandString: return FReg.ReadString(ident);
    case rdInteger: return IntToStr(FReg.ReadInteger(ident));
    default: return defaultValue;
    }
}

void TRegistryIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    if (!OpenSection(section, true)) throw ERegistryException("Failed to create key " + section);
    FReg.WriteString(ident, value);
}

int TRegistryIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue)
{
    if (!OpenSection(section, false)) return defaultValue;
    switch (FReg.GetDataType(ident)) {
    case rdInteger: return FReg.ReadInteger(ident);
    case rdString:
    case rdExpandString: return StrToIntDef(FReg.ReadString(ident), defaultValue);
    default: return defaultValue;
    }
}

void TRegistryIniFile::WriteInteger(const std::string& section, const std::string& ident, int value)
{
    if (!OpenSection(section, true)) throw ERegistryException("Failed to create key " + section);
    const TRegDataType kind = FReg.GetDataType(ident);
    if (kind == rdString || kind == rdExpandString)
        FReg.WriteString(ident, IntToStr(value));
    else
        FReg.WriteInteger(ident, value);
}

void TRegistryIniFile::ReadSection(const std::string& section, TStrings& strings)
{
    strings.Clear();
    if (OpenSection(section, false)) FReg.GetValueNames(strings);
}

void TRegistryIniFile::ReadSections(TStrings& strings)
{
    strings.Clear();
    if (OpenSection("", false)) FReg.GetKeyNames(strings);
}

void TRegistryIniFile::ReadSectionValues(const std::string& section, TStrings& strings)
{
    strings.Clear();
    TStringList names;
    ReadSection(section, names);
    for (int i = 0; i < names.Count(); ++i)
        strings.Add(names[i] + "=" + ReadString(section, names[i], ""));
}

void TRegistryIniFile::EraseSection(const std::string& section)
{
    FReg.CloseKey();
    if (!section.empty()) FReg.DeleteKey("\\" + FKey + "\\" + section);
}

void TRegistryIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    if (OpenSection(section, false)) FReg.DeleteValue(ident);
}

bool TRegistryIniFile::SectionExists(const std::string& section)
{
    FReg.CloseKey();
    return FReg.KeyExists("\\" + FKey + "\\" + section);
}

bool TRegistryIniFile::ValueExists(const std::string& section, const std::string& ident)
{
    return OpenSection(section, false) && FReg.ValueExists(ident);
}

}  // namespace rtl
