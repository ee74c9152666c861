// Tests that the grid's XML, XHTML and JSON exports are read by python3's standard readers as the cells hold them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsRecords.h"
#include "platform/rtl/StringList.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/grid/data/StandardReaders.h"
#include "tests/support/TempDir.h"

namespace {

using gridtest::HexRows;
using gridtest::TRows;

// Markup, entities written as text, quotes, a backslash, line breaks and letters outside ASCII.
const TRows Cells = {
    {"a&b", "&gt;", "x<y>z"},
    {"say \"hi\"", "C:\\temp", "ő°€ű"},
};

class ExportReadBackTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
        Fill(Cells);
    }
    void Fill(const TRows& Rows)
    {
        Grid->SetRowCount(static_cast<int>(Rows.size()));
        Grid->SetColCount(static_cast<int>(Rows[0].size()));
        for (int r = 0; r < static_cast<int>(Rows.size()); ++r)
            for (int c = 0; c < static_cast<int>(Rows[r].size()); ++c) Grid->SetCells(c, r, Rows[r][c]);
    }
    TRows GridRows()
    {
        TRows rows;
        for (int r = 0; r < Grid->RowCount(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < Grid->ColCount(); ++c) rows.back().push_back(Grid->Cells(c, r));
        }
        return rows;
    }
    // The cells as python's XML reader lists them: tag, text, tag, text ...
    static TRows Tagged(const TRows& Rows, const std::vector<std::string>& Tags)
    {
        TRows out;
        for (const auto& row : Rows) {
            out.emplace_back();
            for (std::size_t c = 0; c < row.size(); ++c) {
                out.back().push_back(Tags[c]);
                out.back().push_back(row[c]);
            }
        }
        return out;
    }
    testsupport::TempDir Dir;
};

TEST_F(ExportReadBackTest, XmlInEitherEncodingReadsInPythonAndBackInTheGridAsTheCellsHoldThem)
{
    struct Case {
        const char* Encoding;
        const char* Declaration;
        const char* LetterBytes;  // "ő" as the file holds it
    };
    for (const Case& c : {Case{"ISO-8859-1", "encoding=\"Windows-1250\"", "\xF5"}, Case{"UTF-8", "encoding=\"UTF-8\"", "\xC5\x91"}}) {
        Grid->SetXMLEncoding(c.Encoding);
        const std::string file = Dir.File("cells.xml");
        Grid->SaveToXML(file, "list", "record", nullptr, true);
        const std::string bytes = testsupport::ReadFileBytes(file);
        EXPECT_NE(bytes.find(c.Declaration), std::string::npos) << c.Encoding;
        EXPECT_NE(bytes.find(std::string(">") + c.LetterBytes), std::string::npos) << c.Encoding;
        EXPECT_NE(bytes.find("<FIELD1>&amp;gt;</FIELD1>"), std::string::npos) << c.Encoding;

        EXPECT_EQ(gridtest::PythonXmlRecords(file), HexRows(Tagged(Cells, {"FIELD0", "FIELD1", "FIELD2"}))) << c.Encoding;

        Fill({{"old", "old", "old"}});
        Grid->LoadFromXML(file);
        EXPECT_EQ(HexRows(GridRows()), HexRows(Cells)) << c.Encoding;
    }
}

TEST_F(ExportReadBackTest, FieldNamesThatAreNoXmlNamesBecomeValidUniqueElementNames)
{
    Fill({{"1", "2", "3", "4", "5", "6"}});
    rtl::TStringList names;
    for (const char* n : {"Soil depth", "1st", "Soil depth", "ok", "xmlish", "a<b"}) names.Add(n);
    const std::string file = Dir.File("named.xml");
    Grid->SaveToXML(file, "soil list", "layer", &names, true);
    EXPECT_EQ(gridtest::PythonXmlRecords(file),
              HexRows(Tagged({{"1", "2", "3", "4", "5", "6"}},
                             {"Soil_depth_1", "_1st", "Soil_depth_2", "ok", "_xmlish", "a_b"})));
}

