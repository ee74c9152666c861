// Tests of the grid's smaller option objects: defaults, copying, change events, and the grid owning and publishing them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsOwned.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

class OptionsTest : public gridtest::GridInAppTest {
};

struct TDefault {
    const char* Name;
    std::function<long long(TExtStringGrid&)> Get;
    long long Expected;
};

}  // namespace

TEST_F(OptionsTest, DefaultsOfANewGridsOptionObjects)
{
    using G = TExtStringGrid;
    const TDefault cases[] = {
        {"SortSettings.Column", [](G& g) { return g.SortSettings().Column(); }, -1},
        {"SortSettings.IndexColor", [](G& g) { return g.SortSettings().IndexColor(); }, 0xFFFF},
        {"SortSettings.Full", [](G& g) { return g.SortSettings().Full(); }, 1},
        {"SortSettings.DefaultFormat", [](G& g) { return g.SortSettings().DefaultFormat(); }, ssAutomatic},
        {"SortSettings.AutoSortForGrouping", [](G& g) { return g.SortSettings().AutoSortForGrouping(); }, 1},
        {"SortSettings.HeaderColor", [](G& g) { return g.SortSettings().HeaderColor(); }, gfx::clNone},
        {"Grouping.HeaderLineColor", [](G& g) { return g.Grouping().HeaderLineColor(); }, gfx::clBlue},
        {"Grouping.SummaryLineWidth", [](G& g) { return g.Grouping().SummaryLineWidth(); }, 2},
        {"Grouping.HeaderColor", [](G& g) { return g.Grouping().HeaderColor(); }, gfx::clNone},
        {"DragDropSettings.OleAcceptURLs", [](G& g) { return g.DragDropSettings().OleAcceptURLs(); }, 1},
        {"DragDropSettings.OleDropTarget", [](G& g) { return g.DragDropSettings().OleDropTarget(); }, 0},
        {"DragDropSettings.ShowCells", [](G& g) { return g.DragDropSettings().ShowCells(); }, 1},
        {"Balloon.Enable", [](G& g) { return g.Balloon().Enable(); }, 0},
        {"Balloon.ShowCell", [](G& g) { return g.Balloon().ShowCell(); }, 1},
        {"Balloon.InitialDelay", [](G& g) { return g.Balloon().InitialDelay(); }, -1},
        {"ShowModified.Color", [](G& g) { return g.ShowModified().Color(); }, gfx::clYellow},
        {"DragScrollOptions.Delays.InitialDelay", [](G& g) { return g.DragScrollOptions().Delays().InitialDelay(); }, 1000},
        {"DragScrollOptions.Delays.RepeatDelay", [](G& g) { return g.DragScrollOptions().Delays().RepeatDelay(); }, 250},
        {"DragScrollOptions.Margins.LeftMargin", [](G& g) { return g.DragScrollOptions().Margins().LeftMargin(); }, 50},
        {"ProgressAppearance.Level0ColorTo", [](G& g) { return g.ProgressAppearance().Level0ColorTo(); }, 0xE1FFE1},
        {"ProgressAppearance.Level2Color", [](G& g) { return g.ProgressAppearance().Level2Color(); }, 0x53A9FF},
        {"ProgressAppearance.UnCompleteFontColor", [](G& g) { return g.ProgressAppearance().UnCompleteFontColor(); }, gfx::clWindowText},
        {"ProgressAppearance.Steps", [](G& g) { return g.ProgressAppearance().Steps(); }, 11},
        {"ProgressAppearance.Level2Perc", [](G& g) { return g.ProgressAppearance().Level2Perc(); }, 90},
        {"AutoColor.HasColors", [](G& g) { return g.AutoColor().HasColors(); }, 0},
        {"BackGround.Display", [](G& g) { return g.BackGround().Display(); }, bdTile},
        {"BackGround.Color", [](G& g) { return g.BackGround().Color(); }, gfx::clWindow},
        {"BackGround.ColorTo", [](G& g) { return g.BackGround().ColorTo(); }, gfx::clBtnFace},
        {"CellNode.NodeType", [](G& g) { return g.CellNode().NodeType(); }, cnXP},
        {"CellNode.NodeIndent", [](G& g) { return g.CellNode().NodeIndent(); }, 12},
        {"CellNode.TreeColor", [](G& g) { return g.CellNode().TreeColor(); }, 0x808080},
        {"SizeWhileTyping.Height", [](G& g) { return g.SizeWhileTyping().Height(); }, 0},
        {"HoverButtons.Rows", [](G& g) { return g.HoverButtons().Rows(); }, hrNormal},
        {"HoverButtons.MoveActiveRow", [](G& g) { return g.HoverButtons().MoveActiveRow(); }, 1},
        {"FloatingFooter.FooterStyle", [](G& g) { return g.FloatingFooter().FooterStyle(); }, fsFixedLastRow},
        {"FloatingFooter.Color", [](G& g) { return g.FloatingFooter().Color(); }, gfx::clBtnFace},
        {"FloatingFooter.CalculateHiddenRows", [](G& g) { return g.FloatingFooter().CalculateHiddenRows(); }, 1},
        {"FilterDropDown.Width", [](G& g) { return g.FilterDropDown().Width(); }, 150},
        {"FilterDropDown.Sorted", [](G& g) { return g.FilterDropDown().Sorted(); }, 1},
        {"FilterDropDown.Method", [](G& g) { return g.FilterDropDown().Method(); }, fmExpression},
        {"FilterEdit.Color", [](G& g) { return g.FilterEdit().Color(); }, gfx::clWhite},
        {"FilterEdit.CaseSensitive", [](G& g) { return g.FilterEdit().CaseSensitive(); }, 1},
        {"FilterEdit.TypeNames.Count", [](G& g) { return g.FilterEdit().TypeNames().Count(); }, 9},
        {"Filter.Count", [](G& g) { return g.Filter().Count(); }, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Get(*Grid), c.Expected) << c.Name;
    EXPECT_EQ(Grid->FilterEdit().TypeNames().Strings(3), "Not contains");
    EXPECT_EQ(Grid->FilterDropDown().TextChecked(), "");
}

TEST_F(OptionsTest, AssignCopiesOnlyFromItsOwnClassAndSkipsTheDocumentedValues)
{
    TGrouping g1, g2;
    g1.SetSummary(true);
    g1.SetHeaderLineWidth(5);
    g1.SetHeaderColor(gfx::clRed);
    g2.Assign(&g1);
    EXPECT_EQ(g2.HeaderColor(), gfx::clRed);
    EXPECT_FALSE(g2.Summary());
    EXPECT_EQ(g2.HeaderLineWidth(), 2);

    TBalloonSettings b1, b2;
    int fired = 0;
    b2.OnEnableChange = [&](TSender) { ++fired; };
    b1.SetEnable(true);
    b1.SetTransparency(80);
    b2.Assign(&b1);
    EXPECT_TRUE(b2.Enable());
    EXPECT_EQ(b2.Transparency(), 0);
    EXPECT_EQ(fired, 0);
    b2.SetEnable(true);
    EXPECT_EQ(fired, 0);
    b2.SetEnable(false);
    EXPECT_EQ(fired, 1);

    TFilterDropDown f1, f2;
    f1.SetAutoSize(true);
    f1.SetWidth(99);
    f1.SetSorted(false);
    f2.Assign(&f1);
    EXPECT_EQ(f2.Width(), 99);
    EXPECT_FALSE(f2.AutoSize());
    EXPECT_TRUE(f2.Sorted());

    TFloatingFooter ff1, ff2;
    int shown = 0;
    ff2.OnVisibleChange = [&](TSender) { ++shown; };
    ff1.SetVisible(true);
    ff1.SetBorderColor(gfx::clRed);
    ff2.Assign(&ff1);
    EXPECT_TRUE(ff2.Visible());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ff2.BorderColor(), gfx::clNone);

    TSortSettings s1(nullptr), s2(nullptr);
    s1.SetIgnoreCase(true);
    s1.SetColumn(3);
    s1.SetRow(4);
    s2.Assign(&s1);
    EXPECT_EQ(s2.Column(), 3);
    EXPECT_EQ(s2.Row(), 4);
    EXPECT_FALSE(s2.IgnoreCase());

    // Another class changes nothing.
    s2.Assign(&g1);
    b2.Assign(&s1);
    EXPECT_EQ(s2.Column(), 3);
    EXPECT_FALSE(b2.Enable());
}

