// Find, find-all, replace and key search of the string grid, and the search footer driving them through its panel.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridButton.h"
#include "grid/core/GridCheckBox.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SearchPanel.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsButtons.h"

using namespace grid;
using ui::THeadlessBackend;
using G = TExtStringGrid;

namespace {

// One fixed row and column; normal cells:
//        col 1   col 2   col 3
// row 1  abc     ABC     q
// row 2  cab     zz      abd
// row 3  (empty) ab      r
// row 4  x       (empty) s
void FillCells(TExtStringGrid& g)
{
    g.SetColCount(4);
    g.SetRowCount(5);
    const char* cells[4][3] = {{"abc", "ABC", "q"}, {"cab", "zz", "abd"}, {"", "ab", "r"}, {"x", "", "s"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) g.SetCells(c + 1, r + 1, cells[r][c]);
}

std::string Hits(TExtStringGrid& g, const std::string& s, G::TFindParams params)
{
    // A hit in the range's last cell makes the next step start over at the far corner, so
    // the walk ends at the end of the range or when the first hit comes round again.
    std::string out;
    const rtl::TPoint first = g.FindFirst(s, params);
    for (rtl::TPoint p = first; p.X != -1; p = g.FindNext()) {
        if (!out.empty() && p == first) break;
        out += "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")";
        EXPECT_FALSE(g.FindBusy());
    }
    return out;
}

struct FindCase {
    const char* Name;
    std::string Text;
    G::TFindParams Params;
    std::string Expected;
};

class ExtGridFindTable : public ::testing::TestWithParam<FindCase> {};

TEST_P(ExtGridFindTable, FindFirstAndFindNextVisitTheHitsInOrder)
{
    const FindCase& tc = GetParam();
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    EXPECT_EQ(Hits(grid, tc.Text, tc.Params), tc.Expected) << tc.Name;
}

constexpr G::TFindParams P(G::TFindParameters p) { return G::FindParam(p); }

const FindCase FindCases[] = {
    {"down the columns, any case", "ab", 0, "(1,1)(1,2)(2,1)(2,3)(3,2)"},
    {"along the rows", "ab", P(G::fnDirectionLeftRight), "(1,1)(2,1)(1,2)(3,2)(2,3)"},
    {"backward from the last cell", "ab", P(G::fnBackward), "(3,2)(2,3)(2,1)(1,2)(1,1)"},
    {"match case", "ab", P(G::fnMatchCase), "(1,1)(1,2)(2,3)(3,2)"},
    {"upper-case text finds lower case", "ABC", 0, "(1,1)(2,1)"},
    {"match start finds abc but not cab", "ab", P(G::fnMatchStart), "(1,1)(2,1)(2,3)(3,2)"},
    {"match full finds only ab", "ab", P(G::fnMatchFull), "(2,3)"},
    {"two double quotes find empty cells", "\"\"", 0, "(1,3)(2,4)"},
    {"filter expression", "ab*", P(G::fnMatchRegular), "(1,1)(2,1)(2,3)(3,2)"},
    {"fixed cells searched on request", "", P(G::fnIncludeFixed) | P(G::fnMatchFull),
     "(0,0)(0,1)(0,2)(0,3)(0,4)(1,0)(1,3)(2,0)(2,4)(3,0)"},
    {"nothing found", "nope", 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, ExtGridFindTable, ::testing::ValuesIn(FindCases));

}  // namespace

TEST(ExtGridFind, FindNextAfterTheLastHitAnswersNoneAndThenStartsAgain)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    EXPECT_EQ(grid.FindFirst("abd", 0), (rtl::TPoint{3, 2}));
    EXPECT_EQ(grid.FindNext(), (rtl::TPoint{-1, -1}));
    EXPECT_EQ(grid.SearchCell(), (rtl::TPoint{-1, -1}));
    EXPECT_EQ(grid.FindNext(), (rtl::TPoint{3, 2}));
}

TEST(ExtGridFind, IgnoredColumnsAreSkippedAlongTheRowsButSearchedDownTheColumns)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    grid.IgnoreColumns().Add(2);
    EXPECT_EQ(Hits(grid, "ab", P(G::fnDirectionLeftRight)), "(1,1)(1,2)(3,2)");
    EXPECT_EQ(Hits(grid, "ab", 0), "(1,1)(1,2)(2,1)(2,3)(3,2)");
}

TEST(ExtGridFind, PresetColumnAndRowLimitTheSearch)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    grid.SetFindCol(2);
    EXPECT_EQ(Hits(grid, "ab", P(G::fnFindInPresetCol)), "(2,1)(2,3)");
    grid.SetFindRow(2);
    EXPECT_EQ(grid.FindFirst("ab", P(G::fnFindInPresetRow) | P(G::fnDirectionLeftRight)), (rtl::TPoint{1, 2}));
    EXPECT_EQ(grid.FindNext(), (rtl::TPoint{3, 2}));
}

TEST(ExtGridFind, FindWithAutoGotoFocusesTheHit)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    EXPECT_EQ(grid.Find({-1, -1}, "abd", P(G::fnAutoGoto)), (rtl::TPoint{3, 2}));
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 2);
}

