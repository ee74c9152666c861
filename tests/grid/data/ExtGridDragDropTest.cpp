// OLE drag and drop of the string grid: the foundation's acceptance and data blocks, and drags of columns, cells, text and files driven by real mouse input.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/data/EsgDragDrop.h"
#include "grid/data/ExtGridDragDrop.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Keyboard.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

using namespace grid;
using ui::DWORD;

namespace {

// --- the foundation ---

// A target that records which payload operation ran.
class TProbeTarget : public TESGDropTarget {
public:
    std::vector<std::string> Calls;
    std::string Last;
    void DropText(rtl::TPoint, const std::string& s) override { Record("text", s); }
    void DropStream(rtl::TPoint, std::unique_ptr<rtl::TMemoryStream> ms) override
    {
        Record("stream", std::to_string(ms ? ms->Size() : -1));
    }
    void DropCol(rtl::TPoint, int Col) override { Record("col", std::to_string(Col)); }
    void DropRTF(rtl::TPoint, const std::string& s) override { Record("rtf", s); }
    void DropFiles(rtl::TPoint, const std::vector<std::string>& Files) override { Record("files", Files.front()); }
    void DropURL(rtl::TPoint, const std::string& s) override { Record("url", s); }
    void DragMouseEnter() override {}
    void DragMouseLeave() override {}

private:
    void Record(const std::string& kind, const std::string& value)
    {
        Calls.push_back(kind);
        Last = value;
    }
};

std::string Utf16Z(const std::string& s) { return ui::Utf8ToUtf16LE(s) + std::string(2, '\0'); }

struct AcceptCase {
    const char* Name;
    std::vector<std::pair<unsigned, std::string>> Blocks;
    bool AcceptFiles;
    bool AcceptText;
    DWORD Keys;
    DWORD Effect;
    const char* Delivered;
};

class EsgDropTargetAccept : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(EsgDropTargetAccept, EnterDecidesTheEffectAndDropDeliversThePayload)
{
    const AcceptCase& k = GetParam();
    TProbeTarget target;
    target.AcceptFiles = k.AcceptFiles;
    target.AcceptText = k.AcceptText;
    auto data = ui::MakeBlockDataObject(k.Blocks);
    DWORD effect = ui::DROPEFFECT_COPY | ui::DROPEFFECT_MOVE;
    target.DragEnter(data.get(), k.Keys, {0, 0}, effect);
    EXPECT_EQ(effect, k.Effect);
    effect = ui::DROPEFFECT_COPY | ui::DROPEFFECT_MOVE;
    target.DragOver(k.Keys, {0, 0}, effect);
    EXPECT_EQ(effect, k.Effect);
    target.Drop(data.get(), k.Keys, {0, 0}, effect);
    std::string delivered;
    for (const auto& c : target.Calls) delivered += (delivered.empty() ? "" : ",") + c;
    EXPECT_EQ(delivered, k.Delivered);
}

std::string CellBlock(std::uint32_t n)
{
    std::string b(8 + n, 'x');
    for (int i = 0; i < 8; ++i) b[i] = 0;
    b[0] = static_cast<char>(n);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EsgDropTargetAccept,
    ::testing::Values(
        AcceptCase{"OnlyFilesRefused", {{ui::CF_HDROP, ui::MakeFileDropBlock({"a.txt"})}}, false, true, ui::MK_DRAG_LBUTTON, ui::DROPEFFECT_NONE, ""},
        AcceptCase{"FilesAccepted", {{ui::CF_HDROP, ui::MakeFileDropBlock({"a.txt"})}}, true, true, ui::MK_DRAG_LBUTTON, ui::DROPEFFECT_MOVE, "files"},
        AcceptCase{"CellBlockWhateverTheSwitches", {{CF_GRIDCELLS(), CellBlock(5)}}, false, false, ui::MK_DRAG_LBUTTON, ui::DROPEFFECT_MOVE, "stream"},
        AcceptCase{"CtrlCopies", {{ui::CF_UNICODETEXT, Utf16Z("hi")}}, false, true, ui::MK_DRAG_LBUTTON | ui::MK_DRAG_CONTROL, ui::DROPEFFECT_COPY, "text"},
        AcceptCase{"TextRefusedWhenOff", {{ui::CF_UNICODETEXT, Utf16Z("hi")}}, true, false, ui::MK_DRAG_LBUTTON, ui::DROPEFFECT_NONE, ""},
        AcceptCase{"UrlLinks", {{ui::CF_UNICODETEXT, Utf16Z("http://x")}, {CF_URL(), std::string("http://x\0", 9)}}, false, false, ui::MK_DRAG_LBUTTON, ui::DROPEFFECT_LINK, "url"},
        AcceptCase{"TextThenFiles", {{ui::CF_UNICODETEXT, Utf16Z("t")}, {ui::CF_HDROP, ui::MakeFileDropBlock({"f"})}}, true, true, ui::MK_DRAG_LBUTTON, ui::DROPEFFECT_MOVE, "text,files"}),
    [](const ::testing::TestParamInfo<AcceptCase>& info) { return std::string(info.param.Name); });

TEST(EsgDropTarget, UrlDropCarriesTheOfferedUnicodeText)
{
    TProbeTarget target;
    auto data = ui::MakeBlockDataObject({{ui::CF_UNICODETEXT, Utf16Z("http://ő.hu")}, {CF_URL(), std::string("x\0", 2)}});
    DWORD effect = ui::DROPEFFECT_COPY;
    target.DragEnter(data.get(), ui::MK_DRAG_LBUTTON, {0, 0}, effect);
    target.Drop(data.get(), ui::MK_DRAG_LBUTTON, {0, 0}, effect);
    EXPECT_EQ(target.Last, "http://ő.hu");
}

TEST(EsgSourceData, FormatsBlocksAndRefusals)
{
    rtl::TMemoryStream ms;
    std::string payload(100, 'p');
    ms.Write(payload.data(), 100);
    TSourceDataObject data("a\tő", &ms, 7, "{\\rtf}");

    std::shared_ptr<ui::IEnumFORMATETC> en;
    ASSERT_EQ(data.EnumFormatEtc(ui::DATADIR_GET, en), ui::S_OK);
    ui::FORMATETC recs[6];
    unsigned fetched = 0;
    EXPECT_EQ(en->Next(5, recs, &fetched), ui::S_OK);
    EXPECT_EQ(fetched, 5u);
    EXPECT_EQ(recs[0].cfFormat, ui::CF_TEXT);
    EXPECT_EQ(recs[3].cfFormat, CF_GRIDCOL());
    EXPECT_EQ(recs[4].cfFormat, CF_GRIDCELLS());
    en->Reset();
    EXPECT_EQ(en->Skip(6), ui::S_FALSE);
    EXPECT_EQ(en->Next(1, recs, &fetched), ui::S_FALSE);
    EXPECT_EQ(data.EnumFormatEtc(ui::DATADIR_SET, en), ui::E_NOTIMPL);

    ui::STGMEDIUM m;
    ASSERT_EQ(data.GetData(ui::FORMATETC{CF_GRIDCELLS()}, m), ui::S_OK);
    ASSERT_EQ(m.hGlobal->size(), 108u);
    EXPECT_EQ(static_cast<unsigned char>((*m.hGlobal)[0]), 100);
    EXPECT_EQ(m.hGlobal->substr(8), payload);
    ASSERT_EQ(data.GetData(ui::FORMATETC{ui::CF_TEXT}, m), ui::S_OK);
    EXPECT_EQ(*m.hGlobal, std::string("a\t\xF5\0", 4));  // system code page, zero-terminated
    ASSERT_EQ(data.GetData(ui::FORMATETC{CF_GRIDCOL()}, m), ui::S_OK);
    EXPECT_EQ(*m.hGlobal, std::string("\x07\0\0\0", 4));

    SetRtfDropAccepted(false);
    EXPECT_EQ(data.QueryGetData(ui::FORMATETC{CF_RTF()}), ui::DV_E_FORMATETC);
    SetRtfDropAccepted(true);
    EXPECT_EQ(data.QueryGetData(ui::FORMATETC{CF_RTF()}), ui::S_OK);
    SetRtfDropAccepted(false);
    ui::FORMATETC wrongMedium{ui::CF_TEXT};
    wrongMedium.tymed = 4;
    EXPECT_EQ(data.QueryGetData(wrongMedium), ui::DV_E_FORMATETC);
    EXPECT_EQ(data.DAdvise(), ui::OLE_E_ADVISENOTSUPPORTED);

    TSourceDataObject empty("", nullptr, -1, "");
    EXPECT_EQ(empty.QueryGetData(ui::FORMATETC{ui::CF_TEXT}), ui::DV_E_FORMATETC);
    EXPECT_EQ(empty.QueryGetData(ui::FORMATETC{CF_GRIDCELLS()}), ui::DV_E_FORMATETC);
}

TEST(EsgEnumFormats, ReadersAndAShortCellBlock)
{
    std::string block = CellBlock(200).substr(0, 58);  // claims 200 bytes, holds 50
    auto data = ui::MakeBlockDataObject({{CF_GRIDCELLS(), block}, {CF_GRIDCOL(), std::string("\x03\0\0\0", 4)}});
    TEnumFormats f(data.get());
    EXPECT_EQ(f.Col(), 3);
    EXPECT_EQ(f.Formats(), static_cast<TDropFormats>(dfGridCells | dfCol));
    auto ms = f.Stream();
    ASSERT_NE(ms, nullptr);
    EXPECT_EQ(ms->Size(), 50);
    EXPECT_FALSE(f.HasText());
    EXPECT_EQ(f.Text(), "");
}

TEST(EsgDropEffect, MoveWithoutCtrlWhenOfferedElseCopy)
{
    EXPECT_EQ(ShiftStateToDropEffect(0, ui::DROPEFFECT_COPY | ui::DROPEFFECT_MOVE), ui::DROPEFFECT_MOVE);
    EXPECT_EQ(ShiftStateToDropEffect(ui::MK_DRAG_CONTROL, ui::DROPEFFECT_COPY | ui::DROPEFFECT_MOVE), ui::DROPEFFECT_COPY);
    EXPECT_EQ(ShiftStateToDropEffect(0, ui::DROPEFFECT_COPY), ui::DROPEFFECT_COPY);
}

TEST(ExtGridTextDimensions, ColumnsAndRowsOfTabAndLineText)
{
    struct Case {
        const char* Text;
        int Cols;
        int Rows;
    };
    const Case cases[] = {{"a\tb\r\nc", 2, 1}, {"a", 1, 0}, {"a\r\n", 1, 0}, {"a\tb\tc\rd\re", 3, 2}, {"", 1, 0}};
    TExtStringGrid grid(nullptr);
    for (const Case& k : cases) {
        int cols = -1;
        int rows = -1;
        grid.TextDimensions(k.Text, cols, rows);
        EXPECT_EQ(cols, k.Cols) << k.Text;
        EXPECT_EQ(rows, k.Rows) << k.Text;
    }
}

// --- the grid on a shown form, driven by mouse input ---

class ExtGridDragDrop : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        gridtest::GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 400, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 5; ++c) Grid->SetCells(c, r, std::string(1, static_cast<char>('a' + c)) + std::to_string(r));
        Form->Show();
        DragDropSettings().SetOleDropTarget(true);
    }
    void TearDown() override
    {
        ui::SetKeyDown(ui::VK_LBUTTON, false);
        ui::SetKeyDown(ui::VK_CONTROL, false);
        gridtest::GridOnFormTest::TearDown();
    }

    TDragDropSettings& DragDropSettings() { return Grid->DragDropSettings(); }
    rtl::TPoint Centre(int c, int r)
    {
        rtl::TRect cell = Grid->CellRect(c, r);
        return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    }
    // Runs `start` (which runs a drag loop) while the idle handler plays the steps.
    void RunDrag(std::vector<std::function<void()>> steps, const std::function<void()>& start)
    {
        std::size_t next = 0;
        App->OnIdle = [&](rtl::TObject*, bool& done) {
            done = false;
            if (next < steps.size()) steps[next++]();
        };
        start();
        App->OnIdle = nullptr;
    }
    void MoveTo(rtl::TPoint p) { ui::THeadlessBackend::MouseMove(Grid, p.X, p.Y); }
    void ReleaseAt(rtl::TPoint p) { ui::THeadlessBackend::MouseUp(Grid, p.X, p.Y); }
    // A text drag from outside the grid, started by a press on the form's free area.
    void DragTextIn(const std::string& text, std::vector<std::function<void()>> steps, const std::string& rtf = "")
    {
        ui::THeadlessBackend::MouseDown(Form, 450, 350);
        TESGDropSource source;
        RunDrag(std::move(steps), [&] {
            DWORD effect = 0;
            StartOleTextDrag(&source, text, rtf, effect, ui::DROPEFFECT_COPY | ui::DROPEFFECT_MOVE, nullptr);
        });
    }
    bool Shown(TArrowDirection d) { return Grid->ArrowWindow(d)->Visible(); }
    rtl::TPoint ArrowAt(TArrowDirection d)
    {
        return {Grid->ArrowWindow(d)->Left(), Grid->ArrowWindow(d)->Top()};
    }
};

