// The string grid's OLE drop target and drop source, drop-target registration and the start of a drag.
#include "grid/data/ExtGridDragDrop.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/data/ExtGridBinStream.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr int ArrowHalf = 5;

bool SelectsRows(TExtStringGrid& g) { return (g.Options() & ui::goRowSelect) != 0; }

// The comma-separated row heights of a block header.
std::vector<std::string> SplitHeights(const std::string& s)
{
    std::vector<std::string> parts;
    std::size_t pos = 0;
    for (;;) {
        std::size_t comma = s.find(',', pos);
        parts.push_back(s.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        if (comma == std::string::npos) return parts;
        pos = comma + 1;
    }
}

}  // namespace

// --- TGridDropTarget ---

void TGridDropTarget::TargetCell(rtl::TPoint pt, bool ColumnDrag, int& ACol, int& ARow, bool& Append)
{
    TExtStringGrid& g = *FGrid;
    g.ScreenToCell(pt, ACol, ARow);
    Append = false;
    const TDragDropSettings& dd = g.DragDropSettings();
    if (ColumnDrag || ARow != -1 || !dd.OleEntireRows() || !dd.OleAppendRows() || g.RowCount() == 0) return;
    rtl::TRect last = g.CellRect(g.FixedCols(), g.RowCount() - 1);
    if (rtl::IsRectEmpty(last)) return;
    if (g.ScreenToClient(pt).Y >= last.Bottom) {
        ACol = g.FixedCols();
        ARow = g.RowCount() - 1;
        Append = true;
    }
}

void TGridDropTarget::AutoScroll(rtl::TPoint pt, int ACol, int ARow)
{
    TExtStringGrid& g = *FGrid;
    if ((ARow == 0 && g.TopRow() > g.FixedRows()) ||
        (g.FixedRows() == 0 && g.TopRow() > 0 && g.ScreenToClient(pt).Y < 8)) {
        g.SetTopRow(g.TopRow() - 1);
    } else if (ARow == g.TopRow() + g.VisibleRowCount() && ARow < g.RowCount()) {
        g.SetTopRow(g.TopRow() + 1);
    }
    // Sideways at most once per tick of the grid's timer: an even count allows a step and
    // is made odd until the timer counts on.
    if (g.FTimerTicks % 2 != 0) return;
    ++g.FTimerTicks;
    if (ACol == 0 && g.LeftCol() > g.FixedCols()) {
        g.SetLeftCol(g.LeftCol() - 1);
    } else if (ACol == g.LeftCol() + g.VisibleColCount() && ACol < g.ColCount()) {
        g.SetLeftCol(g.LeftCol() + 1);
    }
}

void TGridDropTarget::ShowArrow(int Direction, int X, int Y)
{
    if (TArrowWindow* arrow = FGrid->ArrowWindow(static_cast<TArrowDirection>(Direction))) arrow->PlaceAt(X, Y);
}

void TGridDropTarget::HideArrows(bool Left, bool Up, bool Down)
{
    const std::pair<bool, TArrowDirection> which[] = {{Left, arrLeft}, {Up, arrUp}, {Down, arrDown}};
    for (auto [hide, d] : which) {
        TArrowWindow* arrow = FGrid->ArrowWindow(d);
        if (hide && arrow != nullptr) arrow->SetVisible(false);
    }
}

void TGridDropTarget::HideMoveButton()
{
    if (THeaderDragButton* b = FGrid->MoveButton()) b->SetVisible(false);
}

ui::HRESULT TGridDropTarget::DragEnter(ui::IDataObject* dataObj, ui::DWORD keyState, ui::POINTL pt, ui::DWORD& effect)
{
    const TDragDropSettings& dd = FGrid->DragDropSettings();
    AcceptText = dd.OleAcceptText();
    AcceptFiles = dd.OleAcceptFiles();
    AcceptURLs = dd.OleAcceptURLs();
    AcceptCols = dd.OleColumnDragDrop() || dd.OleColumnReorder();
    return TESGDropTarget::DragEnter(dataObj, keyState, pt, effect);
}

