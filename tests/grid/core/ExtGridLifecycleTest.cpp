// Tests of the string grid's construction defaults, form loading, copying, sizing and freeing.
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

class ExtGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
    }
    void TearDown() override { App.reset(); }
    std::unique_ptr<ui::TApplication> App;
};

// A form with a handler table, as the main window has.
class TGridForm : public ui::TForm {
public:
    explicit TGridForm(rtl::TComponent* owner) : ui::TForm(owner)
    {
        Methods().RegisterMethod("plantingTBSetEditText",
                                 ui::TSetEditEvent([this](rtl::TObject*, int c, int r, const std::string& v) {
                                     Edits.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
                                 }));
        Methods().RegisterMethod("plantingTBClickCell", TClickCellEvent([this](TSender, int r, int c) {
                                     Edits.push_back("click " + std::to_string(c) + "," + std::to_string(r));
                                 }));
    }
    std::vector<std::string> Edits;
};

}  // namespace

TEST_F(ExtGridTest, NewGridHasTheDocumentedDefaults)
{
    TExtStringGrid grid(nullptr);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.DefaultRowHeight(), 22);
    EXPECT_EQ(grid.FixedRowHeight(), 22);
    EXPECT_EQ(grid.Width(), 400);
    EXPECT_EQ(grid.Height(), 250);
    EXPECT_EQ(grid.FloatFormat(), "%.2f");
    EXPECT_EQ(grid.CheckTrue(), "Y");
    EXPECT_EQ(grid.CheckFalse(), "N");
    EXPECT_EQ(grid.PasswordChar(), "*");
    EXPECT_EQ(grid.Look(), glXP);
    EXPECT_EQ(grid.Style(), tsWindowsXP);
    EXPECT_EQ(grid.FixedFont().Name(), "Tahoma");
    EXPECT_TRUE(grid.FixedFont().Style().Contains(gfx::fsBold));
    EXPECT_TRUE(grid.ActiveCellFont().Style().Contains(gfx::fsBold));
    EXPECT_EQ(grid.ActiveCellColor(), 0x808080u);
    EXPECT_EQ(grid.SelectionColor(), 0xEACAB6u);
    EXPECT_EQ(grid.HintColor(), 0xFF000018u);
    EXPECT_EQ(grid.FilterDropDownClear(), "(All)");
    EXPECT_EQ(grid.XMLEncoding(), "ISO-8859-1");
    EXPECT_EQ(grid.XYOffset(), (rtl::TPoint{2, 2}));
    EXPECT_EQ(grid.DefaultEditor(), edNormal);
    EXPECT_EQ(grid.InvalidEntryIcon(), ieWarning);
    EXPECT_TRUE(grid.SaveFixedCells());
    EXPECT_FALSE(grid.SaveHiddenCells());
    EXPECT_EQ(grid.Version(), "8.3.2.3");
    EXPECT_EQ(grid.GetVersionString(), "8.3.2.3 Aug, 2017");
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    for (int c = 0; c < grid.ColCount(); ++c) EXPECT_TRUE(grid.ColumnVisible(c));
    // Base grid defaults set through the setters: the platform draws no lines or cells itself.
    EXPECT_EQ(grid.GridLineWidth(), 1);
    EXPECT_EQ(grid.ui::TCustomGrid::GridLineWidth(), 0);
    EXPECT_FALSE(grid.ui::TCustomGrid::DefaultDrawing());
    EXPECT_EQ(grid.GridLineColor(), 0xC0C0C0u);
    EXPECT_EQ(grid.NormalRowCount(), 10);
    // Run-time objects exist in a grid that is not designed; the hot-item cursor is the hand.
    EXPECT_TRUE(grid.HasRunTimeObjects());
    EXPECT_NE(grid.ArrowWindow(arrLeft), nullptr);
    EXPECT_NE(grid.FocusWindow(), nullptr);
    EXPECT_EQ(HotItemCursor(), ui::crHandPoint);
    EXPECT_FALSE(grid.HasCellProps());
    EXPECT_TRUE(grid.ControlStyle() & ui::csAcceptsControls);
}

