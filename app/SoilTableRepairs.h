// The soil table repairs: "adjust DWC", "soil table correct", "Button76", "restore soil table" and "Button37".
#pragma once

#include <functional>

#include "app/BatchTableReading.h"
#include "app/SoilDbTable.h"

namespace app {

// The clock second (0 to 59) "adjust DWC" times its progress texts by.
using TClockSeconds = std::function<int()>;

// "adjust DWC": writes the soil database table from its base copy, field
// capacity and wilting point of every layer narrowed (sandy layers) or widened
// (loamy layers) by texture and written fixed 5/2. Progress "x.x% completed"
// of 12,000,000 rows once a minute, at the clock's second 01.
void AdjustWaterCapacity(const TSoilTableOptions& options, const TToolStatus& status,
                         const TClockSeconds& clockSeconds = {});

// "soil table correct": rows holding a "-" take the previous written row's
// texts for their negative and zero values; other rows are copied unchanged.
void CorrectSoilTable(const TSoilTableOptions& options, const TToolStatus& status);

// "Button76": a soil depth of 0 directly followed by a bulk density beginning
// with 1 becomes a depth of 10; nothing else changes.
void FixZeroSoilDepth(const TSoilTableOptions& options, const TToolStatus& status);

// "restore soil table": field capacity and wilting point of the four layers
// taken back from the "ORIGINAL" copy, joined sequentially on the id text.
void RestoreSoilTable(const TSoilTableOptions& options, const TToolStatus& status);

// "Button37": the soil depth replaced by the topsoil depth of
// "DATA\termoreteg_uj.txt" (rounded to whole centimetres) where it has one.
void ReplaceTopsoilDepth(const TSoilTableOptions& options, const TToolStatus& status);

}  // namespace app
