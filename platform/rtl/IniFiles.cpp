// INI files: typed values, the in-memory INI file and the written-through INI file.
#include "platform/rtl/IniFiles.h"

#include <sys/stat.h>

#include <cstring>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"

namespace rtl {

// ===== TCustomIniFile

int TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue)
{
    const std::string text = ReadString(section, ident, "");
    int value;
    return TryStrToInt(text, value) ? value : defaultValue;
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue)
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& section, const std::string& ident, double defaultValue)
{
    const std::string text = ReadString(section, ident, "");
    double value;
    return !text.empty() && TryStrToFloat(text, value) ? value : defaultValue;
}

void TCustomIniFile::WriteFloat(const std::string& section, const std::string& ident, double value)
{
    WriteString(section, ident, FloatToStr(value));
}

double TCustomIniFile::ReadDate(const std::string& section, const std::string& ident, double defaultValue)
{
    const std::string text = ReadString(section, ident, "");
    TDateTime value;
    return !text.empty() && TryStrToDate(text, value) ? value : defaultValue;
}

void TCustomIniFile::WriteDate(const std::string& section, const std::string& ident, double value)
{
    WriteString(section, ident, DateToStr(value));
}

double TCustomIniFile::ReadDateTime(const std::string& section, const std::string& ident, double defaultValue)
{
    const std::string text = ReadString(section, ident, "");
    TDateTime value;
    return !text.empty() && TryStrToDateTime(text, value) ? value : defaultValue;
}

void TCustomIniFile::WriteDateTime(const std::string& section, const std::string& ident, double value)
{
    WriteString(section, ident, DateTimeToStr(value));
}

double TCustomIniFile::ReadTime(const std::string& section, const std::string& ident, double defaultValue)
{
    const std::string text = ReadString(section, ident, "");
    TDateTime value;
    return !text.empty() && TryStrToTime(text, value) ? value : defaultValue;
}

void TCustomIniFile::WriteTime(const std::string& section, const std::string& ident, double value)
{
    WriteString(section, ident, TimeToStr(value));
}

bool TCustomIniFile::SectionExists(const std::string& section)
{
    TStringList sections;
    ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i)
        if (AnsiSameText(sections[i], section))
            return true;
    return false;
}

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& ident)
{
    TStringList keys;
    ReadSection(section, keys);
    for (int i = 0; i < keys.Count(); ++i)
        if (AnsiSameText(keys[i], ident))
            return true;
    return false;
}

// ===== TMemIniFile

namespace {

// One line of a section: a key ("name=value", `isKey`) or a line kept as it
// was read (comment, line without "=").
struct TIniLine {
    bool isKey = false;
    std::string name;
    std::string value;
    std::string raw;
};

struct TIniSection {
    std::string name;
    std::vector<TIniLine> lines;

    TIniLine* FindKey(const std::string& ident)
    {
        for (TIniLine& line : lines)
            if (line.isKey && AnsiSameText(line.name, ident))
                return &line;
        return nullptr;
    }
};

TIniLine ParseLine(const std::string& trimmed)
{
    TIniLine line;
    line.raw = trimmed;
    if (trimmed[0] == ';' || trimmed[0] == '#')
        return line;
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string::npos || eq == 0)
        return line;
    line.isKey = true;
    line.name = Trim(std::string_view(trimmed).substr(0, eq));
    line.value = Trim(std::string_view(trimmed).substr(eq + 1));
    return line;
}

}  // namespace

struct TMemIniFile::TIniData {
    std::vector<std::string> preamble;  // lines before the first section
    std::vector<TIniSection> sections;

    TIniSection* FindSection(const std::string& name)
    {
        for (TIniSection& s : sections)
            if (AnsiSameText(s.name, name))
                return &s;
        return nullptr;
    }

    TIniSection& AddSection(const std::string& name)
    {
        if (TIniSection* s = FindSection(name))
            return *s;
        sections.push_back(TIniSection{name, {}});
        return sections.back();
    }

    void Parse(const TStrings& strings)
    {
        preamble.clear();
        sections.clear();
        TIniSection* current = nullptr;
        for (int i = 0; i < strings.Count(); ++i) {
            const std::string trimmed = Trim(strings[i]);
            if (trimmed.empty())
                continue;
            if (trimmed.front() == '[' && trimmed.back() == ']') {
                current = &AddSection(Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2)));
                continue;
            }
            if (current == nullptr)
                preamble.push_back(trimmed);
            else
                current->lines.push_back(ParseLine(trimmed));
        }
    }

    void Write(TStrings& strings) const
    {
        strings.BeginUpdate();
        strings.Clear();
        for (const std::string& line : preamble)
            strings.Add(line);
        if (!preamble.empty())
            strings.Add("");
        for (const TIniSection& s : sections) {
            strings.Add("[" + s.name + "]");
            for (const TIniLine& line : s.lines)
                strings.Add(line.raw);
            strings.Add("");
        }
        strings.EndUpdate();
    }
};

