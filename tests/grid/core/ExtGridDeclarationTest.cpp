// Tests of the string grid's declared surface: published defaults, form-description binding and the overrides it declares.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsRecords.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

// The grid declares its own version of each of these; a member inherited unchanged would
// have the base class in its pointer type.
template <typename A, typename B>
constexpr bool DeclaredInExtGrid = !std::is_same_v<A, B>;
#define EXPECT_OWN_OVERRIDE(Base, Name) \
    static_assert(DeclaredInExtGrid<decltype(&TExtStringGrid::Name), decltype(&Base::Name)>, #Name)
EXPECT_OWN_OVERRIDE(TBaseGrid, IsFixed);
EXPECT_OWN_OVERRIDE(TBaseGrid, GetNodeIndent);
EXPECT_OWN_OVERRIDE(TBaseGrid, HasNodes);
EXPECT_OWN_OVERRIDE(TBaseGrid, IsNode);
EXPECT_OWN_OVERRIDE(TBaseGrid, IsSummary);
EXPECT_OWN_OVERRIDE(TBaseGrid, DrawCellContents);
EXPECT_OWN_OVERRIDE(TBaseGrid, FooterRowChanged);
EXPECT_OWN_OVERRIDE(TBaseGrid, CellHasCheckBox);
EXPECT_OWN_OVERRIDE(TBaseGrid, SetCheckBoxValue);
EXPECT_OWN_OVERRIDE(TBaseGrid, GetDisplText);
EXPECT_OWN_OVERRIDE(TBaseGrid, GetDefaultCellProperties);
EXPECT_OWN_OVERRIDE(TBaseGrid, GetDefaultAlignment);
EXPECT_OWN_OVERRIDE(TBaseGrid, UpdateAutoRangeScroll);
EXPECT_OWN_OVERRIDE(TBaseGrid, HasCellBorderEvent);
EXPECT_OWN_OVERRIDE(TBaseGrid, GetUseVCLStyles);
EXPECT_OWN_OVERRIDE(TBaseGrid, GetVisualProperties);
EXPECT_OWN_OVERRIDE(TBaseGrid, RealColIndex);
EXPECT_OWN_OVERRIDE(TBaseGrid, DisplColIndex);
EXPECT_OWN_OVERRIDE(TBaseGrid, TotalColCount);
EXPECT_OWN_OVERRIDE(ui::TStringGrid, Assign);
EXPECT_OWN_OVERRIDE(ui::TStringGrid, Loaded);
EXPECT_OWN_OVERRIDE(ui::TStringGrid, Invalidate);
EXPECT_OWN_OVERRIDE(ui::TStringGrid, SetBounds);
#undef EXPECT_OWN_OVERRIDE

class ExtGridDeclarationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        RegisterExtGridClasses();
    }
    void TearDown() override { App.reset(); }
    std::unique_ptr<ui::TApplication> App;
};

// A form whose handler table names handlers for a few of the grid's events.
class TDeclForm : public ui::TForm {
public:
    explicit TDeclForm(rtl::TComponent* owner) : ui::TForm(owner)
    {
        Methods().RegisterMethod("GridRowChanging", TRowChangingEvent([this](TSender, int o, int n, bool& allow) {
                                     Calls.push_back("row " + std::to_string(o) + ">" + std::to_string(n));
                                     allow = false;
                                 }));
        Methods().RegisterMethod("GridSaveCell", TSaveCellEvent([this](TSender, int c, int r, std::string& v) {
                                     Calls.push_back("save " + std::to_string(c) + "," + std::to_string(r));
                                     v = "[" + v + "]";
                                 }));
        Methods().RegisterMethod("GridPrintStart", TPrintStartEvent([this](TSender, int pages, int& from, int& to) {
                                     Calls.push_back("print " + std::to_string(pages));
                                     from = 2;
                                     to = pages;
                                 }));
        Methods().RegisterMethod("GridEditingDone", TNotifyEvent([this](TSender) { Calls.push_back("done"); }));
    }
    std::vector<std::string> Calls;
};

}  // namespace