TEST_F(OptionsTest, ChangeEventsFireAsDocumented)
{
    TAutoColor ac;
    int changes = 0;
    ac.OnChange = [&](TSender) { ++changes; };
    ac.NegativeNumber().SetTextColor(gfx::clRed);
    EXPECT_EQ(changes, 1);
    ac.NegativeNumber().SetTextColor(gfx::clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(ac.HasColors());
    TAutoColor fresh;
    fresh.PositiveNumber().SetBkgColor(gfx::clLime);
    EXPECT_TRUE(fresh.HasColors());

    TGridProgressAppearance p1, p2;
    int progress = 0;
    p2.OnChange = [&](TSender) { ++progress; };
    p2.Assign(&p1);
    EXPECT_EQ(progress, 1);
    p2.SetSteps(11);
    EXPECT_EQ(progress, 1);
    p2.SetSteps(12);
    EXPECT_EQ(progress, 2);

    TShowModified sm;
    int modified = 0;
    sm.OnChange = [&](TSender) { ++modified; };
    sm.SetColor(gfx::clYellow);
    EXPECT_EQ(modified, 1);

    THoverButtons hb;
    THoverButtonsCollectionItem& item = hb.Buttons().Add();
    hb.Buttons().SetUpdated(false);
    item.SetTag(3);
    EXPECT_FALSE(hb.Buttons().Updated());
    item.SetCaption("Del");
    EXPECT_TRUE(hb.Buttons().Updated());
    THoverButtons copy;
    item.SetImageIndex(4);
    copy.Assign(&hb);
    ASSERT_EQ(copy.Buttons().Count(), 1);
    EXPECT_EQ(copy.Buttons().Items(0).Caption(), "Del");
    EXPECT_EQ(copy.Buttons().Items(0).ImageIndex(), 0);
}

TEST_F(OptionsTest, SortSettingsCheckTheRowAndWriteTheSortState)
{
    TSortSettings& s = Grid->SortSettings();
    Grid->SetFixedRows(1);
    EXPECT_THROW(
        {
            try {
                s.SetRow(2);
            } catch (const rtl::Exception& e) {
                EXPECT_EQ(e.Message(), "Sort row should be smaller than number of fixed rows");
                throw;
            }
        },
        rtl::Exception);
    s.SetRow(1);
    EXPECT_EQ(s.Row(), 1);
    s.SetColumn(3);
    EXPECT_EQ(s.SaveToString(), "u3");
    s.ToggleDirection();
    EXPECT_EQ(s.SaveToString(), "d3");
    Grid->SortIndexes().AddIndex(2, true);
    Grid->SortIndexes().AddIndex(5, false);
    s.SetIndexShow(true);
    EXPECT_EQ(s.SaveToString(), "i;u2;d5");
    s.Remove();
    EXPECT_EQ(s.Column(), -1);
    EXPECT_EQ(Grid->SortIndexes().Count(), 0);
}

TEST_F(OptionsTest, FilterConditionsJoinAndAreFoundByColumn)
{
    TFilter& f = Grid->Filter();
    EXPECT_EQ(f.Add().Operation(), foNONE);
    f.Items(0).SetColumn(2);
    EXPECT_EQ(f.Add().Operation(), foAND);
    EXPECT_EQ(f.Insert(0).Operation(), foSHORT);
    EXPECT_TRUE(f.HasFilter(2));
    EXPECT_TRUE(f.HasOtherFilter(2));
    EXPECT_EQ(f.HasFilterType(7), ftContains);
    TFilterData& added = f.GetColFilter(7);
    EXPECT_EQ(added.Column(), 7);
    EXPECT_EQ(f.Count(), 4);
    EXPECT_EQ(&f.GetColFilter(7), &added);
    f.RemoveColumnFilter(0);
    EXPECT_EQ(f.Count(), 2);
    EXPECT_THROW(f.Items(5), rtl::Exception);
}

TEST_F(OptionsTest, SwitchingTheFilterEditRowClearsFilterAndRow)
{
    Grid->SetColCount(3);
    Grid->FilterEdit().SetRow(1);
    for (int c = 0; c < 3; ++c) Grid->SetCells(c, 1, "x");
    Grid->SetCells(0, 2, "keep");
    Grid->Filter().Add().SetCondition("a*");
    Grid->SetFilterActive(true);
    Grid->FilterEdit().SetEnabled(true);
    EXPECT_FALSE(Grid->FilterActive());
    EXPECT_EQ(Grid->Filter().Count(), 0);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(Grid->Cells(c, 1), "") << c;
    EXPECT_EQ(Grid->Cells(0, 2), "keep");
}

TEST_F(OptionsTest, NodeColumnCannotChangeWhileTheGridHasNodes)
{
    TCellNode node;
    node.HasNodes = [] { return true; };
    try {
        node.SetNodeColumn(2);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot change node column when grid has nodes");
    }
    EXPECT_EQ(node.NodeColumn(), 0);
    Grid->CellNode().SetNodeColumn(1);
    EXPECT_EQ(Grid->CellNode().NodeColumn(), 1);
}

TEST_F(OptionsTest, GridAssignCopiesItsOptionObjects)
{
    TExtStringGrid src(nullptr);
    src.ControlLook().SetDropDownCount(14);
    src.SortSettings().SetColumn(2);
    src.Grouping().SetHeaderColor(gfx::clAqua);
    src.Balloon().SetTextColor(gfx::clRed);
    src.BackGround().SetDisplay(bdFixed);
    src.Filter().Add().SetCondition(">5");
    src.FilterEdit().SetColor(gfx::clSilver);
    src.HoverButtons().Buttons().Add().SetCaption("Go");
    src.DragScrollOptions().Margins().SetTopMargin(9);
    src.AutoColor().NegativeNumber().SetTextColor(gfx::clRed);
    src.ProgressAppearance().SetSteps(20);
    src.ShowModified().SetEnabled(true);
    src.CellNode().SetNodeIndent(20);
    src.DragDropSettings().SetOleDropSource(true);
    src.FloatingFooter().SetColumn(3);
    src.FilterDropDown().SetHeight(77);
    Grid->Assign(&src);
    EXPECT_EQ(Grid->ControlLook().DropDownCount(), 14);
    EXPECT_EQ(Grid->SortSettings().Column(), 2);
    EXPECT_EQ(Grid->Grouping().HeaderColor(), gfx::clAqua);
    EXPECT_EQ(Grid->Balloon().TextColor(), gfx::clRed);
    EXPECT_EQ(Grid->BackGround().Display(), bdFixed);
    ASSERT_EQ(Grid->Filter().Count(), 1);
    EXPECT_EQ(Grid->Filter().Items(0).Condition(), ">5");
    EXPECT_EQ(Grid->FilterEdit().Color(), gfx::clSilver);
    EXPECT_EQ(Grid->HoverButtons().Buttons().Count(), 1);
    EXPECT_EQ(Grid->DragScrollOptions().Margins().TopMargin(), 9);
    EXPECT_EQ(Grid->AutoColor().NegativeNumber().TextColor(), gfx::clRed);
    EXPECT_EQ(Grid->ProgressAppearance().Steps(), 20);
    EXPECT_TRUE(Grid->ShowModified().Enabled());
    EXPECT_EQ(Grid->CellNode().NodeIndent(), 20);
    EXPECT_TRUE(Grid->DragDropSettings().OleDropSource());
    EXPECT_EQ(Grid->FilterDropDown().Height(), 77);
    // Each grid keeps its own objects.
    EXPECT_NE(&Grid->ControlLook(), &src.ControlLook());
}

TEST_F(OptionsTest, FormDescriptionSetsNestedOptionProperties)
{
    RegisterExtGridClasses();
    auto* form = new ui::TForm(App.get());
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  object grid: TExtStringGrid\n"
                             "    ControlLook.FixedGradientFrom = clWhite\n"
                             "    ControlLook.FixedGradientTo = clSilver\n"
                             "    ControlLook.ControlStyle = csFlat\n"
                             "    ControlLook.DropDownCount = 12\n"
                             "    ControlLook.FlatButton = True\n"
                             "    SortSettings.Show = True\n"
                             "    SortSettings.DefaultFormat = ssAlphabetic\n"
                             "    SortSettings.Direction = sdDescending\n"
                             "    Grouping.HeaderColor = 16775408\n"
                             "    BackGround.Display = bdGradientHorz\n"
                             "    FloatingFooter.CustomTemplate = 'Total'\n"
                             "    FilterDropDown.Font.Name = 'Arial'\n"
                             "    FilterDropDown.TextChecked = 'Checked'\n"
                             "    FilterEdit.Columns = fdAll\n"
                             "    HoverButtons.Position = hbRightFromColumnRight\n"
                             "    DragScrollOptions.Margins.TopMargin = 30\n"
                             "    AutoColor.NegativeNumber.TextColor = clRed\n"
                             "    ProgressAppearance.Level1Perc = 60\n"
                             "    Balloon.Transparency = 20\n"
                             "    CellNode.NodeType = cnFlat\n"
                             "  end\n"
                             "end\n",
                             "Options.dfm", form);
    auto* g = dynamic_cast<TExtStringGrid*>(form->FindComponent("grid"));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ControlLook().FixedGradientFrom(), gfx::clWhite);
    EXPECT_EQ(g->ControlLook().FixedGradientTo(), gfx::clSilver);
    EXPECT_EQ(g->JyxGradientTo(), gfx::clSilver);
    EXPECT_EQ(g->ControlLook().ControlStyle(), csFlat);
    EXPECT_EQ(g->ControlLook().DropDownCount(), 12);
    EXPECT_TRUE(g->ControlLook().FlatButton());
    EXPECT_TRUE(g->SortSettings().Show());
    EXPECT_EQ(g->SortSettings().DefaultFormat(), ssAlphabetic);
    EXPECT_EQ(g->SortSettings().Direction(), sdDescending);
    EXPECT_EQ(g->Grouping().HeaderColor(), 16775408u);
    EXPECT_EQ(g->BackGround().Display(), bdGradientHorz);
    EXPECT_EQ(g->FloatingFooter().CustomTemplate(), "Total");
    EXPECT_EQ(g->FilterDropDown().Font().Name(), "Arial");
    EXPECT_EQ(g->FilterDropDown().TextChecked(), "Checked");
    EXPECT_EQ(g->FilterEdit().Columns(), fdAll);
    EXPECT_EQ(g->HoverButtons().Position(), hbRightFromColumnRight);
    EXPECT_EQ(g->DragScrollOptions().Margins().TopMargin(), 30);
    EXPECT_EQ(g->AutoColor().NegativeNumber().TextColor(), gfx::clRed);
    EXPECT_EQ(g->ProgressAppearance().Level1Perc(), 60);
    EXPECT_EQ(g->Balloon().Transparency(), 20);
    EXPECT_EQ(g->CellNode().NodeType(), cnFlat);
}

