// The grid's memo cell editor: multi-line cell text edited in the pop-up memo.
#pragma once

#include <string>

#include "grid/dropdown/ExtMemoDropDown.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edMemoDropDown cells. The cell's lines fill the memo; the edit shows the
// first one and puts the caret at the clicked character.
class TGridMemoDropDown : public TGridCellDropDown<TExtMemoDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridMemoDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridMemoDropDown"; }
    // Fills the memo with the lines of the cell text.
    void ShowCellText(const std::string& text);
    // The memo's lines as one text, each line followed by a line break.
    std::string CellText() const;
    // What the cell takes: the cell's own text until the editor's value changes.
    std::string Value() const override { return CellText() != FShownText ? CellText() : FShownCell; }

protected:
    // Restoring puts the cell's lines back into the memo.
    void ShowStoredText(const std::string& text) override { ShowCellText(text); }

private:
    std::string FShownCell;  // the cell text the editor opened with
    std::string FShownText;  // the editor's value as it showed that text
};

// The grid's edMemoDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridMemoDropDown* GridMemoDropDown(TExtStringGrid& Grid);

}  // namespace grid
