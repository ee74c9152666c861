// The line forms of the soil-property files: parameter lines, layer lines of the ten model layers, rules.
#include "app/SoilPropLayout.h"

#include <vector>

#include "app/ModelFileLayout.h"

namespace app {

namespace {

const std::vector<std::size_t> LayerWidths = {8, 8, 8, 8, 8, 8, 8, 8, 8, 12};
const std::string Rule(92, '-');

}  // namespace

void SoilParameterLine(TModelFileLayout& layout, std::string_view value, std::string_view comment) {
    layout.Value(value, SoilParameterWidth, comment);
}

void SoilLayerLine(TModelFileLayout& layout, const TSourceLayerValues& values, std::string_view comment) {
    std::vector<std::string> columns;
    columns.reserve(SoilModelLayerCount);
    for (int source : SoilSourceLayerOfModelLayer) columns.push_back(values[source - 1]);
    layout.Columns(columns, LayerWidths, comment);
}

void SoilRule(TModelFileLayout& layout) { layout.Verbatim(Rule); }

}  // namespace app
