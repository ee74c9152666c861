// Tests of the string grid's event hooks: the default each answers and how an assigned event sees and changes it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

std::string B(bool v) { return v ? "true" : "false"; }

struct HookCase {
    const char* Name;
    std::function<void(TExtStringGrid&)> Setup;
    std::function<std::string(TExtStringGrid&)> Ask;
    std::string Expected;
};

class ExtGridHooksTable : public ::testing::TestWithParam<HookCase> {};

TEST_P(ExtGridHooksTable, HookAnswersItsDefaultOrWhatItsEventMakesOfIt)
{
    const HookCase& tc = GetParam();
    TExtStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(8);
    if (tc.Setup) tc.Setup(grid);
    EXPECT_EQ(tc.Ask(grid), tc.Expected);
}

std::string CheckTrue(TExtStringGrid& g)
{
    std::string v = "?";
    g.GetCheckTrue(2, 2, v);
    return v;
}

std::string Fixed(TExtStringGrid& g, int c, int r)
{
    bool f = false;
    g.IsFixedCell(r, c, f);
    return B(f);
}

std::string Editable(TExtStringGrid& g, int c, int r)
{
    bool e = true;
    g.IsEditableCell(c, r, e);
    return B(e);
}

const HookCase HookCases[] = {
    {"check true text without event", nullptr, CheckTrue, "Y"},
    {"check true event sees the default",
     [](TExtStringGrid& g) { g.OnGetCheckTrue = [](TSender, int, int, std::string& v) { v += "es"; }; }, CheckTrue,
     "Yes"},
    {"check false text follows the grid's",
     [](TExtStringGrid& g) { g.SetCheckFalse("Nein"); },
     [](TExtStringGrid& g) {
         std::string v;
         g.GetCheckFalse(1, 1, v);
         return v;
     },
     "Nein"},
    {"no editor without event", nullptr, [](TExtStringGrid& g) { return B(g.CellHasNoEditor(2, 2)); }, "false"},
    {"no editor when the event answers edNone",
     [](TExtStringGrid& g) {
         g.OnGetEditorType = [](TSender, int c, int, TEditorType& e) {
             EXPECT_EQ(e, edNormal);
             if (c == 2) e = edNone;
         };
     },
     [](TExtStringGrid& g) { return B(g.CellHasNoEditor(2, 2)) + B(g.CellHasNoEditor(3, 2)); }, "truefalse"},
    {"fixed column is fixed without asking the event",
     [](TExtStringGrid& g) { g.OnIsFixedCell = [](TSender, int, int, bool&) { ADD_FAILURE() << "asked"; }; },
     [](TExtStringGrid& g) { return Fixed(g, 0, 2) + Fixed(g, 2, 0); }, "truetrue"},
    {"event makes a normal cell fixed",
     [](TExtStringGrid& g) { g.OnIsFixedCell = [](TSender, int r, int c, bool& f) { f = r == 3 && c == 4; }; },
     [](TExtStringGrid& g) { return Fixed(g, 4, 3) + Fixed(g, 3, 3); }, "truefalse"},
    {"read-only cell is not editable",
     [](TExtStringGrid& g) {
         g.SetOptions(g.Options() | ui::goEditing);
         g.CellProperties(2, 2)->SetReadOnly(true);
     },
     [](TExtStringGrid& g) { return Editable(g, 2, 2); }, "false"},
    {"member of a block asks for its base cell",
     [](TExtStringGrid& g) {
         g.SetOptions(g.Options() | ui::goEditing);
         g.MergeCells(1, 1, 2, 2);
         g.OnCanEditCell = [](TSender, int r, int c, bool& e) { e = e && r == 1 && c == 1; };
     },
     [](TExtStringGrid& g) { return Editable(g, 2, 2) + Editable(g, 4, 4); }, "truefalse"},
    {"cell with properties is not editable without the editing option",
     [](TExtStringGrid& g) { g.CellProperties(2, 2); },
     [](TExtStringGrid& g) { return Editable(g, 2, 2) + Editable(g, 3, 3); }, "falsetrue"},
    {"combo box without event", nullptr,
     [](TExtStringGrid& g) { return B(g.HasComboBox(2, 2, edComboList)) + B(g.HasEditBtn(2, 2, edEditBtn)); },
     "falsefalse"},
    {"spin edit never in a fixed cell",
     [](TExtStringGrid& g) { g.OnHasSpinEdit = [](TSender, int, int, bool& v) { v = true; }; },
     [](TExtStringGrid& g) { return B(g.HasSpinEdit(0, 2, edSpinEdit)) + B(g.HasSpinEdit(2, 2, edSpinEdit)); },
     "falsetrue"},
    {"combo box and edit button in every cell with drop-downs always visible",
     [](TExtStringGrid& g) {
         g.ControlLook().SetDropDownAlwaysVisible(true);
         g.SetDefaultEditor(edComboList);
     },
     [](TExtStringGrid& g) {
         return B(g.HasComboBox(2, 2, edNone)) + B(g.HasComboBox(2, 2, edNormal)) + B(g.HasEditBtn(2, 2, edEditBtn));
     },
     "truefalsetrue"},
    {"combo box event decides alone",
     [](TExtStringGrid& g) {
         g.ControlLook().SetDropDownAlwaysVisible(true);
         g.OnHasComboBox = [](TSender, int c, int, bool& v) {
             EXPECT_FALSE(v);
             v = c == 3;
         };
     },
     [](TExtStringGrid& g) { return B(g.HasComboBox(2, 2, edComboList)) + B(g.HasComboBox(3, 2, edNormal)); },
     "falsetrue"},
    {"spin buttons always visible for spin editors only",
     [](TExtStringGrid& g) {
         g.ControlLook().SetSpinButtonsAlwaysVisible(true);
         g.OnGetEditorType = [](TSender, int c, int, TEditorType& e) {
             if (c == 2) e = edFloatSpinEdit;
         };
     },
     [](TExtStringGrid& g) { return B(g.HasSpinEdit(2, 2, edNone)) + B(g.HasSpinEdit(3, 2, edNone)); },
     "truefalse"},
    {"filter edit row skips the fixed column and the event cannot add it back",
     [](TExtStringGrid& g) {
         g.FilterEdit().SetEnabled(true);
         g.FilterEdit().SetRow(1);
         g.OnHasFilterEdit = [](TSender, int c, bool& v) {
             EXPECT_TRUE(v);
             v = c != 4;
         };
     },
     [](TExtStringGrid& g) {
         return B(g.HasFilterEdit(0, 1)) + B(g.HasFilterEdit(2, 1)) + B(g.HasFilterEdit(4, 1)) +
                B(g.HasFilterEdit(2, 2));
     },
     "falsetruefalsefalse"},
    {"filter edit in every column with fdAll",
     [](TExtStringGrid& g) {
         g.FilterEdit().SetEnabled(true);
         g.FilterEdit().SetRow(1);
         g.FilterEdit().SetColumns(fdAll);
     },
     [](TExtStringGrid& g) { return B(g.HasFilterEdit(0, 1)); }, "true"},
    {"node rows are underlined by the grouping, summary rows overlined",
     [](TExtStringGrid& g) {
         g.Grouping().SetHeaderUnderline(true);
         g.Grouping().SetSummaryLine(true);
         g.Grouping().SetSummaryLineWidth(3);
         g.CreateCellGraphic(0, 2)->SetCellType(ctNode);
         g.CreateCellGraphic(0, 4)->SetCellType(ctSummary);
     },
     [](TExtStringGrid& g) {
         std::string out;
         for (auto [c, r] : {std::pair{1, 2}, std::pair{0, 2}, std::pair{1, 4}, std::pair{1, 3}}) {
             gfx::TPen pen;
             TCellBorders borders;
             g.GetCellBorder(c, r, &pen, borders);
             out += std::to_string(borders.Contains(cbBottom)) + std::to_string(borders.Contains(cbTop)) +
                    std::to_string(pen.Width()) + " ";
         }
         return out;
     },
     "102 001 013 001 "},
    {"wide hint replaces the hint in escaped form",
     [](TExtStringGrid& g) {
         g.OnGridHint = [](TSender, int, int, std::string& h) { h = "plain"; };
         g.OnGridWideHint = [](TSender, int, int, std::string& h) { h = "\xC5\x91"; };
     },
     [](TExtStringGrid& g) {
         std::string hint;
         std::string wide;
         g.GridHint(1, 1, hint, wide);
         return hint == EncodeUnicodeEscapes("\xC5\x91") ? std::string("escaped") : hint;
     },
     "escaped"},
    {"empty wide hint keeps the hint",
     [](TExtStringGrid& g) {
         g.OnGridHint = [](TSender, int, int, std::string& h) { h = "plain"; };
         g.OnGridWideHint = [](TSender, int, int, std::string&) {};
     },
     [](TExtStringGrid& g) {
         std::string hint;
         std::string wide;
         g.GridHint(1, 1, hint, wide);
         return hint;
     },
     "plain"},
    {"hotmail row select centres column 0, then the event",
     [](TExtStringGrid& g) {
         g.MouseActions().SetHotmailRowSelect(true);
         g.OnGetAlignment = [](TSender, int, int, ui::TAlignment&, TVAlignment& v) { v = vtaBottom; };
     },
     [](TExtStringGrid& g) {
         ui::TAlignment h0 = ui::taLeftJustify;
         ui::TAlignment h1 = ui::taLeftJustify;
         TVAlignment v = vtaTop;
         g.GetCellAlignment(0, 2, h0, v);
         g.GetCellAlignment(1, 2, h1, v);
         return std::to_string(h0 == ui::taCenter) + std::to_string(h1 == ui::taCenter) +
                std::to_string(v == vtaBottom);
     },
     "101"},
    {"can sort event sees the default",
     [](TExtStringGrid& g) { g.OnCanSort = [](TSender, int c, bool& s) { s = s && c != 3; }; },
     [](TExtStringGrid& g) {
         bool a = true;
         bool b = true;
         g.CanSort(2, a);
         g.CanSort(3, b);
         return B(a) + B(b);
     },
     "truefalse"},
};

