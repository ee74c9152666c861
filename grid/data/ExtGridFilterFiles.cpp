// String grid filter files: the filter collection written to and read from an INI file.
#include <cstdint>
#include <memory>
#include <string>

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
        return FIni.ReadString(Section, Key, "");
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
        ini.WriteString(section, "CONDITION", item.Condition());
        ini.WriteInteger(section, "COLUMN", item.Column());
        ini.WriteInteger(section, "OPERATION", static_cast<int>(item.Operation()));
        ini.WriteInteger(section, "METHOD", static_cast<int>(item.Method()));
        ini.WriteBool(section, "CASE", item.CaseSensitive());
        ini.WriteBool(section, "ENABLED", item.Enabled());
        ini.WriteBool(section, "REMOVEACCENTED", item.RemoveAccented());
        ini.WriteString(section, "PREFIX", item.Prefix());
        ini.WriteString(section, "SUFFIX", item.Suffix());
        ini.WriteString(section, "FRIENDLYNAME", item.FriendlyName());
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
