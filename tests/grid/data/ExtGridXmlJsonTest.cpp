// Tests of the string grid's XML export and import and its JSON export.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridTypes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

namespace {

std::string Expected(const std::string& Name)
{
    return testsupport::ReadFileBytes((testsupport::TestDataDir() / "grid" / "xmljson" / Name).string());
}

class XmlJsonTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
    }
    void Fill(std::vector<std::vector<std::string>> Rows)
    {
        Grid->SetRowCount(static_cast<int>(Rows.size()));
        Grid->SetColCount(static_cast<int>(Rows[0].size()));
        for (int r = 0; r < static_cast<int>(Rows.size()); ++r)
            for (int c = 0; c < static_cast<int>(Rows[r].size()); ++c) Grid->SetCells(c, r, Rows[r][c]);
    }
    std::string WriteXml(const std::string& Text)
    {
        const std::string name = Dir.File("in.xml");
        testsupport::WriteFileBytes(name, Text);
        return name;
    }
    std::vector<std::string> Row(int ARow)
    {
        std::vector<std::string> texts;
        for (int c = 0; c < Grid->ColCount(); ++c) texts.push_back(Grid->Cells(c, ARow));
        return texts;
    }
    testsupport::TempDir Dir;
};

using Texts = std::vector<std::string>;

TEST_F(XmlJsonTest, XmlExportEscapesTextsAndNumbersFieldsWithoutNames)
{
    Fill({{"a&b", "x<y"}, {"say \"hi\" > ő", ""}});
    Grid->SaveToXML(Dir.File("out.xml"), "items", "item", nullptr, false);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("out.xml")), Expected("fields_numbered.xml"));
}

TEST_F(XmlJsonTest, XmlExportNamesFieldsFromTheListAndQuotesEmptyCells)
{
    Fill({{"a&b", "x<y"}, {"say \"hi\" > ő", ""}});
    rtl::TStringList names;
    names.Add("name");  // no entry for the second column: it stays FIELD1
    Grid->SaveToXML(Dir.File("out.xml"), "items", "item", &names, true);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("out.xml")), Expected("fields_named.xml"));
}

TEST_F(XmlJsonTest, XmlExportWritesBaseCellsOfMergesAndNumbersFieldsByRealColumn)
{
    Fill({{"a", "b", "c", "d"}});
    Grid->MergeCells(2, 0, 2, 1);  // "d" is covered by the block based at "c"
    Grid->HideColumn(1);
    Grid->SaveToXML(Dir.File("out.xml"), "l", "r", nullptr, false);
    const std::string out = testsupport::ReadFileBytes(Dir.File("out.xml"));
    EXPECT_NE(out.find("<r>\r\n<FIELD0>a</FIELD0>\r\n<FIELD2>c</FIELD2>\r\n</r>"), std::string::npos) << out;

    Grid->SetSaveHiddenCells(true);
    Grid->SaveToXML(Dir.File("out.xml"), "l", "r", nullptr, false);
    const std::string all = testsupport::ReadFileBytes(Dir.File("out.xml"));
    EXPECT_NE(all.find("<FIELD0>a</FIELD0>\r\n<FIELD1>b</FIELD1>\r\n<FIELD2>c</FIELD2>\r\n</r>"), std::string::npos)
        << all;
}

TEST_F(XmlJsonTest, XmlExportProgressRunsFromZeroToHundredOverTheSavedRows)
{
    Fill({{"head"}, {"1"}, {"2"}, {"3"}});
    Grid->SetFixedRows(1);
    Grid->SetSaveFixedCells(false);  // rows 1 to 3 are saved
    std::vector<int> progress;
    Grid->OnFileProgress = [&](grid::TSender, int p) { progress.push_back(p); };
    Grid->SaveToXML(Dir.File("out.xml"), "l", "r", nullptr, false);
    EXPECT_EQ(progress, (std::vector<int>{0, 50, 100}));
}

TEST_F(XmlJsonTest, XmlRoundTripRestoresTextsAndEmptyCells)
{
    const std::vector<Texts> rows = {{"a&b", "x<y", "q\"t>"}, {"", "ő", "$"}, {"last", "", ""}};
    Fill({rows[0], rows[1], rows[2]});
    const std::string file = Dir.File("trip.xml");
    Grid->SaveToXML(file, "list", "rec", nullptr, true);

    Fill({{"old", "old", "old", "old"}, {"old"}, {"old"}, {"old"}, {"old"}});
    Grid->LoadFromXML(file);
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->RowCount(), 3);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(Row(r), rows[static_cast<std::size_t>(r)]) << "row " << r;
}