INSTANTIATE_TEST_SUITE_P(Hooks, ExtGridHooksTable, ::testing::ValuesIn(HookCases));

// Colours the painter asks for through GetCellColor.
TEST(ExtGridCellColorTest, PropertyBrushOnlyForPlainGraphicKindsFontAlwaysThenTheEvent)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(8);
    grid.CellProperties(2, 2)->SetBrushColor(gfx::clYellow);
    grid.CellProperties(2, 2)->SetFontColor(gfx::clRed);
    grid.CellProperties(3, 2)->SetBrushColor(gfx::clYellow);
    grid.CellProperties(3, 2)->SetFontColor(gfx::clRed);
    grid.CreateCellGraphic(3, 2)->SetCellType(ctProgress);
    gfx::TBrush brush;
    gfx::TFont font;
    brush.SetColor(gfx::clWhite);
    grid.GetCellColor(2, 2, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), gfx::clYellow);
    EXPECT_EQ(font.Color(), gfx::clRed);
    brush.SetColor(gfx::clWhite);
    font.SetColor(gfx::clBlack);
    grid.GetCellColor(3, 2, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), gfx::clWhite);  // a progress bar keeps the grid's brush
    EXPECT_EQ(font.Color(), gfx::clRed);
    grid.OnGetCellColor = [](TSender, int r, int c, ui::TGridDrawState, gfx::TBrush* b, gfx::TFont*) {
        if (r == 2 && c == 2 && b->Color() == gfx::clYellow) b->SetColor(gfx::clLime);
    };
    grid.GetCellColor(2, 2, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), gfx::clLime);
}

