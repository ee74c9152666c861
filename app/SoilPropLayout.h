// The line forms of the soil-property files: parameter lines, layer lines of the ten model layers, rules.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace app {

class TModelFileLayout;

// A soil-property file describes ten model layers, filled from the four
// layers of the soil tables.
inline constexpr int SoilSourceLayerCount = 4;
inline constexpr int SoilModelLayerCount = 10;
// Source layer (1-based) of model layer m = 1 ... 10.
inline constexpr std::array<int, SoilModelLayerCount> SoilSourceLayerOfModelLayer = {1, 1, 1, 2, 3, 4, 4, 4, 4, 4};

// Width of the value column of a parameter line.
inline constexpr std::size_t SoilParameterWidth = 10;

// One text per source layer (index 0 is source layer 1).
using TSourceLayerValues = std::array<std::string, SoilSourceLayerCount>;

// The value in a column of width 10, then the comment.
void SoilParameterLine(TModelFileLayout& layout, std::string_view value, std::string_view comment);
// The ten model-layer columns (layers 1-9 of width 8, layer 10 of width 12),
// each holding its source layer's text, then the comment.
void SoilLayerLine(TModelFileLayout& layout, const TSourceLayerValues& values, std::string_view comment);
// A line of 92 hyphen-minus characters.
void SoilRule(TModelFileLayout& layout);

}  // namespace app
