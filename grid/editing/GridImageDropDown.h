// The grid's image picker cell editor: the image of an image-list or data-image cell chosen
// in the pop-up and stored back into the cell.
#pragma once

#include <string>

#include "grid/dropdown/ExtImagePicker.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edImagePickerDropDown cells. With the pop-up open only Tab, Enter and Escape
// end the edit, so the arrow keys move through the images; closed, the keys that end or move
// an edit are the shared ones. Escape keeps the cell.
class TGridImageDropDown : public TGridCellDropDown<TExtImagePickerDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridImageDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridImageDropDown"; }
    // Fills from the cell (displayed column): for an image-list or data-image cell the items
    // are the grid's images (one per image when there are none yet) and the chosen one is
    // the cell's image index, or the number its text holds. `text` is the cell's edit text.
    void ShowCellImage(int ACol, int ARow, const std::string& text);
    // True once the user chose another image than the one the editor opened with.
    bool ImageChosen() const { return ImageIndex() != FShownIndex; }
    // What the cell's text becomes: a data-image cell takes the chosen index as a number;
    // any other cell keeps its own text.
    std::string Value() const override;
    // Stores a chosen image into the cell (displayed column) the editor was opened on: the
    // grid's OnImageSelected may change the index; an image-list cell takes it as its image
    // index, a data-image cell as its text. Nothing when no other image was chosen.
    void StoreCellImage(int ACol, int ARow);
    // True while the editor fills itself from a cell: that is no choice of the user.
    bool Filling() const { return FFilling; }

protected:
    bool IsNavigationKey(ui::WORD Key) const override;
    // Enter on the open pop-up takes its hot image before the edit ends.
    void EnterPressed() override { HandleOpenEnter(ui::VK_RETURN); }
    // Escape takes back an image chosen during the edit, so closing keeps the cell; the
    // grid's hook is not called for it.
    void EscapePressed() override;

private:
    int FShownIndex = -1;     // the image index the editor opened with
    std::string FShownCell;   // the cell text the editor opened with
    bool FDataImage = false;  // the cell's text is its image index
    bool FFilling = false;
};

// The grid's edImagePickerDropDown editor, made on first use with the grid as owner and
// parent, hidden and disabled, in the grid's style; an image chosen in it passes the grid's
// ImageSelect hook. Freed with the grid.
TGridImageDropDown* GridImageDropDown(TExtStringGrid& Grid);

}  // namespace grid
