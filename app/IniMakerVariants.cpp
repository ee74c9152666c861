// Writes the spin-up run-control files of the 10 km grid, of selected cells and of the 100 m cells.
#include "app/IniMakerVariants.h"

#include "app/BatchFileWriter.h"
#include "app/IniMaker10km.h"
#include "app/ModelFileLayout.h"
#include "app/RunControlFile.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

#include <cstddef>

namespace app {

namespace {

constexpr char FieldSeparator = ';';
// Fields a grid table 3 row needs: columns 3, 5, 8 and 9 hold the site values.
constexpr std::size_t SiteFieldCount = 9;
// Grid table 3 and the selection list are read up to one row per 10 km cell.
constexpr std::size_t CellTableRows = 1104;

constexpr int SpinupControlValues[RunControlSimulationControlLines] = {1, 1, 0, 1, 1, 1, 1,
                                                                        0, 1, 0, 0, 0, 0, 0};

struct TOutputVariable {
    int Code;
    const char* Name;
};

std::string OutputLine(int code, const std::string& name)
{
    return PadRight(std::to_string(code), 10) + name;
}

// What the three spin-up writers share; each sets the lines that differ.
TRunControlContent SpinupContent()
{
    TRunControlContent c;
    c.SimulationYears = "68";
    c.FirstYear = "1951";
    c.SpinupFlag = "1";
    c.VaryWithFile = "1";
    c.Co2File = "inputs/auxiliary/CO2_RCP45.txt";
    c.NdepFile = "inputs/auxiliary/Ndep_allRCP.txt";
    c.ManagementComment = "(filename) MGM filename (or \"no management\")";
    c.SimulationControl = SpinupSimulationControlLines();
    c.DailyOutputFlag = "0";
    c.DailyOutputComment = "(flag)  writing daily output (0 = no; 1 = binary; 2 = ascii)";
    c.AnnualOutputFlag = "2";
    c.ProgressFlag = "1";
    c.AnnualCountWidth = 10;
    return c;
}

// Grid table 3: up to 1104 rows after its header line, split once.
struct TGridTable3 {
    std::string FileName;
    std::vector<TTableRow> Rows;
    std::vector<TCellSite> Sites;
    std::vector<std::size_t> FieldCounts;

    explicit TGridTable3(const std::string& fileName)
        : FileName(fileName), Rows(ReadTableRows(fileName, 1, CellTableRows))
    {
        Sites.reserve(Rows.size());
        for (const TTableRow& row : Rows) {
            std::size_t fields = 0;
            Sites.push_back(CellSiteFromRow(row.Text, &fields));
            FieldCounts.push_back(fields);
        }
    }

    bool HasSiteRow(std::size_t row) const
    {
        return row >= 1 && row <= Rows.size() && FieldCounts[row - 1] >= SiteFieldCount;
    }

    // Row `row` (1-based) must exist and carry the site columns: a cell whose
    // site lines would be written empty is refused before any file.
    void CheckSiteRow(std::size_t row, const std::string& askedBy) const
    {
        if (HasSiteRow(row)) return;
        if (row > Rows.size())
            throw rtl::Exception(askedBy + " needs row " + std::to_string(row) + " of \"" + FileName +
                                 "\", which has " + std::to_string(Rows.size()) + " rows");
        const std::size_t fields = FieldCounts[row - 1];
        if (fields < SiteFieldCount)
            throw rtl::Exception(RowPlace(FileName, Rows[row - 1].Line) + std::to_string(fields) +
                                 " fields, the site values need " + std::to_string(SiteFieldCount) +
                                 " (latitude, elevation, temperatures): '" + Rows[row - 1].Text + "'");
    }
    const TCellSite& Site(std::size_t row) const { return Sites[row - 1]; }
};

void SaveInFolder(TBatchFileWriter& files, const TModelFileLayout& layout, const std::string& folderPrefix,
                  const std::string& name)
{
    files.Save(layout, folderPrefix + name + "_spinup.ini");
}

std::string PreparedFolder(const std::string& folder)
{
    // A missing folder is made; when it cannot be, creating the first file
    // reports the input/output error naming that file.
    rtl::ForceDirectories(folder);
    return rtl::IncludeTrailingPathDelimiter(folder);
}

// One row of grid table 1 as the 100 m writer uses it.
struct TGrid1Row {
    std::string Id;         // G, column 1
    std::string Cell;       // T, column 3, as written
    std::string Latitude;   // column 4
    std::string Elevation;  // column 6
};

TGrid1Row SplitGrid1Row(const TTableRow& row, const std::string& fileName)
{
    SplitTableRow(row.Text, FieldSeparator, fileName, row.Line);
    return {SharedFields[1], SharedFields[3], SharedFields[4], SharedFields[6]};
}

}  // namespace

const std::vector<std::string>& SpinupSimulationControlLines()
{
    static const std::vector<std::string> lines = [] {
        // The comments are the memo's, from its ninth character on.
        const std::vector<std::string>& memo = DefaultSimulationControlLines();
        std::vector<std::string> result;
        for (std::size_t i = 0; i < RunControlSimulationControlLines; ++i)
            result.push_back(PadRight(std::to_string(SpinupControlValues[i]), 60) + memo[i].substr(8));
        return result;
    }();
    return lines;
}

const std::vector<std::string>& SpinupAnnualOutputs22()
{
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> result = {OutputLine(2734, "annmax_lai"), OutputLine(3022, "cum_npp")};
        // soil1c0 … soil4c4 at 418, 428, 438 and 448.
        for (int pool = 1; pool <= 4; ++pool)
            for (int k = 0; k <= 4; ++k)
                result.push_back(OutputLine(408 + 10 * pool + k,
                                            "soil" + std::to_string(pool) + "c" + std::to_string(k)));
        return result;
    }();
    return lines;
}

