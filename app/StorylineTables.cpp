// The eight management tables of the storyline page: column data and the edit, empty and fill rules.
#include "app/StorylineTables.h"

#include "platform/rtl/Exceptions.h"

namespace app {

namespace {

const std::array<TEventTable, EventKindCount> EventTables{{
    {ekPlanting, "plantingTB", " Planting", 4, CropEventSlots,
     {{{"DATE", "Date of Planting (yyyy-mm-dd)", 85},
       {"CROP", "Planted Crop", 150},
       {"CULTIVAR", "Planted Cultivar", 150},
       {"DENSITY", "Planting Density (plant/m2)", 80}}}},
    {ekHarvest, "harvestTB", " Harvest", 3, CropEventSlots,
     {{{"DATE", "Date of Harvest (yyyy-mm-dd)", 85},
       {"CUT/TOTAL", "CutOff/Total Biomass Ratio (%)", 100},
       {"TAKEN", "Ratio of Taken Biomass (%)", 80}}}},
    {ekFertilization, "fertilizationTB", " Fertilization", 4, EventSlots,
     {{{"DATE", "Date of Fertilization (yyyy-mm-dd)", 85},
       {"TYPE", "Fertilizer Type", 150},
       {"AMOUNT", "Amount of Fertilizer (kg/ha)", 80},
       {"DEPTH", "Depth of Incorporation (m)", 80}}}},
    {ekIrrigation, "irrigationTB", " Irrigation", 2, EventSlots,
     {{{"DATE", "Date of Irrigation (yyyy-mm-dd)", 85},
       {"AMOUNT", "Water amount (mm)", 80}}}},
    {ekCultivation, "cultivationTB", " Cultivation", 3, EventSlots,
     {{{"DATE", "Date of Cultivation (yyyy-mm-dd)", 85},
       {"TYPE", "Cultivation Type", 100},
       {"DEPTH", "Depth of soil cultivation (m)", 80}}}},
    {ekGrazing, "grazingTB", " Grazing", 4, EventSlots,
     {{{"DATE START", "Start Date of Grazing (yyyy-mm-dd)", 95},
       {"DATE END", "End Date of Grazing (yyyy-mm-dd)", 95},
       {"TYPE", "Herd/Livestock Type", 150},
       {"DENSITY", "Animal Density (animal/ha)", 80}}}},
    {ekMowing, "mowingTB", " Moving", 3, EventSlots,
     {{{"DATE", "Date of Mowing (yyyy-mm-dd)", 85},
       {"AFTER LAI", "LAI after mowing", 100},
       {"TAKEN", "Ratio of Taken Biomass (%)", 80}}}},
    {ekThinning, "thinningTB", " Thinning", 5, EventSlots,
     {{{"DATE", "Date of Thinning (yyyy-mm-dd)", 85},
       {"RATEw", "CutOff/Total Woody Biomass Ratio (%)", 90},
       {"RATEnw", "CutOff/Total NonWoody Biomass Ratio (%)", 90},
       {"TAKENw", "Ratio of Taken Woody Biomass (%)", 90},
       {"TAKENnw", "Ratio of Taken NonWoody Biomass (%)", 90}}}},
}};

bool IsEventCell(const TEventTable& table, int col, int row)
{
    return col >= 0 && col < table.ColCount && row >= 1 && row <= table.SlotCount;
}

}  // namespace

const TEventTable& EventTable(TEventKind kind)
{
    if (kind < 0 || kind >= EventKindCount)
        throw rtl::ERangeError("Event kind " + std::to_string(static_cast<int>(kind)) + " does not exist");
    return EventTables[static_cast<std::size_t>(kind)];
}

bool StoreTableEdit(TStorylineEditor& editor, TEventKind kind, int col, int row, std::string_view text)
{
    // Before the first New or Open only the grid keeps the text; a cell
    // outside the event rows (the header) has no slot to store into.
    if (!editor.HasStoryline() || !IsEventCell(EventTable(kind), col, row)) return false;
    EventText(editor.CurrentDomain(), kind, editor.CurrentPeriodIndex, col, row) = text;
    return true;
}

std::vector<TTableCellText> EmptyTableCells(TEventKind kind)
{
    const TEventTable& table = EventTable(kind);
    std::vector<TTableCellText> cells;
    cells.reserve(static_cast<std::size_t>(table.SlotCount * table.ColCount));
    for (int row = 1; row <= table.SlotCount; ++row)
        for (int col = 0; col < table.ColCount; ++col) cells.push_back({col, row, {}});
    return cells;
}

std::vector<TTableCellText> PeriodTableCells(const TStorylineEditor& editor, TEventKind kind)
{
    std::vector<TTableCellText> cells = EmptyTableCells(kind);
    if (!editor.HasStoryline()) return cells;
    const Tdomain& domain = editor.CurrentDomain();
    for (TTableCellText& cell : cells)
        cell.Text = EventText(domain, kind, editor.CurrentPeriodIndex, cell.Col, cell.Row);
    return cells;
}

TEventTableTexts ReadEventTable(TEventKind kind, const std::function<std::string(int col, int row)>& cell)
{
    const TEventTable& table = EventTable(kind);
    TEventTableTexts texts;
    texts.Rows.resize(static_cast<std::size_t>(table.SlotCount));
    for (int row = 1; row <= table.SlotCount; ++row) {
        auto& cells = texts.Rows[static_cast<std::size_t>(row - 1)];
        cells.reserve(static_cast<std::size_t>(table.ColCount));
        for (int col = 0; col < table.ColCount; ++col) cells.push_back(cell(col, row));
    }
    return texts;
}

}  // namespace app
