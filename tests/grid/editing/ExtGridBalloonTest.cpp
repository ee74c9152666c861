// Balloon hints of the string grid: the tooltip window's life and settings, and the balloon text of a cell.
#include <gtest/gtest.h>

#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"
#include "tests/grid/GridOnFormTest.h"
#include "platform/ui/Clock.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/ToolTip.h"

namespace {

using grid::TExtStringGrid;

int ToolTipWindowCount()
{
    int n = 0;
    for (ui::TWinControl* w : ui::TWinControl::TopLevelWindows())
        if (dynamic_cast<ui::TToolTipWindow*>(w) != nullptr) ++n;
    return n;
}

ui::TToolTipWindow* ToolTipOf(const TExtStringGrid& grid)
{
    return dynamic_cast<ui::TToolTipWindow*>(ui::TWinControl::FindControl(grid.BalloonToolTip()));
}

class ExtGridBalloonTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        gridtest::GridOnFormTest::SetUp();
        ui::SetMonotonicClock(&Clock);
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override
    {
        gridtest::GridOnFormTest::TearDown();
        ui::SetMonotonicClock(nullptr);
    }
    // Puts the mouse over a cell and asks the grid for the balloon text as the tooltip does.
    std::string BalloonTextAt(int ACol, int ARow)
    {
        rtl::TRect r = Grid->CellRect(ACol, ARow);
        ui::THeadlessBackend::MouseMove(Grid, r.Left + 3, r.Top + 3);
        ui::TNMTTDispInfo info;
        info.hdr.code = ui::TTN_GETDISPINFO;
        ui::SendMessage(Grid->Handle(), ui::WM_NOTIFY, 0, reinterpret_cast<ui::LPARAM>(&info));
        return info.lpszText != nullptr ? info.lpszText : "";
    }

    ui::TManualClock Clock;
};

TEST_F(ExtGridBalloonTest, EnablingCreatesOneToolTipWithTheGridAsToolAndDisablingDestroysIt)
{
    EXPECT_EQ(Grid->BalloonToolTip(), 0);
    Grid->Balloon().SetEnable(true);
    const ui::HWND tip = Grid->BalloonToolTip();
    ASSERT_NE(tip, 0);
    Grid->BalloonInit();
    EXPECT_EQ(Grid->BalloonToolTip(), tip);
    EXPECT_EQ(ToolTipWindowCount(), 1);

    ui::TToolTipWindow* t = ToolTipOf(*Grid);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Style(), 0x43u);
    EXPECT_EQ(t->OwnerWindow(), Grid->Handle());
    ASSERT_EQ(t->ToolCount(), 1);
    EXPECT_EQ(t->Tool(0).hwnd, Grid->Handle());
    EXPECT_EQ(t->Tool(0).uFlags, 0x11u);
    EXPECT_EQ(t->Title(), "ToolTipText");
    EXPECT_EQ(t->TitleIcon(), ui::TTI_ERROR);

    Grid->Balloon().SetEnable(false);
    EXPECT_EQ(Grid->BalloonToolTip(), 0);
    EXPECT_FALSE(ui::IsWindow(tip));
    EXPECT_EQ(ToolTipWindowCount(), 0);
    EXPECT_FALSE(Grid->Balloon().BalloonCreated());
}

TEST_F(ExtGridBalloonTest, TheToolTipGoesWithTheGridsWindowAndWithTheGrid)
{
    Grid->Balloon().SetEnable(true);
    const ui::HWND first = Grid->BalloonToolTip();
    Grid->DestroyHandle();
    EXPECT_EQ(Grid->BalloonToolTip(), 0);
    EXPECT_FALSE(ui::IsWindow(first));

    auto* second = new TExtStringGrid(Form);
    second->SetParent(Form);
    second->Balloon().SetEnable(true);
    App->ProcessMessages();
    EXPECT_EQ(ToolTipWindowCount(), 1);
    delete second;
    EXPECT_EQ(ToolTipWindowCount(), 0);
}

