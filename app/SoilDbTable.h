// The soil database table of the 100 m cells: its folder, file names, 42-column layout and header line.
#pragma once

#include <string>

namespace app {

// The folder of the soil database table and of the files the soil and grid
// tools write next to it.
inline constexpr const char* SoilGridFolder = "e:\\Tolvek SOIL GRID\\";

inline constexpr const char* SoilDbTableName = "Tolvek_DB_SOIL_TABLE.csv";
inline constexpr const char* SoilDbBaseTableName = "Tolvek_DB_SOIL_TABLE_base.csv";
inline constexpr const char* SoilDbCorrectedName = "Tolvek_DB_SOIL_TABLE_corrected.csv";
inline constexpr const char* SoilDbCorrected2Name = "Tolvek_DB_SOIL_TABLE_corrected2.csv";
inline constexpr const char* SoilDbFixedName = "Tolvek_DB_SOIL_TABLE_fixed.csv";
inline constexpr const char* SoilDbOriginalName = "ORIGINAL\\Tolvek_DB_SOIL_TABLE.csv";
inline constexpr const char* SoilDbRestoredName = "ORIGINAL\\Tolvek_DB_SOIL_TABLE_restored.csv";
inline constexpr const char* SoilDbFixedFolderCopyName = "FIXED\\Tolvek_DB_SOIL_TABLE.csv";
inline constexpr const char* SoilDbErrorLogName = "Tolvek_DB_SOIL_ERROR_LOG.csv";
inline constexpr const char* TopsoilDepthTableName = "DATA\\termoreteg_uj.txt";

inline constexpr int SoilDbColumnCount = 42;
inline constexpr int SoilDbLayerCount = 4;

// Columns of layer L (1 to 4): bd 10L-7, som 10L-6, lime 10L-5, ph 10L-4,
// sand 10L-3, silt 10L-2, clay 10L-1, sat 10L, fc 10L+1, wp 10L+2.
constexpr int SoilDbColumn(int layer, int offset) { return 10 * layer + offset; }
inline constexpr int BulkDensityOffset = -7;
inline constexpr int OrganicMatterOffset = -6;
inline constexpr int LimeOffset = -5;
inline constexpr int SandOffset = -3;
inline constexpr int SiltOffset = -2;
inline constexpr int ClayOffset = -1;
inline constexpr int SaturationOffset = 0;
inline constexpr int FieldCapacityOffset = 1;
inline constexpr int WiltingPointOffset = 2;

// The literal 42-name header line.
extern const std::string SoilDbHeaderLine;

}  // namespace app

namespace app {

// The options of the soil table tools: the folder of their tables (the fixed
// one unless a test points them elsewhere).
struct TSoilTableOptions {
    std::string Folder = SoilGridFolder;
    std::string File(const char* name) const { return Folder + name; }
};

}  // namespace app
