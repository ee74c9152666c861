// Writes the soil-property files of the 10 km grid ("MAKE 10km GRID SOIs" on the "SOI file maker" page).
#include "app/SoilPropWriter10km.h"

#include <array>
#include <cstdio>

#include "app/BatchFileWriter.h"
#include "app/GlobalTables.h"
#include "app/ModelFileLayout.h"
#include "app/SoilParamBlocks.h"
#include "app/SoilPropLayout.h"
#include "app/Unit2.h"
#include "app/WriterTables.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

// A section of chemical parameters: its title, the chemical rows it writes
// and the comment entry of its first row.
struct TChemicalSection {
    const char* Title;
    int FirstRow;
    int LastRow;
    int FirstComment;
};
constexpr std::array<TChemicalSection, 3> ChemicalSections = {{
    {"NITROGEN AND DECOMPOSITION PARAMETERS", 2, 17, 1},
    {"RATE SCALARS", 19, 32, 17},
    {"CH4 PARAMETERS", 34, 40, 31},
}};

// Soil-row columns (source layer 1's column; layers 2-4 follow it).
constexpr int ElevationColumn = 5;
constexpr int DepthColumn = 12;
constexpr int BulkDensityColumn = 13;
constexpr int PhColumn = 25;
constexpr int SiltColumn = 33;
constexpr int ClayColumn = 37;
// Hydraulic-row columns.
constexpr int SaturationColumn = 3;
constexpr int FieldCapacityColumn = 7;
constexpr int WiltingPointColumn = 11;

constexpr char FieldSeparator = ';';

// The values of one cell that the soil and layer lines need, per source layer.
struct TCellSoil {
    double Elevation = 0;
    double Depth = 0;
    TSourceLayerValues BulkDensity;
    TSourceLayerValues Ph;
    std::array<double, SoilSourceLayerCount> Silt{};
    std::array<double, SoilSourceLayerCount> Clay{};
    TSourceLayerValues Saturation;
    std::array<double, SoilSourceLayerCount> FieldCapacity{};
    std::array<double, SoilSourceLayerCount> WiltingPoint{};
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Fixed(double value, int precision, int digits) {
    return rtl::FloatToStrF(value, rtl::ffFixed, precision, digits);
}

const std::string& Comment(int entry) { return SoiCommentTable[entry]; }

// The values of cell `cell` (1-based) from its soil and hydraulic rows; a row
// the splitter cannot hold is reported with its line in the parameter file.
TCellSoil ReadCellSoil(const TSoilParameterBlocks& blocks, int cell) {
    TCellSoil soil;
    const std::size_t i = static_cast<std::size_t>(cell - 1);
    SplitTableRow(blocks.SoilRows[i], FieldSeparator, SoiMakerDataFileName, blocks.FirstSoilLine + cell - 1);
    soil.Elevation = ParseDecimal(SharedFields[ElevationColumn]);
    soil.Depth = ParseDecimal(SharedFields[DepthColumn]);
    for (int k = 0; k < SoilSourceLayerCount; ++k) {
        soil.BulkDensity[k] = SharedFields[BulkDensityColumn + k];
        soil.Ph[k] = SharedFields[PhColumn + k];
        soil.Silt[k] = ParseDecimal(SharedFields[SiltColumn + k]);
        soil.Clay[k] = ParseDecimal(SharedFields[ClayColumn + k]);
    }
    SplitTableRow(blocks.HydraulicRows[i], FieldSeparator, SoiMakerDataFileName,
                  blocks.FirstHydraulicLine + cell - 1);
    for (int k = 0; k < SoilSourceLayerCount; ++k) {
        soil.Saturation[k] = SharedFields[SaturationColumn + k];
        soil.FieldCapacity[k] = ParseDecimal(SharedFields[FieldCapacityColumn + k]);
        soil.WiltingPoint[k] = ParseDecimal(SharedFields[WiltingPointColumn + k]);
    }
    return soil;
}

// Runoff curve number by elevation: "60", above 200 m "70", above 500 m "80".
const char* RunoffCurveNumber(double elevation) {
    if (elevation > 500) return "80";
    if (elevation > 200) return "70";
    return "60";
}

// A text per source layer from a function of the source layer's index.
template <typename Value>
TSourceLayerValues PerSourceLayer(const Value& valueOfSourceLayer) {
    TSourceLayerValues values;
    for (int k = 0; k < SoilSourceLayerCount; ++k) values[k] = valueOfSourceLayer(k);
    return values;
}

// The chemical rows split once; field s of row r is Fields[r-1][s-1].
struct TChemicalTable {
    std::vector<std::vector<std::string>> Fields;