TEST_F(ExtGridDragDrop, SwitchingTheDropTargetRegistersAndRevokesTheWindow)
{
    ASSERT_TRUE(Grid->DropTargetRegistered());
    EXPECT_EQ(ui::RegisteredDropTarget(Grid->Handle()).get(), Grid->DropTarget());
    DragDropSettings().SetOleDropTarget(false);
    EXPECT_FALSE(Grid->DropTargetRegistered());
    EXPECT_EQ(ui::RegisteredDropTarget(Grid->Handle()), nullptr);
}

TEST_F(ExtGridDragDrop, AWindowMadeLaterIsRegisteredAndAFreedGridLeavesNoTarget)
{
    auto* later = new TExtStringGrid(Form);
    later->DragDropSettings().SetOleDropTarget(true);
    EXPECT_FALSE(later->DropTargetRegistered());
    later->SetParent(Form);
    later->HandleNeeded();
    ASSERT_TRUE(later->DropTargetRegistered());
    ui::HWND wnd = later->Handle();
    EXPECT_NE(ui::RegisteredDropTarget(wnd), nullptr);
    delete later;
    EXPECT_EQ(ui::RegisteredDropTarget(wnd), nullptr);
}

TEST_F(ExtGridDragDrop, ColumnDraggedOntoAnotherColumnShowsArrowsAndMovesIt)
{
    DragDropSettings().SetOleDropSource(true);
    DragDropSettings().SetOleColumnDragDrop(true);
    DragDropSettings().SetOleColumnReorder(true);
    DragDropSettings().SetShowCells(false);
    std::vector<std::pair<rtl::TPoint, rtl::TPoint>> arrows;
    bool shownOverTarget = false;
    bool buttonVisible = false;
    rtl::TPoint buttonCorner;
    int droppedCol = -1;
    Grid->OnOleDropCol = [&](TSender, int, int, int DropCol) { droppedCol = DropCol; };
    rtl::TPoint press = Centre(1, 0);
    rtl::TPoint over = Centre(3, 0);
    ui::THeadlessBackend::MouseDown(Grid, press.X, press.Y);
    RunDrag({[&] { MoveTo(over); },
             [&] {
                 shownOverTarget = Shown(arrDown) && Shown(arrUp) && !Shown(arrLeft);
                 // The header button follows the cursor with its bottom-left corner.
                 buttonVisible = Grid->MoveButton()->Visible();
                 THeaderDragButton* b = Grid->MoveButton();
                 buttonCorner = b->Parent()->ClientToScreen({b->Left(), b->Top() + b->Height()});
                 arrows.push_back({ArrowAt(arrDown), ArrowAt(arrUp)});
                 ReleaseAt(over);
             }},
            [&] { EXPECT_TRUE(Grid->StartOleDrag(1, 0, press.X, press.Y)); });
    EXPECT_TRUE(shownOverTarget);
    EXPECT_TRUE(buttonVisible);
    EXPECT_EQ(buttonCorner, Grid->ClientToScreen(over));
    EXPECT_FALSE(Grid->MoveButton()->Visible());
    ASSERT_EQ(arrows.size(), 1u);
    rtl::TRect cell = Grid->CellRect(3, 0);
    rtl::TPoint topLeft = Grid->ClientToScreen({cell.Left, cell.Top});
    rtl::TPoint bottomLeft = Grid->ClientToScreen({cell.Left, cell.Bottom});
    EXPECT_EQ(arrows[0].first, (rtl::TPoint{topLeft.X - 5, topLeft.Y - 8}));
    EXPECT_EQ(arrows[0].second, (rtl::TPoint{bottomLeft.X - 5, bottomLeft.Y}));
    EXPECT_FALSE(Shown(arrDown));
    EXPECT_FALSE(Shown(arrUp));
    EXPECT_EQ(droppedCol, 1);
    EXPECT_EQ(Grid->Cells(3, 2), "b2");
    EXPECT_EQ(Grid->Cells(1, 2), "c2");
    EXPECT_EQ(Grid->Cells(2, 2), "d2");
}

