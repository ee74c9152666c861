// Drags started from a string grid with the mouse onto another grid, and a CSV file dropped on a grid through SDL.
#include <gtest/gtest.h>
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "tests/support/TempDir.h"

namespace {

using ui::THeadlessBackend;

grid::TExtStringGrid* MakeGrid(ui::TForm* form, int left, char letter)
{
    auto* g = new grid::TExtStringGrid(form);
    g->SetParent(form);
    g->SetBounds(left, 0, 240, 300);
    g->SetColCount(4);
    g->SetRowCount(6);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c) g->SetCells(c, r, std::string(1, letter) + std::to_string(c) + std::to_string(r));
    return g;
}

class GridMouseDragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::SetMonotonicClock(&Clock);
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 500, 320);
        Source = MakeGrid(Form, 0, 's');
        Target = MakeGrid(Form, 250, 't');
        Source->DragDropSettings().SetOleDropSource(true);
        Target->DragDropSettings().SetOleDropTarget(true);
        // Dropped text is pasted, which needs an editable grid.
        Target->SetOptions(Target->Options() | ui::goEditing);
        Form->Show();
    }
    void TearDown() override
    {
        for (int vk : {ui::VK_LBUTTON, ui::VK_CONTROL, ui::VK_ESCAPE}) ui::SetKeyDown(vk, false);
        App.reset();
        ui::SetMonotonicClock(nullptr);
    }
    static rtl::TPoint Centre(grid::TExtStringGrid* g, int c, int r)
    {
        const rtl::TRect cell = g->CellRect(c, r);
        return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    }
    // Presses inside the source's selection and moves the pointer; the drag loop that the
    // move starts plays the steps from the idle handler.
    void DragFromSource(rtl::TPoint press, int dx, std::vector<std::function<void()>> steps)
    {
        std::size_t next = 0;
        App->OnIdle = [&](rtl::TObject*, bool& done) {
            done = false;
            if (next < steps.size()) steps[next++]();
        };
        Clock.Advance(2000);
        THeadlessBackend::MouseDown(Source, press.X, press.Y);
        THeadlessBackend::MouseMove(Source, press.X + dx, press.Y);
        App->OnIdle = nullptr;
    }

    ui::TManualClock Clock;
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    grid::TExtStringGrid* Source = nullptr;
    grid::TExtStringGrid* Target = nullptr;
};

TEST_F(GridMouseDragTest, CellsDraggedOntoAnotherGridMoveCopyWithCtrlAndStayWithEscape)
{
    struct Case {
        int Key;  // held during the drag (0: none)
        std::string Dropped;
        std::string LeftBehind;
    };
    const Case cases[] = {{0, "s11", ""}, {ui::VK_CONTROL, "s11", "s11"}, {ui::VK_ESCAPE, "t23", "s11"}};
    for (const Case& k : cases) {
        Source->SetCells(1, 1, "s11");
        Target->SetCells(2, 3, "t23");
        Source->SetSelection(rtl::TRect{1, 1, 1, 1});
        const rtl::TPoint at = Centre(Target, 2, 3);
        bool started = false;
        Source->OnOleDragStart = [&](grid::TSender, int, int) { started = true; };
        DragFromSource(Centre(Source, 1, 1), 8,
                       {[&] { THeadlessBackend::MouseMove(Target, at.X, at.Y); },
                        [&] {
                            if (k.Key != 0) THeadlessBackend::KeyDown(k.Key);
                        },
                        [&] { THeadlessBackend::MouseMove(Target, at.X + 1, at.Y); },
                        [&] { THeadlessBackend::MouseUp(Target, at.X + 1, at.Y); }});
        if (k.Key != 0) THeadlessBackend::KeyUp(k.Key);
        EXPECT_TRUE(started) << k.Key;
        EXPECT_EQ(Target->Cells(2, 3), k.Dropped) << k.Key;
        EXPECT_EQ(Source->Cells(1, 1), k.LeftBehind) << k.Key;
        EXPECT_FALSE(ui::DragLoopActive());
    }
}

