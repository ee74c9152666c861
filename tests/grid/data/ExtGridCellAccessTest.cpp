// Tests of the string grid's cell access by real row and column, links and per-cell formatting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using grid::clGridNone;

class CellAccessTest : public gridtest::GridInAppTest {
protected:
    // 4 columns × 7 rows (one fixed row), each cell "c<col>r<row>" by real index.
    void FillNamed()
    {
        Grid->SetColCount(4);
        Grid->SetRowCount(7);
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 4; ++c) Grid->SetCells(c, r, Name(c, r));
    }
    static std::string Name(int c, int r) { return "c" + std::to_string(c) + "r" + std::to_string(r); }
};

// Real indexes reach every cell, whether its row or its column is hidden.
TEST_F(CellAccessTest, AllCellsReadAndWriteByRealIndexThroughHiddenRowsAndColumns)
{
    FillNamed();
    Grid->HideColumn(1);
    Grid->HideRows(2, 3);
    ASSERT_EQ(Grid->ColCount(), 3);
    ASSERT_EQ(Grid->RowCount(), 5);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(Grid->AllCells(c, r), Name(c, r)) << c << "," << r;
            EXPECT_EQ(Grid->AllGridCells(c, r), Name(c, r)) << c << "," << r;
        }
    EXPECT_EQ(Grid->AllCells(-1, 2), "");

    Grid->SetAllCells(2, 3, "in a hidden row");
    Grid->SetAllCells(1, 5, "in a hidden column");
    Grid->SetAllCells(3, 4, "shown");
    EXPECT_EQ(Grid->Cells(2, 2), "shown");  // real row 4, column 3 is displayed at (2, 2)
    Grid->UnHideRowsAll();
    Grid->UnHideColumnsAll();
    EXPECT_EQ(Grid->Cells(2, 3), "in a hidden row");
    EXPECT_EQ(Grid->Cells(1, 5), "in a hidden column");
    EXPECT_EQ(Grid->Cells(3, 4), "shown");
    EXPECT_EQ(Grid->Cells(0, 3), Name(0, 3));
}

// A hidden row's text reaches the reader through the display-text event as a shown row's
// does, with its real column and row; the stored texts stay as they were.
TEST_F(CellAccessTest, AllCellsOfHiddenAndShownRowsPassTheDisplayTextEvent)
{
    FillNamed();
    std::vector<std::string> asked;
    Grid->OnGetDisplText = [&](rtl::TObject*, int c, int r, std::string& value) {
        asked.push_back(Name(c, r));
        value = "<" + value + ">";
    };
    Grid->HideRows(2, 3);
    asked.clear();
    EXPECT_EQ(Grid->AllCells(3, 3), "<c3r3>");
    EXPECT_EQ(asked, std::vector<std::string>{"c3r3"});
    EXPECT_EQ(Grid->AllCells(3, 5), Grid->Cells(3, 3)) << "a shown row reads as the grid shows it";
    EXPECT_EQ(Grid->AllGridCells(3, 3), "c3r3");
    Grid->OnGetDisplText = nullptr;
    Grid->UnHideRowsAll();
    EXPECT_EQ(Grid->Cells(3, 3), "c3r3");
}

// Wide texts are the displayed texts: any character survives, a hidden column shifts the
// displayed ones, the display-text event is applied, and the All form reaches hidden rows.
TEST_F(CellAccessTest, WideCellsCarryAnyCharacterAtDisplayedAndRealIndexes)
{
    FillNamed();
    const std::string text = "Győr ő° € \xF0\x9F\x8C\xBE \u4E2D";
    Grid->SetWideCells(2, 3, text);
    EXPECT_EQ(Grid->WideCells(2, 3), text);
    EXPECT_EQ(Grid->GridCells(2, 3), text) << "stored as written";

    Grid->HideColumn(1);
    EXPECT_EQ(Grid->WideCells(1, 3), text) << "displayed column 1 is real column 2";
    Grid->SetWideCells(1, 4, "új");
    Grid->UnHideColumn(1);
    EXPECT_EQ(Grid->Cells(2, 4), "új");
    EXPECT_EQ(Grid->Cells(1, 4), Name(1, 4));

    Grid->HideRows(2, 3);
    EXPECT_EQ(Grid->AllWideCells(2, 3), text);
    Grid->SetAllWideCells(0, 3, "ő in a hidden row");
    Grid->OnGetDisplText = [](rtl::TObject*, int, int, std::string& value) { value = "«" + value + "»"; };
    EXPECT_EQ(Grid->AllWideCells(2, 3), "«" + text + "»");
    EXPECT_EQ(Grid->WideCells(0, 2), "«" + Name(0, 4) + "»");
    Grid->OnGetDisplText = nullptr;
    Grid->UnHideRowsAll();
    EXPECT_EQ(Grid->WideCells(0, 3), "ő in a hidden row");
}

