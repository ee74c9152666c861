// The string grid's user objects addressed by real row: in the cells of shown rows and in the records of hidden rows.
#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridHiddenRows.h"

namespace grid {

// A hidden row's record keeps one line per real column; the object of a line is the
// cell's property object, which holds the user object.
rtl::TObject* TExtStringGrid::AllObjects(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return nullptr;
    TGridItem* item = nullptr;
    const int row = DisplayedRowOf(ARow, item);
    if (item == nullptr) return GetObjectEx(DisplColIndex(ACol), row);
    if (ACol >= item->Items().Count()) return nullptr;
    rtl::TObject* saved = item->Items().Objects(ACol);
    if (auto* props = dynamic_cast<TCellProperties*>(saved)) return reinterpret_cast<rtl::TObject*>(props->CellObject());
    return saved;
}

// In a hidden row only the saved cell changes: a cell without properties gets a new
// property object with the grid's defaults, kept by the record (and freed with it).
void TExtStringGrid::SetAllObjects(int ACol, int ARow, rtl::TObject* Value)
{
    if (ACol < 0 || ARow < 0) return;
    TGridItem* item = nullptr;
    const int row = DisplayedRowOf(ARow, item);
    if (item == nullptr) {
        SetObjectEx(DisplColIndex(ACol), row, Value);
        return;
    }
    rtl::TStringList& items = item->Items();
    while (items.Count() <= ACol) items.Add("");
    auto* props = dynamic_cast<TCellProperties*>(items.Objects(ACol));
    if (props == nullptr) {
        props = new TCellProperties(this, ACol, ARow);
        props->SetAlignment(GetDefaultAlignment());
        items.PutObject(ACol, props);
    }
    props->SetCellObject(reinterpret_cast<std::uintptr_t>(Value));
}

}  // namespace grid
