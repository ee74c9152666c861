// Tests of cell-edit undo and redo: single changes, grouped sequences, limits and linking.
#include "grid/core/ExtGridUndoRedo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

class UndoRedoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Grid = std::make_unique<TExtStringGrid>(nullptr);
        Grid->SetColCount(5);
        Grid->SetRowCount(5);
        Undo = std::make_unique<TExtGridUndoRedo>(nullptr);
        Grid->SetUndoRedo(Undo.get());
    }
    void TearDown() override
    {
        Undo.reset();
        Grid.reset();
        App.reset();
    }
    // Writes the cell and records the change, as editing does.
    void Edit(int c, int r, const std::string& text)
    {
        Undo->RegisterChange(c, r, Grid->Cells(c, r), text);
        Grid->SetCells(c, r, text);
    }
    std::unique_ptr<ui::TApplication> App;
    std::unique_ptr<TExtStringGrid> Grid;
    std::unique_ptr<TExtGridUndoRedo> Undo;
};

TEST_F(UndoRedoTest, LinkingTheComponentPointsItAtTheGridAndFreeingTheGridUnlinksIt)
{
    EXPECT_EQ(Undo->Grid(), Grid.get());
    Edit(1, 1, "x");
    Grid.reset();
    EXPECT_EQ(Undo->Grid(), nullptr);
    Undo->Undo();  // no grid: nothing, no crash
    EXPECT_EQ(Undo->Level(), 1);
    EXPECT_TRUE(Undo->CanUndo());
}

TEST_F(UndoRedoTest, FreeingTheComponentUnlinksItFromTheGrid)
{
    Undo.reset();
    EXPECT_EQ(Grid->UndoRedo(), nullptr);
}

TEST_F(UndoRedoTest, TwoChangesOfOneCellUndoneAndRedoneInTurn)
{
    Grid->SetCells(2, 3, "x");
    Edit(2, 3, "y");
    Edit(2, 3, "z");
    Undo->Undo();
    EXPECT_EQ(Grid->Cells(2, 3), "y");
    Undo->Undo();
    EXPECT_EQ(Grid->Cells(2, 3), "x");
    EXPECT_FALSE(Undo->CanUndo());
    EXPECT_TRUE(Undo->CanRedo());
    Undo->Undo();  // level 0: nothing
    EXPECT_EQ(Grid->Cells(2, 3), "x");
    Undo->Redo();
    EXPECT_EQ(Grid->Cells(2, 3), "y");
    Undo->Redo();
    EXPECT_EQ(Grid->Cells(2, 3), "z");
    EXPECT_FALSE(Undo->CanRedo());
    Undo->Redo();  // nothing left
    EXPECT_EQ(Grid->Cells(2, 3), "z");
}

TEST_F(UndoRedoTest, MaxLevelKeepsTheLatestChanges)
{
    Undo->SetMaxLevel(2);
    Edit(1, 1, "a");
    Edit(1, 2, "b");
    Edit(1, 3, "c");
    ASSERT_EQ(Undo->Items().Count(), 2);
    EXPECT_EQ(Undo->Items().Items(0).Value(), "b");
    EXPECT_EQ(Undo->Items().Items(1).Value(), "c");
    Undo->Undo();
    Undo->Undo();
    EXPECT_FALSE(Undo->CanUndo());
    EXPECT_EQ(Grid->Cells(1, 1), "a");  // the evicted change stays
    EXPECT_EQ(Grid->Cells(1, 2), "");
}

TEST_F(UndoRedoTest, GroupedCutUndoneAndRedoneInOneStepEach)
{
    Grid->SetCells(1, 1, "p");
    Grid->SetCells(2, 1, "q");
    Edit(4, 4, "before");
    int before = Undo->Level();
    Undo->StartSequence();
    Edit(1, 1, "");
    Edit(2, 1, "");
    Undo->StopSequence();
    ASSERT_EQ(Undo->Items().Count(), 5);
    EXPECT_TRUE(Undo->Items().Items(1).SequenceStart());
    EXPECT_EQ(Undo->Items().Items(1).Col(), -1);
    EXPECT_TRUE(Undo->Items().Items(4).SequenceStop());

    Undo->Undo();
    EXPECT_EQ(Grid->Cells(1, 1), "p");
    EXPECT_EQ(Grid->Cells(2, 1), "q");
    EXPECT_EQ(Grid->Cells(4, 4), "before");  // outside the group: untouched
    EXPECT_EQ(Undo->Level(), before);

    Undo->Redo();
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Grid->Cells(2, 1), "");
    EXPECT_EQ(Undo->Level(), Undo->Items().Count());

    // Undo twice walks over the group, then the single change before it.
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Grid->Cells(4, 4), "");
    EXPECT_EQ(Grid->Cells(1, 1), "p");
}