    explicit TChemicalTable(const TSoilParameterBlocks& blocks) {
        const std::vector<std::string>& rows = blocks.ChemicalRows;
        Fields.reserve(rows.size());
        for (const std::string& row : rows) {
            SplitTableRow(row, FieldSeparator, SoiMakerDataFileName,
                          blocks.FirstChemicalLine + static_cast<int>(Fields.size()));
            Fields.emplace_back(SharedFields.Fields.begin() + 1,
                                SharedFields.Fields.begin() + 1 + SharedFields.Count);
        }
    }
    const std::string& Value(int row, int column) const { return Fields[row - 1][column - 1]; }
    int FieldCount(int row) const { return static_cast<int>(Fields[row - 1].size()); }
};

bool IsWrittenChemicalRow(int row) {
    for (const TChemicalSection& section : ChemicalSections) {
        if (row >= section.FirstRow && row <= section.LastRow) return true;
    }
    return false;
}

// Every cell's chemical set column must name a field of every chemical row
// that is written: a column outside a row would otherwise give a file whose
// parameter lines are empty, which the model reads as garbage. The whole
// selector is checked before the first file is written.
void CheckChemicalColumns(const std::vector<int>& columns, const TChemicalTable& chemical,
                          const TSoilParameterBlocks& blocks) {
    int narrowestRow = 0;
    int narrowest = 0;
    for (int row = 1; row <= ChemicalRowCount; ++row) {
        if (!IsWrittenChemicalRow(row)) continue;
        if (narrowestRow == 0 || chemical.FieldCount(row) < narrowest) {
            narrowestRow = row;
            narrowest = chemical.FieldCount(row);
        }
    }
    for (std::size_t cell = 0; cell < columns.size(); ++cell) {
        const int column = columns[cell];
        if (column >= 1 && column <= narrowest) continue;
        throw rtl::Exception(Quoted(ChemicalSelectorFileName) + " line " + std::to_string(cell + 1) +
                             ": chemical set column " + std::to_string(column) +
                             " is outside the " + std::to_string(narrowest) +
                             " fields of chemical row " + std::to_string(narrowestRow) + " (" +
                             Quoted(SoiMakerDataFileName) + " line " +
                             std::to_string(blocks.FirstChemicalLine + narrowestRow - 1) + ")");
    }
}

std::string CellNumberText(int cell) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", cell);
    return text;
}

// Lines 1-46: the header and the chemical parameters of set column `column`.
void LayOutChemicalPart(TModelFileLayout& layout, int cell, const TChemicalTable& chemical, int column) {
    layout.Verbatim("SOILPROP FILE - MuSo6, site/cell: " + CellNumberText(cell));
    for (const TChemicalSection& section : ChemicalSections) {
        SoilRule(layout);
        layout.Verbatim(section.Title);
        for (int row = section.FirstRow; row <= section.LastRow; ++row) {
            SoilParameterLine(layout, chemical.Value(row, column),
                              Comment(section.FirstComment + row - section.FirstRow));
        }
    }
    SoilRule(layout);
    layout.Verbatim("SOIL PARAMETERS");
}

// Lines 47-63: the soil parameters and the layer lines.
void LayOutSoilPart(TModelFileLayout& layout, const TCellSoil& soil) {
    SoilParameterLine(layout, Fixed(soil.Depth / 100, 5, 2), Comment(38));
    SoilParameterLine(layout, "6", Comment(39));
    SoilParameterLine(layout, "0.0", Comment(40));
    SoilParameterLine(layout, Fixed(1, 5, 1), Comment(41));
    SoilParameterLine(layout, RunoffCurveNumber(soil.Elevation), Comment(42));
    SoilRule(layout);
    layout.Verbatim("SOIL COMPOSITION AND CHARACTERISTIC VALUES (-9999: no measured data)");

    auto sand = [&](int k) { return 100 - soil.Silt[k] - soil.Clay[k]; };
    auto drainage = [&](int k) { return 0.8 - (100 - sand(k)) * 0.005 - soil.Clay[k] * 0.003; };
    auto conductivity = [&](int k) { return 250 - (100 - sand(k)) * 2.1 - soil.Clay[k] * 0.75; };
    SoilLayerLine(layout, PerSourceLayer([&](int k) { return Fixed(sand(k), 3, 0); }), Comment(43));
    SoilLayerLine(layout, PerSourceLayer([&](int k) { return Fixed(soil.Silt[k], 3, 0); }), Comment(44));
    SoilLayerLine(layout, soil.Ph, Comment(45));
    SoilLayerLine(layout, soil.BulkDensity, Comment(46));
    SoilLayerLine(layout, soil.Saturation, Comment(47));
    SoilLayerLine(layout, PerSourceLayer([&](int k) { return Fixed(soil.FieldCapacity[k], 4, 3); }), Comment(48));
    SoilLayerLine(layout, PerSourceLayer([&](int k) { return Fixed(soil.WiltingPoint[k], 4, 3); }), Comment(49));
    SoilLayerLine(layout, PerSourceLayer([](int) { return std::string("0.005"); }), Comment(50));
    SoilLayerLine(layout, PerSourceLayer([&](int k) { return Fixed(drainage(k), 4, 2); }), Comment(51));
    SoilLayerLine(layout, PerSourceLayer([&](int k) { return Fixed(conductivity(k), 4, 2); }), Comment(52));
}

