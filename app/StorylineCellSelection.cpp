// The cell-ID selector of the storyline page: matching the rows of the cell selector table.
#include "app/StorylineCellSelection.h"

#include "app/GlobalTables.h"
#include "app/Unit2.h"
#include "platform/rtl/Utf8.h"

namespace app {

const std::array<const char*, CellIDSelectorItemCount> CellIDSelectorItems{
    "ALL",
    "Plain region (alt<200m)",
    "Hill region (200m < alt < 500m)",
    "Mountain region (alt > 500m)",
    "HU11 - Budapest",
    "HU12 - Pest",
    "HU21 - Central Transdanubia",
    "HU22 - Western Transdanubia",
    "HU23 - Southern Transdanubia",
    "HU31 - Northern Hungary",
    "HU32 - Northern Great Plain",
    "HU33 - Southern Great Plain",
};

namespace {

constexpr int AllItem = 0;
constexpr int PlainItem = 1, HillItem = 2, MountainItem = 3;
constexpr int FirstRegionItem = 4;
constexpr double PlainTop = 200, HillTop = 500;  // metres
// Fields of a row "lat;long;elev;landuse;nuts3;Tavg".
constexpr int ElevationField = 3, NutsField = 5;
constexpr int RegionCodeLength = 4;

bool InElevationClass(int item, double elevation)
{
    if (item == PlainItem) return elevation <= PlainTop;
    if (item == HillItem) return elevation > PlainTop && elevation <= HillTop;
    return elevation > HillTop;
}

}  // namespace

std::string SelectCellIDs(int itemIndex, std::string_view selectorText)
{
    if (itemIndex == AllItem) return "ALL";
    if (itemIndex < PlainItem || itemIndex >= CellIDSelectorItemCount) return {};
    const std::string region = rtl::Utf8Copy(selectorText, 1, RegionCodeLength);
    std::string cells;
    for (int cell = 1; cell <= CellCount10km; ++cell) {
        SplitFields(CellSelectorTable[static_cast<std::size_t>(cell)], ';');
        const bool match = itemIndex < FirstRegionItem
                               ? InElevationClass(itemIndex, ParseNumberFiltered(SharedFields[ElevationField]))
                               : rtl::Utf8Copy(SharedFields[NutsField], 1, RegionCodeLength) == region;
        if (match) cells += std::to_string(cell) + "; ";
    }
    return cells;
}

}  // namespace app
