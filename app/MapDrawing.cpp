// The map window's work on plain data: cell positions from the key and grid tables, colour classes of values, the drawing.
#include "app/MapDrawing.h"

#include <cmath>
#include <unordered_map>

#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Exceptions.h"

namespace app {

const std::array<gfx::TColor, 11> MapClassColours = {
    gfx::RGB(0, 0, 0),       gfx::RGB(255, 255, 240), gfx::RGB(245, 222, 179), gfx::RGB(222, 184, 135),
    gfx::RGB(160, 82, 45),   gfx::RGB(152, 251, 152), gfx::RGB(50, 205, 50),   gfx::RGB(34, 139, 34),
    gfx::RGB(0, 100, 0),     gfx::RGB(0, 191, 255),   gfx::RGB(0, 0, 205)};

namespace {

// Rounded to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

void LoadCellPositions(const TWeatherToolOptions& places, TCellPositions& positions)
{
    std::unordered_map<int, int> oldOfNew;
    TFieldViews f;
    {
        TWeatherInput key(places.Path("e:\\Tolvek SOIL GRID\\KEY_10kmID_OLD_NEW.csv"));
        key.Skip(1);
        key.ForEachLine([&](const std::string& line) {
            if (line.empty()) return;
            f.Split(line, ';');
            const int oldCell = ReadStrictInt(f[1], key.Place(), 1, MapCellCount, "old cell");
            oldOfNew[ReadStrictInt(f[2], key.Place(), INT32_MIN, INT32_MAX, "new cell")] = oldCell;
        });
    }
    TWeatherInput grid(places.Path("e:\\Tolvek SOIL GRID\\Tolvek_DB_GRID_TABLE3.csv"));
    grid.Skip(1);
    grid.ForEachLine([&](const std::string& line) {
        if (line.empty()) return;
        f.Split(line, ';');
        const auto found = oldOfNew.find(ReadStrictInt(f[1], grid.Place(), INT32_MIN, INT32_MAX, "new cell"));
        if (found == oldOfNew.end()) return;  // a cell the key table does not list has no place
        TMapPoint& p = positions[static_cast<std::size_t>(found->second)];
        p.X = RoundHalfEven((ParseDecimal(f[4]) - 16) * 140);
        p.Y = RoundHalfEven((48.7 - ParseDecimal(f[3])) * 200);
    });
}

int ColourClassOf(double value, double low, double high)
{
    if (value <= low) return 1;
    const double step = (high - low) / 8;
    for (int k = 1; k <= 8; ++k)
        if (value <= low + k * step) return k + 1;
    return 10;
}

TCellClasses ReadCellClasses(const std::string& fileName, double low, double high)
{
    TCellClasses classes{};
    TWeatherInput input(fileName);
    input.Skip(1);
    TFieldViews f;
    std::string line;
    // Every cell exactly once: a cell without a class would be drawn in no
    // colour, so such a table is refused before the picture changes.
    for (int row = 0; row < MapCellCount; ++row) {
        input.Next(line);
        f.Split(line, ';');
        const int cell = ReadStrictInt(f[1], input.Place(), 1, MapCellCount, "cell");
        if (classes[static_cast<std::size_t>(cell)] != 0) {
            throw rtl::EConvertError("cell " + std::to_string(cell) + " is listed twice (" + input.Place().Describe() + ")");
        }
        classes[static_cast<std::size_t>(cell)] = ColourClassOf(ParseDecimal(f[2]), low, high);
    }
    return classes;
}

void DrawCellMap(gfx::TBitmap& picture, const TCellPositions& positions, const TCellClasses& classes)
{
    gfx::TCanvas& canvas = picture.Canvas();
    // The whole picture in the button face first, so that no cell of an
    // earlier drawing survives at a position that has since moved.
    canvas.Brush().SetColor(gfx::clBtnFace);
    canvas.FillRect(rtl::TRect{0, 0, picture.Width(), picture.Height()});
    canvas.Pen().SetColor(MapOutlineColour);
    canvas.Pen().SetWidth(1);
    for (int cell = 1; cell <= MapCellCount; ++cell) {
        const TMapPoint& p = positions[static_cast<std::size_t>(cell)];
        canvas.Brush().SetColor(MapClassColours[static_cast<std::size_t>(classes[static_cast<std::size_t>(cell)])]);
        canvas.Rectangle(p.X, p.Y, p.X + MapCellWidth, p.Y + MapCellHeight);
    }
    canvas.Changed();
}

}  // namespace app