const std::vector<std::string>& SelectedAnnualOutputs10()
{
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> result;
        for (int k = 0; k <= 9; ++k) result.push_back(OutputLine(458 + k, "soilC" + std::to_string(k)));
        return result;
    }();
    return lines;
}

void LayOutSpinupIni10km(int cell, const TCellSite& site, TModelFileLayout& layout)
{
    const std::string n = std::to_string(cell);
    TRunControlContent c = SpinupContent();
    c.WeatherFile = "inputs/weather/" + n + ".wth";
    c.ReadRestart = "1";
    c.WriteRestart = "0";
    c.RestartFile = "inputs/spinup/" + n + ".endpoint";
    c.MeteorologicalYears = "68";
    c.Site = site;
    c.SoilKeyword = "SOILPROP_FILE";
    c.SoilFile = "inputs/soil/10km" + n + ".soi";
    c.SoilComment = "(filename) SPROP filename";
    c.EpcFile = "inputs/plant/c3grass_apriori_MuSo6.epc";
    c.ManagementFile = "no management";
    c.OutputPrefix = "outputs/" + n;
    c.AnnualOutputs = SpinupAnnualOutputs22();
    LayOutRunControlFile(c, layout);
}

void LayOutSelectedIni(const std::string& run, const std::string& cell4, const TCellSite& site,
                       TModelFileLayout& layout)
{
    TRunControlContent c = SpinupContent();
    c.WeatherFile = "input/weather/grid/observed/foresee/" + cell4 + ".wth";
    c.ReadRestart = "0";
    c.WriteRestart = "1";
    c.RestartFile = "input/endpoint/" + run + ".endpoint";
    c.Site = site;
    c.SoilFile = "input/soil/site/" + run + ".soi";
    c.EpcFile = "input/plant/c3grass_generic.epc";
    c.ManagementFile = "none";
    c.OutputPrefix = "outputs/" + cell4;
    c.ProgressFlag = "0";
    c.AnnualOutputs = SelectedAnnualOutputs10();
    LayOutRunControlFile(c, layout);
}

void LayOutGridIni100m(const std::string& id, const std::string& cell, const TCellSite& site,
                       TModelFileLayout& layout)
{
    TRunControlContent c = SpinupContent();
    c.WeatherFile = "input/weather/grid/observed/foresee/" + cell + ".wth";
    c.ReadRestart = "0";
    c.WriteRestart = "1";
    c.RestartFile = "input/initialization/grid/100m/" + id + ".endpoint";
    c.MeteorologicalYears = "66";
    c.SimulationYears = "66";
    c.Co2File = "input/auxiliary/CO2_RCP45.txt";
    c.NdepFile = "input/auxiliary/Ndep_allRCP.txt";
    c.Site = site;
    c.SoilFile = "input/soil/grid/100m/100m" + id + ".soi";
    c.SoilComment = "(filename) SPROP filename";
    c.EpcFile = "input/plant/c3grass_generic.pla";
    c.ManagementFile = "no management";
    c.OutputPrefix = "outputs/" + id;
    c.AnnualOutputs = SpinupAnnualOutputs22();
    LayOutRunControlFile(c, layout);
}

std::string SelectionCell4(const std::string& column3)
{
    if (column3.size() >= 4 || column3.empty()) return column3;
    return std::string(4 - column3.size(), '0') + column3;
}