TEST_F(XmlJsonTest, XmlImportMakesARowPerRecordAndNamesEmptyHeaders)
{
    const std::string file = WriteXml(
        "<?xml version=\"1.0\"?>\n<list>\n  <rec><id>1</id><name>ann</name><town>Pécs</town></rec>\n"
        "  <rec><id>2</id><name><![CDATA[b<o>b]]></name><town>Győr</town></rec>\n</list>\n");
    Grid->SetFixedRows(1);
    Grid->SetColCount(4);
    Grid->SetRowCount(2);
    Grid->SetFixedCols(1);
    Grid->SetCells(2, 0, "Who");  // a header already there stays
    Grid->SetSaveFixedCells(false);
    Grid->SetSaveFixedRows(true);  // header names with the data start at the first normal column
    Grid->LoadFromXML(file, false, true);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->RowCount(), 3);
    EXPECT_EQ(Row(0), (Texts{"", "id", "Who", "town"}));
    EXPECT_EQ(Row(1), (Texts{"", "1", "ann", "Pécs"}));
    EXPECT_EQ(Row(2), (Texts{"", "2", "b<o>b", "Győr"}));
}

TEST_F(XmlJsonTest, XmlImportTakesAttributesAsCellsAndTheirNamesAsHeaders)
{
    const std::string file = WriteXml("<l><r id=\"7\" name='x &amp; y'/><r id=\"8\" name=\"z\"></r></l>");
    Grid->SetFixedRows(1);
    Grid->SetSaveFixedRows(true);
    Grid->OnLoadCell = [](grid::TSender, int, int ARow, std::string& Value) {
        if (ARow == 2) Value += "!";  // every store goes through the load hook
    };
    Grid->LoadFromXML(file, false, true);
    EXPECT_EQ(Grid->ColCount(), 2);
    EXPECT_EQ(Grid->RowCount(), 3);
    EXPECT_EQ(Row(0), (Texts{"id", "name"}));
    EXPECT_EQ(Row(1), (Texts{"7", "x & y"}));
    EXPECT_EQ(Row(2), (Texts{"8!", "z!"}));
}

TEST_F(XmlJsonTest, XmlImportWithLevelToRowPutsNestedGroupsOnRowsOfTheirOwn)
{
    const std::string file = WriteXml(
        "<l><r><a>x</a><g><b>y</b><c>z</c></g></r><r><a>u</a><g><b>v</b><c>w</c></g></r></l>");
    Grid->LoadFromXML(file, true, false);
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Row(0), (Texts{"x", ""}));
    EXPECT_EQ(Row(1), (Texts{"y", "z"}));
    EXPECT_EQ(Row(2), (Texts{"u", ""}));
    EXPECT_EQ(Row(3), (Texts{"v", "w"}));
}

TEST_F(XmlJsonTest, XmlImportWithLevelToRowGivesEveryRecordRowsOfItsOwn)
{
    // Attributes of the second record would otherwise overwrite the children of the first,
    // and a leaf record would go above the first row.
    const std::string file = WriteXml(
        "<l><r id=\"1\" k=\"a\"><x>p</x><y>q</y></r><r id=\"2\" k=\"b\"><x>s</x><y>t</y></r><leaf>z</leaf></l>");
    Grid->LoadFromXML(file, true, false);
    ASSERT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Row(0), (Texts{"1", "a", ""}));
    EXPECT_EQ(Row(1), (Texts{"", "p", "q"}));  // children indented by their level
    EXPECT_EQ(Row(2), (Texts{"2", "b", ""}));
    EXPECT_EQ(Row(3), (Texts{"", "s", "t"}));
    EXPECT_EQ(Row(4), (Texts{"z", "", ""}));
}

