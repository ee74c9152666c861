// The line-by-line layout of the model run-control file: keywords, values, widths and comments.
#include "app/RunControlFile.h"

#include "app/ModelFileLayout.h"
#include "platform/rtl/Exceptions.h"

#include <cstdio>

namespace app {

namespace {

constexpr std::size_t W = RunControlValueWidth;
// The first six lines of CN_STATE and the per-layer lines use a wider column.
constexpr std::size_t CnStateWidth = 67;

// Ten soil-layer values of 0.0, three blanks apart (filled to 67 with ten blanks).
constexpr std::string_view TenLayerZeros =
    "0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0";

constexpr std::string_view FirstYearMaximumComments[] = {
    "(kgC/m2)  first-year maximum leaf carbon",
    "(kgC/m2)  first-year maximum fine root carbon",
    "(kgC/m2)  first-year maximum fruit carbon",
    "(kgC/m2)  first-year maximum softstem carbon",
    "(kgC/m2)  first-year maximum live woody stem carbon",
    "(kgC/m2)  first-year maximum live coarse root carbon",
};

constexpr std::string_view LayerPoolComments[] = {
    "(kgC/m2)  coarse woody debris carbon",
    "(kgC/m2)  litter carbon, labile pool",
    "(kgC/m2)  litter carbon, unshielded cellulose pool",
    "(kgC/m2)  litter carbon, shielded cellulose pool",
    "(kgC/m2)  litter carbon, lignin pool",
    "(kgC/m2)  soil carbon, fast microbial recycling pool",
    "(kgC/m2)  soil carbon, medium microbial recycling pool",
    "(kgC/m2)  soil carbon, slow microbial recycling pool",
    "(kgC/m2)  soil carbon, recalcitrant SOM (slowest)",
    "(kgN/m2)  litter nitrogen, labile pool",
    "(kgN/m2)  soil mineralized nitrogen, NH4 pool",
    "(kgN/m2)  soil mineralized nitrogen, NO3 pool",
};

struct TConstantLine {
    std::string_view Value;
    std::string_view Comment;
};

constexpr TConstantLine ClimateChangeLines[] = {
    {"0.0", "(degC) - offset for Tmax"},
    {"0.0", "(degC) - offset for Tmin"},
    {"1.0", "(degC) - multiplier for PRCP"},
    {"1.0", "(degC) - multiplier for VPD"},
    {"1.0 ", "(degC) - multiplier for RAD"},
};

constexpr TConstantLine ConditionalManagementLines[] = {
    {"0", "(flag) conditional mowing ? 0 - no, 1 - yes"},
    {"0.0", "(m2/m2) fixed value of the LAI before MOWING"},
    {"0.0", "(m2/m2) fixed value of the LAI after MOWING"},
    {"0.0", "(%) transported part of plant material after MOWING"},
    {"0", "(flag) conditional irrigation? 0 - no, 1 - yes"},
    {"0.0", "(prop) SMSI before cond. IRRIGATION (-9999: SWCratio is used)"},
    {"0.0", "(prop) SWCratio of rootzone before cond. IRRIGATION (-9999: SMSI is used)"},
    {"0.0", "(prop) SWCratio of rootzone after cond. IRRIGATION"},
    {"0.0", "(kgH2O/m2) maximum amount of irrigated water"},
};

void LayOutHead(const TRunControlContent& c, TModelFileLayout& L)
{
    L.Keyword("BBGCMuSo simulation");
    L.Empty();
    L.Keyword("MET_INPUT");
    L.Value(c.WeatherFile, c.WeatherFileWidth, "(filename) met file name");
    L.Value("4", W, "(int) number of header lines in met file");
    L.Value("365", W, "(int) number of simdays in last simyear (truncated year: <= 365)");
    L.Empty();
    L.Keyword("RESTART");
    L.Value(c.ReadRestart, W, "(flag) 1 = read restart; 0 = dont read restart");
    L.Value(c.WriteRestart, W, "(flag) 1 = write restart; 0 = dont write restart");
    L.Value(c.RestartFile, W, "(filename) name of the input restart file");
    L.Value(c.RestartFile, W, "(filename) name of the output restart file");
    L.Empty();
    L.Keyword("TIME_DEFINE");
    if (!c.MeteorologicalYears.empty())
        L.Value(c.MeteorologicalYears, W, "(int) number of meteorological data years");
    L.Value(c.SimulationYears, W, "(int) number of simulation years");
    L.Value(c.FirstYear, W, "(int) first simulation year");
    L.Value(c.SpinupFlag, W, "(flag) 1 = spinup run; 0 = normal run");
    L.Value("6000", W, "(int) maximum number of spinup years");
    L.Empty();
    L.Keyword("CO2_CONTROL");
    L.Value(c.VaryWithFile, W, "(flag) 0=constant; 1=vary with file");
    L.Value("290.0", W, "(ppm) constant atmospheric CO2 concentration");
    L.Value(c.Co2File, W, "(filename) name of the CO2 file");
    L.Empty();
    L.Keyword("NDEP_CONTROL");
    L.Value(c.VaryWithFile, W, "(flag) 0=constant; 1=vary with file");
    L.Value("0.000200", W, "(kgN/m2/yr) wet+dry atmospheric deposition of N");
    L.Value(c.NdepFile, W, "(filename)  name of the N-dep file");
    L.Empty();
}

void LayOutSiteAndFiles(const TRunControlContent& c, TModelFileLayout& L)
{
    L.Keyword("SITE");
    L.Value(c.Site.Elevation, W, "(m)  site elevation");
    L.Value(c.Site.Latitude, W, "(degrees) site latitude (- for S.Hem.)");
    L.Value("0.20", W, "(DIM) site shortwave albedo");
    L.Value(c.Site.MeanTemperature, W, "(Celsius) mean annual air temperature");
    L.Value(c.Site.TemperatureRange, W, "(Celsius) mean annual air temperature range");
    L.Value("0.50", W, "(prop.) proprortion of NH4 flux of N-deposition");
    L.Empty();
    L.Keyword(c.SoilKeyword);
    L.Value(c.SoilFile, W, c.SoilComment);
    L.Empty();
    L.Keyword("EPC_FILE");
    L.Value(c.EpcFile, W, "(filename) EPC filename");
    L.Empty();
    L.Keyword("MANAGEMENT_FILE");
    L.Value(c.ManagementFile, W, c.ManagementComment);
    L.Empty();
}

void LayOutSimulationControl(const TRunControlContent& c, TModelFileLayout& L)
{
    L.Keyword("SIMULATION_CONTROL");
    if (c.SimulationControl.size() < RunControlSimulationControlLines)
        rtl::RaiseListIndexError(static_cast<long long>(c.SimulationControl.size()));
    for (std::size_t i = 0; i < RunControlSimulationControlLines; ++i)
        L.Verbatim(c.SimulationControl[i]);
    L.Empty();
}

void LayOutStates(TModelFileLayout& L)
{
    L.Keyword("W_STATE");
    L.Value("0.0", W, "(kg/m2) water stored in snowpack");
    L.Value("1.0", W, "(DIM) initial soil water as a proportion of field capacity");
    L.Empty();
    L.Keyword("CN_STATE");
    for (std::string_view comment : FirstYearMaximumComments) L.Value("0.001", CnStateWidth, comment);
    for (std::string_view comment : LayerPoolComments) L.Value(TenLayerZeros, CnStateWidth, comment);
    L.Empty();
    L.Keyword("CLIM_CHANGE");
    for (const TConstantLine& line : ClimateChangeLines) L.Value(line.Value, W, line.Comment);
    L.Empty();
    L.Keyword("CONDITIONAL_MANAGEMENT_STRATEGIES");
    for (const TConstantLine& line : ConditionalManagementLines) L.Value(line.Value, W, line.Comment);
    L.Empty();
}

void LayOutOutputs(const TRunControlContent& c, TModelFileLayout& L)
{
    L.Keyword("OUTPUT_CONTROL");
    L.Value(c.OutputPrefix, W, "(filename) output prefix");
    L.Value(c.DailyOutputFlag, W, c.DailyOutputComment);
    L.Value("0", W, "(flag)  writing monthly average of daily output (0 = no; 1 = binary; 2 = ascii)");
    L.Value("0", W, "(flag)  writing annual average of daily output (0 = no; 1 = binary; 2 = ascii)");
    L.Value(c.AnnualOutputFlag, W, "(flag)  writing annual output (0 = no; 1 = binary; 2 = ascii)");
    L.Value(c.ProgressFlag, W, "(flag)  for on-screen progress indicator");
    L.Empty();
    L.Keyword("DAILY_OUTPUT");
    L.Value(std::to_string(c.DailyOutputs.size()), W, "number of daily output variables");
    for (const std::string& item : c.DailyOutputs) L.Verbatim(item);
    L.Empty();
    L.Keyword("ANNUAL_OUTPUT");
    L.Value(std::to_string(c.AnnualOutputs.size()), c.AnnualCountWidth,
            "number of annual output variables");
    for (const std::string& item : c.AnnualOutputs) L.Verbatim(item);
    L.Empty();
    L.Keyword("END_INIT");
}

}  // namespace

void LayOutRunControlFile(const TRunControlContent& content, TModelFileLayout& layout)
{
    LayOutHead(content, layout);
    LayOutSiteAndFiles(content, layout);
    LayOutSimulationControl(content, layout);
    LayOutStates(layout);
    LayOutOutputs(content, layout);
}

std::string CellNumber4(int cell)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d", cell);
    return text;
}

TCellSite CellSiteFromRow(std::string_view row, std::size_t* fieldCount)
{
    // Columns 3, 5, 8 and 9; fields are cut at ";" with the leading blanks of
    // each field dropped, as the shared field splitter does.
    std::string_view fields[9];
    std::size_t count = 0;
    std::size_t pos = 0;
    for (;;) {
        while (pos < row.size() && row[pos] == ' ') ++pos;
        const std::size_t end = row.find(';', pos);
        const std::string_view field = row.substr(pos, end == std::string_view::npos ? end : end - pos);
        if (count < 9) fields[count] = field;
        ++count;
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    if (fieldCount) *fieldCount = count;
    TCellSite site;
    site.Latitude = fields[2];
    site.Elevation = fields[4];
    site.MeanTemperature = fields[7];
    site.TemperatureRange = fields[8];
    return site;
}

}  // namespace app
