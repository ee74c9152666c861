// The colour cube: a honeycomb of 127 hexagonal colour cells with hot and selected outlines
// and a hint with the colour's channels.
#pragma once

#include <array>
#include <string>

#include "grid/dropdown/ColorSelectorPanel.h"
#include "platform/gfx/Color.h"

namespace grid {

class TExtColorCubePanel : public TExtCustomColorSelectorPanel {
public:
    static constexpr int CellCount = 127;

    explicit TExtColorCubePanel(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TExtColorCubePanel"; }

    // Lays out the 127 cells with their standard colours; discards SetCubeCellColor changes.
    void InitCube();
    gfx::TColor SelectedColor() const { return FSelectedColor; }
    // Stores the colour and selects the first cell of exactly that colour (or none).
    void SetSelectedColor(gfx::TColor value);
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    void SetHotIndex(int value) { FHotIndex = value; }
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool value);
    // Cell numbers run from 1 to 127; others are ignored and read as clNone.
    gfx::TColor GetCubeCellColor(int cell) const;
    void SetCubeCellColor(int cell, gfx::TColor color);
    rtl::TPoint CellCentre(int cell) const;
    // The first cell, by number, whose centre lies within 6 pixels of the point; -1 for none.
    int CellAtPos(int x, int y) const;

    ui::TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;

private:
    struct TCubeCell {
        rtl::TPoint Centre;
        gfx::TColor Color;
    };
    static bool ValidCell(int cell) { return cell >= 1 && cell <= CellCount; }
    void DrawCell(gfx::TCanvas& canvas, int cell);
    void DrawHexagon(gfx::TCanvas& canvas, rtl::TPoint centre, int w, int q);
    void RedrawCell(int cell);

    std::array<TCubeCell, CellCount> FCubeCells{};
    rtl::TPoint FCubeSize{6, 3};
    gfx::TColor FSelectedColor = gfx::clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};

}  // namespace grid