TEST_F(ExtGridTest, FormDescriptionCreatesTheGridWithPublishedPropertiesAndEditEvent)
{
    RegisterExtGridClasses();
    auto* form = new TGridForm(App.get());
    ui::ReadComponentResText("object Form1: TGridForm\n"
                             "  object plantingTB: TExtStringGrid\n"
                             "    Left = 8\n"
                             "    ColCount = 4\n"
                             "    RowCount = 6\n"
                             "    FixedCols = 0\n"
                             "    DefaultRowHeight = 24\n"
                             "    FixedRowHeight = 24\n"
                             "    GridLineColor = clMedGray\n"
                             "    GridFixedLineColor = clMedGray\n"
                             "    SelectionColor = clSkyBlue\n"
                             "    ShowFocusedSelectionColor = False\n"
                             "    Flat = True\n"
                             "    HintShowLargeText = True\n"
                             "    HintShowLargeTextPos = hpCursor\n"
                             "    FixedFont.Name = 'Calibri'\n"
                             "    FixedFont.Height = -16\n"
                             "    FixedFont.Style = [fsBold]\n"
                             "    ScrollBarAlways = saVert\n"
                             "    UseStyleServices = False\n"
                             "    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]\n"
                             "    OnSetEditText = plantingTBSetEditText\n"
                             "    OnClickCell = plantingTBClickCell\n"
                             "    ColumnHeaders.Strings = (\n"
                             "      'DATE'\n"
                             "      'CROP')\n"
                             "    Version = '1.0.0.0'\n"
                             "  end\n"
                             "end\n",
                             "Unit1.dfm", form);
    auto* grid = dynamic_cast<TExtStringGrid*>(form->FindComponent("plantingTB"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_FALSE(grid->UseStyleServices());
    EXPECT_EQ(grid->NormalRowCount(), 6);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->DefaultRowHeight(), 24);
    EXPECT_EQ(grid->GridLineColor(), gfx::clMedGray);
    EXPECT_EQ(grid->SelectionColor(), gfx::clSkyBlue);
    EXPECT_FALSE(grid->ShowFocusedSelectionColor());
    EXPECT_TRUE(grid->Flat());
    EXPECT_EQ(grid->HintShowLargeTextPos(), hpCursor);
    EXPECT_EQ(grid->FixedFont().Name(), "Calibri");
    EXPECT_EQ(grid->FixedFont().Height(), -16);
    EXPECT_EQ(grid->ScrollBarAlways(), saVert);
    EXPECT_TRUE(grid->IsLoaded());
    EXPECT_EQ(grid->FixedRowsMin(), 1);
    EXPECT_EQ(grid->Version(), "8.3.2.3");
    EXPECT_EQ(grid->Cells(0, 0), "DATE");  // headers written into row 0
    EXPECT_EQ(grid->Cells(1, 0), "CROP");
    EXPECT_EQ(ui::GetPropertyByName(grid, "HintShowLargeTextPos"), "hpCursor");
    // Loading records the column order and the widths as loaded.
    EXPECT_EQ(grid->ColumnOrder().Count(), 4);
    EXPECT_EQ(grid->OrigColSizes().Count(), 4);
    ASSERT_TRUE(grid->OnClickCell);
    grid->OnClickCell(grid, 3, 2);
    EXPECT_EQ(form->Edits.back(), "click 2,3");

    // The storyline tables' edit road: the editor hands text to the grid, which keeps it
    // and fires the edit-text event with column, row and text.
    grid->SetParent(form);
    form->Show();
    grid->SetFocus();
    grid->SetCol(1);
    grid->SetRow(2);
    grid->SetEditorMode(true);
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    grid->InplaceEditor()->SetText("maize");
    EXPECT_EQ(grid->Cells(1, 2), "maize");
    ASSERT_FALSE(form->Edits.empty());
    EXPECT_EQ(form->Edits.back(), "1,2=maize");
}

namespace {
int LiveGridProps = 0;
class TGridCountingProps : public TCellProperties {
public:
    TGridCountingProps(TBaseGrid* owner, int c, int r) : TCellProperties(owner, c, r) { ++LiveGridProps; }
    ~TGridCountingProps() override { --LiveGridProps; }
};

void FillRow(TExtStringGrid& grid, int row)
{
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetCells(c, row, "c" + std::to_string(c));
}
}  // namespace

TEST_F(ExtGridTest, HiddenColumnsAreStoredBeyondColCountAndComeBackInPlace)
{
    TExtStringGrid grid(nullptr);
    FillRow(grid, 1);
    grid.SetColWidths(2, 90);
    grid.SetCellProperties(2, 1, new TGridCountingProps(&grid, 2, 1));
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.NumHiddenColumns(), 1);
    EXPECT_EQ(grid.TotalColCount(), 5);
    EXPECT_TRUE(grid.IsHiddenColumn(2));
    EXPECT_FALSE(grid.ColumnVisible(2));
    EXPECT_TRUE(grid.ColumnVisible(3));
    EXPECT_EQ(grid.Cells(2, 1), "c3");
    EXPECT_EQ(grid.GridCells(4, 1), "c2");  // the hidden column's storage
    EXPECT_TRUE(grid.HasCellProperties(4, 1));
    EXPECT_EQ(grid.RealColIndex(2), 3);
    EXPECT_EQ(grid.RealColIndex(4), 2);
    EXPECT_EQ(grid.DisplColIndex(3), 2);
    EXPECT_EQ(grid.DisplColIndex(2), 4);

    grid.HideColumn(0);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.GridCells(0, 1), "c1");
    EXPECT_EQ(grid.GridCells(3, 1), "c0");  // hidden columns in ascending real order
    EXPECT_EQ(grid.GridCells(4, 1), "c2");
    EXPECT_EQ(grid.RealColIndex(1), 3);
    EXPECT_EQ(grid.DisplColIndex(4), 2);

    grid.UnHideColumnsAll();
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    for (int c = 0; c < 5; ++c) EXPECT_EQ(grid.Cells(c, 1), "c" + std::to_string(c));
    EXPECT_EQ(grid.ColWidths(2), 90);
    EXPECT_TRUE(grid.ColumnVisible(2));
    EXPECT_TRUE(grid.HasCellProperties(2, 1));
    EXPECT_EQ(LiveGridProps, 1);
}

