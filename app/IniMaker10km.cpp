// Checks the 10 km writer's options and writes one run-control file per cell of the 10 km grid.
#include "app/IniMaker10km.h"

#include "app/BatchFileWriter.h"
#include "app/ModelFileLayout.h"
#include "app/OutputLists.h"
#include "app/RunControlFile.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/Utf8.h"

#include <cctype>
#include <vector>

namespace app {

namespace {

std::string Capitalized(std::string text)
{
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

// The year fields take digits only, and their text is written into the file
// as it stands, so anything but digits is refused rather than converted.
int YearOf(const std::string& text, const char* field)
{
    bool digits = !text.empty() && text.size() <= 9;
    for (char ch : text) digits = digits && ch >= '0' && ch <= '9';
    if (!digits)
        throw EIniFieldError(field, Capitalized(field) + ": '" + text +
                                        "' is not a valid integer value");
    return std::stoi(text);
}

// The projection rule is the one that names the weather file: the boxes
// before it in the rule order win when ticked.
bool ProjectionRuleApplies(const TIniMaker10kmOptions& o)
{
    return o.UseProjection && !o.ExtendedForesee && !o.UseCarpatclim && !o.UseEra5;
}

bool ProjectionChosen(const std::string& projection)
{
    return projection.find_first_not_of(' ') != std::string::npos &&
           projection != ProjectionPlaceholder;
}

std::string DeltaSuffix(const std::string& delta)
{
    return delta == "none" ? std::string() : "_" + delta;
}

// Checks that every row names the four site columns, before any file exists.
void ValidateBaseTable(std::span<const std::string> baseTable)
{
    for (std::size_t n = 1; n < baseTable.size(); ++n) {
        std::size_t fields = 0;
        CellSiteFromRow(baseTable[n], &fields);
        if (fields < 9)
            throw EIniFieldError(BaseTableField,
                                 "10 km base table, row " + std::to_string(n) + ": " +
                                     std::to_string(fields) +
                                     " fields, the file needs 9 (latitude, elevation, "
                                     "temperatures): '" + baseTable[n] + "'");
    }
}

}  // namespace

const std::vector<std::string>& DefaultSimulationControlLines()
{
    static const std::vector<std::string> lines = {
        "1       (flag) phenology flag (1 = MODEL PHENOLOGY 0 = USER-SPECIFIED PHENOLOGY)",
        "1       (flag) use GSI index to calculate vegper if MODEL PHENOLOGY is used (0: original, 1: GSI)",
        "1       (flag) transferGDD flag (1= transfer calc. from GDD 0 = transfer calc. from EPC)",
        "1       (flag) q10 flag (1 = temperature dependent q10 value; 0= constans q10 value)",
        "1       (flag) acclimation flag of photosynthesis (1 = acclimation 0 = no acclimation)",
        "1       (flag) acclimation flag of respiration (1 = acclimation 0 = no acclimation)",
        "1       (flag) CO2 conductance reduction flag (0: no effect, 1: multiplier)",
        "0       (flag) soil temperature calculation method (0: Zheng, 1: DSSAT)",
        "1       (flag) soil hydrological calculation method (0: Richards, 1: tipping DSSAT)",
        "0       (int) discretization level of soil hydr.calc.[Richards-method] (0: low, 1: medium, 2: high)",
        "0       (flag) photosynthesis calculation method (0: Farquhar, 1: DSSAT)",
        "0       (flag) evapotranspiration calculation method (0: Penman-Montieth, 1: Priestly-Taylor)",
        "0       (flag) radiation calculation method (0: SWabs, 1: Rn)",
        "0       (flag) soilstress calculation method (0: based on VWC, 1: based on transp. demand)",
    };
    return lines;
}

TIniMaker10kmOptions DefaultIniMaker10kmOptions()
{
    TIniMaker10kmOptions options;
    options.SimulationControl = DefaultSimulationControlLines();
    options.DailyOutputs = DefaultOutputLists().Daily;
    options.AnnualOutputs = DefaultOutputLists().Annual;
    return options;
}

void ValidateIniMaker10kmOptions(const TIniMaker10kmOptions& o)
{
    const int first = YearOf(o.FirstYear, FirstYearField);
    const int last = YearOf(o.LastYear, LastYearField);
    // A last year before the first would give the model zero or fewer
    // simulation years; it is refused instead of being written as computed.
    if (last < first)
        throw EIniFieldError(LastYearField, Capitalized(LastYearField) + " " + o.LastYear +
                                                " is before the " + FirstYearField + " " +
                                                o.FirstYear);
    // A short memo would leave the file without its last simulation-control
    // lines; it is refused before the first file instead of failing inside one.
    if (o.SimulationControl.size() < RunControlSimulationControlLines)
        throw EIniFieldError(SimulationControlField,
                             Capitalized(SimulationControlField) + ": " +
                                 std::to_string(o.SimulationControl.size()) +
                                 " lines given, the file needs " +
                                 std::to_string(RunControlSimulationControlLines));
    // Without a projection the weather path would name no folder
    // ("projection//0001_.wth"), which no model run can read.
    if (ProjectionRuleApplies(o) && !ProjectionChosen(o.Projection))
        throw EIniFieldError(ProjectionField, Capitalized(ProjectionField) +
                                                  ": the projection box is ticked but no "
                                                  "projection is chosen");
}

int SimulationYears(const TIniMaker10kmOptions& o)
{
    return YearOf(o.LastYear, LastYearField) - YearOf(o.FirstYear, FirstYearField) + 1;
}

std::string WeatherFilePath10km(const TIniMaker10kmOptions& o, const std::string& nnnn)
{
    if (o.ExtendedForesee) return "input/weather/grid/observed/foresee/extended/" + nnnn + ".wth";
    if (o.UseCarpatclim) return "input/weather/grid/observed/carpatclim/" + nnnn + "_carpatclim.wth";
    if (o.UseEra5) return "input/weather/grid/observed/era5/" + nnnn + "_era5.wth";
    if (o.UseProjection) {
        const std::string scenario = o.Projection + DeltaSuffix(o.Delta);
        return "input/weather/grid/projection/" + scenario + "/" + nnnn + "_" + scenario + ".wth";
    }
    return "input/weather/grid/observed/foresee/" + nnnn + "_foresee.wth";
}

void LayOutCellIni10km(const TIniMaker10kmOptions& o, int cell, const TCellSite& site,
                       TModelFileLayout& layout)
{
    const std::string nnnn = CellNumber4(cell);
    TRunControlContent c;
    c.WeatherFile = WeatherFilePath10km(o, nnnn);
    // A projected-weather path is never cut: its column is its length plus five.
    if (ProjectionRuleApplies(o)) c.WeatherFileWidth = rtl::Utf8Length(c.WeatherFile) + 5;
    c.ReadRestart = o.Spinup ? "0" : "1";
    c.WriteRestart = o.Spinup ? "1" : "0";
    c.RestartFile = o.Spinup ? "endpoint/" + nnnn + ".endpoint"
                             : "endpoint/grid/storyline1/" + std::to_string(cell) + ".endpoint";
    c.SimulationYears = std::to_string(SimulationYears(o));
    c.FirstYear = o.FirstYear;
    c.SpinupFlag = o.Spinup ? "1" : "0";
    c.VaryWithFile = (!o.Spinup || o.TransientRun) ? "1" : "0";
    c.Site = site;
    c.SoilFile = "input/soil/grid/10km/" + o.SoilFolder + "10km" + nnnn + ".soi";
    c.EpcFile = o.EpcFile;
    c.ManagementFile = o.ManagementFile.empty() ? "none" : o.ManagementFile;
    c.SimulationControl = o.SimulationControl;
    c.OutputPrefix = "output/" + o.OutputFolder + nnnn;
    c.DailyOutputFlag = o.Spinup ? "0" : o.OutputType;
    c.DailyOutputs = o.DailyOutputs;
    c.AnnualOutputs = o.AnnualOutputs;
    LayOutRunControlFile(c, layout);
}

std::string IniFolder10km()
{
    return rtl::MapPath(rtl::IncludeTrailingPathDelimiter(rtl::GetCurrentDir()) +
                        "input\\initialization\\grid\\10km\\");
}

int MakeGridInis10km(const TIniMaker10kmOptions& options, std::span<const std::string> baseTable,
                     const std::string& folder, const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    ValidateIniMaker10kmOptions(options);
    ValidateBaseTable(baseTable);

    // The site values are split out of the table once, before the first file.
    std::vector<TCellSite> sites;
    sites.reserve(baseTable.size());
    for (std::size_t n = 1; n < baseTable.size(); ++n) sites.push_back(CellSiteFromRow(baseTable[n]));

    // A missing folder is made; when it cannot be, creating the first file
    // reports the input/output error naming that file.
    rtl::ForceDirectories(folder);
    const std::string prefix = rtl::IncludeTrailingPathDelimiter(folder);
    TModelFileLayout layout;
    TBatchFileWriter files(static_cast<int>(sites.size()));
    for (std::size_t i = 0; i < sites.size(); ++i) {
        const int cell = static_cast<int>(i) + 1;
        layout.Clear();
        LayOutCellIni10km(options, cell, sites[i], layout);
        files.Save(layout, prefix + std::to_string(cell) + ".ini");
    }
    if (onStatus) onStatus("COMPLETE");
    return files.Written();
}

}  // namespace app