TEST_F(ExtGridDragDrop, ColumnDroppedBeyondTheLastColumnBecomesTheLastColumn)
{
    Grid->SetColWidths(4, 40);
    DragDropSettings().SetOleDropSource(true);
    DragDropSettings().SetOleColumnDragDrop(true);
    DragDropSettings().SetOleColumnReorder(true);
    rtl::TPoint press = Centre(1, 0);
    rtl::TRect last = Grid->CellRect(4, 0);
    rtl::TPoint beyond{last.Right + 20, (last.Top + last.Bottom) / 2};
    ASSERT_LT(beyond.X, Grid->ClientWidth());
    ui::THeadlessBackend::MouseDown(Grid, press.X, press.Y);
    RunDrag({[&] { MoveTo(beyond); }, [&] { ReleaseAt(beyond); }},
            [&] { Grid->StartOleDrag(1, 0, press.X, press.Y); });
    EXPECT_EQ(Grid->Cells(4, 1), "b1");
    EXPECT_EQ(Grid->Cells(1, 1), "c1");
}

TEST_F(ExtGridDragDrop, TextDroppedOnACellIsPastedAndSelectedWithTheRowMarkShown)
{
    bool markShown = false;
    rtl::TPoint mark;
    rtl::TRect dropped{-1, -1, -1, -1};
    Grid->OnOleDropped = [&](TSender, const rtl::TRect& R) { dropped = R; };
    rtl::TPoint at = Centre(2, 3);
    DragTextIn("x\ty\r\nz", {[&] { MoveTo(at); },
                              [&] { MoveTo({at.X + 1, at.Y}); },
                              [&] {
                                  markShown = Shown(arrLeft);
                                  mark = ArrowAt(arrLeft);
                                  ReleaseAt(at);
                              }});
    EXPECT_TRUE(markShown);
    rtl::TRect cell = Grid->CellRect(2, 3);
    rtl::TPoint p = Grid->ClientToScreen({cell.Left, cell.Top});
    EXPECT_EQ(mark, (rtl::TPoint{p.X - 10, p.Y - 5}));
    EXPECT_FALSE(Shown(arrLeft));
    EXPECT_EQ(Grid->Cells(2, 3), "x");
    EXPECT_EQ(Grid->Cells(3, 3), "y");
    EXPECT_EQ(Grid->Cells(2, 4), "z");
    EXPECT_EQ(dropped, (rtl::TRect{2, 3, 3, 4}));
}

