// The grid's track-bar cell editor: an integer chosen on the track bar, stored into the cell.
#pragma once

#include <string>

#include "grid/dropdown/ExtTrackBarDropDown.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edTrackbarDropDown cells. It wants Enter and Escape itself, moves the track
// bar whenever the keys store or restore a text, and puts the caret at the clicked character.
class TGridTrackbarDropDown : public TGridCellDropDown<TExtTrackBarDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridTrackbarDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridTrackbarDropDown"; }
    // Shows the cell text: an integer becomes the position, anything else leaves Min.
    void ShowCellText(const std::string& text);
    // What the cell takes: the cell's own text until the editor's value changes.
    std::string Value() const override { return Text() != FShownText ? Text() : FShownCell; }

protected:
    // Storing and restoring move the track bar; a cell text that is no integer leaves it.
    void ShowStoredText(const std::string& text) override;
    // Keys that do not end the edit skip the track bar's own Up and Down.
    void ParentKeyDown(ui::WORD& Key, ui::TShiftState Shift) override { TExtCustomDropDown::KeyDown(Key, Shift); }

private:
    std::string FShownCell;  // the cell text the editor opened with
    std::string FShownText;  // the editor's value as it showed that text
};

// The grid's edTrackbarDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, editable, in the grid's style. Freed with the grid.
TGridTrackbarDropDown* GridTrackbarDropDown(TExtStringGrid& Grid);

}  // namespace grid
