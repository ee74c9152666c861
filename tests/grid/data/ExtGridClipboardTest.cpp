// Tests of the string grid's clipboard: copied text, cut with undo, the cell block, paste parsing, smart fill and reading cells as numbers.
#include <gtest/gtest.h>

#include <string>

#include "grid/core/BaseGrid.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/ExtGridClipboard.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Clipboard.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using grid::TExtStringGrid;

class ExtGridClipboardTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Grid->SetColCount(6);
        Grid->SetRowCount(8);
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        ui::Clipboard().Clear();
    }

    void Fill(std::initializer_list<std::initializer_list<const char*>> rows, int col = 1, int row = 1)
    {
        int r = row;
        for (const auto& line : rows) {
            int c = col;
            for (const char* text : line) Grid->SetCells(c++, r, text);
            ++r;
        }
    }
    void Select(int l, int t, int r, int b) { Grid->SetSelection(rtl::Rect(l, t, r, b)); }
    std::string Copied()
    {
        Grid->CopySelectionToClipboard();
        return ui::Clipboard().AsText();
    }
};

TEST_F(ExtGridClipboardTest, CopiedTextSeparatesCellsByTabAndRowsByLineBreaks)
{
    Fill({{"a", "b"}, {"c", "d"}});
    Grid->SetCells(3, 1, "x\r\ny");
    Grid->AddCheckBox(4, 1, true, false);
    Grid->SetCheckTrue("Y");
    struct TCase {
        rtl::TRect Sel;
        const char* Text;
    };
    const TCase cases[] = {
        {rtl::Rect(1, 1, 2, 2), "a\tb\r\nc\td\r\n"},
        {rtl::Rect(1, 1, 2, 1), "a\tb"},
        {rtl::Rect(2, 1, 3, 1), "b\t\"x\ny\""},  // a two-line cell is one quoted field
        {rtl::Rect(4, 1, 4, 1), "Y"},              // an empty check box copies its check text
    };
    for (const TCase& c : cases) {
        Select(c.Sel.Left, c.Sel.Top, c.Sel.Right, c.Sel.Bottom);
        EXPECT_EQ(Copied(), c.Text);
        EXPECT_EQ(Grid->ClipTopLeft().X, c.Sel.Left);
        EXPECT_EQ(Grid->ClipLastOp(), TExtStringGrid::coCopy);
    }
}

TEST_F(ExtGridClipboardTest, CopyingDisjunctRowsTakesOnlyTheSelectedRows)
{
    Fill({{"r1"}, {"r2"}, {"r3"}, {"r4"}, {"r5"}}, 1, 1);
    Grid->MouseActions().SetDisjunctRowSelect(true);
    Grid->SetRowSelect(2, true);
    Grid->SetRowSelect(5, true);
    const std::string text = Copied();
    EXPECT_NE(text.find("r2"), std::string::npos);
    EXPECT_NE(text.find("r5"), std::string::npos);
    EXPECT_EQ(text.find("r1"), std::string::npos);
    EXPECT_EQ(text.find("r3"), std::string::npos);
}

TEST_F(ExtGridClipboardTest, RichTextCellGoesOnTheClipboardAsRtfAndPlainText)
{
    Grid->Navigation().SetAllowRTFClipboard(true);
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello\\par World}";
    Grid->SetCells(1, 1, rtf);
    Select(1, 1, 1, 1);
    EXPECT_EQ(Copied(), "Hello\r\nWorld");
    EXPECT_EQ(ui::Clipboard().GetData(grid::CF_RTF()), rtf + std::string(1, '\0'));

    // Pasting prefers the rich text, into the one cell.
    Select(3, 2, 4, 3);
    Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(Grid->Cells(3, 2), rtf);
    EXPECT_EQ(Grid->Cells(4, 2), "");
    EXPECT_EQ(Grid->Cells(3, 3), "");
}

TEST_F(ExtGridClipboardTest, CutClearsEditableCellsAndOneUndoRestoresThem)
{
    Fill({{"a", "b"}, {"c", "d"}});
    Grid->GetCellProperties(2, 2)->SetReadOnly(true);
    grid::TExtGridUndoRedo undo(nullptr);
    Grid->SetUndoRedo(&undo);
    Select(1, 1, 2, 2);
    Grid->CutSelectionToClipboard();
    EXPECT_EQ(ui::Clipboard().AsText(), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Grid->Cells(2, 1), "");
    EXPECT_EQ(Grid->Cells(1, 2), "");
    EXPECT_EQ(Grid->Cells(2, 2), "d");  // read-only stays
    EXPECT_EQ(Grid->ClipLastOp(), TExtStringGrid::coCut);
    undo.Undo();
    EXPECT_EQ(Grid->Cells(1, 1), "a");
    EXPECT_EQ(Grid->Cells(2, 1), "b");
    EXPECT_EQ(Grid->Cells(1, 2), "c");
    Grid->SetUndoRedo(nullptr);
}