int MakeSpinupInis10km(const TSpinupIni10kmOptions& options, const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    const TGridTable3 table(options.GridTable3);
    // Every cell needs its own row: a short table would give files with empty
    // site lines, which the model cannot run; it is refused before any file.
    const auto cells = static_cast<std::size_t>(options.CellCount);
    for (std::size_t n = 1; n <= cells; ++n) table.CheckSiteRow(n, "cell " + std::to_string(n));

    const std::string prefix = PreparedFolder(options.OutputFolder);
    TModelFileLayout layout;
    TBatchFileWriter files(static_cast<int>(cells));
    for (std::size_t n = 1; n <= cells; ++n) {
        layout.Clear();
        LayOutSpinupIni10km(static_cast<int>(n), table.Site(n), layout);
        SaveInFolder(files, layout, prefix, std::to_string(n));
    }
    if (onStatus) onStatus("COMPLETE");
    return static_cast<int>(cells);
}

int MakeSelectedInis(const TSelectedIniOptions& options, const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    const std::vector<TTableRow> selection = ReadTableRows(options.SelectionList, 1, CellTableRows);
    const TGridTable3 table(options.GridTable3);

    struct TRun {
        std::string Name;   // S
        std::string Cell4;  // C4
    };
    std::vector<TRun> runs;
    runs.reserve(selection.size());
    for (std::size_t k = 1; k <= selection.size(); ++k) {
        const TTableRow& row = selection[k - 1];
        SplitTableRow(row.Text, FieldSeparator, options.SelectionList, row.Line);
        TRun run{SharedFields[1], SelectionCell4(SharedFields[3])};
        // A run name becomes a file name, and the cell number names the
        // weather file and output prefix: both are checked before any file.
        CheckNameFromRow(run.Name, "run name", options.SelectionList, row.Line);
        CellNumberFromRow(SharedFields[3], options.SelectionList, row.Line);
        // The site values come from the row of grid table 3 at the same position.
        table.CheckSiteRow(k, RowPlace(options.SelectionList, row.Line) + "run '" + run.Name + "'");
        runs.push_back(std::move(run));
    }

    const std::string prefix = PreparedFolder(options.OutputFolder);
    TModelFileLayout layout;
    TBatchFileWriter files(static_cast<int>(runs.size()));
    for (std::size_t k = 1; k <= runs.size(); ++k) {
        layout.Clear();
        LayOutSelectedIni(runs[k - 1].Name, runs[k - 1].Cell4, table.Site(k), layout);
        SaveInFolder(files, layout, prefix, runs[k - 1].Name);
    }
    if (onStatus) onStatus("COMPLETE");
    return static_cast<int>(runs.size());
}

int MakeGridInis100m(const TGridIni100mOptions& options, const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    const TGridTable3 table(options.GridTable3);

    // First pass: every row's id and cell number are checked before any file
    // is written, so a bad row late in a table of millions leaves no partial
    // set of files behind. It also counts the files, for a message that says
    // how many were written before a file that fails.
    int fileCount = 0;
    {
        TTableStream grid(options.GridTable1);
        TTableRow row;
        while (grid.Next(row)) {
            if (IsBlankRow(row.Text)) continue;  // no file is named from an empty row
            ++fileCount;
            const TGrid1Row r = SplitGrid1Row(row, options.GridTable1);
            CheckNameFromRow(r.Id, "100 m id", options.GridTable1, row.Line);
            const int cell = CellNumberFromRow(r.Cell, options.GridTable1, row.Line);
            if (!table.HasSiteRow(static_cast<std::size_t>(cell)))
                table.CheckSiteRow(static_cast<std::size_t>(cell),
                                   RowPlace(options.GridTable1, row.Line) + "100 m cell " + r.Id +
                                       " in 10 km cell " + r.Cell);
        }
    }

    const std::string prefix = PreparedFolder(options.OutputFolder);
    TModelFileLayout layout;
    TTableStream grid(options.GridTable1);
    TTableRow row;
    TBatchFileWriter files(fileCount);
    while (grid.Next(row)) {
        if (IsBlankRow(row.Text)) continue;
        const TGrid1Row r = SplitGrid1Row(row, options.GridTable1);
        const int cell = CellNumberFromRow(r.Cell, options.GridTable1, row.Line);
        // Latitude and elevation are the 100 m cell's own; the temperatures
        // are those of the 10 km cell that holds it.
        const TCellSite& cellSite = table.Site(static_cast<std::size_t>(cell));
        const TCellSite site{r.Elevation, r.Latitude, cellSite.MeanTemperature, cellSite.TemperatureRange};
        layout.Clear();
        LayOutGridIni100m(r.Id, r.Cell, site, layout);
        SaveInFolder(files, layout, prefix, r.Id);
    }
    if (onStatus) onStatus("COMPLETE");
    return files.Written();
}

}  // namespace app