TEST_F(ExtGridBalloonTest, AGridLoadedWithBalloonsEnabledStartsThemOnceWithItsLoadedSettings)
{
    grid::RegisterExtGridClasses();
    auto* form = new ui::TForm(App.get());
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  object soilTB: TExtStringGrid\n"
                             "    Balloon.Enable = True\n"
                             "    Balloon.InitialDelay = 250\n"
                             "  end\n"
                             "end\n",
                             "Unit1.dfm", form);
    auto* loaded = dynamic_cast<TExtStringGrid*>(form->FindComponent("soilTB"));
    ASSERT_NE(loaded, nullptr);
    ui::TToolTipWindow* t = ToolTipOf(*loaded);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->DelayTime(ui::TTDT_INITIAL), 250);
    form->Show();
    App->ProcessMessages();
    EXPECT_EQ(ToolTipWindowCount(), 1);
    EXPECT_EQ(ToolTipOf(*loaded), t);
}

TEST_F(ExtGridBalloonTest, DelaysAndTransparencyAreHandedToTheToolTip)
{
    struct Case {
        int initial, reshow, autoHide;
        std::uint8_t transparency;
        int expInitial, expReshow, expAutoPop;
        bool layered;
        std::uint8_t alpha;
    };
    const Case cases[] = {
        {100, 40, 3000, 64, 100, 40, 3000, true, 191},
        {-1, -1, -1, 0, ui::TToolTipWindow::DefaultInitialDelay, ui::TToolTipWindow::DefaultReshowDelay,
         ui::TToolTipWindow::DefaultAutoPopDelay, false, 255},
        {0, -1, 800, 255, 0, ui::TToolTipWindow::DefaultReshowDelay, 800, true, 0},
    };
    for (const Case& c : cases) {
        Grid->Balloon().SetEnable(false);
        Grid->Balloon().SetInitialDelay(c.initial);
        Grid->Balloon().SetReshowDelay(c.reshow);
        Grid->Balloon().SetAutoHideDelay(c.autoHide);
        Grid->Balloon().SetTransparency(c.transparency);
        Grid->Balloon().SetEnable(true);
        ui::TToolTipWindow* t = ToolTipOf(*Grid);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->DelayTime(ui::TTDT_INITIAL), c.expInitial) << c.initial;
        EXPECT_EQ(t->DelayTime(ui::TTDT_RESHOW), c.expReshow) << c.reshow;
        EXPECT_EQ(t->DelayTime(ui::TTDT_AUTOPOP), c.expAutoPop) << c.autoHide;
        EXPECT_EQ((t->ExStyle() & ui::WS_EX_LAYERED) != 0, c.layered) << int(c.transparency);
        if (c.layered) {
            EXPECT_EQ(t->LayeredAlpha(), c.alpha);
        }
    }
}

TEST_F(ExtGridBalloonTest, RestingOnACellShowsItsTextInTheBalloonWithTheGridsColours)
{
    Grid->SetCells(2, 3, "Nitrogen 12 kg/ha");
    Grid->Balloon().SetBackgroundColor(gfx::clYellow);
    Grid->Balloon().SetTextColor(gfx::clBlue);
    Grid->Balloon().SetInitialDelay(200);
    Grid->Balloon().SetEnable(true);
    ui::TToolTipWindow* t = ToolTipOf(*Grid);
    ASSERT_NE(t, nullptr);
    rtl::TRect r = Grid->CellRect(2, 3);
    ui::THeadlessBackend::MouseMove(Grid, r.Left + 5, r.Top + 5);
    Clock.Advance(200);
    App->ProcessMessages();
    ASSERT_TRUE(t->TipShowing());
    EXPECT_EQ(t->TipText(), "Nitrogen 12 kg/ha");
    EXPECT_EQ(t->TipBkColor(), gfx::clYellow);
    EXPECT_EQ(t->TipTextColor(), gfx::clBlue);
    EXPECT_EQ(t->MaxTipWidth(), 300);
    EXPECT_EQ(t->TitleIcon(), ui::TTI_INFO);
    EXPECT_EQ(Grid->LastBalloonPos(), (rtl::TPoint{2, 3}));
    // The balloon is painted over the form in its background colour.
    rtl::TRect b = t->Overlay().BoundsInHost();
    EXPECT_EQ(Form->WindowPixel(b.Left + b.Width() - 12, b.Top + 15), gfx::clYellow);
}

