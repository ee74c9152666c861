// Writes the soil-property files of the 10 km grid ("MAKE 10km GRID SOIs" on the "SOI file maker" page).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/GlobalTables.h"

namespace app {

struct TSoilParameterBlocks;

// Cells of the 10 km grid, one soil-property file each.
inline constexpr int SoilPropCellCount10km = CellCount10km;

// What the "SOI file maker" page gives the writer.
struct TSoilPropOptions {
    // `Edit36`: folder of the files; "[base directory]" stands for the current
    // directory. Used unchanged as a prefix of the file names, so it ends with
    // a path separator to name a folder.
    std::string SoiFolder = "[base directory]\\input\\soil\\grid\\10km\\";
    // `pCB` and `cCB`: the chosen hydraulic and chemical parameter sets.
    std::string HydraulicSet;
    std::string ChemicalSet;
    // `cpscb` "use chemical selector file": each cell takes its chemical set
    // column from "chemparselector.csv" instead of column 1.
    bool UseChemicalSelector = false;
    // The page always writes the 1104 cells of the grid; tests use fewer.
    int CellCount = SoilPropCellCount10km;
};

// Receives the progress texts for the first panel of the status bar `SB`:
// "PROCESSING", "soil file #100 created", ..., "COMPLETE".
using TSoilPropProgress = std::function<void(const std::string&)>;

// The input of one run as plain data: the lines of "SOImaker_data.csv", and
// the lines of "chemparselector.csv" when the selector is used.
struct TSoilPropInput {
    std::vector<std::string> ParameterLines;
    std::vector<std::string> SelectorLines;
};

// The whole action: reads "SOImaker_data.csv" and, when the selector is
// ticked, "chemparselector.csv" from the current directory, then writes the
// files. A missing file ends the action with a message (rtl::Exception) before
// anything is written. The comments come from SoiCommentTable, which the
// program fills at start (FillGlobalTables).
void MakeSoilPropFiles10km(const TSoilPropOptions& options, const TSoilPropProgress& progress);

// The work on plain data: reports "PROCESSING", checks the whole input (the
// soil rows, both blocks, the selector and every chemical column it names),
// builds the folder and writes one file per cell, reporting after every 100th
// file and "COMPLETE" at the end. Any fault in the input raises an
// rtl::Exception naming the file, line and value before the first file is
// written.
void WriteSoilPropFiles10km(const TSoilPropOptions& options, const TSoilPropInput& input,
                            const TSoilPropProgress& progress);

// The folder F of the files: `SoiFolder` with every "[base directory]"
// replaced by `currentDir` (case-sensitive).
std::string SoilPropFolder(const std::string& soiFolder, const std::string& currentDir);

// The name of the file of cell `cell` in folder `folder`: folder + "10km" +
// the cell number zero-padded to four digits + ".soi".
std::string SoilPropFileName(const std::string& folder, int cell);

}  // namespace app
