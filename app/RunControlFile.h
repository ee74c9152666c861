// Line layout of the model run-control INI file, shared by every run-control writer.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace app {

class TModelFileLayout;

// Number of simulation-control lines the file carries.
inline constexpr std::size_t RunControlSimulationControlLines = 14;
// Width of the value column of the run-control file's value lines.
inline constexpr std::size_t RunControlValueWidth = 60;

// Site values of one cell, as text taken unchanged from its table row.
struct TCellSite {
    std::string Elevation;         // m
    std::string Latitude;          // degrees
    std::string MeanTemperature;   // mean annual air temperature, Celsius
    std::string TemperatureRange;  // mean annual air temperature range, Celsius
};

// Everything one run-control file says, as text. The defaults are those of the
// 10 km writer of the "INI file maker" page; the spin-up, selected-cell and
// 100 m writers change what differs for them. Lists are viewed, not copied, so
// that a writer of thousands of files hands the same lists to every file.
struct TRunControlContent {
    // MET_INPUT
    std::string WeatherFile;
    std::size_t WeatherFileWidth = RunControlValueWidth;
    // RESTART
    std::string ReadRestart = "1";
    std::string WriteRestart = "0";
    std::string RestartFile;  // both the input and the output restart file
    // TIME_DEFINE
    std::string MeteorologicalYears;  // not empty: an extra line before the simulation years
    std::string SimulationYears;
    std::string FirstYear;
    std::string SpinupFlag = "0";
    // CO2_CONTROL and NDEP_CONTROL
    std::string VaryWithFile = "1";
    std::string Co2File = "input/auxiliary/CO2_RCP85.txt";
    std::string NdepFile = "input/auxiliary/Ndep_allRCP.txt";
    // SITE
    TCellSite Site;
    // SOIL_FILE, EPC_FILE, MANAGEMENT_FILE
    std::string SoilKeyword = "SOIL_FILE";
    std::string SoilFile;
    std::string SoilComment = "(filename) SOIL filename";
    std::string EpcFile;
    std::string ManagementFile;
    std::string ManagementComment = "(filename) MGM filename";
    // SIMULATION_CONTROL: the first 14 lines, each written as it stands
    std::span<const std::string> SimulationControl;
    // OUTPUT_CONTROL
    std::string OutputPrefix;
    std::string DailyOutputFlag = "0";
    std::string DailyOutputComment =
        "(flag)  writing daily output (0 = no; 1 = binary; 2 = ascii; 3 = screen)";
    std::string AnnualOutputFlag = "0";
    std::string ProgressFlag = "0";
    // DAILY_OUTPUT and ANNUAL_OUTPUT: item lines written as they stand
    std::span<const std::string> DailyOutputs;
    std::span<const std::string> AnnualOutputs;
    std::size_t AnnualCountWidth = RunControlValueWidth;
};

// Appends the lines of one run-control file to `layout`, in the models' order.
// Fewer than 14 simulation-control lines raise the list error
// "List index out of bounds (n)"; writers check this before their first file.
void LayOutRunControlFile(const TRunControlContent& content, TModelFileLayout& layout);

// The cell number filled with leading zeros to four digits (7 gives "0007").
std::string CellNumber4(int cell);

// Site values of a semicolon-separated cell row whose columns 3, 5, 8 and 9 hold
// latitude, elevation, mean annual temperature and its range (the 10 km base
// table and grid table 3). Fields are split as the shared field splitter does
// (leading blanks of each field dropped). `fieldCount` receives the number of
// fields of the row.
TCellSite CellSiteFromRow(std::string_view row, std::size_t* fieldCount = nullptr);

}  // namespace app