void TGridDropTarget::DragMouseMove(rtl::TPoint pt, bool& Allow, TDropFormats DropFormats)
{
    TExtStringGrid& g = *FGrid;
    const TDragDropSettings& dd = g.DragDropSettings();
    const bool colDrag = (DropFormats & dfCol) != 0;
    int c = -1;
    int r = -1;
    bool append = false;
    TargetCell(pt, colDrag, c, r, append);
    Allow = c >= 0 && r >= 0;
    if (!colDrag && Allow) AutoScroll(pt, c, r);
    g.DragScrollOver(g.ScreenToClient(pt), false);
    if (!colDrag) {
        if (r < g.FixedRows() && !(g.RowCount() == 1 && g.FixedRowAlways())) Allow = false;
    } else {
        rtl::TRect lastCol = g.CellRect(g.ColCount() - 1, 0);
        if (c < 0 && !rtl::IsRectEmpty(lastCol) && g.ScreenToClient(pt).X >= lastCol.Right) {
            c = g.ColCount();
            r = 0;
            Allow = true;
        } else {
            Allow = Allow && c >= g.FixedCols() && r < g.FixedRows();
        }
    }
    const bool valid = c >= 0 && r >= 0;
    if (DropFormats & (dfFile | dfGridCells)) Allow = true;
    Allow = Allow && (valid || (DropFormats & dfFile) != 0);
    if ((DropFormats & (dfURL | dfURI)) && dd.OleAcceptURLs()) Allow = true;
    if (g.OnOleDragOver) g.OnOleDragOver(&g, r, c, Allow);

    // The marks sit on the cell's left line (column drags) or top line (rows), in screen
    // coordinates, centred on that line.
    if (Allow && colDrag) {
        rtl::TRect cell = c < g.ColCount() ? g.CellRect(c, 0) : g.CellRect(g.ColCount() - 1, 0);
        int x = c < g.ColCount() ? cell.Left : cell.Right;
        rtl::TPoint top = g.ClientToScreen({x, cell.Top});
        rtl::TPoint bottom = g.ClientToScreen({x, cell.Bottom});
        HideArrows(true, false, false);
        ShowArrow(arrDown, top.X - ArrowHalf, top.Y - 8);
        ShowArrow(arrUp, bottom.X - ArrowHalf, bottom.Y);
    } else if (Allow && valid) {
        int row = (r == 0 && g.FixedRowAlways()) ? 1 : r;
        int col = dd.OleEntireRows() ? g.FixedCols() : c;
        rtl::TRect cell = g.CellRect(col, row);
        int y = append ? cell.Bottom : cell.Top;
        rtl::TPoint p = g.ClientToScreen({cell.Left, y});
        HideArrows(false, true, true);
        ShowArrow(arrLeft, p.X - 10, p.Y - ArrowHalf);
    } else {
        HideArrows(true, true, true);
    }
}

void TGridDropTarget::DragMouseLeave()
{
    HideArrows(true, true, true);
    FGrid->DragScrollOver({}, true);
}

void TGridDropTarget::MakeRoom(int& ARow, int Count, bool Append)
{
    TExtStringGrid& g = *FGrid;
    int top = g.TopRow();
    if (top > g.FixedRows()) ++top;
    if (Append) {
        g.SetRowCount(g.RowCount() + Count);
        ++ARow;
    } else {
        g.InsertRows(ARow, Count);
    }
    g.SetTopRow(std::clamp(top, g.FixedRows(), std::max(g.FixedRows(), g.RowCount() - 1)));
}