TEST_F(CellAccessTest, AllColWidthsKeepTheWidthOfAHiddenColumn)
{
    FillNamed();
    Grid->SetColWidths(1, 37);
    Grid->SetColWidths(2, 55);
    Grid->HideColumn(1);
    EXPECT_EQ(Grid->AllColWidths(1), 37);
    EXPECT_EQ(Grid->AllColWidths(2), 55);
    Grid->SetAllColWidths(1, 44);
    Grid->SetAllColWidths(2, 66);
    EXPECT_EQ(Grid->ColWidths(1), 66);
    Grid->UnHideColumn(1);
    EXPECT_EQ(Grid->ColWidths(1), 44);
}

TEST_F(CellAccessTest, LinksAreFoundInLowerCaseAndAnchorsGiveTheirCaption)
{
    struct Case {
        const char* Text;
        const char* Url;
        const char* Caption;
    };
    const Case cases[] = {
        {"See HTTP://Example.COM/Path", "http://example.com/path", ""},
        {"mailto:Joe@Example.org", "mailto:joe@example.org", ""},
        {"<a href=\"https://a.b/c\">The Caption</a> more", "https://a.b/c", "The Caption"},
        {"<a href='ftp://files.x/y'>x</a>", "ftp://files.x/y", ""},
        {"file://c/data.txt and http://later", "file://c/data.txt and http://later", ""},
        {"no link here", "", ""},
    };
    Grid->SetColCount(2);
    for (const Case& c : cases) {
        Grid->SetCells(1, 1, c.Text);
        EXPECT_EQ(Grid->Hyperlink(1, 1), c.Url) << c.Text;
        std::string url, caption;
        Grid->GetHyperlinkDetails(1, 1, url, caption);
        EXPECT_EQ(url, c.Url) << c.Text;
        EXPECT_EQ(caption, c.Caption) << c.Text;
        EXPECT_EQ(Grid->HasHyperlink(1, 1), std::string(c.Url) != "") << c.Text;
    }
}

TEST_F(CellAccessTest, PlainTextAndLineCounts)
{
    Grid->SetCells(1, 1, "<b>bold</b> and <i>it</i>");
    EXPECT_EQ(Grid->StrippedCells(1, 1), "bold and it");
    for (const auto& [text, lines] : {std::pair<const char*, int>{"", 1}, {"one", 1}, {"a\r\nb", 2}, {"a\nb\rc", 3}}) {
        Grid->SetCells(1, 1, text);
        EXPECT_EQ(Grid->LinesInCell(1, 1), lines) << text;
    }
}

TEST_F(CellAccessTest, FormattingReadersLeaveUnformattedCellsAloneAndWritersStoreTheValues)
{
    EXPECT_EQ(Grid->Colors(1, 1), clGridNone);
    EXPECT_EQ(Grid->ColorsTo(1, 1), clGridNone);
    EXPECT_EQ(Grid->FontColors(1, 1), clGridNone);
    EXPECT_EQ(Grid->FontNames(1, 1), Grid->Font().Name());
    EXPECT_FALSE(Grid->CellReadOnly(1, 1));
    EXPECT_FALSE(Grid->HasCellProperties(1, 1));
    Grid->WordWraps(1, 1);
    EXPECT_TRUE(Grid->HasCellProperties(1, 1));

    Grid->SetColors(2, 2, 0x0000FF);
    Grid->SetFontColors(2, 2, 0x00FF00);
    Grid->SetFontNames(2, 2, "Arial");
    Grid->SetAlignments(2, 2, ui::taRightJustify);
    Grid->SetCellReadOnly(2, 2, true);
    EXPECT_EQ(Grid->Colors(2, 2), 0x0000FFu);
    EXPECT_EQ(Grid->FontColors(2, 2), 0x00FF00u);
    EXPECT_EQ(Grid->FontNames(2, 2), "Arial");
    EXPECT_EQ(Grid->Alignments(2, 2), ui::taRightJustify);
    EXPECT_TRUE(Grid->CellReadOnly(2, 2));
    for (int size : {8, 10, 11, 14}) {
        Grid->SetFontSizes(2, 2, size);
        EXPECT_EQ(Grid->FontSizes(2, 2), size);
    }
}