// Files as other programs and earlier versions wrote them.
TEST_F(ExportReadBackTest, XmlReaderHonoursTheDeclaredEncodingTheOldAmpersandAndExpandsNoDeclaredEntity)
{
    struct Case {
        const char* Name;
        std::string Bytes;
        std::string Expected;
    };
    const Case cases[] = {
        {"ISO-8859-1 declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><l><r><f>\xF5</f></r></l>", "\xC3\xB5"},
        {"Windows-1250 declared", "<?xml version=\"1.0\" encoding=\"Windows-1250\"?><l><r><f>\xF5</f></r></l>",
         "\xC5\x91"},
        {"UTF-8 without declaration", "<l><r><f>\xC5\x91</f></r></l>", "\xC5\x91"},
        {"code page without declaration", "<l><r><f>\xF5</f></r></l>", "\xC5\x91"},
        {"old ampersand", "<l><r><f>a$amp;b</f></r></l>", "a&b"},
        {"old ampersand before an entity name", "<l><r><f>$amp;gt;</f></r></l>", "&gt;"},
        {"entities decoded once", "<l><r><f>&amp;lt;&lt;</f></r></l>", "&lt;<"},
        {"declared entity", "<!DOCTYPE l [<!ENTITY e \"boom\">]><l><r><f>&e;</f></r></l>", "&e;"},
    };
    for (const Case& c : cases) {
        const std::string file = Dir.File("in.xml");
        testsupport::WriteFileBytes(file, c.Bytes);
        Grid->LoadFromXML(file);
        EXPECT_EQ(Grid->Cells(0, 0), c.Expected) << c.Name;
    }
}

TEST_F(ExportReadBackTest, JsonIsUtf8ThatPythonReadsAsTheCellsHoldThem)
{
    Fill({{"say \"hi\"", "C:\\temp", "two\r\nlines"}, {"ő°€ű", "<&>", "\ttab"}});
    const TRows expected = GridRows();
    const std::string file = Dir.File("cells.json");
    Grid->SaveToJSON(file, "", nullptr);
    EXPECT_EQ(gridtest::PythonJsonRecords(file), HexRows(expected));

    rtl::TStringList names;
    for (const char* n : {"name", "path", "note"}) names.Add(n);
    Grid->SaveToJSON(file, "row", &names);
    EXPECT_EQ(gridtest::PythonJsonRecords(file), HexRows(Tagged(expected, {"name", "path", "note"})));
}

TEST_F(ExportReadBackTest, XhtmlIsWellFormedXmlThatPythonReadsAsTheCellsShowThem)
{
    Fill({{"Head <1>", "Head & 2", "Head 3"}, {"a<b", "x&y \"q\"", "ő°€"}, {"two\r\nlines", "", "http://x.org/?a=1&b=2"}});
    Grid->SetFixedRows(1);
    Grid->SetURLShow(true);
    Grid->SetURLFull(true);
    grid::THTMLSettings& hs = Grid->HTMLSettings();
    hs.SetXHTML(true);
    hs.ColWidths()->Add(80);
    const std::string nbsp = "\xC2\xA0";
    const TRows shown = {{"Head <1>", "Head & 2", "Head 3"},
                         {"a<b", "x&y \"q\"", "ő°€"},
                         {"two\nlines", nbsp, "http://x.org/?a=1&b=2"}};
    for (bool special : {false, true}) {
        hs.SetConvertSpecialChars(special);
        hs.SetNonBreakingText(special);
        const std::string file = Dir.File("table.html");
        Grid->SaveToHTML(file, false, true);
        TRows expected = shown;
        if (special)
            for (auto& row : expected)
                for (auto& cell : row)
                    if (cell.find("://") == std::string::npos)
                        for (std::size_t p; (p = cell.find(' ')) != std::string::npos;) cell.replace(p, 1, nbsp);
        EXPECT_EQ(gridtest::PythonXhtmlRows(file), HexRows(expected)) << "special characters " << special;
    }
}

}  // namespace
