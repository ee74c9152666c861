// Making the grid's drop-down cell editors: one of each class per grid, made on first use.
#pragma once

#include "grid/core/ExtGrid.h"

namespace grid {

// The grid's drop-down editor of class T: the one the grid already owns, or a new one with the
// grid as owner and parent, hidden and disabled, in the grid's style, its bar buttons reporting
// through the grid's header and footer button events with the edited cell. `made` finishes a
// new editor's settings. Freed with the grid.
template <typename T, typename TMade = void (*)(T&)>
T* GridDropDownEditor(TExtStringGrid& Grid, TMade made = [](T&) {})
{
    for (int i = 0; i < Grid.ComponentCount(); ++i)
        if (auto* editor = dynamic_cast<T*>(Grid.Components(i))) return editor;
    auto* editor = new T(&Grid);
    editor->SetParent(&Grid);
    made(*editor);
    editor->SetVisible(false);
    editor->SetEnabled(false);
    editor->SetComponentStyle(Grid.Style());
    TExtStringGrid* grid = &Grid;
    editor->OnDropDownHeaderButtonClick = [grid](rtl::TObject*, int index) {
        if (grid->OnDropDownHeaderButtonClick) grid->OnDropDownHeaderButtonClick(grid, grid->Col(), grid->Row(), index);
    };
    editor->OnDropDownFooterButtonClick = [grid](rtl::TObject*, int index) {
        if (grid->OnDropDownFooterButtonClick) grid->OnDropDownFooterButtonClick(grid, grid->Col(), grid->Row(), index);
    };
    return editor;
}

}  // namespace grid
