#include "platform/rtl/IniFiles.h"

#include <gtest/gtest.h>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "tests/support/StringLines.h"
#include "tests/support/TempDir.h"

namespace {

using namespace rtl;
using testsupport::Lines;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::TestDataDir;
using testsupport::WriteFileBytes;

TEST(IniFiles, MemIniFileWritesSectionsInTheCodePageWithCrLf)
{
    TempDir dir;
    const std::string name = dir.File("settings.ini");
    TMemIniFile ini(name);
    ini.WriteString("Columns", "Caption1", "Őszi búza");
    ini.WriteInteger("Columns", "Width1", 85);
    ini.WriteBool("Print", "Borders", true);
    ini.WriteString("Print", "Unit", "°C");
    ini.WriteInteger("Columns", "Width1", 90);  // replaces in place
    EXPECT_FALSE(std::filesystem::exists(name));  // nothing written before UpdateFile
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(name), ReadFileBytes(TestDataDir() / "rtl" / "settings.ini"));
}

// A value holding line breaks stays on its line: it can never add a key or a section.
TEST(IniFiles, LineBreaksInAValueAreWrittenAsBlanksAndInjectNothing)
{
    TempDir dir;
    const std::string name = dir.File("inject.ini");
    for (const char* brk : {"\r\n", "\n", "\r"}) {
        TMemIniFile ini(name);
        ini.WriteString("Main", "Title", std::string("a") + brk + "Admin=1" + brk + "[Other]" + brk + "b");
        ini.UpdateFile();
        TMemIniFile back(name);
        EXPECT_EQ(back.ReadString("Main", "Title", ""), "a Admin=1 [Other] b") << brk[0] + 0;
        EXPECT_EQ(back.ReadString("Main", "Admin", "none"), "none");
        EXPECT_FALSE(back.SectionExists("Other"));
        EXPECT_EQ(ReadFileBytes(name), "[Main]\r\nTitle=a Admin=1 [Other] b\r\n\r\n");
    }
}

TEST(IniFiles, TypedReadsGiveDefaultsForMissingOrMalformedValues)
{
    TempDir dir;
    const std::string name = dir.File("typed.ini");
    WriteFileBytes(name,
                   "[Values]\r\n"
                   "count = 12 \r\n"
                   "hex=0x1F\r\n"
                   "dollar=$10\r\n"
                   "bad=12a\r\n"
                   "flag=0\r\n"
                   "ratio=0.25\r\n"
                   "day=2019.03.01\r\n");
    TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = '.';
    FormatSettings.DateSeparator = '.';
    FormatSettings.ShortDateFormat = "yyyy.mm.dd";
    TMemIniFile ini(name);
    EXPECT_EQ(ini.ReadString("values", "COUNT", "x"), "12");
    EXPECT_EQ(ini.ReadString("values", "none", "x"), "x");
    EXPECT_EQ(ini.ReadInteger("Values", "count", -1), 12);
    EXPECT_EQ(ini.ReadInteger("Values", "hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("Values", "dollar", -1), 16);
    EXPECT_EQ(ini.ReadInteger("Values", "bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Other", "count", 7), 7);
    EXPECT_FALSE(ini.ReadBool("Values", "flag", true));
    EXPECT_TRUE(ini.ReadBool("Values", "count", false));
    EXPECT_TRUE(ini.ReadBool("Values", "none", true));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Values", "ratio", 1), 0.25);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Values", "bad", 1.5), 1.5);
    EXPECT_DOUBLE_EQ(ini.ReadDate("Values", "day", 0), EncodeDate(2019, 3, 1));
    EXPECT_DOUBLE_EQ(ini.ReadDate("Values", "bad", 3), 3);

    ini.WriteFloat("Values", "ratio", 0.5);
    ini.WriteDate("Values", "day", EncodeDate(2020, 2, 29));
    EXPECT_EQ(ini.ReadString("Values", "ratio", ""), "0.5");
    EXPECT_EQ(ini.ReadString("Values", "day", ""), "2020.02.29");
    const TDateTime stamp = EncodeDate(2020, 2, 29) + EncodeTime(6, 30, 15, 0);
    ini.WriteDateTime("Values", "stamp", stamp);
    EXPECT_NEAR(ini.ReadDateTime("Values", "stamp", 0), stamp, 1e-9);
    ini.WriteTime("Values", "time", EncodeTime(6, 30, 15, 0));
    EXPECT_NEAR(ini.ReadTime("Values", "time", 0), EncodeTime(6, 30, 15, 0), 1e-9);
    EXPECT_DOUBLE_EQ(ini.ReadDateTime("Values", "bad", 2), 2);
    FormatSettings.DecimalSeparator = ',';
    ini.WriteFloat("Values", "ratio", 0.5);
    EXPECT_EQ(ini.ReadString("Values", "ratio", ""), "0,5");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Values", "ratio", 0), 0.5);
    FormatSettings = saved;
}

