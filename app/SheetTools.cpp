// Line transforms of the tables copied from a spreadsheet (JSON, wide to long, dates, nutrients) and the two file-list tools.
#include "app/SheetTools.h"

#include <cstdio>

#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/Utf8.h"

namespace app {

namespace {

const char* const JsonKeys[] = {"VARCODE", "LABEL NAME", "FROM",        "TO",         "TYPE", "VARIABLE",
                                "TIMESTEP", "FUNCTION",  "PLOT TYPE",   "CONV FACTOR", "TAG"};

// A field as a JSON string body. Quotes, backslashes and control characters
// are escaped so that every sheet gives valid JSON; other text stays as it is.
void AppendJsonText(std::string& out, std::string_view text)
{
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
}

// The number of characters (code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

TSheetLines SheetToJson(const TSheetLines& rows)
{
    TSheetLines out = {"["};
    TFieldViews f;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        f.Split(rows[r], '\t');
        std::string line = "    {";
        for (int k = 1; k <= 11; ++k) {
            if (k > 1) line += ", ";
            line += '"';
            line += JsonKeys[k - 1];
            line += "\": \"";
            AppendJsonText(line, f[k]);
            line += '"';
        }
        line += r + 1 < rows.size() ? "}," : "}";
        out.push_back(line);
    }
    out.push_back("]");
    return out;
}

TSheetLines WideToLong(const TSheetLines& rows, const std::string& keyCountText)
{
    int keys = 0;
    if (!rtl::TryStrToInt(keyCountText, keys)) throw rtl::EConvertError("'" + keyCountText + "' is not a valid integer value");
    TSheetLines out;
    TFieldViews f;
    for (const std::string& row : rows) {
        f.Split(row, '\t');
        std::string key;
        for (int k = 1; k <= keys; ++k) {
            key += f[k];
            key += '\t';
        }
        for (int j = 1; j <= 4; ++j) out.push_back(key + std::to_string(j) + "\t" + std::string(f[keys + j]));
    }
    return out;
}

TSheetLines RepairDates(TSheetLines lines)
{
    const std::size_t last = std::min<std::size_t>(lines.size(), 400);
    for (std::size_t k = 0; k < last; ++k) {
        std::string& line = lines[k];
        if (CharacterCount(line) != 9) continue;
        // Nine characters: the ninth starts after the eighth code point.
        std::size_t at = 0;
        for (int c = 0; c < 8; ++c) {
            ++at;
            while (at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80) ++at;
        }
        line.insert(at, "0");
    }
    return lines;
}

TSheetLines NutrientDemands(const TSheetLines& rows)
{
    TSheetLines out;
    TFieldViews f;
    for (const std::string& row : rows) {
        f.Split(row, '\t');
        const std::string crop(f[1]);
        const double yield = ParseDecimal(f[4]);
        CropNutrientDemand(crop, yield);
        out.push_back(FixedText(CropNutrientResults[1], 3, 0) + "\t" + FixedText(CropNutrientResults[2], 3, 0) + "\t" +
                      FixedText(CropNutrientResults[3], 3, 0));
    }
    return out;
}

TSheetLines MissingAnnualOutputs(const TWeatherToolOptions& places)
{
    TSheetLines out;
    for (int cell = 1; cell <= 1104; ++cell) {
        const std::string name = "c:\\TolvekCloud\\PRODUCTS\\MODELLFEJLESZTÉS\\SPINUP_SOM\\annout\\" + std::to_string(cell) + ".annout";
        if (!rtl::FileExists(places.Path(name))) out.push_back(std::to_string(cell));
    }
    return out;
}

void DropShortLines(const TWeatherToolOptions& places, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::string folder = "c:\\TolvekCloud\\PRODUCTS\\MÉRÉS - KÍSÉRLETI TÉR\\TARTAMOK\\PLANT DENSITY\\";
    TWeatherInput input(places.Path(folder + "pdens.txt"));
    TWeatherOutput out(places.Path(folder + "pdenso.txt"));
    input.ForEachLine([&](const std::string& line) {
        if (CharacterCount(line) > 10) out.Line(line);
    });
    out.Close();
    ReportStatus(status, "READY");
}

}  // namespace app
