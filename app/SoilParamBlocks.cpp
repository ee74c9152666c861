// Finds the soil rows and the chosen hydraulic and chemical blocks in the lines of "SOImaker_data.csv".
#include "app/SoilParamBlocks.h"

#include "app/Unit2.h"
#include "app/WriterTables.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"

namespace app {

namespace {

bool IsMarkerLine(const std::string& line) {
    return line.find(HydraulicBlockPrefix) != std::string::npos ||
           line.find(ChemicalBlockPrefix) != std::string::npos;
}

// Number of rows of a block that starts at line index `first`: consecutive
// lines up to the next marker line or the end of the file, at most `wanted`.
int AvailableRows(const std::vector<std::string>& lines, int first, int wanted) {
    int count = 0;
    for (int i = first; i < static_cast<int>(lines.size()) && count < wanted; ++i) {
        if (IsMarkerLine(lines[i])) break;
        ++count;
    }
    return count;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string FileAtLine(const char* fileName, int lineNumber) {
    return Quoted(fileName) + " line " + std::to_string(lineNumber);
}

}  // namespace

std::string ParameterSetNameOfLine(const std::string& line) {
    return rtl::Copy(line, 6, 100);
}

int FindParameterBlock(const std::vector<std::string>& lines, const std::string& prefix,
                       const std::string& setName, int from, int to) {
    // The exact name first: the boxes were filled from the marker lines by the
    // same rule, so a chosen set always finds its own line, and "HYDR_A" can
    // never pick the block of "HYDR_AB" that happens to come first.
    for (int i = from; i < to; ++i) {
        const std::string& line = lines[i];
        if (line.find(prefix) != std::string::npos && ParameterSetNameOfLine(line) == setName) return i;
    }
    // No exact match: the substring test, for a name typed into the box.
    const std::string marker = prefix + setName;
    for (int i = from; i < to; ++i) {
        if (lines[i].find(marker) != std::string::npos) return i;
    }
    return -1;
}

TSoilParameterBlocks ReadSoilParameterBlocks(const std::vector<std::string>& lines,
                                             const std::string& hydraulicSet,
                                             const std::string& chemicalSet, int cellCount) {
    const int lineCount = static_cast<int>(lines.size());
    TSoilParameterBlocks blocks;

    // Soil rows: the table ends at the first marker line or at the end of the
    // file. Fewer rows than cells is an error rather than cells written with
    // block lines or empty lines as their soil.
    const int firstSoil = SoilParameterHeaderLines;
    const int soilRows = AvailableRows(lines, firstSoil, cellCount);
    if (soilRows < cellCount) {
        const int end = firstSoil + soilRows;  // index of the line that ended the table
        const std::string where = end < lineCount ? "line " + std::to_string(end + 1) + " \"" + lines[end] + "\""
                                                  : "the end of the file";
        throw rtl::Exception(Quoted(SoiMakerDataFileName) + ": the soil table has " +
                             std::to_string(soilRows) + " rows (from line " +
                             std::to_string(firstSoil + 1) + " to " + where + ") for " +
                             std::to_string(cellCount) + " cells");
    }
    blocks.SoilRows.assign(lines.begin() + firstSoil, lines.begin() + firstSoil + cellCount);

    // Hydraulic block: marker, one skipped line, one row per cell.
    const int afterSoil = firstSoil + cellCount;
    const int hydraulicMarker = FindParameterBlock(lines, HydraulicBlockPrefix, hydraulicSet, afterSoil, lineCount);
    const std::string hydraulicName = Quoted(HydraulicBlockPrefix + hydraulicSet);
    if (hydraulicMarker < 0) {
        throw rtl::Exception(Quoted(SoiMakerDataFileName) + ": no hydraulic block " + hydraulicName);
    }
    const int skipped = AvailableRows(lines, hydraulicMarker + 1, 1);
    const int hydraulicRows = skipped == 1 ? AvailableRows(lines, hydraulicMarker + 2, cellCount) : 0;
    if (hydraulicRows < cellCount) {
        throw rtl::Exception(FileAtLine(SoiMakerDataFileName, hydraulicMarker + 1) +
                             ": the hydraulic block " + hydraulicName + " has " +
                             std::to_string(hydraulicRows) + " rows for " +
                             std::to_string(cellCount) + " cells");
    }
    const int firstHydraulic = hydraulicMarker + 2;
    blocks.HydraulicRows.assign(lines.begin() + firstHydraulic, lines.begin() + firstHydraulic + cellCount);
    blocks.FirstHydraulicLine = firstHydraulic + 1;

    // Chemical block, searched after the hydraulic block as the file is read
    // in one pass: marker and 40 rows.
    const int afterHydraulic = firstHydraulic + cellCount;
    const int chemicalMarker = FindParameterBlock(lines, ChemicalBlockPrefix, chemicalSet, afterHydraulic, lineCount);
    const std::string chemicalName = Quoted(ChemicalBlockPrefix + chemicalSet);
    if (chemicalMarker < 0) {
        const int earlier = FindParameterBlock(lines, ChemicalBlockPrefix, chemicalSet, afterSoil, afterHydraulic);
        if (earlier >= 0) {
            throw rtl::Exception(FileAtLine(SoiMakerDataFileName, earlier + 1) + ": the chemical block " +
                                 chemicalName + " comes before the end of the hydraulic block " +
                                 hydraulicName + " (line " + std::to_string(hydraulicMarker + 1) +
                                 "); it must follow it");
        }
        throw rtl::Exception(Quoted(SoiMakerDataFileName) + ": no chemical block " + chemicalName +
                             " after the hydraulic block " + hydraulicName);
    }
    const int firstChemical = chemicalMarker + 1;
    const int chemicalRows = AvailableRows(lines, firstChemical, ChemicalRowCount);
    if (chemicalRows < ChemicalRowCount) {
        throw rtl::Exception(FileAtLine(SoiMakerDataFileName, chemicalMarker + 1) +
                             ": the chemical block " + chemicalName + " has " +
                             std::to_string(chemicalRows) + " of " +
                             std::to_string(ChemicalRowCount) + " rows");
    }
    blocks.ChemicalRows.assign(lines.begin() + firstChemical, lines.begin() + firstChemical + ChemicalRowCount);
    blocks.FirstChemicalLine = firstChemical + 1;
    return blocks;
}

std::vector<int> ReadChemicalSelector(const std::vector<std::string>& lines, int cellCount) {
    if (static_cast<int>(lines.size()) < cellCount) {
        throw rtl::Exception(Quoted(ChemicalSelectorFileName) + ": " + std::to_string(lines.size()) +
                             " lines for " + std::to_string(cellCount) + " cells");
    }
    std::vector<int> columns(cellCount);
    for (int i = 0; i < cellCount; ++i) {
        SplitTableRow(lines[i], ';', ChemicalSelectorFileName, i + 1);
        const std::string value = SharedFields[2];
        int column = 0;
        if (!rtl::TryStrToInt(value, column)) {
            throw rtl::EConvertError(FileAtLine(ChemicalSelectorFileName, i + 1) + ": '" + value +
                                     "' is not a valid integer value");
        }
        columns[i] = column;
    }
    return columns;
}

}  // namespace app
