// Conventions shared by the batch tools of the soil and grid pages: table reading, strict ids, number text, status.
#include "app/BatchTableReading.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"

namespace app {

void ReportStatus(const TToolStatus& status, const std::string& text)
{
    if (status) status(text);
}

namespace {

// Powers of ten a double holds exactly.
constexpr std::array<double, 23> ExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

namespace {

// 0x80 in each byte of `word` that is zero, 0 elsewhere (exact: no borrow
// from one byte into the next).
std::uint64_t ZeroBytes(std::uint64_t word)
{
    constexpr std::uint64_t Low7 = 0x7F7F7F7F7F7F7F7FULL;
    return ~(((word & Low7) + Low7) | word | Low7);
}

constexpr std::uint64_t EveryByte(char c) { return 0x0101010101010101ULL * static_cast<unsigned char>(c); }

}  // namespace

void TFieldViews::Add(const char* begin, const char* end)
{
    if (FCount == MaxFields) throw rtl::EListError("A line has more than 1000 fields");
    FFields[static_cast<std::size_t>(FCount++)] = std::string_view(begin, static_cast<std::size_t>(end - begin));
}

void TFieldViews::Split(std::string_view line, char separator)
{
    if (separator != ' ' && SplitWithoutBlanks(line, separator)) return;
    SplitSkippingBlanks(line, separator);
}

// Most table lines hold no blank at all; their fields are exactly the pieces
// between separators, found eight bytes at a time. A line with a blank is
// left to the byte loop that skips blanks.
bool TFieldViews::SplitWithoutBlanks(std::string_view line, char separator)
{
    static_assert(std::endian::native == std::endian::little, "byte positions are read from the low bits");
    FCount = 0;
    const char* const base = line.data();
    const std::size_t size = line.size();
    const std::uint64_t separators = EveryByte(separator);
    const std::uint64_t blanks = EveryByte(' ');
    const char* start = base;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, base + i, 8);
        if (ZeroBytes(word ^ blanks) != 0) return false;
        for (std::uint64_t found = ZeroBytes(word ^ separators); found != 0; found &= found - 1) {
            const char* at = base + i + static_cast<std::size_t>(std::countr_zero(found) / 8);
            Add(start, at);
            start = at + 1;
        }
    }
    for (; i < size; ++i) {
        if (base[i] == ' ') return false;
        if (base[i] == separator) {
            Add(start, base + i);
            start = base + i + 1;
        }
    }
    Add(start, base + size);
    return true;
}

// A byte loop rather than a search per field: table fields are a few
// characters long, shorter than a search call pays off for.
void TFieldViews::SplitSkippingBlanks(std::string_view line, char separator)
{
    FCount = 0;
    const char* p = line.data();
    const char* const end = p + line.size();
    while (p < end && *p == ' ') ++p;
    const char* start = p;
    while (true) {
        while (p < end && *p != separator) ++p;
        Add(start, p);
        if (p == end) return;
        ++p;
        while (p < end && *p == ' ') ++p;
        start = p;
    }
}

// A plain decimal of at most 15 digits and an exponent within the exact powers
// of ten is converted as mantissa / 10^k: one correctly rounded division, which
// is the double the locale conversion gives. Anything else goes the long way.
double ParseDecimalFast(std::string_view text)
{
    if (DecimalSeparatorAtStart != rtl::FormatSettings.DecimalSeparator) return ParseDecimal(text);
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    const auto isDigit = [](char c) { return static_cast<unsigned>(c - '0') < 10; };
    std::uint64_t mantissa = 0;
    const char* const integerStart = p;
    for (; p < end && isDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    const auto integerDigits = p - integerStart;
    std::ptrdiff_t decimals = 0;
    if (p < end && (*p == '.' || *p == ',')) {
        const char* const fractionStart = ++p;
        for (; p < end && isDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        decimals = p - fractionStart;
    }
    // Anything but plain digits, more than 15 of them (the mantissa may have
    // wrapped then) or too many decimals goes the long way.
    const auto digits = integerDigits + decimals;
    if (p != end || digits == 0 || digits > 15 || decimals >= static_cast<std::ptrdiff_t>(ExactPowersOfTen.size()))
        return ParseDecimal(text);
    const double value = static_cast<double>(mantissa) / ExactPowersOfTen[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
}

bool ReadsAsNonPositive(std::string_view text)
{
    // Longer plain text could underflow to 0; it goes the long way.
    constexpr std::size_t LongestPlainText = 64;
    if (DecimalSeparatorAtStart != rtl::FormatSettings.DecimalSeparator || text.size() > LongestPlainText)
        return ParseDecimal(text) <= 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    bool digit = false;
    bool nonZero = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
            nonZero = nonZero || c != '0';
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
        } else {
            return ParseDecimal(text) <= 0;
        }
    }
    if (!digit) return ParseDecimal(text) <= 0;
    return negative || !nonZero;
}

// Where at most `precision` significant digits reach `decimals` decimals
// (the integer part has at most precision - decimals digits, also after
// rounding), the text is the value rounded half away from zero at that
// decimal, computed exactly on the double's integer mantissa and binary
// exponent: a = m * 2^e, so a * 10^d = m * 10^d / 2^-e. Other values go
// through FloatToStrF.
void AppendFixedText(std::string& out, double value, int precision, int decimals)
{
    using u128 = unsigned __int128;
    static constexpr std::array<std::uint64_t, 5> Scale = {1, 10, 100, 1000, 10000};
    const double a = std::fabs(value);
    const bool fast = decimals >= 0 && decimals <= 4 && precision >= decimals && precision <= 15 &&
                      std::isfinite(value) && a < ExactPowersOfTen[static_cast<std::size_t>(precision - decimals)];
    if (!fast) {
        out += rtl::FloatToStrF(value, rtl::ffFixed, precision, decimals);
        return;
    }
    std::uint64_t n = 0;
    if (a != 0) {
        const auto bits = std::bit_cast<std::uint64_t>(a);
        const int biased = static_cast<int>(bits >> 52);
        const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
        const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
        const int shift = 1075 - (biased == 0 ? 1 : biased);  // a = m / 2^shift; a < 2^50 so shift > 2
        if (shift < 120) {
            const u128 num = u128(m) * Scale[static_cast<std::size_t>(decimals)];
            const u128 whole = num >> shift;
            const u128 rest = num - (whole << shift);
            n = static_cast<std::uint64_t>(whole) + (rest >= (u128(1) << (shift - 1)) ? 1 : 0);
        }
    }
    // Rounded up to one more integer digit than the precision allows: the
    // platform writes that in exponent form.
    if (static_cast<double>(n) >= ExactPowersOfTen[static_cast<std::size_t>(precision)]) {
        out += rtl::FloatToStrF(value, rtl::ffFixed, precision, decimals);
        return;
    }
    const std::uint64_t rounded = n;
    char text[32];
    char* p = text + sizeof text;
    int written = 0;
    do {
        if (written == decimals && decimals > 0) *--p = rtl::FormatSettings.DecimalSeparator;
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
        ++written;
    } while (n != 0 || written <= decimals);
    // A value that rounds to zero loses its minus sign.
    if (value < 0 && rounded != 0) *--p = '-';
    out.append(p, static_cast<std::size_t>(text + sizeof text - p));
}

std::string FixedText(double value, int precision, int decimals)
{
    std::string text;
    AppendFixedText(text, value, precision, decimals);
    return text;
}

std::string TTablePlace::Describe() const
{
    return "file \"" + (FileName ? rtl::DisplayPath(*FileName) : std::string()) + "\", line " + std::to_string(Line);
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