TEST_F(ExtGridDeclarationTest, PublishedSettingsStartAtTheirDeclaredDefaults)
{
    TExtStringGrid grid(nullptr);
    struct TCase {
        const char* Name;
        const char* Text;
    };
    // The text form a form description would store for each default.
    const TCase cases[] = {
        {"Look", "glXP"},
        {"AutoThemeAdapt", "False"},
        {"Flat", "False"},
        {"ShowDesignHelper", "True"},
        {"SelectionColorMixerFactor", "50"},
        {"HintShowLargeTextPos", "hpCell"},
        {"HoverFixedCells", "hfNone"},
        {"ScrollBarAlways", "saNone"},
        {"ScrollType", "ssNormal"},
        {"ScrollWidth", "17"},
        {"IntelliPan", "ipVertical"},
        {"IntelliZoom", "True"},
        {"DefaultEditor", "edNormal"},
        {"InvalidEntryIcon", "ieWarning"},
        {"FormatType", "ftVCL"},
        {"FilterType", "ftHide"},
        {"FilterDropDownColumns", "fdNormal"},
        {"FilterDropDownCheckUnCheckAll", "False"},
        {"FilterNormalCellsOnly", "True"},
        {"FilterDropDownRow", "0"},
        {"FixedAsButtons", "False"},
        {"PopupToolBarMode", "tbActiveCell"},
        {"ScrollHints", "shNone"},
        {"MaxEditLength", "0"},
        {"FixedFooters", "0"},
        {"FixedRightCols", "0"},
        {"Bands.Active", "False"},
    };
    for (const TCase& c : cases) EXPECT_EQ(ui::GetPropertyByName(&grid, c.Name), c.Text) << c.Name;

    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedColWidth(), 64);
    EXPECT_EQ(grid.DefaultRowHeight(), 22);
    EXPECT_EQ(grid.BorderColor(), 0xB99D7Fu);
    EXPECT_EQ(grid.SelectionColor(), 0xEACAB6u);
    EXPECT_EQ(grid.URLColor(), 0xFF0000u);
    EXPECT_EQ(grid.ActiveCellColor(), 0x808080u);
    EXPECT_EQ(grid.DisabledFontColor(), 0xC0C0C0u);
    EXPECT_EQ(grid.FixedDropDownMenu(), nullptr);
    EXPECT_EQ(grid.GridImages(), nullptr);
    EXPECT_EQ(grid.CellChecker(), nullptr);
}