std::vector<std::string> ReadTextLines(const std::string& fileName) {
    rtl::TTextFile file(fileName);
    file.Reset();
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLn(line)) lines.push_back(line);
    file.Close();
    return lines;
}

void Report(const TSoilPropProgress& progress, const std::string& text) {
    if (progress) progress(text);
}

}  // namespace

std::string SoilPropFolder(const std::string& soiFolder, const std::string& currentDir) {
    return rtl::StringReplace(soiFolder, "[base directory]", currentDir, rtl::rfReplaceAll);
}

std::string SoilPropFileName(const std::string& folder, int cell) {
    return folder + "10km" + CellNumberText(cell) + ".soi";
}

void WriteSoilPropFiles10km(const TSoilPropOptions& options, const TSoilPropInput& input,
                            const TSoilPropProgress& progress) {
    Report(progress, "PROCESSING");

    // Everything is checked before the first file is written, so a fault in
    // the input never leaves a folder of half-made or empty-valued files.
    const int cellCount = options.CellCount;
    const TSoilParameterBlocks blocks =
        ReadSoilParameterBlocks(input.ParameterLines, options.HydraulicSet, options.ChemicalSet, cellCount);
    const TChemicalTable chemical(blocks);
    const std::vector<int> columns = options.UseChemicalSelector
                                         ? ReadChemicalSelector(input.SelectorLines, cellCount)
                                         : std::vector<int>(cellCount, 1);
    CheckChemicalColumns(columns, chemical, blocks);
    // Every soil and hydraulic row is split here, so a row the splitter
    // cannot hold is reported before the first file, not after the ninth.
    std::vector<TCellSoil> soils;
    soils.reserve(static_cast<std::size_t>(cellCount));
    for (int cell = 1; cell <= cellCount; ++cell) soils.push_back(ReadCellSoil(blocks, cell));

    const std::string folder = SoilPropFolder(options.SoiFolder, rtl::GetCurrentDir());
    if (!rtl::DirectoryExists(folder)) rtl::ForceDirectories(folder);

    TModelFileLayout layout;
    TBatchFileWriter files(cellCount);
    for (int cell = 1; cell <= cellCount; ++cell) {
        layout.Clear();
        LayOutChemicalPart(layout, cell, chemical, columns[cell - 1]);
        LayOutSoilPart(layout, soils[static_cast<std::size_t>(cell - 1)]);
        files.Save(layout, SoilPropFileName(folder, cell));
        if (cell % 100 == 0) Report(progress, "soil file #" + std::to_string(cell) + " created");
    }
    Report(progress, "COMPLETE");
}

void MakeSoilPropFiles10km(const TSoilPropOptions& options, const TSoilPropProgress& progress) {
    // A missing parameter-set file ends the action with a message instead of
    // silently doing nothing; so does a ticked selector box without its file,
    // which would leave every cell without a chemical set. Reading tells a
    // missing file, a folder in its place and an unreadable file apart.
    const std::string here = rtl::IncludeTrailingPathDelimiter(rtl::GetCurrentDir());
    TSoilPropInput input;
    input.ParameterLines = ReadTextLines(here + SoiMakerDataFileName);
    if (options.UseChemicalSelector) {
        try {
            input.SelectorLines = ReadTextLines(here + ChemicalSelectorFileName);
        } catch (rtl::EInOutError& e) {
            e.SetMessage(e.Message() + " (\"use chemical selector file\" is ticked)");
            throw;
        }
    }
    WriteSoilPropFiles10km(options, input, progress);
}

}  // namespace app