TEST_F(ExtGridDragDrop, RichTextGoesIntoTheCellOnlyWhileRichTextDropsAreOn)
{
    rtl::TPoint at = Centre(1, 2);
    DragDropSettings().SetOleDropRTF(true);
    DragTextIn("plain\tmore", {[&] { MoveTo(at); }, [&] { ReleaseAt(at); }}, "{\\rtf1 x}");
    EXPECT_EQ(Grid->Cells(1, 2), "{\\rtf1 x}");
    EXPECT_EQ(Grid->Cells(2, 2), "c2");

    DragDropSettings().SetOleDropRTF(false);
    DragTextIn("plain\tmore", {[&] { MoveTo(at); }, [&] { ReleaseAt(at); }}, "{\\rtf1 x}");
    EXPECT_EQ(Grid->Cells(1, 2), "plain");
    EXPECT_EQ(Grid->Cells(2, 2), "more");
}

TEST_F(ExtGridDragDrop, UrlDropsWriteTheCellUnlessTheirEventRefuses)
{
    auto data = ui::MakeBlockDataObject({{ui::CF_UNICODETEXT, Utf16Z("https://x.hu")}, {CF_URL(), std::string("https://x.hu\0", 13)}});
    rtl::TPoint screen = Grid->ClientToScreen(Centre(2, 2));
    std::string reported;
    bool refuse = false;
    Grid->OnOleDropURL = [&](TSender, int ARow, int ACol, const std::string& URL, bool& Allow) {
        reported = std::to_string(ACol) + "," + std::to_string(ARow) + " " + URL;
        Allow = !refuse;
    };
    auto drop = [&] {
        DWORD effect = ui::DROPEFFECT_COPY;
        Grid->DropTarget()->DragEnter(data.get(), ui::MK_DRAG_LBUTTON, {screen.X, screen.Y}, effect);
        EXPECT_EQ(effect, ui::DROPEFFECT_LINK);
        Grid->DropTarget()->Drop(data.get(), 0, {screen.X, screen.Y}, effect);
    };
    refuse = true;
    drop();
    EXPECT_EQ(reported, "2,2 https://x.hu");
    EXPECT_EQ(Grid->Cells(2, 2), "c2");
    refuse = false;
    drop();
    EXPECT_EQ(Grid->Cells(2, 2), "https://x.hu");
}