// Clearing a row colour returns plain cells to the defaults and keeps what else a cell holds.
TEST_F(CellAccessTest, RowColorNoneKeepsObjectsAndMergesOfTheRow)
{
    Grid->SetColCount(6);
    rtl::TObject userObject;
    Grid->SetRowColor(2, 0x00FFFF);
    Grid->SetObjects(1, 2, &userObject);
    Grid->MergeCells(3, 2, 2, 1);
    Grid->SetRowFontColor(2, 0x123456);
    for (int c = 1; c < 6; ++c) EXPECT_EQ(Grid->Colors(c, 2), 0x00FFFFu) << c;

    Grid->SetRowColor(2, clGridNone);
    EXPECT_EQ(Grid->Objects(1, 2), &userObject);
    EXPECT_EQ(Grid->Colors(1, 2), clGridNone);
    EXPECT_TRUE(Grid->IsMergedCell(3, 2));
    EXPECT_TRUE(Grid->IsMergedCell(4, 2));
    EXPECT_FALSE(Grid->HasCellProperties(2, 2));
    EXPECT_FALSE(Grid->HasCellProperties(5, 2));
    EXPECT_EQ(Grid->FontColors(5, 2), clGridNone);
    EXPECT_EQ(Grid->FontColors(1, 2), 0x123456u);
    Grid->SetObjects(1, 2, nullptr);
}

// A hidden row's record keeps the user objects of its cells; writing one there touches no
// shown cell and the object is in place when the row is shown again.
TEST_F(CellAccessTest, AllObjectsReachTheCellsOfHiddenRows)
{
    FillNamed();
    rtl::TObject first, second, third;
    Grid->SetObjects(2, 3, &first);
    Grid->HideRows(3, 4);
    EXPECT_EQ(Grid->AllObjects(2, 3), &first);
    EXPECT_EQ(Grid->AllObjects(1, 4), nullptr);
    EXPECT_EQ(Grid->AllObjects(9, 4), nullptr);

    Grid->SetAllObjects(1, 4, &second);  // the saved cell had no properties
    Grid->SetAllObjects(2, 3, &third);   // it had
    Grid->SetAllObjects(3, 5, &first);   // a shown row: real 5 is displayed at 3
    for (int r = 0; r < Grid->RowCount(); ++r)
        for (int c = 0; c < Grid->ColCount(); ++c) {
            if (c == 3 && r == 3) continue;
            EXPECT_EQ(Grid->Objects(c, r), nullptr) << c << "," << r;
        }
    EXPECT_EQ(Grid->Objects(3, 3), &first);
    EXPECT_EQ(Grid->AllObjects(1, 4), &second);

    Grid->UnHideRowsAll();
    EXPECT_EQ(Grid->Objects(1, 4), &second);
    EXPECT_EQ(Grid->Objects(2, 3), &third);
    EXPECT_EQ(Grid->Cells(1, 4), Name(1, 4));
    EXPECT_EQ(Grid->Objects(3, 5), &first);
}

// The current cell is read and written at the base cell of its merged block: the stored
// text, the displayed text through the display hook, and SetCurrentCell into the base.
TEST_F(CellAccessTest, CurrentCellUsesTheBaseCellOfAMergedBlock)
{
    FillNamed();
    Grid->MergeCells(1, 2, 2, 2);
    Grid->OnGetDisplText = [](grid::TSender, int, int, std::string& value) { value = "[" + value + "]"; };
    Grid->SetCol(2);
    Grid->SetRow(3);
    EXPECT_EQ(Grid->GetCurrentCell(), "c1r2");
    EXPECT_EQ(Grid->GetCurrentCellText(), "[c1r2]");
    EXPECT_EQ(Grid->GetStoredCell(3, 4), "c3r4");
    Grid->SetCurrentCell("merged");
    EXPECT_EQ(Grid->GetGridCell(1, 2), "merged");
    EXPECT_EQ(Grid->GetGridCell(2, 3), Name(2, 3));
}