// A new property object takes the cell's own look, never the colour of the
// moment: fixed cells, bands and gradient backgrounds leave its brush unset.
TEST(ExtGridCellColorTest, NewPropertyObjectsNeverTakeOverFixedBandOrBackgroundColours)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(8);
    grid.SetColor(gfx::clAqua);
    EXPECT_EQ(grid.CellProperties(2, 2)->BrushColor(), gfx::clAqua);
    EXPECT_EQ(grid.CellProperties(0, 3)->BrushColor(), gfx::clNone);  // fixed column
    EXPECT_EQ(grid.CellProperties(3, 0)->BrushColor(), gfx::clNone);  // fixed row

    grid.Bands().SetActive(true);
    EXPECT_EQ(grid.CellProperties(2, 4)->BrushColor(), gfx::clNone);
    grid.Bands().SetActive(false);

    grid.BackGround().SetDisplay(bdGradientVert);
    EXPECT_EQ(grid.CellProperties(3, 5)->BrushColor(), gfx::clNone);
    grid.BackGround().SetDisplay(bdTile);
    EXPECT_EQ(grid.CellProperties(4, 5)->BrushColor(), gfx::clAqua);
}

TEST(ExtGridCellColorTest, ActiveCellHeadersTakeTheActiveCellLook)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(8);
    grid.SetActiveCellShow(true);
    grid.SetActiveCellColor(gfx::clTeal);
    grid.ActiveCellFont().SetColor(gfx::clMaroon);
    grid.SetCol(3);
    grid.SetRow(5);
    auto look = [&](int c, int r) {
        gfx::TBrush brush;
        gfx::TFont font;
        brush.SetColor(gfx::clWhite);
        grid.GetCellColor(c, r, ui::gdFixed, &brush, &font);
        return brush.Color() == gfx::clTeal && font.Color() == gfx::clMaroon;
    };
    EXPECT_TRUE(look(0, 5));
    EXPECT_TRUE(look(3, 0));
    EXPECT_FALSE(look(0, 4));
    EXPECT_FALSE(look(2, 0));
}

}  // namespace

