// Finds the soil rows and the chosen hydraulic and chemical blocks in the lines of "SOImaker_data.csv".
#pragma once

#include <string>
#include <vector>

#include "app/ParameterSetNames.h"

namespace app {

// The per-cell chemical-set selector, in the current directory (the
// parameter-set file is SoiMakerDataFileName of ParameterSetNames.h).
inline constexpr const char* ChemicalSelectorFileName = "chemparselector.csv";

// Marker prefixes of the blocks that follow the soil rows.
inline constexpr const char* HydraulicBlockPrefix = "HYDR_";
inline constexpr const char* ChemicalBlockPrefix = "CHEM_";

// Lines 1 and 2 of the file are headers; the soil rows start at line 3.
inline constexpr int SoilParameterHeaderLines = 2;
// A chemical block holds this many rows after its marker line.
inline constexpr int ChemicalRowCount = 40;

// The rows of the parameter-set file one writer run needs, held as text.
// Soil and hydraulic row i-1 belong to cell i; chemical row r-1 is row r of the
// block. The line numbers (1-based) of the first row of each part are kept for
// messages.
struct TSoilParameterBlocks {
    std::vector<std::string> SoilRows;
    std::vector<std::string> HydraulicRows;
    std::vector<std::string> ChemicalRows;
    int FirstSoilLine = SoilParameterHeaderLines + 1;
    int FirstHydraulicLine = 0;
    int FirstChemicalLine = 0;
};

// The set name a marker line stands for: the line's text from its sixth
// character on, at most 100 characters (the rule that fills the set boxes).
std::string ParameterSetNameOfLine(const std::string& line);

// Index (0-based) of the marker line of set `setName` with marker `prefix`,
// searched in lines [from, to): a line that carries the marker and whose set
// name is exactly `setName` first; only when none does, the first line that
// contains prefix + setName as a substring. -1 when neither is found.
int FindParameterBlock(const std::vector<std::string>& lines, const std::string& prefix,
                       const std::string& setName, int from, int to);

// Takes `cellCount` soil rows, the hydraulic block of `hydraulicSet` (searched
// after the soil rows) and the chemical block of `chemicalSet` (searched after
// the hydraulic block) from the lines of the parameter-set file.
// Raises rtl::Exception naming the file, the line and the set when the soil
// table has fewer rows than cells, a block is missing, or a block has fewer
// rows than it needs; nothing is returned half-filled.
TSoilParameterBlocks ReadSoilParameterBlocks(const std::vector<std::string>& lines,
                                             const std::string& hydraulicSet,
                                             const std::string& chemicalSet, int cellCount);

// The chemical set column of each cell from the lines of the selector file:
// line i gives, in field 2, the integer column for cell i. Raises
// rtl::EConvertError naming the file, line and value for a field that is not an
// integer, and rtl::Exception when the file has fewer lines than cells.
std::vector<int> ReadChemicalSelector(const std::vector<std::string>& lines, int cellCount);

}  // namespace app