TEST_F(XmlJsonTest, XmlImportOfNoRecordsKeepsANormalCellBesideTheFixedOnes)
{
    Fill({{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    Grid->SetFixedRows(1);
    Grid->SetFixedCols(1);
    Grid->LoadFromXML(WriteXml("<list/>"));
    EXPECT_EQ(Grid->ColCount(), 2);
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_EQ(Row(0), (Texts{"a", "b"}));
}

TEST_F(XmlJsonTest, MalformedXmlNamesFileLineAndTextAndLeavesTheGridAlone)
{
    struct Case {
        const char* Text;
        int Line;
        const char* Found;
    };
    const Case cases[] = {
        {"<l>\n<r><a>1</b></r>\n</l>", 2, "</r>"},
        {"<l>\r\n<r>\r\n<a x=1/></r></l>", 3, "1/></r></l>"},
        {"<l>\n\n<r><a>&bogus;</a></r></l>", 3, "</a></r></l>"},
        {"<l>\n<r><a>1</a></r>\n", 3, "(end of file)"},
        {"<l/>\n<m/>", 2, "<m/>"},
        {"  \n", 2, "(end of file)"},
        // An entity the document declares is not expanded, and an external one never fetched.
        {"<!DOCTYPE l [<!ENTITY e SYSTEM \"http://example.invalid/x\">]>\n<l><r>&e;</r>\n", 3, "(end of file)"},
    };
    for (const Case& c : cases) {
        Fill({{"keep", "this"}, {"and", "that"}});
        const std::string file = WriteXml(c.Text);
        try {
            Grid->LoadFromXML(file);
            ADD_FAILURE() << "no error for " << c.Text;
        } catch (const rtl::Exception& e) {
            const std::string msg = e.Message();
            EXPECT_TRUE(msg.starts_with("XMLDOM Parsing error ")) << msg;
            EXPECT_NE(msg.find(" on line " + std::to_string(c.Line) + " "), std::string::npos) << msg;
            EXPECT_NE(msg.find(file), std::string::npos) << msg;
            EXPECT_NE(msg.find(std::string("\"") + c.Found + "\""), std::string::npos) << msg;
        }
        EXPECT_EQ(Grid->RowCount(), 2);
        EXPECT_EQ(Row(0), (Texts{"keep", "this"}));
        EXPECT_EQ(Row(1), (Texts{"and", "that"}));
    }
}

TEST_F(XmlJsonTest, DeeplyNestedXmlIsAParseErrorNotAStackOverflow)
{
    Fill({{"keep", "this"}});
    std::string text = "<l>";
    for (int i = 0; i < 200000; ++i) text += "<a>";
    const std::string file = WriteXml(text);
    try {
        Grid->LoadFromXML(file);
        ADD_FAILURE() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_NE(e.Message().find("nested deeper than"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(Row(0), (Texts{"keep", "this"}));
}

TEST_F(XmlJsonTest, FileErrorsNameTheFile)
{
    Fill({{"a"}});
    const std::string missing = Dir.File("missing.xml");
    try {
        Grid->LoadFromXML(missing);
        ADD_FAILURE();
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "XML file not found: " + missing);
    }
    const std::string bad = Dir.File("no/such/dir/out.xml");
    try {
        Grid->SaveToXML(bad, "l", "r", nullptr, false);
        ADD_FAILURE();
    } catch (const grid::VIdoZovuVozir& e) {
        EXPECT_EQ(e.Message(), "Cannot Create file " + bad);
    }
    EXPECT_THROW(Grid->SaveToJSON(bad, "", nullptr), rtl::Exception);
    EXPECT_EQ(Grid->Cells(0, 0), "a");
}

TEST_F(XmlJsonTest, JsonExportWithNamesAndRecordEscapesTexts)
{
    Fill({{"say \"hi\"", "C:\\temp"}, {"two\r\nlines", "ő"}});
    rtl::TStringList names;
    names.Add("name");
    names.Add("path");
    Grid->SaveToJSON(Dir.File("out.json"), "row", &names);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("out.json")), Expected("escapes.json"));
}

TEST_F(XmlJsonTest, JsonExportWithoutNamesWritesBareArrays)
{
    Fill({{"a", "b"}, {"c", "d"}, {"e", "f"}});
    Grid->HideColumn(1);  // hidden columns are not written
    rtl::TStringList tooFew;  // no entry for the column: names are not used
    Grid->SaveToJSON(Dir.File("out.json"), "", &tooFew);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("out.json")), "{\"grid\":[[\"a\"]\r\n,[\"c\"]\r\n,[\"e\"]\r\n]}\r\n");
}

TEST_F(XmlJsonTest, JsonExportOfNoSavedRowsIsAnEmptyGridArray)
{
    Grid->SetRowCount(2);
    Grid->SetFixedRows(1);
    Grid->SetFixedFooters(1);  // a header and a footer row, neither of them saved
    Grid->SetSaveFixedCells(false);
    Grid->SaveToJSON(Dir.File("out.json"), "row", nullptr);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("out.json")), "{\"grid\":[\r\n]}\r\n");
}

}  // namespace