TEST_F(ExtGridClipboardTest, CutOfTheSaveRangeLeavesReadOnlyCellsUnlessAlwaysAllowed)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetSaveFixedCells(false);  // the save range is then the normal cells
    Fill({{"a", "b"}, {"c", "d"}});
    Grid->GetCellProperties(2, 2)->SetReadOnly(true);
    Grid->CutToClipboard();
    EXPECT_EQ(ui::Clipboard().AsText(), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Grid->Cells(2, 2), "d");
    EXPECT_EQ(Grid->ClipLastOp(), TExtStringGrid::coCut);

    Grid->Navigation().SetAllowClipboardAlways(true);
    Grid->CutToClipboard();
    EXPECT_EQ(Grid->Cells(2, 2), "");
}

TEST_F(ExtGridClipboardTest, PastedTextFillsCellsAndReportsFieldsRowsAndColumns)
{
    int rows = 0;
    int cols = 0;
    EXPECT_EQ(Grid->PasteText(1, 1, "a\tb\r\nc\td\r\n", rows, cols), 5);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(cols, 2);
    EXPECT_EQ(Grid->Cells(1, 1), "a");
    EXPECT_EQ(Grid->Cells(2, 1), "b");
    EXPECT_EQ(Grid->Cells(1, 2), "c");
    EXPECT_EQ(Grid->Cells(2, 2), "d");
    EXPECT_EQ(Grid->Cells(1, 3), "");

    // A quoted field holding LF loses its quotes; character 11 becomes a line break.
    Grid->PasteText(1, 4, "\"one\ntwo\x0Bthree\"\tz", rows, cols);
    EXPECT_EQ(Grid->Cells(1, 4), "one\ntwo\r\nthree");
    EXPECT_EQ(Grid->Cells(2, 4), "z");
}

TEST_F(ExtGridClipboardTest, PastedTextIsUndoneAsOneStepBesideAHiddenColumn)
{
    Fill({{"a", "h", "b"}});
    Grid->HideColumn(2);
    grid::TExtGridUndoRedo undo(nullptr);
    Grid->SetUndoRedo(&undo);
    int rows = 0;
    int cols = 0;
    Grid->PasteText(1, 1, "x\ty", rows, cols);
    EXPECT_EQ(Grid->Cells(1, 1), "x");
    EXPECT_EQ(Grid->Cells(2, 1), "y");
    undo.Undo();
    Grid->SetUndoRedo(nullptr);
    Grid->UnHideColumn(2);
    EXPECT_EQ(Grid->Cells(1, 1), "a");
    EXPECT_EQ(Grid->Cells(2, 1), "h");
    EXPECT_EQ(Grid->Cells(3, 1), "b");
}

TEST_F(ExtGridClipboardTest, PasteGrowsTheGridOrStopsAtItsEdge)
{
    int rows = 0;
    int cols = 0;
    Grid->PasteText(5, 7, "p\tq\r\nr\ts", rows, cols);
    EXPECT_EQ(Grid->ColCount(), 7);
    EXPECT_EQ(Grid->RowCount(), 9);
    EXPECT_EQ(Grid->Cells(6, 8), "s");

    Grid->Navigation().SetAllowClipboardColGrow(false);
    Grid->Navigation().SetAllowClipboardRowGrow(false);
    Grid->PasteText(6, 8, "u\tv\r\nw", rows, cols);
    EXPECT_EQ(Grid->ColCount(), 7);
    EXPECT_EQ(Grid->RowCount(), 9);
    EXPECT_EQ(Grid->Cells(6, 8), "u");
    EXPECT_EQ(Grid->GetGridCell(7, 8), "");
    EXPECT_EQ(Grid->GetGridCell(6, 9), "");
}

TEST_F(ExtGridClipboardTest, PasteSkipsReadOnlyCellsUnlessAlwaysAllowedAndHonoursTheBeforeEvent)
{
    Grid->GetCellProperties(1, 1)->SetReadOnly(true);
    Grid->OnClipboardBeforePasteCell = [](grid::TSender, int c, int, std::string& v, bool& allow) {
        if (c == 3) allow = false;
        v += "!";
    };
    int rows = 0;
    int cols = 0;
    Grid->PasteText(1, 1, "a\tb\tc", rows, cols);
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Grid->Cells(2, 1), "b!");
    EXPECT_EQ(Grid->Cells(3, 1), "");
    Grid->Navigation().SetAllowClipboardAlways(true);
    Grid->PasteText(1, 1, "a", rows, cols);
    EXPECT_EQ(Grid->Cells(1, 1), "a!");
}

TEST_F(ExtGridClipboardTest, PasteOverHiddenColumnsSkipsThem)
{
    Fill({{"h0", "h1", "h2", "h3"}}, 1, 1);
    Grid->HideColumn(2);
    ui::Clipboard().SetAsText("A\tB\tC");
    Select(1, 1, 1, 1);
    Grid->PasteSelectionFromClipboard();
    Grid->UnHideColumn(2);
    EXPECT_EQ(Grid->Cells(1, 1), "A");
    EXPECT_EQ(Grid->Cells(2, 1), "h1");  // the hidden column keeps its text
    EXPECT_EQ(Grid->Cells(3, 1), "B");
    EXPECT_EQ(Grid->Cells(4, 1), "C");
}

