// "Export Storyline to CSV": repeating the management cycle of each table year by year to the period's end.
#pragma once

#include "app/StorylineMessage.h"
#include "app/StorylineModel.h"
#include "app/StorylineTables.h"

#include <array>
#include <string>
#include <vector>

namespace app {

// What the expansion reads from the page.
struct TExpansionInput {
    std::string PeriodStart;  // period start field
    std::string PeriodEnd;    // period end field
    std::string TotalStart;   // total time span start field
    std::string TotalEnd;     // total time span end field
    std::string LandUse;      // land-use selector
    // The eight tables as the page holds them, in AllEventKinds order.
    std::array<TEventTableTexts, EventKindCount> Tables;
};

// The expansion of one table.
struct TTableExpansion {
    enum TOutcome {
        eoNoTemplate,  // no row has a date: the slots stay as they are
        eoExpanded,    // Events hold the expanded events
        eoNoAdvance,   // the cycle does not advance the year: not expanded
    };
    TOutcome Outcome = eoNoTemplate;
    // One entry per event, in slot order, each with the table's column texts;
    // never more than the kind's slots.
    std::vector<std::vector<std::string>> Events;
    // The cycle yields more events than slots; the first event left out.
    bool Truncated = false;
    std::string FirstDroppedDate;
};

// Expands one table up to the year `endYear`. The template is the rows whose
// date cell is not empty, in row order. A template year or planting month
// that is not an integer raises rtl::EConvertError naming the table, row and
// text.
TTableExpansion ExpandEventTable(TEventKind kind, const TEventTableTexts& table, int endYear);

// Expands every table into the current period's slots, after storing the
// period's years and land use. Nothing happens without a storyline. A period
// outside the total time span, a table whose cycle does not advance the year
// and a table whose events do not all fit into its slots give a message; year
// fields that are not integers raise rtl::EConvertError. Every table is
// expanded before any slot changes, so an error leaves the storyline as it was.
TStorylineMessage ExpandStoryline(TStorylineEditor& editor, const TExpansionInput& input);

}  // namespace app