void TGridDropTarget::DropText(rtl::TPoint pt, const std::string& s)
{
    TExtStringGrid& g = *FGrid;
    const TDragDropSettings& dd = g.DragDropSettings();
    const bool colDrag = (DropFormats() & dfCol) != 0;
    int c = -1;
    int r = -1;
    bool append = false;
    TargetCell(pt, colDrag, c, r, append);
    if (!colDrag && dd.OleEntireRows()) c = 0;
    int cols = 0;
    int rows = 0;
    g.TextDimensions(s, cols, rows);
    if (SelectsRows(g)) c = dd.OleEntireRows() ? 0 : g.FixedCols();
    bool allow = true;
    if (g.OnOleDrop) g.OnOleDrop(&g, r, c, s, allow);
    // A drop that lands on no cell places nothing (the text would go to row or column -1).
    if (allow && c >= 0 && r >= 0) {
        rtl::TRect sel = g.DropSelection();
        if (sel.Top >= r && dd.OleRemoveRows()) {
            sel.Top += rows + 1;
            sel.Bottom += rows + 1;
            g.SetDropSelection(sel);
        }
        if (r == 0 && g.RowCount() == 1 && g.FixedRowAlways()) r = 1;
        if (dd.OleInsertRows()) MakeRoom(r, rows + 1, append);
        int outRows = 0;
        int outCols = 0;
        g.PasteText(c, r, s, outRows, outCols);
        int left = std::max(c, g.FixedCols());
        int right = c + cols - (SelectsRows(g) ? g.FixedCols() : 1);
        right = std::clamp(right, left, g.ColCount() - 1);
        int bottom = std::min(r + rows, g.RowCount() - 1);
        if (left < g.ColCount() && r < g.RowCount()) g.SetSelection(rtl::TRect{left, r, right, bottom});
    }
    HideArrows(true, false, true);
    HideMoveButton();
    if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropStream(rtl::TPoint pt, std::unique_ptr<rtl::TMemoryStream> ms)
{
    TExtStringGrid& g = *FGrid;
    TDragDropSettings& dd = g.DragDropSettings();
    int c = -1;
    int r = -1;
    bool append = false;
    TargetCell(pt, false, c, r, append);
    if (dd.OleEntireRows()) c = 0;
    if (ms && c >= 0 && r >= 0) {
        // The dropped block is read and checked whole before rows are made for it: a
        // corrupt block raises its read error with the grid unchanged.
        ms->SetPosition(0);
        TBinCellBlock block = ReadBinCellBlock(*ms);
        const TGridPropIO& header = block.Header;
        g.CheckBinCellPlacement(rtl::TPoint{c, r + (append && dd.OleInsertRows() ? 1 : 0)}, block);
        if (r < dd.SourceY()) dd.SetDeltaY(header.RowCount);
        if (dd.OleInsertRows()) MakeRoom(r, header.RowCount, append);
        g.PlaceBinCellBlock(rtl::TPoint{c, r}, block);
        if (dd.OleInsertRows()) {
            std::vector<std::string> heights = SplitHeights(header.RowHeights);
            for (std::size_t i = 0; i < heights.size(); ++i) {
                int h = 0;
                if (rtl::TryStrToInt(heights[i], h) && r + static_cast<int>(i) < g.RowCount())
                    g.SetRowHeights(r + static_cast<int>(i), h);
            }
        }
    }
    HideArrows(true, false, true);
    HideMoveButton();
    if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropCol(rtl::TPoint pt, int Col)
{
    TExtStringGrid& g = *FGrid;
    int c = -1;
    int r = -1;
    bool append = false;
    TargetCell(pt, true, c, r, append);
    if (c < 0) c = g.ColCount();
    HideArrows(false, true, true);
    HideMoveButton();
    if (g.DragDropSettings().OleColumnReorder()) {
        int target = std::min(c, g.ColCount() - 1);
        int from = g.DisplColIndex(Col);
        if (from != target && from >= 0 && from < g.ColCount() && target >= 0) g.MoveColumn(from, target);
        c = target;
    }
    if (g.OnOleDropCol) g.OnOleDropCol(&g, r, c, Col);
}

void TGridDropTarget::DropCellText(rtl::TPoint pt, const std::string& s, bool IsURL)
{
    TExtStringGrid& g = *FGrid;
    int c = -1;
    int r = -1;
    bool append = false;
    TargetCell(pt, false, c, r, append);
    bool allow = true;
    if (IsURL) {
        if (g.OnOleDropURL) g.OnOleDropURL(&g, r, c, s, allow);
    } else if (g.OnOleDrop) {
        g.OnOleDrop(&g, r, c, s, allow);
    }
    if (allow && c >= 0 && r >= 0) g.SetCellEx(c, r, s);
    HideArrows(true, false, true);
}

void TGridDropTarget::DropRTF(rtl::TPoint pt, const std::string& s) { DropCellText(pt, s, false); }

void TGridDropTarget::DropURL(rtl::TPoint pt, const std::string& s) { DropCellText(pt, s, true); }

void TGridDropTarget::DropFiles(rtl::TPoint pt, const std::vector<std::string>& Files)
{
    TExtStringGrid& g = *FGrid;
    int c = -1;
    int r = -1;
    bool append = false;
    TargetCell(pt, false, c, r, append);
    if (Files.size() == 1) {
        const std::string& name = Files.front();
        bool allow = true;
        if (g.OnOleDropFile) g.OnOleDropFile(&g, r, c, name, allow);
        const std::string upper = rtl::UpperCase(name);
        if (allow && upper.find(".CSV") != std::string::npos) {
            if (g.OnOleDrop) g.OnOleDrop(&g, -1, -1, name, allow);
            if (allow) g.LoadFromCSV(name);
        }
    } else if (Files.size() > 1) {
        bool allow = true;
        if (g.OnOleDropFiles) g.OnOleDropFiles(&g, r, c, Files, allow);
    }
    HideArrows(true, false, true);
}

// --- TGridDropSource ---

void TGridDropSource::CurrentEffect(ui::DWORD effect)
{
    if (effect == ui::DROPEFFECT_COPY || effect == ui::DROPEFFECT_MOVE) LastEffect = effect;
}

void TGridDropSource::QueryDrag()
{
    rtl::TPoint cursor;
    ui::GetCursorPos(cursor);
    if (FGrid->DragDropSettings().ShowCells()) {
        if (ui::TWinControl* form = FGrid->MoveForm()) form->SetBounds(cursor.X + 4, cursor.Y + 4, form->Width(), form->Height());
        return;
    }
    THeaderDragButton* b = FGrid->MoveButton();
    if (b == nullptr) return;
    rtl::TPoint p = b->Parent() != nullptr ? b->Parent()->ScreenToClient(cursor) : cursor;
    b->SetBounds(p.X, p.Y - b->Height(), b->Width(), b->Height());
}

void TGridDropSource::DragDropStop()
{
    if (FGrid->DragDropSettings().ShowCells()) FGrid->SetMoveForm(nullptr);
}

// --- what the grid owns ---

TExtGridDragDrop::~TExtGridDragDrop()
{
    if (RegisteredWnd != 0) ui::RevokeDragDrop(RegisteredWnd);
}

void TExtStringGrid::EnsureDragDrop()
{
    if (FDragDrop) return;
    FDragDrop = std::make_unique<TExtGridDragDrop>(this);
    DragDropSettings().OnDropTargetChange = [this](bool active) {
        if (active) {
            RegisterOleDropTarget();
        } else {
            RevokeOleDropTarget();
        }
    };
}

TGridDropTarget* TExtStringGrid::DropTarget() const { return FDragDrop->DropTarget.get(); }

bool TExtStringGrid::DropTargetRegistered() const { return FDragDrop->RegisteredWnd != 0; }

void TExtStringGrid::RegisterOleDropTarget()
{
    RevokeOleDropTarget();
    auto target = std::make_shared<TGridDropTarget>(this);
    FDragDrop->DropTarget = target;
    if (!HandleAllocated()) return;
    if (ui::RegisterDragDrop(Handle(), target) == ui::S_OK) FDragDrop->RegisteredWnd = Handle();
}

void TExtStringGrid::RevokeOleDropTarget()
{
    if (FDragDrop->RegisteredWnd != 0) ui::RevokeDragDrop(FDragDrop->RegisteredWnd);
    FDragDrop->RegisteredWnd = 0;
}

void TExtStringGrid::TextDimensions(const std::string& s, int& ACols, int& ARows)
{
    ACols = 0;
    ARows = 0;
    std::size_t pos = 0;
    for (;;) {
        std::size_t end = s.find('\r', pos);
        std::string line = s.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        ACols = std::max(ACols, static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1);
        const bool last = end == std::string::npos;
        if (line.empty() && ARows > 0) --ARows;
        if (!last) ++ARows;
        if (last) break;
        pos = end + 1;
        if (pos < s.size() && s[pos] == '\n') ++pos;
    }
}

rtl::TRect TExtStringGrid::DropSelection() const { return FDragDrop->DropSelection; }

void TExtStringGrid::SetDropSelection(const rtl::TRect& R) { FDragDrop->DropSelection = R; }

ui::TWinControl* TExtStringGrid::MoveForm() const { return FDragDrop->MoveForm.get(); }

void TExtStringGrid::SetMoveForm(std::unique_ptr<ui::TWinControl> AForm) { FDragDrop->MoveForm = std::move(AForm); }

bool TExtStringGrid::StartOleDrag(int ACol, int ARow, int X, int Y)
{
    TDragDropSettings& dd = DragDropSettings();
    if (!dd.OleDropSource()) return false;
    const int realCol = RealColIndex(ACol);
    bool allow = true;
    if (dd.OleColumnsOnly() && ARow >= FixedRows()) {
        allow = false;
    } else if (OnOleDrag) {
        OnOleDrag(this, ARow, realCol, Cells(ACol, ARow), allow);
    }
    if (!allow) return false;
    TGridDropSource source(this);
    if (OnOleDragStart) OnOleDragStart(this, ARow, realCol);
    const rtl::TPoint p = ClientToScreen({X, Y});
    ui::DWORD effect = ui::DROPEFFECT_NONE;
    const ui::DWORD allowed = ui::DROPEFFECT_COPY | ui::DROPEFFECT_MOVE;

    if (ARow < FixedRows() && dd.OleColumnDragDrop()) {
        THeaderDragButton* button = MoveButton();
        if (!dd.ShowCells() && button != nullptr) {
            rtl::TPoint bp = button->Parent() != nullptr ? button->Parent()->ScreenToClient(p) : p;
            button->SetCaption(Cells(ACol, 0));
            button->SetBounds(bp.X, bp.Y, ColWidths(ACol), RowHeights(0));
            button->SetVisible(true);
            button->BringToFront();
        }
        ui::HRESULT result = StartOleColumnDrag(&source, realCol, allowed, effect);
        if (result != ui::DRAGDROP_S_CANCEL && OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
        if (button != nullptr) button->SetVisible(false);
        for (TArrowDirection d : {arrUp, arrDown})
            if (TArrowWindow* a = ArrowWindow(d)) a->SetVisible(false);
        return true;
    }

    const rtl::TRect sel = Selection();
    const int top = std::min(sel.Top, sel.Bottom);
    const int bottom = std::max(sel.Top, sel.Bottom);
    const int left = std::min(sel.Left, sel.Right);
    const int right = std::max(sel.Left, sel.Right);
    SetDropSelection(sel);
    dd.SetDeltaY(0);
    dd.SetSourceY(top);
    std::unique_ptr<rtl::TMemoryStream> stream;
    if (Navigation().AllowFmtClipboard()) {
        stream = std::make_unique<rtl::TMemoryStream>();
        rtl::TRect r = dd.OleEntireRows() ? rtl::TRect{0, top, ColCount() - 1, bottom} : rtl::TRect{left, top, right, bottom};
        SaveRectToBinStream(r, *stream, false);
    }
    // The text carries whole rows with OleEntireRows, as the cell block does: a target that
    // places whole rows from column 0 would otherwise shift every cell one column left.
    ui::HRESULT result = StartOleTextDrag(&source, SelectedText(), Cells(ACol, ARow), effect, allowed, stream.get());
    if (result == ui::DRAGDROP_S_CANCEL) return true;
    if (effect == ui::DROPEFFECT_MOVE && !dd.OleCopyAlways()) {
        // Where the source rows are now: a text dropped into this grid above them moved the
        // drop selection down past the rows it inserted, a cell block reports the row delta.
        const rtl::TRect moved = DropSelection();
        const int dy = dd.DeltaY() + std::min(moved.Top, moved.Bottom) - top;
        if (dd.OleRemoveRows() && SelectsRows(*this)) {
            if (MouseActions().DisjunctRowSelect()) {
                RemoveSelectedRows();
            } else {
                DoRemoveRows(dy + top, bottom - top + 1);
            }
        } else if (MouseActions().DisjunctRowSelect()) {
            ClearSelection();
        } else {
            ClearRect(left, dy + top, right, dy + bottom);
        }
    }
    if (OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
    return true;
}

}  // namespace grid
