// "SOIL DB ERR CHECK" and "Button48": the plausibility check of the soil database table and its header rewrite.
#include "app/SoilDbCheck.h"

#include <array>

#include "app/Unit2.h"
#include "platform/rtl/FormatSettings.h"
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

// The 42 columns of a row and whether each reads as a number <= 0, found in
// one pass over the line: plain decimal text ("12.5", "-0,3") is judged by its
// sign and digits, anything else by ParseDecimal. Columns split as
// SplitFields splits them; a missing column is empty and reads as 0.
struct TRowSigns {
    std::array<std::string_view, SoilDbColumnCount + 1> Fields{};
    std::array<bool, SoilDbColumnCount + 1> NonPositive{};

    void Scan(std::string_view line, bool plainTextIsExact)
    {
        constexpr std::ptrdiff_t LongestPlainText = 64;  // longer text could underflow to 0
        const char* p = line.data();
        const char* const end = p + line.size();
        int c = 1;
        for (; c <= SoilDbColumnCount; ++c) {
            while (p < end && *p == ' ') ++p;
            const char* start = p;
            bool negative = false;
            if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
            bool digit = false;
            bool nonZero = false;
            bool point = false;
            bool plain = true;
            for (; p < end && *p != ';'; ++p) {
                const char ch = *p;
                if (ch >= '0' && ch <= '9') {
                    digit = true;
                    nonZero = nonZero || ch != '0';
                } else if ((ch == '.' || ch == ',') && !point) {
                    point = true;
                } else {
                    plain = false;
                }
            }
            const std::string_view field(start, static_cast<std::size_t>(p - start));
            Fields[c] = field;
            if (plain && digit && plainTextIsExact && p - start <= LongestPlainText)
                NonPositive[c] = negative || !nonZero;
            else
                NonPositive[c] = ParseDecimal(field) <= 0;
            if (p == end) break;
            ++p;
        }
        for (++c; c <= SoilDbColumnCount; ++c) {
            Fields[c] = {};
            NonPositive[c] = true;
        }
    }
};

void LogRow(const TRowSigns& row, rtl::TTextFile& log, std::string& line)
{
    for (int c = 1; c <= SoilDbColumnCount; ++c) {
        const char* message = ColumnMessages[c];
        if (message == nullptr || !row.NonPositive[c]) continue;
        if (*message == '\0') {
            const double som30 = ParseDecimalFast(row.Fields[SoilDbColumn(1, OrganicMatterOffset)]);
            const double som60 = ParseDecimalFast(row.Fields[SoilDbColumn(2, OrganicMatterOffset)]);
            message = som30 < som60 ? TopsoilBelowSubsoil : OtherProblem;
        }
        line.assign(row.Fields[1]);
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
    // Plain decimal text reads as ParseDecimal reads it when the separator it
    // puts in is the one the conversion expects (always so in the program).
    const bool plainTextIsExact = DecimalSeparatorAtStart == rtl::FormatSettings.DecimalSeparator;
    TRowSigns signs;
    std::string line;
    table.ForEachDataLine([&](const std::string& row, const TTablePlace&) {
        signs.Scan(row, plainTextIsExact);
        LogRow(signs, log, line);
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