TEST(ExtGridFind, FindAllCountsEveryHitFocusesTheFirstAndLaterStepsLeaveTheFocus)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    grid.SetCol(3);
    grid.SetRow(4);
    int count = 0;
    EXPECT_EQ(grid.FindAll("b", P(G::fnAutoGoto), count), (rtl::TPoint{1, 1}));
    EXPECT_EQ(count, 5);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_FALSE(grid.FindBusy());
    grid.SetSearchCell({1, 1});
    EXPECT_EQ(grid.FindNext(), (rtl::TPoint{1, 2}));
    EXPECT_EQ(grid.Row(), 1);
}

TEST(ExtGridFind, ReplaceChangesEveryHitIgnoringCaseAndCountsTheCells)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    EXPECT_EQ(grid.Replace("AB", "xy", P(G::fnMatchCase) | P(G::fnMatchStart)), 1);
    EXPECT_EQ(grid.Cells(2, 1), "xyC");
    EXPECT_EQ(grid.Replace("ab", "x-", 0), 4);
    EXPECT_EQ(grid.Cells(1, 1), "x-c");
    EXPECT_EQ(grid.Cells(1, 2), "cx-");
    EXPECT_EQ(grid.Cells(2, 3), "x-");
    EXPECT_EQ(grid.Cells(3, 2), "x-d");
    EXPECT_EQ(grid.Cells(3, 1), "q");
}

TEST(ExtGridFind, KeySearchFindsTheFirstRowWhoseTextStartsWithTheKey)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    EXPECT_EQ(grid.Search("CA"), 2);
    EXPECT_EQ(grid.Search("X"), 4);
    EXPECT_EQ(grid.Search("Q"), -1);  // the key search reads the first normal column
    grid.SetRowCount(1);
    EXPECT_EQ(grid.Search("A"), -1);
}

namespace {

class ExtGridSearchFooterTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        MakeGridOnForm(true, 700);
        Grid->SetBounds(0, 0, 640, 300);
        FillCells(*Grid);
        Grid->SearchFooter().SetShowResults(true);
        Grid->OnSearchFooterAction = [this](TSender, const std::string& v, int c, int r, TSearchFooterAction a) {
            Actions.push_back(v + " " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(a));
        };
        Form->Show();
        Grid->SearchFooter().SetVisible(true);
        Panel().EditControl()->SetFocus();
    }
    TSearchPanel& Panel() { return *Grid->SearchPanel(); }
    std::string Label() { return Panel().ResultLabel()->GetText(); }

    std::vector<std::string> Actions;
};

}  // namespace

TEST_F(ExtGridSearchFooterTest, TypingFindsTheFirstHitAndCountsAllOfThem)
{
    THeadlessBackend::TypeText("ab");
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->SearchFooter().ResultTot(), 5);
    EXPECT_EQ(Grid->SearchFooter().ResultPos(), 1);
    EXPECT_EQ(Label(), "(1 of 5)");
    ASSERT_FALSE(Actions.empty());
    EXPECT_EQ(Actions.back(), "ab 1,1 0");
}

TEST_F(ExtGridSearchFooterTest, ForwardAndBackwardStepThroughTheHitsAndWrapAtTheEnd)
{
    THeadlessBackend::TypeText("ab");
    Actions.clear();
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Label(), "(2 of 5)");
    THeadlessBackend::Click(Panel().BackwardButton(), 20, 10);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Label(), "(1 of 5)");
    EXPECT_EQ(Actions, (std::vector<std::string>{"ab 1,2 2", "ab 1,1 1"}));
    // Past the last hit the search ends, is asked whether to go on, and starts over.
    bool asked = false;
    Grid->OnSearchFooterSearchEnd = [&](TSender, bool&) { asked = true; };
    for (int i = 0; i < 5; ++i) THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Grid->SearchFooter().ResultPos(), 1);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(ExtGridSearchFooterTest, TextWithoutHitColoursTheSearchFieldAndEmptiesTheLabel)
{
    Grid->SearchFooter().SetSearchErrorColor(0x0000FF);
    THeadlessBackend::TypeText("ab");
    THeadlessBackend::TypeText("q");
    EXPECT_EQ(Panel().EditControl()->Color(), 0x0000FF);
    EXPECT_EQ(Grid->SearchFooter().ResultPos(), -1);
    EXPECT_EQ(Label(), "");
    THeadlessBackend::PressKey(ui::VK_BACK);
    EXPECT_EQ(Panel().EditControl()->Color(), gfx::clWindow);
    EXPECT_EQ(Label(), "(1 of 5)");
}

TEST_F(ExtGridSearchFooterTest, MatchCaseNarrowsTheHitsOfTheNextSearch)
{
    Panel().MatchCase()->SetChecked(true);
    THeadlessBackend::TypeText("AB");
    EXPECT_EQ(Label(), "(1 of 1)");
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(ExtGridSearchFooterTest, CloseButtonHidesTheFooterAndTellsTheApplication)
{
    int closed = 0;
    Grid->OnSearchFooterClose = [&](TSender) { ++closed; };
    Form->PaintPending();
    THeadlessBackend::Click(Panel().ExitButton(), 5, 5);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(Grid->SearchFooter().Visible());
    EXPECT_FALSE(Panel().Visible());
}
