// Loads what the main window needs at creation: the fixed tables first, then the optional files.
#include "app/StartupData.h"

#include "app/GlobalTables.h"

namespace app {

void LoadStartupData(TStartupData& data)
{
    // The tables come first: they need no file, and an unreadable optional file
    // must not keep them from being filled (every 10 km writer reads them).
    FillGlobalTables();
    data.OutputsFileRead = ReadOutputsFile(OutputsFileName, data.OutputLists);
    data.ParameterSetsRead = ReadParameterSetNames(SoiMakerDataFileName, data.ParameterSets);
}

}  // namespace app