TEST_F(ExtGridDeclarationTest, FormDescriptionSetsNewSettingsLinksAndBindsNewEventsByName)
{
    auto* form = new TDeclForm(App.get());
    auto* menu = new rtl::TComponent(form);
    menu->SetName("HeaderMenu");
    ui::ReadComponentResText("object Form1: TDeclForm\n"
                             "  object Grid1: TExtStringGrid\n"
                             "    FilterType = ftSuppress\n"
                             "    FilterDropDownColumns = fdAll\n"
                             "    FixedAsButtons = True\n"
                             "    PopupToolBarMode = tbSelection\n"
                             "    ScrollHints = shVertical\n"
                             "    IntelliPan = ipBoth\n"
                             "    FixedDropDownMenu = HeaderMenu\n"
                             "    Bands.Active = True\n"
                             "    Bands.PrimaryLength = 2\n"
                             "    Navigation.AdvanceOnEnter = True\n"
                             "    MouseActions.DirectEdit = True\n"
                             "    SearchFooter.ResultFormat = '[%d/%d]'\n"
                             "    PrintSettings.TitleText = 'Planting'\n"
                             "    ColumnSize.StretchColumn = 2\n"
                             "    HTMLSettings.Width = 80\n"
                             "    SyncGrid.MoveRow = True\n"
                             "    Navigation.AdvanceDirection = adTopBottom\n"
                             "    Navigation.ClipboardPasteAction = paInsert\n"
                             "    Navigation.HomeEndKey = heFirstLastRow\n"
                             "    MouseActions.FixedRowsEdit = fceDblClick\n"
                             "    MouseActions.FixedColsEditor = fceComboList\n"
                             "    MouseActions.WheelAction = waScroll\n"
                             "    SearchFooter.SearchType = stNarrowDown\n"
                             "    SearchFooter.HighLight = hFullCell\n"
                             "    ColumnSize.Location = clIniFile\n"
                             "    PrintSettings.Borders = pbAround\n"
                             "    PrintSettings.Orientation = poLandscape\n"
                             "    PrintSettings.Date = ppBottomRight\n"
                             "    LookupItems.Strings = (\n"
                             "      'wheat'\n"
                             "      'maize')\n"
                             "    OnRowChanging = GridRowChanging\n"
                             "    OnSaveCell = GridSaveCell\n"
                             "    OnPrintStart = GridPrintStart\n"
                             "    OnEditingDone = GridEditingDone\n"
                             "  end\n"
                             "end\n",
                             "Decl.dfm", form);
    auto* grid = dynamic_cast<TExtStringGrid*>(form->FindComponent("Grid1"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->FilterType(), ftSuppress);
    EXPECT_EQ(grid->FilterDropDownColumns(), fdAll);
    EXPECT_TRUE(grid->FixedAsButtons());
    EXPECT_EQ(grid->PopupToolBarMode(), tbSelection);
    EXPECT_EQ(grid->ScrollHints(), shVertical);
    EXPECT_EQ(grid->IntelliPan(), ipBoth);
    EXPECT_EQ(grid->FixedDropDownMenu(), menu);
    EXPECT_TRUE(grid->Bands().Active());
    EXPECT_EQ(grid->Bands().PrimaryLength(), 2);
    EXPECT_TRUE(grid->Navigation().AdvanceOnEnter());
    EXPECT_TRUE(grid->MouseActions().DirectEdit());
    EXPECT_EQ(grid->SearchFooter().ResultFormat(), "[%d/%d]");
    EXPECT_EQ(grid->PrintSettings().TitleText(), "Planting");
    EXPECT_EQ(grid->ColumnSize().StretchColumn(), 2);
    EXPECT_EQ(grid->HTMLSettings().Width(), 80);
    EXPECT_TRUE(grid->SyncGrid().MoveRow());
    EXPECT_EQ(grid->Navigation().AdvanceDirection(), adTopBottom);
    EXPECT_EQ(grid->Navigation().ClipboardPasteAction(), paInsert);
    EXPECT_EQ(grid->Navigation().HomeEndKey(), heFirstLastRow);
    EXPECT_EQ(grid->MouseActions().FixedRowsEdit(), fceDblClick);
    EXPECT_EQ(grid->MouseActions().FixedColsEditor(), fceComboList);
    EXPECT_EQ(grid->MouseActions().WheelAction(), waScroll);
    EXPECT_EQ(grid->SearchFooter().SearchType(), stNarrowDown);
    EXPECT_EQ(grid->SearchFooter().HighLight(), hFullCell);
    EXPECT_EQ(grid->ColumnSize().Location(), clIniFile);
    EXPECT_EQ(grid->PrintSettings().Borders(), pbAround);
    EXPECT_EQ(grid->PrintSettings().Orientation(), poLandscape);
    EXPECT_EQ(grid->PrintSettings().Date(), ppBottomRight);
    ASSERT_EQ(grid->LookupItems().Count(), 2);
    EXPECT_EQ(grid->LookupItems()[1], "maize");

    ASSERT_TRUE(grid->OnRowChanging);
    ASSERT_TRUE(grid->OnSaveCell);
    ASSERT_TRUE(grid->OnPrintStart);
    ASSERT_TRUE(grid->OnEditingDone);
    bool allow = true;
    grid->OnRowChanging(grid, 1, 3, allow);
    EXPECT_FALSE(allow);
    std::string value = "x";
    grid->OnSaveCell(grid, 2, 4, value);
    EXPECT_EQ(value, "[x]");
    int from = 1, to = 1;
    grid->OnPrintStart(grid, 5, from, to);
    EXPECT_EQ(from, 2);
    EXPECT_EQ(to, 5);
    grid->OnEditingDone(grid);
    EXPECT_EQ(form->Calls, (std::vector<std::string>{"row 1>3", "save 2,4", "print 5", "done"}));
}

// A description that gives a grid billions of rows or columns is refused with
// the reader's error naming file and line; it does not allocate per-row books
// of gigabytes. A million still reads.
TEST_F(ExtGridDeclarationTest, FormDescriptionCountsBeyondAMillionAreReadErrors)
{
    const char* properties[] = {"ColCount", "RowCount"};
    for (const char* property : properties) {
        auto* form = new ui::TForm(App.get());
        const std::string text = std::string("object Form1: TForm\n  object Grid1: TExtStringGrid\n    ") + property +
                                 " = 2000000000\n  end\nend\n";
        try {
            ui::ReadComponentResText(text, "grid.dfm", form);
            ADD_FAILURE() << property << " = 2000000000 was read";
        } catch (const rtl::EReadError& e) {
            EXPECT_EQ(e.Message(), std::string("grid.dfm(3): Error reading Grid1.") + property +
                                       ": Invalid property value 2000000000: at most 1000000 expected");
        }
        delete form;
    }
    auto* form = new ui::TForm(App.get());
    ui::ReadComponentResText("object Form1: TForm\n  object Grid1: TExtStringGrid\n    RowCount = 1000000\n"
                             "    ColCount = 3\n  end\nend\n",
                             "grid.dfm", form);
    auto* grid = dynamic_cast<TExtStringGrid*>(form->FindComponent("Grid1"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->RowCount(), 1000000);
    delete form;
}

TEST_F(ExtGridDeclarationTest, EveryPublishedEventIsKnownToTheFormReader)
{
    // A sample across the groups the grid publishes, including ones added with this class.
    const char* names[] = {"OnGetCellColor", "OnGetCellCursor", "OnGetCheckTrue",  "OnHoverButtonClick",
                           "OnComboChange",  "OnCellValidate",  "OnSelectionResized", "OnBeforeExpandNode",
                           "OnFilterSelect", "OnClipboardPasteDone", "OnOleDropFiles", "OnPrintSetRowHeight",
                           "OnLoadCell",     "OnSearchFooterAction"};
    const ui::TClassInfo* info = ui::TClassRegistry::Instance().Find("TExtStringGrid");
    ASSERT_NE(info, nullptr);
    for (const char* n : names)
        EXPECT_NE(ui::TClassRegistry::Instance().FindProperty(info, n), nullptr) << n;
}

TEST_F(ExtGridDeclarationTest, FixedFooterRowsRightColumnsAndFixedRowsAndColumnsCountAsFixed)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(8);
    struct TCase {
        int Col, Row;
        bool Fixed;
    };
    const TCase plain[] = {{-1, 3, false}, {2, -1, false}, {0, 3, true}, {2, 0, true}, {2, 3, false}, {5, 7, false}};
    for (const TCase& c : plain) EXPECT_EQ(grid.IsFixed(c.Col, c.Row), c.Fixed) << c.Col << "," << c.Row;

    grid.SetFixedFooters(2);
    grid.SetFixedRightCols(1);
    const TCase withFooters[] = {{2, 5, false}, {2, 6, true}, {2, 7, true}, {4, 3, false}, {5, 3, true}, {-1, 7, false}};
    for (const TCase& c : withFooters) EXPECT_EQ(grid.IsFixed(c.Col, c.Row), c.Fixed) << c.Col << "," << c.Row;

    grid.OnIsFixedCell = [](TSender, int r, int c, bool& fixed) { fixed = (r == 3 && c == 2); };
    EXPECT_TRUE(grid.IsFixed(2, 3));
    EXPECT_FALSE(grid.IsFixed(3, 3));
}

TEST_F(ExtGridDeclarationTest, StoringACellTextRegistersTheChangeWithTheLinkedUndo)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(2, 1, "old");
    grid.StoreCellText(2, 1, "plain");  // no undo linked: just stored
    EXPECT_EQ(grid.Cells(2, 1), "plain");

    TExtGridUndoRedo undo(nullptr);
    grid.SetUndoRedo(&undo);
    grid.StoreCellText(2, 1, "new");
    EXPECT_EQ(grid.Cells(2, 1), "new");
    ASSERT_TRUE(undo.CanUndo());
    undo.Undo();
    EXPECT_EQ(grid.Cells(2, 1), "plain");
    grid.SetUndoRedo(nullptr);
}

