// Tests of the string grid's loads against hostile input: each refuses with its error and leaves the grid exactly as it was, within bounded memory.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "grid/core/BaseGrid.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/EsgDragDrop.h"
#include "grid/data/ExtGridBinStream.h"
#include "grid/data/ExtGridDragDrop.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DragDrop.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define HOSTILE_LOADS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
#define HOSTILE_LOADS_SANITIZED 1
#endif
#endif

namespace {

using grid::TBinRecordWriter;
using grid::TExtStringGrid;

// How a hostile input reaches the grid.
enum class TLoadPath { TextFile, TextStream, BinStream, BinAtPoint, BinFile, ClipboardPaste, Drop, Xml };

struct THostileCase {
    const char* Name;
    TLoadPath Path;
    std::string Bytes;
    const char* Message;  // a part of the error the load must raise
};

// Everything a load could change: counts, sizes, and per cell (beyond the counts too) the
// text, the property object with its object, merge span, colour and graphic.
std::string Snapshot(TExtStringGrid& g)
{
    std::ostringstream out;
    out << g.ColCount() << "x" << g.RowCount() << " fixed " << g.FixedCols() << "," << g.FixedRows() << " total "
        << g.TotalColCount() << " merges " << g.MergeCount() << "\n";
    for (int c = 0; c < g.ColCount(); ++c) out << g.ColWidths(c) << ",";
    out << "\n";
    for (int r = 0; r < g.RowCount(); ++r) out << g.RowHeights(r) << ",";
    out << "\n";
    for (int r = 0; r < g.RowCount() + 3; ++r) {
        for (int c = 0; c < g.TotalColCount() + 3; ++c) {
            out << "[" << g.GetGridCell(c, r);
            if (g.HasCellProperties(c, r)) {
                const grid::TCellProperties* p = g.GetCellPropsDirect(c, r);
                out << "|obj " << p->CellObject() << " span " << p->CellSpanX() << "," << p->CellSpanY() << " brush "
                    << p->BrushColor() << " graphic " << static_cast<int>(g.GetCellType(c, r));
            }
            out << "]";
        }
        out << "\n";
    }
    return out.str();
}

std::string Utf16(const std::string& s)
{
    std::string out;
    for (char ch : s) {
        out.push_back(ch);
        out.push_back('\0');
    }
    return out;
}

// A binary cell stream built record by record, so that it can say what no grid would write.
class TStreamBuilder {
public:
    TStreamBuilder& Header(long long Cols, long long Rows, bool Full = false, const std::string& Widths = "",
                           const std::string& Heights = "")
    {
        FWriter.Begin("TGridPropIO");
        FWriter.Int("ColCount", Cols);
        FWriter.Int("RowCount", Rows);
        if (!Widths.empty()) FWriter.Text("ColWidths", Widths);
        if (!Heights.empty()) FWriter.Text("RowHeights", Heights);
        FWriter.Bool("FullGrid", Full);
        FWriter.Int("ID", 0);
        FWriter.End();
        return *this;
    }
    TStreamBuilder& Cell(int Col, int Row, const std::string& Text, bool HasProp = false)
    {
        FWriter.Begin("TGridCellIO");
        FWriter.Int("Col", Col);
        FWriter.Int("Row", Row);
        if (!Text.empty()) FWriter.Text("Cell", Text);
        FWriter.Bool("HasProp", HasProp);
        FWriter.End();
        return *this;
    }
    // A property record with one integer property and no graphic.
    TStreamBuilder& Prop(const std::string& Name, long long Value)
    {
        FWriter.Begin("TGridCellPropIO");
        FWriter.Int("CellProperties." + Name, Value);
        FWriter.Bool("HasGraphic", false);
        FWriter.End();
        return *this;
    }
    // A property record of a cell inside a merged block, with a colour to repaint it.
    TStreamBuilder& MergedProp(int SpanX, int SpanY)
    {
        FWriter.Begin("TGridCellPropIO");
        FWriter.Bool("CellProperties.IsBaseCell", false);
        FWriter.Int("CellProperties.CellSpanX", SpanX);
        FWriter.Int("CellProperties.CellSpanY", SpanY);
        FWriter.Int("CellProperties.BrushColor", 0x0000FF);
        FWriter.Bool("HasGraphic", false);
        FWriter.End();
        return *this;
    }
    std::string Bytes() const { return FStream.DataString(); }

private:
    rtl::TStringStream FStream;
    TBinRecordWriter FWriter{FStream};
};

// The grid-cells drag format: a four-byte size, four reserved bytes, the stream.
std::string DragBlock(const std::string& Stream)
{
    std::string block(8, '\0');
    const auto n = static_cast<std::uint32_t>(Stream.size());
    for (int i = 0; i < 4; ++i) block[static_cast<std::size_t>(i)] = static_cast<char>((n >> (8 * i)) & 0xFF);
    return block + Stream;
}

std::vector<THostileCase> HostileCases()
{
    const std::string huge = std::to_string(INT_MAX);
    std::string truncated = TStreamBuilder().Header(2, 1).Cell(1, 1, "a").Cell(2, 1, "b").Bytes();
    truncated.resize(truncated.size() - 9);
    const std::string tooManyCells = TStreamBuilder().Header(INT_MAX, INT_MAX).Cell(1, 1, "x").Bytes();
    const std::string outOfOrder = TStreamBuilder().Header(2, 1).Cell(3, 1, "first").Cell(1, 1, "left").Bytes();
    std::string nested;
    for (int i = 0; i < 5000; ++i) nested += "<a>";
    return {
        {"text file announcing 2^31 columns and rows", TLoadPath::TextFile, huge + "," + huge + "\r\n1,1,x\r\n",
         "File contains no data or corrupt file"},
        {"text file with a negative column count", TLoadPath::TextFile, "-2,5\r\n1,1,x\r\n",
         "File contains no data or corrupt file"},
        {"text file cut inside a cell line", TLoadPath::TextFile, "5,5\r\ncw 1,40\r\n2,2", "Corrupt line 3"},
        {"text stream announcing 2^31 columns and rows", TLoadPath::TextStream,
         Utf16(huge + "," + huge + "\r\n1,1,x\r\n"), "corrupt stream"},
        {"text stream with a negative row count", TLoadPath::TextStream, Utf16("3,-1\r\n"), "corrupt stream"},
        {"text stream with a width that is no number", TLoadPath::TextStream, Utf16("3,3\r\ncw 1,wide\r\n"),
         "not a valid integer"},
        {"binary stream announcing 2^31 columns and rows", TLoadPath::BinStream, tooManyCells, "announces more cells"},
        {"whole-grid record with a negative column count", TLoadPath::BinStream,
         TStreamBuilder().Header(-3, 1, true, "", "24").Bytes(), "-3 is not a valid count"},
        {"whole-grid record with fewer heights than rows", TLoadPath::BinFile,
         TStreamBuilder().Header(1, INT_MAX, true, "64", "24,24").Cell(0, 0, "x").Bytes(), "numbers expected"},
        {"binary stream whose first cell lies right of a later one", TLoadPath::BinAtPoint, outOfOrder,
         "outside the saved rectangle"},
        {"binary stream cut inside a record", TLoadPath::BinAtPoint, truncated, "ends"},
        {"merge span of 2^31 cells", TLoadPath::BinAtPoint,
         TStreamBuilder().Header(1, 1).Cell(1, 1, "m", true).Prop("CellSpanX", INT_MAX).Bytes(), "not a valid span"},
        {"merged cell whose block would start above row 0", TLoadPath::BinAtPoint,
         TStreamBuilder().Header(1, 1).Cell(1, 1, "m", true).MergedProp(0, 7).Bytes(), "merged block"},
        {"pasted block announcing 2^31 columns and rows", TLoadPath::ClipboardPaste, tooManyCells,
         "announces more cells"},
        {"pasted block whose first cell lies right of a later one", TLoadPath::ClipboardPaste, outOfOrder,
         "outside the saved rectangle"},
        {"dropped block announcing 2^31 columns and rows", TLoadPath::Drop, tooManyCells, "announces more cells"},
        {"dropped block cut inside a record", TLoadPath::Drop, truncated, "ends"},
        {"XML nested 5000 elements deep", TLoadPath::Xml, nested, "nested deeper"},
        {"XML cut inside a record", TLoadPath::Xml, "<list><rec><f>1</f><f>2", "XMLDOM Parsing error"},
        {"XML record naming an attribute twice", TLoadPath::Xml, "<list>\r\n<rec a=\"1\" b=\"2\" a=\"3\"/>\r\n</list>",
         "on line 2"},
    };
}

// A grid with something of everything a load could disturb, on a shown form so that it can
// take drops; pastes and drops may grow the grid and insert rows.
class HostileLoadTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        gridtest::GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 400, 300);
        Grid->SetColCount(6);
        Grid->SetRowCount(6);
        Grid->SetFixedCols(1);
        Grid->SetFixedRows(1);
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 6; ++c) Grid->SetCells(c, r, std::string(1, static_cast<char>('a' + c)) + std::to_string(r));
        Grid->SetColWidths(2, 71);
        Grid->SetRowHeights(3, 31);
        Grid->MergeCells(3, 3, 2, 2);
        Grid->SetObjectEx(2, 2, &Object);
        Grid->GetCellProperties(1, 4)->SetBrushColor(0x123456);
        Grid->AddComment(4, 1, "note");
        Grid->Navigation().SetAllowFmtClipboard(true);
        Grid->Navigation().SetAllowClipboardRowGrow(true);
        Grid->Navigation().SetAllowClipboardColGrow(true);
        Grid->Navigation().SetClipboardPasteAction(grid::paInsert);
        Form->Show();
        Grid->DragDropSettings().SetOleDropTarget(true);
        Grid->DragDropSettings().SetOleInsertRows(true);
    }

    // Runs one load; the error it raised, or "" when it raised none.
    std::string Load(const THostileCase& c)
    {
        const std::string file = Dir.File("input");
        testsupport::WriteFileBytes(file, c.Bytes);
        rtl::TStringStream stream(c.Bytes);
        try {
            switch (c.Path) {
            case TLoadPath::TextFile: Grid->LoadFromFile(file); break;
            case TLoadPath::TextStream: Grid->LoadFromStream(stream); break;
            case TLoadPath::BinStream: Grid->LoadFromBinStream(stream); break;
            case TLoadPath::BinAtPoint: Grid->LoadAtPointFromBinStream(rtl::TPoint{1, 1}, stream); break;
            case TLoadPath::BinFile: Grid->LoadFromBinFile(file); break;
            case TLoadPath::ClipboardPaste:
                ui::Clipboard().Clear();
                ui::Clipboard().SetData(grid::CF_GRIDCELLS(), c.Bytes);
                Grid->SetSelection(rtl::TRect{2, 2, 2, 2});
                Grid->PasteSelectionFromClipboard();
                break;
            case TLoadPath::Drop: Drop(c.Bytes); break;
            case TLoadPath::Xml: Grid->LoadFromXML(file); break;
            }
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    }

    // A drag from another program entering the grid over cell (2, 2) and dropped there.
    void Drop(const std::string& Stream)
    {
        auto data = ui::MakeBlockDataObject({{grid::CF_GRIDCELLS(), DragBlock(Stream)}});
        const rtl::TRect cell = Grid->CellRect(2, 2);
        const rtl::TPoint screen = Grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
        ui::DWORD effect = ui::DROPEFFECT_COPY;
        Grid->DropTarget()->DragEnter(data.get(), ui::MK_DRAG_LBUTTON, {screen.X, screen.Y}, effect);
        Grid->DropTarget()->Drop(data.get(), 0, {screen.X, screen.Y}, effect);
    }

    // Every case of the table; the faults found, one line each.
    std::vector<std::string> RunHostileTable()
    {
        std::vector<std::string> faults;
        for (const THostileCase& c : HostileCases()) {
            const std::string before = Snapshot(*Grid);
            const std::string error = Load(c);
            if (error.find(c.Message) == std::string::npos)
                faults.push_back(std::string(c.Name) + ": raised \"" + error + "\", expected \"" + c.Message + "\"");
            if (Snapshot(*Grid) != before) faults.push_back(std::string(c.Name) + ": the grid changed");
        }
        return faults;
    }

    rtl::TObject Object;
    testsupport::TempDir Dir;
};

