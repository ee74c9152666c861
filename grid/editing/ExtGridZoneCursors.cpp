// String grid zone cursors and the panning marker: what the pointer shows over the fixed-cell zones, and the picture where panning started.
#include "grid/core/ExtGrid.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Resources.h"
#include "platform/ui/Forms.h"

namespace grid {

// Over the zone that the next press would select from (rows, columns, the whole grid or
// the selection resizer) its cursor shows, elsewhere in cell-selector mode the cell
// selector; over a fixed column's edge the split cursor.
// Sizing and panning keep their own cursors.
void TExtStringGrid::ShowZoneCursor()
{
    ui::TApplication* app = ui::Application();
    if (app == nullptr || !app->HasBackend() || FWheelPan) return;
    if (FGridState == ui::gsColSizing || FGridState == ui::gsRowSizing) return;
    ui::TCursor cursor = 0;
    switch (FMouseSelectMode) {
    case msColumn: cursor = crColumnSelect; break;
    case msRow: cursor = crRowSelect; break;
    case msAll:
    case msResize: cursor = crAllSelect; break;
    default: break;
    }
    if (cursor == 0 && FCellSelectorMode) cursor = crCellSelector;
    if (cursor == 0 && (FSizeFixed || FSizingFixed)) cursor = ui::crHSplit;
    if (cursor != 0) app->Backend().SetCursorShape(cursor);
}

// The marker of the panning directions at the point where the middle button went down,
// with its transparent corner colour shown as white.
void TExtStringGrid::PaintPanMarker(gfx::TCanvas& Canvas)
{
    if (!FWheelPan) return;
    const char* name = IntelliPan() == ipVertical ? "INTLI3" : IntelliPan() == ipHorizontal ? "INTLI2" : "INTLI1";
    const gfx::TResource resource = gfx::FindResource(name, "glyphs");
    if (!resource.Found()) return;
    gfx::TBitmap marker;
    marker.LoadFromBytes(resource.Data, resource.Size);
    if (marker.Empty()) return;
    marker.SetTransparentColor(marker.Canvas().Pixels(0, 0));
    marker.SetTransparent(true);
    const rtl::TRect r = rtl::Rect(FWheelPanPos.X, FWheelPanPos.Y, FWheelPanPos.X + marker.Width(),
                                   FWheelPanPos.Y + marker.Height());
    Canvas.Brush().SetStyle(gfx::bsSolid);
    Canvas.Brush().SetColor(gfx::clWhite);
    Canvas.FillRect(r);
    Canvas.Draw(r.Left, r.Top, marker);
}

}  // namespace grid
