// The search footer's panel inside a shown grid: creation, showing, layout, enabling, keys, events and painting.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridButton.h"
#include "grid/core/GridCheckBox.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SearchPanel.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

class SearchPanelTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        MakeGridOnForm(true, 700);
        Grid->SetBounds(0, 0, 640, 300);
        Grid->SearchFooter().SetFindNextCaption("Next");
        Grid->SearchFooter().SetFindPrevCaption("Previous");
        Grid->SearchFooter().SetMatchCaseCaption("Match case");
        Form->Show();
    }
    TSearchPanel& Panel() { return *Grid->SearchPanel(); }
    void ShowFooter()
    {
        Grid->SearchFooter().SetVisible(true);
        Panel().OnForwardClick = [this](rtl::TObject*) { Events.push_back("forward"); };
        Panel().OnBackwardClick = [this](rtl::TObject*) { Events.push_back("backward"); };
    }

    std::vector<std::string> Events;
};

}  // namespace

TEST_F(SearchPanelTest, EveryGridHasAHiddenPanelOfNoHeightThatOnlyAGridMayOwn)
{
    ASSERT_NE(Grid->SearchPanel(), nullptr);
    EXPECT_EQ(Panel().Parent(), Grid);
    EXPECT_EQ(Panel().Grid(), Grid);
    EXPECT_FALSE(Panel().Visible());
    EXPECT_EQ(Panel().Height(), 0);
    EXPECT_EQ(Panel().BorderWidth(), 0);
    EXPECT_THROW(TSearchPanel panel(Form), rtl::EInvalidCast);
}

TEST_F(SearchPanelTest, VisibleFooterShowsThePanelAlongTheBottomAndTheCellsEndAboveIt)
{
    const int clientBottom = Grid->ClientRect().Bottom;
    ShowFooter();
    EXPECT_TRUE(Panel().Visible());
    EXPECT_EQ(Panel().Height(), 32);
    EXPECT_EQ(Panel().Top(), Grid->SearchFooterTop());
    EXPECT_EQ(Panel().Width(), Grid->ClientWidth());
    EXPECT_LT(Grid->ClientRect().Bottom, clientBottom);
    EXPECT_LE(Grid->ClientRect().Bottom, Panel().Top());

    Grid->SearchFooter().SetVisible(false);
    EXPECT_FALSE(Panel().Visible());
    EXPECT_EQ(Panel().Height(), 0);
    EXPECT_EQ(Grid->ClientRect().Bottom, clientBottom);
}

TEST_F(SearchPanelTest, FooterSettingsGoToTheButtonsAndLayOutVisibleItemsFromLeftToRight)
{
    Grid->SearchFooter().SetHintFindNext("Find the next hit");
    ShowFooter();
    EXPECT_EQ(Panel().ForwardButton()->GetText(), "Next");
    EXPECT_EQ(Panel().BackwardButton()->GetText(), "Previous");
    EXPECT_EQ(Panel().MatchCase()->GetText(), "Match case");
    EXPECT_TRUE(Panel().ForwardButton()->ShowHint());
    EXPECT_FALSE(Panel().BackwardButton()->ShowHint());  // no hint text, no hint
    // Next, previous and highlight buttons of 90 pixels, each followed by 8.
    EXPECT_EQ(Panel().ForwardButton()->Left(), 140);
    EXPECT_EQ(Panel().BackwardButton()->Left(), 238);
    EXPECT_EQ(Panel().HiliteButton()->Left(), 336);
    EXPECT_EQ(Panel().MatchCase()->Left(), 434);
    EXPECT_EQ(Panel().ResultLabel()->Left(), 434 + Panel().MatchCase()->Width() + 10);

    Grid->SearchFooter().SetShowHighLight(false);
    EXPECT_FALSE(Panel().HiliteButton()->Visible());
    EXPECT_EQ(Panel().HiliteButton()->Height(), 0);
    EXPECT_EQ(Panel().MatchCase()->Left(), 336);

    // Narrowing down has no buttons to step through hits.
    Grid->SearchFooter().SetSearchType(stNarrowDown);
    EXPECT_FALSE(Panel().ForwardButton()->Visible());
    EXPECT_FALSE(Panel().BackwardButton()->Visible());
    EXPECT_EQ(Panel().MatchCase()->Left(), 140);
}

