// The grid's track-bar cell editor: an integer chosen on the track bar, stored into the cell.
#pragma once

#include <string>

#include "grid/dropdown/ExtTrackBarDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edTrackbarDropDown cells. It wants Enter and Escape itself, moves the track
// bar whenever the keys store or restore a text, and puts the caret at the clicked character.
class TGridTrackbarDropDown : public TExtTrackBarDropDown {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridTrackbarDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridTrackbarDropDown"; }
    // Shows the cell text: an integer becomes the position, anything else leaves Min.
    void ShowCellText(const std::string& text);
    // What the cell takes: the cell's own text until the editor's value changes.
    std::string Value() const { return Text() != FShownText ? Text() : FShownCell; }

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void Change() override;

private:
    TExtStringGrid* FGrid;
    std::string FShownCell;  // the cell text the editor opened with
    std::string FShownText;  // the editor's value as it showed that text
};

// The grid's edTrackbarDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, editable, in the grid's style. Freed with the grid.
TGridTrackbarDropDown* GridTrackbarDropDown(TExtStringGrid& Grid);

}  // namespace grid