TEST_F(ExtGridDragDrop, RefusedDropLeavesTheGridButHidesTheMarkAndReportsTheDrop)
{
    int droppedEvents = 0;
    Grid->OnOleDrop = [](TSender, int, int, const std::string&, bool& Allow) { Allow = false; };
    Grid->OnOleDropped = [&](TSender, const rtl::TRect&) { ++droppedEvents; };
    rtl::TPoint at = Centre(2, 3);
    DragTextIn("x", {[&] { MoveTo(at); }, [&] { ReleaseAt(at); }});
    EXPECT_EQ(Grid->Cells(2, 3), "c3");
    EXPECT_EQ(droppedEvents, 1);
    EXPECT_FALSE(Shown(arrLeft));
}

TEST_F(ExtGridDragDrop, TextBelowTheLastRowIsAppendedAndTheViewKeepsItsTopRow)
{
    DragDropSettings().SetOleEntireRows(true);
    DragDropSettings().SetOleAppendRows(true);
    DragDropSettings().SetOleInsertRows(true);
    rtl::TRect last = Grid->CellRect(1, 5);
    rtl::TPoint below{(last.Left + last.Right) / 2, last.Bottom + 10};
    ASSERT_LT(below.Y, Grid->ClientHeight());
    int top = Grid->TopRow();
    DragTextIn("n0\tn1", {[&] { MoveTo(below); }, [&] { ReleaseAt(below); }});
    ASSERT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->Cells(0, 6), "n0");
    EXPECT_EQ(Grid->Cells(1, 6), "n1");
    EXPECT_EQ(Grid->Cells(0, 5), "a5");
    EXPECT_EQ(Grid->TopRow(), top);
}

