// Writer of the run-control INI files of the 1104 cells of the 10 km grid, with its options and their checks.
#pragma once

#include "platform/rtl/Exceptions.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace app {

class TModelFileLayout;
struct TCellSite;

// What the projection box shows while no projection is chosen.
inline constexpr const char* ProjectionPlaceholder = "select projection...";

// Everything the "INI file maker" page gives the 10 km writer. The button
// handler fills one field per control; the defaults are those the page shows
// at start.
struct TIniMaker10kmOptions {
    bool Spinup = false;        // RB1 "SPINUP" ticked (RB2 "NORMAL" otherwise)
    bool TransientRun = false;  // cbtrans "transient run"
    std::string FirstYear = "1981";  // Edit28
    std::string LastYear = "2010";   // Edit29
    std::string EpcFile = "input/plant/maize.epc";                             // Edit32
    std::string SoilFolder;                                                    // Edit35
    std::string ManagementFile = "input/management/maize_mono_intensive.mgm";  // Edit30
    std::string OutputType = "0";            // Edit31, the daily-output flag of normal runs
    std::string OutputFolder = "grid/10km/";  // Edit33
    std::vector<std::string> SimulationControl;  // lines of the memo SC
    std::vector<std::string> DailyOutputs;       // ticked items of dol, in list order
    std::vector<std::string> AnnualOutputs;      // ticked items of aol, in list order
    bool UseCarpatclim = false;   // cb4 "use CARPATCLIM"
    bool UseEra5 = false;         // cb5 "use ERA5"
    bool UseProjection = false;   // cb6, the projection box
    std::string Projection = ProjectionPlaceholder;  // text of projCB
    std::string Delta = "none";   // text of DCB: "none", "D1" to "D5"
    bool ExtendedForesee = false;  // CB3 "kiterjesztés" (hidden)
};

// The 14 lines the simulation-control memo SC shows at start.
const std::vector<std::string>& DefaultSimulationControlLines();

// The page's defaults: the fields above, the memo's 14 lines and every item of
// the default output-variable lists ticked.
TIniMaker10kmOptions DefaultIniMaker10kmOptions();

// A page field that cannot give a sound file: the message names the field.
class EIniFieldError : public rtl::Exception {
public:
    EIniFieldError(std::string field, std::string message)
        : rtl::Exception(std::move(message)), Field(std::move(field)) {}
    std::string Field;  // name of the field on the page, as in the message
};

// Field names used in the messages of EIniFieldError.
inline constexpr const char* FirstYearField = "first simulation year";
inline constexpr const char* LastYearField = "last simulation year";
inline constexpr const char* SimulationControlField = "simulation control";
inline constexpr const char* ProjectionField = "projection";
inline constexpr const char* BaseTableField = "10 km base table";

// Checks every field before a file is written. Raises EIniFieldError for a year
// that is not a number, a last year before the first, fewer simulation-control
// lines than the file needs, or a ticked projection box without a projection.
void ValidateIniMaker10kmOptions(const TIniMaker10kmOptions& options);

// Number of simulation years: last − first + 1 (the options must be valid).
int SimulationYears(const TIniMaker10kmOptions& options);

// Weather file of the cell numbered NNNN, by the first weather rule that
// applies: extended FORESEE, CARPATCLIM, ERA5, projection with its delta
// suffix, else FORESEE.
std::string WeatherFilePath10km(const TIniMaker10kmOptions& options, const std::string& nnnn);

// Appends the lines of the run-control file of `cell` (1-based) with the given
// site values. The options must be valid.
void LayOutCellIni10km(const TIniMaker10kmOptions& options, int cell, const TCellSite& site,
                       TModelFileLayout& layout);

// The folder "\input\initialization\grid\10km\" below the current directory.
std::string IniFolder10km();

// Status texts handed to the page's status label.
using TStatusEvent = std::function<void(const std::string& status)>;

// "MAKE 10km GRID INIs": writes one file per row 1 … N of `baseTable` (entry 0
// is the header line, entry n the semicolon-separated row of cell n; its
// columns 3, 5, 8 and 9 give latitude, elevation and the two temperatures) into
// `folder`, named n + ".ini". Reports "PROCESSING" at the start and "COMPLETE"
// after the last file, and returns the number of files written.
//
// Every option and every table row is checked before the first file is
// created: a bad one raises EIniFieldError and writes nothing. The folder is
// created when missing; a folder or file that cannot be created raises
// rtl::EInOutError naming it, and the files written before it stay whole.
int MakeGridInis10km(const TIniMaker10kmOptions& options, std::span<const std::string> baseTable,
                     const std::string& folder, const TStatusEvent& onStatus = {});

}  // namespace app
