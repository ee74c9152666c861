// "FIND MIN GRID" and "MERGE DATA": the ids every one-value table of "FIXED\" holds, and the tables joined on them.
#include "app/SoilGrid100m.h"

#include <cstdint>
#include <memory>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

// The table names of "FIXED\", refused when there is none: with no table to
// join, every id of the grid would be listed and merged into empty rows.
std::vector<std::string> RequireFixedTables(const TSoilGridOptions& options)
{
    std::vector<std::string> names = FixedTableNames(options);
    if (names.empty()) {
        throw rtl::Exception("No table to merge in \"" + options.File(FixedTablesFolder) + "\" (*.csv)");
    }
    return names;
}

// Counts, per id, the tables that hold it; a table counts an id once, however
// often it lists it, so every id counted in all tables is one "MERGE DATA"
// finds in each of them.
class TIdPresence {
public:
    TIdPresence() : FCounts(DataIdTableSize + 1, 0), FLastTable(DataIdTableSize + 1, 0) {}
    void Add(int id, int table)
    {
        const std::size_t at = static_cast<std::size_t>(id);
        if (FLastTable[at] == table) return;
        FLastTable[at] = static_cast<std::uint16_t>(table);
        ++FCounts[at];
    }
    bool In(int id, int tables) const { return FCounts[static_cast<std::size_t>(id)] == tables; }

private:
    std::vector<std::uint16_t> FCounts;
    std::vector<std::uint16_t> FLastTable;
};

// The ids of the first column of a table, each checked.
void CountTable(const std::string& fileName, int table, TIdPresence& presence, bool wholeLine)
{
    TBatchTable input(fileName);
    input.Open();
    input.ReadHeader();
    TFieldViews fields;
    input.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        std::string_view idText = line;
        if (!wholeLine) {
            fields.Split(line);
            idText = fields[1];
        }
        presence.Add(ReadStrictInt(idText, place, 1, DataIdTableSize, "100 m id"), table);
    });
    input.Close();
}

// One open table of the merge with its header's fields.
struct TMergeTable {
    explicit TMergeTable(const std::string& fileName) : Table(fileName), Join(Table, TSequentialJoin::kcInteger) {}
    TBatchTable Table;
    TSequentialJoin Join;
};

}  // namespace

std::vector<std::string> FixedTableNames(const TSoilGridOptions& options)
{
    const std::string soilTableCopy = rtl::ExtractFileName(SoilDbFixedFolderCopyName);
    std::vector<std::string> names;
    for (const std::string& name : rtl::FindFiles(options.File(std::string(FixedTablesFolder) + "*.csv"))) {
        if (rtl::SameText(name, soilTableCopy)) continue;
        names.push_back(name);
    }
    return names;
}

void FindMinGrid(const TSoilGridOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    const std::vector<std::string> names = RequireFixedTables(options);
    TIdPresence presence;
    CountTable(options.File(TheGridName), 1, presence, true);
    ReportStatus(status, "1");
    for (std::size_t i = 0; i < names.size(); ++i) {
        CountTable(options.File(FixedTablesFolder + names[i]), static_cast<int>(i) + 2, presence, false);
        ReportStatus(status, std::to_string(i + 2));
    }
    const int allTables = static_cast<int>(names.size()) + 1;
    rtl::TTextFile output(options.File(AllDataGridName));
    output.Rewrite();
    output.WriteLn("ID100m (HAS ALL DATA)");
    for (int id = 1; id <= DataIdTableSize; ++id) {
        if (presence.In(id, allTables)) output.WriteLn(std::to_string(id));
    }
    output.Close();
    ReportStatus(status, "COMPLETE");
}

void MergeData(const TSoilGridOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    const std::vector<std::string> names = RequireFixedTables(options);
    TBatchTable ids(options.File(AllDataGridName));
    ids.Open();
    std::vector<std::unique_ptr<TMergeTable>> tables;
    std::string header;
    TFieldViews fields;
    for (const std::string& name : names) {
        tables.push_back(std::make_unique<TMergeTable>(options.File(FixedTablesFolder + name)));
        tables.back()->Table.Open();
        const std::string tableHeader = tables.back()->Table.ReadHeader();
        if (tables.size() == 1) {
            header = tableHeader;
            continue;
        }
        fields.Split(tableHeader);
        header += ';';
        header.append(fields[2]);
    }

    rtl::TTextFile output(options.File(SoilGrid100mName));
    output.Rewrite();
    output.WriteLn(header);
    TAscendingTenths progress(status, 0);
    std::string row;
    ids.ReadHeader();
    ids.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        const int id = ReadStrictInt(line, place, 1, DataIdTableSize, "100 m id");
        row = tables.front()->Join.SeekId(id);
        for (std::size_t i = 1; i < tables.size(); ++i) {
            fields.Split(tables[i]->Join.SeekId(id));
            row += ';';
            row.append(fields[2]);
        }
        output.WriteLn(row);
        progress.Row(id);
    });
    ids.Close();
    for (auto& table : tables) table->Table.Close();
    output.Close();
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
