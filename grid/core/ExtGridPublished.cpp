// Setters of the string grid's published settings that repaint the grid when their value changes.
#include "grid/core/ExtGrid.h"

namespace grid {

void TExtStringGrid::SetFixedAsButtons(bool v)
{
    if (FPublished.FixedAsButtons == v) return;
    FPublished.FixedAsButtons = v;
    Invalidate();
}

void TExtStringGrid::LinkComponent(rtl::TComponent*& link, rtl::TComponent* v)
{
    if (link == v) return;
    if (link != nullptr) link->RemoveFreeNotification(this);
    link = v;
    if (v != nullptr) v->FreeNotification(this);
}

void TExtStringGrid::SetGridImages(rtl::TComponent* v)
{
    if (FPublished.GridImages == v) return;
    LinkComponent(FPublished.GridImages, v);
    Invalidate();
}

void TExtStringGrid::SetPictureContainer(rtl::TComponent* v)
{
    if (FPublished.PictureContainer == v) return;
    LinkComponent(FPublished.PictureContainer, v);
    Invalidate();
}

}  // namespace grid
