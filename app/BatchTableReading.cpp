// Conventions shared by the batch tools of the soil and grid pages: table reading, strict ids, number text, status.
#include "app/BatchTableReading.h"

#include <cstdint>

#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/TextFile.h"

namespace app {

void ReportStatus(const TToolStatus& status, const std::string& text)
{
    if (status) status(text);
}

namespace {

std::string_view SkipBlanks(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') ++first;
    return text.substr(first);
}

// Powers of ten a double holds exactly.
constexpr std::array<double, 23> ExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

void TFieldViews::Split(std::string_view line, char separator)
{
    FCount = 0;
    std::string_view rest = SkipBlanks(line);
    while (true) {
        if (FCount == MaxFields) throw rtl::EListError("A line has more than 1000 fields");
        const std::size_t at = rest.find(separator);
        if (at == std::string_view::npos) {
            FFields[static_cast<std::size_t>(FCount++)] = rest;
            return;
        }
        FFields[static_cast<std::size_t>(FCount++)] = rest.substr(0, at);
        rest = SkipBlanks(rest.substr(at + 1));
    }
}

// A plain decimal of at most 15 digits and an exponent within the exact powers
// of ten is converted as mantissa / 10^k: one correctly rounded division, which
// is the double the locale conversion gives. Anything else goes the long way.
double ParseDecimalFast(std::string_view text)
{
    if (DecimalSeparatorAtStart != rtl::FormatSettings.DecimalSeparator) return ParseDecimal(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            ++digits;
            if (point) ++decimals;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
        } else {
            return ParseDecimal(text);
        }
    }
    if (digits == 0 || digits > 15 || decimals >= static_cast<int>(ExactPowersOfTen.size()))
        return ParseDecimal(text);
    const double value = static_cast<double>(mantissa) / ExactPowersOfTen[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
}

std::string FixedText(double value, int precision, int decimals)
{
    return rtl::FloatToStrF(value, rtl::ffFixed, precision, decimals);
}

std::string TTablePlace::Describe() const
{
    return "file \"" + (FileName ? *FileName : std::string()) + "\", line " + std::to_string(Line);
}

int ReadStrictInt(std::string_view text, const TTablePlace& place, int first, int last, const char* what)
{
    const std::string value(text);
    int number = 0;
    if (!rtl::TryStrToInt(value, number)) {
        throw rtl::EConvertError("'" + value + "' is not a valid integer value (" + what + ", " +
                                 place.Describe() + ")");
    }
    if (number < first || number > last) {
        throw rtl::EConvertError(std::string(what) + " " + value + " is outside " + std::to_string(first) + " to " +
                                 std::to_string(last) + " (" + place.Describe() + ")");
    }
    return number;
}

TBatchTable::TBatchTable(std::string fileName)
    : FFileName(std::move(fileName)), FFile(std::make_unique<rtl::TTextFile>(FFileName))
{
}

TBatchTable::~TBatchTable() = default;

void TBatchTable::Open()
{
    FFile->Reset();
    FLine = 0;
}

std::string TBatchTable::ReadHeader()
{
    std::string header;
    ReadLine(header);
    return header;
}

bool TBatchTable::ReadLine(std::string& line)
{
    ++FLine;
    return FFile->ReadLn(line);
}

bool TBatchTable::AtEnd() { return FFile->Eof(); }

void TBatchTable::ForEachDataLine(
    const std::function<void(const std::string& line, const TTablePlace& place)>& onLine)
{
    std::string line;
    do {
        ReadLine(line);
        onLine(line, Place());
    } while (!AtEnd());
}

void TBatchTable::Close() { FFile->Close(); }

const std::string& TSequentialJoin::Seek(std::string_view key)
{
    while (true) {
        const bool atEnd = FTable.AtEnd();
        FTable.ReadLine(FRow);
        FFields.Split(FRow);
        if (FFields[1] == key) return FRow;
        if (atEnd) RunOut(std::string(key));
    }
}

const std::string& TSequentialJoin::SeekId(int id)
{
    while (true) {
        const bool atEnd = FTable.AtEnd();
        FTable.ReadLine(FRow);
        if (atEnd) RunOut(std::to_string(id));
        FFields.Split(FRow);
        const int rowId = ReadStrictInt(FFields[1], FTable.Place(), INT32_MIN, INT32_MAX, "id");
        if (rowId == id) return FRow;
    }
}

// The join needs every key of the driving table in the other one, in the same
// order; one that is missing would otherwise be looked for past the end of the
// other table for ever (or end in a conversion error of its empty line).
void TSequentialJoin::RunOut(const std::string& key) const
{
    throw rtl::Exception("id " + key + " not found in \"" + FTable.FileName() + "\" (read to its end, line " +
                         std::to_string(FTable.Place().Line - 1) + "); the tables must hold the same ids in the same order");
}

}  // namespace app