TEST_F(ExtGridTest, DestroyingAGridWithHiddenColumnsFreesEveryPropertyObject)
{
    LiveGridProps = 0;
    {
        TExtStringGrid grid(nullptr);
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 10; ++r) grid.SetCellProperties(c, r, new TGridCountingProps(&grid, c, r));
        grid.HideColumn(1);
        grid.HideColumn(3);
        grid.MergeCells(0, 1, 2, 2);
        grid.SetRowCount(4);  // rows below survive the shrink
        EXPECT_EQ(LiveGridProps, 50);
    }
    EXPECT_EQ(LiveGridProps, 0);
}

TEST_F(ExtGridTest, SetCommentKeepsOneCommentPerCellWithTheLastText)
{
    TExtStringGrid grid(nullptr);
    grid.SetComment(1, 0, "first");
    TCellGraphic* g = grid.GetCellGraphic(1, 0);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->CellType(), ctNone);
    EXPECT_EQ(g->CommentColor(), grid.CommentColor());
    g->SetCommentColor(gfx::clBlue);
    grid.SetComment(1, 0, "Date of Planting (yyyy-mm-dd)");
    EXPECT_EQ(grid.GetCellGraphic(1, 0), g);  // the same record, its colour kept
    EXPECT_EQ(grid.GetComment(1, 0), "Date of Planting (yyyy-mm-dd)");
    EXPECT_EQ(g->CommentColor(), gfx::clBlue);
    EXPECT_EQ(grid.Cells(1, 0), "");
    EXPECT_EQ(grid.GetCellType(2, 0), ctEmpty);  // no record
    EXPECT_EQ(grid.GetCellGraphic(2, 0), nullptr);
}

