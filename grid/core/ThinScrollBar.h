// TScrollControl: the thin, self-drawn scroll thumb the grid shows instead of scroll bars in the ssMetro scroll type.
#pragma once

#include <string>

#include "grid/core/GridOptions.h"
#include "platform/gfx/Color.h"
#include "platform/ui/Controls.h"

namespace grid {

class TExtStringGrid;

enum TScrollDirection : std::uint8_t { sdVertical, sdHorizontal };

// Draws only a thumb, over whatever its parent grid painted below it, and scrolls that
// grid when clicked beside the thumb (a page) or when the thumb is dragged. With a parent
// that is not a TExtStringGrid it paints nothing and ignores the mouse.
class TScrollControl : public ui::TCustomControl {
public:
    explicit TScrollControl(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TScrollControl"; }

    gfx::TColor Color() const { return FThumbColor; }
    // Repaints when the colour changes.
    void SetColor(gfx::TColor Value);
    GRID_PLAIN_PROPERTY(int, ScrollWidth, 4)
    GRID_PLAIN_PROPERTY(TScrollDirection, Direction, sdVertical)
public:
    // Where the thumb is along the control: start pixel and length. Visible is false while
    // every scrollable row (column) fits, and then nothing is drawn.
    struct TThumb {
        int Start = 0;
        int Length = 0;
        bool Visible = false;
    };
    TThumb Thumb() const;
    // The grid this control scrolls: its parent when that is a string grid.
    TExtStringGrid* Grid() const;
    bool DownOnScroller() const { return FDownOnScroller; }

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;

private:
    // The quantities of one direction: N, F, V, P, S and the size of the first row (column).
    struct TAxis {
        int Count = 0;
        int Fixed = 0;
        int Visible = 0;
        int Position = 0;
        int Length = 0;
        int FirstSize = 0;
        int FixedSize = 0;
        int FooterSize = 0;
    };
    TAxis Axis(const TExtStringGrid& grid) const;
    void SetPosition(TExtStringGrid& grid, int Value) const;
    int Along(int X, int Y) const { return FDirection == sdVertical ? Y : X; }

    gfx::TColor FThumbColor = gfx::clSilver;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};

}  // namespace grid
