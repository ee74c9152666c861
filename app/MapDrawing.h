// The map window's work on plain data: cell positions from the key and grid tables, colour classes of values, the drawing.
#pragma once

#include <array>
#include <string>

#include "app/WeatherConverters.h"
#include "platform/gfx/Color.h"

namespace gfx {
class TBitmap;
}

namespace app {

constexpr int MapCellCount = 1104;
constexpr int MapCellWidth = 14;
constexpr int MapCellHeight = 20;
constexpr int MapWidth = 1000;
constexpr int MapHeight = 650;

// The top left corner of each old 10 km cell's rectangle, at [1..1104].
struct TMapPoint {
    int X = 0;
    int Y = 0;
};
using TCellPositions = std::array<TMapPoint, MapCellCount + 1>;

// The ten class colours and the outline colour.
extern const std::array<gfx::TColor, 11> MapClassColours;  // [1..10]
constexpr gfx::TColor MapOutlineColour = gfx::RGB(128, 128, 128);

// Reads the 10 km key table and grid table 3 and sets the position of every
// cell they reach; other cells keep theirs.
void LoadCellPositions(const TWeatherToolOptions& places, TCellPositions& positions);

// The colour class 1..10 of a value between the bounds: eight equal steps
// closed at the top, 1 up to `low`, 10 above `high`.
int ColourClassOf(double value, double low, double high);

// The class of every cell from the value table; a table that misses or
// repeats a cell, or names one outside 1-1104, is refused naming the line.
using TCellClasses = std::array<int, MapCellCount + 1>;
TCellClasses ReadCellClasses(const std::string& fileName, double low, double high);

// Paints the picture: wholly button face, then every cell's rectangle in its
// class colour with a grey outline, in cell order.
void DrawCellMap(gfx::TBitmap& picture, const TCellPositions& positions, const TCellClasses& classes);

}  // namespace app
