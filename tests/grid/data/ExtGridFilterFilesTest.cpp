// Filter files of the string grid: writing the filter collection to an INI file and reading it back, and bad files.
#include <gtest/gtest.h>

#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDir.h"

using namespace grid;

namespace {

// Two items that differ from the defaults in every stored field.
void FillFilter(TFilter& f)
{
    TFilterData& a = f.Insert(0);
    a.SetCondition("\"*d a*\"");
    a.SetColumn(3);
    a.SetOperation(foNONE);
    a.SetCaseSensitive(false);
    a.SetData(fcStripHTML);
    TFilterData& b = f.Insert(1);
    b.SetCondition("red|green");
    b.SetColumn(-1);
    b.SetOperation(foOR);
    b.SetMethod(fmLiteral);
    b.SetEnabled(false);
    b.SetRemoveAccented(true);
    b.SetPrefix("$");
    b.SetSuffix("kg");
    b.SetFriendlyName("Colour");
    b.SetFilterType(ftEqual);
}

std::string Describe(const TFilterData& d)
{
    return d.Condition() + "|" + std::to_string(d.Column()) + "|" + std::to_string(d.Operation()) + "|" +
           std::to_string(d.Method()) + "|" + std::to_string(d.CaseSensitive()) + std::to_string(d.Enabled()) +
           std::to_string(d.RemoveAccented()) + "|" + d.Prefix() + "|" + d.Suffix() + "|" + d.FriendlyName() + "|" +
           std::to_string(d.Data()) + "|" + std::to_string(d.FilterType());
}

std::string Describe(const TFilter& f)
{
    std::string out;
    for (int i = 0; i < f.Count(); ++i) out += Describe(f.Items(i)) + "\n";
    return out;
}

}  // namespace

TEST(ExtGridFilterFiles, SaveWritesTheExpectedFileKeepingOtherSectionsAndLoadRestoresTheFields)
{
    testsupport::TempDir dir;
    const std::string file = dir.File("filter.ini");
    // An earlier, longer filter and a foreign section stay in the file.
    testsupport::WriteFileBytes(file, "[OTHER]\r\nkeep=1\r\n\r\n[ITEM2]\r\nCONDITION=old\r\n\r\n");
    TExtStringGrid grid(nullptr);
    FillFilter(grid.Filter());
    grid.SaveFilter(file);
    EXPECT_EQ(testsupport::ReadFileBytes(file),
              testsupport::ReadFileBytes(testsupport::TestDataDir() / "grid/filterfiles/saved.ini"));

    TExtStringGrid other(nullptr);
    other.LoadFilter(file);
    ASSERT_EQ(other.Filter().Count(), 2);
    // Data and FilterType are not stored: they come back as a new item's.
    EXPECT_EQ(Describe(other.Filter()), "\"*d a*\"|3|1|0|010||||0|0\n"
                                        "red|green|-1|4|1|101|$|kg|Colour|0|0\n");
    EXPECT_FALSE(other.FilterActive());
}

TEST(ExtGridFilterFiles, MissingKeysTakeTheFileDefaults)
{
    testsupport::TempDir dir;
    const std::string file = dir.File("short.ini");
    testsupport::WriteFileBytes(file, "[FILTER]\r\nCOUNT=1\r\n");
    TExtStringGrid grid(nullptr);
    grid.LoadFilter(file);
    ASSERT_EQ(grid.Filter().Count(), 1);
    // CASE is off when missing; ENABLED is on.
    EXPECT_EQ(Describe(grid.Filter().Items(0)), "|0|0|0|010||||0|0");
}

TEST(ExtGridFilterFiles, ACountOfZeroOrNoCountLeavesTheCollection)
{
    testsupport::TempDir dir;
    TExtStringGrid grid(nullptr);
    FillFilter(grid.Filter());
    const std::string before = Describe(grid.Filter());
    for (const char* content : {"[FILTER]\r\nCOUNT=0\r\n[ITEM0]\r\nCONDITION=x\r\n", "[ITEM0]\r\nCONDITION=x\r\n"}) {
        const std::string file = dir.File("empty.ini");
        testsupport::WriteFileBytes(file, content);
        grid.LoadFilter(file);
        EXPECT_EQ(Describe(grid.Filter()), before) << content;
    }
}