TEST_F(ExtGridDragDrop, DraggingOverThePartlyShownEdgeCellsScrollsRowsPerMoveAndColumnsPerTimerTick)
{
    Grid->SetColCount(20);
    Grid->SetRowCount(40);
    auto edgePoint = [&] {
        int c = Grid->LeftCol() + Grid->VisibleColCount();
        int r = Grid->TopRow() + Grid->VisibleRowCount();
        rtl::TRect cell = Grid->CellRect(c, r);
        return rtl::TPoint{(cell.Left + std::min(cell.Right, Grid->ClientWidth())) / 2,
                           (cell.Top + std::min(cell.Bottom, Grid->ClientHeight())) / 2};
    };
    ASSERT_EQ(Grid->TopRow(), 1);
    ASSERT_EQ(Grid->LeftCol(), 1);
    std::vector<rtl::TPoint> seen;
    auto record = [&] { seen.push_back({Grid->LeftCol(), Grid->TopRow()}); };
    DragTextIn("x", {[&] { MoveTo(edgePoint()); },
                     [&] { MoveTo(edgePoint()); },
                     [&] { record(); MoveTo(edgePoint()); },
                     [&] {
                         record();
                         Grid->Perform(ui::WM_TIMER, static_cast<ui::WPARAM>(Grid->TimerId()), 0);
                         MoveTo(edgePoint());
                     },
                     [&] {
                         record();
                         ui::THeadlessBackend::KeyDown(ui::VK_ESCAPE);
                     }});
    ui::THeadlessBackend::KeyUp(ui::VK_ESCAPE);
    // Entering gives no scroll; each move over the edge row scrolls a row, the columns move
    // once until the grid's timer ticks.
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (rtl::TPoint{2, 2}));
    EXPECT_EQ(seen[1], (rtl::TPoint{2, 3}));
    EXPECT_EQ(seen[2], (rtl::TPoint{3, 4}));
    EXPECT_FALSE(Shown(arrLeft));
}