// Rich text cells give the characters of their document; HTML cells lose their tags.
TEST_F(CellAccessTest, StrippedCellsOfRichTextGiveItsCharacters)
{
    const struct {
        const char* Text;
        const char* Plain;
    } cases[] = {
        {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hello \\b bold\\b0\\par second line}",
         "Hello bold\r\nsecond line"},
        {"{\\rtf1 a \\{b\\} \\\\c}", "a {b} \\c"},
        {"<b>{\\fake</b> not rich", "{\\fake not rich"},
        {"<i>plain</i>", "plain"},
    };
    for (const auto& c : cases) {
        Grid->SetCells(1, 1, c.Text);
        EXPECT_EQ(Grid->StrippedCells(1, 1), c.Plain) << c.Text;
    }
}

// Taking a cell's control away and placing it again leaves the count where it was.
TEST_F(CellAccessTest, CellControlsCountEachCellOnce)
{
    auto* control = new ui::TControl(Grid.get());
    Grid->SetCellControls(1, 1, control);
    Grid->SetCellControls(1, 1, control);  // the same cell again
    Grid->SetCellControls(2, 2, control);
    EXPECT_EQ(Grid->NumCellControls(), 2);
    EXPECT_EQ(Grid->GetCellControls(1, 1), control);
    EXPECT_EQ(Grid->GetCellControls(3, 3), nullptr);
    EXPECT_FALSE(Grid->HasCellProperties(3, 3));
    Grid->SetCellControls(1, 1, nullptr);
    Grid->SetCellControls(1, 1, nullptr);
    EXPECT_EQ(Grid->NumCellControls(), 1);
    Grid->SetCellControls(1, 1, control);
    EXPECT_EQ(Grid->NumCellControls(), 2);
    Grid->SetCellControls(1, 1, nullptr);
    Grid->SetCellControls(2, 2, nullptr);
}

}  // namespace

namespace {

using grid::TExtStringGrid;

TEST_F(CellAccessTest, FindMultiFindsRowsMatchingEveryColumnsConditionInTurn)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(6);
    const char* rows[][2] = {{"wheat", "Kiskunság"}, {"maize", "Kis Alföld"}, {"Wheat", "Kis Alföld"},
                             {"<b>wheat</b>", "Kis Alföld"}, {"barley", "Kiskunság"}};
    for (int r = 0; r < 5; ++r) {
        Grid->SetCells(1, r + 1, rows[r][0]);
        Grid->SetCells(2, r + 1, rows[r][1]);
    }
    const std::vector<std::string> conditions = {"wheat", "Kis A"};
    const std::vector<int> columns = {1, 2};
    const std::vector<TExtStringGrid::TMultiSearchType> types = {TExtStringGrid::stEqual, TExtStringGrid::stStartsWith};
    EXPECT_EQ(Grid->FindMulti(conditions, columns, types, {false, false}, true, true), 3);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->FindMultiNext(), 4);
    EXPECT_EQ(Grid->FindMultiNext(), -1);
    EXPECT_EQ(Grid->FindMulti(conditions, columns, types, {true, false}, false, false), -1);
    EXPECT_EQ(Grid->FindMulti({"a"}, {1}, {TExtStringGrid::stNotContains}, {false}, false, false), -1);
    EXPECT_EQ(Grid->FindMulti({"ley"}, {1}, {TExtStringGrid::stEndsWith}, {false}, false, false), 5);
    try {
        Grid->FindMulti(conditions, {1}, types, {false, false}, false, false);
        ADD_FAILURE() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Array size of parameters not matching");
    }
}

TEST_F(CellAccessTest, FindWideFindsLikeFindWithoutScrolling)
{
    Grid->SetCells(2, 3, "őszi búza");
    const rtl::TPoint hit = Grid->FindWide({-1, -1}, "BÚZA", 0);
    EXPECT_EQ(hit, (rtl::TPoint{2, 3}));
    EXPECT_EQ(Grid->FindWide(hit, "BÚZA", 0), (rtl::TPoint{-1, -1}));
}

}  // namespace
