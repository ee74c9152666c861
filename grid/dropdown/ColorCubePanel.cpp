// The colour cube: cell layout and colours, hit testing, painting, hot and selected cells.
#include "grid/dropdown/ColorCubePanel.h"

#include <cstdio>
#include <vector>

#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Forms.h"

namespace grid {

namespace {

// The cells row by row, red in the low byte; rows hold 7, 8, ..., 13, ..., 8, 7 cells.
const std::vector<std::vector<gfx::TColor>>& CubeRows()
{
    static const std::vector<std::vector<gfx::TColor>> rows = {
        {0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000},
        {0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333},
        {0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666},
        {0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066},
        {0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399,
         0xFF0099},
        {0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC,
         0xFF00CC, 0xCC0099},
        {0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,
         0xFF00FF, 0xCC00CC, 0x660066},
        {0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF,
         0x9900CC, 0x800080},
        {0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC,
         0x990099},
        {0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399},
        {0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066},
        {0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099},
        {0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5},
    };
    return rows;
}

}  // namespace

TExtColorCubePanel::TExtColorCubePanel(rtl::TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner)
{
    SetShowHint(true);
    InitCube();
}

void TExtColorCubePanel::InitCube()
{
    FCubeSize = {6, 3};
    std::size_t n = 0;
    const auto& rows = CubeRows();
    for (int r = 1; r <= 13; ++r) {
        const int y = 20 + 10 * (r - 1);
        const int firstX = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
        const auto& colors = rows[static_cast<std::size_t>(r - 1)];
        for (std::size_t i = 0; i < colors.size(); ++i)
            FCubeCells[n++] = {{firstX + 12 * static_cast<int>(i), y}, colors[i]};
    }
}

void TExtColorCubePanel::SetSelectedColor(gfx::TColor value)
{
    FSelectedColor = value;
    FSelectedIndex = -1;
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (GetCubeCellColor(cell) == value) {
            FSelectedIndex = cell;
            break;
        }
    }
}

void TExtColorCubePanel::SetShowRGBHint(bool value)
{
    FShowRGBHint = value;
    SetShowHint(value);
}

gfx::TColor TExtColorCubePanel::GetCubeCellColor(int cell) const
{
    // A number outside the cube names no cell: reading it gives none rather than memory
    // beyond the table.
    if (!ValidCell(cell)) return gfx::clNone;
    return FCubeCells[static_cast<std::size_t>(cell - 1)].Color;
}

void TExtColorCubePanel::SetCubeCellColor(int cell, gfx::TColor color)
{
    if (!ValidCell(cell)) return;
    FCubeCells[static_cast<std::size_t>(cell - 1)].Color = color;
}

rtl::TPoint TExtColorCubePanel::CellCentre(int cell) const
{
    if (!ValidCell(cell)) return {-1, -1};
    return FCubeCells[static_cast<std::size_t>(cell - 1)].Centre;
}

int TExtColorCubePanel::CellAtPos(int x, int y) const
{
    for (int cell = 1; cell <= CellCount; ++cell) {
        const rtl::TPoint c = CellCentre(cell);
        const int dx = x - c.X;
        const int dy = y - c.Y;
        if (dx * dx + dy * dy <= 36) return cell;
    }
    return -1;
}

// --- painting ---

void TExtColorCubePanel::DrawHexagon(gfx::TCanvas& canvas, rtl::TPoint c, int w, int q)
{
    const rtl::TPoint points[] = {{c.X - w, c.Y - q}, {c.X, c.Y - 2 * q}, {c.X + w, c.Y - q},
                                  {c.X + w, c.Y + q}, {c.X, c.Y + 2 * q}, {c.X - w, c.Y + q}};
    canvas.Polygon(points);
}

void TExtColorCubePanel::DrawCell(gfx::TCanvas& canvas, int cell)
{
    if (!ValidCell(cell)) return;
    const TCubeCell& c = FCubeCells[static_cast<std::size_t>(cell - 1)];
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(c.Color);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(c.Color);
    DrawHexagon(canvas, c.Centre, FCubeSize.X, FCubeSize.Y);
    const bool hot = cell == FHotIndex;
    const bool selected = cell == FSelectedIndex;
    if (!hot && !selected) return;
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.Pen().SetColor(selected ? gfx::clBlack : gfx::TColor{0x0000FF});
    DrawHexagon(canvas, c.Centre, 5, 3);
    canvas.Pen().SetColor(gfx::clWhite);
    DrawHexagon(canvas, c.Centre, 4, 2);
    canvas.Brush().SetStyle(gfx::bsSolid);
}

void TExtColorCubePanel::Paint()
{
    TExtCustomColorSelectorPanel::Paint();
    for (int cell = 1; cell <= CellCount; ++cell) DrawCell(Canvas(), cell);
}

void TExtColorCubePanel::RedrawCell(int cell)
{
    if (Showing()) DrawCell(Canvas(), cell);
}

// --- mouse ---

void TExtColorCubePanel::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    TExtCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int cell = CellAtPos(X, Y);
    if (cell < 0) {
        // The last hot cell keeps its outline.
        if (FShowRGBHint) {
            SetHint("");
            if (ui::Application() != nullptr) ui::Application()->CancelHint();
        }
        return;
    }
    if (cell == FHotIndex) return;
    const int old = FHotIndex;
    FHotIndex = cell;
    RedrawCell(old);
    RedrawCell(cell);
    if (!FShowRGBHint) return;
    const gfx::TColor color = GetCubeCellColor(cell);
    char hint[64];
    std::snprintf(hint, sizeof hint, "Red: %d,  Green: %d,  Blue: %d", static_cast<int>(color & 0xFF),
                  static_cast<int>((color >> 8) & 0xFF), static_cast<int>((color >> 16) & 0xFF));
    SetHint(hint);
    if (ui::Application() != nullptr) ui::Application()->CancelHint();
}

void TExtColorCubePanel::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    TExtCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int cell = CellAtPos(X, Y);
    if (cell < 0) return;
    const int old = FSelectedIndex;
    FSelectedIndex = -1;
    RedrawCell(old);
    FSelectedColor = GetCubeCellColor(cell);
    FSelectedIndex = cell;
    RedrawCell(cell);
    if (OnSelect) OnSelect(this);
}

void TExtColorCubePanel::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    TExtCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    ShouldHide();
}

}  // namespace grid