TEST_F(ExtGridDragDrop, CellsDraggedWithinTheGridMoveAndTheSourceIsCleared)
{
    DragDropSettings().SetOleDropSource(true);
    Grid->SetSelection(rtl::TRect{1, 1, 1, 1});
    rtl::TPoint press = Centre(1, 1);
    rtl::TPoint at = Centre(3, 4);
    int stopEffect = -1;
    Grid->OnOleDragStop = [&](TSender, int effect) { stopEffect = effect; };
    ui::THeadlessBackend::MouseDown(Grid, press.X, press.Y);
    RunDrag({[&] { MoveTo(at); }, [&] { ReleaseAt(at); }}, [&] { Grid->StartOleDrag(1, 1, press.X, press.Y); });
    EXPECT_EQ(Grid->Cells(3, 4), "b1");
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(stopEffect, static_cast<int>(ui::DROPEFFECT_MOVE));
}

TEST_F(ExtGridDragDrop, CellsDraggedWithCtrlAreCopied)
{
    DragDropSettings().SetOleDropSource(true);
    Grid->SetSelection(rtl::TRect{1, 1, 1, 1});
    rtl::TPoint press = Centre(1, 1);
    rtl::TPoint at = Centre(3, 4);
    // The floating image of the cells follows the cursor and goes when the drag ends.
    auto image = std::make_unique<ui::TPanel>(nullptr);
    image->SetBounds(0, 0, 30, 20);
    ui::TPanel* imagePtr = image.get();
    Grid->SetMoveForm(std::move(image));
    rtl::TPoint imageAt{-1, -1};
    ui::THeadlessBackend::MouseDown(Grid, press.X, press.Y);
    RunDrag({[&] { ui::THeadlessBackend::KeyDown(ui::VK_CONTROL); },
             [&] { MoveTo(at); },
             [&] {
                 imageAt = {imagePtr->Left(), imagePtr->Top()};
                 ReleaseAt(at);
             }},
            [&] { Grid->StartOleDrag(1, 1, press.X, press.Y); });
    ui::THeadlessBackend::KeyUp(ui::VK_CONTROL);
    EXPECT_EQ(Grid->Cells(3, 4), "b1");
    EXPECT_EQ(Grid->Cells(1, 1), "b1");
    rtl::TPoint cursor = Grid->ClientToScreen(at);
    EXPECT_EQ(imageAt, (rtl::TPoint{cursor.X + 4, cursor.Y + 4}));
    EXPECT_EQ(Grid->MoveForm(), nullptr);
}

