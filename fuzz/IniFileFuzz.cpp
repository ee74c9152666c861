// Fuzz target: INI files through the in-memory INI file: its loading, every typed read and writing it back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"

namespace {

// Reads every key of every section as each type the INI files offer.
void ReadEverything(rtl::TMemIniFile& ini)
{
    rtl::TStringList sections;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        const std::string& section = sections[s];
        rtl::TStringList keys;
        ini.ReadSection(section, keys);
        for (int k = 0; k < keys.Count(); ++k) {
            const std::string& key = keys[k];
            (void)ini.ReadString(section, key, "");
            (void)ini.ReadInteger(section, key, 0);
            (void)ini.ReadBool(section, key, false);
            (void)ini.ReadFloat(section, key, 0);
            (void)ini.ReadDate(section, key, 0);
            (void)ini.ReadDateTime(section, key, 0);
            (void)ini.ReadTime(section, key, 0);
            (void)ini.ValueExists(section, key);
        }
        (void)ini.SectionExists(section);
    }
}

// The whole content as "section / name=value" lines, for comparing two files.
std::string Values(rtl::TMemIniFile& ini)
{
    std::string all;
    rtl::TStringList sections;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        rtl::TStringList values;
        ini.ReadSectionValues(sections[s], values);
        all += "[" + sections[s] + "]\n" + values.Text();
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 16) return 0;
    try {
        // The stream form of what TMemIniFile does with its file: the lines
        // (encoding detected from a byte-order mark), then the INI data.
        rtl::TStringStream stream(std::string_view(reinterpret_cast<const char*>(data), size));
        rtl::TStringList lines;
        lines.LoadFromStream(stream);
        rtl::TMemIniFile ini("");
        ini.SetStrings(lines);
        ReadEverything(ini);

        // What the file would be written back as reads back the same values.
        rtl::TStringList written;
        ini.GetStrings(written);
        rtl::TMemIniFile again("");
        again.SetStrings(written);
        if (Values(ini) != Values(again)) __builtin_trap();
    } catch (const rtl::Exception&) {
        // a clear error: what bad input must give
    }
    return 0;
}
