// The in-place rich editor of rich-text cells, opened and left through real key and mouse messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/RichEdit.h"
#include "tests/grid/editing/GridEditorFixture.h"

namespace {

using ui::THeadlessBackend;

// "plain ", "bold" in bold, " " and "red" in red.
const char* const FormattedRtf =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\pard\\f0\\fs20 plain \\b bold\\b0  \\cf1 red\\cf0\\par}";

bool Reddish(gfx::TColor c) { return (c & 0xFF) > 160 && ((c >> 8) & 0xFF) < 110 && ((c >> 16) & 0xFF) < 110; }

class ExtGridRichEditorTest : public GridEditorFixture {
protected:
    void SetUp() override
    {
        GridEditorFixture::SetUp();
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        Grid->SetColWidths(2, 160);
        Grid->OnGetEditorType = [](rtl::TObject*, int c, int, grid::TEditorType& e) {
            if (c == 2) e = grid::edRichEdit;
        };
        Grid->OnSetEditText = [this](rtl::TObject*, int c, int r, const std::string&) {
            Stored.push_back(std::to_string(c) + "," + std::to_string(r));
        };
        Grid->SetCells(2, 2, FormattedRtf);
        Grid->SetFocus();
    }
    // Successive clicks land on different spots, so that two of them on one cell are not
    // taken for a double click unless a spot is given.
    void ClickCell(int col, int row, int dx = -1)
    {
        if (dx < 0) dx = (FSpot ^= 1) != 0 ? 4 : 20;
        const rtl::TRect r = Grid->CellRect(col, row);
        THeadlessBackend::Click(Grid, r.Left + dx, r.Top + 4);
    }
    int FSpot = 0;
    // Makes (col, row) current with a click, then F2.
    grid::TExtRichEdit& OpenWithF2(int col, int row)
    {
        ClickCell(col, row);
        Press(ui::VK_F2);
        return Grid->InplaceRichEdit();
    }
    bool EditorOpen() const { return Grid->HasInplaceRichEdit() && Grid->InplaceRichEdit().Visible(); }

    std::vector<std::string> Stored;
};

// F2 opens the rich editor over the cell, in the cell's colour, showing the cell's runs
// with their formats; what is typed goes back into the cell as RTF when the user clicks
// elsewhere, the formats kept.
TEST_F(ExtGridRichEditorTest, F2OpensTheCellsRichTextAndAClickElsewhereStoresTheEditedText)
{
    Grid->OnGetCellColor = [](rtl::TObject*, int r, int c, ui::TGridDrawState, gfx::TBrush* b, gfx::TFont*) {
        if (c == 2 && r == 2) b->SetColor(gfx::clYellow);
    };
    grid::TExtRichEdit& edit = OpenWithF2(2, 2);
    ASSERT_TRUE(edit.Visible());
    EXPECT_TRUE(edit.Focused());
    EXPECT_TRUE(Grid->EditorMode());
    const rtl::TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(edit.Left(), cell.Left);
    EXPECT_EQ(edit.Top(), cell.Top);
    EXPECT_EQ(edit.Width(), cell.Width() - 1);
    EXPECT_EQ(edit.Text(), "plain bold red");
    EXPECT_TRUE(edit.Document().Formats[6].Style.Contains(gfx::fsBold));
    EXPECT_EQ(edit.Document().Formats[11].Color, gfx::clRed);

    // On the screen: the cell's yellow behind red text.
    Form->PaintPending();
    EXPECT_EQ(THeadlessBackend::Pixel(&edit, edit.Width() - 3, edit.Height() - 2) & 0xFFFFFF, gfx::clYellow);
    int red = 0;
    for (int y = 0; y < edit.Height(); ++y)
        for (int x = 0; x < edit.Width(); ++x)
            if (Reddish(THeadlessBackend::Pixel(&edit, x, y) & 0xFFFFFF)) ++red;
    EXPECT_GT(red, 5);

    // The whole text is selected (EditSelectAll): End puts the caret behind it.
    Press(ui::VK_END);
    Type("!");
    ClickCell(3, 4);
    EXPECT_FALSE(EditorOpen());
    EXPECT_FALSE(Grid->EditorMode());
    const std::string stored = Grid->Cells(2, 2);
    ASSERT_TRUE(ui::IsRtf(stored)) << stored;
    const ui::TRichText back = ui::RtfToRichText(stored);
    EXPECT_EQ(back.PlainText(), "plain bold red!");
    EXPECT_TRUE(back.Formats[6].Style.Contains(gfx::fsBold));
    EXPECT_EQ(back.Formats[11].Color, gfx::clRed);
    EXPECT_EQ(Stored, std::vector<std::string>{"2,2"});
}

// Both keyboard ways of starting an edit open the rich editor on a rich cell: F2, and a
// typed character, which replaces the selected text.
TEST_F(ExtGridRichEditorTest, TypingAndF2OpenTheRichEditor)
{
    struct Case {
        const char* name;
        std::string expectText;
    };
    for (const Case& k : {Case{"F2", "plain bold red"}, Case{"typing", "Q"}}) {
        SCOPED_TRACE(k.name);
        ClickCell(1, 1);
        ASSERT_FALSE(EditorOpen());
        ClickCell(2, 2);
        if (std::string(k.name) == "F2") Press(ui::VK_F2);
        else Type("Q");
        ASSERT_TRUE(EditorOpen());
        EXPECT_EQ(Grid->InplaceRichEdit().Text(), k.expectText);
        EXPECT_TRUE(Grid->InplaceRichEdit().Focused());
        ClickCell(1, 1);
        EXPECT_FALSE(EditorOpen());
    }
    // Left unchanged after F2 the cell kept its text; the typed edit alone was stored.
    EXPECT_EQ(std::count(Stored.begin(), Stored.end(), "2,2"), 1);
    EXPECT_EQ(ui::RtfToRichText(Grid->Cells(2, 2)).PlainText(), "Q");
}