TEST_F(SearchPanelTest, SearchButtonsAreEnabledExactlyWhileThereIsSearchText)
{
    ShowFooter();
    TExtGridButton* buttons[] = {Panel().ForwardButton(), Panel().BackwardButton(), Panel().HiliteButton()};
    for (TExtGridButton* b : buttons) EXPECT_FALSE(b->Enabled());
    Panel().EditControl()->SetFocus();
    THeadlessBackend::TypeText("a");
    for (TExtGridButton* b : buttons) EXPECT_TRUE(b->Enabled());
    THeadlessBackend::PressKey(ui::VK_BACK);
    EXPECT_EQ(Panel().EditControl()->GetText(), "");
    for (TExtGridButton* b : buttons) EXPECT_FALSE(b->Enabled());
}

TEST_F(SearchPanelTest, EnterFindsForwardAndCtrlEnterBackwardWithoutALineBreak)
{
    ShowFooter();
    Panel().EditControl()->SetFocus();
    THeadlessBackend::TypeText("ab");
    THeadlessBackend::PressKey(ui::VK_RETURN);
    THeadlessBackend::PressKey(ui::VK_RETURN, ui::ssCtrl);
    EXPECT_EQ(Events, (std::vector<std::string>{"forward", "backward"}));
    EXPECT_EQ(Panel().EditControl()->GetText(), "ab");
}

TEST_F(SearchPanelTest, ButtonClicksBecomeThePanelsEvents)
{
    ShowFooter();
    std::vector<std::string> more;
    Panel().OnExitClick = [&](rtl::TObject* s) { more.push_back(s == &Panel() ? "exit" : "?"); };
    Panel().OnHighlightClick = [&](rtl::TObject*) { more.push_back("highlight"); };
    Panel().OnMatchCaseClick = [&](rtl::TObject*) { more.push_back("case"); };
    Panel().EditControl()->SetText("x");
    Form->PaintPending();
    THeadlessBackend::Click(Panel().ForwardButton(), 20, 10);
    THeadlessBackend::Click(Panel().BackwardButton(), 20, 10);
    THeadlessBackend::Click(Panel().ExitButton(), 5, 5);
    THeadlessBackend::Click(Panel().HiliteButton(), 20, 10);
    THeadlessBackend::Click(Panel().MatchCase(), 5, 8);
    EXPECT_EQ(Events, (std::vector<std::string>{"forward", "backward"}));
    EXPECT_EQ(more, (std::vector<std::string>{"exit", "highlight", "case"}));
    EXPECT_TRUE(Panel().HiliteButton()->Down());  // the highlight button stays down
    EXPECT_TRUE(Panel().MatchCase()->Checked());
}

TEST_F(SearchPanelTest, PanelPaintsTheFooterColourUnderAGridLineAlongItsTop)
{
    Grid->SearchFooter().SetColor(0x40C040);
    Grid->SearchFooter().SetColorTo(gfx::clNone);
    Grid->SetGridLineColor(0x0000C0);
    ShowFooter();
    Form->PaintPending();
    const int x = Panel().Width() - 4;
    EXPECT_EQ(THeadlessBackend::Pixel(&Panel(), x, 16), 0x40C040);
    EXPECT_EQ(THeadlessBackend::Pixel(&Panel(), x, 0), 0x0000C0);

    // With a second colour the panel runs from one colour at the top to the other below.
    Grid->SearchFooter().SetColorTo(0xC04040);
    Form->PaintPending();
    auto green = [&](int y) { return (THeadlessBackend::Pixel(&Panel(), x, y) >> 8) & 0xFF; };
    auto blue = [&](int y) { return (THeadlessBackend::Pixel(&Panel(), x, y) >> 16) & 0xFF; };
    EXPECT_GT(green(2), blue(2));
    EXPECT_LT(green(30), blue(30));
    EXPECT_GT(green(2), green(16));
    EXPECT_GT(green(16), green(30));
}