TEST_F(ExtGridDeclarationTest, IntroducedHooksAnswerTheirDefaultsAndHandOnToTheirEvents)
{
    TExtStringGrid grid(nullptr);
    grid.SetCol(2);
    grid.SetRow(3);
    grid.SetCurrentCell("wheat");
    EXPECT_EQ(grid.Cells(2, 3), "wheat");
    EXPECT_EQ(grid.GetCurrentCell(), "wheat");
    EXPECT_EQ(grid.GetCellValue(2, 3), "wheat");
    // Emptiness is about graphic content and comments, not text.
    EXPECT_TRUE(grid.GetCellEmpty(2, 3));
    grid.AddComment(1, 3, "note");
    EXPECT_FALSE(grid.GetCellEmpty(1, 3));
    EXPECT_TRUE(grid.DescendantQuery());
    EXPECT_FALSE(grid.DescendantCheck());
    EXPECT_EQ(grid.DescendantCount(), 0);
    bool allow = false;
    grid.DescendantAllow(1, allow);
    EXPECT_TRUE(allow);
    EXPECT_FALSE(grid.HasAlignmentOverride(1, 1));

    bool isFloat = true;
    std::string format;
    grid.GetFloatFormat(1, 1, isFloat, format);
    EXPECT_EQ(format, grid.FloatFormat());
    grid.OnGetFloatFormat = [](TSender, int, int, bool& f, std::string& fmt) {
        f = false;
        fmt = "%.1f";
    };
    grid.GetFloatFormat(1, 1, isFloat, format);
    EXPECT_FALSE(isFloat);
    EXPECT_EQ(format, "%.1f");

    std::vector<std::string> calls;
    grid.OnCellChanging = [&](TSender, int orow, int ocol, int nrow, int ncol, bool& a) {
        calls.push_back("changing " + std::to_string(orow) + std::to_string(ocol) + std::to_string(nrow) + std::to_string(ncol));
        a = false;
    };
    grid.OnCellValidate = [&](TSender, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
    allow = true;
    grid.CellChanging(1, 2, 3, 4, allow);
    EXPECT_FALSE(allow);
    std::string text = "bad";
    bool valid = true;
    grid.ValidateCell(1, 1, text, valid);
    EXPECT_FALSE(valid);
    EXPECT_EQ(calls, (std::vector<std::string>{"changing 1234"}));
}

namespace {
std::vector<std::string> Column1(TExtStringGrid& grid)
{
    std::vector<std::string> texts;
    for (int r = 0; r < grid.RowCount(); ++r) texts.push_back(grid.Cells(1, r));
    return texts;
}
}  // namespace

TEST_F(ExtGridDeclarationTest, RemovingAndInsertingRowsShiftsTextsPropertiesAndHeights)
{
    TExtStringGrid grid(nullptr);
    grid.SetRowCount(6);
    for (int r = 0; r < 6; ++r) grid.SetCells(1, r, "r" + std::to_string(r));
    grid.SetRowHeights(4, 40);
    TCellProperties* props4 = grid.GetCellProperties(1, 4);
    grid.GetCellProperties(1, 2);

    grid.RemoveRows(2, 2);
    EXPECT_EQ(Column1(grid), (std::vector<std::string>{"r0", "r1", "r4", "r5"}));
    EXPECT_EQ(grid.NormalRowCount(), 4);
    EXPECT_EQ(grid.RowHeights(2), 40);
    EXPECT_EQ(grid.GetCellPropsDirect(1, 2), props4);

    grid.InsertRows(1, 2);
    EXPECT_EQ(Column1(grid), (std::vector<std::string>{"r0", "", "", "r1", "r4", "r5"}));
    EXPECT_EQ(grid.GetCellPropsDirect(1, 4), props4);
    EXPECT_EQ(grid.GetCellPropsDirect(1, 1), nullptr);
    EXPECT_EQ(grid.RowHeights(4), 40);
    grid.InsertRows(grid.RowCount(), 1);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.Cells(1, 6), "");

    grid.RemoveRows(5, 3);  // cut to the two rows that exist from row 5
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(1, 4), "r4");
}