// A whole row, selected by a click in a grid that selects rows, is dragged by the mouse and
// inserted before the row it is dropped on; the source row goes away. Onto another grid and
// within the one grid (where the removed row lies above or below the inserted one), as text
// alone and with the grid's cell block beside it.
TEST_F(GridMouseDragTest, WholeRowsDraggedAreInsertedWhereDroppedAndRemovedFromTheirSource)
{
    struct Case {
        const char* Name;
        bool WithinSource;
        int FromRow;
        int OntoRow;
        std::vector<std::string> SourceColumn;  // column 1 of the source afterwards
        std::vector<std::string> TargetColumn;  // column 1 of the other grid afterwards
    };
    const std::vector<std::string> targetAsMade{"t10", "t11", "t12", "t13", "t14", "t15"};
    const Case cases[] = {
        {"onto another grid", false, 2, 3, {"s10", "s11", "s13", "s14", "s15"},
         {"t10", "t11", "t12", "s12", "t13", "t14", "t15"}},
        {"down within the grid", true, 1, 4, {"s10", "s12", "s13", "s11", "s14", "s15"}, targetAsMade},
        {"up within the grid", true, 4, 2, {"s10", "s11", "s14", "s12", "s13", "s15"}, targetAsMade},
    };
    for (const Case& k : cases)
    for (bool cellBlock : {false, true}) {
        SCOPED_TRACE(k.Name);
        SCOPED_TRACE(cellBlock ? "text and cell block" : "text only");
        TearDown();
        SetUp();
        for (grid::TExtStringGrid* g : {Source, Target}) {
            g->SetOptions(g->Options() | ui::goRowSelect | ui::goEditing);
            g->DragDropSettings().SetOleDropSource(true);
            g->DragDropSettings().SetOleDropTarget(true);
            g->DragDropSettings().SetOleEntireRows(true);
            g->DragDropSettings().SetOleInsertRows(true);
            g->DragDropSettings().SetOleRemoveRows(true);
            g->Navigation().SetAllowFmtClipboard(cellBlock);
        }
        grid::TExtStringGrid* onto = k.WithinSource ? Source : Target;
        const rtl::TPoint press = Centre(Source, 2, k.FromRow);
        THeadlessBackend::Click(Source, press.X, press.Y);
        ASSERT_EQ(Source->Selection().Top, k.FromRow);
        ASSERT_EQ(Source->Selection().Bottom, k.FromRow);
        const rtl::TPoint at = Centre(onto, 2, k.OntoRow);
        DragFromSource(press, 8,
                       {[&] { THeadlessBackend::MouseMove(onto, at.X, at.Y); },
                        [&] { THeadlessBackend::MouseMove(onto, at.X + 1, at.Y); },
                        [&] { THeadlessBackend::MouseUp(onto, at.X + 1, at.Y); }});
        EXPECT_FALSE(ui::DragLoopActive());
        const auto column = [](grid::TExtStringGrid* g) {
            std::vector<std::string> cells;
            for (int r = 0; r < g->RowCount(); ++r) cells.push_back(g->Cells(1, r));
            return cells;
        };
        EXPECT_EQ(column(Source), k.SourceColumn);
        EXPECT_EQ(column(Target), k.TargetColumn);
        // The whole row travelled, not only the cell under the mouse.
        const int landed = static_cast<int>(
            std::find(k.SourceColumn.begin(), k.SourceColumn.end(), "s1" + std::to_string(k.FromRow)) -
            k.SourceColumn.begin());
        if (k.WithinSource) {
            EXPECT_EQ(Source->Cells(3, landed), "s3" + std::to_string(k.FromRow));
        } else {
            EXPECT_EQ(Target->Cells(3, k.OntoRow), "s3" + std::to_string(k.FromRow));
        }
    }
}

TEST_F(GridMouseDragTest, NoDragStartsWithinThreePixelsOrOutsideTheSelection)
{
    bool started = false;
    Source->OnOleDragStart = [&](grid::TSender, int, int) { started = true; };
    Source->SetSelection(rtl::TRect{1, 1, 1, 1});
    DragFromSource(Centre(Source, 1, 1), 3, {});
    THeadlessBackend::MouseUp(Source, Centre(Source, 1, 1).X + 3, Centre(Source, 1, 1).Y);
    EXPECT_FALSE(started);
    // The press inside the selection that did not become a drag selects the pressed cell.
    EXPECT_EQ(Source->Col(), 1);
    EXPECT_EQ(Source->Row(), 1);
    // A press outside the selection starts a range selection, not a drag.
    DragFromSource(Centre(Source, 2, 3), 30, {});
    THeadlessBackend::MouseUp(Source, Centre(Source, 2, 3).X + 30, Centre(Source, 2, 3).Y);
    EXPECT_FALSE(started);
    EXPECT_EQ(Target->Cells(2, 3), "t23");
}

