// What the main window loads when it is created: the fixed tables and the two optional files.
#pragma once

#include "app/OutputLists.h"
#include "app/ParameterSetNames.h"

namespace app {

struct TStartupData {
    // The items the output-variable lists show: the defaults, or "outputs.txt".
    TOutputLists OutputLists = DefaultOutputLists();
    bool OutputsFileRead = false;
    // The items of the parameter-set boxes: none, or those of "SOImaker_data.csv".
    TParameterSetNames ParameterSets;
    bool ParameterSetsRead = false;
};

// Fills the fixed global tables (GlobalTables.h), then reads "outputs.txt" and
// "SOImaker_data.csv" from the current directory when they exist.
// The fixed tables are filled first so that an unreadable optional file cannot
// leave them empty. The error of an unreadable file (rtl::EInOutError) still
// propagates, for the caller's error box; what was read before it stays in
// `data`, and the steps after it are not done.
void LoadStartupData(TStartupData& data);

}  // namespace app