TEST_F(ExtGridDeclarationTest, SwappingRowsExchangesTextsPropertiesAndHeights)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, "a");
    grid.SetCells(2, 3, "b");
    grid.SetRowHeights(3, 33);
    TCellProperties* props = grid.GetCellProperties(2, 3);
    grid.SortSwapRows(1, 3);
    EXPECT_EQ(grid.Cells(1, 3), "a");
    EXPECT_EQ(grid.Cells(2, 1), "b");
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.GetCellPropsDirect(2, 1), props);
    EXPECT_EQ(grid.GetCellPropsDirect(2, 3), nullptr);
    EXPECT_EQ(grid.RowHeights(1), 33);
    EXPECT_EQ(grid.RowHeights(3), 22);
}

TEST_F(ExtGridDeclarationTest, TrimRectTrimsOnlyTheRectanglesTextsAndGotoFirstRowSkipsFixedRows)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, "  a b  ");
    grid.SetCells(2, 2, "\tc");
    grid.SetCells(3, 3, " outside ");
    grid.TrimRect(1, 1, 2, 2);
    EXPECT_EQ(grid.Cells(1, 1), "a b");
    EXPECT_EQ(grid.Cells(2, 2), "c");
    EXPECT_EQ(grid.Cells(3, 3), " outside ");

    grid.SetCol(2);
    grid.SetRow(5);
    grid.GotoFirstRow();
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
}