// A plain-text cell opened in the rich editor and left unchanged keeps its plain text.
TEST_F(ExtGridRichEditorTest, AnUnchangedPlainCellStaysPlainText)
{
    Grid->SetCells(2, 3, "just text");
    grid::TExtRichEdit& edit = OpenWithF2(2, 3);
    EXPECT_EQ(edit.Text(), "just text");
    ClickCell(1, 1);
    EXPECT_EQ(Grid->Cells(2, 3), "just text");
    EXPECT_TRUE(Stored.empty());
}

// Tab (with goTabs) and, in a single-line grid, Up and Down leave the rich editor for the
// neighbouring cell, the edited text stored; Tab opens the next cell's editor. With word
// wrap Up and Down stay in the editor.
TEST_F(ExtGridRichEditorTest, TabUpAndDownHandTheKeyBackToTheGrid)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    struct Case {
        int key;
        bool wordWrap;
        int col, row;  // current cell afterwards
        bool stillOpen;
    };
    for (const Case& k : {Case{ui::VK_TAB, false, 3, 2, false}, Case{ui::VK_DOWN, false, 2, 3, false},
                          Case{ui::VK_UP, false, 2, 1, false}, Case{ui::VK_DOWN, true, 2, 2, true}}) {
        SCOPED_TRACE(k.key);
        Grid->SetWordWrap(k.wordWrap);
        Grid->SetCells(2, 2, FormattedRtf);
        Stored.clear();
        OpenWithF2(2, 2);
        ASSERT_TRUE(EditorOpen());
        Press(ui::VK_END);
        Type("+");
        Press(k.key);
        EXPECT_EQ(Grid->Col(), k.col);
        EXPECT_EQ(Grid->Row(), k.row);
        EXPECT_EQ(EditorOpen(), k.stillOpen);
        if (k.stillOpen) {
            EXPECT_EQ(Grid->InplaceRichEdit().Text(), "plain bold red+");
            ClickCell(1, 1);
        }
        EXPECT_EQ(ui::RtfToRichText(Grid->Cells(2, 2)).PlainText(), "plain bold red+");
        EXPECT_EQ(Stored, std::vector<std::string>{"2,2"});
        if (k.key == ui::VK_TAB) {
            // The next cell, a plain one, is being edited in the text editor.
            ASSERT_NE(Grid->NormalEdit(), nullptr);
            EXPECT_TRUE(Grid->NormalEdit()->Visible());
            EXPECT_TRUE(Grid->NormalEdit()->Focused());
            Press(ui::VK_ESCAPE);
        }
    }
}

// A double click on a rich cell opens the rich editor with the default mouse options, as it
// opens the other editors: on a cell that was not current and on the current one.
TEST_F(ExtGridRichEditorTest, DoubleClickOpensTheRichEditor)
{
    for (bool current : {false, true}) {
        SCOPED_TRACE(current ? "current cell" : "another cell");
        ClickCell(current ? 2 : 1, current ? 2 : 1);
        ASSERT_FALSE(EditorOpen());
        ClickCell(2, 2, 30);
        ClickCell(2, 2, 30);
        ASSERT_TRUE(EditorOpen());
        EXPECT_EQ(Grid->InplaceRichEdit().Text(), "plain bold red");
        EXPECT_TRUE(Grid->InplaceRichEdit().Focused());
        ClickCell(1, 1);
        EXPECT_FALSE(EditorOpen());
    }
    EXPECT_EQ(std::count(Stored.begin(), Stored.end(), "2,2"), 0);
}

// Escape discards what was typed, however the editor was opened: the editor closes, the
// cell keeps its rich text, nothing is stored and the grid has the focus again.
TEST_F(ExtGridRichEditorTest, EscapeDiscardsTheEditAndKeepsTheCell)
{
    const std::string before = Grid->Cells(2, 2);
    for (const char* how : {"F2", "typing", "double click"}) {
        SCOPED_TRACE(how);
        ClickCell(1, 1);
        ClickCell(2, 2);
        if (std::string(how) == "F2") Press(ui::VK_F2);
        else if (std::string(how) == "typing") Type("Q");
        else ClickCell(2, 2, FSpot != 0 ? 4 : 20);
        ASSERT_TRUE(EditorOpen());
        Press(ui::VK_END);
        Type("zz");
        Press(ui::VK_ESCAPE);
        EXPECT_FALSE(EditorOpen());
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_TRUE(Grid->Focused());
        EXPECT_EQ(Grid->Cells(2, 2), before);
        EXPECT_EQ(Grid->Col(), 2);
        EXPECT_EQ(Grid->Row(), 2);
    }
    EXPECT_EQ(std::count(Stored.begin(), Stored.end(), "2,2"), 0);
    // The next edit starts from the kept text.
    Press(ui::VK_F2);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Grid->InplaceRichEdit().Text(), "plain bold red");
}

}  // namespace
