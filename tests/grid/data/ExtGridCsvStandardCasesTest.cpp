// Tests of the string grid's CSV files against the cases of the CSV standard, read back by python3's csv.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/StrUtils.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/grid/data/StandardReaders.h"
#include "tests/support/TempDir.h"

namespace {

using grid::TExtStringGrid;
using gridtest::HexRows;
using gridtest::TRows;

// Commas, quotes, LF, CR LF and lone CR inside fields, empty and trailing empty fields and
// letters of the code page; the last record holds line breaks too.
const TRows StandardCells = {
    {"plain", "a,b", "say \"hi\""},
    {"Once upon \na time", "crlf\r\nbreak", "lone\rcr"},
    {"", "ő€ű", ""},
    {"x", "last\nrecord", "tail\r\nend"},
};

TRows Mapped(const TRows& Rows, const std::function<std::string(std::string)>& Map)
{
    TRows out = Rows;
    for (auto& row : out)
        for (auto& cell : row) cell = Map(cell);
    return out;
}

std::string Same(std::string s) { return s; }

// Every line break of a reloaded cell reads as CR LF, the grid's own line break.
std::string CrLfBreaks(std::string s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            out += "\r\n";
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

// A field the writer quoted for its quotes keeps its breaks with CR LF written as LF.
std::string QuotedCrLfAsLf(std::string s)
{
    rtl::ReplaceAllInPlace(s, "\r\n", "\n");
    return s;
}

// Without Multilinecells the writer marks a CR LF it quotes itself with character 11.
std::string MarkedCrLf(std::string s)
{
    rtl::ReplaceAllInPlace(s, "\r\n", "\x0B");
    return s;
}

std::string JavaMarked(std::string s)
{
    if (s.empty()) return "^";
    rtl::ReplaceAllInPlace(s, "\r\n", "~");
    for (char& c : s)
        if (c == '\r' || c == '\n') c = '~';
    return s;
}


struct TSaveMode {
    const char* Name;
    std::function<void(TExtStringGrid&)> Set;
    bool Unicode;
    std::function<std::string(std::string)> AsPythonReads;
    std::function<std::string(std::string)> AsGridReloads;
};

class CsvStandardTest : public gridtest::GridInAppTest {
protected:
    TRows GridRows(TExtStringGrid& g)
    {
        TRows rows;
        for (int r = 0; r < g.RowCount(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < g.ColCount(); ++c) rows.back().push_back(g.Cells(c, r));
        }
        return rows;
    }
    testsupport::TempDir Dir;
};

TEST_F(CsvStandardTest, EveryStandardCaseSavedInEveryModeReadsBackInPythonAndInTheGrid)
{
    const TSaveMode modes[] = {
        {"default", [](TExtStringGrid&) {}, false, MarkedCrLf, CrLfBreaks},
        {"multi-line cells", [](TExtStringGrid& g) { g.SetMultilinecells(true); }, false, Same, CrLfBreaks},
        {"always quotes", [](TExtStringGrid& g) { g.SetAlwaysQuotes(true); }, false, QuotedCrLfAsLf, CrLfBreaks},
        {"empty cells unquoted", [](TExtStringGrid& g) { g.SetQuoteEmptyCells(false); }, false, MarkedCrLf,
         CrLfBreaks},
        {"java", [](TExtStringGrid& g) { g.SetJavaCSV(true); }, false, JavaMarked, CrLfBreaks},
        {"unicode", [](TExtStringGrid&) {}, true, MarkedCrLf, CrLfBreaks},
    };
    for (const TSaveMode& mode : modes) {
        TExtStringGrid source(nullptr);
        source.SetFixedRows(0);
        source.SetFixedCols(0);
        source.SetColCount(3);
        source.SetRowCount(4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) source.SetCells(c, r, StandardCells[r][c]);
        mode.Set(source);
        const std::string file = Dir.File(std::string(mode.Name) + ".csv");
        source.SaveToCSV(file, mode.Unicode);

        EXPECT_EQ(gridtest::PythonCsv(file, mode.Unicode ? "utf-8-sig" : "cp1250"),
                  HexRows(Mapped(StandardCells, mode.AsPythonReads)))
            << mode.Name;

        TExtStringGrid reloaded(nullptr);
        reloaded.SetFixedRows(0);
        reloaded.SetFixedCols(0);
        reloaded.SetColCount(1);
        mode.Set(reloaded);
        reloaded.LoadFromCSV(file);
        EXPECT_EQ(HexRows(GridRows(reloaded)), HexRows(Mapped(StandardCells, mode.AsGridReloads))) << mode.Name;
    }
}

// Files written by other programs: the grid reads each as python's csv does.
TEST_F(CsvStandardTest, StandardFilesLoadAsPythonReadsThem)
{
    struct Case {
        const char* Name;
        std::string Bytes;
        const char* PythonEncoding;
    };
    const Case cases[] = {
        {"quoted commas and doubled quotes", "a,\"b,c\",\"d\"\"e\"\r\nf,g,h\r\n", "cp1250"},
        {"LF and lone CR inside quotes", "\"x\ny\",\"lone\rcr\",z\r\n1,2,3\r\n", "cp1250"},
        {"line break in the last record without a final break", "1,2,3\r\n\"last\r\nrecord\",\"\",\"a\nb\"", "cp1250"},
        {"trailing empty fields", "a,b,\r\n,,\r\n", "cp1250"},
        {"LF line ends", "a,\"b\nc\"\n1,2\n", "cp1250"},
        {"UTF-8 with its byte-order mark", "\xEF\xBB\xBF\xC5\x91,\"\xE2\x82\xAC\r\n\xC5\xB1\"\r\n", "utf-8-sig"},
    };
    for (const Case& c : cases) {
        const std::string file = Dir.File("standard.csv");
        testsupport::WriteFileBytes(file, c.Bytes);
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
        Grid->SetColCount(1);
        Grid->SetRowCount(1);
        Grid->LoadFromCSV(file);
        EXPECT_EQ(HexRows(GridRows(*Grid)), gridtest::PythonCsv(file, c.PythonEncoding, true)) << c.Name;
    }
}

TEST_F(CsvStandardTest, SaveProgressReachesHundredForEverySize)
{
    struct Case {
        int Rows, FixedRows, Footers;
    };
    for (const Case& c : {Case{1, 0, 0}, Case{2, 1, 0}, Case{6, 1, 1}, Case{250, 1, 2}}) {
        Grid->SetFixedRows(0);
        Grid->SetRowCount(c.Rows);
        Grid->SetFixedRows(c.FixedRows);
        Grid->SetFixedFooters(c.Footers);
        std::vector<int> seen;
        Grid->OnFileProgress = [&](grid::TSender, int p) { seen.push_back(p); };
        for (const auto& save : std::vector<std::function<void(const std::string&)>>{
                 [&](const std::string& f) { Grid->SaveToCSV(f); },
                 [&](const std::string& f) { Grid->SaveToFile(f); },
                 [&](const std::string& f) { Grid->SaveToXML(f, "l", "r", nullptr, true); }}) {
            seen.clear();
            save(Dir.File("p.out"));
            ASSERT_FALSE(seen.empty()) << c.Rows;
            EXPECT_EQ(seen.back(), 100) << c.Rows << " rows, " << c.Footers << " footers";
            EXPECT_LE(*std::max_element(seen.begin(), seen.end()), 100);
        }
    }
}

}  // namespace