TEST_F(OptionsTest, SortStateTextIsReadBack)
{
    TSortSettings& s = Grid->SortSettings();
    std::vector<bool> sorts;
    s.OnSortRequest = [&](bool indexed) { sorts.push_back(indexed); };
    s.LoadFromString("u12");
    EXPECT_TRUE(s.Show());
    EXPECT_EQ(s.Column(), 12);
    EXPECT_EQ(s.Direction(), sdAscending);
    s.LoadFromString("dx");
    EXPECT_EQ(s.Column(), 12);
    EXPECT_EQ(s.Direction(), sdDescending);
    s.LoadFromString("i;");
    EXPECT_TRUE(s.IndexShow());
    s.LoadFromString("i;u3;d5");
    EXPECT_EQ(Grid->SortIndexes().SaveToString(), "u3;d5");
    EXPECT_EQ(sorts, (std::vector<bool>{false, true}));
    s.SetShow(false);
    EXPECT_THROW(s.LoadFromString("u"), rtl::Exception);
    EXPECT_TRUE(s.Show());
}

TEST_F(OptionsTest, BuildConditionFollowsTheFilterType)
{
    TFilterData d;
    d.SetFilterType(ftContains);
    d.BuildCondition("New York");
    EXPECT_EQ(d.Condition(), "*\"New York\"*");
    const std::pair<TFilterType, const char*> cases[] = {{ftStartsWith, "abc*"}, {ftEndsWith, "*abc"}, {ftNotContains, "!*abc*"},
                                                         {ftEqual, "abc"}, {ftNotEqual, "!abc"}, {ftLargerThan, ">abc"},
                                                         {ftSmallerThan, "<abc"}, {ftClear, "<abc"}};
    for (auto [type, expected] : cases) {
        d.SetFilterType(type);
        d.BuildCondition("abc");
        EXPECT_EQ(d.Condition(), expected) << int(type);
    }
}

TEST_F(OptionsTest, FloatingFooterVisibilityAndStyleAdjustTheGrid)
{
    Grid->SetRowCount(5);
    TFloatingFooter& ff = Grid->FloatingFooter();
    ff.SetVisible(true);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    EXPECT_TRUE(Grid->HideLastRow());
    EXPECT_TRUE(Grid->FixedRowAlways());
    EXPECT_EQ(Grid->RowCount(), 5);
    // A preview style gets a row of its own, and gives it back when hidden.
    ff.SetFooterStyle(fsColumnPreview);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_TRUE(Grid->HideLastRow());
    EXPECT_EQ(Grid->FixedFooters(), 1);
    ff.SetVisible(false);
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_FALSE(Grid->HideLastRow());
    EXPECT_EQ(Grid->FixedFooters(), 0);
    ff.SetVisible(true);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_FALSE(Grid->HideLastRow());
    EXPECT_EQ(Grid->FixedFooters(), 0);
}
