// Writers of the crop model's agromanagement files: "Create AGR" (2016 season, per 100 m cell and crop) and "4M agr" (per field).
#pragma once

#include "app/WriterTables.h"

#include <string>

namespace app {

class TModelFileLayout;

// "Create AGR" on the "Make INI" page; nothing from the page.
struct TCreateAgrOptions {
    std::string FertilisationFolder = "e:\\4M100m\\";               // crop + "_fertilization_2016.csv"
    std::string OutputFolder = "e:\\4M100m\\agromanagement\\";  // id + "_" + crop + ".agr"
};

// "4M agr" on the "MAKE SOIL INPUT" page; nothing from the page.
struct TFieldAgrOptions {
    std::string FieldTable = "e:\\4Mvizgyujto\\forman.csv";
    std::string OutputFolder = "e:\\4Mvizgyujto\\agromanagement\\";  // field id + ".agr"
};

// Rows of the field table that "4M agr" reads (after its header line).
inline constexpr std::size_t FieldTableRows = 93;

// Unit of the MANURE header line.
enum class TManureUnit { muTonnesPerHectare, muKgNitrogenPerHectare };

// Lines 1-7 of an agromanagement file: the file id, the five event headings
// and the rule of 85 hyphens.
void LayOutAgroHeader(const std::string& fileId, TManureUnit unit, TModelFileLayout& layout);

// The amounts of a crop's two fertilisations of "Create AGR", held from row
// to row of its table.
struct TAgrAmounts {
    std::string First;
    std::string Second;
};
// The crop's defaults (crop number 0 … 5 in CropNames2016).
TAgrAmounts DefaultAgrAmounts(int crop);
// The amounts of a row with nitrogen `amount`: winter crops split it 25 % and
// 75 % (five significant digits, one decimal), the others take "0" and the
// amount as written. An empty amount keeps `held`.
TAgrAmounts AgrAmountsOfRow(int crop, const std::string& amount, const TAgrAmounts& held);

// The whole file of "Create AGR" for one crop and amounts.
void LayOutCropAgroFile(int crop, const TAgrAmounts& amounts, TModelFileLayout& layout);

// The whole file of "4M agr" for one row of the field table: manure amount
// (column 1), nitrogen (column 2), field id (column 3), crop name (column 4).
// A crop name none of the five gets the header lines only.
void LayOutFieldAgroFile(const std::string& manure, const std::string& nitrogen, const std::string& fieldId,
                         const std::string& cropName, TModelFileLayout& layout);

// "Create AGR": reports "PROCESSING", reads the six fertilisation tables and
// checks every id that names a file before any file is written, then writes
// one file per row and crop (creating the folder when missing) and reports
// "COMPLETE". Returns the number of files written.
int CreateCropAgroFiles(const TCreateAgrOptions& options, const TStatusEvent& onStatus = {});

// "4M agr": reports "PROCESSING", reads up to 93 rows of the field table and
// checks every field id before any file is written, writes one file per row
// and reports "COMPLETE". Returns the number of files written.
int CreateFieldAgroFiles(const TFieldAgrOptions& options, const TStatusEvent& onStatus = {});

}  // namespace app