// A linked component that is freed is forgotten by the grid, and a grid freed
// first leaves the component nothing to call back.
TEST_F(ExtGridDeclarationTest, FreedLinkedComponentsAreClearedFromTheGrid)
{
    auto grid = std::make_unique<TExtStringGrid>(nullptr);
    auto images = std::make_unique<rtl::TComponent>(nullptr);
    auto checker = std::make_unique<rtl::TComponent>(nullptr);
    auto menu = std::make_unique<rtl::TComponent>(nullptr);
    grid->SetGridImages(images.get());
    grid->SetPictureContainer(images.get());
    grid->SetCellChecker(checker.get());
    grid->SetFixedDropDownMenu(menu.get());
    grid->SetPopupToolBar(menu.get());

    images.reset();
    EXPECT_EQ(grid->GridImages(), nullptr);
    EXPECT_EQ(grid->PictureContainer(), nullptr);
    EXPECT_EQ(grid->CellChecker(), checker.get());
    menu.reset();
    EXPECT_EQ(grid->FixedDropDownMenu(), nullptr);
    EXPECT_EQ(grid->PopupToolBar(), nullptr);

    grid->SetCellChecker(nullptr);  // unlinked: freeing it later tells the grid nothing
    grid.reset();
    checker.reset();  // the grid went first; nothing dangles
}
