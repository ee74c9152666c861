// Hints of the storyline tables in the headless main window: a resting mouse on a header shows the column's comment.
#include <gtest/gtest.h>

#include <memory>

#include "app/Program.h"
#include "app/StorylineModel.h"
#include "app/StorylineTables.h"
#include "app/Unit1.h"
#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "tests/support/TempDir.h"

namespace {

class StorylineHintsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InDir = std::make_unique<testsupport::CurrentDirScope>(Dir.Path());
        ui::SetMonotonicClock(&Clock);
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form1 = app::CreateWorkbenchForms(*App).MainForm;
        Form1->Show();
        App->ProcessMessages();
        App->ActivateForm(Form1);
        App->ProcessMessages();
    }
    void TearDown() override
    {
        App.reset();
        ui::SetMonotonicClock(nullptr);
        InDir.reset();
    }

    testsupport::TempDir Dir;
    std::unique_ptr<testsupport::CurrentDirScope> InDir;
    ui::TManualClock Clock;
    std::unique_ptr<ui::TApplication> App;
    app::TForm1* Form1 = nullptr;
};

// The planting table's headers fit their cells, so the comment is the hint, at the header
// cell's top-right corner.
TEST_F(StorylineHintsTest, ARestingMouseOnACommentedHeaderShowsTheCommentAtTheCellsTopRightCorner)
{
    const app::TEventTable& table = app::EventTable(app::AllEventKinds[0]);
    auto* g = dynamic_cast<grid::TExtStringGrid*>(Form1->FindComponent(table.GridName));
    ASSERT_NE(g, nullptr);
    ASSERT_TRUE(g->ShowHint());
    ASSERT_TRUE(g->HintShowLargeText());
    int shownColumns = 0;
    for (int c = 0; c < table.ColCount; ++c) {
        const rtl::TRect rc = g->CellRect(c, 0);
        const rtl::TPoint size = g->GetCellTextSize(c, 0);
        if (rtl::IsRectEmpty(rc) || size.X > rc.Width() || size.Y > rc.Height()) continue;
        SCOPED_TRACE(table.Columns[static_cast<std::size_t>(c)].Header);
        ui::THeadlessBackend::MouseMove(g, rc.Left + 4, rc.Top + 4);
        Clock.Advance(App->HintPause());
        App->ProcessMessages();
        ui::THintWindow* w = App->HintWindow();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->Visible());
        EXPECT_EQ(w->Caption(), table.Columns[static_cast<std::size_t>(c)].Meaning);
        const rtl::TPoint corner = g->ClientToScreen({rc.Right, rc.Top});
        EXPECT_EQ(w->Left(), corner.X);
        EXPECT_EQ(w->Top(), corner.Y);
        ++shownColumns;
        // Away from the grid the hint goes.
        ui::THeadlessBackend::MouseMove(Form1, 2, 2);
        App->ProcessMessages();
        EXPECT_FALSE(w->Visible());
    }
    EXPECT_GT(shownColumns, 0);
}

}  // namespace

namespace {

// Every header of every storyline table the page shows, reached the way a user does: the
// mouse comes onto the first header from outside the grid and waits the hint pause, then
// walks along the header row. A header that fits shows its column's comment, one that does
// not fit shows its whole text, both at the header cell's top-right corner; nothing shows
// before the pause is over.
TEST_F(StorylineHintsTest, EveryHeaderShowsItsCommentOrWholeTextAfterThePauseAtTheTopRightCorner)
{
    int tables = 0;
    int comments = 0;
    for (app::TEventKind kind : app::AllEventKinds) {
        const app::TEventTable& table = app::EventTable(kind);
        auto* g = dynamic_cast<grid::TExtStringGrid*>(Form1->FindComponent(table.GridName));
        ASSERT_NE(g, nullptr);
        // The vegetation panels lie on one another: only the tables the user sees are reached.
        const rtl::TPoint inHeader = Form1->ScreenToClient(g->ClientToScreen({4, 4}));
        if (!g->Showing() || Form1->ControlAtPos(inHeader, true, true, true) != g) continue;
        SCOPED_TRACE(table.GridName);
        ++tables;
        ui::THeadlessBackend::MouseMove(Form1, 2, 2);
        App->ProcessMessages();
        for (int c = 0; c < table.ColCount; ++c) {
            const rtl::TRect rc = g->CellRect(c, 0);
            if (rtl::IsRectEmpty(rc)) continue;
            const app::TEventTableColumn& column = table.Columns[static_cast<std::size_t>(c)];
            SCOPED_TRACE(column.Header);
            ui::THintWindow* w = App->HintWindow();
            const bool hintShown = w != nullptr && w->Visible();
            ui::THeadlessBackend::MouseMove(g, rc.Left + 3 + c % 3, rc.Top + 4);
            if (!hintShown) {
                Clock.Advance(App->HintPause() - 1);
                App->ProcessMessages();
                EXPECT_TRUE(App->HintWindow() == nullptr || !App->HintWindow()->Visible());
                Clock.Advance(1);
            } else {
                // Leaving the cell takes its hint away; the next one follows.
                App->ProcessMessages();
                EXPECT_FALSE(App->HintWindow()->Visible());
                Clock.Advance(App->HintPause());
            }
            App->ProcessMessages();
            w = App->HintWindow();
            ASSERT_NE(w, nullptr);
            ASSERT_TRUE(w->Visible());
            const rtl::TPoint size = g->GetCellTextSize(c, 0);
            const bool fits = size.X <= rc.Width() && size.Y <= rc.Height();
            EXPECT_EQ(w->Caption(), fits ? column.Meaning : column.Header);
            comments += fits;
            const rtl::TPoint corner = g->ClientToScreen({rc.Right, rc.Top});
            EXPECT_EQ(w->Left(), corner.X);
            EXPECT_EQ(w->Top(), corner.Y);
        }
    }
    EXPECT_GT(tables, 0);
    EXPECT_GT(comments, 0);
}

}  // namespace