TMemIniFile::TMemIniFile(std::string fileName)
    : TCustomIniFile(std::move(fileName)), FData(std::make_unique<TIniData>())
{
    LoadValues();
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::LoadValues()
{
    TStringList lines;
    if (!FFileName.empty() && FileExists(FFileName)) {
        lines.LoadFromFile(FFileName);
        FEncoding = lines.Encoding();
    }
    FData->Parse(lines);
    FModified = false;
}

void TMemIniFile::SaveValues()
{
    TStringList lines;
    FData->Write(lines);
    lines.SaveToFile(FFileName, FEncoding);
    FModified = false;
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& defaultValue)
{
    TIniSection* s = FData->FindSection(section);
    const TIniLine* line = s != nullptr ? s->FindKey(ident) : nullptr;
    return line != nullptr ? line->value : defaultValue;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    TIniSection& s = FData->AddSection(section);
    TIniLine* line = s.FindKey(ident);
    if (line == nullptr) {
        s.lines.push_back(TIniLine{true, ident, "", ""});
        line = &s.lines.back();
    }
    // A value is one line: each line break in it (CR LF, CR or LF) is written as a blank, so a
    // value can never end its line early and start a key or section of its own.
    std::string oneLine;
    oneLine.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
        oneLine += c == '\r' || c == '\n' ? ' ' : c;
    }
    line->value = Trim(oneLine);
    line->raw = line->name + "=" + line->value;
    FModified = true;
}

void TMemIniFile::ReadSection(const std::string& section, TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    if (TIniSection* s = FData->FindSection(section))
        for (const TIniLine& line : s->lines)
            if (line.isKey)
                strings.Add(line.name);
    strings.EndUpdate();
}

void TMemIniFile::ReadSections(TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    for (const TIniSection& s : FData->sections)
        strings.Add(s.name);
    strings.EndUpdate();
}

void TMemIniFile::ReadSectionValues(const std::string& section, TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    if (TIniSection* s = FData->FindSection(section))
        for (const TIniLine& line : s->lines)
            if (line.isKey)
                strings.Add(line.name + "=" + line.value);
    strings.EndUpdate();
}

void TMemIniFile::EraseSection(const std::string& section)
{
    auto& sections = FData->sections;
    for (auto it = sections.begin(); it != sections.end(); ++it) {
        if (AnsiSameText(it->name, section)) {
            sections.erase(it);
            FModified = true;
            return;
        }
    }
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    TIniSection* s = FData->FindSection(section);
    if (s == nullptr)
        return;
    for (auto it = s->lines.begin(); it != s->lines.end(); ++it) {
        if (it->isKey && AnsiSameText(it->name, ident)) {
            s->lines.erase(it);
            FModified = true;
            return;
        }
    }
}

void TMemIniFile::UpdateFile() { SaveValues(); }

bool TMemIniFile::ValueExists(const std::string& section, const std::string& ident)
{
    TIniSection* s = FData->FindSection(section);
    return s != nullptr && s->FindKey(ident) != nullptr;
}

void TMemIniFile::Clear()
{
    FData->preamble.clear();
    FData->sections.clear();
    FModified = true;
}

void TMemIniFile::GetStrings(TStrings& strings) { FData->Write(strings); }

void TMemIniFile::SetStrings(const TStrings& strings)
{
    FData->Parse(strings);
    FModified = true;
}

void TMemIniFile::Rename(const std::string& fileName, bool reload)
{
    FFileName = fileName;
    if (reload)
        LoadValues();
}

// ===== TIniFile

TIniFile::TIniFile(std::string fileName) : TMemIniFile(std::move(fileName)) { Stamp(); }

void TIniFile::Stamp()
{
    struct stat st;
    if (::stat(MapPath(FFileName).c_str(), &st) != 0) {
        FStampSize = FStampTime = -1;
        return;
    }
    FStampSize = st.st_size;
    FStampTime = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

void TIniFile::Refresh()
{
    const long long size = FStampSize, time = FStampTime;
    Stamp();
    if (size != FStampSize || time != FStampTime)
        LoadValues();
}

namespace {

// Runs a change and writes the file; a failing write becomes EIniFileException.
template <typename Change>
void WriteThrough(const std::string& fileName, Change change)
{
    try {
        change();
    } catch (const EStreamError&) {
        throw EIniFileException("Unable to write to " + DisplayPath(fileName));
    } catch (const EInOutError& e) {
        // A full disk or a size limit: the old file is kept; say why.
        throw EIniFileException("Unable to write to \"" + DisplayPath(fileName) + "\": " + std::strerror(e.ErrorCode));
    }
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue)
{
    Refresh();
    return TMemIniFile::ReadString(section, ident, defaultValue);
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    Refresh();
    TMemIniFile::WriteString(section, ident, value);
    WriteThrough(FFileName, [this] { SaveValues(); });
    Stamp();
}

void TIniFile::ReadSection(const std::string& section, TStrings& strings)
{
    Refresh();
    TMemIniFile::ReadSection(section, strings);
}

void TIniFile::ReadSections(TStrings& strings)
{
    Refresh();
    TMemIniFile::ReadSections(strings);
}

void TIniFile::ReadSectionValues(const std::string& section, TStrings& strings)
{
    Refresh();
    TMemIniFile::ReadSectionValues(section, strings);
}

void TIniFile::EraseSection(const std::string& section)
{
    Refresh();
    TMemIniFile::EraseSection(section);
    if (FModified) {
        WriteThrough(FFileName, [this] { SaveValues(); });
        Stamp();
    }
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    Refresh();
    TMemIniFile::DeleteKey(section, ident);
    if (FModified) {
        WriteThrough(FFileName, [this] { SaveValues(); });
        Stamp();
    }
}

bool TIniFile::ValueExists(const std::string& section, const std::string& ident)
{
    Refresh();
    return TMemIniFile::ValueExists(section, ident);
}

}  // namespace rtl