TEST_F(ExtGridClipboardTest, PasteInsertActionInsertsARowPerNonEmptyLine)
{
    Fill({{"keep"}}, 1, 1);
    Grid->Navigation().SetClipboardPasteAction(grid::paInsert);
    int rows = 0;
    int cols = 0;
    Grid->PasteText(1, 1, "n1\r\nn2", rows, cols);
    EXPECT_EQ(Grid->Cells(1, 1), "n1");
    EXPECT_EQ(Grid->Cells(1, 2), "n2");
    EXPECT_EQ(Grid->Cells(1, 3), "keep");
}

TEST_F(ExtGridClipboardTest, CellBlockCarriesFormattingToAnotherGrid)
{
    Grid->Navigation().SetAllowFmtClipboard(true);
    Fill({{"a", "b"}});
    Grid->GetCellProperties(2, 1)->SetBrushColor(0x00FF00);
    Select(1, 1, 2, 1);
    Grid->CopySelectionToClipboard();
    ASSERT_TRUE(ui::Clipboard().HasFormat(grid::CF_GRIDCELLS()));

    TExtStringGrid other(nullptr);
    other.SetColCount(6);
    other.SetRowCount(6);
    other.Navigation().SetAllowFmtClipboard(true);
    other.SetSelection(rtl::Rect(3, 4, 3, 4));
    other.PasteSelectionFromClipboard();
    EXPECT_EQ(other.Cells(3, 4), "a");
    EXPECT_EQ(other.Cells(4, 4), "b");
    ASSERT_TRUE(other.HasCellProperties(4, 4));
    EXPECT_EQ(other.GetCellPropsDirect(4, 4)->BrushColor(), 0x00FF00u);
}

TEST_F(ExtGridClipboardTest, SmartPasteRepeatsOneCellOverTheSelection)
{
    Grid->Navigation().SetAllowSmartClipboard(true);
    ui::Clipboard().SetAsText("x");
    Select(1, 1, 3, 3);
    Grid->PasteSelectionFromClipboard();
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(Grid->Cells(c, r), "x") << c << "," << r;
    EXPECT_EQ(Grid->Cells(4, 1), "");
}

TEST_F(ExtGridClipboardTest, SmartPasteContinuesSeriesAndRepeatsBlocks)
{
    Grid->Navigation().SetAllowSmartClipboard(true);
    const rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    rtl::FormatSettings.DateSeparator = '/';
    struct TCase {
        const char* Clip;
        const char* Expected[5];
    };
    const TCase cases[] = {
        {"1\r\n3\r\n", {"1", "3", "5", "7", "9"}},
        {"2026/01/15\r\n2026/02/15\r\n", {"2026/01/15", "2026/02/15", "2026/03/15", "2026/04/15", "2026/05/15"}},
        {"1.5\r\n2\r\n", {"1.50", "2.00", "2.50", "3.00", "3.50"}},
        {"a\r\nb\r\n", {"a", "b", "a", "b", "a"}},
    };
    for (const TCase& c : cases) {
        for (int r = 1; r <= 5; ++r) Grid->SetCells(2, r, "");
        ui::Clipboard().SetAsText(c.Clip);
        Select(2, 1, 2, 5);
        Grid->PasteSelectionFromClipboard();
        for (int r = 1; r <= 5; ++r) EXPECT_EQ(Grid->Cells(2, r), c.Expected[r - 1]) << c.Clip << " row " << r;
    }
    rtl::FormatSettings = saved;
}

TEST_F(ExtGridClipboardTest, SelectionAsTextWritesWithoutEditingChecksAndGrows)
{
    Grid->SetOptions(Grid->Options() & ~ui::goEditing);
    Grid->GetCellProperties(4, 7)->SetReadOnly(true);
    Select(4, 7, 4, 7);
    Grid->SetSelectionAsText("a\tb\tc\r\nd");
    EXPECT_EQ(Grid->Cells(4, 7), "a");
    EXPECT_EQ(Grid->Cells(6, 7), "c");
    EXPECT_EQ(Grid->ColCount(), 7);
    EXPECT_EQ(Grid->RowCount(), 9);
    EXPECT_EQ(Grid->Cells(4, 8), "d");
}

TEST_F(ExtGridClipboardTest, CellToRealReadsFinancialNumbersAndNamesTheBadPosition)
{
    const rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.DecimalSeparator = ',';
    rtl::FormatSettings.ThousandSeparator = '.';
    Grid->SetCells(1, 1, "(1.234,50)");
    Grid->SetCells(1, 2, "");
    Grid->SetCells(1, 3, "1-2");
    const double financial = Grid->CellToReal(1, 1);
    const double empty = Grid->CellToReal(1, 2);
    std::string message;
    try {
        Grid->CellToReal(1, 3);
    } catch (const grid::VIdoZovuVozir& e) {
        message = e.what();
    }
    rtl::FormatSettings = saved;
    EXPECT_DOUBLE_EQ(financial, -1234.5);
    EXPECT_EQ(empty, 0.0);
    EXPECT_EQ(message, "Error at position: 2 in Cell [1, 3].");
}

}  // namespace
