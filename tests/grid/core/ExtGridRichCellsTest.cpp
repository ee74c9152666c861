// Rich-text cells of the string grid: a cell's RTF loaded into the rich edit and the edit's content stored back.
#include <gtest/gtest.h>

#include "grid/core/ExtGrid.h"
#include "platform/ui/RichEdit.h"

namespace {

TEST(ExtGridRichCells, CellRtfGoesIntoTheRichEditAndComesBackFormatted)
{
    grid::TExtStringGrid grid(nullptr);
    ui::TRichEdit edit(nullptr);
    grid.SetCells(1, 1, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\f0\\fs20 plain \\b bold\\b0\\par}");
    grid.CellToRich(1, 1, edit);
    EXPECT_EQ(edit.Text(), "plain bold");
    EXPECT_TRUE(edit.Document().Formats[6].Style.Contains(gfx::fsBold));

    edit.SetSel(0, 5);
    edit.SetSelStyle(gfx::fsItalic, true);
    grid.RichToCell(2, 1, edit);
    const std::string stored = grid.Cells(2, 1);
    ASSERT_TRUE(ui::IsRtf(stored));
    const ui::TRichText back = ui::RtfToRichText(stored);
    EXPECT_EQ(back.PlainText(), "plain bold");
    EXPECT_TRUE(back.Formats[0].Style.Contains(gfx::fsItalic));
    EXPECT_TRUE(back.Formats[6].Style.Contains(gfx::fsBold));

    grid.SetCells(3, 1, "just text");
    grid.CellToRich(3, 1, edit);
    EXPECT_EQ(edit.Text(), "just text");
    grid.CellToRich(4, 1, edit);  // an empty cell empties the edit
    EXPECT_EQ(edit.Text(), "");
}

}  // namespace