TEST(ExtGridFilterFiles, ABadValueNamesFileSectionKeyAndValueAndKeepsTheCurrentFilter)
{
    struct Case {
        const char* Content;
        const char* Section;
        const char* Key;
        const char* Value;
    };
    const Case cases[] = {
        {"[FILTER]\r\nCOUNT=two\r\n", "[FILTER]", "COUNT", "two"},
        {"[FILTER]\r\nCOUNT=2\r\n[ITEM0]\r\nCOLUMN=1\r\n[ITEM1]\r\nCOLUMN=x1\r\n", "[ITEM1]", "COLUMN", "x1"},
        {"[FILTER]\r\nCOUNT=1\r\n[ITEM0]\r\nOPERATION=5\r\n", "[ITEM0]", "OPERATION", "5"},
        {"[FILTER]\r\nCOUNT=1\r\n[ITEM0]\r\nMETHOD=-1\r\n", "[ITEM0]", "METHOD", "-1"},
        {"[FILTER]\r\nCOUNT=1\r\n[ITEM0]\r\nCASE=yes\r\n", "[ITEM0]", "CASE", "yes"},
        {"[FILTER]\r\nCOUNT=1\r\n[ITEM0]\r\nCOLUMN=40000\r\n", "[ITEM0]", "COLUMN", "40000"},
    };
    testsupport::TempDir dir;
    TExtStringGrid grid(nullptr);
    FillFilter(grid.Filter());
    const std::string before = Describe(grid.Filter());
    for (const Case& c : cases) {
        const std::string file = dir.File("bad.ini");
        testsupport::WriteFileBytes(file, c.Content);
        try {
            grid.LoadFilter(file);
            ADD_FAILURE() << "no error for " << c.Content;
        } catch (const rtl::EIniFileException& e) {
            const std::string message = e.Message();
            for (const std::string& part : {file, std::string(c.Section), std::string(c.Key),
                                           "\"" + std::string(c.Value) + "\""})
                EXPECT_NE(message.find(part), std::string::npos) << message << " lacks " << part;
        }
        EXPECT_EQ(Describe(grid.Filter()), before) << c.Content;
    }
}

TEST(ExtGridFilterFiles, MissingFileOrUnwritableFolderIsReported)
{
    testsupport::TempDir dir;
    TExtStringGrid grid(nullptr);
    FillFilter(grid.Filter());
    EXPECT_THROW(grid.LoadFilter(dir.File("none.ini")), rtl::EFOpenError);
    EXPECT_EQ(grid.Filter().Count(), 2);
    EXPECT_THROW(grid.SaveFilter(dir.File("no/such/folder/f.ini")), rtl::Exception);
}

// INI files drop the blanks around a value; a filter file keeps them, and older files whose
// texts are a quoted phrase read as before.
TEST(ExtGridFilterFiles, LeadingAndTrailingBlanksOfTextsSurviveAndQuotedPhrasesStayAsTheyWere)
{
    testsupport::TempDir dir;
    const std::string file = dir.File("blanks.ini");
    const char* texts[] = {" lead", "trail ", "  both  ", "\" x \"", "\"New York\"", "\"", "plain"};
    TExtStringGrid grid(nullptr);
    for (const char* text : texts) {
        TFilterData& d = grid.Filter().Insert(grid.Filter().Count());
        d.SetCondition(text);
        d.SetPrefix(text);
        d.SetSuffix(text);
        d.SetFriendlyName(text);
    }
    grid.SaveFilter(file);
    TExtStringGrid other(nullptr);
    other.LoadFilter(file);
    ASSERT_EQ(other.Filter().Count(), static_cast<int>(std::size(texts)));
    for (int i = 0; i < other.Filter().Count(); ++i) {
        const TFilterData& d = other.Filter().Items(i);
        EXPECT_EQ(d.Condition(), texts[i]);
        EXPECT_EQ(d.Prefix(), texts[i]);
        EXPECT_EQ(d.Suffix(), texts[i]);
        EXPECT_EQ(d.FriendlyName(), texts[i]);
    }

    testsupport::WriteFileBytes(file, "[FILTER]\r\nCOUNT=1\r\n[ITEM0]\r\nCONDITION=\"New York\"\r\n");
    other.LoadFilter(file);
    EXPECT_EQ(other.Filter().Items(0).Condition(), "\"New York\"");
}
