// String grid filter files: the filter collection written to and read from an INI file.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"

namespace grid {

namespace {

const char* const FilterSection = "FILTER";

std::string ItemSection(int Index) { return "ITEM" + std::to_string(Index); }

// INI files lose the blanks around a value. A filter text with leading or trailing blanks is
// therefore written between double quotes, which the reader removes again; a text that the
// reader would take for such a wrapped text is wrapped too, so every text reads back as it
// was. Texts of older files such as "New York" (quotes around a phrase) read as before.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool HasEdgeBlank(std::string_view s) { return !s.empty() && (IsBlank(s.front()) || IsBlank(s.back())); }

bool NeedsWrapping(std::string_view s);

bool IsWrapped(std::string_view s)
{
    return s.size() >= 2 && s.front() == '"' && s.back() == '"' && NeedsWrapping(s.substr(1, s.size() - 2));
}

bool NeedsWrapping(std::string_view s) { return HasEdgeBlank(s) || IsWrapped(s); }

std::string WrapFilterText(const std::string& Text) { return NeedsWrapping(Text) ? "\"" + Text + "\"" : Text; }

std::string UnwrapFilterText(const std::string& Text)
{
    return IsWrapped(Text) ? Text.substr(1, Text.size() - 2) : Text;
}

// Reads integer values of one INI file and reports a value that is not a whole number in
// the allowed range with the file, section, key and value.
class TFilterIniReader {
public:
    explicit TFilterIniReader(rtl::TCustomIniFile& Ini) : FIni(Ini) {}

    int Integer(const std::string& Section, const std::string& Key, int Default, int Min, int Max)
    {
        const std::string text = FIni.ReadString(Section, Key, "");
        if (text.empty() && !FIni.ValueExists(Section, Key)) return Default;
        int value = 0;
        if (!rtl::TryStrToInt(text, value) || value < Min || value > Max)
            throw rtl::EIniFileException("Invalid filter value \"" + text + "\" in " + FIni.FileName() + ", section [" +
                                         Section + "], key " + Key);
        return value;
    }

    bool Boolean(const std::string& Section, const std::string& Key, bool Default)
    {
        return Integer(Section, Key, Default ? 1 : 0, INT32_MIN, INT32_MAX) != 0;
    }

    std::string Text(const std::string& Section, const std::string& Key)
    {
        return UnwrapFilterText(FIni.ReadString(Section, Key, ""));
    }

private:
    rtl::TCustomIniFile& FIni;
};

}  // namespace

// The keys are written into the file as it is; sections of an earlier, longer filter stay.
// A file that cannot be written raises its error rather than passing for saved.
void TExtStringGrid::SaveFilter(const std::string& FileName)
{
    rtl::TMemIniFile ini(FileName);
    const TFilter& filter = Filter();
    ini.WriteInteger(FilterSection, "COUNT", filter.Count());
    for (int i = 0; i < filter.Count(); ++i) {
        const TFilterData& item = filter.Items(i);
        const std::string section = ItemSection(i);
        ini.WriteString(section, "CONDITION", WrapFilterText(item.Condition()));
        ini.WriteInteger(section, "COLUMN", item.Column());
        ini.WriteInteger(section, "OPERATION", static_cast<int>(item.Operation()));
        ini.WriteInteger(section, "METHOD", static_cast<int>(item.Method()));
        ini.WriteBool(section, "CASE", item.CaseSensitive());
        ini.WriteBool(section, "ENABLED", item.Enabled());
        ini.WriteBool(section, "REMOVEACCENTED", item.RemoveAccented());
        ini.WriteString(section, "PREFIX", WrapFilterText(item.Prefix()));
        ini.WriteString(section, "SUFFIX", WrapFilterText(item.Suffix()));
        ini.WriteString(section, "FRIENDLYNAME", WrapFilterText(item.FriendlyName()));
    }
    ini.UpdateFile();
}

// The items are read into a collection of their own and copied over the grid's only when
// the whole file was read, so a bad value or a missing file loses nothing of the current
// filter. A missing file is reported instead of passing for an empty one.
void TExtStringGrid::LoadFilter(const std::string& FileName)
{
    if (!rtl::FileExists(FileName)) throw rtl::EFOpenError("Cannot open file \"" + FileName + "\"");
    rtl::TMemIniFile ini(FileName);
    TFilterIniReader read(ini);
    const int count = read.Integer(FilterSection, "COUNT", -1, INT32_MIN, INT32_MAX);
    if (count <= 0) return;
    TFilter loaded(this);
    for (int i = 0; i < count; ++i) {
        const std::string section = ItemSection(i);
        TFilterData& item = loaded.Insert(loaded.Count());
        item.SetCondition(read.Text(section, "CONDITION"));
        item.SetColumn(static_cast<std::int16_t>(read.Integer(section, "COLUMN", 0, INT16_MIN, INT16_MAX)));
        item.SetOperation(static_cast<TFilterOperation>(read.Integer(section, "OPERATION", 0, foSHORT, foOR)));
        item.SetMethod(static_cast<TFilterMethod>(read.Integer(section, "METHOD", 0, fmExpression, fmLiteral)));
        item.SetCaseSensitive(read.Boolean(section, "CASE", false));
        item.SetEnabled(read.Boolean(section, "ENABLED", true));
        item.SetRemoveAccented(read.Boolean(section, "REMOVEACCENTED", false));
        item.SetPrefix(read.Text(section, "PREFIX"));
        item.SetSuffix(read.Text(section, "SUFFIX"));
        item.SetFriendlyName(read.Text(section, "FRIENDLYNAME"));
    }
    Filter().Assign(&loaded);
}

}  // namespace grid