TEST_F(ExtGridTest, RowCountKeepsNormalRowsAndCellsReadThroughTheDisplayHook)
{
    TExtStringGrid grid(nullptr);
    grid.OnGetDisplText = [](TSender, int, int, std::string& v) { v += "!"; };
    grid.SetCells(1, 12, "below");
    grid.SetCells(1, 3, "in");
    EXPECT_EQ(grid.Cells(1, 3), "in!");
    EXPECT_EQ(grid.Cells(1, 12), "below");
    grid.SetRowCount(20);
    EXPECT_EQ(grid.NormalRowCount(), 20);
    EXPECT_EQ(grid.Cells(1, 12), "below!");
    EXPECT_EQ(grid.SuppressRowSizes().Count(), 10);  // one height per new row
}

TEST_F(ExtGridTest, GroupHeadersShowTheirRowCountAfterALinkedUrl)
{
    TExtStringGrid grid(nullptr);
    grid.SetRowCount(12);
    grid.SetCells(1, 1, "see www.x.org");
    grid.SetCells(1, 7, "second");
    grid.AddNode(1, 5);
    grid.AddNode(7, 2);
    grid.Grouping().SetShowGroupCount(true);
    EXPECT_EQ(grid.Cells(1, 7), "second (1)");
    EXPECT_EQ(grid.Cells(1, 1), "see www.x.org (4)");
    EXPECT_EQ(grid.Cells(2, 1), "");  // only column 1 carries the count
    EXPECT_EQ(grid.Cells(1, 2), "");  // and only on group headers
    grid.SetURLShowInText(true);
    EXPECT_EQ(grid.Cells(1, 1), "see <a href=\"www.x.org\">www.x.org</a> (4)");
    grid.Grouping().SetGroupCountFormat(" [%d rows]");
    EXPECT_EQ(grid.Cells(1, 7), "second [1 rows]");
    grid.Grouping().SetShowGroupCount(false);
    EXPECT_EQ(grid.Cells(1, 7), "second");
}

TEST_F(ExtGridTest, AssignCopiesSettingsSizesAndCellsFromAnotherStringGridOnly)
{
    TExtStringGrid src(nullptr);
    src.SetColCount(3);
    src.SetRowCount(4);
    src.SetColWidths(1, 111);
    src.SetRowHeights(2, 33);
    src.SetSelectionColor(0x112233);
    src.SetCells(1, 2, "copied");
    src.MergeCells(0, 1, 2, 1);
    src.SetComment(2, 0, "note");

    TExtStringGrid dst(nullptr);
    ui::TStringGrid plain(nullptr);
    plain.SetColCount(9);
    dst.Assign(&plain);  // another class: nothing changes
    EXPECT_EQ(dst.ColCount(), 5);

    dst.Assign(&src);
    EXPECT_EQ(dst.ColCount(), 3);
    EXPECT_EQ(dst.RowCount(), 4);
    EXPECT_EQ(dst.ColWidths(1), 111);
    EXPECT_EQ(dst.RowHeights(2), 33);
    EXPECT_EQ(dst.SelectionColor(), 0x112233u);
    EXPECT_EQ(dst.Cells(1, 2), "copied");
    EXPECT_TRUE(dst.IsMergedCell(1, 1));
    EXPECT_EQ(dst.GetComment(2, 0), "note");
    EXPECT_NE(dst.GetCellGraphic(2, 0), src.GetCellGraphic(2, 0));  // a copy, not shared
}

TEST_F(ExtGridTest, AssignKeepsTheSourcesScrollTypeAfterCopyingItsLook)
{
    TExtStringGrid src(nullptr);
    src.SetLook(glOffice2007);
    src.SetScrollType(ssMetro);
    TExtStringGrid dst(nullptr);
    dst.Assign(&src);
    EXPECT_EQ(dst.Look(), glOffice2007);
    EXPECT_EQ(dst.ScrollType(), ssMetro);
}

TEST_F(ExtGridTest, IntegralHeightCutsTheInnerHeightToWholeRows)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetIntegralHeight(true);
    grid.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid.Height(), 92);
    grid.SetIntegralHeight(false);
    grid.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid.Height(), 100);
}