TEST_F(HostileLoadTest, EachHostileInputRaisesItsErrorAndLeavesTheGridAsItWas)
{
    for (const std::string& fault : RunHostileTable()) ADD_FAILURE() << fault;
}

// The address space of the process the table runs in, in bytes.
rlim_t AddressSpaceInUse()
{
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    statm >> pages;
    return static_cast<rlim_t>(pages * static_cast<unsigned long long>(sysconf(_SC_PAGESIZE)));
}

// The same table in a child process that may take at most 1 GB more address space than it
// already has: a load that sizes the grid from a count it read would fail there for real.
TEST_F(HostileLoadTest, HostileInputsNeedNoMoreThanAGigabyteOfMemory)
{
#ifdef HOSTILE_LOADS_SANITIZED
    GTEST_SKIP() << "the sanitizers reserve terabytes of address space";
#else
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlim_t limit = AddressSpaceInUse() + (rlim_t{1} << 30);
        const rlimit lowered{limit, limit};
        if (setrlimit(RLIMIT_AS, &lowered) != 0) _exit(3);
        std::vector<std::string> faults;
        try {
            faults = RunHostileTable();
        } catch (const std::exception& e) {
            faults.push_back(std::string("escaped: ") + e.what());
        }
        for (const std::string& fault : faults) std::fprintf(stderr, "%s\n", fault.c_str());
        std::fflush(stderr);
        _exit(faults.empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "faults are listed above";
#endif
}

// A number in a record's object field is never taken for an object: the cell keeps the
// object it has (or has none), whichever way the block arrives.
TEST_F(HostileLoadTest, ObjectValuesFromInputNeverBecomeCellObjects)
{
    const std::string block = TStreamBuilder()
                                  .Header(2, 1)
                                  .Cell(1, 1, "p", true)
                                  .Prop("CellObject", 0x41414141)
                                  .Cell(2, 1, "q", true)
                                  .Prop("CellObject", 0x42424242)
                                  .Bytes();
    const std::vector<std::pair<TLoadPath, const char*>> paths = {
        {TLoadPath::BinAtPoint, "load at a point"}, {TLoadPath::ClipboardPaste, "paste"}, {TLoadPath::Drop, "drop"}};
    for (const auto& [path, name] : paths) {
        Grid->Navigation().SetClipboardPasteAction(grid::paReplace);
        Grid->DragDropSettings().SetOleInsertRows(false);
        // Every path puts the first cell at (1, 1) or (2, 2); (2, 2) holds a real object.
        EXPECT_EQ(Load({name, path, block, ""}), "") << name;
        const int col = path == TLoadPath::BinAtPoint ? 1 : 2;
        const int row = col;
        EXPECT_EQ(Grid->Cells(col, row), "p") << name;
        EXPECT_EQ(Grid->GetObjectEx(col, row), col == 2 ? &Object : nullptr) << name;
        EXPECT_EQ(Grid->GetObjectEx(col + 1, row), nullptr) << name;
    }
}

TEST_F(HostileLoadTest, CellObjectsAreWrittenAsZero)
{
    rtl::TStringStream s;
    Grid->SaveRectToBinStream(rtl::Rect(2, 2, 2, 2), s, false);
    const std::string bytes = s.DataString();
    const std::string name = "CellProperties.CellObject";
    const std::string field = std::string(1, static_cast<char>(name.size())) + name;
    const std::size_t at = bytes.find(field);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(bytes.substr(at + field.size(), 2), std::string("\x02\x00", 2));
}

// A cell line of a text cell stream whose position lies outside the grid the header sizes
// (negative, or at the end of the int range) is skipped; the other cells load.
TEST_F(HostileLoadTest, TextStreamCellsOutsideTheAnnouncedGridAreSkipped)
{
    rtl::TStringStream stream(Utf16("2,2\r\n-1,0,neg\r\n2147483647,1,far\r\n1,1,in\r\n"));
    Grid->LoadFromStream(stream);
    EXPECT_EQ(Grid->Cells(Grid->SaveStartCol() + 1, Grid->SaveStartRow() + 1), "in");
    EXPECT_EQ(Grid->ColCount(), Grid->SaveStartCol() + 2);
    const std::string after = Snapshot(*Grid);
    EXPECT_EQ(after.find("neg"), std::string::npos);
    EXPECT_EQ(after.find("far"), std::string::npos);
}

// Positions at the ends of the int range read the whole line into one field.
TEST_F(HostileLoadTest, FixedWidthPositionsAtTheEndsOfTheIntRangeReadWholeLines)
{
    const std::string file = Dir.File("fixed.txt");
    testsupport::WriteFileBytes(file, "abc def\r\nxy\r\n");
    grid::TIntList positions(0, 0);
    positions.Add(INT_MAX);
    positions.Add(INT_MIN);
    Grid->SetFixedCols(0);
    Grid->LoadFromFixed(file, positions, false);
    EXPECT_EQ(positions[0], INT_MIN);
    EXPECT_EQ(Grid->ColCount(), 1);
    const int row = Grid->SaveStartRow();
    EXPECT_EQ(Grid->Cells(0, row), "abc def");
    EXPECT_EQ(Grid->Cells(0, row + 1), "xy");
}

}  // namespace