TEST_F(ExtGridBalloonTest, BalloonTextsAreCleanedAndCut)
{
    Grid->Balloon().SetEnable(true);
    const std::string longText(3000, 'x');
    struct Case {
        std::string cell, expected;
    };
    const Case cases[] = {
        {longText, std::string(2045, 'x') + "..."},
        {std::string(2048, 'y'), std::string(2048, 'y')},
        {"\r\n\n\tplanted\tearly", " planted early"},
        {"<b>bold</b> text", "bold text"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Maize \\b hybrid\\b0}", "Maize hybrid"},
    };
    for (const Case& c : cases) {
        Grid->SetCells(1, 1, c.cell);
        EXPECT_EQ(BalloonTextAt(1, 1), c.expected) << c.cell.substr(0, 20);
    }
    std::string title120(120, 't');
    Grid->OnCellBalloon = [&](grid::TSender, int, int, std::string& ATitle, std::string&, int&) { ATitle = title120; };
    BalloonTextAt(1, 1);
    EXPECT_EQ(ToolTipOf(*Grid)->Title(), std::string(97, 't') + "...");
}

TEST_F(ExtGridBalloonTest, CellBalloonsAndTheEventSupplyTitleTextAndIcon)
{
    Grid->Balloon().SetEnable(true);
    Grid->SetCells(1, 1, "cell text");
    Grid->AddBalloon(2, 2, "Sowing", "Sow after frost", TExtStringGrid::biWarning);
    Grid->SetCells(2, 2, "ignored");
    EXPECT_EQ(BalloonTextAt(2, 2), "Sow after frost");
    EXPECT_EQ(ToolTipOf(*Grid)->Title(), "Sowing");
    EXPECT_EQ(ToolTipOf(*Grid)->TitleIcon(), ui::TTI_WARNING);

    // Without ShowCell a plain cell has neither text nor title ...
    Grid->Balloon().SetShowCell(false);
    EXPECT_EQ(BalloonTextAt(1, 1), "");
    EXPECT_EQ(ToolTipOf(*Grid)->Title(), "");
    // ... unless the event supplies them; it sees the cell and what the grid made.
    int seenCol = -1, seenRow = -1;
    Grid->OnCellBalloon = [&](grid::TSender, int ACol, int ARow, std::string& ATitle, std::string& AText, int& AIcon) {
        seenCol = ACol;
        seenRow = ARow;
        ATitle = "From event";
        AText = "Event text " + AText;
        AIcon = ui::TTI_NONE;
    };
    EXPECT_EQ(BalloonTextAt(1, 1), "Event text ");
    EXPECT_EQ(seenCol, 1);
    EXPECT_EQ(seenRow, 1);
    EXPECT_EQ(ToolTipOf(*Grid)->Title(), "From event");
    EXPECT_EQ(ToolTipOf(*Grid)->TitleIcon(), ui::TTI_NONE);
}

TEST_F(ExtGridBalloonTest, WithoutEnableTheGridSuppliesNoBalloonText)
{
    Grid->Balloon().SetEnable(true);
    Grid->SetCells(1, 1, "text");
    ASSERT_EQ(BalloonTextAt(1, 1), "text");
    Grid->Balloon().SetEnable(false);
    EXPECT_EQ(BalloonTextAt(1, 1), "");
}

}  // namespace
