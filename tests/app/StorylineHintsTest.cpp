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