TEST(GridFileDropSdl, CsvFileDroppedOnARealWindowLoadsIntoTheGrid)
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') GTEST_SKIP() << "no DISPLAY; scripts/test runs this under Xvfb";
    testsupport::TempDir dir;
    const std::string csv = dir.File("drop.csv");
    {
        std::FILE* f = std::fopen(csv.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("name;value\r\nrye;12\r\n", f);
        std::fclose(f);
    }
    ui::TApplication app;
    auto backend = std::make_unique<ui::TSdlBackend>();
    ui::TSdlBackend* sdl = backend.get();
    app.SetBackend(std::move(backend));
    auto* form = new ui::TForm(&app);
    form->SetBounds(40, 40, 320, 240);
    auto* g = new grid::TExtStringGrid(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 300, 220);
    g->SetDelimiter(";");
    form->Show();
    app.ProcessMessages();
    g->DragDropSettings().SetOleDropTarget(true);

    SDL_WarpMouseInWindow(sdl->SdlWindow(form), 100, 80);
    auto push = [&](Uint32 type, const char* file) {
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = type;
        e.drop.windowID = sdl->WindowId(form);
        e.drop.file = file != nullptr ? SDL_strdup(file) : nullptr;
        SDL_PushEvent(&e);
    };
    push(SDL_DROPBEGIN, nullptr);
    push(SDL_DROPFILE, csv.c_str());
    push(SDL_DROPCOMPLETE, nullptr);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (g->Cells(1, 1) != "12" && std::chrono::steady_clock::now() < until) {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(g->Cells(0, 0), "name");
    EXPECT_EQ(g->Cells(0, 1), "rye");
    EXPECT_EQ(g->Cells(1, 1), "12");
}

}  // namespace

namespace {

// A drag held near the target's bottom edge scrolls it one row per tick, the first after
// the initial delay and then at the repeat delay; OnDragScroll sees the direction and may
// refuse a step; leaving the edge stops it.
TEST_F(GridMouseDragTest, ADragHeldNearTheTargetsEdgeScrollsItOnTheDragScrollTimer)
{
    Target->SetRowCount(40);
    Target->SetDefaultRowHeight(20);
    Target->DragScrollOptions().SetActive(true);
    std::vector<int> directions;
    int refuseFrom = 3;
    Target->OnDragScroll = [&](grid::TSender, int, int, grid::TDragScrollDirections& d, bool& canScroll) {
        directions.push_back(d);
        canScroll = static_cast<int>(directions.size()) < refuseFrom;
    };
    Source->SetSelection(rtl::TRect{1, 1, 1, 1});
    const rtl::TPoint nearBottom{Centre(Target, 2, 13).X, Target->CellRect(2, 13).Top + 5};
    const rtl::TPoint middle = Centre(Target, 2, 5);
    std::vector<int> tops;
    auto advance = [&](int ms) { return [&, ms] { Clock.Advance(ms); }; };
    auto recordTop = [&] { tops.push_back(Target->TopRow()); };
    DragFromSource(Centre(Source, 1, 1), 8,
                   {[&] { THeadlessBackend::MouseMove(Target, nearBottom.X, nearBottom.Y); },
                    [&] { THeadlessBackend::MouseMove(Target, nearBottom.X + 1, nearBottom.Y); }, advance(999), recordTop,
                    advance(1), recordTop, advance(250), recordTop, advance(250), recordTop,
                    [&] { THeadlessBackend::MouseMove(Target, middle.X, middle.Y); }, advance(1000), recordTop,
                    [&] { THeadlessBackend::KeyDown(ui::VK_ESCAPE); },
                    [&] { THeadlessBackend::MouseMove(Target, middle.X + 1, middle.Y); }});
    THeadlessBackend::KeyUp(ui::VK_ESCAPE);
    EXPECT_FALSE(ui::DragLoopActive());
    // Not before the initial delay; a row per tick; the refused third tick moves nothing;
    // away from the edges nothing more.
    // (The drop target's own scrolling over a partly shown row may move the start.)
    ASSERT_EQ(tops.size(), 5u);
    const int b = tops[0];
    EXPECT_EQ(tops, (std::vector<int>{b, b + 1, b + 2, b + 2, b + 2}));
    EXPECT_EQ(directions, (std::vector<int>{grid::dsdDown, grid::dsdDown, grid::dsdDown}));
}

}  // namespace
