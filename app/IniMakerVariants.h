// Writers of the spin-up run-control files: the 10 km grid ("MAKE INI"), selected cells and the 100 m cells.
#pragma once

#include "app/WriterTables.h"

#include <string>
#include <vector>

namespace app {

struct TCellSite;
class TModelFileLayout;

// The selection list of "MAKE selected INI" (grid tables: WriterTables.h).
inline constexpr const char* SelectionListFile = "e:\\Tolvek SOIL GRID\\USDA\\SOCgroupIDs.csv";

// "MAKE INI" on the "Make INI" page. The page gives nothing: the handler runs
// the writer with these defaults, the fixed tables and folder.
struct TSpinupIni10kmOptions {
    std::string GridTable3 = GridTable3File;
    std::string OutputFolder = "e:\\spinup_soc\\ini\\";
    int CellCount = 1104;  // cells 1 … CellCount, one file each; tests use fewer
};

// "MAKE selected INI" on the "Annout" page; nothing from the page.
struct TSelectedIniOptions {
    std::string SelectionList = SelectionListFile;
    std::string GridTable3 = GridTable3File;
    std::string OutputFolder = "e:\\Tolvek\\input\\initialization\\grid\\select\\";
};

// "MAKE 100m GRID INI" on the "Annout" page; nothing from the page.
struct TGridIni100mOptions {
    std::string GridTable3 = GridTable3File;
    std::string GridTable1 = GridTable1File;
    std::string OutputFolder = "e:\\Tolvek SOIL GRID\\Tolvek\\INI\\100m\\";
};

// The 14 simulation-control lines of the spin-up files: the memo's comments
// with the values 1, 1, 0, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0 in columns of 60.
const std::vector<std::string>& SpinupSimulationControlLines();
// Annual output variables: 22 for "MAKE INI" and the 100 m cells, 10 for the
// selected cells; each code in a column of 10, then its name.
const std::vector<std::string>& SpinupAnnualOutputs22();
const std::vector<std::string>& SelectedAnnualOutputs10();

// Lines of one file of each writer (site values as text, unchanged).
void LayOutSpinupIni10km(int cell, const TCellSite& site, TModelFileLayout& layout);
// `run` is S (column 1), `cell4` the cell number filled with zeros to four.
void LayOutSelectedIni(const std::string& run, const std::string& cell4, const TCellSite& site,
                       TModelFileLayout& layout);
// `id` is G (column 1), `cell` T (column 3) as written in grid table 1.
void LayOutGridIni100m(const std::string& id, const std::string& cell, const TCellSite& site,
                       TModelFileLayout& layout);

// Column 3 of a selection row as four characters: "000", "00" or "0" put in
// front of a text of one, two or three characters; longer text unchanged.
std::string SelectionCell4(const std::string& column3);

// The writers. Each reports "PROCESSING", reads and checks its whole input
// before the first file, creates the output folder when missing, writes one
// file per cell or row, reports "COMPLETE" and returns the number of files.
//
// Checked before any file is written (rtl::Exception naming the file, line and
// value): grid table 3 has a row with the site columns for every cell asked
// for; cell numbers are integers from 1 to 1104; run names and 100 m ids name
// a file inside the output folder. A missing table raises rtl::EInOutError.
int MakeSpinupInis10km(const TSpinupIni10kmOptions& options, const TStatusEvent& onStatus = {});
int MakeSelectedInis(const TSelectedIniOptions& options, const TStatusEvent& onStatus = {});
// Grid table 1 is read twice, row by row: once to check every row, once to
// write; it is never held whole.
int MakeGridInis100m(const TGridIni100mOptions& options, const TStatusEvent& onStatus = {});

}  // namespace app