TEST_F(ExtGridTest, ScrollBarAlwaysShowsADisabledBarWhileAllRowsFit)
{
    auto* form = new ui::TForm(App.get());
    form->SetBounds(0, 0, 500, 400);
    auto* grid = new TExtStringGrid(form);
    grid->SetParent(form);
    grid->SetRowCount(3);
    form->Show();
    grid->SetScrollBarAlways(saVert);
    EXPECT_TRUE(grid->ScrollBarState(ui::SB_VERT).Shown);
    EXPECT_FALSE(grid->ScrollBarState(ui::SB_VERT).Enabled);
    grid->SetRowCount(100);
    grid->ApplyScrollBarAlways(false);
    EXPECT_TRUE(grid->ScrollBarState(ui::SB_VERT).Enabled);
}

TEST_F(ExtGridTest, UpdateBracketNestsSuspendsRedrawingAndIgnoresAnUnbalancedEnd)
{
    auto* form = new ui::TForm(App.get());
    form->SetBounds(0, 0, 500, 400);
    auto* grid = new TExtStringGrid(form);
    grid->SetParent(form);
    form->Show();
    grid->BeginUpdate();
    grid->BeginUpdate();
    EXPECT_EQ(grid->UpdateCount(), 2);
    EXPECT_TRUE(grid->RedrawSuppressed());
    grid->EndUpdate();
    EXPECT_TRUE(grid->RedrawSuppressed());
    grid->EndUpdate();
    EXPECT_FALSE(grid->RedrawSuppressed());
    grid->EndUpdate();
    EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST_F(ExtGridTest, CreatingACellGraphicReplacesTheCellsOldOne)
{
    TExtStringGrid grid(nullptr);
    TCellGraphic* first = grid.CreateCellGraphic(1, 1);
    first->SetCellType(ctComment);
    TCellGraphic* second = grid.CreateCellGraphic(1, 1);
    EXPECT_EQ(grid.GetCellGraphic(1, 1), second);
    EXPECT_EQ(grid.GetCellType(1, 1), ctNone);
}

TEST_F(ExtGridTest, ClearingTheWholeGridFreesPropertiesAndGraphicsAndEmptiesTexts)
{
    LiveGridProps = 0;
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, "a");
    grid.SetCells(3, 4, "b");
    grid.SetCellProperties(2, 2, new TGridCountingProps(&grid, 2, 2));
    grid.SetComment(3, 3, "note");
    grid.ClearRect(1, 1, 2, 2);  // part of the grid
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(3, 4), "b");
    EXPECT_EQ(LiveGridProps, 0);
    EXPECT_TRUE(grid.HasCellProps());
    EXPECT_EQ(grid.GetComment(3, 3), "note");
    grid.ClearRect(0, 0, grid.ColCount() - 1, grid.RowCount() - 1);
    EXPECT_EQ(grid.Cells(3, 4), "");
    EXPECT_EQ(grid.GetCellGraphic(3, 3), nullptr);
    EXPECT_FALSE(grid.HasCellProps());
}

TEST_F(ExtGridTest, AutoSizeFitsEachNormalColumnToItsWidestTextPlusPadding)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, "x");
    grid.SetCells(2, 3, "a rather long cell text");
    grid.SetCells(0, 2, "fixed column text that is long");
    int fixedWidth = grid.ColWidths(0);
    grid.AutoSizeColumns(false, 4);
    EXPECT_EQ(grid.ColWidths(0), fixedWidth);  // fixed columns left alone
    EXPECT_GT(grid.ColWidths(2), grid.ColWidths(1));
    grid.Canvas().Font().Assign(&grid.Font());
    // Margins on both sides, the grid lines, 2 and the padding around the widest text.
    const int around = 2 * grid.XYOffset().X + 2 * grid.GridLineWidth() + 2 + 4;
    EXPECT_LT(grid.ColWidths(3), grid.DefaultColWidth());  // an empty column narrows too
    EXPECT_EQ(grid.ColWidths(2), grid.Canvas().TextWidth("a rather long cell text") + around);
}

