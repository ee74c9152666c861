// INI files: sections of name=value lines, kept in memory (TMemIniFile) or written through (TIniFile).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Object.h"

namespace rtl {

class TStrings;

// Typed reading and writing of INI values; the storage is left to descendants.
// Section and key names compare without regard to case. Typed reads return the
// default when the key is missing or its text does not convert:
// ReadInteger accepts decimal and "$"/"0x" hexadecimal, ReadBool is
// ReadInteger(…, default ? 1 : 0) != 0 and WriteBool writes "1"/"0", and
// floats and dates use the global format settings.
class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(std::string fileName) : FFileName(std::move(fileName)) {}
    std::string ClassName() const override { return "TCustomIniFile"; }
    const std::string& FileName() const { return FFileName; }

    // --- Storage every descendant implements
    virtual std::string ReadString(const std::string& section, const std::string& ident,
                                   const std::string& defaultValue) = 0;
    virtual void WriteString(const std::string& section, const std::string& ident,
                             const std::string& value) = 0;
    // Key names of a section, in file order.
    virtual void ReadSection(const std::string& section, TStrings& strings) = 0;
    // Section names, in file order.
    virtual void ReadSections(TStrings& strings) = 0;
    // The "name=value" lines of a section.
    virtual void ReadSectionValues(const std::string& section, TStrings& strings) = 0;
    virtual void EraseSection(const std::string& section) = 0;
    virtual void DeleteKey(const std::string& section, const std::string& ident) = 0;
    // Writes pending changes to the file.
    virtual void UpdateFile() = 0;

    // --- Typed values built on ReadString/WriteString
    virtual int ReadInteger(const std::string& section, const std::string& ident, int defaultValue);
    virtual void WriteInteger(const std::string& section, const std::string& ident, int value);
    virtual bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue);
    virtual void WriteBool(const std::string& section, const std::string& ident, bool value);
    virtual double ReadFloat(const std::string& section, const std::string& ident, double defaultValue);
    virtual void WriteFloat(const std::string& section, const std::string& ident, double value);
    // Dates and times are TDateTime values (days since 1899-12-30).
    virtual double ReadDate(const std::string& section, const std::string& ident, double defaultValue);
    virtual void WriteDate(const std::string& section, const std::string& ident, double value);
    virtual double ReadDateTime(const std::string& section, const std::string& ident, double defaultValue);
    virtual void WriteDateTime(const std::string& section, const std::string& ident, double value);
    virtual double ReadTime(const std::string& section, const std::string& ident, double defaultValue);
    virtual void WriteTime(const std::string& section, const std::string& ident, double value);

    virtual bool SectionExists(const std::string& section);
    virtual bool ValueExists(const std::string& section, const std::string& ident);

protected:
    std::string FFileName;
};

// An INI file held in memory: read from the file when created (a missing file
// gives an empty one), changed in memory, written back by UpdateFile. The file
// is in the code page (or UTF-8 when it starts with a byte-order mark, and is
// then written back the same way), lines end with CR LF, and each section is
// written as "[name]", its lines, and an empty line. Names and values are
// trimmed; section names too. Comment lines (";" or "#"), lines without "=" and
// lines before the first section are no keys but are kept and written back,
// and lines nobody changed are written back as they were read; empty lines are
// dropped. UpdateFile failing to create the file raises EFCreateError; the
// file is not touched before the new content is complete.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(std::string fileName);
    ~TMemIniFile() override;
    std::string ClassName() const override { return "TMemIniFile"; }

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) override;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
    void ReadSection(const std::string& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const std::string& section, TStrings& strings) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    void UpdateFile() override;
    bool ValueExists(const std::string& section, const std::string& ident) override;

    // Empties the data (the file is untouched until UpdateFile).
    void Clear();
    // The whole content as INI lines / replaced from INI lines.
    void GetStrings(TStrings& strings);
    void SetStrings(const TStrings& strings);
    // Changes the file name; `reload` reads the new file.
    void Rename(const std::string& fileName, bool reload);
    TTextEncoding Encoding() const { return FEncoding; }
    void SetEncoding(TTextEncoding encoding) { FEncoding = encoding; }

protected:
    // Reads the file into memory (nothing when it does not exist).
    void LoadValues();
    // Writes the memory to the file.
    void SaveValues();
    bool FModified = false;

private:
    struct TIniData;
    std::unique_ptr<TIniData> FData;
    TTextEncoding FEncoding = TTextEncoding::teAnsi;
};

// An INI file written through: every change is written to the file at once
// (a failing write raises EIniFileException "Unable to write to %s"), and reads
// see changes other writers made to the file since (it is read again when its
// size or modification time changed).
class TIniFile : public TMemIniFile {
public:
    explicit TIniFile(std::string fileName);
    std::string ClassName() const override { return "TIniFile"; }

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) override;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
    void ReadSection(const std::string& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const std::string& section, TStrings& strings) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    bool ValueExists(const std::string& section, const std::string& ident) override;

private:
    // Reloads when the file changed on disk since it was last read or written.
    void Refresh();
    void Stamp();
    long long FStampSize = -1;
    long long FStampTime = -1;
};

}  // namespace rtl
