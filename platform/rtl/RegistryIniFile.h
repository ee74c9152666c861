// TRegistryIniFile: INI-style sections and keys kept under one key of the registry store.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Registry.h"

namespace rtl {

// The INI calls on the registry: the "file name" is a key path below HKEY_CURRENT_USER,
// each section is a subkey of it and each INI key a value of that subkey. Integers are
// stored as integer values (an existing string value stays a string); strings as string
// values. Reads return the default for a missing value or one of a kind that does not
// convert. Changes reach the store at once, so UpdateFile has nothing to do.
class TRegistryIniFile : public TCustomIniFile {
public:
    explicit TRegistryIniFile(const std::string& key, unsigned access = KEY_ALL_ACCESS);
    TRegistryIniFile(std::shared_ptr<TRegistryStore> store, const std::string& key,
                     unsigned access = KEY_ALL_ACCESS);
    std::string ClassName() const override { return "TRegistryIniFile"; }
    TRegistry& RegIniFile() { return FReg; }

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) override;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
    int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) override;
    void WriteInteger(const std::string& section, const std::string& ident, int value) override;
    void ReadSection(const std::string& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const std::string& section, TStrings& strings) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    void UpdateFile() override {}
    bool SectionExists(const std::string& section) override;
    bool ValueExists(const std::string& section, const std::string& ident) override;

private:
    // Opens the section's key (creating it for writes); false when it does not exist.
    bool OpenSection(const std::string& section, bool create);

    TRegistry FReg;
    std::string FKey;
};

}  // namespace rtl
