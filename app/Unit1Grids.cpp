// The main window's eight storyline grids: found after the description is read, headers set at each activation.
#include "app/FormControls.h"
#include "app/StorylineTables.h"
#include "app/Unit1.h"
#include "grid/core/ExtGrid.h"

namespace app {

namespace {

// The table of the grid with that name (its event kind's columns).
const TEventTable* EventTableOfGrid(const std::string& gridName)
{
    for (TEventKind kind : AllEventKinds) {
        if (gridName == EventTable(kind).GridName) return &EventTable(kind);
    }
    return nullptr;
}

}  // namespace

void TForm1::FindStorylineGrids()
{
    FindFormControl(this, plantingTB, "plantingTB");
    FindFormControl(this, harvestTB, "harvestTB");
    FindFormControl(this, fertilizationTB, "fertilizationTB");
    FindFormControl(this, irrigationTB, "irrigationTB");
    FindFormControl(this, cultivationTB, "cultivationTB");
    FindFormControl(this, grazingTB, "grazingTB");
    FindFormControl(this, mowingTB, "mowingTB");
    FindFormControl(this, thinningTB, "thinningTB");
    // The header row names the fields of the event records.
    for (TEventKind kind : AllEventKinds) {
        const TEventTable& table = EventTable(kind);
        auto* g = dynamic_cast<grid::TExtStringGrid*>(FindComponent(table.GridName));
        for (int c = 0; c < table.ColCount; ++c) g->SetCells(c, 0, table.Columns[static_cast<std::size_t>(c)].Header);
    }
}

void TForm1::SetStorylineGridHeaders()
{
    grid::TExtStringGrid* const grids[] = {plantingTB, harvestTB, fertilizationTB, irrigationTB,
                                          cultivationTB, grazingTB, mowingTB, thinningTB};
    for (grid::TExtStringGrid* g : grids) {
        const TEventTable* table = EventTableOfGrid(g->Name());
        if (table == nullptr) continue;
        for (int c = 0; c < table->ColCount; ++c) {
            const TEventTableColumn& column = table->Columns[static_cast<std::size_t>(c)];
            g->SetColWidths(c, column.Width);
            g->SetComment(c, 0, column.Meaning);
        }
    }
}

}  // namespace app
