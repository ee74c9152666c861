// The string grid's OLE drop target and drop source, and the drag-and-drop state the grid owns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/data/EsgDragDrop.h"
#include "platform/rtl/Types.h"

namespace ui {
class TWinControl;
}

namespace grid {

class TExtStringGrid;

// Drops onto one grid: where a drop would land, auto-scrolling near the edges, arrow marks
// at the insertion point, and placing text, cell blocks, rich text, URLs, columns and files.
class TGridDropTarget : public TESGDropTarget {
public:
    explicit TGridDropTarget(TExtStringGrid* AGrid) : FGrid(AGrid) {}
    TExtStringGrid* Grid() const { return FGrid; }
    // Takes the grid's accept switches as they are when a drag comes in.
    ui::HRESULT DragEnter(ui::IDataObject* dataObj, ui::DWORD keyState, ui::POINTL pt, ui::DWORD& effect) override;

    void DropText(rtl::TPoint pt, const std::string& s) override;
    void DropStream(rtl::TPoint pt, std::unique_ptr<rtl::TMemoryStream> ms) override;
    void DropCol(rtl::TPoint pt, int Col) override;
    void DropRTF(rtl::TPoint pt, const std::string& s) override;
    void DropFiles(rtl::TPoint pt, const std::vector<std::string>& Files) override;
    void DropURL(rtl::TPoint pt, const std::string& s) override;
    void DragMouseMove(rtl::TPoint pt, bool& Allow, TDropFormats DropFormats) override;
    void DragMouseEnter() override {}
    void DragMouseLeave() override;

private:
    // The cell under a screen point, and whether the point asks for rows appended at the end.
    void TargetCell(rtl::TPoint pt, bool ColumnDrag, int& ACol, int& ARow, bool& Append);
    void AutoScroll(rtl::TPoint pt, int ACol, int ARow);
    void ShowArrow(int Direction, int X, int Y);
    void HideArrows(bool Left, bool Up, bool Down);
    void HideMoveButton();
    // Inserts (or appends) Count rows for a drop at ARow, keeping the top row in view.
    void MakeRoom(int& ARow, int Count, bool Append);
    void DropCellText(rtl::TPoint pt, const std::string& s, bool IsURL);

    TExtStringGrid* FGrid;
};

// Drags from one grid: moves the floating image with the cursor and remembers the effect.
class TGridDropSource : public TESGDropSource {
public:
    explicit TGridDropSource(TExtStringGrid* AGrid) : FGrid(AGrid) {}
    void CurrentEffect(ui::DWORD effect) override;
    void QueryDrag() override;
    void DragDropStop() override;
    // The last feedback effect that was copy or move.
    ui::DWORD LastEffect = 0;

private:
    TExtStringGrid* FGrid;
};

// What the grid owns for drag and drop.
struct TExtGridDragDrop {
    explicit TExtGridDragDrop(TExtStringGrid* AGrid) : Grid(AGrid) {}
    ~TExtGridDragDrop();
    TExtGridDragDrop(const TExtGridDragDrop&) = delete;
    TExtGridDragDrop& operator=(const TExtGridDragDrop&) = delete;

    TExtStringGrid* Grid;
    std::shared_ptr<TGridDropTarget> DropTarget;
    // The window the target is registered for (0 when not registered).
    ui::HWND RegisteredWnd = 0;
    rtl::TRect DropSelection{-1, -1, -1, -1};
    std::unique_ptr<ui::TWinControl> MoveForm;
};

}  // namespace grid
