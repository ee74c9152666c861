// "SOIL DB ERR CHECK" and "Button48": the plausibility check of the soil database table and its header rewrite.
#include "app/SoilDbCheck.h"

#include <array>

#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr const char* TopsoilBelowSubsoil = ";FELTALAJ SOM < ALTALAJ SOM";
constexpr const char* OtherProblem = ";EGYÉB GUBANC";

// The message of each column (1 to 42); nullptr for the lime columns, which
// are never tested; "" for the columns without a message of their own, which
// get one of the two general messages.
constexpr std::array<const char*, SoilDbColumnCount + 1> ColumnMessages = {
    nullptr,  // column 0 does not exist
    "", ";IRREÁLIS TALAJMÉLYSÉG",
    "", ";IRREÁLIS SOM 0-30CM", nullptr, "", "", "", "", ";IRREÁLIS THS 0-30CM", ";IRREÁLIS FC 0-30CM", ";IRREÁLIS WP 0-30CM",
    "", ";IRREÁLIS SOM 30-60CM", nullptr, "", "", "", "", ";IRREÁLIS THS 30-60CM", ";IRREÁLIS FC 30-60CM", ";IRREÁLIS WP 30-60CM",
    "", ";IRREÁLIS SOM 60-100CM", nullptr, "", "", "", "", ";IRREÁLIS THS 60-100CM", ";IRREÁLIS FC 60-100CM", ";IRREÁLIS WP 60-100CM",
    "", ";IRREÁLIS SOM 100-200CM", nullptr, "", "", "", "", ";IRREÁLIS THS 100-200CM", ";IRREÁLIS FC 100-200CM",
    ";IRREÁLIS WP 100-200CM",
};

constexpr int ProgressEvery = 10000;

void LogRow(const TFieldViews& fields, rtl::TTextFile& log, std::string& line)
{
    std::array<double, SoilDbColumnCount + 1> x{};
    for (int c = 1; c <= SoilDbColumnCount; ++c) x[c] = ParseDecimalFast(fields[c]);
    const double som30 = x[SoilDbColumn(1, OrganicMatterOffset)];
    const double som60 = x[SoilDbColumn(2, OrganicMatterOffset)];
    for (int c = 1; c <= SoilDbColumnCount; ++c) {
        const char* message = ColumnMessages[c];
        if (message == nullptr || x[c] > 0) continue;
        if (*message == '\0') message = som30 < som60 ? TopsoilBelowSubsoil : OtherProblem;
        line.assign(fields[1]);
        line += message;
        log.WriteLn(line);
    }
}

}  // namespace

void CheckSoilDatabase(const TSoilTableOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable table(options.File(SoilDbTableName));
    table.Open();
    rtl::TTextFile log(options.File(SoilDbErrorLogName));
    log.Rewrite();
    table.ReadHeader();
    int rows = 0;
    TFieldViews fields;
    std::string line;
    table.ForEachDataLine([&](const std::string& row, const TTablePlace&) {
        fields.Split(row);
        LogRow(fields, log, line);
        if (++rows % ProgressEvery == 0) ReportStatus(status, std::to_string(rows));
    });
    table.Close();
    log.Close();
    ReportStatus(status, "COMPLETE");
}

void RewriteSoilTableHeader(const TSoilTableOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable table(options.File(SoilDbTableName));
    table.Open();
    rtl::TTextFile copy(options.File(SoilDbFixedFolderCopyName));
    copy.Rewrite();
    table.ReadHeader();
    copy.WriteLn(SoilDbHeaderLine);
    table.ForEachDataLine([&](const std::string& row, const TTablePlace&) { copy.WriteLn(row); });
    table.Close();
    copy.Close();
    ReportStatus(status, "READY");
}

}  // namespace app
