// Setters of the string grid's published settings that repaint the grid when their value changes.
#include "grid/core/ExtGrid.h"

namespace grid {

void TExtStringGrid::SetFixedAsButtons(bool v)
{
    if (FPublished.FixedAsButtons == v) return;
    FPublished.FixedAsButtons = v;
    Invalidate();
}

void TExtStringGrid::SetGridImages(rtl::TComponent* v)
{
    if (FPublished.GridImages == v) return;
    FPublished.GridImages = v;
    Invalidate();
}

void TExtStringGrid::SetPictureContainer(rtl::TComponent* v)
{
    if (FPublished.PictureContainer == v) return;
    FPublished.PictureContainer = v;
    Invalidate();
}

}  // namespace grid