TEST(IniFiles, SectionListsEraseAndDelete)
{
    TempDir dir;
    const std::string name = dir.File("s.ini");
    WriteFileBytes(name,
                   "; written by hand\r\n"
                   "[First]\r\n"
                   "a=1\r\n"
                   "; a comment\r\n"
                   "b=2\r\n"
                   "\r\n"
                   "[Empty]\r\n"
                   "[Second]\n"
                   "c=3\n");
    TMemIniFile ini(name);
    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"First", "Empty", "Second"}));
    ini.ReadSection("first", list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b"}));
    ini.ReadSectionValues("First", list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_TRUE(ini.SectionExists("EMPTY"));
    EXPECT_FALSE(ini.SectionExists("Third"));
    EXPECT_TRUE(ini.ValueExists("Second", "C"));
    EXPECT_FALSE(ini.ValueExists("Second", "a"));

    ini.DeleteKey("First", "a");
    ini.EraseSection("Second");
    ini.DeleteKey("None", "x");  // nothing to delete: no error
    ini.UpdateFile();
    // Comments and the lines before the first section survive.
    EXPECT_EQ(ReadFileBytes(name),
              "; written by hand\r\n\r\n[First]\r\n; a comment\r\nb=2\r\n\r\n[Empty]\r\n\r\n");
}

TEST(IniFiles, MissingFileGivesAnEmptyIniAndUpdateFileFailsOnAMissingFolder)
{
    TempDir dir;
    TMemIniFile ini(dir.File("no/folder/x.ini"));
    EXPECT_EQ(ini.ReadString("a", "b", "default"), "default");
    ini.WriteString("a", "b", "c");
    EXPECT_THROW(ini.UpdateFile(), EFCreateError);
}

TEST(IniFiles, IniFileWritesThroughAndSeesOtherWriters)
{
    TempDir dir;
    const std::string name = dir.File("through.ini");
    TIniFile ini(name);
    ini.WriteString("Grid", "Rows", "10");
    EXPECT_EQ(ReadFileBytes(name), "[Grid]\r\nRows=10\r\n\r\n");

    TIniFile other(name);
    EXPECT_EQ(other.ReadInteger("grid", "rows", 0), 10);
    other.WriteInteger("Grid", "Cols", 5);
    EXPECT_EQ(ini.ReadInteger("Grid", "Cols", 0), 5);  // the first object sees the change

    ini.EraseSection("Grid");
    EXPECT_EQ(ReadFileBytes(name), "");
    EXPECT_FALSE(other.SectionExists("Grid"));

    TIniFile failing(dir.File("no/folder/x.ini"));
    try {
        failing.WriteString("a", "b", "c");
        FAIL() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + dir.File("no/folder/x.ini"));
    }
}

TEST(IniFiles, Utf8FilesStayUtf8)
{
    TempDir dir;
    const std::string name = dir.File("u.ini");
    WriteFileBytes(name, "\xEF\xBB\xBF[Név]\r\nérték=ő\r\n");
    TMemIniFile ini(name);
    EXPECT_EQ(ini.ReadString("NÉV", "ÉRTÉK", ""), "ő");
    ini.WriteString("Név", "új", "ű");
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(name), "\xEF\xBB\xBF[Név]\r\nérték=ő\r\núj=ű\r\n\r\n");
}

}  // namespace