TEST_F(UndoRedoTest, EventsGetTheStoredColumnAndTheGridShowsItsDisplayPosition)
{
    Grid->HideColumn(1);  // cells are stored at their display position: 3 is real column 4
    std::vector<std::string> seen;
    Undo->OnUndo = [&](TSender, TBaseGrid* g, int c, int r, const std::string& cur, const std::string& next) {
        EXPECT_EQ(g, Grid.get());
        seen.push_back("undo " + std::to_string(c) + "," + std::to_string(r) + " " + cur + ">" + next);
    };
    Undo->OnRedo = [&](TSender, TBaseGrid*, int c, int r, const std::string& cur, const std::string& next) {
        seen.push_back("redo " + std::to_string(c) + "," + std::to_string(r) + " " + cur + ">" + next);
    };
    Undo->RegisterChange(3, 2, "old", "new");
    Grid->SetCells(3, 2, "new");
    Undo->Undo();
    EXPECT_EQ(Grid->Cells(3, 2), "old");
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 2);
    Undo->Redo();
    EXPECT_EQ(seen, (std::vector<std::string>{"undo 3,2 new>old", "redo 3,2 old>new"}));
}

// An undo or redo that meets a sequence marker with no change writes no cell: the
// marker's -1 coordinates name no cell and nothing may be written there.
TEST_F(UndoRedoTest, StepOntoAMarkerWithoutChangeMovesPastItWithoutWriting)
{
    int writes = 0;
    Undo->OnUndo = [&](TSender, TBaseGrid*, int, int, const std::string&, const std::string&) { ++writes; };
    Undo->OnRedo = [&](TSender, TBaseGrid*, int, int, const std::string&, const std::string&) { ++writes; };
    Edit(1, 1, "a");
    Undo->StartSequence();  // a sequence that is never given a change or a stop
    Undo->Undo();
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(Undo->Level(), 1);
    EXPECT_EQ(Grid->Cells(1, 1), "a");
    Undo->Redo();
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(Undo->Level(), 2);
    EXPECT_FALSE(Undo->CanRedo());

    // An empty closed group: one step over both markers each way.
    Undo->Reset();
    Undo->StartSequence();
    Undo->StopSequence();
    Undo->Undo();
    EXPECT_EQ(Undo->Level(), 0);
    Undo->Redo();
    EXPECT_EQ(Undo->Level(), 2);
    EXPECT_EQ(writes, 0);
}

// Redo of a group not yet closed writes every change of it, the last one included.
TEST_F(UndoRedoTest, RedoOfAnOpenSequenceWritesItsLastChangeToo)
{
    Undo->StartSequence();
    Edit(1, 1, "a");
    Edit(2, 1, "b");
    Undo->Undo();  // single steps back through the open group
    Undo->Undo();
    Undo->Undo();  // the start marker
    EXPECT_EQ(Undo->Level(), 0);
    EXPECT_EQ(Grid->Cells(2, 1), "");
    Undo->Redo();
    EXPECT_EQ(Grid->Cells(1, 1), "a");
    EXPECT_EQ(Grid->Cells(2, 1), "b");
    EXPECT_EQ(Undo->Level(), 3);
}

// A new edit after an undo discards the undone edits, so later undos never write their
// old texts back over the newer ones.
TEST_F(UndoRedoTest, NewEditAfterUndoDiscardsTheUndoneEdits)
{
    Edit(1, 1, "a");
    Edit(2, 2, "b");
    Undo->Undo();  // (2,2) back to ""
    Edit(3, 3, "c");
    EXPECT_EQ(Undo->Items().Count(), 2);
    EXPECT_FALSE(Undo->CanRedo());
    Grid->SetCells(2, 2, "typed later");
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Grid->Cells(3, 3), "");
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Grid->Cells(2, 2), "typed later");
    EXPECT_FALSE(Undo->CanUndo());
}

TEST_F(UndoRedoTest, ResetEmptiesTheRecord)
{
    Edit(1, 1, "a");
    Undo->Reset();
    EXPECT_EQ(Undo->Level(), 0);
    EXPECT_FALSE(Undo->CanUndo());
    EXPECT_FALSE(Undo->CanRedo());
}

}  // namespace