TEST_F(ExtGridTest, CellsPaintTheirBackgroundTextAndGridLines)
{
    auto* form = new ui::TForm(App.get());
    form->SetBounds(0, 0, 500, 400);
    auto* grid = new TExtStringGrid(form);
    grid->SetParent(form);
    grid->SetLook(glStandard);  // fixed cells in the fixed colour, not the default header gradient
    grid->SetFixedColor(gfx::clPurple);
    grid->SetGridLineColor(gfx::clMedGray);
    grid->SetGridFixedLineColor(gfx::clRed);
    grid->CellProperties(3, 3)->SetBrushColor(gfx::clYellow);
    grid->SetCells(2, 2, "WWWW");
    form->Show();
    App->ProcessMessages();
    auto pixel = [&](int x, int y) { return ui::THeadlessBackend::Pixel(grid, x, y); };
    auto centre = [&](int c, int r) {
        rtl::TRect rc = grid->CellRect(c, r);
        return rtl::TPoint{(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    };
    rtl::TPoint fixedCell = centre(1, 0);
    EXPECT_EQ(pixel(fixedCell.X, fixedCell.Y), gfx::clPurple);
    rtl::TPoint yellow = centre(3, 3);
    EXPECT_EQ(pixel(yellow.X, yellow.Y), gfx::clYellow);
    rtl::TRect normal = grid->CellRect(3, 4);
    EXPECT_EQ(pixel(normal.Right - 1, (normal.Top + normal.Bottom) / 2), gfx::clMedGray);  // vertical line
    EXPECT_EQ(pixel((normal.Left + normal.Right) / 2, normal.Bottom - 1), gfx::clMedGray);  // horizontal line
    rtl::TRect header = grid->CellRect(3, 0);
    EXPECT_EQ(pixel(header.Right - 1, (header.Top + header.Bottom) / 2), gfx::clRed);
    // Text is drawn inside its cell: some pixel of the written cell is not the background.
    rtl::TRect textCell = grid->CellRect(2, 2);
    gfx::TColor window = gfx::ColorToRGB(gfx::clWindow);
    bool ink = false;
    for (int x = textCell.Left + 2; x < textCell.Right - 2 && !ink; ++x)
        for (int y = textCell.Top + 2; y < textCell.Bottom - 2 && !ink; ++y) ink = pixel(x, y) != window;
    EXPECT_TRUE(ink);
}

TEST_F(ExtGridTest, RowBandsColourNormalRowsAndLeaveOwnColoursAndFixedCellsAlone)
{
    auto* form = new ui::TForm(App.get());
    form->SetBounds(0, 0, 500, 400);
    auto* grid = new TExtStringGrid(form);
    grid->SetParent(form);
    grid->SetRowCount(9);
    grid->SetLook(glStandard);  // fixed cells in the fixed colour, not the default header gradient
    grid->SetFixedColor(gfx::clPurple);
    grid->Bands().SetPrimaryColor(gfx::clAqua);
    grid->Bands().SetSecondaryColor(gfx::clLime);
    grid->Bands().SetPrimaryLength(1);
    grid->Bands().SetSecondaryLength(2);
    grid->Bands().SetActive(true);
    grid->CellProperties(2, 4)->SetBrushColor(gfx::clYellow);
    form->Show();
    App->ProcessMessages();
    auto at = [&](int c, int r) {
        rtl::TRect rc = grid->CellRect(c, r);
        return ui::THeadlessBackend::Pixel(grid, (rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
    };
    for (int r : {1, 4, 7}) EXPECT_EQ(at(3, r), gfx::clAqua) << "row " << r;
    for (int r : {2, 3, 5, 6, 8}) EXPECT_EQ(at(3, r), gfx::clLime) << "row " << r;
    EXPECT_EQ(at(2, 4), gfx::clYellow);
    EXPECT_EQ(at(0, 4), gfx::clPurple);
    EXPECT_EQ(at(1, 0), gfx::clPurple);
}

TEST_F(ExtGridTest, BorderColourIsStoredWithoutAParentAndChangesOnlyWhenDifferent)
{
    TExtStringGrid grid(nullptr);
    EXPECT_EQ(grid.BorderColor(), 0xB99D7Fu);
    grid.SetBorderColor(gfx::clRed);
    EXPECT_EQ(grid.BorderColor(), gfx::clRed);
}

TEST_F(ExtGridTest, SuppressingAColumnRecordsItsWidthAndNarrowsItToZero)
{
    TExtStringGrid grid(nullptr);
    grid.SetColumnOrder();
    grid.SetColWidths(2, 77);
    grid.SuppressColumn(2);
    EXPECT_EQ(grid.ColWidths(2), 0);
    EXPECT_EQ(grid.SuppressColSizes().GetInteger(2), 77);
    grid.SuppressColumn(2);  // already narrowed: the recorded width stays
    EXPECT_EQ(grid.SuppressColSizes().GetInteger(2), 77);
    EXPECT_FALSE(grid.GetReadOnly(1, 1));
    grid.CellProperties(1, 1)->SetReadOnly(true);
    EXPECT_TRUE(grid.GetReadOnly(1, 1));
}

TEST_F(ExtGridTest, ClearingTheVisibleGridKeepsPropertiesBeyondItsCountsOwned)
{
    LiveGridProps = 0;
    {
        TExtStringGrid grid(nullptr);
        grid.SetCellProperties(2, 8, new TGridCountingProps(&grid, 2, 8));
        grid.SetRowCount(5);  // the property object lies below the grid now
        grid.ClearRect(0, 0, grid.ColCount() - 1, grid.RowCount() - 1);
        EXPECT_TRUE(grid.HasCellProps());
        EXPECT_EQ(LiveGridProps, 1);
    }
    EXPECT_EQ(LiveGridProps, 0);
}

TEST_F(ExtGridTest, LoadingTurnsThePlatformAlwaysShowEditorOptionIntoNavigationAlwaysEdit)
{
    RegisterExtGridClasses();
    auto* form = new TGridForm(App.get());
    ui::ReadComponentResText("object Form1: TGridForm\n"
                             "  object G: TExtStringGrid\n"
                             "    Options = [goEditing, goAlwaysShowEditor]\n"
                             "    FixedRows = 2\n"
                             "  end\n"
                             "end\n",
                             "G.dfm", form);
    auto* grid = dynamic_cast<TExtStringGrid*>(form->FindComponent("G"));
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(grid->Navigation().AlwaysEdit());
    EXPECT_EQ(grid->Options(), ui::goEditing);
    EXPECT_EQ(grid->FixedRowsMin(), 2);
}

TEST_F(ExtGridTest, UnknownGridPropertyInAFormDescriptionNamesFileAndLine)
{
    RegisterExtGridClasses();
    auto* form = new TGridForm(App.get());
    try {
        ui::ReadComponentResText("object Form1: TGridForm\n"
                                 "  object G: TExtStringGrid\n"
                                 "    Look = glNoSuchLook\n"
                                 "  end\n"
                                 "end\n",
                                 "Bad.dfm", form);
        FAIL() << "no error raised";
    } catch (const rtl::Exception& e) {
        EXPECT_NE(e.Message().find("Bad.dfm(3)"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("glNoSuchLook"), std::string::npos) << e.Message();
    }
}

TEST_F(ExtGridTest, HeaderGradientColoursAreStoredAsRgb)
{
    TExtStringGrid grid(nullptr);
    grid.SetJyxGradientFrom(gfx::clBtnFace);
    grid.SetJyxGradientMirrorTo(gfx::clWindow);
    EXPECT_EQ(grid.JyxGradientFrom(), gfx::ColorToRGB(gfx::clBtnFace));
    EXPECT_EQ(grid.JyxGradientMirrorTo(), gfx::ColorToRGB(gfx::clWindow));
    EXPECT_NE(grid.JyxGradientFrom(), gfx::clBtnFace);
}

TEST_F(ExtGridTest, ArrowColourReachesAllFourColumnMoveArrows)
{
    TExtStringGrid grid(nullptr);
    EXPECT_EQ(grid.ArrowColor(), 0x00FF00u);
    grid.SetArrowColor(gfx::clRed);
    EXPECT_EQ(grid.ArrowColor(), gfx::clRed);
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
        ASSERT_NE(grid.ArrowWindow(d), nullptr);
        EXPECT_EQ(grid.ArrowWindow(d)->Color(), gfx::clRed);
    }
}