TEST_F(ExtGridDragDrop, CellBlockDroppedAboveItsSourceReportsTheRowDelta)
{
    DragDropSettings().SetOleDropSource(true);
    Grid->Navigation().SetAllowFmtClipboard(true);
    rtl::TPoint press = Centre(1, 3);
    rtl::TPoint at = Centre(1, 1);
    ui::THeadlessBackend::MouseDown(Grid, press.X, press.Y);
    Grid->SetSelection(rtl::TRect{1, 3, 2, 4});
    RunDrag({[&] { ui::THeadlessBackend::KeyDown(ui::VK_CONTROL); }, [&] { MoveTo(at); }, [&] { ReleaseAt(at); }},
            [&] { Grid->StartOleDrag(1, 3, press.X, press.Y); });
    ui::THeadlessBackend::KeyUp(ui::VK_CONTROL);
    EXPECT_EQ(DragDropSettings().DeltaY(), 2);
    EXPECT_EQ(Grid->Cells(1, 1), "b3");
    EXPECT_EQ(Grid->Cells(2, 2), "c4");
}

TEST_F(ExtGridDragDrop, CellsMovedAboveTheirSourceWithInsertedRowsClearTheShiftedSource)
{
    DragDropSettings().SetOleDropSource(true);
    DragDropSettings().SetOleInsertRows(true);
    Grid->Navigation().SetAllowFmtClipboard(true);
    rtl::TPoint press = Centre(1, 3);
    rtl::TPoint at = Centre(1, 1);
    ui::THeadlessBackend::MouseDown(Grid, press.X, press.Y);
    Grid->SetSelection(rtl::TRect{1, 3, 2, 4});
    RunDrag({[&] { MoveTo(at); }, [&] { ReleaseAt(at); }}, [&] { Grid->StartOleDrag(1, 3, press.X, press.Y); });
    ASSERT_EQ(Grid->RowCount(), 8);
    EXPECT_EQ(Grid->Cells(1, 1), "b3");
    EXPECT_EQ(Grid->Cells(2, 2), "c4");
    EXPECT_EQ(Grid->Cells(1, 3), "b1");  // the row the block was dropped on, moved down
    // The source rows now stand two rows lower; those are the cells cleared.
    EXPECT_EQ(Grid->Cells(1, 5), "");
    EXPECT_EQ(Grid->Cells(2, 6), "");
    EXPECT_EQ(Grid->Cells(0, 5), "a3");
    EXPECT_EQ(Grid->Cells(1, 7), "b5");
}

TEST_F(ExtGridDragDrop, OneCsvFileIsLoadedAndSeveralFilesOnlyReachTheirEvent)
{
    testsupport::TempDir dir;
    std::string csv = dir.File("data.csv");
    Grid->SetDelimiter(";");
    testsupport::WriteFileBytes(csv, "p;q\r\n1;2\r\n");
    std::vector<std::string> seen;
    Grid->OnOleDropFiles = [&](TSender, int, int, const std::vector<std::string>& Files, bool&) { seen = Files; };
    rtl::TPoint at = Form->ScreenToClient(Grid->ClientToScreen(Centre(2, 2)));
    EXPECT_NE(ui::DropFilesOnWindow(Form, at.X, at.Y, {dir.File("a.txt"), csv}), ui::DROPEFFECT_NONE);
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(Grid->Cells(0, 0), "a0");

    seen.clear();
    ui::DropFilesOnWindow(Form, at.X, at.Y, {csv});
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Grid->Cells(0, 0), "p");
    EXPECT_EQ(Grid->Cells(1, 1), "2");

    // Files are refused once the grid stops accepting them.
    DragDropSettings().SetOleAcceptFiles(false);
    EXPECT_EQ(ui::DropFilesOnWindow(Form, at.X, at.Y, {csv}), ui::DROPEFFECT_NONE);
    DragDropSettings().SetOleAcceptFiles(true);

    // A CSV file that cannot be read shows its error and leaves the grid as it was.
    auto& backend = static_cast<ui::THeadlessBackend&>(App->Backend());
    EXPECT_EQ(ui::DropFilesOnWindow(Form, at.X, at.Y, {dir.File("missing.csv")}), ui::DROPEFFECT_NONE);
    ASSERT_EQ(backend.ErrorTexts().size(), 1u);
    EXPECT_NE(backend.ErrorTexts()[0].find("missing.csv"), std::string::npos) << backend.ErrorTexts()[0];
    EXPECT_EQ(Grid->Cells(0, 0), "p");
}

}  // namespace