namespace {

TEST(ExtGridCellCursorTest, CursorTheEventAnswersIsShownAtOnceWhenItDiffersFromTheGrids)
{
    ui::TApplication app;
    auto backend = std::make_unique<ui::THeadlessBackend>();
    ui::THeadlessBackend* headless = backend.get();
    app.SetBackend(std::move(backend));
    TExtStringGrid grid(nullptr);
    headless->SetCursorShape(ui::crDefault);
    grid.GetCellCursor(2, 2, 5, 5);  // no event: nothing changes
    EXPECT_EQ(headless->CursorShape(), ui::crDefault);
    int seen = 1;
    grid.OnGetCellCursor = [&](TSender, int c, int, int, int, int& cursor) {
        seen = cursor;
        if (c == 2) cursor = ui::crHandPoint;
    };
    grid.GetCellCursor(2, 2, 5, 5);
    EXPECT_EQ(seen, ui::Screen().Cursor());
    EXPECT_EQ(headless->CursorShape(), ui::crHandPoint);
    headless->SetCursorShape(ui::crDefault);
    grid.GetCellCursor(3, 2, 5, 5);  // the grid's own cursor: left as it is
    EXPECT_EQ(headless->CursorShape(), ui::crDefault);
}

}  // namespace

TEST(ExtGridCellBorderTest, GridHasABorderEventExactlyWhileOnGetCellBorderIsAssigned)
{
    TExtStringGrid grid(nullptr);
    EXPECT_FALSE(grid.HasCellBorderEvent());
    grid.OnGetCellBorder = [](TSender, int, int, gfx::TPen*, TCellBorders&) {};
    EXPECT_TRUE(grid.HasCellBorderEvent());
    grid.OnGetCellBorder = nullptr;
    EXPECT_FALSE(grid.HasCellBorderEvent());
}
